#pragma once

#include <cstdint>
#include <memory>

class QMenuBar;
class QObject;
class QWidget;

namespace corvanta {

class MenuBar;
class MenuItem;
class TextField;

// Builds a Qt menu bar for `window` that follows the model from then on, its
// titles and entries reachable by keyboard mnemonics. The window owns the
// returned widget.
QMenuBar* CreateMenuBarWidget(const std::shared_ptr<MenuBar>& bar, QWidget* window);

// Gives `window` the shortcuts of the bar's entries without drawing the bar,
// kept in step with the model; a choice goes through ChooseMenuItem. The
// window owns the returned object; deleting it takes the shortcuts away.
QObject* AttachMenuShortcuts(const std::shared_ptr<MenuBar>& bar, QWidget* window);

// Has MenuItem::PopUp show its menus here, the framework's enabling pass
// before and its own Edit commands after. Run as each window is made.
void InstallPopUpMenus();

// Shows the item's children as a menu, with the mnemonics a drawn menu of
// them shows, at the mouse pointer (at the caret for a contextual menu asked
// for from the keyboard) until the user chooses or dismisses it; the chosen
// entry, or nil.
std::shared_ptr<MenuItem> ShowPopUpMenu(const MenuItem& menu);

// A text field's contextual menu at a point in the field: builds the base
// menu, lets the field's ConstructContextualMenu fill it and pops it up; the
// chosen entry's own command is carried out. Asked for from the keyboard,
// the field's MouseDown first gets a contextual click at that point, as a
// right click gives it, and what pops up shows there. Set as the fields'
// contextual menu shower as each window is made.
void ShowContextualMenu(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y, bool fromKeyboard);

} // namespace corvanta
