#include "window.h"

#include "application.h"
#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "picture.h"
#include "private/accessibility.h"
#include "private/menuhooks.h"
#include "private/menurenderer.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "runtime.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <vector>

namespace corvanta {

namespace {

// Open windows, front-most first. The list owns them. It is never destroyed:
// windows still open at exit must not be torn down after Qt's own statics.
std::vector<std::shared_ptr<Window>>& windowList()
{
    static auto* list = new std::vector<std::shared_ptr<Window>>;
    return *list;
}

// A window without a back colour of its own is painted in this light grey,
// the window colour of Qt's own light palette. The stored text colours were
// chosen against a light window, so on a dark desktop theme the window's
// contents still look as they were laid out; the controls that draw their
// own faces (fields, pop-ups, buttons) and the menus follow the desktop.
constexpr Color kWindowColor{0xEFEFEF};

// The area under the menu bar: paints the window's colour and the backdrop;
// the controls are its children.
class ContentWidget : public QWidget {
public:
    std::shared_ptr<Picture> backdrop;
    QColor fill = toQColor(kWindowColor);

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), fill);
        if (backdrop && !backdrop->image().isNull())
            painter.drawImage(QPoint(0, 0), backdrop->image());
    }
};

} // namespace

// The top-level Qt window. Its back pointer is cleared when the window closes,
// so events that arrive while the widget waits for deletion reach nothing.
class WindowWidget : public QWidget {
public:
    explicit WindowWidget(Window* owner) : owner(owner) {}
    Window* owner;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool pressButton(bool cancel);
};

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
    static void set(Window& window, const PropertyValue& v)
    {
        window.d.get()->*Field = valueAs<typename MemberOf<decltype(Field)>::Value>(v);
        (window.d.get()->*Show)();
    }
    static void setVisible(Window& window, const PropertyValue& v);
    static void setFullScreen(Window& window, const PropertyValue& v);
};

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

bool WindowWidget::event(QEvent* e)
{
    if (owner) {
        if (e->type() == QEvent::WindowActivate)
            owner->activated();
        else if (e->type() == QEvent::WindowDeactivate)
            owner->d->activateRaised = false;
    }
    return QWidget::event(e);
}

void WindowWidget::closeEvent(QCloseEvent* e)
{
    // The window goes through Close like any other; Qt itself must not close
    // (or quit on) it.
    e->ignore();
    if (owner)
        owner->closedByUser();
}

void WindowWidget::keyPressEvent(QKeyEvent* e)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && pressButton(false)) {
            e->accept();
            return;
        }
        if (e->key() == Qt::Key_Escape && pressButton(true)) {
            e->accept();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void WindowWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (owner && owner->d->resizeable && owner->d->content && isVisible()) {
        owner->d->width = owner->d->content->width();
        owner->d->height = owner->d->content->height();
    }
}

// Presses the enabled, visible default (or cancel) button; false when there is none.
bool WindowWidget::pressButton(bool cancel)
{
    if (!owner)
        return false;
    std::shared_ptr<PushButton> target;
    for (const auto& control : owner->d->controls) {
        auto button = std::dynamic_pointer_cast<PushButton>(control);
        if (!button || !button->widget())
            continue;
        if (!(cancel ? button->Cancel() : button->Default()))
            continue;
        if (button->widget()->isEnabled() && button->widget()->isVisible()) {
            target = button;
            break;
        }
    }
    if (!target)
        return false;
    // The Action handler may close the window; the button and this widget
    // outlive it (the widget is deleted later).
    if (auto* qtButton = qobject_cast<QAbstractButton*>(target->widget()))
        qtButton->click();
    return true;
}

Window::Window() : d(std::make_unique<Impl>())
{
    RequireUIThread();
    InstallMenuHooks();
    InstallAccessibility();
    d->widget = new WindowWidget(this);
    // Quitting follows the application's AutoQuit, not Qt's last-window rule.
    d->widget->setAttribute(Qt::WA_QuitOnClose, false);
    d->layout = new QVBoxLayout(d->widget);
    d->layout->setContentsMargins(0, 0, 0, 0);
    d->layout->setSpacing(0);
    d->content = new ContentWidget;
    d->content->setObjectName(QStringLiteral("content"));
    d->layout->addWidget(d->content);
    d->applyFlags();
    d->applyGeometry();
}

Window::~Window()
{
    // Without the application the widgets are past saving; the process is ending.
    if (d->widget && QCoreApplication::instance()) {
        d->widget->owner = nullptr;
        d->widget->hide();
        d->widget->deleteLater();
    }
}

void Window::Constructor()
{
    RequireUIThread();
    if (d->constructed || d->closed)
        return;
    d->constructed = true;
    const auto keep = shared_from_this();
    d->widget->setObjectName(toQString(classRecord().name()));
    try {
        Layout();
        CreateControls();
        // The controls' Open events, once all of them are built.
        const auto built = d->controls;
        for (const auto& control : built)
            control->raiseOpen();
        // The Open events may still have changed texts and places.
        ConnectLabelsAndTabOrder(d->content);
        AddMenuHandlers(keep);
        d->followAppMenuBar();
    } catch (...) {
        // A window whose build failed is not left behind, open or visible.
        d->shutDown(this);
        throw;
    }
    if (d->closed)
        return;

    auto& list = windowList();
    if (d->visible) {
        list.insert(list.begin(), keep);
        Show();
    } else {
        list.push_back(keep);
    }
    CallWithExceptionHandling([this] { Event_Open(); });
    if (d->closed || !d->visible)
        return;
    d->activateRaised = true;
    CallWithExceptionHandling([this] { Event_Activate(); });
}

void Window::Show()
{
    RequireUIThread();
    if (d->closed || !d->widget)
        return;
    d->visible = true;
    // A window that appears comes up in front anyway; one already shown is raised.
    const bool wasShown = d->widget->isVisible();
    if (d->fullScreen)
        d->widget->showFullScreen();
    else
        d->widget->show();
    if (wasShown)
        d->widget->raise();
    d->widget->activateWindow();
    auto& list = windowList();
    auto it = std::find_if(list.begin(), list.end(), [this](const auto& w) { return w.get() == this; });
    if (it != list.end())
        std::rotate(list.begin(), it, it + 1);
}

void Window::Close()
{
    RequireUIThread();
    if (d->closed)
        return;
    const auto keep = weak_from_this().lock();
    const auto& list = windowList();
    const bool wasOpen = std::any_of(list.begin(), list.end(), [this](const auto& w) { return w.get() == this; });
    d->shutDown(this);
    if (!wasOpen)
        return;
    auto app = GetAppObject();
    if (app && app->AutoQuit() && WindowCount() == 0)
        Runtime::Quit();
}

bool Window::IsOpen() const
{
    RequireUIThread();
    const auto& list = windowList();
    return std::any_of(list.begin(), list.end(), [this](const auto& w) { return w.get() == this; });
}

std::string Window::Title() const
{
    RequireUIThread();
    return d->title;
}

void Window::SetTitle(const std::string& title)
{
    RequireUIThread();
    d->title = title;
    if (d->widget)
        d->widget->setWindowTitle(toQString(title));
}

std::shared_ptr<Picture> Window::Backdrop() const
{
    RequireUIThread();
    return d->backdrop;
}

void Window::SetBackdrop(const std::shared_ptr<Picture>& picture)
{
    RequireUIThread();
    d->backdrop = picture;
    if (d->content) {
        d->content->backdrop = picture;
        d->content->update();
    }
}

std::shared_ptr<corvanta::MenuBar> Window::MenuBar() const
{
    RequireUIThread();
    return d->menuBar;
}

void Window::SetMenuBar(const std::shared_ptr<corvanta::MenuBar>& bar)
{
    RequireUIThread();
    if (bar == d->menuBar && (d->menuBarWidget || !bar))
        return;
    d->menuBar = bar;
    if (!d->widget)
        return;
    if (d->menuBarWidget) {
        d->layout->setMenuBar(nullptr);
        d->menuBarWidget->hide();
        // Deferred: the bar may be changed from one of its own menu commands.
        d->menuBarWidget->deleteLater();
        d->menuBarWidget = nullptr;
    }
    if (bar) {
        QMenuBar* widget = CreateMenuBarWidget(bar, d->widget);
        d->layout->setMenuBar(widget);
        d->menuBarWidget = widget;
        d->applyMenuBarVisible();
    }
    d->followAppMenuBar();
    d->applyGeometry();
}

std::int64_t Window::Width() const
{
    RequireUIThread();
    return d->width;
}

std::int64_t Window::Height() const
{
    RequireUIThread();
    return d->height;
}

bool Window::Resizeable() const
{
    RequireUIThread();
    return d->resizeable;
}

bool Window::MaximizeButton() const
{
    RequireUIThread();
    return d->maximizeButton;
}

bool Window::Visible() const
{
    RequireUIThread();
    return d->visible;
}

void Window::SetProperties(std::string_view list)
{
    RequireUIThread();
    static constexpr PropertyRow<Window> rows[] = {
        {"Width", PropertyType::Integer, &Impl::set<&Impl::width, &Impl::applyGeometry>},
        {"Height", PropertyType::Integer, &Impl::set<&Impl::height, &Impl::applyGeometry>},
        {"MinWidth", PropertyType::Integer, &Impl::set<&Impl::minWidth, &Impl::applyGeometry>},
        {"MinHeight", PropertyType::Integer, &Impl::set<&Impl::minHeight, &Impl::applyGeometry>},
        {"MaxWidth", PropertyType::Integer, &Impl::set<&Impl::maxWidth, &Impl::applyGeometry>},
        {"MaxHeight", PropertyType::Integer, &Impl::set<&Impl::maxHeight, &Impl::applyGeometry>},
        {"Frame", PropertyType::Integer, kStoredWithoutEffect},
        {"MacProcID", PropertyType::Integer, kStoredWithoutEffect},
        {"Placement", PropertyType::Integer, kStoredWithoutEffect},
        {"Title", PropertyType::String, Through<&Window::SetTitle>},
        {"CloseButton", PropertyType::Boolean, &Impl::set<&Impl::closeButton, &Impl::applyFlags>},
        {"Resizeable", PropertyType::Boolean, &Impl::set<&Impl::resizeable, &Impl::applyGeometry>},
        {"MaximizeButton", PropertyType::Boolean, &Impl::set<&Impl::maximizeButton, &Impl::applyFlags>},
        {"MinimizeButton", PropertyType::Boolean, &Impl::set<&Impl::minimizeButton, &Impl::applyFlags>},
        {"FullScreenButton", PropertyType::Boolean, &Impl::set<&Impl::fullScreenButton, &Impl::applyFlags>},
        {"Composite", PropertyType::Boolean, kStoredWithoutEffect},
        {"Visible", PropertyType::Boolean, &Impl::setVisible},
        {"LiveResize", PropertyType::Boolean, kStoredWithoutEffect},
        {"FullScreen", PropertyType::Boolean, &Impl::setFullScreen},
        {"MenuBarVisible", PropertyType::Boolean, &Impl::set<&Impl::menuBarVisible, &Impl::applyMenuBarVisible>},
        {"HasBackColor", PropertyType::Boolean, &Impl::set<&Impl::hasBackColor, &Impl::applyBackColor>},
        {"BackColor", PropertyType::Color, &Impl::set<&Impl::backColor, &Impl::applyBackColor>},
    };
    ApplyPropertyList(
        list, classRecord().name(), [this](const std::string& name) { return BindRow(*this, rows, name); });
}

void Window::AddControl(const std::shared_ptr<RectControl>& control, const std::string& name)
{
    RequireUIThread();
    NotNil(control, "control");
    if (d->closed)
        RaiseNilObjectException("the window is closed");
    if (control->OwnerWindow().get() != this)
        adopt(control);
    control->setName(name);
    if (std::find(d->controls.begin(), d->controls.end(), control) == d->controls.end())
        d->controls.push_back(control);
    d->controlsByName[name] = control;
    control->place();
}

std::shared_ptr<RectControl> Window::ControlByName(const std::string& name) const
{
    RequireUIThread();
    auto it = d->controlsByName.find(name);
    return it == d->controlsByName.end() ? nullptr : it->second;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler)
{
    RequireUIThread();
    d->menuHandlers[itemName] = std::move(handler);
}

std::function<bool()> Window::MenuHandler(const std::string& itemName) const
{
    RequireUIThread();
    auto it = d->menuHandlers.find(itemName);
    return it == d->menuHandlers.end() ? std::function<bool()>() : it->second;
}

std::shared_ptr<Window> Window::At(std::int64_t index)
{
    RequireUIThread();
    const auto& list = windowList();
    if (index < 0 || index >= static_cast<std::int64_t>(list.size()))
        return nullptr;
    return list[static_cast<std::size_t>(index)];
}

std::int64_t Window::WindowCount()
{
    RequireUIThread();
    return static_cast<std::int64_t>(windowList().size());
}

std::shared_ptr<Window> Window::ImplicitWindow(const std::string& className)
{
    RequireUIThread();
    for (const auto& w : windowList())
        if (w->classRecord().name() == className)
            return w;
    return nullptr;
}

QWidget* Window::widget() const { return d->widget; }

QWidget* Window::contentWidget() const { return d->content; }

void Window::adopt(const std::shared_ptr<RectControl>& control)
{
    RequireUIThread();
    control->setOwner(shared_from_this());
}

void Window::activated()
{
    if (!d->constructed || d->closed)
        return;
    const auto keep = shared_from_this();
    auto& list = windowList();
    auto it = std::find_if(list.begin(), list.end(), [this](const auto& w) { return w.get() == this; });
    if (it == list.end())
        return;
    std::rotate(list.begin(), it, it + 1);
    if (d->activateRaised)
        return;
    d->activateRaised = true;
    CallWithExceptionHandling([this] { Event_Activate(); });
}

void Window::closedByUser()
{
    CallWithExceptionHandling([this] { Close(); });
}

void Window::followApplicationMenuBar()
{
    for (const auto& window : std::vector<std::shared_ptr<Window>>(windowList()))
        window->d->followAppMenuBar();
}

} // namespace corvanta
