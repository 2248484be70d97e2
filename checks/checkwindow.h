#pragma once

#include "controls.h"
#include "exceptions.h"
#include "menu.h"
#include "window.h"

#include <memory>
#include <string>

// The building blocks that both check windows use in the same way.
namespace corvanta::checkwindow {

// A new control of class T for the window, constructed and registered under
// its name.
template <class T>
void CreateControl(Window& window, const std::string& name)
{
    auto control = window.New<T>();
    control->Constructor();
    window.AddControl(control, name);
}

// The window's control of that name as a T; nil when there is none.
template <class T>
std::shared_ptr<T> ControlNamed(const Window& window, const std::string& name)
{
    return CheckCast<T>(window.ControlByName(name), name.c_str());
}

// The build steps address the control they have just registered, so a missing
// one is a failure of the build.
template <class T>
std::shared_ptr<T> Registered(const Window& window, const std::string& name)
{
    return NotNil(ControlNamed<T>(window, name), name.c_str());
}

// The item of that name anywhere in the window's menu bar, as a T; nil when
// the bar has none. A window without a menu bar raises NilObjectException.
template <class T>
std::shared_ptr<T> MenuItemNamed(const Window& window, const std::string& name)
{
    return CheckCast<T>(NotNil(window.MenuBar(), "MenuBar")->Lookup(name), name.c_str());
}

} // namespace corvanta::checkwindow
