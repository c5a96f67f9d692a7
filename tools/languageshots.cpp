// Shows the program in one language as a student meets it, for reviewers and
// for the README's montage: the same replayed draws in every language, a draw
// by hand and then a whole automatic run. Writes DIR/main_LANGUAGE.png (the
// main window after the run), graph_LANGUAGE.png and help_LANGUAGE.png, and
// prints what a screen reader was told after the draw and after the run.
//   vandrel-language-shots LANGUAGE DIR     (fr, pt_BR, ...; en for English)

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QWidget>

#include <cstdio>

#include "accessibility/announcer.h"
#include "controls.h"
#include "form1.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "program.h"
#include "timing/timercontrol.h"
#include "translations.h"

namespace {

// Ticks Timer1 as long as it runs, as it would tick on its own.
void tickWhileRunning(const QWidget* form, int most) {
  TimerControl* timer = timerOf(form);
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

  buttonOf(form, "Command2")->click();
  tickWhileRunning(form, 3);
  buttonOf(form, "Command1")->click();
  std::printf("%s\n", qPrintable(announcer->told()));
  buttonOf(form, "Command4")->click();
  tickWhileRunning(form, 5000);
  std::printf("%s\n", qPrintable(announcer->told()));
  bool saved = save(form, folder, QStringLiteral("main"), language);

  buttonOf(form, "Command7")->click();
  saved = saved && save(program.form2(), folder, QStringLiteral("graph"), language);
  buttonOf(program.form2(), "Command1")->click();
  buttonOf(program.form1(), "Command8")->click();
  saved = saved && save(program.form4(), folder, QStringLiteral("help"), language);
  return saved ? 0 : 1;
}
