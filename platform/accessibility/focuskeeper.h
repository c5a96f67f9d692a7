#pragma once

#include <QPointer>

class QWidget;

// Made before a handler changes which buttons are enabled, it keeps the
// window's keyboard focus on an enabled button once the handler's steps are
// done: if the button that held the focus was disabled on the way, the focus
// goes to the next enabled button in the tab order, never to nothing.
class FocusKeeper {
 public:
  explicit FocusKeeper(QWidget* window);
  ~FocusKeeper();
  FocusKeeper(const FocusKeeper&) = delete;
  FocusKeeper& operator=(const FocusKeeper&) = delete;

  // The control that will hold the focus when the keeper is done, as the
  // buttons are enabled now.
  QWidget* keptFocus() const;

 private:
  QWidget* window_;
  QPointer<QWidget> holder_;
};
