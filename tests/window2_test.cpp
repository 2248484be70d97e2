// The second-series check on real widgets, through the user's road (letter,
// number, Return, result panel).

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "pictures.h"
#include "window2.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>

using namespace corvanta;

namespace {

const char* const kPanelControls[] = {
    "StaticText3", "StaticText6", "StaticText7", "StaticText8", "StaticText9", "StaticText5", "Canvas1", "StaticText4"};

using Window2Test = UiTest;

// --- The check --------------------------------------------------------------

struct SecondSeriesCase {
    std::string letter;
    std::string typed;
    std::string shownNumber; // upper case
    std::string country;
    std::function<std::shared_ptr<Picture>()> flag;
    bool valid;
};

void PrintTo(const SecondSeriesCase& c, std::ostream* os) { *os << c.letter << " " << c.typed; }

class SecondSeriesCheck : public Window2Test, public ::testing::WithParamInterface<SecondSeriesCase> {};

TEST_P(SecondSeriesCheck, ShowsCountryFlagAndVerdict)
{
    const SecondSeriesCase& c = GetParam();
    auto w = Window2::implicitInstance();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, c.letter, c.typed));
    ASSERT_EQ(road::field(*w)->text().toStdString(), c.typed) << "the field holds what was typed";

    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    for (const char* name : kPanelControls)
        EXPECT_TRUE(road::onScreen(*w, name)) << name;
    EXPECT_EQ(road::shown(*w, "StaticText4"), c.letter);
    EXPECT_EQ(road::shown(*w, "StaticText5"), c.shownNumber);
    EXPECT_EQ(road::shown(*w, "StaticText7"), c.country);
    EXPECT_EQ(w->Canvas1()->Backdrop(), c.flag()) << "the flag is the accessor's picture";
    EXPECT_NE(w->Canvas1()->Backdrop(), nullptr);
    EXPECT_EQ(road::shown(*w, "StaticText9"), c.valid ? "is Valid" : "is INVALID");
    EXPECT_EQ(w->StaticText9()->TextColor(), c.valid ? Color{0x00FF00} : Color{0xFF0000});
    auto* verdict = w->widget()->findChild<QLabel*>("StaticText9");
    EXPECT_EQ(verdict->palette().color(verdict->foregroundRole()), c.valid ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

INSTANTIATE_TEST_SUITE_P(
    Examples,
    SecondSeriesCheck,
    ::testing::Values(
        // v = 24 + 1 + 0 = 25, reduced to 7.
        SecondSeriesCase{"X", "A0000000000", "A0000000000", "Germany", &_x_germania::germania, true},
        SecondSeriesCase{"X", "A0000000001", "A0000000001", "Germany", &_x_germania::germania, false},
        // v = 26 + 26 + 90 = 142, reduced to 7.
        SecondSeriesCase{"Z", "Z9999999999", "Z9999999999", "Belgium", &_x_belgio::belgio, true},
        // v = 5 stays below 10 and is not 7.
        SecondSeriesCase{"D", "A0000000000", "A0000000000", "Poland", &_x_polonia::polonia, false},
        // v = 7 and v = 16 pass; v = 8 and v = 17 do not.
        SecondSeriesCase{"D", "B0000000001", "B0000000001", "Poland", &_x_polonia::polonia, true},
        SecondSeriesCase{"D", "B0000000055", "B0000000055", "Poland", &_x_polonia::polonia, true},
        SecondSeriesCase{"D", "B0000000002", "B0000000002", "Poland", &_x_polonia::polonia, false},
        SecondSeriesCase{"D", "B0000000056", "B0000000056", "Poland", &_x_polonia::polonia, false},
        // A lower-case letter is shown and counted as its capital.
        SecondSeriesCase{"X", "a0000000000", "A0000000000", "Germany", &_x_germania::germania, true},
        SecondSeriesCase{"Z", "z9999999999", "Z9999999999", "Belgium", &_x_belgio::belgio, true}));

// Each of the sixteen letters with A and ten zeros: v is the letter's value + 1,
// which makes 7 only for X (24 + 1 = 25).
INSTANTIATE_TEST_SUITE_P(
    EveryLetter,
    SecondSeriesCheck,
    ::testing::Values(
        SecondSeriesCase{"D", "A0000000000", "A0000000000", "Poland", &_x_polonia::polonia, false},
        SecondSeriesCase{"E", "A0000000000", "A0000000000", "France", &_x_francia::francia, false},
        SecondSeriesCase{"H", "A0000000000", "A0000000000", "United Kingdom", &_x_regnounito::regnounito, false},
        SecondSeriesCase{"J", "A0000000000", "A0000000000", "United Kingdom", &_x_regnounito::regnounito, false},
        SecondSeriesCase{"M", "A0000000000", "A0000000000", "Portugal", &_x_portogallo::portogallo, false},
        SecondSeriesCase{"N", "A0000000000", "A0000000000", "Austria", &_x_austria::austria, false},
        SecondSeriesCase{"P", "A0000000000", "A0000000000", "Netherlands", &_x_paesibassi::paesibassi, false},
        SecondSeriesCase{"R", "A0000000000", "A0000000000", "Germany", &_x_germania::germania, false},
        SecondSeriesCase{"S", "A0000000000", "A0000000000", "Italy", &_x_italia::italia, false},
        SecondSeriesCase{"T", "A0000000000", "A0000000000", "Ireland", &_x_irlanda::irlanda, false},
        SecondSeriesCase{"U", "A0000000000", "A0000000000", "France", &_x_francia::francia, false},
        SecondSeriesCase{"V", "A0000000000", "A0000000000", "Spain", &_x_spagna::spagna, false},
        SecondSeriesCase{"W", "A0000000000", "A0000000000", "Germany", &_x_germania::germania, false},
        SecondSeriesCase{"X", "A0000000000", "A0000000000", "Germany", &_x_germania::germania, true},
        SecondSeriesCase{"Y", "A0000000000", "A0000000000", "Greece", &_x_grecia::grecia, false},
        SecondSeriesCase{"Z", "A0000000000", "A0000000000", "Belgium", &_x_belgio::belgio, false}));

TEST_F(Window2Test, ASecondCheckRewritesThePanel)
{
    auto w = Window2::implicitInstance();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, "X", "A0000000000"));
    ASSERT_EQ(road::shown(*w, "StaticText9"), "is Valid");

    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, "H"));
    QTest::keyClick(road::field(*w), Qt::Key_Backspace);
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, "5"));
    road::pressReturn(*w);
    EXPECT_EQ(road::shown(*w, "StaticText4"), "H");
    EXPECT_EQ(road::shown(*w, "StaticText5"), "A0000000005");
    EXPECT_EQ(road::shown(*w, "StaticText7"), "United Kingdom");
    EXPECT_EQ(w->Canvas1()->Backdrop(), _x_regnounito::regnounito());
    // v = 8 + 1 + 5 = 14, reduced to 5.
    EXPECT_EQ(road::shown(*w, "StaticText9"), "is INVALID");
    EXPECT_EQ(w->StaticText9()->TextColor(), Color{0xFF0000});
}

TEST_F(Window2Test, TheRuleGetsLetterAndNumberInOneText)
{
    auto w = Window2::implicitInstance();
    EXPECT_EQ(w->controlla3("XA0000000000"), 7);
    EXPECT_EQ(w->controlla3("DA0000000000"), 5);
    EXPECT_EQ(w->controlla3("D00000000000"), -12);
}

} // namespace
