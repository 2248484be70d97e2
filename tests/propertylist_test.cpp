// The property-list codec alone: plain C++, no Qt.

#include "propertylist.h"

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

using namespace corvanta;

namespace {

struct Codec {
    const char* label;
    PropertyValue value;
};

void PrintTo(const Codec& c, std::ostream* os) { *os << c.label; }

struct ReadRecord {
    std::string name;
    PropertyValue value;
};

// Reads a list whose every property has the type the test declares.
std::vector<ReadRecord> readAll(std::string_view list, const std::map<std::string, PropertyType>& types)
{
    std::vector<ReadRecord> records;
    ReadPropertyList(
        list,
        "Test",
        [&](const std::string& name) -> std::optional<PropertyType> {
            auto it = types.find(name);
            if (it == types.end())
                return std::nullopt;
            return it->second;
        },
        [&](const std::string& name, const PropertyValue& value) {
            records.push_back({name, value});
        });
    return records;
}

class CodecRoundTrip : public ::testing::TestWithParam<Codec> {};

// Each value comes back as written, and the record after it is read from the
// right place: where a value ends is known only from its type.
TEST_P(CodecRoundTrip, ValueComesBackAndTheNextRecordFollows)
{
    const PropertyValue& value = GetParam().value;
    const std::string list = PropertyList({{"Prop", value}, {"Next", 7}});
    const auto records = readAll(list, {{"Prop", value.type()}, {"Next", PropertyType::Integer}});
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].name, "Prop");
    EXPECT_EQ(records[0].value, value);
    EXPECT_EQ(records[1].name, "Next");
    EXPECT_EQ(records[1].value, PropertyValue(7));
}

const Codec kCodecs[] = {
    {"IntegerZero", PropertyValue(0)},
    {"IntegerLowest32", PropertyValue(static_cast<long long>(kNoIndex))},
    {"IntegerMax64", PropertyValue(std::numeric_limits<long long>::max())},
    {"IntegerMin64", PropertyValue(std::numeric_limits<long long>::min())},
    // 0x20 is a blank: a reader that looked for blanks would split here.
    {"IntegerHoldingBlankBytes", PropertyValue(0x2020202020LL)},
    {"BooleanTrue", PropertyValue(true)},
    {"BooleanFalse", PropertyValue(false)},
    {"ColorPanel", PropertyValue(Color{0xFFFBC6})},
    {"ColorBlack", PropertyValue(Color{0x000000})},
    {"ColorWhite", PropertyValue(Color{0xFFFFFF})},
    {"SingleZero", PropertyValue(0.0f)},
    {"SingleNegativeFraction", PropertyValue(-3.25f)},
    {"SingleTiny", PropertyValue(1.5e-7f)},
    {"ByteZero", PropertyValue(Byte{0})},
    {"ByteTop", PropertyValue(Byte{255})},
    {"StringEmpty", PropertyValue("")},
    {"StringWithBlanks", PropertyValue("a b c")},
    {"StringOfCarriageReturns", PropertyValue("\rH\rL\rM")},
    {"StringUtf8", PropertyValue("Citt\xC3\xA0 \xE2\x82\xAC")},
};

INSTANTIATE_TEST_SUITE_P(PropertyList, CodecRoundTrip, ::testing::ValuesIn(kCodecs), [](const auto& info) {
    return std::string(info.param.label);
});

TEST(PropertyList, WritesTheExactBytes)
{
    const std::string list = PropertyList({{"Left", 297},
                                           {"Index", static_cast<long long>(kNoIndex)},
                                           {"Visible", false},
                                           {"FillColor", Color{0xFFFBC6}},
                                           {"TextSize", 12.0f},
                                           {"TextUnit", Byte{1}},
                                           {"Name", "R1"}});
    const std::string expected = std::string("Left ") + std::string("\x29\x01\x00\x00\x00\x00\x00\x00", 8) + "Index "
        + std::string("\x00\x00\x00\x80\xFF\xFF\xFF\xFF", 8) + "Visible " + std::string("\x00", 1) + "FillColor "
        + std::string("\xC6\xFB\xFF\x00", 4) + "TextSize " + std::string("\x00\x00\x40\x41", 4) + "TextUnit "
        + std::string("\x01", 1) + "Name " + std::string("\x02\x00\x00\x00", 4) + "R1";
    EXPECT_EQ(list, expected);
}

TEST(PropertyList, EmptyListAppliesNothing) { EXPECT_TRUE(readAll("", {}).empty()); }

} // namespace
