#include "referencepicture.h"

#include <QDir>
#include <QImage>

namespace {

// Unchanged pixels faint, changed ones red, so that a difference stands out.
QImage differencePicture(const QImage& reference, const QImage& actual, int& changed) {
  QImage difference(actual.size().expandedTo(reference.size()), QImage::Format_RGB32);
  changed = 0;
  for (int y = 0; y < difference.height(); ++y) {
    for (int x = 0; x < difference.width(); ++x) {
      const bool inBoth = reference.valid(x, y) && actual.valid(x, y);
      if (inBoth && reference.pixel(x, y) == actual.pixel(x, y)) {
        const int grey = 192 + qGray(actual.pixel(x, y)) / 4;
        difference.setPixel(x, y, qRgb(grey, grey, grey));
      } else {
        difference.setPixel(x, y, qRgb(255, 0, 0));
        ++changed;
      }
    }
  }
  return difference;
}

}  // namespace

QImage referencePicture(const QString& name) {
  return QImage(QStringLiteral(VANDREL_REFERENCES_DIR "/") + name + ".png")
      .convertToFormat(QImage::Format_RGB32);
}

QString referenceMismatch(const QImage& actual, const QString& name) {
  const QString referencePath = QStringLiteral(VANDREL_REFERENCES_DIR "/") + name + ".png";
  const QImage picture = actual.convertToFormat(QImage::Format_RGB32);
  if (picture.devicePixelRatio() != 1.0) {
    return QStringLiteral("the picture of %1 is at a device pixel ratio of %2, not 1")
        .arg(name)
        .arg(picture.devicePixelRatio());
  }
  if (qEnvironmentVariableIntValue("VANDREL_UPDATE_REFERENCES") == 1) {
    qInfo("writing the reference %s", qPrintable(referencePath));
    return picture.save(referencePath) ? QString()
                                       : QStringLiteral("could not write ") + referencePath;
  }
  const QImage reference = referencePicture(name);
  if (reference.isNull()) {
    return QStringLiteral("no reference picture ") + referencePath;
  }
  if (reference == picture) {
    return {};
  }
  int changed = 0;
  const QImage difference = differencePicture(reference, picture, changed);
  const QString actualPath = QDir::current().absoluteFilePath(name + QStringLiteral(".actual.png"));
  const QString differencePath =
      QDir::current().absoluteFilePath(name + QStringLiteral(".difference.png"));
  picture.save(actualPath);
  difference.save(differencePath);
  return QStringLiteral(
             "%1 differs from %2: %3 x %4 against %5 x %6, %7 pixels differ.\n"
             "Actual picture: %8\nDifference (changed pixels red): %9")
      .arg(name, referencePath)
      .arg(picture.width())
      .arg(picture.height())
      .arg(reference.width())
      .arg(reference.height())
      .arg(changed)
      .arg(actualPath, differencePath);
}
