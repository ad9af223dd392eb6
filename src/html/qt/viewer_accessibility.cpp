#include "html/qt/viewer_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <variant>
#include <vector>

#include "html/forms/forms.h"
#include "html/qt/form_widgets.h"
#include "html/qt/viewer.h"
#include "html/reading_text.h"
#include "platform/message_box.h"
#include "platform/qt/qt_text.h"

namespace tavra {

namespace {


QWidget* controlWidget(InlineControl* control) {
  auto* formControl = dynamic_cast<TFormControlObj*>(control);
  return formControl ? formWidgetOf(formControl->GetControl()) : nullptr;
}

class ViewerAccessible;

// One link of the document. It has no object of its own: it reads its viewer's reading
// text and goes invalid when the viewer shows another document.
class LinkAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
 public:
  LinkAccessible(ThtmlViewer* viewer, int link) : viewer_(viewer), link_(link), generation_(viewer->DocumentGeneration()) {}

  int Link() const { return link_; }

  bool isValid() const override {
    return viewer_ && viewer_->DocumentGeneration() == generation_ && link_ < int(viewer_->Reading().Links.size());
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return viewer_ ? viewer_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  QAccessibleInterface* parent() const override {
    return viewer_ ? QAccessible::queryAccessibleInterface(viewer_.data()) : nullptr;
  }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QString text(QAccessible::Text t) const override {
    if (!isValid()) return {};
    const ReadingText& reading = viewer_->Reading();
    const ReadingLink& link = reading.Links[std::size_t(link_)];
    if (t == QAccessible::Name) return qtText(reading.LinkText(link)).simplified();
    if (t == QAccessible::Description || t == QAccessible::Value) return QString::fromStdString(link.Target.URL);
    return {};
  }
  void setText(QAccessible::Text, const QString&) override {}
  QRect rect() const override {
    if (!isValid()) return {};
    QRect united;
    for (const Rect& r : viewer_->Reading().Links[std::size_t(link_)].Rects) united |= viewer_->PanelRect(r);
    return QRect(viewer_->PaintPanel()->mapToGlobal(united.topLeft()), united.size());
  }
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override {
    QAccessible::State s;
    if (!isValid()) {
      s.invalid = true;
      return s;
    }
    s.focusable = true;
    s.linked = true;
    s.focused = viewer_->hasFocus() && focusedHere();
    QRect onPanel;
    for (const Rect& r : viewer_->Reading().Links[std::size_t(link_)].Rects) onPanel |= viewer_->PanelRect(r);
    s.offscreen = !onPanel.intersects(viewer_->PaintPanel()->rect());
    s.invisible = !viewer_->isVisible();
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
  }

  QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
  void doAction(const QString& name) override {
    if (!isValid()) return;
    // A link to a file that is gone is reported to the user, as a click on it is.
    if (name == pressAction())
      runReportingErrors([this] { viewer_->FollowReadingLink(link_); });
    else if (name == setFocusAction())
      focusHere();
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return name == pressAction() ? QStringList{QStringLiteral("Return")} : QStringList{};
  }

 private:
  bool focusedHere() const {
    const int stop = viewer_->FocusStop();
    const auto& stops = viewer_->Reading().Stops;
    return stop >= 0 && stop < int(stops.size()) && stops[std::size_t(stop)].Link == link_;
  }
  void focusHere() {
    const auto& stops = viewer_->Reading().Stops;
    for (std::size_t i = 0; i < stops.size(); ++i)
      if (stops[i].Link == link_) viewer_->SetFocusStop(int(i));
  }

  QPointer<ThtmlViewer> viewer_;
  int link_;
  std::uint64_t generation_;
};

// A child of the document: a link (by index) or a form control's widget.
using Child = std::variant<int, QWidget*>;

class ViewerAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  explicit ViewerAccessible(ThtmlViewer* viewer) : QAccessibleWidget(viewer, QAccessible::Document) {
    // The children are listed again when next asked; the links of another document go then.
    changed_ = QObject::connect(viewer, &ThtmlViewer::readingChanged, viewer, [this](bool newDocument) {
      linksStale_ = linksStale_ || newDocument;
      childrenStale_ = true;
    });
  }
  ~ViewerAccessible() override {
    QObject::disconnect(changed_);
    dropLinks();
  }

  ThtmlViewer* viewer() const { return static_cast<ThtmlViewer*>(widget()); }
  const ReadingText& reading() const { return viewer()->Reading(); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text t) const override {
    QString value = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && value.isEmpty()) value = QString::fromStdString(viewer()->DocumentTitle());
    return value;
  }

  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.readOnly = true;
    s.selectableText = true;
    s.multiLine = true;
    s.focusable = true;
    return s;
  }

  int childCount() const override { return int(children().size()); }

  QAccessibleInterface* child(int index) const override {
    const auto& list = children();
    if (index < 0 || index >= int(list.size())) return nullptr;
    if (const int* link = std::get_if<int>(&list[std::size_t(index)])) return linkInterface(*link);
    return QAccessible::queryAccessibleInterface(std::get<QWidget*>(list[std::size_t(index)]));
  }

  int indexOfChild(const QAccessibleInterface* child) const override {
    if (!child) return -1;
    const auto& list = children();
    Child key;
    if (const auto* link = dynamic_cast<const LinkAccessible*>(child)) {
      if (!link->isValid()) return -1;
      key = link->Link();
    } else if (auto* widget = qobject_cast<QWidget*>(child->object())) {
      key = widget;
    } else {
      return -1;
    }
    auto it = std::find(list.begin(), list.end(), key);
    return it == list.end() ? -1 : int(it - list.begin());
  }

  int indexOfLink(int link) const { return indexOfChild(linkInterface(link)); }

  QAccessibleInterface* childAt(int x, int y) const override {
    for (int i = 0, n = childCount(); i < n; ++i)
      if (QAccessibleInterface* c = child(i); c && c->rect().contains(x, y)) return c;
    return nullptr;
  }

  QAccessibleInterface* focusChild() const override {
    const int stop = viewer()->FocusStop();
    const auto& stops = reading().Stops;
    if (viewer()->hasFocus() && stop >= 0 && stop < int(stops.size()) && stops[std::size_t(stop)].Link >= 0)
      return linkInterface(stops[std::size_t(stop)].Link);
    for (const Child& c : children())
      if (QWidget* const* widget = std::get_if<QWidget*>(&c); widget && (*widget)->hasFocus())
        return QAccessible::queryAccessibleInterface(*widget);
    return nullptr;
  }

  // --- text
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || viewer()->SelStart() >= viewer()->SelEnd()) return;
    *start = reading().OffsetOf(viewer()->SelStart());
    *end = reading().OffsetOf(viewer()->SelEnd());
  }
  int selectionCount() const override {
    return viewer()->SelStart() >= 0 && viewer()->SelStart() < viewer()->SelEnd() ? 1 : 0;
  }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int) override { viewer()->SetSelection(0, 0); }
  void setSelection(int, int start, int end) override {
    int from = -1, to = -1;
    positionsOf(start, end, from, to);
    if (from >= 0) viewer()->SetSelection(from, to);
  }
  int cursorPosition() const override { return reading().OffsetOf(viewer()->CaretIndex()); }
  void setCursorPosition(int offset) override {
    int from = -1, to = -1;
    positionsOf(offset, offset + 1, from, to);
    if (from >= 0) viewer()->SetCaret(from);
  }
  QString text(int start, int end) const override {
    const auto& all = reading().Text;
    start = std::clamp(start, 0, int(all.size()));
    end = std::clamp(end, start, int(all.size()));
    return qtText(all.substr(std::size_t(start), std::size_t(end - start)));
  }
  int characterCount() const override { return int(reading().Text.size()); }
  QRect characterRect(int offset) const override {
    Rect r;
    if (!reading().CharRect(offset, r)) return {};
    const QRect onPanel = viewer()->PanelRect(r);
    return QRect(viewer()->PaintPanel()->mapToGlobal(onPanel.topLeft()), onPanel.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    const QPoint p = viewer()->PaintPanel()->mapFromGlobal(point);
    const int pos = viewer()->CharPosAt(p.x(), p.y());
    return pos < 0 ? -1 : reading().OffsetOf(pos);
  }
  void scrollToSubstring(int start, int) override {
    Rect r;
    if (reading().CharRect(start, r)) viewer()->ScrollDocRectIntoView(r);
  }
  QString attributes(int offset, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    (void)offset;
    return {};
  }
  // Lines are the document's lines as laid out; other units are found in the text.
  QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary) return QAccessibleTextInterface::textAtOffset(offset, type, start, end);
    if (offset < 0 || offset >= characterCount()) {
      *start = *end = -1;
      return {};
    }
    reading().LineAround(offset, *start, *end);
    return text(*start, *end);
  }
  QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary) return QAccessibleTextInterface::textBeforeOffset(offset, type, start, end);
    int s = 0, e = 0;
    reading().LineAround(std::min(offset, characterCount()), s, e);
    if (s == 0) {
      *start = *end = -1;
      return {};
    }
    return textAtOffset(s - 1, type, start, end);
  }
  QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* start, int* end) const override {
    if (type != QAccessible::LineBoundary) return QAccessibleTextInterface::textAfterOffset(offset, type, start, end);
    int s = 0, e = 0;
    reading().LineAround(std::max(offset, 0), s, e);
    return textAtOffset(e, type, start, end);
  }

 private:
  // The document positions of the offsets [start, end): from the first character of the
  // document in them to just past the last.
  void positionsOf(int start, int end, int& from, int& to) const {
    const ReadingText& r = reading();
    for (int o = std::max(start, 0); o < end && o < int(r.Text.size()) && from < 0; ++o) from = r.PositionAt(o);
    for (int o = std::min(end, int(r.Text.size())) - 1; o >= start && o >= 0 && to < 0; --o)
      if (const int p = r.PositionAt(o); p >= 0) to = p + 1;
    if (from < 0 && start >= int(r.Text.size())) from = to = r.PositionAt(int(r.Text.size()) - 1) + 1;
  }

  // Controls far from the view have no widget yet, so no child; each widget made joins.
  const std::vector<Child>& children() const {
    if (childrenStale_) {
      if (linksStale_) dropLinks();
      linksStale_ = false;
      children_.clear();
      for (const ReadingStop& stop : reading().Stops) {
        if (stop.Link >= 0)
          children_.emplace_back(stop.Link);
        else if (QWidget* widget = controlWidget(stop.Control))
          children_.emplace_back(widget);
      }
      childrenStale_ = false;
    }
    return children_;
  }

  QAccessibleInterface* linkInterface(int link) const {
    if (link < 0 || link >= int(reading().Links.size())) return nullptr;
    if (linksStale_) children();
    if (links_.size() <= std::size_t(link)) links_.resize(std::size_t(link) + 1, 0);
    QAccessible::Id& id = links_[std::size_t(link)];
    if (!id) id = QAccessible::registerAccessibleInterface(new LinkAccessible(viewer(), link));
    return QAccessible::accessibleInterface(id);
  }

  void dropLinks() const {
    for (QAccessible::Id id : links_)
      if (id) QAccessible::deleteAccessibleInterface(id);
    links_.clear();
  }

  QMetaObject::Connection changed_;
  mutable std::vector<Child> children_;
  mutable bool childrenStale_ = true;
  mutable bool linksStale_ = false;
  mutable std::vector<QAccessible::Id> links_;
};

QAccessibleInterface* viewerFactory(const QString& key, QObject* object) {
  if (key == QLatin1String("tavra::ThtmlViewer"))
    if (auto* viewer = qobject_cast<ThtmlViewer*>(object)) return new ViewerAccessible(viewer);
  return nullptr;
}

ViewerAccessible* accessibleOf(ThtmlViewer* viewer) {
  return dynamic_cast<ViewerAccessible*>(QAccessible::queryAccessibleInterface(viewer));
}

}  // namespace

void installViewerAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(viewerFactory);
    return true;
  }();
  (void)installed;
}

void announceDocumentChanged(ThtmlViewer* viewer, const QString& oldText) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent name(viewer, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&name);
  QAccessibleTextUpdateEvent text(viewer, 0, oldText, qtText(viewer->Reading().Text));
  QAccessible::updateAccessibility(&text);
}

void announceFocusStop(ThtmlViewer* viewer) {
  const int stop = viewer->FocusStop();
  const auto& stops = viewer->Reading().Stops;
  if (stop < 0 || stop >= int(stops.size()) || stops[std::size_t(stop)].Link < 0) return;
  ViewerAccessible* document = accessibleOf(viewer);
  const int child = document ? document->indexOfLink(stops[std::size_t(stop)].Link) : -1;
  if (child < 0) return;
  QAccessibleEvent focus(viewer, QAccessible::Focus);
  focus.setChild(child);
  QAccessible::updateAccessibility(&focus);
}

void announceSelection(ThtmlViewer* viewer, int caret, int selectionStart, int selectionEnd) {
  QAccessibleTextCursorEvent cursor(viewer, caret);
  QAccessible::updateAccessibility(&cursor);
  QAccessibleTextSelectionEvent selection(viewer, selectionStart, selectionEnd);
  QAccessible::updateAccessibility(&selection);
}

}  // namespace tavra
