#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

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

// A help line: `indent` ideographic spaces, then the text.
QString line(int indent, const char* text) {
  return QString(indent, QChar(0x3000)) + QString::fromUtf8(text);
}

// The help text as the window must print it, written out here on its own;
// trailing spaces are part of the lines.
const QStringList kExpectedLines{
    {},
    line(1, "【Problem】"),
    line(5, "There is a set of playing cards."),
    line(5, "Use 52 cards excluding 2 jokers."),
    line(5, "There are 4 multiples of 3 for each of spades , clovers , diamonds , and"),
    line(4, "hearts , so there are 16 (4\u00D74=16)\uFF0E"),
    line(5, "Consider the probability that when one is drawn from these 52 cards , "),
    line(4, "that card is a multiple of 3."),
    line(5, "Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52."),
    line(5, "However , in reality , when one card is drawn one by one and returned 52 "),
    line(4, "terms , a card that is a multiple of 3 doesn't oppear exactly 16 times."),
    line(5, "Then , what is the relationship with theoretical probability 16/52 "),
    line(4, "obtained mathematically ?"),
    {},
    line(1, "\u3010Operation method\u3011"),
    line(5, "To do it manually , click the [Shuffle] button and then , the [Draw] button."),
    line(5, "To do it automatically , click the [AutoStart] button and then , the [AutoStop]"),
    line(4, "button."),
    line(5, "When you click the [Graph disply] button , the relationship between the"),
    line(4, "number of experiments and the ratio of cards drawn in multiples of 3 is  "),
    line(4, "displayed in a graph."),
    line(5, "Click the [Init] button to restart the experiment from the beginning."),
};

// The same 22 lines in Japanese, with the same leading ideographic spaces.
const QStringList kExpectedJapanese{
    {},
    line(1, "【問題】"),
    line(5, "トランプが1組あります。"),
    line(5, "ジョーカー2枚を除いた52枚を使います。"),
    line(5, "スペード、クローバー、ダイヤ、ハートのどれにも、3の倍数"),
    line(4, "（3、6、9、クイーン=12）が4枚ずつあり、全部で16枚（4×4=16）です。"),
    line(5, "この52枚から1枚を引くとき、そのカードが3の倍数である"),
    line(4, "確率を考えます。"),
    line(5, "52枚のうち16枚が3の倍数なので、計算で求めた確率は16/52です。"),
    line(5, "しかし実際には、1枚引いてはもどすことを52回くり返しても、"),
    line(4, "3の倍数のカードがちょうど16回出るとはかぎりません。"),
    line(5, "では、計算で求めた理論上の確率16/52と、実際の結果には"),
    line(4, "どのような関係があるでしょうか。"),
    {},
    line(1, "【操作方法】"),
    line(5, "手動で行うときは、［シャッフル］を押してから［引く］を押します。"),
    line(5, "自動で行うときは、［自動スタート］を押し、止めるときは"),
    line(4, "［自動ストップ］を押します。"),
    line(5, "［グラフ表示］を押すと、実験の回数と、3の倍数のカードが"),
    line(4, "出た割合との関係が"),
    line(4, "グラフで表示されます。"),
    line(5, "［初期化］を押すと、実験を最初からやり直せます。"),
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
  void closingTheHelp_data();
  void closingTheHelp();
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
  QCOMPARE(lines, expected);
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
  QTest::newRow("Down") << QList<int>{Qt::Key_Down} << 1 << kExpectedLines.at(1);
  QTest::newRow("Down, Down") << QList<int>{Qt::Key_Down, Qt::Key_Down} << 12
                              << kExpectedLines.at(2);
  QTest::newRow("Up at the top stays") << QList<int>{Qt::Key_Up} << 0 << "";
  QTest::newRow("End, then Up") << QList<int>{Qt::Key_End, Qt::Key_Up} << 1006
                                << kExpectedLines.at(20);
  QTest::newRow("Down past the end stays on the last line")
      << QList<int>{Qt::Key_End, Qt::Key_Down} << 1032 << kExpectedLines.at(21);
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

void TestForm4::closingTheHelp_data() {
  QTest::addColumn<QString>("before");  // what happens while the help is open
  QTest::addColumn<bool>("titleBar");   // closed by its title bar, not by Close
  QTest::addColumn<bool>("mainShown");  // the main window is shown afterwards
  QTest::addColumn<bool>("freshMain");  // made anew, its counts at 0
  QTest::newRow("Close while the graph is open") << "graph" << false << true << false;
  QTest::newRow("Close after the main window was closed") << "close" << false << true << true;
  QTest::newRow("title bar, main window hidden: only unloads") << "hide" << true << false << false;
}

void TestForm4::closingTheHelp() {
  QFETCH(QString, before);
  QFETCH(bool, titleBar);
  QFETCH(bool, mainShown);
  QFETCH(bool, freshMain);
  Session s;
  const QPointer<Form1> main = s.form;
  s.performAll({"Shuffle", "tick", "Draw"});
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  if (before == QLatin1String("graph")) {
    s.button("Command7")->click();
    QVERIFY(main->isHidden() && s.program.form2() != nullptr && help->isVisible());
  } else if (before == QLatin1String("close")) {
    main->close();
    QTRY_VERIFY(s.program.form1() == nullptr);
  } else {
    main->hide();
  }
  if (titleBar) {
    help->close();
  } else {
    QTest::mouseClick(buttonOf(help, "Command1"), Qt::LeftButton);
  }
  QTRY_VERIFY(s.program.form4() == nullptr);
  Form1* after = s.program.form1();
  QVERIFY(after != nullptr);
  QCOMPARE(after != main, freshMain);
  QCOMPARE(after->isVisible(), mainShown);
  QCOMPARE(s.program.module1().trialCount, freshMain ? 0 : 1);
  QCOMPARE(captionOf(after, "Label3"), freshMain ? QStringLiteral("0") : QStringLiteral(" 1"));
  QCOMPARE(s.program.form2() != nullptr && s.program.form2()->isVisible(), before == "graph");
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm4 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form4.moc"
