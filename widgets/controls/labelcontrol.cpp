#include "controls/labelcontrol.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QTimer>
#include <QTransform>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletext.h"
#include "accessibility/announcer.h"
#include "controls/glyphtiles.h"
#include "controls/narrowedfont.h"

namespace {

// A label is read by its caption, as text.
QAccessibleInterface* accessibleLabel(const QString& className, QObject* object) {
  if (className != QLatin1String("LabelControl")) {
    return nullptr;
  }
  auto* label = static_cast<LabelControl*>(object);
  return new AccessibleText(label, QAccessible::StaticText, [label] { return label->caption(); });
}

}  // namespace

LabelControl::LabelControl(QWidget* parent) : QFrame(parent) {
  setAutoFillBackground(true);
  decideBackgroundFill();
  installAccessibleFactory(accessibleLabel);
}

// Qt would fill the background with a painter of its own before the label's
// painter draws the caption: for three labels a frame, that was a tenth of a
// run. A plain colour the label fills itself; other backgrounds Qt fills, as
// it tiles a pattern its own way.
void LabelControl::decideBackgroundFill() {
  const QBrush& background = palette().brush(backgroundRole());
  setAttribute(Qt::WA_OpaquePaintEvent,
               background.style() == Qt::SolidPattern && background.isOpaque());
}

void LabelControl::setCaption(const QString& caption) {
  if (caption == caption_) {
    return;
  }
  caption_ = caption;
  fitted_ = false;
  if (!repaintAsked_) {
    repaintAsked_ = true;
    // Only the inside changes: the border keeps its pixels.
    update(contentsRect());
  }
  Announcer::announce(announcer_, this, [this] { announceCaption(); });
}

void LabelControl::setAnnouncer(Announcer* announcer) { announcer_ = announcer; }

void LabelControl::announceCaption() {
  if (announced_ == caption_) {
    return;
  }
  QAccessibleEvent nameChanged(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&nameChanged);
  QAccessibleTextUpdateEvent textChanged(this, 0, announced_, caption_);
  QAccessible::updateAccessibility(&textChanged);
  announced_ = caption_;
}

// One pixel kept clear inside the border on either side.
QRect LabelControl::captionBox() const { return contentsRect().adjusted(1, 0, -1, 0); }

int LabelControl::captionStretch() const {
  fitCaption();
  return stretch_;
}

void LabelControl::fitCaption() const {
  if (fitted_) {
    return;
  }
  fitted_ = true;
  const int room = captionBox().width();
  if (numberGlyphs_ == nullptr) {
    numberGlyphs_ = &NumberGlyphs::of(font());
  }
  numberLine_ = numberGlyphs_->layOut(caption_);
  if (numberLine_ && qRound(numberLine_->advance) <= room) {
    fittedFont_ = font();
    stretch_ = 100;
    captionWidth_ = qRound(numberLine_->advance);
  } else {
    numberLine_.reset();
    const NarrowedFont fitted = narrowedToFit(font(), caption_, room);
    fittedFont_ = fitted.font;
    stretch_ = fitted.stretch;
    captionWidth_ = fitted.width;
  }
  captionAscent_ = QFontMetrics(fittedFont_).ascent();
}

void LabelControl::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange) {
    fitted_ = false;
    numberGlyphs_ = nullptr;
  } else if (event->type() == QEvent::PaletteChange) {
    decideBackgroundFill();
  }
  QFrame::changeEvent(event);
}

// Also sent when a new frame style changes the contents margins.
void LabelControl::resizeEvent(QResizeEvent* event) {
  fitted_ = false;
  QFrame::resizeEvent(event);
}

void LabelControl::paintEvent(QPaintEvent* event) {
  repaintAsked_ = false;
  QPainter painter(this);
  const QRect contents = contentsRect();
  // Filled once, and not at all under a caption copied whole from tiles.
  bool filled = !testAttribute(Qt::WA_OpaquePaintEvent);
  const auto fillBackground = [&] {
    if (!filled) {
      painter.fillRect(event->rect(), palette().brush(backgroundRole()));
      filled = true;
    }
  };
  if (!contents.contains(event->rect())) {
    fillBackground();
    drawFrame(&painter);
  }
  if (caption_.isEmpty()) {
    fillBackground();
    return;
  }
  fitCaption();
  const QRect box = captionBox();
  const QPoint start(box.left() + (box.width() - captionWidth_) / 2, box.top() + captionAscent_);
  if (numberLine_ && drawnFromTiles(painter, start, event->region())) {
    return;
  }
  fillBackground();
  penForCaption(painter);
  if (numberLine_) {
    painter.drawGlyphRun(start, numberLine_->glyphs);
  } else {
    painter.setFont(fittedFont_);
    painter.drawText(start, caption_);
  }
}

// For Qt's drawing of the caption; a picture of the box needs neither.
void LabelControl::penForCaption(QPainter& painter) const {
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(contentsRect());
}

bool LabelControl::drawnFromTiles(QPainter& painter, QPoint start, const QRegion& region) {
  // Tiles stand for what Qt would blend into the pixels it paints on, so only
  // where it paints into an image one for one, as raster backing stores and
  // pixmaps do, over the plain background the label fills itself.
  const QBrush& background = palette().brush(backgroundRole());
  const QPaintDevice* device = painter.paintEngine()->paintDevice();
  const QTransform toDevice = painter.deviceTransform();
  if (!testAttribute(Qt::WA_OpaquePaintEvent) || device == nullptr ||
      device->devType() != QInternal::Image || toDevice.type() > QTransform::TxTranslate) {
    return false;
  }
  const auto* screen = static_cast<const QImage*>(device);
  if (screen->format() != QImage::Format_RGB32 &&
      screen->format() != QImage::Format_ARGB32_Premultiplied) {
    return false;
  }
  const QGlyphRun& glyphs = numberLine_->glyphs;
  GlyphTiles& tiles = GlyphTiles::of(glyphs.rawFont(), palette().color(QPalette::WindowText),
                                     background.color(), screen->format());
  if (!tilesPrepareAsked_) {
    // Qt draws the first caption, and once that frame has gone out the tiles
    // of every character a number may have are drawn, so that neither the
    // start nor a run waits for them.
    tilesPrepareAsked_ = true;
    QTimer::singleShot(0, this, [&tiles, glyphs = numberGlyphs_] {
      if (const auto line = glyphs->layOut(QStringView(NumberGlyphs::kCharacters).toString())) {
        tiles.prepare(line->glyphs);
      }
    });
    return false;
  }
  const QRect box = contentsRect();
  if (captionPicture_.size() != box.size() || captionPicture_.format() != screen->format()) {
    captionPicture_ = QImage(box.size(), screen->format());
  }
  captionPicture_.fill(background.color().rgba());  // opaque: the same pixel in either format
  switch (tiles.draw(glyphs, start - box.topLeft(), captionPicture_)) {
    case GlyphTiles::Outcome::Blend:
      return false;
    case GlyphTiles::Outcome::Unchecked: {
      // The first time, on a caption painted whole, Qt draws it, and the
      // tiles are kept only if they gave the very same pixels.
      if (!(QRegion(box) - region).isEmpty()) {
        return false;
      }
      painter.fillRect(box, background.color());
      penForCaption(painter);
      painter.drawGlyphRun(start, glyphs);
      const QRect onScreen = box.translated(qRound(toDevice.dx()), qRound(toDevice.dy()));
      tiles.confirm(screen->copy(onScreen) == captionPicture_);
      return true;
    }
    case GlyphTiles::Outcome::Copied:
      painter.drawImage(box.topLeft(), captionPicture_);
      return true;
  }
  return false;
}
