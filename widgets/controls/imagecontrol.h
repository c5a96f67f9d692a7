#pragma once

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

class Announcer;

// An image control: a stored picture stretched to fill the control, shown or
// hidden as a whole. It takes no clicks and no focus. It starts hidden.
//
// Its visible state is its own, not the widget's: showing a Qt widget asks the
// X server where the mouse is, a round trip that took a hundred microseconds a
// time and would dominate a 1 ms tick. Every image paints opaquely, a hidden
// one its window's background, as images lie on the bare window; the image on
// view comes to the top of its stack, so that images stacked with it are not
// asked to paint at all, and nothing about their stacking changes as they are
// hidden.
class ImageControl : public QWidget {
  Q_OBJECT

 public:
  // `pictureFile` is any picture Qt reads, typically a compiled-in resource.
  // It is read and stretched once, just after the window's first frame, with
  // those of the images beside it, so that neither the start nor a tick waits
  // for it; or when first shown, if that comes sooner.
  ImageControl(const QString& pictureFile, const QRect& place, QWidget* parent);

  bool isShown() const { return shown_; }
  void setShown(bool shown);
  // Screen readers hear of a change of the visible state through `announcer`.
  void setAnnouncer(Announcer* announcer);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void announceShown();
  void prepare();
  void prepareAfterThisFrame();

  QString pictureFile_;
  QPixmap stretched_;  // prepared once: painting only copies it out
  bool prepared_ = false;
  bool prepareAsked_ = false;
  bool shown_ = false;
  bool announcedShown_ = false;
  QPointer<Announcer> announcer_;
};
