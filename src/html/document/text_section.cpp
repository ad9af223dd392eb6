#include "html/document/text_section.h"

#include <algorithm>
#include <array>
#include <climits>

#include "html/document/section_list.h"
#include "platform/ascii.h"
#include "platform/unicode.h"

namespace tavra {

namespace {

const char* const kRoman[20] = {"i",  "ii",  "iii",  "iv",  "v",  "vi",  "vii",  "viii",  "ix",  "x",
                                "xi", "xii", "xiii", "xiv", "xv", "xvi", "xvii", "xviii", "xix", "xx"};

}  // namespace


// State of one line's fitting: floats met later in the line, the height of floats placed
// at its start, and where floats are placed (null when only counting).
struct TSection::FitState {
  std::vector<InlineImage*>* pending = nullptr;
  IndentManager* indents = nullptr;
  std::vector<InlineImage*>* placed = nullptr;
  int y = 0;
  int floatHeight = 0;
};

TSection::TSection(int listLevel, int alignment, const TUrlTarget* linkTarget, const TMyFont& font,
                   std::uint8_t extraFontStyles)
    : ListLevel(listLevel), LevelIndent(LevelStep * listLevel), Alignment(static_cast<std::uint8_t>(alignment)) {
  TMyFont first(font);
  first.SetStyle(first.Style() | extraFontStyles);
  NumberFont = first;
  auto run = std::make_unique<TFontObj>(first, 0);
  if (linkTarget) run->UrlTarget.Assign(linkTarget->URL, linkTarget->Target);
  FontRuns.Add(std::move(run));
}

// ---------------------------------------------------------------- building

void TSection::AppendText(std::u16string_view text) {
  if (text.empty() || CharCount > MaxChars) return;
  if (text.front() == ' ') {
    bool onlyFloats = CharCount > 0 && OnlyFloatsBefore(0, CharCount);
    if (CharCount == 0 || Text.back() == ' ' || onlyFloats) text.remove_prefix(1);
  }
  if (text.empty()) return;
  std::size_t length = Text.size() + text.size();
  if (Text.capacity() < length + 1) Text.reserve(length + 100);
  Text.append(text);
  CharCount = int(Text.size());
}

void TSection::ChangeFont(TSectionList& document, const TMyFont& font, std::uint8_t extraFontStyles,
                          std::uint8_t scriptMode) {
  // The run's font is settled before the run takes it: the run realises its font at
  // each change, and a document changes font at nearly every tag.
  TMyFont wanted(font);
  wanted.SetStyle(wanted.Style() | extraFontStyles);
  if (scriptMode == smSubscript || scriptMode == smSuperscript) wanted.SetHtmlSize(document, wanted.NormalSize * 3 / 4);
  TFontObj* run = &FontRuns.Last();
  if (run->Pos == CharCount) {
    run->TheFont->Assign(wanted);
  } else {
    auto added = std::make_unique<TFontObj>(wanted, CharCount);
    added->UrlTarget.Assign(run->UrlTarget.URL, run->UrlTarget.Target);
    FontRuns.Add(std::move(added));
    run = &FontRuns.Last();
  }
  run->ScriptMode = scriptMode;
}

void TSection::ChangeLink(Symbol symbol, TSectionList& document, const TMyFont& font, const TUrlTarget& target,
                          std::uint8_t extraFontStyles, std::uint8_t scriptMode) {
  ChangeFont(document, font, extraFontStyles, scriptMode);
  TFontObj& run = FontRuns.Last();
  run.UrlTarget.Clear();
  if (symbol == attrHref) run.UrlTarget.Assign(target.URL, target.Target);
}

// The character limit is for text: a picture or a control after it is still placed, as a
// control that joined its form must be seen where its value is submitted.
InlineImage* TSection::AddImage(std::unique_ptr<InlineImage> image, TCell* cell) {
  if (!image) return nullptr;
  image->Pos = CharCount;
  image->OwnerCell = cell;
  InlineImage* added = image.get();
  ImageRuns.Add(std::move(image));
  Text.push_back(ImageMarker);
  CharCount = int(Text.size());
  return added;
}

void TSection::AddControl(InlineControl* control) {
  if (!control) return;
  control->Pos = CharCount;
  ControlRuns.push_back(control);
  Text.push_back(ControlMarker);
  CharCount = int(Text.size());
}

void TSection::ApplyClear(const TAttributeList& attributes) {
  const TAttribute* clear = attributes.Find(attrClear);
  if (!clear) return;
  std::string value = ascii::lower(clear->Text, 15);
  ClearMode = value == "left" ? 1 : value == "right" ? 2 : 3;
}

int TSection::CloseSection() {
  if (CharCount == 0) {
    Text.assign(1, u' ');
    CharCount = 1;
  }
  return Alignment;
}

// ---------------------------------------------------------------- measures

int TSection::TextStretch(int pos, int end) const {
  return std::min({end - pos, FontRuns.CharsToNextRun(pos, CharCount), std::max(1, CharsToNextImage(pos)),
                   std::max(1, CharsToNextControl(pos))});
}

std::vector<InlineControl*>::const_iterator TSection::firstControlFrom(int pos) const {
  // Controls are added as the text grows, so they stand in the order of their positions.
  return std::lower_bound(ControlRuns.begin(), ControlRuns.end(), pos,
                          [](const InlineControl* c, int p) { return c->Pos < p; });
}

int TSection::CharsToNextControl(int pos) const {
  auto at = firstControlFrom(pos);
  return at != ControlRuns.end() ? (*at)->Pos - pos : 9999;
}

InlineControl* TSection::ControlAtPos(int pos) const {
  auto at = firstControlFrom(pos);
  return at != ControlRuns.end() && (*at)->Pos == pos ? *at : nullptr;
}

bool TSection::IsMarker(int pos) const {
  if (pos < 0 || pos >= CharCount) return false;
  char16_t c = Text[std::size_t(pos)];
  if (c == ImageMarker) return ImageRuns.ImageAtCharPos(pos) != nullptr;
  if (c == ControlMarker) return ControlAtPos(pos) != nullptr;
  return false;
}

bool TSection::OnlyFloatsBefore(int start, int pos) const {
  for (int i = start; i < pos; ++i) {
    if (Text[std::size_t(i)] != ImageMarker) return false;
    InlineImage* image = ImageRuns.ImageAtCharPos(i);
    if (!image || !image->IsFloat()) return false;
  }
  return true;
}

int TSection::TextWidth(int start, int count, bool trimTrailingSpaces) const {
  start = std::clamp(start, 0, CharCount);
  count = std::clamp(count, 0, CharCount - start);
  if (trimTrailingSpaces)
    while (count > 1 && Text[std::size_t(start + count - 1)] == ' ') --count;
  int width = 0;
  int end = start + count;
  for (int i = start; i < end;) {
    if (Text[std::size_t(i)] == ImageMarker) {
      if (InlineImage* image = ImageRuns.ImageAtCharPos(i)) {
        if (!image->IsFloat()) width += image->OuterWidth;
        ++i;
        continue;
      }
    } else if (Text[std::size_t(i)] == ControlMarker) {
      if (InlineControl* control = ControlAtPos(i)) {
        width += control->Width();
        ++i;
        continue;
      }
    }
    int n = TextStretch(i, end);
    int index = 0;
    const FontPtr& font = FontRuns.RunAtPos(i, index).Font();
    for (int k = i; k < i + n; ++k) width += font->unitAdvance(Text.data(), k, CharCount);
    i += n;
  }
  return width;
}

int TSection::FitChars(FitState& state, int available, int start, int maxCount) const {
  int used = 0;
  bool lineStart = true;
  state.floatHeight = 0;
  int consumed = 0;
  while (consumed < maxCount) {
    int pos = start + consumed;
    char16_t c = Text[std::size_t(pos)];
    if (c == ImageMarker) {
      if (InlineImage* image = ImageRuns.ImageAtCharPos(pos)) {
        if (!image->IsFloat()) {
          used += image->OuterWidth;
          lineStart = false;
          if (used > available) break;
        } else if (state.indents) {
          bool already = std::find(state.placed->begin(), state.placed->end(), image) != state.placed->end();
          if (lineStart && !already) {
            image->PlaceFloat(*state.indents, state.y);
            state.placed->push_back(image);
            used += image->OuterWidth + image->HSpace;
            state.floatHeight = std::max(state.floatHeight, image->OuterHeight);
            ++consumed;
            if (used > available) break;
            continue;
          }
          if (!already) state.pending->push_back(image);
        }
        ++consumed;
        continue;
      }
    } else if (c == ControlMarker) {
      if (InlineControl* control = ControlAtPos(pos)) {
        used += control->Width();
        lineStart = false;
        if (used > available) break;
        ++consumed;
        continue;
      }
    }
    int n = std::min({maxCount - consumed, FontRuns.CharsToNextRun(pos, CharCount),
                      std::max(1, CharsToNextImage(pos)), std::max(1, CharsToNextControl(pos))});
    int index = 0;
    const FontPtr& font = FontRuns.RunAtPos(pos, index).Font();
    int fit = 0;
    while (fit < n) {
      int advance = font->unitAdvance(Text.data(), pos + fit, CharCount);
      if (used + advance > available) break;
      used += advance;
      ++fit;
    }
    consumed += fit;
    if (fit > 0) lineStart = false;
    if (fit < n) break;
  }
  return consumed;
}

int TSection::CharsInWidth(int start, int count, int width) const {
  FitState counting;
  return FitChars(counting, width, start, count);
}

// ---------------------------------------------------------------- layout

int TSection::ClearGap(const IndentManager& indents, int y) const {
  if (ClearMode == 0) return 0;
  int clearLeft = 0, clearRight = 0;
  indents.BelowFloats(clearLeft, clearRight);
  int left = std::max(0, clearLeft - 1 - y);
  int right = std::max(0, clearRight - 1 - y);
  if (ClearMode == 1) return left;
  if (ClearMode == 2) return right;
  return std::max(left, right);
}

int TSection::LayoutSection(Canvas& canvas, int y, IndentManager& indents, int& maxWidth, int& charPos) {
  TopY = y;
  FirstCharPos = charPos;
  ContentHeight = 0;
  Lines.clear();
  indents.SetListLevel(y, ListLevel);

  if (CharCount == 0) {
    ContentHeight = PaintHeight = ClearGap(indents, y);
    maxWidth = 0;
    return ContentHeight;
  }

  FirstLineLeft = indents.LeftLimitAt(y);
  maxWidth = indents.LayoutWidth;
  for (int i = 0; i < ImageRuns.Count(); ++i) {
    InlineImage& image = ImageRuns[i];
    int index = 0;
    const TFontObj& run = FontRuns.RunAtPos(image.Pos, index);
    if (Document) image.SizeImage(*Document, canvas, indents.RightLimitAt(y) - indents.LeftLimitAt(y), run);
    maxWidth = std::max(maxWidth, image.OuterWidth + LevelIndent);
  }
  for (const InlineControl* control : ControlRuns) maxWidth = std::max(maxWidth, control->Width() + LevelIndent);

  int gap = ClearGap(indents, y);
  if (gap > 0) {
    LineRec line;
    line.LineHt = gap;
    line.LinePaintHt = gap;
    line.LineIndent = indents.LeftLimitAt(y);
    Lines.push_back(line);
    ContentHeight += gap;
    y += gap;
  }

  std::vector<InlineImage*> pending;
  std::vector<InlineImage*> placed;
  int start = 0;
  while (start < CharCount) {
    int remaining = CharCount - start;
    int available = NoWrap ? 32000 : indents.RightLimitAt(y) - indents.LeftLimitAt(y);
    FitState state{&pending, &indents, &placed, y, 0};
    int n = std::max(1, FitChars(state, available, start, remaining));
    int count = 0;
    if (n >= remaining) {
      count = remaining;
    } else if (Text[std::size_t(start + n - 1)] == ' ') {
      count = n;
      while (start + count < CharCount && Text[std::size_t(start + count)] == ' ') ++count;
    } else if (IsMarker(start + n)) {
      count = n;
    } else {
      int k = start + n - 1;
      while (k > start && Text[std::size_t(k)] != ' ' && !IsMarker(k)) --k;
      if (k > start) {
        count = k - start + 1;
      } else {
        // A word wider than the line is not split: the line overflows.
        count = n;
        while (start + count < CharCount && Text[std::size_t(start + count)] != ' ' && !IsMarker(start + count))
          ++count;
        while (start + count < CharCount && Text[std::size_t(start + count)] == ' ') ++count;
      }
    }
    // Floats met beyond the break belong to a later line.
    std::erase_if(pending, [&](const InlineImage* image) { return image->Pos >= start + count; });
    FinishLine(indents, start, count, y, state.floatHeight, pending);
    start += count;
  }

  charPos = FirstCharPos + CharCount;
  if (ListLevel > 0) {
    // What the block reaches already: the indents need not be asked about anything above it.
    const long long reached = (long long)TopY + ContentHeight;
    const int atLeast = reached > INT_MAX || reached < INT_MIN ? INT_MIN : int(reached);
    ContentHeight = std::max(ContentHeight, indents.BelowWiderIndents(atLeast) - TopY);
  }
  PaintHeight = std::max(ContentHeight, indents.FloatsBottom() - TopY);
  return ContentHeight;
}

void TSection::FinishLine(IndentManager& indents, int start, int count, int& y, int floatHeight,
                          std::vector<InlineImage*>& pendingFloats) {
  LineRec line;
  line.Start = start;
  line.Ln = count;
  int end = start + count;

  bool hasText = false;
  for (int i = start; i < end && !hasText; ++i) hasText = !IsMarker(i);
  int lastDescent = 0;
  if (hasText) {
    int first = 0, last = 0;
    FontRuns.RunAtPos(start, first);
    FontRuns.RunAtPos(end - 1, last);
    for (int r = first; r <= last; ++r) {
      line.LineHt = std::max(line.LineHt, FontRuns[r].FontHeight);
      line.Descent = std::max(line.Descent, FontRuns[r].Descent);
      lastDescent = FontRuns[r].Descent;
    }
  }

  for (int i = ImageRuns.FirstAtOrAfter(start); i < ImageRuns.Count() && ImageRuns[i].Pos < end; ++i) {
    InlineImage& image = ImageRuns[i];
    if (image.IsFloat()) continue;
    int d = image.OuterHeight - line.LineHt;
    if (image.ImgAlign == iaTop) {
      line.SpaceAfter = std::max(line.SpaceAfter, d);
    } else if (image.ImgAlign == iaMiddle) {
      int half = d / 2;
      line.SpaceAfter = std::max(line.SpaceAfter, half);
      line.SpaceBefore = std::max(line.SpaceBefore, d - half);
    } else {
      line.SpaceBefore = std::max(line.SpaceBefore, image.OuterHeight + lastDescent - line.LineHt);
    }
  }
  for (auto at = firstControlFrom(start); at != ControlRuns.end() && (*at)->Pos < end; ++at) {
    InlineControl* control = *at;
    int e = control->AlignsToBaseline() ? control->Height() + lastDescent - line.LineHt
                                        : control->Height() - line.LineHt;
    line.SpaceBefore = std::max(line.SpaceBefore, e);
    control->SetLineY(y);
  }

  int left = indents.LeftLimitAt(y);
  int right = indents.RightLimitAt(y);
  line.LineIndent = left;
  if (Alignment == alCenter || Alignment == alRight) {
    int width = TextWidth(start, count, true);
    if (Alignment == alCenter)
      line.LineIndent = std::max(left, (left + right - width) / 2);
    else
      line.LineIndent = right - width - 1;
  }

  int height = line.SpaceBefore + line.LineHt + line.SpaceAfter;
  ContentHeight += height;
  y += height;
  line.LinePaintHt = std::max(height, floatHeight);
  for (InlineImage* image : pendingFloats) {
    image->PlaceFloat(indents, y);
    line.LinePaintHt = std::max(line.LinePaintHt, height + image->OuterHeight);
  }
  pendingFloats.clear();
  Lines.push_back(line);
}

// ---------------------------------------------------------------- painting

std::u16string TSection::ItemLabel(int number, char style) {
  std::string label;
  if (style == 'A' || style == 'a') {
    int n = std::clamp(number - 1, 0, 25);
    label = std::string(1, static_cast<char>(style + n));
  } else if (style == 'I' || style == 'i') {
    label = kRoman[std::clamp(number, 1, 20) - 1];
    if (style == 'I')
      for (char& c : label) c = static_cast<char>(c - 32);
  } else {
    label = std::to_string(number);
  }
  label += '.';
  return std::u16string(label.begin(), label.end());
}

void TSection::PaintListMarker(const PaintContext& context, Canvas& canvas, const LineRec& line, int x,
                               int baseline) const {
  int mx = FirstLineLeft + x;
  int scroll = context.ScrollOffset;
  if (ListKind == lkNumbered) {
    const std::u16string label = ItemLabel(ItemNumber, NumberingStyle());
    canvas.setFont(NumberFont.Fonts().createFont(NumberFont.Face()));
    canvas.setTextColor(NumberFont.Color());
    canvas.setBkMode(BkMode::Transparent);
    canvas.textOut(mx - 5 - canvas.textWidth(label), baseline - scroll, label);
  } else if (ListKind == lkBulleted && !SuppressBullet()) {
    int middle = baseline + line.Descent - line.LineHt + line.LineHt / 2 - scroll;
    Rect disc{mx - 10, middle - 2, mx - 5, middle + 3};
    if (Document->HasCustomBackground()) {
      canvas.setPen(Document->FontColor);
      canvas.setBrushNull();
    } else {
      static const ColorRef kLevelColors[3] = {0x0000FF, 0x800000, 0x000080};
      ColorRef colour = kLevelColors[ListLevel % 3];
      canvas.setPen(colour);
      canvas.setBrush(colour);
    }
    canvas.ellipse(disc);
  }
}

void TSection::PlaceContents(int x) {
  int y = TopY;
  for (LineRec& line : Lines) {
    y += line.SpaceBefore + line.LineHt;
    const int baseline = y - line.Descent, rowTop = y - line.LineHt, end = line.Start + line.Ln;
    line.LineX = x + line.LineIndent;
    int pen = line.LineX;
    for (int i = line.Start; i < end;) {
      int index = 0;
      const TFontObj& run = FontRuns.RunAtPos(i, index);
      char16_t c = Text[std::size_t(i)];
      if (c == ImageMarker) {
        if (InlineImage* image = ImageRuns.ImageAtCharPos(i)) {
          if (!image->IsFloat()) {
            image->Place(pen, run, baseline, rowTop);
            pen += image->OuterWidth;
          } else {
            int top = OnlyFloatsBefore(line.Start, i) ? rowTop - line.SpaceBefore : rowTop + line.LineHt;
            image->Place(x + image->FloatX, run, baseline, top);
          }
          ++i;
          continue;
        }
      } else if (c == ControlMarker) {
        if (InlineControl* control = ControlAtPos(i)) {
          int bottom = control->AlignsToBaseline() ? baseline : rowTop + line.LineHt;
          control->PlaceAt(pen, bottom - control->Height());
          if (Document) control->SetBackground(Document->BackgroundColor);
          pen += control->Width();
          ++i;
          continue;
        }
      }
      int n = TextStretch(i, end);
      pen += run.Font()->textWidth(Text.data() + i, n) - run.Overhang;
      i += n;
    }
    y += line.SpaceAfter;
  }
}

void TSection::PaintLine(const PaintContext& context, Canvas& canvas, int clipWidth, const LineRec& line, int x,
                         int baseline, int rowTop) const {
  const TSectionList& doc = *Document;
  const int scroll = context.ScrollOffset;
  int pen = x + line.LineIndent;
  int selFrom = context.SelFrom - FirstCharPos, selTo = context.SelTo - FirstCharPos;
  int end = line.Start + line.Ln;
  Rect preClip{x, rowTop - line.SpaceBefore - scroll, x + clipWidth, rowTop + line.LineHt - scroll};

  for (int i = line.Start; i < end;) {
    int index = 0;
    const TFontObj& run = FontRuns.RunAtPos(i, index);
    char16_t c = Text[std::size_t(i)];
    if (c == ImageMarker) {
      if (InlineImage* image = ImageRuns.ImageAtCharPos(i)) {
        if (!image->IsFloat()) {
          image->DrawImage(canvas, pen, run, baseline - scroll, rowTop - scroll);
          pen += image->OuterWidth;
        } else {
          int top = OnlyFloatsBefore(line.Start, i) ? rowTop - line.SpaceBefore : rowTop + line.LineHt;
          image->DrawImage(canvas, x + image->FloatX, run, baseline - scroll, top - scroll);
        }
        ++i;
        continue;
      }
    } else if (c == ControlMarker) {
      if (InlineControl* control = ControlAtPos(i)) {
        // The control's window stands there by itself; the host moves it as the view moves.
        pen += control->Width();
        ++i;
        continue;
      }
    }
    int n = TextStretch(i, end);
    bool selected = i >= selFrom && i < selTo;
    if (selected)
      n = std::min(n, selTo - i);
    else if (selFrom > i)
      n = std::min(n, selFrom - i);

    canvas.setFont(run.Font());
    if (selected) {
      canvas.setBkMode(BkMode::Opaque);
      canvas.setBkColor(run.TheFont->Color());
      canvas.setTextColor(doc.BackgroundColor);
    } else {
      canvas.setBkMode(BkMode::Transparent);
      canvas.setTextColor(run.TheFont->Color());
    }
    int shift = run.ScriptMode == smSuperscript ? -run.FontHeight / 3
                : run.ScriptMode == smSubscript ? run.Descent / 2 + 1
                                                : 0;
    std::u16string_view stretch(Text.data() + i, std::size_t(n));
    int drawX = pen - run.Overhang / 2;
    int drawY = baseline + shift - scroll;
    if (NoWrap) {
      Rect rect = preClip;
      if (selected) {
        const FontMetrics& m = run.Font()->metrics();
        rect = preClip.intersected(
            {drawX, drawY - m.ascent, drawX + run.Font()->textWidth(stretch), drawY + m.descent});
      }
      canvas.extTextOut(drawX, drawY, selected ? etoClipped | etoOpaque : etoClipped, rect, stretch);
    } else {
      canvas.textOut(drawX, drawY, stretch);
    }
    pen += run.Font()->textWidth(stretch) - run.Overhang;
    i += n;
  }
}

int TSection::PaintSection(const PaintContext& context, Canvas& canvas, int clipWidth, int x, int y) const {
  int result = y + ContentHeight;
  if (!Document) return result;
  int scroll = context.ScrollOffset;
  if (y + PaintHeight - scroll < context.Clip.top || y - scroll >= context.Clip.bottom) return result;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    const LineRec& line = Lines[i];
    y += line.SpaceBefore + line.LineHt;
    int baseline = y - line.Descent;
    int rowTop = y - line.LineHt;
    if (i == 0) PaintListMarker(context, canvas, line, x, baseline);
    PaintLine(context, canvas, clipWidth, line, x, baseline, rowTop);
    y += line.SpaceAfter;
  }
  return result;
}

// ---------------------------------------------------------------- hit tests

int TSection::LineAt(int y, int& bandTop) const {
  int top = 0;
  for (std::size_t i = 0; i < Lines.size(); ++i) {
    const LineRec& line = Lines[i];
    int band = line.SpaceBefore + line.LineHt + line.SpaceAfter;
    if (y >= top && y < top + band) {
      bandTop = top;
      return int(i);
    }
    top += band;
  }
  return -1;
}

bool TSection::ImageAtPoint(int x, int y, InlineImage*& image, int& imageX, int& imageY) {
  for (int i = 0; i < ImageRuns.Count(); ++i)
    if (ImageRuns[i].ImageUnderPoint(x, y + TopY, imageX, imageY)) {
      image = &ImageRuns[i];
      return true;
    }
  return false;
}

bool TSection::LinkAtPoint(Canvas&, int x, int y, InlineControl*& control, TUrlTarget& target) {
  for (int i = 0; i < ImageRuns.Count(); ++i) {
    InlineImage& image = ImageRuns[i];
    int ix = 0, iy = 0;
    if (!image.ImageUnderPoint(x, y + TopY, ix, iy)) continue;
    if (image.FormControl) {
      control = image.FormControl;
      return true;
    }
    if (image.UsesMap && Document)
      for (int m = 0; m < Document->ImageMaps.Count(); ++m)
        if (Document->ImageMaps[m].MapName == image.MapName) return Document->ImageMaps[m].AreaAt(ix, iy, target);
    int index = 0;
    const TFontObj& run = FontRuns.RunAtPos(image.Pos, index);
    if (run.UrlTarget.URL.empty()) return false;
    target.Assign(run.UrlTarget.URL, run.UrlTarget.Target);
    if (image.IsMap) target.URL += "?" + std::to_string(ix) + "," + std::to_string(iy);
    return true;
  }
  int bandTop = 0;
  int l = LineAt(y, bandTop);
  if (l < 0) return false;
  const LineRec& line = Lines[std::size_t(l)];
  if (x < line.LineX) return false;
  int k = CharsInWidth(line.Start, line.Ln, x - line.LineX);
  if (k >= line.Ln) return false;
  int index = 0;
  const TFontObj& run = FontRuns.RunAtPos(line.Start + k, index);
  if (run.UrlTarget.URL.empty()) return false;
  target.Assign(run.UrlTarget.URL, run.UrlTarget.Target);
  return true;
}

int TSection::PointToCharPos(Canvas&, int x, int y, bool& insideText, int& lineHeight, int& lineTop,
                             int& caretX) {
  int bandTop = 0;
  int l = LineAt(y, bandTop);
  if (l < 0) return -1;
  const LineRec& line = Lines[std::size_t(l)];
  lineHeight = line.LineHt;
  lineTop = bandTop + line.SpaceBefore;
  insideText = true;
  if (x < line.LineX) {
    insideText = false;
    caretX = line.LineX;
    return FirstCharPos + line.Start;
  }
  int k = CharsInWidth(line.Start, line.Ln, x - line.LineX);
  caretX = line.LineX + TextWidth(line.Start, k, false);
  if (k < line.Ln) {
    // A character beyond the Basic Multilingual Plane is two units: the caret never
    // stands between them.
    const std::size_t at = std::size_t(line.Start + k);
    const int units = k + 1 < line.Ln && isHighSurrogate(Text[at]) && isLowSurrogate(Text[at + 1]) ? 2 : 1;
    int w = TextWidth(line.Start + k, units, false);
    if (x > caretX + w / 2) {
      k += units;
      caretX += w;
    }
  } else {
    insideText = false;
  }
  return FirstCharPos + line.Start + k;
}

bool TSection::CharPosToPoint(Canvas&, int pos, int& y, int& x) {
  int p = pos - FirstCharPos;
  if (CharCount == 0 || p < 0 || p >= CharCount) return false;
  int top = TopY;
  for (const LineRec& line : Lines) {
    if (p >= line.Start && p < line.Start + line.Ln) {
      y = top;
      x = line.LineIndent + TextWidth(line.Start, p - line.Start, false);
      return true;
    }
    top += line.SpaceBefore + line.LineHt + line.SpaceAfter;
  }
  return false;
}

bool TSection::CharAtPos(int pos, char16_t& ch, TSectionBase*& block) {
  if (pos < FirstCharPos || pos >= FirstCharPos + CharCount) return false;
  ch = Text[std::size_t(pos - FirstCharPos)];
  block = this;
  return true;
}

// ---------------------------------------------------------------- search and copy

int TSection::SearchText(int start, std::u16string_view text, bool matchCase) {
  if (CharCount == 0 || text.empty() || start >= FirstCharPos + CharCount) return -1;
  int from = std::max(start, FirstCharPos) - FirstCharPos;
  if (matchCase) {
    std::size_t found = Text.find(text, std::size_t(from));
    return found == std::string::npos ? -1 : FirstCharPos + int(found);
  }
  int length = int(std::min<std::size_t>(text.size(), 255));
  for (int i = from; i + length <= CharCount; ++i) {
    int k = 0;
    while (k < length && foldCase(Text[std::size_t(i + k)]) == foldCase(text[std::size_t(k)])) ++k;
    if (k == length) return FirstCharPos + i;
  }
  return -1;
}

void TSection::CopySelectedText(int selFromPos, int selToPos, std::u16string& out) const {
  int selFrom = selFromPos - FirstCharPos, selTo = selToPos - FirstCharPos;
  for (const LineRec& line : Lines) {
    int lineEnd = line.Start + line.Ln;
    if (line.Ln == 0 || line.Start >= selTo || lineEnd <= selFrom) continue;
    int a = std::max(line.Start, selFrom), b = std::min(lineEnd, selTo);
    if (a == line.Start)
      for (int n = line.LineIndent / LevelStep; n > 0; --n) out += u"   ";
    out.append(Text, std::size_t(a), std::size_t(b - a));
    if (selTo >= lineEnd) out += u"\r\n";
  }
}

// ---------------------------------------------------------------- fonts and widths

void TSection::RefreshFonts() {
  if (Document) {
    FontRuns.RefreshAll(*Document);
    ApplyDocumentDefaults(NumberFont, *Document, Document->FontColor);
  }
  RecalcFixedHeight();
}

void TSection::MeasureWidths(Canvas& canvas, int& minWidth, int& maxWidth) {
  minWidth = maxWidth = 0;
  if (Text.empty()) return;
  int floatSum = 0;
  for (int i = 0; i < ImageRuns.Count(); ++i) {
    InlineImage& image = ImageRuns[i];
    int index = 0;
    const TFontObj& run = FontRuns.RunAtPos(image.Pos, index);
    if (Document) image.SizeImage(*Document, canvas, 0, run);
    if (image.WidthIsPercent) continue;
    if (image.IsFloat())
      floatSum += image.OuterWidth + image.HSpace;
    else
      minWidth = std::max(minWidth, image.OuterWidth);
  }
  maxWidth = floatSum + TextWidth(0, CharCount, false) + LevelIndent;
  auto isImage = [this](int i) { return Text[std::size_t(i)] == ImageMarker && IsMarker(i); };
  int i = 0;
  while (i < CharCount && Text[std::size_t(i)] == ' ') ++i;
  while (i < CharCount) {
    int wordStart = i;
    while (i < CharCount && Text[std::size_t(i)] != ' ' && !isImage(i)) ++i;
    if (i > wordStart) minWidth = std::max(minWidth, TextWidth(wordStart, i - wordStart, false));
    while (i < CharCount && (Text[std::size_t(i)] == ' ' || isImage(i))) ++i;
  }
  minWidth += floatSum + LevelIndent;
}

}  // namespace tavra
