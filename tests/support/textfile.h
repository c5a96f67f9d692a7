#pragma once

#include <QFile>
#include <QString>

// A UTF-8 text file's contents; empty when it cannot be read.
inline QString contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}
