#pragma once

// How the menu model reaches whatever draws it without depending on it: the
// views register here, and the model only calls what was registered.

#include <functional>
#include <memory>

namespace corvanta {

class MenuItem;

// Told of each change to an item: its properties, or (`structure`) the items
// below it.
using MenuItemListener = std::function<void(const MenuItem& item, bool structure)>;

// Adds a listener; the number it gives takes that listener away again. One
// added while the model tells of a change hears of the next one; one removed
// is not called again, not even for the change being told.
int AddMenuItemListener(MenuItemListener listener);
void RemoveMenuItemListener(int id);

// What MenuItem::PopUp takes from the layers above the model. Without them
// no menu is shown and nothing is chosen; an empty part is skipped.
struct PopUpHooks {
    // Brings the entries' enabled states up to date before the menu shows.
    std::function<void(MenuItem& menu)> enable;
    // Shows the menu's children until the user chooses or dismisses them;
    // the chosen entry, or nil.
    std::function<std::shared_ptr<MenuItem>(const MenuItem& menu)> show;
    // Called before the menu shows: what carries out the framework's own
    // command of the chosen entry, when it is enabled, bound to what the
    // command acts on at that moment.
    std::function<std::function<void(const MenuItem& chosen)>()> perform;
};
void SetPopUpHooks(PopUpHooks hooks);

} // namespace corvanta
