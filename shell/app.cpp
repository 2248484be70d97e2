#include "app.h"

#include "exceptions.h"
#include "folderitem.h"
#include "info.h"
#include "localize.h"
#include "menu.h"
#include "system.h"
#include "text.h"
#include "window1.h"
#include "window2.h"

#include <cstdint>
#include <string>

namespace corvanta {

namespace {

std::shared_ptr<MenuItem> appMenuItem(const char* name)
{
    auto app = NotNil(App::implicitInstance(), "App");
    auto bar = NotNil(app->MenuBar(), "App.MenuBar");
    return CheckCast<MenuItem>(bar->Lookup(name), "MenuItem");
}

} // namespace

void App::ctblinit() { Lookup(); }

const ClassRecord& App::Lookup()
{
    static const ClassRecord record("App");
    return record;
}

std::shared_ptr<App> App::implicitInstance() { return CheckCast<App>(GetAppObject(), "App"); }

void App::Constructor() {}

void App::Event_Open()
{
    // The separator would sit alone once the platform moves the About item
    // into the application menu; it goes at every launch.
    NotNil(UntitledSeparator2(), "UntitledSeparator2")->Close();

    // Older systems in Italian name these menus differently.
    if (StringCompare(Localize::Language(), "it") == 0) {
        std::int64_t major = 0;
        std::int64_t minor = 0;
        std::int64_t third = 0;
        if (NotNil(System(), "System")->Gestalt("sys1", major) && NotNil(System(), "System")->Gestalt("sys2", minor)
            && NotNil(System(), "System")->Gestalt("sys3", third)) {
            if (major == 10 && minor < 8)
                NotNil(FileMenu(), "FileMenu")->SetText("Archivio");
            if (major == 10 && minor < 11)
                NotNil(EditMenu(), "EditMenu")->SetText("Composizione");
        }
    }

    SetAutoQuit(true);
}

bool App::FileInfo_Action()
{
    NotNil(Info::implicitInstance(), "Info")->Show();
    return true;
}

bool App::HelpCorvantaLeggimi_Action()
{
    const std::string name = Localize::kCorvantaRead() + ".rtf";
    // <bundle>/Contents/MacOS/<executable> -> <bundle>/Contents/Resources/<name>
    auto app = NotNil(implicitInstance(), "App");
    auto executable = NotNil(app->ExecutableFile(), "ExecutableFile");
    auto executableFolder = NotNil(executable->Parent(), "ExecutableFile.Parent");
    auto contents = NotNil(executableFolder->Parent(), "ExecutableFile.Parent.Parent");
    auto resources = NotNil(contents->Child("Resources"), "Resources");
    auto file = resources->Child(name);
    if (file && file->Exists())
        file->Launch(true);
    return false;
}

bool App::FinestraPrimaSerie_Action()
{
    NotNil(Window1::implicitInstance(), "Window1")->Show();
    return false;
}

bool App::FinestraSecondaSerie_Action()
{
    NotNil(Window2::implicitInstance(), "Window2")->Show();
    return false;
}

std::shared_ptr<MenuItem> UntitledSeparator2() { return appMenuItem("UntitledSeparator2"); }

std::shared_ptr<MenuItem> EditMenu() { return appMenuItem("EditMenu"); }

std::shared_ptr<MenuItem> FileMenu() { return appMenuItem("FileMenu"); }

} // namespace corvanta
