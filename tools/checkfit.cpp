// Prints each text of the windows in a language with the pixels it takes and
// the pixels it has, so that a translator sees what to shorten:
//   vandrel-check-fit LANGUAGE     (fr, pt_BR, ...; en for the English texts)
// Exits with 1 when a text does not fit.

#include <QApplication>
#include <QLocale>

#include <cstdio>

#include "textfit.h"
#include "translations.h"

int main(int argc, char** argv) {
  const QApplication application(argc, argv);
  if (argc != 2) {
    std::fputs("usage: vandrel-check-fit LANGUAGE\n", stderr);
    return 2;
  }
  const QString language = QString::fromLocal8Bit(argv[1]);
  const Translations translations{QLocale(language)};
  if (!translations.loaded()) {
    std::fprintf(stderr, "no translation for %s\n", argv[1]);
    return 2;
  }
  int cut = 0;
  std::printf("%-18s %5s %5s %7s  %s\n", "place", "width", "room", "stretch", "text");
  for (const TextFit& fit : measureTextFit(translations.language())) {
    cut += fit.fits ? 0 : 1;
    std::printf("%-18s %5d %5d %6d%%  %s%s\n", qPrintable(fit.place), fit.width, fit.room,
                fit.stretch, fit.fits ? "" : "CUT  ", qPrintable(fit.text.trimmed()));
  }
  std::printf("%d of the texts do not fit\n", cut);
  return cut == 0 ? 0 : 1;
}
