#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// Stored initial properties of a window or control: records back to back,
// each the property's name, one blank, then the value. The value has no type
// tag; its encoding follows the property's declared type in the target class:
//   Integer  8 bytes, signed, little-endian
//   Boolean  1 byte, 0 or 1
//   Color    4 bytes, little-endian 0x00RRGGBB
//   Single   4 bytes, IEEE 754 single, little-endian
//   Byte     1 byte, unsigned (one-byte enumerations)
//   String   4-byte little-endian byte count, then the UTF-8 bytes
namespace corvanta {

struct Color {
    std::uint32_t rgb = 0; // 0x00RRGGBB
    friend bool operator==(Color, Color) = default;
};

struct Byte {
    std::uint8_t value = 0;
    friend bool operator==(Byte, Byte) = default;
};

enum class PropertyType { Integer, Boolean, Color, Single, Byte, String };

class PropertyValue {
public:
    using Storage = std::variant<std::int64_t, bool, Color, float, Byte, std::string>;

    PropertyValue(int v) : value_(std::int64_t{v}) {}
    PropertyValue(long v) : value_(std::int64_t{v}) {}
    PropertyValue(long long v) : value_(std::int64_t{v}) {}
    PropertyValue(bool v) : value_(v) {}
    PropertyValue(Color v) : value_(v) {}
    PropertyValue(float v) : value_(v) {}
    PropertyValue(Byte v) : value_(v) {}
    PropertyValue(const char* v) : value_(std::string(v)) {}
    PropertyValue(std::string v) : value_(std::move(v)) {}

    PropertyType type() const;
    std::int64_t integer() const;
    bool boolean() const;
    Color color() const;
    float single() const;
    std::uint8_t byte() const;
    const std::string& text() const;

    friend bool operator==(const PropertyValue&, const PropertyValue&) = default;

private:
    Storage value_;
};

struct PropertyRecord {
    std::string name;
    PropertyValue value;
};

// Writes a list from typed records, so lists read naturally in code:
//   PropertyList({{"Width", 611}, {"Title", "Corvanta"}, {"FillColor", Color{0xFFFBC6}}})
std::string PropertyList(std::initializer_list<PropertyRecord> records);

// The lowest 32-bit integer, stored in every control's Index record.
inline constexpr std::int64_t kNoIndex = -2147483648LL;

// Reads a list record by record. typeOf gives the declared type of a name in
// the target's class, or nothing when the class has no such property; apply
// is called for each record before the next one is read, so the records
// before a fault stay applied. Raises KeyNotFoundException for an unknown
// name and UnsupportedFormatException for a truncated or malformed list.
void ReadPropertyList(std::string_view list,
                      const std::string& targetClass,
                      const std::function<std::optional<PropertyType>(const std::string&)>& typeOf,
                      const std::function<void(const std::string&, const PropertyValue&)>& apply);

} // namespace corvanta
