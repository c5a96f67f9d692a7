#pragma once

#include <QAccessible>
#include <QAccessibleWidget>

#include <functional>

// What a screen reader is given of a control that only shows text or a
// picture: a role, a name and a description, and, where there is text, the
// read-only text interface through which a reader goes through it character,
// word or line by line. Installed for the platform's labels, image controls
// and drawing areas by installAccessibleFactory().
class AccessibleText : public QAccessibleWidget, public QAccessibleTextInterface {
 public:
  AccessibleText(QWidget* widget, QAccessible::Role role, std::function<QString()> text,
                 std::function<bool()> shown = {});

  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  // The text interface: the whole text, with no caret and no selection.
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
};

// Makes the platform's own controls readable by screen readers.
void installAccessibleFactory();
