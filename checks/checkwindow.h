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

// A new control of class T for the window, constructed and registered under
// its name.
template <class T>
void CreateControl(Window& window, const std::string& name)
{
    auto control = window.New<T>();
    control->Constructor();
    window.AddControl(control, name);
}

// The window's control of that name as a T; nil when there is none.
template <class T>
std::shared_ptr<T> ControlNamed(const Window& window, const std::string& name)
{
    return CheckCast<T>(window.ControlByName(name), name.c_str());
}

// The build steps address the control they have just registered, so a missing
// one is a failure of the build.
template <class T>
std::shared_ptr<T> Registered(const Window& window, const std::string& name)
{
    return NotNil(ControlNamed<T>(window, name), name.c_str());
}

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
void CreateCheckControls(W& w, const std::shared_ptr<W>& self, const checklists::CheckWindowDesign& d,
                         std::string (*secondLine)(const std::string&))
{
    using namespace checklists;

    // The panel comes first: the controls placed in it name it as their parent.
    CreateControl<Rectangle>(w, "Rectangle1");
    Registered<Rectangle>(w, "Rectangle1")->SetProperties(RectangleList(d.rectangle1));

    CreateControl<Label>(w, "StaticText3");
    Registered<Label>(w, "StaticText3")->SetText(Localize::kLaBanc());
    Registered<Label>(w, "StaticText3")->SetProperties(LabelList(d.staticText3));

    CreateControl<Label>(w, "StaticText6");
    Registered<Label>(w, "StaticText6")->SetText(secondLine({}));
    Registered<Label>(w, "StaticText6")->SetProperties(LabelList(d.staticText6));

    CreateControl<Label>(w, "StaticText7");
    Registered<Label>(w, "StaticText7")->SetProperties(LabelList(d.staticText7));

    CreateControl<Label>(w, "StaticText8");
    Registered<Label>(w, "StaticText8")->SetText(Localize::kELaNum());
    Registered<Label>(w, "StaticText8")->SetProperties(LabelList(d.staticText8));

    CreateControl<Label>(w, "StaticText9");
    Registered<Label>(w, "StaticText9")->SetProperties(LabelList(d.staticText9));

    CreateControl<Label>(w, "StaticText5");
    Registered<Label>(w, "StaticText5")->SetProperties(LabelList(d.staticText5));

    CreateControl<Canvas>(w, "Canvas1");
    Registered<Canvas>(w, "Canvas1")->SetProperties(CanvasList(d.canvas1));

    CreateControl<Label>(w, "StaticText4");
    Registered<Label>(w, "StaticText4")->SetProperties(LabelList(d.staticText4));

    CreateControl<Label>(w, "StaticText1");
    Registered<Label>(w, "StaticText1")->SetText(Localize::kLett());
    Registered<Label>(w, "StaticText1")->SetProperties(LabelList(d.staticText1));

    CreateControl<Label>(w, "StaticText2");
    Registered<Label>(w, "StaticText2")->SetText(Localize::kNum());
    Registered<Label>(w, "StaticText2")->SetProperties(LabelList(d.staticText2));

    CreateControl<PopupMenu>(w, "PopupMenu1");
    Registered<PopupMenu>(w, "PopupMenu1")->SetProperties(PopupMenuList(d.letters, d.popupMenu1));
    Registered<PopupMenu>(w, "PopupMenu1")->Change = CreateDelegate(self, &W::PopupMenu1_Change);

    CreateControl<TextField>(w, "EditField1");
    Registered<TextField>(w, "EditField1")->SetProperties(EditFieldList(d.mask, d.editField1));
    Registered<TextField>(w, "EditField1")->TextChange = CreateDelegate(self, &W::EditField1_TextChange);
    Registered<TextField>(w, "EditField1")->ConstructContextualMenu =
        CreateDelegate(self, &W::EditField1_ConstructContextualMenu);
    Registered<TextField>(w, "EditField1")->MouseDown = CreateDelegate(self, &W::EditField1_MouseDown);

    CreateControl<PushButton>(w, "PushButton1");
    Registered<PushButton>(w, "PushButton1")->SetCaption(Localize::kVerifica());
    Registered<PushButton>(w, "PushButton1")->SetProperties(PushButtonList(d.pushButton1));
    Registered<PushButton>(w, "PushButton1")->Action = CreateDelegate(self, &W::PushButton1_Action);
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

} // namespace corvanta::checkwindow
