#include <QApplication>

#include "program.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vandrel"));
  QApplication::setDesktopFileName(QStringLiteral("vandrel"));
  Program program;
  program.showForm1();
  return QApplication::exec();
}
