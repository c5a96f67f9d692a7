#pragma once

#include <QLocale>
#include <QWidget>

#include <cstdint>
#include <string>

class GraphPicture;
class LineControl;
class QCloseEvent;
class QKeyEvent;
class QPushButton;
class TonePlayer;
struct Module1;

// The graph window: the observed ratio against the number of draws.
//
// Command1 "Close" at the top right over Line1; Picture1, a drawing area of
// 1100 x 120 units, holds the axes, ticks, labels, the dashed line at the
// reference ratio and the blue polyline of the ratio history (places in the
// tables at the top of form2.cpp and in graphgeometry.h). The graph is drawn
// each time the window becomes the program's active window, over what is
// already there, and the picture is kept in between. Screen readers get it in
// words, as the picture's description, and as a table of the ratio at chosen
// draws; Space or Enter on the picture plays the plotted ratio as sound, and
// again, Escape or Close stops it. Closed, however it is closed, it says so,
// and the program brings the main window back. Reads Module1's trialCount and
// ratioHistory; writes nothing outside itself.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  // `language` is the one the texts are shown in: its decimal separator.
  explicit Form2(const Module1& shared, const QLocale& language = QLocale::c());

  // The window has become the active one among the program's windows.
  void activated();

  GraphPicture* picture1() const { return Picture1; }

 signals:
  void closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void closeGraph();
  void drawGraph();
  // What the picture shows, in words, for screen readers.
  void describeGraph();
  // Plays the plotted ratio as sound, or stops it when it is playing.
  void hearGraph();

  const Module1& shared_;
  std::string separator_;
  std::int32_t graphIndex_ = 0;
  // The most draws the picture has shown a line for: a run's line stays after Init.
  std::int32_t plottedBefore_ = 0;

  QPushButton* Command1 = nullptr;
  GraphPicture* Picture1 = nullptr;
  LineControl* Line1 = nullptr;
  TonePlayer* player_ = nullptr;
};
