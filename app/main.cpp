#include <QApplication>

#include "program.h"
#include "translations.h"

int main(int argc, char** argv) {
  int code = 0;
  Program::configurePlatform();
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vandrel"));
    QApplication::setDesktopFileName(QStringLiteral("vandrel"));
    const Translations translations;
    Program program;
    program.showForm1();
    code = QApplication::exec();
  }
  Program::endProcess(code);
}
