#include "textlanguage.h"

namespace {

QLocale& current() {
  static QLocale language = QLocale::c();
  return language;
}

}  // namespace

QLocale textLanguage() { return current(); }

void setTextLanguage(const QLocale& language) { current() = language; }

std::string decimalSeparator() { return current().decimalPoint().toStdString(); }
