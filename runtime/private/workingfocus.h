#pragma once

class QWidget;

namespace corvanta {

// Notes that a widget got the focus. The key filter calls it for every
// focus change; widgets of the menus themselves are passed over.
void FollowFocus(QWidget* widget);

// The widget the keys and the Edit commands work in: the focus widget, or,
// while a window's menu bar holds the focus (Qt moves it there for a moment
// as the user goes from menu to menu, and after Escape in a menu), the widget
// it came from.
QWidget* WorkingFocusWidget();

} // namespace corvanta
