#include "controls/gothicfont.h"

#include <QFont>
#include <QLocale>
#include <QStringList>

namespace {

// IPAPGothic has no Hangul and lacks many simplified Chinese characters, and
// draws the rest of a Chinese text in Japanese forms. It draws Cyrillic
// full-width, as Japanese text sets it, and lacks Ukrainian's і, ї and є,
// Turkish's ğ and ı, and most of Vietnamese's stacked accents. For those
// languages a face made for their script draws the whole text, so that a line
// never mixes two designs; IPAPGothic stands behind it for anything it lacks.
// Cyrillic words run long: Liberation Sans, narrower than DejaVu Sans, keeps them
// in the buttons and boxes sized for Japanese.
QStringList familiesFor(const QLocale& language) {
  const QString standIn = QStringLiteral("IPAPGothic");
  switch (language.language()) {
    case QLocale::Chinese:
    case QLocale::Korean:
      return {QStringLiteral("WenQuanYi Micro Hei"), standIn};
    case QLocale::Russian:
    case QLocale::Ukrainian:
      return {QStringLiteral("Liberation Sans"), standIn};
    case QLocale::Turkish:
    case QLocale::Vietnamese:
      return {QStringLiteral("DejaVu Sans"), standIn};
    default:
#if defined(Q_OS_WIN)
      // The windows' own face, where Windows has it, by its Japanese name and
      // by its English one; elsewhere the stand-in that travels with the program.
      return {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"), standIn};
#else
      return {standIn};
#endif
  }
}

}  // namespace

QFont gothicFont(GothicSize size, bool bold, const QLocale& language) {
  // Sizes in pixels, not points: the layouts are fixed in pixels at 96 dpi, and
  // a screen reporting another dpi must not grow the text out of its boxes.
  constexpr int kDefault = 12;
  constexpr int kSmall = 15;
  constexpr int kMedium = 16;
  constexpr int kLarge = 21;
  QFont font;
  // Asked for by its own name, "ＭＳ Ｐゴシック" is answered by fontconfig with
  // whatever default sans face it has, so the stand-in is named directly.
  font.setFamilies(familiesFor(language));
  font.setStyleHint(QFont::SansSerif);
  switch (size) {
    case GothicSize::Default:
      font.setPixelSize(kDefault);
      break;
    case GothicSize::Small:
      font.setPixelSize(kSmall);
      break;
    case GothicSize::Medium:
      font.setPixelSize(kMedium);
      break;
    case GothicSize::Large:
      font.setPixelSize(kLarge);
      break;
  }
  font.setWeight(bold ? QFont::Bold : QFont::Normal);
  return font;
}
