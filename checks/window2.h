#pragma once

#include "controls.h"
#include "menu.h"
#include "object.h"
#include "window.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvanta {

// The second-series check window: the first letter from the pop-up, a letter
// and ten digits in the field, and the test button shows the country where
// the note was printed and the verdict in the result panel. The window keeps
// no data of its own; every handler reaches its controls by name through the
// accessors below.
class Window2 : public Window {
public:
    static const ClassRecord& Lookup();
    static void ctblinit();
    const ClassRecord& classRecord() const override;

    // The open second-series window, or a new one built and opened.
    static std::shared_ptr<Window2> implicitInstance();

    // Controls, in the order they are created; nil when missing.
    std::shared_ptr<Rectangle> Rectangle1() const;
    std::shared_ptr<Label> StaticText3() const;
    std::shared_ptr<Label> StaticText6() const;
    std::shared_ptr<Label> StaticText7() const;
    std::shared_ptr<Label> StaticText8() const;
    std::shared_ptr<Label> StaticText9() const;
    std::shared_ptr<Label> StaticText5() const;
    std::shared_ptr<Canvas> Canvas1() const;
    std::shared_ptr<Label> StaticText4() const;
    std::shared_ptr<Label> StaticText1() const;
    std::shared_ptr<Label> StaticText2() const;
    std::shared_ptr<PopupMenu> PopupMenu1() const;
    std::shared_ptr<TextField> EditField1() const;
    std::shared_ptr<PushButton> PushButton1() const;

    // Control events.
    void PopupMenu1_Change(const std::shared_ptr<PopupMenu>& popup);
    void EditField1_TextChange(const std::shared_ptr<TextField>& field);
    bool EditField1_ConstructContextualMenu(const std::shared_ptr<TextField>& field,
                                            const std::shared_ptr<MenuItem>& base,
                                            std::int64_t x,
                                            std::int64_t y);
    bool EditField1_MouseDown(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y);
    void PushButton1_Action(const std::shared_ptr<PushButton>& button);

    // Items of the shared menu bar, found through this window's bar.
    std::shared_ptr<MenuItem> HelpMenu() const;
    std::shared_ptr<AppleMenuItem> UntitledSeparator1() const;
    std::shared_ptr<AppleMenuItem> FileInfo() const;
    std::shared_ptr<MenuItem> UntitledSeparator2() const;
    std::shared_ptr<MenuItem> HelpCorvantaLeggimi() const;
    std::shared_ptr<MenuItem> WindowMenu() const;
    std::shared_ptr<MenuItem> FinestraSecondaSerie() const;
    std::shared_ptr<MenuItem> FinestraPrimaSerie() const;
    std::shared_ptr<MenuItem> EditMenu() const;
    std::shared_ptr<MenuItem> EditSelectAll() const;
    std::shared_ptr<MenuItem> UntitledMenu0() const;
    std::shared_ptr<MenuItem> EditClear() const;
    std::shared_ptr<MenuItem> EditPaste() const;
    std::shared_ptr<MenuItem> EditCopy() const;
    std::shared_ptr<MenuItem> EditCut() const;
    std::shared_ptr<MenuItem> UntitledMenu1() const;
    std::shared_ptr<MenuItem> EditUndo() const;
    std::shared_ptr<MenuItem> FileMenu() const;
    std::shared_ptr<QuitMenuItem> FileQuit() const;
    std::shared_ptr<MenuItem> UntitledSeparator() const;
    std::shared_ptr<MenuItem> FileClose() const;

    void Event_EnableMenuItems() override;
    bool FileClose_Action();

    // The second-series sum of the letter and the number; 7 is valid.
    std::int64_t controlla3(const std::string& s);

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void AddMenuHandlers(const std::shared_ptr<Window>& window) override;
    void Event_Open() override;
    void Event_Activate() override;
};

} // namespace corvanta
