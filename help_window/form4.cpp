#include "form4.h"

#include <QPushButton>
#include <QString>

#include "controls/commandbutton.h"
#include "controls/gothicfont.h"
#include "controls/linecontrol.h"
#include "controls/twips.h"
#include "helppage.h"
#include "helptext.h"

namespace {

// ---- The stored layout, in twips ----

constexpr TwipsRect kClientArea{3480, 2235, 8670, 6450};
constexpr TwipsRect kCommand1{7680, 0, 855, 375};
// Reaches below the client area; the strip beyond it is never seen.
constexpr TwipsRect kPicture1{120, 480, 8415, 6735};
constexpr QPoint kLine1From{120, 360};
constexpr QPoint kLine1To{8520, 360};

//: The window's caption, with its leading space; the maker's notice follows the last space.
const char* const kCaption =
    QT_TRANSLATE_NOOP("Form4", " Playing Cards＿Help（Questions and Operation method） ");

}  // namespace

Form4::Form4(const QLocale& language) {
  setWindowTitle(tr(kCaption));
  setGeometry(toPixels(kClientArea));

  Line1 = new LineControl(toPixels(kLine1From), toPixels(kLine1To), this);
  Command1 = new CommandButton(tr("Close"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(toPixels(kCommand1));
  Picture1 = new HelpPage(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(toPixels(kPicture1));
  Picture1->setFont(gothicFont(GothicSize::Small, false, language));
  Picture1->setAccessibleName(tr("Help text"));
  QWidget::setTabOrder(Command1, Picture1);

  connect(Command1, &QPushButton::clicked, this, &Form4::closeHelp);
}

void Form4::activated() { printHelp(); }

void Form4::closeHelp() {
  close();
  emit closed();
}

void Form4::printHelp() { Picture1->showLines(helpText()); }

QStringList Form4::helpText() {
  QStringList lines;
  for (const HelpLine& line : kHelpLines) {
    const QString rest = *line.rest == '\0' ? QString() : tr(line.rest);
    lines.append(QString(line.ideographicSpaces, QChar(0x3000)) + rest);
  }
  return lines;
}
