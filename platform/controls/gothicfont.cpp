#include "gothicfont.h"

#include <QFont>

QFont gothicFont(GothicSize size, bool bold) {
  // Sizes in pixels, not points: the layouts are fixed in pixels at 96 dpi, and
  // a screen reporting another dpi must not grow the text out of its boxes.
  constexpr int kDefault = 12;
  constexpr int kSmall = 15;
  constexpr int kMedium = 16;
  constexpr int kLarge = 21;
  QFont font;
  // Asked for by its own name, "ＭＳ Ｐゴシック" is answered by fontconfig with
  // whatever default sans face it has, so the stand-in is named directly.
  font.setFamily(QStringLiteral("IPAPGothic"));
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
