// The Italian localization as a user meets it: the check windows' titles,
// headers and menu bar, the result panel for every letter of both pop-ups,
// the version rule of the menu titles in a whole run, and the read-mes that
// describe those menus.

#include "checkwindow_road.h"
#include "ui_fixture.h"

#include "localize.h"
#include "menubar1.h"
#include "menu_text.h"
#include "runtime.h"
#include "startup.h"
#include "system.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

struct WindowKind {
    const char* name;
    std::function<std::shared_ptr<Window>()> open;
    const char* title;
    const char* secondLine;
    // The letters of the pop-up, each with the country the panel names.
    std::vector<std::pair<std::string, std::string>> letters;
    // A valid and an invalid number for a letter, following the series' check.
    std::function<std::string(char letter, bool valid)> number;
};

void PrintTo(const WindowKind& k, std::ostream* os) { *os << k.name; }

// First series: the letter's code plus the eleven digits is a multiple of 9,
// and the last digit is not 0.
std::string firstSeriesNumber(char letter, bool valid)
{
    int last = (9 - letter % 9) % 9;
    if (last == 0)
        last = 9;
    return "0000000000" + std::to_string(valid ? last : 0);
}

// Second series: both letters' codes plus the ten digits are a multiple of 9.
std::string secondSeriesNumber(char letter, bool valid)
{
    const int last = (9 - (letter + 'A') % 9) % 9;
    return "A000000000" + std::to_string(valid ? last : last + 1);
}

const WindowKind& firstSeries()
{
    static const WindowKind kind{
        "FirstSeries",
        [] { return std::static_pointer_cast<Window>(Window1::implicitInstance()); },
        "Corvanta (Prima serie)",
        "Origine:",
        {{"H", "Slovenia"},
         {"L", "Finlandia"},
         {"M", "Portogallo"},
         {"N", "Austria"},
         {"P", "Paesi Bassi"},
         {"S", "Italia"},
         {"T", "Irlanda"},
         {"U", "Francia"},
         {"V", "Spagna"},
         {"X", "Germania"},
         {"Y", "Grecia"},
         {"Z", "Belgio"}},
        &firstSeriesNumber,
    };
    return kind;
}

const WindowKind& secondSeries()
{
    static const WindowKind kind{
        "SecondSeries",
        [] { return std::static_pointer_cast<Window>(Window2::implicitInstance()); },
        "Corvanta (Seconda serie)",
        "Stampa:",
        {{"D", "Polonia"},
         {"E", "Francia"},
         {"H", "Regno Unito"},
         {"J", "Regno Unito"},
         {"M", "Portogallo"},
         {"N", "Austria"},
         {"P", "Paesi Bassi"},
         {"R", "Germania"},
         {"S", "Italia"},
         {"T", "Irlanda"},
         {"U", "Francia"},
         {"V", "Spagna"},
         {"W", "Germania"},
         {"X", "Germania"},
         {"Y", "Grecia"},
         {"Z", "Belgio"}},
        &secondSeriesNumber,
    };
    return kind;
}

const char* const kItalianTitles[] = {"File", "Modifica", "Finestra", "Aiuto"};

// The titles a window's own QMenuBar shows, in order.
std::vector<std::string> barTitles(const Window& w)
{
    std::vector<std::string> titles;
    if (auto* bar = w.widget()->findChild<QMenuBar*>())
        for (QAction* action : bar->actions())
            titles.push_back(shownText(action).toStdString());
    return titles;
}

// The texts of the entries (separators left out) of the bar's menu titled `title`.
std::vector<std::string> menuEntries(const Window& w, const std::string& title)
{
    std::vector<std::string> entries;
    auto* bar = w.widget()->findChild<QMenuBar*>();
    if (!bar)
        return entries;
    for (QAction* action : bar->actions())
        if (shownText(action).toStdString() == title && action->menu())
            for (QAction* entry : action->menu()->actions())
                if (!entry->isSeparator())
                    entries.push_back(shownText(entry).toStdString());
    return entries;
}

// How far the label's text runs past its width at `points` (0: its own font).
int overflow(const QLabel* label, double points = 0)
{
    QFont font = label->font();
    if (points > 0)
        font.setPointSizeF(points);
    return QFontMetrics(font).horizontalAdvance(label->text()) - label->contentsRect().width();
}

class ItalianTest : public UiTest {
protected:
    void SetUp() override
    {
        // Before the shared menu bar is first built, so it is built in Italian.
        SystemClass::SetLanguageForTesting(std::string("it"));
        ASSERT_EQ(Localize::Language(), "it") << "the bundle carries no Italian localization";
    }
};

class ItalianWindow : public ItalianTest, public ::testing::WithParamInterface<WindowKind> {};

TEST_P(ItalianWindow, ShowsItalianTitleHeadersAndMenus)
{
    const WindowKind& kind = GetParam();
    auto w = kind.open();
    ASSERT_NE(w, nullptr);

    EXPECT_EQ(w->widget()->windowTitle().toStdString(), kind.title);
    EXPECT_EQ(road::shown(*w, "StaticText1"), "Codice");
    EXPECT_EQ(road::shown(*w, "StaticText2"), "Numero di serie");
    ASSERT_NE(road::button(*w), nullptr);
    EXPECT_EQ(road::button(*w)->text().toStdString(), "Verifica");

    EXPECT_EQ(barTitles(*w), std::vector<std::string>(std::begin(kItalianTitles), std::end(kItalianTitles)));
    EXPECT_EQ(menuEntries(*w, "File"), (std::vector<std::string>{"Chiudi", "Esci"}));
    EXPECT_EQ(menuEntries(*w, "Modifica"),
              (std::vector<std::string>{"Annulla", "Taglia", "Copia", "Incolla", "Cancella", "Seleziona tutto"}));
    EXPECT_EQ(menuEntries(*w, "Finestra"), (std::vector<std::string>{"Prima serie", "Seconda serie"}));
    EXPECT_EQ(menuEntries(*w, "Aiuto"), (std::vector<std::string>{"Corvanta Leggimi!", "Informazioni su Corvanta"}));
}

// The panel's second line stands before every country, so it must fit its
// narrow label at the usual desktop sizes, not only at the test's font.
TEST_P(ItalianWindow, PanelSecondLineFitsItsLabel)
{
    auto w = GetParam().open();
    ASSERT_NE(w, nullptr);
    auto* label = w->widget()->findChild<QLabel*>("StaticText6");
    ASSERT_NE(label, nullptr);
    ASSERT_EQ(label->text().toStdString(), GetParam().secondLine);
    EXPECT_LE(overflow(label), 0);
    for (double points : {10.0, 11.0, 12.0})
        EXPECT_LE(overflow(label, points), 0) << points << " pt";
}

INSTANTIATE_TEST_SUITE_P(Windows,
                         ItalianWindow,
                         ::testing::Values(firstSeries(), secondSeries()),
                         [](const auto& info) { return std::string(info.param.name); });

struct PanelCase {
    const WindowKind* kind;
    std::string letter;
    std::string country;
};

void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.kind->name << " " << c.letter; }

std::vector<PanelCase> everyLetter()
{
    std::vector<PanelCase> cases;
    for (const WindowKind* kind : {&firstSeries(), &secondSeries()})
        for (const auto& [letter, country] : kind->letters)
            cases.push_back({kind, letter, country});
    return cases;
}

class ItalianPanel : public ItalianTest, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(ItalianPanel, ReadsAsItalianForTheLetter)
{
    const PanelCase& c = GetParam();
    for (const bool valid : {true, false}) {
        SCOPED_TRACE(valid ? "valid number" : "invalid number");
        // A fresh window for each number: a closed window comes back empty.
        if (auto open = Window::At(0))
            open->Close();
        auto w = c.kind->open();
        ASSERT_NE(w, nullptr);
        const std::string number = c.kind->number(c.letter[0], valid);
        ASSERT_NO_FATAL_FAILURE(road::check(*w, c.letter, number));
        ASSERT_TRUE(road::onScreen(*w, "Rectangle1"));

        EXPECT_EQ(road::shown(*w, "StaticText3"), "La banconota");
        EXPECT_EQ(road::shown(*w, "StaticText4"), c.letter);
        EXPECT_EQ(road::shown(*w, "StaticText5"), number);
        EXPECT_EQ(road::shown(*w, "StaticText6"), c.kind->secondLine);
        EXPECT_EQ(road::shown(*w, "StaticText7"), c.country);
        EXPECT_EQ(road::shown(*w, "StaticText8"), "e i numeri");
        EXPECT_EQ(road::shown(*w, "StaticText9"), valid ? "sono validi" : "NON sono validi");

        // Nothing the panel shows is cut off at the test's font.
        for (const char* name : road::kPanelLabels) {
            auto* label = w->widget()->findChild<QLabel*>(name);
            ASSERT_NE(label, nullptr) << name;
            EXPECT_LE(overflow(label), 0) << name << " \"" << label->text().toStdString() << "\"";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLetter, ItalianPanel, ::testing::ValuesIn(everyLetter()), [](const auto& info) {
    return std::string(info.param.kind->name) + "_" + info.param.letter;
});

// --- The version rule, in whole runs -------------------------------------

struct VersionCase {
    const char* name;
    std::optional<std::pair<std::int64_t, std::int64_t>> version; // nothing: the real system
    const char* titles;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.name; }

class ItalianRunDeathTest : public ::testing::TestWithParam<VersionCase> {
protected:
    // A fresh process: the shared menu bar is built by the run itself.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// Runs the process in Italian on the given system version, prints the
// first-series window's title and the titles in its own bar once the Open
// event has run, and exits with the run's code.
[[noreturn]] void runAndPrintTitles(const std::optional<std::pair<std::int64_t, std::int64_t>>& version)
{
    SystemClass::SetLanguageForTesting(std::string("it"));
    if (version)
        SystemClass::SetGestaltForTesting([v = *version](const std::string& selector, std::int64_t& result) {
            result = selector == "sys1" ? v.first : selector == "sys2" ? v.second : 0;
            return true;
        });
    QTimer::singleShot(0, [] {
        auto w = Window::At(0);
        std::string titles;
        for (const std::string& title : w ? barTitles(*w) : std::vector<std::string>())
            titles += title + "/";
        std::cerr << "window=" << (w ? w->Title() : std::string("none")) << " titles=" << titles << std::endl;
        QCoreApplication::exit(0);
    });
    static char programName[] = "corvanta";
    char* argv[] = {programName, nullptr};
    const int code = RunProcess(1, argv);
    std::cerr.flush();
    std::_Exit(code);
}

TEST_P(ItalianRunDeathTest, MenuTitlesFollowTheSystemVersion)
{
    const VersionCase& c = GetParam();
    EXPECT_EXIT(runAndPrintTitles(c.version),
                ::testing::ExitedWithCode(0),
                std::string("window=Corvanta \\(Prima serie\\) titles=") + c.titles + "\n");
}

const VersionCase kVersionCases[] = {
    {"Mac10_7", std::make_pair(10, 7), "Archivio/Composizione/Finestra/Aiuto/"},
    {"Mac10_10", std::make_pair(10, 10), "File/Composizione/Finestra/Aiuto/"},
    {"Mac10_11", std::make_pair(10, 11), "File/Modifica/Finestra/Aiuto/"},
    {"ThisSystem", std::nullopt, "File/Modifica/Finestra/Aiuto/"},
};

INSTANTIATE_TEST_SUITE_P(Versions, ItalianRunDeathTest, ::testing::ValuesIn(kVersionCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- The read-mes --------------------------------------------------------

QByteArray readMe(const std::string& language)
{
    QFile file(QString::fromUtf8(CORVANTA_TEST_RESOURCES_DIR) + QStringLiteral("/")
               + QString::fromStdString(Localize::kCorvantaRead(language)) + QStringLiteral(".rtf"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ReadMeMenus : public ::testing::TestWithParam<const char*> {};

// Each read-me names the menus and their items as the application shows
// them in its language.
TEST_P(ReadMeMenus, NameTheMenusAsTheMenuBarDoes)
{
    const std::string language = GetParam();
    const QByteArray text = readMe(language);
    ASSERT_FALSE(text.isEmpty()) << "no read-me for " << language;
    for (const std::string& heading : {Localize::kArchivio(language),
                                       Localize::kCompos(language),
                                       Localize::kFinestra(language),
                                       Localize::kAiuto(language)})
        EXPECT_TRUE(text.contains(QByteArray::fromStdString("{\\b " + heading + ":}"))) << heading;
    for (const std::string& item : {Localize::kPriSer(language),
                                    Localize::kSecSer(language),
                                    Localize::kCorvantaRead(language),
                                    Localize::kInfo(language)})
        EXPECT_TRUE(text.contains(QByteArray::fromStdString("{\\b " + item + "}"))) << item;
}

INSTANTIATE_TEST_SUITE_P(Languages, ReadMeMenus, ::testing::Values("en", "it"), [](const auto& info) {
    return std::string(info.param);
});

} // namespace
