#pragma once

#include <cstdint>
#include <string>

// The three serial-number rules as plain functions of texts. The windows'
// controlla, controlla2 and controlla3 delegate here; the arithmetic (64-bit
// totals summed through doubles and truncated, the check digit computed in
// doubles and compared exactly) is part of the rule and kept as is.
namespace corvanta::rules {

// Digital root of a text of digits: its digits summed again and again until
// one digit is left. A character that is not a digit adds 0.
std::int64_t digitalRoot(const std::string& s);

// First-series check digit: the number made of (code of the letter's first
// character - 54) followed by the first ten characters of s, taken mod 9,
// decides the digit that the last character of s must be.
bool firstSeriesCheckDigit(const std::string& letter, const std::string& s);

// Second-series sum: for a text whose last ten characters are ten long, the
// letter values (code - 64) of its first two characters plus the last ten
// digits, reduced by repeated digit sums while the total is 10 or more. The
// check accepts 7. Totals of 9 or less, negative ones too, come back as they are.
std::int64_t secondSeriesSum(const std::string& s);

} // namespace corvanta::rules
