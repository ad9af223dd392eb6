#include "html/reading_text.h"

#include <algorithm>

#include "html/document/block_elements.h"
#include "html/document/section_list.h"
#include "html/document/text_section.h"
#include "html/images/image_obj.h"
#include "html/tables/table.h"

namespace tavra {

namespace {

// The top of each line of a block in document coordinates, past its space before.
int lineTop(const TSection& block, std::size_t line) {
  int top = block.TopY;
  for (std::size_t i = 0; i < line; ++i)
    top += block.Lines[i].SpaceBefore + block.Lines[i].LineHt + block.Lines[i].SpaceAfter;
  return top + block.Lines[line].SpaceBefore;
}

bool sameTarget(const TUrlTarget& a, const TUrlTarget& b) { return a.URL == b.URL && a.Target == b.Target; }

class Walker {
 public:
  explicit Walker(ReadingText& out) : out_(out) {}

  void Cell(const TCell& cell) {
    for (int i = 0; i < cell.Count(); ++i) Block(cell[i]);
  }

 private:
  void Block(const TSectionBase& block) {
    if (const auto* text = dynamic_cast<const TSection*>(&block))
      Section(*text);
    else if (const auto* table = dynamic_cast<const ThtmlTable*>(&block))
      table->ForEachReadingCell([this](const TCell& cell) { Cell(cell); });
  }

  void Section(const TSection& block) {
    // A block of spaces alone (an empty paragraph) is not read as an empty line.
    const bool blank = std::all_of(block.Text.begin(), block.Text.end(), [](char16_t c) { return c == u' '; });
    if (blank) return;
    BeginLine();
    ListMarker(block);
    const int count = std::min<int>(block.CharCount, int(block.Text.size()));
    std::vector<int> offsetOf(std::size_t(count) + 1, 0);
    for (int i = 0; i < count;) {
      offsetOf[std::size_t(i)] = Size();
      if (!block.IsMarker(i)) {
        int end = i + 1;
        while (end < count && !block.IsMarker(end)) ++end;
        out_.Append(std::u16string_view(block.Text).substr(std::size_t(i), std::size_t(end - i)), &block, i,
                    nullptr);
        for (int k = i + 1; k < end; ++k) offsetOf[std::size_t(k)] = offsetOf[std::size_t(i)] + (k - i);
        i = end;
        continue;
      }
      if (InlineImage* image = block.ImageRuns.ImageAtCharPos(i)) {
        if (image->FormControl) {
          out_.Controls.push_back({Size(), image->FormControl});
        } else if (const auto* picture = dynamic_cast<const TImageObj*>(image);
                   picture && !picture->AltText.empty()) {
          out_.Append(picture->AltText, &block, i, image);
        }
      } else if (InlineControl* control = block.ControlAtPos(i)) {
        out_.Controls.push_back({Size(), control});
      }
      ++i;
    }
    offsetOf[std::size_t(count)] = Size();
    for (const LineRec& line : block.Lines)
      if (line.Ln > 0 && line.Start > 0 && line.Start < count) AddLineStart(offsetOf[std::size_t(line.Start)]);
    Links(block, offsetOf);
    out_.Append(u"\n", nullptr, 0, nullptr);
  }

  void ListMarker(const TSection& block) {
    if (block.ListKind == lkNumbered) {
      const auto* item = dynamic_cast<const TOListItem*>(&block);
      out_.Append(TSection::ItemLabel(block.ItemNumber, item ? item->ListType : '1') + u" ", nullptr, 0, nullptr);
    } else if (block.ListKind == lkBulleted) {
      const auto* item = dynamic_cast<const TUListItem*>(&block);
      if (!item || !item->NoBullet) out_.Append(u"\u2022 ", nullptr, 0, nullptr);
    }
  }

  void Links(const TSection& block, const std::vector<int>& offsetOf) {
    const int count = int(offsetOf.size()) - 1;
    for (int r = 0; r < block.FontRuns.Count(); ++r) {
      const TFontObj& run = block.FontRuns[r];
      if (run.UrlTarget.URL.empty()) continue;
      const int from = std::clamp(run.Pos, 0, count);
      const int to = r + 1 < block.FontRuns.Count() ? std::clamp(block.FontRuns[r + 1].Pos, from, count) : count;
      if (from == to) continue;
      // A change of font inside a link does not make two links.
      ReadingLink* last = out_.Links.empty() ? nullptr : &out_.Links.back();
      if (last && lastLinkBlock_ == &block && lastLinkEnd_ == from && sameTarget(last->Target, run.UrlTarget)) {
        last->End = offsetOf[std::size_t(to)];
      } else {
        out_.Links.push_back({offsetOf[std::size_t(from)], offsetOf[std::size_t(to)], run.UrlTarget, {}});
        last = &out_.Links.back();
      }
      lastLinkBlock_ = &block;
      lastLinkEnd_ = to;
      AddRects(block, from, to, last->Rects);
    }
  }

  static void AddRects(const TSection& block, int from, int to, std::vector<Rect>& rects) {
    for (std::size_t l = 0; l < block.Lines.size(); ++l) {
      const LineRec& line = block.Lines[l];
      const int a = std::max(from, line.Start), b = std::min(to, line.Start + line.Ln);
      if (a >= b) continue;
      const int top = lineTop(block, l);
      Rect rect{line.LineX + block.TextWidth(line.Start, a - line.Start, false), top,
                line.LineX + block.TextWidth(line.Start, b - line.Start, false), top + line.LineHt};
      for (int i = a; i < b; ++i)
        if (InlineImage* image = block.ImageRuns.ImageAtCharPos(i); image && image->IsFloat())
          rects.push_back(image->PictureRect());
      if (!rects.empty() && rects.back().top == rect.top && rects.back().right == rect.left)
        rects.back().right = rect.right;
      else if (!rect.isEmpty())
        rects.push_back(rect);
    }
  }

  void BeginLine() {
    if (!out_.Text.empty() && out_.Text.back() != u'\n') out_.Append(u"\n", nullptr, 0, nullptr);
    AddLineStart(Size());
  }

  void AddLineStart(int offset) {
    if (out_.LineStarts.empty() || out_.LineStarts.back() < offset) out_.LineStarts.push_back(offset);
  }

  int Size() const { return int(out_.Text.size()); }

  ReadingText& out_;
  const TSection* lastLinkBlock_ = nullptr;
  int lastLinkEnd_ = -1;
};

}  // namespace

void ReadingText::Append(std::u16string_view text, const TSection* block, int index, const InlineImage* image) {
  if (text.empty()) return;
  segments_.push_back({int(Text.size()), int(text.size()), block, index, image});
  Text.append(text);
}

const ReadingText::Segment* ReadingText::SegmentAt(int offset) const {
  auto it = std::upper_bound(segments_.begin(), segments_.end(), offset,
                             [](int o, const Segment& s) { return o < s.Offset; });
  if (it == segments_.begin()) return nullptr;
  --it;
  return offset < it->Offset + it->Length ? &*it : nullptr;
}

int ReadingText::PositionAt(int offset) const {
  const Segment* s = SegmentAt(offset);
  if (!s || !s->Block) return -1;
  return s->Block->FirstCharPos + s->Index + (s->Image ? 0 : offset - s->Offset);
}

int ReadingText::OffsetOf(int pos) const {
  for (const Segment& s : segments_) {
    if (!s.Block) continue;
    const int first = s.Block->FirstCharPos + s.Index;
    const int length = s.Image ? 1 : s.Length;
    if (pos < first) return s.Offset;
    if (pos < first + length) return s.Offset + (s.Image ? 0 : pos - first);
  }
  return int(Text.size());
}

bool ReadingText::CharRect(int offset, Rect& rect) const {
  const Segment* s = SegmentAt(offset);
  if (!s) return false;
  if (!s->Block) {
    // What the reading adds stands, without width, after the character before it.
    if (offset == 0 || !CharRect(offset - 1, rect)) return false;
    rect.left = rect.right;
    return true;
  }
  if (s->Image) {
    rect = s->Image->PictureRect();
    return true;
  }
  const TSection& block = *s->Block;
  const int index = s->Index + offset - s->Offset;
  for (std::size_t l = 0; l < block.Lines.size(); ++l) {
    const LineRec& line = block.Lines[l];
    if (index < line.Start || index >= line.Start + line.Ln) continue;
    const int top = lineTop(block, l);
    const int left = line.LineX + block.TextWidth(line.Start, index - line.Start, false);
    rect = Rect{left, top, left + block.TextWidth(index, 1, false), top + line.LineHt};
    return true;
  }
  return false;
}

std::u16string ReadingText::LinkText(const ReadingLink& link) const {
  std::u16string text = Text.substr(std::size_t(link.Start), std::size_t(link.End - link.Start));
  const auto first = text.find_first_not_of(u" \n");
  if (first == std::u16string::npos) return {};
  return text.substr(first, text.find_last_not_of(u" \n") - first + 1);
}

void ReadingText::LineAround(int offset, int& start, int& end) const {
  auto it = std::upper_bound(LineStarts.begin(), LineStarts.end(), offset);
  start = it == LineStarts.begin() ? 0 : *(it - 1);
  end = it == LineStarts.end() ? int(Text.size()) : *it;
}

ReadingText BuildReadingText(const TSectionList& document) {
  ReadingText reading;
  Walker(reading).Cell(document);
  if (reading.Text.empty()) return reading;
  std::size_t link = 0, control = 0;
  while (link < reading.Links.size() || control < reading.Controls.size()) {
    const bool takeLink = control == reading.Controls.size() ||
                          (link < reading.Links.size() && reading.Links[link].Start <= reading.Controls[control].Offset);
    if (takeLink)
      reading.Stops.push_back({int(link++), nullptr});
    else
      reading.Stops.push_back({-1, reading.Controls[control++].Control});
  }
  return reading;
}

}  // namespace tavra
