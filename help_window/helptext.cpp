#include "helptext.h"

#include <array>

namespace {

struct HelpLine {
  int ideographicSpaces;  // leading U+3000
  const char16_t* rest;
};

// The line breaks inside sentences are the text's own.
constexpr std::array<HelpLine, 22> kHelpLines{{
    {0, u""},
    {1, u"【Problem】"},
    {5, u"There is a set of playing cards."},
    {5, u"Use 52 cards excluding 2 jokers."},
    {5, u"There are 4 multiples of 3 for each of spades , clovers , diamonds , and"},
    {4, u"hearts , so there are 16 (4×4=16)．"},
    {5, u"Consider the probability that when one is drawn from these 52 cards , "},
    {4, u"that card is a multiple of 3."},
    {5, u"Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52."},
    {5, u"However , in reality , when one card is drawn one by one and returned 52 "},
    {4, u"terms , a card that is a multiple of 3 doesn't oppear exactly 16 times."},
    {5, u"Then , what is the relationship with theoretical probability 16/52 "},
    {4, u"obtained mathematically ?"},
    {0, u""},
    {1, u"【Operation method】"},
    {5, u"To do it manually , click the [Shuffle] button and then , the [Draw] button."},
    {5, u"To do it automatically , click the [AutoStart] button and then , the [AutoStop]"},
    {4, u"button."},
    {5, u"When you click the [Graph disply] button , the relationship between the"},
    {4, u"number of experiments and the ratio of cards drawn in multiples of 3 is  "},
    {4, u"displayed in a graph."},
    {5, u"Click the [Init] button to restart the experiment from the beginning."},
}};

}  // namespace

QStringList helpText() {
  QStringList lines;
  for (const HelpLine& line : kHelpLines) {
    lines.append(QString(line.ideographicSpaces, QChar(0x3000)) + QString::fromUtf16(line.rest));
  }
  return lines;
}
