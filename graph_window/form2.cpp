#include "form2.h"

#include <QCloseEvent>
#include <QColor>
#include <QKeyEvent>
#include <QPushButton>
#include <QString>

#include <algorithm>
#include <array>
#include <span>

#include "controls/commandbutton.h"
#include "controls/linecontrol.h"
#include "controls/twips.h"
#include "experiment.h"
#include "graphgeometry.h"
#include "graphpicture.h"
#include "module1.h"
#include "ratiotone.h"
#include "texts.h"
#include "toneplayer.h"

namespace {

// ---- The stored layout, in twips ----

constexpr TwipsRect kClientArea{3165, 1695, 9750, 5670};
constexpr TwipsRect kCommand1{8760, 0, 975, 375};
constexpr TwipsRect kPicture1{120, 600, 9495, 4815};
constexpr QPoint kLine1From{0, 360};
constexpr QPoint kLine1To{9720, 360};

// Entries 0 and 9 of the standard 16-colour palette, which names 9 "light
// blue" although it is pure blue.
const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);

struct PlacedText {
  const char* text;
  double x;
  double y;
};

constexpr std::array<PlacedText, 3> kRatioLabels{{
    {"0.00", 60, 110},
    {"0.30", 60, 77},
    {"1.00", 60, 8},
}};

constexpr std::array<PlacedText, 9> kTrialLabels{{
    {"100", 180, 112},
    {"200", 280, 112},
    {"300", 380, 112},
    {"400", 480, 112},
    {"500", 580, 112},
    {"600", 680, 112},
    {"700", 780, 112},
    {"800", 880, 112},
    {"900", 980, 112},
}};

constexpr std::array<PlacedText, 2> kAxisCaptions{{
    {QT_TRANSLATE_NOOP("Form2",
                       "(Vertical axis : Percentage of playing cards that are multiples of 3)"),
     140, 10},
    {QT_TRANSLATE_NOOP("Form2", "(Horizontal axis : Number of experiments)"), 700, 100},
}};

// ---- What a screen reader is told of the picture ----

const char* const kGraphName = QT_TRANSLATE_NOOP("Form2", "Graph");
const char* const kGraphShows = QT_TRANSLATE_NOOP(
    "Form2",
    "The ratio of cards that are multiples of 3, from 0.00 at the bottom to 1.00 at the top, "
    "against the number of draws, from 0 at the left to 1000 at the right. A dashed line marks "
    "the ratio 0.30.");
const char* const kNothingPlotted = QT_TRANSLATE_NOOP("Form2", "No draws are plotted yet.");
const char* const kEarlierRunShown = QT_TRANSLATE_NOOP(
    "Form2",
    "The line of the earlier run is still shown; no draws of the new run are plotted yet.");
//: %1 a number of draws, %2 a ratio such as 0.3076923.
const char* const kPlotted =
    QT_TRANSLATE_NOOP("Form2", "Draws plotted: %1. The latest ratio is %2.");
//: %1 a number of draws above 1000, %2 a ratio such as 0.3076923.
const char* const kPlottedFirst = QT_TRANSLATE_NOOP(
    "Form2", "Draws plotted: the first 1000 of %1. The ratio at draw 1000 is %2.");

const char* const kHowToHear = QT_TRANSLATE_NOOP(
    "Form2",
    "The table gives the ratio at chosen draws. Press Space or Enter to hear the ratio as "
    "sound: a soft tone for 0.30 first, then a pitch that rises and falls with the ratio, low "
    "for 0 and high for 1, over the draws; press again or Escape to stop.");

// The table's columns, and the draws it gives the ratio at, as far as made.
const char* const kDrawsColumn = QT_TRANSLATE_NOOP("Form2", "Draws");
const char* const kRatioColumn = QT_TRANSLATE_NOOP("Form2", "Ratio");
constexpr std::array<std::int32_t, 10> kTableDraws{1, 2, 5, 10, 20, 50, 100, 200, 500, 1000};
static_assert(kTableDraws.back() == kAutomaticRunLength, "the table ends where a run ends");

// The arithmetic of a data point: the ratio's single-precision entry, computed
// on in double precision, handed on in single precision.
QPointF dataPoint(std::int32_t trial, float ratio) {
  return {static_cast<float>(graph::xFor(trial)),
          static_cast<float>(graph::yFor(static_cast<double>(ratio)))};
}

// The one place the core's texts become the window's.
QString text(const std::string& s) { return QString::fromStdString(s); }

void printAt(DrawingArea& area, const PlacedText& placed, const QString& text) {
  area.setCurrentX(placed.x);
  area.setCurrentY(placed.y);
  area.print(text);
}

}  // namespace

Form2::Form2(const Module1& shared, const QLocale& language)
    : shared_(shared), separator_(language.decimalPoint().toStdString()) {
  //: The window's caption; the maker's notice follows the space.
  setWindowTitle(tr("Graph "));
  setGeometry(toPixels(kClientArea));

  Line1 = new LineControl(toPixels(kLine1From), toPixels(kLine1To), this);
  Picture1 = new GraphPicture(this);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  Picture1->setGeometry(toPixels(kPicture1));
  Picture1->setUserScale(graph::kScaleWidth, graph::kScaleHeight);
  Command1 = new CommandButton(tr("Close"), this);
  Command1->setObjectName(QStringLiteral("Command1"));
  Command1->setGeometry(toPixels(kCommand1));
  // The table first: it decides what a screen reader is given of the picture.
  Picture1->setReaderTable({tr(kDrawsColumn), tr(kRatioColumn)}, {});
  Picture1->setAccessibleName(tr(kGraphName));
  QWidget::setTabOrder(Picture1, Command1);
  player_ = new TonePlayer(this);

  connect(Command1, &QPushButton::clicked, this, &Form2::closeGraph);
  connect(Picture1, &GraphPicture::activated, this, &Form2::hearGraph);
}

void Form2::activated() { drawGraph(); }

void Form2::closeGraph() { close(); }

// However the window is closed, by Close or by its title bar, the main window
// comes back: otherwise the program would be left with no window at all.
void Form2::closeEvent(QCloseEvent* event) {
  player_->stop();
  event->accept();
  emit closed();
}

void Form2::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && player_->isPlaying()) {
    player_->stop();
    return;
  }
  QWidget::keyPressEvent(event);
}

void Form2::hearGraph() {
  if (player_->isPlaying()) {
    player_->stop();
    return;
  }
  const auto plotted = static_cast<std::size_t>(
      std::clamp(shared_.trialCount, std::int32_t{0}, graph::kLastVisibleTrial));
  const std::span<const float> ratios(&shared_.ratioHistory[1], plotted);
  player_->play(ratiotone::samplesFor(ratios), ratiotone::kSampleRate);
}

void Form2::drawGraph() {
  using namespace graph;
  DrawingArea& area = *Picture1;
  area.line({xFor(0), kAxisTop}, {xFor(0), yFor(0)}, kBlack);
  area.line({xFor(0), yFor(0)}, {xFor(kLastVisibleTrial), yFor(0)}, kBlack);
  for (graphIndex_ = kRatioTicks.first; graphIndex_ <= kRatioTicks.last;
       graphIndex_ += kRatioTicks.step) {
    area.line({kRatioTickLeft, graphIndex_ * 1.0}, {kRatioTickRight, graphIndex_ * 1.0}, kBlack);
  }
  for (graphIndex_ = kDashes.first; graphIndex_ <= kDashes.last; graphIndex_ += kDashes.step) {
    area.line({graphIndex_ * 1.0, yFor(kDashedRatio)},
              {graphIndex_ + kDashLength, yFor(kDashedRatio)}, kBlack);
  }
  // The ratios take the language's decimal separator.
  for (const PlacedText& label : kRatioLabels) {
    printAt(area, label, text(withSeparator(label.text, separator_)));
  }
  for (graphIndex_ = kTrialTicks.first; graphIndex_ <= kTrialTicks.last;
       graphIndex_ += kTrialTicks.step) {
    area.line({graphIndex_ * 1.0, kTrialTickTop}, {graphIndex_ * 1.0, kTrialTickBottom}, kBlack);
  }
  for (const PlacedText& label : kTrialLabels) {
    printAt(area, label, QString::fromLatin1(label.text));
  }
  for (const PlacedText& caption : kAxisCaptions) {
    printAt(area, caption, tr(caption.text));
  }

  area.point(dataPoint(1, shared_.ratioHistory[1]), kBlue);
  const std::int32_t last = std::min(shared_.trialCount, kLastVisibleTrial);
  for (graphIndex_ = 2; graphIndex_ <= last; ++graphIndex_) {
    area.lineTo(dataPoint(graphIndex_, shared_.ratioHistory[static_cast<std::size_t>(graphIndex_)]),
                kBlue);
  }
  describeGraph();
}

void Form2::describeGraph() {
  const std::int32_t trials = shared_.trialCount;
  auto ratioAt = [this](std::int32_t trial) {
    return text(ratioText(shared_.ratioHistory[static_cast<std::size_t>(trial)], separator_));
  };
  const QString latest = ratioAt(std::min(trials, graph::kLastVisibleTrial));
  const QString plotted =
      trials >= 1 ? (trials <= graph::kLastVisibleTrial ? tr(kPlotted).arg(trials).arg(latest)
                                                        : tr(kPlottedFirst).arg(trials).arg(latest))
      : plottedBefore_ > 0 ? tr(kEarlierRunShown)
                           : tr(kNothingPlotted);
  plottedBefore_ = std::max(plottedBefore_, std::min(trials, graph::kLastVisibleTrial));
  Picture1->setAccessibleDescription(tr(kGraphShows) + QLatin1Char(' ') + plotted +
                                     QLatin1Char(' ') + tr(kHowToHear));
  QList<QStringList> rows;
  for (const std::int32_t draw : kTableDraws) {
    if (draw <= trials) {
      rows.append({QString::number(draw), ratioAt(draw)});
    }
  }
  Picture1->setReaderTable({tr(kDrawsColumn), tr(kRatioColumn)}, rows);
}
