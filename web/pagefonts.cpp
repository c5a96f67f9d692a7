#include "pagefonts.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>

void addPageFonts() {
  const QDir folder(QStringLiteral("/fonts"));
  for (const QFileInfo& file : folder.entryInfoList(QDir::Files, QDir::Name)) {
    QFontDatabase::addApplicationFont(file.filePath());
  }
  // The gothic face travels cut down to Vandrel's characters, and its licence
  // gives a changed copy another name.
  QFont::insertSubstitution(QStringLiteral("IPAPGothic"), QStringLiteral("Vandrel Gothic"));
}
