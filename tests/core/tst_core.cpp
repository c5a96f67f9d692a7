#include <QProcess>
#include <QStringList>
#include <QTest>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "cards.h"
#include "experiment.h"
#include "module1.h"
#include "randomsource.h"
#include "texts.h"

namespace {

// Critical value of a chi-square with `dof` degrees of freedom at an upper tail
// of 1e-6 (Wilson-Hilferty): a fair source essentially never exceeds it.
double chiSquareCritical(double dof) {
  constexpr double kZ = 4.753424;  // standard normal upper 1e-6 point
  const double h = 2.0 / (9.0 * dof);
  return dof * std::pow(1.0 - h + kZ * std::sqrt(h), 3.0);
}

struct Verdict {
  double singles = 0;   // chi-square of the 52 card frequencies
  double pairs = 0;     // chi-square of the 52 x 52 non-overlapping pairs
  double repeatZ = 0;   // z-score of "same card twice in a row"
  bool inRange = true;  // every card in 1-52
};

Verdict judge(const std::vector<int>& cards) {
  Verdict v;
  std::array<double, kCardCount> single{};
  std::vector<double> pair(static_cast<std::size_t>(kCardCount) * kCardCount, 0.0);
  double repeats = 0;
  for (std::size_t i = 0; i < cards.size(); ++i) {
    const int c = cards[i];
    if (c < 1 || c > kCardCount) {
      v.inRange = false;
      return v;
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
  const double expectSingle = n / kCardCount;
  for (const double observed : single) {
    v.singles += (observed - expectSingle) * (observed - expectSingle) / expectSingle;
  }
  const double expectPair = std::floor(n / 2) / (kCardCount * kCardCount);
  for (const double observed : pair) {
    v.pairs += (observed - expectPair) * (observed - expectPair) / expectPair;
  }
  const double p = 1.0 / kCardCount;
  const double m = n - 1;
  v.repeatZ = (repeats - m * p) / std::sqrt(m * p * (1 - p));
  return v;
}

bool isFair(const Verdict& v) {
  constexpr double kRepeatZLimit = 5.33;  // two-sided 1e-7
  return v.inRange && v.singles < chiSquareCritical(kCardCount - 1) &&
         v.pairs < chiSquareCritical(kCardCount * kCardCount - 1) &&
         std::abs(v.repeatZ) < kRepeatZLimit;
}

constexpr int kStatisticsDraws = 520000;

// Afternoon, where a float of seconds since midnight moves in steps of about 4 ms.
constexpr float kAfternoon = 50000.125F;

std::vector<int> drawMany(RandomSource& source, const std::function<float()>& clock, int count) {
  std::vector<int> cards;
  cards.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    cards.push_back(drawCard(source, clock));
  }
  return cards;
}

// The fault the reseed design exists to avoid: a generator started anew from the
// time value at every draw.
std::vector<int> drawRestarting(const std::function<float()>& clock, int count) {
  std::vector<int> cards;
  for (int i = 0; i < count; ++i) {
    const float now = clock();
    RandomSource fresh(std::bit_cast<std::uint32_t>(now));
    fresh.reseed(now);
    cards.push_back(cardFromUniform(fresh.uniform()));
  }
  return cards;
}

}  // namespace

class TestCore : public QObject {
  Q_OBJECT

 private slots:
  void rankAndHit_data();
  void rankAndHit();
  void cardFromUniformBounds_data();
  void cardFromUniformBounds();
  void cardFromUniformNeverLeavesTheDeck();
  void manualAndAutomaticAgree_data();
  void manualAndAutomaticAgree();
  void automaticRunEnds_data();
  void automaticRunEnds();
  void historyInvariantHolds();
  void historyFullRefusesManualTrial();
  void ratioTexts_data();
  void ratioTexts();
  void numberTexts_data();
  void numberTexts();
  void everyDrawIsReseeded_data();
  void everyDrawIsReseeded();
  void drawsAreFair_data();
  void drawsAreFair();
  void restartingGeneratorIsCaught_data();
  void restartingGeneratorIsCaught();
  void auditToolDrawsFairly_data();
  void auditToolDrawsFairly();
};

void TestCore::rankAndHit_data() {
  QTest::addColumn<int>("card");
  QTest::addColumn<int>("rank");
  QTest::addColumn<bool>("hit");
  for (int card = 1; card <= kCardCount; ++card) {
    QTest::addRow("%s (card %d)", qPrintable(cardName(card)), card)
        << card << (card - 1) % 13 + 1 << isMultipleOfThree(card);
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

void TestCore::cardFromUniformBounds_data() {
  QTest::addColumn<double>("r");
  QTest::addColumn<int>("card");
  QTest::newRow("zero") << 0.0 << 1;
  QTest::newRow("largest below one") << std::nextafter(1.0, 0.0) << 52;
  QTest::newRow("one half") << 0.5 << 27;
  QTest::newRow("first tenth") << 0.1 << 6;
  QTest::newRow("smallest positive") << std::nextafter(0.0, 1.0) << 1;
}

void TestCore::cardFromUniformBounds() {
  QFETCH(double, r);
  QFETCH(int, card);
  QCOMPARE(cardFromUniform(r), card);
}

void TestCore::cardFromUniformNeverLeavesTheDeck() {
  // Every boundary k/52 and its neighbours, where rounding could push a card out.
  for (int k = 0; k <= kCardCount; ++k) {
    const double edge = static_cast<double>(k) / kCardCount;
    for (const double r : {std::nextafter(edge, 0.0), edge, std::nextafter(edge, 1.0)}) {
      if (r < 0.0 || r >= 1.0) {
        continue;
      }
      const int card = cardFromUniform(r);
      QVERIFY2(card >= 1 && card <= kCardCount, qPrintable(QString::number(r, 'g', 17)));
    }
  }
}

void TestCore::manualAndAutomaticAgree_data() {
  QTest::addColumn<QList<int>>("cards");
  QTest::newRow("one hit") << QList<int>{12};
  QTest::newRow("one miss") << QList<int>{13};
  QTest::newRow("mixed suits") << QList<int>{3, 26, 51, 1, 38, 39, 16};
  QTest::newRow("all kings") << QList<int>{13, 26, 39, 52};
}

void TestCore::manualAndAutomaticAgree() {
  QFETCH(QList<int>, cards);
  auto manualShared = std::make_unique<Module1>();
  auto autoShared = std::make_unique<Module1>();
  DrawTally manual;
  DrawTally automatic;
  for (const int card : cards) {
    manual.currentCard = automatic.currentCard = static_cast<std::int16_t>(card);
    const ManualTrial m = countManualTrial(*manualShared, manual);
    const AutomaticTrial a = countAutomaticTrial(*autoShared, automatic);
    const float ratio = storeRatio(*autoShared, automatic);
    QVERIFY(m.counted);
    QVERIFY(!a.ended);
    QCOMPARE(m.hit, a.hit);
    QCOMPARE(m.ratio, ratio);
    QCOMPARE(m.trialCount, autoShared->trialCount);
  }
  QCOMPARE(manualShared->trialCount, autoShared->trialCount);
  QCOMPARE(manual.hitCount, automatic.hitCount);
  QCOMPARE(manual.cardRank, automatic.cardRank);
  QVERIFY(manualShared->ratioHistory == autoShared->ratioHistory);
}

void TestCore::automaticRunEnds_data() {
  QTest::addColumn<int>("trials");
  QTest::addColumn<int>("hits");
  QTest::addColumn<float>("ratio");
  QTest::newRow("a completed run") << 1000 << 310 << 0.31F;
  QTest::newRow("past 1000 by hand") << 1500 << 700 << 0.46666667F;
}

void TestCore::automaticRunEnds() {
  QFETCH(int, trials);
  QFETCH(int, hits);
  QFETCH(float, ratio);
  auto shared = std::make_unique<Module1>();
  DrawTally tally;
  shared->trialCount = trials;
  tally.hitCount = hits;
  tally.currentCard = 12;  // a hit, which must not be counted
  const float stale = 0.125F;
  shared->ratioHistory[static_cast<std::size_t>(trials)] = stale;

  const AutomaticTrial a = countAutomaticTrial(*shared, tally);
  QVERIFY(a.ended);
  QVERIFY(!a.hit);
  QCOMPARE(shared->trialCount, trials);
  QCOMPARE(tally.hitCount, hits);
  QCOMPARE(storeRatio(*shared, tally), ratio);
  QCOMPARE(shared->ratioHistory[static_cast<std::size_t>(trials)], ratio);
}

void TestCore::historyInvariantHolds() {
  auto shared = std::make_unique<Module1>();
  DrawTally tally;
  RandomSource source(20261208);
  const auto clock = [] { return kAfternoon; };
  for (int i = 0; i < 3000; ++i) {
    tally.currentCard = drawCard(source, clock);
    if (i % 3 == 0) {
      countManualTrial(*shared, tally);
    } else if (!countAutomaticTrial(*shared, tally).ended) {
      storeRatio(*shared, tally);
    }
    // Entry n times n gives back the hits counted in the first n draws.
    const auto index = static_cast<std::size_t>(shared->trialCount);
    QCOMPARE(qRound(shared->ratioHistory[index] * static_cast<float>(shared->trialCount)),
             tally.hitCount);
  }
}

void TestCore::historyFullRefusesManualTrial() {
  auto shared = std::make_unique<Module1>();
  DrawTally tally;
  shared->trialCount = kHistoryLast - 1;
  tally.hitCount = 100;
  tally.currentCard = 3;
  QVERIFY(countManualTrial(*shared, tally).counted);
  QCOMPARE(shared->trialCount, kHistoryLast);
  const auto before = shared->ratioHistory;
  const ManualTrial refused = countManualTrial(*shared, tally);
  QVERIFY(!refused.counted);
  QCOMPARE(refused.trialCount, kHistoryLast);
  QCOMPARE(shared->trialCount, kHistoryLast);
  QCOMPARE(tally.hitCount, 101);
  QVERIFY(shared->ratioHistory == before);
}

void TestCore::ratioTexts_data() {
  QTest::addColumn<float>("ratio");
  QTest::addColumn<QString>("separator");
  QTest::addColumn<QString>("text");
  auto row = [](const char* name, double ratio, const char* separator, const char* text) {
    QTest::newRow(name) << static_cast<float>(ratio) << separator << text;
  };
  row("one third", 1.0 / 3, ".", "0.3333333");
  row("two thirds", 2.0 / 3, ".", "0.6666667");
  row("one", 1.0, ".", "1.0000000");
  row("zero", 0.0, ".", "0.0000000");
  row("310 of 1000", 310.0 / 1000, ".", "0.3100000");
  row("1 of 100000", 1.0 / 100000, ".", "0.0000100");
  // Exact ties in the eighth decimal round up, not to even.
  row("73 of 256, a tie", 73.0 / 256, ".", "0.2851563");
  row("1 of 256, a tie", 1.0 / 256, ".", "0.0039063");
  row("3 of 256, a tie", 3.0 / 256, ".", "0.0117188");
  row("999999 of 1000000", 999999.0 / 1000000, ".", "0.9999990");
  // The language's separator, wherever the rounding carries.
  row("two thirds, comma", 2.0 / 3, ",", "0,6666667");
  row("one, comma", 1.0, ",", "1,0000000");
  row("73 of 256, comma", 73.0 / 256, ",", "0,2851563");
  row("a separator of two bytes", 0.5, "\u066B", "0\u066B5000000");
}

void TestCore::ratioTexts() {
  QFETCH(float, ratio);
  QFETCH(QString, separator);
  QFETCH(QString, text);
  QCOMPARE(QString::fromStdString(ratioText(ratio, separator.toStdString())), text);
  if (separator == QLatin1String(".")) {
    QCOMPARE(QString::fromStdString(ratioText(ratio)), text);  // English, as before
  }
}

void TestCore::numberTexts_data() {
  QTest::addColumn<int>("number");
  QTest::addColumn<QString>("plain");
  QTest::addColumn<QString>("signedBlank");
  auto row = [](const char* name, int number, const char* plain, const char* signedBlank) {
    QTest::newRow(name) << number << plain << signedBlank;
  };
  row("seventeen", 17, "17", " 17");
  row("minus five", -5, "-5", "-5");
  row("zero", 0, "0", " 0");
  row("history bound", 100000, "100000", " 100000");
}

void TestCore::numberTexts() {
  QFETCH(int, number);
  QFETCH(QString, plain);
  QFETCH(QString, signedBlank);
  QCOMPARE(QString::fromStdString(plainText(number)), plain);
  QCOMPARE(QString::fromStdString(signedBlankText(number)), signedBlank);
  QCOMPARE(QString::fromStdString(theoreticalProbabilityText()), QString("0.3076923"));
  QCOMPARE(QString::fromStdString(theoreticalProbabilityText(",")), QString("0,3076923"));
  QCOMPARE(withSeparator("0.30", ","), std::string("0,30"));
  QCOMPARE(withSeparator("100", ","), std::string("100"));
}

void TestCore::everyDrawIsReseeded_data() {
  QTest::addColumn<quint64>("otherSeed");
  QTest::addColumn<float>("otherStep");  // seconds between the second sequence's times
  QTest::addColumn<bool>("same");        // the two give the same cards
  QTest::newRow("same seed, same times") << quint64{5} << 0.004F << true;
  QTest::newRow("same seed, other times") << quint64{5} << 0.008F << false;
  QTest::newRow("other seed, same times") << quint64{6} << 0.004F << false;
}

// Each draw reads the clock once, and what it reads decides the card.
void TestCore::everyDrawIsReseeded() {
  QFETCH(quint64, otherSeed);
  QFETCH(float, otherStep);
  QFETCH(bool, same);
  constexpr int kDraws = 200;
  auto draw = [](std::uint64_t seed, float step, int& reads) {
    RandomSource source(seed);
    return drawMany(
        source, [&reads, step] { return kAfternoon + static_cast<float>(reads++) * step; }, kDraws);
  };
  int reads = 0;
  int otherReads = 0;
  const std::vector<int> cards = draw(5, 0.004F, reads);
  const std::vector<int> other = draw(otherSeed, otherStep, otherReads);
  QCOMPARE(reads, kDraws);
  QCOMPARE(otherReads, kDraws);
  QCOMPARE(cards == other, same);
}

void TestCore::drawsAreFair_data() {
  QTest::addColumn<bool>("frozen");
  QTest::newRow("real clock") << false;
  QTest::newRow("frozen clock") << true;
}

void TestCore::drawsAreFair() {
  QFETCH(bool, frozen);
  std::function<float()> clock = secondsSinceMidnight;
  if (frozen) {
    clock = [] { return kAfternoon; };
  }
  RandomSource source(RandomSource::entropySeed());
  const Verdict v = judge(drawMany(source, clock, kStatisticsDraws));
  QVERIFY2(
      isFair(v),
      qPrintable(
          QString("singles %1 pairs %2 repeat z %3").arg(v.singles).arg(v.pairs).arg(v.repeatZ)));
}

void TestCore::restartingGeneratorIsCaught_data() {
  QTest::addColumn<bool>("frozen");
  QTest::newRow("frozen clock") << true;
  QTest::newRow("afternoon clock, one draw a millisecond") << false;
}

void TestCore::restartingGeneratorIsCaught() {
  QFETCH(bool, frozen);
  int tick = 0;
  const std::function<float()> clock = [&tick, frozen] {
    return frozen ? kAfternoon : kAfternoon + static_cast<float>(tick++) * 0.001F;
  };
  QVERIFY(!isFair(judge(drawRestarting(clock, kStatisticsDraws))));
}

void TestCore::auditToolDrawsFairly_data() {
  QTest::addColumn<QStringList>("arguments");
  QTest::newRow("real clock") << QStringList{QString::number(kStatisticsDraws)};
  QTest::newRow("frozen clock") << QStringList{QString::number(kStatisticsDraws), "--frozen-clock"};
}

void TestCore::auditToolDrawsFairly() {
  QFETCH(QStringList, arguments);
  QProcess tool;
  tool.start(VANDREL_DRAWS, arguments);
  QVERIFY(tool.waitForFinished(60000));
  QCOMPARE(tool.exitCode(), 0);
  const QList<QByteArray> lines = tool.readAllStandardOutput().split('\n');
  std::vector<int> cards;
  for (const QByteArray& line : lines) {
    if (!line.isEmpty()) {
      cards.push_back(line.toInt());
    }
  }
  QCOMPARE(cards.size(), static_cast<std::size_t>(kStatisticsDraws));
  QVERIFY(isFair(judge(cards)));
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
