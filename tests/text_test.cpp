#include "exceptions.h"
#include "text.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace corvanta;

TEST(Text, LengthsAndPositionsCountCharactersNotBytes)
{
    const std::string s = "a\xC3\xA8"
                          "b\xE2\x82\xAC"; // a è b €
    EXPECT_EQ(Len(s), 4);
    EXPECT_EQ(Mid(s, 2, 1), "\xC3\xA8");
    EXPECT_EQ(Mid(s, 4, 1), "\xE2\x82\xAC");
    EXPECT_EQ(Left(s, 2), "a\xC3\xA8");
    EXPECT_EQ(Right(s, 1), "\xE2\x82\xAC");
    EXPECT_EQ(Asc(Mid(s, 4, 1)), 0x20AC);
}

TEST(Text, MalformedUtf8CountsBytePerCharacterAndNeverOverruns)
{
    const std::string s = "\xE2\x82"; // truncated euro sign
    EXPECT_EQ(Len(s), 2);
    EXPECT_EQ(Mid(s, 2, 5), "\x82");
    EXPECT_EQ(Asc(s), 0xE2);
}

struct SliceCase {
    const char* text;
    std::int64_t a;
    std::int64_t b;
    const char* mid;
};

class MidCases : public ::testing::TestWithParam<SliceCase> {};

TEST_P(MidCases, GivesWhatThereIs)
{
    const auto& c = GetParam();
    EXPECT_EQ(Mid(c.text, c.a, c.b), c.mid);
}

constexpr SliceCase kSliceCases[] = {
    {"12345", 1, 1, "1"},
    {"12345", 5, 1, "5"},
    {"12345", 6, 1, ""},
    {"12345", 4, 10, "45"},
    {"12345", 0, 2, "12"},
    {"12345", 2, 0, ""},
    {"12345", 2, -1, ""},
    {"", 1, 1, ""},
};

INSTANTIATE_TEST_SUITE_P(Text, MidCases, ::testing::ValuesIn(kSliceCases));

TEST(Text, LeftAndRightOfShortTextsGiveTheWholeText)
{
    EXPECT_EQ(Left("123", 10), "123");
    EXPECT_EQ(Right("123", 10), "123");
    EXPECT_EQ(Right("12345678901", 10), "2345678901");
    EXPECT_EQ(Left("12345678901", 10), "1234567890");
    EXPECT_EQ(Left("123", 0), "");
    EXPECT_EQ(Right("123", -3), "");
}

TEST(Text, AscOfLettersDigitsAndTheEmptyText)
{
    EXPECT_EQ(Asc("A"), 65);
    EXPECT_EQ(Asc("Zebra"), 90);
    EXPECT_EQ(Asc("0"), 48);
    EXPECT_EQ(Asc("9"), 57);
    EXPECT_EQ(Asc(""), 0);
}

struct ValCase {
    const char* text;
    double value;
};

class ValCases : public ::testing::TestWithParam<ValCase> {};

TEST_P(ValCases, ReadsTheLeadingDecimalNumber)
{
    const auto& c = GetParam();
    EXPECT_EQ(Val(c.text), c.value) << '"' << c.text << '"';
}

constexpr ValCase kValCases[] = {
    {"", 0.0},
    {"7", 7.0},
    {"A", 0.0},
    {" ", 0.0},
    {"-", 0.0},
    {".", 0.0},
    {"181234567890", 181234567890.0},
    {"369999999999", 369999999999.0},
    {"007", 7.0},
    {"  42", 42.0},
    {"-12", -12.0},
    {"+3", 3.0},
    {"3.25", 3.25},
    {".5", 0.5},
    {"5.", 5.0},
    {"12abc", 12.0},
    {"1e3", 1000.0},
    {"1e", 1.0},
    {"2,5", 2.0},
    {"0x1F", 0.0},
    {"inf", 0.0},
    {"nan", 0.0},
};

INSTANTIATE_TEST_SUITE_P(Text, ValCases, ::testing::ValuesIn(kValCases));

TEST(Text, ValOfHugeAndTinyNumbersSaturates)
{
    EXPECT_TRUE(std::isinf(Val("1e999")));
    EXPECT_EQ(Val("1e-999"), 0.0);
}

TEST(Text, StrWritesPlainDecimalText)
{
    EXPECT_EQ(Str(0), "0");
    EXPECT_EQ(Str(18), "18");
    EXPECT_EQ(Str(-12), "-12");
    EXPECT_EQ(Str(INT64_MIN), "-9223372036854775808");
    EXPECT_THROW(Str(5, "#.00"), UnsupportedFormatException);
}

TEST(Text, FloorRoundsTowardMinusInfinity)
{
    EXPECT_EQ(Floor(2.9), 2.0);
    EXPECT_EQ(Floor(-2.1), -3.0);
    EXPECT_EQ(Floor(20137174320.0 / 9.0), 2237463813.0);
}

TEST(Text, UppercaseTouchesOnlyAsciiLetters)
{
    EXPECT_EQ(Uppercase("a0000000000"), "A0000000000");
    EXPECT_EQ(Uppercase("xYz-9"), "XYZ-9");
    EXPECT_EQ(Uppercase("\xC3\xA8"), "\xC3\xA8");
}

TEST(Text, CompareFoldsAsciiCaseAndOrdersByCodePoint)
{
    EXPECT_EQ(StringCompare("it", "it"), 0);
    EXPECT_EQ(StringCompare("IT", "it"), 0);
    EXPECT_LT(StringCompare("H", "L"), 0);
    EXPECT_GT(StringCompare("Z", "H"), 0);
    EXPECT_NE(StringCompare("", "H"), 0);
    EXPECT_LT(StringCompare("it", "ita"), 0);
    EXPECT_EQ(AddString("X", "A0000000000"), "XA0000000000");
}

TEST(Failures, NilObjectsAndCasts)
{
    std::shared_ptr<RuntimeException> none;
    EXPECT_THROW(NotNil(none, "test"), NilObjectException);
    auto base = std::static_pointer_cast<RuntimeException>(std::make_shared<NilObjectException>("x"));
    EXPECT_NE(CheckCast<NilObjectException>(base), nullptr);
    EXPECT_THROW(CheckCast<IllegalCastException>(base), IllegalCastException);
    EXPECT_EQ(CheckCast<IllegalCastException>(none), nullptr);
    EXPECT_FALSE(IsA<NilObjectException>(none));
    EXPECT_TRUE(IsA<NilObjectException>(base));
    EXPECT_STREQ(NilObjectException().className(), "NilObjectException");
}
