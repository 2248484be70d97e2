#pragma once

// The declared types of a class's stored properties, for decoding its lists.

#include "propertylist.h"

#include <map>
#include <optional>
#include <string>

namespace corvanta {

using TypeTable = std::map<std::string, PropertyType>;

inline std::optional<PropertyType> lookUp(const TypeTable& table, const std::string& name)
{
    auto it = table.find(name);
    if (it == table.end())
        return std::nullopt;
    return it->second;
}

} // namespace corvanta
