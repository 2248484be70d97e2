// The Qt side of a window: its events reach the Window, Return and Escape
// press the default and cancel buttons (Escape closes a dialog without a
// cancel button), and the content area paints the window's colour and
// backdrop.

#include "private/windowwidget.h"

#include "controls.h"
#include "picture.h"
#include "private/windowimpl.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>

namespace corvanta {

void ContentWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), fill);
    if (backdrop && !backdrop->image().isNull()) {
        // On a screen whose ratio is not the file's (the "@2x" file at 1.25
        // or 1.5) the picture is scaled; unsmoothed, its fine lines break up.
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QPoint(0, 0), backdrop->image());
    }
}

bool WindowWidget::event(QEvent* e)
{
    if (owner) {
        if (e->type() == QEvent::WindowActivate)
            owner->activated();
        else if (e->type() == QEvent::WindowDeactivate)
            owner->d->activateRaised = false;
    }
    return QWidget::event(e);
}

void WindowWidget::closeEvent(QCloseEvent* e)
{
    // The window goes through Close like any other; Qt itself must not close
    // (or quit on) it.
    e->ignore();
    if (owner)
        owner->closedByUser();
}

void WindowWidget::keyPressEvent(QKeyEvent* e)
{
    const auto mods = e->modifiers() & ~Qt::KeypadModifier;
    if (mods == Qt::NoModifier) {
        if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) && pressButton(false)) {
            e->accept();
            return;
        }
        if (e->key() == Qt::Key_Escape && (pressButton(true) || closeDialog())) {
            e->accept();
            return;
        }
    }
    QWidget::keyPressEvent(e);
}

void WindowWidget::resizeEvent(QResizeEvent* e)
{
    QWidget::resizeEvent(e);
    if (owner && owner->d->resizeable && owner->d->content && isVisible()) {
        owner->d->width = owner->d->content->width();
        owner->d->height = owner->d->content->height();
    }
}

// Closes a dialog as its close button does; false for any other window.
bool WindowWidget::closeDialog()
{
    if (!owner || owner->d->frame != kDialogFrame)
        return false;
    owner->closedByUser();
    return true;
}

// Presses the enabled, visible default (or cancel) button; false when there is none.
bool WindowWidget::pressButton(bool cancel)
{
    if (!owner)
        return false;
    std::shared_ptr<PushButton> target;
    for (const auto& control : owner->d->controls) {
        auto button = std::dynamic_pointer_cast<PushButton>(control);
        if (!button || !button->widget())
            continue;
        if (!(cancel ? button->Cancel() : button->Default()))
            continue;
        if (button->widget()->isEnabled() && button->widget()->isVisible()) {
            target = button;
            break;
        }
    }
    if (!target)
        return false;
    // The Action handler may close the window; the button and this widget
    // outlive it (the widget is deleted later).
    if (auto* qtButton = qobject_cast<QAbstractButton*>(target->widget()))
        qtButton->click();
    return true;
}

} // namespace corvanta
