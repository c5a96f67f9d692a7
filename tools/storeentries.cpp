// Writes the installed desktop entry, AppStream file and manual page from their
// templates, with the English texts below and their translations from each .ts
// file, and the manual page's list of languages from their names in English.
//   vandrel-store-entries DESKTOP_IN METAINFO_IN MANUAL_IN DESKTOP_OUT METAINFO_OUT
//                         MANUAL_OUT TS NAME [TS NAME]...
// In a template, a line holding only {Name} (and so on) becomes the English
// line and one line per language that translates it.

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QMap>
#include <QRegularExpression>
#include <QStringList>
#include <QTextStream>
#include <QXmlStreamReader>

#include <cstdio>
#include <utility>

namespace {

struct StoreText {
  const char* context;
  const char* source;
};

// The English of what the desktop's menu and the software centre show; lupdate
// reads them here, so every .ts file has them to translate.
//: Menu entry's name: the program's name, optionally followed by a few words saying
//: what it is, as in Japanese "Vandrel トランプで確率".
constexpr StoreText kMenuName{"Desktop", QT_TRANSLATE_NOOP("Desktop", "Vandrel")};
//: Menu entry's tooltip.
constexpr StoreText kMenuComment{
    "Desktop",
    QT_TRANSLATE_NOOP(
        "Desktop",
        "Draw playing cards and watch the share of multiples of 3 settle towards 16/52")};
//: Search words for the menu, each ended by a semicolon; keep the semicolons, no spaces
//: around them.
constexpr StoreText kMenuKeywords{"Desktop",
                                  QT_TRANSLATE_NOOP("Desktop", "probability;cards;statistics;")};
//: The program's name in the software centre.
constexpr StoreText kStoreName{"AppStream", QT_TRANSLATE_NOOP("AppStream", "Vandrel")};
//: One-line summary, no full stop at the end.
constexpr StoreText kStoreSummary{
    "AppStream",
    QT_TRANSLATE_NOOP("AppStream", "Watch the share of multiples of 3 settle towards 16/52")};
//: The description, one paragraph on one line.
constexpr StoreText kStoreDescription{
    "AppStream",
    QT_TRANSLATE_NOOP(
        "AppStream",
        "Vandrel teaches probability with a deck of 52 playing cards. Students draw cards by hand "
        "or in a fast automatic run of 1000 draws and watch the share of cards whose rank is a "
        "multiple of 3 settle towards the theoretical 16/52, shown beside it and plotted against "
        "the number of draws.")};

// One language's finished translations, by context and source.
struct Language {
  QString code;  // from the file name: vandrel_pt_BR.ts gives pt_BR
  QString name;  // in English, as the manual page names it
  QMap<QString, QString> texts;

  QString find(const StoreText& text) const {
    return texts.value(QLatin1String(text.context) + QChar(4) + QString::fromUtf8(text.source));
  }
};

bool readTs(const QString& path, Language& language) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    return false;
  }
  static const QRegularExpression name(QStringLiteral("^[^_]+_(.+)\\.ts$"));
  language.code = name.match(QFileInfo(path).fileName()).captured(1);
  QXmlStreamReader xml(&file);
  QString context;
  QString source;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) {
      continue;
    }
    const auto tag = xml.name();
    if (tag == QLatin1String("name")) {
      context = xml.readElementText();
    } else if (tag == QLatin1String("source")) {
      source = xml.readElementText();
    } else if (tag == QLatin1String("translation")) {
      const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      const QString text = xml.readElementText(QXmlStreamReader::SkipChildElements);
      if (finished && !text.isEmpty()) {
        language.texts.insert(context + QChar(4) + source, text);
      }
    }
  }
  return !language.code.isEmpty() && !xml.hasError();
}

QString escaped(const QString& text) { return text.toHtmlEscaped(); }

// The English line and a line for each language, as `line(code, text)` writes them.
template <typename Line>
QStringList linesFor(const StoreText& text, const QList<Language>& languages, Line line) {
  QStringList lines{line(QString(), QString::fromUtf8(text.source))};
  for (const Language& language : languages) {
    const QString translated = language.find(text);
    if (!translated.isEmpty()) {
      lines.append(line(language.code, translated));
    }
  }
  return lines;
}

QStringList desktopLines(const QString& key, const StoreText& text,
                         const QList<Language>& languages) {
  return linesFor(text, languages, [&key](const QString& code, const QString& value) {
    return (code.isEmpty() ? key : key + QLatin1Char('[') + code + QLatin1Char(']')) +
           QLatin1Char('=') + value;
  });
}

QStringList xmlLines(const QString& indent, const QString& tag, const StoreText& text,
                     const QList<Language>& languages) {
  return linesFor(text, languages, [&](const QString& code, const QString& value) {
    const QString lang = code.isEmpty() ? QString() : QStringLiteral(" xml:lang=\"%1\"").arg(code);
    return indent + QStringLiteral("<%1%2>%3</%1>").arg(tag, lang, escaped(value));
  });
}

// "A", "A and B", "A, B and C".
QString listed(const QStringList& items) {
  if (items.size() < 2) {
    return items.join(QString());
  }
  return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") +
         items.last();
}

// The manual page's languages, one a line, English first: "English,", "German (de),"
// and so on to "and Simplified Chinese (zh_CN).".
QStringList manualLanguages(const QList<Language>& languages) {
  QStringList lines{QStringLiteral("English")};
  for (const Language& language : languages) {
    lines.append(QStringLiteral("%1 (%2)").arg(language.name, language.code));
  }
  for (qsizetype i = 0; i + 2 < lines.size(); ++i) {
    lines[i].append(QLatin1Char(','));
  }
  if (lines.size() > 1) {
    lines.last().prepend(QStringLiteral("and "));
  }
  lines.last().append(QLatin1Char('.'));
  return lines;
}

// The theoretical value as each language shows it, with the languages that show
// it so: "0.3076923 in English, Japanese and Korean;". The program writes its
// numbers with the decimal point of the language its texts were found in, and
// of no language (the C locale) in English.
QStringList manualSeparators(const QList<Language>& languages) {
  QList<std::pair<QString, QStringList>> shown;
  const auto add = [&shown](const QString& separator, const QString& name) {
    for (auto& [written, names] : shown) {
      if (written == separator) {
        names.append(name);
        return;
      }
    }
    shown.append({separator, {name}});
  };
  add(QLocale::c().decimalPoint(), QStringLiteral("English"));
  for (const Language& language : languages) {
    add(QLocale(language.code).decimalPoint(), language.name);
  }
  QStringList lines;
  for (const auto& [separator, names] : shown) {
    lines.append(QStringLiteral("0") + separator + QStringLiteral("3076923 in ") + listed(names) +
                 QLatin1Char(';'));
  }
  lines.last().back() = QLatin1Char('.');
  return lines;
}

bool fill(const QString& in, const QString& out, const QMap<QString, QStringList>& blocks) {
  QFile input(in);
  QFile output(out);
  if (!input.open(QIODevice::ReadOnly | QIODevice::Text) ||
      !output.open(QIODevice::WriteOnly | QIODevice::Text | QIODevice::Truncate)) {
    return false;
  }
  QTextStream read(&input);
  QTextStream write(&output);
  while (!read.atEnd()) {
    const QString line = read.readLine();
    const auto block = blocks.find(line.trimmed());
    if (block == blocks.end()) {
      write << line << '\n';
    } else {
      for (const QString& filled : *block) {
        write << filled << '\n';
      }
    }
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const QCoreApplication application(argc, argv);
  const QStringList arguments = QCoreApplication::arguments().mid(1);
  constexpr int kFixedArguments = 6;
  if (arguments.size() < kFixedArguments || (arguments.size() - kFixedArguments) % 2 != 0) {
    std::fputs(
        "usage: vandrel-store-entries DESKTOP_IN METAINFO_IN MANUAL_IN DESKTOP_OUT "
        "METAINFO_OUT MANUAL_OUT TS NAME [TS NAME]...\n",
        stderr);
    return 2;
  }
  QList<Language> languages;
  for (qsizetype i = kFixedArguments; i < arguments.size(); i += 2) {
    Language language;
    if (!readTs(arguments.at(i), language)) {
      std::fprintf(stderr, "cannot read %s\n", qPrintable(arguments.at(i)));
      return 1;
    }
    language.name = arguments.at(i + 1);
    languages.append(language);
  }
  const QString indent(4, QLatin1Char(' '));
  const QMap<QString, QStringList> desktop{
      {QStringLiteral("{Name}"), desktopLines(QStringLiteral("Name"), kMenuName, languages)},
      {QStringLiteral("{Comment}"),
       desktopLines(QStringLiteral("Comment"), kMenuComment, languages)},
      {QStringLiteral("{Keywords}"),
       desktopLines(QStringLiteral("Keywords"), kMenuKeywords, languages)},
  };
  const QMap<QString, QStringList> metainfo{
      {QStringLiteral("{name}"),
       xmlLines(QString(2, QLatin1Char(' ')), QStringLiteral("name"), kStoreName, languages)},
      {QStringLiteral("{summary}"),
       xmlLines(QString(2, QLatin1Char(' ')), QStringLiteral("summary"), kStoreSummary, languages)},
      {QStringLiteral("{description}"),
       xmlLines(indent, QStringLiteral("p"), kStoreDescription, languages)},
  };
  const QMap<QString, QStringList> manual{
      {QStringLiteral("{languages}"), manualLanguages(languages)},
      {QStringLiteral("{separators}"), manualSeparators(languages)},
  };
  if (!fill(arguments.at(0), arguments.at(3), desktop) ||
      !fill(arguments.at(1), arguments.at(4), metainfo) ||
      !fill(arguments.at(2), arguments.at(5), manual)) {
    std::fputs("cannot write the store entries and the manual page\n", stderr);
    return 1;
  }
  return 0;
}
