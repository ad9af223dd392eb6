#pragma once
// The block of running text: its characters (with images and form controls standing in
// as marker characters), its font runs, line breaking around floats and list indents,
// painting with the selection, hit tests, search and copy.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "html/parse/attributes.h"
#include "html/document/fonts.h"
#include "html/document/section_base.h"

namespace tavra {

struct LineRec {
  int Start = 0;  // index of the first character in Text
  int SpaceBefore = 0;
  int SpaceAfter = 0;
  int LineHt = 0;
  int LinePaintHt = 0;
  int Ln = 0;
  int Descent = 0;
  int LineIndent = 0;
  int LineX = 0;  // the line's left in document coordinates, placed after layout
};

// List kinds: no marker, numbered, bulleted, definition item.
enum : std::uint8_t { lkNone = 0, lkNumbered = 1, lkBulleted = 2, lkDefinition = 3 };
// Alignments.
enum : std::uint8_t { alLeft = 1, alCenter = 2, alRight = 3 };

class TSection : public TSectionBase {
 public:
  static constexpr int MaxChars = 20000;
  static constexpr int LevelStep = 35;

  // `extraFontStyles` are the style bits (bold, italic, underline, strike-out) that the
  // reader currently adds to every run.
  TSection(int listLevel, int alignment, const TUrlTarget* linkTarget, const TMyFont& font,
           std::uint8_t extraFontStyles = 0);

  std::u16string Text;
  TFontList FontRuns;
  TImageObjList ImageRuns;
  std::vector<InlineControl*> ControlRuns;
  int ListLevel = 0;
  int LevelIndent = 0;
  int ItemNumber = 0;
  std::vector<LineRec> Lines;
  TMyFont NumberFont;
  std::uint8_t ListKind = lkNone;
  std::uint8_t Alignment = alLeft;
  std::uint8_t ClearMode = 0;
  int FirstLineLeft = 0;

  // --- building
  virtual void AppendText(std::u16string_view text);
  void ChangeFont(TSectionList& document, const TMyFont& font, std::uint8_t extraFontStyles = 0,
                  std::uint8_t scriptMode = smNormal);
  void ChangeLink(Symbol symbol, TSectionList& document, const TMyFont& font, const TUrlTarget& target,
                  std::uint8_t extraFontStyles = 0, std::uint8_t scriptMode = smNormal);
  // Takes an image made for the current end of the text and appends its marker.
  InlineImage* AddImage(std::unique_ptr<InlineImage> image, TCell* cell);
  // Appends the marker of a form control (owned by its form) at the end of the text.
  void AddControl(InlineControl* control);
  void ApplyClear(const TAttributeList& attributes);
  int CloseSection();

  // --- document operations
  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const override;
  int LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) override;
  void PlaceContents(int x) override;
  int PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const override;
  bool LinkAtPoint(Canvas& canvas, int x, int y, InlineControl*& control, TUrlTarget& target) override;
  bool ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY) override;
  int PointToCharPos(Canvas& canvas, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                     int& caretX) override;
  int SearchText(int start, std::u16string_view text, bool matchCase) override;
  bool CharPosToPoint(Canvas& canvas, int pos, int& y, int& x) override;
  bool CharAtPos(int pos, char16_t& ch, TSectionBase*& block) override;
  void RefreshFonts() override;
  void MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) override;

  // --- measures
  int TextWidth(int start, int count, bool trimTrailingSpaces) const;
  int CharsToNextImage(int pos) const { return ImageRuns.CharsToNextImage(pos); }
  int CharsToNextControl(int pos) const;
  // Characters from pos, before `end`, that share one font run and hold no marker.
  int TextStretch(int pos, int end) const;
  InlineControl* ControlAtPos(int pos) const;
  // The first control at or after pos.
  std::vector<InlineControl*>::const_iterator firstControlFrom(int pos) const;
  // Whether the character at pos stands for an image or a control.
  bool IsMarker(int pos) const;

  // The marker text of a numbered item: "1.", "C.", "xiv." ...
  static std::u16string ItemLabel(int number, char style);

 protected:
  // Read by the painting of list markers; list items override them.
  virtual bool SuppressBullet() const { return false; }
  virtual char NumberingStyle() const { return '1'; }
  // Preformatted text never wraps and is clipped when painted.
  bool NoWrap = false;

 private:
  struct FitState;
  int FitChars(FitState& state, int available, int start, int maxCount) const;
  // Characters of the line from `start` that fit in `width` (floats take none).
  int CharsInWidth(int start, int count, int width) const;
  void FinishLine(IndentManager& indents, int start, int count, int& y, int floatHeight,
                  std::vector<InlineImage*>& pendingFloats);
  int ClearGap(const IndentManager& indents, int y) const;
  void PaintListMarker(const PaintContext& context, Canvas& canvas, const LineRec& line, int x, int baseline) const;
  void PaintLine(const PaintContext& context, Canvas& canvas, int clipWidth, const LineRec& line, int x, int baseline,
                 int rowTop) const;
  int LineAt(int y, int& bandTop) const;
  bool OnlyFloatsBefore(int start, int pos) const;
};


}  // namespace tavra
