#include "application.h"
#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "menu_text.h"
#include "private/menuhooks.h"
#include "private/menurenderer.h"
#include "runtime.h"
#include "ui_fixture.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace corvanta;

namespace {

// A menu item made the way the program makes them.
template <class T = MenuItem>
std::shared_ptr<T> item(const std::string& name, const std::string& text, const std::string& shortcut = "")
{
    auto i = std::make_shared<T>();
    i->Constructor();
    i->SetName(name);
    i->SetText(text);
    i->SetKeyboardShortcut(shortcut);
    return i;
}

// File: Close, -, More (Deep, Dup), Quit;  Edit: Dup, SelectAll;  Help: About.
// "Dup" sits deep in File and directly in Edit, so a breadth-first search
// would find the wrong one.
std::shared_ptr<MenuBar> sampleBar()
{
    auto bar = std::make_shared<MenuBar>();
    bar->Constructor();
    bar->SetName("Bar");
    auto file = item("FileMenu", "File");
    bar->Append(file);
    file->Append(item("FileClose", "Close", "Cmd+W"));
    file->Append(item("FileSep", "-"));
    auto more = item("FileMore", "More");
    file->Append(more);
    more->Append(item("Deep", "Deep item", "Cmd+Shift+D"));
    more->Append(item("Dup", "Deep duplicate"));
    file->Append(item<QuitMenuItem>("FileQuit", "Quit", "Cmd+Q"));
    auto edit = item("EditMenu", "Edit");
    bar->Append(edit);
    edit->Append(item("Dup", "Shallow duplicate"));
    edit->Append(item("EditSelectAll", "Select all", "Cmd+A"));
    auto help = item("HelpMenu", "Help");
    bar->Append(help);
    help->Append(item<AppleMenuItem>("FileInfo", "About"));
    return bar;
}

std::vector<std::string> childNames(const std::shared_ptr<MenuItem>& menu)
{
    std::vector<std::string> names;
    for (std::int64_t i = 0; i < menu->Count(); ++i)
        names.push_back(menu->Item(i)->Name());
    return names;
}

// --- the model ----------------------------------------------------------

TEST(MenuModel, LookupSearchesDepthFirstInOrderBelowTheItem)
{
    auto bar = sampleBar();
    auto deep = bar->Lookup("Deep");
    ASSERT_NE(deep, nullptr);
    EXPECT_EQ(deep->Text(), "Deep item");
    EXPECT_EQ(deep->Parent(), bar->Lookup("FileMore"));
    // The deep duplicate in the first menu comes before the shallow one in the second.
    EXPECT_EQ(bar->Lookup("Dup")->Text(), "Deep duplicate");
    EXPECT_EQ(bar->Lookup("EditMenu")->Lookup("Dup")->Text(), "Shallow duplicate");
    // Only items below the receiver count.
    EXPECT_EQ(bar->Lookup("Bar"), nullptr);
    EXPECT_EQ(bar->Lookup("HelpMenu")->Lookup("Deep"), nullptr);
    EXPECT_EQ(bar->Lookup("Nothing"), nullptr);
    EXPECT_EQ(bar->Lookup(""), nullptr);
}

TEST(MenuModel, ChildFindsOnlyDirectChildren)
{
    auto bar = sampleBar();
    EXPECT_EQ(bar->Child("EditMenu")->Text(), "Edit");
    EXPECT_EQ(bar->Child("FileClose"), nullptr);
    auto file = bar->Child("FileMenu");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->Child("FileClose")->Text(), "Close");
    EXPECT_EQ(file->Child("Deep"), nullptr);
    EXPECT_EQ(file->Child("FileMore")->Child("Deep")->Text(), "Deep item");
}

TEST(MenuModel, ItemCountsFromZeroAndGivesNilOutOfRange)
{
    auto file = sampleBar()->Child("FileMenu");
    ASSERT_EQ(file->Count(), 4);
    EXPECT_EQ(file->Item(0)->Name(), "FileClose");
    EXPECT_EQ(file->Item(1)->Name(), "FileSep");
    EXPECT_EQ(file->Item(3)->Name(), "FileQuit");
    EXPECT_EQ(file->Item(4), nullptr);
    EXPECT_EQ(file->Item(-1), nullptr);
    EXPECT_EQ(file->Item(INT64_MAX), nullptr);
    EXPECT_EQ(file->Item(INT64_MIN), nullptr);
    auto leaf = file->Item(0);
    EXPECT_EQ(leaf->Count(), 0);
    EXPECT_EQ(leaf->Item(0), nullptr);
}

TEST(MenuModel, NewItemDefaultsAndSeparator)
{
    auto i = std::make_shared<MenuItem>();
    i->Constructor();
    EXPECT_TRUE(i->Visible());
    EXPECT_TRUE(i->Enabled());
    EXPECT_FALSE(i->Checked());
    EXPECT_EQ(i->KeyboardShortcut(), "");
    EXPECT_EQ(i->Parent(), nullptr);
    EXPECT_FALSE(i->IsSeparator());
    i->SetText("-");
    EXPECT_TRUE(i->IsSeparator());
    i->SetText("--");
    EXPECT_FALSE(i->IsSeparator());
}

TEST(MenuModel, AppendAddsAtTheEndAndMovesAnItemFromItsOldMenu)
{
    auto bar = sampleBar();
    auto file = bar->Child("FileMenu");
    auto edit = bar->Child("EditMenu");
    auto close = file->Child("FileClose");

    edit->Append(close);
    EXPECT_EQ(childNames(file), (std::vector<std::string>{"FileSep", "FileMore", "FileQuit"}));
    EXPECT_EQ(childNames(edit), (std::vector<std::string>{"Dup", "EditSelectAll", "FileClose"}));
    EXPECT_EQ(close->Parent(), edit);

    // Appending to its own menu moves it to the end, without a duplicate.
    edit->Append(edit->Item(0));
    EXPECT_EQ(childNames(edit), (std::vector<std::string>{"EditSelectAll", "FileClose", "Dup"}));
}

TEST(MenuModel, AppendRefusesNilAndCycles)
{
    auto bar = sampleBar();
    auto file = bar->Child("FileMenu");
    EXPECT_THROW(file->Append(nullptr), NilObjectException);
    EXPECT_THROW(file->Append(file), RuntimeException);
    EXPECT_THROW(file->Lookup("Deep")->Append(file), RuntimeException);
    EXPECT_THROW(file->Child("FileMore")->Append(bar), RuntimeException);
    // Nothing moved.
    EXPECT_EQ(file->Parent(), bar);
    EXPECT_EQ(bar->Count(), 3);
    EXPECT_EQ(file->Count(), 4);
}

TEST(MenuModel, CloneIsADeepIndependentCopyOfTheSameClasses)
{
    auto bar = sampleBar();
    auto file = bar->Child("FileMenu");
    file->Lookup("FileClose")->SetChecked(true);
    file->Lookup("FileQuit")->SetEnabled(false);
    file->Lookup("FileSep")->SetVisible(false);

    auto copy = file->Clone();
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, file);
    EXPECT_EQ(copy->Parent(), nullptr);
    EXPECT_EQ(copy->Name(), "FileMenu");
    EXPECT_EQ(copy->Text(), "File");
    ASSERT_EQ(childNames(copy), childNames(file));
    for (std::int64_t i = 0; i < file->Count(); ++i) {
        SCOPED_TRACE(file->Item(i)->Name());
        EXPECT_NE(copy->Item(i), file->Item(i));
        EXPECT_EQ(copy->Item(i)->Parent(), copy);
        EXPECT_STREQ(copy->Item(i)->className(), file->Item(i)->className());
        EXPECT_EQ(copy->Item(i)->Text(), file->Item(i)->Text());
        EXPECT_EQ(copy->Item(i)->KeyboardShortcut(), file->Item(i)->KeyboardShortcut());
        EXPECT_EQ(copy->Item(i)->Checked(), file->Item(i)->Checked());
        EXPECT_EQ(copy->Item(i)->Enabled(), file->Item(i)->Enabled());
        EXPECT_EQ(copy->Item(i)->Visible(), file->Item(i)->Visible());
        EXPECT_EQ(copy->Item(i)->AutoEnable(), file->Item(i)->AutoEnable());
    }
    EXPECT_TRUE(IsA<QuitMenuItem>(copy->Lookup("FileQuit")));
    EXPECT_EQ(copy->Lookup("Deep")->Text(), "Deep item");
    EXPECT_TRUE(IsA<AppleMenuItem>(bar->Child("HelpMenu")->Clone()->Item(0)));
    EXPECT_STREQ(bar->Clone()->className(), "MenuBar");

    // Changes to the copy stay in the copy, and the other way round.
    copy->Lookup("FileClose")->SetText("Shut");
    copy->Lookup("Deep")->Close();
    copy->Append(item("Extra", "Extra"));
    file->Lookup("FileQuit")->SetText("Leave");
    EXPECT_EQ(file->Lookup("FileClose")->Text(), "Close");
    EXPECT_NE(file->Lookup("Deep"), nullptr);
    EXPECT_EQ(file->Count(), 4);
    EXPECT_EQ(copy->Lookup("FileQuit")->Text(), "Quit");
    EXPECT_EQ(copy->Count(), 5);
}

TEST(MenuModel, CloseRemovesTheItemWhichStaysUsable)
{
    auto bar = sampleBar();
    auto file = bar->Child("FileMenu");
    auto sep = file->Child("FileSep");
    sep->Close();
    EXPECT_EQ(childNames(file), (std::vector<std::string>{"FileClose", "FileMore", "FileQuit"}));
    EXPECT_EQ(sep->Parent(), nullptr);
    EXPECT_EQ(bar->Lookup("FileSep"), nullptr);
    sep->Close(); // no menu any more: nothing happens
    sep->SetText("Back");
    bar->Child("HelpMenu")->Append(sep);
    EXPECT_EQ(bar->Lookup("FileSep")->Parent(), bar->Child("HelpMenu"));
    EXPECT_EQ(bar->Lookup("FileSep")->Text(), "Back");
}

// --- the model's listeners ----------------------------------------------

// What a listener heard: the changed item's name and whether the items below
// it changed.
using Heard = std::vector<std::pair<std::string, bool>>;

struct ChangeCase {
    const char* label;
    std::function<void(MenuBar& bar)> change;
    Heard heard;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.label; }

MenuItem& named(MenuBar& bar, const char* name) { return *NotNil(bar.Lookup(name), name); }

const ChangeCase kChanges[] = {
    {"Text", [](MenuBar& b) { named(b, "FileClose").SetText("Shut"); }, {{"FileClose", false}}},
    {"TheSameTextAgain", [](MenuBar& b) { named(b, "FileClose").SetText("Close"); }, {}},
    {"Visible", [](MenuBar& b) { named(b, "FileClose").SetVisible(false); }, {{"FileClose", false}}},
    {"Shortcut", [](MenuBar& b) { named(b, "FileClose").SetKeyboardShortcut("Cmd+K"); }, {{"FileClose", false}}},
    {"Checked", [](MenuBar& b) { named(b, "FileClose").SetChecked(true); }, {{"FileClose", false}}},
    {"Enabled", [](MenuBar& b) { named(b, "FileClose").SetEnabled(false); }, {{"FileClose", false}}},
    {"Append",
     [](MenuBar& b) {
         auto more = std::make_shared<MenuItem>();
         more->SetName("HelpMore");
         named(b, "HelpMenu").Append(more);
     },
     {{"HelpMenu", true}}},
    {"AppendMovesFromTheOldMenu",
     [](MenuBar& b) { named(b, "HelpMenu").Append(b.Lookup("FileClose")); },
     {{"FileMenu", true}, {"HelpMenu", true}}},
    {"Close", [](MenuBar& b) { named(b, "FileSep").Close(); }, {{"FileMenu", true}}},
};

// The model tells of its changes to whoever listens; it knows no view.
class MenuModelListeners : public ::testing::TestWithParam<ChangeCase> {
protected:
    void SetUp() override
    {
        bar = sampleBar();
        listener = AddMenuItemListener(
            [this](const MenuItem& item, bool structure) { heard.emplace_back(item.Name(), structure); });
    }
    void TearDown() override { RemoveMenuItemListener(listener); }

    std::shared_ptr<MenuBar> bar;
    int listener = 0;
    Heard heard;
};

TEST_P(MenuModelListeners, EachChangeIsToldOnceToTheListeners)
{
    GetParam().change(*bar);
    EXPECT_EQ(heard, GetParam().heard);

    // Taken away, the listener hears no more.
    heard.clear();
    RemoveMenuItemListener(listener);
    named(*bar, "EditSelectAll").SetText("All");
    EXPECT_EQ(heard, Heard{});
}

INSTANTIATE_TEST_SUITE_P(Changes, MenuModelListeners, ::testing::ValuesIn(kChanges), [](const auto& info) {
    return std::string(info.param.label);
});

// A view may go while the model tells of a change (a handler closes a
// window); its listener must not be called after it was taken away.
TEST(MenuModel, AListenerTakenAwayWhileAChangeIsToldIsNotCalled)
{
    auto bar = sampleBar();
    std::vector<std::string> calls;
    int first = 0;
    int second = 0;
    first = AddMenuItemListener([&](const MenuItem&, bool) {
        calls.push_back("first");
        RemoveMenuItemListener(first);
        RemoveMenuItemListener(second);
    });
    second = AddMenuItemListener([&](const MenuItem&, bool) { calls.push_back("second"); });
    named(*bar, "FileClose").SetText("Shut");
    named(*bar, "FileClose").SetText("Close");
    EXPECT_EQ(calls, std::vector<std::string>{"first"});
}

// --- rendering ----------------------------------------------------------

// A small window class; each test window shows the bar it is given.
class TestWindow : public Window {
public:
    explicit TestWindow(std::shared_ptr<corvanta::MenuBar> bar, std::string tag = {})
        : tag(std::move(tag)), bar_(std::move(bar))
    {
    }
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("MenuTest.TestWindow");
        return record;
    }
    void Event_EnableMenuItems() override
    {
        ++enableCount;
        if (log)
            log->push_back(tag + ":enable");
        if (onEnable)
            onEnable();
    }

    std::string tag;
    int enableCount = 0;
    std::vector<std::string>* log = nullptr;
    std::function<void()> onEnable;

protected:
    void Layout() override { SetMenuBar(bar_); }

private:
    std::shared_ptr<corvanta::MenuBar> bar_;
};

class TestApp : public Application {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("MenuTest.App");
        return record;
    }
};

QMenuBar* menuBarOf(const std::shared_ptr<Window>& w)
{
    return w && w->widget() ? w->widget()->findChild<QMenuBar*>() : nullptr;
}

// A readable picture of a rendered menu: titles and entries, separators as
// "-", hidden ones in brackets, a check mark as a leading "*", a submenu
// as "name>".
std::string describe(QWidget* container)
{
    std::string out;
    for (QAction* a : container->actions()) {
        if (!out.empty())
            out += "|";
        std::string s = a->isSeparator() ? "-" : shownText(a).toStdString();
        if (a->isChecked())
            s = "*" + s;
        if (a->menu() && container->inherits("QMenu"))
            s += ">";
        if (!a->isVisible())
            s = "[" + s + "]";
        out += s;
    }
    return out;
}

QMenu* topMenu(QMenuBar* bar, int index)
{
    const auto actions = bar->actions();
    return index < actions.size() ? actions.at(index)->menu() : nullptr;
}

// The action of the entry with that text in a rendered menu (at any depth).
QAction* actionNamed(QWidget* container, const QString& text)
{
    for (QAction* a : container->actions()) {
        if (shownText(a) == text)
            return a;
        if (a->menu())
            if (QAction* found = actionNamed(a->menu(), text))
                return found;
    }
    return nullptr;
}

class MenuUiTest : public UiTest {
protected:
    void SetUp() override
    {
        bar = sampleBar();
        first = std::make_shared<TestWindow>(bar, "first");
        first->Constructor();
        second = std::make_shared<TestWindow>(bar, "second");
        second->Constructor();
        first->log = &log;
        second->log = &log;
    }
    void TearDown() override
    {
        MenuItem::SetPopUpChooserForTesting(nullptr);
        RegisterAppObject(nullptr);
        UiTest::TearDown();
    }

    std::shared_ptr<TestApp> registerApp()
    {
        auto app = std::make_shared<TestApp>();
        RegisterAppObject(app);
        return app;
    }

    // Both windows' bars, checked to exist.
    std::vector<QMenuBar*> bars()
    {
        std::vector<QMenuBar*> result{menuBarOf(first), menuBarOf(second)};
        EXPECT_NE(result[0], nullptr);
        EXPECT_NE(result[1], nullptr);
        EXPECT_NE(result[0], result[1]);
        return result;
    }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::shared_ptr<MenuBar> bar;
    std::shared_ptr<TestWindow> first;
    std::shared_ptr<TestWindow> second;
    std::vector<std::string> log;
};

TEST_F(MenuUiTest, EveryWindowDrawsTheWholeModel)
{
    for (QMenuBar* qbar : bars()) {
        ASSERT_NE(qbar, nullptr);
        EXPECT_EQ(describe(qbar), "File|Edit|Help");
        EXPECT_EQ(describe(topMenu(qbar, 0)), "Close|-|More>|Quit");
        EXPECT_EQ(describe(topMenu(qbar, 1)), "Shallow duplicate|Select all");
        EXPECT_EQ(describe(topMenu(qbar, 2)), "About");
        QAction* more = actionNamed(topMenu(qbar, 0), "More");
        ASSERT_NE(more, nullptr);
        ASSERT_NE(more->menu(), nullptr);
        EXPECT_EQ(describe(more->menu()), "Deep item|Deep duplicate");
        EXPECT_EQ(actionNamed(qbar, "Quit")->menuRole(), QAction::QuitRole);
        EXPECT_EQ(actionNamed(qbar, "Close")->menuRole(), QAction::NoRole);
    }
}

struct ShortcutCase {
    const char* text;
    const char* portable; // Qt's portable form; "" = no shortcut
};

class ShortcutMapping : public MenuUiTest, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(ShortcutMapping, ShortcutTextBecomesTheQtKeySequence)
{
    bar->Lookup("FileClose")->SetKeyboardShortcut(GetParam().text);
    for (QMenuBar* qbar : bars()) {
        QAction* close = actionNamed(qbar, "Close");
        ASSERT_NE(close, nullptr);
        EXPECT_EQ(close->shortcut().toString(QKeySequence::PortableText).toStdString(), GetParam().portable);
    }
}

constexpr ShortcutCase kShortcutCases[] = {
    {"Cmd+W", "Ctrl+W"},
    {"Cmd+Q", "Ctrl+Q"},
    {"Cmd+1", "Ctrl+1"},
    {"", ""},
    {"Cmd+Shift+Z", "Ctrl+Shift+Z"},
    {"Option+Cmd+X", "Ctrl+Alt+X"},
    {"Ctrl+K", "Meta+K"},
    {"cmd+a", "Ctrl+A"},
};

INSTANTIATE_TEST_SUITE_P(Texts, ShortcutMapping, ::testing::ValuesIn(kShortcutCases));

TEST_F(MenuUiTest, PropertyChangesShowInEveryWindowWithoutRebuilding)
{
    const auto qbars = bars();
    std::vector<QPointer<QAction>> before;
    for (QMenuBar* qbar : qbars)
        before.emplace_back(actionNamed(qbar, "Close"));

    auto close = bar->Lookup("FileClose");
    close->SetText("Shut & lock");
    close->SetChecked(true);
    close->SetEnabled(false);
    close->SetKeyboardShortcut("Cmd+K");
    bar->Lookup("FileSep")->SetVisible(false);
    bar->Child("EditMenu")->SetText("Modify");

    for (std::size_t i = 0; i < qbars.size(); ++i) {
        SCOPED_TRACE(i);
        QAction* shut = actionNamed(qbars[i], "Shut & lock");
        ASSERT_NE(shut, nullptr);
        EXPECT_EQ(shut, before[i].data()); // the same action, updated in place
        EXPECT_TRUE(shut->isCheckable());
        EXPECT_TRUE(shut->isChecked());
        EXPECT_FALSE(shut->isEnabled());
        EXPECT_EQ(shut->shortcut(), QKeySequence(QStringLiteral("Ctrl+K")));
        EXPECT_EQ(describe(qbars[i]), "File|Modify|Help");
        EXPECT_EQ(describe(topMenu(qbars[i], 0)), "*Shut & lock|[-]|More>|Quit");
    }

    close->SetChecked(false);
    close->SetEnabled(true);
    bar->Child("HelpMenu")->SetVisible(false);
    for (QMenuBar* qbar : qbars) {
        EXPECT_FALSE(actionNamed(qbar, "Shut & lock")->isChecked());
        EXPECT_TRUE(actionNamed(qbar, "Shut & lock")->isEnabled());
        EXPECT_EQ(describe(qbar), "File|Modify|[Help]");
    }
}

TEST_F(MenuUiTest, CloseAndAppendShowInEveryWindow)
{
    bar->Lookup("FileSep")->Close();
    bar->Lookup("Deep")->Close();
    bar->Child("EditMenu")->Append(item("EditPaste", "Paste", "Cmd+V"));
    settle();
    for (QMenuBar* qbar : bars()) {
        EXPECT_EQ(describe(topMenu(qbar, 0)), "Close|More>|Quit");
        EXPECT_EQ(describe(actionNamed(qbar, "More")->menu()), "Deep duplicate");
        EXPECT_EQ(describe(topMenu(qbar, 1)), "Shallow duplicate|Select all|Paste");
        EXPECT_EQ(actionNamed(qbar, "Paste")->shortcut(), QKeySequence(QStringLiteral("Ctrl+V")));
    }

    // A whole menu goes, and a new one comes at the end.
    bar->Child("EditMenu")->Close();
    auto extra = item("ExtraMenu", "Extra");
    bar->Append(extra);
    extra->Append(item("ExtraOne", "One"));
    settle();
    for (QMenuBar* qbar : bars()) {
        EXPECT_EQ(describe(qbar), "File|Help|Extra");
        EXPECT_EQ(describe(topMenu(qbar, 2)), "One");
    }

    // Items of rebuilt menus still follow the model.
    bar->Lookup("ExtraOne")->SetText("Uno");
    bar->Lookup("FileClose")->SetText("Chiudi");
    for (QMenuBar* qbar : bars()) {
        EXPECT_EQ(describe(topMenu(qbar, 2)), "Uno");
        EXPECT_EQ(describe(topMenu(qbar, 0)), "Chiudi|More>|Quit");
    }
}

TEST_F(MenuUiTest, AnEntryThatGainsEntriesBecomesASubmenu)
{
    auto close = bar->Lookup("FileClose");
    close->Append(item("Sub", "Sub entry"));
    settle();
    for (QMenuBar* qbar : bars()) {
        EXPECT_EQ(describe(topMenu(qbar, 0)), "Close>|-|More>|Quit");
        EXPECT_EQ(describe(actionNamed(qbar, "Close")->menu()), "Sub entry");
    }
    bar->Lookup("Sub")->Close();
    settle();
    for (QMenuBar* qbar : bars())
        EXPECT_EQ(describe(topMenu(qbar, 0)), "Close|-|More>|Quit");
}

TEST_F(MenuUiTest, ARebuildWaitsUntilTheOpenMenuCloses)
{
    QMenuBar* qbar = menuBarOf(first);
    ASSERT_NE(qbar, nullptr);
    QPointer<QMenu> file = topMenu(qbar, 0);
    ASSERT_NE(file, nullptr);
    file->popup(QPoint(10, 10));
    ASSERT_TRUE(file->isVisible());

    bar->Lookup("FileSep")->Close();
    bar->Lookup("FileClose")->SetText("Shut"); // a property change shows at once
    settle();
    ASSERT_TRUE(file);
    EXPECT_EQ(describe(file), "Shut|-|More>|Quit");

    file->hide();
    settle();
    ASSERT_TRUE(file);
    EXPECT_EQ(describe(file), "Shut|More>|Quit");
    EXPECT_EQ(describe(topMenu(menuBarOf(second), 0)), "Shut|More>|Quit");
}

TEST_F(MenuUiTest, OpeningAMenuRaisesEnableMenuItemsOfTheFrontWindow)
{
    auto front = std::dynamic_pointer_cast<TestWindow>(Window::At(0));
    ASSERT_NE(front, nullptr);
    QMenuBar* qbar = menuBarOf(front);
    QPointer<QAction> close = actionNamed(qbar, "Close");
    front->onEnable = [this] { bar->Lookup("FileClose")->SetChecked(true); };
    const int before = front->enableCount;

    QMenu* file = topMenu(qbar, 0);
    file->popup(QPoint(10, 10));
    EXPECT_EQ(front->enableCount, before + 1);
    // The mark set while the menu opens is on the very action being shown.
    ASSERT_TRUE(close);
    EXPECT_TRUE(close->isChecked());
    EXPECT_EQ(actionNamed(file, "Close"), close.data());
    file->hide();
    settle();

    // Submenus raise nothing of their own.
    QMenu* more = actionNamed(qbar, "More")->menu();
    more->popup(QPoint(10, 10));
    EXPECT_EQ(front->enableCount, before + 1);
    more->hide();
}

TEST_F(MenuUiTest, ABarWidgetThatIsDestroyedStopsFollowingTheModel)
{
    auto* host = new QWidget;
    QPointer<QMenuBar> extra = CreateMenuBarWidget(bar, host);
    ASSERT_TRUE(extra);
    EXPECT_EQ(extra->parent(), host);
    EXPECT_EQ(describe(extra), "File|Edit|Help");
    delete host;
    EXPECT_FALSE(extra);
    // Changes after the widget is gone reach only the live windows.
    bar->Lookup("FileClose")->SetText("Shut");
    bar->Lookup("FileSep")->Close();
    settle();
    EXPECT_EQ(describe(topMenu(menuBarOf(first), 0)), "Shut|More>|Quit");

    auto* bare = new QWidget;
    QMenuBar* empty = CreateMenuBarWidget(nullptr, bare);
    ASSERT_NE(empty, nullptr);
    EXPECT_TRUE(empty->actions().isEmpty());
    delete bare;
}

// --- choosing -----------------------------------------------------------

TEST_F(MenuUiTest, FrontWindowHandlerRunsFirstAndTrueStopsTheChoice)
{
    auto app = registerApp();
    auto front = std::dynamic_pointer_cast<TestWindow>(Window::At(0));
    auto back = std::dynamic_pointer_cast<TestWindow>(Window::At(1));
    ASSERT_NE(front, nullptr);
    ASSERT_NE(back, nullptr);
    bool frontResult = false;
    front->AddMenuHandler("FileClose", [&] {
        log.push_back("front");
        return frontResult;
    });
    back->AddMenuHandler("FileClose", [&] {
        log.push_back("back");
        return true;
    });
    app->AddMenuHandler("FileClose", [&] {
        log.push_back("app");
        return true;
    });

    ChooseMenuItem(bar->Lookup("FileClose"));
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "front", "app"}));

    log.clear();
    frontResult = true;
    ChooseMenuItem(bar->Lookup("FileClose"));
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "front"}));

    // An item the window does not handle goes to the application.
    log.clear();
    app->AddMenuHandler("Deep", [&] {
        log.push_back("app deep");
        return false;
    });
    ChooseMenuItem(bar->Lookup("Deep"));
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "app deep"}));
}

TEST_F(MenuUiTest, AThrowingHandlerIsReportedAndTheChoiceGoesOn)
{
    auto app = registerApp();
    auto front = std::dynamic_pointer_cast<TestWindow>(Window::At(0));
    front->AddMenuHandler("FileClose", [&]() -> bool {
        log.push_back("front");
        throw NilObjectException("no such control");
    });
    app->AddMenuHandler("FileClose", [&]() -> bool {
        log.push_back("app");
        throw IllegalCastException("wrong class");
    });
    front->onEnable = [] { throw KeyNotFoundException("enable failed"); };

    const int reported = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    ChooseMenuItem(bar->Lookup("FileClose"));
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "front", "app"}));
    EXPECT_EQ(ReportedExceptionCount(), reported + 3);
    EXPECT_NE(err.find("Unhandled KeyNotFoundException: enable failed"), std::string::npos) << err;
    EXPECT_NE(err.find("Unhandled NilObjectException: no such control"), std::string::npos) << err;
    EXPECT_NE(err.find("Unhandled IllegalCastException: wrong class"), std::string::npos) << err;
}

TEST_F(MenuUiTest, ADisabledItemDoesNothingButEnableMenuItemsMayEnableIt)
{
    auto app = registerApp();
    app->AddMenuHandler("FileClose", [&] {
        log.push_back("app");
        return true;
    });
    auto close = bar->Lookup("FileClose");
    close->SetEnabled(false);
    ChooseMenuItem(close);
    EXPECT_EQ(log.size(), 1u); // only the enable event
    EXPECT_EQ(log.back(), Window::At(0) == first ? "first:enable" : "second:enable");

    log.clear();
    auto front = std::dynamic_pointer_cast<TestWindow>(Window::At(0));
    front->onEnable = [close] { close->SetEnabled(true); };
    ChooseMenuItem(close);
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "app"}));

    log.clear();
    front->onEnable = [close] { close->SetEnabled(false); };
    ChooseMenuItem(close);
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable"}));
}

TEST_F(MenuUiTest, WithoutWindowsTheApplicationStillHandlesTheChoice)
{
    auto app = registerApp();
    app->AddMenuHandler("FileInfo", [&] {
        log.push_back("app");
        return true;
    });
    first->Close();
    second->Close();
    settle();
    ASSERT_EQ(Window::At(0), nullptr);
    RaiseEnableMenuItems(); // nothing to raise it on
    ChooseMenuItem(bar->Lookup("FileInfo"));
    ChooseMenuItem(nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"app"}));
}

TEST_F(MenuUiTest, ChoosingAnActionInTheBarDispatchesItsItem)
{
    auto app = registerApp();
    app->AddMenuHandler("Deep", [&] {
        log.push_back("deep");
        return false;
    });
    auto front = Window::At(0);
    QAction* deep = actionNamed(menuBarOf(front), "Deep item");
    ASSERT_NE(deep, nullptr);
    deep->trigger();
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.back(), "deep");

    // A checked item keeps the model's state, whatever Qt's toggling did.
    bar->Lookup("Deep")->SetChecked(true);
    deep = actionNamed(menuBarOf(front), "Deep item");
    deep->trigger();
    EXPECT_TRUE(deep->isChecked());
    EXPECT_TRUE(bar->Lookup("Deep")->Checked());
}

TEST_F(MenuUiTest, AHandlerMayCloseItsOwnItemAndWindow)
{
    auto front = Window::At(0);
    std::weak_ptr<Window> weak = front;
    front->AddMenuHandler("FileClose", [this, weak] {
        bar->Lookup("FileClose")->Close();
        weak.lock()->Close();
        return false;
    });
    QAction* close = actionNamed(menuBarOf(front), "Close");
    close->trigger();
    settle();
    EXPECT_EQ(bar->Lookup("FileClose"), nullptr);
    ASSERT_NE(Window::At(0), nullptr);
    // The separator now leads the menu, where it is not drawn: it is hidden.
    EXPECT_EQ(describe(topMenu(menuBarOf(Window::At(0)), 0)), "[-]|More>|Quit");
}

TEST_F(MenuUiTest, AShortcutRunsItsItemAfterEnableMenuItems)
{
    auto app = registerApp();
    auto front = std::dynamic_pointer_cast<TestWindow>(Window::At(0));
    QWidget* win = front->widget();
    win->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(win));
    front->AddMenuHandler("FileClose", [&] {
        log.push_back("close");
        return false;
    });
    app->AddMenuHandler("Deep", [&] {
        log.push_back("deep");
        return true;
    });

    QTest::keyClick(win, Qt::Key_W, Qt::ControlModifier);
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "close"}));

    // A shortcut of a submenu entry works too.
    log.clear();
    QTest::keyClick(win, Qt::Key_D, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "deep"}));

    // Hidden or disabled items do not answer their shortcut; a changed one
    // answers its new key.
    log.clear();
    bar->Lookup("FileClose")->SetVisible(false);
    QTest::keyClick(win, Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(log.empty());
    bar->Lookup("FileClose")->SetVisible(true);
    bar->Lookup("FileClose")->SetEnabled(false);
    QTest::keyClick(win, Qt::Key_W, Qt::ControlModifier);
    // The program is asked first, as it might enable the item.
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable"}));
    log.clear();
    bar->Lookup("FileClose")->SetEnabled(true);
    bar->Lookup("FileClose")->SetKeyboardShortcut("Cmd+K");
    QTest::keyClick(win, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(win, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(log, (std::vector<std::string>{front->tag + ":enable", "close"}));
}

TEST_F(MenuUiTest, QuitItemQuitsUnlessAHandlerTookIt)
{
    auto app = registerApp();
    const auto quits = Runtime::QuitCount();
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_EQ(Runtime::QuitCount(), quits + 1);

    // A plain item of the same name is not the Quit item.
    auto plain = item("FileQuit", "Quit");
    ChooseMenuItem(plain);
    EXPECT_EQ(Runtime::QuitCount(), quits + 1);

    app->AddMenuHandler("FileQuit", [] { return true; });
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_EQ(Runtime::QuitCount(), quits + 1);

    app->AddMenuHandler("FileQuit", [] { return false; });
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_EQ(Runtime::QuitCount(), quits + 2);
}

class EditItemsTest : public MenuUiTest {
protected:
    void SetUp() override
    {
        MenuUiTest::SetUp();
        auto edit = bar->Child("EditMenu");
        for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
            edit->Append(item(name, name));
        front = Window::At(0);
        auto control = front->New<TextField>();
        control->Constructor();
        front->AddControl(control, "Field");
        field = qobject_cast<QLineEdit*>(control->widget());
        ASSERT_NE(field, nullptr);
        front->widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(front->widget()));
        field->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), field);
        QTest::keyClicks(field, "AB1234");
    }
    void choose(const char* name) { ChooseMenuItem(bar->Lookup(name)); }

    std::shared_ptr<Window> front;
    QLineEdit* field = nullptr;
};

TEST_F(EditItemsTest, EditItemsActOnTheFocusedField)
{
    choose("EditSelectAll");
    EXPECT_EQ(field->selectedText(), "AB1234");
    choose("EditCopy");
    EXPECT_EQ(QApplication::clipboard()->text(), "AB1234");
    choose("EditClear");
    EXPECT_EQ(field->text(), "");
    choose("EditPaste");
    EXPECT_EQ(field->text(), "AB1234");
    choose("EditPaste");
    EXPECT_EQ(field->text(), "AB1234AB1234");
    choose("EditUndo");
    EXPECT_EQ(field->text(), "AB1234");

    field->setSelection(0, 2);
    choose("EditCut");
    EXPECT_EQ(field->text(), "1234");
    EXPECT_EQ(QApplication::clipboard()->text(), "AB");
}

// The framework's pass runs first: what the window's event decides stands,
// in the model, in the drawn menu and for a choice.
TEST_F(EditItemsTest, EnableMenuItemsHasTheLastWord)
{
    auto window = std::dynamic_pointer_cast<TestWindow>(front);
    ASSERT_NE(window, nullptr);
    window->onEnable = [this] { bar->Lookup("EditCopy")->SetEnabled(true); };
    auto app = registerApp();
    int copies = 0;
    app->AddMenuHandler("EditCopy", [&] {
        ++copies;
        return true;
    });
    field->deselect();

    QMenu* edit = topMenu(menuBarOf(front), 1);
    ASSERT_NE(edit, nullptr);
    edit->popup(QPoint(10, 10));
    EXPECT_TRUE(bar->Lookup("EditCopy")->Enabled());
    QAction* copy = actionNamed(edit, "EditCopy");
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isEnabled());
    edit->hide();

    choose("EditCopy");
    EXPECT_EQ(copies, 1);
}

TEST_F(EditItemsTest, AHandlerThatTakesAnEditItemReplacesTheFieldAction)
{
    auto app = registerApp();
    app->AddMenuHandler("EditSelectAll", [] { return true; });
    field->deselect();
    choose("EditSelectAll");
    EXPECT_EQ(field->selectedText(), "");

    // Read-only fields still copy and select, but are not changed.
    app->AddMenuHandler("EditSelectAll", [] { return false; });
    field->setReadOnly(true);
    choose("EditSelectAll");
    choose("EditCut");
    choose("EditClear");
    EXPECT_EQ(field->text(), "AB1234");
    EXPECT_EQ(QApplication::clipboard()->text(), "AB1234");

    // Without a focused text field the items do nothing.
    field->setReadOnly(false);
    field->clearFocus();
    choose("EditClear");
    EXPECT_EQ(field->text(), "AB1234");
}

TEST_F(EditItemsTest, AnEditEntryChosenInAPopUpActsOnTheFocusedField)
{
    auto copy = bar->Child("EditMenu")->Clone();
    MenuItem::SetPopUpChooserForTesting(
        [](const std::shared_ptr<MenuItem>& menu) { return menu->Child("EditSelectAll"); });
    field->deselect();
    EXPECT_EQ(copy->PopUp()->Name(), "EditSelectAll");
    EXPECT_EQ(field->selectedText(), "AB1234");

    MenuItem::SetPopUpChooserForTesting([](const std::shared_ptr<MenuItem>& menu) { return menu->Child("EditClear"); });
    copy->PopUp();
    EXPECT_EQ(field->text(), "");
    MenuItem::SetPopUpChooserForTesting({});
}

// --- pop-up -------------------------------------------------------------

TEST_F(MenuUiTest, PopUpAsksTheChooserWhenOneIsSet)
{
    auto edit = bar->Child("EditMenu")->Clone();
    std::shared_ptr<MenuItem> offered;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>& menu) {
        offered = menu;
        return menu->Child("EditSelectAll");
    });
    auto chosen = edit->PopUp();
    EXPECT_EQ(offered, edit);
    EXPECT_EQ(chosen, edit->Child("EditSelectAll"));

    MenuItem::SetPopUpChooserForTesting([](const std::shared_ptr<MenuItem>&) { return nullptr; });
    EXPECT_EQ(edit->PopUp(), nullptr);
}

// The model pops up through what the layers above registered: the enabling
// pass, the menu itself, and the chosen entry's own command unless it is
// disabled, bound to its target before the menu shows.
TEST_F(MenuUiTest, PopUpEnablesShowsAndCarriesOutThroughItsHooks)
{
    auto file = bar->Child("FileMenu");
    const std::shared_ptr<MenuItem> pick = file->Child("FileClose");
    std::vector<std::string> steps;
    SetPopUpHooks({
        .enable = [&](MenuItem& menu) { steps.push_back("enable " + menu.Name()); },
        .show =
            [&](const MenuItem& menu) {
                steps.push_back("show " + menu.Name());
                return pick;
            },
        .perform =
            [&] {
                steps.push_back("bind");
                return [&](const MenuItem& chosen) { steps.push_back("perform " + chosen.Name()); };
            },
    });
    EXPECT_EQ(file->PopUp(), pick);
    pick->SetEnabled(false);
    EXPECT_EQ(file->PopUp(), pick);
    InstallPopUpMenus();
    EXPECT_EQ(steps,
              (std::vector<std::string>{"bind",
                                        "enable FileMenu",
                                        "show FileMenu",
                                        "perform FileClose",
                                        "bind",
                                        "enable FileMenu",
                                        "show FileMenu"}));
}

// Without the chooser a real menu pops up; the user is played by keys.
TEST_F(MenuUiTest, PopUpShowsTheChildrenAndGivesTheChosenItem)
{
    auto file = bar->Child("FileMenu");
    auto pick = [](int steps, Qt::Key finish) {
        QTimer::singleShot(0, [steps, finish] {
            QWidget* popup = QApplication::activePopupWidget();
            ASSERT_NE(popup, nullptr);
            EXPECT_EQ(describe(popup), "Close|-|More>|Quit");
            for (int i = 0; i < steps; ++i)
                QTest::keyClick(popup, Qt::Key_Down);
            QTest::keyClick(popup, finish);
        });
    };
    pick(1, Qt::Key_Return);
    EXPECT_EQ(file->PopUp(), bar->Lookup("FileClose"));
    pick(3, Qt::Key_Return); // down skips the separator: Close, More, Quit
    EXPECT_EQ(file->PopUp(), bar->Lookup("FileQuit"));
    pick(1, Qt::Key_Escape);
    EXPECT_EQ(file->PopUp(), nullptr);
    // The pop-up only reports: nothing was dispatched or changed.
    EXPECT_EQ(file->Count(), 4);
}

} // namespace
