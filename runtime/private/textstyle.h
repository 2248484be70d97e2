#pragma once

#include "propertylist.h"

#include <QFont>

#include <cstdint>
#include <optional>
#include <string>

namespace corvanta {

// Font records shared by the text controls. "System" is the platform's
// default font, size 0 its default size.
struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint8_t unit = 0; // 0 default (points), 1 pixels, 2 points, 3 inches, 4 millimetres
    float size = 0.0f;
    std::string font = "System";

    QFont toQFont() const;

    static std::optional<PropertyType> typeOf(const std::string& name);

    // True when the record was one of the font records.
    bool apply(const std::string& name, const PropertyValue& v);
};

} // namespace corvanta
