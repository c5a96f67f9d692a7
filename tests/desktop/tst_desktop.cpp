#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QCursor>
#include <QImage>
#include <QMessageBox>
#include <QPixmap>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <optional>
#include <utility>
#include <vector>

#include "drawingarea.h"
#include "eventwait.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "module1.h"
#include "platformchoice.h"
#include "referencepicture.h"
#include "session.h"

// The program's windows as a user meets them on the desktop the test runs on:
// natively on Wayland under weston (tests/support/with-weston), or on X. What
// the compositor shows is read back from the X screen it draws on, and the
// clicks and keys go in there too, as a user's would.

namespace {

// Run as a child on X: parks the pointer in a corner, out of the pictures,
// then writes a PNG of the whole X screen to standard output.
int grabXScreen(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "xcb");
  const QGuiApplication application(argc, argv);
  QScreen* screen = QGuiApplication::primaryScreen();
  QCursor::setPos(screen, screen->geometry().bottomRight());
  QBuffer png;
  png.open(QIODevice::WriteOnly);
  screen->grabWindow(0).save(&png, "PNG");
  std::fwrite(png.data().constData(), 1, static_cast<std::size_t>(png.size()), stdout);
  return 0;
}

QImage xScreen() {
  QProcess grab;
  grab.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--grab-x-screen")});
  grab.waitForFinished(30000);
  return QImage::fromData(grab.readAllStandardOutput(), "PNG")
      .convertToFormat(QImage::Format_RGB32);
}

// Where `part` is on `whole`, pixel for pixel, but for the rectangles `skip`.
std::optional<QPoint> find(const QImage& whole, const QImage& part, const QList<QRect>& skip = {}) {
  const QImage wanted = part.convertToFormat(QImage::Format_RGB32);
  // For each row, the spans of columns that must match.
  std::vector<std::vector<std::pair<int, int>>> spans(static_cast<std::size_t>(wanted.height()));
  for (int row = 0; row < wanted.height(); ++row) {
    std::vector<int> cuts{0};
    for (const QRect& r : skip) {
      if (row >= r.top() && row <= r.bottom()) {
        cuts.push_back(r.left());
        cuts.push_back(r.right() + 1);
      }
    }
    cuts.push_back(wanted.width());
    std::sort(cuts.begin() + 1, cuts.end() - 1);
    for (std::size_t i = 0; i + 1 < cuts.size(); i += 2) {
      if (cuts[i] < cuts[i + 1]) {
        spans[static_cast<std::size_t>(row)].emplace_back(cuts[i], cuts[i + 1]);
      }
    }
  }
  auto rowMatches = [&](int x, int y, int row) {
    const uchar* on = whole.constScanLine(y + row) + 4 * static_cast<std::ptrdiff_t>(x);
    const uchar* in = wanted.constScanLine(row);
    for (const auto& [from, to] : spans[static_cast<std::size_t>(row)]) {
      const std::ptrdiff_t offset = 4 * static_cast<std::ptrdiff_t>(from);
      if (std::memcmp(on + offset, in + offset, static_cast<std::size_t>(to - from) * 4) != 0) {
        return false;
      }
    }
    return true;
  };
  for (int y = 0; y + wanted.height() <= whole.height(); ++y) {
    for (int x = 0; x + wanted.width() <= whole.width(); ++x) {
      int row = 0;
      while (row < wanted.height() && rowMatches(x, y, row)) {
        ++row;
      }
      if (row == wanted.height()) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

// Where the window is on the screen, drawn as it draws itself. When it is
// not, the last screen and the window's own drawing are written beside the
// test's output, to be looked at.
std::optional<QPoint> onScreen(QWidget* window) {
  std::optional<QPoint> at;
  QImage drawn;
  QImage screen;
  // The buttons are left out: Qt 6.4 on Wayland sometimes leaves a change of a
  // button's look that comes just after the window is mapped (the focus frame,
  // the pointer over it) off the screen until the button is next painted.
  // Where the focus is, and what the buttons do, are checked on their own.
  QList<QRect> buttons;
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    buttons.append(QRect(button->mapTo(window, QPoint(0, 0)), button->size()));
  }
  runEventsUntil(
      [&] {
        drawn = window->grab().toImage();
        screen = xScreen();
        return (at = find(screen, drawn, buttons)).has_value();
      },
      10000);
  if (!at.has_value()) {
    const QString name = QString::fromLatin1(window->metaObject()->className());
    screen.save(name + QStringLiteral(".screen.png"));
    drawn.save(name + QStringLiteral(".drawn.png"));
  }
  return at;
}

bool xdotool(const QStringList& arguments) {
  QProcess tool;
  tool.start(QStringLiteral("xdotool"), arguments);
  const bool done = tool.waitForFinished(10000) && tool.exitCode() == 0;
  if (!done) {
    qWarning("xdotool %s: %s", qPrintable(arguments.join(QLatin1Char(' '))),
             tool.readAllStandardError().constData());
  }
  return done;
}

// A click with the pointer, where the control is on the screen.
bool click(QWidget* control) {
  QWidget* window = control->window();
  const std::optional<QPoint> at = onScreen(window);
  if (!at.has_value()) {
    qWarning("%s is not on the screen as drawn", window->metaObject()->className());
    return false;
  }
  const QPoint point = *at + control->mapTo(window, control->rect().center());
  return xdotool({"mousemove", "--sync", QString::number(point.x()), QString::number(point.y()),
                  "click", "1"});
}

bool key(const QString& name) { return xdotool({QStringLiteral("key"), name}); }

bool focusedIn(QWidget* window) {
  return runEventsUntil(
      [window] { return window->windowHandle() == QGuiApplication::focusWindow(); }, 10000);
}

}  // namespace

class TestDesktop : public QObject {
  Q_OBJECT

 private slots:
  void platformChoice_data();
  void platformChoice();
  void xServerProbe_data();
  void xServerProbe();
  void startsAtItsPlaceOnX();
  void windowShownDrawnAndFocused_data();
  void windowShownDrawnAndFocused();
  void graphCloseBringsBackTheMainWindow();
  void helpOutlivesTheMainWindow();
  void exitBox_data();
  void exitBox();
};

void TestDesktop::platformChoice_data() {
  QTest::addColumn<QByteArray>("userChoice");
  QTest::addColumn<QByteArray>("waylandDisplay");
  QTest::addColumn<QByteArray>("sessionType");
  QTest::addColumn<QByteArray>("display");
  QTest::addColumn<bool>("xAnswers");
  QTest::addColumn<QByteArray>("chosen");  // empty: Qt's own choice
  QTest::addColumn<bool>("probed");
  auto row = [](const char* name, const char* userChoice, const char* waylandDisplay,
                const char* sessionType, const char* display, bool xAnswers, const char* chosen,
                bool probed) {
    QTest::newRow(name) << QByteArray(userChoice) << QByteArray(waylandDisplay)
                        << QByteArray(sessionType) << QByteArray(display) << xAnswers
                        << QByteArray(chosen) << probed;
  };
  row("X only", "", "", "x11", ":0", true, "", false);
  row("Wayland only", "", "wayland-0", "wayland", "", false, "", false);
  row("both", "", "wayland-0", "wayland", ":0", true, "xcb", true);
  row("both, without a session type", "", "wayland-0", "", ":1", true, "xcb", true);
  row("both, X not answering", "", "wayland-0", "wayland", ":0", false, "", true);
  row("both, the user chose Wayland", "wayland", "wayland-0", "wayland", ":0", true, "", false);
  row("both, the user chose X", "xcb", "wayland-0", "wayland", ":0", true, "", false);
  row("neither", "", "", "tty", "", false, "", false);
}

void TestDesktop::platformChoice() {
  QFETCH(QByteArray, userChoice);
  QFETCH(QByteArray, waylandDisplay);
  QFETCH(QByteArray, sessionType);
  QFETCH(QByteArray, display);
  QFETCH(bool, xAnswers);
  QFETCH(QByteArray, chosen);
  QFETCH(bool, probed);
  QByteArray asked;
  const QByteArray choice = choosePlatform({userChoice, waylandDisplay, sessionType, display},
                                           [&](const QByteArray& probedDisplay) {
                                             asked = probedDisplay;
                                             return xAnswers;
                                           });
  QCOMPARE(choice, chosen);
  QCOMPARE(asked, probed ? display : QByteArray());
}

void TestDesktop::xServerProbe_data() {
  QTest::addColumn<QByteArray>("display");
  QTest::addColumn<bool>("answers");
  QTest::newRow("the display the test runs on") << qgetenv("DISPLAY") << true;
  QTest::newRow("a display with no server") << QByteArray(":32000") << false;
}

void TestDesktop::xServerProbe() {
  QFETCH(QByteArray, display);
  QFETCH(bool, answers);
  QCOMPARE(xServerAnswers(display), answers);
}

// Started as a user starts it: with Xwayland beside Wayland it runs on X, and
// its main window is at its place.
void TestDesktop::startsAtItsPlaceOnX() {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
  program.setProcessEnvironment(environment);
  program.start(QStringLiteral(VANDREL_PROGRAM), {});
  QVERIFY(program.waitForStarted());
  QProcess search;
  search.start(QStringLiteral("xdotool"),
               {"search", "--sync", "--onlyvisible", "--name", "^Vandrel", "getwindowgeometry"});
  const bool found = search.waitForFinished(20000);
  program.kill();
  program.waitForFinished();
  QVERIFY2(found, "no window named Vandrel on the X display");
  QVERIFY2(search.readAllStandardOutput().contains("Position: 232,136"), "not at 232,136");
}

void TestDesktop::windowShownDrawnAndFocused_data() {
  QTest::addColumn<QString>("button");  // what opens it in the main window, if anything
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<QString>("reference");  // what its picture box shows
  QTest::newRow("main window") << QString() << QSize(627, 351) << "Command2" << QString();
  QTest::newRow("graph") << "Command7" << QSize(650, 378) << "Picture1"
                         << "graph";
  QTest::newRow("help") << "Command8" << QSize(578, 430) << "Command1"
                        << "help";
}

void TestDesktop::windowShownDrawnAndFocused() {
  QFETCH(QString, button);
  QFETCH(QSize, size);
  QFETCH(QString, focus);
  QFETCH(QString, reference);
  Session s;
  // The history the graph's reference picture shows.
  for (int n = 1; n < 1000; ++n) {
    s.program.module1().ratioHistory[static_cast<std::size_t>(n)] =
        static_cast<float>(0.2 + 0.1 * ((n / 100) % 5));
  }
  s.program.module1().ratioHistory[1000] = 0.95F;
  s.program.module1().trialCount = 1000;
  QVERIFY(focusedIn(s.form));
  QWidget* window = s.form;
  if (!button.isEmpty()) {
    QPushButton* opener = s.button(qPrintable(button));
    opener->setEnabled(true);
    QVERIFY(click(opener));
    QTRY_VERIFY(s.program.form2() != nullptr || s.program.form4() != nullptr);
    window = s.program.form2() != nullptr ? static_cast<QWidget*>(s.program.form2())
                                          : static_cast<QWidget*>(s.program.form4());
    // Over the main window, for a Wayland compositor to stack and place it by.
    const bool wayland = QGuiApplication::platformName() == QLatin1String("wayland");
    QCOMPARE(window->windowHandle()->transientParent(), wayland ? s.form->windowHandle() : nullptr);
  }
  QVERIFY(window->isVisible());
  QTRY_VERIFY(window->windowHandle()->isExposed());
  QCOMPARE(window->size(), size);
  QVERIFY(focusedIn(window));
  QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
  QVERIFY2(onScreen(window).has_value(), "not on the screen as drawn");
  if (reference.isEmpty()) {
    return;
  }
  // The picture box on the screen is the committed picture, as far as the window shows it.
  auto* picture = window->findChild<DrawingArea*>(QStringLiteral("Picture1"));
  const QRect shown = QRect(picture->mapTo(window, picture->contentsRect().topLeft()),
                            picture->contentsRect().size())
                          .intersected(window->rect());
  const QImage committed = referencePicture(reference);
  QVERIFY(!committed.isNull());
  const QImage expected = committed.copy(QRect(QPoint(0, 0), shown.size()));
  QVERIFY2(runEventsUntil([&] { return find(xScreen(), expected).has_value(); }, 10000),
           qPrintable(reference + " is not on the screen"));
}

// Graph display, then Close: the main window comes back drawn, with the focus
// where it was.
void TestDesktop::graphCloseBringsBackTheMainWindow() {
  Session s;
  s.perform(QStringLiteral("manual*3"));
  QVERIFY(focusedIn(s.form));
  QVERIFY(click(s.button("Command7")));
  QTRY_VERIFY(s.program.form2() != nullptr);
  QPointer<Form2> graph = s.program.form2();
  QVERIFY(focusedIn(graph));
  QVERIFY(click(buttonOf(graph, "Command1")));
  QTRY_VERIFY(graph.isNull());
  QVERIFY(s.form->isVisible());
  QVERIFY(focusedIn(s.form));
  QCOMPARE(QApplication::focusWidget(), s.button("Command7"));
  QVERIFY2(onScreen(s.form).has_value(), "the main window is not on the screen as drawn");
}

// The main window closed first by its title bar leaves the help open, and the
// program running.
void TestDesktop::helpOutlivesTheMainWindow() {
  Session s;
  QVERIFY(focusedIn(s.form));
  QVERIFY(click(s.button("Command8")));
  QTRY_VERIFY(s.program.form4() != nullptr);
  const QPointer<Form4> help = s.program.form4();
  QVERIFY(focusedIn(help));
  const QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
  QVERIFY(s.form->close());
  QTRY_VERIFY(s.program.form1() == nullptr);
  QVERIFY(!help.isNull() && help->isVisible());
  QCOMPARE(lastClosed.size(), 0);
}

void TestDesktop::exitBox_data() {
  QTest::addColumn<bool>("keyboard");
  QTest::newRow("keyboard: Tab to Exit, Return, Return") << true;
  QTest::newRow("pointer: Exit, then OK") << false;
}

// The box comes up drawn, with the focus on OK, and the answer ends the program.
void TestDesktop::exitBox() {
  QFETCH(bool, keyboard);
  Session s;
  QVERIFY(focusedIn(s.form));
  QString seen;
  QTimer watch;
  connect(&watch, &QTimer::timeout, this, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    watch.stop();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    seen = box->text();
    if (!focusedIn(box) || QApplication::focusWidget() != ok) {
      seen += QStringLiteral(", not focused on OK");
    }
    if (!onScreen(box).has_value()) {
      seen += QStringLiteral(", not on the screen as drawn");
    }
    if (!(keyboard ? key(QStringLiteral("Return")) : click(ok))) {
      seen += QStringLiteral(", no answer given");
      box->accept();
    }
  });
  watch.start(20);
  if (keyboard) {
    QTRY_COMPARE(QApplication::focusWidget(), s.button("Command2"));
    QVERIFY(key(QStringLiteral("Tab")));
    QTRY_COMPARE(QApplication::focusWidget(), s.button("Command3"));
    QVERIFY(key(QStringLiteral("Return")));
  } else {
    QVERIFY(click(s.button("Command3")));
  }
  QTRY_VERIFY(s.program.ended);
  QCOMPARE(seen, QStringLiteral("This software will exit."));
}

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--grab-x-screen") == 0) {
    return grabXScreen(argc, argv);
  }
  QApplication application(argc, argv);
  TestDesktop test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
