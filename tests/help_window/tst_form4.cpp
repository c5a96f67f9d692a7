#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "drawingarea_testing.h"
#include "form1.h"
#include "form4.h"
#include "linecontrol.h"
#include "referencepicture.h"
#include "session.h"

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
  void helpWindow_data();
  void helpWindow();
};

void TestForm4::helpWindow_data() {
  QTest::addColumn<QLocale>("language");
  QTest::addColumn<QString>("title");
  QTest::addColumn<QString>("close");
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QString>("picture");
  // Where the caret is after Tab, Up, Down, Down, End, Down, Up and Home.
  QTest::addColumn<QList<int>>("carets");
  QTest::newRow("English") << kEnglish
                           << " Playing Cards\uFF3FHelp\uFF08Questions and Operation method\uFF09 "
                              "© 2026 The Vandrel developers"
                           << "Close" << kExpectedLines << "help"
                           << QList<int>{0, 0, 1, 12, 1032, 1032, 1006, 0};
  QTest::newRow("Japanese") << kJapanese
                            << " トランプ\u3000ヘルプ（問題と操作方法） © 2026 Vandrel 開発者"
                            << "閉じる" << kExpectedJapanese << "help_ja"
                            << QList<int>{0, 0, 1, 7, 505, 505, 489, 0};
}

void TestForm4::helpWindow() {
  QFETCH(QLocale, language);
  QFETCH(QString, title);
  QFETCH(QString, close);
  QFETCH(QStringList, lines);
  QFETCH(QString, picture);
  QFETCH(QList<int>, carets);
  const Translations translations(language);
  Session s;
  Form4* help = s.openHelp();
  QVERIFY(help != nullptr);
  QCOMPARE(help->geometry(), QRect(232, 149, 578, 430));
  QCOMPARE(help->windowTitle(), title);
  QCOMPARE(QAccessible::queryAccessibleInterface(help)->text(QAccessible::Name), title);
  QPushButton* command1 = buttonOf(help, "Command1");
  QCOMPARE(command1->text(), close);
  QCOMPARE(command1->geometry(), QRect(512, 0, 57, 25));
  QCOMPARE(help->picture1()->geometry(), QRect(8, 32, 561, 449));
  auto* rule = help->findChild<LineControl*>();
  QCOMPARE(QLine(rule->from(), rule->to()), QLine(8, 24, 568, 24));
  QTRY_COMPARE(QApplication::focusWidget(), command1);
  QCOMPARE(command1->nextInFocusChain(), help->picture1());
  VANDREL_COMPARE_REFERENCE(DrawingAreaTesting::picture(*help->picture1()), picture);

  // Reactivated, it prints again on a cleared picture.
  help->picture1()->line({0, 6000}, {8000, 6000}, Qt::black);
  s.program.showForm1();
  QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  help->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(help));
  VANDREL_COMPARE_REFERENCE(DrawingAreaTesting::picture(*help->picture1()), picture);

  // A screen reader reads the printed lines as text, line by line with the
  // arrow keys.
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(help->picture1());
  QCOMPARE(text->role(), QAccessible::EditableText);
  QAccessibleTextInterface* reading = text->textInterface();
  QCOMPARE(reading->text(0, reading->characterCount()), lines.join(QLatin1Char('\n')));
  const QList<Qt::Key> keys{Qt::Key_Tab, Qt::Key_Up,   Qt::Key_Down, Qt::Key_Down,
                            Qt::Key_End, Qt::Key_Down, Qt::Key_Up,   Qt::Key_Home};
  const QList<int> caretLines{0, 0, 1, 2, 21, 21, 20, 0};
  for (qsizetype i = 0; i < keys.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), keys.at(i));
    QCOMPARE(reading->cursorPosition(), carets.at(i));
    int start = -1;
    int end = -1;
    QString read = reading->textAtOffset(carets.at(i), QAccessible::LineBoundary, &start, &end);
    QCOMPARE(read.remove(QLatin1Char('\n')), lines.at(caretLines.at(i)));
    QCOMPARE(start, carets.at(i));
  }
  QCOMPARE(QApplication::focusWidget(), help->picture1());
  QVERIFY(text->state().readOnly && text->state().multiLine && text->state().focused);
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm4 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form4.moc"
