// Every stored property list the program builds, byte for byte against the
// stored lists' bytes, spelled record by record in storedlists.cpp.

#include "storedlists.h"

#include "infolists.h"
#include "propertylists.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <utility>

using namespace corvanta;

namespace {

using storedlists::Expected;

// The list the program applies to each window and control, as its build
// makes it.
std::string built(const Expected& e)
{
    using namespace checklists;
    if (e.window == "Info") {
        const std::map<std::string, std::function<const std::string&()>> lists = {
            {"window", &infolists::WindowList},
            {"StaticText1", &infolists::StaticText1List},
            {"StaticText2", &infolists::StaticText2List},
            {"PushButton1", &infolists::PushButton1List},
            {"ImageWell1", &infolists::ImageWell1List},
        };
        return lists.at(e.target)();
    }
    const CheckWindowDesign& d = e.window == "Window1" ? FirstSeriesDesign() : SecondSeriesDesign();
    const std::map<std::string, std::function<std::string()>> lists = {
        {"window", [&] { return WindowList(d.width, d.height); }},
        {"Rectangle1", [&] { return RectangleList(d.rectangle1); }},
        {"StaticText3", [&] { return LabelList(d.staticText3); }},
        {"StaticText6", [&] { return LabelList(d.staticText6); }},
        {"StaticText7", [&] { return LabelList(d.staticText7); }},
        {"StaticText8", [&] { return LabelList(d.staticText8); }},
        {"StaticText9", [&] { return LabelList(d.staticText9); }},
        {"StaticText5", [&] { return LabelList(d.staticText5); }},
        {"Canvas1", [&] { return CanvasList(d.canvas1); }},
        {"StaticText4", [&] { return LabelList(d.staticText4); }},
        {"StaticText1", [&] { return LabelList(d.staticText1); }},
        {"StaticText2", [&] { return LabelList(d.staticText2); }},
        {"PopupMenu1", [&] { return PopupMenuList(d.letters, d.popupMenu1); }},
        {"EditField1", [&] { return EditFieldList(d.mask, d.editField1); }},
        {"PushButton1", [&] { return PushButtonList(d.pushButton1); }},
    };
    return lists.at(e.target)();
}

// Where two lists part, with the bytes around it in hex and as text.
std::string whereTheyDiffer(const std::string& actual, const std::string& expected)
{
    const std::size_t at = static_cast<std::size_t>(
        std::mismatch(actual.begin(), actual.end(), expected.begin(), expected.end()).first - actual.begin());
    auto show = [at](const std::string& s) {
        const std::size_t from = at < 12 ? 0 : at - 12;
        std::string out;
        for (std::size_t i = from; i < std::min(s.size(), at + 12); ++i) {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%02X ", static_cast<unsigned char>(s[i]));
            out += hex;
        }
        out += " \"";
        for (std::size_t i = from; i < std::min(s.size(), at + 12); ++i)
            out += (s[i] >= 0x20 && s[i] < 0x7F) ? s[i] : '.';
        return out + "\"";
    };
    return "first difference at byte " + std::to_string(at) + "\n  built:    " + show(actual)
        + "\n  expected: " + show(expected);
}

class StoredList : public ::testing::TestWithParam<Expected> {};

TEST_P(StoredList, BuildsTheStoredBytes)
{
    const Expected& e = GetParam();
    const std::string list = built(e);
    EXPECT_EQ(list.size(), e.bytes.size());
    EXPECT_TRUE(list == e.bytes) << whereTheyDiffer(list, e.bytes);
}

INSTANTIATE_TEST_SUITE_P(Windows, StoredList, ::testing::ValuesIn(storedlists::Table()), [](const auto& info) {
    return info.param.window + "_" + info.param.target;
});

// The stored lists' lengths hold for the table itself, so a slip in its
// spelling shows here and not only as a difference.
TEST(StoredListTable, HasTheStoredListsLengths)
{
    std::map<std::pair<std::string, std::string>, std::size_t> size;
    int checkWindowLists = 0;
    for (const Expected& e : storedlists::Table()) {
        size[{e.window, e.target}] = e.bytes.size();
        if (e.window == "Info")
            continue;
        ++checkWindowLists;
        if (e.target == "window") {
            EXPECT_GT(e.bytes.size(), 255u) << e.window << ": longer than its length byte can say";
        } else {
            EXPECT_GE(e.bytes.size(), 313u) << e.window << "." << e.target;
            EXPECT_LE(e.bytes.size(), 535u) << e.window << "." << e.target;
        }
    }
    EXPECT_EQ(checkWindowLists, 30);
    EXPECT_EQ(storedlists::Table().size(), 35u);
    EXPECT_EQ((size[{"Window1", "Rectangle1"}]), 313u);
    EXPECT_EQ((size[{"Window1", "EditField1"}]), 535u);
    EXPECT_EQ((size[{"Window1", "PopupMenu1"}]), 396u);
    EXPECT_EQ((size[{"Window2", "Rectangle1"}]), 313u);
    EXPECT_EQ((size[{"Window2", "EditField1"}]), 535u);
    EXPECT_EQ((size[{"Window2", "PopupMenu1"}]), 404u);
}

} // namespace
