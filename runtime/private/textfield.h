#pragma once

#include <cstdint>
#include <memory>

class QWidget;

namespace corvanta {

class TextField;

// The text field the widget draws, or nil.
std::shared_ptr<TextField> TextFieldOf(QWidget* widget);

// Shows a field's contextual menu at a point in the field, asked for with
// the mouse (after the field's MouseDown) or from the keyboard: builds the
// base menu, asks the field's ConstructContextualMenu and pops the menu up.
// The menu layer sets it; without it a field shows no contextual menu.
using ContextualMenuShower = void (*)(const std::shared_ptr<TextField>& field,
                                      std::int64_t x,
                                      std::int64_t y,
                                      bool fromKeyboard);
void SetContextualMenuShower(ContextualMenuShower shower);

// The field's MouseDown for a contextual click at a point in the field (the
// keyboard's contextual-menu key stands for one), IsContextualClick true
// meanwhile: whether the program handled it.
bool RaiseContextualMouseDown(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y);

} // namespace corvanta
