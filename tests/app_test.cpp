// The application object: the Open event's menu adjustments, the read-me and
// Window-menu handlers (the read-me also chosen in the Help menu, where the
// desktop cannot open it), and quitting once the last window closes.
//
// This binary is built into a bundle-shaped folder of its own
// (AppTest.app/Contents/MacOS), so the read-me handler's walk from the
// executable reaches AppTest.app/Contents/Resources, which the tests fill.

#include "app.h"
#include "app_fixture.h"
#include "menu_text.h"
#include "application.h"
#include "exceptions.h"
#include "folderitem.h"
#include "handlers.h"
#include "localize.h"
#include "menu.h"
#include "menubar1.h"
#include "runtime.h"
#include "system.h"
#include "ui_fixture.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

using namespace corvanta;

namespace {

// A registered App of its own with a freshly built menu bar, so the Open
// event's changes stay inside the test.
class AppTest : public UiTest {
protected:
    void SetUp() override
    {
        SystemClass::SetLanguageForTesting(std::string("en"));
        SystemClass::SetGestaltForTesting({});
        bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        app = std::make_shared<App>();
        app->Constructor();
        app->SetMenuBar(bar);
        RegisterAppObject(app);
        builtFileTitle = NotNil(bar->Lookup("FileMenu"))->Text();
        builtEditTitle = NotNil(bar->Lookup("EditMenu"))->Text();
    }

    void TearDown() override
    {
        // Unregistered first, so closing the last window asks for no quit.
        RegisterAppObject(nullptr);
        UiTest::TearDown();
        FolderItem::SetLauncherForTesting({});
        SystemClass::SetGestaltForTesting({});
        SystemClass::SetLanguageForTesting(std::nullopt);
    }

    std::string fileTitle() const { return NotNil(bar->Lookup("FileMenu"))->Text(); }
    std::string editTitle() const { return NotNil(bar->Lookup("EditMenu"))->Text(); }

    std::shared_ptr<MenuBar1> bar;
    std::shared_ptr<App> app;
    std::string builtFileTitle;
    std::string builtEditTitle;
};

// What the system answers for its version; `refuse` names the selector that
// answers False. Records every selector asked.
struct FakeSystem {
    std::int64_t major = 0;
    std::int64_t minor = 0;
    std::int64_t third = 0;
    std::string refuse;
    std::vector<std::string> asked;

    void install()
    {
        SystemClass::SetGestaltForTesting([this](const std::string& selector, std::int64_t& result) {
            asked.push_back(selector);
            if (selector == refuse)
                return false;
            if (selector == "sys1")
                result = major;
            else if (selector == "sys2")
                result = minor;
            else if (selector == "sys3")
                result = third;
            else
                return false;
            return true;
        });
    }
};

const std::vector<std::string> kAllSelectors = {"sys1", "sys2", "sys3"};

// --- The global menu-item accessors -------------------------------------

TEST_F(AppTest, MenuItemAccessorsFindTheItemsOfTheApplicationsBar)
{
    EXPECT_EQ(FileMenu(), bar->Child("FileMenu"));
    EXPECT_EQ(EditMenu(), bar->Child("EditMenu"));
    auto separator = UntitledSeparator2();
    ASSERT_NE(separator, nullptr);
    EXPECT_TRUE(separator->IsSeparator());
    EXPECT_EQ(separator->Parent(), bar->Child("HelpMenu"));
    EXPECT_EQ(NotNil(bar->Child("HelpMenu"))->Item(1), separator);
}

TEST_F(AppTest, MenuItemAccessorsGiveNilWhenTheBarLacksTheItem)
{
    app->SetMenuBar(std::make_shared<MenuBar>());
    EXPECT_EQ(FileMenu(), nullptr);
    EXPECT_EQ(EditMenu(), nullptr);
    EXPECT_EQ(UntitledSeparator2(), nullptr);
}

TEST_F(AppTest, MenuItemAccessorsRaiseWithoutBarOrApplication)
{
    app->SetMenuBar(nullptr);
    EXPECT_THROW(FileMenu(), NilObjectException);
    RegisterAppObject(nullptr);
    EXPECT_EQ(App::implicitInstance(), nullptr);
    EXPECT_THROW(EditMenu(), NilObjectException);
}

// --- The Open event ----------------------------------------------------

struct VersionCase {
    std::int64_t major;
    std::int64_t minor;
    bool fileRetitled;
    bool editRetitled;
};

void PrintTo(const VersionCase& c, std::ostream* os) { *os << c.major << "." << c.minor; }

class AppOpenItalianTest : public AppTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(AppOpenItalianTest, RetitlesFileAndEditBySystemVersion)
{
    const VersionCase& c = GetParam();
    SystemClass::SetLanguageForTesting(std::string("it"));
    ASSERT_EQ(Localize::Language(), "it") << "the bundle carries no Italian localization";
    FakeSystem system{c.major, c.minor, 3, {}, {}};
    system.install();

    app->Event_Open();

    EXPECT_EQ(system.asked, kAllSelectors);
    EXPECT_EQ(fileTitle(), c.fileRetitled ? "Archivio" : builtFileTitle);
    EXPECT_EQ(editTitle(), c.editRetitled ? "Composizione" : builtEditTitle);
    EXPECT_EQ(bar->Lookup("UntitledSeparator2"), nullptr);
    EXPECT_TRUE(app->AutoQuit());
}

constexpr VersionCase kVersionCases[] = {
    {10, 0, true, true},
    {10, 7, true, true},
    {10, 8, false, true},
    {10, 9, false, true},
    {10, 10, false, true},
    {10, 11, false, false},
    {10, 15, false, false},
    {11, 0, false, false},
    {9, 5, false, false},
};

INSTANTIATE_TEST_SUITE_P(SystemVersions, AppOpenItalianTest, ::testing::ValuesIn(kVersionCases));

TEST_F(AppTest, BuiltTitlesDifferFromTheItalianOnes)
{
    // Otherwise the retitling cases above could not tell a change from none.
    EXPECT_NE(builtFileTitle, "Archivio");
    EXPECT_NE(builtEditTitle, "Composizione");
}

class AppOpenRefusedTest : public AppTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(AppOpenRefusedTest, AGestaltThatAnswersFalseStopsTheAskingAndChangesNothing)
{
    const std::string refused = GetParam();
    SystemClass::SetLanguageForTesting(std::string("it"));
    ASSERT_EQ(Localize::Language(), "it");
    // 10.7 would retitle both menus.
    FakeSystem system{10, 7, 0, refused, {}};
    system.install();

    app->Event_Open();

    std::vector<std::string> expected;
    for (const auto& selector : kAllSelectors) {
        expected.push_back(selector);
        if (selector == refused)
            break;
    }
    EXPECT_EQ(system.asked, expected);
    EXPECT_EQ(fileTitle(), builtFileTitle);
    EXPECT_EQ(editTitle(), builtEditTitle);
    EXPECT_EQ(bar->Lookup("UntitledSeparator2"), nullptr);
    EXPECT_TRUE(app->AutoQuit());
}

INSTANTIATE_TEST_SUITE_P(Selectors, AppOpenRefusedTest, ::testing::Values("sys1", "sys2", "sys3"));

class AppOpenOtherLanguageTest : public AppTest, public ::testing::WithParamInterface<std::string> {};

TEST_P(AppOpenOtherLanguageTest, AsksNothingAndKeepsTheTitles)
{
    SystemClass::SetLanguageForTesting(GetParam());
    ASSERT_NE(Localize::Language(), "it");
    FakeSystem system{10, 7, 0, {}, {}};
    system.install();
    const std::int64_t gestaltCalls = SystemClass::GestaltCount();

    app->Event_Open();

    EXPECT_EQ(SystemClass::GestaltCount(), gestaltCalls);
    EXPECT_TRUE(system.asked.empty());
    EXPECT_EQ(fileTitle(), builtFileTitle);
    EXPECT_EQ(editTitle(), builtEditTitle);
    EXPECT_EQ(bar->Lookup("UntitledSeparator2"), nullptr);
    EXPECT_TRUE(app->AutoQuit());
}

// "zz" has no localization at all: the default language "en" applies.
INSTANTIATE_TEST_SUITE_P(Languages, AppOpenOtherLanguageTest, ::testing::Values("en", "zz"));

TEST_F(AppTest, OpenRemovesOnlyTheSeparatorFromTheHelpMenu)
{
    auto help = NotNil(bar->Child("HelpMenu"));
    ASSERT_EQ(help->Count(), 4);

    app->Event_Open();

    ASSERT_EQ(help->Count(), 3);
    EXPECT_EQ(NotNil(help->Item(0))->Name(), "HelpCorvantaLeggimi");
    EXPECT_EQ(NotNil(help->Item(1))->Name(), "FileInfo");
    EXPECT_EQ(NotNil(help->Item(2))->Name(), "UntitledSeparator1");
}

TEST_F(AppTest, OpenWithoutTheSeparatorRaisesAndLeavesAutoQuitOff)
{
    app->SetMenuBar(std::make_shared<MenuBar>());
    EXPECT_FALSE(app->AutoQuit());
    EXPECT_THROW(app->Event_Open(), NilObjectException);
    EXPECT_FALSE(app->AutoQuit());
}

// --- Window menu --------------------------------------------------------

struct WindowMenuCase {
    const char* name;
    bool (App::*handler)();
    const char* className;
    std::shared_ptr<Window> (*open)();
    std::shared_ptr<Window> (*openOther)();
};

void PrintTo(const WindowMenuCase& c, std::ostream* os) { *os << c.name; }

std::shared_ptr<Window> openWindow1() { return Window1::implicitInstance(); }

std::shared_ptr<Window> openWindow2() { return Window2::implicitInstance(); }

class AppWindowMenuTest : public AppTest, public ::testing::WithParamInterface<WindowMenuCase> {};

TEST_P(AppWindowMenuTest, CreatesTheWindowWhenNoneIsOpen)
{
    const WindowMenuCase& c = GetParam();
    ASSERT_EQ(Window::WindowCount(), 0);

    EXPECT_FALSE(((*app).*c.handler)());

    ASSERT_EQ(Window::WindowCount(), 1);
    auto window = Window::ImplicitWindow(c.className);
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->IsOpen());
    EXPECT_TRUE(window->widget()->isVisible());
}

TEST_P(AppWindowMenuTest, ShowsTheOpenWindowAndCreatesNone)
{
    const WindowMenuCase& c = GetParam();
    auto window = c.open();
    auto other = c.openOther();
    ASSERT_EQ(Window::WindowCount(), 2);
    ASSERT_EQ(Window::At(0), other);

    EXPECT_FALSE(((*app).*c.handler)());

    EXPECT_EQ(Window::WindowCount(), 2);
    EXPECT_EQ(Window::ImplicitWindow(c.className), window);
    EXPECT_EQ(Window::At(0), window);
    EXPECT_TRUE(other->IsOpen());
}

TEST_P(AppWindowMenuTest, AClosedWindowComesBackFresh)
{
    const WindowMenuCase& c = GetParam();
    auto first = c.open();
    first->Close();
    ASSERT_EQ(Window::ImplicitWindow(c.className), nullptr);

    EXPECT_FALSE(((*app).*c.handler)());

    auto second = Window::ImplicitWindow(c.className);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(Window::WindowCount(), 1);
}

constexpr WindowMenuCase kWindowMenuCases[] = {
    {"FinestraPrimaSerie", &App::FinestraPrimaSerie_Action, "Window1.Window1", &openWindow1, &openWindow2},
    {"FinestraSecondaSerie", &App::FinestraSecondaSerie_Action, "Window2.Window2", &openWindow2, &openWindow1},
};

INSTANTIATE_TEST_SUITE_P(Items, AppWindowMenuTest, ::testing::ValuesIn(kWindowMenuCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- The read-me --------------------------------------------------------

class AppReadMeTest : public AppTest {
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        // <this bundle>/Contents/MacOS/app_test -> <this bundle>/Contents/Resources
        resources = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"));
        ASSERT_TRUE(QDir().mkpath(resources));
        FolderItem::SetLauncherForTesting([this](const std::string& path) {
            launched.push_back(path);
            return true;
        });
    }

    void TearDown() override
    {
        for (const QString& file : written)
            QFile::remove(file);
        AppTest::TearDown();
    }

    QString place(const std::string& name)
    {
        const QString path = resources + QLatin1Char('/') + QString::fromStdString(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("{\\rtf1\\ansi test}\n");
        written.push_back(path);
        return path;
    }

    QString resources;
    std::vector<QString> written;
    std::vector<std::string> launched;
};

TEST_F(AppReadMeTest, ExecutableSitsInABundleShapedFolder)
{
    auto executable = NotNil(app->ExecutableFile());
    EXPECT_EQ(NotNil(executable->Parent())->Name(), "MacOS");
    EXPECT_EQ(NotNil(NotNil(executable->Parent())->Parent())->Name(), "Contents");
}

// One test walks the whole table: every case uses the same Resources folder,
// so the cases must not run side by side in separate processes.
TEST_F(AppReadMeTest, OpensThePresentDocumentInTheCurrentLanguageOnly)
{
    const std::string english = "Corvanta Read Me!.rtf";
    const std::string italian = Localize::kCorvantaRead("it") + ".rtf";
    ASSERT_NE(italian, english) << "the bundle carries no Italian read-me name";

    struct Case {
        const char* language;
        std::vector<std::string> present;
        std::string opened; // empty: nothing is opened
    };
    // "zz" has no localization: the English default name applies.
    const Case cases[] = {
        {"zz", {}, ""},
        {"zz", {english}, english},
        {"zz", {italian}, ""},
        {"it", {}, ""},
        {"it", {english}, ""},
        {"it", {english, italian}, italian},
    };

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " with " + std::to_string(c.present.size()) + " document(s)");
        for (const std::string& name : {english, italian})
            QFile::remove(resources + QLatin1Char('/') + QString::fromStdString(name));
        for (const std::string& name : c.present)
            place(name);
        launched.clear();
        SystemClass::SetLanguageForTesting(std::string(c.language));

        EXPECT_FALSE(app->HelpCorvantaLeggimi_Action());

        if (c.opened.empty()) {
            EXPECT_TRUE(launched.empty());
        } else {
            ASSERT_EQ(launched.size(), 1u);
            const QString expected = resources + QLatin1Char('/') + QString::fromStdString(c.opened);
            EXPECT_EQ(QFileInfo(QString::fromStdString(launched[0])).canonicalFilePath(),
                      QFileInfo(expected).canonicalFilePath());
        }
    }
}

TEST_F(AppReadMeTest, WithoutTheApplicationObjectTheHandlerRaises)
{
    RegisterAppObject(nullptr);
    EXPECT_THROW(app->HelpCorvantaLeggimi_Action(), NilObjectException);
    EXPECT_TRUE(launched.empty());
}

// --- The read-me chosen in the Help menu, opened or not -------------------

// What stands in for the desktop's opener: a script that notes the document
// it was handed and ends with `exitCode` (xdg-open ends with 3 or 4 when no
// application takes the document), or, with -1, no program at all.
struct OpenerCase {
    const char* name;
    const char* language; // "zz" has no localization: English
    int exitCode;
    bool documentPresent;
    // What the message says, before the file's name and before its folder;
    // nullptr: no message.
    const char* text;
    const char* folderText;
};

void PrintTo(const OpenerCase& c, std::ostream* os) { *os << c.name; }

const char* const kEnglishText = "The document \"Corvanta Read Me!.rtf\" could not be opened.";
const char* const kEnglishFolder = "No application could open it. The document is in this folder:\n";
const char* const kItalianText = "Il documento «Corvanta Leggimi!.rtf» non si è potuto aprire.";
const char* const kItalianFolder =
    "Nessuna applicazione ha potuto aprirlo. Il documento si trova in questa cartella:\n";

const OpenerCase kOpenerCases[] = {
    {"EnglishWithoutAnOpener", "zz", -1, true, kEnglishText, kEnglishFolder},
    {"EnglishOpenerFails", "zz", 3, true, kEnglishText, kEnglishFolder},
    {"ItalianWithoutAnOpener", "it", -1, true, kItalianText, kItalianFolder},
    {"ItalianOpenerFails", "it", 4, true, kItalianText, kItalianFolder},
    {"OpenerOpensIt", "zz", 0, true, nullptr, nullptr},
    // A document that is not there is no error: the opener is not even asked.
    {"MissingDocumentWithAFailingOpener", "zz", 3, false, nullptr, nullptr},
    {"MissingDocumentWithoutAnOpener", "it", -1, false, nullptr, nullptr},
};

// The application as start-up leaves it, the first-series window in front,
// the opener of the case in the desktop's place, and the read-me of the
// case's language in this bundle's Resources.
class ReadMeFromTheHelpMenu : public AppUiTest, public ::testing::WithParamInterface<OpenerCase> {
protected:
    std::string language() const override { return GetParam().language; }

    void SetUp() override
    {
        AppUiTest::SetUp();
        const OpenerCase& c = GetParam();
        ASSERT_TRUE(openerDir.isValid());
        opener = openerDir.filePath(QStringLiteral("opener"));
        noted = opener + QStringLiteral(".document");
        if (c.exitCode >= 0) {
            QFile script(opener);
            ASSERT_TRUE(script.open(QIODevice::WriteOnly));
            script.write(
                QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > \"$0.document\"\nexit %1\n").arg(c.exitCode).toUtf8());
            script.close();
            ASSERT_TRUE(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        }
        FolderItem::SetOpenerForTesting(opener.toStdString());

        // <this bundle>/Contents/MacOS/app_test -> <this bundle>/Contents/Resources
        resources = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../Resources"));
        ASSERT_TRUE(QDir().mkpath(resources));
        document = resources + QLatin1Char('/') + QString::fromStdString(Localize::kCorvantaRead() + ".rtf");
        QFile::remove(document);
        if (c.documentPresent) {
            QFile file(document);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("{\\rtf1\\ansi test}\n");
        }

        window = Window1::implicitInstance();
        ASSERT_NE(window, nullptr);
        window->widget()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    }

    void TearDown() override
    {
        FolderItem::SetOpenerForTesting({});
        QFile::remove(document);
        for (QMessageBox* box : shownMessages())
            box->close();
        AppUiTest::TearDown();
    }

    // Help > Read Me, with the mouse, in the window's own menu bar.
    void chooseReadMe()
    {
        auto* bar = window->widget()->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
        const auto shared = MenuBar1::implicitInstance();
        const QString help = QString::fromStdString(NotNil(shared->Lookup("HelpMenu"))->Text());
        const QString readMe = QString::fromStdString(NotNil(shared->Lookup("HelpCorvantaLeggimi"))->Text());
        for (QAction* title : bar->actions()) {
            if (shownText(title) != help)
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            QMenu* menu = title->menu();
            ASSERT_TRUE(menu && menu->isVisible()) << "the Help menu did not open";
            for (QAction* entry : menu->actions()) {
                if (shownText(entry) == readMe) {
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
                    return;
                }
            }
            FAIL() << "the Help menu has no entry " << readMe.toStdString();
        }
        FAIL() << "the window's menu bar has no Help menu";
    }

    static std::vector<QMessageBox*> shownMessages()
    {
        std::vector<QMessageBox*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == QStringLiteral("DocumentNotOpenedMessage") && widget->isVisible())
                if (auto* box = qobject_cast<QMessageBox*>(widget))
                    boxes.push_back(box);
        return boxes;
    }

    QTemporaryDir openerDir;
    QString opener;
    QString noted;
    QString resources;
    QString document;
    std::shared_ptr<Window1> window;
};

TEST_P(ReadMeFromTheHelpMenu, TellsTheUserWhenTheDesktopCannotOpenIt)
{
    const OpenerCase& c = GetParam();
    chooseReadMe();
    // The opener's end comes through the event loop.
    ASSERT_TRUE(QTest::qWaitFor([] { return FolderItem::LaunchesInProgress() == 0; }, 60000))
        << "the opener never ended";
    QCoreApplication::processEvents();

    if (c.exitCode >= 0 && c.documentPresent) {
        QFile handed(noted);
        ASSERT_TRUE(handed.open(QIODevice::ReadOnly)) << "the opener was not started";
        EXPECT_EQ(QFileInfo(QString::fromUtf8(handed.readAll())).canonicalFilePath(),
                  QFileInfo(document).canonicalFilePath());
    } else {
        EXPECT_FALSE(QFile::exists(noted)) << "the opener was started";
    }

    const std::vector<QMessageBox*> boxes = shownMessages();
    if (!c.text) {
        EXPECT_TRUE(boxes.empty()) << "a message was shown";
        return;
    }
    ASSERT_EQ(boxes.size(), 1u) << "not one message";
    QMessageBox* box = boxes.front();
    EXPECT_EQ(box->text().toStdString(), c.text);
    EXPECT_EQ(box->informativeText(), QString::fromUtf8(c.folderText) + QDir::toNativeSeparators(resources));
    EXPECT_TRUE(window->IsOpen());

    // OK closes it.
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_TRUE(shownMessages().empty()) << "OK left the message open";
    // The keyboard is back in the window, also where no window manager hands
    // it over.
    EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == window->widget(); }, 2000))
        << "the window did not get the keyboard back";
}

INSTANTIATE_TEST_SUITE_P(Openers, ReadMeFromTheHelpMenu, ::testing::ValuesIn(kOpenerCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- Quitting -----------------------------------------------------------

TEST_F(AppTest, ClosingTheLastWindowAfterOpenQuitsTheLoop)
{
    EXPECT_FALSE(app->FinestraPrimaSerie_Action());
    EXPECT_FALSE(app->FinestraSecondaSerie_Action());
    ASSERT_EQ(Window::WindowCount(), 2);

    // Runtime::Run raises the Open event and then runs the loop; the first
    // close leaves a window, the second closes the last one.
    bool stillRunningAfterFirstClose = false;
    bool timedOut = false;
    QTimer::singleShot(0, [&] {
        NotNil(Window::ImplicitWindow("Window2.Window2"))->Close();
        QTimer::singleShot(0, [&] {
            stillRunningAfterFirstClose = true;
            NotNil(Window::ImplicitWindow("Window1.Window1"))->Close();
        });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        timedOut = true;
        QCoreApplication::exit(1);
    });
    guard.start(20000);

    Runtime::Run();
    guard.stop();

    EXPECT_TRUE(app->AutoQuit());
    EXPECT_TRUE(stillRunningAfterFirstClose);
    EXPECT_FALSE(timedOut) << "closing the last window did not quit";
    EXPECT_EQ(Window::WindowCount(), 0);
    EXPECT_EQ(Runtime::Exit(), 0);
}

} // namespace
