#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "textfile.h"

namespace {

const QString kBuild = QStringLiteral(VANDREL_BUILD_DIR);
const QString kSource = QStringLiteral(VANDREL_SOURCE_DIR);

struct Run {
  int exitCode = -1;
  QString output;
};

// Runs a command to its end and returns its exit code and output (both channels).
Run run(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  const bool ended =
      process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit;
  return {ended ? process.exitCode() : -1, QString::fromLocal8Bit(process.readAll())};
}

QStringList filesUnder(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) {
    files.append(QDir(root).relativeFilePath(it.next()));
  }
  files.sort();
  return files;
}

const QStringList kInstalledFiles{"bin/vandrel",
                                  VANDREL_SOUND_MODULE_FILE,
                                  "share/applications/vandrel.desktop",
                                  "share/icons/hicolor/32x32/apps/vandrel.png",
                                  "share/man/man1/vandrel.1",
                                  "share/metainfo/org.vandrel.Vandrel.metainfo.xml",
                                  "share/vandrel/endpinpon.wav",
                                  "share/vandrel/pinpon.wav"};

bool write(const QString& path, const QString& text) {
  QFile file(path);
  const QByteArray bytes = text.toUtf8();
  return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Lines the desktop entry and the AppStream file must hold, a sample of each
// kind of text in the languages, English first.
const QStringList kTranslatedLines{
    "Name=Vandrel",
    "Name[ja]=Vandrel トランプで確率",
    "Comment=Draw playing cards and watch the share of multiples of 3 settle towards 16/52",
    "Comment[ja]=トランプを引いて、3の倍数のカードが出る相対度数が16/52に近づくようすを見よう",
    "Keywords[ja]=確率;トランプ;統計;相対度数;",
    "Keywords[zh_CN]=概率;扑克牌;统计;",
    "  <summary>Watch the share of multiples of 3 settle towards 16/52</summary>",
    QStringLiteral("  <summary xml:lang=\"ja\">"
                   "トランプを引いて、3の倍数のカードが出る相対度数が確率16/"
                   "52に近づくようすを見よう</summary>"),
    QStringLiteral("  <summary xml:lang=\"fr\">Voir la fréquence des multiples de 3 se stabiliser "
                   "autour de 16/52</summary>"),
    QStringLiteral(
        "    <p xml:lang=\"ja\">Vandrel は52枚のトランプで確率を学ぶソフトです。手で1枚ずつ、"
        "または自動で1000回カードを引き、3の倍数のカードが出る相対度数が理論上の確率16/52に"
        "近づくようすを、数値とグラフで確かめます。</p>")};

}  // namespace

class TestInstall : public QObject {
  Q_OBJECT

 private slots:
  void movedInstallationShowsItsIcon();
  void versionCheck_data();
  void versionCheck();
  void versionsAgree();
};

void TestInstall::movedInstallationShowsItsIcon() {
  if (qEnvironmentVariableIsEmpty("DISPLAY")) {
    QSKIP("needs an X display; scripts/test provides one");
  }
  QTemporaryDir scratch;
  const QString first = scratch.filePath(QStringLiteral("first"));
  const QString moved = scratch.filePath(QStringLiteral("moved"));
  const Run install = run(QStringLiteral("cmake"), {"--install", kBuild, "--prefix", first});
  QVERIFY2(install.exitCode == 0, qPrintable(install.output));
  QVERIFY(QDir().rename(first, moved));
  QCOMPARE(filesUnder(moved), kInstalledFiles);

  const QString desktopEntry = moved + QStringLiteral("/share/applications/vandrel.desktop");
  const QString metainfoFile =
      moved + QStringLiteral("/share/metainfo/org.vandrel.Vandrel.metainfo.xml");
  const Run desktop = run(QStringLiteral("desktop-file-validate"), {desktopEntry});
  QVERIFY2(desktop.exitCode == 0 && desktop.output.trimmed().isEmpty(), qPrintable(desktop.output));
  const Run metainfo = run(QStringLiteral("appstreamcli"), {"validate", "--no-net", metainfoFile});
  QVERIFY2(metainfo.exitCode == 0, qPrintable(metainfo.output));
  // Both written with each language's texts.
  const QString entry = contentsOf(desktopEntry);
  const QString store = contentsOf(metainfoFile);
  for (const QString& line : kTranslatedLines) {
    QVERIFY2(entry.contains(QLatin1Char('\n') + line + QLatin1Char('\n')) ||
                 store.contains(line + QLatin1Char('\n')),
             qPrintable(line));
  }

  // Started from a folder that has nothing to do with it.
  QTemporaryDir elsewhere;
  QProcess program;
  program.setWorkingDirectory(elsewhere.path());
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
  environment.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("vandrel.cues.debug=true"));
  program.setProcessEnvironment(environment);
  program.start(moved + QStringLiteral("/bin/vandrel"), {});
  QVERIFY(program.waitForStarted());

  const Run found =
      run(QStringLiteral("xdotool"), {"search", "--sync", "--onlyvisible", "--name", "^Vandrel"});
  QVERIFY2(found.exitCode == 0, qPrintable(found.output));
  const QString window = found.output.split(QLatin1Char('\n')).first().trimmed();
  const Run icon = run(QStringLiteral("xprop"), {"-id", window, "_NET_WM_ICON"});
  QVERIFY2(icon.output.contains(QStringLiteral("Icon (32 x 32)")), qPrintable(icon.output));

  // Qt Multimedia is not loaded with the program, but with its sound module,
  // which it finds from its own place: Help's cue says where.
  const Run needed = run(QStringLiteral("readelf"), {"-d", moved + QStringLiteral("/bin/vandrel")});
  QVERIFY2(needed.exitCode == 0 && !needed.output.contains(QStringLiteral("Multimedia")),
           qPrintable(needed.output));
  QString log = QString::fromLocal8Bit(program.readAllStandardError());
  QVERIFY2(!log.contains(QStringLiteral("sound module")), qPrintable(log));
  const Run help =
      run(QStringLiteral("xdotool"), {"mousemove", "--window", window, "484", "12", "click", "1"});
  QVERIFY2(help.exitCode == 0, qPrintable(help.output));
  const QString module = QDir::cleanPath(moved + QStringLiteral("/" VANDREL_SOUND_MODULE_FILE));
  QTRY_VERIFY2_WITH_TIMEOUT((log += QString::fromLocal8Bit(program.readAllStandardError()))
                                .contains(QStringLiteral("sound module \"%1\"").arg(module)),
                            qPrintable(log), 20000);

  program.kill();
  program.waitForFinished();
}

void TestInstall::versionCheck_data() {
  QTest::addColumn<QStringList>("versions");  // CMake's, then the changelog's
  QTest::addColumn<int>("exitCode");
  QTest::newRow("same") << QStringList{"1.0.0", "1.0.0"} << 0;
  QTest::newRow("changelog newer") << QStringList{"1.0.0", "1.0.1"} << 1;
  QTest::newRow("CMake newer") << QStringList{"1.1.0", "1.0.0"} << 1;
  QTest::newRow("CMake shorter") << QStringList{"1.0", "1.0.0"} << 1;
  QTest::newRow("changelog with a revision") << QStringList{"2.3.4", "2.3.4-1"} << 1;
}

// The package's version is debian/changelog's, the program's is CMake's: the
// package build stops when they differ.
void TestInstall::versionCheck() {
  QFETCH(QStringList, versions);
  QFETCH(int, exitCode);
  QTemporaryDir tree;
  QVERIFY(QDir(tree.path()).mkdir(QStringLiteral("debian")));
  QVERIFY(write(tree.filePath(QStringLiteral("CMakeLists.txt")),
                QStringLiteral("project(vandrel VERSION %1 LANGUAGES CXX)\n").arg(versions.at(0))));
  QVERIFY(write(tree.filePath(QStringLiteral("debian/changelog")),
                QStringLiteral("vandrel (%1) bookworm; urgency=medium\n\n  * A release.\n\n"
                               " -- A Maintainer <someone@example.org>  "
                               "Tue, 08 Dec 2026 12:00:00 +0000\n")
                    .arg(versions.at(1))));
  const Run checked = run(kSource + QStringLiteral("/scripts/check-version"), {tree.path()});
  QVERIFY2(checked.exitCode == exitCode, qPrintable(checked.output));
}

void TestInstall::versionsAgree() {
  const Run checked = run(kSource + QStringLiteral("/scripts/check-version"), {kSource});
  QVERIFY2(checked.exitCode == 0, qPrintable(checked.output));
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
