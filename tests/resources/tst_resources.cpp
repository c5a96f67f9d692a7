#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <array>

#include "cards.h"
#include "controls/plainbitmap.h"

namespace {

const QDir kResources(QStringLiteral(VANDREL_RESOURCES));

QString cardFile(int number) { return QStringLiteral("card%1.bmp").arg(number, 2, 10, QChar('0')); }

QByteArray readAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every face's BMP header after "BM", as little-endian words: the file's size, 0, where the
// pixels start, the information header's size, width, height (positive: rows bottom-up), one
// plane of 24 bits, uncompressed, the pixels' size, 96 dpi across and down, no colour table, 0.
constexpr std::array<quint32, 13> kHeader{19398, 0,     54,   40,   69, 93, 1 + (24 << 16),
                                          0,     19344, 3780, 3780, 0,  0};

const QSet<QRgb> kPureColours{qRgb(255, 255, 255), qRgb(0, 0, 0),     qRgb(255, 0, 0),
                              qRgb(255, 255, 0),   qRgb(255, 0, 255), qRgb(0, 255, 255),
                              qRgb(0, 0, 255),     qRgb(0, 255, 0)};

// The ink in a rectangle of a face: the set of its non-white colours and how many pixels.
struct Ink {
  QSet<QRgb> colours;
  int pixels = 0;
};

Ink inkIn(const QImage& face, const QRect& area) {
  Ink ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb colour = face.pixel(x, y) | 0xFF000000U;
      if (colour != qRgb(255, 255, 255)) {
        ink.colours.insert(colour);
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
  void face_data();
  void face();
  void generatorReproducesTheFiles();
  void iconIsAnOpaqueMiniature();
};

void TestResources::face_data() {
  QTest::addColumn<int>("number");
  for (int number = 1; number <= 52; ++number) {
    QTest::addRow("%s", qPrintable(cardName(number))) << number;
  }
}

void TestResources::face() {
  QFETCH(int, number);
  const QByteArray bytes = readAll(kResources.filePath(cardFile(number)));
  QCOMPARE(bytes.size(), 19398);
  QCOMPARE(bytes.left(2), QByteArray("BM"));
  for (std::size_t word = 0; word < kHeader.size(); ++word) {
    QCOMPARE(qFromLittleEndian<quint32>(bytes.constData() + 2 + 4 * word), kHeader.at(word));
  }
  for (int row = 0; row < 93; ++row) {
    QCOMPARE(bytes.at(54 + row * 208 + 207), '\0');  // the padding byte
  }

  const QImage face = QImage::fromData(bytes, "BMP");
  QCOMPARE(face.size(), QSize(69, 93));
  // The program's own reader sees the same picture as Qt's.
  QCOMPARE(readPlainBitmap(bytes), face.convertToFormat(QImage::Format_RGB32));
  const Ink whole = inkIn(face, face.rect());
  QVERIFY(kPureColours.contains(whole.colours));
  QCOMPARE(inkIn(face, face.rect().adjusted(1, 1, -1, -1)).pixels, whole.pixels);  // white edges

  const QSet<QRgb> suit{number <= 26 ? qRgb(0, 0, 0) : qRgb(255, 0, 0)};
  // Corner marks, top left and (turned) bottom right; eleven columns, as the court frame starts
  // at the twelfth.
  const Ink topCorner = inkIn(face, QRect(0, 0, 11, 28));
  const Ink bottomCorner = inkIn(face, QRect(58, 65, 11, 28));
  QCOMPARE(topCorner.colours, suit);
  QCOMPARE(bottomCorner.colours, suit);
  QCOMPARE(topCorner.pixels, bottomCorner.pixels);
  const int rank = (number - 1) % 13 + 1;
  if (rank <= 10) {
    // Pips: every mark on the face is in the suit's colour.
    QCOMPARE(whole.colours, suit);
    QVERIFY(whole.pixels > topCorner.pixels + bottomCorner.pixels + 50);
    return;
  }
  // Court cards: the sign inside the frame, top left on kings, top right otherwise.
  const Ink inFrame = inkIn(face, QRect(rank == 13 ? 13 : 41, 11, 15, 15));
  QCOMPARE(inFrame.colours, suit);
  QVERIFY(inFrame.pixels > 60);
  const QSet<QRgb> courtColours{qRgb(0, 0, 0), qRgb(255, 0, 0), qRgb(255, 255, 0)};
  QVERIFY(inkIn(face, QRect(12, 10, 45, 72)).colours.contains(courtColours));
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
  QSet<QByteArray> committed;
  for (const QString& file : files) {
    committed.insert(readAll(kResources.filePath(file)));
    QVERIFY2(readAll(QDir(out.path()).filePath(file)) == readAll(kResources.filePath(file)),
             qPrintable(file + QStringLiteral(" differs from what the generator draws")));
  }
  QCOMPARE(committed.size(), files.size());  // no two faces alike
}

void TestResources::iconIsAnOpaqueMiniature() {
  const QImage icon(kResources.filePath(QStringLiteral("vandrel.png")));
  QCOMPARE(icon.size(), QSize(32, 32));
  QVERIFY(!icon.hasAlphaChannel());
  // The Windows icon: a directory of one 32 x 32 entry, then that entry's
  // picture as a PNG. Read by hand, as Windows reads it: Qt's ICO reader is a
  // plugin, which the Qt built for Windows leaves out.
  const QByteArray ico = readAll(kResources.filePath(QStringLiteral("vandrel.ico")));
  QVERIFY(ico.size() > 22);
  const auto word = [&ico](int at) { return qFromLittleEndian<quint16>(ico.constData() + at); };
  const auto dword = [&ico](int at) { return qFromLittleEndian<quint32>(ico.constData() + at); };
  QCOMPARE(word(0), quint16(0));  // reserved
  QCOMPARE(word(2), quint16(1));  // an icon, not a cursor
  QCOMPARE(word(4), quint16(1));  // one picture
  QCOMPARE(ico.at(6), char(32));
  QCOMPARE(ico.at(7), char(32));
  QCOMPARE(dword(18), 22U);  // the picture follows the directory
  QCOMPARE(dword(14), quint32(ico.size() - 22));
  const QImage windowsIcon = QImage::fromData(ico.mid(22), "PNG");
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
