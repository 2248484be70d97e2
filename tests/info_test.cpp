// The About window, reached through the application's About handler as the
// user reaches it.

#include "app_fixture.h"
#include "named_key.h"

#include "app.h"
#include "application.h"
#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "info.h"
#include "localize.h"
#include "picture.h"
#include "pictures.h"
#include "system.h"
#include "runtime.h"
#include "ui_fixture.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <tuple>

using namespace corvanta;

namespace {

class InfoTest : public UiTest {
protected:
    void SetUp() override
    {
        // "zz" has no localization: every text is its English default.
        SystemClass::SetLanguageForTesting(std::string("zz"));
        app = std::make_shared<App>();
        app->Constructor();
        RegisterAppObject(app);
    }

    void TearDown() override
    {
        RegisterAppObject(nullptr);
        UiTest::TearDown();
        SystemClass::SetLanguageForTesting(std::nullopt);
    }

    // Chooses About the way the menu does and gives the window in front.
    std::shared_ptr<Info> about()
    {
        EXPECT_TRUE(app->FileInfo_Action());
        return CheckCast<Info>(Window::At(0));
    }

    static std::string shown(const std::shared_ptr<Label>& label)
    {
        auto* widget = qobject_cast<QLabel*>(NotNil(label)->widget());
        if (!widget) {
            ADD_FAILURE() << "a Label is not drawn by a QLabel";
            return {};
        }
        return widget->text().toStdString();
    }

    std::shared_ptr<App> app;
};

// The version the bundle's metadata carries.
std::string bundleShortVersion()
{
    QFile plist(QStringLiteral(CORVANTA_TEST_RESOURCES_DIR "/../Info.plist"));
    if (!plist.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression entry(
        QStringLiteral("<key>CFBundleShortVersionString</key>\\s*<string>([^<]*)</string>"));
    return entry.match(QString::fromUtf8(plist.readAll())).captured(1).toStdString();
}

TEST_F(InfoTest, AboutOpensOneWindowWithTitleAndVersionLine)
{
    auto info = about();
    ASSERT_NE(info, nullptr);
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_TRUE(info->widget()->isVisible());
    EXPECT_EQ(info->Title(), "About Corvanta");
    EXPECT_EQ(info->widget()->windowTitle().toStdString(), "About Corvanta");
    EXPECT_EQ(shown(info->StaticText1()), "Version " + app->ShortVersion());
    EXPECT_EQ(shown(info->StaticText2()), Info::kNotice);
}

TEST_F(InfoTest, TheVersionIsTheBundlesVersion)
{
    const std::string version = bundleShortVersion();
    ASSERT_FALSE(version.empty()) << "no CFBundleShortVersionString in the bundle's Info.plist";
    EXPECT_EQ(app->ShortVersion(), version);
    EXPECT_EQ(NotNil(about()->StaticText1())->Text(), "Version " + version);
}

TEST_F(InfoTest, AboutTwiceKeepsOneWindowAndOneVersion)
{
    auto first = about();
    auto second = about();
    EXPECT_EQ(first, second);
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(NotNil(second->StaticText1())->Text(), "Version " + app->ShortVersion());
}

TEST_F(InfoTest, TheLinesFollowTheLanguage)
{
    SystemClass::SetLanguageForTesting(std::string("it"));
    auto info = about();
    EXPECT_EQ(info->Title(), Localize::kInfo("it"));
    EXPECT_EQ(NotNil(info->StaticText1())->Text(), Localize::kInfoWin1("it") + " " + app->ShortVersion());
    // The notice and the button are not localized.
    EXPECT_EQ(NotNil(info->StaticText2())->Text(), Info::kNotice);
    EXPECT_EQ(NotNil(info->PushButton1())->Caption(), "OK");
}

TEST_F(InfoTest, ShowsThePictureAndADefaultOkButton)
{
    auto info = about();
    auto well = NotNil(info->ImageWell1());
    ASSERT_NE(well->Image(), nullptr);
    EXPECT_EQ(well->Image(), _x_corvanta::corvanta());
    auto button = NotNil(info->PushButton1());
    EXPECT_EQ(button->Caption(), "OK");
    EXPECT_TRUE(button->Default());
    EXPECT_FALSE(button->Cancel());
    EXPECT_TRUE(button->Enabled());
    auto* qbutton = qobject_cast<QPushButton*>(button->widget());
    ASSERT_NE(qbutton, nullptr);
    EXPECT_EQ(qbutton->text().toStdString(), "OK");
}

TEST_F(InfoTest, WindowIsFixedInSize)
{
    auto info = about();
    EXPECT_EQ(info->Width(), 425);
    EXPECT_EQ(info->Height(), 442);
    EXPECT_FALSE(info->Resizeable());
    EXPECT_FALSE(info->MaximizeButton());
    EXPECT_EQ(info->contentWidget()->size(), QSize(425, 442));
    EXPECT_EQ(info->widget()->minimumSize(), info->widget()->maximumSize());
}

struct Placement {
    const char* name;
    const char* className;
    int left, top, width, height;
};

void PrintTo(const Placement& p, std::ostream* os) { *os << p.name; }

class InfoPlacementTest : public InfoTest, public ::testing::WithParamInterface<Placement> {};

TEST_P(InfoPlacementTest, ControlSitsWhereItsListPutsIt)
{
    const Placement& p = GetParam();
    auto control = about()->ControlByName(p.name);
    ASSERT_NE(control, nullptr);
    EXPECT_STREQ(control->className(), p.className);
    EXPECT_EQ(control->Name(), p.name);
    EXPECT_TRUE(control->Visible());
    QWidget* widget = control->widget();
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->objectName().toStdString(), p.name);
    EXPECT_TRUE(widget->isVisible());
    EXPECT_EQ(widget->geometry(), QRect(p.left, p.top, p.width, p.height));
}

// The picture across the top, the two lines under it, OK at the bottom.
constexpr Placement kPlacements[] = {
    {"StaticText1", "Label", 20, 302, 385, 20},
    {"StaticText2", "Label", 20, 326, 385, 20},
    {"PushButton1", "PushButton", 172, 400, 80, 22},
    {"ImageWell1", "ImageWell", 0, 0, 425, 290},
};

INSTANTIATE_TEST_SUITE_P(Controls, InfoPlacementTest, ::testing::ValuesIn(kPlacements), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(InfoTest, TheLinesAreCentred)
{
    auto info = about();
    EXPECT_EQ(NotNil(info->StaticText1())->TextAlign(), 1);
    EXPECT_EQ(NotNil(info->StaticText2())->TextAlign(), 1);
}

TEST_F(InfoTest, OkClosesTheWindowAndTheNextOneIsFresh)
{
    auto first = about();
    auto* button = NotNil(first->PushButton1())->widget();
    QTest::mouseClick(button, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(Window::WindowCount(), 0);
    EXPECT_EQ(Window::ImplicitWindow("Info.Info"), nullptr);
    EXPECT_EQ(first->ControlByName("StaticText1"), nullptr);

    auto second = about();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second, first);
    EXPECT_EQ(NotNil(second->StaticText1())->Text(), "Version " + app->ShortVersion());
}

TEST_F(InfoTest, ReturnPressesOk)
{
    auto info = about();
    QTest::keyClick(info->widget(), Qt::Key_Return);
    EXPECT_FALSE(info->IsOpen());
    EXPECT_EQ(Window::WindowCount(), 0);
}

TEST_F(InfoTest, TheCloseButtonClosesItToo)
{
    auto first = about();
    first->widget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(Window::ImplicitWindow("Info.Info"), nullptr);

    auto second = about();
    EXPECT_NE(second, first);
    EXPECT_EQ(NotNil(second->StaticText1())->Text(), "Version " + app->ShortVersion());
}

// --- Closing from the keyboard -------------------------------------------------

// A key that closes the About window as a dialog closes: the desktop's cancel
// key, and the Close item's shortcut.
constexpr NamedKey kCloseKeys[] = {
    {"Escape", Qt::Key_Escape, Qt::NoModifier},
    {"CtrlW", Qt::Key_W, Qt::ControlModifier},
};

struct Language {
    const char* name;
    const char* code; // "zz" has no localization: English
};

void PrintTo(const Language& l, std::ostream* os) { *os << l.name; }

constexpr Language kLanguages[] = {{"English", "zz"}, {"Italian", "it"}};

// The application as it starts, in a language, with About opened over the
// first-series window as its item opens it.
class AboutOverTheFirstSeries : public AppUiTest, public ::testing::WithParamInterface<std::tuple<Language, NamedKey>> {
protected:
    std::string language() const override { return std::get<0>(GetParam()).code; }

    void SetUp() override
    {
        AppUiTest::SetUp();
        first = Window1::implicitInstance();
        ASSERT_TRUE(app->FileInfo_Action());
        about = Info::implicitInstance();
        ASSERT_TRUE(QTest::qWaitForWindowActive(about->widget()));
        ASSERT_EQ(Window::At(0), about);
        quits = Runtime::QuitCount();
    }

    // The key where the About window has its focus, as a user presses it.
    void press(const NamedKey& k)
    {
        QWidget* target = QApplication::focusWidget();
        if (!target || target->window() != about->widget())
            target = about->widget();
        QTest::keyClick(target, k.key, k.modifiers);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::shared_ptr<Window1> first;
    std::shared_ptr<Info> about;
    std::int64_t quits = 0;
};

// The key closes About and nothing else: the window behind it stays open and
// comes to the front, and the application does not quit.
TEST_P(AboutOverTheFirstSeries, TheKeyClosesAboutAndOnlyAbout)
{
    press(std::get<1>(GetParam()));
    EXPECT_FALSE(about->IsOpen());
    EXPECT_EQ(Window::ImplicitWindow("Info.Info"), nullptr);
    EXPECT_TRUE(first->IsOpen());
    EXPECT_EQ(Window::At(0), first);
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(Runtime::QuitCount(), quits);
    // The keyboard goes on in the window behind.
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), first->widget());
}

// Once closed, About opens again as a fresh window.
TEST_P(AboutOverTheFirstSeries, AboutOpensAgainAfterTheKey)
{
    press(std::get<1>(GetParam()));
    ASSERT_FALSE(about->IsOpen());
    ASSERT_TRUE(app->FileInfo_Action());
    auto again = Info::implicitInstance();
    EXPECT_NE(again, about);
    EXPECT_EQ(Window::At(0), again);
    EXPECT_EQ(NotNil(again->StaticText1())->Text(), Localize::kInfoWin1() + " " + app->ShortVersion());
}

INSTANTIATE_TEST_SUITE_P(Keys,
                         AboutOverTheFirstSeries,
                         ::testing::Combine(::testing::ValuesIn(kLanguages), ::testing::ValuesIn(kCloseKeys)),
                         [](const auto& info) {
                             return std::string(std::get<1>(info.param).name) + "_" + std::get<0>(info.param).name;
                         });

TEST_F(InfoTest, WithoutTheApplicationObjectTheVersionLineStaysBare)
{
    RegisterAppObject(nullptr);
    const int reported = ReportedExceptionCount();

    auto info = Info::implicitInstance();

    // The label's Open handler fails; the window is built all the same.
    EXPECT_EQ(ReportedExceptionCount(), reported + 1);
    ASSERT_TRUE(info->IsOpen());
    EXPECT_EQ(NotNil(info->StaticText1())->Text(), "Version");
}

TEST_F(InfoTest, AboutRaisesAnExistingWindowToTheFront)
{
    auto info = about();
    // A second window of another class in front of it.
    class Other : public Window {
    public:
        const ClassRecord& classRecord() const override
        {
            static const ClassRecord record("InfoTest.Other");
            return record;
        }
    };
    auto other = std::make_shared<Other>();
    other->Constructor();
    other->Show();
    ASSERT_EQ(Window::At(0), other);

    EXPECT_EQ(about(), info);
    EXPECT_EQ(Window::WindowCount(), 2);
}

} // namespace
