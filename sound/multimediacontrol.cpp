#include "multimediacontrol.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QStringList>

#include "soundoutputs.h"

// Silent unless asked for (QT_LOGGING_RULES="vandrel.cues.debug=true"): which
// file each cue resolved to, for checking an installation.
Q_LOGGING_CATEGORY(lcCues, "vandrel.cues", QtWarningMsg)

namespace {

// Cues are short chimes; anything larger is not one and is not loaded.
constexpr qint64 kLargestCue = qint64{4} * 1024 * 1024;
constexpr qint64 kWaveHeaderSize = 44;

// Relative names are looked up in the working directory, then beside the
// program (a desktop menu starts it elsewhere), then in the data folder of an
// installed tree, found from the program's own place so the tree can move.
QStringList searchFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {QDir::currentPath(), programFolder, programFolder + QStringLiteral("/../share/vandrel")};
}

QString resolve(const QString& fileName) {
  if (fileName.isEmpty()) {
    return {};
  }
  if (QFileInfo(fileName).isAbsolute()) {
    return fileName;
  }
  for (const QString& folder : searchFolders()) {
    const QFileInfo candidate(QDir(folder).filePath(fileName));
    if (candidate.isFile()) {
      return candidate.absoluteFilePath();
    }
  }
  return {};
}

// A quick look at the header, so that a file that is not a wave file is never
// handed to the decoder.
bool looksLikeWave(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile() || info.size() < kWaveHeaderSize || info.size() > kLargestCue) {
    return false;
  }
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return false;
  }
  const QByteArray header = file.read(kWaveHeaderSize);
  return header.size() == kWaveHeaderSize && header.startsWith("RIFF") &&
         header.mid(8, 4) == "WAVE";
}

}  // namespace

MultimediaControl::MultimediaControl(QWidget* parent) : QWidget(parent) {
  loadSoundAfterFirstFrame(window());
}

MultimediaControl::~MultimediaControl() = default;

void MultimediaControl::put(int dispId, const QString& value) {
  emit propertyPut(dispId, value);
  if (dispId == kDispIdFileName) {
    fileName_ = value;
  } else if (dispId == kDispIdCommand) {
    runCommand(value);
  }
}

bool MultimediaControl::isSounding() const {
  return !openedPath_.isEmpty() && effect_ != nullptr && effect_->isPlaying();
}

void MultimediaControl::runCommand(const QString& verb) {
  if (verb == QLatin1String("Stop")) {
    if (effect_ != nullptr) {
      effect_->stop();
    }
  } else if (verb == QLatin1String("Close")) {
    if (effect_ != nullptr) {
      effect_->setSource(QString());
    }
    openedPath_.clear();
  } else if (verb == QLatin1String("Open")) {
    open();
  } else if (verb == QLatin1String("Sound") && !openedPath_.isEmpty()) {
    if (effect_ != nullptr) {
      effect_->play();
    }
    emit sounded(openedPath_);
  }
}

void MultimediaControl::open() {
  const QString path = resolve(fileName_);
  if (path.isEmpty() || !looksLikeWave(path)) {
    qCDebug(lcCues) << "no playable file for" << fileName_;
    return;
  }
  qCDebug(lcCues) << "opened" << path;
  openedPath_ = path;
  if (effect_ == nullptr) {
    if (SoundOutputs* outputs = soundOutputs()) {
      effect_ = outputs->newWave();
    }
  }
  if (effect_ != nullptr) {
    effect_->setSource(path);
  }
  emit opened(path);
}
