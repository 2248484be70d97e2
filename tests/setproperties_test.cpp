// The stored property lists applied to the framework's controls and windows,
// each record to the widget attribute it stands for, and broken lists applied
// to a label.

#include "controls.h"
#include "exceptions.h"
#include "menu.h"
#include "private/propertytypes.h"
#include "propertylist.h"
#include "storedlists.h"
#include "ui_fixture.h"
#include "window.h"

#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

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

// ------------------------------------ each record to its own widget attribute

// What a widget shows, attribute by attribute, as text.
using Attributes = std::map<std::string, std::string>;

std::string yesNo(bool b) { return b ? "yes" : "no"; }
std::string colorName(const QColor& c) { return c.name().toStdString(); }

enum class Subject { Field, Label, Button, Popup, Rectangle, Canvas, Window };

struct RowCase {
    const char* name;
    Subject subject;
    std::string setup;  // applied before the attributes are first read
    std::string record; // the record under test
    Attributes changes; // the attributes it changes, with their new values
};

void PrintTo(const RowCase& c, std::ostream* os) { *os << c.name; }

// A marker the canvas erases in, told apart from the window's own colour.
const QColor kCanvasErase(0x20, 0x80, 0x40);

void readFont(const QWidget& w, Attributes& a)
{
    const QFont f = w.font();
    a["bold"] = yesNo(f.bold());
    a["italic"] = yesNo(f.italic());
    a["underline"] = yesNo(f.underline());
    a["fontSize"] = f.pointSizeF() > 0 ? std::to_string(f.pointSizeF()) + "pt" : std::to_string(f.pixelSize()) + "px";
    a["fontFamily"] = f.family().toStdString();
}

Attributes controlAttributes(QWidget& w, QWidget& content)
{
    Attributes a;
    const QPoint place = w.mapTo(&content, QPoint(0, 0));
    a["left"] = std::to_string(place.x());
    a["top"] = std::to_string(place.y());
    a["width"] = std::to_string(w.width());
    a["height"] = std::to_string(w.height());
    a["hidden"] = yesNo(w.isHidden());
    a["enabled"] = yesNo(w.isEnabled());
    a["toolTip"] = w.toolTip().toStdString();
    a["focus"] = std::to_string(w.focusPolicy());
    a["parent"] = w.parentWidget() == &content ? "window" : w.parentWidget()->objectName().toStdString();
    readFont(w, a);
    if (auto* e = qobject_cast<QLineEdit*>(&w)) {
        a["alignment"] = std::to_string(e->alignment().toInt());
        a["maxLength"] = std::to_string(e->maxLength());
        a["validator"] = yesNo(e->validator() != nullptr);
        a["readOnly"] = yesNo(e->isReadOnly());
        a["text"] = e->text().toStdString();
        a["cueText"] = e->placeholderText().toStdString();
        a["base"] = colorName(e->palette().color(QPalette::Base));
        a["textColor"] = colorName(e->palette().color(QPalette::Text));
        a["focusRing"] = yesNo(e->testAttribute(Qt::WA_MacShowFocusRect));
        a["echo"] = std::to_string(e->echoMode());
        a["frame"] = yesNo(e->hasFrame());
    } else if (auto* l = qobject_cast<QLabel*>(&w)) {
        a["alignment"] = std::to_string(l->alignment().toInt());
        a["wordWrap"] = yesNo(l->wordWrap());
        a["selectable"] = yesNo(l->textInteractionFlags() & Qt::TextSelectableByMouse);
        a["textColor"] = colorName(l->palette().color(QPalette::WindowText));
        a["text"] = l->text().toStdString();
    } else if (auto* b = qobject_cast<QPushButton*>(&w)) {
        a["text"] = b->text().toStdString();
        a["default"] = yesNo(b->isDefault());
    } else if (auto* c = qobject_cast<QComboBox*>(&w)) {
        std::string rows;
        for (int i = 0; i < c->count(); ++i)
            rows += "|" + c->itemText(i).toStdString();
        a["rows"] = rows;
        a["chosen"] = std::to_string(c->currentIndex());
    }
    return a;
}

// A rectangle's colours and border as painted, read along its middle line.
void readRectangle(QWidget& w, Attributes& a)
{
    const QImage image = w.grab().toImage();
    const int middle = image.height() / 2;
    const QRgb edge = image.pixel(0, middle);
    int border = 0;
    while (border < image.width() && image.pixel(border, middle) == edge)
        ++border;
    a["fill"] = colorName(image.pixel(image.width() / 2, middle));
    a["topLeft"] = colorName(edge);
    a["bottomRight"] = colorName(image.pixel(image.width() - 1, middle));
    a["border"] = std::to_string(border);
}

// Whether the canvas erases its place, seen in its window's content.
void readCanvas(QWidget& w, QWidget& content, Attributes& a)
{
    const QImage image = content.grab(w.geometry()).toImage();
    a["erases"] = yesNo(QColor(image.pixel(image.width() / 2, image.height() / 2)) == kCanvasErase);
}

Attributes windowAttributes(Window& window)
{
    QWidget& w = *window.widget();
    QWidget& content = *window.contentWidget();
    Attributes a;
    a["title"] = w.windowTitle().toStdString();
    a["width"] = std::to_string(content.width());
    a["height"] = std::to_string(content.height());
    a["minWidth"] = std::to_string(content.minimumWidth());
    a["minHeight"] = std::to_string(content.minimumHeight());
    a["maxWidth"] = std::to_string(content.maximumWidth());
    a["maxHeight"] = std::to_string(content.maximumHeight());
    a["fixedSize"] = yesNo(w.minimumSize() == w.maximumSize());
    const Qt::WindowFlags flags = w.windowFlags();
    a["closeButton"] = yesNo(flags & Qt::WindowCloseButtonHint);
    a["minimizeButton"] = yesNo(flags & Qt::WindowMinimizeButtonHint);
    a["maximizeButton"] = yesNo(flags & Qt::WindowMaximizeButtonHint);
    a["fullScreenButton"] = yesNo(flags & Qt::WindowFullscreenButtonHint);
    a["shown"] = yesNo(w.isVisible());
    a["fullScreen"] = yesNo(w.isFullScreen());
    auto* bar = w.findChild<QMenuBar*>();
    a["menuBar"] = yesNo(bar && !bar->isHidden());
    a["backColor"] = colorName(content.grab(QRect(0, 0, 4, 4)).toImage().pixel(1, 1));
    return a;
}

class EachRecord : public StoredListsApply, public ::testing::WithParamInterface<RowCase> {
protected:
    void SetUp() override
    {
        StoredListsApply::SetUp();
        const std::shared_ptr<MenuBar> bar = std::make_shared<MenuBar>();
        bar->Constructor();
        auto file = std::make_shared<MenuItem>();
        file->Constructor();
        file->SetText("File");
        bar->Append(file);
        window->SetMenuBar(bar);
        // A panel the control may be placed in.
        addControl<Rectangle>(*window, "Panel")
            ->SetProperties(PropertyList({{"Left", 100}, {"Top", 100}, {"Width", 200}, {"Height", 100}}));
        switch (GetParam().subject) {
        case Subject::Field: control = addControl<TextField>(*window, "Subject"); break;
        case Subject::Label: control = addControl<Label>(*window, "Subject"); break;
        case Subject::Button: control = addControl<PushButton>(*window, "Subject"); break;
        case Subject::Popup: control = addControl<PopupMenu>(*window, "Subject"); break;
        case Subject::Rectangle: control = addControl<Rectangle>(*window, "Subject"); break;
        case Subject::Canvas: control = addControl<Canvas>(*window, "Subject"); break;
        case Subject::Window: break;
        }
        if (control) {
            control->SetProperties(PropertyList({{"Left", 10}, {"Top", 10}, {"Width", 60}, {"Height", 30}}));
            QPalette palette = control->widget()->palette();
            palette.setColor(QPalette::Window, kCanvasErase);
            control->widget()->setPalette(palette);
        }
    }

    void apply(const std::string& list)
    {
        if (control)
            control->SetProperties(list);
        else
            window->SetProperties(list);
    }

    Attributes attributes()
    {
        if (!control)
            return windowAttributes(*window);
        Attributes a = controlAttributes(*control->widget(), *window->contentWidget());
        if (GetParam().subject == Subject::Rectangle)
            readRectangle(*control->widget(), a);
        if (GetParam().subject == Subject::Canvas)
            readCanvas(*control->widget(), *window->contentWidget(), a);
        return a;
    }

    std::shared_ptr<RectControl> control;
};

// A record changes the attributes it stands for, and no other: a record
// written into a neighbour's attribute (the text colour into the back
// colour) changes the wrong one.
TEST_P(EachRecord, ChangesItsOwnAttributeAndNoOther)
{
    const RowCase& c = GetParam();
    if (!c.setup.empty()) {
        ASSERT_NO_THROW(apply(c.setup));
    }
    const Attributes before = attributes();
    ASSERT_NO_THROW(apply(c.record));
    const Attributes after = attributes();
    for (const auto& [attribute, value] : c.changes) {
        ASSERT_TRUE(after.count(attribute)) << "no attribute " << attribute;
        EXPECT_NE(before.at(attribute), value) << attribute << " was " << value << " before the record";
        EXPECT_EQ(after.at(attribute), value) << attribute;
    }
    for (const auto& [attribute, value] : after) {
        if (!c.changes.count(attribute)) {
            EXPECT_EQ(value, before.at(attribute)) << "the record changed " << attribute;
        }
    }
}

// Every record with an effect on a widget, a value other than its default.
const std::vector<RowCase>& EffectRows()
{
    using S = Subject;
    static const std::vector<RowCase> rows = {
        // Every control's records, on a field.
        {"InitialParent", S::Field, "", PropertyList({{"InitialParent", "Panel"}}), {{"parent", "Panel"}}},
        {"Left", S::Field, "", PropertyList({{"Left", 25}}), {{"left", "25"}}},
        {"Top", S::Field, "", PropertyList({{"Top", 35}}), {{"top", "35"}}},
        {"Width", S::Field, "", PropertyList({{"Width", 90}}), {{"width", "90"}}},
        {"Height", S::Field, "", PropertyList({{"Height", 24}}), {{"height", "24"}}},
        {"Visible", S::Field, "", PropertyList({{"Visible", false}}), {{"hidden", "yes"}}},
        {"Enabled", S::Field, "", PropertyList({{"Enabled", false}}), {{"enabled", "no"}}},
        {"HelpTag", S::Field, "", PropertyList({{"HelpTag", "a hint"}}), {{"toolTip", "a hint"}}},
        {"TabStop", S::Field, "", PropertyList({{"TabStop", false}}), {{"focus", std::to_string(Qt::ClickFocus)}}},
        // The font records, on a label.
        {"Bold", S::Label, "", PropertyList({{"Bold", true}}), {{"bold", "yes"}}},
        {"Italic", S::Label, "", PropertyList({{"Italic", true}}), {{"italic", "yes"}}},
        {"Underline", S::Label, "", PropertyList({{"Underline", true}}), {{"underline", "yes"}}},
        {"TextSize", S::Label, "", PropertyList({{"TextSize", 20.0f}}), {{"fontSize", std::to_string(20.0) + "pt"}}},
        {"TextUnit",
         S::Label,
         PropertyList({{"TextSize", 12.0f}}),
         PropertyList({{"TextUnit", Byte{1}}}),
         {{"fontSize", "12px"}}},
        {"TextFont",
         S::Label,
         PropertyList({{"TextSize", 12.0f}}),
         PropertyList({{"TextFont", "DejaVu Serif"}}),
         {{"fontFamily", "DejaVu Serif"}}},
        // A field's own.
        {"FieldAlignment",
         S::Field,
         "",
         PropertyList({{"Alignment", 3}}),
         {{"alignment", std::to_string((Qt::AlignRight | Qt::AlignVCenter).toInt())}}},
        {"FieldLimitText", S::Field, "", PropertyList({{"LimitText", 5}}), {{"maxLength", "5"}}},
        // Qt draws no focus ring around a read-only field.
        {"FieldReadOnly", S::Field, "", PropertyList({{"ReadOnly", true}}), {{"readOnly", "yes"}, {"focusRing", "no"}}},
        {"FieldMask", S::Field, "", PropertyList({{"Mask", "999"}}), {{"maxLength", "3"}, {"validator", "yes"}}},
        {"FieldText", S::Field, "", PropertyList({{"Text", "12"}}), {{"text", "12"}}},
        {"FieldCueText", S::Field, "", PropertyList({{"CueText", "digits"}}), {{"cueText", "digits"}}},
        {"FieldBackColor", S::Field, "", PropertyList({{"BackColor", Color{0x123456}}}), {{"base", "#123456"}}},
        {"FieldTextColor", S::Field, "", PropertyList({{"TextColor", Color{0x654321}}}), {{"textColor", "#654321"}}},
        {"FieldUseFocusRing", S::Field, "", PropertyList({{"UseFocusRing", false}}), {{"focusRing", "no"}}},
        {"FieldPassword",
         S::Field,
         "",
         PropertyList({{"Password", true}}),
         {{"echo", std::to_string(QLineEdit::Password)}}},
        {"FieldBorder", S::Field, "", PropertyList({{"Border", false}}), {{"frame", "no"}}},
        // A label's own.
        // Qt lets a click put the focus into a label whose text can be selected.
        {"LabelSelectable",
         S::Label,
         "",
         PropertyList({{"Selectable", true}}),
         {{"selectable", "yes"}, {"focus", std::to_string(Qt::ClickFocus)}}},
        {"LabelMultiline",
         S::Label,
         "",
         PropertyList({{"Multiline", true}}),
         {{"wordWrap", "yes"}, {"alignment", std::to_string((Qt::AlignLeft | Qt::AlignTop).toInt())}}},
        {"LabelTextColor", S::Label, "", PropertyList({{"TextColor", Color{0x654321}}}), {{"textColor", "#654321"}}},
        {"LabelTextAlign",
         S::Label,
         "",
         PropertyList({{"TextAlign", 2}}),
         {{"alignment", std::to_string((Qt::AlignRight | Qt::AlignVCenter).toInt())}}},
        {"LabelText", S::Label, "", PropertyList({{"Text", "abc"}}), {{"text", "abc"}}},
        // A push button's, a pop-up's, a rectangle's and a canvas's own.
        {"ButtonCaption", S::Button, "", PropertyList({{"Caption", "Go"}}), {{"text", "Go"}}},
        {"ButtonDefault", S::Button, "", PropertyList({{"Default", true}}), {{"default", "yes"}}},
        {"PopupInitialValue", S::Popup, "", PropertyList({{"InitialValue", "\rA\rB"}}), {{"rows", "||A|B"}}},
        {"PopupListIndex",
         S::Popup,
         PropertyList({{"InitialValue", "\rA\rB"}}),
         PropertyList({{"ListIndex", 1}}),
         {{"chosen", "1"}}},
        {"RectangleFillColor", S::Rectangle, "", PropertyList({{"FillColor", Color{0x123456}}}), {{"fill", "#123456"}}},
        {"RectangleTopLeftColor",
         S::Rectangle,
         "",
         PropertyList({{"TopLeftColor", Color{0x654321}}}),
         {{"topLeft", "#654321"}}},
        {"RectangleBottomRightColor",
         S::Rectangle,
         "",
         PropertyList({{"BottomRightColor", Color{0x345678}}}),
         {{"bottomRight", "#345678"}}},
        {"RectangleBorderWidth", S::Rectangle, "", PropertyList({{"BorderWidth", 3}}), {{"border", "3"}}},
        {"CanvasTransparent", S::Canvas, "", PropertyList({{"Transparent", false}}), {{"erases", "yes"}}},
        {"CanvasEraseBackground",
         S::Canvas,
         PropertyList({{"Transparent", false}}),
         PropertyList({{"EraseBackground", false}}),
         {{"erases", "no"}}},
        {"CanvasAcceptFocus",
         S::Canvas,
         "",
         PropertyList({{"AcceptFocus", true}}),
         {{"focus", std::to_string(Qt::StrongFocus)}}},
        // A window's.
        {"WindowTitle", S::Window, "", PropertyList({{"Title", "Checks"}}), {{"title", "Checks"}}},
        {"WindowWidth", S::Window, "", PropertyList({{"Width", 450}}), {{"width", "450"}}},
        {"WindowHeight", S::Window, "", PropertyList({{"Height", 250}}), {{"height", "250"}}},
        {"WindowMinWidth", S::Window, "", PropertyList({{"MinWidth", 100}}), {{"minWidth", "100"}}},
        {"WindowMinHeight", S::Window, "", PropertyList({{"MinHeight", 90}}), {{"minHeight", "90"}}},
        {"WindowMaxWidth", S::Window, "", PropertyList({{"MaxWidth", 900}}), {{"maxWidth", "900"}}},
        {"WindowMaxHeight", S::Window, "", PropertyList({{"MaxHeight", 800}}), {{"maxHeight", "800"}}},
        {"WindowResizeable",
         S::Window,
         "",
         PropertyList({{"Resizeable", false}}),
         {{"fixedSize", "yes"}, {"minWidth", "600"}, {"minHeight", "400"}, {"maxWidth", "600"}, {"maxHeight", "400"}}},
        {"WindowCloseButton", S::Window, "", PropertyList({{"CloseButton", false}}), {{"closeButton", "no"}}},
        {"WindowMinimizeButton", S::Window, "", PropertyList({{"MinimizeButton", false}}), {{"minimizeButton", "no"}}},
        {"WindowMaximizeButton", S::Window, "", PropertyList({{"MaximizeButton", false}}), {{"maximizeButton", "no"}}},
        {"WindowFullScreenButton",
         S::Window,
         "",
         PropertyList({{"FullScreenButton", true}}),
         {{"fullScreenButton", "yes"}}},
        {"WindowVisible", S::Window, "", PropertyList({{"Visible", false}}), {{"shown", "no"}}},
        {"WindowFullScreen", S::Window, "", PropertyList({{"FullScreen", true}}), {{"fullScreen", "yes"}}},
        {"WindowMenuBarVisible", S::Window, "", PropertyList({{"MenuBarVisible", false}}), {{"menuBar", "no"}}},
        {"WindowHasBackColor", S::Window, "", PropertyList({{"HasBackColor", true}}), {{"backColor", "#ffffff"}}},
        {"WindowBackColor",
         S::Window,
         PropertyList({{"HasBackColor", true}}),
         PropertyList({{"BackColor", Color{0x123456}}}),
         {{"backColor", "#123456"}}},
    };
    return rows;
}

INSTANTIATE_TEST_SUITE_P(Effects, EachRecord, ::testing::ValuesIn(EffectRows()), [](const auto& info) {
    return std::string(info.param.name);
});

// The records that change no widget attribute, most of them read only so that
// every list decodes, each given a value other than the stored one.
const std::vector<RowCase>& RowsWithoutEffect()
{
    using S = Subject;
    static const std::vector<RowCase> rows = {
        {"Index", S::Field, "", PropertyList({{"Index", 3}}), {}},
        {"Name", S::Field, "", PropertyList({{"Name", "Other"}}), {}},
        {"AutoDeactivate", S::Field, "", PropertyList({{"AutoDeactivate", false}}), {}},
        {"TabIndex", S::Field, "", PropertyList({{"TabIndex", 7}}), {}},
        {"TabPanelIndex", S::Field, "", PropertyList({{"TabPanelIndex", 2}}), {}},
        {"LockLeft", S::Field, "", PropertyList({{"LockLeft", true}}), {}},
        {"LockTop", S::Field, "", PropertyList({{"LockTop", true}}), {}},
        {"LockRight", S::Field, "", PropertyList({{"LockRight", true}}), {}},
        {"LockBottom", S::Field, "", PropertyList({{"LockBottom", true}}), {}},
        {"FieldDataField", S::Field, "", PropertyList({{"DataField", "number"}}), {}},
        {"FieldDataSource", S::Field, "", PropertyList({{"DataSource", "notes"}}), {}},
        {"FieldAutomaticallyCheckSpelling", S::Field, "", PropertyList({{"AutomaticallyCheckSpelling", true}}), {}},
        {"FieldAcceptTabs", S::Field, "", PropertyList({{"AcceptTabs", true}}), {}},
        {"FieldFormat", S::Field, "", PropertyList({{"Format", "#.##"}}), {}},
        {"LabelDataField", S::Label, "", PropertyList({{"DataField", "number"}}), {}},
        {"LabelDataSource", S::Label, "", PropertyList({{"DataSource", "notes"}}), {}},
        {"LabelTransparent", S::Label, "", PropertyList({{"Transparent", true}}), {}},
        // Kept for Escape, which presses the cancel button; no attribute shows it.
        {"ButtonCancel", S::Button, "", PropertyList({{"Cancel", true}}), {}},
        {"ButtonStyle", S::Button, "", PropertyList({{"ButtonStyle", 4}}), {}},
        {"PopupDataField", S::Popup, "", PropertyList({{"DataField", "letter"}}), {}},
        {"PopupDataSource", S::Popup, "", PropertyList({{"DataSource", "notes"}}), {}},
        {"CanvasDoubleBuffer", S::Canvas, "", PropertyList({{"DoubleBuffer", true}}), {}},
        {"CanvasAcceptTabs", S::Canvas, "", PropertyList({{"AcceptTabs", true}}), {}},
        {"CanvasUseFocusRing", S::Canvas, "", PropertyList({{"UseFocusRing", false}}), {}},
        {"WindowMacProcID", S::Window, "", PropertyList({{"MacProcID", 1}}), {}},
        {"WindowPlacement", S::Window, "", PropertyList({{"Placement", 2}}), {}},
        {"WindowComposite", S::Window, "", PropertyList({{"Composite", true}}), {}},
        {"WindowLiveResize", S::Window, "", PropertyList({{"LiveResize", true}}), {}},
    };
    return rows;
}

INSTANTIATE_TEST_SUITE_P(WithoutEffect, EachRecord, ::testing::ValuesIn(RowsWithoutEffect()), [](const auto& info) {
    return std::string(info.param.name);
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
