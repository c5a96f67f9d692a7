#include "texts.h"

#include <array>
#include <charconv>

namespace {

// Seven decimals, rounded half away from zero as the pattern "0.0000000"
// rounds: a ratio such as 73/256 = 0.28515625 shows as 0.2851563. The rounding
// is done here on the exact decimal expansion, which to_chars gives for any
// double with enough digits; to_chars, unlike printf, also ignores the locale,
// so the separator is only ever the one asked for.
std::string sevenDecimals(double value, std::string_view separator) {
  constexpr int kDecimals = 7;
  constexpr int kExactDigits = 80;  // more than any ratio of counts needs
  std::array<char, 128> buffer{};
  const double magnitude = value < 0 ? -value : value;
  const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                          std::chars_format::fixed, kExactDigits);
  const std::string exact(buffer.data(), end);
  const std::size_t point = exact.find('.');
  std::string digits = exact.substr(0, point);
  digits.append(exact, point + 1, kDecimals);
  if (exact[point + 1 + kDecimals] >= '5') {
    // Add one in the last place, carrying leftwards.
    std::size_t at = digits.size();
    while (at > 0 && digits[at - 1] == '9') {
      digits[--at] = '0';
    }
    if (at == 0) {
      digits.insert(digits.begin(), '1');
    } else {
      ++digits[at - 1];
    }
  }
  if (value < 0 && digits.find_first_not_of('0') != std::string::npos) {
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
