#pragma once

// One table per class of the properties its stored lists carry: each row
// names a record, gives the type its value is read with, and says how the
// value applies, or, for a record read only so that every list decodes, why
// it changes nothing.

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

// The reason a row's record is read and then kept without effect: it is read
// so that every stored list decodes, and it says why it changes nothing.
struct StoredWithoutEffect {
    consteval explicit StoredWithoutEffect(const char* why) : reason(why)
    {
        if (why == nullptr || *why == '\0')
            throw "a row stored without effect says why";
    }
    const char* reason;
};

// DataField and DataSource, which every data control carries.
inline constexpr StoredWithoutEffect kNotBoundToData("the framework binds no control to a database");

template <class T>
struct PropertyRow {
    using Apply = void (*)(T& target, const PropertyValue& value);

    constexpr PropertyRow(const char* name, PropertyType type, Apply apply) : name(name), type(type), apply(apply) {}
    constexpr PropertyRow(const char* name, PropertyType type, StoredWithoutEffect why)
        : name(name), type(type), withoutEffect(why.reason)
    {
    }

    const char* name;
    PropertyType type;
    Apply apply = nullptr; // nil: stored without effect
    const char* withoutEffect = nullptr;
};

// The C++ types a stored value is kept in, each read by its own accessor;
// reading a value as any other type does not compile.
template <class V, class... Types>
concept OneOf = (std::is_same_v<V, Types> || ...);
template <class V>
concept StoredValueType = OneOf<V, bool, Color, float, std::uint8_t, std::string, std::int64_t>;

// The value as the C++ type it is kept in.
template <StoredValueType V>
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
        return v.integer(); // std::int64_t, the one type left
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

// The widget type a show step takes: `void (State::*)(W*) const`. A step
// without an argument finds what to show by itself.
template <class Step>
struct ShowStep {
    static constexpr bool takesWidget = false;
};
template <class State, class W>
struct ShowStep<void (State::*)(W*) const> {
    static constexpr bool takesWidget = true;
    using Widget = W;
};

// A row whose value is kept in the object's private state (`State`, the
// object's pointer to it) and then shown by one of the state's steps; a step
// that takes the object's widget runs only once the widget exists.
template <auto State, auto Field, auto Show>
void KeepAndShow(typename MemberOf<decltype(State)>::Class& target, const PropertyValue& v)
{
    auto& state = *(target.*State);
    Store<Field>(state, v);
    using Step = ShowStep<decltype(Show)>;
    if constexpr (Step::takesWidget) {
        if (auto* widget = static_cast<typename Step::Widget*>(target.widget()))
            (state.*Show)(widget);
    } else {
        (state.*Show)();
    }
}

// The row of that name, bound to `target`; nothing when the table has none.
template <class T, std::size_t N>
std::optional<BoundProperty> BindRow(T& target, const PropertyRow<T> (&rows)[N], std::string_view name)
{
    for (const PropertyRow<T>& row : rows) {
        if (name != row.name)
            continue;
        if (row.apply == nullptr)
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
