#pragma once

#include <QFont>
#include <QString>

// A font narrowed just enough for a caption to fit its room: the stand-in
// faces run wider than the face the boxes were sized for, and a caption that
// would be cut off is narrowed instead, one percent at a time, to half its
// width at most.
struct NarrowedFont {
  QFont font;
  int stretch = 100;  // in percent of the font's own width
  int width = 0;      // the caption's advance in that font, in pixels
};

NarrowedFont narrowedToFit(const QFont& font, const QString& caption, int room);
