// Texts fit their places at any desktop font size: every label, caption and
// pop-up row of the three windows, in English and Italian, measured with the
// font each widget really has, against the place it draws its text in.

#include "app_fixture.h"
#include "bare_window.h"
#include "checkwindow_road.h"

#include "app.h"
#include "application.h"
#include "controls.h"
#include "info.h"
#include "localize.h"
#include "propertylist.h"
#include "system.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <utility>
#include <string>

using namespace corvanta;

namespace {

constexpr int kSmallestPixels = 9;
// The size the windows were laid out for; "System" text never grows past it.
constexpr int kLaidOutPixels = 13;

// Where a widget draws its text.
QRect textArea(const QWidget* w)
{
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.frame = combo->hasFrame();
        return combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    }
    return w->contentsRect();
}

// The text shows whole in the widget, at a readable size no larger than the
// desktop's.
void expectShowsWhole(const QWidget* w, const QString& text)
{
    SCOPED_TRACE(w->objectName().toStdString() + " \"" + text.toStdString() + "\"");
    const QFont font = w->font();
    const QFontMetrics metrics(font);
    const QRect area = textArea(w);
    EXPECT_LE(metrics.horizontalAdvance(text), area.width()) << "cut off at the right";
    EXPECT_LE(metrics.height(), area.height()) << "cut off at top or bottom";
    EXPECT_GE(QFontInfo(font).pixelSize(), kSmallestPixels) << "too small to read";
    EXPECT_LE(QFontInfo(font).pixelSize(), QFontInfo(QApplication::font(w)).pixelSize()) << "larger than the desktop's";
    EXPECT_LE(QFontInfo(font).pixelSize(), kLaidOutPixels) << "larger than the 13 pixels the windows are laid out for";
}

void expectLabelShowsWhole(const Window& w, const char* name)
{
    const auto* label = w.widget()->findChild<QLabel*>(name);
    ASSERT_NE(label, nullptr) << name;
    ASSERT_FALSE(label->text().isEmpty()) << name;
    expectShowsWhole(label, label->text());
}

// The check window's own texts: the headers, the caption and every row.
void expectWindowShowsWhole(const Window& w)
{
    for (const char* name : {"StaticText1", "StaticText2"})
        expectLabelShowsWhole(w, name);
    ASSERT_NE(road::button(w), nullptr);
    expectShowsWhole(road::button(w), road::button(w)->text());
    const QComboBox* rows = road::combo(w);
    ASSERT_NE(rows, nullptr);
    for (int i = 0; i < rows->count(); ++i)
        expectShowsWhole(rows, rows->itemText(i));
}

// A first-series number that passes for the letter, or one that fails: the
// letter's code and the digits add up to a multiple of 9, and the last digit
// is not 0. A second-series number starts with a letter and has ten digits.
std::string numberFor(bool firstSeries, char letter, bool valid)
{
    const int code = firstSeries ? letter : letter + 'A';
    int last = (9 - code % 9) % 9;
    if (firstSeries && last == 0)
        last = 9;
    if (!valid)
        last = last % 9 + 1;
    return (firstSeries ? "0000000000" : "A000000000") + std::to_string(last);
}

struct FitCase {
    const char* name;
    double points; // the desktop's font size
    const char* language;
};

void PrintTo(const FitCase& c, std::ostream* os) { *os << c.name; }

class TextFits : public AppUiTest, public ::testing::WithParamInterface<FitCase> {
protected:
    std::string language() const override { return GetParam().language; }

    void SetUp() override
    {
        desktop = QApplication::font();
        QFont font = desktop;
        font.setPointSizeF(GetParam().points);
        QApplication::setFont(font);
        AppUiTest::SetUp();
        ASSERT_EQ(Localize::Language(), language() == "it" ? "it" : "en");
    }

    void TearDown() override
    {
        AppUiTest::TearDown();
        QApplication::setFont(desktop);
    }

    // Tests every letter of the window's pop-up with a number that passes
    // and one that fails, and measures the panel each time.
    void checkEveryLetter(const std::shared_ptr<Window>& w, bool firstSeries)
    {
        ASSERT_NE(w, nullptr);
        expectWindowShowsWhole(*w);
        std::set<std::string> verdicts;
        const QComboBox* rows = road::combo(*w);
        ASSERT_NE(rows, nullptr);
        for (int row = 1; row < rows->count(); ++row) {
            const std::string letter = rows->itemText(row).toStdString();
            for (const bool valid : {true, false}) {
                SCOPED_TRACE(letter + (valid ? " valid" : " invalid"));
                road::field(*w)->clear();
                ASSERT_NO_FATAL_FAILURE(road::check(*w, letter, numberFor(firstSeries, letter[0], valid)));
                ASSERT_TRUE(road::onScreen(*w, "Rectangle1"));
                for (const char* name : road::kPanelLabels)
                    expectLabelShowsWhole(*w, name);
                verdicts.insert(road::shown(*w, "StaticText9"));
                EXPECT_TRUE(w->widget()->findChild<QLabel*>("StaticText9")->font().bold());
            }
        }
        EXPECT_EQ(verdicts, (std::set<std::string>{Localize::kValida(), Localize::kNoValida()}));
    }

    QFont desktop;
};

TEST_P(TextFits, TheFirstSeriesWindowShowsEveryTextWhole) { checkEveryLetter(Window1::implicitInstance(), true); }

TEST_P(TextFits, TheSecondSeriesWindowShowsEveryTextWhole) { checkEveryLetter(Window2::implicitInstance(), false); }

TEST_P(TextFits, TheAboutWindowShowsEveryTextWhole)
{
    ASSERT_TRUE(app->FileInfo_Action());
    auto about = Info::implicitInstance();
    expectLabelShowsWhole(*about, "StaticText1");
    expectLabelShowsWhole(*about, "StaticText2");
    EXPECT_NE(road::shown(*about, "StaticText1").find(app->ShortVersion()), std::string::npos);
    const auto* ok = about->widget()->findChild<QPushButton*>("PushButton1");
    ASSERT_NE(ok, nullptr);
    expectShowsWhole(ok, ok->text());
}

TEST_P(TextFits, TheNumberFieldsTextShowsWhole)
{
    const std::pair<std::shared_ptr<Window>, bool> windows[] = {
        {Window1::implicitInstance(), true},
        {Window2::implicitInstance(), false},
    };
    for (const auto& [w, firstSeries] : windows) {
        ASSERT_NO_FATAL_FAILURE(road::typeNumber(*w, numberFor(firstSeries, 'Z', true)));
        const QLineEdit* field = road::field(*w);
        SCOPED_TRACE(field->text().toStdString());
        EXPECT_EQ(field->text().size(), 11);
        QStyleOptionFrame option;
        option.initFrom(field);
        option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, field);
        const QRect area = field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
        const QFontMetrics metrics(field->font());
        EXPECT_LE(metrics.horizontalAdvance(field->text()), area.width());
        EXPECT_LE(metrics.height(), area.height());
        EXPECT_GE(QFontInfo(field->font()).pixelSize(), kSmallestPixels);
    }
}

// Desktop fonts from small to large, in both languages.
const FitCase kFitCases[] = {
    {"English8pt", 8, "zz"},
    {"English11pt", 11, "zz"},
    {"English13pt", 13, "zz"},
    {"English14pt", 14, "zz"},
    {"Italian8pt", 8, "it"},
    {"Italian11pt", 11, "it"},
    {"Italian13pt", 13, "it"},
    {"Italian14pt", 14, "it"},
};

INSTANTIATE_TEST_SUITE_P(DesktopFonts, TextFits, ::testing::ValuesIn(kFitCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- The fit on a window of its own ------------------------------------------

class LabelFit : public UiTest {
protected:
    void SetUp() override
    {
        desktop = QApplication::font();
        window = std::make_shared<BareWindow>();
        window->Constructor();
        label = window->New<Label>();
        label->Constructor();
        window->AddControl(label, "Label");
        label->SetProperties(PropertyList({{"Width", 60}, {"Height", 20}}));
    }
    void TearDown() override
    {
        UiTest::TearDown();
        QApplication::setFont(desktop);
    }

    int pixels() const { return QFontInfo(label->widget()->font()).pixelSize(); }
    static int desktopPixels() { return QFontInfo(QApplication::font()).pixelSize(); }
    // What a short text gets: the desktop's size, up to the windows' 13 pixels.
    static int fullPixels() { return std::min(desktopPixels(), kLaidOutPixels); }
    void setDesktopPoints(double points)
    {
        QFont font = desktop;
        font.setPointSizeF(points);
        QApplication::setFont(font);
    }

    QFont desktop;
    std::shared_ptr<BareWindow> window;
    std::shared_ptr<Label> label;
};

TEST_F(LabelFit, ShrinksForALongTextAndGrowsBackForAShortOne)
{
    label->SetText("W");
    EXPECT_EQ(pixels(), fullPixels());
    label->SetText("WWWWWW");
    EXPECT_LT(pixels(), fullPixels());
    EXPECT_LE(QFontMetrics(label->widget()->font()).horizontalAdvance("WWWWWW"), 60);
    label->SetText("W");
    EXPECT_EQ(pixels(), fullPixels());
}

// Short texts keep one size whatever the desktop's: the desktop's below 13
// pixels, the size the windows are laid out for, and 13 above it, so a long
// neighbour that shrinks stands beside texts of the windows' size, not of the
// desktop's.
TEST_F(LabelFit, TakesTheDesktopSizeUpToThirteenPixels)
{
    // Without a running event loop Qt does not tell the windows of a new
    // desktop font; a new text makes the label fit again.
    setDesktopPoints(8);
    label->SetText("W");
    EXPECT_EQ(pixels(), desktopPixels());
    EXPECT_LT(pixels(), kLaidOutPixels);
    setDesktopPoints(14);
    label->SetText("V");
    EXPECT_GT(desktopPixels(), kLaidOutPixels);
    EXPECT_EQ(pixels(), kLaidOutPixels);
}

TEST_F(LabelFit, NeverGoesBelowNinePixelsEvenWhenTheTextCannotFit)
{
    label->SetText(std::string(80, 'W'));
    EXPECT_EQ(pixels(), kSmallestPixels);
}

TEST_F(LabelFit, FollowsTheDesktopFontAndTheControlsSize)
{
    label->SetText("Wide enough");
    setDesktopPoints(14);
    const int atFourteen = pixels();
    EXPECT_LE(QFontMetrics(label->widget()->font()).horizontalAdvance("Wide enough"), 60);
    // Wider, it grows back to the windows' 13 pixels.
    label->SetWidth(300);
    EXPECT_GT(pixels(), atFourteen);
    EXPECT_EQ(pixels(), kLaidOutPixels);
    // Lower than the text, it shrinks to the label's height.
    label->SetHeight(12);
    EXPECT_LT(pixels(), kLaidOutPixels);
    EXPECT_LE(QFontMetrics(label->widget()->font()).height(), 12);
}

// An explicit size, or another font than "System", is the program's own.
TEST_F(LabelFit, AnExplicitSizeIsKept)
{
    label->SetText(std::string(20, 'W'));
    label->SetProperties(PropertyList({{"TextUnit", Byte{1}}, {"TextSize", 30.0f}}));
    EXPECT_EQ(pixels(), 30);
    label->SetProperties(PropertyList({{"TextSize", 0.0f}}));
    EXPECT_LT(pixels(), 30);
}

TEST_F(LabelFit, BoldStaysBold)
{
    label->SetText("WWWWW");
    label->SetBold(true);
    EXPECT_TRUE(label->widget()->font().bold());
    EXPECT_LE(QFontMetrics(label->widget()->font()).horizontalAdvance("WWWWW"), 60);
}

// A multi-line label has room below: its text wraps and keeps its size where
// the same text on one line shrinks; switching takes effect at once.
TEST_F(LabelFit, AMultiLineLabelWrapsBeforeItShrinks)
{
    label->SetProperties(PropertyList({{"Height", 60}}));
    label->SetText("Wide enough words");
    EXPECT_LT(pixels(), fullPixels());
    label->SetProperties(PropertyList({{"Multiline", true}}));
    EXPECT_EQ(pixels(), fullPixels());
    const auto* qlabel = static_cast<const QLabel*>(label->widget());
    EXPECT_GT(qlabel->heightForWidth(60), QFontMetrics(qlabel->font()).height()) << "not wrapped";
    label->SetProperties(PropertyList({{"Multiline", false}}));
    EXPECT_LT(pixels(), fullPixels());
}

// --- Texts changed on a shown window ----------------------------------------

template <class T>
std::shared_ptr<RectControl> addShown(Window& window)
{
    window.CreateControl<T>("Control");
    return window.Registered<T>("Control");
}

struct RefitCase {
    const char* name;
    int width; // a long text fits only smaller
    std::shared_ptr<RectControl> (*add)(Window& window);
    void (*setText)(RectControl& control, const std::string& text);
};

void PrintTo(const RefitCase& c, std::ostream* os) { *os << c.name; }

void setCaption(RectControl& c, const std::string& text) { static_cast<PushButton&>(c).SetCaption(text); }
// A blank first row, as the check windows have, and the text as the second.
void setRows(RectControl& c, const std::string& text) { static_cast<PopupMenu&>(c).SetInitialValue("\r" + text); }

const RefitCase kRefitCases[] = {
    {"ButtonCaption", 100, &addShown<PushButton>, &setCaption},
    {"PopupRows", 120, &addShown<PopupMenu>, &setRows},
};

class ShownFit : public UiTest {
protected:
    void SetUp() override
    {
        window = std::make_shared<BareWindow>();
        window->Constructor();
        ASSERT_TRUE(window->widget()->isVisible());
    }
    static int pixels(const QWidget* w) { return QFontInfo(w->font()).pixelSize(); }
    static int fullPixels() { return std::min(QFontInfo(QApplication::font()).pixelSize(), kLaidOutPixels); }

    std::shared_ptr<BareWindow> window;
};

class TextChangedOnAShownWindow : public ShownFit, public ::testing::WithParamInterface<RefitCase> {};

TEST_P(TextChangedOnAShownWindow, IsFittedAgain)
{
    const RefitCase& c = GetParam();
    const std::shared_ptr<RectControl> control = c.add(*window);
    control->SetProperties(PropertyList({{"Width", c.width}, {"Height", 22}}));
    const QWidget* w = control->widget();
    ASSERT_TRUE(w->isVisible());
    c.setText(*control, "W");
    EXPECT_EQ(pixels(w), fullPixels());
    c.setText(*control, "WWWWWWWWW");
    EXPECT_LT(pixels(w), fullPixels());
    expectShowsWhole(w, "WWWWWWWWW");
    c.setText(*control, "W");
    EXPECT_EQ(pixels(w), fullPixels());
}

INSTANTIATE_TEST_SUITE_P(Controls, TextChangedOnAShownWindow, ::testing::ValuesIn(kRefitCases), [](const auto& info) {
    return std::string(info.param.name);
});

// The style draws the chosen row a pixel in from each side of its field.
TEST_F(ShownFit, PopupRowsFitInsideTheStylesInsetAtEveryWidth)
{
    const auto popup = std::static_pointer_cast<PopupMenu>(addShown<PopupMenu>(*window));
    popup->SetInitialValue("\rZ\rWide row Mw");
    const auto* combo = static_cast<const QComboBox*>(popup->widget());
    for (int width = 40; width <= 160; ++width) {
        popup->SetWidth(width);
        const QRect inset = textArea(combo).adjusted(1, 0, -1, 0);
        const QFontMetrics metrics(combo->font());
        if (pixels(combo) == kSmallestPixels)
            continue; // nothing smaller is readable
        for (int row = 0; row < combo->count(); ++row)
            EXPECT_LE(metrics.horizontalAdvance(combo->itemText(row)), inset.width())
                << "width " << width << ", row \"" << combo->itemText(row).toStdString() << "\"";
    }
    EXPECT_EQ(pixels(combo), fullPixels()) << "at 160 pixels the rows fit at full size";
}

} // namespace
