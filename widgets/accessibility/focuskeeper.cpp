#include "accessibility/focuskeeper.h"

#include <QPushButton>
#include <QWidget>

QWidget* keepFocus(QWidget* window, const std::function<bool(const QWidget*)>& goingOff) {
  QWidget* holder = window->focusWidget();
  if (holder == nullptr || (holder->isEnabled() && !goingOff(holder))) {
    return holder;
  }
  for (QWidget* next = holder->nextInFocusChain(); next != holder;
       next = next->nextInFocusChain()) {
    if (qobject_cast<QPushButton*>(next) != nullptr && next->isEnabled() && !goingOff(next) &&
        next->window() == window) {
      next->setFocus(Qt::TabFocusReason);
      return next;
    }
  }
  return holder;
}
