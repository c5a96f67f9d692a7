#pragma once

#include <QCoreApplication>
#include <QString>

// Ends the caption of every window.
inline QString makersNotice() {
  return QCoreApplication::translate("Vandrel", "© 2026 The Vandrel developers");
}
