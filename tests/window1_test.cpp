// The first-series letter table, and the rules reading the letter from the
// pop-up. The check through the user's road is in checkwindows_test.cpp.

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "exceptions.h"
#include "lettertables.h"
#include "pictures.h"
#include "window1.h"

#include <cstdint>
#include <iterator>
#include <memory>
#include <string>

using namespace corvanta;

namespace {

using Window1Test = UiTest;

// --- The letter table -------------------------------------------------------

struct TableRow {
    const char* letter;
    const char* country;
    FlagPicture flag;
    std::int64_t expectedRoot;
};

// Every row in the order it is tried, the three the pop-up does not offer
// (F, G and R) among them.
const TableRow kFirstSeriesRows[] = {
    {"F", "Malta", &_x_malta::malta, 2},
    {"G", "Cyprus", &_x_cipro::cipro, 1},
    {"H", "Slovenia", &_x_slovenia::slovenia, 9},
    {"L", "Finland", &_x_finlandia::finlandia, 5},
    {"M", "Portugal", &_x_portogallo::portogallo, 4},
    {"N", "Austria", &_x_austria::austria, 3},
    {"P", "Netherlands", &_x_paesibassi::paesibassi, 1},
    {"R", "Luxembourg", &_x_lussemburgo::lussemburgo, 8},
    {"S", "Italy", &_x_italia::italia, 7},
    {"T", "Ireland", &_x_irlanda::irlanda, 6},
    {"U", "France", &_x_francia::francia, 5},
    {"V", "Spain", &_x_spagna::spagna, 4},
    {"X", "Germany", &_x_germania::germania, 2},
    {"Y", "Greece", &_x_grecia::grecia, 1},
    {"Z", "Belgium", &_x_belgio::belgio, 9},
};

class FirstSeriesTable : public ::testing::TestWithParam<std::size_t> {};

TEST_P(FirstSeriesTable, RowHoldsItsCountryFlagAndRoot)
{
    const TableRow& expected = kFirstSeriesRows[GetParam()];
    const auto table = tabellaPrimaSerie();
    ASSERT_EQ(table.size(), std::size(kFirstSeriesRows));
    const FirstSeriesRow& row = table[GetParam()];
    EXPECT_STREQ(row.letter, expected.letter);
    EXPECT_EQ(row.country({}), expected.country);
    ASSERT_NE(expected.flag(), nullptr) << "the flag of " << expected.country << " ships with the application";
    EXPECT_EQ(row.flag(), expected.flag()) << "the flag is the accessor's picture";
    EXPECT_EQ(row.expectedRoot, expected.expectedRoot);
    EXPECT_EQ(row.expectedRoot, 9 - expected.letter[0] % 9);
}

INSTANTIATE_TEST_SUITE_P(EveryRow,
                         FirstSeriesTable,
                         ::testing::Range<std::size_t>(0, std::size(kFirstSeriesRows)),
                         [](const auto& info) { return std::string(kFirstSeriesRows[info.param].letter); });

// --- The rules --------------------------------------------------------------

TEST_F(Window1Test, RulesReadTheLetterFromThePopUp)
{
    auto w = Window1::implicitInstance();
    EXPECT_EQ(w->controlla("99999999999"), 9);
    EXPECT_EQ(w->controlla(""), 0);
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, "H"));
    EXPECT_TRUE(w->controlla2("00000000009"));
    EXPECT_FALSE(w->controlla2("00000000000"));
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, "L"));
    EXPECT_FALSE(w->controlla2("00000000009"));
    EXPECT_TRUE(w->controlla2("00000000005"));
}

} // namespace
