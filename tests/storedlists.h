#pragma once

// The exact bytes of every stored property list of the program: the two
// check windows' fifteen each and the About window's five. They are spelled
// record by record, each record with its declared type written out, by a
// speller of this file's own, so the table owes nothing to the encoder or the
// type tables it is held against.

#include <ostream>
#include <string>
#include <vector>

namespace storedlists {

struct Expected {
    std::string window;    // "Window1", "Window2" or "Info"
    std::string target;    // "window", or the control's name
    std::string className; // what the list is applied to: "Window", "Label", "PushButton" ...
    std::string bytes;
};

inline void PrintTo(const Expected& e, std::ostream* os) { *os << e.window << "." << e.target; }

// In each window's build order: the window's list first, then its controls'.
const std::vector<Expected>& Table();

} // namespace storedlists
