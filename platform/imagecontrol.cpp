#include "imagecontrol.h"

#include <QPainter>

ImageControl::ImageControl(const QImage& picture, const QRect& place, QWidget* parent)
    : QWidget(parent) {
  setGeometry(place);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  // Stretched once, by repeating pixels rather than blending them, so the
  // picture keeps pure colours and hard edges at any screen density.
  const qreal ratio = devicePixelRatioF();
  stretched_ = picture.scaled(place.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
  stretched_.setDevicePixelRatio(ratio);
}

void ImageControl::setShown(bool shown) {
  if (shown == shown_) {
    return;
  }
  shown_ = shown;
  update();
}

void ImageControl::paintEvent(QPaintEvent* /*event*/) {
  if (!shown_) {
    return;
  }
  QPainter painter(this);
  painter.drawImage(QPoint(0, 0), stretched_);
}
