// How the windows read to a screen reader, through the interfaces Qt hands
// to AT-SPI: each window a frame named by its title, the pop-up and the field
// labelled by the heading above them, the controls in reading order. (The
// verdict's announcements need a live AT-SPI bus: announce_test.cpp.)

#include "app_fixture.h"
#include "bare_window.h"
#include "checkwindow_road.h"
#include "three_windows.h"

#include "controls.h"
#include "exceptions.h"
#include "localize.h"
#include "menubar1.h"
#include "private/accessibility.h"
#include "private/frameworkwidget.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace corvanta;

namespace accessibility_test {

// A framework widget with a meta-object of its own, as any subclass that
// declares Q_OBJECT has.
class MetaPanel : public FrameworkWidget {
    Q_OBJECT
public:
    using FrameworkWidget::FrameworkWidget;
};

} // namespace accessibility_test

namespace {

using threewindows::Which;

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

std::string nameOf(const QAccessibleInterface* iface) { return iface->text(QAccessible::Name).toStdString(); }

// The object names of an interface's children, in the order it gives them,
// each checked to find its way back to its place.
std::vector<std::string> childObjectNames(QAccessibleInterface* iface)
{
    std::vector<std::string> names;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child) {
            ADD_FAILURE() << "no child " << i;
            continue;
        }
        EXPECT_EQ(iface->indexOfChild(child), i) << "child " << i << " is found at another index";
        EXPECT_EQ(child->parent(), iface) << "child " << i << " names another parent";
        names.push_back(child->object() ? child->object()->objectName().toStdString() : std::string("<none>"));
    }
    return names;
}

// The labels a control is read as labelled by.
std::vector<QAccessibleInterface*> labelsOf(QWidget* control)
{
    std::vector<QAccessibleInterface*> labels;
    for (const auto& relation : accessible(control)->relations(QAccessible::Label))
        labels.push_back(relation.first);
    return labels;
}

class AccessibleWindows : public AppUiTest {
protected:
    std::shared_ptr<Window> open(Which which) { return threewindows::open(which, *app); }
};

// --- Frames ------------------------------------------------------------------

struct FrameCase {
    const char* label;
    Which which;
    const char* title;
};

void PrintTo(const FrameCase& c, std::ostream* os) { *os << c.label; }

const FrameCase kFrames[] = {
    {"FirstSeries", Which::FirstSeries, "Corvanta (First Series)"},
    {"SecondSeries", Which::SecondSeries, "Corvanta (Second Series)"},
    {"About", Which::About, "About Corvanta"},
};

class AccessibleFrames : public AccessibleWindows, public ::testing::WithParamInterface<FrameCase> {};

TEST_P(AccessibleFrames, AWindowIsAFrameNamedByItsTitle)
{
    auto w = open(GetParam().which);
    ASSERT_NE(w, nullptr);
    QAccessibleInterface* window = accessible(w->widget());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(window), GetParam().title);

    // The application lists it as a screen reader finds it.
    QAccessibleInterface* application = accessible(qApp);
    ASSERT_NE(application, nullptr);
    bool listed = false;
    for (int i = 0; i < application->childCount(); ++i)
        listed = listed || (application->child(i) && application->child(i)->object() == w->widget());
    EXPECT_TRUE(listed) << "the application does not list the window";
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleFrames, ::testing::ValuesIn(kFrames), [](const auto& info) {
    return std::string(info.param.label);
});

// --- Headings ------------------------------------------------------------------

struct HeadingCase {
    const char* label;
    Which which;
    const char* language;
    const char* control;
    const char* heading;
    std::string (*text)(const std::string& language);
};

void PrintTo(const HeadingCase& c, std::ostream* os) { *os << c.label; }

const HeadingCase kHeadings[] = {
    {"FirstSeriesPopup", Which::FirstSeries, "zz", "PopupMenu1", "StaticText1", &Localize::kLett},
    {"FirstSeriesField", Which::FirstSeries, "zz", "EditField1", "StaticText2", &Localize::kNum},
    {"SecondSeriesPopup", Which::SecondSeries, "zz", "PopupMenu1", "StaticText1", &Localize::kLett},
    {"SecondSeriesField", Which::SecondSeries, "zz", "EditField1", "StaticText2", &Localize::kNum},
    {"FirstSeriesPopupItalian", Which::FirstSeries, "it", "PopupMenu1", "StaticText1", &Localize::kLett},
    {"SecondSeriesFieldItalian", Which::SecondSeries, "it", "EditField1", "StaticText2", &Localize::kNum},
};

class AccessibleHeadings : public AccessibleWindows, public ::testing::WithParamInterface<HeadingCase> {
protected:
    std::string language() const override { return GetParam().language; }
};

TEST_P(AccessibleHeadings, ThePopupAndTheFieldAreLabelledByTheHeadingAboveThem)
{
    const HeadingCase& c = GetParam();
    auto w = open(c.which);
    ASSERT_NE(w, nullptr);
    const auto labels = labelsOf(road::named(*w, c.control));
    ASSERT_EQ(labels.size(), 1u) << c.control << " has no single label";
    EXPECT_EQ(labels.front()->object(), road::named(*w, c.heading));
    EXPECT_EQ(labels.front()->role(), QAccessible::StaticText);
    EXPECT_EQ(nameOf(labels.front()), c.text(c.language));
    EXPECT_FALSE(c.text(c.language).empty());
}

INSTANTIATE_TEST_SUITE_P(CheckWindows, AccessibleHeadings, ::testing::ValuesIn(kHeadings), [](const auto& info) {
    return std::string(info.param.label);
});

class AccessibleButtons : public AccessibleWindows, public ::testing::WithParamInterface<Which> {};

TEST_P(AccessibleButtons, AButtonIsNamedByItsCaptionAndHasNoHeading)
{
    auto w = open(GetParam());
    ASSERT_NE(w, nullptr);
    auto button = NotNil(w->ControlNamed<PushButton>("PushButton1"));
    QAccessibleInterface* iface = accessible(button->widget());
    EXPECT_EQ(iface->role(), QAccessible::Button);
    EXPECT_EQ(nameOf(iface), button->Caption());
    EXPECT_TRUE(labelsOf(button->widget()).empty());
    // No label of the window was given to anything but a pop-up or a field.
    for (QLabel* label : w->widget()->findChildren<QLabel*>()) {
        if (label->buddy()) {
            EXPECT_TRUE(label->buddy()->objectName() == "PopupMenu1" || label->buddy()->objectName() == "EditField1")
                << label->objectName().toStdString() << " heads " << label->buddy()->objectName().toStdString();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleButtons, ::testing::ValuesIn(threewindows::kAll), [](const auto& info) {
    return threewindows::nameOf(info.param);
});

// --- Reading order ---------------------------------------------------------------

struct OrderCase {
    const char* label;
    Which which;
    const char* container; // "" for the area under the menu bar
    std::vector<std::string> children;
};

void PrintTo(const OrderCase& c, std::ostream* os) { *os << c.label; }

// Both check windows: the headings, the pop-up and the field under them, the
// button, the panel; in the panel three lines, the flag on the second.
const std::vector<std::string> kCheckWindow = {
    "StaticText1", "StaticText2", "PopupMenu1", "EditField1", "PushButton1", "Rectangle1"};
const std::vector<std::string> kPanel = {
    "StaticText3", "StaticText4", "StaticText5", "StaticText6", "Canvas1", "StaticText7", "StaticText8", "StaticText9"};

const OrderCase kOrders[] = {
    {"FirstSeriesWindow", Which::FirstSeries, "", kCheckWindow},
    {"SecondSeriesWindow", Which::SecondSeries, "", kCheckWindow},
    {"AboutWindow", Which::About, "", {"ImageWell1", "StaticText1", "StaticText2", "PushButton1"}},
    {"FirstSeriesPanel", Which::FirstSeries, "Rectangle1", kPanel},
    {"SecondSeriesPanel", Which::SecondSeries, "Rectangle1", kPanel},
};

class AccessibleReadingOrder : public AccessibleWindows, public ::testing::WithParamInterface<OrderCase> {};

TEST_P(AccessibleReadingOrder, ControlsReadTopToBottomThenLeftToRight)
{
    const OrderCase& c = GetParam();
    auto w = open(c.which);
    ASSERT_NE(w, nullptr);
    QWidget* container = *c.container ? road::named(*w, c.container) : w->contentWidget();
    ASSERT_NE(container, nullptr);
    EXPECT_EQ(childObjectNames(accessible(container)), c.children);
}

INSTANTIATE_TEST_SUITE_P(Windows, AccessibleReadingOrder, ::testing::ValuesIn(kOrders), [](const auto& info) {
    return std::string(info.param.label);
});

TEST_F(AccessibleWindows, TheMenuBarReadsBeforeTheWindowsContent)
{
    auto w = open(Which::FirstSeries);
    QAccessibleInterface* window = accessible(w->widget());
    ASSERT_EQ(window->childCount(), 2);
    EXPECT_EQ(window->child(0)->role(), QAccessible::MenuBar);
    EXPECT_EQ(window->child(1)->object(), w->contentWidget());
}

// A real check, then the panel as a screen reader reads it: three lines, the
// flag (which has no text) on the second.
struct PanelCase {
    const char* label;
    Which which;
    const char* letter;
    const char* number;
    const char* secondLine;
    const char* country;
    const char* verdict;
};

void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.label; }

const PanelCase kPanels[] = {
    {"FirstSeriesInvalid", Which::FirstSeries, "S", "20731846950", "comes from", "Italy", "is INVALID"},
    {"SecondSeriesValid", Which::SecondSeries, "X", "A0000000000", "printed in", "Germany", "is Valid"},
};

class AccessiblePanel : public AccessibleWindows, public ::testing::WithParamInterface<PanelCase> {};

TEST_P(AccessiblePanel, TheResultReadsInReadingOrder)
{
    const PanelCase& c = GetParam();
    auto w = open(c.which);
    ASSERT_NE(w, nullptr);
    road::check(*w, c.letter, c.number);
    QAccessibleInterface* panel = accessible(road::named(*w, "Rectangle1"));
    ASSERT_FALSE(panel->state().invisible);
    std::vector<std::string> reading;
    for (int i = 0; i < panel->childCount(); ++i)
        reading.push_back(nameOf(panel->child(i)));
    EXPECT_EQ(reading,
              (std::vector<std::string>{
                  "The banknote", c.letter, c.number, c.secondLine, "", c.country, "and the numbers", c.verdict}));
}

INSTANTIATE_TEST_SUITE_P(CheckWindows, AccessiblePanel, ::testing::ValuesIn(kPanels), [](const auto& info) {
    return std::string(info.param.label);
});

// --- Menus ---------------------------------------------------------------------

// A menu's entries as a screen reader finds them while the menu is open,
// after the program has changed the menu bar.
struct MenuCase {
    const char* label;
    const char* menu;
    bool openEvent;                // the App's Open event has run
    std::vector<const char*> hide; // entries the program hides
    std::vector<const char*> showing;
};

void PrintTo(const MenuCase& c, std::ostream* os) { *os << c.label; }

const MenuCase kMenus[] = {
    {"HelpAsBuilt", "HelpMenu", false, {}, {"HelpCorvantaLeggimi", "UntitledSeparator2", "FileInfo"}},
    // Open takes the separator after the read-me away: the one left ends the menu.
    {"HelpAfterOpen", "HelpMenu", true, {}, {"HelpCorvantaLeggimi", "FileInfo"}},
    {"HelpFirstEntryHidden", "HelpMenu", false, {"HelpCorvantaLeggimi"}, {"FileInfo"}},
    {"FileLastEntryHidden", "FileMenu", false, {"FileQuit"}, {"FileClose"}},
    {"EditSeparatorsMeet",
     "EditMenu",
     false,
     {"EditCut", "EditCopy", "EditPaste", "EditClear"},
     {"EditUndo", "UntitledMenu1", "EditSelectAll"}},
    {"EditAllButOneHidden",
     "EditMenu",
     false,
     {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"},
     {"EditSelectAll"}},
};

// The entries of an open menu that read as showing ("-" for a separator),
// each checked to be on screen exactly when it reads so.
std::vector<std::string> showingEntries(QMenu* menu)
{
    std::vector<std::string> showing;
    QAccessibleInterface* iface = accessible(menu);
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* entry = iface->child(i);
        if (!entry) {
            ADD_FAILURE() << "no entry " << i;
            continue;
        }
        const bool separator = entry->role() == QAccessible::Separator;
        const std::string name = separator ? "-" : nameOf(entry);
        // A reader takes an entry that is not invisible for one on screen.
        EXPECT_EQ(entry->state().invisible, entry->rect().isEmpty()) << "entry " << i << " (" << name << ")";
        if (!entry->state().invisible)
            showing.push_back(name);
    }
    return showing;
}

// The first-series window under a menu bar built for the test, which is the
// application's too: the Open event's changes stay inside the test.
class AccessibleMenuBar : public AccessibleWindows {
protected:
    void SetUp() override
    {
        AccessibleWindows::SetUp();
        bar = std::make_shared<MenuBar1>();
        bar->Constructor();
        app->SetMenuBar(bar);
        w = open(Which::FirstSeries);
        ASSERT_NE(w, nullptr);
        w->SetMenuBar(bar);
    }

    std::shared_ptr<MenuBar1> bar;
    std::shared_ptr<Window> w;
};

class AccessibleMenus : public AccessibleMenuBar, public ::testing::WithParamInterface<MenuCase> {};

TEST_P(AccessibleMenus, AnEntryReadsAsShowingExactlyWhenItIsDrawn)
{
    const MenuCase& c = GetParam();
    if (c.openEvent)
        app->Event_Open();
    for (const char* name : c.hide)
        NotNil(bar->Lookup(name), name)->SetVisible(false);
    QMenu* menu = nullptr;
    // The bar the window shows now (the one it had waits to be deleted).
    auto* drawn = qobject_cast<QMenuBar*>(w->widget()->layout()->menuBar());
    ASSERT_NE(drawn, nullptr);
    for (QAction* title : drawn->actions())
        if (title->menu() && title->menu()->title().remove('&').toStdString() == bar->Lookup(c.menu)->Text())
            menu = title->menu();
    ASSERT_NE(menu, nullptr) << "no drawn menu " << c.menu;
    menu->popup(QPoint(10, 10));
    ASSERT_TRUE(menu->isVisible());

    std::vector<std::string> expected;
    for (const char* name : c.showing) {
        const auto item = NotNil(bar->Lookup(name), name);
        expected.push_back(item->IsSeparator() ? "-" : item->Text());
    }
    const std::vector<std::string> showing = showingEntries(menu);
    menu->close();
    EXPECT_EQ(showing, expected);
}

// A menu that pops up (the contextual Edit menu is one) reads the same way.
TEST_F(AccessibleMenuBar, APoppedUpMenuReadsOnlyTheEntriesItDraws)
{
    app->Event_Open();
    auto help = bar->Lookup("HelpMenu")->Clone();
    std::vector<std::string> showing;
    QTimer::singleShot(0, [&showing] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(popup, nullptr);
        showing = showingEntries(popup);
        QTest::keyClick(popup, Qt::Key_Escape);
    });
    EXPECT_EQ(help->PopUp(), nullptr);
    EXPECT_EQ(showing,
              (std::vector<std::string>{help->Child("HelpCorvantaLeggimi")->Text(), help->Child("FileInfo")->Text()}));
}

INSTANTIATE_TEST_SUITE_P(MenuBar, AccessibleMenus, ::testing::ValuesIn(kMenus), [](const auto& info) {
    return std::string(info.param.label);
});

// --- The rules, on a window of the test's own ----------------------------------

// Controls made in an order other than the reading order, each placed to meet
// one side of the heading rule.
class LaidOutWindow : public BareWindow {
protected:
    void CreateControls() override
    {
        place<TextField>("Offset", 200, 205, 100, 22);
        place<Label>("Aside", 100, 180, 50, 20);
        place<PushButton>("Press", 300, 125, 80, 22);
        place<Label>("OverPress", 300, 100, 80, 20);
        place<TextField>("Far", 10, 140, 100, 22);
        place<Label>("Distant", 10, 100, 100, 20);
        place<TextField>("Nearest", 400, 60, 80, 22);
        place<Label>("Upper", 400, 40, 80, 8);
        place<Label>("Lower", 400, 50, 80, 8);
        place<PopupMenu>("Beside", 215, 40, 60, 20);
        place<Label>("LeftOfBeside", 150, 40, 60, 20);
        place<TextField>("Near", 10, 40, 100, 22);
        place<Label>("AboveNear", 10, 10, 100, 20);
        place<Label>("Empty", 10, 18, 100, 20);
        // The heading gap is 16 pixels: at it, and one beyond.
        place<TextField>("AtTheGap", 450, 276, 100, 22);
        place<Label>("SixteenAbove", 450, 240, 100, 20);
        place<TextField>("BeyondTheGap", 450, 356, 100, 22);
        place<Label>("SeventeenAbove", 450, 319, 100, 20);
        place<TextField>("LeftAtTheGap", 276, 300, 60, 20);
        place<Label>("SixteenLeft", 200, 300, 60, 20);
        place<TextField>("LeftBeyondTheGap", 277, 340, 60, 20);
        place<Label>("SeventeenLeft", 200, 340, 60, 20);
        // A panel whose controls are placed in it.
        place<Rectangle>("Panel", 10, 250, 180, 140);
        place<PopupMenu>("PanelPopup", 20, 285, 100, 20, "Panel");
        place<Label>("OverPanelPopup", 20, 260, 100, 20, "Panel");
        place<TextField>("PanelField", 20, 345, 100, 22, "Panel");
        place<Label>("OverPanelField", 20, 320, 100, 20, "Panel");
    }

private:
    template <class T>
    void place(const std::string& name, int left, int top, int width, int height, const char* panel = "")
    {
        CreateControl<T>(name);
        auto control = Registered<T>(name);
        if (*panel)
            control->SetProperties(PropertyList({{"InitialParent", panel}}));
        control->SetLeft(left);
        control->SetTop(top);
        control->SetWidth(width);
        control->SetHeight(height);
        if constexpr (std::is_same_v<T, Label>)
            if (name != "Empty")
                control->SetText(name);
        if constexpr (std::is_same_v<T, PushButton>)
            control->SetCaption(name);
    }
};

class LaidOutWindowTest : public UiTest {
protected:
    void SetUp() override
    {
        w = std::make_shared<LaidOutWindow>();
        w->Constructor();
    }
    QWidget* named(const char* name) const { return road::named(*w, name); }
    std::shared_ptr<LaidOutWindow> w;
};

struct RuleCase {
    const char* label;
    const char* control;
    const char* heading; // "" for none
};

void PrintTo(const RuleCase& c, std::ostream* os) { *os << c.label; }

const RuleCase kRules[] = {
    {"LabelJustAboveOverlappingAcross", "Near", "AboveNear"}, // 10 pixels above; an empty label between is skipped
    {"LabelJustLeftOnTheSameLine", "Beside", "LeftOfBeside"}, // 5 pixels to the left
    {"NearestOfTwoLabelsAbove", "Nearest", "Lower"},          // 2 and 12 pixels above
    {"LabelTooFarAbove", "Far", ""},                          // 20 pixels above
    {"LabelAboveButNotAcross", "Offset", ""},                 // 5 pixels above, to the left, on another line
    {"AButtonKeepsItsCaption", "Press", ""},                  // a label 4 pixels above
    {"LabelExactlyTheHeadingGapAbove", "AtTheGap", "SixteenAbove"},
    {"LabelOnePixelBeyondTheHeadingGapAbove", "BeyondTheGap", ""},
    {"LabelExactlyTheHeadingGapLeft", "LeftAtTheGap", "SixteenLeft"},
    {"LabelOnePixelBeyondTheHeadingGapLeft", "LeftBeyondTheGap", ""},
    {"PopupInAPanel", "PanelPopup", "OverPanelPopup"},
    {"FieldInAPanel", "PanelField", "OverPanelField"},
};

class HeadingRules : public LaidOutWindowTest, public ::testing::WithParamInterface<RuleCase> {};

TEST_P(HeadingRules, AHeadingIsTheNearestLabelAboveOrJustLeft)
{
    const RuleCase& c = GetParam();
    QWidget* control = named(c.control);
    ASSERT_NE(control, nullptr);
    const auto labels = labelsOf(control);
    if (!*c.heading) {
        EXPECT_TRUE(labels.empty()) << c.control << " is labelled by "
                                    << (labels.empty() ? "" : nameOf(labels.front()));
        return;
    }
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels.front()->object(), named(c.heading));
    EXPECT_EQ(nameOf(labels.front()), c.heading);
}

INSTANTIATE_TEST_SUITE_P(Geometry, HeadingRules, ::testing::ValuesIn(kRules), [](const auto& info) {
    return std::string(info.param.label);
});

TEST_F(LaidOutWindowTest, TabFollowsTheReadingOrderNotTheOrderOfMaking)
{
    w->widget()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->widget()));
    named("Near")->setFocus();
    std::vector<std::string> visited{"Near"};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.push_back(QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString()
                                                      : std::string("<none>"));
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"Near", "Beside", "Nearest", "Press", "Far", "Offset"}));
}

// --- Which widgets are the framework's -------------------------------------------

// A container of the test's own inside a window's content, holding a field
// and the label above it, made in the other order than they read.
struct ContainerCase {
    const char* label;
    QWidget* (*make)(QWidget* parent);
    std::vector<std::string> reading; // its children as the screen reader gets them
    bool labelled;                    // whether the label heads the field
};

void PrintTo(const ContainerCase& c, std::ostream* os) { *os << c.label; }

const ContainerCase kContainers[] = {
    {"FrameworkWidgetWithItsOwnMetaObject",
     [](QWidget* parent) -> QWidget* { return new accessibility_test::MetaPanel(parent); },
     {"Heading", "Field"},
     true},
    // Qt gives the children in the order they were made, and labels nothing.
    {"PlainQtWidget", [](QWidget* parent) { return new QWidget(parent); }, {"Field", "Heading"}, false},
};

class FrameworkWidgets : public UiTest, public ::testing::WithParamInterface<ContainerCase> {
protected:
    void SetUp() override
    {
        w = std::make_shared<BareWindow>();
        w->Constructor();
        container = GetParam().make(w->contentWidget());
        container->setObjectName("Container");
        container->setGeometry(10, 10, 200, 100);
        field = new QLineEdit(container);
        field->setObjectName("Field");
        field->setGeometry(10, 40, 100, 22);
        auto* heading = new QLabel("Heading", container);
        heading->setObjectName("Heading");
        heading->setGeometry(10, 10, 100, 20);
        ConnectLabelsAndTabOrder(w->contentWidget());
    }

    std::shared_ptr<BareWindow> w;
    QWidget* container = nullptr;
    QLineEdit* field = nullptr;
};

TEST_P(FrameworkWidgets, OnlyTheFrameworksOwnReadWithHeadingsInReadingOrder)
{
    const ContainerCase& c = GetParam();
    QAccessibleInterface* iface = accessible(container);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Client);
    EXPECT_EQ(childObjectNames(iface), c.reading);
    const auto labels = labelsOf(field);
    if (c.labelled) {
        ASSERT_EQ(labels.size(), 1u);
        EXPECT_EQ(nameOf(labels.front()), "Heading");
    } else {
        EXPECT_TRUE(labels.empty()) << "the field is labelled by " << nameOf(labels.front());
    }
}

INSTANTIATE_TEST_SUITE_P(Containers, FrameworkWidgets, ::testing::ValuesIn(kContainers), [](const auto& info) {
    return std::string(info.param.label);
});

TEST(FrameworkWindows, AFrameworkWindowWithItsOwnMetaObjectIsAFrameNamedByItsTitle)
{
    accessibility_test::MetaPanel window;
    window.setWindowTitle("Own meta-object");
    InstallAccessibility();
    QAccessibleInterface* iface = accessible(&window);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::Window);
    EXPECT_EQ(nameOf(iface), "Own meta-object");
}

// A line's middle is set by its first widget: here 100 + 20 / 2. A label
// whose top is one pixel above it stands on the line and, being further
// left, reads first; one whose top is at the middle starts the next line.
TEST(ReadingOrderLines, LabelsWhoseTopsStraddleALinesMiddleReadOnEitherLine)
{
    FrameworkWidget panel;
    panel.resize(300, 200);
    InstallAccessibility();
    const struct {
        const char* name;
        QRect geometry;
    } widgets[] = {
        {"NextLine", {0, 110, 40, 20}},
        {"Line", {100, 100, 50, 20}},
        {"SameLine", {10, 109, 40, 20}},
    };
    for (const auto& [name, geometry] : widgets) {
        auto* label = new QLabel(name, &panel);
        label->setObjectName(name);
        label->setGeometry(geometry);
    }
    EXPECT_EQ(childObjectNames(accessible(&panel)), (std::vector<std::string>{"SameLine", "Line", "NextLine"}));
}

} // namespace

#include "accessibility_test.moc"
