#pragma once

#include "application.h"
#include "object.h"

#include <memory>

namespace corvanta {

class MenuItem;

// The application object: the About, read-me and Window-menu commands, and
// the launch-time menu adjustments. One instance per process, created and
// registered during early start-up.
class App : public Application {
public:
    static const ClassRecord& Lookup();
    static void ctblinit();
    const ClassRecord& classRecord() const override { return Lookup(); }

    // The registered application object (the global accessor `App`).
    static std::shared_ptr<App> implicitInstance();

    void Constructor();

    void Event_Open() override;

    // Menu handlers, registered by item name at start-up.
    bool FileInfo_Action();
    bool HelpCorvantaLeggimi_Action();
    bool FinestraPrimaSerie_Action();
    bool FinestraSecondaSerie_Action();
};

// Items of the application's menu bar by name; nil when the bar has none.
std::shared_ptr<MenuItem> UntitledSeparator2();
std::shared_ptr<MenuItem> EditMenu();
std::shared_ptr<MenuItem> FileMenu();

} // namespace corvanta
