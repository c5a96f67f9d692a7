#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QString>

Translations::Translations(const QLocale& locale) {
  // Compiled in, so a moved or packaged program always finds them.
  const QString directory = QStringLiteral(":/i18n");
  found_ = program_.load(locale, QStringLiteral("vandrel"), QStringLiteral("_"), directory);
  // Where no language matches, the English texts stand: with English's plural
  // forms, or a count would read "1 card(s)".
  if (!found_ && !program_.load(QStringLiteral("vandrel_en"), directory)) {
    return;
  }
  QCoreApplication::installTranslator(&program_);
  if (!found_) {
    return;
  }
  language_ = QLocale(program_.language());
  // Qt's own in the language ours was found in, so that the buttons never
  // speak another language than the windows.
  // Where Qt has none of its own installed (in the browser), the few of its
  // texts Vandrel shows are compiled in beside ours.
  for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), directory}) {
    if (qt_.load(QStringLiteral("qtbase_") + program_.language(), folder)) {
      QCoreApplication::installTranslator(&qt_);
      return;
    }
  }
}

Translations::~Translations() {
  QCoreApplication::removeTranslator(&qt_);
  QCoreApplication::removeTranslator(&program_);
}
