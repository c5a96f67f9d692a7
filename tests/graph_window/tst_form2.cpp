#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "controls/drawingarea.h"
#include "controls/drawingarea_testing.h"
#include "controls/linecontrol.h"
#include "form1.h"
#include "form2.h"
#include "graphpicture.h"
#include "module1.h"
#include "privatepulse.h"
#include "ratiotone.h"
#include "referencepicture.h"
#include "session.h"
#include "toneplayer.h"
#include "translations.h"

namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

// Pixels of the 629 x 317 picture, which spans 1100 x 120 units: trial n at
// x = (100 + n) units, ratio r at y = (110 - 100 r) units, each rounded down.
constexpr QPoint kTrial1Ratio0{57, 290};
constexpr QPoint kTrial1Ratio1{57, 26};
constexpr QPoint kTrial400Ratio0{285, 290};
constexpr QPoint kTrial400Ratio1{285, 26};

template <typename Ratio>
void fillHistory(Module1& shared, int count, Ratio ratio) {
  for (int n = 1; n <= count; ++n) {
    shared.ratioHistory[static_cast<std::size_t>(n)] = static_cast<float>(ratio(n));
  }
  shared.trialCount = count;
}

int countColour(const QImage& image, const QColor& colour) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  const auto* pixels = reinterpret_cast<const QRgb*>(rgb.constBits());
  const std::ptrdiff_t size = std::ptrdiff_t{rgb.width()} * rgb.height();
  return static_cast<int>(std::count(pixels, pixels + size, colour.rgb()));
}

// The description of the picture, before and after what it says of the draws.
const QString kGraphShows = QStringLiteral(
    "The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, "
    "against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks "
    "the ratio 0.30.");
const QString kHowToHear = QStringLiteral(
    " The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as "
    "sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low "
    "for 0 and high for 1, over the draws; press again or Escape to stop.");

// The window alone, shown and drawn as the program shows it.
void showAlone(Form2& graph) {
  graph.show();
  graph.activateWindow();
  graph.activated();
}

QAccessibleInterface* readerOf(const Form2* graph) {
  return QAccessible::queryAccessibleInterface(graph->picture1());
}

// The table a screen reader walks: the column headers, then one "draws=ratio" a row.
QStringList tableOf(const Form2* graph) {
  QAccessibleInterface* picture = readerOf(graph);
  QAccessibleTableInterface* table = picture->tableInterface();
  if (table == nullptr) {
    return {QStringLiteral("no table")};
  }
  QStringList headers;
  for (int index = 0; index < picture->childCount(); ++index) {
    if (picture->child(index)->role() == QAccessible::ColumnHeader) {
      headers << picture->child(index)->text(QAccessible::Name);
    }
  }
  QStringList rows{headers.join(QLatin1Char('|'))};
  for (int row = 0; row < table->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < table->columnCount(); ++column) {
      // A cell reads as its column's header and its own text: "Ratio 0.5000000".
      QAccessibleInterface* cell = table->cellAt(row, column);
      const auto header = cell->tableCellInterface()->columnHeaderCells();
      cells << (header.size() == 1 && header.at(0)->text(QAccessible::Name) == headers.value(column)
                    ? cell->text(QAccessible::Name)
                    : QStringLiteral("(no header)"));
    }
    rows << cells.join(QLatin1Char('='));
  }
  return rows;
}

// The picture's children a screen reader was told the focus came to.
QList<int> focusTold;

void hearFocus(QAccessibleEvent* event) {
  if (event->type() == QAccessible::Focus && event->child() >= 0) {
    focusTold.append(event->child());
  }
}

// The pitch of signed 16-bit samples from `first` for `count`, from their zero crossings.
double pitchOf(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count) {
  int crossings = 0;
  for (std::size_t i = first + 1; i < first + count && i < samples.size(); ++i) {
    crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
  }
  return crossings / 2.0 / (static_cast<double>(count) / ratiotone::kSampleRate);
}

bool withinASemitone(double heard, double expected) {
  return std::abs(std::log2(heard / expected)) <= 1.0 / 12;
}

int peakOf(const std::vector<std::int16_t>& samples, std::size_t first, std::size_t count) {
  int level = 0;
  for (std::size_t i = first; i < first + count; ++i) {
    level = std::max(level, std::abs(static_cast<int>(samples[i])));
  }
  return level;
}

QImage pictureOf(const Session& s) {
  return DrawingAreaTesting::picture(*s.program.form2()->picture1());
}

}  // namespace

// Draws at one ratio, and the pitch they must be heard at.
struct Stretch {
  std::size_t draws = 0;
  double ratio = 0;
  double hertz = 0;
};
Q_DECLARE_METATYPE(Stretch)

class TestForm2 : public QObject {
  Q_OBJECT

  std::unique_ptr<PrivatePulse> pulse_;

 private slots:
  void initTestCase();
  void tableOfRatios_data();
  void tableOfRatios();
  void tableWalkIsTold_data();
  void tableWalkIsTold();
  void toneFollowsTheRatio_data();
  void toneFollowsTheRatio();
  void graphIsHeard_data();
  void graphIsHeard();
  void windowPlace();
  void closingSaysSo_data();
  void closingSaysSo();
  void picture_data();
  void picture();
  void firstPointAlone_data();
  void firstPointAlone();
  void earlierRunStaysUnderTheNewOne();
  void leavingAndComingBack_data();
  void leavingAndComingBack();
};

void TestForm2::windowPlace() {
  Session s;
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  QCOMPARE(graph->geometry(), QRect(211, 113, 650, 378));
  QCOMPARE(graph->windowTitle(), QStringLiteral("Graph © 2026 The Vandrel developers"));
  QCOMPARE(QAccessible::queryAccessibleInterface(graph)->text(QAccessible::Name),
           graph->windowTitle());
  QCOMPARE(readerOf(graph)->role(), QAccessible::Table);
  QCOMPARE(readerOf(graph)->text(QAccessible::Name), QStringLiteral("Graph"));
  QCOMPARE(graph->picture1()->geometry(), QRect(8, 40, 633, 321));
  QCOMPARE(graph->picture1()->contentsRect().size(), QSize(629, 317));
  QPushButton* close = buttonOf(graph, "Command1");
  QCOMPARE(close->geometry(), QRect(584, 0, 65, 25));
  QCOMPARE(close->text(), QStringLiteral("Close"));
  QCOMPARE(japaneseCaptions([](Session& japanese) { return japanese.openGraph(); }),
           (QStringList{"グラフ © 2026 Vandrel 開発チーム", "閉じる"}));
  auto* rule = graph->findChild<LineControl*>();
  QCOMPARE(rule->from(), QPoint(0, 24));
  QCOMPARE(rule->to(), QPoint(648, 24));
  QCOMPARE(graph->picture1()->nextInFocusChain(), close);
}

void TestForm2::picture_data() {
  QTest::addColumn<bool>("japanese");
  QTest::addColumn<int>("trials");
  QTest::newRow("English") << false << 1000;
  QTest::newRow("Japanese, every text inside the picture") << true << 1000;
  for (const int trials : {1001, 32767, 32768, 32800, 100000}) {
    QTest::addRow("%d draws, of which the first 1000 are seen", trials) << false << trials;
  }
}

// Axes, ticks, the dashed line, the 14 texts and a polyline with steps, whose
// last visible entry stands apart from the one before; redrawing changes no pixel.
void TestForm2::picture() {
  QFETCH(bool, japanese);
  QFETCH(int, trials);
  const Translations translations(japanese ? kJapanese : kEnglish);
  Session s(translations.language());
  fillReferenceHistory(s.program.module1(), trials);
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  const char* reference = japanese ? "graph_ja" : "graph";
  VANDREL_COMPARE_REFERENCE(pictureOf(s), reference);
  for (int i = 0; i < 20; ++i) {
    graph->activated();
  }
  VANDREL_COMPARE_REFERENCE(pictureOf(s), reference);
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

// Init and the main window's load start counting afresh but keep the ratio
// history, and the graph keeps its picture: a new run is drawn over the last.
void TestForm2::earlierRunStaysUnderTheNewOne() {
  Session s;
  s.replayable(20261208);
  s.performAll({"AutoStart", "run"});
  const auto first = s.program.module1().ratioHistory;
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  // Back to the main window with the graph left open.
  auto backToMain = [&s] {
    s.program.showForm1();
    s.form->activateWindow();  // as the user's next click there would
    return QTest::qWaitForWindowActive(s.form);
  };
  QVERIFY(backToMain());
  s.performAll({"Init"});
  QVERIFY(s.program.module1().ratioHistory == first);
  QCOMPARE(s.openGraph(), graph);
  QCOMPARE(tableOf(graph), QStringList{"Draws|Ratio"});
  const QString earlier = QStringLiteral(
      " The line of the earlier run is still shown; no draws of the new run are plotted yet.");
  QCOMPARE(readerOf(graph)->text(QAccessible::Description), kGraphShows + earlier + kHowToHear);
  QVERIFY(backToMain());
  s.performAll({"AutoStart", "tick*500", "AutoStop"});
  buttonOf(s.form, "Command7")->click();
  QVERIFY(QTest::qWaitForWindowActive(graph));
  const auto& second = s.program.module1().ratioHistory;
  QVERIFY(std::equal(first.begin() + 501, first.begin() + 1001, second.begin() + 501));
  QVERIFY(!std::equal(first.begin() + 1, first.begin() + 501, second.begin() + 1));
  VANDREL_COMPARE_REFERENCE(pictureOf(s), "graph_two_runs");
}

void TestForm2::leavingAndComingBack_data() {
  // The graph is drawn at the ratio 1, then the ratios become 0 and the graph is left.
  QTest::addColumn<bool>("toMain");
  QTest::addColumn<QColor>("atRatio0");  // trial 400, when the graph is active again
  QTest::newRow("to another application: not drawn again") << false << kBlack;
  QTest::newRow("to the main window: drawn over") << true << kBlue;
}

void TestForm2::leavingAndComingBack() {
  QFETCH(bool, toMain);
  QFETCH(QColor, atRatio0);
  Session s;
  fillHistory(s.program.module1(), 1000, [](int) { return 1.0; });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  fillHistory(s.program.module1(), 1000, [](int) { return 0.0; });
  QWidget elsewhere;
  if (toMain) {
    s.program.showForm1();
    QVERIFY(QTest::qWaitForWindowActive(s.program.form1()));
  } else {
    elsewhere.setGeometry(900, 600, 100, 100);
    elsewhere.show();
    elsewhere.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&elsewhere));
  }
  graph->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(graph));
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio1), kBlue);
  QCOMPARE(pictureOf(s).pixelColor(kTrial400Ratio0), atRatio0);
}

void TestForm2::initTestCase() {
  if (!PrivatePulse::unavailable().isEmpty()) {
    return;
  }
  pulse_ = std::make_unique<PrivatePulse>();
  QVERIFY2(pulse_->start(), qPrintable(pulse_->error()));
}

void TestForm2::tableOfRatios_data() {
  QTest::addColumn<int>("trials");
  QTest::addColumn<QStringList>("table");
  QTest::addColumn<QString>("plotted");
  QTest::addColumn<QList<int>>("keys");
  QTest::addColumn<QString>("focused");  // the cell a screen reader is told has the focus
  const QString header = QStringLiteral("Draws|Ratio");
  const QList<int> none;
  const QStringList all{header,          "1=1.0000000",   "2=0.5000000",   "5=0.2000000",
                        "10=0.1000000",  "20=0.0500000",  "50=0.0200000",  "100=0.0100000",
                        "200=0.0050000", "500=0.0020000", "1000=0.0010000"};
  QTest::newRow("no draws") << 0 << QStringList{header} << "No draws are plotted yet."
                            << QList<int>{Qt::Key_Down} << "";
  QTest::newRow("one draw") << 1 << QStringList{header, "1=1.0000000"}
                            << "Draws plotted: 1. The latest ratio is 1.0000000." << none << "";
  QTest::newRow("seven draws") << 7
                               << QStringList{header, "1=1.0000000", "2=0.5000000", "5=0.2000000"}
                               << "Draws plotted: 7. The latest ratio is 0.1428571."
                               << QList<int>{Qt::Key_Down, Qt::Key_Down, Qt::Key_Right}
                               << "0.5000000";
  QTest::newRow("one hit in 256 draws, a tie rounded up")
      << 256 << all.mid(0, 9) << "Draws plotted: 256. The latest ratio is 0.0039063." << none << "";
  QTest::newRow("a whole run") << 1000 << all
                               << "Draws plotted: 1000. The latest ratio is 0.0010000."
                               << QList<int>{Qt::Key_End, Qt::Key_Right} << "0.0010000";
  QTest::newRow("just past the picture")
      << 1001 << all
      << "Draws plotted: the first 1000 of 1001. The ratio at draw 1000 is 0.0010000."
      << QList<int>{Qt::Key_Down} << "1";
  QTest::newRow("past the picture")
      << 40000 << all
      << "Draws plotted: the first 1000 of 40000. The ratio at draw 1000 is 0.0010000."
      << QList<int>{Qt::Key_Up, Qt::Key_Up, Qt::Key_Left, Qt::Key_Right, Qt::Key_Right}
      << "1.0000000";
}

void TestForm2::tableOfRatios() {
  QFETCH(int, trials);
  QFETCH(QStringList, table);
  QFETCH(QString, plotted);
  QFETCH(QList<int>, keys);
  QFETCH(QString, focused);
  auto shared = std::make_unique<Module1>();
  fillHistory(*shared, trials, [](int n) { return 1.0 / n; });
  Form2 window(*shared);
  Form2* graph = &window;
  showAlone(window);
  QCOMPARE(tableOf(graph), table);
  QCOMPARE(readerOf(graph)->text(QAccessible::Description),
           kGraphShows + QLatin1Char(' ') + plotted + kHowToHear);
  QTRY_COMPARE(QApplication::focusWidget(), graph->picture1());
  for (const int key : keys) {
    QTest::keyClick(graph->picture1(), static_cast<Qt::Key>(key));
  }
  QAccessibleInterface* cell = readerOf(graph)->focusChild();
  QCOMPARE(cell != nullptr ? cell->text(QAccessible::Name) : QString(), focused);
  QVERIFY(cell == nullptr || cell->state().focused);
}

void TestForm2::tableWalkIsTold_data() { tableOfRatios_data(); }

// Each move through the table is told to a screen reader as the focus coming
// to the cell the keyboard is on. Events reach a listener only through an
// accessibility bridge, which offscreen has none: this runs again on X with an
// AT-SPI bus (tst_form2_accessibility).
void TestForm2::tableWalkIsTold() {
  QFETCH(int, trials);
  QFETCH(QList<int>, keys);
  QFETCH(QString, focused);
  if (!QTest::qWaitFor([] { return QAccessible::isActive(); }, 3000)) {
    QSKIP("No accessibility bridge on this platform");
  }
  auto shared = std::make_unique<Module1>();
  fillHistory(*shared, trials, [](int n) { return 1.0 / n; });
  Form2 graph(*shared);
  showAlone(graph);
  QTRY_COMPARE(QApplication::focusWidget(), graph.picture1());
  focusTold.clear();
  QAccessible::installUpdateHandler(hearFocus);
  for (const int key : keys) {
    QTest::keyClick(graph.picture1(), static_cast<Qt::Key>(key));
  }
  QAccessible::installUpdateHandler(nullptr);
  QAccessibleInterface* told =
      focusTold.isEmpty() ? nullptr : readerOf(&graph)->child(focusTold.last());
  QCOMPARE(told != nullptr ? told->text(QAccessible::Name) : QString(), focused);
}

// However the window is closed, it says so once: the program then brings the
// main window back.
void TestForm2::closingSaysSo_data() {
  QTest::addColumn<bool>("byCloseButton");
  QTest::newRow("Close") << true;
  QTest::newRow("the title bar") << false;
}

void TestForm2::closingSaysSo() {
  QFETCH(bool, byCloseButton);
  auto shared = std::make_unique<Module1>();
  Form2 graph(*shared);
  graph.show();
  QSignalSpy closed(&graph, &Form2::closed);
  if (byCloseButton) {
    buttonOf(&graph, "Command1")->click();
  } else {
    QVERIFY(graph.close());
  }
  QCOMPARE(closed.size(), 1);
  QVERIFY(!graph.isVisible());
}

void TestForm2::toneFollowsTheRatio_data() {
  QTest::addColumn<QList<Stretch>>("stretches");
  QTest::newRow("the ends of the scale") << QList<Stretch>{{100, 0.0, 220}, {100, 1.0, 880}};
  QTest::newRow("an octave for every half")
      << QList<Stretch>{{100, 0.5, 440}, {100, 0.0, 220}, {100, 0.5, 440}};
  QTest::newRow("settling on the probability") << QList<Stretch>{
      {50, 0.6, 505.4}, {150, 0.4, 383.0}, {300, 0.25, 311.1}, {500, 0.3076923, 337.0}};
}

void TestForm2::toneFollowsTheRatio() {
  QFETCH(QList<Stretch>, stretches);
  std::vector<float> history;
  for (const Stretch& stretch : stretches) {
    history.insert(history.end(), stretch.draws, static_cast<float>(stretch.ratio));
  }
  const std::vector<std::int16_t> samples = ratiotone::samplesFor(history);
  // 88 samples a draw at 22050 a second: 1000 draws in 3.99 s, after the
  // reference tone (0.4 s) and the pause (0.2 s).
  constexpr std::size_t kPerDraw = 88;
  QCOMPARE(ratiotone::sweepStart(), std::size_t{13230});
  QCOMPARE(samples.size(), std::size_t{13230} + history.size() * kPerDraw);
  // The reference: 0.30, softly, then silence.
  QVERIFY(withinASemitone(pitchOf(samples, 500, 7000), 333.5));
  QVERIFY(peakOf(samples, 0, 8820) < 5000);
  QCOMPARE(peakOf(samples, 8820, 4410), 0);
  std::size_t at = ratiotone::sweepStart();
  for (const Stretch& stretch : stretches) {
    const std::size_t length = stretch.draws * kPerDraw;
    // The middle of the stretch, in windows of 20 draws.
    constexpr std::size_t kWindow = 20 * kPerDraw;
    for (std::size_t window = at + length / 10; window + kWindow <= at + length * 9 / 10;
         window += kWindow) {
      const double heard = pitchOf(samples, window, kWindow);
      QVERIFY2(
          withinASemitone(heard, stretch.hertz),
          qPrintable(QStringLiteral("%1 Hz where %2 Hz belongs").arg(heard).arg(stretch.hertz)));
    }
    QVERIFY(peakOf(samples, at + length / 10, length * 8 / 10) > 10000);
    at += length;
  }
}

void TestForm2::graphIsHeard_data() {
  QTest::addColumn<int>("stopKey");  // 0: the Close button; -1: the window destroyed
  QTest::newRow("Space again") << int{Qt::Key_Space};
  QTest::newRow("Escape") << int{Qt::Key_Escape};
  QTest::newRow("Close") << 0;
  // As the program's end destroys it, with no close first.
  QTest::newRow("the window destroyed while it plays") << -1;
}

void TestForm2::graphIsHeard() {
  QFETCH(int, stopKey);
  VANDREL_SKIP_WITHOUT_PRIVATE_PULSE();
  Session s;
  fillHistory(s.program.module1(), 1000, [](int) { return 0.5; });
  Form2* graph = s.openGraph();
  QVERIFY(graph != nullptr);
  QTRY_COMPARE(QApplication::focusWidget(), graph->picture1());
  QCOMPARE(graph->findChildren<TonePlayer*>().size(), 1);
  auto* player = graph->findChild<TonePlayer*>();
  // Heard on the null sink: the soft reference, then the ratio 0.5, an octave over 220 Hz.
  const QByteArray heard =
      pulse_->record([graph] { QTest::keyClick(graph->picture1(), Qt::Key_Space); }, 3500);
  QVERIFY(player->isPlaying());
  std::vector<std::int16_t> samples;
  for (qsizetype at = 0; at + 1 < heard.size(); at += 2) {
    samples.push_back(static_cast<std::int16_t>(static_cast<std::uint8_t>(heard[at]) |
                                                static_cast<std::uint8_t>(heard[at + 1]) << 8));
  }
  std::size_t loud = 0;
  while (loud < samples.size() && std::abs(static_cast<int>(samples[loud])) < 8000) {
    ++loud;
  }
  QVERIFY2(loud + 6615 < samples.size(),
           qPrintable(
               QStringLiteral("peak %1 of %2 samples").arg(peakLevel(heard)).arg(samples.size())));
  const double pitch = pitchOf(samples, loud + 1000, 4410);
  QVERIFY2(withinASemitone(pitch, 440), qPrintable(QStringLiteral("%1 Hz").arg(pitch)));
  if (stopKey > 0) {
    QTest::keyClick(graph->picture1(), static_cast<Qt::Key>(stopKey));
  } else if (stopKey == 0) {
    buttonOf(graph, "Command1")->click();
  } else {
    delete graph;
  }
  QVERIFY(stopKey < 0 || !player->isPlaying());
  const QByteArray after = pulse_->record([] {}, 500);
  QVERIFY2(peakLevel(after) < 100, qPrintable(QString::number(peakLevel(after))));
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestForm2 test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form2.moc"
