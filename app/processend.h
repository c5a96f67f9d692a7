#pragma once

// Ends the process once the program's windows are gone. Library teardown is
// skipped: Qt Multimedia's PulseAudio engine can abort in its own static
// destructor when a cue has just started (as the exit cue has), racing a
// device query on its mainloop thread.
[[noreturn]] void endProcess(int code);
