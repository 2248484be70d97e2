// The first-series check on real widgets: the letter table, and the check
// through the user's road (letter, number, Return, result panel).

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "exceptions.h"
#include "lettertables.h"
#include "pictures.h"
#include "window1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

using namespace corvanta;

namespace {

const char* const kPanelControls[] = {
    "StaticText3", "StaticText6", "StaticText7", "StaticText8", "StaticText9", "StaticText5", "Canvas1", "StaticText4"};

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

// --- The check --------------------------------------------------------------

struct FirstSeriesCase {
    std::string letter;
    std::string number;
    std::string country;
    std::function<std::shared_ptr<Picture>()> flag;
    bool valid;
    bool offered = true; // false: a row of the table the pop-up does not offer
};

void PrintTo(const FirstSeriesCase& c, std::ostream* os) { *os << c.letter << " " << c.number; }

class FirstSeriesCheck : public Window1Test, public ::testing::WithParamInterface<FirstSeriesCase> {};

TEST_P(FirstSeriesCheck, ShowsCountryFlagAndVerdict)
{
    const FirstSeriesCase& c = GetParam();
    auto w = Window1::implicitInstance();
    if (!c.offered) {
        // The program never lists it; the pop-up is given the row to reach it.
        ASSERT_EQ(road::combo(*w)->findText(QString::fromStdString(c.letter)), -1) << c.letter << " is offered";
        NotNil(w->PopupMenu1())->SetInitialValue("\r" + c.letter);
    }
    ASSERT_NO_FATAL_FAILURE(road::check(*w, c.letter, c.number));

    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    for (const char* name : kPanelControls)
        EXPECT_TRUE(road::onScreen(*w, name)) << name;
    EXPECT_EQ(road::shown(*w, "StaticText4"), c.letter);
    EXPECT_EQ(road::shown(*w, "StaticText5"), c.number);
    EXPECT_EQ(road::shown(*w, "StaticText7"), c.country);
    EXPECT_EQ(w->Canvas1()->Backdrop(), c.flag()) << "the flag is the accessor's picture";
    EXPECT_NE(w->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(road::shown(*w, "StaticText9"), c.valid ? "is Valid" : "is INVALID");
    EXPECT_EQ(w->StaticText9()->TextColor(), c.valid ? Color{0x00FF00} : Color{0xFF0000});
    auto* verdict = w->widget()->findChild<QLabel*>("StaticText9");
    EXPECT_EQ(verdict->palette().color(verdict->foregroundRole()), c.valid ? QColor(0, 255, 0) : QColor(255, 0, 0));
    // Pressing leaves the button as it was.
    EXPECT_TRUE(road::button(*w)->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    Examples,
    FirstSeriesCheck,
    ::testing::Values(FirstSeriesCase{"H", "00000000009", "Slovenia", &_x_slovenia::slovenia, true},
                      // The digital root 9 is right but a final 0 never passes.
                      FirstSeriesCase{"H", "00000000090", "Slovenia", &_x_slovenia::slovenia, false},
                      // Digital root 0 against 9: the check digit is not even tried.
                      FirstSeriesCase{"H", "00000000000", "Slovenia", &_x_slovenia::slovenia, false},
                      FirstSeriesCase{"L", "00000000005", "Finland", &_x_finlandia::finlandia, true},
                      FirstSeriesCase{"Z", "00000000009", "Belgium", &_x_belgio::belgio, true},
                      FirstSeriesCase{"Z", "00000000018", "Belgium", &_x_belgio::belgio, true},
                      FirstSeriesCase{"S", "00000000002", "Italy", &_x_italia::italia, false},
                      FirstSeriesCase{"S", "00000000007", "Italy", &_x_italia::italia, true},
                      // Every digit counts, wherever it stands.
                      FirstSeriesCase{"H", "90000000009", "Slovenia", &_x_slovenia::slovenia, true},
                      FirstSeriesCase{"H", "00000000981", "Slovenia", &_x_slovenia::slovenia, true},
                      FirstSeriesCase{"X", "12345678902", "Germany", &_x_germania::germania, true},
                      FirstSeriesCase{"X", "12345678901", "Germany", &_x_germania::germania, false}));

// Every letter the pop-up offers, with ten zeros and its expected root as the check digit.
INSTANTIATE_TEST_SUITE_P(
    EveryLetter,
    FirstSeriesCheck,
    ::testing::Values(FirstSeriesCase{"H", "00000000009", "Slovenia", &_x_slovenia::slovenia, true},
                      FirstSeriesCase{"L", "00000000005", "Finland", &_x_finlandia::finlandia, true},
                      FirstSeriesCase{"M", "00000000004", "Portugal", &_x_portogallo::portogallo, true},
                      FirstSeriesCase{"N", "00000000003", "Austria", &_x_austria::austria, true},
                      FirstSeriesCase{"P", "00000000001", "Netherlands", &_x_paesibassi::paesibassi, true},
                      FirstSeriesCase{"S", "00000000007", "Italy", &_x_italia::italia, true},
                      FirstSeriesCase{"T", "00000000006", "Ireland", &_x_irlanda::irlanda, true},
                      FirstSeriesCase{"U", "00000000005", "France", &_x_francia::francia, true},
                      FirstSeriesCase{"V", "00000000004", "Spain", &_x_spagna::spagna, true},
                      FirstSeriesCase{"X", "00000000002", "Germany", &_x_germania::germania, true},
                      FirstSeriesCase{"Y", "00000000001", "Greece", &_x_grecia::grecia, true},
                      FirstSeriesCase{"Z", "00000000009", "Belgium", &_x_belgio::belgio, true},
                      // One off the expected root: invalid for every letter.
                      FirstSeriesCase{"M", "00000000005", "Portugal", &_x_portogallo::portogallo, false},
                      FirstSeriesCase{"Y", "00000000002", "Greece", &_x_grecia::grecia, false}));

// The rows the pop-up does not offer check the same way once it has them:
// valid with the row's expected root as the last digit, invalid with one more.
INSTANTIATE_TEST_SUITE_P(
    RowsNotOffered,
    FirstSeriesCheck,
    ::testing::Values(FirstSeriesCase{"F", "00000000002", "Malta", &_x_malta::malta, true, false},
                      FirstSeriesCase{"F", "00000000003", "Malta", &_x_malta::malta, false, false},
                      FirstSeriesCase{"G", "00000000001", "Cyprus", &_x_cipro::cipro, true, false},
                      FirstSeriesCase{"G", "00000000002", "Cyprus", &_x_cipro::cipro, false, false},
                      FirstSeriesCase{"R", "00000000008", "Luxembourg", &_x_lussemburgo::lussemburgo, true, false},
                      FirstSeriesCase{"R", "00000000009", "Luxembourg", &_x_lussemburgo::lussemburgo, false, false}));

TEST_F(Window1Test, ASecondCheckRewritesThePanel)
{
    auto w = Window1::implicitInstance();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, "H", "00000000009"));
    ASSERT_EQ(road::shown(*w, "StaticText9"), "is Valid");

    // Another letter with the same number: Portugal, and the verdict turns red.
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, "M"));
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
    road::pressReturn(*w);
    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    EXPECT_EQ(road::shown(*w, "StaticText4"), "M");
    EXPECT_EQ(road::shown(*w, "StaticText7"), "Portugal");
    EXPECT_EQ(w->Canvas1()->Backdrop(), _x_portogallo::portogallo());
    EXPECT_EQ(road::shown(*w, "StaticText9"), "is INVALID");
    EXPECT_EQ(w->StaticText9()->TextColor(), Color{0xFF0000});

    // A second press without a change repeats the same result.
    road::pressReturn(*w);
    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    EXPECT_EQ(road::shown(*w, "StaticText9"), "is INVALID");
}

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
