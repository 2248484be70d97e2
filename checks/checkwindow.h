#pragma once

#include "controls.h"
#include "exceptions.h"
#include "menu.h"
#include "object.h"
#include "propertylists.h"
#include "text.h"
#include "window.h"

#include "localize.h"

#include <memory>
#include <string>

// The building blocks that both check windows use in the same way.
namespace corvanta::checkwindow {

// The item of that name anywhere in the window's menu bar, as a T; nil when
// the bar has none. A window without a menu bar raises NilObjectException.
template <class T>
std::shared_ptr<T> MenuItemNamed(const Window& window, const std::string& name)
{
    return CheckCast<T>(NotNil(window.MenuBar(), "MenuBar")->Lookup(name), name.c_str());
}

// The fourteen controls of a check window, in order: each created and
// registered, given its localized text, then its list, then its events. The
// windows differ only in their design and the text of the panel's second
// line, read at its step.
template <class W>
void CreateCheckControls(const std::shared_ptr<W>& self,
                         const checklists::CheckWindowDesign& d,
                         std::string (*secondLine)(const std::string&))
{
    using namespace checklists;
    Window& w = *NotNil(self, "window");

    // The panel comes first: the controls placed in it name it as their parent.
    w.CreateControl<Rectangle>("Rectangle1");
    w.Registered<Rectangle>("Rectangle1")->SetProperties(RectangleList(d.rectangle1));

    w.CreateControl<Label>("StaticText3");
    w.Registered<Label>("StaticText3")->SetText(Localize::kLaBanc());
    w.Registered<Label>("StaticText3")->SetProperties(LabelList(d.staticText3));

    w.CreateControl<Label>("StaticText6");
    w.Registered<Label>("StaticText6")->SetText(secondLine({}));
    w.Registered<Label>("StaticText6")->SetProperties(LabelList(d.staticText6));

    w.CreateControl<Label>("StaticText7");
    w.Registered<Label>("StaticText7")->SetProperties(LabelList(d.staticText7));

    w.CreateControl<Label>("StaticText8");
    w.Registered<Label>("StaticText8")->SetText(Localize::kELaNum());
    w.Registered<Label>("StaticText8")->SetProperties(LabelList(d.staticText8));

    w.CreateControl<Label>("StaticText9");
    w.Registered<Label>("StaticText9")->SetProperties(LabelList(d.staticText9));

    w.CreateControl<Label>("StaticText5");
    w.Registered<Label>("StaticText5")->SetProperties(LabelList(d.staticText5));

    w.CreateControl<Canvas>("Canvas1");
    w.Registered<Canvas>("Canvas1")->SetProperties(CanvasList(d.canvas1));

    w.CreateControl<Label>("StaticText4");
    w.Registered<Label>("StaticText4")->SetProperties(LabelList(d.staticText4));

    w.CreateControl<Label>("StaticText1");
    w.Registered<Label>("StaticText1")->SetText(Localize::kLett());
    w.Registered<Label>("StaticText1")->SetProperties(LabelList(d.staticText1));

    w.CreateControl<Label>("StaticText2");
    w.Registered<Label>("StaticText2")->SetText(Localize::kNum());
    w.Registered<Label>("StaticText2")->SetProperties(LabelList(d.staticText2));

    w.CreateControl<PopupMenu>("PopupMenu1");
    w.Registered<PopupMenu>("PopupMenu1")->SetProperties(PopupMenuList(d.letters, d.popupMenu1));
    w.Registered<PopupMenu>("PopupMenu1")->Change = CreateDelegate(self, &W::PopupMenu1_Change);

    w.CreateControl<TextField>("EditField1");
    w.Registered<TextField>("EditField1")->SetProperties(EditFieldList(d.mask, d.editField1));
    w.Registered<TextField>("EditField1")->TextChange = CreateDelegate(self, &W::EditField1_TextChange);
    w.Registered<TextField>("EditField1")->ConstructContextualMenu =
        CreateDelegate(self, &W::EditField1_ConstructContextualMenu);
    w.Registered<TextField>("EditField1")->MouseDown = CreateDelegate(self, &W::EditField1_MouseDown);

    w.CreateControl<PushButton>("PushButton1");
    w.Registered<PushButton>("PushButton1")->SetCaption(Localize::kVerifica());
    w.Registered<PushButton>("PushButton1")->SetProperties(PushButtonList(d.pushButton1));
    w.Registered<PushButton>("PushButton1")->Action = CreateDelegate(self, &W::PushButton1_Action);
}

// The test button is enabled only while a letter row is chosen and the field
// holds eleven characters; any change hides the result of the last test.
// After a change of letter the field is read only when a letter is chosen...
template <class W>
void LetterChanged(const W& w, const std::shared_ptr<PopupMenu>& popup)
{
    auto button = NotNil(w.PushButton1(), "PushButton1");
    bool ready = false;
    if (NotNil(popup, "PopupMenu")->ListIndex() > 0)
        ready = Len(NotNil(w.EditField1(), "EditField1")->Text()) == 11;
    button->SetEnabled(ready);
    NotNil(w.Rectangle1(), "Rectangle1")->SetVisible(false);
}

// ...and after a change of number the pop-up only when it has eleven characters.
template <class W>
void NumberChanged(const W& w, const std::shared_ptr<TextField>& field)
{
    auto button = NotNil(w.PushButton1(), "PushButton1");
    bool ready = false;
    if (Len(NotNil(field, "TextField")->Text()) == 11)
        ready = NotNil(w.PopupMenu1(), "PopupMenu1")->ListIndex() > 0;
    button->SetEnabled(ready);
    NotNil(w.Rectangle1(), "Rectangle1")->SetVisible(false);
}

// A contextual click pops up a fresh copy of the Edit menu; the item chosen
// in it is not used. True: the click is handled.
template <class W>
bool PopUpEditMenuOnContextualClick(const W& w)
{
    if (!IsContextualClick())
        return false;
    auto copy = NotNil(NotNil(w.EditMenu(), "EditMenu")->Clone(), "copy of EditMenu");
    auto chosen = copy->PopUp();
    (void)chosen;
    return true;
}

// The verdict in the panel's bold label, "is Valid" in green or "is
// INVALID" in red, and then the panel itself.
template <class W>
void ShowVerdict(const W& w, bool valid)
{
    if (valid) {
        NotNil(w.StaticText9(), "StaticText9")->SetTextColor(Color{0x00FF00});
        NotNil(w.StaticText9(), "StaticText9")->SetText(Localize::kValida());
    } else {
        NotNil(w.StaticText9(), "StaticText9")->SetTextColor(Color{0xFF0000});
        NotNil(w.StaticText9(), "StaticText9")->SetText(Localize::kNoValida());
    }
    NotNil(w.Rectangle1(), "Rectangle1")->SetVisible(true);
}

// The Window menu ticks the series of the front window, whichever check
// window runs this; its two items are addressed by position, First's first.
template <class First, class Second, class W>
void TickFrontSeries(const W& w)
{
    NotNil(NotNil(w.WindowMenu(), "WindowMenu")->Item(0), "WindowMenu item 0")->SetChecked(IsA<First>(Window::At(0)));
    NotNil(NotNil(w.WindowMenu(), "WindowMenu")->Item(1), "WindowMenu item 1")->SetChecked(IsA<Second>(Window::At(0)));
}

// The Close command: this window's FileClose_Action, bound to the window the
// framework hands over, which must be a W (className names it in a failure).
template <class W>
void AddCloseHandler(W& self, const std::shared_ptr<Window>& window, const char* className)
{
    auto own = NotNil(CheckCast<W>(window, className), className);
    self.AddMenuHandler("FileClose", CreateDelegate(own, &W::FileClose_Action));
}

// Closes the window and answers false, which leaves the command to the
// application's handlers.
inline bool CloseAndPassOn(Window& w)
{
    w.Close();
    return false;
}

} // namespace corvanta::checkwindow
