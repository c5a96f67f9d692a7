#include "program.h"

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include "controls/gothicfont.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "makersnotice.h"
#include "module1.h"
#include "waylandstacking.h"

namespace {

// Every caption ends with the maker's notice.
void addNotice(QWidget* window) { window->setWindowTitle(window->windowTitle() + makersNotice()); }

}  // namespace

Program::Program(const QLocale& language)
    : language_(language),
      module1_(std::make_unique<Module1>()),
      stacking_(new WaylandStacking(this)) {
  // The windows were laid out for a Japanese desktop, whose own text is the
  // same gothic face at 9 points: controls with no font of their own use it.
  QApplication::setFont(gothicFont(GothicSize::Default, false, language_));
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
  // Not show(), which in a browser's Qt fills the page with the window: on
  // every platform the window keeps its place and size.
  window->setVisible(true);
  window->raise();
  window->activateWindow();
  // Shown by the program, the window is its active one from here on, as if the
  // window system had said so at once: some never do (a Wayland compositor
  // with no keyboard, or one that keeps the focus where it was), and the graph
  // and the help would stay blank. Their word, when it comes, changes nothing.
  becameActive(window);
}

void Program::showForm1() {
  if (form1_ == nullptr) {
    auto* form = new Form1(*module1_, language_);
    addNotice(form);
    connect(form, &Form1::graphRequested, this, &Program::showForm2);
    connect(form, &Form1::helpRequested, this, &Program::showForm4);
    connect(form, &Form1::endRequested, this, &Program::endProgram);
    form1_ = form;
  }
  present(form1_);
}

void Program::showForm2() {
  if (form2_ == nullptr) {
    auto* graph = new Form2(*module1_, language_);
    addNotice(graph);
    // However the graph is closed, the main window comes back: otherwise the
    // program would be left with no window at all.
    connect(graph, &Form2::closed, this, &Program::showForm1);
    stacking_->keepOver(graph, form1_);
    form2_ = graph;
  }
  present(form2_);
}

void Program::showForm4() {
  if (form4_ == nullptr) {
    auto* help = new Form4(language_);
    addNotice(help);
    connect(help, &Form4::closed, this, &Program::showForm1);
    stacking_->keepOver(help, form1_);
    form4_ = help;
  }
  present(form4_);
}

void Program::endProgram() {
  // The windows go first: a browser's page outlives the program in it, and
  // would go on showing them.
  for (QWidget* window : {form2_.data(), form4_.data(), form1_.data()}) {
    if (window != nullptr) {
      window->hide();
    }
  }
  QCoreApplication::exit(0);
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
