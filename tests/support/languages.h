#pragma once

#include <QDir>
#include <QLocale>
#include <QStringList>

// The languages the tests check the windows in. Translations made for kEnglish
// find no language, so the English texts stand, with English's plural forms.
inline const QLocale kJapanese(QLocale::Japanese, QLocale::Japan);
inline const QLocale kEnglish = QLocale::c();

// The languages the build compiles in, as their translations name them ("en",
// "pt_BR"): a table of what each must show has a row for every one of them.
inline QStringList compiledLanguages() {
  QStringList languages;
  for (QString file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vandrel_*.qm")})) {
    languages.append(file.remove(QStringLiteral("vandrel_")).remove(QStringLiteral(".qm")));
  }
  return languages;
}
