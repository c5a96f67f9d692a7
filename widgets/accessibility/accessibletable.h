#pragma once

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QPair>

class ReaderTable;

// A picture read by screen readers as a table as well: its reader table,
// column headers over rows of cells, walked cell by cell through the table
// interface. The picture keeps its name and description.
class AccessibleTable : public QAccessibleWidget, public QAccessibleTableInterface {
 public:
  AccessibleTable(QWidget* picture, const ReaderTable* table);
  ~AccessibleTable() override;
  AccessibleTable(const AccessibleTable&) = delete;
  AccessibleTable& operator=(const AccessibleTable&) = delete;

  void* interface_cast(QAccessible::InterfaceType type) override;
  QAccessibleInterface* focusChild() const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  // The table interface: read only, nothing selected.
  QAccessibleInterface* cellAt(int row, int column) const override;
  QAccessibleInterface* caption() const override;
  QAccessibleInterface* summary() const override;
  QString columnDescription(int column) const override;
  QString rowDescription(int row) const override;
  int columnCount() const override;
  int rowCount() const override;
  int selectedCellCount() const override;
  int selectedColumnCount() const override;
  int selectedRowCount() const override;
  QList<QAccessibleInterface*> selectedCells() const override;
  QList<int> selectedColumns() const override;
  QList<int> selectedRows() const override;
  bool isColumnSelected(int column) const override;
  bool isRowSelected(int row) const override;
  bool selectRow(int row) override;
  bool selectColumn(int column) override;
  bool unselectRow(int row) override;
  bool unselectColumn(int column) override;
  void modelChange(QAccessibleTableModelChangeEvent* event) override;

  // The cell's text; row -1 is the header row.
  QString cellText(int row, int column) const;
  // Whether the keyboard is on this cell of the picture.
  bool isCurrent(int row, int column) const;
  using QAccessibleWidget::widget;

 private:
  // Row -1 is the header row.
  QAccessibleInterface* cell(int row, int column) const;

  const ReaderTable* table_;
  mutable QHash<QPair<int, int>, QAccessible::Id> cells_;
};
