#pragma once

#include "window.h"

#include <memory>

namespace corvanta {

class ImageWell;
class Label;
class PushButton;

// The About window: the application's picture, the version line, a fixed
// notice and an OK button that closes it.
class Info : public Window {
public:
    static const ClassRecord& Lookup();
    static void ctblinit();
    const ClassRecord& classRecord() const override { return Lookup(); }

    // The open About window, or a new one.
    static std::shared_ptr<Info> implicitInstance();

    std::shared_ptr<Label> StaticText1() const;
    std::shared_ptr<Label> StaticText2() const;
    std::shared_ptr<PushButton> PushButton1() const;
    std::shared_ptr<ImageWell> ImageWell1() const;

    void StaticText1_Open(const std::shared_ptr<Label>& label);
    void PushButton1_Action(const std::shared_ptr<PushButton>& button);

    // The notice line under the version.
    static const char* const kNotice;

protected:
    void Layout() override;
    void CreateControls() override;
    virtual void CreateControls0();
    void Event_Open() override;
};

} // namespace corvanta
