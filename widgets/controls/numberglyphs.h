#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QRawFont>
#include <QString>

#include <array>
#include <optional>

// A number laid out from glyphs looked up once per font, instead of shaped
// again for every caption: a run writes three numbers a frame. Digits, the
// space and the decimal signs "." and "," only, whose glyphs stand side by
// side at their own advances in the faces the program draws with.
class NumberGlyphs {
 public:
  explicit NumberGlyphs(const QFont& font) : font_(font) {}
  // The one kept for `font`, shared by every label drawn in it, for as long
  // as the program runs.
  static NumberGlyphs& of(const QFont& font);

  // Every character a number laid out here may have.
  static constexpr char16_t kCharacters[] = u"0123456789 .,";

  struct Line {
    QGlyphRun glyphs;  // placed from the line's start on its baseline
    qreal advance = 0;
  };
  // Nothing where the caption has another character, or its characters come
  // from more than one face: such a caption is shaped as any text is.
  std::optional<Line> layOut(const QString& caption);

 private:
  struct Glyph {
    bool looked = false;
    bool usable = false;
    quint32 index = 0;
    qreal advance = 0;
  };
  const Glyph* glyphFor(QChar character);

  QFont font_;
  QRawFont face_;
  std::array<Glyph, std::size(kCharacters) - 1> glyphs_{};  // by place in kCharacters
};
