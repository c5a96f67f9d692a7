#include "platformchoice.h"

#include <QtGlobal>

#if defined(VANDREL_HAVE_XCB)
#include <xcb/xcb.h>
#endif

SessionEnvironment SessionEnvironment::current() {
  return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE"),
          qgetenv("DISPLAY")};
}

QByteArray choosePlatform(const SessionEnvironment& environment,
                          const std::function<bool(const QByteArray& display)>& xServerAnswers) {
  if (!environment.qpaPlatform.isEmpty()) {
    return {};
  }
  const bool wayland =
      !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
  if (wayland && !environment.display.isEmpty() && xServerAnswers(environment.display)) {
    return QByteArrayLiteral("xcb");
  }
  return {};
}

bool xServerAnswers(const QByteArray& display) {
#if defined(VANDREL_HAVE_XCB)
  // The same library Qt's X11 plugin connects with, so the answer is the one it would get.
  xcb_connection_t* connection = xcb_connect(display.constData(), nullptr);
  const bool answers = xcb_connection_has_error(connection) == 0;
  xcb_disconnect(connection);
  return answers;
#else
  Q_UNUSED(display);
  return false;
#endif
}

void configurePlatform() {
  const QByteArray platform = choosePlatform(SessionEnvironment::current(), xServerAnswers);
  if (!platform.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", platform);
  }
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
    qputenv("QT_XCB_NO_MITSHM", "1");
  }
  if (!qEnvironmentVariableIsSet("QT_NO_GLIB")) {
    qputenv("QT_NO_GLIB", "1");
  }
}
