#include "program.h"

#include <QApplication>
#include <QCoreApplication>
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

Form1* Program::form1() const { return form1_; }
Form2* Program::form2() const { return form2_; }
Form4* Program::form4() const { return form4_; }

void Program::present(QWidget* window) {
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->raise();
  window->activateWindow();
}

void Program::showForm1() {
  if (form1_ == nullptr) {
    form1_ = new Form1(*this, *module1_);
  }
  present(form1_);
}

void Program::showForm2() {
  if (form2_ == nullptr) {
    form2_ = new Form2(*this, *module1_);
  }
  present(form2_);
}

void Program::showForm4() {
  if (form4_ == nullptr) {
    form4_ = new Form4(*this);
  }
  present(form4_);
}

void Program::endProgram() { QCoreApplication::exit(0); }

void Program::configurePlatform() {
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
  QWidget* widget = nullptr;
  for (QWidget* candidate : {static_cast<QWidget*>(form1_), static_cast<QWidget*>(form2_),
                             static_cast<QWidget*>(form4_)}) {
    if (candidate != nullptr && candidate->windowHandle() == window) {
      widget = candidate;
    }
  }
  if (widget == nullptr || widget == lastActive_) {
    return;
  }
  lastActive_ = widget;
  if (widget == form2_) {
    form2_->activated();
  } else if (widget == form4_) {
    form4_->activated();
  }
}
