#include "window1.h"

#include "checkwindow.h"
#include "exceptions.h"
#include "lettertables.h"
#include "localize.h"
#include "menubar1.h"
#include "pictures.h"
#include "propertylists.h"
#include "rules.h"
#include "text.h"
#include "window2.h"

namespace corvanta {

using checkwindow::MenuItemNamed;

// --- Class record and implicit instance ------------------------------------

void Window1::ctblinit() { Lookup(); }

const ClassRecord& Window1::Lookup()
{
    static const ClassRecord record("Window1.Window1");
    return record;
}

const ClassRecord& Window1::classRecord() const { return Lookup(); }

std::shared_ptr<Window1> Window1::implicitInstance() { return ImplicitInstance<Window1>(); }

// --- Building the window ---------------------------------------------------

void Window1::Layout()
{
    SetBackdrop(_x_eurob::eurob());
    SetMenuBar(MenuBar1::implicitInstance());
    SetProperties(
        checklists::WindowList(checklists::FirstSeriesDesign().width, checklists::FirstSeriesDesign().height));
}

void Window1::CreateControls() { CreateControls0(); }

void Window1::CreateControls0()
{
    checkwindow::CreateCheckControls(self<Window1>(), checklists::FirstSeriesDesign(), &Localize::kProvDa);
}

// --- Control accessors -----------------------------------------------------

std::shared_ptr<Rectangle> Window1::Rectangle1() const { return ControlNamed<Rectangle>("Rectangle1"); }
std::shared_ptr<Label> Window1::StaticText3() const { return ControlNamed<Label>("StaticText3"); }
std::shared_ptr<Label> Window1::StaticText6() const { return ControlNamed<Label>("StaticText6"); }
std::shared_ptr<Label> Window1::StaticText7() const { return ControlNamed<Label>("StaticText7"); }
std::shared_ptr<Label> Window1::StaticText8() const { return ControlNamed<Label>("StaticText8"); }
std::shared_ptr<Label> Window1::StaticText9() const { return ControlNamed<Label>("StaticText9"); }
std::shared_ptr<Label> Window1::StaticText5() const { return ControlNamed<Label>("StaticText5"); }
std::shared_ptr<Canvas> Window1::Canvas1() const { return ControlNamed<Canvas>("Canvas1"); }
std::shared_ptr<Label> Window1::StaticText4() const { return ControlNamed<Label>("StaticText4"); }
std::shared_ptr<Label> Window1::StaticText1() const { return ControlNamed<Label>("StaticText1"); }
std::shared_ptr<Label> Window1::StaticText2() const { return ControlNamed<Label>("StaticText2"); }
std::shared_ptr<PopupMenu> Window1::PopupMenu1() const { return ControlNamed<PopupMenu>("PopupMenu1"); }
std::shared_ptr<TextField> Window1::EditField1() const { return ControlNamed<TextField>("EditField1"); }
std::shared_ptr<PushButton> Window1::PushButton1() const { return ControlNamed<PushButton>("PushButton1"); }

// --- Control events --------------------------------------------------------

void Window1::PopupMenu1_Change(const std::shared_ptr<PopupMenu>& popup) { checkwindow::LetterChanged(*this, popup); }

void Window1::EditField1_TextChange(const std::shared_ptr<TextField>& field)
{
    checkwindow::NumberChanged(*this, field);
}

bool Window1::EditField1_ConstructContextualMenu(const std::shared_ptr<TextField>&,
                                                 const std::shared_ptr<MenuItem>&,
                                                 std::int64_t,
                                                 std::int64_t)
{
    return false;
}

bool Window1::EditField1_MouseDown(const std::shared_ptr<TextField>&, std::int64_t, std::int64_t)
{
    return checkwindow::PopUpEditMenuOnContextualClick(*this);
}

void Window1::PushButton1_Action(const std::shared_ptr<PushButton>&)
{
    NotNil(StaticText4(), "StaticText4")->SetText(NotNil(PopupMenu1(), "PopupMenu1")->Text());
    NotNil(StaticText5(), "StaticText5")->SetText(NotNil(EditField1(), "EditField1")->Text());

    std::int64_t expectedRoot = 0;
    const std::string letter = NotNil(PopupMenu1(), "PopupMenu1")->Text();
    for (const FirstSeriesRow& row : tabellaPrimaSerie()) {
        if (StringCompare(letter, row.letter) == 0) {
            NotNil(Canvas1(), "Canvas1")->SetBackdrop(row.flag());
            NotNil(StaticText7(), "StaticText7")->SetText(row.country({}));
            expectedRoot = row.expectedRoot;
            break;
        }
    }

    // The check digit is tested only once the digital root is right.
    bool valid = false;
    if (controlla(NotNil(EditField1(), "EditField1")->Text()) == expectedRoot)
        valid = controlla2(NotNil(EditField1(), "EditField1")->Text());

    checkwindow::ShowVerdict(*this, valid);
}

// --- Menu items ------------------------------------------------------------

std::shared_ptr<MenuItem> Window1::HelpMenu() const { return MenuItemNamed<MenuItem>(*this, "HelpMenu"); }
std::shared_ptr<AppleMenuItem> Window1::UntitledSeparator1() const
{
    return MenuItemNamed<AppleMenuItem>(*this, "UntitledSeparator1");
}
std::shared_ptr<AppleMenuItem> Window1::FileInfo() const { return MenuItemNamed<AppleMenuItem>(*this, "FileInfo"); }
std::shared_ptr<MenuItem> Window1::UntitledSeparator2() const
{
    return MenuItemNamed<MenuItem>(*this, "UntitledSeparator2");
}
std::shared_ptr<MenuItem> Window1::HelpCorvantaLeggimi() const
{
    return MenuItemNamed<MenuItem>(*this, "HelpCorvantaLeggimi");
}
std::shared_ptr<MenuItem> Window1::WindowMenu() const { return MenuItemNamed<MenuItem>(*this, "WindowMenu"); }
std::shared_ptr<MenuItem> Window1::FinestraSecondaSerie() const
{
    return MenuItemNamed<MenuItem>(*this, "FinestraSecondaSerie");
}
std::shared_ptr<MenuItem> Window1::FinestraPrimaSerie() const
{
    return MenuItemNamed<MenuItem>(*this, "FinestraPrimaSerie");
}
std::shared_ptr<MenuItem> Window1::EditMenu() const { return MenuItemNamed<MenuItem>(*this, "EditMenu"); }
std::shared_ptr<MenuItem> Window1::EditSelectAll() const { return MenuItemNamed<MenuItem>(*this, "EditSelectAll"); }
std::shared_ptr<MenuItem> Window1::UntitledMenu0() const { return MenuItemNamed<MenuItem>(*this, "UntitledMenu0"); }
std::shared_ptr<MenuItem> Window1::EditClear() const { return MenuItemNamed<MenuItem>(*this, "EditClear"); }
std::shared_ptr<MenuItem> Window1::EditPaste() const { return MenuItemNamed<MenuItem>(*this, "EditPaste"); }
std::shared_ptr<MenuItem> Window1::EditCopy() const { return MenuItemNamed<MenuItem>(*this, "EditCopy"); }
std::shared_ptr<MenuItem> Window1::EditCut() const { return MenuItemNamed<MenuItem>(*this, "EditCut"); }
std::shared_ptr<MenuItem> Window1::UntitledMenu1() const { return MenuItemNamed<MenuItem>(*this, "UntitledMenu1"); }
std::shared_ptr<MenuItem> Window1::EditUndo() const { return MenuItemNamed<MenuItem>(*this, "EditUndo"); }
std::shared_ptr<MenuItem> Window1::FileMenu() const { return MenuItemNamed<MenuItem>(*this, "FileMenu"); }
std::shared_ptr<QuitMenuItem> Window1::FileQuit() const { return MenuItemNamed<QuitMenuItem>(*this, "FileQuit"); }
std::shared_ptr<MenuItem> Window1::UntitledSeparator() const
{
    return MenuItemNamed<MenuItem>(*this, "UntitledSeparator");
}
std::shared_ptr<MenuItem> Window1::FileClose() const { return MenuItemNamed<MenuItem>(*this, "FileClose"); }

// --- Window events and the Close command -----------------------------------

void Window1::AddMenuHandlers(const std::shared_ptr<Window>& window)
{
    checkwindow::AddCloseHandler(*this, window, "Window1");
}

void Window1::Event_Open() { SetTitle(Title() + " (" + Localize::kPriSer() + ")"); }

void Window1::Event_Activate() {}

void Window1::Event_EnableMenuItems() { checkwindow::TickFrontSeries<Window1, Window2>(*this); }

bool Window1::FileClose_Action() { return checkwindow::CloseAndPassOn(*this); }

// --- Rules -----------------------------------------------------------------

std::int64_t Window1::controlla(const std::string& s) { return rules::digitalRoot(s); }

bool Window1::controlla2(const std::string& s)
{
    return rules::firstSeriesCheckDigit(NotNil(PopupMenu1(), "PopupMenu1")->Text(), s);
}

} // namespace corvanta
