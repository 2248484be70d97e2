#pragma once

#include "checkwindow.h"

#include <cstdint>
#include <memory>
#include <string>

namespace corvanta {

// The second-series check window: the first letter from the pop-up, a letter
// and ten digits in the field, and the test button shows the country where
// the note was printed and the verdict in the result panel.
class Window2 : public CheckWindow<Window2, "Window2.Window2"> {
public:
    void PushButton1_Action(const std::shared_ptr<PushButton>& button);

    // The second-series sum of the letter and the number; 7 is valid.
    std::int64_t controlla3(const std::string& s);

protected:
    void Layout() override;
    void CreateControls0() override;
    void Event_Open() override;
};

} // namespace corvanta
