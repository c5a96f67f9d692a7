#include "controls/linecontrol.h"

#include <QPainter>

LineControl::LineControl(QPoint from, QPoint to, QWidget* parent)
    : QWidget(parent), from_(from), to_(to) {
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setGeometry(QRect(from, to).normalized().adjusted(0, 0, 1, 1));
  lower();
}

void LineControl::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawLine(from_ - pos(), to_ - pos());
}
