#pragma once

#include <cstdint>
#include <string>

// The number texts the windows show.

// "0.0000000": one digit, a full stop, seven digits, rounded.
std::string ratioText(float ratio);

// 16/52 in double precision: "0.3076923".
std::string theoreticalProbabilityText();

// "17", "-5", "0".
std::string plainText(std::int32_t number);

// " 17", "-5", " 0": a space stands where a minus sign would.
std::string signedBlankText(std::int32_t number);
