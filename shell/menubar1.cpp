#include "menubar1.h"

#include "exceptions.h"
#include "localize.h"

#include <string>

namespace corvanta {

std::shared_ptr<MenuBar1> MenuBar1::implicitInstance_;

namespace {

std::function<void(const char*)>& builderHook()
{
    static std::function<void(const char*)> hook;
    return hook;
}

void enterBuilder(const char* name)
{
    if (const auto& hook = builderHook())
        hook(name);
}

enum class ItemClass { Plain, Quit, Apple };

// The text of an item, read when the item is built; nullptr for a separator.
using TextOf = std::string (*)();

std::shared_ptr<MenuItem> newItem(ItemClass cls)
{
    std::shared_ptr<MenuItem> item;
    switch (cls) {
    case ItemClass::Plain: item = std::make_shared<MenuItem>(); break;
    case ItemClass::Quit: item = std::make_shared<QuitMenuItem>(); break;
    case ItemClass::Apple: item = std::make_shared<AppleMenuItem>(); break;
    }
    NotNil(item, "menu item")->Constructor();
    return item;
}

// Every title and entry is made the same way, separators included; only a
// separator is left without a shortcut.
std::shared_ptr<MenuItem> buildItem(ItemClass cls, const char* name, TextOf text, const char* shortcut)
{
    std::shared_ptr<MenuItem> item = newItem(cls);
    NotNil(item, name)->SetName(name);
    NotNil(item, name)->SetAutoEnable(true);
    NotNil(item, name)->SetText(text ? text() : std::string("-"));
    NotNil(item, name)->SetVisible(true);
    if (text)
        NotNil(item, name)->SetKeyboardShortcut(shortcut);
    return item;
}

void addTitle(MenuBar1& bar, const char* name, TextOf text) { bar.Append(buildItem(ItemClass::Plain, name, text, "")); }

// The menu is looked up afresh, by its title's name, for every entry.
void addEntry(MenuBar1& bar, const char* menu, ItemClass cls, const char* name, TextOf text, const char* shortcut)
{
    std::shared_ptr<MenuItem> item = buildItem(cls, name, text, shortcut);
    NotNil(bar.Child(menu), menu)->Append(item);
}

constexpr TextOf kSeparator = nullptr;

} // namespace

const ClassRecord& MenuBar1::Lookup()
{
    static const ClassRecord record("MenuBar1.MenuBar1");
    return record;
}

void MenuBar1::ctblinit() { Lookup(); }

void MenuBar1::implicitInstanceInit() {}

std::shared_ptr<MenuBar1> MenuBar1::implicitInstance()
{
    if (implicitInstance_)
        return implicitInstance_;
    auto bar = std::make_shared<MenuBar1>();
    bar->Constructor();
    // Only a bar whose construction finished is kept.
    implicitInstance_ = bar;
    return bar;
}

void MenuBar1::Constructor()
{
    Untitled0();
    Untitled1();
    Untitled2();
    Untitled3();
}

void MenuBar1::Untitled0()
{
    enterBuilder("Untitled0");
    addTitle(*this, "FileMenu", [] { return Localize::kArchivio(); });
    addEntry(
        *this, "FileMenu", ItemClass::Plain, "FileClose", [] { return Localize::kChiudi(); }, "Cmd+W");
    addEntry(*this, "FileMenu", ItemClass::Plain, "UntitledSeparator", kSeparator, "");
    addEntry(
        *this, "FileMenu", ItemClass::Quit, "FileQuit", [] { return Localize::kEsci(); }, "Cmd+Q");
}

void MenuBar1::Untitled1()
{
    enterBuilder("Untitled1");
    addTitle(*this, "EditMenu", [] { return Localize::kCompos(); });
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditUndo", [] { return Localize::kAnnulla(); }, "Cmd+Z");
    addEntry(*this, "EditMenu", ItemClass::Plain, "UntitledMenu1", kSeparator, "");
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditCut", [] { return Localize::kTaglia(); }, "Cmd+X");
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditCopy", [] { return Localize::kCopia(); }, "Cmd+C");
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditPaste", [] { return Localize::kIncolla(); }, "Cmd+V");
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditClear", [] { return Localize::kCancella(); }, "");
    addEntry(*this, "EditMenu", ItemClass::Plain, "UntitledMenu0", kSeparator, "");
    addEntry(
        *this, "EditMenu", ItemClass::Plain, "EditSelectAll", [] { return Localize::kSelTutto(); }, "Cmd+A");
}

void MenuBar1::Untitled2()
{
    enterBuilder("Untitled2");
    addTitle(*this, "WindowMenu", [] { return Localize::kFinestra(); });
    addEntry(
        *this, "WindowMenu", ItemClass::Plain, "FinestraPrimaSerie", [] { return Localize::kPriSer(); }, "Cmd+1");
    addEntry(
        *this, "WindowMenu", ItemClass::Plain, "FinestraSecondaSerie", [] { return Localize::kSecSer(); }, "Cmd+2");
}

void MenuBar1::Untitled3()
{
    enterBuilder("Untitled3");
    addTitle(*this, "HelpMenu", [] { return Localize::kAiuto(); });
    addEntry(
        *this, "HelpMenu", ItemClass::Plain, "HelpCorvantaLeggimi", [] { return Localize::kCorvantaRead(); }, "");
    addEntry(*this, "HelpMenu", ItemClass::Plain, "UntitledSeparator2", kSeparator, "");
    addEntry(
        *this, "HelpMenu", ItemClass::Apple, "FileInfo", [] { return Localize::kInfo(); }, "");
    addEntry(*this, "HelpMenu", ItemClass::Apple, "UntitledSeparator1", kSeparator, "");
}

void MenuBar1::SetBuilderHookForTesting(std::function<void(const char* builderName)> hook)
{
    builderHook() = std::move(hook);
}

} // namespace corvanta
