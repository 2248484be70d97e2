#pragma once

#include <cstdint>
#include <string>

// The framework's text and number functions. Texts are UTF-8; positions count
// from 1 and positions and lengths count characters (code points), not bytes.
// A byte that is not valid UTF-8 counts as one character of its own.
namespace corvanta {

std::int64_t Len(const std::string& text);

// The `length` characters from position `start` on; what there is when the
// text is shorter, down to the empty text. A start below 1 counts from 1.
std::string Mid(const std::string& text, std::int64_t start, std::int64_t length);
// The rest of the text from `start` on.
std::string Mid(const std::string& text, std::int64_t start);

std::string Left(const std::string& text, std::int64_t count);
std::string Right(const std::string& text, std::int64_t count);

// Code point of the first character; 0 for the empty text, so that an empty
// letter counts as "no character" rather than failing.
std::int64_t Asc(const std::string& text);

// The value of the decimal number the text begins with: leading blanks and
// tabs are skipped, then an optional sign, digits, an optional decimal point
// with digits and an optional exponent. Reading stops at the first character
// that does not fit; no number at all gives 0. Hex, "inf" and "nan" are not
// numbers here, and the decimal point is always ".", whatever the locale.
double Val(const std::string& text);

// Plain decimal text: no blanks, no leading zeros, "-" before a negative
// number. Only the empty format is supported; any other raises
// UnsupportedFormatException rather than being silently ignored.
std::string Str(std::int64_t value, const std::string& format = {});

double Floor(double value);

// Upper-cases the ASCII letters a to z and leaves every other character as it
// is, so the result has the same length in characters.
std::string Uppercase(const std::string& text);

// Three-way comparison (0 = equal) that folds ASCII case, so "IT" equals "it";
// other characters compare by code point.
int StringCompare(const std::string& a, const std::string& b);

std::string AddString(const std::string& a, const std::string& b);

} // namespace corvanta
