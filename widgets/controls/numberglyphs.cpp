#include "controls/numberglyphs.h"

#include <QList>
#include <QPointF>
#include <QTextLayout>

#include <map>

namespace {

// Where a character's glyph is kept, or -1 for a character not kept.
int slotOf(QChar character) {
  return static_cast<int>(QStringView(NumberGlyphs::kCharacters).indexOf(character));
}

}  // namespace

NumberGlyphs& NumberGlyphs::of(const QFont& font) {
  // A handful of fonts over the program's life; kept, like Qt's own glyph
  // caches, where labels may hold on to them.
  static std::map<QString, NumberGlyphs> kept;
  return kept.try_emplace(font.key(), font).first->second;
}

const NumberGlyphs::Glyph* NumberGlyphs::glyphFor(QChar character) {
  const int slot = slotOf(character);
  if (slot < 0) {
    return nullptr;
  }
  Glyph& glyph = glyphs_.at(static_cast<std::size_t>(slot));
  if (!glyph.looked) {
    glyph.looked = true;
    // Shaped once, alone, as Qt shapes any text.
    QTextLayout layout(QString(character), font_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    if (runs.size() == 1 && runs.front().glyphIndexes().size() == 1) {
      const QRawFont face = runs.front().rawFont();
      if (!face_.isValid()) {
        face_ = face;
      }
      glyph.usable = face == face_;
      glyph.index = runs.front().glyphIndexes().front();
      glyph.advance = line.horizontalAdvance();
    }
  }
  return glyph.usable ? &glyph : nullptr;
}

std::optional<NumberGlyphs::Line> NumberGlyphs::layOut(const QString& caption) {
  QList<quint32> indexes;
  QList<QPointF> positions;
  indexes.reserve(caption.size());
  positions.reserve(caption.size());
  qreal x = 0;
  for (const QChar character : caption) {
    const Glyph* glyph = glyphFor(character);
    if (glyph == nullptr) {
      return std::nullopt;
    }
    indexes.append(glyph->index);
    positions.append(QPointF(x, 0));
    x += glyph->advance;
  }
  Line line;
  line.glyphs.setRawFont(face_);
  line.glyphs.setGlyphIndexes(indexes);
  line.glyphs.setPositions(positions);
  line.advance = x;
  return line;
}
