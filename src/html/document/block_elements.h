#pragma once
// The small blocks between text blocks: paragraph and heading spacers, the horizontal
// rule, the preformatted line and the three kinds of list item.

#include <cstdint>

#include "html/parse/attributes.h"
#include "html/document/section_base.h"
#include "html/document/text_section.h"

namespace tavra {

// Spacers and rules append an empty line when copied inside the selection.
class TParagraphSpace : public TSectionBase {
 public:
  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const override;
  void RecalcFixedHeight() override;
};

class THeadingSpace : public TSectionBase {
 public:
  explicit THeadingSpace(unsigned level) : Level(level) {}
  unsigned Level;
  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const override;
  void RecalcFixedHeight() override;
};

class THorzLine : public TSectionBase {
 public:
  explicit THorzLine(const TAttributeList& attributes);

  int Thickness = 2;
  int Width = -1;  // -1: full width
  bool WidthIsPercent = false;
  ColorRef Color = 0;
  std::uint8_t Align = alCenter;
  bool NoShade = false;
  bool ColorGiven = false;
  // The room beside the floats at the rule's height, from the cell's left edge; set by
  // layout.
  int RoomLeft = 0;
  int RoomRight = 0;

  void CopySelectedText(int selFrom, int selTo, std::u16string& out) const override;
  int LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) override;
  int PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const override;
  void RecalcFixedHeight() override;
};

// One line of preformatted text: never wrapped, text kept as it stands.
class TPreFormated : public TSection {
 public:
  TPreFormated(int listLevel, int alignment, const TUrlTarget* linkTarget, const TMyFont& font,
               std::uint8_t extraFontStyles = 0);

  void AppendText(std::u16string_view text) override;
  int LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) override;
  void MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) override;
};

class TUListItem : public TSection {
 public:
  TUListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font, std::uint8_t extraFontStyles = 0);
  bool NoBullet = false;

 protected:
  bool SuppressBullet() const override { return NoBullet; }
};

class TDListItem : public TUListItem {
 public:
  TDListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font, std::uint8_t extraFontStyles = 0);
};

class TOListItem : public TUListItem {
 public:
  TOListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font, char listType, int number,
             std::uint8_t extraFontStyles = 0);
  char ListType;

 protected:
  char NumberingStyle() const override { return ListType; }
};

}  // namespace tavra
