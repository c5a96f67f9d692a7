#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>

#include "drawingarea.h"
#include "form1.h"
#include "form2.h"
#include "gothicfont.h"
#include "session.h"
#include "textfit.h"
#include "translations.h"

namespace {

// English, and each language whose translation the build compiled in: a
// language added to the build is in every table below that is not written
// out language by language.
QStringList builtLanguages() {
  QStringList languages{QStringLiteral("en")};
  const QString prefix = QStringLiteral("vandrel_");
  const QString suffix = QStringLiteral(".qm");
  for (const QString& file : QDir(QStringLiteral(":/i18n")).entryList({prefix + "*" + suffix})) {
    languages.append(file.mid(prefix.size(), file.size() - prefix.size() - suffix.size()));
  }
  return languages;
}

// The translated texts of a .ts file; for English, the source texts.
QStringList textsOf(const QString& language) {
  const bool english = language == QLatin1String("en");
  QFile file(QStringLiteral(VANDREL_TRANSLATIONS_DIR "/vandrel_%1.ts")
                 .arg(english ? QStringLiteral("ja") : language));
  if (!file.open(QIODevice::ReadOnly)) {
    return {};
  }
  QStringList texts;
  QXmlStreamReader xml(&file);
  const QLatin1String wanted = english ? QLatin1String("source") : QLatin1String("translation");
  while (!xml.atEnd()) {
    if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == wanted) {
      texts.append(xml.readElementText(QXmlStreamReader::IncludeChildElements));
    }
  }
  return texts;
}

// Whether `font`, with its fallbacks, draws `text` without a missing-glyph
// box; `faces` gathers the faces that drew it.
bool hasEveryGlyph(const QString& text, const QFont& font, QSet<QString>& faces) {
  QTextLayout layout(text, font);
  layout.beginLayout();
  layout.createLine();
  layout.endLayout();
  bool every = true;
  for (const QGlyphRun& run : layout.glyphRuns()) {
    faces.insert(run.rawFont().familyName());
    every = every && !run.glyphIndexes().contains(0);
  }
  return every;
}

// The characters of `text` that `font` draws as the missing-glyph box.
QString missingGlyphs(const QString& text, const QFont& font, QSet<QString>& faces) {
  QString missing;
  if (!hasEveryGlyph(text, font, faces)) {
    QSet<QString> ignored;
    for (const QChar character : text) {
      if (!hasEveryGlyph(QString(character), font, ignored)) {
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
  void textsFitTheirRooms_data();
  void textsFitTheirRooms();
  void everyCharacterHasAGlyph_data();
  void everyCharacterHasAGlyph();
  void numbersAndButtons_data();
  void numbersAndButtons();
};

void TestTranslations::textsFitTheirRooms_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QStringList>("cut");  // the texts that do not fit
  for (const QString& language : builtLanguages()) {
    // English keeps the cuts it always had: the help's long lines, and the
    // horizontal axis's caption at the graph's right edge.
    const QStringList englishCuts{"Form2 text 14", "Form4 text 5",  "Form4 text 7",
                                  "Form4 text 9",  "Form4 text 10", "Form4 text 16",
                                  "Form4 text 17", "Form4 text 19", "Form4 text 20"};
    QTest::newRow(qPrintable(language))
        << language << (language == QLatin1String("en") ? englishCuts : QStringList());
  }
}

// No caption narrowed below 85 %, every help line and graph text ends inside
// its picture, and the exit box shows its text and button whole.
void TestTranslations::textsFitTheirRooms() {
  QFETCH(QString, language);
  QFETCH(QStringList, cut);
  const Translations translations{QLocale(language)};
  QCOMPARE(translations.loaded(), language != QLatin1String("en"));
  const QList<TextFit> fits = measureTextFit();
  // 8 buttons and 12 captions, the box's text and button, the graph's button
  // and 14 texts, the help's button and 20 lines.
  QCOMPARE(fits.size(), 58);
  QStringList notFitting;
  QStringList report;
  for (const TextFit& fit : fits) {
    if (!fit.fits) {
      notFitting.append(fit.place);
      report.append(QStringLiteral("%1: %2 of %3 px at %4 %: %5")
                        .arg(fit.place)
                        .arg(fit.width)
                        .arg(fit.room)
                        .arg(fit.stretch)
                        .arg(fit.text));
    }
  }
  QVERIFY2(notFitting == cut, qPrintable(report.join(QLatin1Char('\n'))));
}

void TestTranslations::everyCharacterHasAGlyph_data() {
  QTest::addColumn<QString>("language");
  for (const QString& language : builtLanguages()) {
    QTest::newRow(qPrintable(language)) << language;
  }
}

void TestTranslations::everyCharacterHasAGlyph() {
  QFETCH(QString, language);
  const Translations translations{QLocale(language)};
  QStringList texts = textsOf(language);
  QVERIFY(texts.size() > 50);
  texts.append(QCoreApplication::translate("QPlatformTheme", "OK"));  // the exit box's button
  QSet<QString> faces;
  QStringList missing;
  for (const bool bold : {false, true}) {
    const QFont font = gothicFont(GothicSize::Medium, bold);
    for (const QString& text : texts) {
      const QString lacking = missingGlyphs(text, font, faces);
      if (!lacking.isEmpty()) {
        missing.append(lacking + QStringLiteral(" in ") + text);
      }
    }
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
  // Drawn by the faces the program asks for, which its package brings, not by
  // whatever else this machine happens to have.
  QVERIFY2(!faces.isEmpty(), "nothing was laid out");
  const QStringList asked = gothicFont(GothicSize::Medium, false).families();
  for (const QString& face : faces) {
    QVERIFY2(asked.contains(face), qPrintable(face + QStringLiteral(" drew a text; asked for ") +
                                              asked.join(QStringLiteral(", "))));
  }
}

void TestTranslations::numbersAndButtons_data() {
  QTest::addColumn<QString>("language");
  QTest::addColumn<QString>("theory");     // Label7
  QTest::addColumn<QString>("afterDraw");  // Label6 after a replayed Draw
  QTest::addColumn<QString>("afterRun");   // and after the run that follows
  QTest::addColumn<QString>("graph");      // the graph's middle ratio
  QTest::addColumn<QString>("nearlyEqual");
  QTest::addColumn<QString>("ok");  // Qt's own caption of the exit box's button
  auto row = [](const char* language, const char* theory, const char* afterDraw,
                const char* afterRun, const char* graph, QChar nearlyEqual, const char* ok) {
    QTest::newRow(language) << language << theory << afterDraw << afterRun << graph
                            << QString(nearlyEqual) << ok;
  };
  const QChar nearly(0x2252);
  const QChar almost(0x2248);
  row("en", "0.3076923", "0.0000000", "0.3120000", "0.30", nearly, "OK");
  row("ja", "0.3076923", "0.0000000", "0.3120000", "0.30", nearly, "OK");
  row("zh_CN", "0.3076923", "0.0000000", "0.3120000", "0.30", almost, "确定");
  row("ko", "0.3076923", "0.0000000", "0.3120000", "0.30", nearly, "확인");
  row("es", "0,3076923", "0,0000000", "0,3120000", "0,30", almost, "Aceptar");
  row("pt_BR", "0,3076923", "0,0000000", "0,3120000", "0,30", almost, "OK");
  row("fr", "0,3076923", "0,0000000", "0,3120000", "0,30", almost, "OK");
  row("de", "0,3076923", "0,0000000", "0,3120000", "0,30", almost, "OK");
}

// Counts stay plain digits; ratios take the language's decimal separator, on
// screen and in what a screen reader is told.
void TestTranslations::numbersAndButtons() {
  QFETCH(QString, language);
  QFETCH(QString, theory);
  QFETCH(QString, afterDraw);
  QFETCH(QString, afterRun);
  QFETCH(QString, graph);
  QFETCH(QString, nearlyEqual);
  QFETCH(QString, ok);
  const Translations translations{QLocale(language)};
  QCOMPARE(translations.loaded(), language != QLatin1String("en"));
  Session s;
  s.replayable(20261208);
  QCOMPARE(s.caption("Label7"), theory);
  QCOMPARE(s.caption("Label5"), nearlyEqual);
  QCOMPARE(s.caption("Label8"), nearlyEqual);
  s.performAll({"Shuffle", "tick*2", "Draw"});
  QCOMPARE(s.caption("Label3"), QStringLiteral(" 1"));
  QCOMPARE(s.caption("Label6"), afterDraw);
  s.performAll({"AutoStart", "run"});
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label6"), afterRun);
  Form2* shown = s.openGraph();
  QVERIFY(shown != nullptr);
  QSignalSpy printed(shown->picture1(), &DrawingArea::printed);
  shown->activated();
  QCOMPARE(printed.at(1).at(0).toString(), graph);

  QString button;
  answerMessageBox(true, [&button](QMessageBox& box) {
    button = box.button(QMessageBox::Ok)->text().remove(QLatin1Char('&'));
  });
  s.program.showForm1();
  s.button("Command3")->click();
  QCOMPARE(button, ok);
}

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  TestTranslations test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
