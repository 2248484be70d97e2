// Every label stays readable whatever the desktop's palette: a window without
// a back colour of its own is painted in the framework's light window colour,
// which its stored text colours were chosen against, while the controls that
// draw their own faces and the menus follow the desktop. Measured on the
// painted pixels of the real windows, light and dark.

#include "app_fixture.h"
#include "checkwindow_road.h"
#include "three_windows.h"

#include "controls.h"
#include "exceptions.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>

using namespace corvanta;

namespace {

using threewindows::Which;
enum class Theme { Light, Dark };

void PrintTo(Theme theme, std::ostream* os) { *os << (theme == Theme::Dark ? "dark" : "light"); }

// What lies behind a label.
constexpr QRgb kPicture = 0;              // a window's backdrop
constexpr QRgb kWindowColor = 0xFFEFEFEF; // a window without a back colour
constexpr QRgb kPanelColor = 0xFFFFFBC6;  // the result panel's fill

// WCAG's relative luminance and contrast ratio.
double luminance(QRgb c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette paletteOf(Theme theme)
{
    QPalette palette = QApplication::style()->standardPalette();
    if (theme == Theme::Light)
        return palette;
    // A dark desktop: light text on dark faces everywhere.
    const QColor face(0x35, 0x35, 0x35), base(0x2A, 0x2A, 0x2A), text(0xEE, 0xEE, 0xEE);
    for (auto role : {QPalette::Window, QPalette::Button})
        palette.setColor(role, face);
    palette.setColor(QPalette::Base, base);
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, text);
    return palette;
}

class Themed : public AppUiTest {
protected:
    void applyTheme(Theme theme)
    {
        saved = QApplication::palette();
        QApplication::setPalette(paletteOf(theme));
    }

    void TearDown() override
    {
        AppUiTest::TearDown();
        QApplication::setPalette(saved);
    }

    // The window, with its result panel filled by a check.
    std::shared_ptr<Window> open(Which which)
    {
        auto w = threewindows::open(which, *app);
        if (which == Which::FirstSeries)
            road::check(*w, "S", "20731846950");
        else if (which == Which::SecondSeries)
            road::check(*w, "X", "A0000000000");
        return w;
    }

    QPalette saved;
};

// --- The labels ------------------------------------------------------------------

struct LabelCase {
    const char* label;
    Which which;
    const char* name;
    QRgb behind;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.label; }

// Every label but the verdict, whose colours are fixed.
const LabelCase kLabels[] = {
    {"FirstSeriesCode", Which::FirstSeries, "StaticText1", kPicture},
    {"FirstSeriesSerialNumber", Which::FirstSeries, "StaticText2", kPicture},
    {"FirstSeriesBanknote", Which::FirstSeries, "StaticText3", kPanelColor},
    {"FirstSeriesLetter", Which::FirstSeries, "StaticText4", kPanelColor},
    {"FirstSeriesNumber", Which::FirstSeries, "StaticText5", kPanelColor},
    {"FirstSeriesComesFrom", Which::FirstSeries, "StaticText6", kPanelColor},
    {"FirstSeriesCountry", Which::FirstSeries, "StaticText7", kPanelColor},
    {"FirstSeriesAndTheNumbers", Which::FirstSeries, "StaticText8", kPanelColor},
    {"SecondSeriesCode", Which::SecondSeries, "StaticText1", kPicture},
    {"SecondSeriesSerialNumber", Which::SecondSeries, "StaticText2", kPicture},
    {"SecondSeriesBanknote", Which::SecondSeries, "StaticText3", kPanelColor},
    {"SecondSeriesLetter", Which::SecondSeries, "StaticText4", kPanelColor},
    {"SecondSeriesNumber", Which::SecondSeries, "StaticText5", kPanelColor},
    {"SecondSeriesPrintedIn", Which::SecondSeries, "StaticText6", kPanelColor},
    {"SecondSeriesCountry", Which::SecondSeries, "StaticText7", kPanelColor},
    {"SecondSeriesAndTheNumbers", Which::SecondSeries, "StaticText8", kPanelColor},
    {"AboutVersion", Which::About, "StaticText1", kWindowColor},
    {"AboutNotice", Which::About, "StaticText2", kWindowColor},
};

const Theme kThemes[] = {Theme::Light, Theme::Dark};

class LabelContrast : public Themed, public ::testing::WithParamInterface<std::tuple<LabelCase, Theme>> {};

TEST_P(LabelContrast, TextStandsOutFromWhatLiesBehindIt)
{
    const auto& [c, theme] = GetParam();
    applyTheme(theme);
    auto w = open(c.which);
    ASSERT_NE(w, nullptr);
    auto label = NotNil(w->ControlNamed<Label>(c.name));
    QWidget* content = w->contentWidget();
    const QRect area(label->widget()->mapTo(content, QPoint(0, 0)), label->widget()->size());

    // The label as painted, and what the window paints there without it.
    const QImage shown = content->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    label->SetVisible(false);
    const QImage behind = content->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    label->SetVisible(true);
    ASSERT_EQ(shown.size(), behind.size());

    // The text's pixels; the strongest of them is the text's colour.
    std::vector<QPoint> text;
    QRgb core = 0;
    double strongest = 0;
    int elsewhere = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb drawn = shown.pixel(x, y), under = behind.pixel(x, y);
            if (c.behind != kPicture && under != c.behind && elsewhere++ == 0)
                ADD_FAILURE() << "at " << x << "," << y << " the window paints #" << std::hex << under << ", not #"
                              << c.behind;
            if (drawn == under)
                continue;
            text.emplace_back(x, y);
            if (contrast(drawn, under) > strongest) {
                strongest = contrast(drawn, under);
                core = drawn;
            }
        }
    }
    ASSERT_GT(text.size(), 10u) << "the label paints no text over what lies behind it";
    // Slanted strokes never cover a whole pixel.
    const QRgb stored = label->TextColor().rgb;
    EXPECT_LE(std::max({std::abs(qRed(core) - qRed(stored)),
                        std::abs(qGreen(core) - qGreen(stored)),
                        std::abs(qBlue(core) - qBlue(stored))}),
              24)
        << "text #" << std::hex << core << " is not in its stored colour #" << stored;

    double weakest = 21;
    for (const QPoint& p : text)
        weakest = std::min(weakest, contrast(core, behind.pixel(p)));
    EXPECT_GE(weakest, 4.5) << "text #" << std::hex << core;
}

INSTANTIATE_TEST_SUITE_P(Windows,
                         LabelContrast,
                         ::testing::Combine(::testing::ValuesIn(kLabels), ::testing::ValuesIn(kThemes)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).label)
                                 + (std::get<1>(info.param) == Theme::Dark ? "Dark" : "Light");
                         });

// --- The controls that draw their own faces -----------------------------------------

class DesktopFaces : public Themed, public ::testing::WithParamInterface<Which> {};

TEST_P(DesktopFaces, FieldsPopupsButtonsAndMenusFollowTheDesktop)
{
    applyTheme(Theme::Dark);
    auto w = open(GetParam());
    ASSERT_NE(w, nullptr);
    const QPalette desktop = QApplication::palette();
    QList<QWidget*> faces;
    for (QWidget* widget : w->widget()->findChildren<QWidget*>())
        if (qobject_cast<QComboBox*>(widget) || qobject_cast<QLineEdit*>(widget) || qobject_cast<QPushButton*>(widget)
            || qobject_cast<QMenuBar*>(widget))
            faces.append(widget);
    ASSERT_FALSE(faces.isEmpty());
    for (QWidget* face : faces) {
        for (auto role : {QPalette::Window,
                          QPalette::WindowText,
                          QPalette::Base,
                          QPalette::Text,
                          QPalette::Button,
                          QPalette::ButtonText}) {
            // A field keeps the back and text colours its list stores.
            if (qobject_cast<QLineEdit*>(face) && (role == QPalette::Base || role == QPalette::Text))
                continue;
            EXPECT_EQ(face->palette().color(role), desktop.color(role))
                << face->metaObject()->className() << " " << face->objectName().toStdString() << " role " << role;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, DesktopFaces, ::testing::ValuesIn(threewindows::kAll), [](const auto& info) {
    return threewindows::nameOf(info.param);
});

} // namespace
