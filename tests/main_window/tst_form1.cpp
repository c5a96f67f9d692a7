#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <memory>
#include <vector>

#include "cards.h"
#include "eventwait.h"
#include "experiment.h"
#include "form1.h"
#include "form4.h"
#include "forms.h"
#include "imagecontrol.h"
#include "labelcontrol.h"
#include "languages.h"
#include "module1.h"
#include "multimediacontrol.h"
#include "privatepulse.h"
#include "program.h"
#include "referencepicture.h"
#include "session.h"
#include "texts.h"
#include "translations.h"

namespace {

// Counts the paint events of the objects it is installed on.
class PaintCounter : public QObject {
 public:
  int paints = 0;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    paints += event->type() == QEvent::Paint ? 1 : 0;
    return QObject::eventFilter(watched, event);
  }
};

// The cards on view, as the screen shows them and as a screen reader is told
// of them; a card on which the two disagree counts as -index.
QList<int> visibleCards(const Session& s) {
  QList<int> visible;
  for (int index = 1; index <= kCardCount; ++index) {
    ImageControl* card = cardOf(s.form, index);
    const bool told = !QAccessible::queryAccessibleInterface(card)->state().invisible;
    if (card->isShown() || told) {
      visible.append(card->isShown() == told ? index : -index);
    }
  }
  return visible;
}

// What a screen reader hears of the card on view.
QString cardOnViewName(const Session& s) {
  const QList<int> visible = visibleCards(s);
  return visible.size() == 1 && visible.first() > 0
             ? QAccessible::queryAccessibleInterface(cardOf(s.form, visible.first()))
                   ->text(QAccessible::Name)
             : QString();
}

// ---- Scenarios run in a child process, where ending the program can be seen ----

int playScenario(Program& program, const QByteArray& name);

int runScenario(const QByteArray& name) {
  int code = 0;
  {
    Program program;
    code = playScenario(program, name);
  }
  Program::endProcess(code);
}

int playScenario(Program& program, const QByteArray& name) {
  program.showForm1();
  Form1* form = program.form1();
  // A program that should have ended but did not is caught here.
  QTimer::singleShot(10000, [] { QCoreApplication::exit(3); });
  if (name == "exit-ok") {
    QTimer::singleShot(50, form, [form] {
      answerMessageBox();
      buttonOf(form, "Command3")->click();
    });
  } else if (name == "close-main") {
    QTimer::singleShot(50, form, &QWidget::close);
  } else if (name == "close-main-with-help-open") {
    QTimer::singleShot(50, form, [&program, form] {
      program.showForm4();
      form->close();
      // Still running with the help window open: that is the expected outcome.
      QTimer::singleShot(500, [] { QCoreApplication::exit(7); });
    });
  } else {
    return 2;
  }
  return QApplication::exec();
}

// A cross build runs this test under qemu-user, where Qt cannot start a
// program: no sound server of our own, no child program.
bool emulated() { return qEnvironmentVariableIsSet("VANDREL_TESTS_EMULATED"); }

}  // namespace

class TestForm1 : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void windowPlace();
  void picture();
  void layout_data();
  void layout();
  void tabOrderAndFocus();
  void noDefaultButton();
  void afterActions_data();
  void afterActions();
  void everyTickShowsTheCardDrawn();
  void fullRunWithTheRealTimer();
  void keyboardAloneKeepsTheFocus();
  void screenReaderHearsTheCounts();
  void cueSequences_data();
  void cueSequences();
  void exitCueSoundsBeforeTheBox_data();
  void exitCueSoundsBeforeTheBox();
  void initCueReallySounds();
  void programEnds_data();
  void programEnds();
  void cleanupTestCase();

 private:
  std::unique_ptr<PrivatePulse> pulse_;
};

void TestForm1::initTestCase() {
  if (emulated()) {
    return;
  }
  // Before any window exists: Qt Multimedia connects to the sound server once.
  pulse_ = std::make_unique<PrivatePulse>();
  QVERIFY2(pulse_->start(), qPrintable(pulse_->error()));
}

void TestForm1::windowPlace() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  QCOMPARE(s.form->geometry(), QRect(232, 136, 627, 351));
  QCOMPARE(s.form->windowTitle(), QStringLiteral("Vandrel") + QChar(0x3000) +
                                      QStringLiteral("© 2026 The Vandrel developers"));
  QVERIFY(!s.form->windowIcon().isNull());
  QCOMPARE(QAccessible::queryAccessibleInterface(s.form)->text(QAccessible::Name),
           s.form->windowTitle());
  StubForms forms;
  QCOMPARE(japaneseCaptions<Form1>(forms, s.program.module1()),
           (QStringList{QStringLiteral("Vandrel\u3000© 2026 Vandrel 開発者"), "引く"}));
  // Enlarging the window moves nothing.
  const QRect before = s.button("Command1")->geometry();
  s.form->resize(900, 600);
  QCOMPARE(s.button("Command1")->geometry(), before);
}

// A replayed manual draw after a stopped run: plain and spaced numbers in
// their boxes, the ratio, the card drawn, and the buttons a stop offers.
void TestForm1::picture() {
  Session s;
  s.replayable(20261208);
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  s.performAll({"AutoStart", "tick*37", "AutoStop", "Shuffle", "tick*3", "Draw"});
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  VANDREL_COMPARE_REFERENCE(s.form->grab().toImage(), QStringLiteral("main_window"));
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
  StubForms forms;
  auto shared = std::make_unique<Module1>();
  for (const bool inJapanese : {false, true}) {
    const Translations translations(inJapanese ? kJapanese : kEnglish);
    const Form1 form(forms, *shared);
    auto* control = controlOf<QWidget>(&form, qPrintable(name));
    QCOMPARE(control->geometry(), place);
    const QString expected = inJapanese ? japanese : caption;
    // A screen reader hears every control by its caption.
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QCOMPARE(accessible->text(QAccessible::Name), expected);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      QCOMPARE(accessible->role(), QAccessible::Button);
      QCOMPARE(button->text(), expected);
      continue;
    }
    auto* label = qobject_cast<LabelControl*>(control);
    QVERIFY(label != nullptr);
    QCOMPARE(label->caption(), expected);
    QCOMPARE(accessible->role(), QAccessible::StaticText);
    QVERIFY(accessible->textInterface() != nullptr);
    QCOMPARE(accessible->textInterface()->text(0, accessible->textInterface()->characterCount()),
             expected);
  }
}

void TestForm1::tabOrderAndFocus() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  QList<QString> chain;
  QWidget* widget = s.button("Command1");
  do {
    if (qobject_cast<QPushButton*>(widget) != nullptr) {
      chain.append(widget->objectName());
    }
    widget = widget->nextInFocusChain();
  } while (widget != s.button("Command1"));
  QCOMPARE(chain, (QList<QString>{"Command1", "Command2", "Command3", "Command4", "Command5",
                                  "Command6", "Command7", "Command8"}));

  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  // Shuffle, Exit, AutoStart, Help, and round again; disabled buttons are skipped.
  const QList<const char*> order{"Command3", "Command4", "Command8", "Command2"};
  for (const char* expected : order) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), s.button(expected));
  }
}

void TestForm1::noDefaultButton() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  for (const char* name : kCommands) {
    QVERIFY(!s.button(name)->isDefault());
    QVERIFY(!s.button(name)->text().contains(QLatin1Char('&')));
  }
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  QTest::keyClick(s.form, Qt::Key_Escape);
  QCOMPARE(s.buttonStates(), QStringLiteral("DEEEDDDE"));
  // Enter clicks the button with the focus: Shuffle.
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  QVERIFY(s.timer()->isActive());
  QCOMPARE(s.buttonStates(), QStringLiteral("EDDDDDDD"));
}

// Replayed draws: the cards, and so the texts, are the same every time. The
// first three cards are the 9 of clubs, the ace of hearts and the queen of
// diamonds; a run draws one card more than it counts. Rows without a count
// of cards drawn leave Label4, Label6 and the card unchecked.
void TestForm1::afterActions_data() {
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<QString>(
      "buttons");                  // Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph, Help
  QTest::addColumn<int>("ticks");  // Timer1: 0 stopped, 1 counting ticks, -1 not counting
  QTest::addColumn<int>("trials");
  QTest::addColumn<QString>("label3");  // a Draw writes a leading space, a tick none
  QTest::addColumn<QString>("label4");
  QTest::addColumn<QString>("label6");
  QTest::addColumn<QString>("card");  // the card on view, as a screen reader hears it
  QTest::addColumn<int>("drawn");     // cards drawn in all
  auto row = [](const char* name, const QStringList& actions, const char* buttons, int ticks,
                int trials, const char* label3, const char* label4 = nullptr,
                const char* label6 = nullptr, const char* card = nullptr, int drawn = -1) {
    QTest::newRow(name) << actions << buttons << ticks << trials << label3 << QString(label4)
                        << QString(label6) << QString(card) << drawn;
  };
  row("after load", {}, "DEEEDDDE", 0, 0, "0", "0", "", "Ace of spades", 0);
  row("Shuffle", {"Shuffle"}, "EDDDDDDD", -1, 0, "0");
  row("Shuffle, ticks", {"Shuffle", "tick*5"}, "EDDDDDDD", -1, 0, "0");
  row("Draw writes a leading space", {"Shuffle", "tick", "Draw"}, "DEEEDEEE", 0, 1, " 1", " 1",
      "1.0000000", "9 of clubs", 1);
  row("AutoStart", {"AutoStart"}, "DDDDEDDD", 1, 0, "0");
  row("AutoStop: a tick writes no space", {"AutoStart", "tick*7", "AutoStop"}, "DEEEDEEE", 0, 7,
      "7", "4", "0.5714286", "3 of hearts", 7);
  row("three Draws", {"manual*3"}, "DEEEDEEE", 0, 3, " 3", " 2", "0.6666667", "Queen of diamonds",
      3);
  row("a Draw before any tick counts a card it draws", {"manual*1", "Init", "Shuffle", "Draw"},
      "DEEEDEEE", 0, 1, " 1", "0", "0.0000000", "Ace of hearts", 2);
  row("Init after Draws", {"manual*3", "Init"}, "DEEEDDDE", 0, 0, "0", "0", "", "Ace of spades", 3);
  row("a whole run", {"AutoStart", "run"}, "DDEDDEEE", 0, 1000, "1000", "325", "0.3250000",
      "Queen of diamonds", 1001);
  row("AutoStop then AutoStart goes on to 1000",
      {"AutoStart", "tick*400", "AutoStop", "AutoStart", "run"}, "DDEDDEEE", 0, 1000, "1000");
  row("manual, then automatic to 1000", {"manual*10", "AutoStart", "run"}, "DDEDDEEE", 0, 1000,
      "1000");
  row("past 1000 by hand, AutoStart ends on the first tick, in the plain form",
      {"manual*1001", "AutoStart", "tick"}, "DDEDDEEE", 0, 1001, "1001", " 326", "0.3256743",
      "4 of clubs", 1002);
  row("Init after a run", {"AutoStart", "run", "Init"}, "DEEEDDDE", 0, 0, "0");
  row("Shuffle after a Draw", {"Shuffle", "tick", "Draw", "Shuffle"}, "EDDDDDDD", -1, 1, " 1");
  // The last place in the history taken: no more manual draws, and a run ends at once.
  const QStringList full{"trials=99999", "manual*1"};
  row("history full", full, "DDEEDEEE", 0, 100000, " 100000");
  row("history full, AutoStart, AutoStop", full + QStringList{"AutoStart", "AutoStop"}, "DDEEDEEE",
      0, 100000, " 100000");
  row("history full, AutoStart, a tick", full + QStringList{"AutoStart", "tick"}, "DDEDDEEE", 0,
      100000, "100000");
  row("history full, Init", full + QStringList{"Init"}, "DEEEDDDE", 0, 0, "0");
}

void TestForm1::afterActions() {
  QFETCH(QStringList, actions);
  QFETCH(QString, buttons);
  QFETCH(int, ticks);
  QFETCH(int, trials);
  QFETCH(QString, label3);
  QFETCH(QString, label4);
  QFETCH(QString, label6);
  QFETCH(QString, card);
  QFETCH(int, drawn);
  Session s;
  s.replayable(4);
  s.performAll(actions);
  if (QTest::currentTestFailed()) {
    return;
  }
  QCOMPARE(s.buttonStates(), buttons);
  QCOMPARE(s.timer()->isActive(), ticks != 0);
  QCOMPARE(s.drawMode(), ticks == 1 ? 1 : -1);
  QCOMPARE(s.program.module1().trialCount, trials);
  QCOMPARE(s.caption("Label3"), label3);
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923"));
  if (drawn >= 0) {
    QCOMPARE(s.caption("Label4"), label4);
    QCOMPARE(s.caption("Label6"), label6);
    QCOMPARE(cardOnViewName(s), card);
    QCOMPARE(s.clockReads, drawn);
  }
}

void TestForm1::everyTickShowsTheCardDrawn() {
  Session s;
  s.replayable(11);
  QCOMPARE(visibleCards(s), QList<int>{1});
  s.perform(QStringLiteral("Shuffle"));
  QCOMPARE(cardOnViewName(s), QStringLiteral("Ace of spades"));
  QSet<int> seen;
  for (int i = 0; i < 300; ++i) {
    s.tick();
    const int card = s.tally().currentCard;
    QCOMPARE(visibleCards(s), QList<int>{card});
    QCOMPARE(cardOnViewName(s), cardName(card));
    seen.insert(card);
  }
  QVERIFY2(seen.size() > 40, "ticks keep showing the same few cards");
  // Each card drawn anew from the time of day, once.
  QCOMPARE(s.clockReads, 300);
  const int shown = s.tally().currentCard;
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(visibleCards(s), QList<int>{shown});
  QCOMPARE(s.program.module1().trialCount, 1);
  QCOMPARE(s.clockReads, 300);
}

void TestForm1::fullRunWithTheRealTimer() {
  Session s;
  s.replayable(4);  // the draws of labelTexts' "a whole run"
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  PaintCounter cardPaints;
  for (int index = 1; index <= kCardCount; ++index) {
    cardOf(s.form, index)->installEventFilter(&cardPaints);
  }
  QElapsedTimer clock;
  clock.start();
  QTest::mouseClick(s.button("Command4"), Qt::LeftButton);
  QVERIFY(s.timer()->isActive());
  QVERIFY(runEventsUntil([&s] { return !s.timer()->isActive(); }, 60000));
  const qint64 elapsed = clock.elapsed();
  qInfo("1000 automatic draws took %lld ms", elapsed);
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label4"), QStringLiteral("325"));
  QCOMPARE(s.caption("Label6"), QStringLiteral("0.3250000"));
  QCOMPARE(s.buttonStates(), QStringLiteral("DDEDDEEE"));

  // The card was painted at most once per display frame, and once more at the end.
  const double frame = 1000 / s.form->screen()->refreshRate();
  QVERIFY2(cardPaints.paints <= static_cast<double>(elapsed) / frame + 2,
           qPrintable(QStringLiteral("%1 paints in %2 ms").arg(cardPaints.paints).arg(elapsed)));
  // The last frame sent to the screen shows the final card and texts.
  QTRY_COMPARE(s.form->screen()->grabWindow(s.form->winId()).toImage(), s.form->grab().toImage());
}

void TestForm1::keyboardAloneKeepsTheFocus() {
  Session s;
  s.replayable(4);
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
  // Each command's result is told once, on the button that then has the
  // focus, and nowhere else: "Command2=Drew the ...".
  auto told = [&s] {
    QStringList descriptions;
    for (const char* name : kCommands) {
      if (!s.button(name)->accessibleDescription().isEmpty()) {
        descriptions << QLatin1String(name) + QLatin1Char('=') +
                            s.button(name)->accessibleDescription();
      }
    }
    return descriptions.join(QLatin1Char('|'));
  };
  struct Step {
    const char* keys;   // S Space, T Tab, t a tick, R ticks to the end of the run
    const char* focus;  // the button that then has the focus
    const char* told;   // what it carries; seed 4 draws the 9 of clubs, then the ace of hearts
  };
  const std::vector<Step> steps{
      {"S", "Command1", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2",
       "Command2=Drew the 9 of clubs. 1 of 1 cards are multiples of 3; ratio 1.0000000."},
      {"S", "Command1", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2",
       "Command2=Drew the Ace of hearts. 1 of 2 cards are multiples of 3; ratio 0.5000000."},
      {"T", "Command3", ""},  // the focus moved on: the result went with it
      {"T", "Command4", ""},
      {"S", "Command5", "Command5=An automatic run of 1000 draws has started."},
      {"tttS", "Command6",
       "Command6=The automatic run was stopped. 3 of 5 cards are multiples of 3; ratio 0.6000000."},
      {"S", "Command8", "Command8=The counts are reset to 0. Press Shuffle or AutoStart to begin."},
      {"T", "Command2", ""},
      {"TT", "Command4", ""},
      {"S", "Command5", "Command5=An automatic run of 1000 draws has started."},
      {"R", "Command6",
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
        QTest::keyClick(QApplication::focusWidget(), *key == 'S' ? Qt::Key_Space : Qt::Key_Tab);
      }
    }
    QCOMPARE(QApplication::focusWidget(), s.button(step.focus));
    QCOMPARE(told(), QString::fromUtf8(step.told));
  }
}

namespace {

struct HeardName {
  QObject* control;
  QString name;
};
std::vector<HeardName> heard;  // filled by the update handler below

void hear(QAccessibleEvent* event) {
  if (event->type() == QAccessible::NameChanged) {
    heard.push_back({event->object(), event->accessibleInterface()->text(QAccessible::Name)});
  }
}

}  // namespace

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
    QStringList names;
    for (const HeardName& h : heard) {
      if (h.control == controlOf<LabelControl>(s.form, label)) {
        names << h.name;
      }
    }
    return names;
  };
  // By hand, each change is told at once.
  s.perform(QStringLiteral("Shuffle"));
  s.tick();
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(heardOf("Label3"), QStringList(QStringLiteral(" 1")));
  QCOMPARE(heardOf("Label6"), QStringList(s.caption("Label6")));
  // A run is told at a reader's pace, and its final values as it ends.
  heard.clear();
  QElapsedTimer clock;
  clock.start();
  s.perform(QStringLiteral("AutoStart"));
  s.runToEnd();
  const auto most = clock.elapsed() / 100 + 2;
  QAccessible::installUpdateHandler(nullptr);
  QVERIFY2(heardOf("Label3").size() <= most, qPrintable(heardOf("Label3").join('|')));
  QCOMPARE(heardOf("Label3").last(), QStringLiteral("1000"));
  QCOMPARE(heardOf("Label6").last(), s.caption("Label6"));
}

void TestForm1::cueSequences_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("Init") << "Command6";
  QTest::newRow("Help") << "Command8";
}

void TestForm1::cueSequences() {
  QFETCH(QString, command);
  const QString cue = QStringLiteral("pinpon.wav");
  Session s;
  if (command == QLatin1String("Command6")) {
    s.perform(QStringLiteral("AutoStart"));
    s.perform(QStringLiteral("AutoStop"));
  }
  auto* cues = controlOf<MultimediaControl>(s.form, "MMControl1");
  QSignalSpy puts(cues, &MultimediaControl::propertyPut);
  // The click does not wait for its cue, which plays for over a second: the
  // event loop has not turned when it returns.
  bool turned = false;
  QTimer::singleShot(0, [&turned] { turned = true; });
  s.button(qPrintable(command))->click();
  QVERIFY(!turned);
  const QList<QList<QVariant>> expected{
      {23, "Stop"}, {23, "Close"}, {22, cue}, {23, "Open"}, {23, "Sound"}};
  QCOMPARE(puts, expected);
  QVERIFY(cues->openedPath().endsWith(QLatin1Char('/') + cue));
  if (command == QLatin1String("Command8")) {
    // A second Help: the same window, the cue anew.
    Form4* help = s.program.form4();
    QVERIFY(help != nullptr);
    s.button("Command8")->click();
    QCOMPARE(puts.size(), 10);
    QCOMPARE(s.program.form4(), help);
    QVERIFY(s.form->isVisible());
  }
}

void TestForm1::exitCueSoundsBeforeTheBox_data() {
  QTest::addColumn<bool>("escape");
  QTest::addColumn<bool>("japanese");
  QTest::addColumn<QString>("expectedBox");  // title|text
  const QString english = QStringLiteral("Playing card|This software will exit.");
  QTest::newRow("OK") << false << false << english;
  QTest::newRow("Escape, the same answer") << true << false << english;
  QTest::newRow("OK, in Japanese")
      << false << true << QStringLiteral("トランプ|このソフトを終了します。");
}

void TestForm1::exitCueSoundsBeforeTheBox() {
  QFETCH(bool, escape);
  QFETCH(bool, japanese);
  QFETCH(QString, expectedBox);
  const Translations translations(japanese ? kJapanese : kEnglish);
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  auto* cues = controlOf<MultimediaControl>(s.form, "MMControl1");
  QSignalSpy puts(cues, &MultimediaControl::propertyPut);
  QSignalSpy sounded(cues, &MultimediaControl::sounded);
  QStringList seen;  // read as the box opened; checked once it has closed
  answerMessageBox(escape, [&](QMessageBox& box) {
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
  QTest::mouseClick(s.button("Command3"), Qt::LeftButton);
  QCOMPARE(seen, (QStringList{"5 puts, 1 sounded", expectedBox,
                              "an alert whose text is one of its parts", "1 button"}));
  QCOMPARE(puts.at(2).at(1).toString(), QStringLiteral("endpinpon.wav"));
  QVERIFY(s.program.ended);
}

void TestForm1::initCueReallySounds() {
  if (emulated()) {
    QSKIP("no sound server can be started under emulation");
  }
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  s.perform(QStringLiteral("AutoStart"));
  s.perform(QStringLiteral("AutoStop"));
  // An idle null sink may record nothing at all; it must at least be silent.
  const QByteArray before = pulse_->record([] {}, 300);
  QVERIFY(peakLevel(before) < 100);
  const QByteArray during = pulse_->record([&s] { s.button("Command6")->click(); }, 2000);
  QVERIFY2(
      peakLevel(during) > 2000,
      qPrintable(QStringLiteral("peak %1 of %2 bytes").arg(peakLevel(during)).arg(during.size())));
}

void TestForm1::programEnds_data() {
  QTest::addColumn<QString>("scenario");
  QTest::addColumn<int>("exitCode");
  QTest::newRow("Exit, then OK") << "exit-ok" << 0;
  QTest::newRow("title-bar close, no other window") << "close-main" << 0;
  QTest::newRow("title-bar close, help still open") << "close-main-with-help-open" << 7;
}

void TestForm1::programEnds() {
  QFETCH(QString, scenario);
  QFETCH(int, exitCode);
  if (emulated()) {
    QSKIP("no child program can be started under emulation");
  }
  QProcess child;
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--scenario"), scenario});
  QVERIFY(child.waitForFinished(30000));
  QCOMPARE(child.exitStatus(), QProcess::NormalExit);
  QCOMPARE(child.exitCode(), exitCode);
}

// The process ends without destructors (see Program::endProcess): the sound
// server goes first.
void TestForm1::cleanupTestCase() { pulse_.reset(); }

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc == 3 && QByteArray(argv[1]) == "--scenario") {
    return runScenario(argv[2]);
  }
  TestForm1 test;
  Program::endProcess(QTest::qExec(&test, argc, argv));
}

#include "tst_form1.moc"
