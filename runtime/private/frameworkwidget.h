#pragma once

#include <QWidget>

namespace corvanta {

// The base of every widget the framework draws itself: a window, the area
// under its menu bar, a rectangle, a canvas, an image well. Qt reads a plain
// QWidget as a nameless filler; the accessibility factory knows these by this
// base, whatever meta-object a subclass declares, and gives them their role,
// the headings of the controls in them and their reading order. Qt's own
// plain widgets are not of this class and keep what Qt gives them.
class FrameworkWidget : public QWidget {
public:
    using QWidget::QWidget;
};

} // namespace corvanta
