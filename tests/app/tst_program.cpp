#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <array>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>

#include "cards.h"
#include "form1_testing.h"
#include "form2.h"
#include "form4.h"
#include "module1.h"
#include "session.h"

namespace {

// ---- The reference model, written from the program's state tables ----

constexpr int kHistoryBound = 100000;
constexpr int kRunLength = 1000;

enum Button { Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph, Help };

// What a handler does, as the state tables say: to the buttons in Command order
// (E enables, D disables), then to Timer1 (1 starts, 0 stops), then to drawMode
// (+1 automatic, -1 manual); "." leaves a thing as it was.
constexpr const char* kKeep = "........ . ..";
constexpr std::array<const char*, 8> kPressed{
    "DEEE.EEE 0 -1",  // Draw
    "EDDD.DDD 1 -1",  // Shuffle
    kKeep,            // Exit
    ".DDDEDDD 1 +1",  // AutoStart
    "DEEEDEEE 0 -1",  // AutoStop
    "DE.EDDD. . -1",  // Init
    kKeep,            // Graph display
    kKeep,            // Help
};
constexpr const char* kRunEnd = "DDEDDEEE 0 -1";

enum Presence { Unloaded, Hidden, OnView };

struct Model {
  bool ended = false;
  Presence form1 = Unloaded;
  Presence form2 = Unloaded;
  Presence form4 = Unloaded;
  // The main window's, while it is loaded.
  QString state;  // the buttons, Timer1 and drawMode, as in the table above
  int trials = 0;
  int hits = 0;
  QList<int> cards;  // the images on view
  QMap<QString, QString> labels;
  // The ratio history as the program must hold it: Init and a new load of the
  // main window leave it alone, and each counted draw writes its own entry.
  std::vector<float> history = std::vector<float>(kHistoryBound + 1, 0.0F);
  int historyWritten = 0;  // the highest entry ever written

  bool timerOn() const { return state[9] == '1'; }

  void apply(const char* change) {
    for (qsizetype i = 0; i < state.size(); ++i) {
      state[i] = change[i] == '.' ? state[i] : QLatin1Char(change[i]);
    }
    // Over every state: once the history is full, no more manual draws.
    state[Shuffle] = trials >= kHistoryBound ? u'D' : state[Shuffle];
  }

  void reset() {
    trials = hits = 0;
    cards = {1};
    labels = {{"Label3", "0"}, {"Label4", "0"}, {"Label6", ""}, {"Label7", "0.3076923"}};
  }

  void showMain() {
    if (form1 == Unloaded) {
      reset();
      state = "DEEEDDDE 0 -1";  // as designed, all enabled and Timer1 off, then loaded
    }
    form1 = OnView;
  }

  // A draw on the card `drawn`, now on view, counted or not, and the labels and
  // the history entry it writes; Draw writes its counts after a blank, a tick without.
  void tally(int drawn, bool counted, const QString& blank) {
    cards = {drawn};
    if (counted) {
      ++trials;
      if (isMultipleOfThree(drawn)) {
        ++hits;
        labels["Label4"] = blank + QString::number(hits);
      }
    }
    labels["Label3"] = blank + QString::number(trials);
    const auto ratio = static_cast<float>(static_cast<double>(hits) / trials);
    labels["Label6"] = QString::number(static_cast<double>(ratio), 'f', 7);
    history[static_cast<std::size_t>(trials)] = ratio;
    historyWritten = std::max(historyWritten, trials);
  }

  // `drawn` is the card the program shows after the step (read from it; the
  // model cannot know which card chance gives).
  void tick(int drawn) {
    cards = {drawn};
    if (state.endsWith("+1")) {
      const bool ends = trials >= kRunLength;
      apply(ends ? kRunEnd : kKeep);
      tally(drawn, !ends, {});
    }
  }

  void press(Button button, int drawn) {
    if (button == Draw && trials < kHistoryBound) {
      tally(drawn, true, " ");
    }
    if (button == Init) {
      reset();
    }
    form1 = button == Graph ? Hidden : form1;
    form2 = button == Graph ? OnView : form2;
    form4 = button == Help ? OnView : form4;
    ended = button == Exit;
    apply(kPressed.at(button));
  }

  // The graph comes back to the main window however it closes, the help only
  // by its Close button; the program ends with its last window.
  void close(const QString& action) {
    (action.startsWith("Form1") ? form1 : action.startsWith("Form2") ? form2 : form4) = Unloaded;
    if (action != "Form1.close" && action != "Form4.close") {
      showMain();
    }
    ended = form1 != OnView && form2 == Unloaded && form4 == Unloaded;
  }
};

// What the program shows against what the model says; empty when they agree.
QString differences(const Model& model, TestProgram& program) {
  QStringList out;
  auto expect = [&out](const char* what, const auto& expected, const auto& shown) {
    if (expected != shown) {
      QString text;
      QDebug(&text).nospace() << what << " " << shown << " not " << expected;
      out.append(text);
    }
  };
  auto presence = [](const QWidget* window) {
    return window == nullptr ? Unloaded : window->isVisible() ? OnView : Hidden;
  };
  Form1* main = program.form1();
  expect("ended", model.ended,
         program.ended || (presence(main) != OnView && program.form2() == nullptr &&
                           program.form4() == nullptr));
  if (!model.ended) {
    expect("Form1", model.form1, presence(main));
    expect("Form2", model.form2, presence(program.form2()));
    expect("Form4", model.form4, presence(program.form4()));
  }
  if (model.ended || main == nullptr || model.form1 == Unloaded) {
    return out.join("; ");
  }
  QList<int> shown;
  for (int index = 1; index <= 52; ++index) {
    if (cardOf(main, index)->isShown()) {
      shown.append(index);
    }
  }
  expect("buttons, Timer1, drawMode", model.state,
         buttonStatesOf(main) + QString::asprintf(" %d %+d", timerOf(main)->isActive() ? 1 : 0,
                                                  int{Form1Testing::drawMode(*main)}));
  expect("trialCount", model.trials, program.module1().trialCount);
  expect("hitCount", model.hits, Form1Testing::tally(*main).hitCount);
  // While Timer1 runs, the image on view follows the cards drawn once a frame,
  // which the model cannot foresee: one image is on view.
  if (timerOf(main)->isActive()) {
    expect("cards on view while Timer1 runs", qsizetype{1}, shown.size());
  } else {
    expect("cards on view", model.cards, shown);
  }
  // So do a run's counts; they are written when Timer1 stops.
  const bool running = timerOf(main)->isActive() && Form1Testing::drawMode(*main) > 0;
  for (const auto& [label, text] : model.labels.asKeyValueRange()) {
    if (!running || label == QLatin1String("Label7")) {
      expect(qPrintable(label), text, captionOf(main, qPrintable(label)));
    }
  }
  // Every entry written so far, and the one after them, which nothing wrote.
  const auto begin = model.history.begin();
  const auto end = begin + std::min(model.historyWritten + 2, kHistoryBound + 1);
  const auto differs = std::mismatch(begin, end, program.module1().ratioHistory.begin());
  expect("history entries alike", end - begin, differs.first - begin);
  return out.join("; ");
}

// The actions a user can take in the program's present state, each as often as
// it should be chosen: ending the program (Exit, a title-bar close of the last
// window) is offered rarely, so that sequences get somewhere first.
QStringList availableActions(const Model& model) {
  constexpr int kCommon = 8;
  QStringList actions;
  auto offer = [&actions](bool offered, const QString& action, qsizetype weight) {
    actions += QStringList(offered ? weight : 0, action);
  };
  for (std::size_t b = 0; b < kCommands.size(); ++b) {
    offer(model.form1 == OnView && model.state[static_cast<qsizetype>(b)] == 'E',
          QString("Form1.") + kCommands.at(b).name, b == Exit ? 1 : kCommon);
  }
  offer(model.form1 == OnView, "Form1.close", 1);
  offer(model.form2 != Unloaded, "Form2.Command1", kCommon);
  offer(model.form2 != Unloaded, "Form2.close", 2);
  offer(model.form4 != Unloaded, "Form4.Command1", kCommon / 2);
  offer(model.form4 != Unloaded, "Form4.close", 2);
  // Ticks come often: as often as everything else together.
  const bool ticking = model.form1 != Unloaded && model.timerOn();
  offer(ticking, "tick", actions.size());
  offer(ticking, "tick*250", 2);
  return actions;
}

// Applies one action to both; false if it is not available now.
bool perform(const QString& action, Model& model, TestProgram& program) {
  if (!availableActions(model).contains(action)) {
    return false;
  }
  const auto drawn = [&program] { return Form1Testing::tally(*program.form1()).currentCard; };
  if (action.startsWith("tick")) {
    for (int i = action == "tick" ? 1 : action.mid(5).toInt(); i > 0 && model.timerOn(); --i) {
      tickOnce(program.form1());
      model.tick(drawn());
    }
  } else {
    const std::map<QString, QWidget*> windows{
        {"Form1", program.form1()}, {"Form2", program.form2()}, {"Form4", program.form4()}};
    if (action == "Form1.Command3") {
      answerMessageBox();
    }
    if (action.endsWith(".close")) {
      windows.at(action.left(5))->close();
    } else {
      buttonOf(windows.at(action.left(5)), qPrintable(action.mid(6)))->click();
    }
    if (action.startsWith("Form1.Command")) {
      model.press(static_cast<Button>(action.mid(13).toInt() - 1), drawn());
    } else {
      model.close(action);
    }
  }
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return true;
}

// Plays the actions `next` gives, until it gives none, on a fresh program, and
// lists them in `taken`; one not available when its turn comes is skipped.
// Stops where the two disagree and tells how; empty if they never do.
QString play(const std::function<QString(const Model&)>& next, QStringList& taken) {
  std::unique_ptr<TestProgram> program;
  Model model;
  for (;;) {
    // Launched anew when it ends: the shared history outlives a program's
    // windows but not the program itself.
    if (program == nullptr || model.ended) {
      program.reset();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      program = std::make_unique<TestProgram>();
      model = Model();
      program->showForm1();
      model.showMain();
    }
    const QString action = next(model);
    if (action.isEmpty()) {
      return {};
    }
    taken.append(action);
    QString difference =
        perform(action, model, *program) ? differences(model, *program) : QString();
    if (!difference.isEmpty()) {
      return difference;
    }
  }
}

// Removes actions one at a time while the disagreement remains.
QStringList shrink(QStringList actions) {
  for (qsizetype i = actions.size() - 1; i >= 0; --i) {
    QStringList shorter = actions;
    shorter.removeAt(i);
    qsizetype at = 0;
    QStringList taken;
    if (!play([&](const Model&) { return shorter.value(at++); }, taken).isEmpty()) {
      actions = shorter;
    }
  }
  return actions;
}

// Run in a child process whose home, XDG folders and working folder are empty.
int writeNothingScenario() {
  Session session;
  const bool shown = QTest::qWaitForWindowExposed(session.form);
  session.performAll({"Shuffle", "tick", "Draw", "AutoStart", "run"});
  // Each window is up, as the user would find it, before its button is pressed.
  auto closeByButton = [&session](QWidget* window) {
    if (window != nullptr) {
      buttonOf(window, "Command1")->click();
    }
    return window != nullptr && QTest::qWaitForWindowActive(session.form);
  };
  const bool closed = closeByButton(session.openGraph()) && closeByButton(session.openHelp());
  session.button("Command6")->click();
  answerMessageBox();
  session.button("Command3")->click();
  return shown && closed && session.program.ended ? 0 : 1;
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
  const int sequences = qEnvironmentVariable("VANDREL_MODEL_SEQUENCES", "200").toInt();
  const int length = qEnvironmentVariable("VANDREL_MODEL_LENGTH", "500").toInt();
  const quint32 firstSeed = qEnvironmentVariable("VANDREL_MODEL_SEED", "1").toUInt();
  QElapsedTimer clock;
  clock.start();
  QSet<QString> kinds;
  for (int s = 0; s < sequences; ++s) {
    const quint32 seed = firstSeed + static_cast<quint32>(s);
    QRandomGenerator random(seed);
    QStringList taken;
    auto choose = [&](const Model& model) {
      const QStringList offered = availableActions(model);
      return taken.size() < length ? offered.at(random.bounded(static_cast<int>(offered.size())))
                                   : QString();
    };
    const QString difference = play(choose, taken);
    kinds.unite(QSet<QString>(taken.begin(), taken.end()));
    if (!difference.isEmpty()) {
      QFAIL(qPrintable(QString("seed %1, after action %2: %3\nshortest sequence: %4")
                           .arg(QString::number(seed), QString::number(taken.size()), difference,
                                shrink(taken).join(", "))));
    }
  }
  // Every sequence gave `length` actions, each chosen among those available.
  const double actions = static_cast<double>(sequences) * length;
  std::printf("%.0f actions checked in %d sequences, %.0f actions per second\n", actions, sequences,
              actions * 1000.0 / static_cast<double>(std::max<qint64>(1, clock.elapsed())));
  // The walk went everywhere a user can go.
  const QSet<QString> everyKind{
      "Form1.Command1", "Form1.Command2", "Form1.Command3", "Form1.Command4", "Form1.Command5",
      "Form1.Command6", "Form1.Command7", "Form1.Command8", "Form1.close",    "Form2.Command1",
      "Form2.close",    "Form4.Command1", "Form4.close",    "tick",           "tick*250"};
  QVERIFY2(kinds.contains(everyKind) || sequences < 50,
           qPrintable(QStringList((everyKind - kinds).values()).join(", ")));
}

void TestProgram_::writesNoFiles() {
  // Beside the test: under Wine, a folder on another drive would turn the
  // platform's and the plugins' paths into paths on that drive.
  QTemporaryDir root(QDir::current().filePath(QStringLiteral("writes-no-files-XXXXXX")));
  // The child's home, data and temporary folders and working folder (PWD),
  // each named after its variable; sorted, as they are found after the run.
#if defined(Q_OS_WIN)
  const QStringList folders{"PWD", "TEMP", "TMP", "USERPROFILE"};
#else
  const QStringList folders{"HOME",           "PWD",
                            "XDG_CACHE_HOME", "XDG_CONFIG_HOME",
                            "XDG_DATA_HOME",  "XDG_RUNTIME_DIR",
                            "XDG_STATE_HOME"};
#endif
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const QString& folder : folders) {
    QVERIFY(
        QDir(root.path()).mkdir(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    environment.insert(folder, root.filePath(folder));
  }
  QProcess child;
  child.setProcessEnvironment(environment);
  child.setWorkingDirectory(root.filePath("PWD"));
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(), {"--write-nothing"});
  QVERIFY(child.waitForFinished(180000));
  QCOMPARE(child.exitCode(), 0);
  QStringList found;
  QDirIterator it(root.path(), QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                  QDirIterator::Subdirectories);
  while (it.hasNext()) {
    found.append(QDir(root.path()).relativeFilePath(it.next()));
  }
  found.sort();
  QCOMPARE(found.join(", "), folders.join(", "));
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestProgram_ test;
  const bool child = argc == 2 && QByteArray(argv[1]) == "--write-nothing";
  endProcess(child ? writeNothingScenario() : QTest::qExec(&test, argc, argv));
}

#include "tst_program.moc"
