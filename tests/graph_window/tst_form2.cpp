#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <cmath>

#include "drawingarea.h"
#include "form1.h"
#include "form2.h"
#include "languages.h"
#include "linecontrol.h"
#include "module1.h"
#include "program.h"
#include "texts.h"
#include "translations.h"

namespace {

// The drawing surface is 9435 x 4755 twips inside its border, 629 x 317 pixels,
// carrying 1100 x 120 units.
int px(double x) { return static_cast<int>(std::floor(x * 9435.0 / 1100.0 / 15.0)); }
int py(double y) { return static_cast<int>(std::floor(y * 4755.0 / 120.0 / 15.0)); }

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

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

// The running program, with the graph window opened as "Graph display" opens it.
struct Session {
  Program program;
  Session() { program.showForm1(); }

  Form2* openGraph() {
    program.form1()->findChild<QPushButton*>(QStringLiteral("Command7"))->setEnabled(true);
    program.form1()->findChild<QPushButton*>(QStringLiteral("Command7"))->click();
    Form2* graph = program.form2();
    if (graph != nullptr && QTest::qWaitForWindowActive(graph)) {
      return graph;
    }
    return nullptr;
  }

  QImage picture() { return program.form2()->picture1()->picture(); }
};

QString description(const Session& s) {
  return QAccessible::queryAccessibleInterface(s.program.form2()->picture1())
      ->text(QAccessible::Description);
}

QString ratioAt(Session& s, int trial) {
  return QString::fromStdString(
      ratioText(s.program.module1().ratioHistory[static_cast<std::size_t>(trial)]));
}

}  // namespace

class TestForm2 : public QObject {
  Q_OBJECT

 private slots:
  void windowPlace();
  void fixedParts_data();
  void fixedParts();
  void texts_data();
  void texts();
  void polyline_data();
  void polyline();
  void firstPointAlone_data();
  void firstPointAlone();
  void redrawingChangesNoPixel();
  void earlierPolylineStaysUnderTheNewOne();
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
  auto* close = graph->findChild<QPushButton*>(QStringLiteral("Command1"));
  QCOMPARE(close->geometry(), QRect(584, 0, 65, 25));
  QCOMPARE(close->text(), QStringLiteral("Close"));
  {
    const Translations translations(kJapanese);
    const Form2 japanese(s.program, s.program.module1());
    QCOMPARE(japanese.windowTitle(), QStringLiteral("グラフ © 2026 Vandrel 開発者"));
    QCOMPARE(japanese.findChild<QPushButton*>(QStringLiteral("Command1"))->text(),
             QStringLiteral("閉じる"));
  }
  auto* rule = graph->findChild<LineControl*>();
  QCOMPARE(rule->from(), QPoint(0, 24));
  QCOMPARE(rule->to(), QPoint(648, 24));
  QTRY_COMPARE(QApplication::focusWidget(), graph->picture1());
  QCOMPARE(graph->picture1()->nextInFocusChain(), close);
}

void TestForm2::fixedParts_data() {
  QTest::addColumn<QString>("part");
  QTest::newRow("vertical axis") << "vertical axis";
  QTest::newRow("horizontal axis") << "horizontal axis";
  QTest::newRow("ratio ticks") << "ratio ticks";
  QTest::newRow("dashes at 0.30") << "dashes";
  QTest::newRow("trial ticks") << "trial ticks";
}

void TestForm2::fixedParts() {
  QFETCH(QString, part);
  Session s;
  // All hits: the data lie on y = 10, away from everything checked here.
  fillHistory(s.program.module1(), 1000, [](int) { return 1.0; });
  QVERIFY(s.openGraph() != nullptr);
  const QImage picture = s.picture();
  auto black = [&picture](int x, int y) { return picture.pixelColor(x, y) == kBlack; };
  if (part == QLatin1String("vertical axis")) {
    for (int y = py(5); y <= py(110); ++y) {
      if (y != py(10)) {
        QVERIFY2(black(px(100), y), qPrintable(QString::number(y)));
      }
    }
    QVERIFY(!black(px(100), py(5) - 2));
  } else if (part == QLatin1String("horizontal axis")) {
    for (int x = px(100); x < picture.width(); ++x) {
      QVERIFY2(black(x, py(110)), qPrintable(QString::number(x)));
    }
  } else if (part == QLatin1String("ratio ticks")) {
    for (int ratio = 10; ratio <= 100; ratio += 10) {
      for (int x = px(95); x <= px(105); ++x) {
        if (ratio != 10 || x < px(101)) {
          QVERIFY2(black(x, py(ratio)), qPrintable(QStringLiteral("%1 %2").arg(ratio).arg(x)));
        }
      }
    }
  } else if (part == QLatin1String("dashes")) {
    int dashes = 0;
    for (int start = 100; start <= 1080; start += 20) {
      for (int x = px(start); x <= px(start + 10); ++x) {
        QVERIFY2(black(x, py(80)), qPrintable(QString::number(x)));
      }
      QVERIFY(!black(px(start + 15), py(80)));
      ++dashes;
    }
    QCOMPARE(dashes, 50);
    QVERIFY(!black(px(1095), py(80)));
  } else if (part == QLatin1String("trial ticks")) {
    for (int trial = 0; trial <= 900; trial += 100) {
      for (int y = py(109); y <= py(111); ++y) {
        QVERIFY(black(px(100 + trial), y));
      }
    }
    // No tick at trial 1000, whose place is the surface's right edge.
    QVERIFY(!black(px(1095), py(111)));
  }
}

void TestForm2::texts_data() {
  QTest::addColumn<int>("order");  // among the texts, as they are printed
  QTest::addColumn<QPointF>("at");
  QTest::addColumn<QString>("english");
  QTest::addColumn<QString>("japanese");
  int order = 0;
  auto text = [&order](const char* name, QPointF at, const QString& english,
                       const QString& japanese) {
    QTest::newRow(name) << order++ << at << english << japanese;
  };
  text("ratio 0.00", {60, 110}, "0.00", "0.00");
  text("ratio 0.30", {60, 77}, "0.30", "0.30");
  text("ratio 1.00", {60, 8}, "1.00", "1.00");
  for (int trial = 100; trial <= 900; trial += 100) {
    const QString number = QString::number(trial);
    text(qPrintable(QStringLiteral("trial ") + number), {trial + 80.0, 112}, number, number);
  }
  text("vertical caption", {140, 10},
       "(Vertical axis : Percentage of playing cards that are multiples of 3)",
       "（縦軸：3の倍数のカードの割合）");
  text("horizontal caption", {700, 100}, "(Horizontal axis : Number of experiments)",
       "（横軸：実験の回数）");
}

void TestForm2::texts() {
  QFETCH(int, order);
  QFETCH(QPointF, at);
  QFETCH(QString, english);
  QFETCH(QString, japanese);
  for (const bool inJapanese : {false, true}) {
    const Translations translations(inJapanese ? kJapanese : kEnglish);
    Session s;
    Form2* graph = s.openGraph();
    QVERIFY(graph != nullptr);
    QSignalSpy printed(graph->picture1(), &DrawingArea::printed);
    graph->activated();
    QCOMPARE(printed.size(), 14);
    const QString expected = inJapanese ? japanese : english;
    QCOMPARE(printed.at(order).at(0).toString(), expected);
    // Every text in Japanese ends inside the picture; in English the
    // horizontal caption runs a few pixels past the edge.
    if (inJapanese) {
      DrawingArea* area = graph->picture1();
      const int end =
          area->toDevice(at).x() + QFontMetrics(area->font()).horizontalAdvance(expected);
      QVERIFY2(end <= area->picture().width(), qPrintable(QString::number(end)));
    }
  }
}

void TestForm2::polyline_data() {
  QTest::addColumn<double>("ratio");
  QTest::newRow("all hits, on y = 10") << 1.0;
  QTest::newRow("all misses, on the axis") << 0.0;
  QTest::newRow("a quarter") << 0.25;
}

void TestForm2::polyline() {
  QFETCH(double, ratio);
  Session s;
  fillHistory(s.program.module1(), 1000, [ratio](int) { return ratio; });
  QVERIFY(s.openGraph() != nullptr);
  const QImage picture = s.picture();
  const int row = py(110 - 100 * ratio);
  // From the first point, on the vertical axis, to the surface's right edge
  // (x = 1100, the completed run's last point).
  for (int x = px(101); x < picture.width(); ++x) {
    QVERIFY2(picture.pixelColor(x, row) == kBlue, qPrintable(QString::number(x)));
  }
  QCOMPARE(countColour(picture, kBlue), picture.width() - px(101));
}

void TestForm2::firstPointAlone_data() {
  QTest::addColumn<int>("trials");
  QTest::addColumn<double>("first");
  QTest::newRow("no trial, nothing counted since start") << 0 << 0.0;
  QTest::newRow("no trial after a reset: the old first ratio") << 0 << 1.0;
  QTest::newRow("one trial") << 1 << 0.0;
  QTest::newRow("one hit") << 1 << 1.0;
}

void TestForm2::firstPointAlone() {
  QFETCH(int, trials);
  QFETCH(double, first);
  Session s;
  s.program.module1().ratioHistory[1] = static_cast<float>(first);
  s.program.module1().ratioHistory[2] = 0.5F;  // must not be drawn
  s.program.module1().trialCount = trials;
  QVERIFY(s.openGraph() != nullptr);
  const QImage picture = s.picture();
  QCOMPARE(countColour(picture, kBlue), 1);
  QCOMPARE(picture.pixelColor(px(101), py(110 - 100 * first)), kBlue);
}

void TestForm2::redrawingChangesNoPixel() {
  Session s;
  fillHistory(s.program.module1(), 1000,
              [](int n) { return 0.3 + 0.2 * std::sin(n / 37.0) / std::sqrt(n); });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  const QImage first = s.picture();
  for (int i = 0; i < 20; ++i) {
    graph->activated();
  }
  QCOMPARE(s.picture(), first);
}

void TestForm2::earlierPolylineStaysUnderTheNewOne() {
  Session s;
  fillHistory(s.program.module1(), 1000, [](int) { return 1.0; });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  // Init and 500 new trials, all misses; then the window is activated again.
  fillHistory(s.program.module1(), 500, [](int) { return 0.0; });
  graph->activated();
  const QImage picture = s.picture();
  QCOMPARE(picture.pixelColor(px(1090), py(10)), kBlue);   // the earlier run, to its end
  QCOMPARE(picture.pixelColor(px(590), py(110)), kBlue);   // the new one
  QCOMPARE(picture.pixelColor(px(700), py(110)), kBlack);  // not past its last trial
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
  QElapsedTimer clock;
  clock.start();
  QVERIFY(s.openGraph() != nullptr);
  QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
  QCOMPARE(s.picture(), reference.picture());
  // In words: only the first 1000 draws are on the picture.
  QCOMPARE(description(reference), kGraphShows + QStringLiteral(" Draws plotted: 1000. The "
                                                                "latest ratio is %1.")
                                                     .arg(ratioAt(reference, 1000)));
  QCOMPARE(description(s), kGraphShows + QStringLiteral(" Draws plotted: the first 1000 of %1. "
                                                        "The ratio at draw 1000 is %2.")
                                             .arg(trials)
                                             .arg(ratioAt(s, 1000)));
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
  QCOMPARE(s.picture().pixelColor(px(500), py(110)), kBlack);

  // The main window, then the graph again: drawn anew.
  s.program.showForm1();
  QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  graph->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(graph));
  QCOMPARE(s.picture().pixelColor(px(500), py(110)), kBlue);
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
    QTest::mouseClick(graph->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
  }
  const QPointer<Form2> closed = graph;
  QTRY_VERIFY(closed.isNull());
  QVERIFY(s.program.form2() == nullptr);
  QVERIFY(s.program.form1()->isVisible());

  // The next showing is a fresh window: the old polyline is gone.
  fillHistory(s.program.module1(), 1000, [](int) { return 0.0; });
  QVERIFY(s.openGraph() != nullptr);
  QCOMPARE(s.picture().pixelColor(px(500), py(10)), QColor(Qt::white));
  QCOMPARE(s.picture().pixelColor(px(500), py(110)), kBlue);
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm2 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form2.moc"
