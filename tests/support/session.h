#pragma once

#include <QString>

#include <array>
#include <cstdint>

#include "controls.h"
#include "forms.h"
#include "program.h"

class Form1;
class Form2;
class Form4;

// The main window's buttons in order: Draw, Shuffle, Exit, AutoStart, AutoStop,
// Init, Graph display, Help.
inline constexpr std::array<const char*, 8> kCommands{
    "Command1", "Command2", "Command3", "Command4", "Command5", "Command6", "Command7", "Command8"};

// One tick of the window's Timer1, delivered now: the test decides when ticks come.
void tickOnce(const QWidget* form);

// Stands in for the rest of the program where a test needs one window alone.
class StubForms : public Forms {
 public:
  void showForm1() override {}
  void showForm2() override {}
  void showForm4() override {}
  void endProgram() override { ended = true; }
  bool ended = false;
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
  int ticks = 0;
  int clockReads = 0;  // once replayable: how often the draws read the time

  Session();

  // Makes the draws replayable: the generator starts at `seed`, and each read
  // of the time of day gives the next of 0, 1, 2, ... seconds.
  void replayable(std::uint64_t seed);

  QPushButton* button(const char* name) const;
  QString caption(const char* name) const;
  TimerControl* timer() const;

  void tick();
  // Ticks until the timer stops by itself.
  void runToEnd();
  // A command by its caption ("Draw", "Shuffle", "AutoStart", "AutoStop",
  // "Init"), which must be offered; or "tick", "tick*N", "run" (to the end of
  // the run), "manual*N" (N rounds of Shuffle, tick, Draw).
  void perform(const QString& action);
  void performAll(const QStringList& actions);

  // "E" or "D" for each button, Draw first.
  QString buttonStates() const;

  // The graph as "Graph display" opens it, whether or not the button is
  // offered now; nullptr if it did not become the active window.
  Form2* openGraph();
  // The help as "Help" opens it; nullptr if it did not become the active window.
  Form4* openHelp();
};
