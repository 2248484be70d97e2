#pragma once

#include "controls.h"
#include "object.h"
#include "propertylist.h"
#include "window.h"

#include <QLineEdit>
#include <QTest>

#include <memory>

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

// A text field without a mask in a window of the framework's own.
inline std::shared_ptr<corvanta::TextField> addField(BareWindow& window)
{
    auto control = window.New<corvanta::TextField>();
    control->Constructor();
    window.AddControl(control, "Field");
    control->SetProperties(corvanta::PropertyList({{"Width", 120}, {"Height", 22}}));
    return control;
}

// The window made active with the keyboard focus in the field: the field's
// line edit, or nil when the window does not become active.
inline QLineEdit* focusIn(BareWindow& window, corvanta::TextField& field)
{
    auto* edit = qobject_cast<QLineEdit*>(field.widget());
    window.widget()->activateWindow();
    if (!edit || !QTest::qWaitForWindowActive(window.widget()))
        return nullptr;
    edit->setFocus();
    return edit;
}
