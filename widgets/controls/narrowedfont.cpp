#include "controls/narrowedfont.h"

#include <QFontMetrics>

#include <algorithm>
#include <utility>

namespace {

constexpr int kFullStretch = 100;
constexpr int kNarrowest = 50;

NarrowedFont narrowedTo(const QFont& font, const QString& caption, int stretch) {
  QFont narrowed = font;
  narrowed.setStretch(stretch);
  return {narrowed, stretch, QFontMetrics(narrowed).horizontalAdvance(caption)};
}

}  // namespace

NarrowedFont narrowedToFit(const QFont& font, const QString& caption, int room) {
  NarrowedFont full{font, kFullStretch, QFontMetrics(font).horizontalAdvance(caption)};
  if (full.width <= room) {
    return full;
  }
  // Each stretch measured loads a face of its own, at a cost of milliseconds:
  // start where the advances, which shrink with the stretch, would just fit,
  // rounded up, as the advances are rounded, and step one percent from there.
  // Most captions then take two measures, the one that fits and the one above.
  const int width = std::max(full.width, 1);
  const int guess =
      std::clamp((kFullStretch * room + width - 1) / width, kNarrowest, kFullStretch - 1);
  NarrowedFont fitted = narrowedTo(font, caption, guess);
  if (fitted.width > room) {
    while (fitted.width > room && fitted.stretch > kNarrowest) {
      fitted = narrowedTo(font, caption, fitted.stretch - 1);
    }
    return fitted;
  }
  while (fitted.stretch < kFullStretch - 1) {
    NarrowedFont wider = narrowedTo(font, caption, fitted.stretch + 1);
    if (wider.width > room) {
      break;
    }
    fitted = std::move(wider);
  }
  return fitted;
}
