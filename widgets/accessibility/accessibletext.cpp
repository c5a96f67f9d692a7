#include "accessibility/accessibletext.h"

#include <QRect>
#include <QWidget>

AccessibleText::AccessibleText(QWidget* widget, QAccessible::Role role,
                               std::function<QString()> text, std::function<bool()> shown)
    : QAccessibleWidget(widget, role), text_(std::move(text)), shown_(std::move(shown)) {}

void AccessibleText::setCaret(std::function<int()> position, std::function<void(int)> move) {
  caret_ = std::move(position);
  moveCaret_ = std::move(move);
}

QString AccessibleText::text(QAccessible::Text t) const {
  // A name set by the window (a card's, the graph's) wins; a label is named by its caption.
  if (t == QAccessible::Name && widget()->accessibleName().isEmpty() && text_) {
    return text_();
  }
  return QAccessibleWidget::text(t);
}

// A control with a visible state of its own reports that state.
QAccessible::State AccessibleText::state() const {
  QAccessible::State state = QAccessibleWidget::state();
  if (shown_ && !shown_()) {
    state.invisible = true;
  }
  if (caret_) {
    state.readOnly = true;
    state.multiLine = true;
  }
  return state;
}

void* AccessibleText::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TextInterface && text_) {
    return static_cast<QAccessibleTextInterface*>(this);
  }
  return QAccessibleWidget::interface_cast(type);
}

QString AccessibleText::text(int startOffset, int endOffset) const {
  return text_().mid(startOffset, endOffset - startOffset);
}

int AccessibleText::characterCount() const { return static_cast<int>(text_().size()); }

void AccessibleText::selection(int /*selectionIndex*/, int* startOffset, int* endOffset) const {
  *startOffset = 0;
  *endOffset = 0;
}

int AccessibleText::selectionCount() const { return 0; }
void AccessibleText::addSelection(int /*startOffset*/, int /*endOffset*/) {}
void AccessibleText::removeSelection(int /*selectionIndex*/) {}
void AccessibleText::setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) {}
int AccessibleText::cursorPosition() const { return caret_ ? caret_() : 0; }

void AccessibleText::setCursorPosition(int position) {
  if (moveCaret_) {
    moveCaret_(position);
  }
}

QRect AccessibleText::characterRect(int /*offset*/) const { return {}; }
int AccessibleText::offsetAtPoint(const QPoint& /*point*/) const { return -1; }
void AccessibleText::scrollToSubstring(int /*startIndex*/, int /*endIndex*/) {}

QString AccessibleText::attributes(int offset, int* startOffset, int* endOffset) const {
  *startOffset = offset;
  *endOffset = offset;
  return {};
}
