#include "texts.h"

#include <array>
#include <charconv>

namespace {

// to_chars, unlike printf, ignores the locale: the point is always a full stop.
std::string sevenDecimals(double value) {
  constexpr int kDecimals = 7;
  std::array<char, 32> buffer{};
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                          std::chars_format::fixed, kDecimals);
  return {buffer.data(), end};
}

}  // namespace

std::string ratioText(float ratio) { return sevenDecimals(static_cast<double>(ratio)); }

std::string theoreticalProbabilityText() {
  constexpr double kMultiplesOfThree = 16;
  constexpr double kCards = 52;
  return sevenDecimals(kMultiplesOfThree / kCards);
}

std::string plainText(std::int32_t number) { return std::to_string(number); }

std::string signedBlankText(std::int32_t number) {
  if (number < 0) {
    return plainText(number);
  }
  std::string text(1, ' ');
  return text.append(plainText(number));
}
