#include "focuskeeper.h"

#include <QPushButton>
#include <QWidget>

FocusKeeper::FocusKeeper(QWidget* window) : window_(window), holder_(window->focusWidget()) {}

FocusKeeper::~FocusKeeper() {
  QWidget* kept = keptFocus();
  if (kept != nullptr && kept != window_->focusWidget()) {
    kept->setFocus(Qt::TabFocusReason);
  }
}

QWidget* FocusKeeper::keptFocus() const {
  if (holder_ == nullptr) {
    return window_->focusWidget();
  }
  if (holder_->isEnabled()) {
    return holder_;
  }
  for (QWidget* next = holder_->nextInFocusChain(); next != holder_;
       next = next->nextInFocusChain()) {
    if (qobject_cast<QPushButton*>(next) != nullptr && next->isEnabled() &&
        next->window() == window_) {
      return next;
    }
  }
  return window_->focusWidget();
}
