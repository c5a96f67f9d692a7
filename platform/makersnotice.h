#pragma once

// Ends the caption of every window.
inline constexpr char16_t kMakersNotice[] = u"© 2026 The Vandrel developers";
