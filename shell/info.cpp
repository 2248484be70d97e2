#include "info.h"

#include "app.h"
#include "controls.h"
#include "exceptions.h"
#include "infolists.h"
#include "localize.h"
#include "pictures.h"

#include <string>

namespace corvanta {

const char* const Info::kNotice = "Checks serial numbers only; it cannot tell a genuine note.";

void Info::ctblinit() { Lookup(); }

const ClassRecord& Info::Lookup()
{
    static const ClassRecord record("Info.Info");
    return record;
}

std::shared_ptr<Info> Info::implicitInstance() { return ImplicitInstance<Info>(); }

std::shared_ptr<Label> Info::StaticText1() const { return ControlNamed<Label>("StaticText1"); }

std::shared_ptr<Label> Info::StaticText2() const { return ControlNamed<Label>("StaticText2"); }

std::shared_ptr<PushButton> Info::PushButton1() const { return ControlNamed<PushButton>("PushButton1"); }

std::shared_ptr<ImageWell> Info::ImageWell1() const { return ControlNamed<ImageWell>("ImageWell1"); }

void Info::Layout()
{
    SetTitle(Localize::kInfo());
    SetProperties(infolists::WindowList());
}

void Info::CreateControls() { CreateControls0(); }

void Info::CreateControls0()
{
    CreateControl<Label>("StaticText1");
    Registered<Label>("StaticText1")->SetText(Localize::kInfoWin1());
    Registered<Label>("StaticText1")->SetProperties(infolists::StaticText1List());
    Registered<Label>("StaticText1")->Open = CreateDelegate(self<Info>(), &Info::StaticText1_Open);

    CreateControl<Label>("StaticText2");
    Registered<Label>("StaticText2")->SetProperties(infolists::StaticText2List());

    CreateControl<PushButton>("PushButton1");
    Registered<PushButton>("PushButton1")->SetProperties(infolists::PushButton1List());
    Registered<PushButton>("PushButton1")->Action = CreateDelegate(self<Info>(), &Info::PushButton1_Action);

    CreateControl<ImageWell>("ImageWell1");
    Registered<ImageWell>("ImageWell1")->SetImage(_x_corvanta::corvanta());
    Registered<ImageWell>("ImageWell1")->SetProperties(infolists::ImageWell1List());
}

void Info::StaticText1_Open(const std::shared_ptr<Label>& label)
{
    auto line = NotNil(label, "StaticText1");
    auto app = NotNil(App::implicitInstance(), "App");
    line->SetText(line->Text() + " " + app->ShortVersion());
}

void Info::PushButton1_Action(const std::shared_ptr<PushButton>& button)
{
    (void)button;
    Close();
}

void Info::Event_Open() {}

} // namespace corvanta
