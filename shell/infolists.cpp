#include "infolists.h"

#include "info.h"
#include "propertylist.h"
#include "propertylists.h"

namespace corvanta::infolists {

const std::string& WindowList()
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

// The two lines and the button are built like the check windows' and share
// their list layouts.
const std::string& StaticText1List()
{
    static const std::string list = checklists::LabelList({"StaticText1", "", false, 1, std::nullopt, 0, 385, 302, 20});
    return list;
}

const std::string& StaticText2List()
{
    static const std::string list =
        checklists::LabelList({"StaticText2", "", false, 1, std::string(Info::kNotice), 1, 385, 326, 20});
    return list;
}

// Unlike the check windows' test button: enabled, and its caption "OK" is stored.
const std::string& PushButton1List()
{
    static const std::string list = checklists::PushButtonList({true, std::string("OK"), 2, {172, 400, 80, 22}});
    return list;
}

const std::string& ImageWell1List()
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

} // namespace corvanta::infolists
