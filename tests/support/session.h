#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>

#include "controls.h"
#include "forms.h"
#include "languages.h"
#include "program.h"
#include "translations.h"

class Form1;
class Form2;
class Form4;
class Module1;
class QMessageBox;

// The main window's buttons in order: Draw, Shuffle, Exit, AutoStart, AutoStop,
// Init, Graph display, Help.
inline constexpr std::array<const char*, 8> kCommands{
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8"};

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

// A window made while a Japanese UI language is in force: its title, then the
// caption of its Command1.
template <typename Window, typename... Arguments>
QStringList japaneseCaptions(Arguments&... arguments) {
  const Translations translations(kJapanese);
  const Window window(arguments...);
  return {window.windowTitle(), buttonOf(&window, "Command1")->text()};
}

// The ratio history the committed pictures of the graph show, `trials` draws
// of it counted: steps between 0.2 and 0.6 every 100 draws, and draw 1000 alone
// at 0.95.
void fillReferenceHistory(Module1& shared, int trials = 1000);

// Stands in for the rest of the program where a test needs one window alone.
class StubForms : public Forms {
 public:
  void showForm1() override {}
  void showForm2() override {}
  void showForm4() override {}
  void endProgram() override {}
};

// The whole program, except that ending it is only recorded: the test goes on.
class TestProgram : public Program {
 public:
  void endProgram() override { ended = true; }
  bool ended = false;
};

// The running program with its main window shown, driven one step at a time.
struct Session {
  TestProgram program;
  Form1* form = nullptr;
  int clockReads = 0;  // once replayable: how often the draws read the time

  Session();

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
