#include "text.h"

#include "exceptions.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace corvanta {
namespace {

// Length in bytes of the character starting at `i`; malformed sequences are
// one byte long so no input can make us read past the end.
std::size_t charLength(const std::string& s, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        n = 2;
    else if (lead >= 0xE0 && lead <= 0xEF)
        n = 3;
    else if (lead >= 0xF0 && lead <= 0xF4)
        n = 4;
    if (i + n > s.size())
        return 1;
    for (std::size_t k = 1; k < n; ++k) {
        if ((static_cast<unsigned char>(s[i + k]) & 0xC0) != 0x80)
            return 1;
    }
    return n;
}

// Byte offsets of every character start, plus the end.
std::vector<std::size_t> boundaries(const std::string& s)
{
    std::vector<std::size_t> b;
    b.reserve(s.size() + 1);
    for (std::size_t i = 0; i < s.size(); i += charLength(s, i))
        b.push_back(i);
    b.push_back(s.size());
    return b;
}

char32_t decodeAt(const std::string& s, std::size_t i)
{
    const std::size_t n = charLength(s, i);
    const auto lead = static_cast<unsigned char>(s[i]);
    if (n == 1)
        return lead;
    char32_t cp = lead & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n; ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    return cp;
}

char32_t foldAscii(char32_t c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }

} // namespace

std::int64_t Len(const std::string& text) { return static_cast<std::int64_t>(boundaries(text).size()) - 1; }

std::string Mid(const std::string& text, std::int64_t start, std::int64_t length)
{
    if (length <= 0)
        return {};
    const auto b = boundaries(text);
    const auto count = static_cast<std::int64_t>(b.size()) - 1;
    const std::int64_t first = start < 1 ? 0 : start - 1;
    if (first >= count)
        return {};
    const std::int64_t last = length >= count - first ? count : first + length;
    return text.substr(b[first], b[last] - b[first]);
}

std::string Mid(const std::string& text, std::int64_t start) { return Mid(text, start, Len(text)); }

std::string Left(const std::string& text, std::int64_t count) { return Mid(text, 1, count); }

std::string Right(const std::string& text, std::int64_t count)
{
    if (count <= 0)
        return {};
    const std::int64_t len = Len(text);
    return count >= len ? text : Mid(text, len - count + 1, count);
}

std::int64_t Asc(const std::string& text) { return text.empty() ? 0 : static_cast<std::int64_t>(decodeAt(text, 0)); }

double Val(const std::string& text)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    const std::size_t begin = i;
    auto digit = [&](std::size_t k) { return k < n && text[k] >= '0' && text[k] <= '9'; };
    if (i < n && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (digit(i))
        ++i;
    bool any = i > digitsStart;
    if (i < n && text[i] == '.') {
        const std::size_t frac = i + 1;
        std::size_t j = frac;
        while (digit(j))
            ++j;
        if (j > frac || any) {
            any = any || j > frac;
            i = j;
        }
    }
    if (!any)
        return 0.0;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < n && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (digit(j)) {
            while (digit(j))
                ++j;
            i = j;
        }
    }
    // from_chars rejects a leading '+'.
    std::size_t from = begin;
    if (text[from] == '+')
        ++from;
    double value = 0.0;
    const auto result = std::from_chars(text.data() + from, text.data() + i, value);
    if (result.ec == std::errc::result_out_of_range) {
        // Too small to hold goes to zero, too large to infinity, keeping the sign.
        const bool negative = text[begin] == '-';
        const std::string number = text.substr(begin, i - begin);
        const bool tiny = number.find("e-") != std::string::npos || number.find("E-") != std::string::npos;
        if (tiny)
            return negative ? -0.0 : 0.0;
        return negative ? -HUGE_VAL : HUGE_VAL;
    }
    return value;
}

std::string Str(std::int64_t value, const std::string& format)
{
    if (!format.empty())
        throw UnsupportedFormatException("Str: number formats are not supported: \"" + format + "\"");
    return std::to_string(value);
}

double Floor(double value) { return std::floor(value); }

std::string Uppercase(const std::string& text)
{
    std::string out = text;
    for (char& c : out) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return out;
}

int StringCompare(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t ca = foldAscii(decodeAt(a, i));
        const char32_t cb = foldAscii(decodeAt(b, j));
        if (ca != cb)
            return ca < cb ? -1 : 1;
        i += charLength(a, i);
        j += charLength(b, j);
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

std::string AddString(const std::string& a, const std::string& b) { return a + b; }

} // namespace corvanta
