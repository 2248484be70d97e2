#include "application.h"
#include "exceptions.h"
#include "folderitem.h"
#include "handlers.h"
#include "menu.h"
#include "picture.h"
#include "runtime.h"
#include "system.h"
#include "window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QIcon>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

// ---- FolderItem ----------------------------------------------------------

class FolderItemTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(temp_.isValid());
        root_ = QDir(temp_.path()).filePath(QStringLiteral("Contents"));
        ASSERT_TRUE(QDir().mkpath(QDir(root_).filePath(QStringLiteral("MacOS"))));
        ASSERT_TRUE(QDir().mkpath(QDir(root_).filePath(QStringLiteral("Resources"))));
        QFile exe(QDir(root_).filePath(QStringLiteral("MacOS/Corvanta")));
        ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
        QFile readMe(QDir(root_).filePath(QStringLiteral("Resources/Corvanta Read Me!.rtf")));
        ASSERT_TRUE(readMe.open(QIODevice::WriteOnly));
    }
    void TearDown() override
    {
        FolderItem::SetLauncherForTesting(nullptr);
        FolderItem::SetOpenerForTesting({});
    }

    std::string path(const char* relative) const
    {
        return QDir(root_).filePath(QString::fromUtf8(relative)).toStdString();
    }

    QTemporaryDir temp_;
    QString root_;
};

TEST_F(FolderItemTest, WalksFromTheExecutableToTheReadMe)
{
    // The road the read-me command takes: executable, its folder, the bundle's
    // Contents folder, Resources, the document.
    const auto exe = std::make_shared<FolderItem>(path("MacOS/Corvanta"));
    const auto macos = NotNil(exe->Parent());
    EXPECT_EQ(macos->Name(), "MacOS");
    EXPECT_TRUE(macos->Directory());
    const auto contents = NotNil(macos->Parent());
    EXPECT_EQ(contents->NativePath(), path(""));
    const auto readMe = NotNil(NotNil(contents->Child("Resources"))->Child("Corvanta Read Me!.rtf"));
    EXPECT_TRUE(readMe->Exists());
    EXPECT_FALSE(readMe->Directory());
    EXPECT_EQ(readMe->Name(), "Corvanta Read Me!.rtf");
    EXPECT_EQ(readMe->NativePath(), path("Resources/Corvanta Read Me!.rtf"));
}

TEST_F(FolderItemTest, MissingChildIsAnItemThatDoesNotExist)
{
    const auto resources = std::make_shared<FolderItem>(path("Resources"));
    const auto missing = resources->Child("Corvanta Leggimi!.rtf");
    ASSERT_NE(missing, nullptr);
    EXPECT_FALSE(missing->Exists());
    EXPECT_FALSE(missing->Directory());
    // The child of something missing is still just a path.
    const auto deeper = NotNil(missing->Child("x"));
    EXPECT_FALSE(deeper->Exists());
}

TEST_F(FolderItemTest, ParentEndsAtTheRoot)
{
    auto item = std::make_shared<FolderItem>(path("Resources/Corvanta Read Me!.rtf"));
    int steps = 0;
    while (auto parent = item->Parent()) {
        item = parent;
        ASSERT_LT(++steps, 100);
    }
    EXPECT_EQ(item->NativePath(), QDir::rootPath().toStdString());
    EXPECT_EQ(std::make_shared<FolderItem>("/")->Parent(), nullptr);
}

TEST_F(FolderItemTest, PathIsKeptInCleanForm)
{
    const FolderItem item(path("MacOS/../Resources/"));
    EXPECT_EQ(item.NativePath(), path("Resources"));
    EXPECT_EQ(item.Name(), "Resources");
    EXPECT_TRUE(item.Directory());
}

class ChildGuard : public FolderItemTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ChildGuard, NameThatWouldLeaveTheFolderGivesNil)
{
    const auto resources = std::make_shared<FolderItem>(path("Resources"));
    EXPECT_EQ(resources->Child(GetParam()), nullptr);
}

constexpr const char* kLeavingNames[] = {
    "../x",
    "a/b",
    ".",
    "..",
    "",
    "a\\b",
    "/etc",
    "../Resources",
    "x/",
};

INSTANTIATE_TEST_SUITE_P(Services, ChildGuard, ::testing::ValuesIn(kLeavingNames));

TEST_F(FolderItemTest, LaunchHandsThePathToTheLauncher)
{
    std::vector<std::string> launched;
    FolderItem::SetLauncherForTesting([&](const std::string& p) {
        launched.push_back(p);
        return true;
    });
    const FolderItem readMe(path("Resources/Corvanta Read Me!.rtf"));
    EXPECT_TRUE(readMe.Launch(true));
    EXPECT_TRUE(readMe.Launch(false));
    ASSERT_EQ(launched.size(), 2u);
    EXPECT_EQ(launched[0], path("Resources/Corvanta Read Me!.rtf"));

    FolderItem::SetLauncherForTesting([](const std::string&) { return false; });
    EXPECT_FALSE(readMe.Launch());
}

// Launch hands the document over and returns at once: the opener's end, and
// the message when it failed, come later through the event loop. False only
// when there was no opener to start.
TEST_F(FolderItemTest, LaunchWaitsForNoOpenerAndIsFalseOnlyWithoutOne)
{
    const FolderItem readMe(path("Resources/Corvanta Read Me!.rtf"));
    const auto messages = [] {
        int shown = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            shown += widget->objectName() == QStringLiteral("DocumentNotOpenedMessage") && widget->isVisible();
        return shown;
    };

    FolderItem::SetOpenerForTesting(path("no-such-opener"));
    EXPECT_FALSE(readMe.Launch(true));
    EXPECT_EQ(FolderItem::LaunchesInProgress(), 0);
    EXPECT_EQ(messages(), 1);

    const QString failing = QDir(root_).filePath(QStringLiteral("opener"));
    QFile script(failing);
    ASSERT_TRUE(script.open(QIODevice::WriteOnly));
    script.write("#!/bin/sh\nexit 3\n");
    script.close();
    ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    FolderItem::SetOpenerForTesting(failing.toStdString());
    EXPECT_TRUE(readMe.Launch(false));
    EXPECT_EQ(FolderItem::LaunchesInProgress(), 1) << "Launch waited for the opener";
    EXPECT_EQ(messages(), 1);
    EXPECT_TRUE(QTest::qWaitFor([] { return FolderItem::LaunchesInProgress() == 0; }, 60000))
        << "the opener never ended";
    EXPECT_EQ(messages(), 2);

    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->objectName() == QStringLiteral("DocumentNotOpenedMessage"))
            widget->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// ---- System --------------------------------------------------------------

class GestaltTest : public ::testing::Test {
protected:
    void TearDown() override { SystemClass::SetGestaltForTesting(nullptr); }
};

TEST_F(GestaltTest, RealSystemVersion)
{
    const std::int64_t before = SystemClass::GestaltCount();
    std::int64_t major = -7, minor = -7, third = -7;
#ifdef Q_OS_MACOS
    ASSERT_TRUE(System()->Gestalt("sys1", major));
    EXPECT_GE(major, 10);
    EXPECT_TRUE(System()->Gestalt("sys2", minor));
    EXPECT_TRUE(System()->Gestalt("sys3", third));
#else
    // Nothing else has a Macintosh system version to give.
    EXPECT_FALSE(System()->Gestalt("sys1", major));
    EXPECT_FALSE(System()->Gestalt("sys2", minor));
    EXPECT_FALSE(System()->Gestalt("sys3", third));
    EXPECT_EQ(major, -7);
    EXPECT_EQ(minor, -7);
    EXPECT_EQ(third, -7);
#endif
    std::int64_t unknown = -7;
    EXPECT_FALSE(System()->Gestalt("xyzw", unknown));
    EXPECT_FALSE(System()->Gestalt("", unknown));
    EXPECT_EQ(unknown, -7);
    EXPECT_EQ(SystemClass::GestaltCount(), before + 5);
}

TEST_F(GestaltTest, SeamAnswersInsteadOfTheSystem)
{
    std::vector<std::string> asked;
    SystemClass::SetGestaltForTesting([&](const std::string& selector, std::int64_t& result) {
        asked.push_back(selector);
        if (selector == "sys1")
            result = 10;
        else if (selector == "sys2")
            result = 7;
        else
            return false;
        return true;
    });
    const std::int64_t before = SystemClass::GestaltCount();
    std::int64_t major = 0, minor = 0, third = 0;
    EXPECT_TRUE(System()->Gestalt("sys1", major));
    EXPECT_TRUE(System()->Gestalt("sys2", minor));
    EXPECT_FALSE(System()->Gestalt("sys3", third));
    EXPECT_EQ(major, 10);
    EXPECT_EQ(minor, 7);
    EXPECT_EQ(third, 0);
    EXPECT_EQ(asked, (std::vector<std::string>{"sys1", "sys2", "sys3"}));
    EXPECT_EQ(SystemClass::GestaltCount(), before + 3);

    SystemClass::SetGestaltForTesting(nullptr);
#ifndef Q_OS_MACOS
    EXPECT_FALSE(System()->Gestalt("sys1", major));
#endif
}

TEST(SystemObject, IsTheOneObject)
{
    ASSERT_NE(System(), nullptr);
    EXPECT_EQ(System().get(), System().get());
}

// ---- Application ---------------------------------------------------------

class TestApp : public Application {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("TestApp");
        return record;
    }
    void Event_Open() override
    {
        ++opened;
        if (onOpen)
            onOpen();
    }
    int opened = 0;
    std::function<void()> onOpen;
};

class ApplicationTest : public ::testing::Test {
protected:
    void TearDown() override { RegisterAppObject(nullptr); }
};

TEST_F(ApplicationTest, MenuHandlersByName)
{
    auto app = std::make_shared<TestApp>();
    std::vector<std::string> ran;
    app->AddMenuHandler("FileInfo", [&] {
        ran.push_back("FileInfo");
        return true;
    });
    app->AddMenuHandler("HelpCorvantaLeggimi", [&] {
        ran.push_back("HelpCorvantaLeggimi");
        return false;
    });

    ASSERT_TRUE(app->MenuHandler("FileInfo"));
    EXPECT_TRUE(app->MenuHandler("FileInfo")());
    ASSERT_TRUE(app->MenuHandler("HelpCorvantaLeggimi"));
    EXPECT_FALSE(app->MenuHandler("HelpCorvantaLeggimi")());
    EXPECT_EQ(ran, (std::vector<std::string>{"FileInfo", "HelpCorvantaLeggimi"}));

    EXPECT_FALSE(app->MenuHandler("FinestraPrimaSerie"));
    EXPECT_FALSE(app->MenuHandler("fileinfo")) << "names are matched exactly";
    EXPECT_FALSE(app->MenuHandler(""));

    // Registering a name again replaces its handler.
    app->AddMenuHandler("FileInfo", [] { return false; });
    EXPECT_FALSE(app->MenuHandler("FileInfo")());
}

TEST_F(ApplicationTest, AddMenuHandlerOffTheUIThreadRaises)
{
    auto app = std::make_shared<TestApp>();
    bool raised = false;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            app->AddMenuHandler("FileInfo", [] { return true; });
        } catch (const ThreadAccessingUIException&) {
            raised = true;
        }
    }));
    thread->start();
    ASSERT_TRUE(thread->wait());
    EXPECT_TRUE(raised);
    EXPECT_FALSE(app->MenuHandler("FileInfo"));
}

TEST_F(ApplicationTest, PropertiesAndTheirDefaults)
{
    auto app = std::make_shared<TestApp>();
    EXPECT_FALSE(app->AutoQuit());
    app->SetAutoQuit(true);
    EXPECT_TRUE(app->AutoQuit());
    app->SetAutoQuit(false);
    EXPECT_FALSE(app->AutoQuit());

    EXPECT_EQ(app->MenuBar(), nullptr);
    auto bar = std::make_shared<MenuBar>();
    app->SetMenuBar(bar);
    EXPECT_EQ(app->MenuBar().get(), bar.get());

    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+$"))
                    .match(QString::fromStdString(app->ShortVersion()))
                    .hasMatch())
        << app->ShortVersion();
}

TEST_F(ApplicationTest, ExecutableFileIsThisProgram)
{
    auto app = std::make_shared<TestApp>();
    const auto exe = NotNil(app->ExecutableFile());
    EXPECT_TRUE(exe->Exists());
    EXPECT_FALSE(exe->Directory());
    EXPECT_EQ(QFileInfo(QString::fromStdString(exe->NativePath())).canonicalFilePath(),
              QFileInfo(QCoreApplication::applicationFilePath()).canonicalFilePath());
    EXPECT_EQ(NotNil(exe->Parent())->NativePath(), QCoreApplication::applicationDirPath().toStdString());
}

TEST_F(ApplicationTest, RegisteredObjectUntilCleared)
{
    EXPECT_EQ(GetAppObject(), nullptr);
    auto app = std::make_shared<TestApp>();
    RegisterAppObject(app);
    EXPECT_EQ(GetAppObject().get(), app.get());
    std::weak_ptr<TestApp> weak = app;
    app.reset();
    EXPECT_NE(weak.lock(), nullptr) << "the framework keeps the registered object";
    RegisterAppObject(nullptr);
    EXPECT_EQ(GetAppObject(), nullptr);
    EXPECT_EQ(weak.lock(), nullptr);
}

TEST_F(ApplicationTest, OpenEventFailureIsReportedAndContained)
{
    auto app = std::make_shared<TestApp>();
    app->onOpen = [] { RaiseNilObjectException("UntitledSeparator2"); };
    const int reported = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(app->raiseOpen());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(app->opened, 1);
    EXPECT_EQ(ReportedExceptionCount(), reported + 1);
    EXPECT_NE(err.find("Unhandled NilObjectException: nil object used: UntitledSeparator2"), std::string::npos) << err;
}

class IconWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("IconWindow.IconWindow");
        return record;
    }
};

// The application's icon comes from a Resources folder of the test's own.
class ApplicationIcon : public ApplicationTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(resources_.isValid());
        QGuiApplication::setWindowIcon(QIcon());
        SetResourcesFolderForTesting(resources_.path().toStdString());
    }
    void TearDown() override
    {
        SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
        QGuiApplication::setWindowIcon(QIcon());
        ApplicationTest::TearDown();
    }
    QString resourcesPath(const char* name) const { return QDir(resources_.path()).filePath(QString::fromUtf8(name)); }

    QTemporaryDir resources_;
};

TEST_F(ApplicationIcon, IsTheBundlesIconForEveryNewWindow)
{
    ASSERT_TRUE(QFile::copy(QDir(QStringLiteral(CORVANTA_TEST_RESOURCES_DIR)).filePath(QStringLiteral("corvanta.png")),
                            resourcesPath("corvanta.png")));
    auto app = std::make_shared<TestApp>();
    const QIcon icon = QGuiApplication::windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(256, 256)}) << "not the bundle's 256 x 256 picture";

    auto window = std::make_shared<IconWindow>();
    window->Constructor();
    EXPECT_FALSE(window->widget()->windowIcon().isNull());
    EXPECT_EQ(window->widget()->windowIcon().cacheKey(), icon.cacheKey());
    window->Close();
}

struct IconFileCase {
    const char* label;
    const char* content; // nullptr: no file at all
};

void PrintTo(const IconFileCase& c, std::ostream* os) { *os << c.label; }

class ApplicationWithoutIcon : public ApplicationIcon, public ::testing::WithParamInterface<IconFileCase> {};

// Like any other picture that yields nothing: start-up goes on, no icon is
// set and nothing is reported.
TEST_P(ApplicationWithoutIcon, StartsWithNoneAndReportsNothing)
{
    if (GetParam().content) {
        QFile file(resourcesPath("corvanta.png"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(GetParam().content);
    }
    const int reported = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    std::shared_ptr<TestApp> app;
    EXPECT_NO_THROW(app = std::make_shared<TestApp>());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(app, nullptr);
    EXPECT_TRUE(QGuiApplication::windowIcon().isNull());
    EXPECT_EQ(ReportedExceptionCount(), reported);
    EXPECT_EQ(err, "");
}

constexpr IconFileCase kIconFileCases[] = {
    {"FileMissing", nullptr},
    {"FileEmpty", ""},
    {"FileNotAPicture", "not a PNG"},
};

INSTANTIATE_TEST_SUITE_P(Application,
                         ApplicationWithoutIcon,
                         ::testing::ValuesIn(kIconFileCases),
                         [](const auto& info) { return std::string(info.param.label); });

// ---- Runtime -------------------------------------------------------------

TEST(RuntimeLists, InitializersAndFinalizersRunOnceInTheOrderAdded)
{
    std::vector<std::string> order;
    Runtime::AddInitializer([&] { order.push_back("App.ctblinit"); });
    Runtime::AddInitializer([&] { order.push_back("Window1.ctblinit"); });
    Runtime::AddInitializer([&] { order.push_back("Window2.ctblinit"); });
    Runtime::AddFinalizer([&] { order.push_back("final 1"); });
    Runtime::AddFinalizer([&] { order.push_back("final 2"); });

    Runtime::PerformInitializers();
    EXPECT_EQ(order, (std::vector<std::string>{"App.ctblinit", "Window1.ctblinit", "Window2.ctblinit"}));
    Runtime::PerformInitializers();
    EXPECT_EQ(order.size(), 3u) << "initializers run once";

    Runtime::PerformFinalizers();
    Runtime::PerformFinalizers();
    EXPECT_EQ(order,
              (std::vector<std::string>{"App.ctblinit", "Window1.ctblinit", "Window2.ctblinit", "final 1", "final 2"}));
}

TEST(RuntimeLists, FailingInitializerEndsTheList)
{
    std::vector<int> ran;
    Runtime::AddInitializer([&] { ran.push_back(1); });
    Runtime::AddInitializer([] { throw NilObjectException("class record"); });
    Runtime::AddInitializer([&] { ran.push_back(3); });
    EXPECT_THROW(Runtime::PerformInitializers(), NilObjectException);
    EXPECT_EQ(ran, std::vector<int>{1});
}

TEST(RuntimeInit, KeepsTheExistingApplicationAndLeavesQuittingToAutoQuit)
{
    QCoreApplication* existing = QCoreApplication::instance();
    char name[] = "services_test";
    char* argv[] = {name, nullptr};
    QApplication::setQuitOnLastWindowClosed(true);
    Runtime::Init(1, argv);
    EXPECT_EQ(QCoreApplication::instance(), existing);
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    EXPECT_EQ(QCoreApplication::applicationName(), QStringLiteral("Corvanta"));
    EXPECT_EQ(QCoreApplication::applicationVersion().toStdString(), TestApp().ShortVersion());
}

class RuntimeRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Should a test fail to end the loop, this ends it with a code of its own.
        safety_.setSingleShot(true);
        QObject::connect(&safety_, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        safety_.start(10000);
    }
    void TearDown() override
    {
        safety_.stop();
        RegisterAppObject(nullptr);
        Runtime::RunFrameworkInitialization(nullptr);
    }

    QTimer safety_;
};

TEST_F(RuntimeRunTest, LateStartupThenOpenThenTheLoopUntilQuit)
{
    std::vector<std::string> order;
    auto app = std::make_shared<TestApp>();
    app->onOpen = [&] {
        order.push_back("open");
        // Quit from inside the running loop.
        QTimer::singleShot(0, [&] {
            order.push_back("loop");
            Runtime::Quit();
        });
    };
    RegisterAppObject(app);
    int lateCalls = 0;
    Runtime::RunFrameworkInitialization([&] {
        ++lateCalls;
        order.push_back("late");
    });
    const std::int64_t quits = Runtime::QuitCount();

    Runtime::Run();
    EXPECT_EQ(order, (std::vector<std::string>{"late", "open", "loop"}));
    EXPECT_EQ(Runtime::Exit(), 0);
    EXPECT_EQ(Runtime::QuitCount(), quits + 1);

    // The callback belongs to start-up: a second run does not call it again.
    app->onOpen = [] { QTimer::singleShot(0, [] { Runtime::Quit(); }); };
    Runtime::Run();
    EXPECT_EQ(lateCalls, 1);
    EXPECT_EQ(app->opened, 2);
    EXPECT_EQ(Runtime::Exit(), 0);
}

TEST_F(RuntimeRunTest, QuitBeforeTheLoopStillEndsIt)
{
    auto app = std::make_shared<TestApp>();
    app->onOpen = [] { Runtime::Quit(); };
    RegisterAppObject(app);
    Runtime::Run();
    EXPECT_EQ(app->opened, 1);
    EXPECT_EQ(Runtime::Exit(), 0) << "99 means the loop was never told to quit";
}

TEST_F(RuntimeRunTest, LateStartupFailureIsReportedAndTheLoopDoesNotRun)
{
    auto app = std::make_shared<TestApp>();
    RegisterAppObject(app);
    Runtime::RunFrameworkInitialization([] { throw IllegalCastException("object cannot be cast to Window1"); });
    bool loopRan = false;
    QTimer::singleShot(0, [&] { loopRan = true; });

    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(Runtime::Run());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Unhandled IllegalCastException: object cannot be cast to Window1"), std::string::npos) << err;
    EXPECT_EQ(app->opened, 0);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(Runtime::Exit(), 1) << "a start-up that failed is no success";
    QCoreApplication::processEvents();
}

TEST_F(RuntimeRunTest, QuitWithoutARunningLoopWaitsForTheNextRun)
{
    const std::int64_t quits = Runtime::QuitCount();
    Runtime::Quit();
    EXPECT_EQ(Runtime::QuitCount(), quits + 1);
    // A quit that Qt's own exit would have dropped: the loop ends at once.
    Runtime::Run();
    EXPECT_EQ(Runtime::Exit(), 0);
    // And no quit is left over for a later loop.
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        Runtime::Quit();
    });
    Runtime::Run();
    EXPECT_TRUE(ran);
    EXPECT_EQ(Runtime::Exit(), 0);
}

struct ReportCase {
    const char* name;
    std::exception_ptr error;
    const char* expected;
};

void PrintTo(const ReportCase& c, std::ostream* os) { *os << c.name; }

class UnhandledExceptionOutput : public ::testing::TestWithParam<ReportCase> {};

TEST_P(UnhandledExceptionOutput, NamesTheClassAndTheMessage)
{
    ::testing::internal::CaptureStderr();
    Runtime::UnhandledException(GetParam().error);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, GetParam().expected);
}

const ReportCase kReportCases[] = {
    {"NilObject",
     std::make_exception_ptr(NilObjectException("nil object used")),
     "Unhandled NilObjectException: nil object used\n"},
    {"ThreadAccessingUI",
     std::make_exception_ptr(ThreadAccessingUIException("not the main thread")),
     "Unhandled ThreadAccessingUIException: not the main thread\n"},
    {"KeyNotFound", std::make_exception_ptr(KeyNotFoundException("Foo")), "Unhandled KeyNotFoundException: Foo\n"},
    {"Nothing", std::exception_ptr(), ""},
};

INSTANTIATE_TEST_SUITE_P(Services, UnhandledExceptionOutput, ::testing::ValuesIn(kReportCases), [](const auto& info) {
    return std::string(info.param.name);
});

} // namespace
