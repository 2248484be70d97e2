#include "startup.h"

#include "app.h"
#include "application.h"
#include "exceptions.h"
#include "info.h"
#include "menubar1.h"
#include "object.h"
#include "runtime.h"
#include "window1.h"
#include "window2.h"

#include <exception>
#include <memory>

namespace corvanta {

namespace {

// Every handler the framework calls already runs inside its exception helper
// (CallWithExceptionHandling); there is nothing to hand over.
void InstallExceptionHelper() {}

// C++ classes need no registration of their own: the framework creates its
// objects (exceptions included) directly.
void InitExternalClasses() {}

// The image well is an ordinary control of the framework here, not a plug-in
// resolved at run time.
void InitPluginEntrypoints() {}

struct MenuHandlerRow {
    const char* itemName;
    bool (App::*handler)();
};

// Registered in this order, all on the one application object.
constexpr MenuHandlerRow kMenuHandlers[] = {
    {"FileInfo", &App::FileInfo_Action},
    {"HelpCorvantaLeggimi", &App::HelpCorvantaLeggimi_Action},
    {"FinestraPrimaSerie", &App::FinestraPrimaSerie_Action},
    {"FinestraSecondaSerie", &App::FinestraSecondaSerie_Action},
};

} // namespace

int RunProcess(int argc, char** argv)
{
    try {
        Runtime::Init(argc, argv);
        AddClassInitializers();
        Runtime::PerformInitializers();
        Main();
        Runtime::PerformFinalizers();
        return Runtime::Exit();
    } catch (...) {
        // A run that ends on an exception failed, whatever step it reached.
        return 1;
    }
}

void AddClassInitializers()
{
    Runtime::AddInitializer(&App::ctblinit);
    Runtime::AddInitializer(&Window1::ctblinit);
    Runtime::AddInitializer(&Window2::ctblinit);
    Runtime::AddInitializer(&MenuBar1::implicitInstanceInit);
    Runtime::AddInitializer(&MenuBar1::ctblinit);
    Runtime::AddInitializer(&Info::ctblinit);
}

void Main()
{
    try {
        InstallExceptionHelper();
        EarlyStartup();
        Runtime::RunFrameworkInitialization(&LateStartup);
        Runtime::Run();
    } catch (...) {
        Runtime::UnhandledException(std::current_exception());
    }
}

void EarlyStartup()
{
    InitExternalClasses();
    InitPluginEntrypoints();
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
}

void InitFileTypes()
{
    // The application opens no documents of its own.
}

void NewAppInstance()
{
    auto app = std::make_shared<App>();
    app->Constructor();
    // The first reference: the whole menu bar is built here, before any window.
    auto bar = MenuBar1::implicitInstance();
    app->SetMenuBar(bar);
    RegisterAppObject(app);
}

void ApplicationAddMenuHandlers()
{
    for (const auto& row : kMenuHandlers) {
        auto app = NotNil(App::implicitInstance(), "App");
        app->AddMenuHandler(row.itemName, CreateDelegate(app, row.handler));
    }
}

void LateStartup() { MakeDefaultView(); }

void MakeDefaultView()
{
    // Whether it shows is up to its stored properties.
    Window1::implicitInstance();
}

} // namespace corvanta
