#pragma once

class QFont;
class QLocale;

// The windows' Japanese proportional gothic face, at the four sizes the
// windows use. The face itself is not on Linux; IPAPGothic stands in for it,
// and for Chinese and Korean texts a face that has their script.
enum class GothicSize {
  Default,  // 9 pt, 12 px: the desktop's own text, for controls with no font of their own
  Small,    // 11.25 pt, 15 px
  Medium,   // 12 pt, 16 px
  Large,    // 15.75 pt, 21 px
};

// The face for texts in `language`, the language the windows' texts are shown in.
QFont gothicFont(GothicSize size, bool bold, const QLocale& language);
