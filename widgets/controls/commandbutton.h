#pragma once

#include <QPushButton>
#include <QSize>
#include <QString>

#include <optional>

#include "controls/narrowedfont.h"

// A command button: Space and Enter click it when it has the focus, and it is
// never a window's default button. The button with the focus always shows the
// style's focus mark, however the focus came to it: a keyboard user must see
// where Space will act. A caption wider than the button is narrowed to fit,
// as a label's is.
class CommandButton : public QPushButton {
  Q_OBJECT

 public:
  CommandButton(const QString& caption, QWidget* parent);

  // The width the caption is drawn at, in percent of the font's own: below 100
  // where the caption had to be narrowed to fit the button.
  int captionStretch() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  const NarrowedFont& fitted() const;

  // Worked out again only after the caption, the font, the size or the style
  // changed: measuring a caption shapes it, a tenth of a button's paint.
  mutable std::optional<NarrowedFont> fitted_;
  mutable QString fittedCaption_;
  mutable QSize fittedSize_;
};
