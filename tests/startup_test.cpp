// Start-up: the steps one by one in this process, and whole runs of the
// process (RunProcess) in fresh child processes, where the shared menu bar has
// not been built yet and the event loop can run and end.

#include "app.h"
#include "application.h"
#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "menubar1.h"
#include "menu_text.h"
#include "runtime.h"
#include "startup.h"
#include "system.h"
#include "ui_fixture.h"
#include "window.h"
#include "window1.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <memory>
#include <optional>
#include <streambuf>
#include <string>

using namespace corvanta;

namespace {

const char* const kHandlerItems[] = {"FileInfo", "HelpCorvantaLeggimi", "FinestraPrimaSerie", "FinestraSecondaSerie"};

class StartupTest : public UiTest {
protected:
    void SetUp() override { SystemClass::SetLanguageForTesting(std::string("zz")); }

    void TearDown() override
    {
        RegisterAppObject(nullptr);
        UiTest::TearDown();
        SystemClass::SetLanguageForTesting(std::nullopt);
    }
};

TEST_F(StartupTest, NewAppInstanceRegistersTheAppWithTheSharedBarBeforeAnyWindow)
{
    ASSERT_EQ(Window::WindowCount(), 0);

    NewAppInstance();

    auto app = App::implicitInstance();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->MenuBar(), MenuBar1::implicitInstance());
    EXPECT_EQ(app->classRecord().name(), "App");
    EXPECT_FALSE(app->AutoQuit());
    EXPECT_EQ(Window::WindowCount(), 0);
    for (const char* item : kHandlerItems)
        EXPECT_FALSE(app->MenuHandler(item)) << item;
}

TEST_F(StartupTest, EarlyStartupRegistersTheFourHandlersAndOpensNoWindow)
{
    EarlyStartup();

    auto app = App::implicitInstance();
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->MenuBar(), MenuBar1::implicitInstance());
    for (const char* item : kHandlerItems)
        EXPECT_TRUE(app->MenuHandler(item)) << item;
    EXPECT_EQ(Window::WindowCount(), 0);
}

TEST_F(StartupTest, RegisteringHandlersWithoutTheApplicationRaises)
{
    RegisterAppObject(nullptr);
    EXPECT_THROW(ApplicationAddMenuHandlers(), NilObjectException);
}

struct MenuChoice {
    const char* item;
    const char* opens; // class name of the window in front afterwards
};

void PrintTo(const MenuChoice& c, std::ostream* os) { *os << c.item; }

class StartupMenuTest : public StartupTest, public ::testing::WithParamInterface<MenuChoice> {};

// The item chosen in the shared bar reaches the handler registered under its
// name on the application object.
TEST_P(StartupMenuTest, ChoosingTheItemRunsItsApplicationHandler)
{
    const MenuChoice& c = GetParam();
    EarlyStartup();
    const int reported = ReportedExceptionCount();

    ChooseMenuItem(NotNil(MenuBar1::implicitInstance()->Lookup(c.item)));

    EXPECT_EQ(ReportedExceptionCount(), reported);
    ASSERT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(NotNil(Window::At(0))->classRecord().name(), c.opens);
}

constexpr MenuChoice kMenuChoices[] = {
    {"FileInfo", "Info.Info"},
    {"FinestraPrimaSerie", "Window1.Window1"},
    {"FinestraSecondaSerie", "Window2.Window2"},
};

INSTANTIATE_TEST_SUITE_P(Items, StartupMenuTest, ::testing::ValuesIn(kMenuChoices), [](const auto& info) {
    return std::string(info.param.item);
});

TEST_F(StartupTest, DefaultViewIsOneFirstSeriesWindow)
{
    LateStartup();
    ASSERT_EQ(Window::WindowCount(), 1);
    auto window = Window::At(0);
    EXPECT_EQ(NotNil(window)->classRecord().name(), "Window1.Window1");
    EXPECT_TRUE(window->widget()->isVisible());
    EXPECT_EQ(window->Title(), "Corvanta (First Series)");

    MakeDefaultView();
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(Window::At(0), window);
}

// --- Whole runs, each in a fresh process --------------------------------

int finalizerRuns = 0;

[[noreturn]] void exitWith(int code)
{
    std::cout.flush();
    std::cerr.flush();
    std::_Exit(code);
}

// Runs the process as main does, then reports what is left and exits with
// RunProcess's result.
[[noreturn]] void runProcessAndReport()
{
    Runtime::AddFinalizer([] { ++finalizerRuns; });
    // A loop that never ends fails the test instead of hanging it.
    QTimer::singleShot(30000, [] {
        std::cerr << "the run did not end" << std::endl;
        exitWith(99);
    });
    static char programName[] = "corvanta";
    char* argv[] = {programName, nullptr};
    const int code = RunProcess(1, argv);
    std::cerr << "rc=" << code << " finalized=" << finalizerRuns << " windows=" << Window::WindowCount()
              << " app=" << (GetAppObject() ? 1 : 0) << " reported=" << ReportedExceptionCount() << std::endl;
    exitWith(code);
}

// Once the loop runs: what start-up left, then `then`.
void whenTheLoopRuns(std::function<void()> then)
{
    QTimer::singleShot(0, [then] {
        auto app = App::implicitInstance();
        auto front = Window::At(0);
        int handlers = 0;
        for (const char* item : kHandlerItems)
            handlers += app && app->MenuHandler(item) ? 1 : 0;
        std::cerr << "loop: windows=" << Window::WindowCount()
                  << " front=" << (front ? front->classRecord().name() : std::string("none"))
                  << " visible=" << (front && front->widget()->isVisible() ? 1 : 0) << " handlers=" << handlers
                  << " autoquit=" << (app && app->AutoQuit() ? 1 : 0)
                  << " sharedbar=" << (app && app->MenuBar() == MenuBar1::implicitInstance() ? 1 : 0)
                  << " separator=" << (app && app->MenuBar() && UntitledSeparator2() ? "present" : "gone") << std::endl;
        then();
    });
}

// Fails the test with a distinct code if start-up lets the loop run.
void exitIfTheLoopRuns()
{
    QTimer::singleShot(0, [] {
        std::cerr << "the loop ran" << std::endl;
        QCoreApplication::exit(5);
    });
}

class RunProcessDeathTest : public ::testing::Test {
protected:
    // Each run needs a process of its own: a clean runtime and no menu bar yet.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(RunProcessDeathTest, ARunOpensTheFirstSeriesWindowAndEndsWithTheLoopsCode)
{
    EXPECT_EXIT(
        {
            SystemClass::SetLanguageForTesting(std::string("zz"));
            whenTheLoopRuns([] { QCoreApplication::exit(3); });
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(3),
        "loop: windows=1 front=Window1.Window1 visible=1 handlers=4 autoquit=1 sharedbar=1 separator=gone\n"
        "rc=3 finalized=1 windows=1 app=1");
}

TEST_F(RunProcessDeathTest, TheQuitCommandEndsTheRunWithZero)
{
    EXPECT_EXIT(
        {
            SystemClass::SetLanguageForTesting(std::string("zz"));
            whenTheLoopRuns([] { ChooseMenuItem(NotNil(MenuBar1::implicitInstance()->Lookup("FileQuit"))); });
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(0),
        "loop: windows=1 .*\nrc=0 finalized=1 windows=1 app=1");
}

TEST_F(RunProcessDeathTest, ClosingTheLastWindowEndsTheRun)
{
    EXPECT_EXIT(
        {
            SystemClass::SetLanguageForTesting(std::string("zz"));
            whenTheLoopRuns([] { NotNil(Window::At(0))->Close(); });
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(0),
        "loop: windows=1 .*\nrc=0 finalized=1 windows=0 app=1");
}

// The Italian titles show in the window's own menu bar: one bar for all.
TEST_F(RunProcessDeathTest, ItalianTitlesOnAnOldSystemShowInTheWindow)
{
    EXPECT_EXIT(
        {
            SystemClass::SetLanguageForTesting(std::string("it"));
            SystemClass::SetGestaltForTesting([](const std::string& selector, std::int64_t& result) {
                result = selector == "sys1" ? 10 : selector == "sys2" ? 7 : 5;
                return true;
            });
            whenTheLoopRuns([] {
                auto* bar = NotNil(Window::At(0))->widget()->findChild<QMenuBar*>();
                std::string titles;
                if (bar)
                    for (QAction* action : bar->actions())
                        titles += shownText(action).toStdString() + "/";
                std::cerr << "titles=" << titles << std::endl;
                QCoreApplication::exit(0);
            });
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(0),
        "titles=Archivio/Composizione/");
}

// The menu bar fails only the first time it is built: a late start-up that
// ran anyway would build it again, open the window and run the loop.
TEST_F(RunProcessDeathTest, AFailedEarlyStartupIsReportedOnceAndSkipsTheWindowAndTheLoop)
{
    EXPECT_EXIT(
        {
            MenuBar1::SetBuilderHookForTesting([](const char* builder) {
                static bool failed = false;
                if (std::string(builder) == "Untitled1" && !failed) {
                    failed = true;
                    throw RuntimeException("edit menu refused");
                }
            });
            exitIfTheLoopRuns();
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(1),
        "Unhandled RuntimeException: edit menu refused\n"
        "rc=1 finalized=1 windows=0 app=0 reported=1\n$");
}

TEST_F(RunProcessDeathTest, AFailedInitializerEndsTheRunAtOnceWithOne)
{
    EXPECT_EXIT(
        {
            Runtime::AddInitializer([] { throw RuntimeException("initializer refused"); });
            exitIfTheLoopRuns();
            runProcessAndReport();
        },
        ::testing::ExitedWithCode(1),
        "rc=1 finalized=0 windows=0 app=0 reported=0\n$");
}

// Standard error that refuses every write; with badbit among its exceptions
// the stream then throws.
struct RefusingBuffer : std::streambuf {
    int overflow(int) override { return traits_type::eof(); }
};

// A run whose unhandled-exception report cannot be written: the handler
// itself fails.
[[noreturn]] void runWithRefusingStandardError()
{
    Runtime::AddFinalizer([] { ++finalizerRuns; });
    static RefusingBuffer refusing;
    std::streambuf* const standardError = std::cerr.rdbuf(&refusing);
    std::cerr.exceptions(std::ios::badbit);
    static char programName[] = "corvanta";
    char* argv[] = {programName, nullptr};
    const int code = RunProcess(1, argv);
    std::cerr.exceptions(std::ios::goodbit);
    std::cerr.rdbuf(standardError);
    std::cerr.clear();
    std::cerr << "rc=" << code << " finalized=" << finalizerRuns << " reported=" << ReportedExceptionCount()
              << std::endl;
    exitWith(code);
}

// An unhandled-exception handler that fails leaves its exception pending:
// the run ends at once with 1, without the finalizers.
TEST_F(RunProcessDeathTest, AFailingUnhandledExceptionHandlerEndsTheRunWithOne)
{
    EXPECT_EXIT(
        {
            MenuBar1::SetBuilderHookForTesting([](const char*) { throw RuntimeException("menu refused"); });
            exitIfTheLoopRuns();
            runWithRefusingStandardError();
        },
        ::testing::ExitedWithCode(1),
        "rc=1 finalized=0 reported=1\n$");
}

} // namespace
