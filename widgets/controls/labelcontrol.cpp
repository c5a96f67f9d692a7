#include "controls/labelcontrol.h"

#include <QAccessible>
#include <QEvent>
#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletext.h"
#include "accessibility/announcer.h"
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
  installAccessibleFactory(accessibleLabel);
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
  if (!contentsRect().contains(event->rect())) {
    QFrame::paintEvent(event);
  }
  if (caption_.isEmpty()) {
    return;
  }
  fitCaption();
  const QRect box = captionBox();
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.setClipRect(contentsRect());
  const QPoint start(box.left() + (box.width() - captionWidth_) / 2, box.top() + captionAscent_);
  if (numberLine_) {
    painter.drawGlyphRun(start, numberLine_->glyphs);
  } else {
    painter.setFont(fittedFont_);
    painter.drawText(start, caption_);
  }
}
