#pragma once

#include <QImage>
#include <QString>
#include <QTest>

// Compares a picture pixel for pixel with the committed reference
// tests/references/<name>.png. Returns an empty string when they are equal;
// otherwise says how they differ and names the actual picture and a
// difference picture, written beside the test's output.
//
// With VANDREL_UPDATE_REFERENCES=1 in the environment the picture becomes the
// reference instead (scripts/update-references): only for a deliberate change,
// and looked at before it is committed.
QString referenceMismatch(const QImage& actual, const QString& name);

// The committed reference tests/references/<name>.png; null if there is none.
QImage referencePicture(const QString& name);

#define VANDREL_COMPARE_REFERENCE(actual, name)                    \
  do {                                                             \
    const QString mismatch_ = referenceMismatch((actual), (name)); \
    QVERIFY2(mismatch_.isEmpty(), qPrintable(mismatch_));          \
  } while (false)
