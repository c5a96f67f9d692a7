#pragma once

#include <QString>

// Adds the faces that travel with the program, in `folder`: a browser lends a
// program none of its own, and Windows has not the faces Debian's package uses.
void addBundledFonts(const QString& folder);

// The page's faces, in its disk's /fonts; the gothic face among them is cut
// down to Vandrel's characters, under the name its licence asks of a changed copy.
void addPageFonts();
