#pragma once

#include <QWidget>

class DrawingArea;
class Forms;
class LineControl;
class QPushButton;

// The help window: the problem the program explores and how to use its buttons.
//
// Command1 "Close" at the top right over Line1; Picture1, a drawing area in
// twips, holds the 22 lines of text. Each time the window becomes the program's
// active window it clears the area and prints the text anew from the top.
// Reads no experiment state.
class Form4 : public QWidget {
  Q_OBJECT

 public:
  explicit Form4(Forms& forms);

  // The window has become the active one among the program's windows.
  void activated();

  DrawingArea* picture1() const { return Picture1; }

 private:
  void closeHelp();
  void printHelp();

  Forms& forms_;

  QPushButton* Command1 = nullptr;
  DrawingArea* Picture1 = nullptr;
  LineControl* Line1 = nullptr;
};
