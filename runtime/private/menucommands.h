#pragma once

#include <memory>
#include <string>

class QKeyEvent;

namespace corvanta {

class MenuBar;
class MenuItem;
class Window;

// The framework's own Edit command of that item name ("EditUndo" ...
// "EditSelectAll") on the focused text field, through the field's own
// methods; any other name, or no focused field, does nothing.
void editFocusedField(const std::string& name);

// The framework's enabling pass (AutoEnable) over the items below `menu`: an
// Edit item with AutoEnable True is enabled exactly when its command can act
// on the focused text field, and disabled when no text field has the focus.
// Every other item is left as it is.
void AutoEnableItems(MenuItem& menu);

// The bar whose commands a window answers: its own, else the application's;
// nil when there is neither.
std::shared_ptr<MenuBar> MenuBarInEffect(const std::shared_ptr<Window>& window);

// Whether a visible item of the bar in effect for `window` has this key as
// its shortcut.
bool MenuAnswersKey(const std::shared_ptr<Window>& window, const QKeyEvent& key);

// Runs the enabling pass before Qt looks a key up among the shortcuts: Qt
// never fires the shortcut of an action that is disabled at that moment.
void PrepareShortcut(const std::shared_ptr<Window>& window, const QKeyEvent& key);

// Each open window without a menu bar of its own takes the shortcuts of the
// application's menu bar anew; called when that bar or the application object
// changes.
void WindowsFollowApplicationMenuBar();

} // namespace corvanta
