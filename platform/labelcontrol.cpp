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
  // One pixel kept clear inside the border on either side.
  const QRect box = contentsRect().adjusted(1, 0, -1, 0);
  QFont face = font();
  QFontMetrics metrics(face);
  // The stand-in face runs wider than the face these boxes were sized for: a
  // caption that would be cut off is narrowed just enough to fit instead.
  constexpr int kFullStretch = 100;
  constexpr int kNarrowest = 50;
  int stretch = kFullStretch;
  while (metrics.horizontalAdvance(caption_) > box.width() && stretch > kNarrowest) {
    stretch -= 1;
    face.setStretch(stretch);
    metrics = QFontMetrics(face);
  }
  QPainter painter(this);
  painter.setFont(face);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(contentsRect());
  const int left = box.left() + (box.width() - metrics.horizontalAdvance(caption_)) / 2;
  painter.drawText(QPoint(left, box.top() + metrics.ascent()), caption_);
}
