#include "storedlists.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <optional>
#include <string_view>

namespace storedlists {

namespace {

// --- The speller: one record is its name, a blank, then the value ----------

std::string littleEndian(std::uint64_t value, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string head(const char* name) { return std::string(name) + ' '; }

// Integer, and enumerations based on it: 8 bytes, signed.
std::string Int(const char* name, std::int64_t value)
{
    return head(name) + littleEndian(static_cast<std::uint64_t>(value), 8);
}

std::string Bool(const char* name, bool value) { return head(name) + (value ? '\x01' : '\x00'); }

// Color: 4 bytes, 0x00RRGGBB.
std::string Colour(const char* name, std::uint32_t rgb) { return head(name) + littleEndian(rgb, 4); }

// Single: IEEE 754, 4 bytes.
std::string Single(const char* name, float value)
{
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return head(name) + littleEndian(bits, 4);
}

// One-byte enumeration.
std::string Enum8(const char* name, std::uint8_t value) { return head(name) + static_cast<char>(value); }

// String: a 4-byte count, then the UTF-8 bytes.
std::string Text(const char* name, std::string_view text)
{
    return head(name) + littleEndian(text.size(), 4) + std::string(text);
}

std::string spell(std::initializer_list<std::string> records)
{
    std::string list;
    for (const std::string& record : records)
        list += record;
    return list;
}

constexpr std::int64_t kIndex = -2147483648LL;

// --- The lists, record by record, in their stored order ----------------------

struct Spot {
    std::int64_t left, top, width, height;
};

// A text control's font records: the desktop's font at its own size, plain
// or bold.
std::string systemFont(bool bold)
{
    return spell({
        Bool("Underline", false),
        Bool("Italic", false),
        Bool("Bold", bold),
        Enum8("TextUnit", 0),
        Single("TextSize", 0.0f),
        Text("TextFont", "System"),
    });
}

// The run every control stores the same way: its four locks, all off, its
// place, and no control-array index.
std::string place(Spot s)
{
    return spell({
        Bool("LockBottom", false),
        Bool("LockRight", false),
        Bool("LockTop", false),
        Bool("LockLeft", false),
        Int("Height", s.height),
        Int("Width", s.width),
        Int("Top", s.top),
        Int("Left", s.left),
        Int("Index", kIndex),
    });
}

std::string checkWindow(std::int64_t width, std::int64_t height)
{
    return spell({
        Int("Width", width),
        Int("Height", height),
        Int("MinWidth", 64),
        Int("MinHeight", 64),
        Int("MaxWidth", 32000),
        Int("MaxHeight", 32000),
        Int("Frame", 0),
        Text("Title", "Corvanta"),
        Bool("CloseButton", true),
        Bool("Resizeable", false),
        Bool("MaximizeButton", false),
        Bool("MinimizeButton", true),
        Bool("FullScreenButton", false),
        Bool("Composite", true),
        Int("MacProcID", 0),
        Int("Placement", 0),
        Bool("Visible", true),
        Bool("LiveResize", true),
        Bool("FullScreen", false),
        Bool("MenuBarVisible", true),
        Bool("HasBackColor", false),
        Colour("BackColor", 0xFFFFFF),
    });
}

std::string rectangle(Spot s)
{
    return spell({
        Text("InitialParent", ""),
        Colour("BottomRightColor", 0x000000),
        Colour("TopLeftColor", 0x000000),
        Int("BorderWidth", 1),
        Colour("FillColor", 0xFFFBC6),
        Bool("Enabled", true),
        Bool("AutoDeactivate", true),
        Text("HelpTag", ""),
        Bool("Visible", false),
        Int("TabPanelIndex", 0),
        Int("TabIndex", 0),
        place(s),
        Text("Name", "Rectangle1"),
        Bool("TabStop", true),
    });
}

struct LabelRow {
    const char* name;
    const char* initialParent;
    bool bold;
    std::int64_t textAlign;
    std::optional<std::string_view> text; // nothing: the list has no Text record
    std::int64_t tabIndex;
    std::int64_t width, top, left;
};

std::string label(const LabelRow& l)
{
    return spell({Text("InitialParent", l.initialParent),
                  Text("DataField", ""),
                  Text("DataSource", ""),
                  systemFont(l.bold),
                  Bool("AutoDeactivate", true),
                  Text("HelpTag", ""),
                  Bool("Transparent", false),
                  Bool("Selectable", false),
                  Bool("Visible", true),
                  Bool("Enabled", true),
                  Bool("Multiline", false),
                  Colour("TextColor", 0x000000),
                  Int("TextAlign", l.textAlign),
                  l.text ? Text("Text", *l.text) : std::string(),
                  Int("TabIndex", l.tabIndex),
                  Int("TabPanelIndex", 0),
                  place({l.left, l.top, l.width, 20}),
                  Text("Name", l.name),
                  Bool("TabStop", true)});
}

std::string canvas(Spot s)
{
    return spell({Text("InitialParent", "Rectangle1"),
                  Bool("Transparent", true),
                  Bool("EraseBackground", true),
                  Bool("DoubleBuffer", false),
                  Bool("AcceptTabs", false),
                  Bool("AcceptFocus", false),
                  Bool("UseFocusRing", true),
                  Bool("Enabled", true),
                  Bool("AutoDeactivate", true),
                  Text("HelpTag", ""),
                  Bool("Visible", true),
                  Bool("TabStop", true),
                  Int("TabIndex", 4),
                  Int("TabPanelIndex", 0),
                  place(s),
                  Text("Name", "Canvas1")});
}

std::string popupMenu(std::string_view initialValue, Spot s)
{
    return spell({
        Text("InitialParent", ""),
        Text("DataField", ""),
        Text("DataSource", ""),
        systemFont(false),
        Bool("AutoDeactivate", true),
        Text("HelpTag", ""),
        Bool("Visible", true),
        Int("ListIndex", 0),
        Text("InitialValue", initialValue),
        Bool("Enabled", true),
        Bool("TabStop", true),
        Int("TabIndex", 2),
        Int("TabPanelIndex", 0),
        place(s),
        Text("Name", "PopupMenu1"),
    });
}

std::string editField(std::string_view mask, Spot s)
{
    return spell({Text("InitialParent", ""),
                  Text("DataField", ""),
                  Text("DataSource", ""),
                  Bool("AutomaticallyCheckSpelling", false),
                  Int("Alignment", 0),
                  Bool("AcceptTabs", false),
                  Int("LimitText", 0),
                  Bool("ReadOnly", false),
                  Text("Mask", mask),
                  Text("Text", ""),
                  Text("CueText", ""),
                  systemFont(false),
                  Bool("AutoDeactivate", true),
                  Text("HelpTag", ""),
                  Bool("Visible", true),
                  Text("Format", ""),
                  Bool("Enabled", true),
                  Colour("BackColor", 0xFFFFFF),
                  Colour("TextColor", 0x000000),
                  Bool("UseFocusRing", true),
                  Bool("Password", false),
                  Bool("Border", true),
                  Bool("TabStop", true),
                  Int("TabIndex", 3),
                  Int("TabPanelIndex", 0),
                  place(s),
                  Text("Name", "EditField1")});
}

// The check windows' test button has no Caption record; the About window's
// OK button has one.
std::string pushButton(bool enabled, std::optional<std::string_view> caption, std::int64_t tabIndex, Spot s)
{
    return spell({
        Text("InitialParent", ""),
        systemFont(false),
        Int("ButtonStyle", 0),
        Bool("AutoDeactivate", true),
        Text("HelpTag", ""),
        Bool("Visible", true),
        Bool("Enabled", enabled),
        Bool("Cancel", false),
        Bool("Default", true),
        caption ? Text("Caption", *caption) : std::string(),
        Bool("TabStop", true),
        Int("TabIndex", tabIndex),
        Int("TabPanelIndex", 0),
        place(s),
        Text("Name", "PushButton1"),
    });
}

std::string aboutWindow()
{
    return spell({
        Int("Width", 425),
        Int("Height", 442),
        Int("MinWidth", 64),
        Int("MinHeight", 64),
        Int("MaxWidth", 32000),
        Int("MaxHeight", 32000),
        Int("Frame", 1),
        Bool("CloseButton", true),
        Bool("Resizeable", false),
        Bool("MaximizeButton", false),
        Bool("MinimizeButton", true),
        Bool("FullScreenButton", false),
        Bool("Composite", false),
        Int("MacProcID", 0),
        Int("Placement", 0),
        Bool("Visible", true),
        Bool("LiveResize", false),
        Bool("FullScreen", false),
        Bool("MenuBarVisible", true),
        Bool("HasBackColor", false),
        Colour("BackColor", 0xFFFFFF),
    });
}

std::string imageWell()
{
    return spell({
        Bool("Enabled", true),
        Bool("AutoDeactivate", true),
        Text("HelpTag", ""),
        Bool("Visible", true),
        Text("InitialParent", ""),
        Bool("TabStop", true),
        Int("TabIndex", 3),
        Int("TabPanelIndex", 0),
        place({0, 0, 425, 290}),
        Text("Name", "ImageWell1"),
    });
}

// --- Each check window's values ---------------------------------------------

struct CheckWindowValues {
    const char* window;
    std::int64_t width, height;
    Spot rectangle1;
    // StaticText3, 6, 7, 8, 9, 5, then Canvas1, then StaticText4, 1, 2.
    LabelRow panelLabels[6];
    Spot canvas1;
    LabelRow otherLabels[3];
    const char* initialValue;
    Spot popupMenu1;
    const char* mask;
    Spot editField1;
    Spot pushButton1;
};

const std::optional<std::string_view> kNoText;
const std::optional<std::string_view> kEmpty{""};

const CheckWindowValues kFirstSeries = {
    "Window1",
    611,
    328,
    {297, 126, 282, 131},
    {
        {"StaticText3", "Rectangle1", false, 0, kNoText, 0, 92, 140, 308},
        {"StaticText6", "Rectangle1", false, 0, kNoText, 3, 92, 178, 308},
        {"StaticText7", "Rectangle1", false, 0, kEmpty, 5, 127, 178, 441},
        {"StaticText8", "Rectangle1", false, 0, kNoText, 6, 127, 217, 308},
        {"StaticText9", "Rectangle1", true, 0, kEmpty, 7, 124, 217, 441},
        {"StaticText5", "Rectangle1", false, 0, kEmpty, 2, 127, 140, 441},
    },
    {405, 181, 20, 13},
    {
        {"StaticText4", "Rectangle1", false, 0, kEmpty, 1, 17, 140, 418},
        {"StaticText1", "", false, 1, kNoText, 0, 63, 14, 328},
        {"StaticText2", "", false, 1, kNoText, 1, 127, 14, 395},
    },
    "\rH\rL\rM\rN\rP\rS\rT\rU\rV\rX\rY\rZ",
    {328, 45, 63, 20},
    "99999999999",
    {395, 45, 127, 22},
    {495, 94, 80, 20},
};

const CheckWindowValues kSecondSeries = {
    "Window2",
    445,
    248,
    {23, 106, 282, 131},
    {
        {"StaticText3", "Rectangle1", false, 0, kNoText, 0, 104, 120, 34},
        {"StaticText6", "Rectangle1", false, 0, kNoText, 3, 91, 158, 34},
        {"StaticText7", "Rectangle1", false, 0, kEmpty, 5, 127, 158, 167},
        {"StaticText8", "Rectangle1", false, 0, kNoText, 6, 127, 197, 34},
        {"StaticText9", "Rectangle1", true, 0, kEmpty, 7, 124, 197, 167},
        {"StaticText5", "Rectangle1", false, 0, kEmpty, 2, 127, 120, 167},
    },
    {138, 161, 20, 13},
    {
        {"StaticText4", "Rectangle1", false, 0, kEmpty, 1, 17, 120, 144},
        {"StaticText1", "", false, 1, kNoText, 0, 63, 6, 252},
        {"StaticText2", "", false, 1, kNoText, 1, 127, 6, 317},
    },
    "\rD\rE\rH\rJ\rM\rN\rP\rR\rS\rT\rU\rV\rW\rX\rY\rZ",
    {252, 32, 63, 20},
    "A9999999999",
    {317, 32, 120, 22},
    {340, 74, 80, 20},
};

void addCheckWindow(std::vector<Expected>& table, const CheckWindowValues& v)
{
    const std::string w = v.window;
    table.push_back({w, "window", "Window", checkWindow(v.width, v.height)});
    table.push_back({w, "Rectangle1", "Rectangle", rectangle(v.rectangle1)});
    for (const LabelRow& l : v.panelLabels)
        table.push_back({w, l.name, "Label", label(l)});
    table.push_back({w, "Canvas1", "Canvas", canvas(v.canvas1)});
    for (const LabelRow& l : v.otherLabels)
        table.push_back({w, l.name, "Label", label(l)});
    table.push_back({w, "PopupMenu1", "PopupMenu", popupMenu(v.initialValue, v.popupMenu1)});
    table.push_back({w, "EditField1", "TextField", editField(v.mask, v.editField1)});
    table.push_back({w, "PushButton1", "PushButton", pushButton(false, std::nullopt, 4, v.pushButton1)});
}

} // namespace

const std::vector<Expected>& Table()
{
    static const std::vector<Expected> table = [] {
        std::vector<Expected> t;
        addCheckWindow(t, kFirstSeries);
        addCheckWindow(t, kSecondSeries);
        t.push_back({"Info", "window", "Window", aboutWindow()});
        t.push_back(
            {"Info", "StaticText1", "Label", label({"StaticText1", "", false, 1, std::nullopt, 0, 385, 302, 20})});
        t.push_back({"Info",
                     "StaticText2",
                     "Label",
                     label({"StaticText2",
                            "",
                            false,
                            1,
                            "Checks serial numbers only; it cannot tell a genuine note.",
                            1,
                            385,
                            326,
                            20})});
        t.push_back({"Info", "PushButton1", "PushButton", pushButton(true, "OK", 2, {172, 400, 80, 22})});
        t.push_back({"Info", "ImageWell1", "ImageWell", imageWell()});
        return t;
    }();
    return table;
}

} // namespace storedlists
