#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>

#include "controls/drawingarea.h"

// The help's page: lines of text printed from the top, which screen readers
// read as a read-only document. The document has a caret at the start of a
// line, which Up, Down, Page Up, Page Down, Home and End move from line to line
// and a frame marks while the page has the focus; screen readers hear each move.
class HelpPage : public DrawingArea {
  Q_OBJECT

 public:
  explicit HelpPage(QWidget* parent);

  // Clears the page and prints `lines` on it from the top, one each.
  void showLines(const QStringList& lines);

  // The lines printed, as a screen reader reads them.
  QString printedText() const { return lines_.join(QLatin1Char('\n')); }
  // The caret as an offset into printedText(); setting it puts it at the start
  // of the line the offset falls on.
  int caretPosition() const { return caret_; }
  void setCaretPosition(int position);
  int caretLine() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  int lineStart(int line) const;
  int lineAt(int position) const;
  void moveCaretToLine(int line);

  QStringList lines_;
  QList<QRect> lineBoxes_;  // in device pixels, one per printed line
  int caret_ = 0;
};
