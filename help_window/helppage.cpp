#include "helppage.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

#include "accessibility/accessiblefactory.h"
#include "accessibility/accessibletext.h"

namespace {

QAccessibleInterface* accessibleDocument(const QString& className, QObject* object) {
  if (className != QLatin1String("HelpPage")) {
    return nullptr;
  }
  auto* page = static_cast<HelpPage*>(object);
  auto* document =
      new AccessibleText(page, QAccessible::EditableText, [page] { return page->printedText(); });
  document->setCaret([page] { return page->caretPosition(); },
                     [page](int position) { page->setCaretPosition(position); });
  return document;
}

}  // namespace

HelpPage::HelpPage(QWidget* parent) : DrawingArea(parent) {
  installAccessibleFactory(accessibleDocument);
}

void HelpPage::showLines(const QStringList& lines) {
  clear();
  lines_.clear();
  lineBoxes_.clear();
  caret_ = 0;
  const int width = qRound(contentsRect().width() * devicePixelRatioF());
  for (const QString& line : lines) {
    const QRect extent = print(line);
    lines_.append(line);
    lineBoxes_.append(QRect(extent.topLeft(), QSize(width, extent.height())));
  }
}

int HelpPage::lineStart(int line) const {
  int start = 0;
  for (int index = 0; index < line; ++index) {
    start += static_cast<int>(lines_.at(index).size()) + 1;
  }
  return start;
}

int HelpPage::lineAt(int position) const {
  int line = 0;
  while (line + 1 < lines_.size() && lineStart(line + 1) <= position) {
    ++line;
  }
  return line;
}

int HelpPage::caretLine() const { return lineAt(caret_); }

void HelpPage::setCaretPosition(int position) { moveCaretToLine(lineAt(position)); }

void HelpPage::moveCaretToLine(int line) {
  if (lines_.isEmpty()) {
    return;
  }
  line = qBound(0, line, static_cast<int>(lines_.size()) - 1);
  const int position = lineStart(line);
  if (position == caret_) {
    return;
  }
  caret_ = position;
  update();
  QAccessibleTextCursorEvent moved(this, caret_);
  QAccessible::updateAccessibility(&moved);
}

void HelpPage::keyPressEvent(QKeyEvent* event) {
  const int last = static_cast<int>(lines_.size()) - 1;
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
      DrawingArea::keyPressEvent(event);
  }
}

void HelpPage::focusInEvent(QFocusEvent* event) {
  DrawingArea::focusInEvent(event);
  update();
}

void HelpPage::focusOutEvent(QFocusEvent* event) {
  DrawingArea::focusOutEvent(event);
  update();
}

void HelpPage::paintEvent(QPaintEvent* event) {
  DrawingArea::paintEvent(event);
  // The caret's line is framed while the keyboard is on the document.
  if (!hasFocus() || lineBoxes_.isEmpty()) {
    return;
  }
  QPainter painter(this);
  const QRectF box = lineBoxes_.at(caretLine()).toRectF();
  const double ratio = devicePixelRatioF();
  const QRectF shown(contentsRect().topLeft() + box.topLeft() / ratio, box.size() / ratio);
  painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
  painter.drawRect(shown.adjusted(0.5, 0.5, -1.5, -0.5));
}
