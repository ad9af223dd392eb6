#pragma once
// The document as assistive technology reads it: its text in reading order (blocks, table
// cells, list items with their markers, a picture by its alternate text), the links and
// form controls in that order, and where each character stands. Built after layout and
// valid until the document is laid out again or cleared.

#include <string>
#include <vector>

#include "html/links/url_target.h"
#include "platform/geometry.h"

namespace tavra {

class InlineControl;
class InlineImage;
class TSection;
class TSectionList;

struct ReadingLink {
  int Start = 0;  // offsets in the reading text
  int End = 0;
  TUrlTarget Target;
  std::vector<Rect> Rects;  // document coordinates, a rectangle for each line it spans
};

struct ReadingControl {
  int Offset = 0;  // where it stands in the reading text
  InlineControl* Control = nullptr;
};

// One link or form control, in the order the keyboard walks them.
struct ReadingStop {
  int Link = -1;  // index in Links, or -1 for a control
  InlineControl* Control = nullptr;
};

class ReadingText {
 public:
  std::u16string Text;
  std::vector<int> LineStarts;  // offsets where each line as shown begins, ascending
  std::vector<ReadingLink> Links;
  std::vector<ReadingControl> Controls;
  std::vector<ReadingStop> Stops;

  // The document character position of the character at `offset`, -1 for what the reading
  // adds (line ends, list markers).
  int PositionAt(int offset) const;
  // The offset of the document character position `pos`: the first character read at or
  // after it, else the end.
  int OffsetOf(int pos) const;
  // Where the character at `offset` stands, in document coordinates.
  bool CharRect(int offset, Rect& rect) const;
  std::u16string LinkText(const ReadingLink& link) const;
  // The line that holds `offset`, as offsets [start, end).
  void LineAround(int offset, int& start, int& end) const;

  // Appending while the document is walked.
  struct Segment {
    int Offset = 0;
    int Length = 0;
    const TSection* Block = nullptr;  // null: added by the reading
    int Index = 0;                    // first character in the block's text
    const InlineImage* Image = nullptr;  // its alternate text stands for it
  };
  void Append(std::u16string_view text, const TSection* block, int index, const InlineImage* image);

 private:
  const Segment* SegmentAt(int offset) const;
  std::vector<Segment> segments_;
};

ReadingText BuildReadingText(const TSectionList& document);

}  // namespace tavra
