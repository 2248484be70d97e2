#pragma once

#include <optional>

class QKeyEvent;

namespace corvanta {

class TextField;

// The framework's own Edit commands. The menu items, their shortcuts, the
// contextual copies of the Edit menu and the field's own keys all carry them
// out through the TextField's methods, so each has one implementation.
enum class EditCommand { Undo, Cut, Copy, Paste, Clear, SelectAll };

// Whether the command would do anything in the field now: what enables its
// menu item.
bool CanPerform(const TextField& field, EditCommand command);

void Perform(TextField& field, EditCommand command);

// The Edit command a text field carries out for the key (Ctrl+C, Ctrl+Insert
// ...: the platform's standard keys), or none.
std::optional<EditCommand> StandardEditKey(const QKeyEvent& key);

} // namespace corvanta
