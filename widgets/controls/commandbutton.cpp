#include "controls/commandbutton.h"

#include <QKeyEvent>

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
