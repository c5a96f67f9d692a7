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

namespace {

const QString kGoodCue = QStringLiteral(VANDREL_CUES_DIR "/pinpon.wav");

QByteArray goodWave() {
  QFile file(kGoodCue);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes the cue named `name` in `folder` the way the row asks.
bool makeFault(const QString& fault, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name);
  if (fault == QLatin1String("missing")) {
    return true;
  }
  if (fault == QLatin1String("a directory")) {
    return folder.mkdir(name);
  }
  if (fault == QLatin1String("a named pipe")) {
    // Opening a pipe for reading would wait for a writer forever.
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
  }
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    return false;
  }
  if (fault == QLatin1String("truncated header")) {
    file.write(goodWave().left(20));
  } else if (fault == QLatin1String("random bytes")) {
    QByteArray noise(qsizetype{64} * 1024, '\0');
    QRandomGenerator generator(7);
    for (char& byte : noise) {
      byte = static_cast<char>(generator.bounded(256));
    }
    file.write(noise);
  } else if (fault == QLatin1String("50 MB")) {
    QByteArray big = goodWave();
    big.resize(qsizetype{50} * 1024 * 1024, '\0');
    file.write(big);
  } else if (fault == QLatin1String("unreadable")) {
    file.write(goodWave());
    file.setPermissions(QFileDevice::WriteOwner);
  }
  return true;
}

// Bytes this process has read so far, from files, pipes and sockets alike.
qint64 bytesRead() {
  QFile io(QStringLiteral("/proc/self/io"));
  const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
  const qsizetype at = text.indexOf("rchar: ");
  return at < 0 ? -1 : text.mid(at + 7, text.indexOf('\n', at) - at - 7).toLongLong();
}

}  // namespace

class TestSound : public QObject {
  Q_OBJECT

 private slots:
  void lookupOrder_data();
  void lookupOrder();
  void faultyCueIsSilentAndQuick_data();
  void faultyCueIsSilentAndQuick();
  void secondCueRestartsTheFirst();
};

void TestSound::lookupOrder_data() {
  QTest::addColumn<bool>("inWorkingFolder");
  QTest::addColumn<bool>("besideProgram");
  QTest::addColumn<bool>("inDataFolder");
  QTest::addColumn<QString>("found");  // "work", "program", "data" or empty
  QTest::newRow("working folder first") << true << true << true << "work";
  QTest::newRow("then beside the program") << false << true << true << "program";
  QTest::newRow("then the installed data folder") << false << false << true << "data";
  QTest::newRow("nowhere") << false << false << false << "";
}

void TestSound::lookupOrder() {
  QFETCH(bool, inWorkingFolder);
  QFETCH(bool, besideProgram);
  QFETCH(bool, inDataFolder);
  QFETCH(QString, found);
  const QString name = QStringLiteral("vandrel-lookup-%1.wav").arg(::getpid());
  QTemporaryDir work;
  const QDir program(QCoreApplication::applicationDirPath());
  const QDir data(program.filePath(QStringLiteral("../share/vandrel")));
  QDir().mkpath(data.path());
  const std::map<QString, QString> places{{"work", QDir(work.path()).filePath(name)},
                                          {"program", program.filePath(name)},
                                          {"data", data.filePath(name)}};
  const std::map<QString, bool> wanted{
      {"work", inWorkingFolder}, {"program", besideProgram}, {"data", inDataFolder}};
  for (const auto& [place, path] : places) {
    if (wanted.at(place)) {
      QVERIFY(QFile::copy(kGoodCue, path));
    }
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
  const QString expected =
      found.isEmpty() ? QString() : QFileInfo(places.at(found)).absoluteFilePath();
  QCOMPARE(QFileInfo(control.openedPath()).absoluteFilePath(),
           QFileInfo(expected).absoluteFilePath());
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
  QVERIFY(makeFault(fault, QDir(folder.path()), QStringLiteral("pinpon.wav")));
  QWidget form;
  MultimediaControl control(&form);
  QSignalSpy opened(&control, &MultimediaControl::opened);
  QSignalSpy sounded(&control, &MultimediaControl::sounded);
  const qint64 before = bytesRead();
  // Waiting for a writer to the pipe would never end: getting past this line shows it did not.
  playCue(control, QDir(folder.path()).filePath(QStringLiteral("pinpon.wav")));
  QCoreApplication::processEvents();
  // A cue is judged by its header: nothing near the 50 MB file's size is read.
  const qint64 read = bytesRead() - before;
  QVERIFY2(before >= 0 && read < qint64{1024} * 1024, qPrintable(QString::number(read)));
  QCOMPARE(opened.size(), 0);
  QCOMPARE(sounded.size(), 0);
  QVERIFY(!control.isSounding());
  QVERIFY(QApplication::topLevelWidgets().size() <= 1);  // nothing was shown to the user

  // The next good cue sounds.
  playCue(control, kGoodCue);
  QCOMPARE(opened.size(), 1);
  QCOMPARE(sounded.size(), 1);
}

void TestSound::secondCueRestartsTheFirst() {
  QWidget form;
  MultimediaControl control(&form);
  QSignalSpy puts(&control, &MultimediaControl::propertyPut);
  QSignalSpy sounded(&control, &MultimediaControl::sounded);
  playCue(control, kGoodCue);
  playCue(control, kGoodCue);
  QCOMPARE(puts.size(), 10);
  QCOMPARE(puts.at(5).at(1).toString(), QStringLiteral("Stop"));
  QCOMPARE(puts.at(6).at(1).toString(), QStringLiteral("Close"));
  QCOMPARE(sounded.size(), 2);
  QCOMPARE(control.openedPath(), kGoodCue);
}

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
