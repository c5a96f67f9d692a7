#pragma once

#include <QObject>
#include <QPointer>

#include <memory>

#include "forms.h"

class Form1;
class Form2;
class Form4;
class QWidget;
class QWindow;
struct Module1;

// The running program: the shared experiment state, and its three windows, each
// loaded when it is first shown and unloaded (deleted) when it is closed.
// It also tells the graph and help windows when they become the program's
// active window: switching between the program's own windows counts, leaving
// the program and coming back to the same window does not.
class Program : public QObject, public Forms {
  Q_OBJECT

 public:
  Program();
  ~Program() override;

  void showForm1() override;
  void showForm2() override;
  void showForm4() override;
  void endProgram() override;

  // Ends the process once the program's windows are gone. Library teardown is
  // skipped: Qt Multimedia's PulseAudio engine can abort in its own static
  // destructor when a cue has just started (as the exit cue has), racing a
  // device query on its mainloop thread.
  [[noreturn]] static void endProcess(int code);

  // Settings the window system is read with, made before the application
  // object exists. In a Wayland session with Xwayland the program runs on X,
  // where its windows keep their places (see choosePlatform). Our repaints are
  // small and come sixty times a second while cards flip: sent through the X
  // connection they cost the program a third less CPU than through shared
  // memory, whose every frame the X server must confirm. A user's own setting
  // wins, for either.
  static void configurePlatform();

  Module1& module1() { return *module1_; }
  Form1* form1() const;
  Form2* form2() const;
  Form4* form4() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void onFocusWindowChanged(QWindow* window);
  void becameActive(QWidget* window);
  void present(QWidget* window);
  void placeOverForm1(QWidget* window) const;

  std::unique_ptr<Module1> module1_;
  // Held as widgets: a window is compared with them while it is being destroyed,
  // when it is no Form1, Form2 or Form4 any more.
  QPointer<QWidget> form1_;
  QPointer<QWidget> form2_;
  QPointer<QWidget> form4_;
  QPointer<QWidget> lastActive_;
};
