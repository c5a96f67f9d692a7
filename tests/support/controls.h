#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>

#include "controls/imagecontrol.h"
#include "controls/labelcontrol.h"
#include "timing/timercontrol.h"

// A window's control by name; a name that is not there ends the run at once,
// with the name, rather than crashing later on a null pointer.
template <typename Control>
Control* controlOf(const QWidget* window, const char* name) {
  auto* control = window->findChild<Control*>(QLatin1String(name));
  if (control == nullptr) {
    qFatal("%s has no control %s", window->metaObject()->className(), name);
  }
  return control;
}

inline QPushButton* buttonOf(const QWidget* window, const char* name) {
  return controlOf<QPushButton>(window, name);
}

inline QString captionOf(const QWidget* window, const char* name) {
  return controlOf<LabelControl>(window, name)->caption();
}

inline TimerControl* timerOf(const QWidget* form) {
  return controlOf<TimerControl>(form, "Timer1");
}

// Member `index` (1-52) of the main window's card image array.
inline ImageControl* cardOf(const QWidget* form, int index) {
  return controlOf<ImageControl>(form, qPrintable(QStringLiteral("fudaban%1").arg(index)));
}
