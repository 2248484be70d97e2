#include "propertylists.h"

#include "propertylist.h"

namespace corvanta::checklists {

std::string WindowList(std::int64_t width, std::int64_t height)
{
    return PropertyList({
        {"Width", width},
        {"Height", height},
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
        {"BackColor", Color{0xFFFFFF}},
    });
}

std::string RectangleList(const Place& place)
{
    return PropertyList({
        {"InitialParent", ""},
        {"BottomRightColor", Color{0x000000}},
        {"TopLeftColor", Color{0x000000}},
        {"BorderWidth", 1},
        {"FillColor", Color{0xFFFBC6}},
        {"Enabled", true},
        {"AutoDeactivate", true},
        {"HelpTag", ""},
        {"Visible", false}, // the result panel is hidden until the first test
        {"TabPanelIndex", 0},
        {"TabIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", place.height},
        {"Width", place.width},
        {"Top", place.top},
        {"Left", place.left},
        {"Index", kNoIndex},
        {"Name", "Rectangle1"},
        {"TabStop", true},
    });
}

std::string LabelList(const LabelValues& label)
{
    const std::string head = PropertyList({
        {"InitialParent", label.initialParent},
        {"DataField", ""},
        {"DataSource", ""},
        {"Underline", false},
        {"Italic", false},
        {"Bold", label.bold},
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
        {"TextAlign", label.textAlign},
    });
    const std::string text = label.text ? PropertyList({{"Text", *label.text}}) : std::string();
    const std::string tail = PropertyList({
        {"TabIndex", label.tabIndex},
        {"TabPanelIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", 20},
        {"Width", label.width},
        {"Top", label.top},
        {"Left", label.left},
        {"Index", kNoIndex},
        {"Name", label.name},
        {"TabStop", true},
    });
    return head + text + tail;
}

std::string CanvasList(const Place& place)
{
    return PropertyList({
        {"InitialParent", "Rectangle1"},
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
        {"Height", place.height},
        {"Width", place.width},
        {"Top", place.top},
        {"Left", place.left},
        {"Index", kNoIndex},
        {"Name", "Canvas1"},
    });
}

std::string PopupRows(const std::string& letters)
{
    std::string rows;
    for (char letter : letters) {
        rows += '\r';
        rows += letter;
    }
    return rows;
}

std::string PopupMenuList(const std::string& letters, const Place& place)
{
    return PropertyList({
        {"InitialParent", ""},
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
        {"ListIndex", 0}, // the blank row: no letter chosen yet
        {"InitialValue", PopupRows(letters)},
        {"Enabled", true},
        {"TabStop", true},
        {"TabIndex", 2},
        {"TabPanelIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", place.height},
        {"Width", place.width},
        {"Top", place.top},
        {"Left", place.left},
        {"Index", kNoIndex},
        {"Name", "PopupMenu1"},
    });
}

std::string EditFieldList(const std::string& mask, const Place& place)
{
    return PropertyList({
        {"InitialParent", ""},
        {"DataField", ""},
        {"DataSource", ""},
        {"AutomaticallyCheckSpelling", false},
        {"Alignment", 0},
        {"AcceptTabs", false},
        {"LimitText", 0},
        {"ReadOnly", false},
        {"Mask", mask},
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
        {"Height", place.height},
        {"Width", place.width},
        {"Top", place.top},
        {"Left", place.left},
        {"Index", kNoIndex},
        {"Name", "EditField1"},
    });
}

std::string PushButtonList(const PushButtonValues& button)
{
    const std::string head = PropertyList({
        {"InitialParent", ""},
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
        {"Enabled", button.enabled},
        {"Cancel", false},
        {"Default", true},
    });
    const std::string caption = button.caption ? PropertyList({{"Caption", *button.caption}}) : std::string();
    const std::string tail = PropertyList({
        {"TabStop", true},
        {"TabIndex", button.tabIndex},
        {"TabPanelIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", button.place.height},
        {"Width", button.place.width},
        {"Top", button.place.top},
        {"Left", button.place.left},
        {"Index", kNoIndex},
        {"Name", "PushButton1"},
    });
    return head + caption + tail;
}

} // namespace corvanta::checklists

namespace corvanta::checklists {
namespace {
const std::optional<std::string> kNoText; // no Text or Caption record: the localized text set before stays
const std::optional<std::string> kEmptyText{""};

// What a label is, the same in both windows.
struct LabelKind {
    const char* name;
    const char* initialParent;
    bool bold;
    std::int64_t textAlign;
    std::optional<std::string> text;
    std::int64_t tabIndex;
};

// The window's labels; each window gives them their spots.
const LabelKind kStaticText3{.name = "StaticText3",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kNoText,
                             .tabIndex = 0};
const LabelKind kStaticText6{.name = "StaticText6",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kNoText,
                             .tabIndex = 3};
const LabelKind kStaticText7{.name = "StaticText7",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kEmptyText,
                             .tabIndex = 5};
const LabelKind kStaticText8{.name = "StaticText8",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kNoText,
                             .tabIndex = 6};
const LabelKind kStaticText9{.name = "StaticText9",
                             .initialParent = "Rectangle1",
                             .bold = true,
                             .textAlign = 0,
                             .text = kEmptyText,
                             .tabIndex = 7};
const LabelKind kStaticText5{.name = "StaticText5",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kEmptyText,
                             .tabIndex = 2};
const LabelKind kStaticText4{.name = "StaticText4",
                             .initialParent = "Rectangle1",
                             .bold = false,
                             .textAlign = 0,
                             .text = kEmptyText,
                             .tabIndex = 1};
const LabelKind kStaticText1{
    .name = "StaticText1", .initialParent = "", .bold = false, .textAlign = 1, .text = kNoText, .tabIndex = 0};
const LabelKind kStaticText2{
    .name = "StaticText2", .initialParent = "", .bold = false, .textAlign = 1, .text = kNoText, .tabIndex = 1};

// Where a label sits, in LabelValues' order: width first, then top and left.
struct LabelSpot {
    std::int64_t width;
    std::int64_t top;
    std::int64_t left;
};

LabelValues Placed(const LabelKind& label, const LabelSpot& spot)
{
    return {.name = label.name,
            .initialParent = label.initialParent,
            .bold = label.bold,
            .textAlign = label.textAlign,
            .text = label.text,
            .tabIndex = label.tabIndex,
            .width = spot.width,
            .top = spot.top,
            .left = spot.left};
}
} // namespace

const CheckWindowDesign& FirstSeriesDesign()
{
    static const CheckWindowDesign design{
        .width = 611,
        .height = 328,
        .rectangle1 = {297, 126, 282, 131},
        .staticText3 = Placed(kStaticText3, {.width = 92, .top = 140, .left = 308}),
        .staticText6 = Placed(kStaticText6, {.width = 92, .top = 178, .left = 308}),
        .staticText7 = Placed(kStaticText7, {.width = 127, .top = 178, .left = 441}),
        .staticText8 = Placed(kStaticText8, {.width = 127, .top = 217, .left = 308}),
        .staticText9 = Placed(kStaticText9, {.width = 124, .top = 217, .left = 441}),
        .staticText5 = Placed(kStaticText5, {.width = 127, .top = 140, .left = 441}),
        .canvas1 = {405, 181, 20, 13},
        .staticText4 = Placed(kStaticText4, {.width = 17, .top = 140, .left = 418}),
        .staticText1 = Placed(kStaticText1, {.width = 63, .top = 14, .left = 328}),
        .staticText2 = Placed(kStaticText2, {.width = 127, .top = 14, .left = 395}),
        // Not F, G or R: the letter table keeps rows for Malta, Cyprus and Luxembourg that this window never offers.
        .letters = "HLMNPSTUVXYZ",
        .popupMenu1 = {328, 45, 63, 20},
        .mask = "99999999999",
        .editField1 = {395, 45, 127, 22},
        // Disabled until a letter and eleven characters are in; its caption is localized.
        .pushButton1 = {false, kNoText, 4, {495, 94, 80, 20}},
    };
    return design;
}

const CheckWindowDesign& SecondSeriesDesign()
{
    static const CheckWindowDesign design{
        .width = 445,
        .height = 248,
        .rectangle1 = {23, 106, 282, 131},
        .staticText3 = Placed(kStaticText3, {.width = 104, .top = 120, .left = 34}),
        .staticText6 = Placed(kStaticText6, {.width = 91, .top = 158, .left = 34}),
        .staticText7 = Placed(kStaticText7, {.width = 127, .top = 158, .left = 167}),
        .staticText8 = Placed(kStaticText8, {.width = 127, .top = 197, .left = 34}),
        .staticText9 = Placed(kStaticText9, {.width = 124, .top = 197, .left = 167}),
        .staticText5 = Placed(kStaticText5, {.width = 127, .top = 120, .left = 167}),
        .canvas1 = {138, 161, 20, 13},
        .staticText4 = Placed(kStaticText4, {.width = 17, .top = 120, .left = 144}),
        .staticText1 = Placed(kStaticText1, {.width = 63, .top = 6, .left = 252}),
        .staticText2 = Placed(kStaticText2, {.width = 127, .top = 6, .left = 317}),
        .letters = "DEHJMNPRSTUVWXYZ",
        .popupMenu1 = {252, 32, 63, 20},
        .mask = "A9999999999",
        .editField1 = {317, 32, 120, 22},
        .pushButton1 = {false, kNoText, 4, {340, 74, 80, 20}},
    };
    return design;
}

} // namespace corvanta::checklists
