#include "labelcontrol.h"

#include <QFontMetrics>
#include <QPainter>

LabelControl::LabelControl(QWidget* parent) : QFrame(parent) { setAutoFillBackground(true); }

void LabelControl::setCaption(const QString& caption) {
  if (caption == caption_) {
    return;
  }
  caption_ = caption;
  update();
}

void LabelControl::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.isEmpty()) {
    return;
  }
  const QRect box = contentsRect();
  QFont face = font();
  QFontMetrics metrics(face);
  // The stand-in face runs wider than the face these boxes were sized for: a
  // caption that would be cut off is narrowed just enough to fit instead.
  const int width = metrics.horizontalAdvance(caption_);
  constexpr int kFullStretch = 100;
  if (width > box.width()) {
    face.setStretch(kFullStretch * box.width() / width);
    metrics = QFontMetrics(face);
  }
  QPainter painter(this);
  painter.setFont(face);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(box);
  const int left = box.left() + (box.width() - metrics.horizontalAdvance(caption_)) / 2;
  painter.drawText(QPoint(left, box.top() + metrics.ascent()), caption_);
}
