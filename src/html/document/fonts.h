#pragma once
// Fonts of HTML documents and the font runs of text blocks. A run says that from its
// character position on, the text uses its font and its link; the run keeps the font's
// text metrics current and holds the realised font, so layout measures by table walk.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "html/links/url_target.h"
#include "platform/block_pool.h"
#include "platform/canvas.h"

namespace tavra {

class TSectionList;

// HTML FONT SIZE 1..7 in points relative to a 12-point base, for the normal and the
// fixed-pitch face; and the sizes of headings H1..H6 (index 0 is H1).
extern const int FontSizes[7];
extern const int PreFontSizes[7];
extern const int HeadingSizes[6];

// A font of the document: face, size in points, colour, style and character set, plus
// its size relative to the document's default and whether it is the fixed-pitch face.
// Every change notifies `OnChange`.
class TMyFont {
 public:
  TMyFont() = default;
  TMyFont(const TMyFont& other) { Assign(other); }
  TMyFont& operator=(const TMyFont& other) {
    Assign(other);
    return *this;
  }

  int NormalSize = 12;
  bool Fixed = false;
  std::function<void()> OnChange;

  const std::string& Name() const { return spec_.name; }
  int Size() const { return spec_.size; }
  ColorRef Color() const { return color_; }
  unsigned Style() const { return spec_.style; }
  std::uint8_t Charset() const { return spec_.charset; }
  const FontSpec& Face() const { return spec_; }

  void SetName(const std::string& name);
  void SetSize(int size);
  void SetColor(ColorRef color);
  void SetStyle(unsigned style);
  void SetCharset(std::uint8_t charset);

  // Copies NormalSize, Fixed and the face attributes (not the change handler).
  void Assign(const TMyFont& other);
  // Copies only the face attributes (name, size, colour, style, character set).
  void AssignFace(const TMyFont& other);

  void SetHtmlSize(const TSectionList& document, int points);

  // Where the font is realised: the document host's engine for fonts of a parse, fixed
  // metrics for fonts made by hand.
  FontEngine& Fonts() const { return *fonts_; }
  void SetFonts(FontEngine& fonts);

 private:
  void Changed();
  FontEngine* fonts_ = &fixedFontEngine();
  FontSpec spec_;
  ColorRef color_ = clBlack;
};

// Face, character set and size from the document; `colour` marked palette-relative.
void ApplyDocumentDefaults(TMyFont& font, const TSectionList& document, ColorRef colour);

enum : std::uint8_t { smNormal = 0, smSubscript = 1, smSuperscript = 2 };

// One font run.
// A document has a run for nearly every tag: they come from a pool of their size.
class TFontObj : public PooledAllocation<TFontObj> {
 public:
  TFontObj(const TMyFont& font, int pos);
  TFontObj(const TFontObj&) = delete;
  TFontObj& operator=(const TFontObj&) = delete;

  const int Pos;

 private:
  // Held in the run itself: a document has a run for every change of font.
  TMyFont font_storage_;

 public:
  TMyFont* const TheFont = &font_storage_;
  int FontHeight = 0;
  int TextHeight = 0;
  int Overhang = 0;
  int Descent = 0;
  std::uint8_t ScriptMode = smNormal;
  TUrlTarget UrlTarget;

  // The realised font, current with TheFont.
  const FontPtr& Font() const { return font_; }

  void UpdateMetrics();
  void RefreshFromDocument(const TSectionList& document);
  int GetHeight(int& descent) const {
    descent = Descent;
    return FontHeight;
  }

 private:
  FontPtr font_;
  // Which engine made font_: with its face, a change of colour or a font assigned again
  // unchanged needs no new font.
  const FontEngine* madeBy_ = nullptr;
};

// The runs of one text block, by strictly increasing Pos; the first starts at 0.
class TFontList {
 public:
  int Count() const { return int(items_.size()); }
  TFontObj& operator[](int i) { return *items_[std::size_t(i)].run; }
  const TFontObj& operator[](int i) const { return *items_[std::size_t(i)].run; }
  TFontObj& Last() { return *items_.back().run; }
  void Add(std::unique_ptr<TFontObj> run);

  const FontPtr& FontAtPos(int pos, int& overhang) const;
  TFontObj& RunAtPos(int pos, int& index) const;
  int CharsToNextRun(int pos, int len) const;
  void RefreshAll(const TSectionList& document);

 private:
  int indexAt(int pos) const;
  // Each run's start beside it: layout looks runs up by position at every word, and the
  // search then reads one array instead of every run it passes.
  struct Item {
    int pos;
    std::unique_ptr<TFontObj> run;
  };
  std::vector<Item> items_;
};

}  // namespace tavra
