#include "cueplayer.h"

#include <QString>

#include "multimediacontrol.h"

void playCue(MultimediaControl& control, const QString& fileName) {
  control.put(MultimediaControl::kDispIdCommand, QStringLiteral("Stop"));
  control.put(MultimediaControl::kDispIdCommand, QStringLiteral("Close"));
  control.put(MultimediaControl::kDispIdFileName, fileName);
  control.put(MultimediaControl::kDispIdCommand, QStringLiteral("Open"));
  control.put(MultimediaControl::kDispIdCommand, QStringLiteral("Sound"));
}
