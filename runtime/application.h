#pragma once

#include "object.h"

#include <functional>
#include <memory>
#include <string>

namespace corvanta {

class FolderItem;
class MenuBar;

// The application object. The program derives its own, registers it with
// RegisterAppObject, and the framework raises its Open event once the event
// loop starts.
class Application : public std::enable_shared_from_this<Application> {
public:
    // Sets the bundle's "corvanta.png" as the icon of every window; without
    // the file the windows get none.
    Application();
    virtual ~Application();

    virtual const ClassRecord& classRecord() const = 0;

    std::shared_ptr<corvanta::MenuBar> MenuBar() const;
    void SetMenuBar(const std::shared_ptr<corvanta::MenuBar>& bar);
    // When True, closing the last window quits the application.
    bool AutoQuit() const;
    void SetAutoQuit(bool value);
    std::shared_ptr<FolderItem> ExecutableFile() const;
    // The version the bundle carries ("1.0.0").
    std::string ShortVersion() const;

    void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
    std::function<bool()> MenuHandler(const std::string& itemName) const;

    virtual void Event_Open() {}

    // Raises Open inside the exception helper; the framework calls it once.
    void raiseOpen();

protected:
    template <class A>
    std::shared_ptr<A> self()
    {
        return std::dynamic_pointer_cast<A>(shared_from_this());
    }

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The registered application object; nil before registration.
void RegisterAppObject(const std::shared_ptr<Application>& app);
std::shared_ptr<Application> GetAppObject();

} // namespace corvanta
