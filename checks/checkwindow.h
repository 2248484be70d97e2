#pragma once

#include "controls.h"
#include "exceptions.h"
#include "menu.h"
#include "menubar1.h"
#include "object.h"
#include "propertylists.h"
#include "text.h"
#include "window.h"

#include "localize.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace corvanta {

class Picture;

// A class name as the framework registers it, "Module.Class", fixed where the
// class is declared.
template <std::size_t N>
struct RegisteredName {
    constexpr RegisteredName(const char (&name)[N]) { std::copy_n(name, N, text); }
    char text[N];
};

namespace checkwindow {

// The Window menu ticks the series of the front window, whichever check
// window runs this; its two items are addressed by position, First's first.
void TickFrontSeries(const std::shared_ptr<MenuItem>& windowMenu);

} // namespace checkwindow

// What the two check windows share, written once over the window class W
// that derives from it: the class record and the implicit instance, the
// fourteen controls and their accessors, the events of the pop-up and the
// field, the items of the shared menu bar, the window events and the Close
// command. W holds what differs: its backdrop and design (Layout), the second
// line of its panel (CreateControls0), its series in the title (Event_Open)
// and its rule (PushButton1_Action and the rule methods). The window keeps no
// data of its own; every handler reaches its controls by name through the
// accessors.
template <class W, RegisteredName Name>
class CheckWindow : public Window {
public:
    static const ClassRecord& Lookup()
    {
        static const ClassRecord record(Name.text);
        return record;
    }
    static void ctblinit() { Lookup(); }
    const ClassRecord& classRecord() const override { return Lookup(); }

    // The open window of this series, or a new one built and opened.
    static std::shared_ptr<W> implicitInstance() { return ImplicitInstance<W>(); }

    // Controls, in the order they are created; nil when missing.
    std::shared_ptr<Rectangle> Rectangle1() const { return ControlNamed<Rectangle>("Rectangle1"); }
    std::shared_ptr<Label> StaticText3() const { return ControlNamed<Label>("StaticText3"); }
    std::shared_ptr<Label> StaticText6() const { return ControlNamed<Label>("StaticText6"); }
    std::shared_ptr<Label> StaticText7() const { return ControlNamed<Label>("StaticText7"); }
    std::shared_ptr<Label> StaticText8() const { return ControlNamed<Label>("StaticText8"); }
    std::shared_ptr<Label> StaticText9() const { return ControlNamed<Label>("StaticText9"); }
    std::shared_ptr<Label> StaticText5() const { return ControlNamed<Label>("StaticText5"); }
    std::shared_ptr<Canvas> Canvas1() const { return ControlNamed<Canvas>("Canvas1"); }
    std::shared_ptr<Label> StaticText4() const { return ControlNamed<Label>("StaticText4"); }
    std::shared_ptr<Label> StaticText1() const { return ControlNamed<Label>("StaticText1"); }
    std::shared_ptr<Label> StaticText2() const { return ControlNamed<Label>("StaticText2"); }
    std::shared_ptr<PopupMenu> PopupMenu1() const { return ControlNamed<PopupMenu>("PopupMenu1"); }
    std::shared_ptr<TextField> EditField1() const { return ControlNamed<TextField>("EditField1"); }
    std::shared_ptr<PushButton> PushButton1() const { return ControlNamed<PushButton>("PushButton1"); }

    // The test button is enabled only while a letter row is chosen and the
    // field holds eleven characters; any change hides the result of the last
    // test. After a change of letter the field is read only when a letter is
    // chosen...
    void PopupMenu1_Change(const std::shared_ptr<PopupMenu>& popup)
    {
        auto button = NotNil(PushButton1(), "PushButton1");
        bool ready = false;
        if (NotNil(popup, "PopupMenu")->ListIndex() > 0)
            ready = Len(NotNil(EditField1(), "EditField1")->Text()) == 11;
        button->SetEnabled(ready);
        NotNil(Rectangle1(), "Rectangle1")->SetVisible(false);
    }

    // ...and after a change of number the pop-up only when it has eleven characters.
    void EditField1_TextChange(const std::shared_ptr<TextField>& field)
    {
        auto button = NotNil(PushButton1(), "PushButton1");
        bool ready = false;
        if (Len(NotNil(field, "TextField")->Text()) == 11)
            ready = NotNil(PopupMenu1(), "PopupMenu1")->ListIndex() > 0;
        button->SetEnabled(ready);
        NotNil(Rectangle1(), "Rectangle1")->SetVisible(false);
    }

    bool EditField1_ConstructContextualMenu(const std::shared_ptr<TextField>&,
                                            const std::shared_ptr<MenuItem>&,
                                            std::int64_t,
                                            std::int64_t)
    {
        return false;
    }

    // A contextual click pops up a fresh copy of the Edit menu; the item
    // chosen in it is not used. True: the click is handled.
    bool EditField1_MouseDown(const std::shared_ptr<TextField>&, std::int64_t, std::int64_t)
    {
        if (!IsContextualClick())
            return false;
        auto copy = NotNil(NotNil(EditMenu(), "EditMenu")->Clone(), "copy of EditMenu");
        auto chosen = copy->PopUp();
        (void)chosen;
        return true;
    }

    // Items of the shared menu bar, found through this window's bar.
    std::shared_ptr<MenuItem> HelpMenu() const { return item<MenuItem>("HelpMenu"); }
    std::shared_ptr<AppleMenuItem> UntitledSeparator1() const { return item<AppleMenuItem>("UntitledSeparator1"); }
    std::shared_ptr<AppleMenuItem> FileInfo() const { return item<AppleMenuItem>("FileInfo"); }
    std::shared_ptr<MenuItem> UntitledSeparator2() const { return item<MenuItem>("UntitledSeparator2"); }
    std::shared_ptr<MenuItem> HelpCorvantaLeggimi() const { return item<MenuItem>("HelpCorvantaLeggimi"); }
    std::shared_ptr<MenuItem> WindowMenu() const { return item<MenuItem>("WindowMenu"); }
    std::shared_ptr<MenuItem> FinestraSecondaSerie() const { return item<MenuItem>("FinestraSecondaSerie"); }
    std::shared_ptr<MenuItem> FinestraPrimaSerie() const { return item<MenuItem>("FinestraPrimaSerie"); }
    std::shared_ptr<MenuItem> EditMenu() const { return item<MenuItem>("EditMenu"); }
    std::shared_ptr<MenuItem> EditSelectAll() const { return item<MenuItem>("EditSelectAll"); }
    std::shared_ptr<MenuItem> UntitledMenu0() const { return item<MenuItem>("UntitledMenu0"); }
    std::shared_ptr<MenuItem> EditClear() const { return item<MenuItem>("EditClear"); }
    std::shared_ptr<MenuItem> EditPaste() const { return item<MenuItem>("EditPaste"); }
    std::shared_ptr<MenuItem> EditCopy() const { return item<MenuItem>("EditCopy"); }
    std::shared_ptr<MenuItem> EditCut() const { return item<MenuItem>("EditCut"); }
    std::shared_ptr<MenuItem> UntitledMenu1() const { return item<MenuItem>("UntitledMenu1"); }
    std::shared_ptr<MenuItem> EditUndo() const { return item<MenuItem>("EditUndo"); }
    std::shared_ptr<MenuItem> FileMenu() const { return item<MenuItem>("FileMenu"); }
    std::shared_ptr<QuitMenuItem> FileQuit() const { return item<QuitMenuItem>("FileQuit"); }
    std::shared_ptr<MenuItem> UntitledSeparator() const { return item<MenuItem>("UntitledSeparator"); }
    std::shared_ptr<MenuItem> FileClose() const { return item<MenuItem>("FileClose"); }

    void Event_EnableMenuItems() override { checkwindow::TickFrontSeries(WindowMenu()); }

    // Closes the window and answers false, which leaves the command to the
    // application's handlers.
    bool FileClose_Action()
    {
        Close();
        return false;
    }

protected:
    void CreateControls() override { CreateControls0(); }
    virtual void CreateControls0() = 0;

    // The Close command: this window's FileClose_Action, bound to the window
    // the framework hands over, which must be of this series.
    void AddMenuHandlers(const std::shared_ptr<Window>& window) override
    {
        const std::string name = moduleName();
        std::shared_ptr<CheckWindow> own = NotNil(CheckCast<W>(window, name.c_str()), name.c_str());
        AddMenuHandler("FileClose", CreateDelegate(own, &CheckWindow::FileClose_Action));
    }

    void Event_Activate() override {}

    // The backdrop, the shared menu bar and the window's own list.
    void LayOut(const std::shared_ptr<Picture>& backdrop, const checklists::CheckWindowDesign& design)
    {
        SetBackdrop(backdrop);
        SetMenuBar(MenuBar1::implicitInstance());
        SetProperties(checklists::WindowList(design.width, design.height));
    }

    // The fourteen controls, in order: each created and registered, given its
    // localized text, then its list, then its events. The windows differ only
    // in their design and the text of the panel's second line, read at its
    // step.
    void CreateCheckControls(const checklists::CheckWindowDesign& d, std::string (*secondLine)(const std::string&))
    {
        using namespace checklists;
        const std::shared_ptr<W> window = NotNil(self<W>(), "window");
        const std::shared_ptr<CheckWindow> shared = window;

        // The panel comes first: the controls placed in it name it as their parent.
        CreateControl<Rectangle>("Rectangle1");
        Registered<Rectangle>("Rectangle1")->SetProperties(RectangleList(d.rectangle1));

        CreateControl<Label>("StaticText3");
        Registered<Label>("StaticText3")->SetText(Localize::kLaBanc());
        Registered<Label>("StaticText3")->SetProperties(LabelList(d.staticText3));

        CreateControl<Label>("StaticText6");
        Registered<Label>("StaticText6")->SetText(secondLine({}));
        Registered<Label>("StaticText6")->SetProperties(LabelList(d.staticText6));

        CreateControl<Label>("StaticText7");
        Registered<Label>("StaticText7")->SetProperties(LabelList(d.staticText7));

        CreateControl<Label>("StaticText8");
        Registered<Label>("StaticText8")->SetText(Localize::kELaNum());
        Registered<Label>("StaticText8")->SetProperties(LabelList(d.staticText8));

        CreateControl<Label>("StaticText9");
        Registered<Label>("StaticText9")->SetProperties(LabelList(d.staticText9));

        CreateControl<Label>("StaticText5");
        Registered<Label>("StaticText5")->SetProperties(LabelList(d.staticText5));

        CreateControl<Canvas>("Canvas1");
        Registered<Canvas>("Canvas1")->SetProperties(CanvasList(d.canvas1));

        CreateControl<Label>("StaticText4");
        Registered<Label>("StaticText4")->SetProperties(LabelList(d.staticText4));

        CreateControl<Label>("StaticText1");
        Registered<Label>("StaticText1")->SetText(Localize::kLett());
        Registered<Label>("StaticText1")->SetProperties(LabelList(d.staticText1));

        CreateControl<Label>("StaticText2");
        Registered<Label>("StaticText2")->SetText(Localize::kNum());
        Registered<Label>("StaticText2")->SetProperties(LabelList(d.staticText2));

        CreateControl<PopupMenu>("PopupMenu1");
        Registered<PopupMenu>("PopupMenu1")->SetProperties(PopupMenuList(d.letters, d.popupMenu1));
        Registered<PopupMenu>("PopupMenu1")->Change = CreateDelegate(shared, &CheckWindow::PopupMenu1_Change);

        CreateControl<TextField>("EditField1");
        Registered<TextField>("EditField1")->SetProperties(EditFieldList(d.mask, d.editField1));
        Registered<TextField>("EditField1")->TextChange = CreateDelegate(shared, &CheckWindow::EditField1_TextChange);
        Registered<TextField>("EditField1")->ConstructContextualMenu =
            CreateDelegate(shared, &CheckWindow::EditField1_ConstructContextualMenu);
        Registered<TextField>("EditField1")->MouseDown = CreateDelegate(shared, &CheckWindow::EditField1_MouseDown);

        CreateControl<PushButton>("PushButton1");
        Registered<PushButton>("PushButton1")->SetCaption(Localize::kVerifica());
        Registered<PushButton>("PushButton1")->SetProperties(PushButtonList(d.pushButton1));
        Registered<PushButton>("PushButton1")->Action = CreateDelegate(window, &W::PushButton1_Action);
    }

    // The verdict in the panel's bold label, "is Valid" in green or "is
    // INVALID" in red, and then the panel itself.
    void ShowVerdict(bool valid)
    {
        if (valid) {
            NotNil(StaticText9(), "StaticText9")->SetTextColor(Color{0x00FF00});
            NotNil(StaticText9(), "StaticText9")->SetText(Localize::kValida());
        } else {
            NotNil(StaticText9(), "StaticText9")->SetTextColor(Color{0xFF0000});
            NotNil(StaticText9(), "StaticText9")->SetText(Localize::kNoValida());
        }
        NotNil(Rectangle1(), "Rectangle1")->SetVisible(true);
    }

private:
    // The item of that name anywhere in the window's menu bar, as a T; nil
    // when the bar has none. A window without a menu bar raises
    // NilObjectException.
    template <class T>
    std::shared_ptr<T> item(const std::string& name) const
    {
        return CheckCast<T>(NotNil(MenuBar(), "MenuBar")->Lookup(name), name.c_str());
    }

    // "Window1" of "Window1.Window1": the name a failed cast reports.
    static std::string moduleName()
    {
        const std::string full = Name.text;
        return full.substr(0, full.find('.'));
    }
};

} // namespace corvanta
