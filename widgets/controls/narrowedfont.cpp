#include "controls/narrowedfont.h"

#include <QFontMetrics>

namespace {

constexpr int kFullStretch = 100;
constexpr int kNarrowest = 50;

}  // namespace

NarrowedFont narrowedToFit(const QFont& font, const QString& caption, int room) {
  NarrowedFont fitted{font, kFullStretch, QFontMetrics(font).horizontalAdvance(caption)};
  while (fitted.width > room && fitted.stretch > kNarrowest) {
    fitted.stretch -= 1;
    fitted.font.setStretch(fitted.stretch);
    fitted.width = QFontMetrics(fitted.font).horizontalAdvance(caption);
  }
  return fitted;
}
