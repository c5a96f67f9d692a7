#include <QtGlobal>

#include "sinktone.h"
#include "soundoutputs.h"
#include "waveeffect.h"

namespace {

class MultimediaOutputs : public SoundOutputs {
 public:
  std::unique_ptr<WaveOutput> newWave() override { return std::make_unique<WaveEffect>(); }
  std::unique_ptr<ToneOutput> newTone() override { return std::make_unique<SinkTone>(); }
};

}  // namespace

#ifdef VANDREL_SOUND_BUILT_IN
#define VANDREL_SOUND_ENTRY
#else
#define VANDREL_SOUND_ENTRY Q_DECL_EXPORT
#endif

// The module's one entry, looked up by name when it is loaded.
extern "C" VANDREL_SOUND_ENTRY SoundOutputs* vandrelSoundOutputs() {
  static MultimediaOutputs outputs;
  return &outputs;
}
