#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QRegion>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <optional>

#include "controls/drawingarea.h"
#include "eventwait.h"
#include "form1.h"
#include "form2.h"
#include "form4.h"
#include "module1.h"
#include "platformchoice.h"
#include "referencepicture.h"
#include "session.h"

namespace {

struct Choice {
  SessionEnvironment environment;
  bool xAnswers = false;
  QByteArray chosen;  // empty: Qt's own choice
  bool probed = false;
};

// Parks the pointer where no window is ever drawn: the bottom right corner of
// the desktop. Under weston that desktop is a window on the X screen, shorter
// than the screen (tests/support/with-weston), and weston's X11 backend moves
// its own pointer by the X pointer's steps, learning where it really is only
// when the pointer enters its window; so the pointer goes off that window
// first and enters it at the corner, and the two pointers agree again however
// they drifted. A pointer left elsewhere is drawn over the pictures looked
// for, and a click after a drift lands where the test did not point.
void parkPointer(xcb_connection_t* x, const xcb_screen_t* screen) {
  const auto lastColumn = static_cast<std::int16_t>(screen->width_in_pixels - 1);
  auto corner = static_cast<std::int16_t>(screen->height_in_pixels - 1);
  xcb_query_tree_reply_t* tree = xcb_query_tree_reply(x, xcb_query_tree(x, screen->root), nullptr);
  if (tree != nullptr) {
    const xcb_window_t* children = xcb_query_tree_children(tree);
    for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) {
      xcb_get_geometry_reply_t* geometry =
          xcb_get_geometry_reply(x, xcb_get_geometry(x, children[i]), nullptr);
      if (geometry != nullptr && geometry->x == 0 && geometry->y == 0 &&
          geometry->width == screen->width_in_pixels &&
          geometry->height < screen->height_in_pixels) {
        corner = static_cast<std::int16_t>(geometry->height - 1);
      }
      std::free(geometry);
    }
    std::free(tree);
  }
  const auto bottom = static_cast<std::int16_t>(screen->height_in_pixels - 1);
  xcb_warp_pointer(x, XCB_NONE, screen->root, 0, 0, 0, 0, lastColumn, bottom);
  xcb_warp_pointer(x, XCB_NONE, screen->root, 0, 0, 0, 0, lastColumn, corner);
  std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));  // a round trip
}

// The whole X screen, where weston too draws what it shows, read through libxcb
// so that a test on Wayland reads it as well; the pointer is parked first, out
// of the pictures.
QImage xScreen() {
  xcb_connection_t* x = xcb_connect(nullptr, nullptr);
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
  const std::uint16_t width = screen->width_in_pixels;
  const std::uint16_t height = screen->height_in_pixels;
  parkPointer(x, screen);
  xcb_get_image_reply_t* reply = xcb_get_image_reply(
      x, xcb_get_image(x, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root, 0, 0, width, height, ~0U),
      nullptr);
  QImage image;
  if (reply != nullptr) {  // else an empty picture, on which nothing is found
    image = QImage(xcb_get_image_data(reply), width, height, QImage::Format_RGB32).copy();
    std::free(reply);
  }
  xcb_disconnect(x);
  return image;
}

// Where `part` is on `whole`, pixel for pixel, but for the places in `skip`.
std::optional<QPoint> find(const QImage& whole, const QImage& part, const QRegion& skip = {}) {
  auto matchesAt = [&](int x, int y) {
    for (int row = 0; row < part.height(); ++row) {
      for (int column = 0; column < part.width(); ++column) {
        if (whole.pixel(x + column, y + row) != part.pixel(column, row) &&
            !skip.contains(QPoint(column, row))) {
          return false;
        }
      }
    }
    return true;
  };
  for (int y = 0; y + part.height() <= whole.height(); ++y) {
    for (int x = 0; x + part.width() <= whole.width(); ++x) {
      if (matchesAt(x, y)) {
        return QPoint(x, y);
      }
    }
  }
  return std::nullopt;
}

// Where the window is on the screen, drawn as it draws itself.
std::optional<QPoint> onScreen(QWidget* window) {
  // The buttons are left out: Qt 6.4 on Wayland sometimes leaves a change of a
  // button's look that comes just after the window is mapped (the focus frame,
  // the pointer over it) off the screen until the button is next painted.
  // Where the focus is, and what the buttons do, are checked on their own.
  QRegion buttons;
  for (const QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
    buttons += QRect(button->mapTo(window, QPoint(0, 0)), button->size());
  }
  std::optional<QPoint> at;
  runEventsUntil(
      [&] { return (at = find(xScreen(), window->grab().toImage(), buttons)).has_value(); }, 10000);
  return at;
}

// A click with the pointer, where the control is on the screen.
bool click(QWidget* control) {
  QWidget* window = control->window();
  const std::optional<QPoint> at = onScreen(window);
  if (!at.has_value()) {
    return false;
  }
  const QPoint point = *at + control->mapTo(window, control->rect().center());
  return QProcess::execute(QStringLiteral("xdotool"),
                           {"mousemove", "--sync", QString::number(point.x()),
                            QString::number(point.y()), "click", "1"}) == 0;
}

bool key(const QString& name) {
  return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("key"), name}) == 0;
}

bool focusedIn(QWidget* window) {
  return runEventsUntil(
      [window] { return window->windowHandle() == QGuiApplication::focusWindow(); }, 10000);
}

// The window a click on the main window's `button` opens, the main window
// having had the focus first; nullptr if none opened.
QWidget* openedBy(Session& s, const char* button) {
  if (focusedIn(s.form) && click(s.button(button))) {
    runEventsUntil([&] { return s.program.form2() != nullptr || s.program.form4() != nullptr; },
                   10000);
  }
  if (s.program.form2() != nullptr) {
    return s.program.form2();
  }
  return s.program.form4();
}

}  // namespace

Q_DECLARE_METATYPE(Choice)

class TestDesktop : public QObject {
  Q_OBJECT

 private slots:
  void platformChoice_data();
  void platformChoice();
  void startsAtItsPlaceOnX();
  void windowShownDrawnAndFocused_data();
  void windowShownDrawnAndFocused();
  void graphCloseBringsBackTheMainWindow();
  void helpOutlivesTheMainWindow();
  void exitBox_data();
  void exitBox();
};

void TestDesktop::platformChoice_data() {
  QTest::addColumn<Choice>("row");
  QTest::newRow("X only") << Choice{{"", "", "x11", ":0"}, true, "", false};
  QTest::newRow("Wayland only") << Choice{{"", "wayland-0", "wayland", ""}, false, "", false};
  QTest::newRow("both") << Choice{{"", "wayland-0", "wayland", ":0"}, true, "xcb", true};
  QTest::newRow("both, without a session type")
      << Choice{{"", "wayland-0", "", ":1"}, true, "xcb", true};
  QTest::newRow("both, X not answering")
      << Choice{{"", "wayland-0", "wayland", ":0"}, false, "", true};
  QTest::newRow("both, the user chose Wayland")
      << Choice{{"wayland", "wayland-0", "wayland", ":0"}, true, "", false};
  QTest::newRow("both, the user chose X")
      << Choice{{"xcb", "wayland-0", "wayland", ":0"}, true, "", false};
  QTest::newRow("neither") << Choice{{"", "", "tty", ""}, false, "", false};
}

void TestDesktop::platformChoice() {
  QFETCH(Choice, row);
  QByteArray asked;
  const QByteArray choice = choosePlatform(row.environment, [&](const QByteArray& display) {
    asked = display;
    return row.xAnswers;
  });
  QCOMPARE(choice, row.chosen);
  QCOMPARE(asked, row.probed ? row.environment.display : QByteArray());
}

// Started as a user starts it: with Xwayland beside Wayland it runs on X, and
// its main window is at its place.
void TestDesktop::startsAtItsPlaceOnX() {
  QVERIFY(xServerAnswers(qgetenv("DISPLAY")));
  QVERIFY(!xServerAnswers(":32000"));  // a display with no server
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
  QTest::newRow("graph") << "Command7" << QSize(650, 378) << "Picture1" << QStringLiteral("graph");
  QTest::newRow("help") << "Command8" << QSize(578, 430) << "Command1" << QStringLiteral("help");
}

void TestDesktop::windowShownDrawnAndFocused() {
  QFETCH(QString, button);
  QFETCH(QSize, size);
  QFETCH(QString, focus);
  QFETCH(QString, reference);
  Session s;
  fillReferenceHistory(s.program.module1());
  s.button("Command7")->setEnabled(true);
  QWidget* window = button.isEmpty() ? s.form : openedBy(s, qPrintable(button));
  QVERIFY(window != nullptr);
  // Over the main window, for a Wayland compositor to stack and place it by.
  const bool over = window != s.form && QGuiApplication::platformName() == QLatin1String("wayland");
  QCOMPARE(window->windowHandle()->transientParent(), over ? s.form->windowHandle() : nullptr);
  QTRY_VERIFY(window->windowHandle()->isExposed());
  QCOMPARE(window->size(), size);
  QVERIFY(focusedIn(window));
  QTRY_COMPARE(QApplication::focusWidget()->objectName(), focus);
  QVERIFY2(onScreen(window).has_value(), "not on the screen as drawn");
  if (reference.isEmpty()) {
    return;
  }
  // The picture box on the screen is the committed picture, as far as the
  // window shows it.
  auto* picture = window->findChild<DrawingArea*>(QStringLiteral("Picture1"));
  const QRect shown = picture->contentsRect()
                          .translated(picture->mapTo(window, QPoint(0, 0)))
                          .intersected(window->rect());
  const QImage expected = referencePicture(reference).copy(QRect(QPoint(0, 0), shown.size()));
  QVERIFY(!expected.isNull());
  QVERIFY2(runEventsUntil([&] { return find(xScreen(), expected).has_value(); }, 10000),
           qPrintable(reference + " is not on the screen"));
}

// Graph display, then Close: the main window comes back drawn, with the focus
// where it was.
void TestDesktop::graphCloseBringsBackTheMainWindow() {
  Session s;
  s.perform(QStringLiteral("manual*3"));
  const QPointer<QWidget> graph = openedBy(s, "Command7");
  QVERIFY(qobject_cast<Form2*>(graph) != nullptr);
  QVERIFY(click(buttonOf(graph, "Command1")));
  QTRY_VERIFY(graph.isNull());
  QVERIFY(focusedIn(s.form));
  QCOMPARE(QApplication::focusWidget(), s.button("Command7"));
  QVERIFY2(onScreen(s.form).has_value(), "the main window is not on the screen as drawn");
}

// The main window closed first by its title bar leaves the help open, and the
// program running.
void TestDesktop::helpOutlivesTheMainWindow() {
  Session s;
  const QPointer<QWidget> help = openedBy(s, "Command8");
  QVERIFY(qobject_cast<Form4*>(help) != nullptr);
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

// The box comes up drawn, with the focus on OK, and the answer ends the
// program.
void TestDesktop::exitBox() {
  QFETCH(bool, keyboard);
  Session s;
  QVERIFY(focusedIn(s.form));
  QStringList seen;
  QTimer watch;
  watch.callOnTimeout([&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr) {
      return;
    }
    watch.stop();
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    seen = QStringList{box->text(),
                       focusedIn(box) && QApplication::focusWidget() == ok ? "on OK" : "not on OK",
                       onScreen(box).has_value() ? "drawn" : "not drawn"};
    if (!(keyboard ? key(QStringLiteral("Return")) : click(ok))) {
      box->accept();  // not the answer that ends the program: the test fails
    }
  });
  watch.start(20);
  if (keyboard) {
    QVERIFY(key(QStringLiteral("Tab")));
    QTRY_COMPARE(QApplication::focusWidget(), s.button("Command3"));
    QVERIFY(key(QStringLiteral("Return")));
  } else {
    QVERIFY(click(s.button("Command3")));
  }
  QTRY_VERIFY(s.program.ended);
  QCOMPARE(seen, QStringList({"This software will exit.", "on OK", "drawn"}));
}

QTEST_MAIN(TestDesktop)

#include "tst_desktop.moc"
