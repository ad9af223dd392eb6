// The viewer as it runs: what it paints while nobody does anything, how an animated
// picture asks for its own rectangle only, and where the keyboard focus stays. These run
// the event loop, as a window left open does.

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "html/images/image_cache.h"
#include "html/images/image_obj.h"
#include "html/qt/viewer.h"
#include "html/document/text_section.h"
#include "images/encoders.h"
#include "platform/fixed_canvas.h"
#include "platform/temp_folder.h"

namespace tavra::test {
namespace {

// Records the rectangles the document surface is asked to paint.
class PaintRecorder : public QObject {
 public:
  explicit PaintRecorder(QWidget* watched) : watched_(watched) { watched_->installEventFilter(this); }
  ~PaintRecorder() override { watched_->removeEventFilter(this); }
  std::vector<QRect> rects;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (object == watched_ && event->type() == QEvent::Paint) rects.push_back(static_cast<QPaintEvent*>(event)->rect());
    return QObject::eventFilter(object, event);
  }

 private:
  QWidget* watched_;
};

// The first picture of the document's text blocks whose source ends with `name`.
TImageObj* pictureNamed(TSectionList& document, const std::string& name) {
  for (int i = 0; i < document.Count(); ++i)
    if (auto* block = dynamic_cast<TSection*>(&document[i]))
      for (int k = 0; k < block->ImageRuns.Count(); ++k)
        if (auto* image = dynamic_cast<TImageObj*>(&block->ImageRuns[k]))
          if (image->Source.size() >= name.size() &&
              image->Source.compare(image->Source.size() - name.size(), name.size(), name) == 0)
            return image;
  return nullptr;
}

class RunningViewer : public ::testing::Test {
 protected:
  RunningViewer() {
    viewer.resize(640, 480);
    viewer.SetViewImages(true);
    viewer.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&viewer));
  }
  ~RunningViewer() override { ImageCache().Clear(); }

  std::string writeScratch(const std::string& name, const std::string& content) {
    std::string path = folder.file(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
  }
  // Loads a document and lets the first paints pass.
  void load(const std::string& path) {
    viewer.LoadFromFile(path);
    QTest::qWait(150);
  }
  // Where a picture stands on the document surface.
  QRect onPanel(const TImageObj& image) const {
    const Rect r = image.PictureRect();
    return QRect(r.left + viewer.MarginWidth() - viewer.GetHScrollPos(), r.top - viewer.GetVScrollPos(),
                 r.right - r.left, r.bottom - r.top);
  }

  TempFolder folder{"repaint"};
  ThtmlViewer viewer{nullptr, fixedFontEngine()};
};

TEST_F(RunningViewer, AnIdleDocumentIsNotPaintedAgain) {
  std::string html = "<html><body><h1>Nadpis</h1>";
  for (int i = 0; i < 40; ++i) html += "<p>Odstavec " + std::to_string(i) + " <a href=\"x.htm\">odkaz</a></p>";
  load(writeScratch("idle.htm", html + "</body></html>"));
  PaintRecorder recorder(viewer.PaintPanel());
  QTest::qWait(300);
  EXPECT_TRUE(recorder.rects.empty()) << recorder.rects.size() << " paints";
}

TEST_F(RunningViewer, TheHelpCandleRepaintsOnlyItselfAndNothingWhenOutOfView) {
  load(std::string(TAVRA_SAMPLE_DATA) + "/OProgramu.prg");
  TImageObj* candle = pictureNamed(viewer.Document(), "svice.gif");
  ASSERT_NE(candle, nullptr);
  ASSERT_NE(candle->PictureGif(), nullptr);
  const QRect where = onPanel(*candle);
  ASSERT_TRUE(viewer.PaintPanel()->rect().contains(where));
  {
    PaintRecorder recorder(viewer.PaintPanel());
    QTest::qWait(900);  // its frames change every 400 ms
    EXPECT_GE(recorder.rects.size(), 1u);
    for (const QRect& r : recorder.rects) EXPECT_TRUE(where.contains(r)) << r.x() << "," << r.y() << " " << r.width();
  }
  viewer.SetVScrollPos(viewer.DocHeight());
  QTest::qWait(150);
  PaintRecorder recorder(viewer.PaintPanel());
  QTest::qWait(900);
  EXPECT_TRUE(recorder.rects.empty()) << recorder.rects.size() << " paints";
}

TEST_F(RunningViewer, ASecondFrameComesDueAndIsShownInThePicturesRectangle) {
  GifFrameSpec red{.width = 4, .height = 4, .indices = std::vector<std::uint8_t>(16, 1), .control = true,
                   .delay = 10};
  GifFrameSpec green = red;
  green.indices.assign(16, 2);
  const std::string gif = encodeGif({.width = 4, .height = 4, .globalTable = {0, 0xFF0000, 0x00FF00, 0},
                                     .loopCount = 0, .frames = {red, green}});
  writeScratch("two.gif", gif);
  load(writeScratch("two.htm", "<html><body><p>Obrázek: <img src=\"two.gif\" width=40 height=40></p></body></html>"));
  TImageObj* picture = pictureNamed(viewer.Document(), "two.gif");
  ASSERT_NE(picture, nullptr);
  const QRect where = onPanel(*picture);
  PaintRecorder recorder(viewer.PaintPanel());
  QTest::qWait(500);
  ASSERT_GE(recorder.rects.size(), 1u);
  for (const QRect& r : recorder.rects) EXPECT_TRUE(where.contains(r));
  // What the screen shows: the frame on screen now, whichever of the two it is.
  const QImage shown = viewer.PaintPanel()->grab().toImage();
  const QRgb pixel = shown.pixel(where.center());
  const QRgb expected = picture->PictureGif()->FrameIndex() == 2 ? qRgb(0, 255, 0) : qRgb(255, 0, 0);
  EXPECT_EQ(pixel, expected);
  // Within 500 ms of 100 ms frames the second one has been shown.
  EXPECT_GE(recorder.rects.size(), 2u);
}

TEST_F(RunningViewer, TwentyReferencesToOneAnimationHoldOneCopyOfItsFrames) {
  GifFrameSpec a{.width = 8, .height = 8, .indices = std::vector<std::uint8_t>(64, 1), .control = true, .delay = 5};
  GifFrameSpec b = a;
  b.indices.assign(64, 2);
  writeScratch("shared.gif", encodeGif({.width = 8, .height = 8, .globalTable = {0, 0xFF0000, 0x00FF00, 0},
                                        .loopCount = 0, .frames = {a, b}}));
  load(writeScratch("one.htm", "<html><body><img src=\"shared.gif\"></body></html>"));
  const std::int64_t once = ImageCache().Bytes();
  EXPECT_GE(once, 2 * 64 * 4);

  std::string html = "<html><body>";
  for (int i = 0; i < 20; ++i) html += "<img src=\"shared.gif\"> ";
  load(writeScratch("twenty.htm", html + "</body></html>"));
  std::vector<TImageObj*> pictures;
  auto* block = dynamic_cast<TSection*>(&viewer.Document()[0]);
  ASSERT_NE(block, nullptr);
  for (int k = 0; k < block->ImageRuns.Count(); ++k) pictures.push_back(dynamic_cast<TImageObj*>(&block->ImageRuns[k]));
  ASSERT_EQ(pictures.size(), 20u);
  // The frames the twenty players hold, each copy counted once by where its pixels lie,
  // weigh what the cache's one entry weighs: a player with frames of its own adds a copy.
  std::map<const void*, std::int64_t> copies;
  for (TImageObj* p : pictures) {
    ASSERT_NE(p->PictureGif(), nullptr);
    copies[&p->PictureGif()->Frame(1).Bitmap] = p->PictureGif()->FrameBytes();
    EXPECT_TRUE(p->PictureGif()->SharesFramesWith(*pictures[0]->PictureGif()));
  }
  std::int64_t held = 0;
  for (const auto& [pixels, bytes] : copies) held += bytes;
  EXPECT_EQ(held, once) << copies.size() << " copies of the frames";
  // Playing in step, they show one composed picture too.
  QTest::qWait(200);
  for (TImageObj* p : pictures) EXPECT_TRUE(p->PictureGif()->SharesCompositionWith(*pictures[0]->PictureGif()));
}

TEST(ViewerFocus, LoadingADocumentLeavesTheFocusWhereTheUserPutIt) {
  TempFolder folder{"focus"};
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* edit = new QLineEdit(&window);
  auto* viewer = new ThtmlViewer(&window, fixedFontEngine());
  layout->addWidget(edit);
  layout->addWidget(viewer);
  window.resize(300, 200);  // narrow: the long line needs the horizontal bar
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  edit->setFocus();
  QTest::qWait(20);
  ASSERT_TRUE(edit->hasFocus());
  auto wide = [&](const std::string& name) {
    std::string path = folder.file(name);
    std::ofstream(path, std::ios::binary) << "<html><body><pre>" << std::string(400, 'x')
                                          << "</pre><a name=end>end</a></body></html>";
    return path;
  };
  viewer->LoadFromFile(wide("first.htm"));
  QTest::qWait(20);
  ASSERT_TRUE(viewer->HScrollBar()->isVisible());
  // Positions the program sets: a scroll, the next document's start at 0, an anchor jump.
  viewer->SetHScrollPos(40);
  ASSERT_EQ(viewer->GetHScrollPos(), 40);
  viewer->LoadFromFile(wide("second.htm"));
  EXPECT_EQ(viewer->GetHScrollPos(), 0);
  viewer->SetHScrollPos(40);
  viewer->JumpToAnchor("end");
  QTest::qWait(20);
  EXPECT_TRUE(edit->hasFocus());
  // The user's own use of the bar does take it.
  viewer->HScrollBar()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
  EXPECT_TRUE(viewer->hasFocus());
}

}  // namespace
}  // namespace tavra::test
