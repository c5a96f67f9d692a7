#include "labelcontrol.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>

LabelControl::LabelControl(QWidget* parent) : QFrame(parent) {
  setAutoFillBackground(true);
  fitCaption();
}

void LabelControl::setCaption(const QString& caption) {
  if (caption == caption_) {
    return;
  }
  caption_ = caption;
  fitCaption();
  update();
}

// One pixel kept clear inside the border on either side.
QRect LabelControl::captionBox() const { return contentsRect().adjusted(1, 0, -1, 0); }

void LabelControl::fitCaption() {
  // The stand-in face runs wider than the face these boxes were sized for: a
  // caption that would be cut off is narrowed just enough to fit instead.
  constexpr int kFullStretch = 100;
  constexpr int kNarrowest = 50;
  fitted_ = font();
  stretch_ = kFullStretch;
  QFontMetrics metrics(fitted_);
  const int room = captionBox().width();
  while (metrics.horizontalAdvance(caption_) > room && stretch_ > kNarrowest) {
    stretch_ -= 1;
    fitted_.setStretch(stretch_);
    metrics = QFontMetrics(fitted_);
  }
  captionWidth_ = metrics.horizontalAdvance(caption_);
}

void LabelControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    fitCaption();
  }
  QFrame::changeEvent(event);
}

// Also sent when a new frame style changes the contents margins.
void LabelControl::resizeEvent(QResizeEvent* event) {
  fitCaption();
  QFrame::resizeEvent(event);
}

void LabelControl::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.isEmpty()) {
    return;
  }
  const QRect box = captionBox();
  QPainter painter(this);
  painter.setFont(fitted_);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(contentsRect());
  const int left = box.left() + (box.width() - captionWidth_) / 2;
  painter.drawText(QPoint(left, box.top() + QFontMetrics(fitted_).ascent()), caption_);
}
