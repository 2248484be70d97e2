#include "rules.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

using namespace corvanta::rules;

namespace {

std::string repeat(char c, int n) { return std::string(static_cast<std::size_t>(n), c); }

std::int64_t digitSum(const std::string& digits)
{
    std::int64_t sum = 0;
    for (char c : digits)
        sum += c - '0';
    return sum;
}

} // namespace

struct RootCase {
    std::string s;
    std::int64_t root;
};

class DigitalRoot : public ::testing::TestWithParam<RootCase> {};

TEST_P(DigitalRoot, SumsDigitsUntilOneIsLeft) { EXPECT_EQ(digitalRoot(GetParam().s), GetParam().root) << GetParam().s; }

const RootCase kRootCases[] = {
    {"", 0},
    {repeat('0', 11), 0},
    {repeat('9', 11), 9}, // 99, then 18, then 9
    {"12345678901", 1},   // 46, then 10, then 1
    {"12A", 3},           // a letter counts 0
    {"ABC", 0},
    {"00000000009", 9},
    {"00000000005", 5},
};

INSTANTIATE_TEST_SUITE_P(Rules, DigitalRoot, ::testing::ValuesIn(kRootCases));

struct CheckDigitCase {
    std::string letter;
    std::string s;
    bool valid;
};

class FirstSeriesCheckDigit : public ::testing::TestWithParam<CheckDigitCase> {};

TEST_P(FirstSeriesCheckDigit, TestsTheLastDigit)
{
    const auto& c = GetParam();
    EXPECT_EQ(firstSeriesCheckDigit(c.letter, c.s), c.valid) << c.letter << c.s;
}

const CheckDigitCase kCheckDigitCases[] = {
    {"H", repeat('0', 10) + "9", true},
    {"H", repeat('0', 11), false},       // the check digit would be 9
    {"H", repeat('0', 9) + "90", false}, // right sum, final 0
    {"H", "", false},
    {"L", repeat('0', 10) + "5", true},
    {"Z", repeat('0', 10) + "9", true},
    {"Z", repeat('0', 9) + "18", true},
    {"S", repeat('0', 10) + "7", true},
    {"S", repeat('0', 10) + "2", false},
    {"H", repeat('0', 10) + "12349", true}, // only the first ten characters and the last one count
    {"X", "12345678901", false},
};

INSTANTIATE_TEST_SUITE_P(Rules, FirstSeriesCheckDigit, ::testing::ValuesIn(kCheckDigitCases));

struct SumCase {
    std::string s;
    std::int64_t result;
};

class SecondSeriesSum : public ::testing::TestWithParam<SumCase> {};

TEST_P(SecondSeriesSum, ReducesLetterValuesAndDigits)
{
    EXPECT_EQ(secondSeriesSum(GetParam().s), GetParam().result) << GetParam().s;
}

const SumCase kSumCases[] = {
    {"DA" + repeat('0', 10), 5},
    {"Z0" + repeat('0', 10), 1},   // 10, then 1
    {"D0" + repeat('0', 10), -12}, // returned unchanged
    {"D0" + repeat('0', 7) + "199", 7},
    {"D0" + repeat('0', 8) + "55", -2}, // -2 stays, though -2 mod 9 is 7
    {"D0" + repeat('0', 8) + "57", 0},
    {"XA" + repeat('0', 10), 7},
    {"XA" + repeat('0', 9) + "1", 8},
    {"ZZ" + repeat('9', 10), 7},          // 142, 7
    {"12A", 3},                           // short: no letter values, a letter counts 0
    {"ZZ12345678", 26 + 26 + 36 - 9 * 9}, // exactly ten: letter values and all ten characters
    {"", 0},
};

INSTANTIATE_TEST_SUITE_P(Rules, SecondSeriesSum, ::testing::ValuesIn(kSumCases));

// Net rules over every capital letter and many generated numbers.
class NetRules : public ::testing::TestWithParam<char> {};

TEST_P(NetRules, FirstSeriesValidExactlyWhenCodePlusDigitSumDividesByNine)
{
    const char letter = GetParam();
    const std::int64_t expected = 9 - letter % 9;
    std::mt19937 gen(static_cast<unsigned>(letter));
    std::uniform_int_distribution<int> digit(0, 9);
    for (int n = 0; n < 2000; ++n) {
        std::string s;
        for (int i = 0; i < 11; ++i)
            s.push_back(static_cast<char>('0' + digit(gen)));
        const bool verdict = digitalRoot(s) == expected && firstSeriesCheckDigit(std::string(1, letter), s);
        const bool net = (letter + digitSum(s)) % 9 == 0 && s.back() != '0';
        ASSERT_EQ(verdict, net) << letter << s;
        ASSERT_EQ(firstSeriesCheckDigit(std::string(1, letter), s), net) << letter << s;
    }
}

TEST_P(NetRules, SecondSeriesValidExactlyWhenVIsPositiveAndSevenModNine)
{
    const char letter = GetParam();
    std::mt19937 gen(static_cast<unsigned>(letter) * 7u);
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> second(0, 35);
    for (int n = 0; n < 2000; ++n) {
        const int pick = second(gen);
        const char c2 = pick < 26 ? static_cast<char>('A' + pick) : static_cast<char>('0' + pick - 26);
        std::string digits;
        for (int i = 0; i < 10; ++i)
            digits.push_back(static_cast<char>('0' + digit(gen)));
        const std::string s = std::string{letter, c2} + digits;
        const std::int64_t v = (letter - 64) + (c2 - 64) + digitSum(digits);
        const std::int64_t result = secondSeriesSum(s);
        ASSERT_EQ(result, v <= 9 ? v : 1 + (v - 1) % 9) << s;
        ASSERT_EQ(result == 7, v > 0 && v % 9 == 7) << s;
    }
}

INSTANTIATE_TEST_SUITE_P(Rules, NetRules, ::testing::Range('A', static_cast<char>('Z' + 1)), [](const auto& info) {
    return std::string(1, info.param);
});
