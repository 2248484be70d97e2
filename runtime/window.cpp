#include "window.h"

#include "application.h"
#include "controls.h"
#include "exceptions.h"
#include "handlers.h"
#include "private/accessibility.h"
#include "private/menukeyfilter.h"
#include "private/menurenderer.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textfield.h"
#include "private/windowimpl.h"
#include "private/windowwidget.h"
#include "runtime.h"

#include <QCoreApplication>
#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace corvanta {

Window::Window() : d(std::make_unique<Impl>())
{
    RequireUIThread();
    InstallMenuKeyFilter();
    SetContextualMenuShower(&ShowContextualMenu);
    InstallPopUpMenus();
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
    const bool wasActive = d->widget && d->widget->isActiveWindow();
    d->shutDown(this);
    if (!wasOpen)
        return;
    // The keyboard goes on in the window that is now in front, also where no
    // window manager hands it over.
    if (const auto front = At(0); wasActive && front && front->d->widget && front->d->widget->isVisible())
        front->d->widget->activateWindow();
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
        {"Width", PropertyType::Integer, Impl::set<&Impl::width, &Impl::applyGeometry>},
        {"Height", PropertyType::Integer, Impl::set<&Impl::height, &Impl::applyGeometry>},
        {"MinWidth", PropertyType::Integer, Impl::set<&Impl::minWidth, &Impl::applyGeometry>},
        {"MinHeight", PropertyType::Integer, Impl::set<&Impl::minHeight, &Impl::applyGeometry>},
        {"MaxWidth", PropertyType::Integer, Impl::set<&Impl::maxWidth, &Impl::applyGeometry>},
        {"MaxHeight", PropertyType::Integer, Impl::set<&Impl::maxHeight, &Impl::applyGeometry>},
        {"Frame", PropertyType::Integer, [](Window& w, const PropertyValue& v) { w.d->frame = v.integer(); }},
        {"MacProcID", PropertyType::Integer, StoredWithoutEffect("the system draws window frames")},
        {"Placement", PropertyType::Integer, StoredWithoutEffect("the system places new windows")},
        {"Title", PropertyType::String, Through<&Window::SetTitle>},
        {"CloseButton", PropertyType::Boolean, Impl::set<&Impl::closeButton, &Impl::applyFlags>},
        {"Resizeable", PropertyType::Boolean, Impl::set<&Impl::resizeable, &Impl::applyGeometry>},
        {"MaximizeButton", PropertyType::Boolean, Impl::set<&Impl::maximizeButton, &Impl::applyFlags>},
        {"MinimizeButton", PropertyType::Boolean, Impl::set<&Impl::minimizeButton, &Impl::applyFlags>},
        {"FullScreenButton", PropertyType::Boolean, Impl::set<&Impl::fullScreenButton, &Impl::applyFlags>},
        {"Composite", PropertyType::Boolean, StoredWithoutEffect("the system composes what windows draw")},
        {"Visible", PropertyType::Boolean, &Impl::setVisible},
        {"LiveResize", PropertyType::Boolean, StoredWithoutEffect("Qt redraws a window while it is resized")},
        {"FullScreen", PropertyType::Boolean, &Impl::setFullScreen},
        {"MenuBarVisible", PropertyType::Boolean, Impl::set<&Impl::menuBarVisible, &Impl::applyMenuBarVisible>},
        {"HasBackColor", PropertyType::Boolean, Impl::set<&Impl::hasBackColor, &Impl::applyBackColor>},
        {"BackColor", PropertyType::Color, Impl::set<&Impl::backColor, &Impl::applyBackColor>},
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
