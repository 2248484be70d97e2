#pragma once

// One table per class of the properties its stored lists carry: each row
// names a record, gives the type its value is read with, and says how the
// value applies.

#include "propertylist.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

namespace corvanta {

// A property of one object: its type, and the value's effect on that object.
struct BoundProperty {
    PropertyType type;
    std::function<void(const PropertyValue&)> apply;
};

// Marks a row whose record is read so that every list decodes, and stored
// without effect: the data bindings (DataField, DataSource), the tab order
// (Index, TabIndex, TabPanelIndex), the edge locks (the windows keep their
// size), AutoDeactivate, spelling and Format, ButtonStyle (every style is
// drawn as a push button), a single-line field's AcceptTabs (Tab moves on to
// the next control), a canvas's AcceptTabs, DoubleBuffer (Qt always paints
// through a back buffer) and UseFocusRing, a label's Transparent (labels never
// paint a background), and a window's Frame, MacProcID,
// Placement, Composite and LiveResize (the system draws and places windows).
inline constexpr std::nullptr_t kStoredWithoutEffect = nullptr;

template <class T>
struct PropertyRow {
    const char* name;
    PropertyType type;
    void (*apply)(T& target, const PropertyValue& value);
};

// The value as the C++ type it is kept in.
template <class V>
V valueAs(const PropertyValue& v)
{
    if constexpr (std::is_same_v<V, bool>)
        return v.boolean();
    else if constexpr (std::is_same_v<V, Color>)
        return v.color();
    else if constexpr (std::is_same_v<V, float>)
        return v.single();
    else if constexpr (std::is_same_v<V, std::uint8_t>)
        return v.byte();
    else if constexpr (std::is_same_v<V, std::string>)
        return v.text();
    else
        return v.integer();
}

template <class Member>
struct MemberOf;
template <class C, class A>
struct MemberOf<void (C::*)(A)> {
    using Class = C;
    using Value = std::remove_cvref_t<A>;
};
template <class C, class V>
struct MemberOf<V C::*> {
    using Class = C;
    using Value = V;
};

// A row whose value goes through the class's setter.
template <auto Setter>
void Through(typename MemberOf<decltype(Setter)>::Class& target, const PropertyValue& v)
{
    (target.*Setter)(valueAs<typename MemberOf<decltype(Setter)>::Value>(v));
}

// A row whose value is kept in a field.
template <auto Field>
void Store(typename MemberOf<decltype(Field)>::Class& target, const PropertyValue& v)
{
    target.*Field = valueAs<typename MemberOf<decltype(Field)>::Value>(v);
}

// The row of that name, bound to `target`; nothing when the table has none.
template <class T, std::size_t N>
std::optional<BoundProperty> BindRow(T& target, const PropertyRow<T> (&rows)[N], std::string_view name)
{
    for (const PropertyRow<T>& row : rows) {
        if (name != row.name)
            continue;
        if (row.apply == kStoredWithoutEffect)
            return BoundProperty{row.type, [](const PropertyValue&) {}};
        return BoundProperty{row.type, [&target, apply = row.apply](const PropertyValue& v) { apply(target, v); }};
    }
    return std::nullopt;
}

// Reads a list (see ReadPropertyList) into the properties that `find` gives by name.
template <class Find>
void ApplyPropertyList(std::string_view list, const std::string& targetClass, const Find& find)
{
    ReadPropertyList(
        list,
        targetClass,
        [&](const std::string& name) -> std::optional<PropertyType> {
            if (auto property = find(name))
                return property->type;
            return std::nullopt;
        },
        [&](const std::string& name, const PropertyValue& v) {
            if (auto property = find(name))
                property->apply(v);
        });
}

} // namespace corvanta
