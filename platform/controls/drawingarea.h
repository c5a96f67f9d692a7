#pragma once

#include <QColor>
#include <QFrame>
#include <QImage>
#include <QList>
#include <QPointF>
#include <QRect>
#include <QString>
#include <QStringList>

// A picture box: a white surface inside a sunken border that keeps what is drawn
// on it. Drawing goes into a backing image at the screen's pixel density, and
// painting only copies that image out, so the picture survives being covered,
// minimised or moved, and nothing is drawn except by the calls below.
//
// Coordinates are in a user scale whose origin is the inner top-left corner:
// twips by default, or setUserScale(width, height) units across and down.
// Drawing the same thing twice leaves the same pixels: lines are not
// antialiased, and text is laid with a per-channel minimum, so a window that
// redraws over its own picture never darkens or thickens it.
class DrawingArea : public QFrame {
  Q_OBJECT

 public:
  explicit DrawingArea(QWidget* parent);

  void setUserScale(double width, double height);

  // The straight line from `from` to `to`; `to` becomes the current position.
  void line(QPointF from, QPointF to, const QColor& colour);
  // The straight line from the current position to `to`, which becomes current.
  void lineTo(QPointF to, const QColor& colour);
  // One point, which becomes the current position.
  void point(QPointF at, const QColor& colour);

  void setCurrentX(double x) { current_.setX(x); }
  void setCurrentY(double y) { current_.setY(y); }

  // Writes `text` with its top-left corner at the current position, in the
  // area's font and text colour, then ends the line: back to x = 0, one text
  // line down. Text is cut off at the edge, never wrapped.
  void print(const QString& text);

  // Erases everything; the current position returns to (0, 0).
  void clear();

  // Where the area is read as text: the texts printed since the last clear,
  // one line each, which is what a screen reader reads of it.
  QString printedText() const { return printedLines_.join(QLatin1Char('\n')); }
  // Read by screen readers as a read-only document (the help) rather than as a
  // picture (the graph). The document has a caret at the start of a line,
  // which Up, Down, Page Up, Page Down, Home and End move from line to line and
  // a frame marks while the area has the focus; screen readers hear each move.
  bool readAsText() const { return readAsText_; }
  void setReadAsText(bool text) { readAsText_ = text; }
  // The caret as an offset into printedText(); setting it puts it at the start
  // of the line the offset falls on.
  int caretPosition() const { return caret_; }
  void setCaretPosition(int position);
  int caretLine() const;

  // What the picture shows as a table, for screen readers: the column
  // headers, then the rows of cells. An area with a table is read as one, and
  // the arrow keys, Home and End walk its cells, each move heard as the
  // focus coming to a cell.
  void setReaderTable(const QStringList& columns, const QList<QStringList>& rows);
  const QStringList& readerColumns() const { return readerColumns_; }
  const QList<QStringList>& readerRows() const { return readerRows_; }
  // The cell the arrow keys are on, as (row, column); row -1 before the first move.
  QPoint currentCell() const { return {currentColumn_, currentRow_}; }

 signals:
  // Each text output, as print() received it, and the device pixels its
  // advance takes from where it starts: ending past the picture's right edge,
  // it was cut.
  void printed(const QString& text, const QRect& extent);
  // Space or Enter on an area not read as text.
  void activated();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  friend class DrawingAreaTesting;  // the picture, pixel for pixel, for the tests

  void fitPicture();
  // The device pixel a point of the user scale falls on.
  QPoint toDevice(QPointF at) const;
  QSizeF scaleSize() const;
  double devicePixelsPerUnitX() const;
  double devicePixelsPerUnitY() const;
  int penWidth() const;
  int lineStart(int line) const;
  bool walkTable(int key);
  void moveCaretToLine(int line);

  QImage picture_;
  QPointF current_;
  QSizeF userScale_;  // empty: twips
  QStringList printedLines_;
  QList<QRect> lineBoxes_;
  QStringList readerColumns_;
  QList<QStringList> readerRows_;
  int currentRow_ = -1;
  int currentColumn_ = 0;  // in device pixels, one per printed line
  int caret_ = 0;
  bool readAsText_ = false;
};
