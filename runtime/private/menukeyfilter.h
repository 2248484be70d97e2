#pragma once

namespace corvanta {

// Lets the menus answer in every window: the keys that menu items answer go
// to the items, never to the control that has the focus; F10 opens the first
// menu of a drawn bar; an Alt+letter that no menu takes does nothing. Called
// as each window is made; only the first call installs anything.
void InstallMenuKeyFilter();

} // namespace corvanta
