#include "exceptions.h"
#include "localize.h"
#include "menu.h"
#include "menubar1.h"
#include "picture.h"
#include "system.h"

#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

using TextOf = std::string (*)(const std::string&);

// One row of the menu bar's tree. `text` is null for a separator, whose text
// is "-"; `english` is its default text.
struct Row {
    const char* menu; // the title's name; "" for a title itself
    int position;     // among the menu's entries; -1 for a title
    const char* name;
    const char* cls;
    TextOf text;
    const char* english;
    const char* shortcut;
};

const Row kTree[] = {
    {"", 0, "FileMenu", "MenuItem", &Localize::kArchivio, "File", ""},
    {"FileMenu", 0, "FileClose", "MenuItem", &Localize::kChiudi, "Close", "Cmd+W"},
    {"FileMenu", 1, "UntitledSeparator", "MenuItem", nullptr, "-", ""},
    {"FileMenu", 2, "FileQuit", "QuitMenuItem", &Localize::kEsci, "Quit", "Cmd+Q"},
    {"", 1, "EditMenu", "MenuItem", &Localize::kCompos, "Edit", ""},
    {"EditMenu", 0, "EditUndo", "MenuItem", &Localize::kAnnulla, "Undo", "Cmd+Z"},
    {"EditMenu", 1, "UntitledMenu1", "MenuItem", nullptr, "-", ""},
    {"EditMenu", 2, "EditCut", "MenuItem", &Localize::kTaglia, "Cut", "Cmd+X"},
    {"EditMenu", 3, "EditCopy", "MenuItem", &Localize::kCopia, "Copy", "Cmd+C"},
    {"EditMenu", 4, "EditPaste", "MenuItem", &Localize::kIncolla, "Paste", "Cmd+V"},
    {"EditMenu", 5, "EditClear", "MenuItem", &Localize::kCancella, "Clear", ""},
    {"EditMenu", 6, "UntitledMenu0", "MenuItem", nullptr, "-", ""},
    {"EditMenu", 7, "EditSelectAll", "MenuItem", &Localize::kSelTutto, "Select all", "Cmd+A"},
    {"", 2, "WindowMenu", "MenuItem", &Localize::kFinestra, "Window", ""},
    {"WindowMenu", 0, "FinestraPrimaSerie", "MenuItem", &Localize::kPriSer, "First Series", "Cmd+1"},
    {"WindowMenu", 1, "FinestraSecondaSerie", "MenuItem", &Localize::kSecSer, "Second Series", "Cmd+2"},
    {"", 3, "HelpMenu", "MenuItem", &Localize::kAiuto, "Help", ""},
    {"HelpMenu", 0, "HelpCorvantaLeggimi", "MenuItem", &Localize::kCorvantaRead, "Corvanta Read Me!", ""},
    {"HelpMenu", 1, "UntitledSeparator2", "MenuItem", nullptr, "-", ""},
    {"HelpMenu", 2, "FileInfo", "AppleMenuItem", &Localize::kInfo, "About Corvanta", ""},
    {"HelpMenu", 3, "UntitledSeparator1", "AppleMenuItem", nullptr, "-", ""},
};

void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

std::string rowName(const ::testing::TestParamInfo<Row>& info) { return info.param.name; }

std::shared_ptr<MenuBar1> buildFresh()
{
    auto bar = std::make_shared<MenuBar1>();
    bar->Constructor();
    return bar;
}

// Checks one row against a built bar; `expectedText` is the text the row's
// item must carry.
void checkRow(const std::shared_ptr<MenuBar1>& bar, const Row& row, const std::string& expectedText)
{
    ASSERT_NE(bar, nullptr);
    const bool title = row.menu[0] == '\0';
    std::shared_ptr<MenuItem> parent = title ? std::shared_ptr<MenuItem>(bar) : bar->Child(row.menu);
    ASSERT_NE(parent, nullptr) << "menu " << row.menu;
    std::shared_ptr<MenuItem> item = parent->Item(row.position);
    ASSERT_NE(item, nullptr) << "no item at " << row.position;
    EXPECT_EQ(item->Name(), row.name);
    EXPECT_STREQ(item->className(), row.cls);
    EXPECT_EQ(item->Parent(), parent);
    EXPECT_EQ(item->Text(), expectedText);
    EXPECT_EQ(item->IsSeparator(), row.text == nullptr);
    EXPECT_EQ(item->KeyboardShortcut(), row.shortcut);
    EXPECT_TRUE(item->AutoEnable());
    EXPECT_TRUE(item->Visible());
    EXPECT_TRUE(item->Enabled());
    EXPECT_FALSE(item->Checked());
    // Entries have no entries of their own.
    if (!title) {
        EXPECT_EQ(item->Count(), 0);
    }
    // Found by name from the bar, at any depth.
    EXPECT_EQ(bar->Lookup(row.name), item);
}

// --- no localization: the English defaults ------------------------------

class MenuBar1Tree : public ::testing::TestWithParam<Row> {
protected:
    // No localization tables at all: every text is its default.
    static void SetUpTestSuite()
    {
        emptyResources = new QTemporaryDir;
        previousResources = ResourcesFolder();
        SetResourcesFolderForTesting(emptyResources->path().toStdString());
        SystemClass::SetLanguageForTesting(std::string("it"));
        bar = new std::shared_ptr<MenuBar1>(buildFresh());
    }
    static void TearDownTestSuite()
    {
        delete bar;
        bar = nullptr;
        SystemClass::SetLanguageForTesting(std::nullopt);
        SetResourcesFolderForTesting(previousResources);
        delete emptyResources;
        emptyResources = nullptr;
    }

    static QTemporaryDir* emptyResources;
    static std::string previousResources;
    static std::shared_ptr<MenuBar1>* bar;
};

QTemporaryDir* MenuBar1Tree::emptyResources = nullptr;
std::string MenuBar1Tree::previousResources;
std::shared_ptr<MenuBar1>* MenuBar1Tree::bar = nullptr;

TEST_P(MenuBar1Tree, ItemIsBuiltAsTabled) { checkRow(*bar, GetParam(), GetParam().english); }

INSTANTIATE_TEST_SUITE_P(AllItems, MenuBar1Tree, ::testing::ValuesIn(kTree), rowName);

// --- Italian ------------------------------------------------------------

class MenuBar1ItalianTree : public ::testing::TestWithParam<Row> {
protected:
    static void SetUpTestSuite()
    {
        SystemClass::SetLanguageForTesting(std::string("it"));
        bar = new std::shared_ptr<MenuBar1>(buildFresh());
        // The texts were read while building; a later language change does
        // not reach them.
        SystemClass::SetLanguageForTesting(std::string("en"));
    }
    static void TearDownTestSuite()
    {
        delete bar;
        bar = nullptr;
        SystemClass::SetLanguageForTesting(std::nullopt);
    }
    static std::shared_ptr<MenuBar1>* bar;
};

std::shared_ptr<MenuBar1>* MenuBar1ItalianTree::bar = nullptr;

TEST_P(MenuBar1ItalianTree, ItemCarriesTheItalianText)
{
    const Row& row = GetParam();
    checkRow(*bar, row, row.text ? row.text("it") : std::string("-"));
}

INSTANTIATE_TEST_SUITE_P(AllItems, MenuBar1ItalianTree, ::testing::ValuesIn(kTree), rowName);

TEST(MenuBar1Italian, TheItalianTableTranslatesTheMenus)
{
    if (Localize::Language("it") != "it")
        GTEST_SKIP() << "the bundle carries no Italian localization";
    SystemClass::SetLanguageForTesting(std::string("it"));
    auto bar = buildFresh();
    SystemClass::SetLanguageForTesting(std::nullopt);
    int translated = 0;
    for (const Row& row : kTree)
        if (row.text && bar->Lookup(row.name)->Text() != row.english)
            ++translated;
    EXPECT_GT(translated, 0);
}

// --- the tree as a whole ------------------------------------------------

TEST(MenuBar1, HoldsExactlyTheTabledMenusAndEntries)
{
    auto bar = buildFresh();
    std::vector<std::string> titles;
    for (std::int64_t i = 0; i < bar->Count(); ++i)
        titles.push_back(bar->Item(i)->Name());
    EXPECT_EQ(titles, (std::vector<std::string>{"FileMenu", "EditMenu", "WindowMenu", "HelpMenu"}));
    std::int64_t entries = 0;
    for (std::int64_t i = 0; i < bar->Count(); ++i)
        entries += bar->Item(i)->Count();
    EXPECT_EQ(entries + bar->Count(), static_cast<std::int64_t>(std::size(kTree)));
    EXPECT_STREQ(bar->className(), "MenuBar1");
    EXPECT_EQ(MenuBar1::Lookup().name(), "MenuBar1.MenuBar1");
    MenuBar1::ctblinit();
    EXPECT_EQ(&MenuBar1::Lookup(), &MenuBar1::Lookup());
}

TEST(MenuBar1, EachTextIsReadOnceWhileBuilding)
{
    const auto before = SystemClass::LookupCount();
    auto bar = buildFresh();
    const auto texts = std::count_if(std::begin(kTree), std::end(kTree), [](const Row& r) { return r.text; });
    EXPECT_EQ(SystemClass::LookupCount() - before, texts);
    // Reading the items asks for nothing.
    for (const Row& row : kTree)
        (void)bar->Lookup(row.name)->Text();
    EXPECT_EQ(SystemClass::LookupCount() - before, texts);
}

TEST(MenuBar1, SeparatorsGetNoShortcutAndOthersAnExplicitOne)
{
    auto bar = buildFresh();
    int separators = 0;
    for (const Row& row : kTree) {
        auto item = bar->Lookup(row.name);
        ASSERT_NE(item, nullptr) << row.name;
        if (item->IsSeparator()) {
            ++separators;
            EXPECT_EQ(item->KeyboardShortcut(), "") << row.name;
        }
    }
    EXPECT_EQ(separators, 5);
}

// Records the builders' order through the virtual builders themselves.
class RecordingBar : public MenuBar1 {
public:
    std::vector<std::string> calls;
    void Untitled0() override
    {
        calls.push_back("0:" + std::to_string(Count()));
        MenuBar1::Untitled0();
    }
    void Untitled1() override
    {
        calls.push_back("1:" + std::to_string(Count()));
        MenuBar1::Untitled1();
    }
    void Untitled2() override
    {
        calls.push_back("2:" + std::to_string(Count()));
        MenuBar1::Untitled2();
    }
    void Untitled3() override
    {
        calls.push_back("3:" + std::to_string(Count()));
        MenuBar1::Untitled3();
    }
};

TEST(MenuBar1, ConstructorRunsTheFourBuildersInOrderAsVirtuals)
{
    auto bar = std::make_shared<RecordingBar>();
    bar->Constructor();
    // Each builder starts when the menus before it are complete.
    EXPECT_EQ(bar->calls, (std::vector<std::string>{"0:0", "1:1", "2:2", "3:3"}));
    EXPECT_EQ(bar->Count(), 4);
}

// Entries go to the menu found by name at the moment each is appended: the
// first direct child of that name.
class BarWithAnEarlierEditMenu : public MenuBar1 {
public:
    std::shared_ptr<MenuItem> early;
    void Untitled1() override
    {
        early = std::make_shared<MenuItem>();
        early->SetName("EditMenu");
        Append(early);
        MenuBar1::Untitled1();
    }
};

TEST(MenuBar1, EntriesAreAppendedToTheMenuFoundByName)
{
    auto bar = std::make_shared<BarWithAnEarlierEditMenu>();
    bar->Constructor();
    ASSERT_EQ(bar->Count(), 5);
    EXPECT_EQ(bar->early->Count(), 8);
    EXPECT_EQ(bar->early->Item(7)->Name(), "EditSelectAll");
    EXPECT_EQ(bar->Item(2)->Name(), "EditMenu");
    EXPECT_EQ(bar->Item(2)->Count(), 0);
}

// --- the single instance ------------------------------------------------

// These run in one order on one process-wide instance: the failed builds
// first, then the success, then the reuse.
TEST(MenuBar1Instance, FailedBuildLeavesNothingAndSuccessIsKeptForever)
{
    std::vector<std::string> seen;
    int failures = 0;
    MenuBar1::implicitInstanceInit();
    MenuBar1::SetBuilderHookForTesting([&](const char* name) {
        seen.push_back(name);
        if (failures > 0 && std::string(name) == "Untitled2") {
            --failures;
            throw NilObjectException("injected");
        }
    });

    failures = 2;
    EXPECT_THROW(MenuBar1::implicitInstance(), NilObjectException);
    EXPECT_EQ(seen, (std::vector<std::string>{"Untitled0", "Untitled1", "Untitled2"}));
    seen.clear();
    // The next reference starts again from an empty bar, and fails again.
    EXPECT_THROW(MenuBar1::implicitInstance(), NilObjectException);
    EXPECT_EQ(seen, (std::vector<std::string>{"Untitled0", "Untitled1", "Untitled2"}));
    seen.clear();

    auto bar = MenuBar1::implicitInstance();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"Untitled0", "Untitled1", "Untitled2", "Untitled3"}));
    // A complete bar, nothing left over from the failed builds.
    ASSERT_EQ(bar->Count(), 4);
    EXPECT_EQ(bar->Child("FileMenu")->Count(), 3);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
    EXPECT_EQ(bar->Child("WindowMenu")->Count(), 2);
    EXPECT_EQ(bar->Child("HelpMenu")->Count(), 4);
    for (const Row& row : kTree)
        EXPECT_NE(bar->Lookup(row.name), nullptr) << row.name;

    seen.clear();
    failures = 5; // a later failure would show if a builder ran again
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(MenuBar1::implicitInstance(), bar);
    EXPECT_TRUE(seen.empty());

    // Changes made through the instance are seen by every later reference.
    MenuBar1::implicitInstance()->Lookup("UntitledSeparator2")->Close();
    EXPECT_EQ(MenuBar1::implicitInstance()->Lookup("UntitledSeparator2"), nullptr);
    EXPECT_EQ(MenuBar1::implicitInstance()->Child("HelpMenu")->Count(), 3);
    MenuBar1::SetBuilderHookForTesting(nullptr);
}

} // namespace
