#pragma once

#include <QFont>
#include <QFrame>
#include <QImage>
#include <QPointer>
#include <QString>

#include <optional>

#include "controls/numberglyphs.h"

class Announcer;
class QPainter;

// A window label: one line of text centred across the top of an opaque box
// inside a border. It never wraps and never sizes itself to its text. Screen
// readers read it as static text named by its caption, and hear of each change
// of caption, through `announcer` when the window has one.
class LabelControl : public QFrame {
  Q_OBJECT

 public:
  explicit LabelControl(QWidget* parent);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);
  void setAnnouncer(Announcer* announcer);

  // The width the caption is drawn at, in percent of the font's own: below 100
  // where the caption had to be narrowed to fit its box.
  int captionStretch() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void decideBackgroundFill();
  QRect captionBox() const;
  void fitCaption() const;
  void announceCaption();
  void penForCaption(QPainter& painter) const;
  bool drawnFromTiles(QPainter& painter, QPoint start, const QRegion& region);

  QString caption_;
  QString announced_;  // the caption screen readers were last told of
  QPointer<Announcer> announcer_;
  // A repaint is asked for once between two paints, however often the caption
  // changes: a run changes it a thousand times a second, and Qt would merge
  // the requests anyway. A label shown again is painted whole.
  bool repaintAsked_ = false;
  // Worked out once after the caption, the font or the size changes, when the
  // caption is next painted or asked about: not on every paint, and not for
  // captions that come and go between two frames.
  mutable bool fitted_ = false;
  mutable QFont fittedFont_;
  mutable int stretch_ = 100;
  mutable int captionWidth_ = 0;
  mutable int captionAscent_ = 0;
  // A number, laid out from glyphs looked up once for the label's font.
  mutable NumberGlyphs* numberGlyphs_ = nullptr;
  mutable std::optional<NumberGlyphs::Line> numberLine_;
  QImage captionPicture_;  // the caption's box, put together from glyph tiles
  bool tilesPrepareAsked_ = false;
};
