#pragma once

#include <QWidget>

#include <cstdint>

class DrawingArea;
class Forms;
class LineControl;
class QCloseEvent;
class QKeyEvent;
class QPushButton;
class TonePlayer;
struct Module1;

// The graph window: the observed ratio against the number of draws.
//
// Command1 "Close" at the top right over Line1; Picture1, a drawing area of
// 1100 x 120 units, holds the axes, ticks, labels, the dashed line at 0.30 and
// the blue polyline of the ratio history. The graph is drawn each time the
// window becomes the program's active window, over what is already there, and
// the picture is kept in between. Screen readers get it in words, as the
// drawing area's description, and as a table of the ratio at chosen draws; Space
// or Enter on the picture plays the plotted ratio as sound, and again, Escape or
// Close stops it. Reads Module1's trialCount and ratioHistory; writes nothing
// outside itself.
class Form2 : public QWidget {
  Q_OBJECT

 public:
  Form2(Forms& forms, const Module1& shared);

  // The window has become the active one among the program's windows.
  void activated();

  DrawingArea* picture1() const { return Picture1; }

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

  Forms& forms_;
  const Module1& shared_;
  std::int32_t graphIndex_ = 0;
  // The most draws the picture has shown a line for: a run's line stays after Init.
  std::int32_t plottedBefore_ = 0;

  QPushButton* Command1 = nullptr;
  DrawingArea* Picture1 = nullptr;
  LineControl* Line1 = nullptr;
  TonePlayer* player_ = nullptr;
};
