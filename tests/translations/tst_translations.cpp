#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <QTextLayout>
#include <QXmlStreamReader>

#include <array>

#include "accessibility/announcer.h"
#include "controls/drawingarea.h"
#include "controls/gothicfont.h"
#include "form1.h"
#include "form2.h"
#include "graphpicture.h"
#include "languages.h"
#include "session.h"
#include "textfile.h"
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

// Set in a process that runs a row as the program is started with the row's
// environment.
constexpr const char* kStartedAsUser = "VANDREL_STARTED_AS_USER";

// Runs the current row again in a process of its own, started with
// `environment` in place of the locale's variables of this one; its exit code.
int runRowStartedWith(const QStringList& environment) {
  QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
  for (const QString& name : variables.keys()) {
    if (name == QLatin1String("LANG") || name == QLatin1String("LANGUAGE") ||
        name.startsWith(QLatin1String("LC_"))) {
      variables.remove(name);
    }
  }
  for (const QString& variable : environment) {
    variables.insert(variable.section(QLatin1Char('='), 0, 0),
                     variable.section(QLatin1Char('='), 1));
  }
  variables.insert(QLatin1String(kStartedAsUser), QStringLiteral("1"));
  QProcess child;
  child.setProcessEnvironment(variables);
  child.setProcessChannelMode(QProcess::ForwardedChannels);
  child.start(QCoreApplication::applicationFilePath(),
              {QStringLiteral("eachLanguage:") + QString::fromUtf8(QTest::currentDataTag())});
  const bool ended = child.waitForFinished(-1) && child.exitStatus() == QProcess::NormalExit;
  return ended ? child.exitCode() : -1;
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

// What a language shows.
struct Shown {
  char separator = '\0';  // the ratios' decimal separator
  char16_t nearlyEqual = 0;
  const char* ok = "";  // Qt's own caption of the exit box's button
  // The tally told after a first Draw that is no multiple of 3, after a second
  // that is one, and at the end of the run: 0 of 1, 1 of 2, 312 of 1000.
  std::array<const char*, 3> tallies{};
};

void TestTranslations::eachLanguage_data() {
  QTest::addColumn<QString>("language");  // of the texts shown
  // None: the texts are loaded for `language`. Otherwise the row runs in a
  // process started with these variables, whose texts are chosen from them as
  // the program chooses its own.
  QTest::addColumn<QStringList>("environment");
  QTest::addColumn<bool>("found");  // a translation was found for the language
  QTest::addColumn<QChar>("separator");
  QTest::addColumn<QString>("nearlyEqual");
  QTest::addColumn<QString>("ok");
  QTest::addColumn<QStringList>("tallies");
  // clang-format off
  const QMap<QString, Shown> shown{
      {"en", {'.', u'≒', "OK", {"0 of 1 card are multiples of 3; ratio 0.0000000.",
                               "1 of 2 cards is a multiple of 3; ratio 0.5000000.",
                               "312 of 1000 cards are multiples of 3; ratio 0.3120000."}}},
      {"ja", {'.', u'≒', "OK", {"1回のうち0回、3の倍数が出ました。相対度数は0.0000000です。",
                               "2回のうち1回、3の倍数が出ました。相対度数は0.5000000です。",
                               "1000回のうち312回、3の倍数が出ました。相対度数は0.3120000です。"}}},
      {"zh_CN", {'.', u'≈', "确定", {"抽牌1次，其中0次抽到3的倍数，频率为0.0000000。",
                                    "抽牌2次，其中1次抽到3的倍数，频率为0.5000000。",
                                    "抽牌1000次，其中312次抽到3的倍数，频率为0.3120000。"}}},
      {"ko", {'.', u'≒', "확인", {"1번 중 0번 3의 배수가 나왔습니다. 상대도수는 0.0000000입니다.",
                                 "2번 중 1번 3의 배수가 나왔습니다. 상대도수는 0.5000000입니다.",
                                 "1000번 중 312번 3의 배수가 나왔습니다. 상대도수는 0.3120000입니다."}}},
      {"es", {',', u'≈', "Aceptar", {
          "En 1 extracción, ha salido 0 veces un múltiplo de 3; frecuencia relativa: 0,0000000.",
          "En 2 extracciones, ha salido 1 vez un múltiplo de 3; frecuencia relativa: 0,5000000.",
          "En 1000 extracciones, ha salido 312 veces un múltiplo de 3; frecuencia relativa: 0,3120000."}}},
      {"pt_BR", {',', u'≈', "OK", {
          "0 de 1 retirada resultou em um múltiplo de 3; frequência relativa: 0,0000000.",
          "1 de 2 retiradas resultou em um múltiplo de 3; frequência relativa: 0,5000000.",
          "312 de 1000 retiradas resultaram em múltiplos de 3; frequência relativa: 0,3120000."}}},
      {"fr", {',', u'≈', "OK", {
          "Sur 1 tirage, 0 a donné un multiple de 3\u00A0; fréquence\u00A0: 0,0000000.",
          "Sur 2 tirages, 1 a donné un multiple de 3\u00A0; fréquence\u00A0: 0,5000000.",
          "Sur 1000 tirages, 312 ont donné un multiple de 3\u00A0; fréquence\u00A0: 0,3120000."}}},
      {"de", {',', u'≈', "OK", {
          "Bei 0 von 1 Ziehung wurde ein Vielfaches von 3 gezogen; relative Häufigkeit: 0,0000000.",
          "Bei 1 von 2 Ziehungen wurde ein Vielfaches von 3 gezogen; relative Häufigkeit: 0,5000000.",
          "Bei 312 von 1000 Ziehungen wurde ein Vielfaches von 3 gezogen; relative Häufigkeit: 0,3120000."}}},
      {"it", {',', u'≈', "OK", {
          "Su 1 estrazione, 0 hanno dato un multiplo di 3; frequenza relativa: 0,0000000.",
          "Su 2 estrazioni, 1 ha dato un multiplo di 3; frequenza relativa: 0,5000000.",
          "Su 1000 estrazioni, 312 hanno dato un multiplo di 3; frequenza relativa: 0,3120000."}}},
      {"nl", {',', u'≈', "OK", {
          "In 1 trekking werd 0 keer een veelvoud van 3 getrokken; relatieve frequentie: 0,0000000.",
          "In 2 trekkingen werd 1 keer een veelvoud van 3 getrokken; relatieve frequentie: 0,5000000.",
          "In 1000 trekkingen werd 312 keer een veelvoud van 3 getrokken; relatieve frequentie: 0,3120000."}}},
      {"pl", {',', u'≈', "OK", {
          "W 1 losowaniu wielokrotność liczby 3 wylosowano 0 razy; częstość względna: 0,0000000.",
          "W 2 losowaniach wielokrotność liczby 3 wylosowano 1 raz; częstość względna: 0,5000000.",
          "W 1000 losowaniach wielokrotność liczby 3 wylosowano 312 razy; częstość względna: 0,3120000."}}},
      {"tr", {',', u'≈', "Tamam", {
          "1 çekilişte 0 kez 3’ün katı geldi; göreli sıklık: 0,0000000.",
          "2 çekilişte 1 kez 3’ün katı geldi; göreli sıklık: 0,5000000.",
          "1000 çekilişte 312 kez 3’ün katı geldi; göreli sıklık: 0,3120000."}}},
      {"ru", {',', u'≈', "OK", {
          "В 1 опыте карта, кратная 3, выпала 0 раз; относительная частота: 0,0000000.",
          "В 2 опытах карта, кратная 3, выпала 1 раз; относительная частота: 0,5000000.",
          "В 1000 опытах карта, кратная 3, выпала 312 раз; относительная частота: 0,3120000."}}},
      {"uk", {',', u'≈', "OK", {
          "У 1 випробуванні карта, кратна 3, випала 0 разів; відносна частота: 0,0000000.",
          "У 2 випробуваннях карта, кратна 3, випала 1 раз; відносна частота: 0,5000000.",
          "У 1000 випробуваннях карта, кратна 3, випала 312 разів; відносна частота: 0,3120000."}}},
      {"vi", {',', u'≈', "OK", {
          "Trong 1 lần rút, có 0 lần rút được bội của 3; tần số tương đối là 0,0000000.",
          "Trong 2 lần rút, có 1 lần rút được bội của 3; tần số tương đối là 0,5000000.",
          "Trong 1000 lần rút, có 312 lần rút được bội của 3; tần số tương đối là 0,3120000."}}},
      {"id", {',', u'≈', "OK", {
          "Dari 1 pengambilan, kartu kelipatan 3 muncul 0 kali; frekuensi relatif: 0,0000000.",
          "Dari 2 pengambilan, kartu kelipatan 3 muncul 1 kali; frekuensi relatif: 0,5000000.",
          "Dari 1000 pengambilan, kartu kelipatan 3 muncul 312 kali; frekuensi relatif: 0,3120000."}}}};
  // clang-format on
  auto row = [&shown](const QString& name, const QString& language, const QStringList& environment,
                      bool found) {
    const Shown& look = shown.value(language);
    QStringList tallies;
    for (const char* tally : look.tallies) {
      tallies.append(QString::fromUtf8(tally));
    }
    QTest::newRow(qPrintable(name))
        << language << environment << found << QChar(look.separator) << QString(look.nearlyEqual)
        << QString::fromUtf8(look.ok) << tallies;
  };
  // And every language the build compiles in: one missing above fails.
  QStringList languages = shown.keys() + compiledLanguages();
  languages.removeDuplicates();
  for (const QString& language : languages) {
    row(language, language, {}, true);
  }
  // The numbers follow the language of the texts, not the formats' locale.
  row("zh_CN texts, German formats", "zh_CN", {"LANG=de_DE.UTF-8", "LANGUAGE=zh_CN"}, true);
  // A language with no translation, whose formats would take a comma, shows
  // English throughout.
  row("pt_PT, none found", "en", {"LANG=pt_PT.UTF-8"}, false);
}

void TestTranslations::eachLanguage() {
  QFETCH(QString, language);
  QFETCH(QStringList, environment);
  QFETCH(bool, found);
  QFETCH(QChar, separator);
  QFETCH(QString, nearlyEqual);
  QFETCH(QString, ok);
  QFETCH(QStringList, tallies);
  if (!environment.isEmpty() && !qEnvironmentVariableIsSet(kStartedAsUser)) {
    QCOMPARE(runRowStartedWith(environment), 0);
    return;
  }
  // Started with the row's environment, the texts are chosen as main() chooses
  // them: for the system's locale.
  const Translations translations{environment.isEmpty() ? QLocale(language) : QLocale::system()};
  QCOMPARE(translations.loaded(), found);

  const QList<TextFit> fits = measureTextFit(translations.language());
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
      const QString lacking =
          missingGlyphs(text, gothicFont(GothicSize::Medium, bold, translations.language()), faces);
      if (!lacking.isEmpty()) {
        missing.append(lacking + QStringLiteral(" in ") + text);
      }
    }
  }
  QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
  QVERIFY2(!faces.isEmpty(), "nothing was laid out");
  const QStringList asked =
      gothicFont(GothicSize::Medium, false, translations.language()).families();
  QCOMPARE(faces.subtract({asked.cbegin(), asked.cend()}).values(), QStringList());

  // Counts stay plain digits; ratios take the language's decimal separator, on
  // screen and in what a screen reader is told, where counts take their
  // plural forms.
  Session s(translations.language());
  s.replayable(20261208);
  const Announcer* announcer = s.form->findChild<Announcer*>();
  auto toldTally = [announcer](const QString& tally) {
    return announcer->told().endsWith(tally) && announcer->told() != tally;
  };
  QCOMPARE(s.caption("Label7"), QStringLiteral("0.3076923").replace('.', separator));
  QCOMPARE(s.caption("Label5"), nearlyEqual);
  QCOMPARE(s.caption("Label8"), nearlyEqual);
  s.performAll({"Shuffle", "tick*2", "Draw"});
  QCOMPARE(s.caption("Label6"), QStringLiteral("0.0000000").replace('.', separator));
  QVERIFY2(toldTally(tallies.at(0)), qPrintable(announcer->told()));
  s.perform("manual*1");
  QVERIFY2(toldTally(tallies.at(1)), qPrintable(announcer->told()));
  s.performAll({"AutoStart", "run"});
  QCOMPARE(s.caption("Label3"), QStringLiteral("1000"));
  QCOMPARE(s.caption("Label6"), QStringLiteral("0.3120000").replace('.', separator));
  QVERIFY2(toldTally(tallies.at(2)), qPrintable(announcer->told()));
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
