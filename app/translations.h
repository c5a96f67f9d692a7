#pragma once

#include <QLocale>
#include <QTranslator>

// The program's texts, and Qt's own (the message box's button), in the first of
// the locale's UI languages that has them, installed for as long as this
// lives. English is one of them: its translation holds only the plural forms of
// the texts with a count ("1 card", "2 cards"), the rest stand as written. With
// no language found the English texts stand all the same. The numbers and the
// face follow the language the texts were found in, which the windows are given.
class Translations {
 public:
  explicit Translations(const QLocale& locale = QLocale::system());
  ~Translations();
  Translations(const Translations&) = delete;
  Translations& operator=(const Translations&) = delete;

  // The program's own texts were found for one of the locale's UI languages,
  // English included; false when the English ones stand for want of any.
  bool loaded() const { return found_; }
  // The language the texts were found in; QLocale::c() when none was.
  const QLocale& language() const { return language_; }

 private:
  bool found_ = false;
  QTranslator program_;
  QTranslator qt_;
  QLocale language_ = QLocale::c();
};
