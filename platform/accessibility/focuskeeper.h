#pragma once

#include <QPointer>
#include <QString>

class QWidget;

// Made before a handler changes which buttons are enabled, it keeps the
// window's keyboard focus on an enabled button once the handler's steps are
// done: if the button that held the focus was disabled on the way, the focus
// goes to the next enabled button in the tab order, never to nothing. A result
// told to it is put where a screen reader already is: in the accessible
// description of the button that then holds the focus, and on no other button
// of the window.
class FocusKeeper {
 public:
  explicit FocusKeeper(QWidget* window);
  ~FocusKeeper();
  FocusKeeper(const FocusKeeper&) = delete;
  FocusKeeper& operator=(const FocusKeeper&) = delete;

  void tell(const QString& result) {
    result_ = result;
    told_ = true;
  }

 private:
  QWidget* window_;
  QPointer<QWidget> holder_;
  QString result_;
  bool told_ = false;
};
