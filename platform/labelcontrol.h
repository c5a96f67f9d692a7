#pragma once

#include <QFrame>
#include <QString>

// A window label: one line of text centred across the top of an opaque box
// inside a border. It never wraps and never sizes itself to its text.
class LabelControl : public QFrame {
  Q_OBJECT

 public:
  explicit LabelControl(QWidget* parent);

  QString caption() const { return caption_; }
  void setCaption(const QString& caption);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};
