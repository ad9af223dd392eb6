#pragma once
// TmyLabel3d: a caption label whose text is drawn with shade copies so that it looks
// sunken, raised or shadowed. It paints through `Canvas`, so the same drawing serves the
// screen and the fixed-metrics canvas of the tests. It also reports when the mouse, after
// moving over it, leaves it again (`OnMouseOut`).

#include <QWidget>
#include <functional>
#include <string>

#include "platform/canvas.h"
#include "platform/qt/painter_canvas.h"

namespace tavra {

enum T3DEffect { Normal3d = 0, Resit3d = 1, Raised3d = 2, Shadowed3d = 3 };

enum TAlignment { taLeftJustify, taRightJustify, taCenter };

// Text-drawing flags in the values of the platform the label was designed on.
enum DrawTextFlag : unsigned {
  dtLeft = 0x0,
  dtCenter = 0x1,
  dtRight = 0x2,
  dtWordBreak = 0x10,
  dtExpandTabs = 0x40,
  dtCalcRect = 0x400,
  dtNoPrefix = 0x800,
};

// The label's font: what is asked for plus its colour.
struct LabelFont {
  FontSpec face;
  ColorRef color = clWindowText;
  friend bool operator==(const LabelFont&, const LabelFont&) = default;
};

class TmyLabel3d : public QWidget {
  Q_OBJECT

 public:
  // The caption buffer's size is held in 8 bits, which leaves room for this many bytes.
  static constexpr int kMaxCaption = 254;

  // The caption is measured and drawn with `fonts`.
  explicit TmyLabel3d(QWidget* parent = nullptr, FontEngine& fonts = toolkitFonts());
  ~TmyLabel3d() override;

  // Raised with the label as sender when the mouse leaves it after moving over it.
  std::function<void(TmyLabel3d* sender)> OnMouseOut;

  // Windows-1250 bytes; longer captions are cut to kMaxCaption.
  const std::string& Caption() const { return Caption_; }
  void SetCaption(const std::string& value);
  // The same from UTF-8 text of the source.
  void SetCaptionUtf8(const std::string& utf8);

  const LabelFont& Font() const { return Font_; }
  void SetFont(const LabelFont& value);

  ColorRef Color() const { return Color_; }
  void SetColor(ColorRef value);
  bool ParentColor() const { return ParentColor_; }
  void SetParentColor(bool value) { ParentColor_ = value; }
  bool Transparent() const { return Transparent_; }
  void SetTransparent(bool value);
  TAlignment Alignment() const { return Alignment_; }
  void SetAlignment(TAlignment value);
  bool ShowAccelChar() const { return ShowAccelChar_; }
  void SetShowAccelChar(bool value);
  // On: the label takes the size of its caption whenever caption or font change.
  bool AutoSize() const { return AutoSize_; }
  void SetAutoSize(bool value);

  T3DEffect AStyle3D() const { return AStyle3D_; }
  void SetAStyle3D(T3DEffect value);
  ColorRef AShadeRightBottom() const { return AShadeRightBottom_; }
  void SetAShadeRightBottom(ColorRef value);
  ColorRef AShadeLeftTop() const { return AShadeLeftTop_; }
  void SetAShadeLeftTop(ColorRef value);
  ColorRef SavedLeftTopShade() const { return SavedLeftTopShade_; }
  int AHShadeOffSet() const { return AHShadeOffSet_; }
  void SetAHShadeOffSet(int value);
  int AVShadeOffSet() const { return AVShadeOffSet_; }
  void SetAVShadeOffSet(int value);
  bool AShadeLTSet() const { return AShadeLTSet_; }
  void SetAShadeLTSet(bool value);

  // The label's whole picture onto `canvas`, its client area at the canvas origin.
  void Paint(Canvas& canvas);
  // The shade copies and the caption into `rect`. With dtCalcRect nothing is drawn and
  // `rect` receives the caption's extent instead.
  void DrawCaptionText(Canvas& canvas, Rect& rect, unsigned flags);

 protected:
  // Every repaint the properties ask for passes here.
  virtual void Invalidate();

  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  FontEngine& fonts_;
  void AdjustBounds();

  std::string Caption_;
  LabelFont Font_;
  ColorRef Color_ = clBtnFace;
  bool ParentColor_ = false;
  bool Transparent_ = true;
  TAlignment Alignment_ = taLeftJustify;
  bool ShowAccelChar_ = true;
  bool AutoSize_ = true;

  T3DEffect AStyle3D_ = Normal3d;
  ColorRef AShadeRightBottom_ = 0x808080;
  ColorRef AShadeLeftTop_ = clWhite;
  ColorRef SavedLeftTopShade_ = clWhite;
  int AHShadeOffSet_ = 5;
  int AVShadeOffSet_ = -5;
  bool AShadeLTSet_ = false;
};

}  // namespace tavra
