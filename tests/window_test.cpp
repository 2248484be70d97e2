#include "application.h"
#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "picture.h"
#include "propertylist.h"
#include "runtime.h"
#include "ui_fixture.h"
#include "window.h"

#include <QApplication>
#include <QImage>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>
#include <vector>

using namespace corvanta;

namespace {

std::string fixedWindowList(int width, int height, bool resizeable = false, bool maximize = false, bool visible = true)
{
    return PropertyList({{"Width", width},
                         {"Height", height},
                         {"MinWidth", 64},
                         {"MinHeight", 64},
                         {"MaxWidth", 32000},
                         {"MaxHeight", 32000},
                         {"Frame", 0},
                         {"Title", "Corvanta"},
                         {"CloseButton", true},
                         {"Resizeable", resizeable},
                         {"MaximizeButton", maximize},
                         {"MinimizeButton", true},
                         {"FullScreenButton", false},
                         {"Composite", true},
                         {"MacProcID", 0},
                         {"Placement", 0},
                         {"Visible", visible},
                         {"LiveResize", true},
                         {"FullScreen", false},
                         {"MenuBarVisible", true},
                         {"HasBackColor", false},
                         {"BackColor", Color{0xFFFFFF}}});
}

template <class T>
std::shared_ptr<T> addControl(Window& window, const std::string& name)
{
    window.CreateControl<T>(name);
    return window.Registered<T>(name);
}

// A window that records its events and lets each test decide what its build
// steps do.
class LogWindow : public Window {
public:
    static const ClassRecord& Lookup()
    {
        static const ClassRecord record("LogWindow.LogWindow");
        return record;
    }
    const ClassRecord& classRecord() const override { return Lookup(); }

    static std::shared_ptr<LogWindow> implicitInstance() { return ImplicitInstance<LogWindow>(); }

    std::vector<std::string> log;
    std::string list = fixedWindowList(300, 200);
    std::function<void(LogWindow&)> buildControls;
    std::weak_ptr<Window> menuHandlersWindow;
    bool visibleAtOpen = false;
    bool listedDuringLayout = true;

    bool Close_Action()
    {
        Close();
        return false;
    }

    // A button handler bound like the program binds its own: the delegate
    // keeps the window alive while it runs.
    std::function<void(LogWindow&, const std::shared_ptr<PushButton>&)> onAction;
    std::function<void(const std::shared_ptr<PushButton>&)> actionDelegate()
    {
        return CreateDelegate(self<LogWindow>(), &LogWindow::Button_Action);
    }
    void Button_Action(const std::shared_ptr<PushButton>& button)
    {
        if (onAction)
            onAction(*this, button);
    }

protected:
    void Layout() override
    {
        log.push_back("Layout");
        listedDuringLayout = IsOpen() || ImplicitWindow(Lookup().name()) != nullptr;
        SetProperties(list);
    }
    void CreateControls() override
    {
        log.push_back("CreateControls");
        if (buildControls)
            buildControls(*this);
    }
    void AddMenuHandlers(const std::shared_ptr<Window>& window) override
    {
        log.push_back("AddMenuHandlers");
        menuHandlersWindow = window;
        AddMenuHandler("FileClose", CreateDelegate(self<LogWindow>(), &LogWindow::Close_Action));
    }
    void Event_Open() override
    {
        log.push_back("Open");
        visibleAtOpen = widget()->isVisible();
    }
    void Event_Activate() override { log.push_back("Activate"); }
};

class OtherWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("OtherWindow.OtherWindow");
        return record;
    }

protected:
    void Layout() override { SetProperties(fixedWindowList(200, 100)); }
};

std::shared_ptr<LogWindow> buildLogWindow(std::function<void(LogWindow&)> controls = {})
{
    auto window = std::make_shared<LogWindow>();
    window->buildControls = std::move(controls);
    window->Constructor();
    return window;
}

void processDeferredDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

using WindowList = UiTest;

// ------------------------------------------------------------ implicit window

TEST_F(WindowList, ImplicitInstanceIsFoundByClassNameUntilClosed)
{
    auto first = LogWindow::implicitInstance();
    auto second = LogWindow::implicitInstance();
    EXPECT_EQ(first, second);
    EXPECT_EQ(Window::WindowCount(), 1);
    EXPECT_EQ(Window::ImplicitWindow("LogWindow.LogWindow"), first);
    EXPECT_EQ(Window::ImplicitWindow("OtherWindow.OtherWindow"), nullptr);
    EXPECT_EQ(first->widget()->objectName(), "LogWindow.LogWindow");

    first->SetTitle("changed");
    first->Close();
    EXPECT_FALSE(first->IsOpen());
    EXPECT_EQ(Window::ImplicitWindow("LogWindow.LogWindow"), nullptr);
    EXPECT_EQ(Window::WindowCount(), 0);

    auto fresh = LogWindow::implicitInstance();
    EXPECT_NE(fresh, first);
    EXPECT_EQ(fresh->Title(), "Corvanta");
    EXPECT_EQ(fresh->log.front(), "Layout");
}

TEST_F(WindowList, AtGivesNilOutsideTheList)
{
    auto window = buildLogWindow();
    EXPECT_EQ(Window::At(0), window);
    EXPECT_EQ(Window::At(1), nullptr);
    EXPECT_EQ(Window::At(-1), nullptr);
}

// --------------------------------------------------------------- construction

TEST_F(WindowList, ConstructionRaisesTheBuildEventsInOrder)
{
    std::vector<std::string>* log = nullptr;
    auto window = buildLogWindow([&log](LogWindow& w) {
        log = &w.log;
        auto label = addControl<Label>(w, "Label1");
        label->Open = [&w](const std::shared_ptr<Label>& l) {
            // Raised once all the controls exist.
            w.log.push_back(w.ControlByName("Button1") ? "Label1.Open" : "Label1.Open too early");
            EXPECT_EQ(l, w.ControlByName("Label1"));
        };
        addControl<PushButton>(w, "Button1");
    });
    ASSERT_NE(log, nullptr);
    const std::vector<std::string> expected = {
        "Layout", "CreateControls", "Label1.Open", "AddMenuHandlers", "Open", "Activate"};
    EXPECT_EQ(window->log, expected);
    EXPECT_EQ(window->menuHandlersWindow.lock(), window);
    EXPECT_FALSE(window->listedDuringLayout);
    EXPECT_TRUE(window->visibleAtOpen);
    EXPECT_TRUE(window->IsOpen());
    EXPECT_TRUE(window->MenuHandler("FileClose"));
    EXPECT_FALSE(window->MenuHandler("FileOpen"));

    // Activation that follows the build raises no second Activate.
    QCoreApplication::processEvents();
    EXPECT_EQ(std::count(window->log.begin(), window->log.end(), "Activate"), 1);
}

TEST_F(WindowList, FailedBuildPropagatesAndLeavesNoWindow)
{
    auto window = std::make_shared<LogWindow>();
    window->buildControls = [](LogWindow& w) {
        addControl<Label>(w, "Label1");
        throw NilObjectException("control missing");
    };
    EXPECT_THROW(window->Constructor(), NilObjectException);
    EXPECT_EQ(Window::WindowCount(), 0);
    EXPECT_EQ(Window::ImplicitWindow("LogWindow.LogWindow"), nullptr);
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(window->ControlByName("Label1"), nullptr);
    const std::vector<std::string> expected = {"Layout", "CreateControls"};
    EXPECT_EQ(window->log, expected);

    processDeferredDeletes();
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(top->objectName() == "LogWindow.LogWindow" && top->isVisible());

    // The next attempt starts again from nothing.
    auto fresh = LogWindow::implicitInstance();
    EXPECT_TRUE(fresh->IsOpen());
    EXPECT_NE(fresh, window);
}

TEST_F(WindowList, FailureInLayoutPropagatesToo)
{
    auto window = std::make_shared<LogWindow>();
    window->list = PropertyList({{"Width", 300}, {"Bogus", 1}});
    EXPECT_THROW(window->Constructor(), KeyNotFoundException);
    EXPECT_EQ(Window::WindowCount(), 0);
}

TEST_F(WindowList, InvisibleWindowIsListedBehindAndShownOnRequest)
{
    auto shown = buildLogWindow();
    auto hidden = std::make_shared<LogWindow>();
    hidden->list = fixedWindowList(300, 200, false, false, false);
    hidden->Constructor();
    EXPECT_FALSE(hidden->widget()->isVisible());
    EXPECT_TRUE(hidden->IsOpen());
    EXPECT_EQ(Window::At(0), shown);
    EXPECT_EQ(Window::At(1), hidden);
    EXPECT_EQ(std::count(hidden->log.begin(), hidden->log.end(), "Activate"), 0);

    hidden->Show();
    EXPECT_TRUE(hidden->widget()->isVisible());
    EXPECT_EQ(Window::At(0), hidden);
}

// ------------------------------------------------------------ window ordering

TEST_F(WindowList, FrontMostFollowsShowAndActivation)
{
    auto a = buildLogWindow();
    auto b = std::make_shared<OtherWindow>();
    b->Constructor();
    EXPECT_EQ(Window::At(0), b);
    EXPECT_EQ(Window::At(1), a);

    a->Show();
    EXPECT_EQ(Window::At(0), a);

    QApplication::processEvents();
    b->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Window::At(0) == b; }, 2000));
    EXPECT_EQ(Window::At(1), a);
}

TEST_F(WindowList, ActivationAfterDeactivationRaisesActivateAgain)
{
    auto a = buildLogWindow();
    auto b = std::make_shared<OtherWindow>();
    b->Constructor();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == b->widget(); }, 2000));
    const auto before = std::count(a->log.begin(), a->log.end(), "Activate");
    a->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == a->widget(); }, 2000));
    EXPECT_EQ(std::count(a->log.begin(), a->log.end(), "Activate"), before + 1);
}

// --------------------------------------------------------------------- close

TEST_F(WindowList, CloseIsIdempotentAndClearsTheControls)
{
    auto window = buildLogWindow([](LogWindow& w) { addControl<Label>(w, "Label1"); });
    QPointer<QWidget> widget = window->widget();
    window->Close();
    window->Close();
    EXPECT_EQ(window->ControlByName("Label1"), nullptr);
    EXPECT_EQ(window->widget(), nullptr);
    processDeferredDeletes();
    EXPECT_TRUE(widget.isNull());
}

TEST_F(WindowList, CloseFromTheWindowsOwnButtonIsSafe)
{
    std::weak_ptr<LogWindow> weak;
    int actions = 0;
    {
        auto window = buildLogWindow([&actions](LogWindow& w) {
            auto button = addControl<PushButton>(w, "Button1");
            button->SetProperties(PropertyList({{"Left", 10}, {"Top", 10}, {"Width", 80}, {"Height", 22}}));
            w.onAction = [&actions](LogWindow& self, const std::shared_ptr<PushButton>& b) {
                ++actions;
                self.Close();
                // The button and its window are still usable until the handler returns.
                EXPECT_EQ(b->Name(), "Button1");
                EXPECT_FALSE(self.IsOpen());
                EXPECT_EQ(self.ControlByName("Button1"), nullptr);
            };
            button->Action = w.actionDelegate();
        });
        weak = window;
        auto* qtButton = window->widget()->findChild<QPushButton*>("Button1");
        ASSERT_NE(qtButton, nullptr);
        window.reset();
        QTest::mouseClick(qtButton, Qt::LeftButton);
    }
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(Window::WindowCount(), 0);
    processDeferredDeletes();
    EXPECT_TRUE(weak.expired());
}

TEST_F(WindowList, TheCloseButtonClosesThroughClose)
{
    auto window = buildLogWindow();
    QPointer<QWidget> widget = window->widget();
    widget->close();
    EXPECT_FALSE(window->IsOpen());
    EXPECT_EQ(Window::WindowCount(), 0);
    processDeferredDeletes();
    EXPECT_TRUE(widget.isNull());
}

TEST_F(WindowList, MenuHandlerRegisteredInTheBuildClosesTheWindow)
{
    auto window = buildLogWindow();
    auto handler = window->MenuHandler("FileClose");
    ASSERT_TRUE(handler);
    EXPECT_FALSE(handler());
    EXPECT_FALSE(window->IsOpen());
}

class QuitApp : public Application {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("QuitApp.QuitApp");
        return record;
    }
};

class AutoQuit : public UiTest {
protected:
    void TearDown() override
    {
        RegisterAppObject(nullptr);
        UiTest::TearDown();
    }
};

TEST_F(AutoQuit, ClosingTheLastWindowQuitsOnlyWhenTheAppSaysSo)
{
    auto app = std::make_shared<QuitApp>();
    RegisterAppObject(app);
    auto a = buildLogWindow();
    auto b = std::make_shared<OtherWindow>();
    b->Constructor();

    const auto before = Runtime::QuitCount();
    app->SetAutoQuit(true);
    a->Close();
    EXPECT_EQ(Runtime::QuitCount(), before);
    b->Close();
    EXPECT_EQ(Runtime::QuitCount(), before + 1);

    app->SetAutoQuit(false);
    auto c = buildLogWindow();
    c->Close();
    EXPECT_EQ(Runtime::QuitCount(), before + 1);
}

// ------------------------------------------------------- the exception helper

TEST_F(WindowList, ThrowingHandlerIsReportedAndTheNextEventIsHandled)
{
    int calls = 0;
    auto window = buildLogWindow([&calls](LogWindow& w) {
        auto button = addControl<PushButton>(w, "Button1");
        button->SetProperties(PropertyList({{"Width", 80}, {"Height", 22}}));
        button->Action = [&calls](const std::shared_ptr<PushButton>&) {
            if (++calls == 1)
                throw NilObjectException("no such control");
        };
    });
    auto* qtButton = window->widget()->findChild<QPushButton*>("Button1");
    ASSERT_NE(qtButton, nullptr);

    const int reported = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    QTest::mouseClick(qtButton, Qt::LeftButton);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Unhandled NilObjectException: no such control"), std::string::npos) << err;
    EXPECT_EQ(ReportedExceptionCount(), reported + 1);

    QTest::mouseClick(qtButton, Qt::LeftButton);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(ReportedExceptionCount(), reported + 1);
    EXPECT_TRUE(window->IsOpen());
}

TEST_F(WindowList, ThrowingOpenEventIsReportedAndTheWindowStillOpens)
{
    class FailingOpen : public LogWindow {
    protected:
        void Event_Open() override { throw std::runtime_error("open failed"); }
    };
    auto window = std::make_shared<FailingOpen>();
    ::testing::internal::CaptureStderr();
    EXPECT_NO_THROW(window->Constructor());
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("Unhandled std::exception: open failed"), std::string::npos) << err;
    EXPECT_TRUE(window->IsOpen());
    EXPECT_EQ(window->log.back(), "Activate");
}

struct HelperCase {
    const char* label;
    std::function<void()> raise;
    const char* message;
};

class ExceptionHelper : public ::testing::TestWithParam<HelperCase> {};

TEST_P(ExceptionHelper, ReportsWhatEscapesAndGivesFalse)
{
    const auto& c = GetParam();
    const int before = ReportedExceptionCount();
    ::testing::internal::CaptureStderr();
    const bool result = CallWithExceptionHandling([&] {
        c.raise();
        return true;
    });
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_FALSE(result);
    EXPECT_EQ(err, std::string(c.message) + "\n");
    EXPECT_EQ(ReportedExceptionCount(), before + 1);
}

const HelperCase kHelperCases[] = {
    {"Runtime", [] { throw KeyNotFoundException("no item"); }, "Unhandled KeyNotFoundException: no item"},
    {"Standard", [] { throw std::out_of_range("index 3"); }, "Unhandled std::exception: index 3"},
    {"Other", [] { throw 42; }, "Unhandled exception of unknown type"},
};

INSTANTIATE_TEST_SUITE_P(Handlers, ExceptionHelper, ::testing::ValuesIn(kHelperCases), [](const auto& info) {
    return std::string(info.param.label);
});

TEST(Handlers, HandlerThatSucceedsGivesItsResultAndReportsNothing)
{
    const int before = ReportedExceptionCount();
    EXPECT_TRUE(CallWithExceptionHandling([] { return true; }));
    EXPECT_FALSE(CallWithExceptionHandling([] { return false; }));
    bool ran = false;
    CallWithExceptionHandling([&ran] { ran = true; });
    EXPECT_TRUE(ran);
    EXPECT_FALSE(CallWithExceptionHandling(std::function<bool()>()));
    EXPECT_EQ(ReportedExceptionCount(), before);
}

// ------------------------------------------------------------ default button

class DefaultButton : public UiTest {
protected:
    void SetUp() override
    {
        window = buildLogWindow([this](LogWindow& w) {
            field = addControl<TextField>(w, "Field1");
            field->SetProperties(PropertyList({{"Left", 10}, {"Top", 10}, {"Width", 100}, {"Height", 22}}));
            other = addControl<PushButton>(w, "Other");
            other->SetProperties(PropertyList({{"Left", 10}, {"Top", 50}, {"Width", 80}, {"Height", 22}}));
            other->Action = [this](const std::shared_ptr<PushButton>&) { ++otherPresses; };
            button = addControl<PushButton>(w, "Default1");
            button->SetProperties(
                PropertyList({{"Left", 120}, {"Top", 50}, {"Width", 80}, {"Height", 22}, {"Default", true}}));
            button->Action = [this](const std::shared_ptr<PushButton>&) { ++presses; };
        });
        lineEdit = window->widget()->findChild<QLineEdit*>("Field1");
        ASSERT_NE(lineEdit, nullptr);
    }
    std::shared_ptr<LogWindow> window;
    std::shared_ptr<TextField> field;
    std::shared_ptr<PushButton> other, button;
    QLineEdit* lineEdit = nullptr;
    int presses = 0, otherPresses = 0;
};

TEST_F(DefaultButton, ReturnAndEnterInTheFieldPressIt)
{
    QTest::keyClick(lineEdit, Qt::Key_Return);
    EXPECT_EQ(presses, 1);
    QTest::keyClick(lineEdit, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(presses, 2);
    EXPECT_EQ(otherPresses, 0);
}

TEST_F(DefaultButton, DisabledOrHiddenDefaultIsNotPressed)
{
    button->SetEnabled(false);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    button->SetEnabled(true);
    button->SetVisible(false);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    button->SetVisible(true);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    EXPECT_EQ(presses, 1);
}

TEST_F(DefaultButton, NoDefaultMeansReturnDoesNothing)
{
    button->SetDefault(false);
    QTest::keyClick(lineEdit, Qt::Key_Return);
    EXPECT_EQ(presses, 0);
    EXPECT_EQ(otherPresses, 0);
}

TEST_F(DefaultButton, ReturnWithAModifierIsNotTheDefaultCommand)
{
    QTest::keyClick(lineEdit, Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(presses, 0);
}

// ------------------------------------------------------- size, flags, menu bar

using WindowShape = UiTest;

TEST_F(WindowShape, NotResizeableIsFixedAndHasNoMaximizeButton)
{
    auto window = std::make_shared<LogWindow>();
    window->list = fixedWindowList(611, 328);
    window->Constructor();
    QWidget* top = window->widget();
    QWidget* content = window->contentWidget();
    EXPECT_EQ(content->size(), QSize(611, 328));
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_EQ(top->size(), QSize(611, 328));
    const auto flags = top->windowFlags();
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(top->windowTitle(), "Corvanta");

    top->resize(800, 600);
    QCoreApplication::processEvents();
    EXPECT_EQ(top->size(), QSize(611, 328));
}

TEST_F(WindowShape, ResizeableKeepsItsLimitsAndMaximizeButton)
{
    auto window = std::make_shared<LogWindow>();
    window->list = fixedWindowList(400, 300, true, true);
    window->Constructor();
    QWidget* top = window->widget();
    EXPECT_TRUE(top->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_EQ(window->contentWidget()->minimumSize(), QSize(64, 64));
    EXPECT_EQ(window->contentWidget()->maximumSize(), QSize(32000, 32000));
    EXPECT_EQ(window->contentWidget()->size(), QSize(400, 300));
}

TEST_F(WindowShape, MenuBarSitsAboveTheContentAndAddsItsHeight)
{
    auto bar = std::make_shared<MenuBar>();
    bar->Constructor();
    auto file = std::make_shared<MenuItem>();
    file->Constructor();
    file->SetName("FileMenu");
    file->SetText("File");
    bar->Append(file);

    auto window = std::make_shared<LogWindow>();
    window->list = fixedWindowList(611, 328);
    window->Constructor();
    window->SetMenuBar(bar);
    EXPECT_EQ(window->MenuBar(), bar);
    auto* layout = qobject_cast<QVBoxLayout*>(window->widget()->layout());
    ASSERT_NE(layout, nullptr);
    auto* qtBar = qobject_cast<QMenuBar*>(layout->menuBar());
    ASSERT_NE(qtBar, nullptr);
    QCoreApplication::processEvents();
    EXPECT_GT(qtBar->height(), 0);
    EXPECT_EQ(window->contentWidget()->size(), QSize(611, 328));
    EXPECT_EQ(window->widget()->height(), 328 + qtBar->height());
    EXPECT_EQ(window->contentWidget()->y(), qtBar->height());

    // A second bar replaces the first; one Qt menu bar remains.
    auto other = std::make_shared<MenuBar>();
    other->Constructor();
    window->SetMenuBar(other);
    processDeferredDeletes();
    EXPECT_EQ(window->widget()->findChildren<QMenuBar*>().size(), 1);
    EXPECT_NE(layout->menuBar(), nullptr);
    EXPECT_EQ(window->MenuBar(), other);
}

// The backdrop is drawn at the content's origin, under the controls.
TEST_F(WindowShape, BackdropIsPaintedBehindTheControls)
{
    QImage image(50, 40, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 0));
    auto window = buildLogWindow([](LogWindow& w) {
        auto rect = addControl<Rectangle>(w, "Rectangle1");
        rect->SetProperties(PropertyList({{"Left", 20},
                                          {"Top", 20},
                                          {"Width", 10},
                                          {"Height", 10},
                                          {"FillColor", Color{0x0000FF}},
                                          {"BorderWidth", 0}}));
    });
    window->SetBackdrop(std::make_shared<Picture>(image));
    const QImage shot = window->contentWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(49, 39), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(25, 25), QColor(0, 0, 255));
    EXPECT_NE(shot.pixelColor(60, 60), QColor(255, 0, 0));

    window->SetBackdrop(nullptr);
    const QImage plain = window->contentWidget()->grab().toImage();
    EXPECT_NE(plain.pixelColor(5, 5), QColor(255, 0, 0));
}

TEST_F(WindowShape, BackColorFillsTheContentWhenAsked)
{
    auto window = buildLogWindow();
    window->SetProperties(PropertyList({{"HasBackColor", true}, {"BackColor", Color{0x00FF00}}}));
    EXPECT_EQ(window->contentWidget()->grab().toImage().pixelColor(3, 3), QColor(0, 255, 0));
}

// --------------------------------------------------------------------- thread

TEST_F(WindowList, UiOperationsFromAnotherThreadRaise)
{
    auto window = buildLogWindow([](LogWindow& w) { addControl<Label>(w, "Label1"); });
    auto label = CheckCast<Label>(window->ControlByName("Label1"));
    int raised = 0;
    std::thread worker([&] {
        auto attempt = [&](const std::function<void()>& op) {
            try {
                op();
            } catch (const ThreadAccessingUIException&) {
                ++raised;
            }
        };
        attempt([&] { window->SetTitle("from a thread"); });
        attempt([&] { label->SetText("from a thread"); });
        attempt([&] { Window::At(0); });
        attempt([&] { window->Show(); });
        attempt([] { RequireUIThread(); });
    });
    worker.join();
    EXPECT_EQ(raised, 5);
    EXPECT_EQ(window->Title(), "Corvanta");
    EXPECT_EQ(label->Text(), "");
    EXPECT_NO_THROW(RequireUIThread());
}

} // namespace
