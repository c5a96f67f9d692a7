// Shows the program in one language as a student meets it, for reviewers and
// for the README's montage: the same replayed draws in every language, a draw
// by hand and then a whole automatic run. Writes DIR/main_LANGUAGE.png (the
// main window after the run), graph_LANGUAGE.png and help_LANGUAGE.png, and
// prints what a screen reader was told after the draw and after the run.
//   vandrel-language-shots LANGUAGE DIR     (fr, pt_BR, ...; en for English)

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QPushButton>
#include <QWidget>

#include <cstdio>

#include "accessibility/announcer.h"
#include "form1.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "program.h"
#include "timing/timercontrol.h"
#include "translations.h"

namespace {

void pressButton(const QWidget* window, const char* name) {
  window->findChild<QPushButton*>(QLatin1String(name))->click();
}

// Ticks Timer1 as long as it runs, as it would tick on its own.
void tickWhileRunning(const QWidget* form, int most) {
  auto* timer = form->findChild<TimerControl*>(QStringLiteral("Timer1"));
  for (int tick = 0; tick < most && timer->isActive(); ++tick) {
    emit timer->timeout();
  }
}

bool save(QWidget* window, const QDir& folder, const QString& name, const QString& language) {
  return window->grab().save(folder.filePath(name + QLatin1Char('_') + language + ".png"));
}

}  // namespace

int main(int argc, char** argv) {
  const QApplication application(argc, argv);
  if (argc != 3) {
    std::fputs("usage: vandrel-language-shots LANGUAGE DIR\n", stderr);
    return 2;
  }
  const QString language = QString::fromLocal8Bit(argv[1]);
  const QDir folder(QString::fromLocal8Bit(argv[2]));
  const Translations translations{QLocale(language)};
  if (!translations.loaded()) {
    std::fprintf(stderr, "no translation for %s\n", argv[1]);
    return 2;
  }
  Program program(translations.language());
  program.showForm1();
  Form1* form = program.form1();
  int clock = 0;
  Form1Testing::setDrawSource(*form, 20261208, [&clock] { return static_cast<float>(clock++); });
  const auto* announcer = form->findChild<Announcer*>();

  pressButton(form, "Command2");
  tickWhileRunning(form, 3);
  pressButton(form, "Command1");
  std::printf("%s\n", qPrintable(announcer->told()));
  pressButton(form, "Command4");
  tickWhileRunning(form, 5000);
  std::printf("%s\n", qPrintable(announcer->told()));
  bool saved = save(form, folder, QStringLiteral("main"), language);

  pressButton(form, "Command7");
  saved = saved && save(program.form2(), folder, QStringLiteral("graph"), language);
  pressButton(program.form2(), "Command1");
  pressButton(program.form1(), "Command8");
  saved = saved && save(program.form4(), folder, QStringLiteral("help"), language);
  return saved ? 0 : 1;
}
