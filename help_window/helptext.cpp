#include "helptext.h"

#include <QtGlobal>

// The line breaks inside sentences are the text's own. Each line is printed on
// a line of its own and cut, never wrapped, at the window's right edge: a
// translation keeps the 22 lines, carrying a sentence on into the next line
// where the English does.
const std::array<HelpLine, 22> kHelpLines{{
    {0, ""},
    //: A line of the help text. Sentences run on over several lines; keep each
    //: line short enough for the window, which cuts rather than wraps.
    {1, QT_TRANSLATE_NOOP("Form4", "【Problem】")},
    {5, QT_TRANSLATE_NOOP("Form4", "There is a set of playing cards.")},
    {5, QT_TRANSLATE_NOOP("Form4", "Use 52 cards excluding 2 jokers.")},
    {5, QT_TRANSLATE_NOOP(
            "Form4", "There are 4 multiples of 3 for each of spades , clovers , diamonds , and")},
    {4, QT_TRANSLATE_NOOP("Form4", "hearts , so there are 16 (4×4=16)．")},
    {5, QT_TRANSLATE_NOOP(
            "Form4", "Consider the probability that when one is drawn from these 52 cards , ")},
    {4, QT_TRANSLATE_NOOP("Form4", "that card is a multiple of 3.")},
    {5, QT_TRANSLATE_NOOP(
            "Form4", "Of the 52 cards , 16 are multiples of 3 , so mathematically it is 16/52.")},
    {5, QT_TRANSLATE_NOOP(
            "Form4", "However , in reality , when one card is drawn one by one and returned 52 ")},
    {4, QT_TRANSLATE_NOOP(
            "Form4", "terms , a card that is a multiple of 3 doesn't oppear exactly 16 times.")},
    {5, QT_TRANSLATE_NOOP("Form4",
                          "Then , what is the relationship with theoretical probability 16/52 ")},
    {4, QT_TRANSLATE_NOOP("Form4", "obtained mathematically ?")},
    {0, ""},
    {1, QT_TRANSLATE_NOOP("Form4", "【Operation method】")},
    {5,
     QT_TRANSLATE_NOOP(
         "Form4", "To do it manually , click the [Shuffle] button and then , the [Draw] button.")},
    {5, QT_TRANSLATE_NOOP(
            "Form4",
            "To do it automatically , click the [AutoStart] button and then , the [AutoStop]")},
    //: Help text: the end of the previous line's sentence.
    {4, QT_TRANSLATE_NOOP("Form4", "button.")},
    {5, QT_TRANSLATE_NOOP(
            "Form4", "When you click the [Graph disply] button , the relationship between the")},
    {4, QT_TRANSLATE_NOOP(
            "Form4", "number of experiments and the ratio of cards drawn in multiples of 3 is  ")},
    {4, QT_TRANSLATE_NOOP("Form4", "displayed in a graph.")},
    {5, QT_TRANSLATE_NOOP("Form4",
                          "Click the [Init] button to restart the experiment from the beginning.")},
}};
