// What both check windows share: how they are built and opened, the check
// through the user's road (letter, number, Return, result panel), a letter
// of no row, the enabling rule and the hiding of the result panel, the
// masks, the Window menu marks, the Close command, the contextual Edit menu,
// two windows side by side, and a handler that meets a missing control.

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "controls.h"
#include "handlers.h"
#include "lettertables.h"
#include "localize.h"
#include "menu.h"
#include "menubar1.h"
#include "picture.h"
#include "pictures.h"
#include "propertylist.h"
#include "propertylists.h"
#include "system.h"
#include "window1.h"
#include "window2.h"

#include <QApplication>
#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSize>

#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

// --- Behaviour shared by both windows ---------------------------------------

// Where a control sits in window coordinates.
struct Spot {
    const char* name;
    int left, top, width, height;
};

// A check through the user's road and what the panel then shows.
struct CheckCase {
    const char* letter;
    const char* typed;
    const char* country;
    FlagPicture flag;
    bool valid;
    const char* shown = nullptr; // the number in the panel, when it is not as typed
    bool offered = true;         // false: a row of the letter table the pop-up does not offer
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.letter << " " << c.typed; }

// What the field holds after typing.
struct MaskCase {
    const char* typed;
    const char* held;
};

// After a first check, another letter and another last digit: the panel
// shows the new check, invalid.
struct Recheck {
    const char* letter;
    const char* number;
    const char* country;
    FlagPicture flag;
};

template <class W>
struct Series;

template <>
struct Series<Window1> {
    static constexpr const char* className = "Window1.Window1";
    static constexpr QSize size{611, 328};
    static constexpr const char* title = "Corvanta (First Series)";
    static constexpr const char* mask = "99999999999";
    static constexpr const char* backdropFile = "eurob.gif";
    static std::shared_ptr<Picture> backdrop() { return _x_eurob::eurob(); }
    static constexpr const char* secondLine = "comes from";
    static std::string secondLineIn(const std::string& language) { return Localize::kProvDa(language); }
    static std::string seriesIn(const std::string& language) { return Localize::kPriSer(language); }
    static inline const std::vector<std::string> rows = {
        "", "H", "L", "M", "N", "P", "S", "T", "U", "V", "X", "Y", "Z"};
    static inline const std::vector<Spot> spots = {
        {"Rectangle1", 297, 126, 282, 131},
        {"StaticText3", 308, 140, 92, 20},
        {"StaticText4", 418, 140, 17, 20},
        {"StaticText5", 441, 140, 127, 20},
        {"StaticText6", 308, 178, 92, 20},
        {"Canvas1", 405, 181, 20, 13},
        {"StaticText7", 441, 178, 127, 20},
        {"StaticText8", 308, 217, 127, 20},
        {"StaticText9", 441, 217, 124, 20},
        {"StaticText1", 328, 14, 63, 20},
        {"StaticText2", 395, 14, 127, 20},
        {"PopupMenu1", 328, 45, 63, 20},
        {"EditField1", 395, 45, 127, 22},
        {"PushButton1", 495, 94, 80, 20},
    };

    // A valid check, and another letter valid with the same number.
    static constexpr const char* letter = "H";
    static constexpr const char* otherLetter = "Z";
    static constexpr const char* number = "00000000009";
    static constexpr const char* country = "Slovenia";
    static std::string countryIn(const std::string& language) { return Localize::kSlo(language); }

    static inline const CheckCase checks[] = {
        // Every letter the pop-up offers, with ten zeros and its expected root as the check digit.
        {"H", "00000000009", "Slovenia", &_x_slovenia::slovenia, true},
        {"L", "00000000005", "Finland", &_x_finlandia::finlandia, true},
        {"M", "00000000004", "Portugal", &_x_portogallo::portogallo, true},
        {"N", "00000000003", "Austria", &_x_austria::austria, true},
        {"P", "00000000001", "Netherlands", &_x_paesibassi::paesibassi, true},
        {"S", "00000000007", "Italy", &_x_italia::italia, true},
        {"T", "00000000006", "Ireland", &_x_irlanda::irlanda, true},
        {"U", "00000000005", "France", &_x_francia::francia, true},
        {"V", "00000000004", "Spain", &_x_spagna::spagna, true},
        {"X", "00000000002", "Germany", &_x_germania::germania, true},
        {"Y", "00000000001", "Greece", &_x_grecia::grecia, true},
        {"Z", "00000000009", "Belgium", &_x_belgio::belgio, true},
        // One off the expected root: invalid.
        {"M", "00000000005", "Portugal", &_x_portogallo::portogallo, false},
        {"Y", "00000000002", "Greece", &_x_grecia::grecia, false},
        {"S", "00000000002", "Italy", &_x_italia::italia, false},
        // The digital root 9 is right but a final 0 never passes.
        {"H", "00000000090", "Slovenia", &_x_slovenia::slovenia, false},
        // Digital root 0 against 9: the check digit is not even tried.
        {"H", "00000000000", "Slovenia", &_x_slovenia::slovenia, false},
        {"Z", "00000000018", "Belgium", &_x_belgio::belgio, true},
        // Every digit counts, wherever it stands.
        {"H", "90000000009", "Slovenia", &_x_slovenia::slovenia, true},
        {"H", "00000000981", "Slovenia", &_x_slovenia::slovenia, true},
        {"X", "12345678902", "Germany", &_x_germania::germania, true},
        {"X", "12345678901", "Germany", &_x_germania::germania, false},
        // The rows the pop-up does not offer check the same way once it has them.
        {"F", "00000000002", "Malta", &_x_malta::malta, true, nullptr, false},
        {"F", "00000000003", "Malta", &_x_malta::malta, false, nullptr, false},
        {"G", "00000000001", "Cyprus", &_x_cipro::cipro, true, nullptr, false},
        {"G", "00000000002", "Cyprus", &_x_cipro::cipro, false, nullptr, false},
        {"R", "00000000008", "Luxembourg", &_x_lussemburgo::lussemburgo, true, nullptr, false},
        {"R", "00000000009", "Luxembourg", &_x_lussemburgo::lussemburgo, false, nullptr, false},
    };
    static constexpr Recheck recheck{"M", "00000000005", "Portugal", &_x_portogallo::portogallo};

    static inline const MaskCase masks[] = {
        {"12ab3-4 5", "12345"},
        {"A0000000009", "0000000009"},
        {"000000000091", "00000000009"},
    };
};

template <>
struct Series<Window2> {
    static constexpr const char* className = "Window2.Window2";
    static constexpr QSize size{445, 248};
    static constexpr const char* title = "Corvanta (Second Series)";
    static constexpr const char* mask = "A9999999999";
    static constexpr const char* backdropFile = "eurob2.jpg";
    static std::shared_ptr<Picture> backdrop() { return _x_eurob2::eurob2(); }
    static constexpr const char* secondLine = "printed in";
    static std::string secondLineIn(const std::string& language) { return Localize::kStampIn(language); }
    static std::string seriesIn(const std::string& language) { return Localize::kSecSer(language); }
    static inline const std::vector<std::string> rows = {
        "", "D", "E", "H", "J", "M", "N", "P", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
    static inline const std::vector<Spot> spots = {
        {"Rectangle1", 23, 106, 282, 131},
        {"StaticText3", 34, 120, 104, 20},
        {"StaticText6", 34, 158, 91, 20},
        {"StaticText7", 167, 158, 127, 20},
        {"StaticText8", 34, 197, 127, 20},
        {"StaticText9", 167, 197, 124, 20},
        {"StaticText5", 167, 120, 127, 20},
        {"Canvas1", 138, 161, 20, 13},
        {"StaticText4", 144, 120, 17, 20},
        {"StaticText1", 252, 6, 63, 20},
        {"StaticText2", 317, 6, 127, 20},
        {"PopupMenu1", 252, 32, 63, 20},
        {"EditField1", 317, 32, 120, 22},
        {"PushButton1", 340, 74, 80, 20},
    };

    static constexpr const char* letter = "X";
    static constexpr const char* otherLetter = "R";
    static constexpr const char* number = "A0000000000";
    static constexpr const char* country = "Germany";
    static std::string countryIn(const std::string& language) { return Localize::kGer(language); }

    static inline const CheckCase checks[] = {
        // v = 24 + 1 + 0 = 25, reduced to 7.
        {"X", "A0000000000", "Germany", &_x_germania::germania, true},
        {"X", "A0000000001", "Germany", &_x_germania::germania, false},
        // v = 26 + 26 + 90 = 142, reduced to 7.
        {"Z", "Z9999999999", "Belgium", &_x_belgio::belgio, true},
        // v = 7 and v = 16 pass; v = 8 and v = 17 do not.
        {"D", "B0000000001", "Poland", &_x_polonia::polonia, true},
        {"D", "B0000000055", "Poland", &_x_polonia::polonia, true},
        {"D", "B0000000002", "Poland", &_x_polonia::polonia, false},
        {"D", "B0000000056", "Poland", &_x_polonia::polonia, false},
        // A lower-case letter is shown and counted as its capital.
        {"X", "a0000000000", "Germany", &_x_germania::germania, true, "A0000000000"},
        {"Z", "z9999999999", "Belgium", &_x_belgio::belgio, true, "Z9999999999"},
        // Each of the sixteen letters with A and ten zeros: v is the letter's value + 1, 7 only for X.
        {"D", "A0000000000", "Poland", &_x_polonia::polonia, false},
        {"E", "A0000000000", "France", &_x_francia::francia, false},
        {"H", "A0000000000", "United Kingdom", &_x_regnounito::regnounito, false},
        {"J", "A0000000000", "United Kingdom", &_x_regnounito::regnounito, false},
        {"M", "A0000000000", "Portugal", &_x_portogallo::portogallo, false},
        {"N", "A0000000000", "Austria", &_x_austria::austria, false},
        {"P", "A0000000000", "Netherlands", &_x_paesibassi::paesibassi, false},
        {"R", "A0000000000", "Germany", &_x_germania::germania, false},
        {"S", "A0000000000", "Italy", &_x_italia::italia, false},
        {"T", "A0000000000", "Ireland", &_x_irlanda::irlanda, false},
        {"U", "A0000000000", "France", &_x_francia::francia, false},
        {"V", "A0000000000", "Spain", &_x_spagna::spagna, false},
        {"W", "A0000000000", "Germany", &_x_germania::germania, false},
        {"Y", "A0000000000", "Greece", &_x_grecia::grecia, false},
        {"Z", "A0000000000", "Belgium", &_x_belgio::belgio, false},
    };
    // v = 8 + 1 + 1 = 10, reduced to 1.
    static constexpr Recheck recheck{"H", "A0000000001", "United Kingdom", &_x_regnounito::regnounito};

    static inline const MaskCase masks[] = {
        {"5", ""},
        {"AB1", "A1"},
        {"x12", "x12"},
        {"A00000000001", "A0000000000"},
        {"Z-9 9", "Z99"},
    };
};

const char* const kPanelControls[] = {
    "StaticText3", "StaticText6", "StaticText7", "StaticText8", "StaticText9", "StaticText5", "Canvas1", "StaticText4"};

template <class W>
class CheckWindow : public UiTest {
protected:
    using S = Series<W>;
    void TearDown() override
    {
        SystemClass::SetLanguageForTesting(std::nullopt);
        UiTest::TearDown();
    }
    std::shared_ptr<W> open() { return W::implicitInstance(); }
    // The open window closed and a new one in its place, as for a new case.
    std::shared_ptr<W> reopen()
    {
        this->open()->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return this->open();
    }
    static bool enabled(const Window& w) { return road::button(w)->isEnabled(); }
};

using BothWindows = ::testing::Types<Window1, Window2>;
TYPED_TEST_SUITE(CheckWindow, BothWindows);

// --- Building and opening ---------------------------------------------------

TYPED_TEST(CheckWindow, OpensInItsInitialState)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->IsOpen());
    EXPECT_EQ(w->classRecord().name(), S::className);
    EXPECT_EQ(w->widget()->objectName().toStdString(), S::className);

    EXPECT_EQ(w->contentWidget()->size(), S::size);
    EXPECT_EQ(w->widget()->minimumSize(), w->widget()->maximumSize()) << "the window must not be resizable";
    EXPECT_FALSE(w->Resizeable());
    EXPECT_FALSE(w->widget()->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w->widget()->isVisible());
    EXPECT_EQ(w->Title(), S::title);
    EXPECT_EQ(w->widget()->windowTitle().toStdString(), S::title);

    QComboBox* box = road::combo(*w);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), static_cast<int>(S::rows.size()));
    for (int i = 0; i < box->count(); ++i)
        EXPECT_EQ(box->itemText(i).toStdString(), S::rows[static_cast<std::size_t>(i)]) << "row " << i;
    EXPECT_EQ(box->currentIndex(), 0);
    EXPECT_EQ(w->PopupMenu1()->ListIndex(), 0);
    EXPECT_EQ(w->PopupMenu1()->Text(), "");

    EXPECT_EQ(w->EditField1()->Mask(), S::mask);
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
    EXPECT_EQ(road::shown(*w, "StaticText6"), S::secondLine);
    EXPECT_EQ(road::shown(*w, "StaticText8"), "and the numbers");
    EXPECT_EQ(road::shown(*w, "StaticText1"), "Code");
    EXPECT_EQ(road::shown(*w, "StaticText2"), "Serial Number");
    for (const char* name : {"StaticText4", "StaticText5", "StaticText7", "StaticText9"})
        EXPECT_EQ(road::shown(*w, name), "") << name;
    EXPECT_TRUE(w->StaticText9()->Bold());
    EXPECT_EQ(w->Canvas1()->Backdrop(), nullptr);

    EXPECT_EQ(w->Backdrop(), S::backdrop());
    EXPECT_NE(w->Backdrop(), nullptr) << S::backdropFile << " ships with the application";
}

TYPED_TEST(CheckWindow, ControlsSitWhereTheWindowPlacesThem)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_EQ(S::spots.size(), 14u);
    for (const Spot& s : S::spots) {
        QWidget* widget = road::named(*w, s.name);
        ASSERT_NE(widget, nullptr) << s.name;
        const QRect inWindow(widget->mapTo(w->contentWidget(), QPoint(0, 0)), widget->size());
        EXPECT_EQ(inWindow, QRect(s.left, s.top, s.width, s.height)) << s.name;
    }
}

// The number field shows the colours its list stores, black text on white,
// also on a desktop whose fields are light text on dark.
TYPED_TEST(CheckWindow, TheNumberFieldIsBlackOnWhiteAsStored)
{
    struct DarkFields {
        const QPalette desktop = QApplication::palette();
        DarkFields()
        {
            QPalette dark = desktop;
            dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
            dark.setColor(QPalette::Text, QColor(0xF0, 0xF0, 0xF0));
            QApplication::setPalette(dark);
        }
        ~DarkFields() { QApplication::setPalette(desktop); }
    } dark;
    auto w = this->open();
    QLineEdit* field = road::field(*w);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(field->palette().color(QPalette::Base), QColor(Qt::white));
    EXPECT_EQ(field->palette().color(QPalette::Text), QColor(Qt::black));
}

TYPED_TEST(CheckWindow, LabelsFollowTheLanguageOfTheirCreation)
{
    using S = typename TestFixture::S;
    SystemClass::SetLanguageForTesting("it");
    auto w = this->open();
    ASSERT_NE(Localize::kLaBanc("it"), "The banknote") << "the Italian localization is missing";
    ASSERT_NE(S::secondLineIn("it"), S::secondLine) << "the Italian localization is missing";

    EXPECT_EQ(road::shown(*w, "StaticText3"), Localize::kLaBanc("it"));
    EXPECT_EQ(road::shown(*w, "StaticText6"), S::secondLineIn("it"));
    EXPECT_EQ(road::shown(*w, "StaticText8"), Localize::kELaNum("it"));
    EXPECT_EQ(road::shown(*w, "StaticText1"), Localize::kLett("it"));
    EXPECT_EQ(road::shown(*w, "StaticText2"), Localize::kNum("it"));
    EXPECT_EQ(road::button(*w)->text().toStdString(), Localize::kVerifica("it"));
    EXPECT_EQ(w->Title(), "Corvanta (" + S::seriesIn("it") + ")");

    // Country and verdict are read at each check, in the language of that moment.
    ASSERT_NO_FATAL_FAILURE(road::check(*w, S::letter, S::number));
    EXPECT_EQ(road::shown(*w, "StaticText7"), S::countryIn("it"));
    EXPECT_EQ(road::shown(*w, "StaticText9"), Localize::kValida("it"));
    SystemClass::SetLanguageForTesting("en");
    road::pressReturn(*w);
    EXPECT_EQ(road::shown(*w, "StaticText7"), S::country);
    EXPECT_EQ(road::shown(*w, "StaticText9"), "is Valid");

    // The labels stay as built.
    EXPECT_EQ(road::shown(*w, "StaticText3"), Localize::kLaBanc("it"));
    EXPECT_EQ(road::shown(*w, "StaticText6"), S::secondLineIn("it"));
}

TYPED_TEST(CheckWindow, OneWindowWhileOpenAFreshOneAfterClose)
{
    using S = typename TestFixture::S;
    auto first = this->open();
    EXPECT_EQ(this->open(), first);
    EXPECT_EQ(Window::WindowCount(), 1);

    ASSERT_NO_FATAL_FAILURE(road::check(*first, S::letter, S::number));
    ASSERT_TRUE(road::onScreen(*first, "Rectangle1"));
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    auto next = this->open();
    EXPECT_NE(next, first);
    EXPECT_EQ(next->Title(), S::title);
    EXPECT_EQ(road::combo(*next)->currentIndex(), 0);
    EXPECT_EQ(road::field(*next)->text(), "");
    EXPECT_FALSE(road::button(*next)->isEnabled());
    EXPECT_FALSE(road::onScreen(*next, "Rectangle1"));
    EXPECT_EQ(road::shown(*next, "StaticText7"), "");
    EXPECT_EQ(road::shown(*next, "StaticText9"), "");
    EXPECT_EQ(next->Canvas1()->Backdrop(), nullptr);
}

// --- The check --------------------------------------------------------------

// What the panel shows after checking c in w: every control of it, the
// letter, the number, the country with its flag, the verdict in its colour.
template <class W>
void expectPanel(const W& w, const CheckCase& c)
{
    EXPECT_TRUE(road::onScreen(w, "Rectangle1"));
    for (const char* name : kPanelControls)
        EXPECT_TRUE(road::onScreen(w, name)) << name;
    EXPECT_EQ(road::shown(w, "StaticText4"), c.letter);
    EXPECT_EQ(road::shown(w, "StaticText5"), c.shown ? c.shown : c.typed);
    EXPECT_EQ(road::shown(w, "StaticText7"), c.country);
    ASSERT_NE(c.flag(), nullptr) << "the flag of " << c.country << " ships with the application";
    EXPECT_EQ(w.Canvas1()->Backdrop(), c.flag()) << "the flag is the accessor's picture";
    EXPECT_EQ(road::shown(w, "StaticText9"), c.valid ? "is Valid" : "is INVALID");
    EXPECT_EQ(w.StaticText9()->TextColor(), c.valid ? Color{0x00FF00} : Color{0xFF0000});
    auto* verdict = w.widget()->template findChild<QLabel*>("StaticText9");
    ASSERT_NE(verdict, nullptr);
    EXPECT_EQ(verdict->palette().color(verdict->foregroundRole()), c.valid ? QColor(0, 255, 0) : QColor(255, 0, 0));
}

TYPED_TEST(CheckWindow, ShowsCountryFlagAndVerdict)
{
    using S = typename TestFixture::S;
    for (const CheckCase& c : S::checks) {
        SCOPED_TRACE(::testing::PrintToString(c));
        auto w = this->reopen();
        [&] {
            if (!c.offered) {
                // The program never lists it; the pop-up is given the row to reach it.
                ASSERT_EQ(road::combo(*w)->findText(c.letter), -1) << c.letter << " is offered";
                NotNil(w->PopupMenu1())->SetInitialValue(std::string("\r") + c.letter);
            }
            ASSERT_NO_FATAL_FAILURE(road::check(*w, c.letter, c.typed));
            ASSERT_EQ(road::field(*w)->text().toStdString(), c.typed) << "the field holds what was typed";
            expectPanel(*w, c);
            // Pressing leaves the button as it was.
            EXPECT_TRUE(this->enabled(*w));
        }();
    }
}

TYPED_TEST(CheckWindow, ASecondCheckRewritesThePanel)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, S::letter, S::number));
    ASSERT_EQ(road::shown(*w, "StaticText9"), "is Valid");

    const Recheck& next = S::recheck;
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, next.letter));
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
    QTest::keyClick(road::field(*w), Qt::Key_Backspace);
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, std::string(next.number).substr(10)));
    ASSERT_EQ(road::field(*w)->text().toStdString(), next.number);
    road::pressReturn(*w);
    const CheckCase invalid{next.letter, next.number, next.country, next.flag, false};
    expectPanel(*w, invalid);

    // A second press without a change repeats the same result.
    road::pressReturn(*w);
    expectPanel(*w, invalid);
}

// The field admits only what its mask does, and no more than eleven characters.
TYPED_TEST(CheckWindow, MasksRefuseWhatTheyDoNotAdmit)
{
    using S = typename TestFixture::S;
    for (const MaskCase& c : S::masks) {
        SCOPED_TRACE(c.typed);
        auto w = this->reopen();
        ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, c.typed));
        EXPECT_EQ(road::field(*w)->text().toStdString(), c.held);
    }
}

// --- A letter of no row -----------------------------------------------------

// Shows the verdict the panel holds, as text and colour.
void expectInvalid(const Window& w, const std::shared_ptr<Label>& verdict)
{
    EXPECT_EQ(road::shown(w, "StaticText9"), "is INVALID");
    EXPECT_EQ(NotNil(verdict)->TextColor(), Color{0xFF0000});
    auto* label = w.widget()->findChild<QLabel*>("StaticText9");
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->palette().color(label->foregroundRole()), QColor(255, 0, 0));
}

// The blank row matches no row of the letter table. Should the test button's
// Action run with it (the button is disabled then, so only a caller other
// than the user gets there), the panel shows again as invalid and keeps the
// flag and the country of the last check.
TYPED_TEST(CheckWindow, TheBlankRowIsInvalidAndKeepsTheLastFlagAndCountry)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, S::letter, S::number));
    ASSERT_EQ(road::shown(*w, "StaticText7"), S::country);
    ASSERT_EQ(road::shown(*w, "StaticText9"), "is Valid");
    const auto flag = w->Canvas1()->Backdrop();
    ASSERT_NE(flag, nullptr);

    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, ""));
    EXPECT_FALSE(this->enabled(*w));
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));

    auto button = NotNil(w->PushButton1());
    ASSERT_TRUE(button->Action);
    button->Action(button);

    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    EXPECT_EQ(road::shown(*w, "StaticText4"), "");
    EXPECT_EQ(road::shown(*w, "StaticText5"), S::number);
    expectInvalid(*w, w->StaticText9());
    EXPECT_EQ(road::shown(*w, "StaticText7"), S::country);
    EXPECT_EQ(w->Canvas1()->Backdrop(), flag);
}

TYPED_TEST(CheckWindow, TheBlankRowInAFreshWindowLeavesFlagAndCountryEmpty)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, S::number));
    EXPECT_FALSE(this->enabled(*w));

    auto button = NotNil(w->PushButton1());
    ASSERT_TRUE(button->Action);
    button->Action(button);

    EXPECT_TRUE(road::onScreen(*w, "Rectangle1"));
    expectInvalid(*w, w->StaticText9());
    EXPECT_EQ(road::shown(*w, "StaticText7"), "");
    EXPECT_EQ(w->Canvas1()->Backdrop(), nullptr);
}

// --- Enabling and hiding ----------------------------------------------------

TYPED_TEST(CheckWindow, TheButtonWaitsForALetterAndElevenCharacters)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    const std::string number = S::number;

    // Blank row and a full field: still disabled.
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, number));
    ASSERT_EQ(road::field(*w)->text().toStdString(), number);
    EXPECT_FALSE(this->enabled(*w));

    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, S::letter));
    EXPECT_TRUE(this->enabled(*w));

    // Deleting any character disables it, the eleventh enables it again.
    road::field(*w)->setCursorPosition(5);
    QTest::keyClick(road::field(*w), Qt::Key_Delete);
    ASSERT_EQ(road::field(*w)->text().size(), 10);
    EXPECT_FALSE(this->enabled(*w));
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, "0"));
    EXPECT_TRUE(this->enabled(*w));
    QTest::keyClick(road::field(*w), Qt::Key_Backspace);
    EXPECT_FALSE(this->enabled(*w));
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, "1"));
    EXPECT_TRUE(this->enabled(*w));

    // The blank row again disables it whatever the field holds.
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, ""));
    EXPECT_FALSE(this->enabled(*w));
    EXPECT_EQ(road::field(*w)->text().size(), 11);
}

TYPED_TEST(CheckWindow, LetterFirstThenTenCharactersStayDisabled)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    const std::string number = S::number;
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, S::letter));
    EXPECT_FALSE(this->enabled(*w));
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, number.substr(0, 10)));
    EXPECT_FALSE(this->enabled(*w));
    road::pressReturn(*w);
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1")) << "Return must not test while the button is disabled";
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, number.substr(10)));
    EXPECT_TRUE(this->enabled(*w));
}

TYPED_TEST(CheckWindow, AnyChangeHidesTheWholePanel)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    ASSERT_NO_FATAL_FAILURE(road::check(*w, S::letter, S::number));
    ASSERT_TRUE(road::onScreen(*w, "Rectangle1"));
    ASSERT_EQ(road::shown(*w, "StaticText7"), S::country);

    // Another letter: the button stays enabled, the panel goes.
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, S::otherLetter));
    EXPECT_TRUE(this->enabled(*w));
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
    for (const char* name : {"StaticText4", "StaticText5", "StaticText7", "StaticText9", "Canvas1"})
        EXPECT_FALSE(road::onScreen(*w, name)) << name;
    // Hidden, not cleared: the last result is still in the panel.
    EXPECT_EQ(road::shown(*w, "StaticText7"), S::country);

    road::pressReturn(*w);
    ASSERT_TRUE(road::onScreen(*w, "Rectangle1"));
    EXPECT_EQ(road::shown(*w, "StaticText4"), S::otherLetter);

    // Deleting a character hides it too, and typing it back does not show it.
    QTest::keyClick(road::field(*w), Qt::Key_Backspace);
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, std::string(S::number).substr(10)));
    EXPECT_TRUE(this->enabled(*w));
    EXPECT_FALSE(road::onScreen(*w, "Rectangle1"));
}

TYPED_TEST(CheckWindow, AContextualClickPopsUpACopyOfTheEditMenu)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    const std::string typed = std::string(S::number).substr(0, 3);
    std::vector<std::shared_ptr<MenuItem>> popped;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>& menu) {
        popped.push_back(menu);
        return std::shared_ptr<MenuItem>();
    });
    auto edit = NotNil(w->EditMenu());
    std::vector<std::string> texts;
    for (std::int64_t i = 0; i < edit->Count(); ++i)
        texts.push_back(edit->Item(i)->Text());
    ASSERT_FALSE(texts.empty());

    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, typed));
    QTest::mouseClick(road::field(*w), Qt::LeftButton);
    EXPECT_TRUE(popped.empty()) << "an ordinary click is left to the field";

    QTest::mouseClick(road::field(*w), Qt::RightButton);
    MenuItem::SetPopUpChooserForTesting({});
    ASSERT_EQ(popped.size(), 1u);
    const auto& copy = popped[0];
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, edit) << "the menu bar's own Edit menu must not be popped up";
    EXPECT_STREQ(copy->className(), edit->className());
    ASSERT_EQ(copy->Count(), edit->Count());
    for (std::int64_t i = 0; i < copy->Count(); ++i) {
        EXPECT_NE(copy->Item(i), edit->Item(i));
        EXPECT_EQ(copy->Item(i)->Text(), texts[static_cast<std::size_t>(i)]);
    }

    // The Edit menu of the bar is as it was, and the field too.
    EXPECT_EQ(w->EditMenu(), edit);
    ASSERT_EQ(edit->Count(), static_cast<std::int64_t>(texts.size()));
    for (std::int64_t i = 0; i < edit->Count(); ++i)
        EXPECT_EQ(edit->Item(i)->Text(), texts[static_cast<std::size_t>(i)]);
    EXPECT_EQ(road::field(*w)->text().toStdString(), typed);
}

TYPED_TEST(CheckWindow, MouseDownAnswersWhetherItHandledTheClick)
{
    auto w = this->open();
    int popups = 0;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>&) {
        ++popups;
        return std::shared_ptr<MenuItem>();
    });
    // Outside a mouse-down there is no contextual click.
    EXPECT_FALSE(w->EditField1_MouseDown(w->EditField1(), 3, 4));
    EXPECT_FALSE(w->EditField1_ConstructContextualMenu(w->EditField1(), w->EditMenu(), 3, 4));
    MenuItem::SetPopUpChooserForTesting({});
    EXPECT_EQ(popups, 0);
}

TYPED_TEST(CheckWindow, CloseClosesThisWindowAndAnswersFalse)
{
    auto w = this->open();
    auto handler = w->MenuHandler("FileClose");
    ASSERT_TRUE(handler);
    EXPECT_FALSE(handler());
    EXPECT_FALSE(w->IsOpen());
    EXPECT_EQ(Window::ImplicitWindow(w->classRecord().name()), nullptr);
    EXPECT_EQ(w->ControlByName("PushButton1"), nullptr);
}

// Escape is no key of a check window: wherever the focus is, the window
// stays open and the number stays as typed.
TYPED_TEST(CheckWindow, EscapeLeavesTheWindowOpen)
{
    using S = typename TestFixture::S;
    auto w = this->open();
    // The first four places of the mask, each filled as it admits.
    std::string typed;
    for (char place : std::string(S::mask).substr(0, 4))
        typed += place == '9' ? '1' : 'A';
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, typed));
    for (const char* name : {"EditField1", "PopupMenu1"}) {
        QWidget* target = road::named(*w, name);
        ASSERT_NE(target, nullptr) << name;
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ASSERT_TRUE(w->IsOpen()) << "Escape in " << name;
    }
    EXPECT_EQ(road::field(*w)->text().toStdString(), typed);
}

TYPED_TEST(CheckWindow, MenuItemAccessorsFindTheSharedBarsItems)
{
    auto w = this->open();
    auto bar = MenuBar1::implicitInstance();
    EXPECT_EQ(w->MenuBar(), bar);
    EXPECT_EQ(w->FileMenu(), bar->Lookup("FileMenu"));
    EXPECT_EQ(w->FileClose(), bar->Lookup("FileClose"));
    EXPECT_EQ(w->UntitledSeparator(), bar->Lookup("UntitledSeparator"));
    EXPECT_EQ(w->FileQuit(), bar->Lookup("FileQuit"));
    EXPECT_EQ(w->EditMenu(), bar->Lookup("EditMenu"));
    EXPECT_EQ(w->EditUndo(), bar->Lookup("EditUndo"));
    EXPECT_EQ(w->UntitledMenu1(), bar->Lookup("UntitledMenu1"));
    EXPECT_EQ(w->EditCut(), bar->Lookup("EditCut"));
    EXPECT_EQ(w->EditCopy(), bar->Lookup("EditCopy"));
    EXPECT_EQ(w->EditPaste(), bar->Lookup("EditPaste"));
    EXPECT_EQ(w->EditClear(), bar->Lookup("EditClear"));
    EXPECT_EQ(w->UntitledMenu0(), bar->Lookup("UntitledMenu0"));
    EXPECT_EQ(w->EditSelectAll(), bar->Lookup("EditSelectAll"));
    EXPECT_EQ(w->WindowMenu(), bar->Lookup("WindowMenu"));
    EXPECT_EQ(w->FinestraPrimaSerie(), bar->Lookup("FinestraPrimaSerie"));
    EXPECT_EQ(w->FinestraSecondaSerie(), bar->Lookup("FinestraSecondaSerie"));
    EXPECT_EQ(w->HelpMenu(), bar->Lookup("HelpMenu"));
    EXPECT_EQ(w->HelpCorvantaLeggimi(), bar->Lookup("HelpCorvantaLeggimi"));
    EXPECT_EQ(w->UntitledSeparator2(), bar->Lookup("UntitledSeparator2"));
    EXPECT_EQ(w->FileInfo(), bar->Lookup("FileInfo"));
    EXPECT_EQ(w->UntitledSeparator1(), bar->Lookup("UntitledSeparator1"));
    EXPECT_NE(w->FileQuit(), nullptr);
    EXPECT_NE(w->FileInfo(), nullptr);
    EXPECT_NE(w->EditMenu(), nullptr);
    // The Window menu holds the first-series item first and the second-series item second.
    EXPECT_EQ(w->WindowMenu()->Item(0), w->FinestraPrimaSerie());
    EXPECT_EQ(w->WindowMenu()->Item(1), w->FinestraSecondaSerie());
}

// --- Windows side by side ---------------------------------------------------

// A window of neither check class, such as the About window.
class OtherWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("OtherWindow.OtherWindow");
        return record;
    }

protected:
    void Layout() override { SetProperties(PropertyList({{"Width", 200}, {"Height", 100}, {"Visible", true}})); }
};

enum class Front { First, Second, Other };

// Which window is in front, and the marks of the first- and second-series
// items then, whichever check window's handler runs.
struct MarkCase {
    Front front;
    bool firstChecked;
    bool secondChecked;
};

const MarkCase kMarks[] = {
    {Front::First, true, false},
    {Front::Second, false, true},
    {Front::Other, false, false},
};

TYPED_TEST(CheckWindow, WindowMenuMarksFollowTheFrontWindow)
{
    auto runs = this->open();
    auto w1 = Window1::implicitInstance();
    auto w2 = Window2::implicitInstance();
    auto other = std::make_shared<OtherWindow>();
    other->Constructor();

    for (const MarkCase& c : kMarks) {
        const char* front[] = {"Window1", "Window2", "another window"};
        SCOPED_TRACE(std::string(front[static_cast<int>(c.front)]) + " in front");
        std::shared_ptr<Window> inFront = c.front == Front::First ? std::shared_ptr<Window>(w1)
            : c.front == Front::Second                            ? std::shared_ptr<Window>(w2)
                                                                  : std::shared_ptr<Window>(other);
        inFront->Show();
        QCoreApplication::processEvents();
        ASSERT_EQ(Window::At(0), inFront);

        // Start from the opposite marks, so that each one must be set.
        auto primo = NotNil(runs->FinestraPrimaSerie());
        auto secondo = NotNil(runs->FinestraSecondaSerie());
        primo->SetChecked(!c.firstChecked);
        secondo->SetChecked(!c.secondChecked);

        runs->Event_EnableMenuItems();
        EXPECT_EQ(primo->Checked(), c.firstChecked);
        EXPECT_EQ(secondo->Checked(), c.secondChecked);
    }
}

class TwoWindows : public UiTest {};

TEST_F(TwoWindows, TheFrameworkRaisesTheMarksOnTheFrontWindow)
{
    auto w1 = Window1::implicitInstance();
    RaiseEnableMenuItems();
    EXPECT_TRUE(w1->FinestraPrimaSerie()->Checked());
    EXPECT_FALSE(w1->FinestraSecondaSerie()->Checked());

    auto w2 = Window2::implicitInstance();
    w2->Show();
    QCoreApplication::processEvents();
    ASSERT_EQ(Window::At(0), w2);
    RaiseEnableMenuItems();
    EXPECT_FALSE(w1->FinestraPrimaSerie()->Checked());
    EXPECT_TRUE(w1->FinestraSecondaSerie()->Checked());
}

TEST_F(TwoWindows, TheCloseItemClosesOnlyTheFrontCheckWindow)
{
    auto w1 = Window1::implicitInstance();
    auto w2 = Window2::implicitInstance();
    w2->Show();
    QCoreApplication::processEvents();
    ASSERT_EQ(Window::At(0), w2);

    ChooseMenuItem(NotNil(w2->FileClose()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w2->IsOpen());
    EXPECT_TRUE(w1->IsOpen());
    EXPECT_EQ(Window::ImplicitWindow("Window1.Window1"), w1);
    EXPECT_EQ(Window::ImplicitWindow("Window2.Window2"), nullptr);

    ASSERT_EQ(Window::At(0), w1);
    ChooseMenuItem(NotNil(w1->FileClose()));
    QCoreApplication::processEvents();
    EXPECT_FALSE(w1->IsOpen());
    EXPECT_EQ(Window::WindowCount(), 0);
}

// Ctrl+W, pressed in the number field, closes the window in front; the
// window that comes to the front in its place takes the keyboard and stays
// open until its own turn.
TEST_F(TwoWindows, TheCloseKeyClosesOnlyTheFrontCheckWindow)
{
    auto w1 = Window1::implicitInstance();
    auto w2 = Window2::implicitInstance();
    w2->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w2->widget()));
    ASSERT_EQ(Window::At(0), w2);

    QTest::keyClick(road::field(*w2), Qt::Key_W, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(w2->IsOpen());
    EXPECT_TRUE(w1->IsOpen());
    ASSERT_EQ(Window::At(0), w1);

    // The keyboard goes on in the window now in front.
    QCoreApplication::processEvents();
    ASSERT_EQ(QApplication::activeWindow(), w1->widget());
    QTest::keyClick(road::field(*w1), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(w1->IsOpen());
    EXPECT_EQ(Window::WindowCount(), 0);
}

TEST_F(TwoWindows, EachWindowActsOnItsOwnControls)
{
    auto w1 = Window1::implicitInstance();
    auto w2 = Window2::implicitInstance();
    ASSERT_NO_FATAL_FAILURE(road::check(*w1, "H", "00000000009"));
    ASSERT_NO_FATAL_FAILURE(road::check(*w2, "X", "A0000000001"));
    EXPECT_TRUE(road::onScreen(*w1, "Rectangle1"));
    EXPECT_TRUE(road::onScreen(*w2, "Rectangle1"));
    EXPECT_EQ(road::shown(*w1, "StaticText9"), "is Valid");
    EXPECT_EQ(road::shown(*w2, "StaticText9"), "is INVALID");

    // A change in the second window hides only its own panel.
    QTest::keyClick(road::field(*w2), Qt::Key_Backspace);
    EXPECT_FALSE(road::onScreen(*w2, "Rectangle1"));
    EXPECT_FALSE(road::button(*w2)->isEnabled());
    EXPECT_TRUE(road::onScreen(*w1, "Rectangle1"));
    EXPECT_TRUE(road::button(*w1)->isEnabled());

    // Each test button reads its own window's letter and number.
    road::pressReturn(*w1);
    EXPECT_EQ(road::shown(*w1, "StaticText4"), "H");
    EXPECT_EQ(road::shown(*w1, "StaticText7"), "Slovenia");
    EXPECT_EQ(road::shown(*w2, "StaticText4"), "X");
    EXPECT_EQ(road::shown(*w2, "StaticText5"), "A0000000001");
}

// --- A handler that meets a missing control ---------------------------------

// The first-series window with only its pop-up, field and button: every
// handler that reaches for the result panel finds nothing.
class Window1WithoutPanel : public Window1 {
protected:
    void CreateControls() override
    {
        using namespace checklists;
        const CheckWindowDesign& d = FirstSeriesDesign();
        CreateControl<PopupMenu>("PopupMenu1");
        Registered<PopupMenu>("PopupMenu1")->SetProperties(PopupMenuList(d.letters, d.popupMenu1));
        Registered<PopupMenu>("PopupMenu1")->Change = CreateDelegate(self<Window1>(), &Window1::PopupMenu1_Change);
        CreateControl<TextField>("EditField1");
        Registered<TextField>("EditField1")->SetProperties(EditFieldList(d.mask, d.editField1));
        Registered<TextField>("EditField1")->TextChange =
            CreateDelegate(self<Window1>(), &Window1::EditField1_TextChange);
        CreateControl<PushButton>("PushButton1");
        Registered<PushButton>("PushButton1")->SetProperties(PushButtonList(d.pushButton1));
        Registered<PushButton>("PushButton1")->Action = CreateDelegate(self<Window1>(), &Window1::PushButton1_Action);
    }
};

TEST_F(TwoWindows, AMissingControlEndsTheHandlerAndTheApplicationGoesOn)
{
    auto w = std::make_shared<Window1WithoutPanel>();
    w->Constructor();
    ASSERT_EQ(w->Rectangle1(), nullptr);
    EXPECT_THROW(w->PushButton1_Action(w->PushButton1()), NilObjectException);

    const int before = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    ASSERT_NO_FATAL_FAILURE(road::chooseRow(*w, "H"));
    ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, "00000000009"));
    // The button's state is set before the missing panel is reached.
    EXPECT_TRUE(road::button(*w)->isEnabled());
    road::pressReturn(*w);
    const std::string reported = ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(ReportedExceptionCount() - before, 1 + 11 + 1) << reported;
    EXPECT_NE(reported.find("Unhandled NilObjectException"), std::string::npos) << reported;
    EXPECT_TRUE(w->IsOpen());

    // Still answering: a change is handled (and fails) again.
    QTest::keyClick(road::field(*w), Qt::Key_Backspace);
    EXPECT_FALSE(road::button(*w)->isEnabled());
}

TEST_F(TwoWindows, AClosedWindowsHandlersFindNoControls)
{
    auto w = Window2::implicitInstance();
    auto button = w->PushButton1();
    w->Close();
    EXPECT_THROW(w->PushButton1_Action(button), NilObjectException);
    EXPECT_THROW(w->PopupMenu1_Change(nullptr), NilObjectException);
}

} // namespace
