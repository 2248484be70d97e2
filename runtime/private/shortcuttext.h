#pragma once

#include <QKeySequence>

#include <string>

namespace corvanta {

// The key sequence of a menu item's shortcut text: "Cmd+Shift+Z" is Qt's
// portable "Ctrl+Shift+Z". "Cmd" is the platform's standard modifier and
// "Ctrl" the Control key itself; an empty or unreadable text gives an empty
// sequence.
QKeySequence KeySequenceOf(const std::string& shortcut);

} // namespace corvanta
