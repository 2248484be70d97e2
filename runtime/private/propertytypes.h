#pragma once

// The declared types of a class's stored properties, for decoding its lists.

#include "propertylist.h"

#include <map>
#include <optional>
#include <string>

namespace corvanta {

// A class's table names every record its stored lists carry, so that every
// list decodes. Some of those records are stored without effect: applying
// them does nothing. They are the data bindings (DataField, DataSource), the
// tab order (Index, TabIndex, TabPanelIndex), the edge locks (the windows keep
// their size), AutoDeactivate, spelling and Format, ButtonStyle (every style
// is drawn as a push button), a single-line field's AcceptTabs (Tab moves on
// to the next control), a canvas's AcceptTabs, DoubleBuffer (Qt always paints
// through a back buffer) and UseFocusRing, a label's Transparent (labels never
// paint a background), and a window's Frame, MacProcID, Placement, Composite
// and LiveResize (the system draws and places windows).
using TypeTable = std::map<std::string, PropertyType>;

inline std::optional<PropertyType> lookUp(const TypeTable& table, const std::string& name)
{
    auto it = table.find(name);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

} // namespace corvanta
