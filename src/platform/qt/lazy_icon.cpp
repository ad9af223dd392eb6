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
    return iconFor(mode, beyondBase(size)).pixmap(size, 1.0, mode, state);
  }

  QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
    if (!(scale > 1.0)) return pixmap(size, mode, state);
    return iconFor(mode, true).pixmap(size / scale, scale, mode, state);
  }

  QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    return iconFor(mode, beyondBase(size)).actualSize(size, mode, state);
  }

  QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
    return iconFor(mode, true).availableSizes(mode, state);
  }

  // Asking whether the icon has pictures must not read them.
  bool isNull() override { return normalFile_.isEmpty(); }

  QString key() const override { return QStringLiteral("tavra.LazyIconEngine"); }
  QIconEngine* clone() const override { return new LazyIconEngine(*this); }

 private:
  // Whether a picture of `size` is larger than the pictures of the base size; an icon of
  // no stated size takes every picture there is.
  bool beyondBase(const QSize& size) const {
    return !size_.isValid() || size.width() > size_.width() || size.height() > size_.height();
  }

  // The icon of the normal picture alone draws every mode but the disabled one as the icon
  // of both pictures does, falling back on the normal picture; the disabled mode alone
  // needs the second file. The pictures at twice the pixels are read only for a scaled
  // screen or a larger size: on most screens they would be read for nothing.
  const QIcon& iconFor(QIcon::Mode mode, bool doubled) {
    const bool disabled = mode == QIcon::Disabled && !disabledFile_.isEmpty();
    std::optional<QIcon>& icon = icons_[disabled][doubled];
    if (icon) return *icon;
    // Each builds on the one with fewer pictures, so that a picture once read stays.
    if (doubled) {
      icon = iconFor(mode, false);
      addDoubled(*icon, normalFile_, QIcon::Normal);
      if (disabled) addDoubled(*icon, disabledFile_, QIcon::Disabled);
    } else if (disabled) {
      icon = iconFor(QIcon::Normal, false);
      icon->addFile(disabledFile_, size_, QIcon::Disabled);
    } else {
      icon.emplace();
      icon->addFile(normalFile_, size_, QIcon::Normal);
    }
    return *icon;
  }

  // A picture drawn at twice the pixels ("name@2x.png" beside "name.png") keeps the icon
  // sharp on screens scaled to 150 % and 200 %.
  void addDoubled(QIcon& icon, const QString& file, QIcon::Mode mode) const {
    const int dot = file.lastIndexOf(QLatin1Char('.'));
    const QString doubledFile = file.left(dot) + QStringLiteral("@2x") + file.mid(dot);
    if (dot > 0 && QFile::exists(doubledFile)) icon.addFile(doubledFile, size_.isValid() ? size_ * 2 : QSize(), mode);
  }

  QString normalFile_;
  QString disabledFile_;
  QSize size_;
  // By [disabled][doubled].
  std::optional<QIcon> icons_[2][2];
};

}  // namespace

QIcon lazyIcon(const QString& normalFile, const QString& disabledFile, QSize size) {
  return QIcon(new LazyIconEngine(normalFile, disabledFile, size));
}

}  // namespace tavra
