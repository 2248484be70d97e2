// The stored property lists applied to the framework's controls and windows,
// and broken lists applied to a label.

#include "controls.h"
#include "exceptions.h"
#include "private/propertytypes.h"
#include "propertylist.h"
#include "storedlists.h"
#include "ui_fixture.h"
#include "window.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>

using namespace corvanta;

namespace {

// ------------------------------------------- the stored lists of the windows

// A list of the table of stored lists.
const std::string& stored(const std::string& window, const std::string& target)
{
    for (const storedlists::Expected& e : storedlists::Table())
        if (e.window == window && e.target == target)
            return e.bytes;
    ADD_FAILURE() << "no stored list for " << window << "." << target;
    static const std::string none;
    return none;
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

// Each stored list applies to its control with every record read by the type
// its class declares; a type that differed from the list would misplace
// every later record and fail or give wrong values.
TEST_F(StoredListsApply, ToEveryKindOfControl)
{
    auto rect = addControl<Rectangle>(*window, "Rectangle1");
    ASSERT_NO_THROW(rect->SetProperties(stored("Window1", "Rectangle1")));
    EXPECT_EQ(rect->FillColor(), Color{0xFFFBC6});
    EXPECT_EQ(rect->BorderWidth(), 1);
    EXPECT_FALSE(rect->Visible());
    EXPECT_EQ(rect->Left(), 297);
    EXPECT_EQ(rect->Width(), 282);

    auto label = addControl<Label>(*window, "StaticText9");
    ASSERT_NO_THROW(label->SetProperties(stored("Window1", "StaticText9")));
    EXPECT_TRUE(label->Bold());
    EXPECT_EQ(label->Left(), 441);
    EXPECT_EQ(label->Top(), 217);
    EXPECT_EQ(label->widget()->parentWidget(), rect->widget());

    // A header label: no Text record, so the text set before the list stays.
    auto header = addControl<Label>(*window, "StaticText1");
    header->SetText("Code");
    ASSERT_NO_THROW(header->SetProperties(stored("Window1", "StaticText1")));
    EXPECT_EQ(header->Text(), "Code");
    EXPECT_EQ(header->TextAlign(), 1);

    auto canvas = addControl<Canvas>(*window, "Canvas1");
    ASSERT_NO_THROW(canvas->SetProperties(stored("Window1", "Canvas1")));
    EXPECT_EQ(canvas->Left(), 405);
    EXPECT_EQ(canvas->Height(), 13);

    auto popup = addControl<PopupMenu>(*window, "PopupMenu1");
    ASSERT_NO_THROW(popup->SetProperties(stored("Window1", "PopupMenu1")));
    EXPECT_EQ(popup->ListCount(), 13);
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->List(12), "Z");

    auto field = addControl<TextField>(*window, "EditField1");
    ASSERT_NO_THROW(field->SetProperties(stored("Window1", "EditField1")));
    EXPECT_EQ(field->Mask(), "99999999999");
    EXPECT_EQ(field->Text(), "");
    EXPECT_EQ(field->Width(), 127);
    EXPECT_EQ(field->Height(), 22);

    // The test button's list has no Caption record; the About window's OK has one.
    auto button = addControl<PushButton>(*window, "PushButton1");
    button->SetCaption("Test");
    ASSERT_NO_THROW(button->SetProperties(stored("Window1", "PushButton1")));
    EXPECT_EQ(button->Caption(), "Test");
    EXPECT_TRUE(button->Default());
    EXPECT_FALSE(button->Cancel());
    EXPECT_FALSE(button->Enabled());
    EXPECT_EQ(button->Left(), 495);
    ASSERT_NO_THROW(button->SetProperties(stored("Info", "PushButton1")));
    EXPECT_EQ(button->Caption(), "OK");
    EXPECT_TRUE(button->Enabled());
    EXPECT_EQ(button->Height(), 22);

    auto well = addControl<ImageWell>(*window, "ImageWell1");
    ASSERT_NO_THROW(well->SetProperties(stored("Info", "ImageWell1")));
    EXPECT_EQ(well->Width(), 425);
    EXPECT_EQ(well->Height(), 290);
}

TEST_F(StoredListsApply, ToTheWindow)
{
    ASSERT_NO_THROW(window->SetProperties(stored("Window1", "window")));
    EXPECT_EQ(window->Width(), 611);
    EXPECT_EQ(window->Height(), 328);
    EXPECT_EQ(window->Title(), "Corvanta");
    EXPECT_FALSE(window->Resizeable());
    EXPECT_FALSE(window->MaximizeButton());
    EXPECT_TRUE(window->Visible());
}

class EveryStoredList : public StoredListsApply, public ::testing::WithParamInterface<storedlists::Expected> {};

// Every list of the table reads to its end on what it is applied to.
TEST_P(EveryStoredList, AppliesToItsClass)
{
    const storedlists::Expected& e = GetParam();
    if (e.className == "Window") {
        EXPECT_NO_THROW(window->SetProperties(e.bytes));
        return;
    }
    // The controls of the result panel name it as their parent.
    if (e.target != "Rectangle1")
        addControl<Rectangle>(*window, "Rectangle1");
    std::shared_ptr<RectControl> control;
    if (e.className == "Rectangle")
        control = addControl<Rectangle>(*window, e.target);
    else if (e.className == "Label")
        control = addControl<Label>(*window, e.target);
    else if (e.className == "Canvas")
        control = addControl<Canvas>(*window, e.target);
    else if (e.className == "PopupMenu")
        control = addControl<PopupMenu>(*window, e.target);
    else if (e.className == "TextField")
        control = addControl<TextField>(*window, e.target);
    else if (e.className == "PushButton")
        control = addControl<PushButton>(*window, e.target);
    else if (e.className == "ImageWell")
        control = addControl<ImageWell>(*window, e.target);
    ASSERT_NE(control, nullptr) << "no control class " << e.className;
    EXPECT_STREQ(control->className(), e.className.c_str());
    EXPECT_NO_THROW(control->SetProperties(e.bytes));
}

INSTANTIATE_TEST_SUITE_P(Windows, EveryStoredList, ::testing::ValuesIn(storedlists::Table()), [](const auto& info) {
    return info.param.window + "_" + info.param.target;
});

template <class V>
constexpr bool kReadableAs = requires(const PropertyValue& v)
{
    valueAs<V>(v);
};

// A value is read only as one of the types the rows keep their values in;
// any other type does not compile.
TEST(PropertyValues, AreReadOnlyAsTheTypesTheyAreKeptIn)
{
    static_assert(kReadableAs<bool> && kReadableAs<Color> && kReadableAs<float>);
    static_assert(kReadableAs<std::uint8_t> && kReadableAs<std::string> && kReadableAs<std::int64_t>);
    // Each of these was once read as an integer.
    static_assert(!kReadableAs<int> && !kReadableAs<double> && !kReadableAs<const char*> && !kReadableAs<Byte>);
    EXPECT_EQ(valueAs<std::int64_t>(PropertyValue(7)), 7);
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
