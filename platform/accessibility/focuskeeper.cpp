#include "focuskeeper.h"

#include <QPushButton>
#include <QWidget>

FocusKeeper::FocusKeeper(QWidget* window) : window_(window), holder_(window->focusWidget()) {}

FocusKeeper::~FocusKeeper() {
  if (holder_ != nullptr && !holder_->isEnabled()) {
    for (QWidget* next = holder_->nextInFocusChain(); next != holder_;
         next = next->nextInFocusChain()) {
      if (qobject_cast<QPushButton*>(next) != nullptr && next->isEnabled() &&
          next->window() == window_) {
        next->setFocus(Qt::TabFocusReason);
        break;
      }
    }
  }
  if (!told_) {
    return;
  }
  QWidget* focus = window_->focusWidget();
  for (QPushButton* button : window_->findChildren<QPushButton*>()) {
    button->setAccessibleDescription(button == focus ? result_ : QString());
  }
}
