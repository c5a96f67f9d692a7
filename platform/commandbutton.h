#pragma once

#include <QPushButton>

// A command button: Space and Enter click it when it has the focus, and it is
// never a window's default button.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  CommandButton(const QString& caption, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};
