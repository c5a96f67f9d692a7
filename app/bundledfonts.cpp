#include "bundledfonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

void addBundledFonts(const QString& folder) {
  for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files, QDir::Name)) {
    QFontDatabase::addApplicationFont(file.filePath());
  }
}

void addPageFonts() {
  addBundledFonts(QStringLiteral("/fonts"));
  QFont::insertSubstitution(QStringLiteral("IPAPGothic"), QStringLiteral("Vandrel Gothic"));
}
