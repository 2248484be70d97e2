#pragma once

namespace corvanta {

// Lets the menus answer in every window: the keys that menu items answer go
// to the items, never to the control that has the focus; F10 and a title's
// Alt+letter open a menu of a drawn bar as a click on the title does; an
// Alt+letter that no menu takes does nothing; Shift+F10 and the Menu key show
// a text field's contextual menu at its caret. Called as each window is
// made; only the first call installs anything.
void InstallMenuKeyFilter();

} // namespace corvanta
