#pragma once
// Documents built by hand for layout tests, on the fixed-metrics canvas: a 12-point font
// is 16 pixels: 8 pixels per character, ascent 12, descent 4, external leading 2, so a
// line of it is 18 pixels high with its baseline 14 below its top.

#include <memory>
#include <string>
#include <vector>

#include "html/document/block_elements.h"
#include "html/document/section_list.h"
#include "html/document/text_section.h"
#include "common/recording_host.h"
#include "platform/fixed_canvas.h"
#include "platform/unicode.h"

namespace tavra::testing {

constexpr int kAdvance12 = 8;
constexpr int kLine12 = 18;
constexpr int kDescent12 = 4;

// An image of a fixed size that records where it is drawn.
class FakeImage : public InlineImage {
 public:
  FakeImage(int width, int height, std::uint8_t align = iaBottom) {
    OuterWidth = width;
    OuterHeight = height;
    ImgAlign = align;
  }
  void SizeImage(TSectionList&, Canvas&, int availableWidth, const TFontObj&) override {
    ++sizings;
    lastAvailable = availableWidth;
  }
  void DrawImage(Canvas& canvas, int x, const TFontObj& run, int baseline, int rowTop) const override {
    int top = OuterTop(run, baseline, rowTop);
    canvas.fillRect({x, top, x + OuterWidth, top + OuterHeight}, 0x00FF00);
  }
  int sizings = 0;
  int lastAvailable = -1;
};

class FakeControl : public InlineControl {
 public:
  FakeControl(int width, int height) : width_(width), height_(height) {}
  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void ShowAt(int x, int y) override {
    shownX = x;
    shownY = y;
    visible = true;
  }
  void Hide() override { visible = false; }
  bool HasFocus() const override { return focused; }
  int shownX = 0, shownY = 0;
  bool visible = true;
  bool focused = false;

 private:
  int width_, height_;
};

struct DocFixture {
  RecordingHost host;
  TSectionList doc{host};
  TMyFont font;  // Times New Roman, 12 points

  DocFixture() {
    doc.FontSize = 12;
    doc.BackgroundColor = clWhite;
  }

  template <class T = TSection>
  T& add(std::unique_ptr<T> block) {
    T& ref = *block;
    doc.AddSection(std::move(block));
    return ref;
  }
  TSection& text(const std::string& s, int alignment = alLeft, int level = 0) {
    auto block = std::make_unique<TSection>(level, alignment, nullptr, font);
    block->AppendText(utf8ToUtf16(s));
    return add(std::move(block));
  }
  int layout(Canvas& canvas, int width, int* scrollWidth = nullptr) {
    int sw = 0, chars = 0;
    int h = doc.LayoutDocument(canvas, 0, width, sw, chars);
    if (scrollWidth) *scrollWidth = sw;
    return h;
  }
  // Paints the document at the canvas's origin, scrolled by `scroll`, with a selection.
  int paint(Canvas& canvas, int scroll = 0, int selFrom = 0, int selTo = 0) {
    PaintContext context{{0, 0, canvas.surfaceWidth(), canvas.surfaceHeight()}, scroll, selFrom, selTo};
    return doc.PaintDocument(context, canvas, 2000, 0, 0);
  }
};

inline std::string lineText(const TSection& s, int i) {
  const LineRec& l = s.Lines[std::size_t(i)];
  return utf16ToUtf8(s.Text.substr(std::size_t(l.Start), std::size_t(l.Ln)));
}

}  // namespace tavra::testing
