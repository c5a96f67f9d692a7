#pragma once

#include <QLocale>
#include <QObject>
#include <QPointer>

#include <memory>

class Form1;
class Form2;
class Form4;
class QWidget;
class QWindow;
class WaylandStacking;
struct Module1;

// The running program, and the one switchboard between its windows: the
// shared experiment state, and the three windows, each loaded when it is first
// shown and unloaded (deleted) when it is closed. A window asks for another by
// a signal, which lands here. It also tells the graph and help windows when
// they become the program's active window: switching between the program's own
// windows counts, leaving the program and coming back to the same window does not.
class Program : public QObject {
  Q_OBJECT

 public:
  // `language` is the one the windows' texts are shown in.
  explicit Program(const QLocale& language = QLocale::c());
  ~Program() override;

  // Loads the window if it is not loaded, shows it and makes it the active window.
  void showForm1();
  void showForm2();
  void showForm4();
  // Ends the program at once: no further events run.
  virtual void endProgram();

  Module1& module1() { return *module1_; }
  Form1* form1() const;
  Form2* form2() const;
  Form4* form4() const;

 private:
  void onFocusWindowChanged(QWindow* window);
  void becameActive(QWidget* window);
  void present(QWidget* window);

  QLocale language_;
  std::unique_ptr<Module1> module1_;
  WaylandStacking* stacking_ = nullptr;
  // Held as widgets: a window is compared with them while it is being destroyed,
  // when it is no Form1, Form2 or Form4 any more.
  QPointer<QWidget> form1_;
  QPointer<QWidget> form2_;
  QPointer<QWidget> form4_;
  QPointer<QWidget> lastActive_;
};
