#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGlyphRun>
#include <QMap>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <tuple>

#include "drawingarea.h"
#include "form2.h"
#include "gothicfont.h"
#include "session.h"
#include "textfit.h"

namespace {

// The translated texts of a .ts file; for English, the source texts.
QStringList textsOf(const QString& language) {
  const bool english = language == QLatin1String("en");
  QFile file(QStringLiteral(VANDREL_TRANSLATIONS_DIR "/vandrel_%1.ts")
                 .arg(english ? QStringLiteral("ja") : language));
  QXmlStreamReader xml(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
  const QLatin1String wanted = english ? QLatin1String("source") : QLatin1String("translation");
  QStringList texts;
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == wanted) {
      texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
  }
  return texts;
}

QString contentsOf(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The characters of `text` that `font`, with its fallbacks, draws as the
// missing-glyph box; `faces` gathers the faces that drew the others.
QString missingGlyphs(const QString& text, const QFont& font, QSet<QString>& faces) {
  QString missing;
  for (const QChar character : text) {
    QTextLayout layout(QString(character), font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
      faces.insert(run.rawFont().familyName());
      if (run.glyphIndexes().contains(0)) {
        missing.append(character);
      }
    }
  }
  return missing;
}

}  // namespace

class TestTranslations : public QObject {
  Q_OBJECT

 private slots:
  void eachLanguage_data();
  void eachLanguage();
  void eachLanguageDocumented_data();
  void eachLanguageDocumented();
};

void TestTranslations::eachLanguage_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QChar>("separator");  // the ratios' decimal separator
  QTest::addColumn<QString>("nearlyEqual");
  QTest::addColumn<QString>("ok");  // Qt's own caption of the exit box's button
  const QMap<QString, std::tuple<char, char16_t, const char*>> shown{
      {"en", {'.', u'≒', "OK"}},   {"ja", {'.', u'≒', "OK"}},      {"zh_CN", {'.', u'≈', "确定"}},
      {"ko", {'.', u'≒', "확인"}}, {"es", {',', u'≈', "Aceptar"}}, {"pt_BR", {',', u'≈', "OK"}},
      {"fr", {',', u'≈', "OK"}},   {"de", {',', u'≈', "OK"}}};
  // And every language the build compiles in: one missing above fails.
  QStringList languages = shown.keys();
  for (QString file : QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("vandrel_*.qm")})) {
    languages.append(file.remove(QStringLiteral("vandrel_")).remove(QStringLiteral(".qm")));
  }
  languages.removeDuplicates();
  for (const QString& language : languages) {
    const auto [separator, nearlyEqual, ok] = shown.value(language);
    QTest::newRow(qPrintable(language))
        << language << QChar(separator) << QString(nearlyEqual) << QString::fromUtf8(ok);
  }
}

void TestTranslations::eachLanguage() {
  QFETCH(QString, language);
  QFETCH(QChar, separator);
  QFETCH(QString, nearlyEqual);
  QFETCH(QString, ok);
  const Translations translations{QLocale(language)};
  QCOMPARE(translations.loaded(), language != QLatin1String("en"));

  const QList<TextFit> fits = measureTextFit();
  // 8 buttons and 12 captions, the box's text and button, the graph's button
  // and 14 texts, the help's button and 20 lines.
  QCOMPARE(fits.size(), 58);
  QStringList notFitting;
  for (const TextFit& fit : fits) {
    if (!fit.fits) {
      notFitting.append(fit.place);
    }
  }
  // English keeps the cuts it always had: the help's long lines, and the
  // horizontal axis's caption at the graph's right edge.
  const QStringList englishCuts{"Form2 text 14", "Form4 text 5",  "Form4 text 7",
                                "Form4 text 9",  "Form4 text 10", "Form4 text 16",
                                "Form4 text 17", "Form4 text 19", "Form4 text 20"};
  QCOMPARE(notFitting, language == QLatin1String("en") ? englishCuts : QStringList());

  // Every character has a glyph in the faces the program asks for, which its
  // package brings, not in whatever else this machine happens to have.
  const QStringList texts = textsOf(language) << ok;  // and the exit box's button
  QVERIFY(texts.size() > 50);
  QSet<QString> faces;
  QStringList missing;
  for (const bool bold : {false, true}) {
    for (const QString& text : texts) {
      const QString lacking = missingGlyphs(text, gothicFont(GothicSize::Medium, bold), faces);
      if (!lacking.isEmpty()) {
        missing.append(lacking + QStringLiteral(" in ") + text);
      }
    }
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
  QVERIFY2(!faces.isEmpty(), "nothing was laid out");
  const QStringList asked = gothicFont(GothicSize::Medium, false).families();
  QCOMPARE(faces.subtract({asked.cbegin(), asked.cend()}).values(), QStringList());

  // Counts stay plain digits; ratios take the language's decimal separator, on
  // screen and in what a screen reader is told.
  Session s;
  s.replayable(20261208);
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923").replace('.', separator));
  QCOMPARE(s.caption("Label5"), nearlyEqual);
  QCOMPARE(s.caption("Label8"), nearlyEqual);
  s.performAll({"Shuffle", "tick*2", "Draw"});
  QCOMPARE(s.caption("Label6"), QStringLiteral("0.0000000").replace('.', separator));
  s.performAll({"AutoStart", "run"});
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label6"), QStringLiteral("0.3120000").replace('.', separator));
  Form2* shown = s.openGraph();
  QVERIFY(shown != nullptr);
  QSignalSpy printed(shown->picture1(), &DrawingArea::printed);
  shown->activated();
  QCOMPARE(printed.at(1).at(0).toString(), QStringLiteral("0.30").replace('.', separator));

  QString button;
  answerMessageBox(true, [&button](QMessageBox& box) {
    button = box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&'));
  });
  s.program.showForm1();
  s.button("Command3")->click();
  QCOMPARE(button, ok);
}

void TestTranslations::eachLanguageDocumented_data() { eachLanguage_data(); }

// The manual page, written by the build, names every language the program
// speaks and the way each writes ratios; the README and the package's
// description name it too.
void TestTranslations::eachLanguageDocumented() {
  QFETCH(QString, language);
  QFETCH(QChar, separator);
  const QString page = contentsOf(QStringLiteral(VANDREL_MANUAL_PAGE));
  QVERIFY(page.startsWith(QLatin1String(".TH VANDREL 1")));
  // "German (de)", "Brazilian Portuguese (pt_BR)".
  QString name = QStringLiteral("English");
  if (language != QLatin1String("en")) {
    const QRegularExpression named(QStringLiteral("([A-Z][\\w ]*\\w) \\(%1\\)").arg(language));
    const QRegularExpressionMatch found = named.match(page);
    QVERIFY2(found.hasMatch(), "the manual page does not name the language");
    name = found.captured(1);
  }
  // "0,3076923 in German, Spanish, French and Brazilian Portuguese;"
  const QString ratios = QStringLiteral("\n0") + separator + QStringLiteral("3076923 in ");
  const qsizetype line = page.indexOf(ratios);
  QVERIFY2(line >= 0, qPrintable(ratios.mid(1) + QStringLiteral("... is not in the manual page")));
  QVERIFY2(page.mid(line, page.indexOf(QLatin1Char('\n'), line + 1) - line).contains(name),
           qPrintable(name + QStringLiteral(" is not among the languages writing ") +
                      ratios.mid(1).trimmed()));

  const QString readme = contentsOf(QStringLiteral(VANDREL_SOURCE_DIR "/README.md")).simplified();
  QVERIFY2(readme.contains(language == QLatin1String("en")
                               ? name
                               : name + QStringLiteral(" (`") + language + QStringLiteral("`)")),
           qPrintable(name + QStringLiteral(" is not in the README's Languages")));
  const QString control =
      contentsOf(QStringLiteral(VANDREL_SOURCE_DIR "/debian/control")).simplified();
  QVERIFY2(control.contains(name),
           qPrintable(name + QStringLiteral(" is not in the package's description")));
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestTranslations test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
