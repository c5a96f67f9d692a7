#include <QAccessible>
#include <QApplication>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

#include "controls/drawingarea_testing.h"
#include "controls/linecontrol.h"
#include "form1.h"
#include "form4.h"
#include "helppage.h"
#include "languages.h"
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
    line(5, "この52枚から1枚を引くとき、"),
    line(4, "そのカードが3の倍数である確率を考えます。"),
    line(5, "52枚のうち16枚が3の倍数なので、計算で求めた確率は16/52です。"),
    line(5, "しかし実際には、1枚引いてはもどすことを52回くり返しても、"),
    line(4, "3の倍数のカードがちょうど16回出るとはかぎりません。"),
    line(5, "では、理論上の確率16/52と、実際の結果には"),
    line(4, "どのような関係があるでしょうか。"),
    {},
    line(1, "【操作方法】"),
    line(5, "手動で行うときは、［シャッフル］を押してから［引く］を押します。"),
    line(5, "自動で行うときは、［自動スタート］を押し、止めるときは"),
    line(4, "［自動ストップ］を押します。"),
    line(5, "［グラフ表示］を押すと、カードを引いた回数と、"),
    line(4, "3の倍数のカードが出た相対度数との関係が"),
    line(4, "グラフで表示されます。"),
    line(5, "［初期化］を押すと、実験を最初からやり直せます。"),
};

// The facts the help states in each language, each as it is worded there, %1
// standing for the queen's name as the cards are named (Form1's "Queen"): the
// cards used, how many are multiples of 3 and, where the help names them, which
// ranks, the queen's 12 among them; the fraction 16/52 and the 52 draws. The
// English help names no ranks; no help names a decimal value or a run length.
const QMap<QString, QStringList> kHelpFacts{
    {"en",
     {"52 cards excluding 2 jokers", "4 multiples of 3 for each of", "there are 16 (4×4=16)",
      "these 52 cards", "Of the 52 cards , 16 are multiples of 3", "mathematically it is 16/52",
      "returned 52", "exactly 16 times", "probability 16/52"}},
    {"ja",
     {"トランプが1組", "ジョーカー2枚を除いた52枚", "（3、6、9、%1=12）が4枚ずつ",
      "全部で16枚（4×4=16）", "この52枚から1枚を引く", "52枚のうち16枚が3の倍数", "確率は16/52",
      "1枚引いてはもどすことを52回", "ちょうど16回", "理論上の確率16/52"}},
    {"zh_CN",
     {"这2张牌，使用剩下的52张牌", "3的倍数的牌（3、6、9、%1）", "各有4张（%1看作12）",
      "共有16张（4×4=16）", "从这52张牌中随机抽取1张", "52张牌中有16张的点数是3的倍数",
      "概率是16/52", "每次抽1张牌后再放回，这样重复52次", "恰好出现16次", "理论概率16/52"}},
    {"ko",
     {"조커 2장을 뺀 52장", "3의 배수인 카드가 4장씩(3, 6, 9, %1=12)", "모두 16장(4×4=16)",
      "이 52장 중에서", "52장 중 16장이 3의 배수", "확률은 16/52", "52번 반복", "꼭 16번",
      "수학적 확률 16/52"}},
    {"es",
     {"sus 52 cartas, sin los 2 comodines", "4 múltiplos de 3 (3, 6, 9 y la %1, que vale 12)",
      "en total, 4 × 4 = 16", "de estas 52", "hay 16 múltiplos de 3 en 52 cartas",
      "la probabilidad es 16/52", "una carta 52 veces", "exactamente 16 veces", "teórica 16/52"}},
    {"pt_BR",
     {"as 52 cartas, sem os 2 curingas", "4 múltiplos de 3 (3, 6, 9 e a %1, que vale 12)",
      "são 16 ao todo (4 × 4 = 16)", "destas 52", "há 16 múltiplos de 3 nas 52 cartas",
      "a probabilidade é 16/52", "uma carta 52 vezes", "exatamente 16 vezes", "teórica 16/52"}},
    {"fr",
     {"les 52 cartes, sans les 2 jokers", "4 multiples de 3 (3, 6, 9 et la %1 = 12)",
      "soit 16 en tout (4 × 4 = 16)", "ces 52 cartes", "16 cartes sur 52 sont des multiples de 3",
      "la probabilité vaut 16/52", "52 fois une carte", "exactement 16 fois", "théorique 16/52"}},
    {"de",
     {"die 52 Karten ohne die 2 Joker", "4 Karten, deren Wert ein Vielfaches von 3 ist",
      "(3, 6, 9, %1 = 12)", "zusammen 16 (4 · 4 = 16)", "aus diesen 52 Karten",
      "Da 16 der 52 Karten Vielfache von 3 sind", "rechnerisch 16/52", "52-mal eine Karte",
      "genau 16-mal", "Wahrscheinlichkeit 16/52"}},
    {"it",
     {"le 52 carte, senza i 2 jolly", "4 multipli di 3 (3, 6, 9 e la %1, che vale 12)",
      "16 in tutto (4 × 4 = 16)", "da queste 52 carte", "16 delle 52 carte sono multipli di 3",
      "la probabilità è 16/52", "52 volte una carta con reimmissione", "esattamente 16 volte",
      "probabilità teorica 16/52"}},
    {"nl",
     {"de 52 kaarten, zonder de 2 jokers", "4 veelvouden van 3 (3, 6, 9 en de %1 = 12)",
      "samen 16 (4 · 4 = 16)", "uit deze 52 kaarten",
      "16 van de 52 kaarten zijn een veelvoud van 3", "de kans is 16/52",
      "52 keer een kaart met terugleggen", "precies 16 keer", "theoretische kans 16/52"}},
    {"pl",
     {"52 kart, bez 2 jokerów", "4 wielokrotności liczby 3 (3, 6, 9 i %1 = 12)",
      "razem 16 (4 · 4 = 16)", "Z tych 52 kart", "Takich kart jest 16 na 52",
      "prawdopodobieństwo wynosi 16/52", "52 razy jedną kartę ze zwracaniem", "dokładnie 16 razy",
      "teoretycznym 16/52"}},
    {"tr",
     {"2 joker dışındaki 52 kart", "3’ün katı olan 4 kart (3, 6, 9 ve %1 = 12)",
      "toplam 16 kart (4 · 4 = 16)", "Bu 52 karttan", "52 kartın 16’sı 3’ün katı",
      "olasılık 16/52’dir", "geri koyarak 52 kez kart", "tam 16 kez", "teorik olasılık 16/52"}},
    {"ru",
     {"52 карты, без 2 джокеров", "4 карты, кратные 3 (3, 6, 9 и %1 = 12)", "всего 16 (4 · 4 = 16)",
      "Из этих 52 карт", "Из 52 карт 16 кратны 3", "вероятность равна 16/52",
      "карту 52 раза с возвращением", "ровно 16 раз", "теоретической вероятностью 16/52"}},
    {"uk",
     {"52 карти, без 2 джокерів", "4 карти, кратні 3 (3, 6, 9 і %1, тобто 12)", "усього 4 · 4 = 16",
      "з цих 52 карт", "Із 52 карт 16 кратні 3", "ймовірність дорівнює 16/52",
      "карту 52 рази з поверненням", "рівно 16 разів", "теоретичною ймовірністю 16/52"}},
    {"vi",
     {"Bỏ 2 lá joker ra, dùng 52 lá còn lại", "4 lá là bội của 3 (3, 6, 9 và %1 = 12)",
      "tổng cộng có 16 lá (4 · 4 = 16)", "từ 52 lá bài này", "Trong 52 lá có 16 lá là bội của 3",
      "xác suất đó là 16/52", "có hoàn lại 52 lần", "đúng 16 lần", "xác suất lí thuyết 16/52"}},
    {"id",
     {"52 kartu, tanpa 2 kartu joker", "4 kelipatan 3 (3, 6, 9, %1 = 12)",
      "seluruhnya 16 (4 × 4 = 16)", "Dari 52 kartu ini", "Dari 52 kartu, ada 16 kartu kelipatan 3",
      "peluangnya 16/52", "sebanyak 52 kali", "tepat 16 kali", "peluang teoretis 16/52"}}};

// The numbers written in `text`, in any script's digits.
QSet<QString> numbersIn(const QString& text) {
  static const QRegularExpression number(QStringLiteral("\\d+"),
                                         QRegularExpression::UseUnicodePropertiesOption);
  QSet<QString> numbers;
  for (const QRegularExpressionMatch& match : number.globalMatch(text)) {
    numbers.insert(match.captured());
  }
  return numbers;
}

}  // namespace

class TestForm4 : public QObject {
  Q_OBJECT

 private slots:
  void helpWindow_data();
  void helpWindow();
  void helpStatesTheFacts_data();
  void helpStatesTheFacts();
  void closeSaysSo_data();
  void closeSaysSo();
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
                            << " トランプ\u3000ヘルプ（問題と操作方法） © 2026 Vandrel 開発チーム"
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
  Session s(translations.language());
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

void TestForm4::helpStatesTheFacts_data() {
  QTest::addColumn<QString>("language");
  // Every language the build compiles in: one with no facts above fails.
  QStringList languages = kHelpFacts.keys() + compiledLanguages();
  languages.removeDuplicates();
  for (const QString& language : languages) {
    QTest::newRow(qPrintable(language)) << language;
  }
}

// Each fact is in the help, and no number that none of them has: a wrong count
// of cards, or a wrong card named 12, fails.
void TestForm4::helpStatesTheFacts() {
  QFETCH(QString, language);
  const Translations translations{QLocale(language)};
  QVERIFY(translations.loaded());
  const QString queen = QCoreApplication::translate("Form1", "Queen");
  // Sentences run on over lines: read as one text.
  QStringList lines = Form4::helpText();
  for (QString& line : lines) {
    line = line.trimmed();
  }
  const QString help = lines.join(QLatin1Char(' '));
  const QStringList facts = kHelpFacts.value(language);
  QVERIFY(!facts.isEmpty());
  QSet<QString> stated;
  for (const QString& fact : facts) {
    const QString worded = fact.contains(QLatin1String("%1")) ? fact.arg(queen) : fact;
    // A card's name starts with a capital where the help's words may not ("Reina", "la reina").
    QVERIFY2(help.contains(worded, Qt::CaseInsensitive), qPrintable(worded + " not in " + help));
    stated.unite(numbersIn(worded));
  }
  const QSet<QString> others = numbersIn(help).subtract(stated);
  QVERIFY2(others.isEmpty(), qPrintable(QStringList(others.values()).join(' ') + " in " + help));
}

// Close says so, and the program brings the main window back; closed by its
// title bar, the help leaves the focus to the window manager.
void TestForm4::closeSaysSo_data() {
  QTest::addColumn<bool>("byCloseButton");
  QTest::addColumn<int>("said");
  QTest::newRow("Close") << true << 1;
  QTest::newRow("the title bar") << false << 0;
}

void TestForm4::closeSaysSo() {
  QFETCH(bool, byCloseButton);
  QFETCH(int, said);
  Form4 help;
  help.show();
  QSignalSpy closed(&help, &Form4::closed);
  if (byCloseButton) {
    buttonOf(&help, "Command1")->click();
  } else {
    QVERIFY(help.close());
  }
  QCOMPARE(closed.size(), said);
  QVERIFY(!help.isVisible());
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm4 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form4.moc"
