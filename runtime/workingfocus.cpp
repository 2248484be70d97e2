// Which widget the keys and the Edit commands work in, kept apart from the
// key filter that feeds it and the menu commands that read it.

#include "private/workingfocus.h"

#include <QApplication>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

namespace corvanta {

namespace {

// The last widget outside the menus to get the focus: the one a menu bar
// holding the focus has taken it from.
QPointer<QWidget>& lastFocus()
{
    static QPointer<QWidget> widget;
    return widget;
}

} // namespace

void FollowFocus(QWidget* widget)
{
    if (!qobject_cast<QMenuBar*>(widget) && widget->window()->windowType() != Qt::Popup)
        lastFocus() = widget;
}

QWidget* WorkingFocusWidget()
{
    QWidget* focus = QApplication::focusWidget();
    QWidget* before = lastFocus();
    if (qobject_cast<QMenuBar*>(focus) && before && before->window() == focus->window())
        return before;
    return focus;
}

} // namespace corvanta
