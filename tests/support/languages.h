#pragma once

#include <QLocale>

// The languages the tests check the windows in. Translations made for kEnglish
// find none, so the English source texts stand.
inline const QLocale kJapanese(QLocale::Japanese, QLocale::Japan);
inline const QLocale kEnglish = QLocale::c();
