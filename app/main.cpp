#include <QApplication>

#include "bundledfonts.h"
#include "platformchoice.h"
#include "processend.h"
#include "program.h"
#include "translations.h"

int main(int argc, char** argv) {
  int code = 0;
  configurePlatform();
  {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vandrel"));
    QApplication::setDesktopFileName(QStringLiteral("vandrel"));
#if defined(Q_OS_WASM)
    addPageFonts();
#elif defined(Q_OS_WIN)
    addBundledFonts(QCoreApplication::applicationDirPath() + QStringLiteral("/fonts"));
#endif
    const Translations translations;
    Program program(translations.language());
    program.showForm1();
    code = QApplication::exec();
  }
  endProcess(code);
}
