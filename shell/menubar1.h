#pragma once

#include "menu.h"
#include "object.h"

#include <functional>
#include <memory>

namespace corvanta {

// The application's one menu bar: File, Edit, Window and Help. The
// application and both check windows show this same instance, so a change to
// an item shows everywhere.
class MenuBar1 : public MenuBar {
public:
    const char* className() const override { return "MenuBar1"; }

    // The class record, "MenuBar1.MenuBar1"; built by ctblinit at start-up
    // or on first use.
    static const ClassRecord& Lookup();
    static void ctblinit();
    // The record's Lookup above would hide the item lookup by name.
    using MenuItem::Lookup;

    // Start-up initializer of the instance holder; the holder starts empty.
    static void implicitInstanceInit();
    // The single bar, built on the first call. A build that fails keeps
    // nothing, and the next call builds again.
    static std::shared_ptr<MenuBar1> implicitInstance();

    // Runs the four builders in order, and nothing else.
    void Constructor();

    virtual void Untitled0(); // File
    virtual void Untitled1(); // Edit
    virtual void Untitled2(); // Window
    virtual void Untitled3(); // Help

    // Test seam: called with the builder's name ("Untitled0" ...) as each
    // builder starts; a hook that throws makes that builder fail.
    static void SetBuilderHookForTesting(std::function<void(const char* builderName)> hook);

private:
    static std::shared_ptr<MenuBar1> implicitInstance_;
};

} // namespace corvanta
