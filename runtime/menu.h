#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvanta {

// One menu model. A menu title and a menu entry are both MenuItems; a
// MenuBar's children are the titles. Every window that shows the bar draws a
// real Qt menu bar from this model, and a change to an item shows in all of
// them at once.
class MenuItem : public std::enable_shared_from_this<MenuItem> {
public:
    MenuItem();
    virtual ~MenuItem();
    MenuItem(const MenuItem&) = delete;
    MenuItem& operator=(const MenuItem&) = delete;

    virtual const char* className() const { return "MenuItem"; }

    void Constructor();

    std::string Name() const;
    void SetName(const std::string& name);
    bool AutoEnable() const;
    void SetAutoEnable(bool value);
    // "-" makes the item a separator.
    std::string Text() const;
    void SetText(const std::string& text);
    bool Visible() const;
    void SetVisible(bool value);
    // "Cmd+W" and the like; "Cmd" is the platform's standard modifier
    // (Ctrl on Linux, Command on macOS).
    std::string KeyboardShortcut() const;
    void SetKeyboardShortcut(const std::string& shortcut);
    bool Checked() const;
    void SetChecked(bool value);
    bool Enabled() const;
    void SetEnabled(bool value);
    bool IsSeparator() const;

    void Append(const std::shared_ptr<MenuItem>& item);
    // The direct child of that name, or nil.
    std::shared_ptr<MenuItem> Child(const std::string& name) const;
    // The item of that name anywhere below this one, or nil.
    std::shared_ptr<MenuItem> Lookup(const std::string& name) const;
    // The child at a position from 0, or nil.
    std::shared_ptr<MenuItem> Item(std::int64_t index) const;
    std::int64_t Count() const;
    std::shared_ptr<MenuItem> Parent() const;
    // A copy with copies of all its items, of the same classes; independent
    // of the original.
    std::shared_ptr<MenuItem> Clone() const;
    // Shows this item's children as a menu at the mouse pointer and returns
    // the chosen item, or nil when none was chosen.
    std::shared_ptr<MenuItem> PopUp();
    // Removes the item from its menu.
    void Close();

    // Test seam: PopUp asks this chooser instead of showing a menu.
    using PopUpChooser = std::function<std::shared_ptr<MenuItem>(const std::shared_ptr<MenuItem>& menu)>;
    static void SetPopUpChooserForTesting(PopUpChooser chooser);

protected:
    virtual std::shared_ptr<MenuItem> newOfSameClass() const;

private:
    void changed(bool structure);
    struct Impl;
    std::unique_ptr<Impl> d;
};

// Choosing it makes the application quit.
class QuitMenuItem : public MenuItem {
public:
    const char* className() const override { return "QuitMenuItem"; }

protected:
    std::shared_ptr<MenuItem> newOfSameClass() const override;
};

// An item that belongs to the application menu (shown where the platform
// puts such items; in place elsewhere).
class AppleMenuItem : public MenuItem {
public:
    const char* className() const override { return "AppleMenuItem"; }

protected:
    std::shared_ptr<MenuItem> newOfSameClass() const override;
};

class MenuBar : public MenuItem {
public:
    const char* className() const override { return "MenuBar"; }

protected:
    std::shared_ptr<MenuItem> newOfSameClass() const override;
};

// Carries out the choice of an item: runs the enabling pass (below), unless
// the key that fired the item has just run it, and a disabled item does
// nothing; then the front window's handler of the item's name, else the
// application's; when none handles it (returns True), the framework's own
// behaviour: a QuitMenuItem quits, the Edit items act on the focused text
// field through its own methods, and "FileClose" closes the window in front
// when neither it nor the application has a handler of that name. Every
// handler runs inside the exception helper.
void ChooseMenuItem(const std::shared_ptr<MenuItem>& item);

// The enabling pass, run before a menu opens and before a shortcut or a
// choice is carried out. First the framework's AutoEnable: each Edit item
// with AutoEnable True is enabled only when it can act on the focused text
// field (Undo when the field can undo; Cut, Copy and Clear when text is
// selected; Paste when the clipboard holds text; Select all when the field
// holds text), and disabled when no text field has the focus; the other items
// are left as the program set them. Then the front window's EnableMenuItems
// event, inside the exception helper, so the program has the last word.
void RaiseEnableMenuItems();

} // namespace corvanta
