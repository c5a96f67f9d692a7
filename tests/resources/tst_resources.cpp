#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include "cards.h"

namespace {

const QDir kResources(QStringLiteral(VANDREL_RESOURCES));

QString cardFile(int number) { return QStringLiteral("card%1.bmp").arg(number, 2, 10, QChar('0')); }

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

quint32 le32(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint32>(bytes.constData() + at);
}

quint16 le16(const QByteArray& bytes, int at) {
  return qFromLittleEndian<quint16>(bytes.constData() + at);
}

const QSet<QRgb> kPureColours{qRgb(255, 255, 255), qRgb(0, 0, 0),     qRgb(255, 0, 0),
                              qRgb(255, 255, 0),   qRgb(255, 0, 255), qRgb(0, 255, 255),
                              qRgb(0, 0, 255),     qRgb(0, 255, 0)};

const QRgb kWhite = qRgb(255, 255, 255);

QRgb suitColour(int number) { return number <= 26 ? qRgb(0, 0, 0) : qRgb(255, 0, 0); }

// The ink in a rectangle of a face: the set of its non-white colours and how many pixels.
struct Ink {
  QSet<QRgb> colours;
  int pixels = 0;
};

Ink inkIn(const QImage& face, const QRect& area) {
  Ink ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb colour = face.pixel(x, y) & 0xFFFFFFU;
      if ((colour | 0xFF000000U) != kWhite) {
        ink.colours.insert(colour | 0xFF000000U);
        ++ink.pixels;
      }
    }
  }
  return ink;
}

}  // namespace

class TestResources : public QObject {
  Q_OBJECT

 private slots:
  void faceFormat_data();
  void faceFormat();
  void facesAreAllDifferent();
  void suitColours_data();
  void suitColours();
  void generatorReproducesTheFiles();
  void iconIsAnOpaqueMiniature();
};

void TestResources::faceFormat_data() {
  QTest::addColumn<int>("number");
  for (int number = 1; number <= 52; ++number) {
    QTest::addRow("%s", qPrintable(cardFile(number))) << number;
  }
}

void TestResources::faceFormat() {
  QFETCH(int, number);
  const QByteArray bytes = readAll(kResources.filePath(cardFile(number)));
  QCOMPARE(bytes.size(), 19398);
  QCOMPARE(bytes.left(2), QByteArray("BM"));
  QCOMPARE(le32(bytes, 2), 19398U);  // file size
  QCOMPARE(le32(bytes, 10), 54U);    // pixel data offset
  QCOMPARE(le32(bytes, 14), 40U);    // information header size
  QCOMPARE(le32(bytes, 18), 69U);    // width
  QCOMPARE(le32(bytes, 22), 93U);    // height, positive: rows bottom-up
  QCOMPARE(le16(bytes, 26), quint16{1});
  QCOMPARE(le16(bytes, 28), quint16{24});
  QCOMPARE(le32(bytes, 30), 0U);      // uncompressed
  QCOMPARE(le32(bytes, 34), 19344U);  // pixel data size
  QCOMPARE(le32(bytes, 38), 3780U);
  QCOMPARE(le32(bytes, 42), 3780U);
  QCOMPARE(le32(bytes, 46), 0U);  // no colour table
  for (int row = 0; row < 93; ++row) {
    QCOMPARE(bytes.at(54 + row * 208 + 207), '\0');  // the padding byte
  }

  const QImage face = QImage::fromData(bytes, "BMP");
  QCOMPARE(face.size(), QSize(69, 93));
  for (int y = 0; y < face.height(); ++y) {
    for (int x = 0; x < face.width(); ++x) {
      const QRgb colour = face.pixel(x, y);
      QVERIFY2(kPureColours.contains(colour), qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
      const bool edge = x == 0 || y == 0 || x == face.width() - 1 || y == face.height() - 1;
      if (edge) {
        QCOMPARE(colour, kWhite);
      }
    }
  }
}

void TestResources::facesAreAllDifferent() {
  QSet<QByteArray> seen;
  for (int number = 1; number <= 52; ++number) {
    seen.insert(readAll(kResources.filePath(cardFile(number))));
  }
  QCOMPARE(seen.size(), 52);
}

void TestResources::suitColours_data() {
  QTest::addColumn<int>("number");
  for (int number = 1; number <= 52; ++number) {
    QTest::addRow("%s", qPrintable(cardName(number))) << number;
  }
}

void TestResources::suitColours() {
  QFETCH(int, number);
  const QImage face(kResources.filePath(cardFile(number)));
  const QSet<QRgb> suit{suitColour(number) | 0xFF000000U};
  // Corner marks, top left and (turned) bottom right.
  // Eleven columns: the court frame starts at the twelfth.
  const Ink topCorner = inkIn(face, QRect(0, 0, 11, 28));
  const Ink bottomCorner = inkIn(face, QRect(58, 65, 11, 28));
  QCOMPARE(topCorner.colours, suit);
  QCOMPARE(bottomCorner.colours, suit);
  QCOMPARE(topCorner.pixels, bottomCorner.pixels);
  const int rank = (number - 1) % 13 + 1;
  if (rank <= 10) {
    // Pips: every mark on the face is in the suit's colour.
    const Ink whole = inkIn(face, face.rect());
    QCOMPARE(whole.colours, suit);
    QVERIFY(whole.pixels > topCorner.pixels + bottomCorner.pixels + 50);
    return;
  }
  // Court cards: the sign inside the frame, top left on kings, top right otherwise.
  const QRect sign = rank == 13 ? QRect(13, 11, 15, 15) : QRect(41, 11, 15, 15);
  const Ink inFrame = inkIn(face, sign);
  QCOMPARE(inFrame.colours, suit);
  QVERIFY(inFrame.pixels > 60);
  // The figure uses the court colours.
  const Ink figure = inkIn(face, QRect(12, 10, 45, 72));
  for (const QRgb colour : {qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 0)}) {
    QVERIFY(figure.colours.contains(colour));
  }
}

void TestResources::generatorReproducesTheFiles() {
  QTemporaryDir out;
  QProcess generator;
  generator.start(QStringLiteral(VANDREL_GENCARDS), {out.path()});
  QVERIFY(generator.waitForFinished(60000));
  QCOMPARE(generator.exitCode(), 0);
  QStringList files{QStringLiteral("vandrel.png"), QStringLiteral("vandrel.ico")};
  for (int number = 1; number <= 52; ++number) {
    files.append(cardFile(number));
  }
  for (const QString& file : files) {
    QVERIFY2(readAll(QDir(out.path()).filePath(file)) == readAll(kResources.filePath(file)),
             qPrintable(file + QStringLiteral(" differs from what the generator draws")));
  }
}

void TestResources::iconIsAnOpaqueMiniature() {
  const QImage icon(kResources.filePath(QStringLiteral("vandrel.png")));
  QCOMPARE(icon.size(), QSize(32, 32));
  QVERIFY(!icon.hasAlphaChannel());
  const QImage windowsIcon(kResources.filePath(QStringLiteral("vandrel.ico")));
  QCOMPARE(windowsIcon.convertToFormat(QImage::Format_RGB32),
           icon.convertToFormat(QImage::Format_RGB32));
  // Black and greys on white: every pixel is grey.
  int dark = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QColor colour = icon.pixelColor(x, y);
      QCOMPARE(colour.red(), colour.green());
      QCOMPARE(colour.green(), colour.blue());
      dark += colour.red() < 64 ? 1 : 0;
    }
  }
  QVERIFY(dark > 100);  // a large spade, not just the corner marks
}

QTEST_GUILESS_MAIN(TestResources)
#include "tst_resources.moc"
