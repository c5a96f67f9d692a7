#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "cards.h"
#include "experiment.h"
#include "module1.h"
#include "randomsource.h"
#include "texts.h"

namespace {

// Chi-square critical values at an upper tail of 1e-6 (Wilson-Hilferty): a fair
// source essentially never exceeds them.
constexpr double kSinglesLimit = 114.499;  // 51 degrees of freedom
constexpr double kPairsLimit = 3067.05;    // 2703 degrees of freedom
constexpr double kRepeatZLimit = 5.33;     // two-sided 1e-7

double chiSquare(const std::vector<double>& observed, double expected) {
  double sum = 0;
  for (const double o : observed) {
    sum += (o - expected) * (o - expected) / expected;
  }
  return sum;
}

// Empty when the cards look drawn from a fair deck; else what gives them away:
// a card outside 1-52, the 52 card frequencies, the 52 x 52 non-overlapping
// pairs or how often the same card comes twice in a row.
QString unfairness(const std::vector<int>& cards) {
  std::vector<double> single(kCardCount, 0.0);
  std::vector<double> pair(static_cast<std::size_t>(kCardCount) * kCardCount, 0.0);
  double repeats = 0;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const int c = cards[i];
    if (c < 1 || c > kCardCount) {
      return QStringLiteral("card %1").arg(c);
    }
    single[static_cast<std::size_t>(c - 1)] += 1;
    if (i > 0 && cards[i - 1] == c) {
      repeats += 1;
    }
    if (i % 2 == 1) {
      pair[static_cast<std::size_t>((cards[i - 1] - 1) * kCardCount + c - 1)] += 1;
    }
  }
  const double n = static_cast<double>(cards.size());
  const double singles = chiSquare(single, n / kCardCount);
  const double pairs = chiSquare(pair, std::floor(n / 2) / (kCardCount * kCardCount));
  const double p = 1.0 / kCardCount;
  const double repeatZ = (repeats - (n - 1) * p) / std::sqrt((n - 1) * p * (1 - p));
  if (singles < kSinglesLimit && pairs < kPairsLimit && std::abs(repeatZ) < kRepeatZLimit) {
    return {};
  }
  return QStringLiteral("singles %1 pairs %2 repeat z %3").arg(singles).arg(pairs).arg(repeatZ);
}

constexpr int kStatisticsDraws = 520000;

// Afternoon, where a float of seconds since midnight moves in steps of about 4 ms.
constexpr float kAfternoon = 50000.125F;

}  // namespace

class TestCore : public QObject {
  Q_OBJECT

 private slots:
  void rankAndHit_data();
  void rankAndHit();
  void cardFromUniformBounds_data();
  void cardFromUniformBounds();
  void countingTrials();
  void texts_data();
  void texts();
  void everyDrawIsReseeded();
  void fairnessOfDraws_data();
  void fairnessOfDraws();
};

void TestCore::rankAndHit_data() {
  QTest::addColumn<int>("card");
  QTest::addColumn<int>("rank");
  QTest::addColumn<bool>("hit");
  // The rank as a player reads it off the card's name.
  const QStringList ranks{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                          "8",   "9", "10", "Jack", "Queen", "King"};
  for (int card = 1; card <= kCardCount; ++card) {
    const QString name = cardName(card);
    QTest::addRow("%s (card %d)", qPrintable(name), card)
        << card << static_cast<int>(ranks.indexOf(name.section(' ', 0, 0))) + 1
        << isMultipleOfThree(card);
  }
  QTest::newRow("no card yet") << 0 << 0 << true;
}

void TestCore::rankAndHit() {
  QFETCH(int, card);
  QFETCH(int, rank);
  QFETCH(bool, hit);
  const std::int16_t computed = rankOf(static_cast<std::int16_t>(card));
  QCOMPARE(computed, rank);
  QCOMPARE(isHit(computed), hit);
}

// Where rounding could push a card out of the deck, and two places between.
void TestCore::cardFromUniformBounds_data() {
  QTest::addColumn<double>("r");
  QTest::addColumn<int>("card");
  QTest::newRow("zero") << 0.0 << 1;
  QTest::newRow("smallest positive") << std::nextafter(0.0, 1.0) << 1;
  QTest::newRow("largest below one") << std::nextafter(1.0, 0.0) << 52;
  QTest::newRow("one half") << 0.5 << 27;
  QTest::newRow("first tenth") << 0.1 << 6;
}

void TestCore::cardFromUniformBounds() {
  QFETCH(double, r);
  QFETCH(int, card);
  QCOMPARE(cardFromUniform(r), card);
}

// Both ways of counting keep the rank of the card counted; a manual trial with
// the last place in the history taken counts nothing and writes nothing.
void TestCore::countingTrials() {
  auto shared = std::make_unique<Module1>();
  DrawTally tally;
  tally.currentCard = 13;
  QVERIFY(!countAutomaticTrial(*shared, tally).hit);
  QCOMPARE(tally.cardRank, 13);
  shared->trialCount = kHistoryLast - 1;
  tally.hitCount = 100;
  tally.currentCard = 3;
  QVERIFY(countManualTrial(*shared, tally).counted);
  QCOMPARE(tally.cardRank, 3);
  const auto before = shared->ratioHistory;
  const ManualTrial refused = countManualTrial(*shared, tally);
  QVERIFY(!refused.counted);
  QCOMPARE(refused.trialCount, kHistoryLast);
  QCOMPARE(shared->trialCount, kHistoryLast);
  QCOMPARE(tally.hitCount, 101);
  QVERIFY(shared->ratioHistory == before);
}

// English unless a separator is given.
void TestCore::texts_data() {
  QTest::addColumn<QString>("shown");
  QTest::addColumn<QString>("expected");
  auto row = [](const char* name, const std::string& shown, const char* expected) {
    QTest::newRow(name) << QString::fromStdString(shown) << QString(expected);
  };
  auto ratio = [](double value) { return static_cast<float>(value); };
  row("one third", ratioText(ratio(1.0 / 3)), "0.3333333");
  row("two thirds", ratioText(ratio(2.0 / 3)), "0.6666667");
  row("zero", ratioText(0.0F), "0.0000000");
  row("310 of 1000", ratioText(ratio(310.0 / 1000)), "0.3100000");
  row("1 of 100000", ratioText(ratio(1.0 / 100000)), "0.0000100");
  row("999999 of 1000000", ratioText(ratio(999999.0 / 1000000)), "0.9999990");
  // Exact ties in the eighth decimal round up, not to even.
  row("73 of 256, a tie", ratioText(ratio(73.0 / 256)), "0.2851563");
  // The float nearest 0.99999995 is 0.99999994039...: no tie, no carry.
  row("just under a carry into the units", ratioText(ratio(0.99999995)), "0.9999999");
  row("sixteen of 52", theoreticalProbabilityText("."), "0.3076923");
  // The language's separator, wherever the rounding carries.
  row("one, comma", ratioText(1.0F, ","), "1,0000000");
  row("73 of 256, comma", ratioText(ratio(73.0 / 256), ","), "0,2851563");
  row("a separator of two bytes", ratioText(0.5F, "\u066B"), "0\u066B5000000");
  row("a scale figure, comma", withSeparator("0.30", ","), "0,30");
  row("a scale figure without a point", withSeparator("100", ","), "100");
  row("minus five", plainText(-5), "-5");
  row("minus five, signed", signedBlankText(-5), "-5");
  row("zero, signed", signedBlankText(0), " 0");
}

void TestCore::texts() {
  QFETCH(QString, shown);
  QFETCH(QString, expected);
  QCOMPARE(shown, expected);
}

// Each draw reads the clock once, and what it reads decides the card.
void TestCore::everyDrawIsReseeded() {
  int reads = 0;
  auto draw = [&reads](std::uint64_t seed, float step) {
    RandomSource source(seed);
    std::vector<int> cards(200);
    reads = 0;
    std::generate(cards.begin(), cards.end(), [&] {
      return drawCard(source, [&] { return kAfternoon + static_cast<float>(reads++) * step; });
    });
    return cards;
  };
  const std::vector<int> cards = draw(5, 0.004F);
  QCOMPARE(reads, static_cast<int>(cards.size()));
  QVERIFY(draw(5, 0.004F) == cards);
  QVERIFY(draw(5, 0.008F) != cards);  // other times
  QVERIFY(draw(6, 0.004F) != cards);  // another seed
}

void TestCore::fairnessOfDraws_data() {
  QTest::addColumn<QString>("drawer");
  QTest::addColumn<bool>("frozen");  // every draw sees the same time
  for (const char* drawer : {"program", "audit tool", "restarting"}) {
    QTest::addRow("%s, real clock", drawer) << drawer << false;
    QTest::addRow("%s, frozen clock", drawer) << drawer << true;
  }
}

// The program's draws, in this process and through the audit tool; and, for
// the statistics to prove they can see it, the fault the reseed design exists
// to avoid: a generator started anew from the time value at every draw.
void TestCore::fairnessOfDraws() {
  QFETCH(QString, drawer);
  QFETCH(bool, frozen);
  std::vector<int> cards(kStatisticsDraws);
  int tick = 0;
  const auto clock = [&tick, frozen] {
    return frozen ? kAfternoon : kAfternoon + static_cast<float>(tick++) * 0.001F;
  };
  if (drawer == QLatin1String("program")) {
    RandomSource source(RandomSource::entropySeed());
    const std::function<float()> timeOfDay =
        frozen ? std::function<float()>(clock) : secondsSinceMidnight;
    std::generate(cards.begin(), cards.end(), [&] { return drawCard(source, timeOfDay); });
  } else if (drawer == QLatin1String("restarting")) {
    std::generate(cards.begin(), cards.end(), [&clock] {
      const float now = clock();
      RandomSource fresh(std::bit_cast<std::uint32_t>(now));
      fresh.reseed(now);
      return cardFromUniform(fresh.uniform());
    });
  } else {
    if (qEnvironmentVariableIsSet("VANDREL_TESTS_EMULATED")) {
      QSKIP("no program can be started under emulation");
    }
    // Into a file: under Wine, a pipe takes about a minute to carry the draws.
    const QTemporaryDir folder;
    const QString drawn = folder.filePath(QStringLiteral("drawn"));
    QProcess tool;
    tool.setStandardOutputFile(drawn);
    tool.start(VANDREL_DRAWS, QStringList{QString::number(kStatisticsDraws)} +
                                  (frozen ? QStringList{"--frozen-clock"} : QStringList()));
    QVERIFY(tool.waitForFinished(60000));
    QCOMPARE(tool.exitCode(), 0);
    QFile file(drawn);
    QVERIFY(file.open(QIODevice::ReadOnly));
    cards.clear();
    for (const QByteArray& line : file.readAll().trimmed().split('\n')) {
      cards.push_back(line.toInt());
    }
  }
  QCOMPARE(cards.size(), static_cast<std::size_t>(kStatisticsDraws));
  const QString unfair = unfairness(cards);
  QVERIFY2(unfair.isEmpty() != (drawer == QLatin1String("restarting")), qPrintable(unfair));
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
