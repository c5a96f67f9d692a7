#include "waveeffect.h"

#include <QUrl>

void WaveEffect::setSource(const QString& path) {
  effect_.setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}
