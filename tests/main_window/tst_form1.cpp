#include <QAccessible>
#include <QApplication>
#include <QHash>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "cards.h"
#include "eventtimes.h"
#include "eventwait.h"
#include "experiment.h"
#include "form1.h"
#include "form1_testing.h"
#include "module1.h"
#include "multimediacontrol.h"
#include "privatepulse.h"
#include "referencepicture.h"
#include "session.h"

namespace {

// When the controls it watches were painted.
class PaintTimes : public QObject {
 public:
  EventTimes times;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      noteNow(times);
    }
    return QObject::eventFilter(watched, event);
  }
};

// What a screen reader hears of the cards on view; a card the screen and the
// screen reader disagree on is marked.
QString cardsOnView(const Session& s) {
  QStringList names;
  for (int index = 1; index <= kCardCount; ++index) {
    ImageControl* card = cardOf(s.form, index);
    QAccessibleInterface* told = QAccessible::queryAccessibleInterface(card);
    if (card->isShown() || !told->state().invisible) {
      names << (card->isShown() == !told->state().invisible ? QString() : QStringLiteral("?")) +
                   told->text(QAccessible::Name);
    }
  }
  return names.join(QLatin1Char('|'));
}

// The names a screen reader was told of each control, by hear().
QHash<QObject*, QStringList> heard;

// When Label3's changes were told, by hear().
EventTimes heardTimes;

void hear(QAccessibleEvent* event) {
  if (event->type() == QAccessible::NameChanged) {
    heard[event->object()] << event->accessibleInterface()->text(QAccessible::Name);
    if (event->object()->objectName() == QLatin1String("Label3")) {
      noteNow(heardTimes);
    }
  }
}

// A state of the main window after replayed actions (afterActions).
struct StateRow {
  QStringList actions;
  QString buttons;  // Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph, Help
  QString moves;    // how often each action moved the keyboard focus, in order
  int ticks = 0;    // Timer1: 0 stopped, 1 counting ticks, -1 not counting
  int trials = 0;
  QString label3;  // a Draw writes a leading space, a tick none
  QString label4;
  QString label6;
  QString card;    // the card on view, as a screen reader hears it
  int drawn = -1;  // cards drawn in all; -1 leaves Label4, Label6 and the card unchecked
};

// A command's cue and, for Exit, the box it asks in (cues).
struct CueRow {
  QStringList before;
  const char* command = nullptr;
  QString cue;
  bool japanese = false;
  bool escape = false;  // the box is answered with Escape, not OK
  QString box;          // its title|text; empty where the command asks nothing
};

// ---- Scenarios run in a child process, where ending the program can be seen ----

[[noreturn]] void runScenario(const QByteArray& name) {
  int code = 0;
  {
    Program program;
    program.showForm1();
    Form1* form = program.form1();
    // A program that should have ended but did not is caught here.
    QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
    QTimer::singleShot(0, form, [&program, form, name] {
      if (name == "Exit, then OK") {
        answerMessageBox();
        buttonOf(form, "Command3")->click();
        return;
      }
      const bool helpOpen = name == "title-bar close, help still open";
      if (helpOpen) {
        program.showForm4();
      }
      form->close();
      if (helpOpen) {
        // A program that ends quits through an event posted as the window
        // closes, and the closed window goes with the deferred deletions:
        // still running after both, with the help open, is the expected outcome.
        QMetaObject::invokeMethod(
            qApp,
            [] {
              QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
              QMetaObject::invokeMethod(
                  qApp, [] { QCoreApplication::exit(7); }, Qt::QueuedConnection);
            },
            Qt::QueuedConnection);
      }
    });
    code = QApplication::exec();
  }
  endProcess(code);
}

// A cross build runs this test under qemu-user, where Qt cannot start a program.
bool emulated() { return qEnvironmentVariableIsSet("VANDREL_TESTS_EMULATED"); }

}  // namespace

Q_DECLARE_METATYPE(StateRow)
Q_DECLARE_METATYPE(CueRow)

class TestForm1 : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void window();
  void layout_data();
  void layout();
  void asksTheProgram_data();
  void asksTheProgram();
  void afterActions_data();
  void afterActions();
  void framesShowTheCardDrawn();
  void framesShowTheCounts();
  void keyboardAloneKeepsTheFocus();
  void screenReaderHearsTheCounts();
  void cues_data();
  void cues();
  void initCueReallySounds();
  void endsWhileACueSounds();
  void programEnds_data();
  void programEnds();
  void cleanupTestCase();

 private:
  std::unique_ptr<PrivatePulse> pulse_;
};

void TestForm1::initTestCase() {
  if (!PrivatePulse::unavailable().isEmpty()) {
    return;
  }
  // Before any window exists: Qt Multimedia connects to the sound server once.
  pulse_ = std::make_unique<PrivatePulse>();
  QVERIFY2(pulse_->start(), qPrintable(pulse_->error()));
}

// The window as shown. Its picture: a replayed manual draw after a stopped run,
// with plain and spaced numbers, the ratio, the card drawn, and the buttons a
// stop offers.
void TestForm1::window() {
  Session s;
  s.replayable(20261208);
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  QCOMPARE(s.form->geometry(), QRect(232, 136, 627, 351));
  QCOMPARE(s.form->windowTitle(), QStringLiteral("Vandrel\u3000© 2026 The Vandrel developers"));
  QVERIFY(!s.form->windowIcon().isNull());
  QCOMPARE(QAccessible::queryAccessibleInterface(s.form)->text(QAccessible::Name),
           s.form->windowTitle());
  QCOMPARE(japaneseCaptions([](Session& japanese) { return japanese.form; }),
           (QStringList{QStringLiteral("Vandrel\u3000© 2026 Vandrel 開発チーム"), "引く"}));
  for (int index = 1; index <= kCardCount; ++index) {
    QCOMPARE(QAccessible::queryAccessibleInterface(cardOf(s.form, index))->text(QAccessible::Name),
             cardName(index));
  }
  s.performAll({"AutoStart", "tick*37", "AutoStop", "Shuffle", "tick*3", "Draw"});
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  VANDREL_COMPARE_REFERENCE(s.form->grab().toImage(), QStringLiteral("main_window"));
  // A run to the end from Timer1 itself paints the card about once per display
  // frame, not at each of its thousand ticks: a paint may come late on
  // a busy machine, but ten frames never hold more than twelve.
  PaintTimes cardPaints;
  for (int index = 1; index <= kCardCount; ++index) {
    cardOf(s.form, index)->installEventFilter(&cardPaints);
  }
  QTest::mouseClick(s.button("Command4"), Qt::LeftButton);
  QVERIFY(s.timer()->isActive());
  QVERIFY(runEventsUntil([&s] { return !s.timer()->isActive(); }, 60000));
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  const auto frame =
      std::chrono::microseconds(static_cast<long long>(1e6 / s.form->screen()->refreshRate()));
  QVERIFY2(cardPaints.times.size() > 10, "the run was not painted as it went");
  QVERIFY2(mostWithin(cardPaints.times, 10 * frame) <= 12,
           qPrintable(QStringLiteral("%1 paints in ten frames, of %2")
                          .arg(mostWithin(cardPaints.times, 10 * frame))
                          .arg(cardPaints.times.size())));
  // The last frame sent to the screen shows the final card and texts.
  QTRY_COMPARE(s.form->screen()->grabWindow(s.form->winId()).toImage(), s.form->grab().toImage());
  // Enlarging the window moves nothing.
  const QRect before = s.button("Command1")->geometry();
  s.form->resize(900, 600);
  QCOMPARE(s.button("Command1")->geometry(), before);
}

// Fonts, colours, borders and the rule under the top row are in the picture.
void TestForm1::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<QString>("japanese");  // the caption under a Japanese UI language
  auto control = [](const char* name, QRect r, const QString& caption, const QString& japanese) {
    QTest::newRow(name) << name << r << caption << japanese;
  };
  control("Command1", {368, 264, 145, 33}, "Draw", "引く");
  control("Command2", {368, 224, 145, 33}, "Shuffle", "シャッフル");
  control("Command3", {0, 0, 57, 25}, "Exit", "終了");
  control("Command4", {56, 208, 145, 33}, "AutoStart", "自動スタート");
  control("Command5", {56, 248, 145, 33}, "AutoStop", "自動ストップ");
  control("Command6", {512, 0, 57, 25}, "Init", "初期化");
  control("Command7", {56, 296, 145, 25}, "Graph display", "グラフ表示");
  control("Command8", {456, 0, 57, 25}, "Help", "ヘルプ");
  const QString nearlyEqual(QChar(0x2252));
  control("Label1", {16, 128, 337, 25}, "Number of cards in multiples of 3 drawn",
          "3の倍数が出た回数");
  control("Label2", {16, 160, 337, 25}, "Total number of cards drawn", "カードを引いた回数");
  control("Label3", {360, 160, 81, 25}, "0", "0");
  control("Label4", {360, 128, 89, 25}, "0", "0");
  control("Label5", {448, 144, 33, 25}, nearlyEqual, nearlyEqual);
  control("Label6", {488, 144, 121, 25}, "", "");
  control("Label7", {432, 64, 121, 25}, "0.3076923", "0.3076923");
  control("Label8", {392, 64, 33, 25}, nearlyEqual, nearlyEqual);
  control("Label9", {304, 48, 81, 25}, "16", "16");
  control("Label10", {304, 80, 81, 25}, "52", "52");
  control("Label11", {16, 80, 281, 25}, "Total number of playing cards", "トランプ全体の枚数");
  control("Label12", {16, 48, 281, 25}, "Total number of cards in multiples of 3",
          "3の倍数のカードの合計枚数");
  control("Label13", {88, 0, 337, 25}, "Vandrel", "Vandrel");
}

void TestForm1::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, caption);
  QFETCH(QString, japanese);
  auto shared = std::make_unique<Module1>();
  for (const bool inJapanese : {false, true}) {
    const Translations translations(inJapanese ? kJapanese : kEnglish);
    const Form1 form(*shared, translations.language());
    auto* control = controlOf<QWidget>(&form, qPrintable(name));
    QCOMPARE(control->geometry(), place);
    const QString expected = inJapanese ? japanese : caption;
    auto* button = qobject_cast<QPushButton*>(control);
    auto* label = qobject_cast<LabelControl*>(control);
    QVERIFY(button != nullptr || label != nullptr);
    QCOMPARE(button != nullptr ? button->text() : label->caption(), expected);  // no mnemonic
    // A screen reader hears every control by its caption, and can read a label's text.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(accessible->text(QAccessible::Name), expected);
    QCOMPARE(accessible->role(), button != nullptr ? QAccessible::Button : QAccessible::StaticText);
    QAccessibleTextInterface* text = accessible->textInterface();
    if (label != nullptr) {
      QVERIFY(text != nullptr);
      QCOMPARE(text->text(0, text->characterCount()), expected);
    }
  }
}

// Built alone, the window asks the program for the graph, the help or the end
// by its signals, each once, and for nothing else.
void TestForm1::asksTheProgram_data() {
  QTest::addColumn<QString>("command");
  QTest::addColumn<bool>("escape");    // how the exit box is answered
  QTest::addColumn<QString>("asked");  // how often it asked for the graph, the help, the end
  QTest::addColumn<bool>("shown");     // the window after the command
  QTest::newRow("Graph display") << "Command7" << false << "1 0 0" << false;
  QTest::newRow("Help") << "Command8" << false << "0 1 0" << true;
  QTest::newRow("Exit, OK") << "Command3" << false << "0 0 1" << true;
  QTest::newRow("Exit, Escape, the same answer") << "Command3" << true << "0 0 1" << true;
  QTest::newRow("Init") << "Command6" << false << "0 0 0" << true;
  QTest::newRow("AutoStart") << "Command4" << false << "0 0 0" << true;
}

void TestForm1::asksTheProgram() {
  QFETCH(QString, command);
  QFETCH(bool, escape);
  QFETCH(QString, asked);
  QFETCH(bool, shown);
  auto shared = std::make_unique<Module1>();
  Form1 form(*shared);
  form.show();
  QSignalSpy graph(&form, &Form1::graphRequested);
  QSignalSpy help(&form, &Form1::helpRequested);
  QSignalSpy end(&form, &Form1::endRequested);
  // A stopped run offers every command the rows try.
  buttonOf(&form, "Command4")->click();
  tickOnce(&form);
  buttonOf(&form, "Command5")->click();
  if (command == QLatin1String("Command3")) {
    answerMessageBox(escape);
  }
  QPushButton* button = buttonOf(&form, qPrintable(command));
  QVERIFY(button->isEnabled());
  button->click();
  QCOMPARE(QStringLiteral("%1 %2 %3").arg(graph.size()).arg(help.size()).arg(end.size()), asked);
  QCOMPARE(form.isVisible(), shown);
}

// Replayed draws: the cards, and so the texts, are the same every time. The
// first three cards are the 9 of clubs, the ace of hearts and the queen of
// diamonds; a run draws one card more than it counts.
void TestForm1::afterActions_data() {
  QTest::addColumn<StateRow>("row");
  auto row = [](const char* name, const QStringList& actions, const char* buttons,
                const char* moves, int ticks, int trials, const char* label3,
                const char* label4 = nullptr, const char* label6 = nullptr,
                const char* card = nullptr, int drawn = -1) {
    QTest::newRow(name) << StateRow{actions, buttons, moves,  ticks,         trials,
                                    label3,  label4,  label6, QString(card), drawn};
  };
  row("after load", {}, "DEEEDDDE", "", 0, 0, "0", "0", "", "Ace of spades", 0);
  row("Shuffle", {"Shuffle"}, "EDDDDDDD", "1", -1, 0, "0");
  row("Shuffle, ticks", {"Shuffle", "tick*5"}, "EDDDDDDD", "1 0", -1, 0, "0");
  row("Draw writes a leading space", {"Shuffle", "tick", "Draw"}, "DEEEDEEE", "1 0 1", 0, 1, " 1",
      " 1", "1.0000000", "9 of clubs", 1);
  row("AutoStart", {"AutoStart"}, "DDDDEDDD", "1", 1, 0, "0");
  row("AutoStop: a tick writes no space", {"AutoStart", "tick*7", "AutoStop"}, "DEEEDEEE", "1 0 1",
      0, 7, "7", "4", "0.5714286", "3 of hearts", 7);
  row("three Draws", {"manual*3"}, "DEEEDEEE", "6", 0, 3, " 3", " 2", "0.6666667",
      "Queen of diamonds", 3);
  row("a Draw before any tick counts a card it draws", {"manual*1", "Init", "Shuffle", "Draw"},
      "DEEEDEEE", "2 0 1 1", 0, 1, " 1", "0", "0.0000000", "Ace of hearts", 2);
  row("Init after Draws", {"manual*3", "Init"}, "DEEEDDDE", "6 0", 0, 0, "0", "0", "",
      "Ace of spades", 3);
  row("a whole run", {"AutoStart", "run"}, "DDEDDEEE", "1 1", 0, 1000, "1000", "325", "0.3250000",
      "Queen of diamonds", 1001);
  row("AutoStop then AutoStart goes on to 1000",
      {"AutoStart", "tick*400", "AutoStop", "AutoStart", "run"}, "DDEDDEEE", "1 0 1 1 1", 0, 1000,
      "1000");
  row("manual, then automatic to 1000", {"manual*10", "AutoStart", "run"}, "DDEDDEEE", "20 1 1", 0,
      1000, "1000");
  row("past 1000 by hand, AutoStart ends on the first tick, in the plain form",
      {"manual*1001", "AutoStart", "tick"}, "DDEDDEEE", "2002 1 1", 0, 1001, "1001", " 326",
      "0.3256743", "4 of clubs", 1002);
  row("Init after a run", {"AutoStart", "run", "Init"}, "DEEEDDDE", "1 1 1", 0, 0, "0");
  row("Shuffle after a Draw", {"Shuffle", "tick", "Draw", "Shuffle"}, "EDDDDDDD", "1 0 1 1", -1, 1,
      " 1");
  // The last place in the history taken: no more manual draws, and a run ends at once.
  const QStringList full{"trials=99999", "manual*1"};
  row("history full", full, "DDEEDEEE", "0 2", 0, 100000, " 100000");
  row("history full, AutoStart, AutoStop", full + QStringList{"AutoStart", "AutoStop"}, "DDEEDEEE",
      "0 2 1 1", 0, 100000, " 100000");
  row("history full, AutoStart, a tick", full + QStringList{"AutoStart", "tick"}, "DDEDDEEE",
      "0 2 1 1", 0, 100000, "100000");
  row("history full, Init", full + QStringList{"Init"}, "DEEEDDDE", "0 2 0", 0, 0, "0");
}

void TestForm1::afterActions() {
  QFETCH(StateRow, row);
  Session s;
  s.replayable(4);
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  // A screen reader speaks every control the focus lands on: a command moves
  // it once at most, straight to where it ends.
  int moves = 0;
  connect(qApp, &QApplication::focusChanged, s.form,
          [&moves](const QWidget* old, const QWidget* now) {
            moves += old != nullptr && now != nullptr ? 1 : 0;
          });
  QStringList movesPerAction;
  for (const QString& action : row.actions) {
    moves = 0;
    s.perform(action);
    if (QTest::currentTestFailed()) {
      return;
    }
    movesPerAction << QString::number(moves);
  }
  QCOMPARE(movesPerAction.join(QLatin1Char(' ')), row.moves);
  QCOMPARE(buttonStatesOf(s.form), row.buttons);
  QCOMPARE(s.timer()->isActive(), row.ticks != 0);
  QCOMPARE(s.drawMode(), row.ticks == 1 ? 1 : -1);
  QCOMPARE(s.program.module1().trialCount, row.trials);
  QCOMPARE(s.caption("Label3"), row.label3);
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923"));
  if (row.drawn >= 0) {
    QCOMPARE(s.caption("Label4"), row.label4);
    QCOMPARE(s.caption("Label6"), row.label6);
    QCOMPARE(cardsOnView(s), row.card);
    QCOMPARE(s.clockReads, row.drawn);
  }
}

// The card images' paints: how many showed a card, and how many of those were
// of another card than the one last drawn.
class CardPaints : public QObject {
 public:
  explicit CardPaints(const Form1& form) : form_(form) {
    for (int index = 1; index <= kCardCount; ++index) {
      cardOf(&form, index)->installEventFilter(this);
    }
  }
  int shown = 0;
  int stale = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* card = static_cast<ImageControl*>(watched);
    if (event->type() == QEvent::Paint && card->isShown()) {
      ++shown;
      const int drawn = Form1Testing::tally(form_).currentCard;
      stale += card->objectName() == QStringLiteral("fudaban%1").arg(drawn) ? 0 : 1;
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  const Form1& form_;
};

// While the cards are shuffled, a thousand a second, each frame shows the
// card last drawn.
void TestForm1::framesShowTheCardDrawn() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  CardPaints paints(*s.form);
  s.perform(QStringLiteral("Shuffle"));
  QTRY_VERIFY(paints.shown >= 10);
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(paints.stale, 0);
  QCOMPARE(cardsOnView(s), cardName(Form1Testing::tally(*s.form).currentCard));
}

// A run's counts are brought up to date for each frame while it goes, not
// only when it ends.
void TestForm1::framesShowTheCounts() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  s.perform(QStringLiteral("AutoStart"));
  s.perform(QStringLiteral("tick*10"));
  QTRY_VERIFY(s.caption("Label3").toInt() >= 10 && s.timer()->isActive());
  QVERIFY(runEventsUntil([&s] { return !s.timer()->isActive(); }, 60000));
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label4"), QString::number(Form1Testing::tally(*s.form).hitCount));
}

void TestForm1::keyboardAloneKeepsTheFocus() {
  const Translations english(kEnglish);  // the counts' plural forms
  Session s(english.language());
  s.replayable(4);
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  // Each command's result is told once, on the button that then has the
  // focus, and nowhere else: "Command2=Drew the ...".
  auto told = [&s] {
    QStringList descriptions;
    for (const Command& command : kCommands) {
      if (!s.button(command.name)->accessibleDescription().isEmpty()) {
        descriptions << QLatin1String(command.name) + QLatin1Char('=') +
                            s.button(command.name)->accessibleDescription();
      }
    }
    return descriptions.join(QLatin1Char('|'));
  };
  const QHash<char, Qt::Key> keys{
      {'S', Qt::Key_Space}, {'T', Qt::Key_Tab}, {'N', Qt::Key_Return}, {'E', Qt::Key_Escape}};
  struct Step {
    const char* keys;  // as in `keys`, and t a tick, R ticks to the end of the run
    const char* told;  // the button that then has the focus, and after = what it carries
  };
  // Seed 4 draws the 9 of clubs, then the ace of hearts.
  const std::vector<Step> steps{
      {"E", "Command2"},  // no button answers Escape
      {"N", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2=Drew the 9 of clubs. 1 of 1 card is a multiple of 3; ratio 1.0000000."},
      {"S", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2=Drew the Ace of hearts. 1 of 2 cards is a multiple of 3; ratio 0.5000000."},
      {"T", "Command3"},  // the focus moved on: the result went with it
      {"T", "Command4"},
      {"T", "Command6"},  // past the disabled AutoStop
      {"T", "Command7"},
      {"T", "Command8"},
      {"TTT", "Command4"},
      {"S", "Command5=An automatic run of 1000 draws has started."},
      {"tttS",
       "Command6=The automatic run was stopped. 3 of 5 cards are multiples of 3; ratio 0.6000000."},
      {"S", "Command8=The counts are reset to 0. Press Shuffle or AutoStart to begin."},
      {"T", "Command2"},  // past the disabled Draw
      {"TT", "Command4"},
      {"S", "Command5=An automatic run of 1000 draws has started."},
      {"R",
       "Command6=The automatic run has ended. 324 of 1000 cards are multiples of 3; ratio "
       "0.3240000."},
  };
  for (const Step& step : steps) {
    for (const char* key = step.keys; *key != '\0'; ++key) {
      if (*key == 't') {
        s.tick();
      } else if (*key == 'R') {
        s.runToEnd();
      } else {
        QTest::keyClick(QApplication::focusWidget(), keys.value(*key));
      }
    }
    const QString expected = QString::fromUtf8(step.told);
    QCOMPARE(QApplication::focusWidget(), s.button(qPrintable(expected.section('=', 0, 0))));
    QCOMPARE(told(), expected.contains('=') ? expected : QString());
  }
}

void TestForm1::screenReaderHearsTheCounts() {
  Session s;
  heard.clear();
  // The bridge to the accessibility bus is switched on as a screen reader
  // would; offscreen has none, so this runs again on X with an AT-SPI bus
  // (tst_form1_accessibility).
  if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000)) {
    QSKIP("No accessibility bridge on this platform");
  }
  QAccessible::installUpdateHandler(hear);
  auto heardOf = [&s](const char* label) {
    return heard.value(controlOf<LabelControl>(s.form, label));
  };
  // By hand, each change is told at once.
  s.performAll({"Shuffle", "tick", "Draw"});
  QCOMPARE(heardOf("Label3"), QStringList(QStringLiteral(" 1")));
  QCOMPARE(heardOf("Label6"), QStringList(s.caption("Label6")));
  // A run is told at a reader's pace, at most every 100 ms, and its final
  // values as it ends. Driven by Timer1 itself, so that the pace is the run's.
  heard.clear();
  heardTimes.clear();
  s.button("Command4")->click();
  QVERIFY(runEventsUntil([&s] { return !s.timer()->isActive(); }, 60000));
  QAccessible::installUpdateHandler(nullptr);
  QVERIFY2(heardOf("Label3").size() > 1, qPrintable(heardOf("Label3").join('|')));
  // A batch may come late on a busy machine, but a second never holds more than twelve.
  QVERIFY2(mostWithin(heardTimes, std::chrono::seconds(1)) <= 12,
           qPrintable(heardOf("Label3").join('|')));
  QCOMPARE(heardOf("Label3").last(), QStringLiteral("1000"));
  QCOMPARE(heardOf("Label6").last(), s.caption("Label6"));
}

void TestForm1::cues_data() {
  QTest::addColumn<CueRow>("row");
  const QString exitBox = QStringLiteral("Playing card|This software will exit.");
  QTest::newRow("Init") << CueRow{
      {"AutoStart", "AutoStop"}, "Command6", "pinpon.wav", false, false, {}};
  QTest::newRow("Help") << CueRow{{}, "Command8", "pinpon.wav", false, false, {}};
  QTest::newRow("Exit, OK") << CueRow{{}, "Command3", "endpinpon.wav", false, false, exitBox};
  QTest::newRow("Exit, Escape, the same answer")
      << CueRow{{}, "Command3", "endpinpon.wav", false, true, exitBox};
  QTest::newRow("Exit, OK, in Japanese")
      << CueRow{{}, "Command3", "endpinpon.wav", true, false, "トランプ|このソフトを終了します。"};
}

void TestForm1::cues() {
  QFETCH(CueRow, row);
  const Translations translations(row.japanese ? kJapanese : kEnglish);
  Session s(translations.language());
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  s.performAll(row.before);
  auto* cues = controlOf<MultimediaControl>(s.form, "MMControl1");
  QSignalSpy puts(cues, &MultimediaControl::propertyPut);
  QSignalSpy sounded(cues, &MultimediaControl::sounded);
  QStringList seen;  // read as the box opened; checked once it has closed
  if (!row.box.isEmpty()) {
    answerMessageBox(row.escape, [&](QMessageBox& box) {
      QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(&box);
      QStringList parts;
      for (int i = 0; i < alert->childCount(); ++i) {
        parts << alert->child(i)->text(QAccessible::Name);
      }
      seen << QStringLiteral("%1 puts, %2 sounded").arg(puts.size()).arg(sounded.size())
           << box.windowTitle() + QLatin1Char('|') + box.text()
           << (alert->role() == QAccessible::AlertMessage && parts.contains(box.text())
                   ? QStringLiteral("an alert whose text is one of its parts")
                   : parts.join(QLatin1Char('|')))
           << QStringLiteral("%1 button").arg(box.buttons().size());
    });
  }
  // Only the box turns the event loop before the click returns: the others do
  // not wait for their cue, which plays for over a second.
  bool turned = false;
  QTimer::singleShot(0, [&turned] { turned = true; });
  s.button(row.command)->click();
  QCOMPARE(turned, !row.box.isEmpty());
  const QList<QList<QVariant>> expected{
      {23, "Stop"}, {23, "Close"}, {22, row.cue}, {23, "Open"}, {23, "Sound"}};
  QCOMPARE(puts, expected);
  QVERIFY(cues->openedPath().endsWith(QLatin1Char('/') + row.cue));
  const QStringList box{"5 puts, 1 sounded", row.box, "an alert whose text is one of its parts",
                        "1 button"};
  QCOMPARE(seen, row.box.isEmpty() ? QStringList() : box);
  QCOMPARE(s.program.ended, !row.box.isEmpty());
  if (QByteArray(row.command) == "Command8") {
    // A second Help: the same window, the cue anew.
    Form4* help = s.program.form4();
    s.button("Command8")->click();
    QCOMPARE(puts.mid(5), expected);
    QCOMPARE(s.program.form4(), help);
    QVERIFY(help != nullptr && s.form->isVisible());
  }
}

void TestForm1::initCueReallySounds() {
  VANDREL_SKIP_WITHOUT_PRIVATE_PULSE();
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  s.performAll({"AutoStart", "AutoStop"});
  // An idle null sink may record nothing at all; it must at least be silent.
  const QByteArray before = pulse_->record([] {}, 300);
  QVERIFY(peakLevel(before) < 100);
  const QByteArray during = pulse_->record([&s] { s.button("Command6")->click(); }, 2000);
  QVERIFY2(
      peakLevel(during) > 2000,
      qPrintable(QStringLiteral("peak %1 of %2 bytes").arg(peakLevel(during)).arg(during.size())));
}

// The program's windows go while a cue sounds: nothing is left reading what
// has gone (the sanitizers' suite watches), and the cue falls silent.
void TestForm1::endsWhileACueSounds() {
  VANDREL_SKIP_WITHOUT_PRIVATE_PULSE();
  auto s = std::make_unique<Session>();
  QVERIFY(QTest::qWaitForWindowExposed(s->form));
  s->button("Command8")->click();
  auto* cues = controlOf<MultimediaControl>(s->form, "MMControl1");
  QTRY_VERIFY(cues->isSounding());
  s.reset();
  const QByteArray after = pulse_->record([] {}, 300);
  QVERIFY2(peakLevel(after) < 100, qPrintable(QString::number(peakLevel(after))));
}

void TestForm1::programEnds_data() {
  QTest::addColumn<int>("exitCode");  // the row's name is the scenario's
  QTest::newRow("Exit, then OK") << 0;
  QTest::newRow("title-bar close, no other window") << 0;
  QTest::newRow("title-bar close, help still open") << 7;
}

void TestForm1::programEnds() {
  QFETCH(int, exitCode);
  if (emulated()) {
    QSKIP("no child program can be started under emulation");
  }
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("--scenario"), QString::fromUtf8(QTest::currentDataTag())});
  QVERIFY(child.waitForFinished(30000));
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), exitCode);
}

// The process ends without destructors (see endProcess): the sound
// server goes first.
void TestForm1::cleanupTestCase() { pulse_.reset(); }

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--scenario") {
    runScenario(argv[2]);
  }
  TestForm1 test;
  endProcess(QTest::qExec(&test, argc, argv));
}

#include "tst_form1.moc"
