#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QString>

// A picture box: a white surface inside a sunken border that keeps what is drawn
// on it. Drawing goes into a backing image at the screen's pixel density, and
// painting only copies that image out, so the picture survives being covered,
// minimised or moved, and nothing is drawn except by the calls below.
//
// Coordinates are in a user scale whose origin is the inner top-left corner:
// twips by default, or setUserScale(width, height) units across and down.
// Drawing the same thing twice leaves the same pixels: lines are not
// antialiased, and text is laid with a per-channel minimum, so a window that
// redraws over its own picture never darkens or thickens it. Screen readers
// read it as a picture, by the name and description the window gives it.
class DrawingArea : public QFrame {
  Q_OBJECT

 public:
  explicit DrawingArea(QWidget* parent);

  void setUserScale(double width, double height);

  // The straight line from `from` to `to`; `to` becomes the current position.
  void line(QPointF from, QPointF to, const QColor& colour);
  // The straight line from the current position to `to`, which becomes current.
  void lineTo(QPointF to, const QColor& colour);
  // One point, which becomes the current position.
  void point(QPointF at, const QColor& colour);

  void setCurrentX(double x) { current_.setX(x); }
  void setCurrentY(double y) { current_.setY(y); }

  // Writes `text` with its top-left corner at the current position, in the
  // area's font and text colour, then ends the line: back to x = 0, one text
  // line down. Text is cut off at the edge, never wrapped. Returns the device
  // pixels its advance takes from where it starts, as `printed` tells.
  QRect print(const QString& text);

  // Erases everything; the current position returns to (0, 0).
  void clear();

 signals:
  // Each text output, as print() received it, and the device pixels its
  // advance takes from where it starts: ending past the picture's right edge,
  // it was cut.
  void printed(const QString& text, const QRect& extent);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  friend class DrawingAreaTesting;  // the picture, pixel for pixel, for the tests

  void fitPicture();
  // The device pixel a point of the user scale falls on.
  QPoint toDevice(QPointF at) const;
  QSizeF scaleSize() const;
  double devicePixelsPerUnitX() const;
  double devicePixelsPerUnitY() const;
  int penWidth() const;

  QImage picture_;
  QPointF current_;
  QSizeF userScale_;  // empty: twips
};
