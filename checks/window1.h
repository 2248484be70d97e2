#pragma once

#include "checkwindow.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvanta {

// The first-series check window: a letter from the pop-up, eleven digits in
// the field, and the test button shows the issuing country and the verdict in
// the result panel.
class Window1 : public CheckWindow<Window1, "Window1.Window1"> {
public:
    void PushButton1_Action(const std::shared_ptr<PushButton>& button);

    // The first-series rules: the digital root of the number, and the check
    // digit against the letter chosen in PopupMenu1.
    std::int64_t controlla(const std::string& s);
    bool controlla2(const std::string& s);

protected:
    void Layout() override;
    void CreateControls0() override;
    void Event_Open() override;
};

} // namespace corvanta
