// Drawing the menu model: a Qt menu bar per window that shows the bar, the
// shortcuts of the application's bar in a window without one, and pop-up
// menus. Every view listens to the model until its widget is destroyed.

#include "private/menurenderer.h"

#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "private/menucommands.h"
#include "private/menuhooks.h"
#include "private/mnemonics.h"
#include "private/qtconversions.h"
#include "private/shortcuttext.h"
#include "private/textfield.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <unordered_map>
#include <utility>
#include <vector>

namespace corvanta {

namespace {

// Qt reads "&" as a mnemonic marker; a text without a mnemonic is shown as
// it is.
QString plainText(const MenuItem& item) { return ShownMenuText(toQString(item.Text()), -1); }

// Copies the item's properties onto its Qt action, showing `text`; `menu` is
// set when the item is drawn as a menu (a title or an entry with entries of
// its own).
void applyProperties(QAction* action, QMenu* menu, const MenuItem& item, const QString& text)
{
    if (menu) {
        menu->setTitle(text);
    } else {
        action->setSeparator(item.IsSeparator());
        // Some styles draw a separator's text as a section title.
        action->setText(item.IsSeparator() ? QString() : text);
        action->setShortcut(KeySequenceOf(item.KeyboardShortcut()));
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

// QMenu draws no separator at the top or the bottom of a menu or right after
// another, yet tells assistive technology that such a separator is showing,
// with no place on screen. So only the separators that are drawn are shown:
// each one that stands between two shown entries, once. `entries` are a
// menu's actions in order, each with whether the model shows it.
void showDrawnSeparators(const std::vector<std::pair<QAction*, bool>>& entries)
{
    QAction* waiting = nullptr;
    bool entryBefore = false;
    for (const auto& [action, shown] : entries) {
        if (action->isSeparator()) {
            action->setVisible(false);
            if (shown && entryBefore && !waiting)
                waiting = action;
        } else if (shown) {
            if (waiting)
                waiting->setVisible(true);
            waiting = nullptr;
            entryBefore = true;
        }
    }
}

// The items' texts as one menu shows them, each with its mnemonic; only the
// visible ones take a letter.
std::vector<QString> shownTexts(const std::vector<std::shared_ptr<MenuItem>>& items)
{
    std::vector<QString> texts;
    for (const auto& item : items)
        texts.push_back(item->Visible() && !item->IsSeparator() ? toQString(item->Text()) : QString());
    const std::vector<int> positions = MnemonicPositions(texts);
    std::vector<QString> shown;
    for (std::size_t i = 0; i < items.size(); ++i)
        shown.push_back(ShownMenuText(toQString(items[i]->Text()), positions[i]));
    return shown;
}

// Where a pop-up menu shows: at the mouse pointer, or where a contextual
// menu asked for from the keyboard belongs.
std::optional<QPoint>& popUpAnchor()
{
    static std::optional<QPoint> at;
    return at;
}

class PopUpsAt {
public:
    explicit PopUpsAt(QPoint at) : saved_(popUpAnchor()) { popUpAnchor() = at; }
    ~PopUpsAt() { popUpAnchor() = saved_; }
    PopUpsAt(const PopUpsAt&) = delete;
    PopUpsAt& operator=(const PopUpsAt&) = delete;

private:
    std::optional<QPoint> saved_;
};

bool menuIsOpen() { return QApplication::activePopupWidget() != nullptr; }

// One view of one model menu bar, kept in step with the model. It lives as a
// child of its host widget and leaves the registry when the host is
// destroyed.
class MenuView : public QObject {
public:
    ~MenuView() override;

    void itemChanged(const MenuItem* item, bool structure);
    void flushPending();

protected:
    MenuView(std::shared_ptr<MenuBar> model, QWidget* host);

    struct Node {
        std::weak_ptr<MenuItem> item;
        QPointer<QAction> action;
        QPointer<QMenu> menu;
        std::vector<const MenuItem*> kids;
    };

    Node* node(const MenuItem* key);
    void record(const MenuItem* parent, const std::shared_ptr<MenuItem>& child, Node n);
    // An action for an entry; choosing it carries out the entry's item.
    QAction* entryAction(const std::shared_ptr<MenuItem>& child, QWidget* container);
    // Takes the list of the item's nodes below it; the nodes stay.
    std::vector<const MenuItem*> takeKids(const MenuItem* key);
    // Forgets the nodes below the item, at every depth.
    void dropNodes(const MenuItem* key);
    void requestRebuild(const MenuItem* key);
    virtual void refresh(const MenuItem* key);
    virtual void structureChanged(const MenuItem* item) = 0;
    virtual void rebuild(const MenuItem* key) = 0;

    std::shared_ptr<MenuBar> model_;
    QWidget* host_;
    std::unordered_map<const MenuItem*, Node> nodes_;
    std::set<const MenuItem*> pending_;
    bool showing_ = false;

private:
    int listener_;
};

std::vector<MenuView*>& views()
{
    static std::vector<MenuView*> list;
    return list;
}

// Runs held-back rebuilds once the event loop is back (the menu that was
// open has finished closing by then).
void flushAllViews()
{
    for (MenuView* v : std::vector<MenuView*>(views()))
        QTimer::singleShot(0, v, [v] { v->flushPending(); });
}

MenuView::MenuView(std::shared_ptr<MenuBar> model, QWidget* host)
    : QObject(host), model_(std::move(model)), host_(host),
      listener_(AddMenuItemListener([this](const MenuItem& item, bool structure) { itemChanged(&item, structure); }))
{
    views().push_back(this);
    nodes_[model_.get()].item = model_;
}

MenuView::~MenuView()
{
    RemoveMenuItemListener(listener_);
    auto& list = views();
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

MenuView::Node* MenuView::node(const MenuItem* key)
{
    auto it = nodes_.find(key);
    // A node whose item is gone (or whose address was reused) is stale.
    if (it == nodes_.end() || it->second.item.lock().get() != key)
        return nullptr;
    return &it->second;
}

void MenuView::record(const MenuItem* parent, const std::shared_ptr<MenuItem>& child, Node n)
{
    n.item = child;
    nodes_[child.get()] = std::move(n);
    nodes_[parent].kids.push_back(child.get());
}

QAction* MenuView::entryAction(const std::shared_ptr<MenuItem>& child, QWidget* container)
{
    auto* action = new QAction(container);
    std::weak_ptr<MenuItem> weak = child;
    const MenuItem* key = child.get();
    connect(action, &QAction::triggered, this, [this, weak, key] {
        if (auto item = weak.lock()) {
            const QPointer<MenuView> alive(this);
            CallWithExceptionHandling([&] { ChooseMenuItem(item); });
            // Qt toggles a checkable action by itself; the model decides.
            if (alive)
                refresh(key);
        }
    });
    applyProperties(action, nullptr, *child, plainText(*child));
    container->addAction(action);
    return action;
}

std::vector<const MenuItem*> MenuView::takeKids(const MenuItem* key)
{
    auto it = nodes_.find(key);
    if (it == nodes_.end())
        return {};
    std::vector<const MenuItem*> kids = std::move(it->second.kids);
    it->second.kids.clear();
    return kids;
}

void MenuView::dropNodes(const MenuItem* key)
{
    for (const MenuItem* kid : takeKids(key)) {
        dropNodes(kid);
        nodes_.erase(kid);
    }
}

void MenuView::itemChanged(const MenuItem* item, bool structure)
{
    if (!structure) {
        if (item != model_.get())
            refresh(item);
        return;
    }
    structureChanged(item);
}

void MenuView::requestRebuild(const MenuItem* key)
{
    if (showing_ || menuIsOpen()) {
        pending_.insert(key);
        return;
    }
    rebuild(key);
}

void MenuView::flushPending()
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

void MenuView::refresh(const MenuItem* key)
{
    Node* n = node(key);
    if (!n || !n->action)
        return;
    if (auto item = n->item.lock())
        applyProperties(n->action, n->menu, *item, plainText(*item));
}

// A window without a bar of its own: one action on the window for each entry,
// at every depth, so the entries' shortcuts work there; nothing is drawn.
// Deleting it takes its actions away.
class MenuShortcuts final : public MenuView {
public:
    MenuShortcuts(std::shared_ptr<MenuBar> model, QWidget* window) : MenuView(std::move(model), window)
    {
        fill(model_, true);
    }
    ~MenuShortcuts() override { removeAllActions(); }

private:
    void fill(const std::shared_ptr<MenuItem>& parent, bool topLevel)
    {
        for (std::int64_t i = 0; i < parent->Count(); ++i) {
            const std::shared_ptr<MenuItem> child = parent->Item(i);
            if (!child)
                continue;
            Node n;
            const bool asMenu = drawnAsMenu(*child, topLevel);
            if (!asMenu)
                n.action = entryAction(child, host_);
            record(parent.get(), child, std::move(n));
            // A menu's entries go straight onto the window.
            if (asMenu)
                fill(child, false);
        }
    }

    void removeAllActions()
    {
        for (auto& [key, n] : nodes_) {
            if (!n.action)
                continue;
            host_->removeAction(n.action);
            // deleteLater: the action may be the one whose triggered signal
            // is running right now.
            n.action->deleteLater();
        }
        nodes_.clear();
        nodes_[model_.get()].item = model_;
    }

    void structureChanged(const MenuItem* item) override
    {
        if (item == model_.get() || node(item))
            requestRebuild(model_.get());
    }

    void rebuild(const MenuItem*) override
    {
        removeAllActions();
        fill(model_, true);
    }
};

// A drawn QMenuBar. Each title gets a mnemonic unique in the bar and each
// entry one unique in its menu, worked out from the texts as they stand; the
// model's texts stay as the program set them.
class DrawnMenuBar final : public MenuView {
public:
    DrawnMenuBar(std::shared_ptr<MenuBar> model, QMenuBar* bar) : MenuView(std::move(model), bar)
    {
        fill(model_, host_, true);
    }

private:
    void fill(const std::shared_ptr<MenuItem>& parent, QWidget* container, bool topLevel)
    {
        for (std::int64_t i = 0; i < parent->Count(); ++i) {
            const std::shared_ptr<MenuItem> child = parent->Item(i);
            if (!child)
                continue;
            Node n;
            if (drawnAsMenu(*child, topLevel)) {
                n.menu = newMenu(*child, container, topLevel);
                n.action = n.menu->menuAction();
            } else {
                n.action = entryAction(child, container);
            }
            QMenu* submenu = n.menu;
            record(parent.get(), child, std::move(n));
            if (submenu)
                fill(child, submenu, false);
        }
        label(parent.get());
        showSeparators(parent.get());
    }

    void showSeparators(const MenuItem* parent)
    {
        const Node* p = node(parent);
        if (!p)
            return;
        std::vector<std::pair<QAction*, bool>> entries;
        for (const MenuItem* key : p->kids) {
            Node* n = node(key);
            auto item = n ? n->item.lock() : nullptr;
            if (item && n->action)
                entries.emplace_back(n->action, item->Visible());
        }
        showDrawnSeparators(entries);
    }

    QMenu* newMenu(const MenuItem& item, QWidget* container, bool topLevel)
    {
        auto* menu = new QMenu(container);
        if (topLevel) {
            // Structure changes made while the menu opens wait until it has
            // closed; property changes show at once.
            connect(menu, &QMenu::aboutToShow, this, [this] {
                showing_ = true;
                CallWithExceptionHandling([] { RaiseEnableMenuItems(); });
                showing_ = false;
            });
        }
        // Other windows' bars may have held back rebuilds for this menu too.
        connect(menu, &QMenu::aboutToHide, this, [] { flushAllViews(); });
        applyProperties(menu->menuAction(), menu, item, plainText(item));
        container->addAction(menu->menuAction());
        return menu;
    }

    // Shows the texts of the items below `parent` with their mnemonics; only
    // the visible ones take a letter.
    void label(const MenuItem* parent)
    {
        const Node* p = node(parent);
        if (!p)
            return;
        std::vector<std::shared_ptr<MenuItem>> items;
        std::vector<Node*> kids;
        for (const MenuItem* key : p->kids) {
            Node* n = node(key);
            auto item = n ? n->item.lock() : nullptr;
            if (!item || !n->action)
                continue;
            items.push_back(item);
            kids.push_back(n);
        }
        const std::vector<QString> shown = shownTexts(items);
        for (std::size_t i = 0; i < kids.size(); ++i) {
            if (kids[i]->menu)
                kids[i]->menu->setTitle(shown[i]);
            else if (!items[i]->IsSeparator())
                kids[i]->action->setText(shown[i]);
        }
    }

    void refresh(const MenuItem* key) override
    {
        MenuView::refresh(key);
        if (Node* n = node(key))
            if (auto item = n->item.lock())
                if (auto parent = item->Parent()) {
                    label(parent.get());
                    showSeparators(parent.get());
                }
    }

    void clearKids(const MenuItem* key, QWidget* container)
    {
        for (const MenuItem* kid : takeKids(key)) {
            auto k = nodes_.find(kid);
            if (k == nodes_.end())
                continue;
            // deleteLater: the action may be the one whose triggered signal
            // is running right now.
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

    void structureChanged(const MenuItem* item) override
    {
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
            // An entry that gained its first entries (or lost its last)
            // changes between action and submenu: its own menu is rebuilt.
            requestRebuild(parent && node(parent.get()) ? parent.get() : model_.get());
        }
    }

    void rebuild(const MenuItem* key) override
    {
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
};

// Fills a pop-up menu from the item's children, with the mnemonics a drawn
// menu of the same entries shows, remembering which action stands for which
// item.
void fillPopUp(QMenu* menu, const MenuItem& item, std::map<QAction*, std::weak_ptr<MenuItem>>& actions)
{
    std::vector<std::shared_ptr<MenuItem>> children;
    for (std::int64_t i = 0; i < item.Count(); ++i)
        if (auto child = item.Item(i))
            children.push_back(std::move(child));
    const std::vector<QString> shown = shownTexts(children);
    for (std::size_t i = 0; i < children.size(); ++i) {
        const std::shared_ptr<MenuItem>& child = children[i];
        if (child->Count() > 0) {
            auto* sub = new QMenu(menu);
            applyProperties(sub->menuAction(), sub, *child, shown[i]);
            menu->addAction(sub->menuAction());
            fillPopUp(sub, *child, actions);
        } else {
            auto* action = new QAction(menu);
            applyProperties(action, nullptr, *child, shown[i]);
            menu->addAction(action);
            actions[action] = child;
        }
    }
    std::vector<std::pair<QAction*, bool>> entries;
    for (QAction* action : menu->actions())
        entries.emplace_back(action, action->isVisible());
    showDrawnSeparators(entries);
}

} // namespace

QMenuBar* CreateMenuBarWidget(const std::shared_ptr<MenuBar>& bar, QWidget* window)
{
    RequireUIThread();
    auto* widget = new QMenuBar(window);
    if (bar)
        new DrawnMenuBar(bar, widget);
    return widget;
}

QObject* AttachMenuShortcuts(const std::shared_ptr<MenuBar>& bar, QWidget* window)
{
    RequireUIThread();
    if (!bar || !window)
        return nullptr;
    return new MenuShortcuts(bar, window);
}

void InstallPopUpMenus()
{
    SetPopUpHooks({
        .enable = [](MenuItem& menu) { AutoEnableItems(menu); },
        .show = ShowPopUpMenu,
        .perform =
            [] {
                // The field the menu pops up over.
                return [field = EditTargetField()](const MenuItem& chosen) { EditField(field, chosen.Name()); };
            },
    });
}

std::shared_ptr<MenuItem> ShowPopUpMenu(const MenuItem& item)
{
    QMenu menu;
    std::map<QAction*, std::weak_ptr<MenuItem>> actions;
    fillPopUp(&menu, item, actions);
    QAction* action = menu.exec(popUpAnchor().value_or(QCursor::pos()));
    // Rebuilds held back while the pop-up was open can run now.
    flushAllViews();
    auto it = actions.find(action);
    return it == actions.end() ? nullptr : it->second.lock();
}

void ShowContextualMenu(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y, bool fromKeyboard)
{
    std::optional<PopUpsAt> atThePoint;
    if (fromKeyboard) {
        // The key stands for a contextual click there, MouseDown first, as
        // with the mouse; what pops up shows there, not at the pointer.
        if (QWidget* widget = field->widget())
            atThePoint.emplace(widget->mapToGlobal(QPoint(static_cast<int>(x), static_cast<int>(y))));
        if (RaiseContextualMouseDown(field, x, y))
            return;
    }
    if (!field->ConstructContextualMenu)
        return;
    std::shared_ptr<MenuItem> base;
    const bool show = CallWithExceptionHandling([&] {
        base = std::make_shared<MenuItem>();
        base->Constructor();
        return field->ConstructContextualMenu(field, base, x, y);
    });
    if (!show || !base || base->Count() == 0)
        return;
    // PopUp carries out the framework's own command of the chosen entry.
    CallWithExceptionHandling([&] { base->PopUp(); });
}

} // namespace corvanta
