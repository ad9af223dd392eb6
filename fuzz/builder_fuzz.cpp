// Any bytes as an HTML document: built, laid out at a wide and a narrow width and painted
// on the fixed-metrics canvas.

#include <cstddef>
#include <cstdint>

#include "html/parse/builder.h"
#include "html/quiet_host.h"
#include "html/document/section_list.h"
#include "platform/fixed_canvas.h"

using namespace tavra;

namespace {

void layoutAndPaint(TSectionList& doc, int width) {
  FixedCanvas canvas(width, 300);
  int scrollWidth = 0, chars = 0;
  int height = doc.LayoutDocument(canvas, 0, width, scrollWidth, chars);
  doc.PaintDocument(PaintContext{{0, 0, width, 300}}, canvas, width, 0, 0);
  // Paint a window further down as well, where the blocks lie above the clip.
  if (height > 300) doc.PaintDocument(PaintContext{{0, 0, width, 300}, height - 300, 0, 5}, canvas, width, 0, 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  QuietHost host;
  TSectionList doc(host);
  doc.FontSize = 12;
  TAnchorNames anchors;
  try {
    ParseHtmlText(doc, anchors, reinterpret_cast<const char*>(data), size);
  } catch (const EParseError&) {
    // A comment left open: the document keeps what was read.
  }
  layoutAndPaint(doc, 640);
  layoutAndPaint(doc, 40);
  return 0;
}
