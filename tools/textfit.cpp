#include "textfit.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTimer>

#include <algorithm>

#include "controls/commandbutton.h"
#include "controls/drawingarea.h"
#include "controls/drawingarea_testing.h"
#include "controls/labelcontrol.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "graphpicture.h"
#include "helppage.h"
#include "program.h"

namespace {

// Narrower than this, a caption is hard to read.
constexpr int kNarrowestReadable = 85;

TextFit buttonFit(const QString& place, const QPushButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const QRect contents =
      button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
  TextFit fit{place, button->text(), button->fontMetrics().horizontalAdvance(button->text()),
              contents.width()};
  // The program's own buttons narrow a caption as labels do; the message box's does not.
  if (const auto* command = qobject_cast<const CommandButton*>(button)) {
    fit.stretch = command->captionStretch();
    fit.fits = fit.stretch >= kNarrowestReadable;
  } else {
    fit.fits = fit.width <= fit.room;
  }
  return fit;
}

TextFit labelFit(const QString& place, const LabelControl* label) {
  // The label's own room: inside its border, a pixel clear of it each side.
  TextFit fit{place, label->caption(), label->fontMetrics().horizontalAdvance(label->caption()),
              label->contentsRect().width() - 2, label->captionStretch()};
  // Narrowed as far as that, it fits: the label narrows no further than it must.
  fit.fits = fit.stretch >= kNarrowestReadable;
  return fit;
}

// What `draw` prints on `area`, each text against the picture's width.
template <typename Draw>
QList<TextFit> printedFit(const QString& window, DrawingArea* area, Draw draw) {
  QList<TextFit> fits;
  int line = 0;
  const int room = DrawingAreaTesting::picture(*area).width();
  const QMetaObject::Connection connection =
      QObject::connect(area, &DrawingArea::printed, [&](const QString& text, const QRect& extent) {
        ++line;
        if (!text.isEmpty()) {
          TextFit fit{QStringLiteral("%1 text %2").arg(window).arg(line), text, extent.width(),
                      room - extent.x()};
          fit.fits = fit.width <= fit.room;
          fits.append(fit);
        }
      });
  draw();
  QObject::disconnect(connection);
  return fits;
}

// The exit box as Exit opens it: its text whole, its button's caption whole.
QList<TextFit> exitBoxFit(Form1* form) {
  QList<TextFit> fits;
  QTimer::singleShot(0, form, [&fits] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (label != nullptr) {
      const int lines = std::max(1, label->height() / label->fontMetrics().lineSpacing());
      TextFit fit{QStringLiteral("exit box text"), label->text(),
                  label->fontMetrics().horizontalAdvance(label->text()), label->width() * lines};
      fit.fits = label->heightForWidth(label->width()) <= label->height() ||
                 (!label->wordWrap() && fit.width <= label->width());
      fits.append(fit);
    }
    for (const QAbstractButton* button : box->buttons()) {
      fits.append(
          buttonFit(QStringLiteral("exit box button"), qobject_cast<const QPushButton*>(button)));
    }
    box->reject();
  });
  form->findChild<QPushButton*>(QStringLiteral("Command3"))->click();
  return fits;
}

}  // namespace

QList<TextFit> measureTextFit(const QLocale& language) {
  Program program(language);
  program.showForm1();
  Form1* form1 = program.form1();
  QList<TextFit> fits;
  for (int n = 1; n <= 8; ++n) {
    const QString name = QStringLiteral("Command%1").arg(n);
    fits.append(buttonFit(QStringLiteral("Form1 ") + name, form1->findChild<QPushButton*>(name)));
  }
  for (int n = 1; n <= 13; ++n) {
    const QString name = QStringLiteral("Label%1").arg(n);
    const auto* label = form1->findChild<LabelControl*>(name);
    if (!label->caption().isEmpty()) {
      fits.append(labelFit(QStringLiteral("Form1 ") + name, label));
    }
  }
  fits.append(exitBoxFit(form1));

  program.showForm2();
  Form2* form2 = program.form2();
  fits.append(buttonFit(QStringLiteral("Form2 Command1"),
                        form2->findChild<QPushButton*>(QStringLiteral("Command1"))));
  fits.append(
      printedFit(QStringLiteral("Form2"), form2->picture1(), [form2] { form2->activated(); }));

  program.showForm4();
  Form4* form4 = program.form4();
  fits.append(buttonFit(QStringLiteral("Form4 Command1"),
                        form4->findChild<QPushButton*>(QStringLiteral("Command1"))));
  fits.append(
      printedFit(QStringLiteral("Form4"), form4->picture1(), [form4] { form4->activated(); }));
  return fits;
}
