// Any bytes as an HTML document: built, laid out at a wide and a narrow width and painted
// on the fixed-metrics canvas. Half the inputs are built as a viewer would: with form
// controls and with every picture the document asks for answered by the input's own
// bytes. The last documents stay alive across inputs, so that what the process keeps
// (the picture cache, the fonts) sees many documents, as a long-running viewer does.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>

#include "html/document/section_list.h"
#include "html/images/image_cache.h"
#include "html/parse/builder.h"
#include "html/quiet_host.h"
#include "html_layout/fake_form_widgets.h"
#include "platform/fixed_canvas.h"

using namespace tavra;

namespace {

// A host with form controls whose pictures are the input itself.
class ViewerLikeHost : public QuietHost {
 public:
  explicit ViewerLikeHost(std::string picture) : picture_(std::move(picture)) {}
  FormWidgetFactory* FormWidgets() override { return &widgets_; }
  bool DeliversImages() override { return true; }
  void RequestImage(const std::string&, std::string*& stream) override { stream = &picture_; }

 private:
  std::string picture_;
  testing::FakeFormWidgetFactory widgets_;
};

struct Document {
  std::unique_ptr<DocumentHost> host;
  std::unique_ptr<TSectionList> doc;
};

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
  static std::deque<Document> kept;
  const bool viewerLike = size > 0 && (data[0] & 1);
  Document d;
  if (viewerLike)
    d.host = std::make_unique<ViewerLikeHost>(std::string(reinterpret_cast<const char*>(data), size));
  else
    d.host = std::make_unique<QuietHost>();
  d.doc = std::make_unique<TSectionList>(*d.host);
  TSectionList& doc = *d.doc;
  doc.FontSize = 12;
  doc.ImagesOn = viewerLike;
  ImageCache().AgeEntries();
  TAnchorNames anchors;
  try {
    ParseHtmlText(doc, anchors, reinterpret_cast<const char*>(data), size);
  } catch (const EParseError&) {
    // A comment left open: the document keeps what was read.
  }
  layoutAndPaint(doc, 640);
  layoutAndPaint(doc, 40);
  // The oldest document goes first, and with it its host.
  kept.push_back(std::move(d));
  if (kept.size() > 3) kept.pop_front();
  return 0;
}
