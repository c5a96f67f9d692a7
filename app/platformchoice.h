#pragma once

#include <QByteArray>

#include <functional>

// What start-up reads of the desktop session to choose the window system by.
struct SessionEnvironment {
  QByteArray qpaPlatform;     // QT_QPA_PLATFORM: the user's own choice, which always wins
  QByteArray waylandDisplay;  // WAYLAND_DISPLAY
  QByteArray sessionType;     // XDG_SESSION_TYPE
  QByteArray display;         // DISPLAY: an X server, Xwayland in a Wayland session

  static SessionEnvironment current();
};

// The platform to ask Qt for, or empty to leave Qt's own choice alone. A
// Wayland client cannot place its windows, so in a Wayland session where an X
// server answers too (Xwayland) the program runs on X, where its windows keep
// their places. `xServerAnswers` is asked only when that is in question.
QByteArray choosePlatform(const SessionEnvironment& environment,
                          const std::function<bool(const QByteArray& display)>& xServerAnswers);

// Whether an X server accepts a connection on `display`.
bool xServerAnswers(const QByteArray& display);

// Settings the window system is read with, made before the application object
// exists. In a Wayland session with Xwayland the program runs on X, where its
// windows keep their places (choosePlatform). Our repaints are small and come
// sixty times a second while cards flip: sent through the X connection they
// cost the program a third less CPU than through shared memory, whose every
// frame the X server must confirm. Qt's own event loop runs, not GLib's: a run
// wakes the program some 250 times a second, and GLib's turns would add a tenth
// to a run's instructions. A user's own setting wins, for each.
void configurePlatform();
