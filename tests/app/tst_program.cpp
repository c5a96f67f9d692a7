#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <utility>

#include "cards.h"
#include "eventwait.h"
#include "form1.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "imagecontrol.h"
#include "labelcontrol.h"
#include "module1.h"
#include "program.h"
#include "session.h"
#include "timercontrol.h"

namespace {

// ---- The reference model, written from the program's state tables ----

constexpr int kHistoryBound = 100000;
constexpr int kRunLength = 1000;

// Buttons in Command order: Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph display, Help.
enum Button { Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph, Help };

QString ratioOf(int hits, int trials) {
  const auto ratio = static_cast<float>(static_cast<double>(hits) / trials);
  return QString::number(static_cast<double>(ratio), 'f', 7);
}

struct Model {
  bool mainLoaded = false;
  bool mainVisible = false;
  bool graphLoaded = false;
  bool helpLoaded = false;
  bool ended = false;
  QString enabled;  // "E" or "D" for each button, as Session::buttonStates gives them
  bool timerOn = false;
  int drawMode = -1;
  int trials = 0;
  int hits = 0;
  int card = 0;  // the card on view; 0: image 1 after a load or Init
  QString label3;
  QString label4;
  QString label6;
  // The ratio history as the program must hold it: Init and a new load of the
  // main window leave it alone, and each counted draw writes its own entry.
  std::vector<float> history = std::vector<float>(kHistoryBound + 1, 0.0F);
  int historyWritten = 0;  // the highest entry ever written

  void count() {
    history[static_cast<std::size_t>(trials)] =
        static_cast<float>(static_cast<double>(hits) / trials);
    historyWritten = std::max(historyWritten, trials);
  }

  void load() {
    mainLoaded = true;
    enabled = QStringLiteral("DEEEDDDE");
    timerOn = false;
    drawMode = -1;
    trials = 0;
    hits = 0;
    card = 0;
    label3 = label4 = QStringLiteral("0");
    label6.clear();
  }

  // "E" enables, "D" disables, "." keeps, for each button in Command order.
  void set(const char* states) {
    for (qsizetype b = 0; b < enabled.size(); ++b) {
      enabled[b] = states[b] == '.' ? enabled[b] : QLatin1Char(states[b]);
    }
  }

  void showMain() {
    if (!mainLoaded) {
      load();
    }
    mainVisible = true;
  }

  bool full() const { return trials >= kHistoryBound; }

  // `drawn` is the card the program shows after the action (read from it; the
  // model cannot know which card chance gives).
  void press(Button button, int drawn) {
    switch (button) {
      case Shuffle:
        drawMode = -1;
        set("EDDD.DDD");
        timerOn = true;
        break;
      case Draw:
        drawMode = -1;
        set("D.EE.EEE");
        enabled[Shuffle] = full() ? u'D' : u'E';
        timerOn = false;
        card = drawn;
        if (!full()) {
          ++trials;
          label3 = QLatin1Char(' ') + QString::number(trials);
          if (isMultipleOfThree(card)) {
            ++hits;
            label4 = QLatin1Char(' ') + QString::number(hits);
          }
          label6 = ratioOf(hits, trials);
          count();
          enabled[Shuffle] = full() ? u'D' : u'E';
        }
        break;
      case AutoStart:
        drawMode = 1;
        timerOn = true;
        set(".DDDEDDD");
        break;
      case AutoStop:
        drawMode = -1;
        timerOn = false;
        set("D.EEDEEE");
        enabled[Shuffle] = full() ? u'D' : u'E';
        break;
      case Init:
        drawMode = -1;
        card = 0;
        trials = hits = 0;
        label3 = label4 = QStringLiteral("0");
        label6.clear();
        set("DE.EDDD.");
        break;
      case Graph:
        mainVisible = false;
        graphLoaded = true;
        break;
      case Help:
        helpLoaded = true;
        break;
      case Exit:
        ended = true;
        break;
    }
  }

  void tick(int drawn) {
    card = drawn;
    if (drawMode != 1) {
      return;
    }
    if (trials < kRunLength) {
      if (isMultipleOfThree(card)) {
        ++hits;
        label4 = QString::number(hits);
      }
      ++trials;
    } else {
      timerOn = false;
      set("DDEDDEEE");
      drawMode = -1;
    }
    label3 = QString::number(trials);
    label6 = ratioOf(hits, trials);
    count();
  }

  void closeMain() {
    mainLoaded = mainVisible = false;
    timerOn = false;
    ended = !graphLoaded && !helpLoaded;
  }
  void closeGraph() {  // the Close button and the title bar alike
    showMain();
    graphLoaded = false;
  }
  void closeHelpButton() {
    helpLoaded = false;
    showMain();
  }
  void closeHelpTitleBar() {
    helpLoaded = false;
    ended = !mainVisible && !graphLoaded;
  }
};

// ---- The real program, driven and observed ----

void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

// What the model says against what the program shows; empty when they agree.
QString differences(const Model& model, TestProgram& program) {
  QStringList out;
  auto expect = [&out](bool same, const QString& what) {
    if (!same) {
      out.append(what);
    }
  };
  const bool anyWindow = (program.form1() != nullptr && program.form1()->isVisible()) ||
                         program.form2() != nullptr || program.form4() != nullptr;
  expect((program.ended || !anyWindow) == model.ended, QStringLiteral("ended"));
  if (model.ended) {
    return out.join(QStringLiteral("; "));
  }
  Form1* main = program.form1();
  expect((main != nullptr) == model.mainLoaded, QStringLiteral("main window loaded"));
  expect((program.form2() != nullptr) == model.graphLoaded, QStringLiteral("graph loaded"));
  expect((program.form4() != nullptr) == model.helpLoaded, QStringLiteral("help loaded"));
  if (program.form2() != nullptr) {
    expect(program.form2()->isVisible(), QStringLiteral("graph visible"));
  }
  if (program.form4() != nullptr) {
    expect(program.form4()->isVisible(), QStringLiteral("help visible"));
  }
  if (main == nullptr || !model.mainLoaded) {
    return out.join(QStringLiteral("; "));
  }
  expect(main->isVisible() == model.mainVisible, QStringLiteral("main window visible"));
  expect(buttonStatesOf(main) == model.enabled,
         QStringLiteral("buttons %1 not %2").arg(buttonStatesOf(main), model.enabled));
  expect(timerOf(main)->isActive() == model.timerOn, QStringLiteral("Timer1"));
  expect(Form1Testing::drawMode(*main) == model.drawMode, QStringLiteral("drawMode"));
  expect(program.module1().trialCount == model.trials, QStringLiteral("trialCount"));
  expect(Form1Testing::tally(*main).hitCount == model.hits, QStringLiteral("hitCount"));
  for (const auto& [label, text] :
       {std::pair{"Label3", model.label3}, std::pair{"Label4", model.label4},
        std::pair{"Label6", model.label6}, std::pair{"Label7", QStringLiteral("0.3076923")}}) {
    expect(captionOf(main, label) == text,
           QStringLiteral("%1 '%2' not '%3'").arg(label, captionOf(main, label), text));
  }
  QList<int> shown;
  for (int index = 1; index <= 52; ++index) {
    if (cardOf(main, index)->isShown()) {
      shown.append(index);
    }
  }
  expect(shown == QList<int>{model.card == 0 ? 1 : model.card},
         QStringLiteral("cards on view %1").arg(shown.size()));
  // Every entry written so far, and the one after them, which nothing wrote.
  const auto& history = program.module1().ratioHistory;
  const auto end = model.history.begin() + std::min(model.historyWritten + 2, kHistoryBound + 1);
  const auto differs = std::mismatch(model.history.begin(), end, history.begin());
  expect(differs.first == end,
         QStringLiteral("history entry %1").arg(differs.first - model.history.begin()));
  return out.join(QStringLiteral("; "));
}

// The actions a user can take in the program's present state, each as often as
// it should be chosen: ending the program (Exit, a title-bar close of the last
// window) is offered rarely, so that sequences get somewhere first.
QStringList availableActions(const Model& model) {
  constexpr int kCommon = 8;
  QStringList actions;
  auto offer = [&actions](const QString& action, int weight) {
    for (int w = 0; w < weight; ++w) {
      actions.append(action);
    }
  };
  if (model.mainVisible) {
    for (std::size_t b = 0; b < 8; ++b) {
      if (model.enabled[static_cast<qsizetype>(b)] == QLatin1Char('E')) {
        offer(QStringLiteral("Form1.") + QLatin1String(kCommands[b]), b == Exit ? 1 : kCommon);
      }
    }
    offer(QStringLiteral("close Form1"), 1);
  }
  if (model.graphLoaded) {
    offer(QStringLiteral("Form2.Command1"), kCommon);
    offer(QStringLiteral("close Form2"), 2);
  }
  if (model.helpLoaded) {
    offer(QStringLiteral("Form4.Command1"), kCommon / 2);
    offer(QStringLiteral("close Form4"), 2);
  }
  if (model.mainLoaded && model.timerOn) {
    // Ticks come often: as often as everything else together.
    offer(QStringLiteral("tick"), static_cast<int>(actions.size()));
    offer(QStringLiteral("tick*250"), 2);
  }
  return actions;
}

int cardOnView(TestProgram& program) {
  return program.form1() != nullptr ? Form1Testing::tally(*program.form1()).currentCard : 0;
}

// Applies one action to both; false if it is not available now.
bool perform(const QString& action, Model& model, TestProgram& program) {
  if (!availableActions(model).contains(action)) {
    return false;
  }
  if (action.startsWith(QLatin1String("tick"))) {
    const int count = action == QLatin1String("tick") ? 1 : action.mid(5).toInt();
    for (int i = 0; i < count && model.timerOn; ++i) {
      tickOnce(program.form1());
      model.tick(cardOnView(program));
    }
  } else if (action.startsWith(QLatin1String("Form1.Command"))) {
    const int number = action.mid(13).toInt();
    if (number == 3) {
      answerMessageBox();
    }
    buttonOf(program.form1(), kCommands[static_cast<std::size_t>(number - 1)])->click();
    model.press(static_cast<Button>(number - 1), cardOnView(program));
  } else if (action == QLatin1String("Form2.Command1")) {
    buttonOf(program.form2(), "Command1")->click();
    model.closeGraph();
  } else if (action == QLatin1String("Form4.Command1")) {
    buttonOf(program.form4(), "Command1")->click();
    model.closeHelpButton();
  } else if (action == QLatin1String("close Form1")) {
    program.form1()->close();
    model.closeMain();
  } else if (action == QLatin1String("close Form2")) {
    program.form2()->close();
    model.closeGraph();
  } else if (action == QLatin1String("close Form4")) {
    program.form4()->close();
    model.closeHelpTitleBar();
  }
  settle();
  return true;
}

// The program and its model side by side; launched anew when the program ends.
// The shared history outlives a program's windows but not the program itself.
struct ModelledProgram {
  std::unique_ptr<TestProgram> program;
  Model model;

  void launchIfEnded() {
    if (program != nullptr && !model.ended) {
      return;
    }
    program.reset();
    settle();
    program = std::make_unique<TestProgram>();
    model = Model();
    program->showForm1();
    model.showMain();
  }
};

struct Outcome {
  QStringList taken;   // the actions given, in order
  int performed = 0;   // of them, those available when their turn came
  QString difference;  // after the last action taken; empty while the two agree
};

// Plays the actions `next` gives, until it gives none, on a fresh program; one
// not available when its turn comes is skipped. Stops where the two disagree.
Outcome play(const std::function<QString(const Model&)>& next) {
  Outcome outcome;
  ModelledProgram session;
  for (;;) {
    session.launchIfEnded();
    const QString action = next(session.model);
    if (action.isEmpty()) {
      return outcome;
    }
    outcome.taken.append(action);
    if (perform(action, session.model, *session.program)) {
      ++outcome.performed;
      outcome.difference = differences(session.model, *session.program);
      if (!outcome.difference.isEmpty()) {
        return outcome;
      }
    }
  }
}

// Removes actions one at a time while the disagreement remains.
QStringList shrink(QStringList actions) {
  for (qsizetype i = actions.size() - 1; i >= 0; --i) {
    QStringList shorter = actions;
    shorter.removeAt(i);
    qsizetype at = 0;
    if (!play([&](const Model&) { return shorter.value(at++); }).difference.isEmpty()) {
      actions = shorter;
    }
  }
  return actions;
}

int environmentInt(const char* name, int fallback) {
  bool ok = false;
  const int value = qEnvironmentVariableIntValue(name, &ok);
  return ok ? value : fallback;
}

}  // namespace

class TestProgram_ : public QObject {
  Q_OBJECT

 private slots:
  void randomUseAgreesWithTheModel();
  void writesNoFiles();
};

// VANDREL_MODEL_SEQUENCES and VANDREL_MODEL_LENGTH change the amount; the soak
// runs VANDREL_MODEL_SEQUENCES=2000 and reports actions per second.
void TestProgram_::randomUseAgreesWithTheModel() {
  const int sequences = environmentInt("VANDREL_MODEL_SEQUENCES", 200);
  const int length = environmentInt("VANDREL_MODEL_LENGTH", 500);
  const auto firstSeed = static_cast<quint32>(environmentInt("VANDREL_MODEL_SEED", 1));
  QElapsedTimer clock;
  clock.start();
  long long actions = 0;
  QSet<QString> kinds;
  for (int s = 0; s < sequences; ++s) {
    const quint32 seed = firstSeed + static_cast<quint32>(s);
    QRandomGenerator random(seed);
    int chosen = 0;
    const Outcome outcome = play([&](const Model& model) {
      const QStringList offered = availableActions(model);
      const auto pick =
          static_cast<qsizetype>(random.bounded(static_cast<quint32>(offered.size())));
      return chosen++ < length ? offered.at(pick) : QString();
    });
    actions += outcome.performed;
    kinds.unite(QSet<QString>(outcome.taken.begin(), outcome.taken.end()));
    if (!outcome.difference.isEmpty()) {
      const QStringList shortest = shrink(outcome.taken);
      QFAIL(qPrintable(QStringLiteral("seed %1: %2 after action %3\nshortest sequence (%4): %5")
                           .arg(seed)
                           .arg(outcome.difference)
                           .arg(outcome.taken.size())
                           .arg(shortest.size())
                           .arg(shortest.join(QStringLiteral(", ")))));
    }
  }
  std::printf("%lld actions checked in %d sequences, %.0f actions per second\n", actions, sequences,
              static_cast<double>(actions) * 1000.0 /
                  static_cast<double>(std::max<qint64>(1, clock.elapsed())));
  // The walk went everywhere a user can go.
  QSet<QString> everyKind{"tick",        "tick*250",    "Form2.Command1", "Form4.Command1",
                          "close Form1", "close Form2", "close Form4"};
  for (const char* command : kCommands) {
    everyKind.insert(QStringLiteral("Form1.") + QLatin1String(command));
  }
  QVERIFY2(kinds.contains(everyKind) || sequences < 50,
           qPrintable(QStringList((everyKind - kinds).values()).join(QStringLiteral(", "))));
}

namespace {

// Run in a child process whose home, XDG folders and working folder are empty.
int writeNothingScenario() {
  TestProgram program;
  program.showForm1();
  Form1* main = program.form1();
  if (!QTest::qWaitForWindowExposed(main)) {
    return 3;
  }
  buttonOf(main, "Command2")->click();
  runEventsUntil([main] { return Form1Testing::tally(*main).currentCard != 0; }, 60000);
  buttonOf(main, "Command1")->click();
  buttonOf(main, "Command4")->click();
  runEventsUntil([main] { return !timerOf(main)->isActive(); }, 60000);
  // Each window is up, as the user would find it, before its button is pressed.
  auto openAndClose = [&program, main](const char* command, auto window) {
    buttonOf(main, command)->click();
    const bool opened = QTest::qWaitForWindowActive((program.*window)());
    if (opened) {
      buttonOf((program.*window)(), "Command1")->click();
    }
    return opened && QTest::qWaitForWindowActive(main);
  };
  if (!openAndClose("Command7", &Program::form2) || !openAndClose("Command8", &Program::form4)) {
    return 5;
  }
  buttonOf(main, "Command6")->click();
  answerMessageBox();
  buttonOf(main, "Command3")->click();
  return program.ended ? 0 : 4;
}

}  // namespace

void TestProgram_::writesNoFiles() {
  QTemporaryDir root;
  // Each folder, and the variable that names it to the child ("work" is its working folder).
  const std::map<QString, const char*> variables{
      {"home", "HOME"},          {"config", "XDG_CONFIG_HOME"}, {"cache", "XDG_CACHE_HOME"},
      {"data", "XDG_DATA_HOME"}, {"state", "XDG_STATE_HOME"},   {"runtime", "XDG_RUNTIME_DIR"},
      {"work", nullptr}};
  QStringList folders;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const auto& [folder, variable] : variables) {
    QVERIFY(QDir(root.path()).mkdir(folder));
    folders.append(folder);
    if (variable != nullptr) {
      environment.insert(QLatin1String(variable), root.filePath(folder));
    }
  }
  QFile::setPermissions(root.filePath(QStringLiteral("runtime")),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(root.filePath(QStringLiteral("work")));
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--write-nothing")});
  QVERIFY(child.waitForFinished(180000));
  QCOMPARE(child.exitCode(), 0);
  QStringList written;
  QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    const QString path = QDir(root.path()).relativeFilePath(it.next());
    if (!folders.contains(path)) {
      written.append(path);
    }
  }
  QVERIFY2(written.isEmpty(), qPrintable(written.join(QStringLiteral(", "))));
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 2 && QByteArray(argv[1]) == "--write-nothing") {
    Program::endProcess(writeNothingScenario());
  }
  TestProgram_ test;
  Program::endProcess(QTest::qExec(&test, argc, argv));
}

#include "tst_program.moc"
