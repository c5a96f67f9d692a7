#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "controls.h"
#include "languages.h"
#include "processend.h"
#include "program.h"
#include "translations.h"

class Form1;
class Form2;
class Form4;
class Module1;
class QMessageBox;

// The main window's buttons in order, each by its name and its caption.
struct Command {
  const char* name;
  const char* caption;
};
inline constexpr std::array<Command, 8> kCommands{{
    {"Command1", "Draw"},
    {"Command2", "Shuffle"},
    {"Command3", "Exit"},
    {"Command4", "AutoStart"},
    {"Command5", "AutoStop"},
    {"Command6", "Init"},
    {"Command7", "Graph display"},
    {"Command8", "Help"},
}};

// "E" or "D" for each of the main window's buttons, Draw first.
QString buttonStatesOf(const QWidget* form);

// One tick of the window's Timer1, delivered now: the test decides when ticks come.
void tickOnce(const QWidget* form);

// Answers the next message box as soon as it is up (normally at the first of
// `looks` looks, from inside its own event loop), with Escape or its OK button,
// after handing it to `look`, which only records what it sees: checked once the
// box has closed, a wrong box fails the test instead of hanging it.
void answerMessageBox(bool escape = false, std::function<void(QMessageBox&)> look = {},
                      int looks = 100);

struct Session;

// The window `open` opens in a program started under a Japanese UI language:
// its title, then the caption of its Command1.
QStringList japaneseCaptions(const std::function<QWidget*(Session&)>& open);

// The ratio history the committed pictures of the graph show, `trials` draws
// of it counted: steps between 0.2 and 0.6 every 100 draws, and draw 1000 alone
// at 0.95.
void fillReferenceHistory(Module1& shared, int trials = 1000);

// The whole program, except that ending it is only recorded: the test goes on.
class TestProgram : public Program {
 public:
  using Program::Program;
  void endProgram() override { ended = true; }
  bool ended = false;
};

// The running program with its main window shown, driven one step at a time.
struct Session {
  TestProgram program;
  Form1* form = nullptr;
  int clockReads = 0;  // once replayable: how often the draws read the time

  // The windows' texts in `language`, as Translations found it.
  explicit Session(const QLocale& language = QLocale::c());

  // Makes the draws replayable: the generator starts at `seed`, and each read
  // of the time of day gives the next of 0, 1, 2, ... seconds.
  void replayable(std::uint64_t seed);

  QPushButton* button(const char* name) const;
  QString caption(const char* name) const;
  TimerControl* timer() const;
  int drawMode() const;  // how ticks count: 1 automatic, -1 manual

  void tick() const;
  void runToEnd() const;  // ticks until the timer stops by itself
  // A command by its caption ("Draw", "Shuffle", "AutoStart", "AutoStop",
  // "Init"), which must be offered; or "tick", "tick*N", "run" (to the end of
  // the run), "manual*N" (N rounds of Shuffle, tick, Draw), "trials=N" (N
  // draws counted, as far as the history and Label3's next value go).
  void perform(const QString& action);
  void performAll(const QStringList& actions);

  // The graph as "Graph display" opens it, whether or not the button is
  // offered now; nullptr if it did not become the active window.
  Form2* openGraph();
  // The help as "Help" opens it; nullptr if it did not become the active window.
  Form4* openHelp();
};
