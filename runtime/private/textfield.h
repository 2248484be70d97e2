#pragma once

#include <cstdint>
#include <memory>

class QWidget;

namespace corvanta {

class TextField;

// The text field the widget draws, or nil.
std::shared_ptr<TextField> TextFieldOf(QWidget* widget);

// Shows a field's contextual menu at a point in the field: builds the base
// menu, asks the field's ConstructContextualMenu and pops the menu up. The
// menu layer sets it; without it a field shows no contextual menu.
using ContextualMenuShower = void (*)(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y);
void SetContextualMenuShower(ContextualMenuShower shower);

} // namespace corvanta
