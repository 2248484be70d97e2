// The application's shortcuts with the About window in front: it draws no
// menu bar of its own, yet the commands of the application's bar answer their
// keys there, through the same dispatch as a choice in a menu bar.

#include "app_fixture.h"
#include "bare_window.h"

#include "application.h"
#include "exceptions.h"
#include "info.h"
#include "menu.h"
#include "menubar1.h"
#include "runtime.h"
#include "startup.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <utility>

using namespace corvanta;

namespace {

std::shared_ptr<MenuItem> barItem(const std::string& name)
{
    return NotNil(MenuBar1::implicitInstance()->Lookup(name), name.c_str());
}

// Opens the About window over the first-series window, as the About item does.
std::shared_ptr<Info> openAboutOverTheFirstSeries(App& app)
{
    auto first = Window1::implicitInstance();
    EXPECT_TRUE(app.FileInfo_Action());
    auto about = Info::implicitInstance();
    EXPECT_TRUE(QTest::qWaitForWindowActive(about->widget()));
    EXPECT_EQ(Window::At(0), about);
    EXPECT_EQ(Window::At(1), first);
    return about;
}

// A key pressed where the About window has its focus.
void pressOver(const Info& about, Qt::Key key)
{
    QWidget* target = QApplication::focusWidget();
    if (!target || target->window() != about.widget())
        target = about.widget();
    QTest::keyClick(target, key, Qt::ControlModifier);
}

class AboutInFront : public AppUiTest {
protected:
    void SetUp() override
    {
        AppUiTest::SetUp();
        about = openAboutOverTheFirstSeries(*app);
        ASSERT_NE(about, nullptr);
        quits = Runtime::QuitCount();
    }

    void TearDown() override
    {
        barItem("FinestraSecondaSerie")->SetKeyboardShortcut("Cmd+2");
        AppUiTest::TearDown();
    }

    std::shared_ptr<Info> about;
    std::int64_t quits = 0;
};

TEST_F(AboutInFront, DrawsNoMenuBar) { EXPECT_EQ(about->widget()->findChild<QMenuBar*>(), nullptr); }

struct AppShortcut {
    const char* name;
    Qt::Key key;
    std::function<void(const std::shared_ptr<Info>& about, std::int64_t quitsBefore)> expect;
};

void PrintTo(const AppShortcut& c, std::ostream* os) { *os << c.name; }

class AppShortcuts : public AboutInFront, public ::testing::WithParamInterface<AppShortcut> {};

TEST_P(AppShortcuts, AnswerOverTheAboutWindow)
{
    pressOver(*about, GetParam().key);
    GetParam().expect(about, quits);
}

const AppShortcut kAppShortcuts[] = {
    {"SecondSeries",
     Qt::Key_2,
     [](const auto& about, std::int64_t) {
         auto second = Window::ImplicitWindow("Window2.Window2");
         ASSERT_NE(second, nullptr) << "the second-series window did not open";
         EXPECT_EQ(Window::At(0), second);
         EXPECT_TRUE(about->IsOpen());
     }},
    {"FirstSeries",
     Qt::Key_1,
     [](const auto& about, std::int64_t) {
         EXPECT_EQ(Window::At(0), Window::ImplicitWindow("Window1.Window1"));
         EXPECT_TRUE(about->IsOpen());
     }},
    {"Quit",
     Qt::Key_Q,
     [](const auto&, std::int64_t quitsBefore) { EXPECT_EQ(Runtime::QuitCount(), quitsBefore + 1); }},
    // The About window handles no Close, nor does the application: the
    // framework closes the window in front, and only that one.
    {"CloseClosesOnlyTheAboutWindow",
     Qt::Key_W,
     [](const auto& about, std::int64_t quitsBefore) {
         EXPECT_FALSE(about->IsOpen());
         const auto first = Window::ImplicitWindow("Window1.Window1");
         EXPECT_NE(first, nullptr);
         EXPECT_EQ(Window::At(0), first);
         EXPECT_EQ(Runtime::QuitCount(), quitsBefore);
     }},
};

INSTANTIATE_TEST_SUITE_P(Keys, AppShortcuts, ::testing::ValuesIn(kAppShortcuts), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(AboutInFront, ShortcutsFollowTheMenuBar)
{
    barItem("FinestraSecondaSerie")->SetKeyboardShortcut("Cmd+K");
    pressOver(*about, Qt::Key_2);
    EXPECT_EQ(Window::ImplicitWindow("Window2.Window2"), nullptr) << "the old key still answers";
    pressOver(*about, Qt::Key_K);
    EXPECT_NE(Window::ImplicitWindow("Window2.Window2"), nullptr) << "the new key does not answer";
}

TEST_F(AboutInFront, ADisabledItemDoesNotAnswer)
{
    barItem("FinestraSecondaSerie")->SetEnabled(false);
    pressOver(*about, Qt::Key_2);
    barItem("FinestraSecondaSerie")->SetEnabled(true);
    EXPECT_EQ(Window::ImplicitWindow("Window2.Window2"), nullptr);
    pressOver(*about, Qt::Key_2);
    EXPECT_NE(Window::ImplicitWindow("Window2.Window2"), nullptr);
}

// The front window's handler comes first, then the application's.
TEST_F(AboutInFront, AChoiceGoesThroughTheFrontWindowFirst)
{
    int frontHandled = 0;
    about->AddMenuHandler("FinestraSecondaSerie", [&] {
        ++frontHandled;
        return true;
    });
    pressOver(*about, Qt::Key_2);
    EXPECT_EQ(frontHandled, 1);
    EXPECT_EQ(Window::ImplicitWindow("Window2.Window2"), nullptr);
}

// --- A window of the framework's own ----------------------------------------

// A window that later gets a bar of its own answers each key once, through
// that bar; one that gives it up answers through the application's again.
class BareWindowShortcuts : public AppUiTest {};

TEST_F(BareWindowShortcuts, AnswerOnceWithOrWithoutABarOfItsOwn)
{
    auto window = std::make_shared<BareWindow>();
    window->Constructor();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    int chosen = 0;
    window->AddMenuHandler("FinestraSecondaSerie", [&] {
        ++chosen;
        return true;
    });
    auto press = [&] { QTest::keyClick(window->widget(), Qt::Key_2, Qt::ControlModifier); };

    press();
    EXPECT_EQ(chosen, 1);
    window->SetMenuBar(MenuBar1::implicitInstance());
    press();
    EXPECT_EQ(chosen, 2);
    window->SetMenuBar(nullptr);
    press();
    EXPECT_EQ(chosen, 3);
    RegisterAppObject(nullptr);
    press();
    EXPECT_EQ(chosen, 3) << "no application, no application shortcuts";
}

// --- An item the program enables -------------------------------------------------

// A window whose EnableMenuItems enables one item; it counts the passes.
class EnablingWindow : public BareWindow {
public:
    explicit EnablingWindow(std::string item) : item_(std::move(item)) {}
    void Event_EnableMenuItems() override
    {
        ++passes;
        barItem(item_)->SetEnabled(true);
    }
    int passes = 0;

private:
    std::string item_;
};

struct EnabledByTheProgram {
    const char* name;
    const char* item;
    Qt::Key key;
    bool barOfItsOwn;
};

void PrintTo(const EnabledByTheProgram& c, std::ostream* os) { *os << c.name; }

// Disabled when the key comes (the framework disables Copy with no field to
// copy from), enabled by the program's pass: the key fires the item.
const EnabledByTheProgram kEnabledByTheProgram[] = {
    {"AWindowItem", "FinestraSecondaSerie", Qt::Key_2, false},
    {"AWindowItemInADrawnBar", "FinestraSecondaSerie", Qt::Key_2, true},
    {"AnEditItemTheFrameworkDisables", "EditCopy", Qt::Key_C, false},
    {"AnEditItemTheFrameworkDisablesInADrawnBar", "EditCopy", Qt::Key_C, true},
};

class ProgramEnabledShortcuts : public AppUiTest, public ::testing::WithParamInterface<EnabledByTheProgram> {
protected:
    void TearDown() override
    {
        barItem(GetParam().item)->SetEnabled(true);
        AppUiTest::TearDown();
    }
};

// The program's EnableMenuItems is asked before the key is looked up, and
// only then: the item then runs without a second pass.
TEST_P(ProgramEnabledShortcuts, AnswerTheirKeyAfterOnePass)
{
    const EnabledByTheProgram& c = GetParam();
    auto window = std::make_shared<EnablingWindow>(c.item);
    window->Constructor();
    if (c.barOfItsOwn)
        window->SetMenuBar(MenuBar1::implicitInstance());
    // The key goes to the focused field first, then on to the window.
    QLineEdit* field = focusIn(*window, *addField(*window));
    ASSERT_NE(field, nullptr);
    ASSERT_EQ(Window::At(0), window);
    int chosen = 0;
    window->AddMenuHandler(c.item, [&] {
        ++chosen;
        return true;
    });
    barItem(c.item)->SetEnabled(false);

    QTest::keyClick(field, c.key, Qt::ControlModifier);

    EXPECT_EQ(chosen, 1);
    EXPECT_EQ(window->passes, 1);
}

INSTANTIATE_TEST_SUITE_P(Items,
                         ProgramEnabledShortcuts,
                         ::testing::ValuesIn(kEnabledByTheProgram),
                         [](const auto& info) { return std::string(info.param.name); });

class DeadKey : public AppUiTest {
protected:
    void TearDown() override
    {
        barItem("FinestraSecondaSerie")->SetEnabled(true);
        AppUiTest::TearDown();
    }
};

// The pass a key runs ends with the key: the choice of an entry that comes
// next from elsewhere (a screen reader's press) asks the program anew.
TEST_F(DeadKey, LeavesNoPassBehind)
{
    auto window = std::make_shared<EnablingWindow>("FinestraPrimaSerie");
    window->Constructor();
    window->SetMenuBar(MenuBar1::implicitInstance());
    QLineEdit* field = focusIn(*window, *addField(*window));
    ASSERT_NE(field, nullptr);
    int chosen = 0;
    window->AddMenuHandler("FinestraSecondaSerie", [&] {
        ++chosen;
        return true;
    });
    barItem("FinestraSecondaSerie")->SetEnabled(false);
    QTest::keyClick(field, Qt::Key_2, Qt::ControlModifier);
    ASSERT_EQ(window->passes, 1);
    ASSERT_EQ(chosen, 0);

    QAction* entry = nullptr;
    for (QAction* title : window->widget()->findChild<QMenuBar*>()->actions())
        for (QAction* e : title->menu()->actions())
            if (e->text().remove(u'&').toStdString() == barItem("FinestraSecondaSerie")->Text())
                entry = e;
    ASSERT_NE(entry, nullptr);
    barItem("FinestraSecondaSerie")->SetEnabled(true);
    entry->trigger();

    EXPECT_EQ(window->passes, 2);
    EXPECT_EQ(chosen, 1);
}

// --- A whole run ----------------------------------------------------------------

class AboutRunDeathTest : public ::testing::Test {
protected:
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

// Runs the process, opens the About window once the loop runs and presses
// Ctrl+Q over it; the run's exit code ends the process.
[[noreturn]] void runAndQuitOverTheAboutWindow()
{
    SystemClass::SetLanguageForTesting(std::string("zz"));
    QTimer::singleShot(0, [] {
        auto about = openAboutOverTheFirstSeries(*NotNil(App::implicitInstance()));
        const auto before = Runtime::QuitCount();
        pressOver(*about, Qt::Key_Q);
        if (Runtime::QuitCount() == before) {
            std::cerr << "Ctrl+Q did not quit" << std::endl;
            QCoreApplication::exit(5);
        }
    });
    static char programName[] = "corvanta";
    char* argv[] = {programName, nullptr};
    const int code = RunProcess(1, argv);
    std::cerr << "exit=" << code << std::endl;
    std::_Exit(code);
}

TEST_F(AboutRunDeathTest, QuitOverTheAboutWindowEndsTheRunWithCodeZero)
{
    EXPECT_EXIT(runAndQuitOverTheAboutWindow(), ::testing::ExitedWithCode(0), "exit=0\n");
}

} // namespace
