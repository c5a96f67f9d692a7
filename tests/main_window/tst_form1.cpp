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

// A card's name in words, written out here on its own.
QString cardNameOf(int card) {
  const QStringList suits{"spades", "clubs", "hearts", "diamonds"};
  const QStringList ranks{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                          "8",   "9", "10", "Jack", "Queen", "King"};
  return ranks.at((card - 1) % 13) + QStringLiteral(" of ") + suits.at((card - 1) / 13);
}

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
    ImageControl* card = s.form->card(index);
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
             ? QAccessible::queryAccessibleInterface(s.form->card(visible.first()))
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
      QTimer::singleShot(50, [] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box->text() != QLatin1String("This software will exit.") ||
            box->windowTitle() != QLatin1String("Playing card")) {
          QCoreApplication::exit(4);
          return;
        }
        box->button(QMessageBox::Ok)->click();
      });
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
  void buttonStates_data();
  void buttonStates();
  void automaticRunShowsOneCardMoreThanItCounts();
  void labelTexts_data();
  void labelTexts();
  void everyTickShowsTheCardDrawn();
  void drawBeforeTheFirstTickCountsARealCard();
  void historyBoundStopsManualDraws();
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
  {
    const Translations translations(kJapanese);
    StubForms forms;
    const Form1 japanese(forms, s.program.module1());
    QCOMPARE(japanese.windowTitle(),
             QStringLiteral("Vandrel") + QChar(0x3000) + QStringLiteral("© 2026 Vandrel 開発者"));
  }
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
    // Captions are sized for their boxes in Japanese: narrowed a little at most.
    QVERIFY2(!inJapanese || label->captionStretch() >= 85,
             qPrintable(QString::number(label->captionStretch())));
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

void TestForm1::buttonStates_data() {
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<QString>(
      "states");  // Draw, Shuffle, Exit, AutoStart, AutoStop, Init, Graph, Help
  QTest::addColumn<bool>("timerOn");
  QTest::addColumn<int>("drawMode");
  QTest::addColumn<int>("trials");
  QTest::addColumn<QString>("label3");  // a Draw writes a leading space, a tick none

  QTest::newRow("after load") << QStringList{} << "DEEEDDDE" << false << -1 << 0 << "0";
  QTest::newRow("Shuffle") << QStringList{"Shuffle"} << "EDDDDDDD" << true << -1 << 0 << "0";
  QTest::newRow("Shuffle, ticks") << QStringList{"Shuffle", "tick*5"} << "EDDDDDDD" << true << -1
                                  << 0 << "0";
  QTest::newRow("Draw") << QStringList{"Shuffle", "tick*2", "Draw"} << "DEEEDEEE" << false << -1
                        << 1 << " 1";
  QTest::newRow("AutoStart") << QStringList{"AutoStart"} << "DDDDEDDD" << true << 1 << 0 << "0";
  QTest::newRow("AutoStop") << QStringList{"AutoStart", "tick*3", "AutoStop"} << "DEEEDEEE" << false
                            << -1 << 3 << "3";
  QTest::newRow("Init after Draw")
      << QStringList{"Shuffle", "tick", "Draw", "Init"} << "DEEEDDDE" << false << -1 << 0 << "0";
  QTest::newRow("end of an automatic run")
      << QStringList{"AutoStart", "run"} << "DDEDDEEE" << false << -1 << 1000 << "1000";
  QTest::newRow("AutoStop then AutoStart goes on to 1000")
      << QStringList{"AutoStart", "tick*400", "AutoStop", "AutoStart", "run"} << "DDEDDEEE" << false
      << -1 << 1000 << "1000";
  QTest::newRow("manual, then automatic to 1000") << QStringList{"manual*10", "AutoStart", "run"}
                                                  << "DDEDDEEE" << false << -1 << 1000 << "1000";
  QTest::newRow("past 1000 by hand, AutoStart ends on the first tick, in the plain form")
      << QStringList{"manual*1001", "AutoStart", "tick*1"} << "DDEDDEEE" << false << -1 << 1001
      << "1001";
  QTest::newRow("Init after a run")
      << QStringList{"AutoStart", "run", "Init"} << "DEEEDDDE" << false << -1 << 0 << "0";
  QTest::newRow("Shuffle after a Draw")
      << QStringList{"Shuffle", "tick", "Draw", "Shuffle"} << "EDDDDDDD" << true << -1 << 1 << " 1";
}

void TestForm1::buttonStates() {
  QFETCH(QStringList, actions);
  QFETCH(QString, states);
  QFETCH(bool, timerOn);
  QFETCH(int, drawMode);
  QFETCH(int, trials);
  QFETCH(QString, label3);
  Session s;
  s.performAll(actions);
  if (QTest::currentTestFailed()) {
    return;
  }
  QCOMPARE(s.buttonStates(), states);
  QCOMPARE(s.timer()->isActive(), timerOn);
  QCOMPARE(s.form->currentDrawMode(), drawMode);
  QCOMPARE(s.program.module1().trialCount, trials);
  QCOMPARE(s.caption("Label3"), label3);
}

void TestForm1::automaticRunShowsOneCardMoreThanItCounts() {
  Session s;
  s.perform(QStringLiteral("AutoStart"));
  s.runToEnd();
  QCOMPARE(s.ticks, 1001);
  QCOMPARE(s.program.module1().trialCount, 1000);
  const DrawTally& tally = s.form->currentTally();
  QCOMPARE(s.caption("Label4"), QString::number(tally.hitCount));
  const float last = s.program.module1().ratioHistory[1000];
  QCOMPARE(last, static_cast<float>(tally.hitCount / 1000.0));
  QCOMPARE(s.caption("Label6"), QString::fromStdString(ratioText(last)));
}

// Replayed draws: the cards, and so the texts, are the same every time. The
// first three cards are the 9 of clubs, the ace of hearts and the queen of diamonds.
void TestForm1::labelTexts_data() {
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<QString>("label3");
  QTest::addColumn<QString>("label4");
  QTest::addColumn<QString>("label6");
  QTest::newRow("Draw writes a leading space") << QStringList{"Shuffle", "tick", "Draw"} << " 1"
                                               << " 1"
                                               << "1.0000000";
  QTest::newRow("a tick writes none") << QStringList{"AutoStart", "tick*7", "AutoStop"} << "7"
                                      << "4"
                                      << "0.5714286";
  QTest::newRow("three Draws") << QStringList{"manual*3"} << " 3"
                               << " 2"
                               << "0.6666667";
  QTest::newRow("a run after 1001 Draws ends in the plain form")
      << QStringList{"manual*1001", "AutoStart", "tick"} << "1001"
      << " 326"
      << "0.3256743";
  QTest::newRow("Init") << QStringList{"manual*3", "Init"} << "0"
                        << "0"
                        << "";
}

void TestForm1::labelTexts() {
  QFETCH(QStringList, actions);
  QFETCH(QString, label3);
  QFETCH(QString, label4);
  QFETCH(QString, label6);
  Session s;
  s.replayable(4);
  QCOMPARE(s.caption("Label6"), QString());
  s.performAll(actions);
  QCOMPARE(s.caption("Label3"), label3);
  QCOMPARE(s.caption("Label4"), label4);
  QCOMPARE(s.caption("Label6"), label6);
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923"));
  if (s.program.module1().trialCount == 0) {
    QCOMPARE(visibleCards(s), QList<int>{1});
    QCOMPARE(cardOnViewName(s), QStringLiteral("Ace of spades"));
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
    const int card = s.form->currentTally().currentCard;
    QCOMPARE(visibleCards(s), QList<int>{card});
    QCOMPARE(cardOnViewName(s), cardNameOf(card));
    seen.insert(card);
  }
  QVERIFY2(seen.size() > 40, "ticks keep showing the same few cards");
  // Each card drawn anew from the time of day, once.
  QCOMPARE(s.clockReads, 300);
  const int shown = s.form->currentTally().currentCard;
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(visibleCards(s), QList<int>{shown});
  QCOMPARE(s.program.module1().trialCount, 1);
  QCOMPARE(s.clockReads, 300);
}

void TestForm1::drawBeforeTheFirstTickCountsARealCard() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    Session s;
    s.perform(QStringLiteral("Shuffle"));
    s.perform(QStringLiteral("Draw"));
    const DrawTally& tally = s.form->currentTally();
    QVERIFY(tally.currentCard >= 1 && tally.currentCard <= kCardCount);
    QCOMPARE(visibleCards(s), QList<int>{tally.currentCard});
    QCOMPARE(tally.hitCount, isHit(rankOf(tally.currentCard)) ? 1 : 0);
  }
}

void TestForm1::historyBoundStopsManualDraws() {
  Session s;
  s.program.module1().trialCount = kHistoryLast - 1;
  s.perform(QStringLiteral("Shuffle"));
  s.perform(QStringLiteral("tick*1"));
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(s.program.module1().trialCount, kHistoryLast);
  QCOMPARE(s.caption("Label3"), QStringLiteral(" 100000"));
  QCOMPARE(s.buttonStates(), QStringLiteral("DDEEDEEE"));
  s.perform(QStringLiteral("AutoStart"));
  s.perform(QStringLiteral("AutoStop"));
  QCOMPARE(s.buttonStates(), QStringLiteral("DDEEDEEE"));
  s.perform(QStringLiteral("AutoStart"));
  s.perform(QStringLiteral("tick*1"));
  QCOMPARE(s.program.module1().trialCount, kHistoryLast);
  QCOMPARE(s.buttonStates(), QStringLiteral("DDEDDEEE"));
  s.perform(QStringLiteral("Init"));
  QCOMPARE(s.buttonStates(), QStringLiteral("DEEEDDDE"));
}

void TestForm1::fullRunWithTheRealTimer() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  PaintCounter cardPaints;
  for (int index = 1; index <= kCardCount; ++index) {
    s.form->card(index)->installEventFilter(&cardPaints);
  }
  QElapsedTimer clock;
  clock.start();
  QTest::mouseClick(s.button("Command4"), Qt::LeftButton);
  QVERIFY(s.timer()->isActive());
  QVERIFY(runEventsUntil([&s] { return !s.timer()->isActive(); }, 20000));
  const qint64 elapsed = clock.elapsed();
  // A tick a millisecond makes a run of a second. Five leave room for a loaded
  // machine, and still fail a pace of 10 ms, which would take ten.
  QVERIFY2(elapsed < 5000, qPrintable(QStringLiteral("the run took %1 ms").arg(elapsed)));
  QCOMPARE(s.program.module1().trialCount, 1000);
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label6"),
           QString::fromStdString(ratioText(s.program.module1().ratioHistory[1000])));
  QCOMPARE(s.buttonStates(), QStringLiteral("DDEDDEEE"));
  qInfo("1000 automatic draws took %lld ms", elapsed);

  // The card was painted at most once per display frame, and once more at the end.
  const double frame = 1000 / s.form->screen()->refreshRate();
  QVERIFY2(cardPaints.paints <= static_cast<double>(elapsed) / frame + 2,
           qPrintable(QStringLiteral("%1 paints in %2 ms").arg(cardPaints.paints).arg(elapsed)));
  // The last frame sent to the screen shows the final card and texts.
  QTRY_COMPARE(s.form->screen()->grabWindow(s.form->winId()).toImage(), s.form->grab().toImage());
}

void TestForm1::keyboardAloneKeepsTheFocus() {
  Session s;
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
    const char* told;   // what it carries; %H hits, %N draws, %R the ratio, %C the card
  };
  const std::vector<Step> steps{
      {"S", "Command1", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2", "Command2=Drew the %C. %H of 1 cards are multiples of 3; ratio %R."},
      {"S", "Command1", "Command1=The cards are being shuffled. Press Draw to draw one."},
      {"tS", "Command2", "Command2=Drew the %C. %H of 2 cards are multiples of 3; ratio %R."},
      {"T", "Command3", ""},  // the focus moved on: the result went with it
      {"T", "Command4", ""},
      {"S", "Command5", "Command5=An automatic run of 1000 draws has started."},
      {"tttS", "Command6",
       "Command6=The automatic run was stopped. %H of 5 cards are multiples of 3; ratio %R."},
      {"S", "Command8", "Command8=The counts are reset to 0. Press Shuffle or AutoStart to begin."},
      {"T", "Command2", ""},
      {"TT", "Command4", ""},
      {"S", "Command5", "Command5=An automatic run of 1000 draws has started."},
      {"R", "Command6",
       "Command6=The automatic run has ended. %H of 1000 cards are multiples of 3; ratio %R."},
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
    const DrawTally& tally = s.form->currentTally();
    QString expected = QString::fromUtf8(step.told)
                           .replace(QLatin1String("%H"), QString::number(tally.hitCount))
                           .replace(QLatin1String("%R"), s.caption("Label6"));
    if (expected.contains(QLatin1String("%C"))) {
      expected.replace(QLatin1String("%C"), cardNameOf(tally.currentCard));
    }
    QCOMPARE(told(), expected);
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
  QTest::addColumn<QString>("cue");
  QTest::newRow("Init") << "Command6"
                        << "pinpon.wav";
  QTest::newRow("Help") << "Command8"
                        << "pinpon.wav";
}

void TestForm1::cueSequences() {
  QFETCH(QString, command);
  QFETCH(QString, cue);
  Session s;
  if (command == QLatin1String("Command6")) {
    s.perform(QStringLiteral("AutoStart"));
    s.perform(QStringLiteral("AutoStop"));
  }
  auto* cues = controlOf<MultimediaControl>(s.form, "MMControl1");
  QSignalSpy puts(cues, &MultimediaControl::propertyPut);
  QElapsedTimer clock;
  clock.start();
  s.button(qPrintable(command))->click();
  // The click does not wait for its cue, which plays for over a second.
  QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
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
  StubForms forms;
  auto shared = std::make_unique<Module1>();
  Form1 form(forms, *shared);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* cues = controlOf<MultimediaControl>(&form, "MMControl1");
  QSignalSpy puts(cues, &MultimediaControl::propertyPut);
  QSignalSpy sounded(cues, &MultimediaControl::sounded);
  int putsWhenShown = -1;
  int soundsWhenShown = -1;
  QString boxText;
  QTimer::singleShot(0, &form, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    putsWhenShown = static_cast<int>(puts.size());
    soundsWhenShown = static_cast<int>(sounded.size());
    boxText = box->windowTitle() + QLatin1Char('|') + box->text();
    // Read out as the box opens: an alert whose text is one of its parts.
    QAccessibleInterface* alert = QAccessible::queryAccessibleInterface(box);
    QStringList parts;
    for (int i = 0; i < alert->childCount(); ++i) {
      parts << alert->child(i)->text(QAccessible::Name);
    }
    QCOMPARE(alert->role(), QAccessible::AlertMessage);
    QVERIFY2(parts.contains(box->text()), qPrintable(parts.join('|')));
    QCOMPARE(box->buttons().size(), 1);
    if (escape) {
      QTest::keyClick(box, Qt::Key_Escape);
    } else {
      box->button(QMessageBox::Ok)->click();
    }
  });
  QTest::mouseClick(buttonOf(&form, "Command3"), Qt::LeftButton);
  QCOMPARE(putsWhenShown, 5);
  QCOMPARE(soundsWhenShown, 1);
  QCOMPARE(puts.at(2).at(1).toString(), QStringLiteral("endpinpon.wav"));
  QCOMPARE(boxText, expectedBox);
  QVERIFY(forms.ended);
}

void TestForm1::initCueReallySounds() {
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
