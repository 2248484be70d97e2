#pragma once

// How windows and their controls show themselves to assistive technology.

#include <QList>

class QWidget;

namespace corvanta {

// Installs, once, the accessibility factory for the framework's own widgets
// (each a FrameworkWidget: a window, the area under its menu bar, a control
// drawn by the framework itself): a top-level one reads as a frame named by
// its title, and the widgets in any of them read in reading order. A widget
// asked about before the first call keeps the interface Qt gave it.
void InstallAccessibility();

// The widgets in reading order: line by line from the top, each line from
// the left. A widget whose top lies above the middle of a line's first
// widget stands on that line.
QList<QWidget*> InReadingOrder(QList<QWidget*> widgets);

// Gives each pop-up and field among the controls of `content` (and of the
// controls placed in them) the label that heads it as its buddy, so it is
// read as labelled by that label; and puts the Tab chain of those controls in
// reading order. Run once a window's controls are built. The label that heads
// a control is the nearest one with text that ends at most 16 pixels (the
// heading gap) above it and overlaps it across, or ends at most as far to its
// left on its line; a label with an ampersand heads nothing.
void ConnectLabelsAndTabOrder(QWidget* content);

} // namespace corvanta
