#pragma once

#include <QList>
#include <QLocale>
#include <QString>

// One text of the windows against the room it has, in pixels.
struct TextFit {
  QString place;  // "Form1 Label1", "Form4 line 5", "exit box OK"
  QString text;
  int width = 0;      // what the text takes at its font's full width
  int room = 0;       // what its control or picture gives it
  int stretch = 100;  // how far a label narrows it to fit, in percent
  bool fits = false;  // nothing cut off, and a label narrowed to 85 % at most
};

// Every text of the main window, the graph, the help and the exit box in the
// language of the translation loaded now, `language`, the windows made as the
// program makes them. A QApplication must exist.
QList<TextFit> measureTextFit(const QLocale& language);
