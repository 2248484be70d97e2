#include "controls.h"
#include "exceptions.h"
#include "menu.h"
#include "picture.h"
#include "propertylist.h"
#include "text.h"
#include "ui_fixture.h"
#include "window.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <ostream>
#include <vector>

using namespace corvanta;

namespace {

class PlainWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("ControlsTest.PlainWindow");
        return record;
    }

protected:
    void Layout() override
    {
        SetProperties(PropertyList({{"Width", 611}, {"Height", 328}, {"Resizeable", false}, {"Title", "Test"}}));
    }
};

std::string geometry(int left, int top, int width, int height)
{
    return PropertyList({{"Left", left}, {"Top", top}, {"Width", width}, {"Height", height}});
}

class Controls : public UiTest {
protected:
    void SetUp() override
    {
        window = std::make_shared<PlainWindow>();
        window->Constructor();
    }

    template <class T>
    std::shared_ptr<T> add(const std::string& name, const std::string& list = {})
    {
        window->CreateControl<T>(name);
        auto control = window->Registered<T>(name);
        if (!list.empty())
            control->SetProperties(list);
        return control;
    }

    QPoint inWindow(QWidget* w) const { return w->mapTo(window->contentWidget(), QPoint(0, 0)); }

    std::shared_ptr<PlainWindow> window;
};

// ------------------------------------------------------------------ placement

TEST_F(Controls, ControlPlacedInARectangleKeepsItsWindowCoordinates)
{
    auto rect = add<Rectangle>("Rectangle1", geometry(297, 126, 282, 131));
    auto label =
        add<Label>("StaticText3", PropertyList({{"InitialParent", "Rectangle1"}}) + geometry(308, 140, 92, 20));
    auto canvas = add<Canvas>("Canvas1", PropertyList({{"InitialParent", "Rectangle1"}}) + geometry(405, 181, 20, 13));

    EXPECT_EQ(label->widget()->parentWidget(), rect->widget());
    EXPECT_EQ(inWindow(label->widget()), QPoint(308, 140));
    EXPECT_EQ(label->widget()->pos(), QPoint(11, 14));
    EXPECT_EQ(label->widget()->size(), QSize(92, 20));
    EXPECT_EQ(inWindow(canvas->widget()), QPoint(405, 181));
    EXPECT_EQ(label->Left(), 308);
    EXPECT_EQ(label->Top(), 140);

    // Moving the panel takes its controls along; their window coordinates follow.
    rect->SetLeft(300);
    EXPECT_EQ(label->Left(), 311);
    label->SetTop(150);
    EXPECT_EQ(inWindow(label->widget()), QPoint(311, 150));
}

// The position records may come before the InitialParent record or after it.
TEST_F(Controls, PositionBeforeTheParentRecordIsKeptInWindowCoordinates)
{
    add<Rectangle>("Rectangle1", geometry(100, 100, 200, 100));
    auto label = add<Label>("Label1", geometry(150, 120, 40, 20) + PropertyList({{"InitialParent", "Rectangle1"}}));
    EXPECT_EQ(inWindow(label->widget()), QPoint(150, 120));
}

TEST_F(Controls, HidingTheRectangleHidesTheControlsPlacedInIt)
{
    auto rect = add<Rectangle>("Rectangle1", geometry(297, 126, 282, 131));
    auto label =
        add<Label>("StaticText3", PropertyList({{"InitialParent", "Rectangle1"}}) + geometry(308, 140, 92, 20));
    auto outside = add<Label>("StaticText1", geometry(10, 10, 50, 20));
    QWidget* top = window->widget();
    EXPECT_TRUE(label->widget()->isVisibleTo(top));

    rect->SetVisible(false);
    EXPECT_FALSE(label->widget()->isVisibleTo(top));
    EXPECT_FALSE(label->widget()->isVisible());
    EXPECT_TRUE(label->Visible()); // its own flag stays
    EXPECT_TRUE(outside->widget()->isVisible());

    rect->SetVisible(true);
    EXPECT_TRUE(label->widget()->isVisible());
}

// Stored hidden, as the result panel is: its controls are stored visible.
TEST_F(Controls, RectangleStoredHiddenHidesControlsAddedToItLater)
{
    add<Rectangle>("Rectangle1", geometry(0, 0, 100, 100) + PropertyList({{"Visible", false}}));
    auto label = add<Label>("Label1", PropertyList({{"InitialParent", "Rectangle1"}, {"Visible", true}}));
    EXPECT_FALSE(label->widget()->isVisibleTo(window->widget()));
}

TEST_F(Controls, UnknownParentNameRaises)
{
    auto label = add<Label>("Label1");
    EXPECT_THROW(label->SetProperties(PropertyList({{"InitialParent", "Rectangle9"}})), KeyNotFoundException);
    EXPECT_EQ(label->widget()->parentWidget(), window->contentWidget());
}

TEST_F(Controls, WidgetsAreNamedAfterTheirControls)
{
    add<Label>("StaticText1");
    add<TextField>("EditField1");
    add<PopupMenu>("PopupMenu1");
    add<PushButton>("PushButton1");
    EXPECT_NE(window->widget()->findChild<QLabel*>("StaticText1"), nullptr);
    EXPECT_NE(window->widget()->findChild<QLineEdit*>("EditField1"), nullptr);
    EXPECT_NE(window->widget()->findChild<QComboBox*>("PopupMenu1"), nullptr);
    EXPECT_NE(window->widget()->findChild<QPushButton*>("PushButton1"), nullptr);
}

// A control is found by its name as its class: nil when missing, a failed cast
// for another class; a build step's lookup raises on a missing one.
TEST_F(Controls, ControlsAreFoundByNameAsTheirClass)
{
    add<Label>("StaticText1");
    add<PushButton>("PushButton1");
    EXPECT_EQ(window->ControlNamed<Label>("StaticText1")->Name(), "StaticText1");
    EXPECT_EQ(window->ControlNamed<Label>("StaticText1"), window->ControlByName("StaticText1"));
    EXPECT_EQ(window->ControlNamed<Label>("StaticText2"), nullptr);
    EXPECT_THROW(window->ControlNamed<Label>("PushButton1"), IllegalCastException);
    EXPECT_EQ(window->Registered<PushButton>("PushButton1"), window->ControlByName("PushButton1"));
    EXPECT_THROW(window->Registered<Label>("StaticText2"), NilObjectException);
    EXPECT_THROW(window->Registered<Label>("PushButton1"), IllegalCastException);
}

TEST_F(Controls, ControlWithoutAWindowCannotBeConstructed)
{
    auto orphan = std::make_shared<Label>();
    EXPECT_THROW(orphan->Constructor(), NilObjectException);
}

// ---------------------------------------------------------------------- masks

struct MaskCase {
    const char* label;
    const char* mask;
    const char* typed;
    const char* text;
};

void PrintTo(const MaskCase& c, std::ostream* os) { *os << c.label; }

// Types each character as a key press, also those QTest::keyClicks cannot.
void typeText(QWidget* w, const QString& text)
{
    for (QChar c : text) {
        const int key = c.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
        QApplication::sendEvent(w, &release);
    }
}

class MaskedTyping : public Controls, public ::testing::WithParamInterface<MaskCase> {};

TEST_P(MaskedTyping, KeepsWhatTheMaskAdmits)
{
    const auto& c = GetParam();
    auto field = add<TextField>("EditField1", geometry(395, 45, 127, 22) + PropertyList({{"Mask", c.mask}}));
    auto* edit = window->widget()->findChild<QLineEdit*>("EditField1");
    ASSERT_NE(edit, nullptr);
    typeText(edit, QString::fromUtf8(c.typed));
    EXPECT_EQ(field->Text(), c.text);
    EXPECT_EQ(edit->text().toStdString(), c.text);
    EXPECT_EQ(Len(field->Text()), Len(c.text));
}

constexpr MaskCase kMaskCases[] = {
    {"LettersRefused", "99999999999", "abcXYZ", ""},
    {"ElevenDigitsThenNoMore", "99999999999", "123456789012", "12345678901"},
    {"LettersAmongDigitsDropped", "99999999999", "1a2 3-4", "1234"},
    {"PartialNumber", "99999999999", "123", "123"},
    {"FirstLetterLowerCaseKept", "A9999999999", "x1234567890", "x1234567890"},
    {"FirstLetterUpperCase", "A9999999999", "X1234567890", "X1234567890"},
    {"FirstDigitRefused", "A9999999999", "1", ""},
    {"SecondLetterRefused", "A9999999999", "XY12", "X12"},
    {"TwelfthRefused", "A9999999999", "X12345678901", "X1234567890"},
    {"NonAsciiLetterRefused", "A9999999999", "\303\2501", ""}, // "è1", the letter in UTF-8
    {"NoMaskTakesAnything", "", "ab 12", "ab 12"},
};

INSTANTIATE_TEST_SUITE_P(TextField, MaskedTyping, ::testing::ValuesIn(kMaskCases), [](const auto& info) {
    return std::string(info.param.label);
});

class MaskedField : public Controls {
protected:
    void SetUp() override
    {
        Controls::SetUp();
        field = add<TextField>("EditField1",
                               geometry(395, 45, 127, 22) + PropertyList({{"Mask", "99999999999"}, {"Text", ""}}));
        edit = window->widget()->findChild<QLineEdit*>("EditField1");
        ASSERT_NE(edit, nullptr);
    }
    std::shared_ptr<TextField> field;
    QLineEdit* edit = nullptr;
};

TEST_F(MaskedField, EmptyFieldGivesTheEmptyText)
{
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(Len(field->Text()), 0);
}

// What the user sees is what the program reads: deleting closes up the text.
TEST_F(MaskedField, DeletingInTheMiddleClosesUp)
{
    QTest::keyClicks(edit, "12345");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(field->Text(), "1345");
    EXPECT_EQ(edit->displayText(), "1345");
}

TEST_F(MaskedField, PasteIsCutToWhatFitsOrRefused)
{
    QGuiApplication::clipboard()->setText("123456789012345");
    field->Paste();
    EXPECT_EQ(field->Text(), "12345678901");

    field->SetText("");
    QGuiApplication::clipboard()->setText("12a34");
    field->Paste();
    EXPECT_EQ(field->Text(), "");
}

// Blanks are dropped only where a mask holds the field to its places.
TEST_F(Controls, PasteIntoAFieldWithoutAMaskKeepsItsBlanks)
{
    auto field = add<TextField>("EditField1", geometry(395, 45, 127, 22));
    QGuiApplication::clipboard()->setText("12 34\t5");
    field->Paste();
    EXPECT_EQ(field->Text(), "12 34\t5");
}

TEST_F(MaskedField, SetTextKeepsTheAdmittedBeginning)
{
    field->SetText("12ab34");
    EXPECT_EQ(field->Text(), "12");
    field->SetText("1234567890123");
    EXPECT_EQ(field->Text(), "12345678901");
}

TEST_F(MaskedField, EditCommandsActOnTheField)
{
    QTest::keyClicks(edit, "123");
    field->SelectAll();
    field->Cut();
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "123");
    field->Paste();
    EXPECT_EQ(field->Text(), "123");
    field->Undo();
    EXPECT_EQ(field->Text(), "");

    field->SetText("456");
    field->SelectAll();
    field->Copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "456");
    field->Clear();
    EXPECT_EQ(field->Text(), "");
    // Clear without a selection removes nothing.
    field->SetText("78");
    field->Clear();
    EXPECT_EQ(field->Text(), "78");
}

TEST_F(Controls, SecondSeriesMaskRefusesDeletingTheLetterAloneBeforeDigits)
{
    auto field = add<TextField>("EditField1", PropertyList({{"Mask", "A9999999999"}}));
    auto* edit = window->widget()->findChild<QLineEdit*>("EditField1");
    QTest::keyClicks(edit, "X12");
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    // "12" would put a digit in the letter's place.
    EXPECT_EQ(field->Text(), "X12");
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(field->Text(), "");
}

TEST_F(Controls, LimitTextBoundsAFieldWithoutAMask)
{
    auto field = add<TextField>("EditField1", PropertyList({{"LimitText", 4}}));
    QTest::keyClicks(window->widget()->findChild<QLineEdit*>("EditField1"), "abcdef");
    EXPECT_EQ(field->Text(), "abcd");
}

// ------------------------------------------------------------- change events

TEST_F(MaskedField, TextChangeFiresOnEveryChangeAndNotOnRefusedKeys)
{
    std::vector<std::string> seen;
    field->TextChange = [&seen](const std::shared_ptr<TextField>& f) { seen.push_back(f->Text()); };
    QTest::keyClicks(edit, "1a2");
    QTest::keyClick(edit, Qt::Key_Backspace);
    const std::vector<std::string> expected = {"1", "12", "1"};
    EXPECT_EQ(seen, expected);
    field->SetText("");
    EXPECT_EQ(seen.back(), "");
}

TEST_F(Controls, ThrowingTextChangeIsReportedAndTypingGoesOn)
{
    auto field = add<TextField>("EditField1");
    int calls = 0;
    field->TextChange = [&calls](const std::shared_ptr<TextField>&) {
        ++calls;
        throw NilObjectException("PushButton1");
    };
    ::testing::internal::CaptureStderr();
    QTest::keyClicks(window->widget()->findChild<QLineEdit*>("EditField1"), "ab");
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(field->Text(), "ab");
    EXPECT_NE(err.find("Unhandled NilObjectException: PushButton1"), std::string::npos);
}

struct RowsCase {
    const char* label;
    const char* initialValue;
    std::vector<std::string> rows;
};

void PrintTo(const RowsCase& c, std::ostream* os) { *os << c.label; }

class PopupRows : public Controls, public ::testing::WithParamInterface<RowsCase> {};

TEST_P(PopupRows, AreThePiecesBetweenLineEnds)
{
    const auto& c = GetParam();
    auto popup = add<PopupMenu>("PopupMenu1", PropertyList({{"InitialValue", c.initialValue}}));
    ASSERT_EQ(popup->ListCount(), static_cast<std::int64_t>(c.rows.size()));
    auto* combo = window->widget()->findChild<QComboBox*>("PopupMenu1");
    ASSERT_EQ(combo->count(), static_cast<int>(c.rows.size()));
    for (std::size_t i = 0; i < c.rows.size(); ++i) {
        EXPECT_EQ(popup->List(static_cast<std::int64_t>(i)), c.rows[i]);
        EXPECT_EQ(combo->itemText(static_cast<int>(i)).toStdString(), c.rows[i]);
    }
}

const RowsCase kRowsCases[] = {
    {"BlankFirstRow", "\rH\rL", {"", "H", "L"}},
    {"Empty", "", {}},
    {"SingleRow", "H", {"H"}},
    {"TrailingLineEndGivesBlankLastRow", "H\rL\r", {"H", "L", ""}},
    {"OtherLineEnds", "H\r\nL\nM", {"H", "L", "M"}},
    {"FirstSeriesLetters",
     "\rH\rL\rM\rN\rP\rS\rT\rU\rV\rX\rY\rZ",
     {"", "H", "L", "M", "N", "P", "S", "T", "U", "V", "X", "Y", "Z"}},
};

INSTANTIATE_TEST_SUITE_P(PopupMenu, PopupRows, ::testing::ValuesIn(kRowsCases), [](const auto& info) {
    return std::string(info.param.label);
});

TEST_F(Controls, PopupSelectsTheStoredRowAndChangesOnUserChoice)
{
    // As stored: ListIndex before InitialValue.
    auto popup = add<PopupMenu>(
        "PopupMenu1", geometry(328, 45, 63, 20) + PropertyList({{"ListIndex", 0}, {"InitialValue", "\rH\rL\rM"}}));
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->Text(), "");

    std::vector<std::int64_t> changes;
    popup->Change = [&changes](const std::shared_ptr<PopupMenu>& p) { changes.push_back(p->ListIndex()); };
    auto* combo = window->widget()->findChild<QComboBox*>("PopupMenu1");
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_Down);
    EXPECT_EQ(popup->ListIndex(), 2);
    EXPECT_EQ(popup->Text(), "L");
    EXPECT_EQ(changes, (std::vector<std::int64_t>{1, 2}));

    popup->SetListIndex(0);
    EXPECT_EQ(changes.back(), 0);
    EXPECT_EQ(popup->Text(), "");
    popup->SetListIndex(9);
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(popup->Text(), "");
    EXPECT_EQ(popup->List(9), "");
}

TEST_F(Controls, NewRowsRaiseOneChangeWhenTheSelectionMoves)
{
    auto popup = add<PopupMenu>("PopupMenu1", PropertyList({{"InitialValue", "A\rB\rC"}, {"ListIndex", 2}}));
    int changes = 0;
    popup->Change = [&changes](const std::shared_ptr<PopupMenu>&) { ++changes; };
    popup->SetInitialValue("D\rE\rF\rG");
    EXPECT_EQ(popup->ListIndex(), 2);
    EXPECT_EQ(popup->Text(), "F");
    EXPECT_EQ(changes, 0);
    popup->SetInitialValue("X");
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(changes, 1);
}

// -------------------------------------------------------------- mouse-downs

class FieldClicks : public Controls {
protected:
    void SetUp() override
    {
        Controls::SetUp();
        field = add<TextField>("EditField1", geometry(395, 45, 127, 22));
        edit = window->widget()->findChild<QLineEdit*>("EditField1");
        ASSERT_NE(edit, nullptr);
        field->MouseDown = [this](const std::shared_ptr<TextField>& f, std::int64_t x, std::int64_t y) {
            EXPECT_EQ(f, field);
            clicks.push_back({IsContextualClick(), QPoint(static_cast<int>(x), static_cast<int>(y))});
            return IsContextualClick() ? handleContextual : handleOthers;
        };
    }
    struct Click {
        bool contextual;
        QPoint pos;
    };
    std::shared_ptr<TextField> field;
    QLineEdit* edit = nullptr;
    std::vector<Click> clicks;
    bool handleContextual = true;
    bool handleOthers = false;
};

TEST_F(FieldClicks, RightClickIsContextualAndLeftIsNot)
{
    QTest::mouseClick(edit, Qt::RightButton, Qt::NoModifier, QPoint(7, 5));
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(9, 6));
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_TRUE(clicks[0].contextual);
    EXPECT_EQ(clicks[0].pos, QPoint(7, 5));
    EXPECT_FALSE(clicks[1].contextual);
    EXPECT_EQ(clicks[1].pos, QPoint(9, 6));
    // Outside a mouse-down there is no contextual click.
    EXPECT_FALSE(IsContextualClick());
}

TEST_F(FieldClicks, ControlWithLeftButtonIsContextual)
{
#ifdef Q_OS_MACOS
    const auto control = Qt::MetaModifier;
#else
    const auto control = Qt::ControlModifier;
#endif
    QTest::mouseClick(edit, Qt::LeftButton, control, QPoint(5, 5));
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_TRUE(clicks[0].contextual);
}

// True keeps the click from the field: the cursor stays where it was.
TEST_F(FieldClicks, HandledClickIsNotSeenByTheField)
{
    field->SetText("12345");
    edit->setCursorPosition(5);
    handleOthers = true;
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(3, 5));
    EXPECT_EQ(edit->cursorPosition(), 5);
    handleOthers = false;
    QTest::mouseClick(edit, Qt::LeftButton, Qt::NoModifier, QPoint(3, 5));
    EXPECT_EQ(edit->cursorPosition(), 0);
}

TEST_F(FieldClicks, ContextMenuEventRaisesConstructContextualMenuAndNoQtMenu)
{
    handleContextual = false;
    std::shared_ptr<MenuItem> given;
    field->ConstructContextualMenu =
        [&given](const std::shared_ptr<TextField>&, const std::shared_ptr<MenuItem>& base, std::int64_t, std::int64_t) {
            given = base;
            return false;
        };
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &event);
    ASSERT_NE(given, nullptr);
    EXPECT_EQ(given->Count(), 0);
    for (QWidget* top : QApplication::topLevelWidgets())
        EXPECT_FALSE(qobject_cast<QMenu*>(top) && top->isVisible());
}

TEST_F(FieldClicks, BaseMenuWithItemsIsPoppedUpWhenTheHandlerSaysSo)
{
    handleContextual = false;
    field->ConstructContextualMenu =
        [](const std::shared_ptr<TextField>&, const std::shared_ptr<MenuItem>& base, std::int64_t, std::int64_t) {
            auto item = std::make_shared<MenuItem>();
            item->Constructor();
            item->SetName("Extra");
            item->SetText("Extra");
            base->Append(item);
            return true;
        };
    std::shared_ptr<MenuItem> shown;
    MenuItem::SetPopUpChooserForTesting([&shown](const std::shared_ptr<MenuItem>& menu) {
        shown = menu;
        return std::shared_ptr<MenuItem>();
    });
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(5, 5), edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(edit, &event);
    MenuItem::SetPopUpChooserForTesting({});
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->Count(), 1);
    EXPECT_EQ(shown->Item(0)->Name(), "Extra");
}

// --------------------------------------------------------- buttons and labels

TEST_F(Controls, PushButtonActsOnClickAndShowsItsCaptionLiterally)
{
    auto button = add<PushButton>("PushButton1", geometry(495, 94, 80, 20));
    button->SetCaption("Save & Test");
    int actions = 0;
    button->Action = [&actions](const std::shared_ptr<PushButton>&) { ++actions; };
    auto* qtButton = window->widget()->findChild<QPushButton*>("PushButton1");
    QTest::mouseClick(qtButton, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
    EXPECT_EQ(button->Caption(), "Save & Test");
    EXPECT_EQ(qtButton->text(), "Save && Test");

    button->SetEnabled(false);
    QTest::mouseClick(qtButton, Qt::LeftButton);
    EXPECT_EQ(actions, 1);
}

struct AlignCase {
    std::int64_t code;
    Qt::Alignment horizontal;
};

class LabelAlignment : public Controls, public ::testing::WithParamInterface<AlignCase> {};

TEST_P(LabelAlignment, FollowsTheCode)
{
    auto label = add<Label>("Label1", PropertyList({{"TextAlign", static_cast<int>(GetParam().code)}}));
    auto* qtLabel = window->widget()->findChild<QLabel*>("Label1");
    EXPECT_EQ(qtLabel->alignment() & Qt::AlignHorizontal_Mask, GetParam().horizontal);
    EXPECT_EQ(label->TextAlign(), GetParam().code);
}

constexpr AlignCase kAlignCases[] = {
    {0, Qt::AlignLeft},
    {1, Qt::AlignHCenter},
    {2, Qt::AlignRight},
};

INSTANTIATE_TEST_SUITE_P(Label, LabelAlignment, ::testing::ValuesIn(kAlignCases), [](const auto& info) {
    return "Code" + std::to_string(info.param.code);
});

TEST_F(Controls, LabelShowsTextColourAndBold)
{
    auto label = add<Label>(
        "Label1",
        geometry(10, 10, 120, 20)
            + PropertyList({{"TextFont", "System"}, {"TextSize", 0.0f}, {"TextUnit", Byte{0}}, {"Text", "is Valid"}}));
    auto* qtLabel = window->widget()->findChild<QLabel*>("Label1");
    EXPECT_EQ(qtLabel->text(), "is Valid");
    EXPECT_EQ(qtLabel->textFormat(), Qt::PlainText);
    // "System" at size 0 is the desktop's font; this text fits at the desktop's size.
    EXPECT_EQ(qtLabel->font().family(), QApplication::font().family());
    EXPECT_EQ(QFontInfo(qtLabel->font()).pixelSize(), QFontInfo(QApplication::font()).pixelSize());

    label->SetTextColor(Color{0x00FF00});
    label->SetBold(true);
    EXPECT_EQ(qtLabel->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    EXPECT_TRUE(qtLabel->font().bold());
    EXPECT_EQ(label->TextColor(), Color{0x00FF00});
    EXPECT_TRUE(label->Bold());

    label->SetProperties(PropertyList({{"TextSize", 18.0f}, {"Italic", true}, {"HelpTag", "tip"}}));
    EXPECT_EQ(qtLabel->font().pointSizeF(), 18.0);
    EXPECT_TRUE(qtLabel->font().italic());
    EXPECT_EQ(qtLabel->toolTip(), "tip");
}

// ----------------------------------------------------------------- painting

TEST_F(Controls, RectanglePaintsFillAndBorderEdges)
{
    auto rect = add<Rectangle>("Rectangle1",
                               geometry(10, 10, 40, 30)
                                   + PropertyList({{"FillColor", Color{0xFFFBC6}},
                                                   {"BorderWidth", 2},
                                                   {"TopLeftColor", Color{0xFF0000}},
                                                   {"BottomRightColor", Color{0x0000FF}}}));
    const QImage shot = rect->widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(20, 15), QColor(0xFF, 0xFB, 0xC6));
    EXPECT_EQ(shot.pixelColor(10, 0), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(1, 15), QColor(255, 0, 0));
    EXPECT_EQ(shot.pixelColor(20, 29), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(38, 15), QColor(0, 0, 255));
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(0xFF, 0xFB, 0xC6));

    rect->SetBorderWidth(0);
    EXPECT_EQ(rect->widget()->grab().toImage().pixelColor(0, 0), QColor(0xFF, 0xFB, 0xC6));
}

TEST_F(Controls, CanvasPaintsItsBackdropScaledToItsSize)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(QColor(0, 128, 0));
    auto canvas = add<Canvas>("Canvas1", geometry(405, 181, 20, 13));
    canvas->SetBackdrop(std::make_shared<Picture>(image));
    const QImage shot = canvas->widget()->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(20, 13));
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(19, 12), QColor(0, 128, 0));
    EXPECT_EQ(shot.pixelColor(10, 6), QColor(0, 128, 0));
    EXPECT_EQ(canvas->Backdrop()->Width(), 2);
}

TEST_F(Controls, ImageWellCentresItsImage)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(QColor(200, 0, 0));
    auto well = add<ImageWell>("ImageWell1", geometry(0, 0, 30, 30));
    well->SetImage(std::make_shared<Picture>(image));
    const QImage shot = well->widget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(15, 15), QColor(200, 0, 0));
    EXPECT_NE(shot.pixelColor(2, 2), QColor(200, 0, 0));
    EXPECT_EQ(well->Image()->Width(), 10);
}

} // namespace
