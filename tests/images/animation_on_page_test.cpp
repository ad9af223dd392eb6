// An animated picture in a document, played by the document's timer on a clock the test
// moves by hand: when a frame comes due, which rectangle the host is asked to repaint, and
// what a repaint of that rectangle shows.
#include <gtest/gtest.h>

#include "html/images/image_cache.h"
#include "html/images/image_obj.h"
#include "html_parse/builder_fixture.h"
#include "images/encoders.h"
#include "platform/fixed_canvas.h"

namespace tavra::test {
namespace {

constexpr std::uint32_t Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF;
constexpr ColorRef kPage = 0x00FFFF;  // yellow, as 0x00BBGGRR
constexpr std::uint32_t Yellow = 0xFFFF00;

TEST(AnimationOnThePage, FramesComeDueAsTheirDelaysSayAndRepaintTheirRectangleOverThePage) {
  // Frame 1 is red for 200 ms and gives its place back to the page; frame 2 leaves its left
  // pixel see-through (index 3) and is green on the right for 300 ms.
  const int delay1 = 200, delay2 = 300;
  GifFrameSpec first{.width = 2, .height = 1, .indices = {1, 1}, .control = true, .disposal = 2,
                     .delay = delay1 / 10};
  GifFrameSpec second{.width = 2, .height = 1, .indices = {3, 2}, .control = true, .disposal = 2,
                      .delay = delay2 / 10, .transparent = true, .transparentIndex = 3};
  const std::string path = writeScratchFile(
      "page.gif", encodeGif({.width = 2, .height = 1, .globalTable = {0, Red, Green, Blue}, .loopCount = 0,
                             .frames = {first, second}}));
  ImageCache().Clear();
  Parsed page("<body bgcolor=\"#FFFF00\"><p>x<img src=\"" + path + "\" width=40 height=20></body>");
  FixedCanvas canvas(300, 100, kPage);
  int scrollWidth = 0, chars = 0;
  page.doc.LayoutDocument(canvas, 0, 300, scrollWidth, chars);
  page.doc.SetVisibleBand(0, 100);
  ASSERT_EQ(page.doc.AnimatedImages.size(), 1u);
  auto* image = dynamic_cast<TImageObj*>(page.doc.AnimatedImages[0]);
  ASSERT_NE(image, nullptr);
  const Rect where = image->PictureRect();
  ASSERT_EQ(where.right - where.left, 40);
  ASSERT_EQ(where.bottom - where.top, 20);

  // What a repaint of `clip` shows, as the viewer's surface paints it: the page, then the
  // document over it.
  auto repaint = [&](const Rect& clip) {
    canvas.fillRect(clip, kPage);
    page.doc.PaintDocument(PaintContext{clip, 0, 0, 0}, canvas, 2000, 0, 0);
  };
  auto shows = [&](int x) { return canvas.image().at(where.left + x, where.top + 10) & 0xFFFFFF; };
  repaint({0, 0, 300, 100});
  EXPECT_EQ(shows(5), Red);
  EXPECT_EQ(shows(35), Red);

  // The first tick at frame 1's delay only starts timing it (frame 1 shows twice its
  // delay once); then each frame shows for its own delay.
  const std::int64_t start = page.host.Now;
  const std::vector<std::int64_t> changes = {start + 2 * delay1, start + 2 * delay1 + delay2,
                                             start + 3 * delay1 + delay2, start + 3 * delay1 + 2 * delay2};
  std::vector<std::int64_t> seen;
  bool onSecond = false;
  for (std::int64_t now = start + 50; now <= changes.back() + 100; now += 50) {
    page.host.Now = now;
    page.host.Invalidated.clear();
    page.doc.AnimationTimer->fire();
    if (page.host.Invalidated.empty()) continue;
    seen.push_back(now);
    SCOPED_TRACE("change at " + std::to_string(now - start) + " ms");
    ASSERT_EQ(page.host.Invalidated.size(), 1u);
    const Rect r = page.host.Invalidated[0];
    EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
              (std::vector<int>{where.left, where.top, where.right, where.bottom}));
    repaint(r);
    onSecond = !onSecond;
    // Frame 2's see-through pixel shows the page, never frame 1's red that lay there.
    EXPECT_EQ(shows(5), onSecond ? Yellow : Red);
    EXPECT_EQ(shows(35), onSecond ? Green : Red);
  }
  EXPECT_EQ(seen, changes);
  ImageCache().Clear();
}

}  // namespace
}  // namespace tavra::test
