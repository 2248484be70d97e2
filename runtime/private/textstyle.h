#pragma once

#include "propertylist.h"

#include <QFont>

class QWidget;

#include <cstdint>
#include <optional>
#include <string>

namespace corvanta {

struct BoundProperty;
class RectControl;

// Font records shared by the text controls. "System" is the desktop's font.
// At size 0 it is fitted to the control's place (see ApplyTextStyle); any
// other font or an explicit size is used as it is.
struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint8_t unit = 0; // 0 default (points), 1 pixels, 2 points, 3 inches, 4 millimetres
    float size = 0.0f;
    std::string font = "System";

    QFont toQFont() const;
    // "System" at size 0.
    bool fitsItsPlace() const;

    // The font record of that name: kept in this style, which then goes to
    // the control's widget. Nothing for another name.
    std::optional<BoundProperty> property(const std::string& name, const RectControl& control);
};

// Gives a text control's widget the style's font. "System" at size 0 keeps
// the desktop's family (and bold, italic, underline) and takes the largest
// pixel size, no larger than the desktop's nor than 13 pixels (the size the
// windows are laid out for), at which the widget's texts fit the place it
// draws them in, in width and in height; never below 9 pixels.
// The fit is redone when the widget is resized, when the desktop's font or
// the style changes, and on RefitText.
void ApplyTextStyle(QWidget* widget, const TextStyle& style);

// Redoes the fit once the widget's text (a label's text, a caption, a pop-up's
// rows) has changed.
void RefitText(QWidget* widget);

} // namespace corvanta
