#pragma once

#include <QLocale>
#include <QStringList>
#include <QWidget>

class HelpPage;
class LineControl;
class QPushButton;

// The help window: the problem the program explores and how to use its buttons.
//
// Command1 "Close" at the top right over Line1; Picture1, a page in twips,
// holds the 22 lines of text (places in the table at the top of form4.cpp, the
// lines in helptext.cpp). Each time the window becomes the program's active
// window it clears the page and prints the text anew from the top. Close closes
// it and says so, and the program brings the main window back. Reads no
// experiment state.
class Form4 : public QWidget {
  Q_OBJECT

 public:
  // `language` is the one the texts are shown in: its face.
  explicit Form4(const QLocale& language = QLocale::c());

  // The window has become the active one among the program's windows.
  void activated();

  HelpPage* picture1() const { return Picture1; }

  // The help's 22 lines in the user's language, each exactly as printed,
  // leading ideographic spaces and trailing spaces included.
  static QStringList helpText();

 signals:
  // Close was pressed; the window has closed.
  void closed();

 private:
  void closeHelp();
  void printHelp();

  QPushButton* Command1 = nullptr;
  HelpPage* Picture1 = nullptr;
  LineControl* Line1 = nullptr;
};
