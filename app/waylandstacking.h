#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

// Keeps the graph and the help over the main window where a Wayland compositor
// places windows: it stacks and places them by the main window, where they
// would otherwise go anywhere. On X their places are their own, and Qt tells
// the window manager nothing of it, so there the windows stay unrelated.
class WaylandStacking : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Stacks `window` over `main`, on Wayland alone.
  void keepOver(QWidget* window, QWidget* main);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPointer<QWidget> main_;
};
