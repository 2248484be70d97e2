#pragma once

// Numbers as a user copies them, with blanks, tabs and line ends, and what the
// first-series number field (eleven digits) holds after each is pasted. Every
// route a paste takes into the field answers to this one table. The texts are
// UTF-8: web pages and Italian or French documents group digits with
// no-break and narrow no-break spaces, and any white space is a blank.

#include <ostream>

struct PasteCase {
    const char* name;
    const char* typed;  // in the field before the paste, the caret at its end
    const char* pasted; // what the clipboard or the selection holds
    const char* text;   // the field afterwards
};

inline void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

inline constexpr PasteCase kPasteCases[] = {
    {"GroupsWithBlanksAround", "", " 2073 1846 957 ", "20731846957"},
    {"GroupsOfFour", "", "1234 5678 901", "12345678901"},
    {"Tabs", "", "2073\t1846\t957", "20731846957"},
    {"LineEndAfter", "", "20731846957\r\n", "20731846957"},
    {"NewlineAfter", "", "20731846957\n", "20731846957"},
    {"LineEndBetween", "", "2073 1846\n957", "20731846957"},
    {"CrLfBetween", "", "2073 1846\r\n957", "20731846957"},
    {"OnlyBlanks", "12", " \t\r\n", "12"},
    {"RestOfANumberAfterTyping", "2073", " 1846 957", "20731846957"},
    {"TooLongIsCutToWhatFits", "", "2073 1846 957 12", "20731846957"},
    {"NoBlanksAsBefore", "", "20731846957", "20731846957"},
    {"LetterFirstRefused", "", "X12345678901", ""},
    {"LetterAmongGroupsRefusedWhole", "", "2073 18X6 957", ""},
    {"RefusedKeepsWhatWasTyped", "2073", " 18-46", "2073"},
    {"NoBreakSpaces", "", "2073\u00A01846\u00A0957", "20731846957"},
    {"NarrowNoBreakSpaces", "", "2073\u202F1846\u202F957", "20731846957"},
    {"EnQuadToHairSpace", "", "\u20002073\u20051846\u2009957\u200A", "20731846957"},
    {"MathematicalAndIdeographicSpaces", "", "2073\u205F1846\u3000957", "20731846957"},
    {"LineAndParagraphSeparators", "", "2073\u20281846\u2029957", "20731846957"},
    {"FormFeedAndVerticalTab", "", "2073\f1846\v957", "20731846957"},
    {"NextLineBetween", "", "2073\u00851846\u0085957", "20731846957"},
    {"NoBreakSpaceAfterTyping", "2073", "\u00A01846\u202F957", "20731846957"},
};
