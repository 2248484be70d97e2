// The second-series check window on real widgets: how it is built, and the
// check through the user's road (letter, number, Return, result panel).

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "localize.h"
#include "pictures.h"
#include "system.h"
#include "window2.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

const char* const kPanelControls[] = {"StaticText3", "StaticText6", "StaticText7", "StaticText8",
                                      "StaticText9", "StaticText5", "Canvas1",     "StaticText4"};

class Window2Test : public UiTest {
protected:
    void TearDown() override
    {
        SystemClass::SetLanguageForTesting(std::nullopt);
        UiTest::TearDown();
    }
};

TEST_F(Window2Test, OpensInItsInitialState)
{
    auto w = Window2::implicitInstance();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->classRecord().name(), "Window2.Window2");
    EXPECT_EQ(w->widget()->objectName(), "Window2.Window2");

    EXPECT_EQ(w->contentWidget()->size(), QSize(445, 248));
    EXPECT_EQ(w->widget()->minimumSize(), w->widget()->maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(w->Resizeable());
    EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->widget()->isVisible());
    EXPECT_EQ(w->Title(), "Corvanta (Second Series)");
    EXPECT_EQ(w->widget()->windowTitle(), "Corvanta (Second Series)");

    QComboBox* box = road::combo(*w);
    ASSERT_NE(box, nullptr);
    const std::vector<std::string> rows = {"",  "D", "E", "H", "J", "M", "N", "P", "R",
                                           "S", "T", "U", "V", "W", "X", "Y", "Z"};
    ASSERT_EQ(box->count(), static_cast<int>(rows.size()));
    for (int i = 0; i < box->count(); ++i)
        EXPECT_EQ(box->itemText(i).toStdString(), rows[static_cast<std::size_t>(i)]) << "row " << i;
    EXPECT_EQ(box->currentIndex(), 0);

    EXPECT_EQ(w->EditField1()->Mask(), "A9999999999");
    EXPECT_EQ(road::field(*w)->text(), "");

    QPushButton* button = road::button(*w);
    ASSERT_NE(button, nullptr);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_TRUE(button->isDefault());
    EXPECT_EQ(button->text(), "Test");

    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
    for (const char* name : kPanelControls) {
        ASSERT_NE(road::named(*w, name), nullptr) << name;
        EXPECT_FALSE(road::onScreen(*w, name)) << name << " shows with the panel hidden";
    }

    EXPECT_EQ(road::shown(*w, "StaticText3"), "The banknote");
    EXPECT_EQ(road::shown(*w, "StaticText6"), "printed in");
    EXPECT_EQ(road::shown(*w, "StaticText8"), "and the numbers");
    EXPECT_EQ(road::shown(*w, "StaticText1"), "Code");
    EXPECT_EQ(road::shown(*w, "StaticText2"), "Serial Number");
    for (const char* name : {"StaticText4", "StaticText5", "StaticText7", "StaticText9"})
        EXPECT_EQ(road::shown(*w, name), "") << name;
    EXPECT_EQ(w->Canvas1()->Backdrop(), nullptr);

    EXPECT_EQ(w->Backdrop(), _x_eurob2::eurob2());
    EXPECT_NE(w->Backdrop(), nullptr) << "eurob2.jpg ships with the application";
}

TEST_F(Window2Test, ControlsSitWhereTheWindowPlacesThem)
{
    auto w = Window2::implicitInstance();
    struct Spot {
        const char* name;
        int left, top, width, height;
    };
    const Spot spots[] = {
        {"Rectangle1", 23, 106, 282, 131},  {"StaticText3", 34, 120, 104, 20}, {"StaticText6", 34, 158, 91, 20},
        {"StaticText7", 167, 158, 127, 20}, {"StaticText8", 34, 197, 127, 20}, {"StaticText9", 167, 197, 124, 20},
        {"StaticText5", 167, 120, 127, 20}, {"Canvas1", 138, 161, 20, 13},     {"StaticText4", 144, 120, 17, 20},
        {"StaticText1", 252, 6, 63, 20},    {"StaticText2", 317, 6, 127, 20},  {"PopupMenu1", 252, 32, 63, 20},
        {"EditField1", 317, 32, 120, 22},   {"PushButton1", 340, 74, 80, 20},
    };
    for (const Spot& s : spots) {
        QWidget* widget = road::named(*w, s.name);
        ASSERT_NE(widget, nullptr) << s.name;
        const QRect inWindow(widget->mapTo(w->contentWidget(), QPoint(0, 0)), widget->size());
        EXPECT_EQ(inWindow, QRect(s.left, s.top, s.width, s.height)) << s.name;
    }
}

TEST_F(Window2Test, LabelsFollowTheLanguageOfTheirCreation)
{
    SystemClass::SetLanguageForTesting("it");
    auto w = Window2::implicitInstance();
    ASSERT_NE(Localize::kStampIn("it"), "printed in") << "the Italian localization is missing";

    EXPECT_EQ(road::shown(*w, "StaticText3"), Localize::kLaBanc("it"));
    EXPECT_EQ(road::shown(*w, "StaticText6"), Localize::kStampIn("it"));
    EXPECT_EQ(road::shown(*w, "StaticText8"), Localize::kELaNum("it"));
    EXPECT_EQ(road::shown(*w, "StaticText1"), Localize::kLett("it"));
    EXPECT_EQ(road::shown(*w, "StaticText2"), Localize::kNum("it"));
    EXPECT_EQ(road::button(*w)->text().toStdString(), Localize::kVerifica("it"));
    EXPECT_EQ(w->Title(), "Corvanta (" + Localize::kSecSer("it") + ")");

    // Country and verdict are read at the check, in the language of that moment.
    ASSERT_NO_FATAL_FAILURE(road::check(*w, "X", "A0000000000"));
    EXPECT_EQ(road::shown(*w, "StaticText7"), Localize::kGer("it"));
    EXPECT_EQ(road::shown(*w, "StaticText9"), Localize::kValida("it"));
    SystemClass::SetLanguageForTesting("en");
    road::pressReturn(*w);
    EXPECT_EQ(road::shown(*w, "StaticText7"), "Germany");
    EXPECT_EQ(road::shown(*w, "StaticText9"), "is Valid");
    EXPECT_EQ(road::shown(*w, "StaticText6"), Localize::kStampIn("it"));
}

TEST_F(Window2Test, OneWindowWhileOpenAFreshOneAfterClose)
{
    auto first = Window2::implicitInstance();
    EXPECT_EQ(Window2::implicitInstance(), first);
    ASSERT_NO_FATAL_FAILURE(road::check(*first, "X", "A0000000000"));
    first->Close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    auto next = Window2::implicitInstance();
    EXPECT_NE(next, first);
    EXPECT_EQ(next->Title(), "Corvanta (Second Series)");
    EXPECT_EQ(road::combo(*next)->currentIndex(), 0);
    EXPECT_EQ(road::field(*next)->text(), "");
    EXPECT_FALSE(road::onScreen(*next, "Rectangle1"));
    EXPECT_EQ(road::shown(*next, "StaticText7"), "");
}

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
    Examples, SecondSeriesCheck,
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
    EveryLetter, SecondSeriesCheck,
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
