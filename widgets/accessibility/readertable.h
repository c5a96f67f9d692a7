#pragma once

#include <QList>
#include <QPoint>
#include <QStringList>

// What a picture shows, as a table for screen readers: column headers over
// rows of cells, and the cell the keyboard is on.
class ReaderTable {
 public:
  virtual ~ReaderTable() = default;

  virtual const QStringList& readerColumns() const = 0;
  virtual const QList<QStringList>& readerRows() const = 0;
  // As (column, row); row -1 before the keyboard has moved to a cell.
  virtual QPoint currentCell() const = 0;

 protected:
  ReaderTable() = default;
  ReaderTable(const ReaderTable&) = default;
  ReaderTable& operator=(const ReaderTable&) = default;
};
