#pragma once

#include "exceptions.h"
#include "object.h"
#include "propertylist.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>

class QWidget;

namespace corvanta {

class Application;
class MenuBar;
class Picture;
class RectControl;

// A top-level window. Program windows derive from it, name their class and
// override the hooked events. Two-phase creation, as the framework builds
// windows: make the object, then call Constructor() (ImplicitInstance below
// does both for a window class). Constructor raises Layout, CreateControls
// and AddMenuHandlers, shows the window when its Visible property is set,
// then raises Open and Activate.
// While open the window is in the window list, which keeps it alive; Close
// takes it out and destroys its widgets and controls.
class Window : public std::enable_shared_from_this<Window> {
public:
    Window();
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    // The registered class name, "Module.Class".
    virtual const ClassRecord& classRecord() const = 0;

    void Constructor();
    void Show();
    void Close();
    bool IsOpen() const;

    std::string Title() const;
    void SetTitle(const std::string& title);
    std::shared_ptr<Picture> Backdrop() const;
    void SetBackdrop(const std::shared_ptr<Picture>& picture);
    std::shared_ptr<corvanta::MenuBar> MenuBar() const;
    void SetMenuBar(const std::shared_ptr<corvanta::MenuBar>& bar);

    // Stored properties: Width, Height, MinWidth ... BackColor, Title.
    std::int64_t Width() const;
    std::int64_t Height() const;
    bool Resizeable() const;
    bool MaximizeButton() const;
    bool Visible() const;
    void SetProperties(std::string_view list);

    // Controls: a new, unconstructed control of this window; registration
    // under a name; lookup by name (nil when missing).
    template <class T>
    std::shared_ptr<T> New()
    {
        auto control = std::make_shared<T>();
        adopt(control);
        return control;
    }
    void AddControl(const std::shared_ptr<RectControl>& control, const std::string& name);
    std::shared_ptr<RectControl> ControlByName(const std::string& name) const;

    // A new control of class T for this window, constructed and registered
    // under its name. Nothing is returned: every later step fetches the
    // control by name, as the window holds it.
    template <class T>
    void CreateControl(const std::string& name)
    {
        auto control = New<T>();
        control->Constructor();
        AddControl(control, name);
    }

    // This window's control of that name as a T; nil when there is none. A
    // control of another class raises IllegalCastException.
    template <class T>
    std::shared_ptr<T> ControlNamed(const std::string& name) const
    {
        return CheckCast<T>(ControlByName(name), name.c_str());
    }

    // The same for a build step, which addresses a control it has just
    // registered: a missing one raises NilObjectException.
    template <class T>
    std::shared_ptr<T> Registered(const std::string& name) const
    {
        return NotNil(ControlNamed<T>(name), name.c_str());
    }

    // Menu handlers of this window, by menu item name.
    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    // The handler registered under that name, or an empty function.
    std::function<bool()> MenuHandler(const std::string& itemName) const;

    // The window list: index 0 is the front-most window; nil past the end.
    static std::shared_ptr<Window> At(std::int64_t index);
    static std::int64_t WindowCount();
    // The open window whose class is registered under that name, or nil.
    static std::shared_ptr<Window> ImplicitWindow(const std::string& className);

    // The implicit instance of window class W, whose class record W::Lookup()
    // gives: the open window of that class, else a new W, constructed. No
    // reference is kept; a window whose construction fails is not returned.
    template <class W>
    static std::shared_ptr<W> ImplicitInstance()
    {
        const ClassRecord& record = W::Lookup();
        if (auto open = ImplicitWindow(record.name()))
            return CheckCast<W>(open, record.name().c_str());
        auto window = std::make_shared<W>();
        window->Constructor();
        return window;
    }

    // Raised by the framework before a menu opens or a shortcut runs.
    virtual void Event_EnableMenuItems() {}

    // The Qt window, for the framework itself and for tests.
    QWidget* widget() const;
    // The area the controls and the backdrop are placed in (below the menu bar).
    QWidget* contentWidget() const;

protected:
    template <class W>
    std::shared_ptr<W> self()
    {
        return std::dynamic_pointer_cast<W>(shared_from_this());
    }

    // Hooked events; the base versions do nothing.
    virtual void Layout() {}
    virtual void CreateControls() {}
    virtual void AddMenuHandlers(const std::shared_ptr<Window>& window) { (void)window; }
    virtual void Event_Open() {}
    virtual void Event_Activate() {}

private:
    friend class WindowWidget;
    friend class Application;
    friend void RegisterAppObject(const std::shared_ptr<Application>& app);
    // Each open window without a menu bar of its own takes the shortcuts of
    // the application's menu bar anew; called when that bar or the
    // application object changes.
    static void followApplicationMenuBar();
    void adopt(const std::shared_ptr<RectControl>& control);
    void activated();
    void closedByUser();

    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace corvanta
