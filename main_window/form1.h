#pragma once

#include <QLocale>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "drawtally.h"
#include "randomsource.h"

class Announcer;
class FramePacer;
class ImageControl;
class LabelControl;
class LineControl;
class MultimediaControl;
class QPushButton;
class TimerControl;
struct Module1;

// The main window, where the experiment is run.
//
// The theory block (16/52 and its value) at the top under the title row, the
// experiment block (hits, draws, their ratio) below it, AutoStart, AutoStop and
// Graph display on the left, the card images fudaban(1-52) in the middle, and
// Shuffle and Draw on the right; each control's place, font and colour is in
// the tables at the top of form1.cpp. MMControl1 (hidden) plays the sound cues;
// Timer1 ticks every millisecond while cards are shuffled or a run is going,
// and the window is then painted once per display frame, the card image on
// view and the run's counts brought up to date just before.
//
// Each command leads to one of the states whose table in form1.cpp says which
// buttons it offers, whether Timer1 runs and how ticks count. A command that
// disables the focused button first moves the focus, once, to the next button
// that stays enabled, and each command's result is told to screen readers on
// the button that then has the focus. Graph display, Help and Exit ask the
// program for the graph, the help or the end by the signals below.
// Reads and writes Module1's trialCount and ratioHistory; owns hitCount,
// currentCard, cardRank.
class Form1 : public QWidget {
  Q_OBJECT

 public:
  // Ready after load and Init; Shuffling until Draw; Drawn after it; Running
  // from AutoStart until AutoStop (Stopped) or the end of the run (Finished).
  enum class State { Ready, Shuffling, Drawn, Running, Stopped, Finished };
  // How a tick counts; the values are the ones the experiment has always stored.
  enum class DrawMode : std::int16_t { Automatic = 1, Manual = -1 };

  // `language` is the one the texts are shown in: its decimal separator and face.
  explicit Form1(Module1& shared, const QLocale& language = QLocale::c());

 signals:
  void graphRequested();
  void helpRequested();
  // Exit was confirmed: the program ends.
  void endRequested();

 private:
  friend class Form1Testing;  // the tests' view of the state behind the widgets

  void buildLayout(const QLocale& language);
  void connectTimer1();

  void load();
  void draw();
  void shuffle();
  void exitProgram();
  void exitAnswered(int answer);
  void autoStart();
  void autoStop();
  void init();
  void graphDisplay();
  void help();
  void timerTick();

  // A new experiment: nothing counted, card 1 on view.
  void reset();
  // Offers what `state` allows and runs or stops Timer1 to suit.
  void enter(State state);

  // Member `index` (1-52) of the card image array.
  ImageControl* card(int index) const { return fudaban.at(static_cast<std::size_t>(index)); }
  // Draws a card; its image follows at the next frame or when Timer1 stops.
  void showNewCard();
  // Hides every card image and shows the drawn card's, if it is not on view.
  void showCardDrawn();
  // Writes a run's counts and ratio, if ticks have changed them since; at each
  // frame and when Timer1 stops.
  void showTally();
  // "5 of 12 cards are multiples of 3; ratio 0.4166667.", "1 of 1 card is a multiple of 3; ..."
  QString tallyText(float ratio) const;
  QString ratioShown(float ratio) const;
  bool historyFull() const;
  QString cardName(std::int16_t card) const;

  Module1& shared_;
  DrawTally tally_;
  RandomSource random_{RandomSource::entropySeed()};
  std::function<float()> timeOfDay_ = secondsSinceMidnight;
  // The text language's, fixed like the window's other texts when it is made.
  std::string separator_;

  DrawMode drawMode_ = DrawMode::Manual;
  std::int16_t cardIndex_ = 0;
  bool cardFollows_ = false;  // an earlier card's image is on view than the card drawn
  // A run's counts, like its card, are written once a frame: a screen shows
  // some sixty of the thousand a second.
  bool tallyFollows_ = false;
  bool hitsFollow_ = false;
  std::int32_t exitAnswer_ = 0;

  // The controls, by the names the window was designed with.
  QPushButton* Command1 = nullptr;
  QPushButton* Command2 = nullptr;
  QPushButton* Command3 = nullptr;
  QPushButton* Command4 = nullptr;
  QPushButton* Command5 = nullptr;
  QPushButton* Command6 = nullptr;
  QPushButton* Command7 = nullptr;
  QPushButton* Command8 = nullptr;
  LabelControl* Label1 = nullptr;
  LabelControl* Label2 = nullptr;
  LabelControl* Label3 = nullptr;
  LabelControl* Label4 = nullptr;
  LabelControl* Label5 = nullptr;
  LabelControl* Label6 = nullptr;
  LabelControl* Label7 = nullptr;
  LabelControl* Label8 = nullptr;
  LabelControl* Label9 = nullptr;
  LabelControl* Label10 = nullptr;
  LabelControl* Label11 = nullptr;
  LabelControl* Label12 = nullptr;
  LabelControl* Label13 = nullptr;
  LineControl* Line1 = nullptr;
  TimerControl* Timer1 = nullptr;
  FramePacer* pacer_ = nullptr;
  Announcer* announcer_ = nullptr;
  MultimediaControl* MMControl1 = nullptr;
  std::array<ImageControl*, 53> fudaban{};  // indices 1-52; 0 is unused
  // Command1 to Command8 in the order of their numbers, which the state table's
  // letters follow.
  std::array<QPushButton*, 8> commands_{};
};
