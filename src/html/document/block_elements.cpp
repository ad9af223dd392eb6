#include "html/document/block_elements.h"

#include <algorithm>
#include <string>

#include "html/parse/colors.h"
#include "html/document/section_list.h"
#include "platform/ascii.h"

namespace tavra {

namespace {

int documentFontSize(const TSectionBase& block) { return block.Document ? block.Document->FontSize : 12; }

void copyEmptyLine(const TSectionBase& block, int selFrom, int selTo, std::u16string& out) {
  if (selFrom <= block.FirstCharPos && block.FirstCharPos < selTo) out += u"\r\n";
}

}  // namespace

void TParagraphSpace::CopySelectedText(int selFrom, int selTo, std::u16string& out) const {
  copyEmptyLine(*this, selFrom, selTo, out);
}

void TParagraphSpace::RecalcFixedHeight() { ContentHeight = MulDiv(14, documentFontSize(*this), 12); }

void THeadingSpace::CopySelectedText(int selFrom, int selTo, std::u16string& out) const {
  copyEmptyLine(*this, selFrom, selTo, out);
}

void THeadingSpace::RecalcFixedHeight() {
  int n = 8;
  switch (Level) {
    case 1: n = 16; break;
    case 2: n = 12; break;
    case 3: n = 10; break;
    case 5: n = 6; break;
    case 6: n = 4; break;
    default: n = 8; break;
  }
  ContentHeight = MulDiv(n, documentFontSize(*this), 12);
}

THorzLine::THorzLine(const TAttributeList& attributes) {
  for (const TAttribute& a : attributes) {
    switch (a.Sym) {
      case attrAlign: {
        std::string align = ascii::lower(a.Text, 10);
        if (align == "left")
          Align = alLeft;
        else if (align == "right")
          Align = alRight;
        break;
      }
      case attrWidth:
        if (a.Value > 0) {
          if (a.Text.find('%') != std::string::npos) {
            if (a.Value <= 100) Width = a.Value;
            WidthIsPercent = true;
          } else {
            Width = a.Value;
          }
        }
        break;
      case attrSize:
        if (a.Value >= 1 && a.Value <= 20) Thickness = a.Value;
        break;
      case attrColor: {
        std::uint32_t colour = 0;
        ColorGiven = ParseColor(a.Text, colour);
        if (ColorGiven) Color = colour;
        break;
      }
      case attrNoshade: NoShade = true; break;
      default: break;
    }
  }
}

void THorzLine::CopySelectedText(int selFrom, int selTo, std::u16string& out) const {
  copyEmptyLine(*this, selFrom, selTo, out);
}

void THorzLine::RecalcFixedHeight() { ContentHeight = MulDiv(20, documentFontSize(*this), 12) + Thickness - 2; }

int THorzLine::LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) {
  RoomLeft = indents.LeftLimitAt(y) - indents.LeftEdge;
  RoomRight = indents.RightLimitAt(y) - indents.LeftEdge;
  return TSectionBase::LayoutSection(canvas, y, indents, maxWidth, charPos);
}

int THorzLine::PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const {
  int result = TSectionBase::PaintSection(context, canvas, clipWidth, x, y);
  int screenTop = y - context.ScrollOffset;
  if (screenTop + ContentHeight <= context.Clip.top || screenTop >= context.Clip.bottom) return result;
  int left = x + RoomLeft, right = x + RoomRight;
  int top = screenTop + (ContentHeight - Thickness) / 2;
  int bottom = top + Thickness;
  int x1 = left + 10, x2 = right - 10;
  if (Width >= 0) {
    int w = WidthIsPercent ? MulDiv(right - left, Width, 100) : Width;
    x1 = Align == alLeft ? left : Align == alRight ? right - w : left + (right - left - w) / 2;
    x2 = x1 + w;
  }
  if (ColorGiven) {
    canvas.fillRect({x1, top, x2, bottom}, Color | kPaletteRelative);
    return result;
  }
  canvas.setPen(NoShade ? clBlack : clBtnShadow);
  canvas.moveTo(x1, bottom);
  canvas.lineTo(x1, top);
  canvas.lineTo(x2, top);
  bool whiteBackground = Document && Document->BackgroundIsWhite();
  canvas.setPen(NoShade ? clBlack : whiteBackground ? ColorRef(0xC0C0C0) : clBtnHighlight);
  canvas.lineTo(x2, bottom);
  canvas.lineTo(x1, bottom);
  return result;
}

TPreFormated::TPreFormated(int listLevel, int alignment, const TUrlTarget* linkTarget, const TMyFont& font,
                           std::uint8_t extraFontStyles)
    : TSection(listLevel, alignment, linkTarget, font, extraFontStyles) {
  NoWrap = true;
}

void TPreFormated::AppendText(std::u16string_view text) {
  if (text.empty() || CharCount > MaxChars) return;
  std::size_t length = Text.size() + text.size();
  if (Text.capacity() < length + 1) Text.reserve(length + 100);
  Text.append(text);
  CharCount = int(Text.size());
}

int TPreFormated::LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) {
  int oldWidth = indents.LayoutWidth;
  indents.LayoutWidth = 32000;
  int height = TSection::LayoutSection(canvas, y, indents, maxWidth, charPos);
  indents.LayoutWidth = oldWidth;
  int minWidth = 0;
  MeasureWidths(canvas, minWidth, maxWidth);
  return height;
}

void TPreFormated::MeasureWidths(Canvas&, int& minWidth, int& maxWidth) {
  int w = TextWidth(0, CharCount, false) + LevelIndent;
  maxWidth = w;
  minWidth = std::min(500, w);
}

TUListItem::TUListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font,
                       std::uint8_t extraFontStyles)
    : TSection(listLevel, alLeft, linkTarget, font, extraFontStyles) {
  ListKind = lkBulleted;
}

TDListItem::TDListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font,
                       std::uint8_t extraFontStyles)
    : TUListItem(listLevel, linkTarget, font, extraFontStyles) {
  ListKind = lkDefinition;
}

TOListItem::TOListItem(int listLevel, const TUrlTarget* linkTarget, const TMyFont& font, char listType, int number,
                       std::uint8_t extraFontStyles)
    : TUListItem(listLevel, linkTarget, font, extraFontStyles), ListType(listType) {
  ItemNumber = number;
  ListKind = lkNumbered;
}

}  // namespace tavra
