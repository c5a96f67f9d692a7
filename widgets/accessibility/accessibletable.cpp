#include "accessibility/accessibletable.h"

#include <QWidget>
#include <QWindow>

#include "accessibility/readertable.h"

namespace {

// One cell of the table, or a column header (row -1). It reads its text from
// the table each time, so it is never stale; a cell whose row is gone is invalid.
class AccessibleCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
 public:
  AccessibleCell(const AccessibleTable* table, int row, int column)
      : table_(table), row_(row), column_(column) {}

  bool isValid() const override {
    return row_ < table_->rowCount() && column_ < table_->columnCount();
  }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return table_->window(); }
  QAccessibleInterface* parent() const override {
    return const_cast<AccessibleTable*>(table_);  // NOLINT(cppcoreguidelines-pro-type-const-cast)
  }
  QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
  QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
  QString text(QAccessible::Text t) const override {
    return t == QAccessible::Name ? table_->cellText(row_, column_) : QString();
  }
  void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}
  QRect rect() const override { return table_->rect(); }
  QAccessible::Role role() const override {
    return row_ < 0 ? QAccessible::ColumnHeader : QAccessible::Cell;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.readOnly = true;
    if (row_ >= 0) {
      state.focusable = true;
      state.focused = table_->isCurrent(row_, column_);
    }
    return state;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    return row_ < 0 ? QList<QAccessibleInterface*>{}
                    : QList<QAccessibleInterface*>{table_->cellAt(-1, column_)};
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return parent(); }

 private:
  const AccessibleTable* table_;
  int row_;
  int column_;
};

}  // namespace

AccessibleTable::AccessibleTable(QWidget* picture, const ReaderTable* table)
    : QAccessibleWidget(picture, QAccessible::Table), table_(table) {}

AccessibleTable::~AccessibleTable() {
  for (const QAccessible::Id id : std::as_const(cells_)) {
    QAccessible::deleteAccessibleInterface(id);
  }
}

// The cell the arrow keys are on, while the picture has the focus.
QAccessibleInterface* AccessibleTable::focusChild() const {
  const QPoint current = table_->currentCell();
  if (!widget()->hasFocus() || current.y() < 0) {
    return nullptr;
  }
  return cell(current.y(), current.x());
}

bool AccessibleTable::isCurrent(int row, int column) const {
  return widget()->hasFocus() && table_->currentCell() == QPoint(column, row);
}

void* AccessibleTable::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) {
    return static_cast<QAccessibleTableInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QString AccessibleTable::cellText(int row, int column) const {
  if (row < 0) {
    return table_->readerColumns().value(column);
  }
  return table_->readerRows().value(row).value(column);
}

// The headers come first, then the rows, each left to right.
int AccessibleTable::childCount() const { return (rowCount() + 1) * columnCount(); }

QAccessibleInterface* AccessibleTable::child(int index) const {
  if (index < 0 || index >= childCount()) {
    return nullptr;
  }
  return cell(index / columnCount() - 1, index % columnCount());
}

int AccessibleTable::indexOfChild(const QAccessibleInterface* child) const {
  const QAccessibleTableCellInterface* found =
      child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface()  // NOLINT
                       : nullptr;
  if (found == nullptr) {
    return -1;
  }
  return (found->rowIndex() + 1) * columnCount() + found->columnIndex();
}

QAccessibleInterface* AccessibleTable::cell(int row, int column) const {
  if (row < -1 || row >= rowCount() || column < 0 || column >= columnCount()) {
    return nullptr;
  }
  const QPair<int, int> key(row, column);
  auto found = cells_.constFind(key);
  if (found == cells_.constEnd()) {
    auto* made = new AccessibleCell(this, row, column);
    found = cells_.insert(key, QAccessible::registerAccessibleInterface(made));
  }
  return QAccessible::accessibleInterface(*found);
}

QAccessibleInterface* AccessibleTable::cellAt(int row, int column) const {
  return cell(row, column);
}

QAccessibleInterface* AccessibleTable::caption() const { return nullptr; }
QAccessibleInterface* AccessibleTable::summary() const { return nullptr; }
QString AccessibleTable::columnDescription(int column) const { return cellText(-1, column); }
QString AccessibleTable::rowDescription(int /*row*/) const { return {}; }
int AccessibleTable::columnCount() const {
  return static_cast<int>(table_->readerColumns().size());
}
int AccessibleTable::rowCount() const { return static_cast<int>(table_->readerRows().size()); }
int AccessibleTable::selectedCellCount() const { return 0; }
int AccessibleTable::selectedColumnCount() const { return 0; }
int AccessibleTable::selectedRowCount() const { return 0; }
QList<QAccessibleInterface*> AccessibleTable::selectedCells() const { return {}; }
QList<int> AccessibleTable::selectedColumns() const { return {}; }
QList<int> AccessibleTable::selectedRows() const { return {}; }
bool AccessibleTable::isColumnSelected(int /*column*/) const { return false; }
bool AccessibleTable::isRowSelected(int /*row*/) const { return false; }
bool AccessibleTable::selectRow(int /*row*/) { return false; }
bool AccessibleTable::selectColumn(int /*column*/) { return false; }
bool AccessibleTable::unselectRow(int /*row*/) { return false; }
bool AccessibleTable::unselectColumn(int /*column*/) { return false; }
// Cells read the table each time: a change leaves nothing to mend.
void AccessibleTable::modelChange(QAccessibleTableModelChangeEvent* /*event*/) {}
