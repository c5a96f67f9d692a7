#include "controls/plainbitmap.h"

#include <QtEndian>

#include <cstdlib>

namespace {

constexpr qsizetype kFileHeader = 14;
constexpr qsizetype kInfoHeader = 40;
constexpr int kLargest = 16384;  // pixels a side; past it, not a picture of ours

// A little-endian word of the headers, byte by byte: through at(), which the
// compiler does not mistake for a read of an empty array's one byte.
template <typename T>
T word(const QByteArray& file, qsizetype at) {
  quint32 value = 0;
  for (auto i = static_cast<qsizetype>(sizeof(T)); i-- > 0;) {
    value = (value << 8U) | static_cast<uchar>(file.at(at + i));
  }
  return static_cast<T>(value);
}

}  // namespace

QImage readPlainBitmap(const QByteArray& file) {
  if (file.size() < kFileHeader + kInfoHeader || !file.startsWith("BM")) {
    return {};
  }
  const auto pixelsAt = static_cast<qsizetype>(word<quint32>(file, 10));
  const auto infoSize = word<quint32>(file, 14);
  const auto width = word<qint32>(file, 18);
  const auto height = word<qint32>(file, 22);
  const bool plain = infoSize >= kInfoHeader && word<quint16>(file, 26) == 1 &&
                     word<quint16>(file, 28) == 24 && word<quint32>(file, 30) == 0;
  if (!plain || width <= 0 || width > kLargest || height == 0 || std::abs(height) > kLargest) {
    return {};
  }
  const int rows = std::abs(height);
  const qsizetype stride = (static_cast<qsizetype>(width) * 3 + 3) & ~qsizetype{3};
  if (pixelsAt < kFileHeader + kInfoHeader || pixelsAt > file.size() ||
      (file.size() - pixelsAt) / stride < rows) {
    return {};
  }
  QImage picture(width, rows, QImage::Format_RGB32);
  uchar* const top = picture.bits();
  const qsizetype lineBytes = picture.bytesPerLine();
  const auto* bgr = reinterpret_cast<const uchar*>(file.constData() + pixelsAt);
  for (int row = 0; row < rows; ++row, bgr += stride) {
    // A positive height stores the bottom row first.
    const int y = height > 0 ? rows - 1 - row : row;
    auto* line = reinterpret_cast<QRgb*>(top + y * lineBytes);
    const uchar* const last = bgr + 3 * qsizetype{width - 1};
    // Blue, green, red and the next byte, read as one little-endian word, are
    // the pixel with the next byte in place of the opaque alpha; the last
    // pixel of a row, which may end the file, is read byte by byte.
    for (const uchar* pixel = bgr; pixel < last; pixel += 3) {
      *line++ = qFromLittleEndian<quint32>(pixel) | 0xFF000000U;
    }
    *line = qRgb(last[2], last[1], last[0]);
  }
  return picture;
}
