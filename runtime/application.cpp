#include "application.h"

#include "folderitem.h"
#include "handlers.h"
#include "menu.h"
#include "picture.h"
#include "private/qtconversions.h"
#include "window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QThread>

#include <map>

#ifndef CORVANTA_VERSION
#error "CORVANTA_VERSION must come from the build (the project version)"
#endif

namespace corvanta {

namespace {
// Every window without an icon of its own shows the application's, in task
// bars and window switchers. A missing or unreadable file leaves the default,
// as any other missing picture does. Pixmaps need the GUI on its own thread.
void setWindowIconFromBundle()
{
    auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!gui || QThread::currentThread() != gui->thread())
        return;
    if (auto picture = Picture::OpenFromApp("corvanta.png"))
        QGuiApplication::setWindowIcon(QIcon(QPixmap::fromImage(picture->image())));
}
} // namespace

struct Application::Impl {
    std::shared_ptr<corvanta::MenuBar> menuBar;
    bool autoQuit = false;
    std::map<std::string, std::function<bool()>> menuHandlers;
};

Application::Application() : d(std::make_unique<Impl>()) { setWindowIconFromBundle(); }

Application::~Application() = default;

std::shared_ptr<MenuBar> Application::MenuBar() const { return d->menuBar; }

void Application::SetMenuBar(const std::shared_ptr<corvanta::MenuBar>& bar)
{
    d->menuBar = bar;
    Window::followApplicationMenuBar();
}

bool Application::AutoQuit() const { return d->autoQuit; }

void Application::SetAutoQuit(bool value) { d->autoQuit = value; }

std::shared_ptr<FolderItem> Application::ExecutableFile() const
{
    if (!QCoreApplication::instance())
        return nullptr;
    const QString path = QCoreApplication::applicationFilePath();
    if (path.isEmpty())
        return nullptr;
    return std::make_shared<FolderItem>(toStdString(path));
}

std::string Application::ShortVersion() const { return CORVANTA_VERSION; }

void Application::AddMenuHandler(const std::string& itemName, std::function<bool()> handler)
{
    RequireUIThread();
    // A later registration under the same name replaces the earlier one.
    d->menuHandlers[itemName] = std::move(handler);
}

std::function<bool()> Application::MenuHandler(const std::string& itemName) const
{
    auto it = d->menuHandlers.find(itemName);
    return it == d->menuHandlers.end() ? std::function<bool()>() : it->second;
}

void Application::raiseOpen()
{
    // Keep the object alive for the event even if it is unregistered meanwhile.
    auto keepAlive = weak_from_this().lock();
    CallWithExceptionHandling([this] { Event_Open(); });
}

namespace {
std::shared_ptr<Application>& registeredApp()
{
    static std::shared_ptr<Application> app;
    return app;
}
} // namespace

void RegisterAppObject(const std::shared_ptr<Application>& app)
{
    registeredApp() = app;
    Window::followApplicationMenuBar();
}

std::shared_ptr<Application> GetAppObject() { return registeredApp(); }

} // namespace corvanta
