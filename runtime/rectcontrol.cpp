#include "controls.h"

#include "exceptions.h"
#include "handlers.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textstyle.h"
#include "window.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

#include <optional>

namespace corvanta {

struct RectControl::Impl {
    std::weak_ptr<Window> owner;
    QPointer<QWidget> widget;
    std::string name;
    std::string initialParent;
    std::string helpTag;
    std::int64_t left = 0, top = 0, width = 80, height = 20;
    bool visible = true, enabled = true, tabStop = true;
    bool opened = false;
    Qt::FocusPolicy focusPolicy = Qt::NoFocus;

    QWidget* content() const
    {
        auto window = owner.lock();
        return window ? window->contentWidget() : nullptr;
    }

    // The widget's position in window coordinates, however deep it is placed.
    std::optional<QPoint> livePosition() const
    {
        QWidget* area = content();
        if (!widget || !area || !area->isAncestorOf(widget))
            return std::nullopt;
        return widget->mapTo(area, QPoint(0, 0));
    }

    void syncPosition()
    {
        if (auto pos = livePosition()) {
            left = pos->x();
            top = pos->y();
        }
    }

    // Sets the widget's geometry from the stored window coordinates.
    void place()
    {
        if (!widget)
            return;
        QPoint offset(0, 0);
        QWidget* parent = widget->parentWidget();
        QWidget* area = content();
        if (parent && area && parent != area && area->isAncestorOf(parent))
            offset = parent->mapTo(area, QPoint(0, 0));
        widget->setGeometry(
            toCoordinate(left - offset.x()), toCoordinate(top - offset.y()), toPixels(width), toPixels(height));
        // A hidden widget hears of its new size only when it shows.
        RefitText(widget);
    }

    // Moves the widget into the control named by InitialParent (or back onto
    // the window for an empty name), keeping its window coordinates.
    void reparent(const RectControl* self)
    {
        auto window = NotNil(owner.lock(), "the control's window");
        QWidget* target = window->contentWidget();
        if (!target)
            RaiseNilObjectException("the control's window is closed");
        if (!initialParent.empty()) {
            auto enclosing = window->ControlByName(initialParent);
            if (!enclosing)
                throw KeyNotFoundException("there is no control \"" + initialParent + "\" to place \"" + name
                                           + "\" in");
            if (enclosing.get() != self) {
                target = enclosing->widget();
                if (!target)
                    RaiseNilObjectException("the control \"" + initialParent + "\" has not been constructed");
            }
        }
        if (widget->parentWidget() == target || widget->isAncestorOf(target))
            return;
        syncPosition();
        widget->setParent(target);
        place();
        // A new parent hides the widget.
        widget->setVisible(visible);
    }

    void applyFocus()
    {
        if (!widget)
            return;
        Qt::FocusPolicy policy = focusPolicy;
        if (!tabStop && (policy & Qt::TabFocus))
            policy = (policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus;
        widget->setFocusPolicy(policy);
    }
};

RectControl::RectControl() : d(std::make_unique<Impl>()) {}

RectControl::~RectControl()
{
    // Deferred: the control may go while one of its widget's events is running.
    if (d->widget && QCoreApplication::instance())
        d->widget->deleteLater();
}

void RectControl::Constructor()
{
    RequireUIThread();
    if (d->widget)
        return;
    auto window = NotNil(d->owner.lock(), "the control's window");
    QWidget* area = window->contentWidget();
    if (!area)
        RaiseNilObjectException("the control's window is closed");
    QWidget* w = createWidget(area);
    d->widget = w;
    d->focusPolicy = w->focusPolicy();
    if (!d->name.empty())
        w->setObjectName(toQString(d->name));
    w->setEnabled(d->enabled);
    w->setToolTip(toQString(d->helpTag));
    d->applyFocus();
    if (!d->initialParent.empty())
        d->reparent(this);
    d->place();
    w->setVisible(d->visible);
}

std::string RectControl::Name() const
{
    RequireUIThread();
    return d->name;
}

std::shared_ptr<Window> RectControl::OwnerWindow() const
{
    RequireUIThread();
    return d->owner.lock();
}

std::int64_t RectControl::Left() const
{
    RequireUIThread();
    if (auto pos = d->livePosition())
        return pos->x();
    return d->left;
}

std::int64_t RectControl::Top() const
{
    RequireUIThread();
    if (auto pos = d->livePosition())
        return pos->y();
    return d->top;
}

std::int64_t RectControl::Width() const
{
    RequireUIThread();
    return d->width;
}

std::int64_t RectControl::Height() const
{
    RequireUIThread();
    return d->height;
}

void RectControl::SetLeft(std::int64_t v)
{
    RequireUIThread();
    d->syncPosition();
    d->left = v;
    d->place();
}

void RectControl::SetTop(std::int64_t v)
{
    RequireUIThread();
    d->syncPosition();
    d->top = v;
    d->place();
}

void RectControl::SetWidth(std::int64_t v)
{
    RequireUIThread();
    d->syncPosition();
    d->width = v;
    d->place();
}

void RectControl::SetHeight(std::int64_t v)
{
    RequireUIThread();
    d->syncPosition();
    d->height = v;
    d->place();
}

bool RectControl::Visible() const
{
    RequireUIThread();
    return d->visible;
}

void RectControl::SetVisible(bool v)
{
    RequireUIThread();
    d->visible = v;
    if (d->widget)
        d->widget->setVisible(v);
}

bool RectControl::Enabled() const
{
    RequireUIThread();
    return d->enabled;
}

void RectControl::SetEnabled(bool v)
{
    RequireUIThread();
    d->enabled = v;
    if (d->widget)
        d->widget->setEnabled(v);
}

void RectControl::SetProperties(std::string_view list)
{
    RequireUIThread();
    using Row = PropertyRow<RectControl>;
    static constexpr StoredWithoutEffect keepsItsPlace("a control keeps its place and size when its window is resized");
    static constexpr StoredWithoutEffect tabInReadingOrder("Tab follows the controls in reading order");
    static constexpr Row rows[] = {
        {"InitialParent",
         PropertyType::String,
         [](RectControl& c, const PropertyValue& v) {
             c.d->initialParent = v.text();
             if (c.d->widget)
                 c.d->reparent(&c);
         }},
        {"Index", PropertyType::Integer, StoredWithoutEffect("controls are found by name, never by index")},
        {"Name",
         PropertyType::String,
         [](RectControl& c, const PropertyValue& v) {
             // The name the control was registered under stays its name.
             if (c.d->name.empty())
                 c.setName(v.text());
         }},
        {"Left", PropertyType::Integer, Through<&RectControl::SetLeft>},
        {"Top", PropertyType::Integer, Through<&RectControl::SetTop>},
        {"Width", PropertyType::Integer, Through<&RectControl::SetWidth>},
        {"Height", PropertyType::Integer, Through<&RectControl::SetHeight>},
        {"Visible", PropertyType::Boolean, Through<&RectControl::SetVisible>},
        {"Enabled", PropertyType::Boolean, Through<&RectControl::SetEnabled>},
        {"AutoDeactivate",
         PropertyType::Boolean,
         StoredWithoutEffect("a control looks the same whether or not its window is in front")},
        {"HelpTag",
         PropertyType::String,
         [](RectControl& c, const PropertyValue& v) {
             c.d->helpTag = v.text();
             if (c.d->widget)
                 c.d->widget->setToolTip(toQString(c.d->helpTag));
         }},
        {"TabStop",
         PropertyType::Boolean,
         [](RectControl& c, const PropertyValue& v) {
             c.d->tabStop = v.boolean();
             c.d->applyFocus();
         }},
        {"TabIndex", PropertyType::Integer, tabInReadingOrder},
        {"TabPanelIndex", PropertyType::Integer, tabInReadingOrder},
        {"LockLeft", PropertyType::Boolean, keepsItsPlace},
        {"LockTop", PropertyType::Boolean, keepsItsPlace},
        {"LockRight", PropertyType::Boolean, keepsItsPlace},
        {"LockBottom", PropertyType::Boolean, keepsItsPlace},
    };
    ApplyPropertyList(list, className(), [this](const std::string& name) {
        if (auto own = property(name))
            return own;
        if (TextStyle* style = textStyle())
            if (auto font = style->property(name, *this))
                return font;
        return BindRow(*this, rows, name);
    });
}

QWidget* RectControl::widget() const { return d->widget; }

std::optional<BoundProperty> RectControl::property(const std::string&) { return std::nullopt; }

void RectControl::setOwner(const std::shared_ptr<Window>& window) { d->owner = window; }

void RectControl::setName(const std::string& name)
{
    d->name = name;
    if (d->widget)
        d->widget->setObjectName(toQString(name));
}

void RectControl::raiseOpen()
{
    if (d->opened)
        return;
    d->opened = true;
    CallWithExceptionHandling([this] { opened(); });
}

void RectControl::place() { d->place(); }

} // namespace corvanta
