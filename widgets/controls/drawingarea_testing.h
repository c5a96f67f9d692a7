#pragma once

#include <QImage>
#include <QPoint>
#include <QPointF>

#include "controls/drawingarea.h"

// The tests' way into a drawing area: the picture it keeps, pixel for pixel,
// and where a point of its user scale falls. Nothing in the program uses it.
class DrawingAreaTesting {
 public:
  // The picture in device pixels.
  static const QImage& picture(DrawingArea& area) {
    area.fitPicture();
    return area.picture_;
  }
  static QPoint toDevice(const DrawingArea& area, QPointF at) { return area.toDevice(at); }
};
