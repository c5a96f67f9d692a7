#pragma once

#include <QPushButton>

// A command button: Space and Enter click it when it has the focus, and it is
// never a window's default button. The button with the focus always shows the
// style's focus mark, however the focus came to it: a keyboard user must see
// where Space will act.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  CommandButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
};
