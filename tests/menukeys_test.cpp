// The menus reached from the keyboard: the mnemonics a drawn bar gives its
// titles and entries, Alt+letter and F10 opening a menu in both languages,
// the arrows, Return and Escape inside it, the Edit menu so opened working on
// the field and its selection as when its title is clicked, and an Alt+letter
// that no menu takes doing nothing in the pop-up or the field.

#include "app_fixture.h"
#include "bare_window.h"
#include "checkwindow_road.h"
#include "edit_situations.h"
#include "named_key.h"
#include "three_windows.h"

#include "exceptions.h"
#include "localize.h"
#include "menu.h"
#include "menu_text.h"
#include "menubar1.h"
#include "private/mnemonics.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace corvanta;

namespace {

// --- Choosing the letters ---------------------------------------------------

struct MnemonicCase {
    const char* name;
    std::vector<QString> texts;
    const char* shown; // the texts as drawn, joined by "|"
};

void PrintTo(const MnemonicCase& c, std::ostream* os) { *os << c.name; }

const MnemonicCase kMnemonicCases[] = {
    {"EnglishBar", {"File", "Edit", "Window", "Help"}, "&File|&Edit|&Window|&Help"},
    {"ItalianBar", {"File", "Modifica", "Finestra", "Aiuto"}, "&File|&Modifica|F&inestra|&Aiuto"},
    {"EditMenuWithSeparators",
     {"Undo", "", "Cut", "Copy", "Paste", "Clear", "", "Select all"},
     "&Undo||&Cut|C&opy|&Paste|C&lear||&Select all"},
    {"CaseDoesNotMakeALetterFree", {"abc", "ABC"}, "&abc|A&BC"},
    {"EveryLetterTaken", {"ab", "ba", "a"}, "&ab|&ba|a"},
    {"ALiteralAmpersandIsDoubled", {"Save & Test", "& more"}, "&Save && Test|&& &more"},
    {"AnOpeningDigitIsPassedOver", {"1 Series", "2 Series"}, "1 &Series|2 S&eries"},
};

class Mnemonics : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(Mnemonics, FirstFreeLetterOfEachText)
{
    const std::vector<int> positions = MnemonicPositions(GetParam().texts);
    ASSERT_EQ(positions.size(), GetParam().texts.size());
    QStringList shown;
    for (std::size_t i = 0; i < positions.size(); ++i)
        shown << ShownMenuText(GetParam().texts[i], positions[i]);
    EXPECT_EQ(shown.join(u'|').toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Texts, Mnemonics, ::testing::ValuesIn(kMnemonicCases), [](const auto& info) {
    return std::string(info.param.name);
});

// --- The application's bar, from the keyboard -----------------------------------

struct Language {
    const char* code;
    const char* localization; // what the texts come in
    const char* drawnTitles;  // the bar's titles as drawn, joined by "|"
    std::vector<std::string> titles;
    // A letter that opens each title, in order.
    std::vector<Qt::Key> letters;
    // A title whose letter the second-series pop-up has a row for.
    std::size_t titleWithALetterRow;
};

void PrintTo(const Language& l, std::ostream* os) { *os << l.code; }

const Language kLanguages[] = {
    {"zz",
     "en",
     "&File|&Edit|&Window|&Help",
     {"File", "Edit", "Window", "Help"},
     {Qt::Key_F, Qt::Key_E, Qt::Key_W, Qt::Key_H},
     2},
    {"it",
     "it",
     "&File|&Modifica|F&inestra|&Aiuto",
     {"File", "Modifica", "Finestra", "Aiuto"},
     {Qt::Key_F, Qt::Key_M, Qt::Key_I, Qt::Key_A},
     1},
};

QMenuBar* barOf(const Window& w) { return w.widget()->findChild<QMenuBar*>(); }

// The title of the menu open now, "" when none is.
std::string openMenu()
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    return menu ? shownText(menu->menuAction()).toStdString() : std::string();
}

// A key pressed where the keyboard is now.
void press(const Window& w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget();
    QTest::keyClick(target ? target : w.widget(), key, modifiers);
}

void pressInMenu(Qt::Key key)
{
    QWidget* popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr) << "no menu is open";
    QTest::keyClick(popup, key);
}

// Each language runs in a process of its own (one test per ctest run), as
// the shared bar is built once, in the language of its time.
class MenuKeys : public AppUiTest, public ::testing::WithParamInterface<Language> {
protected:
    std::string language() const override { return GetParam().code; }

    void SetUp() override
    {
        AppUiTest::SetUp();
        ASSERT_EQ(Localize::Language(), GetParam().localization);
    }

    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        AppUiTest::TearDown();
    }

    template <class W>
    std::shared_ptr<W> open()
    {
        auto w = W::implicitInstance();
        EXPECT_NE(w, nullptr);
        w->widget()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(w->widget()));
        return w;
    }
};

TEST_P(MenuKeys, EveryTitleAndEntryHasItsOwnLetterAndTheModelKeepsItsTexts)
{
    auto w = open<Window1>();
    QMenuBar* bar = barOf(*w);
    ASSERT_NE(bar, nullptr);
    QStringList titles;
    for (QAction* title : bar->actions()) {
        titles << title->text();
        std::set<int> letters;
        for (QAction* entry : title->menu()->actions()) {
            if (entry->isSeparator())
                continue;
            const QKeySequence letter = QKeySequence::mnemonic(entry->text());
            EXPECT_FALSE(letter.isEmpty()) << entry->text().toStdString();
            EXPECT_TRUE(letters.insert(letter[0].toCombined()).second) << entry->text().toStdString();
        }
    }
    EXPECT_EQ(titles.join(u'|').toStdString(), GetParam().drawnTitles);
    for (std::size_t i = 0; i < GetParam().titles.size(); ++i)
        EXPECT_EQ(MenuBar1::implicitInstance()->Item(static_cast<std::int64_t>(i))->Text(), GetParam().titles[i]);
}

TEST_P(MenuKeys, AltAndTheLetterOpensEachMenu)
{
    auto w = open<Window1>();
    for (std::size_t i = 0; i < GetParam().letters.size(); ++i) {
        press(*w, GetParam().letters[i], Qt::AltModifier);
        EXPECT_EQ(openMenu(), GetParam().titles[i]);
        pressInMenu(Qt::Key_Escape);
        EXPECT_EQ(openMenu(), "");
    }
}

TEST_P(MenuKeys, F10OpensTheFirstMenuAndEscapeClosesIt)
{
    auto w = open<Window1>();
    press(*w, Qt::Key_F10);
    EXPECT_EQ(openMenu(), GetParam().titles[0]);
    pressInMenu(Qt::Key_Escape);
    EXPECT_EQ(openMenu(), "");
    EXPECT_TRUE(w->IsOpen());
}

TEST_P(MenuKeys, ArrowsMoveThroughTheBarAndReturnChooses)
{
    auto w = open<Window1>();
    press(*w, Qt::Key_F, Qt::AltModifier);
    ASSERT_EQ(openMenu(), GetParam().titles[0]);
    pressInMenu(Qt::Key_Right);
    EXPECT_EQ(openMenu(), GetParam().titles[1]);
    pressInMenu(Qt::Key_Right);
    ASSERT_EQ(openMenu(), GetParam().titles[2]);

    // Down to the second-series entry of the Window menu, then Return.
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    const QString second = QString::fromStdString(Localize::kSecSer());
    for (int steps = 0; steps < 4 && !(menu->activeAction() && shownText(menu->activeAction()) == second); ++steps)
        pressInMenu(Qt::Key_Down);
    ASSERT_NE(menu->activeAction(), nullptr);
    ASSERT_EQ(shownText(menu->activeAction()), second);
    pressInMenu(Qt::Key_Return);

    EXPECT_EQ(openMenu(), "");
    auto secondWindow = Window::ImplicitWindow("Window2.Window2");
    ASSERT_NE(secondWindow, nullptr) << "Return did not choose the entry";
    EXPECT_EQ(Window::At(0), secondWindow);
}

// A menu's letter in the second-series window, whose pop-up holds a row for
// that letter too (W in English, M in Italian): the menu opens and the pop-up
// keeps its row.
TEST_P(MenuKeys, AMenusLetterLeavesThePopUpsRow)
{
    auto w = open<Window2>();
    QComboBox* combo = road::combo(*w);
    ASSERT_NE(combo, nullptr);
    const std::size_t title = GetParam().titleWithALetterRow;
    const QString letter = QKeySequence(GetParam().letters[title]).toString();
    ASSERT_GE(combo->findText(letter, Qt::MatchExactly), 0) << "the pop-up has no row " << letter.toStdString();
    combo->setFocus();
    road::chooseRow(*w, "S");
    const int row = combo->currentIndex();

    press(*w, GetParam().letters[title], Qt::AltModifier);
    EXPECT_EQ(openMenu(), GetParam().titles[title]);
    pressInMenu(Qt::Key_Escape);
    EXPECT_EQ(combo->currentIndex(), row);
}

// A letter that no title takes in either language.
TEST_P(MenuKeys, AnAltLetterNoMenuTakesDoesNothing)
{
    auto w = open<Window2>();
    QComboBox* combo = road::combo(*w);
    QLineEdit* field = road::field(*w);
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(field, nullptr);
    combo->setFocus();
    road::chooseRow(*w, "S");
    const int row = combo->currentIndex();
    press(*w, Qt::Key_Z, Qt::AltModifier);
    EXPECT_EQ(openMenu(), "");
    EXPECT_EQ(combo->currentIndex(), row) << "the pop-up picked a row by the letter";

    // Empty, the field's first place admits a letter; after "X12" only digits.
    field->setFocus();
    press(*w, Qt::Key_Z, Qt::AltModifier);
    press(*w, Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(openMenu(), "");
    EXPECT_EQ(field->text(), "") << "the letter was typed into the empty field";
    QTest::keyClicks(field, "X12");
    press(*w, Qt::Key_Z, Qt::AltModifier);
    press(*w, Qt::Key_Z, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_EQ(openMenu(), "");
    EXPECT_EQ(field->text(), "X12") << "the letter was typed into the field";
}

// Escape in a menu leaves its title lit in the bar, which takes the keys
// (and the focus) until a second Escape: the field keeps its selection for
// the Edit items all along.
TEST_P(MenuKeys, EscapeBackToTheBarKeepsTheSelectionForTheEditItems)
{
    auto w = open<Window1>();
    QLineEdit* field = road::field(*w);
    ASSERT_NE(field, nullptr);
    field->setFocus();
    QTest::keyClicks(field, "12345");
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    ASSERT_EQ(field->selectedText(), "12345");

    press(*w, GetParam().letters[1], Qt::AltModifier);
    ASSERT_EQ(openMenu(), GetParam().titles[1]);
    pressInMenu(Qt::Key_Escape);
    EXPECT_EQ(openMenu(), "");
    EXPECT_EQ(field->selectedText(), "12345");

    // Down opens the lit title again.
    press(*w, Qt::Key_Down);
    ASSERT_EQ(openMenu(), GetParam().titles[1]);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    const QString cut = QString::fromStdString(Localize::kTaglia());
    QAction* entry = nullptr;
    for (QAction* a : menu->actions())
        if (shownText(a) == cut)
            entry = a;
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled());
    pressInMenu(Qt::Key_Escape);
    press(*w, Qt::Key_Escape);

    EXPECT_EQ(openMenu(), "");
    EXPECT_EQ(QApplication::focusWidget(), field);
    EXPECT_EQ(field->selectedText(), "12345");
}

INSTANTIATE_TEST_SUITE_P(Languages, MenuKeys, ::testing::ValuesIn(kLanguages), [](const auto& info) {
    return std::string(info.param.code);
});

// --- The Edit menu, however it is opened -------------------------------------------

struct OpenRoute {
    const char* name;
    // Opens the Edit menu, the second title, of the window's bar.
    void (*open)(const Window& w, const Language& language);
};

void PrintTo(const OpenRoute& r, std::ostream* os) { *os << r.name; }

const OpenRoute kEditMenuRoutes[] = {
    {"ClickOnTheTitle",
     [](const Window& w, const Language&) {
         QMenuBar* bar = barOf(w);
         ASSERT_NE(bar, nullptr);
         QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(1)).center());
     }},
    {"AltAndTheLetter", [](const Window& w, const Language& l) { press(w, l.letters[1], Qt::AltModifier); }},
    {"F10ThenRight",
     [](const Window& w, const Language&) {
         press(w, Qt::Key_F10);
         pressInMenu(Qt::Key_Right);
     }},
};

const threewindows::Which kCheckWindows[] = {threewindows::Which::FirstSeries, threewindows::Which::SecondSeries};

std::string partName(const Language& l) { return l.code; }
std::string partName(threewindows::Which which) { return threewindows::nameOf(which); }
template <class Part>
std::string partName(const Part& part)
{
    return part.name;
}

// A test's name made of its parameters' names.
template <class... Parts>
std::string joinedName(const ::testing::TestParamInfo<std::tuple<Parts...>>& info)
{
    std::string name;
    std::apply([&](const auto&... parts) { ((name += (name.empty() ? "" : "_") + partName(parts)), ...); }, info.param);
    return name;
}

// A check window in front, in the test's language, with the focus in its
// number field and nothing on the clipboard.
template <class... Rest>
class InACheckWindow : public AppUiTest,
                       public ::testing::WithParamInterface<std::tuple<Language, threewindows::Which, Rest...>> {
protected:
    const Language& lang() const { return std::get<0>(this->GetParam()); }
    threewindows::Which which() const { return std::get<1>(this->GetParam()); }
    std::string language() const override { return lang().code; }

    void SetUp() override
    {
        AppUiTest::SetUp();
        ASSERT_EQ(Localize::Language(), lang().localization);
        QApplication::clipboard()->clear();
        w = threewindows::open(which(), *app);
        ASSERT_NE(w, nullptr);
        field = road::focusNumber(*w);
        ASSERT_NE(field, nullptr);
    }

    void TearDown() override
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        AppUiTest::TearDown();
        QApplication::clipboard()->clear();
    }

    std::shared_ptr<Window> w;
    QLineEdit* field = nullptr;
};

// The Edit menu, opened by a route, in a situation.
template <class Situation>
class EditMenu : public InACheckWindow<OpenRoute, Situation> {
protected:
    const OpenRoute& route() const { return std::get<2>(this->GetParam()); }
    const Situation& situation() const { return std::get<3>(this->GetParam()); }

    // Opens the Edit menu by the test's route; the menu, or nil.
    QMenu* openEdit()
    {
        route().open(*this->w, this->lang());
        const std::string title = this->lang().titles[1];
        EXPECT_EQ(openMenu(), title);
        return openMenu() == title ? qobject_cast<QMenu*>(QApplication::activePopupWidget()) : nullptr;
    }

    // The open menu's entry of the item.
    static QAction* entryOf(QMenu* menu, const char* name)
    {
        const QString text = QString::fromStdString(NotNil(MenuBar1::implicitInstance()->Lookup(name), name)->Text());
        for (QAction* entry : menu->actions())
            if (shownText(entry) == text)
                return entry;
        ADD_FAILURE() << "no entry " << name;
        return nullptr;
    }
};

using EditItemsAsTheMenuOpens = EditMenu<EnableCase>;

// However the menu is opened, the focus and the selection stay where they
// were and the enabling pass, the program's part included, works on them.
TEST_P(EditItemsAsTheMenuOpens, FollowTheFieldThatHasTheFocus)
{
    ASSERT_NO_FATAL_FAILURE(situation().arrange(field, *w, app));
    QWidget* focus = QApplication::focusWidget();
    const QString selected = field->selectedText();

    QMenu* menu = openEdit();
    ASSERT_NE(menu, nullptr);

    EXPECT_EQ(QApplication::focusWidget(), focus);
    EXPECT_EQ(field->selectedText(), selected);
    for (std::size_t i = 0; i < std::size(kEditItems); ++i) {
        QAction* entry = entryOf(menu, kEditItems[i]);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->isEnabled(), situation().enabled[i]) << kEditItems[i];
    }
    const bool first = which() == threewindows::Which::FirstSeries;
    EXPECT_EQ(MenuBar1::implicitInstance()->Lookup("FinestraPrimaSerie")->Checked(), first);
    EXPECT_EQ(MenuBar1::implicitInstance()->Lookup("FinestraSecondaSerie")->Checked(), !first);
}

INSTANTIATE_TEST_SUITE_P(Routes,
                         EditItemsAsTheMenuOpens,
                         ::testing::Combine(::testing::ValuesIn(kLanguages),
                                            ::testing::ValuesIn(kCheckWindows),
                                            ::testing::ValuesIn(kEditMenuRoutes),
                                            ::testing::ValuesIn(enableCasesWhere([](const EnableCase& c) {
                                                return c.checkWindowInFront;
                                            }))),
                         [](const auto& info) { return joinedName(info); });

// What each Edit item, chosen in the open menu, does to a number whose
// places 1 to 3 are selected, with "9" on the clipboard.
struct Outcome {
    QString text, clipboard, selected;
};

struct EditChoice {
    const char* name;
    const char* item;
    Outcome (*after)(const QString& number);
};

void PrintTo(const EditChoice& c, std::ostream* os) { *os << c.name; }

const EditChoice kEditChoices[] = {
    {"Undo",
     "EditUndo",
     [](const QString&) {
         return Outcome{"", "9", ""};
     }},
    {"Cut",
     "EditCut",
     [](const QString& n) {
         return Outcome{QString(n).remove(1, 3), n.mid(1, 3), ""};
     }},
    {"Copy",
     "EditCopy",
     [](const QString& n) {
         return Outcome{n, n.mid(1, 3), n.mid(1, 3)};
     }},
    {"Paste",
     "EditPaste",
     [](const QString& n) {
         return Outcome{QString(n).replace(1, 3, "9"), "9", ""};
     }},
    {"Clear",
     "EditClear",
     [](const QString& n) {
         return Outcome{QString(n).remove(1, 3), "9", ""};
     }},
    {"SelectAll",
     "EditSelectAll",
     [](const QString& n) {
         return Outcome{n, "9", n};
     }},
};

using EditItemsChosen = EditMenu<EditChoice>;

TEST_P(EditItemsChosen, ActOnTheSelection)
{
    const QString number = aNumberFor(*w);
    QTest::keyClicks(field, number);
    field->setSelection(1, 3);
    QApplication::clipboard()->setText("9");

    QMenu* menu = openEdit();
    ASSERT_NE(menu, nullptr);
    QAction* entry = entryOf(menu, situation().item);
    ASSERT_NE(entry, nullptr);
    ASSERT_TRUE(entry->isEnabled());
    if (route().open == kEditMenuRoutes[0].open) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(entry).center());
    } else {
        for (int steps = 0; steps < 10 && menu->activeAction() != entry; ++steps)
            pressInMenu(Qt::Key_Down);
        ASSERT_EQ(menu->activeAction(), entry);
        pressInMenu(Qt::Key_Return);
    }

    EXPECT_EQ(openMenu(), "");
    const Outcome expected = situation().after(number);
    EXPECT_EQ(field->text(), expected.text);
    EXPECT_EQ(QApplication::clipboard()->text(), expected.clipboard);
    EXPECT_EQ(field->selectedText(), expected.selected);
    EXPECT_EQ(QApplication::focusWidget(), field);
}

INSTANTIATE_TEST_SUITE_P(Routes,
                         EditItemsChosen,
                         ::testing::Combine(::testing::ValuesIn(kLanguages),
                                            ::testing::ValuesIn(kCheckWindows),
                                            ::testing::ValuesIn(kEditMenuRoutes),
                                            ::testing::ValuesIn(kEditChoices)),
                         [](const auto& info) { return joinedName(info); });

// --- The field's contextual menu from the keyboard -----------------------------------

const NamedKey kContextualKeys[] = {
    {"ShiftF10", Qt::Key_F10, Qt::ShiftModifier},
    {"MenuKey", Qt::Key_Menu, Qt::NoModifier},
};

// What the contextual menu showed while it was open.
struct PoppedUp {
    bool shown = false;
    QPoint at;
    QStringList texts;
};

class ContextualMenuKeys : public InACheckWindow<NamedKey> {
protected:
    const NamedKey& key() const { return std::get<2>(GetParam()); }

    // The entries of the bar's Edit menu as drawn.
    QList<QAction*> barsEditEntries() const { return barOf(*w)->actions().at(1)->menu()->actions(); }
};

QStringList textsOf(const QList<QAction*>& entries)
{
    QStringList texts;
    for (QAction* entry : entries)
        if (!entry->isSeparator())
            texts << entry->text();
    return texts;
}

// The copy of the Edit menu a right click pops up, at the caret, its entries
// lettered as in the bar; Cut's letter chooses Cut.
TEST_P(ContextualMenuKeys, PopUpTheEditMenuAtTheCaret)
{
    const QString number = aNumberFor(*w);
    QTest::keyClicks(field, number);
    field->setSelection(1, 3);
    const QPoint caret = field->mapToGlobal(field->inputMethodQuery(Qt::ImCursorRectangle).toRect().center());
    // Far from the caret: a menu at the pointer would show here.
    QCursor::setPos(caret + QPoint(300, 200));
    const QStringList lettered = textsOf(barsEditEntries());
    const QString cut = QString::fromStdString(Localize::kTaglia());
    QKeySequence cutsLetter;
    for (QAction* entry : barsEditEntries())
        if (shownText(entry) == cut)
            cutsLetter = QKeySequence::mnemonic(entry->text());
    ASSERT_FALSE(cutsLetter.isEmpty());

    PoppedUp seen;
    QTimer whileOpen; // runs in the menu's own event loop
    whileOpen.setSingleShot(true);
    QObject::connect(&whileOpen, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        seen = {true, menu->pos(), textsOf(menu->actions())};
        QTest::keyClick(menu, cutsLetter[0].key());
        if (QApplication::activePopupWidget() == menu)
            menu->close();
    });
    whileOpen.start(0);
    QTest::keyClick(field, key().key, key().modifiers);

    ASSERT_TRUE(seen.shown) << "no menu popped up";
    EXPECT_EQ(seen.at, caret);
    EXPECT_EQ(seen.texts, lettered);
    EXPECT_EQ(field->text(), QString(number).remove(1, 3));
    EXPECT_EQ(QApplication::clipboard()->text(), number.mid(1, 3));
}

INSTANTIATE_TEST_SUITE_P(Keys,
                         ContextualMenuKeys,
                         ::testing::Combine(::testing::ValuesIn(kLanguages),
                                            ::testing::ValuesIn(kCheckWindows),
                                            ::testing::ValuesIn(kContextualKeys)),
                         [](const auto& info) { return joinedName(info); });

// --- F10 ------------------------------------------------------------------------

class FirstSeriesKeys : public AppUiTest {
protected:
    void SetUp() override
    {
        AppUiTest::SetUp();
        w = Window1::implicitInstance();
        ASSERT_NE(w, nullptr);
        field = road::focusNumber(*w);
        ASSERT_NE(field, nullptr);
    }

    void TearDown() override
    {
        MenuItem::SetPopUpChooserForTesting(nullptr);
        if (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        for (const char* name : {"FileMenu", "FileClose", "EditCut"}) {
            barItem(name)->SetVisible(true);
            barItem(name)->SetEnabled(true);
        }
        AppUiTest::TearDown();
    }

    static std::shared_ptr<MenuItem> barItem(const char* name)
    {
        return NotNil(MenuBar1::implicitInstance()->Lookup(name), name);
    }

    // The drawn entry or title of the item, as the window's bar shows it.
    QAction* drawn(const char* name) const
    {
        const QString text = QString::fromStdString(barItem(name)->Text());
        for (QAction* title : w->widget()->findChild<QMenuBar*>()->actions()) {
            if (shownText(title) == text)
                return title;
            for (QAction* entry : title->menu()->actions())
                if (shownText(entry) == text)
                    return entry;
        }
        return nullptr;
    }

    // The title of the bar's menu open now, "" when none is.
    static std::string openBarMenu()
    {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        return menu && qobject_cast<QMenuBar*>(menu->parentWidget()) ? shownText(menu->menuAction()).toStdString()
                                                                     : std::string();
    }

    std::shared_ptr<Window1> w;
    QLineEdit* field = nullptr;
};

struct F10Key {
    const char* name;
    Qt::KeyboardModifiers modifiers;
    const char* opens; // the menu that opens, "" for none
};

void PrintTo(const F10Key& k, std::ostream* os) { *os << k.name; }

// Shift+F10 is the desktop's key for a contextual menu; Ctrl+F10 has uses of
// its own.
const F10Key kF10Keys[] = {
    {"Alone", Qt::NoModifier, "File"},
    {"WithShift", Qt::ShiftModifier, ""},
    {"WithCtrl", Qt::ControlModifier, ""},
};

class F10Keys : public FirstSeriesKeys, public ::testing::WithParamInterface<F10Key> {};

TEST_P(F10Keys, OpenTheFirstMenuOnlyAlone)
{
    std::vector<std::string> openWhilePoppedUp;
    MenuItem::SetPopUpChooserForTesting([&](const std::shared_ptr<MenuItem>&) {
        openWhilePoppedUp.push_back(openBarMenu());
        return nullptr;
    });
    QTest::keyClick(field, Qt::Key_F10, GetParam().modifiers);
    EXPECT_EQ(openBarMenu(), GetParam().opens);
    for (const std::string& menu : openWhilePoppedUp)
        EXPECT_EQ(menu, "");
}

INSTANTIATE_TEST_SUITE_P(Modifiers, F10Keys, ::testing::ValuesIn(kF10Keys), [](const auto& info) {
    return std::string(info.param.name);
});

TEST_F(FirstSeriesKeys, F10PassesOverAHiddenTitle)
{
    barItem("FileMenu")->SetVisible(false);
    QTest::keyClick(field, Qt::Key_F10);
    EXPECT_EQ(openBarMenu(), "Edit");
}

// --- Mnemonics that follow the model ----------------------------------------------

struct ModelChange {
    const char* name;
    std::function<void(MenuItem& item)> change;
    const char* item;
    const char* entry; // the entry to read afterwards
    const char* shown;
};

void PrintTo(const ModelChange& c, std::ostream* os) { *os << c.name; }

const ModelChange kModelChanges[] = {
    // Cut shows first and takes C while it is there.
    {"HidingAnEntryFreesItsLetter", [](MenuItem& i) { i.SetVisible(false); }, "EditCut", "EditCopy", "&Copy"},
    {"ADisabledEntryKeepsItsLetter", [](MenuItem& i) { i.SetEnabled(false); }, "FileClose", "FileClose", "&Close"},
};

class MnemonicsFollowTheModel : public FirstSeriesKeys, public ::testing::WithParamInterface<ModelChange> {};

TEST_P(MnemonicsFollowTheModel, AsTheItemChanges)
{
    GetParam().change(*barItem(GetParam().item));
    QAction* entry = drawn(GetParam().entry);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text().toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Changes, MnemonicsFollowTheModel, ::testing::ValuesIn(kModelChanges), [](const auto& info) {
    return std::string(info.param.name);
});

// --- A letter no menu takes, in a field without a mask ------------------------------

class UnmaskedField : public AppUiTest {};

TEST_F(UnmaskedField, AnAltLetterBeyondAsciiTypesNothing)
{
    auto window = std::make_shared<BareWindow>();
    window->Constructor();
    QLineEdit* edit = focusIn(*window, *addField(*window));
    ASSERT_NE(edit, nullptr);

    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Egrave, QStringLiteral("è"), Qt::AltModifier);
    EXPECT_EQ(edit->text(), "");
    // Without Alt the field takes the letter.
    QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_Egrave, QStringLiteral("è"), Qt::NoModifier);
    EXPECT_EQ(edit->text(), "è");
}

} // namespace
