#include "program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstdlib>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "gothicfont.h"
#include "module1.h"
#include "platformchoice.h"

Program::Program() : module1_(std::make_unique<Module1>()) {
  // The windows were laid out for a Japanese desktop, whose own text is the
  // same gothic face at 9 points: controls with no font of their own use it.
  QApplication::setFont(gothicFont(GothicSize::Default, false));
  connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &Program::onFocusWindowChanged);
}

// Windows still loaded when the program ends have no parent to delete them.
Program::~Program() {
  delete form2_.data();
  delete form4_.data();
  delete form1_.data();
}

Form1* Program::form1() const { return qobject_cast<Form1*>(form1_.data()); }
Form2* Program::form2() const { return qobject_cast<Form2*>(form2_.data()); }
Form4* Program::form4() const { return qobject_cast<Form4*>(form4_.data()); }

void Program::present(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->raise();
  window->activateWindow();
  // Shown by the program, the window is its active one from here on, as if the
  // window system had said so at once: some never do (a Wayland compositor
  // with no keyboard, or one that keeps the focus where it was), and the graph
  // and the help would stay blank. Their word, when it comes, changes nothing.
  becameActive(window);
}

// The graph and the help belong over the main window: a Wayland compositor
// stacks and places them by it, where they would otherwise go anywhere. On X
// their places are their own, and Qt tells the window manager nothing of it,
// so there the windows stay unrelated, as they always were.
void Program::placeOverForm1(QWidget* window) const {
  if (form1_ == nullptr || QGuiApplication::platformName() != QLatin1String("wayland")) {
    return;
  }
  window->winId();
  form1_->winId();
  window->windowHandle()->setTransientParent(form1_->windowHandle());
}

// Qt lets a window that is transient for another end with it: when the main
// window is closed first, the graph or the help stays and keeps the program
// running, as on X. Installed on Form1 alone.
bool Program::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Close) {
    for (QWidget* window : {form2_.data(), form4_.data()}) {
      if (window != nullptr && window->windowHandle() != nullptr) {
        window->windowHandle()->setTransientParent(nullptr);
      }
    }
  }
  return QObject::eventFilter(watched, event);
}

void Program::showForm1() {
  if (form1_ == nullptr) {
    form1_ = new Form1(*this, *module1_);
    form1_->installEventFilter(this);
  }
  present(form1_);
}

void Program::showForm2() {
  if (form2_ == nullptr) {
    form2_ = new Form2(*this, *module1_);
    placeOverForm1(form2_);
  }
  present(form2_);
}

void Program::showForm4() {
  if (form4_ == nullptr) {
    form4_ = new Form4(*this);
    placeOverForm1(form4_);
  }
  present(form4_);
}

void Program::endProgram() { QCoreApplication::exit(0); }

void Program::configurePlatform() {
  const QByteArray platform = choosePlatform(SessionEnvironment::current(), xServerAnswers);
  if (!platform.isEmpty()) {
    qputenv("QT_QPA_PLATFORM", platform);
  }
  if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM")) {
    qputenv("QT_XCB_NO_MITSHM", "1");
  }
}

void Program::endProcess(int code) {
  std::fflush(nullptr);
#if defined(__SANITIZE_ADDRESS__)
  // _Exit skips the leak check a sanitized build makes at exit: make it here.
  __lsan_do_leak_check();
#endif
  std::_Exit(code);
}

void Program::onFocusWindowChanged(QWindow* window) {
  if (window == nullptr) {
    return;  // the program lost the focus to another application
  }
  for (QWidget* candidate : {form1_.data(), form2_.data(), form4_.data()}) {
    if (candidate != nullptr && candidate->windowHandle() == window) {
      becameActive(candidate);
    }
  }
}

void Program::becameActive(QWidget* window) {
  if (window == lastActive_) {
    return;
  }
  lastActive_ = window;
  if (Form2* graph = form2(); graph != nullptr && window == graph) {
    graph->activated();
  } else if (Form4* help = form4(); help != nullptr && window == help) {
    help->activated();
  }
}
