#include <QApplication>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QProxyStyle>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleOption>
#include <QTemporaryDir>
#include <QTest>
#include <QTextLayout>
#include <QTimerEvent>
#include <QtEndian>

#include <algorithm>
#include <functional>

#include "controls/commandbutton.h"
#include "controls/drawingarea.h"
#include "controls/drawingarea_testing.h"
#include "controls/glyphtiles.h"
#include "controls/gothicfont.h"
#include "controls/imagecontrol.h"
#include "controls/labelcontrol.h"
#include "controls/narrowedfont.h"
#include "controls/numberglyphs.h"
#include "controls/plainbitmap.h"
#include "timing/framepacer.h"
#include "timing/timercontrol.h"

class TestPlatform : public QObject {
  Q_OBJECT

 private slots:
  void drawingArea();
  void timerSchedule_data();
  void timerSchedule();
  void timerEvents_data();
  void timerEvents();
  void framesBeforeARelease_data();
  void framesBeforeARelease();
  void commandButtonKeys();
  void commandButtonLook_data();
  void commandButtonLook();
  void commandButtonNarrows_data();
  void commandButtonNarrows();
  void narrowedJustEnough_data();
  void narrowedJustEnough();
  void plainBitmap_data();
  void plainBitmap();
  void imageStack_data();
  void imageStack();
  void labelRepaintsEachNewCaption();
  void numbersAsShaped_data();
  void numbersAsShaped();
  void numbersOnScreen_data();
  void numbersOnScreen();
};

// A picture box of 1100 x 120 units on a 629 x 317 pixel surface.
void TestPlatform::drawingArea() {
  QWidget window;
  auto* area = new DrawingArea(&window);
  window.resize(700, 400);
  area->setGeometry(0, 0, 633, 321);
  area->setUserScale(1100, 120);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  const int density = qMax(1, qEnvironmentVariableIntValue("QT_SCALE_FACTOR"));
  QCOMPARE(DrawingAreaTesting::picture(*area).size(), QSize(629, 317) * density);
  // The origin, trial 0 at ratio 0, trial 1000 at ratio 1, the 0.30 line; pixels at density 1.
  const std::pair<QPointF, QPoint> mapping[] = {
      {{0, 0}, {0, 0}}, {{100, 110}, {57, 290}}, {{1100, 10}, {629, 26}}, {{600, 80}, {343, 211}}};
  for (const auto& [unit, pixel] : mapping) {
    const QPoint off = DrawingAreaTesting::toDevice(*area, unit) - pixel * density;
    QVERIFY2(std::abs(off.x()) <= density && std::abs(off.y()) <= density,
             qPrintable(QStringLiteral("%1, %2").arg(unit.x()).arg(unit.y())));
  }

  // The picture survives hiding and showing.
  area->line({100, 5}, {1000, 110}, Qt::black);
  area->print(QStringLiteral("kept"));
  QImage drawn = DrawingAreaTesting::picture(*area).convertToFormat(QImage::Format_RGB32);
  drawn.setDevicePixelRatio(1);
  window.hide();
  window.showMinimized();
  window.showNormal();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QImage shown = area->grab(area->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
  shown.setDevicePixelRatio(1);
  QCOMPARE(shown, drawn);
  // Where the line starts, so that a blank picture kept blank does not pass.
  QCOMPARE(shown.pixelColor(DrawingAreaTesting::toDevice(*area, {100, 5})), QColor(Qt::black));
}

void TestPlatform::timerSchedule_data() {
  QTest::addColumn<int>("interval");      // ms
  QTest::addColumn<double>("late");       // ms past the next tick's deadline
  QTest::addColumn<int>("ticks");         // delivered now
  QTest::addColumn<int>("wait");          // ms until the next wake
  QTest::addColumn<bool>("startsAgain");  // the schedule restarts from now
  QTest::addColumn<int>("gathering");     // ms a tick may wait for its wake
  QTest::newRow("first tick due in 1 ms: woken when four are due")
      << 1 << -1.0 << 0 << 4 << false << 4;
  QTest::newRow("due in a part of a ms: whole ms waited") << 1 << -0.3 << 0 << 4 << false << 4;
  QTest::newRow("due now: one tick") << 1 << 0.0 << 1 << 4 << false << 4;
  QTest::newRow("2.5 ms late: three ticks") << 1 << 2.5 << 3 << 4 << false << 4;
  QTest::newRow("20 ms late: caught up at once, deadlines kept")
      << 1 << 20.0 << 21 << 4 << false << 4;
  QTest::newRow("80 ms late, a slow frame in a busy page: caught up")
      << 1 << 80.0 << 81 << 4 << false << 4;
  QTest::newRow("250 ms late: still caught up") << 1 << 250.0 << 251 << 4 << false << 4;
  QTest::newRow("further behind: one tick, starts again from now")
      << 1 << 250.5 << 1 << 4 << true << 4;
  QTest::newRow("a slower timer is not held back") << 10 << -10.0 << 0 << 10 << false << 4;
  QTest::newRow("a slower timer, due now") << 10 << 0.0 << 1 << 10 << false << 4;
  QTest::newRow("gathered for a frame: woken when 18 are due")
      << 1 << -1.0 << 0 << 18 << false << 18;
  QTest::newRow("gathered for a frame, 17 ms late: 18 ticks, a frame to the next wake")
      << 1 << 17.0 << 18 << 18 << false << 18;
  QTest::newRow("gathered to the last tick, due in 5 ms: woken then")
      << 1 << -5.0 << 0 << 5 << false << 1;
}

void TestPlatform::timerSchedule() {
  QFETCH(int, interval);
  QFETCH(double, late);
  QFETCH(int, ticks);
  QFETCH(int, wait);
  QFETCH(bool, startsAgain);
  QFETCH(int, gathering);
  const std::chrono::milliseconds every(interval);
  const TimerControl::Clock::time_point now{std::chrono::hours(1)};
  const auto deadline = now - std::chrono::duration_cast<TimerControl::Clock::duration>(
                                  std::chrono::duration<double, std::milli>(late));
  const TimerControl::Schedule next =
      TimerControl::schedule(deadline, every, now, std::chrono::milliseconds(gathering));
  QCOMPARE(next.ticks, ticks);
  QCOMPARE(next.wait.count(), wait);
  QCOMPARE(next.deadline, startsAgain ? now + every : deadline + ticks * every);
}

void TestPlatform::timerEvents_data() {
  QTest::addColumn<QString>("event");
  QTest::addColumn<int>("ticks");
  QTest::newRow("another timer's event") << "other" << 0;
  QTest::newRow("a tick after a stop") << "after stop" << 0;
  // Real ticks: at a stop the next wake is already scheduled, and more ticks
  // may be due in this one.
  QTest::newRow("its own events, until a stop at the third tick") << "stop at" << 3;
  QTest::newRow("a stop inside the first tick: no tick after it") << "stop at" << 1;
  QTest::newRow("gathered for an hour, then for 1 ms: the ticks come without the hour")
      << "gathering shortened" << 2;
}

void TestPlatform::timerEvents() {
  QFETCH(QString, event);
  QFETCH(int, ticks);
  QObject window;
  auto* timer = new TimerControl(&window);
  timer->setInterval(std::chrono::hours(1));  // no tick of its own comes in the test
  QSignalSpy ticked(timer, &TimerControl::timeout);
  QSignalSpy running(timer, &TimerControl::runningChanged);
  timer->start();
  timer->start();  // started again while running: no second report
  auto deliver = [timer](int id) {
    QTimerEvent tick(id);
    QCoreApplication::sendEvent(timer, &tick);
  };
  if (event == QLatin1String("other")) {
    deliver(window.startTimer(std::chrono::hours(1)));
  } else if (event == QLatin1String("after stop")) {
    const int id = timer->timerId();
    timer->stop();
    deliver(id);
    deliver(0);
  } else {
    connect(timer, &TimerControl::timeout, timer, [timer, &ticked, ticks] {
      if (ticked.size() == ticks) {
        timer->stop();
      }
    });
    timer->setInterval(std::chrono::milliseconds(1));
    const bool shortened = event == QLatin1String("gathering shortened");
    if (shortened) {
      timer->setGathering(std::chrono::hours(1));
    }
    timer->start();
    if (shortened) {
      timer->setGathering(std::chrono::milliseconds(1));
    }
    QTRY_VERIFY(!timer->isActive());
  }
  QCOMPARE(ticked.size(), ticks);
  const bool stopped = event != QLatin1String("other");
  QCOMPARE(timer->isActive(), !stopped);
  QCOMPARE(running.size(), stopped ? 2 : 1);
}

// A held window whose last frame is long past paints a change at once, unless
// the hold is to end sooner than a frame: then the release paints it, or, if
// none comes, a frame after it was due.
void TestPlatform::framesBeforeARelease_data() {
  QTest::addColumn<int>("releaseWithinMs");
  QTest::addColumn<bool>("released");
  QTest::addColumn<bool>("paintedAtOnce");
  QTest::newRow("release due in 5 ms: the change waits for it") << 5 << true << false;
  QTest::newRow("release due in 1 s: the change is painted now") << 1000 << true << true;
  QTest::newRow("release due in 5 ms that never comes: painted a frame later")
      << 5 << false << false;
}

// Whichever way, the change reaches the screen in one frame.
void TestPlatform::framesBeforeARelease() {
  QFETCH(int, releaseWithinMs);
  QFETCH(bool, released);
  QFETCH(bool, paintedAtOnce);
  QWidget window;
  window.resize(40, 30);
  auto* pacer = new FramePacer(&window);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  QSignalSpy frames(pacer, &FramePacer::framing);
  pacer->setHeld(true);
  pacer->expectReleaseWithin(std::chrono::milliseconds(releaseWithinMs));
  window.update();
  QCoreApplication::processEvents();
  QCOMPARE(frames.size(), paintedAtOnce ? 1 : 0);
  if (released) {
    pacer->setHeld(false);
    QCOMPARE(frames.size(), 1);
  } else {
    QTRY_COMPARE(frames.size(), 1);
  }
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
  QVERIFY(!button->autoDefault());
  // The focus mark is drawn even though no Tab key moved the focus here.
  QVERIFY(window.testAttribute(Qt::WA_KeyboardFocusChange));
}

// A style that keeps the state each button was last drawn in.
class StateSeen : public QProxyStyle {
 public:
  StateSeen() : QProxyStyle(QStringLiteral("Fusion")) {}
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override {
    if (element == CE_PushButton) {
      seen = option->state;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
  }
  mutable State seen;
};

// A button is drawn the same way before its window's first activation as
// after it, so that the style's pictures of its looks from the start serve
// later, unless activation changes its colours. The focus mark always shows.
void TestPlatform::commandButtonLook_data() {
  QTest::addColumn<bool>("inactiveColoursDiffer");
  QTest::addColumn<bool>("toldActive");
  QTest::newRow("the same colours either way: drawn as active") << false << true;
  QTest::newRow("other colours when inactive: drawn as inactive") << true << false;
}

void TestPlatform::commandButtonLook() {
  QFETCH(bool, inactiveColoursDiffer);
  QFETCH(bool, toldActive);
  StateSeen style;
  QWidget window;  // never shown, so never active
  auto* button = new CommandButton(QStringLiteral("Help"), &window);
  button->setStyle(&style);
  QPalette palette = button->palette();
  palette.setColor(QPalette::Active, QPalette::Button, Qt::gray);
  palette.setColor(QPalette::Inactive, QPalette::Button,
                   inactiveColoursDiffer ? Qt::darkGray : Qt::gray);
  button->setPalette(palette);
  QImage picture(button->size(), QImage::Format_ARGB32_Premultiplied);
  button->render(&picture);
  QCOMPARE(style.seen.testFlag(QStyle::State_Active), toldActive);
  QVERIFY(style.seen.testFlag(QStyle::State_KeyboardFocusChange));
}

// A caption wider than its button is narrowed just enough to fit, as far as
// half its width; one that fits is drawn as it is.
void TestPlatform::commandButtonNarrows_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<int>("least");  // the stretch, in percent, at least and at most
  QTest::addColumn<int>("most");
  QTest::newRow("fits") << "Help" << 100 << 100;
  QTest::newRow("a little too wide") << "Helpdesk" << 75 << 99;
  QTest::newRow("far too wide") << "Information and help for everyone" << 50 << 50;
}

void TestPlatform::commandButtonNarrows() {
  QFETCH(QString, caption);
  QFETCH(int, least);
  QFETCH(int, most);
  QWidget window;
  // Fitted first to another caption, so that a fit kept from before the
  // caption changed would show; and again in a larger font.
  auto* button = new CommandButton(QStringLiteral("Information and help for everyone"), &window);
  QFont font = gothicFont(GothicSize::Small, false, QLocale::c());
  button->setFont(font);
  button->setGeometry(0, 0, 57, 25);  // the main window's Help button
  QCOMPARE(button->captionStretch(), 50);
  button->setText(caption);
  const int stretch = button->captionStretch();
  QVERIFY2(stretch >= least && stretch <= most, qPrintable(QString::number(stretch)));
  font.setPixelSize(font.pixelSize() * 2);
  button->setFont(font);
  QVERIFY(button->captionStretch() < stretch || stretch == 50);
}

// The widest stretch at which the caption fits its room, however far that is
// from the full width, and never narrower than half.
void TestPlatform::narrowedJustEnough_data() {
  QTest::addColumn<QString>("caption");
  QTest::addColumn<double>("part");  // the room: this part of the full width,
  QTest::addColumn<int>("less");     // less these pixels
  QTest::newRow("just room") << "Graph display" << 1.0 << 0;
  QTest::newRow("a pixel short") << "Graph display" << 1.0 << 1;
  QTest::newRow("a tenth short") << "Visualizacion del grafico" << 0.9 << 0;
  QTest::newRow("a third short") << "Visualizacion del grafico" << 0.67 << 0;
  QTest::newRow("short of half: half") << "Visualizacion del grafico" << 0.4 << 0;
  QTest::newRow("a short caption, a tenth short") << "Fin" << 0.9 << 0;
}

void TestPlatform::narrowedJustEnough() {
  QFETCH(QString, caption);
  QFETCH(double, part);
  QFETCH(int, less);
  const QFont font = gothicFont(GothicSize::Small, false, QLocale::c());
  const auto widthAt = [&](int stretch) {
    QFont narrowed = font;
    narrowed.setStretch(stretch == 100 ? 0 : stretch);
    return QFontMetrics(narrowed).horizontalAdvance(caption);
  };
  const int full = widthAt(100);
  const int room = static_cast<int>(full * part) - less;
  const NarrowedFont fitted = narrowedToFit(font, caption, room);
  QCOMPARE(fitted.width, widthAt(fitted.stretch));
  QCOMPARE(QFontMetrics(fitted.font).horizontalAdvance(caption), fitted.width);
  QCOMPARE(fitted.stretch == 100, room >= full);
  QCOMPARE(fitted.stretch == 50, part < 0.5);
  if (fitted.stretch > 50) {
    QVERIFY2(fitted.width <= room, qPrintable(QString::number(fitted.stretch)));
  }
  if (fitted.stretch < 100) {
    QVERIFY2(widthAt(fitted.stretch + 1) > room, qPrintable(QString::number(fitted.stretch)));
  }
}

namespace {

// A bitmap file of 2 x `height` pixels, 24 bits each, with the pixels red,
// green / blue, white from the first row stored, each row padded to 8 bytes;
// `change` alters it afterwards.
QByteArray bitmapFile(qint32 height, const std::function<void(QByteArray&)>& change = {}) {
  QByteArray file(54, '\0');
  auto put = [&file](int at, auto value) { qToLittleEndian(value, file.data() + at); };
  file[0] = 'B';
  file[1] = 'M';
  put(10, quint32{54});
  put(14, quint32{40});
  put(18, qint32{2});
  put(22, height);
  put(26, quint16{1});
  put(28, quint16{24});
  file.append(QByteArray::fromHex("0000ff00ff000000"));  // blue, green, red as stored
  file.append(QByteArray::fromHex("ff0000ffffff0000"));
  put(2, static_cast<quint32>(file.size()));
  if (change) {
    change(file);
  }
  return file;
}

}  // namespace

// A plain bitmap is read with its rows the right way up; anything else, or a
// file cut short, is refused rather than read past its end.
void TestPlatform::plainBitmap_data() {
  QTest::addColumn<QByteArray>("file");
  QTest::addColumn<QString>("top");  // the top row's colours; empty: refused
  QTest::addColumn<QString>("bottom");
  const QString redGreen = QStringLiteral("#ff0000 #00ff00");
  const QString blueWhite = QStringLiteral("#0000ff #ffffff");
  QTest::newRow("rows bottom-up") << bitmapFile(2) << blueWhite << redGreen;
  QTest::newRow("rows top-down") << bitmapFile(-2) << redGreen << blueWhite;
  // The 2 x 2 file with one little-endian word of its headers changed.
  auto with = [](int at, auto word) {
    return bitmapFile(2, [=](QByteArray& f) { qToLittleEndian(word, f.data() + at); });
  };
  const std::pair<const char*, QByteArray> refused[] = {
      {"empty", QByteArray()},
      {"not a bitmap", bitmapFile(2, [](QByteArray& f) { f[0] = 'P'; })},
      {"last row cut short", bitmapFile(2, [](QByteArray& f) { f.chop(1); })},
      {"taller than its pixels", bitmapFile(3)},
      {"pixels said to start past the end", with(10, quint32{4000})},
      {"8 bits a pixel", with(28, quint16{8})},
      {"compressed", with(30, quint32{1})},
      {"no width", with(18, qint32{0})},
      {"no height", bitmapFile(0)},
      {"absurdly wide", with(18, qint32{1 << 30})},
  };
  for (const auto& [name, file] : refused) {
    QTest::newRow(name) << file << QString() << QString();
  }
}

void TestPlatform::plainBitmap() {
  QFETCH(QByteArray, file);
  QFETCH(QString, top);
  QFETCH(QString, bottom);
  const QImage picture = readPlainBitmap(file);
  if (top.isEmpty()) {
    QVERIFY(picture.isNull());
    return;
  }
  QCOMPARE(picture.size(), QSize(2, 2));
  auto row = [&picture](int y) {
    return picture.pixelColor(0, y).name() + QLatin1Char(' ') + picture.pixelColor(1, y).name();
  };
  QCOMPARE(row(0), top);
  QCOMPARE(row(1), bottom);
}

// Three images made in turn at one place on a window, each a plain colour:
// what the place shows after the images are shown (+) and hidden (-). Each
// picture is read once, after the window's first frame or when first shown.
void TestPlatform::imageStack_data() {
  QTest::addColumn<QStringList>("steps");
  QTest::addColumn<QString>("seen");   // an image's colour, or the window's
  QTest::addColumn<QString>("drawn");  // when the picture files were drawn
  const QString before = QStringLiteral("before the images were made");
  QTest::newRow("none shown") << QStringList{} << "window" << before;
  QTest::newRow("the first made, under the others, shown")
      << QStringList{"+red"} << "red" << before;
  QTest::newRow("the last shown on top")
      << QStringList{"+red", "+blue", "+green"} << "green" << before;
  QTest::newRow("one shown again after another")
      << QStringList{"+red", "+blue", "+red"} << "blue" << before;
  QTest::newRow("the one on view hidden, another shown")
      << QStringList{"+blue", "-blue", "+red"} << "red" << before;
  QTest::newRow("the one on view hidden") << QStringList{"+green", "-green"} << "window" << before;
  QTest::newRow("pictures drawn after the images were made") << QStringList{"+blue"} << "blue"
                                                             << "after the images were made";
  // Black from then on: what shows was read before.
  QTest::newRow("pictures drawn over after the first frame") << QStringList{"+blue"} << "blue"
                                                             << "over after the first frame";
}

void TestPlatform::imageStack() {
  QFETCH(QStringList, steps);
  QFETCH(QString, seen);
  QFETCH(QString, drawn);
  QTemporaryDir pictures;
  const QStringList colours{"red", "blue", "green"};
  const auto drawAll = [&](bool black) {
    return std::all_of(colours.begin(), colours.end(), [&](const QString& colour) {
      QImage picture(4, 4, QImage::Format_RGB32);
      picture.fill(black ? QColor(Qt::black) : QColor(colour));
      return picture.save(pictures.filePath(colour + QStringLiteral(".png")));
    });
  };
  QWidget window;
  window.resize(100, 100);
  QPalette palette = window.palette();
  palette.setColor(QPalette::Window, QColor(Qt::yellow));
  window.setPalette(palette);
  QVERIFY(drawn.startsWith(QLatin1String("after")) || drawAll(false));
  QMap<QString, ImageControl*> images;
  for (const QString& colour : colours) {
    images.insert(colour, new ImageControl(pictures.filePath(colour + QStringLiteral(".png")),
                                           QRect(10, 10, 40, 40), &window));
  }
  QVERIFY(!drawn.startsWith(QLatin1String("after")) || drawAll(false));
  if (drawn.startsWith(QLatin1String("over"))) {
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    QVERIFY(drawAll(true));
  }
  for (const QString& step : steps) {
    images.value(step.mid(1))->setShown(step.startsWith(QLatin1Char('+')));
  }
  const QImage shown = window.grab().toImage();
  const QColor expected = seen == QLatin1String("window") ? QColor(Qt::yellow) : QColor(seen);
  QCOMPARE(shown.pixelColor(QPoint(30, 30) * shown.devicePixelRatio()), expected);
}

namespace {

class CountedLabel : public LabelControl {
 public:
  using LabelControl::LabelControl;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent* event) override {
    ++paints;
    LabelControl::paintEvent(event);
  }
};

}  // namespace

// However often the caption changes between two paints, and whether or not
// the label was hidden meanwhile, the next change is painted.
void TestPlatform::labelRepaintsEachNewCaption() {
  QWidget window;
  auto* label = new CountedLabel(&window);
  label->setGeometry(10, 10, 80, 25);
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  auto paintedAfter = [label](const QStringList& captions) {
    const int before = label->paints;
    for (const QString& caption : captions) {
      label->setCaption(caption);
    }
    return QTest::qWaitFor([&] { return label->paints > before; });
  };
  QVERIFY(paintedAfter({"1"}));
  QVERIFY(paintedAfter({"2", "3", "4"}));
  QVERIFY(paintedAfter({"5"}));
  window.hide();
  label->setCaption(QStringLiteral("6"));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QVERIFY(paintedAfter({"7"}));
  label->hide();
  label->setCaption(QStringLiteral("8"));
  label->show();
  QVERIFY(paintedAfter({"9"}));
}

// A number laid out from its characters' glyphs stands exactly where Qt's own
// shaping puts it, in every face and size the numbers are shown in; other
// characters are left to the shaping.
void TestPlatform::numbersAsShaped_data() {
  QTest::addColumn<QFont>("font");
  QTest::addColumn<QString>("caption");
  QTest::addColumn<bool>("laidOut");
  const std::pair<const char*, QLocale::Language> languages[] = {{"Japanese", QLocale::Japanese},
                                                                 {"Chinese", QLocale::Chinese},
                                                                 {"Russian", QLocale::Russian},
                                                                 {"Turkish", QLocale::Turkish}};
  const std::pair<const char*, bool> weights[] = {{"bold", true}, {"regular", false}};
  const QStringList captions{"0", "1000", " 326", "0.3076923", "0,3076923", "9876543210"};
  for (const auto& [language, code] : languages) {
    for (const auto& [weight, bold] : weights) {
      const QFont font = gothicFont(GothicSize::Large, bold, QLocale(code));
      for (const QString& caption : captions) {
        QTest::addRow("%s %s '%s'", language, weight, qPrintable(caption))
            << font << caption << true;
      }
      QTest::addRow("%s %s, a sign", language, weight) << font << "-1" << false;
      QTest::addRow("%s %s, a word", language, weight) << font << "16/52" << false;
    }
  }
}

void TestPlatform::numbersAsShaped() {
  QFETCH(QFont, font);
  QFETCH(QString, caption);
  QFETCH(bool, laidOut);
  const std::optional<NumberGlyphs::Line> line = NumberGlyphs::of(font).layOut(caption);
  QCOMPARE(line.has_value(), laidOut);
  if (!laidOut) {
    return;
  }
  QTextLayout shaped(caption, font);
  shaped.beginLayout();
  const QTextLine shapedLine = shaped.createLine();
  shaped.endLayout();
  const QList<QGlyphRun> runs = shaped.glyphRuns();
  QCOMPARE(runs.size(), 1);
  QCOMPARE(line->glyphs.rawFont(), runs.front().rawFont());
  QCOMPARE(line->glyphs.glyphIndexes(), runs.front().glyphIndexes());
  // Shaped positions stand on the baseline, below the line's top.
  QList<QPointF> positions = runs.front().positions();
  for (QPointF& position : positions) {
    position.ry() -= shapedLine.ascent();
  }
  QCOMPARE(line->glyphs.positions(), positions);
  QCOMPARE(line->advance, shapedLine.horizontalAdvance());
}

namespace {

// `glyphs` drawn by Qt, in red on white.
QImage drawnByQt(const QGlyphRun& glyphs, QPoint origin) {
  QImage picture(190, 30, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setPen(Qt::red);
  painter.drawGlyphRun(origin, glyphs);
  return picture;
}

// Whether two neighbouring glyphs, each drawn alone, have ink in one column.
bool inksShareAColumn(const QGlyphRun& glyphs, QPoint origin) {
  int lastRight = -1;
  for (qsizetype i = 0; i < glyphs.glyphIndexes().size(); ++i) {
    QGlyphRun alone = glyphs;
    alone.setGlyphIndexes({glyphs.glyphIndexes().at(i)});
    alone.setPositions({glyphs.positions().at(i)});
    const QImage picture = drawnByQt(alone, origin);
    int left = picture.width();
    int right = -1;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.pixel(x, y) != qRgb(255, 255, 255)) {
          left = std::min(left, x);
          right = std::max(right, x);
        }
      }
    }
    if (right >= 0 && left <= lastRight) {
      return true;
    }
    lastRight = std::max(lastRight, right);
  }
  return false;
}

}  // namespace

// A number reaches the screen exactly as Qt draws it, although a label soon
// copies its glyphs from pictures it made of each.
void TestPlatform::numbersOnScreen_data() { numbersAsShaped_data(); }

void TestPlatform::numbersOnScreen() {
  QFETCH(QFont, font);
  QFETCH(QString, caption);
  QWidget window;
  window.resize(200, 70);
  auto makeLabel = [&window, &font](int top, const QBrush& paper) {
    auto* label = new CountedLabel(&window);
    label->setGeometry(5, top, 190, 30);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::red);
    palette.setBrush(QPalette::Window, paper);
    label->setPalette(palette);
    return label;
  };
  QPixmap white(8, 8);
  white.fill(Qt::white);
  CountedLabel* copied = makeLabel(5, QBrush(Qt::white));
  // On a white that is a pattern, Qt draws the text itself.
  CountedLabel* drawn = makeLabel(35, QBrush(white));
  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  if (window.devicePixelRatio() != 1) {
    QSKIP("On a high-density screen, the screen's picture is not at full resolution");
  }
  // Qt draws a label's first number, and the first number from the tiles to
  // compare them; the third is copied.
  for (const QString& shown : {caption, QString(), caption, QString(), caption}) {
    const int before = copied->paints + drawn->paints;
    copied->setCaption(shown);
    drawn->setCaption(shown);
    QVERIFY(QTest::qWaitFor([&] { return copied->paints + drawn->paints >= before + 2; }));
  }
  const QImage screen = window.screen()->grabWindow(window.winId()).toImage();
  QCOMPARE(screen.copy(copied->geometry()), screen.copy(drawn->geometry()));

  // Nor do the tiles fall back on Qt's drawing: by themselves, they give what
  // Qt draws on a picture.
  const std::optional<NumberGlyphs::Line> line = NumberGlyphs::of(font).layOut(caption);
  if (!line) {
    return;
  }
  const QPoint origin(3, 22);
  const QImage expected = drawnByQt(line->glyphs, origin);
  QImage tiled(expected.size(), expected.format());
  tiled.fill(Qt::white);
  GlyphTiles tiles(line->glyphs.rawFont(), Qt::red, Qt::white, QImage::Format_RGB32);
  if (tiles.draw(line->glyphs, origin, tiled) == GlyphTiles::Outcome::Blend) {
    // Only where a glyph's ink reaches into a column of another's.
    QVERIFY(inksShareAColumn(line->glyphs, origin));
    return;
  }
  QCOMPARE(tiled, expected);
}

QTEST_MAIN(TestPlatform)
#include "tst_widgets.moc"
