#include "window2.h"

#include "checkwindow.h"
#include "exceptions.h"
#include "lettertables.h"
#include "localize.h"
#include "menubar1.h"
#include "pictures.h"
#include "propertylists.h"
#include "rules.h"
#include "text.h"
#include "window1.h"

namespace corvanta {

using checkwindow::MenuItemNamed;

// --- Class record and implicit instance ------------------------------------

void Window2::ctblinit() { Lookup(); }

const ClassRecord& Window2::Lookup()
{
    static const ClassRecord record("Window2.Window2");
    return record;
}

const ClassRecord& Window2::classRecord() const { return Lookup(); }

std::shared_ptr<Window2> Window2::implicitInstance() { return ImplicitInstance<Window2>(); }

// --- Building the window ---------------------------------------------------

void Window2::Layout()
{
    SetBackdrop(_x_eurob2::eurob2());
    SetMenuBar(MenuBar1::implicitInstance());
    SetProperties(
        checklists::WindowList(checklists::SecondSeriesDesign().width, checklists::SecondSeriesDesign().height));
}

void Window2::CreateControls() { CreateControls0(); }

void Window2::CreateControls0()
{
    checkwindow::CreateCheckControls(self<Window2>(), checklists::SecondSeriesDesign(), &Localize::kStampIn);
}

// --- Control accessors -----------------------------------------------------

std::shared_ptr<Rectangle> Window2::Rectangle1() const { return ControlNamed<Rectangle>("Rectangle1"); }
std::shared_ptr<Label> Window2::StaticText3() const { return ControlNamed<Label>("StaticText3"); }
std::shared_ptr<Label> Window2::StaticText6() const { return ControlNamed<Label>("StaticText6"); }
std::shared_ptr<Label> Window2::StaticText7() const { return ControlNamed<Label>("StaticText7"); }
std::shared_ptr<Label> Window2::StaticText8() const { return ControlNamed<Label>("StaticText8"); }
std::shared_ptr<Label> Window2::StaticText9() const { return ControlNamed<Label>("StaticText9"); }
std::shared_ptr<Label> Window2::StaticText5() const { return ControlNamed<Label>("StaticText5"); }
std::shared_ptr<Canvas> Window2::Canvas1() const { return ControlNamed<Canvas>("Canvas1"); }
std::shared_ptr<Label> Window2::StaticText4() const { return ControlNamed<Label>("StaticText4"); }
std::shared_ptr<Label> Window2::StaticText1() const { return ControlNamed<Label>("StaticText1"); }
std::shared_ptr<Label> Window2::StaticText2() const { return ControlNamed<Label>("StaticText2"); }
std::shared_ptr<PopupMenu> Window2::PopupMenu1() const { return ControlNamed<PopupMenu>("PopupMenu1"); }
std::shared_ptr<TextField> Window2::EditField1() const { return ControlNamed<TextField>("EditField1"); }
std::shared_ptr<PushButton> Window2::PushButton1() const { return ControlNamed<PushButton>("PushButton1"); }

// --- Control events --------------------------------------------------------

void Window2::PopupMenu1_Change(const std::shared_ptr<PopupMenu>& popup) { checkwindow::LetterChanged(*this, popup); }

void Window2::EditField1_TextChange(const std::shared_ptr<TextField>& field)
{
    checkwindow::NumberChanged(*this, field);
}

bool Window2::EditField1_ConstructContextualMenu(const std::shared_ptr<TextField>&,
                                                 const std::shared_ptr<MenuItem>&,
                                                 std::int64_t,
                                                 std::int64_t)
{
    return false;
}

bool Window2::EditField1_MouseDown(const std::shared_ptr<TextField>&, std::int64_t, std::int64_t)
{
    return checkwindow::PopUpEditMenuOnContextualClick(*this);
}

void Window2::PushButton1_Action(const std::shared_ptr<PushButton>&)
{
    NotNil(StaticText4(), "StaticText4")->SetText(NotNil(PopupMenu1(), "PopupMenu1")->Text());
    NotNil(StaticText5(), "StaticText5")->SetText(Uppercase(NotNil(EditField1(), "EditField1")->Text()));

    // The first equal letter decides; a letter of no case leaves flag and country as they are.
    const std::string letter = NotNil(PopupMenu1(), "PopupMenu1")->Text();
    const SecondSeriesCase* printer = nullptr;
    for (const SecondSeriesCase& candidate : tabellaSecondaSerie()) {
        for (const std::string& caseLetter : candidate.letters) {
            if (!printer && StringCompare(letter, caseLetter) == 0)
                printer = &candidate;
        }
    }
    if (printer) {
        NotNil(Canvas1(), "Canvas1")->SetBackdrop(printer->flag());
        NotNil(StaticText7(), "StaticText7")->SetText(printer->country({}));
    }

    const std::int64_t sum =
        controlla3(NotNil(PopupMenu1(), "PopupMenu1")->Text() + Uppercase(NotNil(EditField1(), "EditField1")->Text()));
    checkwindow::ShowVerdict(*this, sum == 7);
}

// --- Menu items ------------------------------------------------------------

std::shared_ptr<MenuItem> Window2::HelpMenu() const { return MenuItemNamed<MenuItem>(*this, "HelpMenu"); }
std::shared_ptr<AppleMenuItem> Window2::UntitledSeparator1() const
{
    return MenuItemNamed<AppleMenuItem>(*this, "UntitledSeparator1");
}
std::shared_ptr<AppleMenuItem> Window2::FileInfo() const { return MenuItemNamed<AppleMenuItem>(*this, "FileInfo"); }
std::shared_ptr<MenuItem> Window2::UntitledSeparator2() const
{
    return MenuItemNamed<MenuItem>(*this, "UntitledSeparator2");
}
std::shared_ptr<MenuItem> Window2::HelpCorvantaLeggimi() const
{
    return MenuItemNamed<MenuItem>(*this, "HelpCorvantaLeggimi");
}
std::shared_ptr<MenuItem> Window2::WindowMenu() const { return MenuItemNamed<MenuItem>(*this, "WindowMenu"); }
std::shared_ptr<MenuItem> Window2::FinestraSecondaSerie() const
{
    return MenuItemNamed<MenuItem>(*this, "FinestraSecondaSerie");
}
std::shared_ptr<MenuItem> Window2::FinestraPrimaSerie() const
{
    return MenuItemNamed<MenuItem>(*this, "FinestraPrimaSerie");
}
std::shared_ptr<MenuItem> Window2::EditMenu() const { return MenuItemNamed<MenuItem>(*this, "EditMenu"); }
std::shared_ptr<MenuItem> Window2::EditSelectAll() const { return MenuItemNamed<MenuItem>(*this, "EditSelectAll"); }
std::shared_ptr<MenuItem> Window2::UntitledMenu0() const { return MenuItemNamed<MenuItem>(*this, "UntitledMenu0"); }
std::shared_ptr<MenuItem> Window2::EditClear() const { return MenuItemNamed<MenuItem>(*this, "EditClear"); }
std::shared_ptr<MenuItem> Window2::EditPaste() const { return MenuItemNamed<MenuItem>(*this, "EditPaste"); }
std::shared_ptr<MenuItem> Window2::EditCopy() const { return MenuItemNamed<MenuItem>(*this, "EditCopy"); }
std::shared_ptr<MenuItem> Window2::EditCut() const { return MenuItemNamed<MenuItem>(*this, "EditCut"); }
std::shared_ptr<MenuItem> Window2::UntitledMenu1() const { return MenuItemNamed<MenuItem>(*this, "UntitledMenu1"); }
std::shared_ptr<MenuItem> Window2::EditUndo() const { return MenuItemNamed<MenuItem>(*this, "EditUndo"); }
std::shared_ptr<MenuItem> Window2::FileMenu() const { return MenuItemNamed<MenuItem>(*this, "FileMenu"); }
std::shared_ptr<QuitMenuItem> Window2::FileQuit() const { return MenuItemNamed<QuitMenuItem>(*this, "FileQuit"); }
std::shared_ptr<MenuItem> Window2::UntitledSeparator() const
{
    return MenuItemNamed<MenuItem>(*this, "UntitledSeparator");
}
std::shared_ptr<MenuItem> Window2::FileClose() const { return MenuItemNamed<MenuItem>(*this, "FileClose"); }

// --- Window events and the Close command -----------------------------------

void Window2::AddMenuHandlers(const std::shared_ptr<Window>& window)
{
    checkwindow::AddCloseHandler(*this, window, "Window2");
}

void Window2::Event_Open() { SetTitle(Title() + " (" + Localize::kSecSer() + ")"); }

void Window2::Event_Activate() {}

void Window2::Event_EnableMenuItems() { checkwindow::TickFrontSeries<Window1, Window2>(*this); }

bool Window2::FileClose_Action() { return checkwindow::CloseAndPassOn(*this); }

// --- Rules -----------------------------------------------------------------

std::int64_t Window2::controlla3(const std::string& s) { return rules::secondSeriesSum(s); }

} // namespace corvanta
