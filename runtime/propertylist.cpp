#include "propertylist.h"

#include "exceptions.h"

#include <bit>
#include <cstring>

namespace corvanta {
namespace {

template <class T>
void putLittleEndian(std::string& out, T value, std::size_t bytes)
{
    for (std::size_t i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((static_cast<std::uint64_t>(value) >> (8 * i)) & 0xFF));
}

std::uint64_t getLittleEndian(std::string_view in, std::size_t at, std::size_t bytes)
{
    std::uint64_t v = 0;
    for (std::size_t i = 0; i < bytes; ++i)
        v |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[at + i])) << (8 * i);
    return v;
}

bool validName(const std::string& name)
{
    if (name.empty() || name[0] < 'A' || name[0] > 'Z')
        return false;
    for (char c : name) {
        const bool alnum = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
        if (!alnum)
            return false;
    }
    return true;
}

void encode(std::string& out, const PropertyValue& v)
{
    switch (v.type()) {
    case PropertyType::Integer: putLittleEndian(out, static_cast<std::uint64_t>(v.integer()), 8); break;
    case PropertyType::Boolean: out.push_back(v.boolean() ? 1 : 0); break;
    case PropertyType::Color: putLittleEndian(out, v.color().rgb & 0x00FFFFFFu, 4); break;
    case PropertyType::Single: putLittleEndian(out, std::bit_cast<std::uint32_t>(v.single()), 4); break;
    case PropertyType::Byte: out.push_back(static_cast<char>(v.byte())); break;
    case PropertyType::String:
        putLittleEndian(out, static_cast<std::uint32_t>(v.text().size()), 4);
        out += v.text();
        break;
    }
}

} // namespace

PropertyType PropertyValue::type() const { return static_cast<PropertyType>(value_.index()); }

std::int64_t PropertyValue::integer() const { return std::get<std::int64_t>(value_); }
bool PropertyValue::boolean() const { return std::get<bool>(value_); }
Color PropertyValue::color() const { return std::get<Color>(value_); }
float PropertyValue::single() const { return std::get<float>(value_); }
std::uint8_t PropertyValue::byte() const { return std::get<Byte>(value_).value; }
const std::string& PropertyValue::text() const { return std::get<std::string>(value_); }

std::string PropertyList(std::initializer_list<PropertyRecord> records)
{
    std::string out;
    for (const auto& r : records) {
        out += r.name;
        out.push_back(' ');
        encode(out, r.value);
    }
    return out;
}

void ReadPropertyList(std::string_view list,
                      const std::string& targetClass,
                      const std::function<std::optional<PropertyType>(const std::string&)>& typeOf,
                      const std::function<void(const std::string&, const PropertyValue&)>& apply)
{
    std::size_t at = 0;
    while (at < list.size()) {
        const std::size_t blank = list.find(' ', at);
        if (blank == std::string_view::npos)
            throw UnsupportedFormatException("property list for " + targetClass
                                             + " ends inside a property name at byte " + std::to_string(at));
        const std::string name(list.substr(at, blank - at));
        if (!validName(name))
            throw UnsupportedFormatException("property list for " + targetClass
                                             + " holds a malformed property name at byte " + std::to_string(at));
        const auto type = typeOf(name);
        if (!type)
            throw KeyNotFoundException(targetClass + " has no property \"" + name + "\"");
        at = blank + 1;
        auto need = [&](std::size_t bytes) {
            if (list.size() - at < bytes)
                throw UnsupportedFormatException("property list for " + targetClass + " is truncated in the value of \""
                                                 + name + "\"");
        };
        switch (*type) {
        case PropertyType::Integer: {
            need(8);
            const auto v = static_cast<std::int64_t>(getLittleEndian(list, at, 8));
            at += 8;
            apply(name, PropertyValue(static_cast<long long>(v)));
            break;
        }
        case PropertyType::Boolean: {
            need(1);
            const auto b = static_cast<unsigned char>(list[at++]);
            if (b > 1)
                throw UnsupportedFormatException("property \"" + name + "\" of " + targetClass + " holds "
                                                 + std::to_string(b) + ", not a Boolean");
            apply(name, PropertyValue(b == 1));
            break;
        }
        case PropertyType::Color: {
            need(4);
            const auto rgb = static_cast<std::uint32_t>(getLittleEndian(list, at, 4)) & 0x00FFFFFFu;
            at += 4;
            apply(name, PropertyValue(Color{rgb}));
            break;
        }
        case PropertyType::Single: {
            need(4);
            const auto bits = static_cast<std::uint32_t>(getLittleEndian(list, at, 4));
            at += 4;
            apply(name, PropertyValue(std::bit_cast<float>(bits)));
            break;
        }
        case PropertyType::Byte: {
            need(1);
            apply(name, PropertyValue(Byte{static_cast<std::uint8_t>(list[at++])}));
            break;
        }
        case PropertyType::String: {
            need(4);
            const auto count = static_cast<std::size_t>(getLittleEndian(list, at, 4));
            at += 4;
            need(count);
            std::string text(list.substr(at, count));
            at += count;
            apply(name, PropertyValue(std::move(text)));
            break;
        }
        }
    }
}

} // namespace corvanta
