// Carrying out menu commands: choosing an item, the framework's own Edit
// commands and the enabling pass before a menu opens or a shortcut runs.

#include "menu.h"

#include "application.h"
#include "exceptions.h"
#include "handlers.h"
#include "controls.h"
#include "private/editcommands.h"
#include "private/menucommands.h"
#include "private/workingfocus.h"
#include "private/textfield.h"
#include "runtime.h"
#include "window.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace corvanta {

namespace {

// The File menu's Close, whose command the framework carries out itself.
constexpr const char* kCloseItemName = "FileClose";

bool runHandler(const std::function<bool()>& handler)
{
    if (!handler)
        return false;
    const std::function<bool()> call = handler; // the handler may replace itself
    return CallWithExceptionHandling(call);
}

constexpr std::pair<const char*, EditCommand> kEditItemNames[] = {
    {"EditUndo", EditCommand::Undo},
    {"EditCut", EditCommand::Cut},
    {"EditCopy", EditCommand::Copy},
    {"EditPaste", EditCommand::Paste},
    {"EditClear", EditCommand::Clear},
    {"EditSelectAll", EditCommand::SelectAll},
};

// Set by the pass that a key runs before its shortcut is looked up, until
// the item fires or the next key comes.
bool passRanForKey = false;

} // namespace

std::optional<EditCommand> EditCommandNamed(const std::string& itemName)
{
    for (const auto& [name, command] : kEditItemNames)
        if (itemName == name)
            return command;
    return std::nullopt;
}

std::string EditItemName(EditCommand command)
{
    for (const auto& [name, named] : kEditItemNames)
        if (named == command)
            return name;
    return {};
}

std::shared_ptr<TextField> EditTargetField() { return TextFieldOf(WorkingFocusWidget()); }

void EditField(const std::shared_ptr<TextField>& field, const std::string& name)
{
    const auto command = EditCommandNamed(name);
    if (command && field)
        Perform(*field, *command);
}

void EditFocusedField(const std::string& name) { EditField(EditTargetField(), name); }

void AutoEnableItems(MenuItem& menu)
{
    const std::shared_ptr<TextField> field = EditTargetField();
    for (std::int64_t i = 0; i < menu.Count(); ++i) {
        const std::shared_ptr<MenuItem> item = menu.Item(i);
        if (!item)
            continue;
        AutoEnableItems(*item);
        if (!item->AutoEnable())
            continue;
        if (const auto command = EditCommandNamed(item->Name()))
            item->SetEnabled(field && CanPerform(*field, *command));
    }
}

std::shared_ptr<MenuBar> MenuBarInEffect(const std::shared_ptr<Window>& window)
{
    if (window && window->MenuBar())
        return window->MenuBar();
    const std::shared_ptr<Application> app = GetAppObject();
    return app ? app->MenuBar() : nullptr;
}

void AutoEnableMenuBars()
{
    const std::shared_ptr<MenuBar> front = MenuBarInEffect(Window::At(0));
    const std::shared_ptr<Application> app = GetAppObject();
    const std::shared_ptr<MenuBar> appBar = app ? app->MenuBar() : nullptr;
    if (front)
        AutoEnableItems(*front);
    if (appBar && appBar != front)
        AutoEnableItems(*appBar);
}

// The framework's pass first, so the program's event has the last word.
void RaiseEnableMenuItems()
{
    RequireUIThread();
    CallWithExceptionHandling([] { AutoEnableMenuBars(); });
    const std::shared_ptr<Window> front = Window::At(0);
    if (!front)
        return;
    CallWithExceptionHandling([&front] { front->Event_EnableMenuItems(); });
}

void RaiseEnableMenuItemsForKey()
{
    RaiseEnableMenuItems();
    passRanForKey = true;
}

void EndEnablingPassForKey() { passRanForKey = false; }

void ChooseMenuItem(const std::shared_ptr<MenuItem>& item)
{
    RequireUIThread();
    if (!item)
        return;
    // A shortcut runs without the menu being opened first; its key has run
    // the pass already.
    if (!std::exchange(passRanForKey, false))
        RaiseEnableMenuItems();
    if (!item->Enabled())
        return;
    const std::string name = item->Name();

    const std::shared_ptr<Window> front = Window::At(0);
    const std::function<bool()> frontHandler = front ? front->MenuHandler(name) : nullptr;
    if (runHandler(frontHandler))
        return;
    const std::shared_ptr<Application> app = GetAppObject();
    const std::function<bool()> appHandler = app ? app->MenuHandler(name) : nullptr;
    if (runHandler(appHandler))
        return;

    if (IsA<QuitMenuItem>(item)) {
        Runtime::Quit();
        return;
    }
    // Close left to the framework closes the window in front. One that has a
    // handler closes itself, and the framework then closes no other (the
    // window that came to the front in its place).
    if (name == kCloseItemName) {
        if (front && !frontHandler && !appHandler)
            front->Close();
        return;
    }
    EditFocusedField(name);
}

} // namespace corvanta
