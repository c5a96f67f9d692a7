#include "controls/glyphtiles.h"

#include <QList>
#include <QPainter>
#include <QPointF>
#include <QRect>

#include <cmath>
#include <cstring>
#include <deque>
#include <limits>

namespace {

// Qt places glyphs in 64ths of a pixel, and draws each at one of a few
// phases within its pixel: the 64ths from a 64th below a quarter up to the
// next quarter look alike, and the last 64th is drawn as the next pixel's
// start. A tile is drawn at its phase's first 64th.
constexpr int kPhases = 64;
constexpr int kDrawnPhases = 4;
constexpr int kPhaseWidth = kPhases / kDrawnPhases;

int quarterStart(int quarter) { return quarter == 0 ? 0 : quarter * kPhaseWidth - 1; }

int drawnPhase(int phase) { return quarterStart((phase + 1) / kPhaseWidth); }

// The smallest rectangle holding every pixel of `picture` that is not `paper`;
// empty when there is none.
QRect inkBounds(const QImage& picture, QRgb paper) {
  int left = picture.width();
  int right = -1;
  int top = picture.height();
  int bottom = -1;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    for (int x = 0; x < picture.width(); ++x) {
      if (row[x] != paper) {
        left = std::min(left, x);
        right = std::max(right, x);
        top = std::min(top, y);
        bottom = std::max(bottom, y);
      }
    }
  }
  return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

}  // namespace

GlyphTiles::GlyphTiles(const QRawFont& face, QColor ink, QColor paper, QImage::Format format)
    : face_(face), ink_(ink), paper_(paper), format_(format) {}

GlyphTiles& GlyphTiles::of(const QRawFont& face, QColor ink, QColor paper, QImage::Format format) {
  // A deque, so that tiles handed out stay where they are as others are added.
  static std::deque<GlyphTiles> kept;
  for (GlyphTiles& tiles : kept) {
    if (tiles.face_ == face && tiles.ink_ == ink && tiles.paper_ == paper &&
        tiles.format_ == format) {
      return tiles;
    }
  }
  return kept.emplace_back(face, ink, paper, format);
}

void GlyphTiles::confirm(bool matches) {
  checked_ = true;
  usable_ = matches;
}

void GlyphTiles::prepare(const QGlyphRun& glyphs) {
  if (glyphs.rawFont() != face_) {
    return;
  }
  for (const quint32 glyph : glyphs.glyphIndexes()) {
    for (int quarter = 0; quarter <= kDrawnPhases; ++quarter) {
      tileFor(glyph, quarterStart(quarter));
    }
  }
}

const GlyphTiles::Tile& GlyphTiles::tileFor(quint32 glyph, int phase) {
  const auto found = tiles_.find({glyph, phase});
  if (found != tiles_.end()) {
    return found->second;
  }
  // One picture for every tile, which keeps Qt's paint engine for it: room
  // around the glyph's cell for ink that reaches past it on any side.
  const int size = static_cast<int>(std::ceil(face_.pixelSize()));
  const int margin = size / 2 + 2;
  if (scratch_.isNull()) {
    scratch_ = QImage(2 * margin + size, 2 * margin + size, format_);
  }
  QImage& drawn = scratch_;
  drawn.fill(paper_);
  const QPoint baseline(margin, margin + size);
  QGlyphRun alone;
  alone.setRawFont(face_);
  alone.setGlyphIndexes({glyph});
  alone.setPositions({QPointF(0, 0)});
  {
    QPainter painter(&drawn);
    painter.setPen(ink_);
    painter.drawGlyphRun(QPointF(baseline) + QPointF(static_cast<qreal>(phase) / kPhases, 0),
                         alone);
  }
  const QRect ink = inkBounds(drawn, paper_.rgba());
  Tile tile;
  if (!ink.isEmpty()) {
    tile.pixels = drawn.copy(ink);
    tile.offset = ink.topLeft() - baseline;
  }
  return tiles_.emplace(std::pair{glyph, phase}, std::move(tile)).first->second;
}

GlyphTiles::Outcome GlyphTiles::draw(const QGlyphRun& line, QPoint origin, QImage& picture) {
  if (!usable_ || picture.format() != format_ || picture.depth() != 32 || line.rawFont() != face_) {
    return Outcome::Blend;
  }
  const QList<quint32> glyphs = line.glyphIndexes();
  const QList<QPointF> positions = line.positions();
  struct Placed {
    const Tile* tile;
    QPoint at;
  };
  QList<Placed> placed;
  placed.reserve(glyphs.size());
  int inkRight = std::numeric_limits<int>::min();
  for (qsizetype i = 0; i < glyphs.size(); ++i) {
    // Where Qt puts the glyph: its position in 64ths, split into the pixel it
    // falls in and the phase within that pixel.
    const int x = qRound((origin.x() + positions[i].x()) * kPhases);
    const int pixel = x >= 0 ? x / kPhases : -((kPhases - 1 - x) / kPhases);
    const int phase = x - pixel * kPhases;
    const int y = origin.y() + qRound(positions[i].y());
    const Tile& tile = tileFor(glyphs[i], drawnPhase(phase));
    if (tile.pixels.isNull()) {
      continue;
    }
    const QPoint at = QPoint(pixel, y) + tile.offset;
    if (at.x() <= inkRight) {
      return Outcome::Blend;
    }
    inkRight = at.x() + tile.pixels.width() - 1;
    placed.append({&tile, at});
  }
  constexpr qsizetype kBytesPerPixel = 4;
  // Rows by their stride: asking the picture for each row checks every time
  // whether it is shared, which cost more than the copying.
  uchar* const rows = picture.bits();
  const qsizetype stride = picture.bytesPerLine();
  for (const Placed& glyph : placed) {
    const QRect onPicture = QRect(glyph.at, glyph.tile->pixels.size()) & picture.rect();
    const QImage& tile = glyph.tile->pixels;
    const qsizetype tileStride = tile.bytesPerLine();
    const qsizetype skipped = onPicture.left() - glyph.at.x();
    const auto bytes = static_cast<std::size_t>(onPicture.width() * kBytesPerPixel);
    const uchar* from =
        tile.constBits() + (onPicture.top() - glyph.at.y()) * tileStride + skipped * kBytesPerPixel;
    uchar* to = rows + onPicture.top() * stride + onPicture.left() * kBytesPerPixel;
    for (int y = onPicture.top(); y <= onPicture.bottom(); ++y) {
      std::memcpy(to, from, bytes);
      from += tileStride;
      to += stride;
    }
  }
  return checked_ || placed.isEmpty() ? Outcome::Copied : Outcome::Unchecked;
}
