// The widgets of the document's form controls: made for the controls in and near the part
// of the view the screen shows, for a control whose picture is clicked, and (through the
// control itself) for one that takes the focus; the others are drawn as pictures.

#include <QPainter>
#include <QScreen>
#include <algorithm>

#include "html/qt/lazy_form_widgets.h"
#include "html/qt/viewer.h"

namespace tavra {

namespace {

// A viewer with no screen (none attached yet) makes widgets for this much of its height.
constexpr int kHeightWithoutScreen = 2048;
// Widgets made stay while there are no more than these; beyond, those far from the view
// go back to pictures: every child of the surface, shown or not, costs each paint.
constexpr int kWidgetsKept = 300;

LazyFormWidget* lazyWidgetOf(InlineControl* inlineControl) {
  auto* control = dynamic_cast<TFormControlObj*>(inlineControl);
  return control ? dynamic_cast<LazyFormWidget*>(control->WinControl.get()) : nullptr;
}

}  // namespace

void ThtmlViewer::MakeControlsNearView() {
  if (document_->FormControls.empty()) return;
  // A viewer taller than the screen, as for a picture of a whole document, makes widgets
  // only for what a screen could show of it; the rest stay pictures.
  const QScreen* screen = panel_->screen();
  const int shown = std::min(panel_->height(), screen ? screen->geometry().height() : kHeightWithoutScreen);
  const int margin = shown / 2;
  const QRect near(-margin, -margin, panel_->width() + 2 * margin, shown + 2 * margin);
  const int left = DocumentLeft(), top = vBar_->Position;
  auto isNear = [&](const InlineControl& c) {
    return c.HasPlace && QRect(c.DocLeft + left, c.DocTop - top, c.Width(), c.Height()).intersects(near);
  };
  for (InlineControl* inlineControl : document_->FormControls)
    if (LazyFormWidget* lazy = lazyWidgetOf(inlineControl); lazy && !lazy->Real() && isNear(*inlineControl))
      lazy->Realize();
  if (widgetFactory_->RealCount() <= kWidgetsKept) return;
  for (InlineControl* inlineControl : document_->FormControls)
    if (LazyFormWidget* lazy = lazyWidgetOf(inlineControl); lazy && lazy->Real() && !isNear(*inlineControl))
      lazy->Release();
}

void ThtmlViewer::PaintControlPictures(QPainter& painter, const QRect& area) const {
  widgetFactory_->PaintPictures(painter, area);
}

QWidget* ThtmlViewer::MakeControlAt(const QPoint& point) {
  LazyFormWidget* lazy = widgetFactory_->PictureAt(point);
  if (!lazy) return nullptr;
  lazy->Realize();
  QWidget* widget = panel_->childAt(point);
  return widget && widget != panel_ ? widget : nullptr;
}

}  // namespace tavra
