#pragma once

#include "object.h"
#include "window.h"

// A window of no program class: no controls, no menu bar, no handlers until
// the test gives it some.
class BareWindow : public corvanta::Window {
public:
    const corvanta::ClassRecord& classRecord() const override
    {
        static const corvanta::ClassRecord record("Test.BareWindow");
        return record;
    }
};
