#pragma once

#include <memory>
#include <optional>
#include <string>

namespace corvanta {

class MenuBar;
class MenuItem;
class TextField;
class Window;
enum class EditCommand;

// The Edit command of a menu item name ("EditUndo" ... "EditSelectAll"), or none.
std::optional<EditCommand> EditCommandNamed(const std::string& itemName);
// The name of the Edit item of a command.
std::string EditItemName(EditCommand command);

// The text field the Edit commands act on: the one the keyboard works in, or nil.
std::shared_ptr<TextField> EditTargetField();

// The framework's own Edit command of that item name on the field, through
// the field's own methods; any other name, or no field, does nothing.
void EditField(const std::shared_ptr<TextField>& field, const std::string& name);
// The same on the field the Edit commands act on now.
void EditFocusedField(const std::string& name);

// The framework's enabling pass (AutoEnable) over the items below `menu`: an
// Edit item with AutoEnable True is enabled exactly when its command can act
// on the focused text field, and disabled when no text field has the focus.
// Every other item is left as it is.
void AutoEnableItems(MenuItem& menu);

// The framework's enabling pass over the bars the user may reach now: the
// front window's and the application's.
void AutoEnableMenuBars();

// The whole enabling pass (RaiseEnableMenuItems) for a key, before its
// shortcut is looked up: the item the key fires is carried out without a
// second pass. The next key event ends it, fired or not.
void RaiseEnableMenuItemsForKey();
void EndEnablingPassForKey();

// The bar whose commands a window answers: its own, else the application's;
// nil when there is neither.
std::shared_ptr<MenuBar> MenuBarInEffect(const std::shared_ptr<Window>& window);

} // namespace corvanta
