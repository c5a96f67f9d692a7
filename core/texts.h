#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number texts the windows show. The decimal separator is the language's
// ("," in French); the English texts have a full stop.

// "0.0000000": one digit, the separator, seven digits, rounded.
std::string ratioText(float ratio, std::string_view decimalSeparator = ".");

// 16/52 in double precision: "0.3076923".
std::string theoreticalProbabilityText(std::string_view decimalSeparator = ".");

// "0.30" or "0,30": a text with a full stop, given the language's separator.
std::string withSeparator(std::string_view text, std::string_view decimalSeparator);

// "17", "-5", "0".
std::string plainText(std::int32_t number);

// " 17", "-5", " 0": a space stands where a minus sign would.
std::string signedBlankText(std::int32_t number);
