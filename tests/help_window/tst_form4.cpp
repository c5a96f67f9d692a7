#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>

#include "drawingarea.h"
#include "drawingarea_testing.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "labelcontrol.h"
#include "languages.h"
#include "linecontrol.h"
#include "module1.h"
#include "program.h"
#include "referencepicture.h"
#include "session.h"
#include "translations.h"

namespace {

// The help text as the window must print it, written out here on its own:
// \u3000 is the ideographic space, and trailing spaces are part of the lines.
const QStringList kExpectedLines{
    QString(),
    QStringLiteral("\u3000【Problem】"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000There is a set of playing cards."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000Use 52 cards excluding 2 jokers."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000There are 4 multiples of 3 for each of spades "
                   ", clovers , diamonds , and"),
    QStringLiteral("\u3000\u3000\u3000\u3000hearts , so there are 16 (4\u00D74=16)\uFF0E"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000Consider the probability that when one is drawn "
                   "from these 52 cards , "),
    QStringLiteral("\u3000\u3000\u3000\u3000that card is a multiple of 3."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000Of the 52 cards , 16 are multiples of 3 , so "
                   "mathematically it is 16/52."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000However , in reality , when one card is drawn "
                   "one by one and returned 52 "),
    QStringLiteral("\u3000\u3000\u3000\u3000terms , a card that is a multiple of 3 doesn't oppear "
                   "exactly 16 times."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000Then , what is the relationship with theoretical "
                   "probability 16/52 "),
    QStringLiteral("\u3000\u3000\u3000\u3000obtained mathematically ?"),
    QString(),
    QStringLiteral("\u3000\u3010Operation method\u3011"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000To do it manually , click the [Shuffle] button "
                   "and then , the [Draw] button."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000To do it automatically , click the [AutoStart] "
                   "button and then , the [AutoStop]"),
    QStringLiteral("\u3000\u3000\u3000\u3000button."),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000When you click the [Graph disply] button , the "
                   "relationship between the"),
    QStringLiteral("\u3000\u3000\u3000\u3000number of experiments and the ratio of cards drawn in "
                   "multiples of 3 is  "),
    QStringLiteral("\u3000\u3000\u3000\u3000displayed in a graph."),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000Click the [Init] button to restart the experiment "
        "from the beginning."),
};

// The same 22 lines in Japanese, with the same leading ideographic spaces.
const QStringList kExpectedJapanese{
    QString(),
    QStringLiteral("\u3000【問題】"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000トランプが1組あります。"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u3000ジョーカー2枚を除いた52枚を使います。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000スペード、クローバー、ダイヤ、ハートのどれにも、3の倍数"),
    QStringLiteral("\u3000\u3000\u3000\u3000（3、6、9、クイーン=12）が4枚ずつあり、全部で16枚"
                   "（4×4=16）です。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000この52枚から1枚を引くとき、そのカードが3の倍数である"),
    QStringLiteral("\u3000\u3000\u3000\u3000確率を考えます。"),
    QStringLiteral("\u3000\u3000\u3000\u3000\u300052枚のうち16枚が3の倍数なので、計算で求めた確率は"
                   "16/52です。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000しかし実際には、1枚引いてはもどすことを52回くり返しても、"),
    QStringLiteral("\u3000\u3000\u3000\u30003の倍数のカードがちょうど16回出るとはかぎりません。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000では、計算で求めた理論上の確率16/52と、実際の結果には"),
    QStringLiteral("\u3000\u3000\u3000\u3000どのような関係があるでしょうか。"),
    QString(),
    QStringLiteral("\u3000【操作方法】"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000手動で行うときは、［シャッフル］を押してから［引く"
        "］を押します。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000自動で行うときは、［自動スタート］を押し、止めるときは"),
    QStringLiteral("\u3000\u3000\u3000\u3000［自動ストップ］を押します。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000［グラフ表示］を押すと、実験の回数と、3の倍数のカードが"),
    QStringLiteral("\u3000\u3000\u3000\u3000出た割合との関係が"),
    QStringLiteral("\u3000\u3000\u3000\u3000グラフで表示されます。"),
    QStringLiteral(
        "\u3000\u3000\u3000\u3000\u3000［初期化］を押すと、実験を最初からやり直せます。"),
};

}  // namespace

class TestForm4 : public QObject {
  Q_OBJECT

 private slots:
  void windowPlace();
  void printsTheTwentyTwoLines_data();
  void printsTheTwentyTwoLines();
  void arrowKeysMoveTheCaret_data();
  void arrowKeysMoveTheCaret();
  void reactivationClearsAndPrintsAgain();
  void secondHelpBringsTheSameWindow();
  void closeWhileTheGraphIsOpen();
  void closeAfterTheMainWindowWasClosed();
  void titleBarCloseOnlyUnloads();
};

void TestForm4::windowPlace() {
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  QVERIFY(s.program.form1()->isVisible());
  QCOMPARE(help->geometry(), QRect(232, 149, 578, 430));
  QCOMPARE(help->windowTitle(),
           QStringLiteral(" Playing Cards\uFF3FHelp\uFF08Questions and Operation method\uFF09 "
                          "© 2026 The Vandrel developers"));
  QCOMPARE(buttonOf(help, "Command1")->text(), QStringLiteral("Close"));
  QCOMPARE(QAccessible::queryAccessibleInterface(help)->text(QAccessible::Name),
           help->windowTitle());
  QCOMPARE(
      japaneseCaptions<Form4>(s.program),
      (QStringList{" トランプ\u3000ヘルプ（問題と操作方法） © 2026 Vandrel 開発者", "閉じる"}));
  QCOMPARE(help->picture1()->geometry(), QRect(8, 32, 561, 449));
  const QFontInfo font(help->picture1()->font());
  QCOMPARE(font.family(), QStringLiteral("IPAPGothic"));
  QCOMPARE(font.pixelSize(), 15);
  QVERIFY(!help->picture1()->font().bold());
  QCOMPARE(buttonOf(help, "Command1")->geometry(), QRect(512, 0, 57, 25));
  auto* rule = help->findChild<LineControl*>();
  QCOMPARE(rule->from(), QPoint(8, 24));
  QCOMPARE(rule->to(), QPoint(568, 24));
  QTRY_COMPARE(QApplication::focusWidget(), buttonOf(help, "Command1"));
  QCOMPARE(buttonOf(help, "Command1")->nextInFocusChain(), help->picture1());
}

void TestForm4::printsTheTwentyTwoLines_data() {
  QTest::addColumn<bool>("japanese");
  QTest::addColumn<QStringList>("expected");
  QTest::newRow("English") << false << kExpectedLines;
  QTest::newRow("Japanese") << true << kExpectedJapanese;
}

void TestForm4::printsTheTwentyTwoLines() {
  QFETCH(bool, japanese);
  QFETCH(QStringList, expected);
  const Translations translations(japanese ? kJapanese : kEnglish);
  QVERIFY(translations.loaded() == japanese);
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  QSignalSpy printed(help->picture1(), &DrawingArea::printed);
  help->activated();
  QStringList lines;
  for (const QList<QVariant>& call : printed) {
    lines.append(call.at(0).toString());
  }
  QCOMPARE(lines.size(), 22);
  for (int i = 0; i < 22; ++i) {
    QCOMPARE(lines.at(i), expected.at(i));
  }
  // A screen reader goes through the same lines as text.
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(help->picture1());
  QCOMPARE(text->role(), QAccessible::EditableText);
  QVERIFY(text->textInterface() != nullptr);
  QCOMPARE(text->textInterface()->text(0, text->textInterface()->characterCount()),
           expected.join(QLatin1Char('\n')));
  // The Japanese lines were written to end inside the window; the English
  // ones are cut at its edge.
  VANDREL_COMPARE_REFERENCE(DrawingAreaTesting::picture(*help->picture1()),
                            japanese ? "help_ja" : "help");
}

void TestForm4::arrowKeysMoveTheCaret_data() {
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<int>("caret");     // the offset a screen reader is told
  QTest::addColumn<QString>("line");  // the line it reads there
  QTest::newRow("Tab alone: the first, empty line") << QList<int>{} << 0 << "";
  QTest::newRow("Down") << QList<int>{Qt::Key_Down} << 1 << "\u3000【Problem】";
  QTest::newRow("Down, Down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 12
                              << "\u3000\u3000\u3000\u3000\u3000There is a set of playing cards.";
  QTest::newRow("Up at the top stays") << QList<int>{Qt::Key_Up} << 0 << "";
  QTest::newRow("End, then Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 1006
                                << "\u3000\u3000\u3000\u3000displayed in a graph.";
  QTest::newRow("Down past the end stays on the last line")
      << QList<int>{Qt::Key_End, Qt::Key_Down} << 1032
      << "\u3000\u3000\u3000\u3000\u3000Click the [Init] button to restart the experiment "
         "from the beginning.";
  QTest::newRow("Home goes back") << QList<int>{Qt::Key_Down, Qt::Key_Home} << 0 << "";
}

void TestForm4::arrowKeysMoveTheCaret() {
  QFETCH(QList<int>, keys);
  QFETCH(int, caret);
  QFETCH(QString, line);
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), help->picture1());
  for (const int key : keys) {
    QTest::keyClick(help->picture1(), static_cast<Qt::Key>(key));
  }
  QAccessibleInterface* document = QAccessible::queryAccessibleInterface(help->picture1());
  QVERIFY(document->state().readOnly && document->state().multiLine && document->state().focused);
  QCOMPARE(document->textInterface()->cursorPosition(), caret);
  int start = -1;
  int end = -1;
  QCOMPARE(document->textInterface()
               ->textAtOffset(caret, QAccessible::LineBoundary, &start, &end)
               .remove(QLatin1Char('\n')),
           line);
  QCOMPARE(start, caret);
}

void TestForm4::reactivationClearsAndPrintsAgain() {
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  const QImage printedOnce = DrawingAreaTesting::picture(*help->picture1());
  // Something else on the area, which the next printing must erase.
  help->picture1()->line({0, 6000}, {8000, 6000}, Qt::black);
  help->picture1()->setCurrentY(5000);
  s.program.showForm1();
  QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  help->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(help));
  QCOMPARE(DrawingAreaTesting::picture(*help->picture1()), printedOnce);
}

void TestForm4::secondHelpBringsTheSameWindow() {
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  s.program.form1()->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  QSignalSpy printed(help->picture1(), &DrawingArea::printed);
  QCOMPARE(s.openHelp(), help);
  QCOMPARE(printed.size(), 22);
  const QWidgetList windows = QApplication::topLevelWidgets();
  QCOMPARE(std::count_if(windows.begin(), windows.end(),
                         [](QWidget* w) { return qobject_cast<Form4*>(w) != nullptr; }),
           1);
}

void TestForm4::closeWhileTheGraphIsOpen() {
  Session s;
  Form1* main = s.program.form1();
  buttonOf(main, "Command4")->click();
  buttonOf(main, "Command5")->click();
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  buttonOf(main, "Command7")->click();
  QVERIFY(main->isHidden());
  QVERIFY(s.program.form2() != nullptr);
  QVERIFY(help->isVisible());
  QTest::mouseClick(buttonOf(help, "Command1"), Qt::LeftButton);
  QTRY_VERIFY(s.program.form4() == nullptr);
  QCOMPARE(s.program.form1(), main);
  QVERIFY(main->isVisible());
  QVERIFY(s.program.form2() != nullptr && s.program.form2()->isVisible());
}

void TestForm4::closeAfterTheMainWindowWasClosed() {
  Session s;
  Form1* main = s.program.form1();
  buttonOf(main, "Command2")->click();
  buttonOf(main, "Command1")->click();
  QCOMPARE(s.program.module1().trialCount, 1);
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  main->close();
  QTRY_VERIFY(s.program.form1() == nullptr);
  QTest::mouseClick(buttonOf(help, "Command1"), Qt::LeftButton);
  Form1* fresh = s.program.form1();
  QVERIFY(fresh != nullptr);
  QVERIFY(fresh->isVisible());
  QCOMPARE(s.program.module1().trialCount, 0);
  QCOMPARE(captionOf(fresh, "Label3"), QStringLiteral("0"));
}

void TestForm4::titleBarCloseOnlyUnloads() {
  Session s;
  Form1* main = s.program.form1();
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  main->hide();
  help->close();
  QTRY_VERIFY(s.program.form4() == nullptr);
  QCOMPARE(s.program.form1(), main);
  QVERIFY(main->isHidden());
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm4 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form4.moc"
