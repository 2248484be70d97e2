#pragma once

#include <Qt>

#include <ostream>

// A key and its modifiers, as a row of a table of keys; the name is the
// case's name.
struct NamedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

inline void PrintTo(const NamedKey& k, std::ostream* os) { *os << k.name; }
