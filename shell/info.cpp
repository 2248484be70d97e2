#include "info.h"

#include "app.h"
#include "controls.h"
#include "exceptions.h"
#include "localize.h"
#include "pictures.h"
#include "propertylist.h"
#include "propertylists.h"

#include <string>

namespace corvanta {

const char* const Info::kNotice = "Checks serial numbers only; it cannot tell a genuine note.";

namespace {

std::unique_ptr<ClassRecord>& infoRecord()
{
    static std::unique_ptr<ClassRecord> record;
    return record;
}

const std::string& windowList()
{
    static const std::string list = PropertyList({
        {"Width", 425},
        {"Height", 442},
        {"MinWidth", 64},
        {"MinHeight", 64},
        {"MaxWidth", 32000},
        {"MaxHeight", 32000},
        {"Frame", 1},
        {"CloseButton", true},
        {"Resizeable", false},
        {"MaximizeButton", false},
        {"MinimizeButton", true},
        {"FullScreenButton", false},
        {"Composite", false},
        {"MacProcID", 0},
        {"Placement", 0},
        {"Visible", true},
        {"LiveResize", false},
        {"FullScreen", false},
        {"MenuBarVisible", true},
        {"HasBackColor", false},
        {"BackColor", Color{0xFFFFFF}},
    });
    return list;
}

// The two lines are labels like the check windows' and share their list layout.
const std::string& staticText1List()
{
    static const std::string list = checklists::LabelList({"StaticText1", "", false, 1, std::nullopt, 0, 385, 302, 20});
    return list;
}

const std::string& staticText2List()
{
    static const std::string list =
        checklists::LabelList({"StaticText2", "", false, 1, std::string(Info::kNotice), 1, 385, 326, 20});
    return list;
}

const std::string& pushButton1List()
{
    static const std::string list = PropertyList({
        {"InitialParent", ""},
        {"Underline", false},
        {"Italic", false},
        {"Bold", false},
        {"TextUnit", Byte{0}},
        {"TextSize", 0.0f},
        {"TextFont", "System"},
        {"ButtonStyle", 0},
        {"AutoDeactivate", true},
        {"HelpTag", ""},
        {"Visible", true},
        {"Enabled", true},
        {"Cancel", false},
        {"Default", true},
        {"Caption", "OK"},
        {"TabStop", true},
        {"TabIndex", 2},
        {"TabPanelIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", 22},
        {"Width", 80},
        {"Top", 400},
        {"Left", 172},
        {"Index", kNoIndex},
        {"Name", "PushButton1"},
    });
    return list;
}

const std::string& imageWell1List()
{
    static const std::string list = PropertyList({
        {"Enabled", true},
        {"AutoDeactivate", true},
        {"HelpTag", ""},
        {"Visible", true},
        {"InitialParent", ""},
        {"TabStop", true},
        {"TabIndex", 3},
        {"TabPanelIndex", 0},
        {"LockBottom", false},
        {"LockRight", false},
        {"LockTop", false},
        {"LockLeft", false},
        {"Height", 290},
        {"Width", 425},
        {"Top", 0},
        {"Left", 0},
        {"Index", kNoIndex},
        {"Name", "ImageWell1"},
    });
    return list;
}

} // namespace

void Info::ctblinit()
{
    if (!infoRecord())
        infoRecord() = std::make_unique<ClassRecord>("Info.Info");
}

const ClassRecord& Info::Lookup()
{
    ctblinit();
    return *infoRecord();
}

std::shared_ptr<Info> Info::implicitInstance()
{
    if (auto open = Window::ImplicitWindow(Lookup().name()))
        return CheckCast<Info>(open, "Info");
    auto window = std::make_shared<Info>();
    window->Constructor();
    return window;
}

std::shared_ptr<Label> Info::StaticText1() const { return CheckCast<Label>(ControlByName("StaticText1"), "Label"); }

std::shared_ptr<Label> Info::StaticText2() const { return CheckCast<Label>(ControlByName("StaticText2"), "Label"); }

std::shared_ptr<PushButton> Info::PushButton1() const
{
    return CheckCast<PushButton>(ControlByName("PushButton1"), "PushButton");
}

std::shared_ptr<ImageWell> Info::ImageWell1() const
{
    return CheckCast<ImageWell>(ControlByName("ImageWell1"), "ImageWell");
}

void Info::Layout()
{
    SetTitle(Localize::kInfo());
    SetProperties(windowList());
}

void Info::CreateControls() { CreateControls0(); }

void Info::CreateControls0()
{
    // Each step fetches the control again by name: the window owns it.
    {
        auto control = New<Label>();
        control->Constructor();
        AddControl(control, "StaticText1");
        NotNil(CheckCast<Label>(ControlByName("StaticText1"), "Label"), "StaticText1")->SetText(Localize::kInfoWin1());
        NotNil(CheckCast<Label>(ControlByName("StaticText1"), "Label"), "StaticText1")
            ->SetProperties(staticText1List());
        NotNil(CheckCast<Label>(ControlByName("StaticText1"), "Label"), "StaticText1")->Open =
            CreateDelegate(self<Info>(), &Info::StaticText1_Open);
    }
    {
        auto control = New<Label>();
        control->Constructor();
        AddControl(control, "StaticText2");
        NotNil(CheckCast<Label>(ControlByName("StaticText2"), "Label"), "StaticText2")
            ->SetProperties(staticText2List());
    }
    {
        auto control = New<PushButton>();
        control->Constructor();
        AddControl(control, "PushButton1");
        NotNil(CheckCast<PushButton>(ControlByName("PushButton1"), "PushButton"), "PushButton1")
            ->SetProperties(pushButton1List());
        NotNil(CheckCast<PushButton>(ControlByName("PushButton1"), "PushButton"), "PushButton1")->Action =
            CreateDelegate(self<Info>(), &Info::PushButton1_Action);
    }
    {
        auto control = New<ImageWell>();
        control->Constructor();
        AddControl(control, "ImageWell1");
        NotNil(CheckCast<ImageWell>(ControlByName("ImageWell1"), "ImageWell"), "ImageWell1")
            ->SetImage(_x_corvanta::corvanta());
        NotNil(CheckCast<ImageWell>(ControlByName("ImageWell1"), "ImageWell"), "ImageWell1")
            ->SetProperties(imageWell1List());
    }
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
