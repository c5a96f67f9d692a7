#include "drawingarea.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QString>
#include <QtMath>

#include <algorithm>

#include "accessibletext.h"
#include "twips.h"

namespace {

const QColor kBackground = Qt::white;

}  // namespace

DrawingArea::DrawingArea(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  installAccessibleFactory();
}

void DrawingArea::setUserScale(double width, double height) { userScale_ = {width, height}; }

QSizeF DrawingArea::scaleSize() const {
  if (!userScale_.isEmpty()) {
    return userScale_;
  }
  const QSize inner = contentsRect().size();
  return {static_cast<double>(inner.width() * kTwipsPerPixel),
          static_cast<double>(inner.height() * kTwipsPerPixel)};
}

double DrawingArea::devicePixelsPerUnitX() const { return picture_.width() / scaleSize().width(); }

double DrawingArea::devicePixelsPerUnitY() const {
  return picture_.height() / scaleSize().height();
}

int DrawingArea::penWidth() const { return qMax(1, qRound(devicePixelRatioF())); }

QPoint DrawingArea::toDevice(QPointF at) const {
  return {qFloor(at.x() * devicePixelsPerUnitX()), qFloor(at.y() * devicePixelsPerUnitY())};
}

void DrawingArea::line(QPointF from, QPointF to, const QColor& colour) {
  fitPicture();
  QPainter painter(&picture_);
  painter.setPen(QPen(colour, penWidth()));
  painter.drawLine(toDevice(from), toDevice(to));
  current_ = to;
  update();
}

void DrawingArea::lineTo(QPointF to, const QColor& colour) { line(current_, to, colour); }

void DrawingArea::point(QPointF at, const QColor& colour) {
  fitPicture();
  QPainter painter(&picture_);
  const int width = penWidth();
  painter.fillRect(QRect(toDevice(at), QSize(width, width)), colour);
  current_ = at;
  update();
}

void DrawingArea::print(const QString& text) {
  fitPicture();
  QFont deviceFont = font();
  const double ratio = devicePixelRatioF();
  if (deviceFont.pixelSize() > 0) {
    deviceFont.setPixelSize(qRound(deviceFont.pixelSize() * ratio));
  } else {
    deviceFont.setPointSizeF(deviceFont.pointSizeF() * ratio);
  }
  const QFontMetrics metrics(deviceFont, &picture_);
  const QRect extent(toDevice(current_), QSize(metrics.horizontalAdvance(text), metrics.height()));
  if (!text.isEmpty()) {
    // Laid on white, then merged by taking the darker of each channel: over a
    // white surface this is ordinary text, and laid twice it changes nothing.
    QImage stamp(metrics.horizontalAdvance(text) + metrics.maxWidth(), metrics.height(),
                 QImage::Format_RGB32);
    stamp.fill(kBackground);
    {
      QPainter stampPainter(&stamp);
      stampPainter.setFont(deviceFont);
      stampPainter.setPen(palette().color(QPalette::WindowText));
      stampPainter.drawText(QPoint(0, metrics.ascent()), text);
    }
    QPainter painter(&picture_);
    painter.setCompositionMode(QPainter::CompositionMode_Darken);
    painter.drawImage(extent.topLeft(), stamp);
    update();
  }
  if (readAsText_) {
    printedLines_.append(text);
    lineBoxes_.append(QRect(toDevice(current_), QSize(picture_.width(), metrics.height())));
  }
  current_ = {0.0, current_.y() + metrics.height() / devicePixelsPerUnitY()};
  emit printed(text, extent);
}

void DrawingArea::clear() {
  fitPicture();
  picture_.fill(kBackground);
  current_ = {};
  printedLines_.clear();
  lineBoxes_.clear();
  caret_ = 0;
  update();
}

void DrawingArea::setReaderTable(const QStringList& columns, const QList<QStringList>& rows) {
  if (columns == readerColumns_ && rows == readerRows_) {
    return;
  }
  readerColumns_ = columns;
  readerRows_ = rows;
  currentRow_ = -1;
  currentColumn_ = 0;
  QAccessibleTableModelChangeEvent changed(this, QAccessibleTableModelChangeEvent::ModelReset);
  QAccessible::updateAccessibility(&changed);
}

int DrawingArea::lineStart(int line) const {
  int start = 0;
  for (int index = 0; index < line; ++index) {
    start += static_cast<int>(printedLines_.at(index).size()) + 1;
  }
  return start;
}

int DrawingArea::caretLine() const {
  int line = 0;
  while (line + 1 < printedLines_.size() && lineStart(line + 1) <= caret_) {
    ++line;
  }
  return line;
}

void DrawingArea::setCaretPosition(int position) {
  int line = 0;
  while (line + 1 < printedLines_.size() && lineStart(line + 1) <= position) {
    ++line;
  }
  moveCaretToLine(line);
}

void DrawingArea::moveCaretToLine(int line) {
  if (printedLines_.isEmpty()) {
    return;
  }
  line = qBound(0, line, static_cast<int>(printedLines_.size()) - 1);
  const int position = lineStart(line);
  if (position == caret_) {
    return;
  }
  caret_ = position;
  update();
  QAccessibleTextCursorEvent moved(this, caret_);
  QAccessible::updateAccessibility(&moved);
}

void DrawingArea::keyPressEvent(QKeyEvent* event) {
  if (!readAsText_) {
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
    QFrame::keyPressEvent(event);
    return;
  }
  const int last = static_cast<int>(printedLines_.size()) - 1;
  switch (event->key()) {
    case Qt::Key_Up:
      moveCaretToLine(caretLine() - 1);
      break;
    case Qt::Key_Down:
      moveCaretToLine(caretLine() + 1);
      break;
    case Qt::Key_Home:
    case Qt::Key_PageUp:
      moveCaretToLine(0);
      break;
    case Qt::Key_End:
    case Qt::Key_PageDown:
      moveCaretToLine(last);
      break;
    default:
      QFrame::keyPressEvent(event);
  }
}

bool DrawingArea::walkTable(int key) {
  const auto rows = static_cast<int>(readerRows_.size());
  const auto columns = static_cast<int>(readerColumns_.size());
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

void DrawingArea::focusInEvent(QFocusEvent* event) {
  QFrame::focusInEvent(event);
  update();
}

void DrawingArea::focusOutEvent(QFocusEvent* event) {
  QFrame::focusOutEvent(event);
  update();
}

void DrawingArea::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter painter(this);
  painter.drawImage(contentsRect(), picture_);
  // The caret's line is framed while the keyboard is on the document.
  if (readAsText_ && hasFocus() && !lineBoxes_.isEmpty()) {
    const QRectF box = lineBoxes_.at(caretLine()).toRectF();
    const double ratio = devicePixelRatioF();
    const QRectF shown(contentsRect().topLeft() + box.topLeft() / ratio, box.size() / ratio);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
    painter.drawRect(shown.adjusted(0.5, 0.5, -1.5, -0.5));
  }
}

void DrawingArea::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  fitPicture();
}

// Geometry set on a hidden widget reaches resizeEvent only when it is shown, so
// every drawing call makes sure the picture has the area's size first.
void DrawingArea::fitPicture() {
  const QSize deviceSize = contentsRect().size() * devicePixelRatioF();
  if (deviceSize == picture_.size()) {
    return;
  }
  QImage resized(deviceSize, QImage::Format_RGB32);
  resized.fill(kBackground);
  QPainter painter(&resized);
  painter.drawImage(0, 0, picture_);
  picture_ = resized;
}
