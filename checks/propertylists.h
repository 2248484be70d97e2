#pragma once

#include <cstdint>
#include <optional>
#include <string>

// The stored property lists of the two check windows. Both windows hold the
// same records in the same order; they differ only in the window's size,
// the controls' positions and sizes, the pop-up's letters and the field's
// mask, so each list is built here from those values alone.
namespace corvanta::checklists {

// Left, top, width, height in window coordinates.
struct Place {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t width = 0;
    std::int64_t height = 0;
};

// What tells one label's list from another's.
struct LabelValues {
    const char* name;
    const char* initialParent; // "" for a label placed on the window
    bool bold;
    std::int64_t textAlign;
    std::optional<std::string> text; // nothing: no Text record, so a text set before stays
    std::int64_t tabIndex;
    std::int64_t width;
    std::int64_t top;
    std::int64_t left;
};

// What tells one push button's list from another's.
struct PushButtonValues {
    bool enabled;
    std::optional<std::string> caption; // nothing: no Caption record, so a caption set before stays
    std::int64_t tabIndex;
    Place place;
};

// The window's own list: size, title "Corvanta", fixed size, no maximize button.
std::string WindowList(std::int64_t width, std::int64_t height);

std::string RectangleList(const Place& place);
std::string LabelList(const LabelValues& label);
std::string CanvasList(const Place& place);
// letters: one character per row after the blank first row.
std::string PopupMenuList(const std::string& letters, const Place& place);
std::string EditFieldList(const std::string& mask, const Place& place);
std::string PushButtonList(const PushButtonValues& button);

// The pop-up's InitialValue: a carriage return before each letter.
std::string PopupRows(const std::string& letters);

// Everything in which one check window's lists differ from the other's.
struct CheckWindowDesign {
    std::int64_t width;
    std::int64_t height;
    Place rectangle1;
    LabelValues staticText3;
    LabelValues staticText6;
    LabelValues staticText7;
    LabelValues staticText8;
    LabelValues staticText9;
    LabelValues staticText5;
    Place canvas1;
    LabelValues staticText4;
    LabelValues staticText1;
    LabelValues staticText2;
    std::string letters; // the pop-up's rows after the blank one
    Place popupMenu1;
    std::string mask;
    Place editField1;
    PushButtonValues pushButton1;
};

const CheckWindowDesign& FirstSeriesDesign();  // Window1
const CheckWindowDesign& SecondSeriesDesign(); // Window2

} // namespace corvanta::checklists
