#include "controls/commandbutton.h"

#include <QEvent>
#include <QKeyEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

CommandButton::CommandButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setAutoDefault(false);
}

void CommandButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}

void CommandButton::focusInEvent(QFocusEvent* event) {
  // Styles draw the mark only once the window has seen a keyboard focus change.
  window()->setAttribute(Qt::WA_KeyboardFocusChange);
  QPushButton::focusInEvent(event);
}

const NarrowedFont& CommandButton::fitted() const {
  if (!fitted_ || fittedCaption_ != text() || fittedSize_ != size()) {
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    fitted_ = narrowedToFit(font(), text(), contents.width());
    fittedCaption_ = text();
    fittedSize_ = size();
  }
  return *fitted_;
}

void CommandButton::changeEvent(QEvent* event) {
  if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
    fitted_.reset();
  }
  QPushButton::changeEvent(event);
}

int CommandButton::captionStretch() const { return fitted().stretch; }

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
  const NarrowedFont& narrowed = fitted();
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  // A look is told the same way before the window's first activation as after
  // it, so that the style's pictures of it drawn then serve later: the focus
  // mark always shows (focusInEvent), and where the palette is the same either
  // way the activation changes nothing, as Qt assumes when it repaints nothing
  // on activation. On X the first frame always comes before the activation.
  option.state |= QStyle::State_KeyboardFocusChange;
  if (option.palette.isEqual(QPalette::Active, QPalette::Inactive)) {
    option.state |= QStyle::State_Active;
  }
  painter.setFont(narrowed.font);
  option.fontMetrics = QFontMetrics(narrowed.font);
  painter.drawControl(QStyle::CE_PushButton, option);
}
