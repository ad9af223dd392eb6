#include "html/qt/control_pictures.h"

#include <QFrame>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QWidget>
#include <algorithm>

#include "html/qt/lazy_form_widgets.h"
#include "platform/qt/qt_text.h"

namespace tavra {

namespace {

// Where the widgets put their text: the multi-line edit's document margin, the one-line
// edit's margin beside its contents.
constexpr int kDocumentMargin = 4;
constexpr int kEditMargin = 2;


template <class Option>
void initOption(Option& option, const ControlState& s, const QWidget& surface, const QFont& font) {
  option.rect = s.bounds;
  option.palette = surface.palette();
  option.direction = Qt::LeftToRight;
  option.fontMetrics = QFontMetrics(font);
  option.state = QStyle::State_None;
  if (s.enabled) option.state |= QStyle::State_Enabled;
  if (surface.isActiveWindow()) option.state |= QStyle::State_Active;
}

QPalette::ColorGroup groupOf(const ControlState& s) { return s.enabled ? QPalette::Active : QPalette::Disabled; }

void paintEdit(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QStyleOptionFrame opt;
  initOption(opt, s, surface, font);
  opt.state |= QStyle::State_Sunken;
  opt.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, nullptr);
  opt.midLineWidth = 0;
  style.drawPrimitive(QStyle::PE_PanelLineEdit, &opt, &p, nullptr);
  const QRect r = style.subElementRect(QStyle::SE_LineEditContents, &opt, nullptr);
  const QFontMetrics fm(font);
  const int top = r.y() + (r.height() - fm.height() + 1) / 2;
  QString text = qtText(s.text);
  if (s.password) text = QString(text.size(), QLatin1Char('*'));
  p.save();
  p.setClipRect(r);
  p.setFont(font);
  p.setPen(opt.palette.color(groupOf(s), QPalette::Text));
  p.drawText(QPoint(r.x() + kEditMargin, top + fm.ascent()), text);
  p.restore();
}

void paintButton(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QStyleOptionButton opt;
  initOption(opt, s, surface, font);
  opt.state |= QStyle::State_Raised;
  opt.text = qtText(s.text);
  p.save();
  p.setFont(font);
  style.drawControl(QStyle::CE_PushButton, &opt, &p, nullptr);
  p.restore();
}

void paintCheck(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QStyleOptionButton opt;
  initOption(opt, s, surface, font);
  opt.state |= s.checked ? QStyle::State_On : QStyle::State_Off;
  if (s.kind == ControlKind::Radio) {
    // The button stands in its panel, which takes the colour behind it; the style shades
    // the button's ring from that colour.
    if (s.background) {
      p.fillRect(s.bounds, qcolorFor(*s.background));
      opt.palette.setColor(QPalette::Window, qcolorFor(*s.background));
    }
    opt.rect = QRect(s.bounds.topLeft(), QSize(13, 14)).intersected(s.bounds);
  }
  style.drawControl(s.kind == ControlKind::Radio ? QStyle::CE_RadioButton : QStyle::CE_CheckBox, &opt, &p, nullptr);
}

void paintCombo(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QStyleOptionComboBox opt;
  initOption(opt, s, surface, font);
  opt.editable = false;
  opt.frame = true;
  opt.subControls = QStyle::SC_All;
  if (s.current >= 0 && s.current < int(s.items.size())) opt.currentText = qtText(s.items[std::size_t(s.current)]);
  p.save();
  p.setFont(font);
  p.setPen(opt.palette.color(groupOf(s), QPalette::ButtonText));
  style.drawComplexControl(QStyle::CC_ComboBox, &opt, &p, nullptr);
  style.drawControl(QStyle::CE_ComboBoxLabel, &opt, &p, nullptr);
  p.restore();
}

QStyleOptionFrame areaFrame(const ControlState& s, const QWidget& surface, QStyle& style) {
  QStyleOptionFrame opt;
  initOption(opt, s, surface, surface.font());
  opt.state |= QStyle::State_Sunken;
  opt.frameShape = QFrame::StyledPanel;
  opt.lineWidth = style.pixelMetric(QStyle::PM_DefaultFrameWidth, &opt, nullptr);
  opt.midLineWidth = 0;
  return opt;
}

// The white inside of a scrolling area; answers it.
QRect paintScrollArea(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QStyleOptionFrame opt = areaFrame(s, surface, style);
  p.fillRect(s.bounds, opt.palette.brush(groupOf(s), QPalette::Base));
  const int f = opt.lineWidth;
  return s.bounds.adjusted(f, f, -f, -f);
}

// Its sunken frame, last: the scroll bars stand inside it.
void paintAreaFrame(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QStyleOptionFrame opt = areaFrame(s, surface, style);
  style.drawControl(QStyle::CE_ShapedFrame, &opt, &p, nullptr);
}

void paintScrollBar(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style, const QRect& rect,
                    Qt::Orientation orientation, int range, int page) {
  QStyleOptionSlider opt;
  initOption(opt, s, surface, surface.font());
  opt.rect = rect;
  opt.orientation = orientation;
  if (orientation == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
  opt.minimum = 0;
  opt.maximum = std::max(0, range);
  opt.pageStep = std::max(1, page);
  opt.singleStep = 1;
  opt.subControls = QStyle::SC_All;
  p.save();
  p.translate(rect.topLeft());
  opt.rect.moveTo(0, 0);
  style.drawComplexControl(QStyle::CC_ScrollBar, &opt, &p, nullptr);
  p.restore();
}

void paintList(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QRect inside = paintScrollArea(p, s, surface, style);
  QStyleOptionViewItem item;
  initOption(item, s, surface, font);
  item.font = font;
  item.features = QStyleOptionViewItem::HasDisplay;
  item.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
  item.text = QStringLiteral("A");
  item.rect = QRect();
  const int rowHeight = std::max(1, style.sizeFromContents(QStyle::CT_ItemViewItem, &item, QSize(), nullptr).height());
  const int count = int(s.items.size());
  const int bar = style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, nullptr);
  const int visibleRows = inside.height() / rowHeight;
  if (count > visibleRows && inside.width() > bar) {
    paintScrollBar(p, s, surface, style, QRect(inside.right() - bar + 1, inside.top(), bar, inside.height()),
                   Qt::Vertical, count - visibleRows, visibleRows);
    inside.setRight(inside.right() - bar);
  }
  p.save();
  p.setClipRect(inside);
  for (int i = 0; i < count && i * rowHeight < inside.height(); ++i) {
    item.rect = QRect(inside.left(), inside.top() + i * rowHeight, inside.width(), rowHeight);
    item.text = qtText(s.items[std::size_t(i)]);
    item.state = s.enabled ? QStyle::State_Enabled : QStyle::State_None;
    const bool chosen = s.multiSelect ? s.selected[std::size_t(i)] : i == s.current;
    if (chosen) item.state |= QStyle::State_Selected;
    item.viewItemPosition = QStyleOptionViewItem::OnlyOne;
    item.showDecorationSelected = true;
    style.drawControl(QStyle::CE_ItemViewItem, &item, &p, nullptr);
  }
  p.restore();
  paintAreaFrame(p, s, surface, style);
}

void paintMemo(QPainter& p, const ControlState& s, const QWidget& surface, QStyle& style) {
  const QFont font = qfontFor(s.font);
  QRect inside = paintScrollArea(p, s, surface, style);
  const int bar = style.pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, nullptr);
  const bool horizontal = !s.wordWrap;
  QRect text = inside.adjusted(0, 0, -bar, horizontal ? -bar : 0);
  paintScrollBar(p, s, surface, style, QRect(text.right() + 1, inside.top(), bar, text.height()), Qt::Vertical, 0,
                 text.height());
  if (horizontal) {
    paintScrollBar(p, s, surface, style, QRect(inside.left(), text.bottom() + 1, text.width(), bar), Qt::Horizontal, 0,
                   text.width());
    p.fillRect(QRect(text.right() + 1, text.bottom() + 1, bar, bar),
               surface.palette().brush(groupOf(s), QPalette::Window));
  }
  p.save();
  p.setClipRect(text);
  p.setPen(surface.palette().color(groupOf(s), QPalette::Text));
  QTextOption option;
  option.setWrapMode(s.wordWrap ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
  const qreal width = s.wordWrap ? std::max(1, text.width() - 2 * kDocumentMargin) : 1e6;
  qreal y = text.top() + kDocumentMargin;
  for (const QString& paragraph : qtText(s.text).split(QLatin1Char('\n'))) {
    if (y >= text.bottom()) break;
    QTextLayout layout(paragraph, font);
    layout.setTextOption(option);
    layout.beginLayout();
    qreal height = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
      line.setLeadingIncluded(true);
      line.setLineWidth(width);
      line.setPosition(QPointF(0, height));
      height += line.height();
    }
    layout.endLayout();
    layout.draw(&p, QPointF(text.left() + kDocumentMargin, y));
    y += height;
  }
  p.restore();
  paintAreaFrame(p, s, surface, style);
}

}  // namespace

void paintControlPicture(QPainter& painter, const ControlState& placed, const QWidget& surface) {
  if (placed.bounds.isEmpty()) return;
  QStyle& style = *surface.style();
  painter.save();
  // The style draws parts of some controls (scroll bars) from the origin, as a widget
  // paints itself.
  painter.translate(placed.bounds.topLeft());
  ControlState state = placed;
  state.bounds.moveTo(0, 0);
  painter.setClipRect(state.bounds, Qt::IntersectClip);
  switch (state.kind) {
    case ControlKind::Edit: paintEdit(painter, state, surface, style); break;
    case ControlKind::Button: paintButton(painter, state, surface, style); break;
    case ControlKind::CheckBox:
    case ControlKind::Radio: paintCheck(painter, state, surface, style); break;
    case ControlKind::Combo: paintCombo(painter, state, surface, style); break;
    case ControlKind::ListBox: paintList(painter, state, surface, style); break;
    case ControlKind::Memo: paintMemo(painter, state, surface, style); break;
  }
  painter.restore();
}

}  // namespace tavra
