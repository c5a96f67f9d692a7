#include "texts.h"

#include <cmath>
#include <cstdint>

namespace {

// The first eight decimals of `magnitude`, exactly, without rounding: its
// binary mantissa times 10^8, shifted into place in 128-bit integers. Exact
// for any magnitude below 2^47, which covers every ratio and probability.
std::uint64_t firstEightDecimals(double magnitude) {
  __extension__ using Wide = unsigned __int128;
  constexpr int kMantissaBits = 53;
  constexpr int kWideBits = 128;
  constexpr std::uint64_t kHundredMillion = 100'000'000;
  int exponent = 0;
  const double fraction = std::frexp(magnitude, &exponent);
  const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, kMantissaBits));
  const Wide scaled = Wide{mantissa} * kHundredMillion;
  const int shift = kMantissaBits - exponent;
  if (shift >= kWideBits) {
    return 0;
  }
  return static_cast<std::uint64_t>(shift >= 0 ? scaled >> shift : scaled << -shift);
}

// Seven decimals, rounded half away from zero as the pattern "0.0000000"
// rounds: a ratio such as 73/256 = 0.28515625 shows as 0.2851563. The rounding
// is done on the exact eighth decimal, not on a double already rounded in
// binary; and no C library call is made, so the locale never chooses the
// separator: it is only ever the one asked for.
std::string sevenDecimals(double value, std::string_view separator) {
  constexpr int kDecimals = 7;
  constexpr std::uint64_t kTen = 10;
  constexpr std::uint64_t kHalfAUnit = 5;
  const std::uint64_t eight = firstEightDecimals(value < 0 ? -value : value);
  const std::uint64_t seven = eight / kTen + (eight % kTen >= kHalfAUnit ? 1 : 0);
  std::string digits = std::to_string(seven);
  if (digits.size() <= kDecimals) {
    digits.insert(0, kDecimals + 1 - digits.size(), '0');
  }
  if (value < 0 && seven != 0) {
    digits.insert(0, 1, '-');
  }
  // The separator goes in place: joining pieces with operator+ trips GCC 12's
  // -Wrestrict false positive at -O3.
  digits.insert(digits.size() - kDecimals, separator);
  return digits;
}

}  // namespace

std::string ratioText(float ratio, std::string_view decimalSeparator) {
  return sevenDecimals(static_cast<double>(ratio), decimalSeparator);
}

std::string theoreticalProbabilityText(std::string_view decimalSeparator) {
  constexpr double kMultiplesOfThree = 16;
  constexpr double kCards = 52;
  return sevenDecimals(kMultiplesOfThree / kCards, decimalSeparator);
}

std::string withSeparator(std::string_view text, std::string_view decimalSeparator) {
  std::string result(text);
  if (const std::size_t point = result.find('.'); point != std::string::npos) {
    result.replace(point, 1, decimalSeparator);
  }
  return result;
}

std::string plainText(std::int32_t number) { return std::to_string(number); }

std::string signedBlankText(std::int32_t number) {
  if (number < 0) {
    return plainText(number);
  }
  std::string text(1, ' ');
  return text.append(plainText(number));
}
