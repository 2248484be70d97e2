#include "private/textstyle.h"

#include "private/propertytypes.h"
#include "private/qtconversions.h"

#include <algorithm>
#include <cmath>

namespace corvanta {

QFont TextStyle::toQFont() const
{
    QFont f;
    if (!font.empty() && font != "System" && font != "SmallSystem")
        f.setFamily(toQString(font));
    if (size > 0.0f) {
        switch (unit) {
        case 1: f.setPixelSize(std::max(1, static_cast<int>(std::lround(size)))); break;
        case 3: f.setPointSizeF(size * 72.0); break;
        case 4: f.setPointSizeF(size * 72.0 / 25.4); break;
        default: f.setPointSizeF(size); break;
        }
    } else if (font == "SmallSystem" && f.pointSizeF() > 4.0) {
        f.setPointSizeF(f.pointSizeF() - 2.0);
    }
    f.setBold(bold);
    f.setItalic(italic);
    f.setUnderline(underline);
    return f;
}

std::optional<PropertyType> TextStyle::typeOf(const std::string& name)
{
    static const TypeTable table = {
        {"Underline", PropertyType::Boolean}, {"Italic", PropertyType::Boolean},  {"Bold", PropertyType::Boolean},
        {"TextUnit", PropertyType::Byte},     {"TextSize", PropertyType::Single}, {"TextFont", PropertyType::String},
    };
    return lookUp(table, name);
}

bool TextStyle::apply(const std::string& name, const PropertyValue& v)
{
    if (name == "Underline")
        underline = v.boolean();
    else if (name == "Italic")
        italic = v.boolean();
    else if (name == "Bold")
        bold = v.boolean();
    else if (name == "TextUnit")
        unit = v.byte();
    else if (name == "TextSize")
        size = v.single();
    else if (name == "TextFont")
        font = v.text();
    else
        return false;
    return true;
}

} // namespace corvanta
