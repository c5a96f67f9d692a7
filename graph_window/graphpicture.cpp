#include "graphpicture.h"

#include <QAccessible>
#include <QKeyEvent>

#include <algorithm>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletable.h"

namespace {

QAccessibleInterface* accessibleGraph(const QString& className, QObject* object) {
  if (className != QLatin1String("GraphPicture")) {
    return nullptr;
  }
  auto* picture = static_cast<GraphPicture*>(object);
  return new AccessibleTable(picture, picture);
}

}  // namespace

GraphPicture::GraphPicture(QWidget* parent) : DrawingArea(parent) {
  installAccessibleFactory(accessibleGraph);
}

void GraphPicture::setReaderTable(const QStringList& columns, const QList<QStringList>& rows) {
  if (columns == columns_ && rows == rows_) {
    return;
  }
  columns_ = columns;
  rows_ = rows;
  currentRow_ = -1;
  currentColumn_ = 0;
  QAccessibleTableModelChangeEvent changed(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&changed);
}

void GraphPicture::keyPressEvent(QKeyEvent* event) {
  const bool plain =
      event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return ||
                event->key() == Qt::Key_Enter)) {
    emit activated();
    return;
  }
  if (plain && walkTable(event->key())) {
    return;
  }
  DrawingArea::keyPressEvent(event);
}

bool GraphPicture::walkTable(int key) {
  const auto rows = static_cast<int>(rows_.size());
  const auto columns = static_cast<int>(columns_.size());
  if (rows == 0 || columns == 0) {
    return false;
  }
  int row = std::max(currentRow_, 0);
  int column = currentColumn_;
  switch (key) {
    case Qt::Key_Up:
      row = currentRow_ < 0 ? 0 : row - 1;
      break;
    case Qt::Key_Down:
      row = currentRow_ < 0 ? 0 : row + 1;
      break;
    case Qt::Key_Left:
      --column;
      break;
    case Qt::Key_Right:
      ++column;
      break;
    case Qt::Key_Home:
      row = 0;
      break;
    case Qt::Key_End:
      row = rows - 1;
      break;
    default:
      return false;
  }
  currentRow_ = std::clamp(row, 0, rows - 1);
  currentColumn_ = std::clamp(column, 0, columns - 1);
  // The table's children are the headers, then the cells row by row.
  QAccessibleEvent focused(this, QAccessible::Focus);
  focused.setChild((currentRow_ + 1) * columns + currentColumn_);
  QAccessible::updateAccessibility(&focused);
  return true;
}
