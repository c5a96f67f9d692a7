#pragma once

class MultimediaControl;
class QString;

inline constexpr const char* kPinponCue = "pinpon.wav";
inline constexpr const char* kEndPinponCue = "endpinpon.wav";

// Stops and closes whatever the control has open, then names, opens and sounds
// the cue. Returns as soon as the sound has started.
void playCue(MultimediaControl& control, const QString& fileName);
