// The menu layer's hold on the keyboard. The controls know nothing of menus:
// an application-wide event filter claims the keys the items answer before
// any control sees them, opens the menus from the keyboard and asks a text
// field for its contextual menu.

#include "private/menukeyfilter.h"

#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "private/editcommands.h"
#include "private/menucommands.h"
#include "private/shortcuttext.h"
#include "private/textfield.h"
#include "private/workingfocus.h"
#include "window.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <cstdint>
#include <memory>
#include <optional>

namespace corvanta {

namespace {

// The framework's window that holds the widget, or nil.
std::shared_ptr<Window> windowHolding(QWidget* widget)
{
    QWidget* top = widget->window();
    for (std::int64_t i = 0; i < Window::WindowCount(); ++i)
        if (auto window = Window::At(i); window && window->widget() == top)
            return window;
    return nullptr;
}

// The window's menu bar as drawn and shown, or nil. A bar being replaced is
// hidden until it is deleted.
QMenuBar* shownMenuBar(const Window& window)
{
    if (!window.widget())
        return nullptr;
    for (QMenuBar* bar : window.widget()->findChildren<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly))
        if (!bar->isHidden())
            return bar;
    return nullptr;
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
        } else if (child->Visible() && !child->IsSeparator() && KeySequenceOf(child->KeyboardShortcut()) == keys) {
            return true;
        }
    }
    return false;
}

// The bar whose items answer keys in the window, or nil. A bar of the
// window's own that is not shown answers nothing: Qt fires no shortcut of it.
std::shared_ptr<MenuBar> answeringBar(const std::shared_ptr<Window>& window)
{
    if (window->MenuBar() && !shownMenuBar(*window))
        return nullptr;
    return MenuBarInEffect(window);
}

// Whether a visible item of the bar in effect for the window has this key as
// its shortcut.
bool menuAnswers(const std::shared_ptr<Window>& window, const QKeyEvent& key)
{
    if (key.key() == 0 || key.key() == Qt::Key_unknown)
        return false;
    const std::shared_ptr<MenuBar> bar = answeringBar(window);
    const QKeySequence pressed(QKeyCombination(key.modifiers() & ~Qt::KeypadModifier, Qt::Key(key.key())));
    return bar && answers(*bar, pressed);
}

// A text field's other key for an Edit command (Shift+Insert is Paste, as
// Ctrl+V is) goes through the bar's visible item of that command, as its own
// shortcut would: the program hears of it, and a disabled item does nothing.
// Without such an item the key is left to the field. True when taken.
bool editKeyThroughItem(const std::shared_ptr<Window>& window, const QKeyEvent& key)
{
    const std::optional<EditCommand> command = StandardEditKey(key);
    if (!command || !EditTargetField())
        return false;
    const std::shared_ptr<MenuBar> bar = answeringBar(window);
    const std::shared_ptr<MenuItem> item = bar ? bar->Lookup(EditItemName(*command)) : nullptr;
    if (!item || !item->Visible())
        return false;
    CallWithExceptionHandling([&item] {
        RaiseEnableMenuItemsForKey();
        if (item->Enabled())
            ChooseMenuItem(item);
        EndEnablingPassForKey();
    });
    return true;
}

// Alt (or Alt+Shift) with a letter: a menu's mnemonic, or nothing. On macOS
// Option with a letter types a character instead.
bool isAltLetter(const QKeyEvent& key)
{
#ifdef Q_OS_MACOS
    (void)key;
    return false;
#else
    if ((key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) != Qt::AltModifier)
        return false;
    const QString text = key.text();
    return (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z) || (text.size() == 1 && text.at(0).isLetter());
#endif
}

bool opens(const QAction* title) { return title->menu() && title->isVisible() && title->isEnabled(); }

// A menu opened from the keyboard opens as a click on its title opens it. Qt's
// own keyboard opening moves the focus to the bar: the field behind it loses
// its selection, and the Edit items the field they act on.
void openAsAClickDoes(QMenuBar* bar, QAction* title) { bar->setActiveAction(title); }

// F10 opens the first menu of the bar, as on GNOME and KDE.
bool openFirstMenu(const Window& window)
{
    QMenuBar* bar = shownMenuBar(window);
    if (!bar)
        return false;
    for (QAction* title : bar->actions()) {
        if (!opens(title))
            continue;
        openAsAClickDoes(bar, title);
        return true;
    }
    return false;
}

// The title of the window's drawn bar whose letter the key is (Alt and the
// letter), or nil.
QAction* titleOfLetter(const Window& window, const QKeyEvent& key)
{
    QMenuBar* bar = shownMenuBar(window);
    if (!bar || !isAltLetter(key) || (key.modifiers() & Qt::ShiftModifier))
        return nullptr;
    const QKeySequence pressed(QKeyCombination(Qt::AltModifier, Qt::Key(key.key())));
    for (QAction* title : bar->actions())
        if (opens(title) && QKeySequence::mnemonic(title->text()) == pressed)
            return title;
    return nullptr;
}

// Shift+F10 and the Menu key: the desktop's keys for a contextual menu.
bool isContextualMenuKey(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    return (key.key() == Qt::Key_Menu && modifiers == Qt::NoModifier)
        || (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
}

// A text field with the focus gets its contextual menu at the caret, as a
// contextual menu event asked for from the keyboard, the platform's way. True
// when the key is so taken.
bool showContextualMenuAtTheCaret(QWidget* widget, const QKeyEvent& key)
{
    if (!isContextualMenuKey(key) || widget != QApplication::focusWidget() || !TextFieldOf(widget))
        return false;
    const QPoint caret = widget->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, caret, widget->mapToGlobal(caret), key.modifiers());
    QCoreApplication::sendEvent(widget, &menu);
    return true;
}

// Some platforms (X11) make a contextual menu event of the Menu key
// themselves, just before the key: the key, which follows, is what shows the
// field's menu, once.
bool isPlatformsMenuFromTheKeyboard(QWidget* widget, const QContextMenuEvent& menu)
{
    return menu.spontaneous() && menu.reason() == QContextMenuEvent::Keyboard && TextFieldOf(widget);
}

// The bar takes the focus to work its titles from the keyboard (after Escape
// in one of its menus, say): the field keeps its selection, as it does for a
// menu that pops up, for the Edit items to act on.
bool keepSelectionForTheBar(QWidget* widget, const QFocusEvent& focus)
{
    if (focus.reason() != Qt::MenuBarFocusReason || !TextFieldOf(widget))
        return false;
    QFocusEvent lent(QEvent::FocusOut, Qt::PopupFocusReason);
    QCoreApplication::sendEvent(widget, &lent);
    return true;
}

class MenuKeyFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        // The pass a key ran before its shortcut was looked up ends with it:
        // its press comes only when no shortcut took it, its release always.
        if (type == QEvent::KeyPress || type == QEvent::KeyRelease)
            EndEnablingPassForKey();
        if (!object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        if (type == QEvent::FocusIn)
            FollowFocus(widget);
        if (type == QEvent::FocusOut)
            return keepSelectionForTheBar(widget, *static_cast<QFocusEvent*>(event));
        if (type == QEvent::ContextMenu)
            return isPlatformsMenuFromTheKeyboard(widget, *static_cast<QContextMenuEvent*>(event));
        if (type != QEvent::ShortcutOverride && type != QEvent::KeyPress)
            return false;
        const std::shared_ptr<Window> window = windowHolding(widget);
        if (!window)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        return type == QEvent::ShortcutOverride ? claimShortcut(window, widget, *key)
                                                : takeKeyPress(window, widget, *key);
    }

private:
    // A key that an item answers is not overridden by the control (a text
    // field overrides the standard Edit keys): it goes to the item's shortcut.
    // Before Qt looks the key up, the whole enabling pass runs, the program's
    // part included, as Qt never fires the shortcut of an action that is
    // disabled at that moment.
    static bool claimShortcut(const std::shared_ptr<Window>& window, QWidget* widget, QKeyEvent& key)
    {
        // Qt sends the event to the window's focus widget first, then on to
        // its parents: the pass runs once.
        QWidget* first = widget->window()->focusWidget();
        if (widget != (first ? first : widget->window()))
            return false;
        // Only for a key some item answers: the pass asks the clipboard, which
        // may mean a round trip to another program.
        if (menuAnswers(window, key)) {
            CallWithExceptionHandling([] { RaiseEnableMenuItemsForKey(); });
            key.ignore();
            return true;
        }
        // A title's letter is kept from Qt's bar, to open the menu when the
        // key comes.
        if (titleOfLetter(*window, key)) {
            key.accept();
            return true;
        }
        return false;
    }

    static bool takeKeyPress(const std::shared_ptr<Window>& window, QWidget* widget, QKeyEvent& key)
    {
        // An item's key whose shortcut did not fire belongs to a disabled
        // item: it does nothing, also in a text field.
        bool taken =
            menuAnswers(window, key) || editKeyThroughItem(window, key) || showContextualMenuAtTheCaret(widget, key);
        if (!taken && key.key() == Qt::Key_F10 && (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
            taken = openFirstMenu(*window);
        if (QAction* title = taken ? nullptr : titleOfLetter(*window, key)) {
            openAsAClickDoes(shownMenuBar(*window), title);
            taken = true;
        }
        // A mnemonic that no menu took: no pop-up's row picked by its letter,
        // no letter typed into a field.
        if (!taken)
            taken = isAltLetter(key);
        if (taken)
            key.accept();
        return taken;
    }
};

} // namespace

void InstallMenuKeyFilter()
{
    static QPointer<MenuKeyFilter> filter;
    if (filter || !QCoreApplication::instance())
        return;
    filter = new MenuKeyFilter(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(filter);
}

} // namespace corvanta
