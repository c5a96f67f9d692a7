#pragma once

#include <QByteArray>
#include <QImage>

// The picture in a plain Windows bitmap file, the form the card faces are
// stored in: 24 bits a pixel, uncompressed, rows bottom-up or top-down. Read
// directly, at a fraction of the cost of Qt's general reader, which weighed on
// every start. Any other file, or one cut short, gives a null image.
QImage readPlainBitmap(const QByteArray& file);
