#pragma once

#include <QImage>
#include <QWidget>

// An image control: a stored picture stretched to fill the control, shown or
// hidden as a whole. It takes no clicks and no focus.
//
// Its visible state is its own, not the widget's: showing a Qt widget asks the
// X server where the mouse is, a round trip that took a hundred microseconds a
// time and would dominate a 1 ms tick. A hidden image simply paints nothing
// and lets what lies beneath show through.
class ImageControl : public QWidget {
  Q_OBJECT

 public:
  ImageControl(const QImage& picture, const QRect& place, QWidget* parent);

  bool isShown() const { return shown_; }
  void setShown(bool shown);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage stretched_;
  bool shown_ = true;
};
