#include "waylandstacking.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

void WaylandStacking::keepOver(QWidget* window, QWidget* main) {
  if (main == nullptr || QGuiApplication::platformName() != QLatin1String("wayland")) {
    return;
  }
  if (main != main_) {
    main_ = main;
    main->installEventFilter(this);
  }
  window->winId();
  main->winId();
  window->windowHandle()->setTransientParent(main->windowHandle());
}

// Qt lets a window that is transient for another end with it: when the main
// window is closed first, the graph or the help stays and keeps the program
// running, as on X.
bool WaylandStacking::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close && main_ != nullptr) {
    const QWindow* mainWindow = main_->windowHandle();
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
      if (mainWindow != nullptr && window->transientParent() == mainWindow) {
        window->setTransientParent(nullptr);
      }
    }
  }
  return QObject::eventFilter(watched, event);
}
