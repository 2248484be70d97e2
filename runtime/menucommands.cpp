// Carrying out menu commands: choosing an item, the framework's own Edit
// commands and the enabling pass before a menu opens or a shortcut runs.

#include "menu.h"

#include "application.h"
#include "exceptions.h"
#include "handlers.h"
#include "private/menucommands.h"
#include "runtime.h"
#include "window.h"

#include <QApplication>
#include <QLineEdit>

#include <functional>

namespace corvanta {

namespace {

bool runHandler(const std::function<bool()>& handler)
{
    if (!handler)
        return false;
    const std::function<bool()> call = handler; // the handler may replace itself
    return CallWithExceptionHandling(call);
}

} // namespace

void editFocusedField(const std::string& name)
{
    auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    if (!edit)
        return;
    const bool writable = !edit->isReadOnly();
    if (name == "EditUndo") {
        if (writable)
            edit->undo();
    } else if (name == "EditCut") {
        if (writable)
            edit->cut();
        else
            edit->copy();
    } else if (name == "EditCopy") {
        edit->copy();
    } else if (name == "EditPaste") {
        if (writable)
            edit->paste();
    } else if (name == "EditClear") {
        if (writable)
            edit->del();
    } else if (name == "EditSelectAll") {
        edit->selectAll();
    }
}

void RaiseEnableMenuItems()
{
    RequireUIThread();
    const std::shared_ptr<Window> front = Window::At(0);
    if (!front)
        return;
    CallWithExceptionHandling([&front] { front->Event_EnableMenuItems(); });
}

void ChooseMenuItem(const std::shared_ptr<MenuItem>& item)
{
    RequireUIThread();
    if (!item)
        return;
    // A shortcut runs without the menu being opened first.
    RaiseEnableMenuItems();
    if (!item->Enabled())
        return;
    const std::string name = item->Name();

    if (const std::shared_ptr<Window> front = Window::At(0)) {
        if (runHandler(front->MenuHandler(name)))
            return;
    }
    if (const std::shared_ptr<Application> app = GetAppObject()) {
        if (runHandler(app->MenuHandler(name)))
            return;
    }

    if (IsA<QuitMenuItem>(item)) {
        Runtime::Quit();
        return;
    }
    editFocusedField(name);
}

} // namespace corvanta
