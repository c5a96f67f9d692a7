#pragma once

#include <QList>
#include <QPoint>
#include <QStringList>

#include "accessibility/readertable.h"
#include "controls/drawingarea.h"

// The graph's picture, read by screen readers as a table of the ratio at
// chosen draws as well: the arrow keys, Home and End walk its cells, each move
// heard as the focus coming to a cell. Space or Enter asks for the graph as sound.
class GraphPicture : public DrawingArea, public ReaderTable {
  Q_OBJECT

 public:
  explicit GraphPicture(QWidget* parent);

  // The column headers, then the rows of cells.
  void setReaderTable(const QStringList& columns, const QList<QStringList>& rows);
  const QStringList& readerColumns() const override { return columns_; }
  const QList<QStringList>& readerRows() const override { return rows_; }
  QPoint currentCell() const override { return {currentColumn_, currentRow_}; }

 signals:
  // Space or Enter.
  void activated();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool walkTable(int key);

  QStringList columns_;
  QList<QStringList> rows_;
  int currentRow_ = -1;
  int currentColumn_ = 0;
};
