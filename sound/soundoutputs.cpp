#include "soundoutputs.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QLoggingCategory>
#include <QStringList>
#include <QTimer>
#include <QWidget>

#include <mutex>

#include "soundoutputs_testing.h"

#ifdef VANDREL_SOUND_BUILT_IN
extern "C" SoundOutputs* vandrelSoundOutputs();
#else
#include <dlfcn.h>

#include <thread>
#endif

Q_DECLARE_LOGGING_CATEGORY(lcCues)

namespace {

QString& namedModule() {
  static QString path;
  return path;
}

#ifdef VANDREL_SOUND_BUILT_IN

SoundOutputs* outputs() { return vandrelSoundOutputs(); }

void loadBesideTheEventLoop() {}

#else

// Beside the program in a build, and in the library folder of an installed
// tree, found from the program's own place so that the tree can move.
QStringList moduleCandidates() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  const QString file = QStringLiteral("libvandrel-sound.so");
  QStringList candidates{
      programFolder + QLatin1Char('/') + file,
      QDir::cleanPath(programFolder + QStringLiteral("/" VANDREL_SOUND_MODULE_FOLDER "/") + file)};
  if (!namedModule().isEmpty()) {
    candidates.prepend(namedModule());
  }
  return candidates;
}

struct Loaded {
  SoundOutputs* outputs = nullptr;
  QString from;
};

// Loads the module once, from whichever thread asks first; a second caller
// waits for that load. Through the C library's loader, not Qt's, whose
// globals the program's end may take away from under a thread.
const Loaded& loadOnce(const QStringList& candidates) {
  static std::once_flag once;
  static Loaded loaded;
  std::call_once(once, [&candidates] {
    for (const QString& candidate : candidates) {
      // Never closed: what it made may outlive any one owner.
      void* module = ::dlopen(QFile::encodeName(candidate).constData(), RTLD_NOW | RTLD_LOCAL);
      using Entry = SoundOutputs* (*)();
      auto entry = module != nullptr
                       ? reinterpret_cast<Entry>(::dlsym(module, "vandrelSoundOutputs"))
                       : nullptr;
      if (entry != nullptr) {
        loaded = {entry(), candidate};
        return;
      }
    }
  });
  return loaded;
}

SoundOutputs* outputs() {
  const QStringList candidates = moduleCandidates();
  const Loaded& loaded = loadOnce(candidates);
  if (loaded.outputs != nullptr) {
    qCDebug(lcCues) << "sound module" << loaded.from;
  } else {
    qCDebug(lcCues) << "no sound module in" << candidates;
  }
  return loaded.outputs;
}

// Loading takes some milliseconds of the first cue's 50; on a thread of its
// own the event loop does not wait for it. The program's end waits for it.
void loadBesideTheEventLoop() {
  static std::thread* loader = nullptr;
  if (loader != nullptr) {
    return;
  }
  loader = new std::thread([candidates = moduleCandidates()] { loadOnce(candidates); });
  qAddPostRoutine([] { loader->join(); });
}

#endif

// Watches a window for its first paint, and once that frame has gone out,
// starts the load and goes.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(QWidget* window) : QObject(window) { window->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      QTimer::singleShot(0, this, [this] {
        loadBesideTheEventLoop();
        deleteLater();
      });
    }
    return false;
  }
};

}  // namespace

void useSoundModule(const QString& path) { namedModule() = path; }

SoundOutputs* soundOutputs() {
  static SoundOutputs* const loaded = outputs();
  return loaded;
}

void loadSoundAfterFirstFrame(QWidget* window) { new FirstPaintWatch(window); }
