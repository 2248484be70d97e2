// Carrying a window's stored properties over to its widgets, and taking the
// window down when it closes.

#include "private/windowimpl.h"

#include "application.h"
#include "controls.h"
#include "private/menurenderer.h"

#include <algorithm>

namespace corvanta {

// It is never destroyed: windows still open at exit must not be torn down
// after Qt's own statics.
std::vector<std::shared_ptr<Window>>& windowList()
{
    static auto* list = new std::vector<std::shared_ptr<Window>>;
    return *list;
}

void Window::Impl::applyFlags()
{
    if (!widget)
        return;
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton)
        flags |= Qt::WindowCloseButtonHint;
    if (minimizeButton)
        flags |= Qt::WindowMinimizeButtonHint;
    if (maximizeButton)
        flags |= Qt::WindowMaximizeButtonHint;
    if (fullScreenButton)
        flags |= Qt::WindowFullscreenButtonHint;
    if (widget->windowFlags() == flags)
        return;
    // Changing the flags hides a shown window.
    const bool shown = widget->isVisible();
    widget->setWindowFlags(flags);
    if (shown)
        widget->show();
}

void Window::Impl::applyGeometry()
{
    if (!widget || !content)
        return;
    if (!resizeable) {
        // The layout sizes the window to the content plus the menu bar.
        content->setFixedSize(toPixels(width), toPixels(height));
        layout->setSizeConstraint(QLayout::SetFixedSize);
    } else {
        layout->setSizeConstraint(QLayout::SetDefaultConstraint);
        content->setMinimumSize(toPixels(minWidth), toPixels(minHeight));
        content->setMaximumSize(toPixels(std::max(maxWidth, minWidth)), toPixels(std::max(maxHeight, minHeight)));
        const int barHeight = menuBarWidget && !menuBarWidget->isHidden() ? menuBarWidget->sizeHint().height() : 0;
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        content->resize(toPixels(width), toPixels(height));
        widget->resize(toPixels(width), toPixels(height) + barHeight);
    }
    layout->activate();
}

void Window::Impl::applyBackColor()
{
    if (!content)
        return;
    content->fill = toQColor(hasBackColor ? backColor : kWindowColor);
    // Only a stored back colour reaches the controls' palettes (a canvas
    // erases in it); the desktop's palette stays theirs otherwise.
    QPalette palette = content->palette();
    if (hasBackColor)
        palette.setColor(QPalette::Window, toQColor(backColor));
    else
        palette = QPalette();
    content->setPalette(palette);
    content->update();
}

void Window::Impl::applyMenuBarVisible()
{
    if (menuBarWidget)
        menuBarWidget->setVisible(menuBarVisible);
}

// A window without a menu bar of its own answers the shortcuts of the
// application's bar, as under one menu bar for the whole application.
void Window::Impl::followAppMenuBar()
{
    std::shared_ptr<corvanta::MenuBar> wanted;
    if (widget && constructed && !closed && !menuBar)
        if (const auto app = GetAppObject())
            wanted = app->MenuBar();
    if (wanted == appShortcutsBar && (appShortcuts || !wanted))
        return;
    delete appShortcuts.data();
    appShortcutsBar = wanted;
    appShortcuts = wanted ? AttachMenuShortcuts(wanted, widget) : nullptr;
}

// While the window is being built this only decides whether Constructor
// shows it.
void Window::Impl::setVisible(Window& window, const PropertyValue& v)
{
    Impl& s = *window.d;
    if (!s.constructed || !window.IsOpen()) {
        s.visible = v.boolean();
    } else if (v.boolean()) {
        window.Show();
    } else {
        s.visible = false;
        if (s.widget)
            s.widget->hide();
    }
}

void Window::Impl::setFullScreen(Window& window, const PropertyValue& v)
{
    Impl& s = *window.d;
    s.fullScreen = v.boolean();
    if (s.constructed && s.widget && s.widget->isVisible())
        s.fullScreen ? s.widget->showFullScreen() : s.widget->showNormal();
}

void Window::Impl::shutDown(Window* self)
{
    closed = true;
    auto& list = windowList();
    list.erase(std::remove_if(list.begin(), list.end(), [self](const auto& w) { return w.get() == self; }), list.end());
    auto doomed = std::move(controls);
    controls.clear();
    controlsByName.clear();
    menuHandlers.clear();
    if (widget) {
        widget->owner = nullptr;
        widget->hide();
        // Deferred: Close may run inside one of the window's own event handlers.
        widget->deleteLater();
    }
    widget = nullptr;
    content = nullptr;
    menuBarWidget = nullptr;
    appShortcuts = nullptr;
    appShortcutsBar = nullptr;
    layout = nullptr;
    doomed.clear();
}

} // namespace corvanta
