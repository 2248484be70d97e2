#pragma once

// A window's state: its stored properties, its controls and menu handlers,
// and the Qt widgets that show them, with the steps that carry a changed
// property over to those widgets.

#include "private/propertytypes.h"
#include "private/windowwidget.h"
#include "window.h"

#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QVBoxLayout>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace corvanta {

// Open windows, front-most first. The list owns them.
std::vector<std::shared_ptr<Window>>& windowList();

// The Frame of a dialog: Escape, the desktop's cancel key, closes it when no
// cancel button takes the key. Every other frame is a document window's,
// which Escape leaves open.
inline constexpr std::int64_t kDialogFrame = 1;

struct Window::Impl {
    QPointer<WindowWidget> widget;
    QPointer<ContentWidget> content;
    QVBoxLayout* layout = nullptr;
    QPointer<QMenuBar> menuBarWidget;
    std::shared_ptr<corvanta::MenuBar> menuBar;
    // Without a bar of its own: the application bar's shortcuts, and that bar.
    QPointer<QObject> appShortcuts;
    std::shared_ptr<corvanta::MenuBar> appShortcutsBar;
    std::shared_ptr<Picture> backdrop;

    std::string title;
    std::int64_t width = 600, height = 400;
    std::int64_t minWidth = 64, minHeight = 64, maxWidth = 32000, maxHeight = 32000;
    bool closeButton = true, resizeable = true, maximizeButton = true, minimizeButton = true;
    bool fullScreenButton = false, visible = true;
    bool fullScreen = false, menuBarVisible = true, hasBackColor = false;
    std::int64_t frame = 0;
    Color backColor{0xFFFFFF};

    std::vector<std::shared_ptr<RectControl>> controls;
    std::map<std::string, std::shared_ptr<RectControl>> controlsByName;
    std::map<std::string, std::function<bool()>> menuHandlers;

    bool constructed = false;
    bool closed = false;
    // Activate has been raised since the window last lost activation.
    bool activateRaised = false;

    void applyFlags();
    void applyGeometry();
    void applyBackColor();
    void applyMenuBarVisible();
    void followAppMenuBar();
    void shutDown(Window* self);

    // Property rows: a record kept here, then shown on the widget.
    template <auto Field, void (Impl::*Show)()>
    static constexpr auto set = &KeepAndShow<&Window::d, Field, Show>;
    static void setVisible(Window& window, const PropertyValue& v);
    static void setFullScreen(Window& window, const PropertyValue& v);
};

} // namespace corvanta
