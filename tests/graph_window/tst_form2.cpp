#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <cmath>

#include "cputime.h"
#include "drawingarea.h"
#include "drawingarea_testing.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "linecontrol.h"
#include "module1.h"
#include "referencepicture.h"
#include "session.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

// Pixels of the 629 x 317 picture, which spans 1100 x 120 units: trial n at
// x = (100 + n) units, ratio r at y = (110 - 100 r) units, each rounded down.
constexpr QPoint kTrial1Ratio0{57, 290};
constexpr QPoint kTrial1Ratio1{57, 26};
constexpr QPoint kTrial400Ratio0{285, 290};
constexpr QPoint kTrial400Ratio1{285, 26};

// Fills entries 1..count with a ratio that follows `ratio(n)`.
template <typename Ratio>
void fillHistory(Module1& shared, int count, Ratio ratio) {
  for (int n = 1; n <= count; ++n) {
    shared.ratioHistory[static_cast<std::size_t>(n)] = static_cast<float>(ratio(n));
  }
  shared.trialCount = count;
}

int countColour(const QImage& image, const QColor& colour) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixelColor(x, y) == colour ? 1 : 0;
    }
  }
  return count;
}

// What a screen reader is told the picture shows, whatever the draws.
const QString kGraphShows = QStringLiteral(
    "The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, "
    "against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks "
    "the ratio 0.30.");

QImage pictureOf(const Session& s) {
  return DrawingAreaTesting::picture(*s.program.form2()->picture1());
}

QString description(const Session& s) {
  return QAccessible::queryAccessibleInterface(s.program.form2()->picture1())
      ->text(QAccessible::Description);
}

}  // namespace

class TestForm2 : public QObject {
  Q_OBJECT

 private slots:
  void windowPlace();
  void picture_data();
  void picture();
  void firstPointAlone_data();
  void firstPointAlone();
  void redrawingChangesNoPixel();
  void earlierRunStaysUnderTheNewOne();
  void largeCountsDrawOnlyTheVisibleFrame_data();
  void largeCountsDrawOnlyTheVisibleFrame();
  void activationAmongTheProgramsWindows();
  void closeReturnsToTheMainWindow_data();
  void closeReturnsToTheMainWindow();
};

void TestForm2::windowPlace() {
  Session s;
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  QVERIFY(s.program.form1()->isHidden());
  QCOMPARE(graph->geometry(), QRect(211, 113, 650, 378));
  QCOMPARE(graph->windowTitle(), QStringLiteral("Graph © 2026 The Vandrel developers"));
  QCOMPARE(QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Name),
           graph->windowTitle());
  QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(graph->picture1());
  QCOMPARE(picture->role(), QAccessible::Graphic);
  QCOMPARE(picture->text(QAccessible::Name), QStringLiteral("Graph"));
  QCOMPARE(description(s), kGraphShows + QStringLiteral(" No draws are plotted yet."));
  QCOMPARE(graph->picture1()->geometry(), QRect(8, 40, 633, 321));
  QCOMPARE(graph->picture1()->contentsRect().size(), QSize(629, 317));
  QPushButton* close = buttonOf(graph, "Command1");
  QCOMPARE(close->geometry(), QRect(584, 0, 65, 25));
  QCOMPARE(close->text(), QStringLiteral("Close"));
  QCOMPARE(japaneseCaptions<Form2>(s.program, s.program.module1()),
           (QStringList{"グラフ © 2026 Vandrel 開発者", "閉じる"}));
  auto* rule = graph->findChild<LineControl*>();
  QCOMPARE(rule->from(), QPoint(0, 24));
  QCOMPARE(rule->to(), QPoint(648, 24));
  QTRY_COMPARE(QApplication::focusWidget(), graph->picture1());
  QCOMPARE(graph->picture1()->nextInFocusChain(), close);
}

void TestForm2::picture_data() {
  QTest::addColumn<bool>("japanese");
  QTest::newRow("English") << false;
  QTest::newRow("Japanese, every text inside the picture") << true;
}

// Axes, ticks, the dashed line, the 14 texts and a polyline with steps, whose
// last entry stands apart from the one before.
void TestForm2::picture() {
  QFETCH(bool, japanese);
  const Translations translations(japanese ? kJapanese : kEnglish);
  Session s;
  fillHistory(s.program.module1(), 999, [](int n) { return 0.2 + 0.1 * ((n / 100) % 5); });
  s.program.module1().ratioHistory[1000] = 0.95F;
  s.program.module1().trialCount = 1000;
  QVERIFY(s.openGraph() != nullptr);
  VANDREL_COMPARE_REFERENCE(pictureOf(s), japanese ? "graph_ja" : "graph");
}

void TestForm2::firstPointAlone_data() {
  QTest::addColumn<int>("trials");
  QTest::addColumn<double>("first");
  QTest::addColumn<QPoint>("pixel");
  QTest::newRow("no trial, nothing counted since start") << 0 << 0.0 << kTrial1Ratio0;
  QTest::newRow("no trial after a reset: the old first ratio") << 0 << 1.0 << kTrial1Ratio1;
  QTest::newRow("one trial") << 1 << 0.0 << kTrial1Ratio0;
  QTest::newRow("one hit") << 1 << 1.0 << kTrial1Ratio1;
}

void TestForm2::firstPointAlone() {
  QFETCH(int, trials);
  QFETCH(double, first);
  QFETCH(QPoint, pixel);
  Session s;
  s.program.module1().ratioHistory[1] = static_cast<float>(first);
  s.program.module1().ratioHistory[2] = 0.5F;  // must not be drawn
  s.program.module1().trialCount = trials;
  QVERIFY(s.openGraph() != nullptr);
  const QImage picture = pictureOf(s);
  QCOMPARE(countColour(picture, kBlue), 1);
  QCOMPARE(picture.pixelColor(pixel), kBlue);
}

void TestForm2::redrawingChangesNoPixel() {
  Session s;
  fillHistory(s.program.module1(), 1000,
              [](int n) { return 0.3 + 0.2 * std::sin(n / 37.0) / std::sqrt(n); });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  const QImage first = pictureOf(s);
  for (int i = 0; i < 20; ++i) {
    graph->activated();
  }
  QCOMPARE(pictureOf(s), first);
}

// Init and the main window's load start counting afresh but keep the ratio
// history, and the graph keeps its picture: a new run is drawn over the last.
void TestForm2::earlierRunStaysUnderTheNewOne() {
  Session s;
  s.replayable(20261208);
  s.performAll({"AutoStart", "run"});
  const auto first = s.program.module1().ratioHistory;
  QVERIFY(s.openHelp() != nullptr);
  buttonOf(s.form, "Command7")->click();
  Form2* graph = s.program.form2();
  QVERIFY(graph != nullptr && QTest::qWaitForWindowActive(graph));
  // Closing the help brings the main window back; the graph stays open.
  buttonOf(s.program.form4(), "Command1")->click();
  QTRY_VERIFY(s.form->isVisible());
  s.form->activateWindow();  // as the user's next click there would
  QVERIFY(QTest::qWaitForWindowActive(s.form));
  s.performAll({"Init"});
  QVERIFY(s.program.module1().ratioHistory == first);
  s.performAll({"AutoStart", "tick*500", "AutoStop"});
  buttonOf(s.form, "Command7")->click();
  QVERIFY(QTest::qWaitForWindowActive(graph));

  const auto& second = s.program.module1().ratioHistory;
  QVERIFY(std::equal(first.begin() + 501, first.begin() + 1001, second.begin() + 501));
  QVERIFY(!std::equal(first.begin() + 1, first.begin() + 501, second.begin() + 1));
  VANDREL_COMPARE_REFERENCE(pictureOf(s), "graph_two_runs");
}

void TestForm2::largeCountsDrawOnlyTheVisibleFrame_data() {
  QTest::addColumn<int>("trials");
  for (const int trials : {1001, 32767, 32768, 32800, 100000}) {
    QTest::addRow("%d", trials) << trials;
  }
}

void TestForm2::largeCountsDrawOnlyTheVisibleFrame() {
  QFETCH(int, trials);
  auto ratio = [](int n) { return 0.31 + 0.3 * std::cos(n / 11.0) / std::sqrt(n); };
  Session reference;
  fillHistory(reference.program.module1(), 1000, ratio);
  QVERIFY(reference.openGraph() != nullptr);

  Session s;
  fillHistory(s.program.module1(), trials, ratio);
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  QCOMPARE(pictureOf(s), pictureOf(reference));
  // Drawing only what can be seen, whatever the count: no dearer than 1000
  // draws, give or take, where drawing every draw would cost a hundred times more.
  const auto large = threadCpuTimeOf([graph] { graph->activated(); });
  const auto visible = threadCpuTimeOf([&reference] { reference.program.form2()->activated(); });
  QVERIFY2(
      large < 3 * visible + std::chrono::milliseconds(5),
      qPrintable(QStringLiteral("%1 us against %2 us").arg(large.count()).arg(visible.count())));
  // In words: only the first 1000 draws are on the picture.
  QCOMPARE(description(reference),
           kGraphShows + QStringLiteral(" Draws plotted: 1000. The latest ratio is 0.3006968."));
  QCOMPARE(description(s), kGraphShows + QStringLiteral(" Draws plotted: the first 1000 of %1. "
                                                        "The ratio at draw 1000 is 0.3006968.")
                                             .arg(trials));
}

void TestForm2::activationAmongTheProgramsWindows() {
  Session s;
  fillHistory(s.program.module1(), 1000, [](int) { return 1.0; });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  fillHistory(s.program.module1(), 1000, [](int) { return 0.0; });

  // Another application's window comes and goes: not an activation.
  QWidget elsewhere;
  elsewhere.setGeometry(900, 600, 100, 100);
  elsewhere.show();
  elsewhere.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
  graph->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(graph));
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio0), kBlack);

  // The main window, then the graph again: drawn anew.
  s.program.showForm1();
  QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  graph->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(graph));
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio0), kBlue);
}

void TestForm2::closeReturnsToTheMainWindow_data() {
  QTest::addColumn<bool>("titleBar");
  QTest::newRow("Close button") << false;
  QTest::newRow("title bar") << true;
}

void TestForm2::closeReturnsToTheMainWindow() {
  QFETCH(bool, titleBar);
  Session s;
  fillHistory(s.program.module1(), 1000, [](int) { return 1.0; });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  if (titleBar) {
    graph->close();
  } else {
    QTest::mouseClick(buttonOf(graph, "Command1"), Qt::LeftButton);
  }
  const QPointer<Form2> closed = graph;
  QTRY_VERIFY(closed.isNull());
  QVERIFY(s.program.form2() == nullptr);
  QVERIFY(s.program.form1()->isVisible());

  // The next showing is a fresh window: the old polyline is gone.
  fillHistory(s.program.module1(), 1000, [](int) { return 0.0; });
  graph = s.openGraph();
  QVERIFY(graph != nullptr);
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio1), QColor(Qt::white));
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio0), kBlue);
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm2 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form2.moc"
