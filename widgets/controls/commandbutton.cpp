#include "controls/commandbutton.h"

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

NarrowedFont CommandButton::fitted() const {
  QStyleOptionButton option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
  return narrowedToFit(font(), text(), contents.width());
}

int CommandButton::captionStretch() const { return fitted().stretch; }

void CommandButton::paintEvent(QPaintEvent* /*event*/) {
  const NarrowedFont narrowed = fitted();
  QStylePainter painter(this);
  QStyleOptionButton option;
  initStyleOption(&option);
  painter.setFont(narrowed.font);
  option.fontMetrics = QFontMetrics(narrowed.font);
  painter.drawControl(QStyle::CE_PushButton, option);
}
