#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts, and Qt's own (the message box's button), in the first of
// the locale's UI languages that has them, installed for as long as this
// lives. With none found the English source texts stand, byte for byte. The
// numbers follow the language the texts were found in (its decimal separator).
class Translations {
 public:
  explicit Translations(const QLocale& locale = QLocale::system());
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The program's own texts were found for the locale.
  bool loaded() const { return !program_.isEmpty(); }

 private:
  QTranslator program_;
  QTranslator qt_;
  QLocale before_;  // the text language to return to
};
