#include "menu.h"

#include "exceptions.h"
#include "handlers.h"
#include "private/menucommands.h"
#include "private/qtconversions.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <algorithm>
#include <map>
#include <set>
#include <unordered_map>
#include <utility>

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

// "Cmd+Shift+Z" -> Qt's portable "Ctrl+Shift+Z". Qt's Ctrl is Command on
// macOS and its Meta is the Control key there, so "Ctrl" in a shortcut text
// means Meta.
QKeySequence keySequence(const std::string& shortcut)
{
    if (shortcut.empty())
        return {};
    QString text = toQString(shortcut);
    QStringList parts;
    QString key;
    // The last part is the key; a trailing "+" is the plus key itself.
    if (text.endsWith(QLatin1String("++"))) {
        key = QStringLiteral("+");
        text.chop(2);
        parts = text.split(QLatin1Char('+'), Qt::SkipEmptyParts);
    } else {
        parts = text.split(QLatin1Char('+'), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return {};
        key = parts.takeLast();
    }
    QStringList mapped;
    for (const QString& part : parts) {
        const QString p = part.trimmed().toLower();
        if (p == QLatin1String("cmd") || p == QLatin1String("command"))
            mapped << QStringLiteral("Ctrl");
        else if (p == QLatin1String("ctrl") || p == QLatin1String("control"))
            mapped << QStringLiteral("Meta");
        else if (p == QLatin1String("opt") || p == QLatin1String("option") || p == QLatin1String("alt"))
            mapped << QStringLiteral("Alt");
        else if (p == QLatin1String("shift"))
            mapped << QStringLiteral("Shift");
        else
            mapped << part.trimmed();
    }
    mapped << key.trimmed();
    return QKeySequence::fromString(mapped.join(QLatin1Char('+')), QKeySequence::PortableText);
}

// Qt reads "&" as a mnemonic marker; menu texts are shown as they are.
QString displayText(const std::string& text)
{
    QString s = toQString(text);
    s.replace(QLatin1Char('&'), QLatin1String("&&"));
    return s;
}

// Copies the item's properties onto its Qt action; `menu` is set when the
// item is drawn as a menu (a title or an entry with entries of its own).
void applyProperties(QAction* action, QMenu* menu, const MenuItem& item)
{
    const QString text = displayText(item.Text());
    if (menu) {
        menu->setTitle(text);
    } else {
        action->setSeparator(item.IsSeparator());
        // Some styles draw a separator's text as a section title.
        action->setText(item.IsSeparator() ? QString() : text);
        action->setShortcut(keySequence(item.KeyboardShortcut()));
        // Only a checked item is checkable, so unchecked entries draw no
        // empty check box.
        action->setCheckable(item.Checked());
        action->setChecked(item.Checked());
        if (dynamic_cast<const QuitMenuItem*>(&item))
            action->setMenuRole(QAction::QuitRole);
        else if (dynamic_cast<const AppleMenuItem*>(&item))
            action->setMenuRole(QAction::ApplicationSpecificRole);
        else
            action->setMenuRole(QAction::NoRole);
    }
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
}

bool drawnAsMenu(const MenuItem& item, bool topLevel) { return topLevel || item.Count() > 0; }

bool menuIsOpen() { return QApplication::activePopupWidget() != nullptr; }

// Draws one model menu bar into one QMenuBar and keeps it in step with the
// model. It lives as a child of its QMenuBar and leaves the registry when the
// bar is destroyed.
//
// Flat, it draws nothing: it lives on a window, which gets one action for
// each entry, so the entries' shortcuts work in a window without a menu bar
// of its own. Deleting a flat renderer takes its actions away.
class MenuBarRenderer : public QObject {
public:
    MenuBarRenderer(std::shared_ptr<MenuBar> model, QWidget* host, bool flat);
    ~MenuBarRenderer() override;

    void itemChanged(const MenuItem* item, bool structure);
    void flushPending();

private:
    struct Node {
        std::weak_ptr<MenuItem> item;
        QPointer<QAction> action;
        QPointer<QMenu> menu;
        std::vector<const MenuItem*> kids;
    };

    Node* node(const MenuItem* key);
    void fill(const std::shared_ptr<MenuItem>& parent, QWidget* container, bool topLevel);
    void clearKids(const MenuItem* key, QWidget* container);
    void dropNodes(const MenuItem* key);
    void requestRebuild(const MenuItem* key);
    void rebuild(const MenuItem* key);
    void refresh(const MenuItem* key);
    void removeAllActions();

    std::shared_ptr<MenuBar> model_;
    QWidget* host_; // the QMenuBar, or the window of a flat renderer
    bool flat_;
    std::unordered_map<const MenuItem*, Node> nodes_;
    std::set<const MenuItem*> pending_;
    bool showing_ = false;
};

std::vector<MenuBarRenderer*>& renderers()
{
    static std::vector<MenuBarRenderer*> list;
    return list;
}

// Runs held-back rebuilds once the event loop is back (the menu that was
// open has finished closing by then).
void flushAllRenderers()
{
    for (MenuBarRenderer* r : std::vector<MenuBarRenderer*>(renderers()))
        QTimer::singleShot(0, r, [r] { r->flushPending(); });
}

MenuBarRenderer::MenuBarRenderer(std::shared_ptr<MenuBar> model, QWidget* host, bool flat)
    : QObject(host), model_(std::move(model)), host_(host), flat_(flat)
{
    renderers().push_back(this);
    nodes_[model_.get()].item = model_;
    fill(model_, host_, true);
}

MenuBarRenderer::~MenuBarRenderer()
{
    auto& list = renderers();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    if (flat_)
        removeAllActions();
}

// A flat renderer's actions all sit on the host, at every depth.
void MenuBarRenderer::removeAllActions()
{
    for (auto& [key, n] : nodes_) {
        if (!n.action)
            continue;
        host_->removeAction(n.action);
        // deleteLater: the action may be the one whose triggered signal is
        // running right now.
        n.action->deleteLater();
    }
    nodes_.clear();
    nodes_[model_.get()].item = model_;
}

MenuBarRenderer::Node* MenuBarRenderer::node(const MenuItem* key)
{
    auto it = nodes_.find(key);
    // A node whose item is gone (or whose address was reused) is stale.
    if (it == nodes_.end() || it->second.item.lock().get() != key)
        return nullptr;
    return &it->second;
}

void MenuBarRenderer::fill(const std::shared_ptr<MenuItem>& parent, QWidget* container, bool topLevel)
{
    const std::int64_t count = parent->Count();
    for (std::int64_t i = 0; i < count; ++i) {
        const std::shared_ptr<MenuItem> child = parent->Item(i);
        if (!child)
            continue;
        Node n;
        n.item = child;
        if (flat_ && drawnAsMenu(*child, topLevel)) {
            // A menu's entries go straight onto the host.
            nodes_[child.get()] = std::move(n);
            nodes_[parent.get()].kids.push_back(child.get());
            fill(child, container, false);
            continue;
        }
        if (drawnAsMenu(*child, topLevel)) {
            auto* menu = new QMenu(container);
            n.menu = menu;
            n.action = menu->menuAction();
            if (topLevel) {
                // Structure changes made while the menu opens wait until it
                // has closed; property changes show at once.
                connect(menu, &QMenu::aboutToShow, this, [this] {
                    showing_ = true;
                    CallWithExceptionHandling([] { RaiseEnableMenuItems(); });
                    showing_ = false;
                });
            }
            // Other windows' bars may have held back rebuilds for this menu too.
            connect(menu, &QMenu::aboutToHide, this, [] { flushAllRenderers(); });
        } else {
            auto* action = new QAction(container);
            n.action = action;
            std::weak_ptr<MenuItem> weak = child;
            const MenuItem* key = child.get();
            connect(action, &QAction::triggered, this, [this, weak, key] {
                if (auto item = weak.lock()) {
                    const QPointer<MenuBarRenderer> alive(this);
                    CallWithExceptionHandling([&] { ChooseMenuItem(item); });
                    // Qt toggles a checkable action by itself; the model decides.
                    if (alive)
                        refresh(key);
                }
            });
        }
        applyProperties(n.action, n.menu, *child);
        container->addAction(n.action);
        const bool asMenu = n.menu != nullptr;
        QMenu* submenu = n.menu;
        nodes_[child.get()] = std::move(n);
        nodes_[parent.get()].kids.push_back(child.get());
        if (asMenu)
            fill(child, submenu, false);
    }
}

void MenuBarRenderer::dropNodes(const MenuItem* key)
{
    auto it = nodes_.find(key);
    if (it == nodes_.end())
        return;
    const std::vector<const MenuItem*> kids = std::move(it->second.kids);
    it->second.kids.clear();
    for (const MenuItem* kid : kids) {
        dropNodes(kid);
        nodes_.erase(kid);
    }
}

void MenuBarRenderer::clearKids(const MenuItem* key, QWidget* container)
{
    auto it = nodes_.find(key);
    if (it == nodes_.end())
        return;
    const std::vector<const MenuItem*> kids = std::move(it->second.kids);
    it->second.kids.clear();
    for (const MenuItem* kid : kids) {
        auto k = nodes_.find(kid);
        if (k == nodes_.end())
            continue;
        // deleteLater: the action may be the one whose triggered signal is
        // running right now.
        if (k->second.action && container)
            container->removeAction(k->second.action);
        if (k->second.menu)
            k->second.menu->deleteLater();
        else if (k->second.action)
            k->second.action->deleteLater();
        dropNodes(kid);
        nodes_.erase(kid);
    }
}

void MenuBarRenderer::itemChanged(const MenuItem* item, bool structure)
{
    if (!structure) {
        if (item != model_.get())
            refresh(item);
        return;
    }
    if (flat_) {
        if (item == model_.get() || node(item))
            requestRebuild(model_.get());
        return;
    }
    if (item == model_.get()) {
        requestRebuild(item);
        return;
    }
    Node* n = node(item);
    if (!n)
        return;
    auto model = n->item.lock();
    auto parent = model ? model->Parent() : nullptr;
    const bool topLevel = parent.get() == model_.get();
    if (n->menu && drawnAsMenu(*model, topLevel)) {
        requestRebuild(item);
    } else {
        // An entry that gained its first entries (or lost its last) changes
        // between action and submenu: its own menu is rebuilt.
        requestRebuild(parent && node(parent.get()) ? parent.get() : model_.get());
    }
}

void MenuBarRenderer::requestRebuild(const MenuItem* key)
{
    if (showing_ || menuIsOpen()) {
        pending_.insert(key);
        return;
    }
    rebuild(key);
}

void MenuBarRenderer::flushPending()
{
    if (pending_.empty() || showing_ || menuIsOpen())
        return;
    std::set<const MenuItem*> keys;
    std::swap(keys, pending_);
    if (keys.count(model_.get())) {
        rebuild(model_.get());
        return;
    }
    for (const MenuItem* key : keys)
        if (node(key))
            rebuild(key);
}

void MenuBarRenderer::rebuild(const MenuItem* key)
{
    if (flat_) {
        removeAllActions();
        fill(model_, host_, true);
        return;
    }
    if (key == model_.get()) {
        clearKids(key, host_);
        fill(model_, host_, true);
        return;
    }
    Node* n = node(key);
    if (!n || !n->menu)
        return;
    auto item = n->item.lock();
    QMenu* menu = n->menu;
    clearKids(key, menu);
    fill(item, menu, false);
}

void MenuBarRenderer::refresh(const MenuItem* key)
{
    Node* n = node(key);
    if (!n || !n->action)
        return;
    if (auto item = n->item.lock())
        applyProperties(n->action, n->menu, *item);
}

void notifyRenderers(const MenuItem* item, bool structure)
{
    for (MenuBarRenderer* r : std::vector<MenuBarRenderer*>(renderers()))
        r->itemChanged(item, structure);
}

// Whether a visible entry below `menu` has the key as its shortcut.
bool answers(const MenuItem& menu, const QKeySequence& keys)
{
    for (std::int64_t i = 0; i < menu.Count(); ++i) {
        const auto child = menu.Item(i);
        if (!child)
            continue;
        if (child->Count() > 0) {
            if (answers(*child, keys))
                return true;
        } else if (child->Visible() && !child->IsSeparator() && keySequence(child->KeyboardShortcut()) == keys) {
            return true;
        }
    }
    return false;
}

// Fills a pop-up menu from the item's children, remembering which action
// stands for which item.
void fillPopUp(QMenu* menu, const MenuItem& item, std::map<QAction*, std::weak_ptr<MenuItem>>& actions)
{
    for (std::int64_t i = 0; i < item.Count(); ++i) {
        auto child = item.Item(i);
        if (!child)
            continue;
        if (child->Count() > 0) {
            auto* sub = new QMenu(menu);
            applyProperties(sub->menuAction(), sub, *child);
            menu->addAction(sub->menuAction());
            fillPopUp(sub, *child, actions);
        } else {
            auto* action = new QAction(menu);
            applyProperties(action, nullptr, *child);
            menu->addAction(action);
            actions[action] = child;
        }
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
    // The entries follow the enabling rule of the menu bar's.
    AutoEnableItems(*this);
    std::shared_ptr<MenuItem> chosen;
    if (const PopUpChooser& chooser = popUpChooser()) {
        chosen = chooser(self);
    } else {
        QMenu menu;
        std::map<QAction*, std::weak_ptr<MenuItem>> actions;
        fillPopUp(&menu, *this, actions);
        QAction* action = menu.exec(QCursor::pos());
        // Rebuilds held back while the pop-up was open can run now.
        flushAllRenderers();
        if (auto it = actions.find(action); it != actions.end())
            chosen = it->second.lock();
    }
    // A contextual Edit menu is expected to work: the framework's own Edit
    // commands act on the focused field. Program handlers are not run here;
    // the caller decides what else the choice means.
    if (chosen && chosen->Enabled())
        editFocusedField(chosen->Name());
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

void MenuItem::changed(bool structure) { notifyRenderers(this, structure); }

std::shared_ptr<MenuItem> QuitMenuItem::newOfSameClass() const { return std::make_shared<QuitMenuItem>(); }

std::shared_ptr<MenuItem> AppleMenuItem::newOfSameClass() const { return std::make_shared<AppleMenuItem>(); }

std::shared_ptr<MenuItem> MenuBar::newOfSameClass() const { return std::make_shared<MenuBar>(); }

QMenuBar* CreateMenuBarWidget(const std::shared_ptr<MenuBar>& bar, QWidget* window)
{
    RequireUIThread();
    auto* widget = new QMenuBar(window);
    if (bar)
        new MenuBarRenderer(bar, widget, false);
    return widget;
}

QObject* AttachMenuShortcuts(const std::shared_ptr<MenuBar>& bar, QWidget* window)
{
    RequireUIThread();
    if (!bar || !window)
        return nullptr;
    return new MenuBarRenderer(bar, window, true);
}

bool MenuAnswersKey(const std::shared_ptr<Window>& window, const QKeyEvent& key)
{
    if (key.key() == 0 || key.key() == Qt::Key_unknown)
        return false;
    // A bar of the window's own that is not shown answers nothing: Qt fires
    // no shortcut of it.
    if (window && window->MenuBar() && window->widget()) {
        const auto* drawn = window->widget()->findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
        if (!drawn || drawn->isHidden())
            return false;
    }
    const std::shared_ptr<MenuBar> bar = MenuBarInEffect(window);
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    return bar && answers(*bar, pressed);
}

} // namespace corvanta
