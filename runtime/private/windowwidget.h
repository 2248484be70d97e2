#pragma once

// The Qt widgets a window is made of: the top-level widget, which passes its
// events to the window, and the area under the menu bar that holds the
// controls.

#include "propertylist.h"
#include "private/frameworkwidget.h"
#include "private/qtconversions.h"

#include <QColor>
#include <QWidget>

#include <memory>

namespace corvanta {

class Picture;
class Window;

// A window without a back colour of its own is painted in this light grey,
// the window colour of Qt's own light palette. The stored text colours were
// chosen against a light window, so on a dark desktop theme the window's
// contents still look as they were laid out; the controls that draw their
// own faces (fields, pop-ups, buttons) and the menus follow the desktop.
inline constexpr Color kWindowColor{0xEFEFEF};

// The area under the menu bar: paints the window's colour and the backdrop;
// the controls are its children.
class ContentWidget : public FrameworkWidget {
public:
    std::shared_ptr<Picture> backdrop;
    QColor fill = toQColor(kWindowColor);

protected:
    void paintEvent(QPaintEvent* e) override;
};

// The top-level Qt window. Its back pointer is cleared when the window closes,
// so events that arrive while the widget waits for deletion reach nothing.
class WindowWidget : public FrameworkWidget {
public:
    explicit WindowWidget(Window* owner) : owner(owner) {}
    Window* owner;

protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    bool pressButton(bool cancel);
    bool closeDialog();
};

} // namespace corvanta
