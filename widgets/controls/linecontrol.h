#pragma once

#include <QPoint>
#include <QWidget>

// A one-pixel rule drawn on its window's surface, beneath the window's other
// controls; it takes no clicks.
class LineControl : public QWidget {
  Q_OBJECT

 public:
  LineControl(QPoint from, QPoint to, QWidget* parent);

  QPoint from() const { return from_; }
  QPoint to() const { return to_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint from_;
  QPoint to_;
};
