// Stored property lists applied to the framework's controls and windows, and
// broken lists applied to a label.

#include "controls.h"
#include "exceptions.h"
#include "propertylist.h"
#include "ui_fixture.h"
#include "window.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace corvanta;

namespace {

// ------------------------------------------- the stored lists of the windows

// Window1's lists, written record by record from the design tables.
std::string rectangle1List()
{
    return PropertyList({{"InitialParent", ""},
                         {"BottomRightColor", Color{0x000000}},
                         {"TopLeftColor", Color{0x000000}},
                         {"BorderWidth", 1},
                         {"FillColor", Color{0xFFFBC6}},
                         {"Enabled", true},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", false},
                         {"TabPanelIndex", 0},
                         {"TabIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 131},
                         {"Width", 282},
                         {"Top", 126},
                         {"Left", 297},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "Rectangle1"},
                         {"TabStop", true}});
}

std::string labelList(const char* parent, bool bold, int align, const char* text, int tabIndex, int width, int top,
                      int left, const char* name)
{
    std::string list = PropertyList({{"InitialParent", parent},
                                     {"DataField", ""},
                                     {"DataSource", ""},
                                     {"Underline", false},
                                     {"Italic", false},
                                     {"Bold", bold},
                                     {"TextUnit", Byte{0}},
                                     {"TextSize", 0.0f},
                                     {"TextFont", "System"},
                                     {"AutoDeactivate", true},
                                     {"HelpTag", ""},
                                     {"Transparent", false},
                                     {"Selectable", false},
                                     {"Visible", true},
                                     {"Enabled", true},
                                     {"Multiline", false},
                                     {"TextColor", Color{0x000000}},
                                     {"TextAlign", align}});
    if (text)
        list += PropertyList({{"Text", text}});
    list += PropertyList({{"TabIndex", tabIndex},
                          {"TabPanelIndex", 0},
                          {"LockBottom", false},
                          {"LockRight", false},
                          {"LockTop", false},
                          {"LockLeft", false},
                          {"Height", 20},
                          {"Width", width},
                          {"Top", top},
                          {"Left", left},
                          {"Index", static_cast<long long>(kNoIndex)},
                          {"Name", name},
                          {"TabStop", true}});
    return list;
}

std::string canvas1List()
{
    return PropertyList({{"InitialParent", "Rectangle1"},
                         {"Transparent", true},
                         {"EraseBackground", true},
                         {"DoubleBuffer", false},
                         {"AcceptTabs", false},
                         {"AcceptFocus", false},
                         {"UseFocusRing", true},
                         {"Enabled", true},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", true},
                         {"TabStop", true},
                         {"TabIndex", 4},
                         {"TabPanelIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 13},
                         {"Width", 20},
                         {"Top", 181},
                         {"Left", 405},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "Canvas1"}});
}

std::string popupMenu1List()
{
    return PropertyList({{"InitialParent", ""},
                         {"DataField", ""},
                         {"DataSource", ""},
                         {"Underline", false},
                         {"Italic", false},
                         {"Bold", false},
                         {"TextUnit", Byte{0}},
                         {"TextSize", 0.0f},
                         {"TextFont", "System"},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", true},
                         {"ListIndex", 0},
                         {"InitialValue", "\rH\rL\rM\rN\rP\rS\rT\rU\rV\rX\rY\rZ"},
                         {"Enabled", true},
                         {"TabStop", true},
                         {"TabIndex", 2},
                         {"TabPanelIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 20},
                         {"Width", 63},
                         {"Top", 45},
                         {"Left", 328},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "PopupMenu1"}});
}

std::string editField1List()
{
    return PropertyList({{"InitialParent", ""},
                         {"DataField", ""},
                         {"DataSource", ""},
                         {"AutomaticallyCheckSpelling", false},
                         {"Alignment", 0},
                         {"AcceptTabs", false},
                         {"LimitText", 0},
                         {"ReadOnly", false},
                         {"Mask", "99999999999"},
                         {"Text", ""},
                         {"CueText", ""},
                         {"Underline", false},
                         {"Italic", false},
                         {"Bold", false},
                         {"TextUnit", Byte{0}},
                         {"TextSize", 0.0f},
                         {"TextFont", "System"},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", true},
                         {"Format", ""},
                         {"Enabled", true},
                         {"BackColor", Color{0xFFFFFF}},
                         {"TextColor", Color{0x000000}},
                         {"UseFocusRing", true},
                         {"Password", false},
                         {"Border", true},
                         {"TabStop", true},
                         {"TabIndex", 3},
                         {"TabPanelIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 22},
                         {"Width", 127},
                         {"Top", 45},
                         {"Left", 395},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "EditField1"}});
}

std::string pushButton1List()
{
    return PropertyList({{"InitialParent", ""},
                         {"Underline", false},
                         {"Italic", false},
                         {"Bold", false},
                         {"TextUnit", Byte{0}},
                         {"TextSize", 0.0f},
                         {"TextFont", "System"},
                         {"ButtonStyle", 0},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", true},
                         {"Enabled", false},
                         {"Cancel", false},
                         {"Default", true},
                         {"TabStop", true},
                         {"TabIndex", 4},
                         {"TabPanelIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 20},
                         {"Width", 80},
                         {"Top", 94},
                         {"Left", 495},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "PushButton1"}});
}

std::string imageWell1List()
{
    return PropertyList({{"Enabled", true},
                         {"AutoDeactivate", true},
                         {"HelpTag", ""},
                         {"Visible", true},
                         {"InitialParent", ""},
                         {"TabStop", true},
                         {"TabIndex", 3},
                         {"TabPanelIndex", 0},
                         {"LockBottom", false},
                         {"LockRight", false},
                         {"LockTop", false},
                         {"LockLeft", false},
                         {"Height", 290},
                         {"Width", 425},
                         {"Top", 0},
                         {"Left", 0},
                         {"Index", static_cast<long long>(kNoIndex)},
                         {"Name", "ImageWell1"}});
}

std::string window1List()
{
    return PropertyList({{"Width", 611},
                         {"Height", 328},
                         {"MinWidth", 64},
                         {"MinHeight", 64},
                         {"MaxWidth", 32000},
                         {"MaxHeight", 32000},
                         {"Frame", 0},
                         {"Title", "Corvanta"},
                         {"CloseButton", true},
                         {"Resizeable", false},
                         {"MaximizeButton", false},
                         {"MinimizeButton", true},
                         {"FullScreenButton", false},
                         {"Composite", true},
                         {"MacProcID", 0},
                         {"Placement", 0},
                         {"Visible", true},
                         {"LiveResize", true},
                         {"FullScreen", false},
                         {"MenuBarVisible", true},
                         {"HasBackColor", false},
                         {"BackColor", Color{0xFFFFFF}}});
}

TEST(StoredLists, HaveTheLengthsOfTheDesign)
{
    EXPECT_EQ(rectangle1List().size(), 313u);
    EXPECT_EQ(editField1List().size(), 535u);
    EXPECT_EQ(popupMenu1List().size(), 396u);
    // Longer than the 255 that the length byte in front of it can say.
    EXPECT_GT(window1List().size(), 255u);
}

class PlainWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("PropertyListTest.PlainWindow");
        return record;
    }
};

template <class T>
std::shared_ptr<T> addControl(Window& window, const std::string& name)
{
    window.CreateControl<T>(name);
    return window.Registered<T>(name);
}

class StoredListsApply : public UiTest {
protected:
    void SetUp() override
    {
        window = std::make_shared<PlainWindow>();
        window->Constructor();
    }
    std::shared_ptr<PlainWindow> window;
};

// Each list of the check windows applies to its control with every record
// read by the type its class declares; a type that differed from the table
// would misplace every later record and fail or give wrong values.
TEST_F(StoredListsApply, ToEveryKindOfControl)
{
    auto rect = addControl<Rectangle>(*window, "Rectangle1");
    ASSERT_NO_THROW(rect->SetProperties(rectangle1List()));
    EXPECT_EQ(rect->FillColor(), Color{0xFFFBC6});
    EXPECT_EQ(rect->BorderWidth(), 1);
    EXPECT_FALSE(rect->Visible());
    EXPECT_EQ(rect->Left(), 297);
    EXPECT_EQ(rect->Width(), 282);

    auto label = addControl<Label>(*window, "StaticText9");
    ASSERT_NO_THROW(label->SetProperties(labelList("Rectangle1", true, 0, "", 7, 124, 217, 441, "StaticText9")));
    EXPECT_TRUE(label->Bold());
    EXPECT_EQ(label->Left(), 441);
    EXPECT_EQ(label->Top(), 217);
    EXPECT_EQ(label->widget()->parentWidget(), rect->widget());

    // A header label: no Text record, so the text set before the list stays.
    auto header = addControl<Label>(*window, "StaticText1");
    header->SetText("Code");
    ASSERT_NO_THROW(header->SetProperties(labelList("", false, 1, nullptr, 0, 63, 14, 328, "StaticText1")));
    EXPECT_EQ(header->Text(), "Code");
    EXPECT_EQ(header->TextAlign(), 1);

    auto canvas = addControl<Canvas>(*window, "Canvas1");
    ASSERT_NO_THROW(canvas->SetProperties(canvas1List()));
    EXPECT_EQ(canvas->Left(), 405);
    EXPECT_EQ(canvas->Height(), 13);

    auto popup = addControl<PopupMenu>(*window, "PopupMenu1");
    ASSERT_NO_THROW(popup->SetProperties(popupMenu1List()));
    EXPECT_EQ(popup->ListCount(), 13);
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->List(12), "Z");

    auto field = addControl<TextField>(*window, "EditField1");
    ASSERT_NO_THROW(field->SetProperties(editField1List()));
    EXPECT_EQ(field->Mask(), "99999999999");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(field->Width(), 127);
    EXPECT_EQ(field->Height(), 22);

    auto button = addControl<PushButton>(*window, "PushButton1");
    button->SetCaption("Test");
    ASSERT_NO_THROW(button->SetProperties(pushButton1List()));
    EXPECT_EQ(button->Caption(), "Test");
    EXPECT_TRUE(button->Default());
    EXPECT_FALSE(button->Cancel());
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Left(), 495);

    auto well = addControl<ImageWell>(*window, "ImageWell1");
    ASSERT_NO_THROW(well->SetProperties(imageWell1List()));
    EXPECT_EQ(well->Width(), 425);
    EXPECT_EQ(well->Height(), 290);
}

TEST_F(StoredListsApply, ToTheWindow)
{
    ASSERT_NO_THROW(window->SetProperties(window1List()));
    EXPECT_EQ(window->Width(), 611);
    EXPECT_EQ(window->Height(), 328);
    EXPECT_EQ(window->Title(), "Corvanta");
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->MaximizeButton());
    EXPECT_TRUE(window->Visible());
}

// ------------------------------------------------------------------ failures

class BrokenLists : public StoredListsApply {
protected:
    void SetUp() override
    {
        StoredListsApply::SetUp();
        label = addControl<Label>(*window, "StaticText1");
    }
    std::shared_ptr<Label> label;
};

TEST_F(BrokenLists, TruncatedValueRaisesWithEarlierRecordsApplied)
{
    std::string list = PropertyList({{"Text", "abc"}, {"Bold", true}, {"Width", 92}});
    list.resize(list.size() - 3); // the Width value loses its last bytes
    EXPECT_THROW(label->SetProperties(list), UnsupportedFormatException);
    EXPECT_EQ(label->Text(), "abc");
    EXPECT_TRUE(label->Bold());
    EXPECT_NE(label->Width(), 92);
}

TEST_F(BrokenLists, TruncatedStringRaises)
{
    std::string list = PropertyList({{"TextAlign", 2}, {"Text", "abcdef"}});
    list.resize(list.size() - 1);
    EXPECT_THROW(label->SetProperties(list), UnsupportedFormatException);
    EXPECT_EQ(label->TextAlign(), 2);
    EXPECT_EQ(label->Text(), "");
}

TEST_F(BrokenLists, ListEndingInsideANameRaises)
{
    const std::string list = PropertyList({{"Bold", true}}) + "Tex";
    EXPECT_THROW(label->SetProperties(list), UnsupportedFormatException);
    EXPECT_TRUE(label->Bold());
}

TEST_F(BrokenLists, UnknownNameRaisesWithEarlierRecordsApplied)
{
    const std::string list = PropertyList({{"Text", "x"}, {"Frobnicate", 1}, {"Bold", true}});
    EXPECT_THROW(label->SetProperties(list), KeyNotFoundException);
    EXPECT_EQ(label->Text(), "x");
    EXPECT_FALSE(label->Bold());
}

// A window's property is not a label's, and a label's is not a push button's.
TEST_F(BrokenLists, PropertiesOfAnotherClassAreUnknown)
{
    EXPECT_THROW(label->SetProperties(PropertyList({{"Title", "Corvanta"}})), KeyNotFoundException);
    auto button = addControl<PushButton>(*window, "PushButton1");
    EXPECT_THROW(button->SetProperties(PropertyList({{"Text", "OK"}})), KeyNotFoundException);
    EXPECT_THROW(window->SetProperties(PropertyList({{"Caption", "OK"}})), KeyNotFoundException);
}

TEST_F(BrokenLists, BooleanOtherThanZeroOrOneRaises)
{
    std::string list = PropertyList({{"Text", "x"}, {"Bold", true}});
    list.back() = 2;
    EXPECT_THROW(label->SetProperties(list), UnsupportedFormatException);
    EXPECT_EQ(label->Text(), "x");
    EXPECT_FALSE(label->Bold());
}

TEST_F(BrokenLists, RecordWrittenWithAnotherTypeIsMisreadIntoAFailure)
{
    // Left is an Integer; written as a Boolean it swallows the next record's
    // name as its value bytes and the list no longer parses.
    const std::string list = PropertyList({{"Left", true}, {"Top", 5}});
    EXPECT_ANY_THROW(label->SetProperties(list));
}

} // namespace
