#include "rules.h"

#include "text.h"

namespace corvanta::rules {
namespace {

// One pass: each character's Val added through a double and truncated back.
std::int64_t sumPass(std::int64_t total, const std::string& t)
{
    for (std::int64_t i = 1; i <= Len(t); ++i)
        total = static_cast<std::int64_t>(static_cast<double>(total) + Val(Mid(t, i, 1)));
    return total;
}

} // namespace

std::int64_t digitalRoot(const std::string& s)
{
    std::string t = s;
    std::int64_t total = 0;
    do {
        total = sumPass(0, t);
        t = Str(total);
    } while (total >= 10);
    return total;
}

bool firstSeriesCheckDigit(const std::string& letter, const std::string& s)
{
    const std::int64_t c = Asc(letter);
    const std::string prefix = Str(c - 54);
    const double n = Val(AddString(prefix, Left(s, 10)));
    const double q = Floor(n / 9.0);
    const double d = 9.0 - (n - q * 9.0);
    const double last = Val(Right(s, 1));
    return d == last;
}

std::int64_t secondSeriesSum(const std::string& s)
{
    std::string t = Right(s, 10);
    std::int64_t total = 0;
    do {
        total = Len(t) == 10 ? Asc(Mid(s, 1, 1)) - 128 + Asc(Mid(s, 2, 1)) : 0;
        total = sumPass(total, t);
        t = Str(total);
    } while (total >= 10);
    return total;
}

} // namespace corvanta::rules
