#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

#include <functional>

// What a screen reader is given of a control that only shows text or a
// picture: a role, a name and a description, and, where there is text, the
// read-only text interface through which a reader goes through it character,
// word or line by line. A document (the help) is read-only text with a caret
// that the control keeps and moves. Each control that is read this way makes
// one from its own accessibility factory.
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  AccessibleText(QWidget* widget, QAccessible::Role role, std::function<QString()> text,
                 std::function<bool()> shown = {});

  // Makes the text a read-only, multi-line document with a caret.
  void setCaret(std::function<int()> position, std::function<void(int)> move);

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The text interface: the whole text, with no selection.
  QString text(int startOffset, int endOffset) const override;
  int characterCount() const override;
  void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
  int selectionCount() const override;
  void addSelection(int startOffset, int endOffset) override;
  void removeSelection(int selectionIndex) override;
  void setSelection(int selectionIndex, int startOffset, int endOffset) override;
  int cursorPosition() const override;
  void setCursorPosition(int position) override;
  QRect characterRect(int offset) const override;
  int offsetAtPoint(const QPoint& point) const override;
  void scrollToSubstring(int startIndex, int endIndex) override;
  QString attributes(int offset, int* startOffset, int* endOffset) const override;

 private:
  std::function<QString()> text_;
  std::function<bool()> shown_;
  std::function<int()> caret_;
  std::function<void(int)> moveCaret_;
};
