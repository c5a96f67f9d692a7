#pragma once

#include <QSet>
#include <QString>

#include <array>

// The deck as a player knows it, written out here on its own rather than taken
// from the program: spades, clubs, hearts, diamonds, each ace to king.
inline QString cardName(int card) {
  static const std::array<const char*, 13> ranks{"Ace", "2", "3",  "4",    "5",     "6",   "7",
                                                 "8",   "9", "10", "Jack", "Queen", "King"};
  static const std::array<const char*, 4> suits{"spades", "clubs", "hearts", "diamonds"};
  const auto index = static_cast<std::size_t>(card - 1);
  return QStringLiteral("%1 of %2")
      .arg(QLatin1String(ranks.at(index % 13)), QLatin1String(suits.at(index / 13)));
}

// The sixteen cards whose rank is a multiple of 3: the threes, sixes, nines and queens.
inline bool isMultipleOfThree(int card) {
  static const QSet<int> hits{3, 6, 9, 12, 16, 19, 22, 25, 29, 32, 35, 38, 42, 45, 48, 51};
  return hits.contains(card);
}
