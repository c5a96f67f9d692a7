#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <sys/stat.h>
#include <unistd.h>

#include "cueplayer.h"
#include "multimediacontrol.h"
#include "soundoutputs_testing.h"

namespace {

const QString kGoodCue = QStringLiteral(VANDREL_CUES_DIR "/pinpon.wav");

QByteArray goodWave() {
  QFile file(kGoodCue);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the cue at `path` the way the row asks.
bool makeFault(const QString& fault, const QString& path) {
  if (fault == QLatin1String("missing")) {
    return true;
  }
  if (fault == QLatin1String("a directory")) {
    return QDir().mkdir(path);
  }
  if (fault == QLatin1String("a named pipe")) {
    // Opening a pipe for reading would wait for a writer forever.
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
  }
  QByteArray content;  // empty
  if (fault == QLatin1String("truncated header")) {
    content = goodWave().left(20);
  } else if (fault == QLatin1String("random bytes")) {
    QRandomGenerator generator(7);
    for (int i = 0; i < 64 * 1024; ++i) {
      content.append(static_cast<char>(generator.bounded(256)));
    }
  } else if (fault == QLatin1String("50 MB")) {
    content = goodWave();
    content.resize(qsizetype{50} * 1024 * 1024, '\0');
  } else if (fault == QLatin1String("unreadable")) {
    content = goodWave();
  }
  QFile file(path);
  return file.open(QIODevice::WriteOnly) && file.write(content) == content.size() &&
         (fault != QLatin1String("unreadable") || file.setPermissions(QFileDevice::WriteOwner));
}

// Bytes this process has read so far, from files, pipes and sockets alike.
qint64 bytesRead() {
  QFile io(QStringLiteral("/proc/self/io"));
  const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
  const qsizetype at = text.indexOf("rchar: ");
  return at < 0 ? -1 : text.mid(at + 7, text.indexOf('\n', at) - at - 7).toLongLong();
}

// Whether Qt Multimedia's library is mapped into this process.
bool multimediaLoaded() {
  QFile maps(QStringLiteral("/proc/self/maps"));
  return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Multimedia");
}

}  // namespace

class TestSound : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void multimediaComesAfterTheFirstFrame();
  void lookupOrder_data();
  void lookupOrder();
  void faultyCueIsSilentAndQuick_data();
  void faultyCueIsSilentAndQuick();
};

void TestSound::initTestCase() { useSoundModule(QStringLiteral(VANDREL_SOUND_MODULE)); }

// Not with the program, nor with the control, nor before its window shows:
// once the window has painted its first frame. It runs first, before any
// other test has played a cue.
void TestSound::multimediaComesAfterTheFirstFrame() {
  QVERIFY(!multimediaLoaded());
  QWidget form;
  form.resize(100, 50);
  MultimediaControl control(&form);
  control.put(MultimediaControl::kDispIdFileName, QStringLiteral("no-such-cue.wav"));
  control.put(MultimediaControl::kDispIdCommand, QStringLiteral("Open"));
  QCoreApplication::processEvents();
  QVERIFY(!multimediaLoaded());
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QTRY_VERIFY(multimediaLoaded());
}

void TestSound::lookupOrder_data() {
  QTest::addColumn<QStringList>("present");  // where copies of the cue are
  QTest::addColumn<QString>("found");        // the one played; empty for none
  QTest::newRow("working folder first") << QStringList{"work", "program", "data"} << "work";
  QTest::newRow("then beside the program") << QStringList{"program", "data"} << "program";
  QTest::newRow("then the installed data folder") << QStringList{"data"} << "data";
  QTest::newRow("nowhere") << QStringList{} << "";
}

void TestSound::lookupOrder() {
  QFETCH(QStringList, present);
  QFETCH(QString, found);
  const QString name = QStringLiteral("vandrel-lookup-%1.wav").arg(::getpid());
  QTemporaryDir work;
  const QDir program(QCoreApplication::applicationDirPath());
  const QDir data(program.filePath(QStringLiteral("../share/vandrel")));
  QDir().mkpath(data.path());
  const std::map<QString, QString> places{{"work", QDir(work.path()).filePath(name)},
                                          {"program", program.filePath(name)},
                                          {"data", data.filePath(name)}};
  for (const QString& place : present) {
    QVERIFY(QFile::copy(kGoodCue, places.at(place)));
  }
  const QString previous = QDir::currentPath();
  QDir::setCurrent(work.path());
  QWidget form;
  MultimediaControl control(&form);
  playCue(control, name);
  QDir::setCurrent(previous);
  for (const auto& [place, path] : places) {
    QFile::remove(path);
  }
  QCOMPARE(QFileInfo(control.openedPath()).absoluteFilePath(),
           found.isEmpty() ? QString() : QFileInfo(places.at(found)).absoluteFilePath());
}

void TestSound::faultyCueIsSilentAndQuick_data() {
  QTest::addColumn<QString>("fault");
  for (const char* fault : {"missing", "empty", "truncated header", "random bytes", "50 MB",
                            "a directory", "a named pipe", "unreadable"}) {
    QTest::newRow(fault) << fault;
  }
}

void TestSound::faultyCueIsSilentAndQuick() {
  QFETCH(QString, fault);
  if (fault == QLatin1String("unreadable") && ::geteuid() == 0) {
    QSKIP("root reads any file");
  }
  QTemporaryDir folder;
  const QString cue = QDir(folder.path()).filePath(QStringLiteral("pinpon.wav"));
  QVERIFY(makeFault(fault, cue));
  QWidget form;
  MultimediaControl control(&form);
  QSignalSpy puts(&control, &MultimediaControl::propertyPut);
  QSignalSpy opened(&control, &MultimediaControl::opened);
  QSignalSpy sounded(&control, &MultimediaControl::sounded);
  const qint64 before = bytesRead();
  // Waiting for a writer to the pipe would never end: getting past this line shows it did not.
  playCue(control, cue);
  QCoreApplication::processEvents();
  // A cue is judged by its header: nothing near the 50 MB file's size is read.
  const qint64 read = bytesRead() - before;
  QVERIFY2(before >= 0 && read < qint64{1024} * 1024, qPrintable(QString::number(read)));
  QCOMPARE(opened.size(), 0);
  QCOMPARE(sounded.size(), 0);
  QVERIFY(!control.isSounding());
  QVERIFY(QApplication::topLevelWidgets().size() <= 1);  // nothing was shown to the user

  // Good cues sound after it, the second stopping and closing the first.
  playCue(control, kGoodCue);
  playCue(control, kGoodCue);
  QCOMPARE(opened.size(), 2);
  QCOMPARE(sounded.size(), 2);
  QCOMPARE(puts.size(), 15);
  QCOMPARE(puts.at(10).at(1).toString(), QStringLiteral("Stop"));
  QCOMPARE(puts.at(11).at(1).toString(), QStringLiteral("Close"));
  QCOMPARE(control.openedPath(), kGoodCue);
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
