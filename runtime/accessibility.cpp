#include "private/accessibility.h"

#include "private/frameworkwidget.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QFocusFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QWidget>

#include <algorithm>
#include <limits>
#include <utility>

namespace corvanta {

namespace {

// The heading gap: a label heads a control only when at most this many pixels
// lie between them, the label above it or before it on its line. A heading
// sits close to what it names; a label further off is text in its own right.
constexpr int kMostHeadingGap = 16;

// The framework draws windows, their content and some controls itself; Qt
// would read all of those as nameless fillers.
bool isFrameworkWidget(const QObject* object) { return dynamic_cast<const FrameworkWidget*>(object) != nullptr; }

// The child widgets that assistive technology sees, as Qt counts them:
// neither windows (pop-ups, menus) nor Qt's own helpers.
QList<QWidget*> childWidgetsOf(const QWidget* parent)
{
    QList<QWidget*> widgets;
    for (QObject* child : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(child);
        if (!widget || widget->isWindow() || qobject_cast<QFocusFrame*>(widget) || qobject_cast<QMenu*>(widget)
            || widget->objectName() == QLatin1String("qt_rubberband"))
            continue;
        widgets.append(widget);
    }
    return widgets;
}

// Children follow the reading order rather than the order they were made in,
// which is also their stacking order and so stays as it is.
class ReadingOrderWidget : public QAccessibleWidget {
public:
    ReadingOrderWidget(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    int childCount() const override { return static_cast<int>(children().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> widgets = children();
        if (index < 0 || index >= widgets.size())
            return nullptr;
        return QAccessible::queryAccessibleInterface(widgets.at(index));
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        return static_cast<int>(children().indexOf(qobject_cast<QWidget*>(child->object())));
    }

private:
    QList<QWidget*> children() const { return InReadingOrder(childWidgetsOf(widget())); }
};

// Qt asks with the most derived class's name first, so a framework widget
// is answered whatever meta-object it has.
QAccessibleInterface* frameworkWidgetFactory(const QString&, QObject* object)
{
    if (!object || !isFrameworkWidget(object))
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A top-level one is one of the framework's windows; its name is its title.
    return new ReadingOrderWidget(widget, widget->isWindow() ? QAccessible::Window : QAccessible::Client);
}

// The label that heads `control`: the nearest one ending at most the heading
// gap above it and overlapping it across, or ending at most as far to its
// left on the same line.
QLabel* headingOf(const QWidget* control, const QList<QLabel*>& labels)
{
    const QRect c = control->geometry();
    QLabel* heading = nullptr;
    int nearest = std::numeric_limits<int>::max();
    for (QLabel* label : labels) {
        // A buddy turns an ampersand in its label into a shortcut, which
        // would change what the label shows.
        if (label->isHidden() || label->text().trimmed().isEmpty() || label->text().contains(QLatin1Char('&')))
            continue;
        const QRect l = label->geometry();
        int gap = std::numeric_limits<int>::max();
        const bool across = l.left() <= c.right() && c.left() <= l.right();
        const bool sameLine = l.center().y() >= c.top() && l.center().y() <= c.bottom();
        if (across && l.bottom() < c.top())
            gap = c.top() - l.bottom() - 1;
        else if (sameLine && l.right() < c.left())
            gap = c.left() - l.right() - 1;
        if (gap <= kMostHeadingGap && gap < nearest) {
            nearest = gap;
            heading = label;
        }
    }
    return heading;
}

// Pop-ups and fields have no text of their own to be named by.
bool needsHeading(const QWidget* widget)
{
    return qobject_cast<const QComboBox*>(widget) || qobject_cast<const QLineEdit*>(widget);
}

void connectLabels(QWidget* container)
{
    QList<QLabel*> labels;
    QList<QWidget*> controls;
    for (QWidget* widget : childWidgetsOf(container)) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            labels.append(label);
        else if (needsHeading(widget))
            controls.append(widget);
        else if (isFrameworkWidget(widget))
            connectLabels(widget);
    }
    // Qt finds a control's labels among its siblings.
    for (QWidget* control : controls)
        if (QLabel* heading = headingOf(control, labels))
            heading->setBuddy(control);
}

void collectTabStops(QWidget* container, QList<QWidget*>& stops)
{
    for (QWidget* widget : InReadingOrder(childWidgetsOf(container))) {
        if (widget->focusPolicy() & Qt::TabFocus)
            stops.append(widget);
        else if (isFrameworkWidget(widget))
            collectTabStops(widget, stops);
    }
}

} // namespace

void InstallAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(frameworkWidgetFactory);
        return true;
    }();
    (void)installed;
}

QList<QWidget*> InReadingOrder(QList<QWidget*> widgets)
{
    // Of the widgets starting at one height, the shortest sets the line's middle.
    std::stable_sort(widgets.begin(), widgets.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->height()) < std::pair(b->y(), b->height());
    });
    for (auto line = widgets.begin(); line != widgets.end();) {
        const QRect first = (*line)->geometry();
        const int middle = first.top() + std::max(1, first.height() / 2);
        const auto end = std::find_if(line, widgets.end(), [middle](const QWidget* w) { return w->y() >= middle; });
        std::stable_sort(line, end, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        line = end;
    }
    return widgets;
}

void ConnectLabelsAndTabOrder(QWidget* content)
{
    if (!content)
        return;
    connectLabels(content);
    QList<QWidget*> stops;
    collectTabStops(content, stops);
    for (qsizetype i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops.at(i - 1), stops.at(i));
}

} // namespace corvanta
