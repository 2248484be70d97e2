// The Edit commands in the first-series window under the shared menu bar, as
// a user meets them: which Edit items are enabled in each situation (in the
// menu bar, over the About window and in the contextual copy, asked for with
// the mouse or from the keyboard), the shortcuts and the platform's other
// keys for the same commands acting once through the menu, Clear removing
// the selection only, and a number pasted with blanks going in whole.

#include "app_fixture.h"
#include "bare_window.h"
#include "checkwindow_road.h"
#include "edit_situations.h"
#include "paste_cases.h"

#include "controls.h"
#include "exceptions.h"
#include "info.h"
#include "localize.h"
#include "menu.h"
#include "menubar1.h"
#include "menu_text.h"
#include "propertylist.h"
#include "window.h"
#include "window1.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QtTest/qtestspontaneevent.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using namespace corvanta;

namespace {

const char* const kOtherItems[] = {
    "FileClose", "FileQuit", "FinestraPrimaSerie", "FinestraSecondaSerie", "HelpCorvantaLeggimi", "FileInfo"};

std::shared_ptr<MenuItem> barItem(const std::string& name)
{
    return NotNil(MenuBar1::implicitInstance()->Lookup(name), name.c_str());
}

// The action that draws the item in the window's own menu bar.
QAction* drawn(const Window& w, const std::string& name)
{
    auto* bar = w.widget()->findChild<QMenuBar*>();
    if (!bar)
        return nullptr;
    const QString text = QString::fromStdString(barItem(name)->Text());
    for (QAction* title : bar->actions())
        if (QMenu* menu = title->menu())
            for (QAction* entry : menu->actions())
                if (shownText(entry) == text)
                    return entry;
    return nullptr;
}

// The ways to ask the field with the focus for its contextual menu.
struct ContextualRoute {
    const char* name;
    void (*ask)(QLineEdit* field);
};

void PrintTo(const ContextualRoute& r, std::ostream* os) { *os << r.name; }

const ContextualRoute kContextualRoutes[] = {
    {"RightClick", [](QLineEdit* f) { QTest::mouseClick(f, Qt::RightButton, {}, f->rect().center()); }},
    {"ShiftF10", [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_F10, Qt::ShiftModifier); }},
    {"MenuKey", [](QLineEdit* f) { QTest::keyClick(f, Qt::Key_Menu); }},
};

// Pops up the contextual copy of the Edit menu, with a right click on the
// field unless the route says otherwise; the chooser sees the copy and may
// pick one of its items.
void contextualClick(QLineEdit* field,
                     const std::function<std::shared_ptr<MenuItem>(const std::shared_ptr<MenuItem>&)>& chooser,
                     const ContextualRoute& route = kContextualRoutes[0])
{
    int popped = 0;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>& menu) {
        ++popped;
        return chooser(menu);
    });
    route.ask(field);
    MenuItem::SetPopUpChooserForTesting(nullptr);
    EXPECT_EQ(popped, 1);
}

class EditCommands : public AppUiTest {
protected:
    void SetUp() override
    {
        AppUiTest::SetUp();
        QApplication::clipboard()->clear();
        w = Window1::implicitInstance();
        ASSERT_NE(w, nullptr);
        field = road::focusNumber(*w);
        ASSERT_NE(field, nullptr);
        ASSERT_EQ(QApplication::focusWidget(), field);
    }

    void TearDown() override
    {
        MenuItem::SetPopUpChooserForTesting(nullptr);
        // The shared bar outlives the test.
        for (const char* name : kEditItems) {
            barItem(name)->SetAutoEnable(true);
            barItem(name)->SetVisible(true);
        }
        AppUiTest::TearDown();
        QApplication::clipboard()->clear();
    }

    // Opens the Edit menu from the window's menu bar with the mouse, as a
    // user does, and gives the open menu.
    QMenu* openEditMenu()
    {
        auto* bar = w->widget()->findChild<QMenuBar*>();
        EXPECT_NE(bar, nullptr);
        if (!bar)
            return nullptr;
        for (QAction* title : bar->actions()) {
            if (shownText(title).toStdString() != Localize::kCompos())
                continue;
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
            EXPECT_TRUE(title->menu()->isVisible());
            return title->menu();
        }
        ADD_FAILURE() << "no Edit menu";
        return nullptr;
    }

    void type(const char* text) { QTest::keyClicks(field, text); }

public:
    void key(Qt::Key key, Qt::KeyboardModifiers modifiers) { QTest::keyClick(field, key, modifiers); }

    // Paste chosen with the mouse in the open Edit menu.
    void pasteFromTheEditMenu()
    {
        QMenu* menu = openEditMenu();
        ASSERT_NE(menu, nullptr);
        QAction* paste = drawn(*w, "EditPaste");
        ASSERT_NE(paste, nullptr);
        ASSERT_TRUE(paste->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(paste).center());
        EXPECT_FALSE(menu->isVisible());
    }

protected:
    std::shared_ptr<Window1> w;
    QLineEdit* field = nullptr;
};

// --- Which Edit items are enabled -------------------------------------------

class EditItemsEnabled : public EditCommands, public ::testing::WithParamInterface<EnableCase> {
protected:
    void expectItems(const char* where, const std::function<bool(const char* name)>& isEnabled)
    {
        SCOPED_TRACE(where);
        for (std::size_t i = 0; i < std::size(kEditItems); ++i)
            EXPECT_EQ(isEnabled(kEditItems[i]), GetParam().enabled[i]) << kEditItems[i];
    }
};

TEST_P(EditItemsEnabled, FollowWhatTheCommandCanDo)
{
    ASSERT_NO_FATAL_FAILURE(GetParam().arrange(field, *w, app));
    const auto front = Window::At(0);
    ASSERT_NE(front, nullptr);
    if (front == w) {
        // Worked out as the menu opens.
        QMenu* menu = openEditMenu();
        ASSERT_NE(menu, nullptr);
        expectItems("the open Edit menu", [&](const char* name) { return drawn(*w, name)->isEnabled(); });
        menu->hide();
    } else {
        // No menu bar to open: worked out before a shortcut, which then does nothing.
        ASSERT_EQ(front->widget()->findChild<QMenuBar*>(), nullptr);
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : front->widget(),
                        Qt::Key_C,
                        Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), "9");
    }
    expectItems("the shared bar", [](const char* name) { return barItem(name)->Enabled(); });
    expectItems("the first-series window's bar", [&](const char* name) { return drawn(*w, name)->isEnabled(); });
    for (const char* name : kOtherItems)
        EXPECT_TRUE(barItem(name)->Enabled()) << name;
    if (front == w) {
        // The program's own event still ticks the Window menu.
        EXPECT_TRUE(barItem("FinestraPrimaSerie")->Checked());
        EXPECT_FALSE(barItem("FinestraSecondaSerie")->Checked());
    }
}

INSTANTIATE_TEST_SUITE_P(Situations, EditItemsEnabled, ::testing::ValuesIn(kEnableCases), [](const auto& info) {
    return std::string(info.param.name);
});

// A right click gives the field the focus: only the situations where it has it.
std::vector<EnableCase> fieldFocusedCases()
{
    return enableCasesWhere([](const EnableCase& c) { return c.fieldFocused; });
}

class ContextualCopyEnabled : public EditCommands,
                              public ::testing::WithParamInterface<std::tuple<ContextualRoute, EnableCase>> {};

// The copy is worked out anew, whatever the bar it was copied from last showed.
TEST_P(ContextualCopyEnabled, FollowsWhatTheCommandCanDo)
{
    const auto& [route, c] = GetParam();
    ASSERT_NO_FATAL_FAILURE(c.arrange(field, *w, app));
    for (std::size_t i = 0; i < std::size(kEditItems); ++i)
        barItem(kEditItems[i])->SetEnabled(!c.enabled[i]);
    contextualClick(
        field,
        [&](const std::shared_ptr<MenuItem>& copy) {
            for (std::size_t i = 0; i < std::size(kEditItems); ++i)
                EXPECT_EQ(NotNil(copy->Lookup(kEditItems[i]))->Enabled(), c.enabled[i]) << kEditItems[i];
            return nullptr;
        },
        route);
}

INSTANTIATE_TEST_SUITE_P(Situations,
                         ContextualCopyEnabled,
                         ::testing::Combine(::testing::ValuesIn(kContextualRoutes),
                                            ::testing::ValuesIn(fieldFocusedCases())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
                         });

// --- Shortcuts -----------------------------------------------------------------

struct ShortcutCase {
    const char* name;
    const char* item;
    Qt::Key key;
    const char* typed;
    int selectFrom, selectLength; // -1: none, the caret at the end
    const char* clipboard;
    // Afterwards.
    const char* text;
    const char* clipboardAfter;
    const char* selected;
    bool acts; // the item's command runs (once)
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
};

void PrintTo(const ShortcutCase& c, std::ostream* os) { *os << c.name; }

const ShortcutCase kShortcutCases[] = {
    {"CutTheSelection", "EditCut", Qt::Key_X, "12345", 1, 3, "", "15", "234", "", true},
    {"CutWithoutSelection", "EditCut", Qt::Key_X, "12345", -1, 0, "", "12345", "", "", false},
    {"CopyTheSelection", "EditCopy", Qt::Key_C, "12345", 1, 3, "", "12345", "234", "234", true},
    {"CopyWithoutSelection", "EditCopy", Qt::Key_C, "12345", -1, 0, "7", "12345", "7", "", false},
    {"PasteOnce", "EditPaste", Qt::Key_V, "12345", -1, 0, "67", "1234567", "67", "", true},
    {"PasteAnEmptyClipboard", "EditPaste", Qt::Key_V, "12345", -1, 0, "", "12345", "", "", false},
    {"UndoTheTyping", "EditUndo", Qt::Key_Z, "12345", -1, 0, "", "", "", "", true},
    {"SelectAll", "EditSelectAll", Qt::Key_A, "12345", -1, 0, "", "12345", "", "12345", true},
    {"SelectAllInAnEmptyField", "EditSelectAll", Qt::Key_A, "", -1, 0, "", "", "", "", false},
    // The platform's other keys for the same commands go through the same items.
    {"PasteWithShiftInsert",
     "EditPaste",
     Qt::Key_Insert,
     "12345",
     -1,
     0,
     "67",
     "1234567",
     "67",
     "",
     true,
     Qt::ShiftModifier},
    {"PasteWithShiftInsertAnEmptyClipboard",
     "EditPaste",
     Qt::Key_Insert,
     "12345",
     -1,
     0,
     "",
     "12345",
     "",
     "",
     false,
     Qt::ShiftModifier},
    {"CopyWithCtrlInsert", "EditCopy", Qt::Key_Insert, "12345", 1, 3, "", "12345", "234", "234", true},
    {"CopyWithCtrlInsertWithoutSelection", "EditCopy", Qt::Key_Insert, "12345", -1, 0, "7", "12345", "7", "", false},
    {"CutWithShiftDelete", "EditCut", Qt::Key_Delete, "12345", 1, 3, "", "15", "234", "", true, Qt::ShiftModifier},
};

class EditShortcuts : public EditCommands, public ::testing::WithParamInterface<ShortcutCase> {
protected:
    // Sets the case up, presses its key in the field and checks the field and
    // the clipboard; gives how often the application's handler of the item ran.
    int pressAndCheck()
    {
        const ShortcutCase& c = GetParam();
        app->AddMenuHandler(c.item, [this] {
            ++handled;
            return false; // the framework's command follows
        });
        type(c.typed);
        if (c.selectFrom >= 0)
            field->setSelection(c.selectFrom, c.selectLength);
        if (*c.clipboard)
            QApplication::clipboard()->setText(c.clipboard);

        QTest::keyClick(field, c.key, c.modifiers);

        EXPECT_EQ(field->text().toStdString(), c.text);
        EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.clipboardAfter);
        EXPECT_EQ(field->selectedText().toStdString(), c.selected);
        return handled;
    }

    int handled = 0;
};

// The field's own handling of the key would bypass the menu: the handler of
// the application would not hear of it, or the command would run twice.
TEST_P(EditShortcuts, ActOnceThroughTheMenuAndOnlyWhenTheItemIsEnabled)
{
    EXPECT_EQ(pressAndCheck(), GetParam().acts ? 1 : 0);
}

// A hidden item answers no key: the field's own key does the same command,
// without the menu's handlers.
TEST_P(EditShortcuts, AHiddenItemLeavesTheKeyToTheField)
{
    barItem(GetParam().item)->SetVisible(false);
    EXPECT_EQ(pressAndCheck(), 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, EditShortcuts, ::testing::ValuesIn(kShortcutCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- An item the program disabled ---------------------------------------------

struct DisabledItemKey {
    const char* name;
    const char* item;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers = Qt::ControlModifier;
};

void PrintTo(const DisabledItemKey& c, std::ostream* os) { *os << c.name; }

const DisabledItemKey kDisabledItemKeys[] = {
    {"EditUndo", "EditUndo", Qt::Key_Z},
    {"EditCut", "EditCut", Qt::Key_X},
    {"EditCopy", "EditCopy", Qt::Key_C},
    {"EditPaste", "EditPaste", Qt::Key_V},
    {"EditSelectAll", "EditSelectAll", Qt::Key_A},
    {"EditCutWithShiftDelete", "EditCut", Qt::Key_Delete, Qt::ShiftModifier},
    {"EditCopyWithCtrlInsert", "EditCopy", Qt::Key_Insert},
    {"EditPasteWithShiftInsert", "EditPaste", Qt::Key_Insert, Qt::ShiftModifier},
};

class DisabledItemKeys : public EditCommands, public ::testing::WithParamInterface<DisabledItemKey> {};

// The field does not carry out the key itself behind the menu's back.
TEST_P(DisabledItemKeys, DoNothingInTheField)
{
    int handled = 0;
    app->AddMenuHandler(GetParam().item, [&] {
        ++handled;
        return false;
    });
    barItem(GetParam().item)->SetAutoEnable(false);
    barItem(GetParam().item)->SetEnabled(false);
    type("12345");
    field->setSelection(1, 3);
    QApplication::clipboard()->setText("9");

    QTest::keyClick(field, GetParam().key, GetParam().modifiers);

    EXPECT_EQ(handled, 0);
    EXPECT_EQ(field->text(), "12345");
    EXPECT_EQ(field->selectedText(), "234");
    EXPECT_EQ(QApplication::clipboard()->text(), "9");
}

INSTANTIATE_TEST_SUITE_P(Items, DisabledItemKeys, ::testing::ValuesIn(kDisabledItemKeys), [](const auto& info) {
    return std::string(info.param.name);
});

// --- Clear ---------------------------------------------------------------------

struct ClearRoute {
    const char* name;
    std::function<void(const std::shared_ptr<Window1>& w)> clear;
};

void PrintTo(const ClearRoute& r, std::ostream* os) { *os << r.name; }

class ClearRemovesOnlyTheSelection : public EditCommands, public ::testing::WithParamInterface<ClearRoute> {};

// Enabled whatever the selection, Clear's own rule is what is tested.
TEST_P(ClearRemovesOnlyTheSelection, AndNothingWithoutOne)
{
    barItem("EditClear")->SetAutoEnable(false);
    barItem("EditClear")->SetEnabled(true);
    type("12345");

    QTest::keyClick(field, Qt::Key_Home);
    GetParam().clear(w);
    EXPECT_EQ(field->text().toStdString(), "12345") << "with the caret at the start";
    QTest::keyClick(field, Qt::Key_End);
    GetParam().clear(w);
    EXPECT_EQ(field->text().toStdString(), "12345") << "with the caret at the end";

    field->setSelection(1, 2);
    GetParam().clear(w);
    EXPECT_EQ(field->text().toStdString(), "145");
}

const ClearRoute kClearRoutes[] = {
    {"TheMenuBar",
     [](const std::shared_ptr<Window1>& w) {
         QAction* clear = drawn(*w, "EditClear");
         ASSERT_NE(clear, nullptr);
         clear->trigger();
     }},
    {"TheContextualMenu",
     [](const std::shared_ptr<Window1>& w) {
         contextualClick(road::field(*w),
                         [](const std::shared_ptr<MenuItem>& copy) { return copy->Lookup("EditClear"); });
     }},
    {"TheContextualMenuFromTheKeyboard",
     [](const std::shared_ptr<Window1>& w) {
         contextualClick(
             road::field(*w),
             [](const std::shared_ptr<MenuItem>& copy) { return copy->Lookup("EditClear"); },
             kContextualRoutes[1]);
     }},
    {"TheField", [](const std::shared_ptr<Window1>& w) { NotNil(w->EditField1())->Clear(); }},
};

INSTANTIATE_TEST_SUITE_P(Routes, ClearRemovesOnlyTheSelection, ::testing::ValuesIn(kClearRoutes), [](const auto& info) {
    return std::string(info.param.name);
});

// The field's contextual menu offers one entry; `offered` counts the menus.
void offerOneEntry(TextField& field, const char* name, int& offered)
{
    field.ConstructContextualMenu = [name, &offered](const std::shared_ptr<TextField>&,
                                                     const std::shared_ptr<MenuItem>& base,
                                                     std::int64_t,
                                                     std::int64_t) {
        ++offered;
        auto entry = std::make_shared<MenuItem>();
        entry->Constructor();
        entry->SetName(name);
        entry->SetText(name);
        base->Append(entry);
        return true;
    };
}

// The right click, then the context menu event the platform makes of it.
void rightClickWithMenuEvent(QLineEdit* edit)
{
    const QPoint at = edit->rect().center();
    QTest::mouseClick(edit, Qt::RightButton, {}, at);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, edit->mapToGlobal(at));
    QApplication::sendEvent(edit, &menuEvent);
}

// --- Wherever the field is ----------------------------------------------------

struct FieldPlace {
    const char* name;
    std::function<void(BareWindow& window)> arrange;
};

void PrintTo(const FieldPlace& p, std::ostream* os) { *os << p.name; }

class FieldKeys : public AppUiTest, public ::testing::WithParamInterface<FieldPlace> {};

// Through a menu that answers the keys or by the field itself, the standard
// Edit keys work in a text field of any window.
TEST_P(FieldKeys, SelectAllCopyAndPaste)
{
    auto window = std::make_shared<BareWindow>();
    window->Constructor();
    GetParam().arrange(*window);
    auto control = addField(*window);
    auto* edit = qobject_cast<QLineEdit*>(control->widget());
    ASSERT_NE(edit, nullptr);
    window->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    edit->setFocus();
    QApplication::clipboard()->clear();
    QTest::keyClicks(edit, "12345");

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "12345");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "12345");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "1234512345");
    QApplication::clipboard()->clear();
}

const FieldPlace kFieldPlaces[] = {
    {"WithoutAnyMenuBar", [](BareWindow&) { RegisterAppObject(nullptr); }},
    {"UnderTheApplicationsBar", [](BareWindow&) {}},
    {"UnderABarOfItsOwn", [](BareWindow& w) { w.SetMenuBar(MenuBar1::implicitInstance()); }},
    {"UnderABarOfItsOwnThatIsHidden",
     [](BareWindow& w) {
         w.SetMenuBar(MenuBar1::implicitInstance());
         w.SetProperties(PropertyList({{"MenuBarVisible", false}}));
     }},
};

INSTANTIATE_TEST_SUITE_P(Windows, FieldKeys, ::testing::ValuesIn(kFieldPlaces), [](const auto& info) {
    return std::string(info.param.name);
});

// --- A contextual menu of the field's own ---------------------------------------

// The field's ConstructContextualMenu offers Paste and asks for the menu: the
// chosen entry's command runs once, not once by the pop-up and again by the
// field.
class FieldsOwnMenu : public UiTest {};

TEST_F(FieldsOwnMenu, APasteChosenInItActsOnce)
{
    auto window = std::make_shared<BareWindow>();
    window->Constructor();
    auto control = addField(*window);
    int offered = 0;
    offerOneEntry(*control, "EditPaste", offered);
    MenuItem::SetPopUpChooserForTesting([](const std::shared_ptr<MenuItem>& menu) { return menu->Child("EditPaste"); });
    auto* edit = qobject_cast<QLineEdit*>(control->widget());
    ASSERT_NE(edit, nullptr);
    window->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window->widget()));
    edit->setFocus();
    QApplication::clipboard()->setText("7");

    rightClickWithMenuEvent(edit);
    MenuItem::SetPopUpChooserForTesting(nullptr);
    QApplication::clipboard()->clear();

    EXPECT_EQ(offered, 1);
    EXPECT_EQ(edit->text(), "7");
}

// --- A contextual click the field's MouseDown takes ------------------------------

// Some platforms (X11) make a contextual menu event of the Menu key
// themselves, just before the key.
void menuKeyAfterThePlatformsEvent(QLineEdit* edit)
{
    edit->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(edit->window()));
    edit->setFocus();
    const QPoint caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent platforms(QContextMenuEvent::Keyboard, caret, edit->mapToGlobal(caret));
    QSpontaneKeyEvent::setSpontaneous(&platforms);
    qApp->notify(edit, &platforms); // sendEvent would take the mark off
    QTest::keyClick(edit, Qt::Key_Menu);
}

struct ContextualClickCase {
    const char* name;
    bool mouseDownHandles;
    int menusConstructed;
    void (*ask)(QLineEdit* edit) = rightClickWithMenuEvent;
};

void PrintTo(const ContextualClickCase& c, std::ostream* os) { *os << c.name; }

const ContextualClickCase kContextualClickCases[] = {
    {"HandledByMouseDown", true, 0},
    {"LeftToTheField", false, 1},
    // The key stands for a contextual click at the caret.
    {"MenuKeyHandledByMouseDown", true, 0, menuKeyAfterThePlatformsEvent},
    {"MenuKeyLeftToTheField", false, 1, menuKeyAfterThePlatformsEvent},
};

class ContextualClick : public UiTest, public ::testing::WithParamInterface<ContextualClickCase> {};

// A click that MouseDown handled has had its answer: the context menu event
// the platform makes of it shows no second menu. So with the Menu key.
TEST_P(ContextualClick, ShowsOneMenuAtMost)
{
    auto window = std::make_shared<BareWindow>();
    window->Constructor();
    auto control = addField(*window);
    const bool handles = GetParam().mouseDownHandles;
    control->MouseDown = [handles](const std::shared_ptr<TextField>&, std::int64_t, std::int64_t) {
        return handles && IsContextualClick();
    };
    int constructed = 0;
    offerOneEntry(*control, "EditSelectAll", constructed);
    int popped = 0;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>&) {
        ++popped;
        return nullptr;
    });
    auto* edit = qobject_cast<QLineEdit*>(control->widget());
    ASSERT_NE(edit, nullptr);

    ASSERT_NO_FATAL_FAILURE(GetParam().ask(edit));
    MenuItem::SetPopUpChooserForTesting(nullptr);

    EXPECT_EQ(constructed, GetParam().menusConstructed);
    EXPECT_EQ(popped, GetParam().menusConstructed);
}

INSTANTIATE_TEST_SUITE_P(Clicks, ContextualClick, ::testing::ValuesIn(kContextualClickCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- A number pasted with blanks ------------------------------------------------

// Copied with blanks between its groups, a tab or a line end, a number goes
// into the masked field whole; what does not fit the mask without its blanks
// is refused whole.

struct PasteRoute {
    const char* name;
    void (*paste)(EditCommands& test);
};

void PrintTo(const PasteRoute& r, std::ostream* os) { *os << r.name; }

// A test of two tables is named for its rows of both.
const auto namesOfBoth = [](const auto& info) {
    return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
};

const PasteRoute kPasteRoutes[] = {
    {"EditMenu", [](EditCommands& t) { t.pasteFromTheEditMenu(); }},
    {"CtrlV", [](EditCommands& t) { t.key(Qt::Key_V, Qt::ControlModifier); }},
    {"ShiftInsert", [](EditCommands& t) { t.key(Qt::Key_Insert, Qt::ShiftModifier); }},
};

class PasteWithBlanks : public EditCommands, public ::testing::WithParamInterface<std::tuple<PasteRoute, PasteCase>> {};

TEST_P(PasteWithBlanks, DropsThemAndRefusesWhatStillDoesNotFit)
{
    const auto& [route, c] = GetParam();
    type(c.typed);
    ASSERT_EQ(field->text().toStdString(), c.typed);
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    ASSERT_NO_FATAL_FAILURE(route.paste(*this));
    EXPECT_EQ(field->text().toStdString(), c.text);
    EXPECT_EQ(w->EditField1()->Text(), c.text);
    // The copy on the clipboard is left as it was.
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), c.pasted);
}

INSTANTIATE_TEST_SUITE_P(FirstSeries,
                         PasteWithBlanks,
                         ::testing::Combine(::testing::ValuesIn(kPasteRoutes), ::testing::ValuesIn(kPasteCases)),
                         namesOfBoth);

// A paste replaces the selection with what is left once its blanks are
// dropped: blanks alone delete the selection, as an empty paste would.

struct OverSelectionCase {
    const char* name;
    const char* typed;
    int selectFrom, selectLength;
    const char* pasted;
    const char* text; // the field afterwards, the caret where the selection began
};

void PrintTo(const OverSelectionCase& c, std::ostream* os) { *os << c.name; }

const OverSelectionCase kOverSelectionCases[] = {
    {"BlanksDeleteIt", "12345", 2, 2, " \t ", "125"},
    {"NoBreakSpacesDeleteIt", "12345", 2, 2, "\u00A0\u202F", "125"},
    {"LineEndDeletesTheWholeText", "12345", 0, 5, "\r\n", ""},
};

class PasteOverSelection : public EditCommands,
                           public ::testing::WithParamInterface<std::tuple<PasteRoute, OverSelectionCase>> {};

TEST_P(PasteOverSelection, ReplacesItWithWhatIsLeft)
{
    const auto& [route, c] = GetParam();
    type(c.typed);
    field->setSelection(c.selectFrom, c.selectLength);
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    ASSERT_NO_FATAL_FAILURE(route.paste(*this));
    EXPECT_EQ(field->text().toStdString(), c.text);
    EXPECT_EQ(w->EditField1()->Text(), c.text);
    EXPECT_FALSE(field->hasSelectedText());
    EXPECT_EQ(field->cursorPosition(), c.selectFrom);
}

INSTANTIATE_TEST_SUITE_P(FirstSeries,
                         PasteOverSelection,
                         ::testing::Combine(::testing::ValuesIn(kPasteRoutes),
                                            ::testing::ValuesIn(kOverSelectionCases)),
                         namesOfBoth);

// --- Undo after a paste ----------------------------------------------------------

// Undo after a paste gives the field as it was right before the paste: its
// text, caret and selection, however the field came to be so.

struct KeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

struct UndoSituation {
    const char* name;
    const char* typed;
    std::vector<KeyPress> keys; // pressed after typing
};

void PrintTo(const UndoSituation& s, std::ostream* os) { *os << s.name; }

const KeyPress kSelectAll{Qt::Key_A, Qt::ControlModifier};
const KeyPress kLeft{Qt::Key_Left, Qt::NoModifier};
const KeyPress kShiftLeft{Qt::Key_Left, Qt::ShiftModifier};

const UndoSituation kUndoSituations[] = {
    {"EmptyAfterDeletingTheSelection", "99", {kSelectAll, {Qt::Key_Delete, Qt::NoModifier}}},
    {"EmptyAfterBackspacingTheSelection", "99", {kSelectAll, {Qt::Key_Backspace, Qt::NoModifier}}},
    {"EmptyAfterCuttingTheSelection", "99", {kSelectAll, {Qt::Key_X, Qt::ControlModifier}}},
    {"EmptyAfterBackspacingEachDigit",
     "99",
     {{Qt::Key_Backspace, Qt::NoModifier}, {Qt::Key_Backspace, Qt::NoModifier}}},
    {"CaretAtTheEnd", "2073", {}},
    {"CaretInside", "2073", {kLeft, kLeft}},
    {"CaretAtTheStart", "2073", {{Qt::Key_Home, Qt::NoModifier}}},
    {"PartSelected", "20731", {kShiftLeft, kShiftLeft}},
    {"AllSelected", "2073", {kSelectAll}},
};

struct UndonePaste {
    const char* name;
    const char* pasted;
};

void PrintTo(const UndonePaste& p, std::ostream* os) { *os << p.name; }

const UndonePaste kUndonePastes[] = {
    {"WithBlanks", " 18 46 "},
    {"WithNoBreakSpaces", "18\u00A046"},
    {"WithoutBlanks", "1846"},
};

class UndoAfterPaste : public EditCommands,
                       public ::testing::WithParamInterface<std::tuple<UndoSituation, UndonePaste>> {};

TEST_P(UndoAfterPaste, GivesTheFieldAsItWasRightBeforeIt)
{
    const auto& [situation, paste] = GetParam();
    type(situation.typed);
    for (const KeyPress& k : situation.keys)
        key(k.key, k.modifiers);
    const std::string text = field->text().toStdString();
    const std::string selected = field->selectedText().toStdString();
    const int caret = field->cursorPosition();
    QApplication::clipboard()->setText(QString::fromUtf8(paste.pasted));

    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_NE(field->text().toStdString(), text) << "the paste went in";
    key(Qt::Key_Z, Qt::ControlModifier);

    EXPECT_EQ(field->text().toStdString(), text);
    EXPECT_EQ(w->EditField1()->Text(), text);
    EXPECT_EQ(field->selectedText().toStdString(), selected);
    EXPECT_EQ(field->cursorPosition(), caret);
}

INSTANTIATE_TEST_SUITE_P(FirstSeries,
                         UndoAfterPaste,
                         ::testing::Combine(::testing::ValuesIn(kUndoSituations), ::testing::ValuesIn(kUndonePastes)),
                         namesOfBoth);

// The steps around a paste that finds or leaves the field empty stay steps
// of their own: the edit that emptied it, and what is typed after.

struct UndoStepsCase {
    const char* name;
    const char* typed;
    std::vector<KeyPress> keys; // pressed after typing
    const char* pasted;
    const char* typedAfter;
    std::vector<const char*> undone; // the field after each Ctrl+Z in turn
};

void PrintTo(const UndoStepsCase& c, std::ostream* os) { *os << c.name; }

const UndoStepsCase kUndoStepsCases[] = {
    {"PasteIntoAFieldJustEmptied",
     "99",
     {kSelectAll, {Qt::Key_Delete, Qt::NoModifier}},
     " 2073 1846 957",
     "",
     {"", "99"}},
    {"TypingAfterBlanksPastedOverTheWholeText", "99", {kSelectAll}, "\r\n", "7", {"", "99"}},
};

class UndoSteps : public EditCommands, public ::testing::WithParamInterface<UndoStepsCase> {};

TEST_P(UndoSteps, TakeBackOneEditEach)
{
    const UndoStepsCase& c = GetParam();
    type(c.typed);
    for (const KeyPress& k : c.keys)
        key(k.key, k.modifiers);
    QApplication::clipboard()->setText(QString::fromUtf8(c.pasted));
    key(Qt::Key_V, Qt::ControlModifier);
    type(c.typedAfter);
    for (std::size_t i = 0; i < c.undone.size(); ++i) {
        key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(field->text().toStdString(), c.undone[i]) << "after Undo " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(FirstSeries, UndoSteps, ::testing::ValuesIn(kUndoStepsCases), [](const auto& info) {
    return std::string(info.param.name);
});

// Undo takes back the paste alone, not the digits typed before it, and the
// digits typed after it are a step of their own.
TEST_F(EditCommands, UndoTakesBackAPasteWithBlanksAlone)
{
    type("2073");
    QApplication::clipboard()->setText(" 1846 ");
    key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(field->text().toStdString(), "20731846");
    type("957");
    ASSERT_EQ(field->text().toStdString(), "20731846957");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), "20731846");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), "2073");
}

TEST_F(EditCommands, APasteWithBlanksReplacesTheSelection)
{
    type("99999");
    field->setSelection(1, 3);
    QApplication::clipboard()->setText("12 3");
    key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field->text().toStdString(), "91239");
}

} // namespace
