#pragma once

#include <QColor>
#include <QGlyphRun>
#include <QImage>
#include <QPoint>
#include <QRawFont>

#include <map>
#include <utility>

// The glyphs of numbers, each drawn once by Qt in one ink on one opaque paper,
// so that a caption is afterwards put together by copying pixels: blending
// three numbers' glyphs every frame was half of what a run cost. Where no two
// glyphs' inks share a column of pixels, the copies are exactly what Qt draws
// glyph after glyph on that paper.
class GlyphTiles {
 public:
  GlyphTiles(const QRawFont& face, QColor ink, QColor paper, QImage::Format format);
  // The tiles kept for this face, ink, paper and pixel format, for as long as
  // the program runs: a handful over its life.
  static GlyphTiles& of(const QRawFont& face, QColor ink, QColor paper, QImage::Format format);

  enum class Outcome {
    Copied,     // the line is on the picture
    Unchecked,  // the line is on the picture, but the tiles were never compared
    Blend,      // nothing was done: Qt must draw the line
  };
  // Puts `line`, in this face, on `picture`, which is paper wherever the
  // line's ink falls, with the line's baseline starting at `origin`. Qt must
  // draw it instead where two glyphs' inks would share a column and so must
  // be blended one over the other, or where the tiles did not match.
  Outcome draw(const QGlyphRun& line, QPoint origin, QImage& picture);

  // Draws now, rather than when first copied, the tiles of these glyphs at
  // every phase they may stand at.
  void prepare(const QGlyphRun& glyphs);

  // After an unchecked line: whether it matched what Qt drew on the screen
  // itself (which may, for instance, use subpixel antialiasing where a
  // picture does not). If not, the tiles are not used again.
  void confirm(bool matches);

 private:
  // A glyph's ink at one horizontal phase: its bounding box's pixels, which
  // are paper where there is no ink, and where they stand from the pixel the
  // glyph's position falls in.
  struct Tile {
    QImage pixels;
    QPoint offset;
  };
  const Tile& tileFor(quint32 glyph, int phase);

  QRawFont face_;
  QColor ink_;
  QColor paper_;
  QImage::Format format_;
  std::map<std::pair<quint32, int>, Tile> tiles_;  // by glyph and phase in 64ths
  QImage scratch_;  // where each tile is drawn before its ink is cut out
  bool checked_ = false;
  bool usable_ = true;
};
