#pragma once

// Numbers as a user copies them, with blanks, tabs and line ends, and what the
// first-series number field (eleven digits) holds after each is pasted. Every
// route a paste takes into the field answers to this one table.

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
};
