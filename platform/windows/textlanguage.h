#pragma once

#include <QLocale>

#include <string>

// The language the windows' texts are shown in: English (QLocale::c()) until a
// translation of the program is loaded, whatever the system's own locale, so
// that numbers never follow another language than the words around them.
QLocale textLanguage();
void setTextLanguage(const QLocale& language);

// The decimal separator of the text language: "." in English, "," in French.
std::string decimalSeparator();
