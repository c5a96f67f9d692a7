#pragma once

#include <array>

struct HelpLine {
  int ideographicSpaces;  // leading U+3000, the same in every language
  const char* rest;       // source text, translated as it is printed
};

// The 22 lines the help window prints, as written in English.
extern const std::array<HelpLine, 22> kHelpLines;
