#include "controls/drawingarea.h"

#include <QAccessible>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QString>
#include <QtMath>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletext.h"
#include "controls/twips.h"

namespace {

const QColor kBackground = Qt::white;

QAccessibleInterface* accessiblePicture(const QString& className, QObject* object) {
  if (className != QLatin1String("DrawingArea")) {
    return nullptr;
  }
  return new AccessibleText(static_cast<QWidget*>(object), QAccessible::Graphic, {});
}

}  // namespace

DrawingArea::DrawingArea(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  installAccessibleFactory(accessiblePicture);
}

void DrawingArea::setUserScale(double width, double height) { userScale_ = {width, height}; }

QSizeF DrawingArea::scaleSize() const {
  if (!userScale_.isEmpty()) {
    return userScale_;
  }
  const QSize inner = contentsRect().size();
  return {static_cast<double>(inner.width() * kTwipsPerPixel),
          static_cast<double>(inner.height() * kTwipsPerPixel)};
}

double DrawingArea::devicePixelsPerUnitX() const { return picture_.width() / scaleSize().width(); }

double DrawingArea::devicePixelsPerUnitY() const {
  return picture_.height() / scaleSize().height();
}

int DrawingArea::penWidth() const { return qMax(1, qRound(devicePixelRatioF())); }

QPoint DrawingArea::toDevice(QPointF at) const {
  return {qFloor(at.x() * devicePixelsPerUnitX()), qFloor(at.y() * devicePixelsPerUnitY())};
}

void DrawingArea::line(QPointF from, QPointF to, const QColor& colour) {
  fitPicture();
  QPainter painter(&picture_);
  painter.setPen(QPen(colour, penWidth()));
  painter.drawLine(toDevice(from), toDevice(to));
  current_ = to;
  update();
}

void DrawingArea::lineTo(QPointF to, const QColor& colour) { line(current_, to, colour); }

void DrawingArea::point(QPointF at, const QColor& colour) {
  fitPicture();
  QPainter painter(&picture_);
  const int width = penWidth();
  painter.fillRect(QRect(toDevice(at), QSize(width, width)), colour);
  current_ = at;
  update();
}

QRect DrawingArea::print(const QString& text) {
  fitPicture();
  QFont deviceFont = font();
  const double ratio = devicePixelRatioF();
  if (deviceFont.pixelSize() > 0) {
    deviceFont.setPixelSize(qRound(deviceFont.pixelSize() * ratio));
  } else {
    deviceFont.setPointSizeF(deviceFont.pointSizeF() * ratio);
  }
  const QFontMetrics metrics(deviceFont, &picture_);
  const QRect extent(toDevice(current_), QSize(metrics.horizontalAdvance(text), metrics.height()));
  if (!text.isEmpty()) {
    // Laid on white, then merged by taking the darker of each channel: over a
    // white surface this is ordinary text, and laid twice it changes nothing.
    QImage stamp(metrics.horizontalAdvance(text) + metrics.maxWidth(), metrics.height(),
                 QImage::Format_RGB32);
    stamp.fill(kBackground);
    {
      QPainter stampPainter(&stamp);
      stampPainter.setFont(deviceFont);
      stampPainter.setPen(palette().color(QPalette::WindowText));
      stampPainter.drawText(QPoint(0, metrics.ascent()), text);
    }
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.drawImage(extent.topLeft(), stamp);
    update();
  }
  current_ = {0.0, current_.y() + metrics.height() / devicePixelsPerUnitY()};
  emit printed(text, extent);
  return extent;
}

void DrawingArea::clear() {
  fitPicture();
  picture_.fill(kBackground);
  current_ = {};
  update();
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect(), picture_);
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  fitPicture();
}

// Geometry set on a hidden widget reaches resizeEvent only when it is shown, so
// every drawing call makes sure the picture has the area's size first.
void DrawingArea::fitPicture() {
  const QSize deviceSize = contentsRect().size() * devicePixelRatioF();
  if (deviceSize == picture_.size()) {
    return;
  }
  QImage resized(deviceSize, QImage::Format_RGB32);
  resized.fill(kBackground);
  QPainter painter(&resized);
  painter.drawImage(0, 0, picture_);
  picture_ = resized;
}
