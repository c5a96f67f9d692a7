#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>

#include <map>
#include <memory>

#include "eventwait.h"
#include "experiment.h"
#include "form1.h"
#include "form4.h"
#include "forms.h"
#include "imagecontrol.h"
#include "labelcontrol.h"
#include "languages.h"
#include "linecontrol.h"
#include "module1.h"
#include "multimediacontrol.h"
#include "privatepulse.h"
#include "program.h"
#include "texts.h"
#include "timercontrol.h"
#include "translations.h"

namespace {

// Button names in the order the state strings list them.
constexpr std::array<const char*, 8> kButtons{"Command1", "Command2", "Command3", "Command4",
                                              "Command5", "Command6", "Command7", "Command8"};

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

// Stands in for the rest of the program where a test needs Form1 alone.
class FakeForms : public Forms {
 public:
  void showForm1() override {}
  void showForm2() override {}
  void showForm4() override {}
  void endProgram() override { ended = true; }
  bool ended = false;
};

QPushButton* buttonOf(const QWidget* form, const char* name) {
  auto* button = form->findChild<QPushButton*>(QLatin1String(name));
  Q_ASSERT(button != nullptr);
  return button;
}

QString captionOf(const QWidget* form, const char* name) {
  auto* label = form->findChild<LabelControl*>(QLatin1String(name));
  Q_ASSERT(label != nullptr);
  return label->caption();
}

// The running program with its main window shown, driven one step at a time.
struct Session {
  Program program;
  Form1* form = nullptr;
  int ticks = 0;

  Session() {
    program.showForm1();
    form = program.form1();
  }

  QPushButton* button(const char* name) const { return buttonOf(form, name); }
  QString caption(const char* name) const { return captionOf(form, name); }
  TimerControl* timer() const { return form->findChild<TimerControl*>(QStringLiteral("Timer1")); }
  MultimediaControl* cues() const {
    return form->findChild<MultimediaControl*>(QStringLiteral("MMControl1"));
  }

  // One tick of Timer1, delivered now: the test decides when ticks come.
  void tick() {
    QTimerEvent event(timer()->timerId());
    QCoreApplication::sendEvent(timer(), &event);
    ++ticks;
  }

  // Ticks until the timer stops by itself.
  void runToEnd() {
    for (int guard = 0; guard < 5000 && timer()->isActive(); ++guard) {
      tick();
    }
  }

  void perform(const QString& action) {
    if (action == QLatin1String("run")) {
      runToEnd();
    } else if (action == QLatin1String("tick")) {
      tick();
    } else if (action.startsWith(QLatin1String("tick*"))) {
      const int count = action.mid(5).toInt();
      for (int i = 0; i < count; ++i) {
        tick();
      }
    } else if (action.startsWith(QLatin1String("manual*"))) {
      const int count = action.mid(7).toInt();
      for (int i = 0; i < count; ++i) {
        button("Command2")->click();
        tick();
        button("Command1")->click();
      }
    } else {
      const std::map<QString, const char*> commands{{"Draw", "Command1"},
                                                    {"Shuffle", "Command2"},
                                                    {"AutoStart", "Command4"},
                                                    {"AutoStop", "Command5"},
                                                    {"Init", "Command6"}};
      QVERIFY2(commands.contains(action), qPrintable(action));
      QPushButton* target = button(commands.at(action));
      QVERIFY2(target->isEnabled(), qPrintable(action + " is not offered"));
      target->click();
    }
  }

  // "E" or "D" for each button, Draw first.
  QString buttonStates() const {
    QString states;
    for (const char* name : kButtons) {
      states += button(name)->isEnabled() ? QLatin1Char('E') : QLatin1Char('D');
    }
    return states;
  }

  // The cards on view, as the screen shows them and as a screen reader is
  // told of them; a card on which the two disagree counts as -index.
  QList<int> visibleCards() const {
    QList<int> visible;
    for (int index = 1; index <= kCardCount; ++index) {
      ImageControl* card = form->card(index);
      const bool told = !QAccessible::queryAccessibleInterface(card)->state().invisible;
      if (card->isShown() || told) {
        visible.append(card->isShown() == told ? index : -index);
      }
    }
    return visible;
  }

  // What a screen reader hears of the card on view.
  QString cardOnViewName() const {
    const QList<int> visible = visibleCards();
    return visible.size() == 1 && visible.first() > 0
               ? QAccessible::queryAccessibleInterface(form->card(visible.first()))
                     ->text(QAccessible::Name)
               : QString();
  }
};

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
  void layout_data();
  void layout();
  void ruleUnderTheTopRow();
  void tabOrderAndFocus();
  void noDefaultButton();
  void buttonStates_data();
  void buttonStates();
  void automaticRunShowsOneCardMoreThanItCounts();
  void labelTexts_data();
  void labelTexts();
  void everyTickShowsTheCardDrawn();
  void faceOnViewIsTheCardDrawn();
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
    FakeForms forms;
    const Form1 japanese(forms, s.program.module1());
    QCOMPARE(japanese.windowTitle(),
             QStringLiteral("Vandrel") + QChar(0x3000) + QStringLiteral("© 2026 Vandrel 開発者"));
  }
  // Enlarging the window moves nothing.
  const QRect before = s.button("Command1")->geometry();
  s.form->resize(900, 600);
  QCOMPARE(s.button("Command1")->geometry(), before);
}

void TestForm1::layout_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("pixelSize");  // 0: the platform's default font
  QTest::addColumn<bool>("bold");
  QTest::addColumn<QString>("ink");        // palette role or colour name; empty for buttons
  QTest::addColumn<QColor>("background");  // invalid for buttons
  QTest::addColumn<QString>("border");
  QTest::addColumn<QString>("japanese");  // the caption under a Japanese UI language

  const QColor white(255, 255, 255);
  const QColor yellow(255, 255, 192);
  const QColor none;
  auto button = [&](const char* name, QRect r, const char* caption, int px, bool bold,
                    const char* japanese) {
    QTest::newRow(name) << name << r << caption << px << bold << QString() << none << QString()
                        << QString::fromUtf8(japanese);
  };
  button("Command1", {368, 264, 145, 33}, "Draw", 16, true, "引く");
  button("Command2", {368, 224, 145, 33}, "Shuffle", 16, true, "シャッフル");
  button("Command3", {0, 0, 57, 25}, "Exit", 0, false, "終了");
  button("Command4", {56, 208, 145, 33}, "AutoStart", 16, true, "自動スタート");
  button("Command5", {56, 248, 145, 33}, "AutoStop", 16, true, "自動ストップ");
  button("Command6", {512, 0, 57, 25}, "Init", 15, false, "初期化");
  button("Command7", {56, 296, 145, 25}, "Graph display", 15, true, "グラフ表示");
  button("Command8", {456, 0, 57, 25}, "Help", 15, false, "ヘルプ");

  auto label = [&](const char* name, QRect r, const QString& caption, int px, bool bold,
                   const char* ink, const QColor& back, const char* border,
                   const QString& japanese) {
    QTest::newRow(name) << name << r << caption << px << bold << ink << back << border << japanese;
  };
  const QString nearlyEqual(QChar(0x2252));
  label("Label1", {16, 128, 337, 25}, "Number of cards in multiples of 3 drawn", 16, true,
        "ButtonText", white, "sunken", "引いた3の倍数のカードの枚数");
  label("Label2", {16, 160, 337, 25}, "Total number of cards drawn", 16, true, "ButtonText", white,
        "sunken", "引いたカードの合計枚数");
  label("Label3", {360, 160, 81, 25}, "0", 21, true, "red", white, "sunken", "0");
  label("Label4", {360, 128, 89, 25}, "0", 21, true, "red", white, "sunken", "0");
  label("Label5", {448, 144, 33, 25}, nearlyEqual, 21, true, "ButtonText", white, "sunken",
        nearlyEqual);
  label("Label6", {488, 144, 121, 25}, "", 21, true, "red", white, "sunken", "");
  label("Label7", {432, 64, 121, 25}, "0.3076923", 21, false, "WindowText", white, "flat",
        "0.3076923");
  label("Label8", {392, 64, 33, 25}, nearlyEqual, 21, false, "WindowText", white, "flat",
        nearlyEqual);
  label("Label9", {304, 48, 81, 25}, "16", 21, false, "WindowText", white, "flat", "16");
  label("Label10", {304, 80, 81, 25}, "52", 21, false, "WindowText", white, "flat", "52");
  label("Label11", {16, 80, 281, 25}, "Total number of playing cards", 16, false, "WindowText",
        white, "flat", "トランプの合計枚数");
  label("Label12", {16, 48, 281, 25}, "Total number of cards in multiples of 3", 16, false,
        "WindowText", white, "flat", "3の倍数のカードの合計枚数");
  label("Label13", {88, 0, 337, 25}, "Vandrel", 21, true, "WindowText", yellow, "flat", "Vandrel");
}

void TestForm1::layout() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  QFETCH(QString, caption);
  QFETCH(int, pixelSize);
  QFETCH(bool, bold);
  QFETCH(QString, ink);
  QFETCH(QColor, background);
  QFETCH(QString, border);
  QFETCH(QString, japanese);

  FakeForms forms;
  auto shared = std::make_unique<Module1>();
  {
    const Translations translations(kJapanese);
    QVERIFY(translations.loaded());
    const Form1 form(forms, *shared);
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    if (auto* button = qobject_cast<QPushButton*>(control)) {
      QCOMPARE(button->text(), japanese);
    } else {
      auto* label = qobject_cast<LabelControl*>(control);
      QVERIFY(label != nullptr);
      QCOMPARE(label->caption(), japanese);
      // Japanese captions are sized for their boxes: narrowed a little at most.
      QVERIFY2(label->captionStretch() >= 85, qPrintable(QString::number(label->captionStretch())));
    }
  }

  Form1 form(forms, *shared);
  auto* control = form.findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->geometry(), place);
  const QFontInfo font(control->font());
  if (pixelSize == 0) {
    QCOMPARE(control->font(), QApplication::font(control));
  } else {
    QCOMPARE(font.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(font.pixelSize(), pixelSize);
    QCOMPARE(control->font().bold(), bold);
    QVERIFY(!font.italic() && !control->font().underline() && !control->font().strikeOut());
  }
  // A screen reader hears every control by its caption.
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  QCOMPARE(accessible->text(QAccessible::Name), caption);
  if (auto* button = qobject_cast<QPushButton*>(control)) {
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(button->text(), caption);
    return;
  }
  auto* label = qobject_cast<LabelControl*>(control);
  QVERIFY(label != nullptr);
  QCOMPARE(accessible->role(), QAccessible::StaticText);
  QVERIFY(accessible->textInterface() != nullptr);
  QCOMPARE(accessible->textInterface()->text(0, accessible->textInterface()->characterCount()),
           caption);
  QCOMPARE(label->caption(), caption);
  const QPalette palette = QApplication::palette();
  const QColor expectedInk = ink == QLatin1String("red") ? QColor(255, 0, 0)
                             : ink == QLatin1String("ButtonText")
                                 ? palette.color(QPalette::ButtonText)
                                 : palette.color(QPalette::WindowText);
  QCOMPARE(label->palette().color(QPalette::WindowText), expectedInk);
  QCOMPARE(label->palette().color(QPalette::Window), background);
  QVERIFY(label->autoFillBackground());
  if (border == QLatin1String("sunken")) {
    QCOMPARE(label->frameShape(), QFrame::WinPanel);
    QCOMPARE(label->frameShadow(), QFrame::Sunken);
  } else {
    QCOMPARE(label->frameShape(), QFrame::Box);
    QCOMPARE(label->frameShadow(), QFrame::Plain);
    QCOMPARE(label->lineWidth(), 1);
  }
}

void TestForm1::ruleUnderTheTopRow() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  auto* rule = s.form->findChild<LineControl*>();
  QVERIFY(rule != nullptr);
  QCOMPARE(rule->from(), QPoint(568, 24));
  QCOMPARE(rule->to(), QPoint(0, 24));
  const QImage shot = s.form->grab().toImage();
  // Seen between the top-row controls, beneath them elsewhere.
  QCOMPARE(shot.pixelColor(70, 24), s.form->palette().color(QPalette::WindowText));
  QCOMPARE(shot.pixelColor(440, 24), s.form->palette().color(QPalette::WindowText));
  QVERIFY(shot.pixelColor(70, 20) != s.form->palette().color(QPalette::WindowText));
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
  for (const char* name : kButtons) {
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

  QTest::newRow("after load") << QStringList{} << "DEEEDDDE" << false << -1 << 0;
  QTest::newRow("Shuffle") << QStringList{"Shuffle"} << "EDDDDDDD" << true << -1 << 0;
  QTest::newRow("Shuffle, ticks") << QStringList{"Shuffle", "tick*5"} << "EDDDDDDD" << true << -1
                                  << 0;
  QTest::newRow("Draw") << QStringList{"Shuffle", "tick*2", "Draw"} << "DEEEDEEE" << false << -1
                        << 1;
  QTest::newRow("AutoStart") << QStringList{"AutoStart"} << "DDDDEDDD" << true << 1 << 0;
  QTest::newRow("AutoStop") << QStringList{"AutoStart", "tick*3", "AutoStop"} << "DEEEDEEE" << false
                            << -1 << 3;
  QTest::newRow("Init after Draw")
      << QStringList{"Shuffle", "tick", "Draw", "Init"} << "DEEEDDDE" << false << -1 << 0;
  QTest::newRow("end of an automatic run")
      << QStringList{"AutoStart", "run"} << "DDEDDEEE" << false << -1 << 1000;
  QTest::newRow("AutoStop then AutoStart goes on to 1000")
      << QStringList{"AutoStart", "tick*400", "AutoStop", "AutoStart", "run"} << "DDEDDEEE" << false
      << -1 << 1000;
  QTest::newRow("manual, then automatic to 1000")
      << QStringList{"manual*10", "AutoStart", "run"} << "DDEDDEEE" << false << -1 << 1000;
  QTest::newRow("past 1000 by hand, AutoStart ends on the first tick")
      << QStringList{"manual*1001", "AutoStart", "tick*1"} << "DDEDDEEE" << false << -1 << 1001;
  QTest::newRow("Init after a run")
      << QStringList{"AutoStart", "run", "Init"} << "DEEEDDDE" << false << -1 << 0;
  QTest::newRow("Shuffle after a Draw")
      << QStringList{"Shuffle", "tick", "Draw", "Shuffle"} << "EDDDDDDD" << true << -1 << 1;
}

void TestForm1::buttonStates() {
  QFETCH(QStringList, actions);
  QFETCH(QString, states);
  QFETCH(bool, timerOn);
  QFETCH(int, drawMode);
  QFETCH(int, trials);
  Session s;
  for (const QString& action : actions) {
    s.perform(action);
    if (QTest::currentTestFailed()) {
      return;
    }
  }
  QCOMPARE(s.buttonStates(), states);
  QCOMPARE(s.timer()->isActive(), timerOn);
  QCOMPARE(s.form->currentDrawMode(), drawMode);
  QCOMPARE(s.program.module1().trialCount, trials);
  QCOMPARE(s.caption("Label3").trimmed(), QString::number(trials));
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

void TestForm1::labelTexts_data() {
  QTest::addColumn<QStringList>("actions");
  QTest::addColumn<bool>("manual");
  QTest::newRow("Draw writes a leading space") << QStringList{"Shuffle", "tick", "Draw"} << true;
  QTest::newRow("a tick writes none") << QStringList{"AutoStart", "tick*1", "AutoStop"} << false;
  QTest::newRow("three Draws") << QStringList{"Shuffle", "tick",    "Draw", "Shuffle", "tick",
                                              "Draw",    "Shuffle", "tick", "Draw"}
                               << true;
}

void TestForm1::labelTexts() {
  QFETCH(QStringList, actions);
  QFETCH(bool, manual);
  Session s;
  QCOMPARE(s.caption("Label6"), QString());
  for (const QString& action : actions) {
    s.perform(action);
  }
  const int trials = s.program.module1().trialCount;
  const int hits = s.form->currentTally().hitCount;
  const QString space = manual ? QStringLiteral(" ") : QString();
  QCOMPARE(s.caption("Label3"), space + QString::number(trials));
  // The hit count is written only when a hit is counted: until then it keeps
  // the load handler's plain "0".
  QCOMPARE(s.caption("Label4"), hits == 0 ? QStringLiteral("0") : space + QString::number(hits));
  QCOMPARE(s.caption("Label6"),
           QString::fromStdString(ratioText(static_cast<float>(hits / double(trials)))));
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923"));
  s.perform(QStringLiteral("Init"));
  QCOMPARE(s.caption("Label3"), QStringLiteral("0"));
  QCOMPARE(s.caption("Label4"), QStringLiteral("0"));
  QCOMPARE(s.caption("Label6"), QString());
  QCOMPARE(s.visibleCards(), QList<int>{1});
  QCOMPARE(s.cardOnViewName(), QStringLiteral("Ace of spades"));
}

void TestForm1::everyTickShowsTheCardDrawn() {
  Session s;
  QCOMPARE(s.visibleCards(), QList<int>{1});
  s.perform(QStringLiteral("Shuffle"));
  QCOMPARE(s.cardOnViewName(), QStringLiteral("Ace of spades"));
  QSet<int> seen;
  for (int i = 0; i < 300; ++i) {
    s.tick();
    const int card = s.form->currentTally().currentCard;
    QCOMPARE(s.visibleCards(), QList<int>{card});
    QCOMPARE(s.cardOnViewName(), cardNameOf(card));
    seen.insert(card);
  }
  QVERIFY2(seen.size() > 40, "ticks keep showing the same few cards");
  const int shown = s.form->currentTally().currentCard;
  s.perform(QStringLiteral("Draw"));
  QCOMPARE(s.visibleCards(), QList<int>{shown});
  QCOMPARE(s.program.module1().trialCount, 1);
}

void TestForm1::faceOnViewIsTheCardDrawn() {
  Session s;
  QVERIFY(QTest::qWaitForWindowExposed(s.form));
  const QRect place(248, 208, 73, 105);
  auto onView = [&s, &place] {
    return s.form->grab(place).toImage().convertToFormat(QImage::Format_RGB32);
  };
  auto face = [](int card) {
    return QImage(QStringLiteral(":/cards/card%1.bmp").arg(card, 2, 10, QChar('0')))
        .scaled(73, 105, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .convertToFormat(QImage::Format_RGB32);
  };
  QCOMPARE(onView(), face(1));  // the ace of spades after start
  s.perform(QStringLiteral("Shuffle"));
  for (int i = 0; i < 5; ++i) {
    s.tick();
    const int card = s.form->currentTally().currentCard;
    QCOMPARE(s.form->card(card)->geometry(), place);
    QCOMPARE(onView(), face(card));
  }
  s.perform(QStringLiteral("Draw"));
  s.perform(QStringLiteral("Init"));
  QCOMPARE(onView(), face(1));
}

void TestForm1::drawBeforeTheFirstTickCountsARealCard() {
  for (int attempt = 0; attempt < 50; ++attempt) {
    Session s;
    s.perform(QStringLiteral("Shuffle"));
    s.perform(QStringLiteral("Draw"));
    const DrawTally& tally = s.form->currentTally();
    QVERIFY(tally.currentCard >= 1 && tally.currentCard <= kCardCount);
    QCOMPARE(s.visibleCards(), QList<int>{tally.currentCard});
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
  auto press = [](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
  // The result of a draw is told on the button that then has the focus, and nowhere else.
  auto told = [&s] {
    QStringList descriptions;
    for (const char* name : kButtons) {
      if (!s.button(name)->accessibleDescription().isEmpty()) {
        descriptions << QLatin1String(name) + QLatin1Char('=') +
                            s.button(name)->accessibleDescription();
      }
    }
    return descriptions;
  };
  QCOMPARE(told(), QStringList());
  for (int round = 1; round <= 2; ++round) {
    press(Qt::Key_Space);  // Shuffle
    QCOMPARE(QApplication::focusWidget(), s.button("Command1"));
    s.tick();
    press(Qt::Key_Space);  // Draw
    QCOMPARE(QApplication::focusWidget(), s.button("Command2"));
    const int card = s.form->currentTally().currentCard;
    QCOMPARE(told(), QStringList(QStringLiteral("Command2=Drew the %1. %2 of %3 cards are "
                                                "multiples of 3; ratio %4.")
                                     .arg(cardNameOf(card))
                                     .arg(s.form->currentTally().hitCount)
                                     .arg(round)
                                     .arg(s.caption("Label6"))));
  }
  press(Qt::Key_Tab);
  press(Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), s.button("Command4"));
  press(Qt::Key_Space);  // AutoStart
  QCOMPARE(QApplication::focusWidget(), s.button("Command5"));
  s.runToEnd();
  QCOMPARE(QApplication::focusWidget(), s.button("Command6"));
  QCOMPARE(told(), QStringList(QStringLiteral("Command6=The automatic run has ended. %1 of 1000 "
                                              "cards are multiples of 3; ratio %2.")
                                   .arg(s.form->currentTally().hitCount)
                                   .arg(s.caption("Label6"))));
  press(Qt::Key_Space);  // Init
  QCOMPARE(QApplication::focusWidget(), s.button("Command8"));
  QCOMPARE(told(), QStringList());
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
      if (h.control == s.form->findChild<LabelControl*>(QLatin1String(label))) {
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
  QSignalSpy puts(s.cues(), &MultimediaControl::propertyPut);
  QElapsedTimer clock;
  clock.start();
  s.button(qPrintable(command))->click();
  QVERIFY(clock.elapsed() < 50);
  const QList<QList<QVariant>> expected{
      {23, "Stop"}, {23, "Close"}, {22, cue}, {23, "Open"}, {23, "Sound"}};
  QCOMPARE(puts, expected);
  QVERIFY(s.cues()->openedPath().endsWith(QLatin1Char('/') + cue));
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
  FakeForms forms;
  auto shared = std::make_unique<Module1>();
  Form1 form(forms, *shared);
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  auto* cues = form.findChild<MultimediaControl*>(QStringLiteral("MMControl1"));
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
