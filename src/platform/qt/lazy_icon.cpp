#include "platform/qt/lazy_icon.h"

#include <QFile>
#include <QIconEngine>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmap>

#include <optional>

namespace tavra {

namespace {

class LazyIconEngine : public QIconEngine {
 public:
  LazyIconEngine(QString normalFile, QString disabledFile, QSize size)
      : normalFile_(std::move(normalFile)), disabledFile_(std::move(disabledFile)), size_(size) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override {
    // As the toolkit's own icons paint: a picture for the device's pixel ratio, drawn into the rectangle.
    const QPaintDevice* device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return iconFor(mode).pixmap(size, 1.0, mode, state);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (!(scale > 1.0)) return pixmap(size, mode, state);
    return iconFor(mode).pixmap(size / scale, scale, mode, state);
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return iconFor(mode).actualSize(size, mode, state);
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return iconFor(mode).availableSizes(mode, state);
  }

  // Asking whether the icon has pictures must not read them.
  bool isNull() override { return normalFile_.isEmpty(); }

  QString key() const override { return QStringLiteral("tavra.LazyIconEngine"); }
  QIconEngine* clone() const override { return new LazyIconEngine(*this); }

 private:
  // The icon of the normal picture alone draws every mode but the disabled one as the icon
  // of both pictures does, falling back on the normal picture; the disabled mode alone
  // needs the second file.
  const QIcon& iconFor(QIcon::Mode mode) {
    if (!normal_) {
      normal_.emplace();
      addWithDoubleSize(*normal_, normalFile_, QIcon::Normal);
    }
    if (mode != QIcon::Disabled || disabledFile_.isEmpty()) return *normal_;
    if (!withDisabled_) {
      withDisabled_ = *normal_;
      addWithDoubleSize(*withDisabled_, disabledFile_, QIcon::Disabled);
    }
    return *withDisabled_;
  }

  // A picture drawn at twice the pixels ("name@2x.png" beside "name.png") keeps the icon
  // sharp on screens scaled to 150 % and 200 %.
  void addWithDoubleSize(QIcon& icon, const QString& file, QIcon::Mode mode) const {
    icon.addFile(file, size_, mode);
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString doubled = file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
    if (dot > 0 && QFile::exists(doubled)) icon.addFile(doubled, size_.isValid() ? size_ * 2 : QSize(), mode);
  }

  QString normalFile_;
  QString disabledFile_;
  QSize size_;
  std::optional<QIcon> normal_;
  std::optional<QIcon> withDisabled_;
};

}  // namespace

QIcon lazyIcon(const QString& normalFile, const QString& disabledFile, QSize size) {
  return QIcon(new LazyIconEngine(normalFile, disabledFile, size));
}

}  // namespace tavra
