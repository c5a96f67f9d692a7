#include "session.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <utility>

#include "form1.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "module1.h"
#include "soundoutputs_testing.h"

void tickOnce(const QWidget* form) {
  // As the running timer delivers each of its ticks; a stopped one delivers none.
  TimerControl* timer = timerOf(form);
  if (timer->isActive()) {
    emit timer->timeout();
  }
}

void answerMessageBox(bool escape, std::function<void(QMessageBox&)> look, int looks) {
  QTimer::singleShot(0, qApp, [escape, look = std::move(look), looks]() mutable {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      if (looks > 1) {
        answerMessageBox(escape, std::move(look), looks - 1);
      }
      return;
    }
    if (look) {
      look(*box);
    }
    if (escape) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else {
      box->button(QMessageBox::Ok)->click();
    }
  });
}

void fillReferenceHistory(Module1& shared, int trials) {
  for (int n = 1; n <= trials; ++n) {
    shared.ratioHistory[static_cast<std::size_t>(n)] =
        n == 1000 ? 0.95F : static_cast<float>(0.2 + 0.1 * ((n / 100) % 5));
  }
  shared.trialCount = trials;
}

QStringList japaneseCaptions(const std::function<QWidget*(Session&)>& open) {
  const Translations translations(kJapanese);
  Session s(translations.language());
  const QWidget* window = open(s);
  return {window->windowTitle(), buttonOf(window, "Command1")->text()};
}

Session::Session(const QLocale& language) : program(language) {
#ifdef VANDREL_SOUND_MODULE
  useSoundModule(QStringLiteral(VANDREL_SOUND_MODULE));
#endif
  program.showForm1();
  form = program.form1();
}

QPushButton* Session::button(const char* name) const { return buttonOf(form, name); }
QString Session::caption(const char* name) const { return captionOf(form, name); }
TimerControl* Session::timer() const { return timerOf(form); }
int Session::drawMode() const { return Form1Testing::drawMode(*form); }

void Session::replayable(std::uint64_t seed) {
  Form1Testing::setDrawSource(*form, seed, [this] { return static_cast<float>(clockReads++); });
}

void Session::tick() const { tickOnce(form); }

void Session::runToEnd() const {
  for (int guard = 0; guard < 5000 && timer()->isActive(); ++guard) {
    tick();
  }
}

void Session::perform(const QString& action) {
  auto repeat = [&action](int prefix, const auto& step) {
    const int count = action.mid(prefix).toInt();
    for (int i = 0; i < count; ++i) {
      step();
    }
  };
  if (action == QLatin1String("run")) {
    runToEnd();
  } else if (action == QLatin1String("tick")) {
    tick();
  } else if (action.startsWith(QLatin1String("tick*"))) {
    repeat(5, [this] { tick(); });
  } else if (action.startsWith(QLatin1String("trials="))) {
    program.module1().trialCount = action.mid(7).toInt();
  } else if (action.startsWith(QLatin1String("manual*"))) {
    repeat(7, [this] {
      button("Command2")->click();
      tick();
      button("Command1")->click();
    });
  } else {
    const auto command =
        std::find_if(kCommands.begin(), kCommands.end(),
                     [&action](const Command& c) { return action == QLatin1String(c.caption); });
    QVERIFY2(command != kCommands.end(), qPrintable(action));
    QPushButton* target = button(command->name);
    QVERIFY2(target->isEnabled(), qPrintable(action + " is not offered"));
    target->click();
  }
}

void Session::performAll(const QStringList& actions) {
  for (const QString& action : actions) {
    perform(action);
    if (QTest::currentTestFailed()) {
      return;
    }
  }
}

QString buttonStatesOf(const QWidget* form) {
  QString states;
  for (const Command& command : kCommands) {
    states += buttonOf(form, command.name)->isEnabled() ? QLatin1Char('E') : QLatin1Char('D');
  }
  return states;
}

Form2* Session::openGraph() {
  QPushButton* graphDisplay = buttonOf(program.form1(), "Command7");
  graphDisplay->setEnabled(true);
  graphDisplay->click();
  Form2* graph = program.form2();
  return graph != nullptr && QTest::qWaitForWindowActive(graph) ? graph : nullptr;
}

Form4* Session::openHelp() {
  buttonOf(program.form1(), "Command8")->click();
  Form4* help = program.form4();
  return help != nullptr && QTest::qWaitForWindowActive(help) ? help : nullptr;
}
