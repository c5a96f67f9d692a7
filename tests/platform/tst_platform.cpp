#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QSignalSpy>
#include <QTest>

#include "commandbutton.h"
#include "drawingarea.h"
#include "gothicfont.h"
#include "labelcontrol.h"

namespace {

// A picture box of 1100 x 120 units on a 629 x 317 pixel surface, shown.
struct Area {
  QWidget window;
  DrawingArea* area = new DrawingArea(&window);
  Area() {
    window.resize(700, 400);
    area->setGeometry(0, 0, 633, 321);
    area->setUserScale(1100, 120);
    window.show();
  }
  double ratio() const { return area->devicePixelRatioF(); }
};

int inkCount(const QImage& image) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      count += image.pixelColor(x, y) != QColor(Qt::white) ? 1 : 0;
    }
  }
  return count;
}

}  // namespace

class TestPlatform : public QObject {
  Q_OBJECT

 private slots:
  void pictureKeepsTheScreensDensity();
  void userScaleMapping_data();
  void userScaleMapping();
  void currentPosition();
  void printEndsTheLine();
  void textIsCutOffNotWrapped();
  void drawingTwiceChangesNothing();
  void clearErasesAndResets();
  void pictureSurvivesHidingAndShowing();
  void gothicSizes_data();
  void gothicSizes();
  void labelCaption();
  void commandButtonKeys();
};

void TestPlatform::pictureKeepsTheScreensDensity() {
  Area a;
  QVERIFY(QTest::qWaitForWindowExposed(&a.window));
  const QImage picture = a.area->picture();
  QCOMPARE(picture.size(), a.area->contentsRect().size() * a.ratio());
  if (qEnvironmentVariableIntValue("QT_SCALE_FACTOR") == 2) {
    QCOMPARE(a.ratio(), 2.0);
    QCOMPARE(picture.size(), QSize(1258, 634));
  }
}

void TestPlatform::userScaleMapping_data() {
  QTest::addColumn<QPointF>("unit");
  QTest::addColumn<QPoint>("pixel");  // at a density of 1
  QTest::newRow("origin") << QPointF(0, 0) << QPoint(0, 0);
  QTest::newRow("trial 0, ratio 0") << QPointF(100, 110) << QPoint(57, 290);
  QTest::newRow("trial 1000, ratio 1") << QPointF(1100, 10) << QPoint(629, 26);
  QTest::newRow("the 0.30 line") << QPointF(600, 80) << QPoint(343, 211);
}

void TestPlatform::userScaleMapping() {
  QFETCH(QPointF, unit);
  QFETCH(QPoint, pixel);
  Area a;
  QVERIFY(QTest::qWaitForWindowExposed(&a.window));
  const QPoint device = a.area->toDevice(unit);
  QVERIFY(std::abs(device.x() - pixel.x() * a.ratio()) <= a.ratio());
  QVERIFY(std::abs(device.y() - pixel.y() * a.ratio()) <= a.ratio());
}

void TestPlatform::currentPosition() {
  Area a;
  a.area->line({10, 10}, {200, 50}, Qt::black);
  QCOMPARE(a.area->currentPosition(), QPointF(200, 50));
  a.area->point({300, 60}, Qt::blue);
  QCOMPARE(a.area->currentPosition(), QPointF(300, 60));
  QCOMPARE(a.area->picture().pixelColor(a.area->toDevice({300, 60})), QColor(Qt::blue));
  a.area->lineTo({500, 60}, Qt::blue);
  QCOMPARE(a.area->currentPosition(), QPointF(500, 60));
  QCOMPARE(a.area->picture().pixelColor(a.area->toDevice({400, 60})), QColor(Qt::blue));
  a.area->setCurrentX(7);
  a.area->setCurrentY(9);
  QCOMPARE(a.area->currentPosition(), QPointF(7, 9));
}

void TestPlatform::printEndsTheLine() {
  Area a;
  a.area->setCurrentX(100);
  a.area->setCurrentY(20);
  QSignalSpy printed(a.area, &DrawingArea::printed);
  a.area->print(QStringLiteral("0.30"));
  a.area->print(QString());
  const double lineUnits = QFontMetrics(a.area->font()).height() * 120.0 / 317.0;
  QCOMPARE(a.area->currentPosition().x(), 0.0);
  QVERIFY(std::abs(a.area->currentPosition().y() - (20 + 2 * lineUnits)) < 0.5);
  QCOMPARE(printed.size(), 2);
  // The text's top-left corner is at the position it was printed at.
  const QImage picture = a.area->picture();
  const QPoint corner = a.area->toDevice({100, 20});
  bool inkLeftOrAbove = false;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.pixelColor(x, y) != QColor(Qt::white) && (x < corner.x() || y < corner.y())) {
        inkLeftOrAbove = true;
      }
    }
  }
  QVERIFY(!inkLeftOrAbove);
  QVERIFY(inkCount(picture) > 0);
}

void TestPlatform::textIsCutOffNotWrapped() {
  Area a;
  a.area->setCurrentX(900);
  a.area->setCurrentY(0);
  a.area->print(QStringLiteral("a line far too long to fit in what is left of the area"));
  const QImage picture = a.area->picture();
  const int lineHeight = QFontMetrics(a.area->font()).height();
  for (int y = static_cast<int>(lineHeight * a.ratio()) + 1; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      QVERIFY(picture.pixelColor(x, y) == QColor(Qt::white));
    }
  }
  // It reaches the right edge.
  bool atEdge = false;
  for (int y = 0; y < picture.height(); ++y) {
    atEdge = atEdge || picture.pixelColor(picture.width() - 2, y) != QColor(Qt::white);
  }
  QVERIFY(atEdge);
}

void TestPlatform::drawingTwiceChangesNothing() {
  Area a;
  auto drawAll = [&a] {
    a.area->line({100, 5}, {100, 110}, Qt::black);
    a.area->line({101, 30}, {900, 90}, Qt::blue);
    a.area->setCurrentX(140);
    a.area->setCurrentY(10);
    a.area->print(QStringLiteral("(Vertical axis : Percentage)"));
    a.area->setCurrentX(95);
    a.area->setCurrentY(12);
    a.area->print(QStringLiteral("over the axis"));
  };
  drawAll();
  const QImage once = a.area->picture();
  for (int i = 0; i < 10; ++i) {
    drawAll();
  }
  QCOMPARE(a.area->picture(), once);
}

void TestPlatform::clearErasesAndResets() {
  Area a;
  a.area->line({0, 0}, {1100, 120}, Qt::black);
  a.area->clear();
  QCOMPARE(inkCount(a.area->picture()), 0);
  QCOMPARE(a.area->currentPosition(), QPointF(0, 0));
}

void TestPlatform::pictureSurvivesHidingAndShowing() {
  Area a;
  QVERIFY(QTest::qWaitForWindowExposed(&a.window));
  a.area->line({100, 5}, {1000, 110}, Qt::black);
  a.area->print(QStringLiteral("kept"));
  a.window.hide();
  a.window.showMinimized();
  a.window.showNormal();
  QVERIFY(QTest::qWaitForWindowExposed(&a.window));
  QImage shown =
      a.area->grab(a.area->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
  shown.setDevicePixelRatio(1);
  QCOMPARE(shown, a.area->picture().convertToFormat(QImage::Format_RGB32));
}

void TestPlatform::gothicSizes_data() {
  QTest::addColumn<int>("size");
  QTest::addColumn<int>("pixels");
  QTest::newRow("9 pt") << static_cast<int>(GothicSize::Default) << 12;
  QTest::newRow("11.25 pt") << static_cast<int>(GothicSize::Small) << 15;
  QTest::newRow("12 pt") << static_cast<int>(GothicSize::Medium) << 16;
  QTest::newRow("15.75 pt") << static_cast<int>(GothicSize::Large) << 21;
}

void TestPlatform::gothicSizes() {
  QFETCH(int, size);
  QFETCH(int, pixels);
  for (const bool bold : {false, true}) {
    const QFont font = gothicFont(static_cast<GothicSize>(size), bold);
    const QFontInfo info(font);
    QCOMPARE(info.family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(info.pixelSize(), pixels);
    QCOMPARE(font.bold(), bold);
  }
}

void TestPlatform::labelCaption() {
  QWidget window;
  auto* label = new LabelControl(&window);
  // Wider than the box in the stand-in face: narrowed to fit, never cut off.
  // Set first: the fit must follow every later change of size, font and frame.
  label->setCaption(QStringLiteral("Total number of cards in multiples of 3"));
  label->setGeometry(10, 10, 281, 25);
  label->setFont(gothicFont(GothicSize::Medium, false));
  label->setFrameStyle(QFrame::Box | QFrame::Plain);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(palette);
  LabelControl captionLast(&window);
  captionLast.setGeometry(label->geometry());
  captionLast.setFont(label->font());
  captionLast.setFrameStyle(label->frameStyle());
  captionLast.setCaption(label->caption());
  QVERIFY(label->captionStretch() < 100);
  QCOMPARE(label->captionStretch(), captionLast.captionStretch());
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const QImage shot = label->grab().toImage();
  // Dark ink only: antialiased fringes may touch the clear pixel.
  const int ratio = static_cast<int>(shot.devicePixelRatio());
  auto inkInColumn = [&shot, ratio](int x) {
    for (int y = ratio; y < shot.height() - ratio; ++y) {
      for (int dx = 0; dx < ratio; ++dx) {
        if (qGray(shot.pixel(x * ratio + dx, y)) < 128) {
          return true;
        }
      }
    }
    return false;
  };
  QVERIFY(!inkInColumn(1));
  QVERIFY(!inkInColumn(label->width() - 2));
  QVERIFY(inkInColumn(4) || inkInColumn(5) || inkInColumn(6));
  // Top-aligned: the ink starts within the upper part of the box.
  QCOMPARE(label->caption(), QStringLiteral("Total number of cards in multiples of 3"));
}

void TestPlatform::commandButtonKeys() {
  QWidget window;
  auto* button = new CommandButton(QStringLiteral("Shuffle"), &window);
  QSignalSpy clicked(button, &QPushButton::clicked);
  window.show();
  button->setFocus();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(button, Qt::Key_Return);
  QTest::keyClick(button, Qt::Key_Enter);
  QTest::keyClick(button, Qt::Key_Space);
  QCOMPARE(clicked.size(), 3);
  QVERIFY(!button->isDefault());
  QVERIFY(!button->autoDefault());
  // The focus mark is drawn even though no Tab key moved the focus here.
  QVERIFY(window.testAttribute(Qt::WA_KeyboardFocusChange));
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
