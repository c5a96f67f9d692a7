#pragma once

class QFont;

// The windows' Japanese proportional gothic face, at the three sizes the
// windows use. The face itself is not on Linux; IPAPGothic stands in for it.
enum class GothicSize {
  Small,   // 11.25 pt, 15 px
  Medium,  // 12 pt, 16 px
  Large,   // 15.75 pt, 21 px
};

QFont gothicFont(GothicSize size, bool bold);
