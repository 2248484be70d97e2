// The menu model: items, their properties and their tree. Every change is
// told to the listeners that registered (the views that draw it); the model
// knows nothing of them.

#include "menu.h"

#include "exceptions.h"
#include "handlers.h"
#include "private/menuhooks.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace corvanta {

struct MenuItem::Impl {
    std::string name;
    std::string text;
    std::string shortcut;
    bool autoEnable = true;
    bool visible = true;
    bool checked = false;
    bool enabled = true;
    std::vector<std::shared_ptr<MenuItem>> children;
    std::weak_ptr<MenuItem> parent;
};

namespace {

MenuItem::PopUpChooser& popUpChooser()
{
    static MenuItem::PopUpChooser chooser;
    return chooser;
}

PopUpHooks& popUpHooks()
{
    static PopUpHooks hooks;
    return hooks;
}

struct Listeners {
    int lastId = 0;
    // Shared, so a listener that removes itself is not destroyed mid-call.
    std::vector<std::pair<int, std::shared_ptr<const MenuItemListener>>> list;
};

Listeners& listeners()
{
    static Listeners l;
    return l;
}

void tellListeners(const MenuItem& item, bool structure)
{
    std::vector<int> ids;
    for (const auto& entry : listeners().list)
        ids.push_back(entry.first);
    for (int id : ids) {
        const auto& list = listeners().list;
        const auto it = std::find_if(list.begin(), list.end(), [id](const auto& entry) { return entry.first == id; });
        if (it == list.end())
            continue;
        const std::shared_ptr<const MenuItemListener> listener = it->second;
        if (*listener)
            (*listener)(item, structure);
    }
}

} // namespace

MenuItem::MenuItem() : d(std::make_unique<Impl>()) {}

MenuItem::~MenuItem() = default;

void MenuItem::Constructor() { RequireUIThread(); }

std::string MenuItem::Name() const { return d->name; }

void MenuItem::SetName(const std::string& name)
{
    RequireUIThread();
    d->name = name;
}

bool MenuItem::AutoEnable() const { return d->autoEnable; }

void MenuItem::SetAutoEnable(bool value)
{
    RequireUIThread();
    d->autoEnable = value;
}

std::string MenuItem::Text() const { return d->text; }

void MenuItem::SetText(const std::string& text)
{
    RequireUIThread();
    if (d->text == text)
        return;
    d->text = text;
    changed(false);
}

bool MenuItem::Visible() const { return d->visible; }

void MenuItem::SetVisible(bool value)
{
    RequireUIThread();
    if (d->visible == value)
        return;
    d->visible = value;
    changed(false);
}

std::string MenuItem::KeyboardShortcut() const { return d->shortcut; }

void MenuItem::SetKeyboardShortcut(const std::string& shortcut)
{
    RequireUIThread();
    if (d->shortcut == shortcut)
        return;
    d->shortcut = shortcut;
    changed(false);
}

bool MenuItem::Checked() const { return d->checked; }

void MenuItem::SetChecked(bool value)
{
    RequireUIThread();
    if (d->checked == value)
        return;
    d->checked = value;
    changed(false);
}

bool MenuItem::Enabled() const { return d->enabled; }

void MenuItem::SetEnabled(bool value)
{
    RequireUIThread();
    if (d->enabled == value)
        return;
    d->enabled = value;
    changed(false);
}

bool MenuItem::IsSeparator() const { return d->text == "-"; }

void MenuItem::Append(const std::shared_ptr<MenuItem>& item)
{
    RequireUIThread();
    NotNil(item, "menu item to append");
    for (auto p = weak_from_this().lock(); p; p = p->Parent()) {
        if (p == item)
            throw RuntimeException("a menu item cannot be appended to itself or to an item inside it");
    }
    const std::shared_ptr<MenuItem> keep = item;
    const std::shared_ptr<MenuItem> old = item->d->parent.lock();
    if (old) {
        auto& siblings = old->d->children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), item), siblings.end());
    }
    item->d->parent = weak_from_this();
    d->children.push_back(item);
    if (old && old.get() != this)
        old->changed(true);
    changed(true);
}

std::shared_ptr<MenuItem> MenuItem::Child(const std::string& name) const
{
    for (const auto& child : d->children)
        if (child->d->name == name)
            return child;
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Lookup(const std::string& name) const
{
    for (const auto& child : d->children) {
        if (child->d->name == name)
            return child;
        if (auto found = child->Lookup(name))
            return found;
    }
    return nullptr;
}

std::shared_ptr<MenuItem> MenuItem::Item(std::int64_t index) const
{
    if (index < 0 || index >= static_cast<std::int64_t>(d->children.size()))
        return nullptr;
    return d->children[static_cast<std::size_t>(index)];
}

std::int64_t MenuItem::Count() const { return static_cast<std::int64_t>(d->children.size()); }

std::shared_ptr<MenuItem> MenuItem::Parent() const { return d->parent.lock(); }

std::shared_ptr<MenuItem> MenuItem::Clone() const
{
    RequireUIThread();
    std::shared_ptr<MenuItem> copy = newOfSameClass();
    Impl& c = *copy->d;
    c.name = d->name;
    c.text = d->text;
    c.shortcut = d->shortcut;
    c.autoEnable = d->autoEnable;
    c.visible = d->visible;
    c.checked = d->checked;
    c.enabled = d->enabled;
    for (const auto& child : d->children) {
        auto childCopy = child->Clone();
        childCopy->d->parent = copy;
        c.children.push_back(std::move(childCopy));
    }
    return copy;
}

std::shared_ptr<MenuItem> MenuItem::PopUp()
{
    RequireUIThread();
    const std::shared_ptr<MenuItem> self = shared_from_this();
    const PopUpHooks hooks = popUpHooks();
    // What the chosen entry acts on is taken before the menu shows: once it
    // has closed, some platforms give the window its focus back only later.
    const std::function<void(const MenuItem&)> perform = hooks.perform ? hooks.perform() : nullptr;
    // The entries follow the enabling rule of the menu bar's.
    if (hooks.enable)
        hooks.enable(*this);
    std::shared_ptr<MenuItem> chosen;
    if (const PopUpChooser& chooser = popUpChooser())
        chosen = chooser(self);
    else if (hooks.show)
        chosen = hooks.show(*this);
    // A contextual Edit menu is expected to work: the framework's own Edit
    // commands act on the focused field. Program handlers are not run here;
    // the caller decides what else the choice means.
    if (chosen && chosen->Enabled() && perform)
        perform(*chosen);
    return chosen;
}

void MenuItem::Close()
{
    RequireUIThread();
    const std::shared_ptr<MenuItem> parent = d->parent.lock();
    if (!parent)
        return;
    const std::shared_ptr<MenuItem> keep = weak_from_this().lock();
    auto& siblings = parent->d->children;
    siblings.erase(std::remove_if(siblings.begin(),
                                  siblings.end(),
                                  [this](const std::shared_ptr<MenuItem>& c) { return c.get() == this; }),
                   siblings.end());
    d->parent.reset();
    parent->changed(true);
}

void MenuItem::SetPopUpChooserForTesting(PopUpChooser chooser) { popUpChooser() = std::move(chooser); }

std::shared_ptr<MenuItem> MenuItem::newOfSameClass() const { return std::make_shared<MenuItem>(); }

void MenuItem::changed(bool structure) { tellListeners(*this, structure); }

int AddMenuItemListener(MenuItemListener listener)
{
    Listeners& l = listeners();
    const int id = ++l.lastId;
    l.list.emplace_back(id, std::make_shared<const MenuItemListener>(std::move(listener)));
    return id;
}

void RemoveMenuItemListener(int id)
{
    auto& list = listeners().list;
    list.erase(std::remove_if(list.begin(), list.end(), [id](const auto& entry) { return entry.first == id; }),
               list.end());
}

void SetPopUpHooks(PopUpHooks hooks) { popUpHooks() = std::move(hooks); }

std::shared_ptr<MenuItem> QuitMenuItem::newOfSameClass() const { return std::make_shared<QuitMenuItem>(); }

std::shared_ptr<MenuItem> AppleMenuItem::newOfSameClass() const { return std::make_shared<AppleMenuItem>(); }

std::shared_ptr<MenuItem> MenuBar::newOfSameClass() const { return std::make_shared<MenuBar>(); }

} // namespace corvanta
