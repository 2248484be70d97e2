#include "controls.h"

#include "exceptions.h"
#include "handlers.h"
#include "menu.h"
#include "picture.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "window.h"

#include <QComboBox>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QValidator>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

namespace corvanta {

namespace {

// The mouse-down being handled, for IsContextualClick.
std::optional<bool>& currentContextualClick()
{
    static std::optional<bool> value;
    return value;
}

class ContextualClickScope {
public:
    explicit ContextualClickScope(bool contextual) : saved_(currentContextualClick())
    {
        currentContextualClick() = contextual;
    }
    ~ContextualClickScope() { currentContextualClick() = saved_; }
    ContextualClickScope(const ContextualClickScope&) = delete;
    ContextualClickScope& operator=(const ContextualClickScope&) = delete;

private:
    std::optional<bool> saved_;
};

bool isContextual(const QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        return true;
#ifdef Q_OS_MACOS
    // Qt reports the Control key as Meta on macOS.
    constexpr auto control = Qt::MetaModifier;
#else
    constexpr auto control = Qt::ControlModifier;
#endif
    return e->button() == Qt::LeftButton && (e->modifiers() & control);
}

// Font records shared by the text controls. "System" is the platform's
// default font, size 0 its default size.
struct TextStyle {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    std::uint8_t unit = 0; // 0 default (points), 1 pixels, 2 points, 3 inches, 4 millimetres
    float size = 0.0f;
    std::string font = "System";

    QFont toQFont() const
    {
        QFont f;
        if (!font.empty() && font != "System" && font != "SmallSystem")
            f.setFamily(toQString(font));
        if (size > 0.0f) {
            switch (unit) {
            case 1: f.setPixelSize(std::max(1, static_cast<int>(std::lround(size)))); break;
            case 3: f.setPointSizeF(size * 72.0); break;
            case 4: f.setPointSizeF(size * 72.0 / 25.4); break;
            default: f.setPointSizeF(size); break;
            }
        } else if (font == "SmallSystem" && f.pointSizeF() > 4.0) {
            f.setPointSizeF(f.pointSizeF() - 2.0);
        }
        f.setBold(bold);
        f.setItalic(italic);
        f.setUnderline(underline);
        return f;
    }

    static std::optional<PropertyType> typeOf(const std::string& name)
    {
        static const TypeTable table = {
            {"Underline", PropertyType::Boolean}, {"Italic", PropertyType::Boolean},
            {"Bold", PropertyType::Boolean},      {"TextUnit", PropertyType::Byte},
            {"TextSize", PropertyType::Single},   {"TextFont", PropertyType::String},
        };
        return lookUp(table, name);
    }

    // True when the record was one of the font records.
    bool apply(const std::string& name, const PropertyValue& v)
    {
        if (name == "Underline")
            underline = v.boolean();
        else if (name == "Italic")
            italic = v.boolean();
        else if (name == "Bold")
            bold = v.boolean();
        else if (name == "TextUnit")
            unit = v.byte();
        else if (name == "TextSize")
            size = v.single();
        else if (name == "TextFont")
            font = v.text();
        else
            return false;
        return true;
    }
};

// The text field's mask. "9" admits one decimal digit, "A" one ASCII letter
// of either case, kept as typed; any other mask character admits only itself.
//
// The mask is enforced with a validator rather than Qt's inputMask: under an
// input mask the field is always full of blank places, deleting leaves a hole
// in the middle, and text() closes the holes up, so what the user sees is not
// what the program reads. Here the text is always exactly what was typed,
// character i must fit mask place i, and the field holds at most as many
// characters as the mask has places. Typing, deleting and pasting edit the
// text as in any field; an edit whose result the mask does not admit is
// refused as a whole (a paste that is too long is cut to what fits).
bool admits(QChar place, QChar c)
{
    if (place == u'9')
        return c >= u'0' && c <= u'9';
    if (place == u'A')
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return c == place;
}

// The longest beginning of `text` that the mask admits.
QString admittedPrefix(const QString& text, const QString& mask)
{
    if (mask.isEmpty())
        return text;
    qsizetype n = 0;
    while (n < text.size() && n < mask.size() && admits(mask[n], text[n]))
        ++n;
    return text.left(n);
}

class MaskValidator : public QValidator {
public:
    MaskValidator(QString mask, QObject* parent) : QValidator(parent), mask_(std::move(mask)) {}

    State validate(QString& input, int&) const override
    {
        if (input.size() > mask_.size())
            return Invalid;
        for (qsizetype i = 0; i < input.size(); ++i)
            if (!admits(mask_[i], input[i]))
                return Invalid;
        return input.size() == mask_.size() ? Acceptable : Intermediate;
    }

private:
    QString mask_;
};

// The line edit of a TextField: routes mouse-downs and the context menu to
// the control's events. Qt's own context menu is never shown; the program
// offers the Edit menu itself.
class FieldWidget : public QLineEdit {
public:
    explicit FieldWidget(QWidget* parent) : QLineEdit(parent) {}
    std::weak_ptr<TextField> owner;

protected:
    void mousePressEvent(QMouseEvent* e) override
    {
        suppressContextMenu_ = false;
        QPointer<FieldWidget> guard(this);
        bool handled = false;
        if (auto field = owner.lock(); field && field->MouseDown) {
            const bool contextual = isContextual(e);
            const QPoint pos = e->position().toPoint();
            ContextualClickScope scope(contextual);
            handled = CallWithExceptionHandling(
                std::function<bool()>([&] { return field->MouseDown(field, pos.x(), pos.y()); }));
            if (handled && contextual)
                suppressContextMenu_ = true;
        }
        if (!guard)
            return;
        if (handled) {
            e->accept();
            return;
        }
        QLineEdit::mousePressEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        e->accept();
        // A contextual click that MouseDown has handled already gets no second menu.
        if (suppressContextMenu_ && e->reason() == QContextMenuEvent::Mouse) {
            suppressContextMenu_ = false;
            return;
        }
        auto field = owner.lock();
        if (!field || !field->ConstructContextualMenu)
            return;
        const QPoint pos = e->pos();
        std::shared_ptr<MenuItem> base;
        const bool show = CallWithExceptionHandling(std::function<bool()>([&] {
            base = std::make_shared<MenuItem>();
            base->Constructor();
            return field->ConstructContextualMenu(field, base, pos.x(), pos.y());
        }));
        if (!show || !base || base->Count() == 0)
            return;
        // PopUp carries out the framework's own command of the chosen entry.
        CallWithExceptionHandling([&] { base->PopUp(); });
    }

private:
    bool suppressContextMenu_ = false;
};

struct RectLook {
    Color fill{0xFFFFFF};
    Color topLeft{0x000000};
    Color bottomRight{0x000000};
    std::int64_t borderWidth = 1;
};

class RectangleWidget : public QWidget {
public:
    using QWidget::QWidget;
    RectLook look;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const int w = width();
        const int h = height();
        p.fillRect(rect(), toQColor(look.fill));
        const int b = static_cast<int>(std::clamp<std::int64_t>(look.borderWidth, 0, std::min(w, h)));
        if (b <= 0)
            return;
        p.fillRect(0, 0, w, b, toQColor(look.topLeft));
        p.fillRect(0, 0, b, h, toQColor(look.topLeft));
        p.fillRect(0, h - b, w, b, toQColor(look.bottomRight));
        p.fillRect(w - b, 0, b, h, toQColor(look.bottomRight));
    }
};

class CanvasWidget : public QWidget {
public:
    using QWidget::QWidget;
    std::shared_ptr<Picture> picture;
    bool transparent = true;
    bool eraseBackground = true;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        if (!transparent && eraseBackground)
            p.fillRect(rect(), palette().window());
        if (picture && !picture->image().isNull()) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRect(0, 0, width(), height()), picture->image());
        }
    }
};

// Shows its picture centred, shrunk to fit when it is larger than the well.
class ImageWellWidget : public QWidget {
public:
    using QWidget::QWidget;
    std::shared_ptr<Picture> picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture || picture->image().isNull())
            return;
        const QImage& image = picture->image();
        QSize size = image.size();
        if (size.width() > width() || size.height() > height())
            size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image);
    }
};

} // namespace

// ---------------------------------------------------------------- RectControl

struct RectControl::Impl {
    std::weak_ptr<Window> owner;
    QPointer<QWidget> widget;
    std::string name;
    std::string initialParent;
    std::string helpTag;
    std::int64_t left = 0, top = 0, width = 80, height = 20;
    std::int64_t index = kNoIndex, tabIndex = 0, tabPanelIndex = 0;
    bool visible = true, enabled = true, autoDeactivate = true, tabStop = true;
    // Stored: the windows keep their size, so the controls never move with an edge.
    bool lockLeft = false, lockTop = false, lockRight = false, lockBottom = false;
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
        widget->setGeometry(toCoordinate(left - offset.x()), toCoordinate(top - offset.y()), toPixels(width),
                            toPixels(height));
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
    ReadPropertyList(
        list, className(), [this](const std::string& name) { return propertyType(name); },
        [this](const std::string& name, const PropertyValue& value) { applyProperty(name, value); });
}

QWidget* RectControl::widget() const { return d->widget; }

std::optional<PropertyType> RectControl::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"InitialParent", PropertyType::String}, {"Index", PropertyType::Integer},
        {"Name", PropertyType::String},          {"Left", PropertyType::Integer},
        {"Top", PropertyType::Integer},          {"Width", PropertyType::Integer},
        {"Height", PropertyType::Integer},       {"Visible", PropertyType::Boolean},
        {"Enabled", PropertyType::Boolean},      {"AutoDeactivate", PropertyType::Boolean},
        {"HelpTag", PropertyType::String},       {"TabStop", PropertyType::Boolean},
        {"TabIndex", PropertyType::Integer},     {"TabPanelIndex", PropertyType::Integer},
        {"LockLeft", PropertyType::Boolean},     {"LockTop", PropertyType::Boolean},
        {"LockRight", PropertyType::Boolean},    {"LockBottom", PropertyType::Boolean},
    };
    return lookUp(table, name);
}

void RectControl::applyProperty(const std::string& name, const PropertyValue& v)
{
    if (name == "InitialParent") {
        d->initialParent = v.text();
        if (d->widget)
            d->reparent(this);
    } else if (name == "Index") {
        d->index = v.integer();
    } else if (name == "Name") {
        // The name the control was registered under stays its name.
        if (d->name.empty())
            setName(v.text());
    } else if (name == "Left") {
        SetLeft(v.integer());
    } else if (name == "Top") {
        SetTop(v.integer());
    } else if (name == "Width") {
        SetWidth(v.integer());
    } else if (name == "Height") {
        SetHeight(v.integer());
    } else if (name == "Visible") {
        SetVisible(v.boolean());
    } else if (name == "Enabled") {
        SetEnabled(v.boolean());
    } else if (name == "AutoDeactivate") {
        d->autoDeactivate = v.boolean();
    } else if (name == "HelpTag") {
        d->helpTag = v.text();
        if (d->widget)
            d->widget->setToolTip(toQString(d->helpTag));
    } else if (name == "TabStop") {
        d->tabStop = v.boolean();
        d->applyFocus();
    } else if (name == "TabIndex") {
        d->tabIndex = v.integer();
    } else if (name == "TabPanelIndex") {
        d->tabPanelIndex = v.integer();
    } else if (name == "LockLeft") {
        d->lockLeft = v.boolean();
    } else if (name == "LockTop") {
        d->lockTop = v.boolean();
    } else if (name == "LockRight") {
        d->lockRight = v.boolean();
    } else if (name == "LockBottom") {
        d->lockBottom = v.boolean();
    }
}

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

// ---------------------------------------------------------------------- Label

struct Label::Impl {
    std::string text;
    Color textColor{0x000000};
    std::int64_t align = 0;
    TextStyle style;
    bool selectable = false, multiline = false, transparent = false;
    std::string dataField, dataSource;

    void applyAlignment(QLabel* l) const
    {
        Qt::Alignment h = Qt::AlignLeft;
        if (align == 1)
            h = Qt::AlignHCenter;
        else if (align == 2)
            h = Qt::AlignRight;
        l->setAlignment(h | (multiline ? Qt::AlignTop : Qt::AlignVCenter));
        l->setWordWrap(multiline);
    }
    void applyAll(QLabel* l) const
    {
        l->setText(toQString(text));
        setPaletteColor(l, QPalette::WindowText, textColor);
        l->setFont(style.toQFont());
        applyAlignment(l);
        l->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    }
};

Label::Label() : d(std::make_unique<Impl>()) {}
Label::~Label() = default;

std::string Label::Text() const
{
    RequireUIThread();
    return d->text;
}

void Label::SetText(const std::string& text)
{
    RequireUIThread();
    d->text = text;
    if (auto* l = static_cast<QLabel*>(widget()))
        l->setText(toQString(text));
}

Color Label::TextColor() const
{
    RequireUIThread();
    return d->textColor;
}

void Label::SetTextColor(Color color)
{
    RequireUIThread();
    d->textColor = color;
    if (auto* l = widget())
        setPaletteColor(l, QPalette::WindowText, color);
}

bool Label::Bold() const
{
    RequireUIThread();
    return d->style.bold;
}

void Label::SetBold(bool bold)
{
    RequireUIThread();
    d->style.bold = bold;
    if (auto* l = widget())
        l->setFont(d->style.toQFont());
}

std::int64_t Label::TextAlign() const
{
    RequireUIThread();
    return d->align;
}

void Label::SetTextAlign(std::int64_t align)
{
    RequireUIThread();
    d->align = align;
    if (auto* l = static_cast<QLabel*>(widget()))
        d->applyAlignment(l);
}

QWidget* Label::createWidget(QWidget* parent)
{
    auto* l = new QLabel(parent);
    l->setTextFormat(Qt::PlainText);
    d->applyAll(l);
    return l;
}

std::optional<PropertyType> Label::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"DataField", PropertyType::String},    {"DataSource", PropertyType::String},
        {"Transparent", PropertyType::Boolean}, {"Selectable", PropertyType::Boolean},
        {"Multiline", PropertyType::Boolean},   {"TextColor", PropertyType::Color},
        {"TextAlign", PropertyType::Integer},   {"Text", PropertyType::String},
    };
    if (auto t = lookUp(table, name))
        return t;
    if (auto t = TextStyle::typeOf(name))
        return t;
    return RectControl::propertyType(name);
}

void Label::applyProperty(const std::string& name, const PropertyValue& v)
{
    auto* l = static_cast<QLabel*>(widget());
    if (d->style.apply(name, v)) {
        if (l)
            l->setFont(d->style.toQFont());
    } else if (name == "Text") {
        SetText(v.text());
    } else if (name == "TextColor") {
        SetTextColor(v.color());
    } else if (name == "TextAlign") {
        SetTextAlign(v.integer());
    } else if (name == "Multiline") {
        d->multiline = v.boolean();
        if (l)
            d->applyAlignment(l);
    } else if (name == "Selectable") {
        d->selectable = v.boolean();
        if (l)
            l->setTextInteractionFlags(d->selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    } else if (name == "Transparent") {
        // Labels never paint a background, so the backdrop shows through.
        d->transparent = v.boolean();
    } else if (name == "DataField") {
        d->dataField = v.text();
    } else if (name == "DataSource") {
        d->dataSource = v.text();
    } else {
        RectControl::applyProperty(name, v);
    }
}

void Label::opened()
{
    if (Open)
        Open(std::static_pointer_cast<Label>(shared_from_this()));
}

// ------------------------------------------------------------------ TextField

struct TextField::Impl {
    std::string text; // until the widget exists
    std::string mask;
    std::int64_t limitText = 0;
    std::int64_t alignment = 0; // 0 default, 1 left, 2 centre, 3 right
    bool readOnly = false, password = false, border = true, acceptTabs = false;
    bool checkSpelling = false, useFocusRing = true;
    std::string cueText, format, dataField, dataSource;
    Color backColor{0xFFFFFF}, textColor{0x000000};
    TextStyle style;

    int maxLength() const
    {
        std::int64_t limit = 32767; // QLineEdit's own limit
        if (!mask.empty())
            limit = std::min<std::int64_t>(limit, toQString(mask).size());
        if (limitText > 0)
            limit = std::min(limit, limitText);
        return static_cast<int>(limit);
    }

    void applyMask(QLineEdit* e) const
    {
        const QString qmask = toQString(mask);
        if (const QValidator* old = e->validator())
            const_cast<QValidator*>(old)->deleteLater();
        e->setValidator(qmask.isEmpty() ? nullptr : new MaskValidator(qmask, e));
        e->setMaxLength(maxLength());
        const QString kept = admittedPrefix(e->text(), qmask).left(maxLength());
        if (kept != e->text())
            e->setText(kept);
    }

    void applyAlignment(QLineEdit* e) const
    {
        Qt::Alignment h = Qt::AlignLeft;
        if (alignment == 2)
            h = Qt::AlignHCenter;
        else if (alignment == 3)
            h = Qt::AlignRight;
        e->setAlignment(h | Qt::AlignVCenter);
    }

    void applyAll(QLineEdit* e) const
    {
        e->setText(admittedPrefix(toQString(text), toQString(mask)).left(maxLength()));
        applyMask(e);
        applyAlignment(e);
        e->setReadOnly(readOnly);
        e->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal);
        e->setFrame(border);
        e->setPlaceholderText(toQString(cueText));
        setPaletteColor(e, QPalette::Base, backColor);
        setPaletteColor(e, QPalette::Text, textColor);
        e->setFont(style.toQFont());
        e->setAttribute(Qt::WA_MacShowFocusRect, useFocusRing);
    }
};

TextField::TextField() : d(std::make_unique<Impl>()) {}
TextField::~TextField() = default;

std::string TextField::Text() const
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        return toStdString(e->text());
    return d->text;
}

// A text the mask does not admit is cut back to its admitted beginning, so
// the field never holds what a user could not have typed.
void TextField::SetText(const std::string& text)
{
    RequireUIThread();
    d->text = text;
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->setText(admittedPrefix(toQString(text), toQString(d->mask)).left(d->maxLength()));
}

std::string TextField::Mask() const
{
    RequireUIThread();
    return d->mask;
}

void TextField::SetMask(const std::string& mask)
{
    RequireUIThread();
    d->mask = mask;
    if (auto* e = static_cast<QLineEdit*>(widget()))
        d->applyMask(e);
}

void TextField::Undo()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->undo();
}

void TextField::Cut()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->cut();
}

void TextField::Copy()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->copy();
}

void TextField::Paste()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->paste();
}

// Clear removes the selection and nothing else.
void TextField::Clear()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()); e && e->hasSelectedText())
        e->del();
}

void TextField::SelectAll()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->selectAll();
}

QWidget* TextField::createWidget(QWidget* parent)
{
    auto* e = new FieldWidget(parent);
    e->owner = std::static_pointer_cast<TextField>(shared_from_this());
    d->applyAll(e);
    std::weak_ptr<TextField> weak = e->owner;
    QObject::connect(e, &QLineEdit::textChanged, e, [weak] {
        if (auto self = weak.lock())
            CallWithExceptionHandling([&] {
                if (self->TextChange)
                    self->TextChange(self);
            });
    });
    return e;
}

std::optional<PropertyType> TextField::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"DataField", PropertyType::String},
        {"DataSource", PropertyType::String},
        {"AutomaticallyCheckSpelling", PropertyType::Boolean},
        {"Alignment", PropertyType::Integer},
        {"AcceptTabs", PropertyType::Boolean},
        {"LimitText", PropertyType::Integer},
        {"ReadOnly", PropertyType::Boolean},
        {"Mask", PropertyType::String},
        {"Text", PropertyType::String},
        {"CueText", PropertyType::String},
        {"Format", PropertyType::String},
        {"BackColor", PropertyType::Color},
        {"TextColor", PropertyType::Color},
        {"UseFocusRing", PropertyType::Boolean},
        {"Password", PropertyType::Boolean},
        {"Border", PropertyType::Boolean},
    };
    if (auto t = lookUp(table, name))
        return t;
    if (auto t = TextStyle::typeOf(name))
        return t;
    return RectControl::propertyType(name);
}

void TextField::applyProperty(const std::string& name, const PropertyValue& v)
{
    auto* e = static_cast<QLineEdit*>(widget());
    if (d->style.apply(name, v)) {
        if (e)
            e->setFont(d->style.toQFont());
    } else if (name == "Text") {
        SetText(v.text());
    } else if (name == "Mask") {
        SetMask(v.text());
    } else if (name == "LimitText") {
        d->limitText = v.integer();
        if (e)
            d->applyMask(e);
    } else if (name == "Alignment") {
        d->alignment = v.integer();
        if (e)
            d->applyAlignment(e);
    } else if (name == "ReadOnly") {
        d->readOnly = v.boolean();
        if (e)
            e->setReadOnly(d->readOnly);
    } else if (name == "Password") {
        d->password = v.boolean();
        if (e)
            e->setEchoMode(d->password ? QLineEdit::Password : QLineEdit::Normal);
    } else if (name == "Border") {
        d->border = v.boolean();
        if (e)
            e->setFrame(d->border);
    } else if (name == "CueText") {
        d->cueText = v.text();
        if (e)
            e->setPlaceholderText(toQString(d->cueText));
    } else if (name == "BackColor") {
        d->backColor = v.color();
        if (e)
            setPaletteColor(e, QPalette::Base, d->backColor);
    } else if (name == "TextColor") {
        d->textColor = v.color();
        if (e)
            setPaletteColor(e, QPalette::Text, d->textColor);
    } else if (name == "UseFocusRing") {
        d->useFocusRing = v.boolean();
        if (e)
            e->setAttribute(Qt::WA_MacShowFocusRect, d->useFocusRing);
    } else if (name == "AcceptTabs") {
        // A single-line field passes Tab on to the next control.
        d->acceptTabs = v.boolean();
    } else if (name == "AutomaticallyCheckSpelling") {
        d->checkSpelling = v.boolean();
    } else if (name == "Format") {
        d->format = v.text();
    } else if (name == "DataField") {
        d->dataField = v.text();
    } else if (name == "DataSource") {
        d->dataSource = v.text();
    } else {
        RectControl::applyProperty(name, v);
    }
}

// ------------------------------------------------------------------ PopupMenu

struct PopupMenu::Impl {
    std::vector<std::string> rows;
    // The row to select; kept while there are no rows yet, since the stored
    // lists set ListIndex before InitialValue.
    std::int64_t listIndex = -1;
    TextStyle style;
    std::string dataField, dataSource;

    bool inRange(std::int64_t i) const { return i >= 0 && i < static_cast<std::int64_t>(rows.size()); }

    void fill(QComboBox* c) const
    {
        c->clear();
        for (const auto& row : rows)
            c->addItem(toQString(row));
        c->setCurrentIndex(inRange(listIndex) ? static_cast<int>(listIndex) : -1);
    }
};

PopupMenu::PopupMenu() : d(std::make_unique<Impl>()) {}
PopupMenu::~PopupMenu() = default;

std::int64_t PopupMenu::ListIndex() const
{
    RequireUIThread();
    if (auto* c = static_cast<QComboBox*>(widget()))
        return c->currentIndex();
    return d->inRange(d->listIndex) ? d->listIndex : -1;
}

// An index outside the rows selects none.
void PopupMenu::SetListIndex(std::int64_t index)
{
    RequireUIThread();
    d->listIndex = index;
    if (auto* c = static_cast<QComboBox*>(widget()))
        c->setCurrentIndex(d->inRange(index) ? static_cast<int>(index) : -1);
}

std::string PopupMenu::Text() const
{
    RequireUIThread();
    const auto i = ListIndex();
    return d->inRange(i) ? d->rows[static_cast<std::size_t>(i)] : std::string();
}

std::int64_t PopupMenu::ListCount() const
{
    RequireUIThread();
    return static_cast<std::int64_t>(d->rows.size());
}

std::string PopupMenu::List(std::int64_t row) const
{
    RequireUIThread();
    return d->inRange(row) ? d->rows[static_cast<std::size_t>(row)] : std::string();
}

// The rows are the pieces between line ends (CR, LF or CR LF): a leading
// line end gives a blank first row. The empty text gives no rows.
void PopupMenu::SetInitialValue(const std::string& rows)
{
    RequireUIThread();
    std::vector<std::string> pieces;
    if (!rows.empty()) {
        std::string piece;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const char c = rows[i];
            if (c == '\r' || c == '\n') {
                pieces.push_back(piece);
                piece.clear();
                if (c == '\r' && i + 1 < rows.size() && rows[i + 1] == '\n')
                    ++i;
            } else {
                piece.push_back(c);
            }
        }
        pieces.push_back(piece);
    }
    d->rows = std::move(pieces);
    auto* c = static_cast<QComboBox*>(widget());
    if (!c)
        return;
    const int before = c->currentIndex();
    {
        const QSignalBlocker blocker(c);
        d->fill(c);
    }
    // One Change for the whole rebuild, and only when the selection moved.
    if (c->currentIndex() != before)
        Q_EMIT c->currentIndexChanged(c->currentIndex());
}

QWidget* PopupMenu::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    c->setFont(d->style.toQFont());
    d->fill(c);
    std::weak_ptr<PopupMenu> weak = std::static_pointer_cast<PopupMenu>(shared_from_this());
    QObject::connect(c, &QComboBox::currentIndexChanged, c, [weak](int index) {
        auto self = weak.lock();
        if (!self)
            return;
        self->d->listIndex = index;
        CallWithExceptionHandling([&] {
            if (self->Change)
                self->Change(self);
        });
    });
    return c;
}

std::optional<PropertyType> PopupMenu::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"DataField", PropertyType::String},
        {"DataSource", PropertyType::String},
        {"ListIndex", PropertyType::Integer},
        {"InitialValue", PropertyType::String},
    };
    if (auto t = lookUp(table, name))
        return t;
    if (auto t = TextStyle::typeOf(name))
        return t;
    return RectControl::propertyType(name);
}

void PopupMenu::applyProperty(const std::string& name, const PropertyValue& v)
{
    if (d->style.apply(name, v)) {
        if (auto* c = widget())
            c->setFont(d->style.toQFont());
    } else if (name == "ListIndex") {
        SetListIndex(v.integer());
    } else if (name == "InitialValue") {
        SetInitialValue(v.text());
    } else if (name == "DataField") {
        d->dataField = v.text();
    } else if (name == "DataSource") {
        d->dataSource = v.text();
    } else {
        RectControl::applyProperty(name, v);
    }
}

// ----------------------------------------------------------------- PushButton

struct PushButton::Impl {
    std::string caption;
    bool isDefault = false, cancel = false;
    std::int64_t buttonStyle = 0; // stored: every style is drawn as a push button
    TextStyle style;

    static QString shown(const std::string& caption)
    {
        // "&" is a literal character in a caption, not a mnemonic marker.
        return toQString(caption).replace(u'&', QStringLiteral("&&"));
    }
};

PushButton::PushButton() : d(std::make_unique<Impl>()) {}
PushButton::~PushButton() = default;

std::string PushButton::Caption() const
{
    RequireUIThread();
    return d->caption;
}

void PushButton::SetCaption(const std::string& caption)
{
    RequireUIThread();
    d->caption = caption;
    if (auto* b = static_cast<QPushButton*>(widget()))
        b->setText(Impl::shown(caption));
}

bool PushButton::Default() const
{
    RequireUIThread();
    return d->isDefault;
}

void PushButton::SetDefault(bool isDefault)
{
    RequireUIThread();
    d->isDefault = isDefault;
    if (auto* b = static_cast<QPushButton*>(widget()))
        b->setDefault(isDefault);
}

bool PushButton::Cancel() const
{
    RequireUIThread();
    return d->cancel;
}

void PushButton::SetCancel(bool isCancel)
{
    RequireUIThread();
    d->cancel = isCancel;
}

QWidget* PushButton::createWidget(QWidget* parent)
{
    auto* b = new QPushButton(parent);
    b->setAutoDefault(false);
    b->setDefault(d->isDefault);
    b->setText(Impl::shown(d->caption));
    b->setFont(d->style.toQFont());
    std::weak_ptr<PushButton> weak = std::static_pointer_cast<PushButton>(shared_from_this());
    QObject::connect(b, &QPushButton::clicked, b, [weak] {
        if (auto self = weak.lock())
            CallWithExceptionHandling([&] {
                if (self->Action)
                    self->Action(self);
            });
    });
    return b;
}

std::optional<PropertyType> PushButton::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"Caption", PropertyType::String},
        {"Default", PropertyType::Boolean},
        {"Cancel", PropertyType::Boolean},
        {"ButtonStyle", PropertyType::Integer},
    };
    if (auto t = lookUp(table, name))
        return t;
    if (auto t = TextStyle::typeOf(name))
        return t;
    return RectControl::propertyType(name);
}

void PushButton::applyProperty(const std::string& name, const PropertyValue& v)
{
    if (d->style.apply(name, v)) {
        if (auto* b = widget())
            b->setFont(d->style.toQFont());
    } else if (name == "Caption") {
        SetCaption(v.text());
    } else if (name == "Default") {
        SetDefault(v.boolean());
    } else if (name == "Cancel") {
        SetCancel(v.boolean());
    } else if (name == "ButtonStyle") {
        d->buttonStyle = v.integer();
    } else {
        RectControl::applyProperty(name, v);
    }
}

// ------------------------------------------------------------------ Rectangle

struct Rectangle::Impl {
    RectLook look;

    void show(QWidget* w) const
    {
        if (auto* r = static_cast<RectangleWidget*>(w)) {
            r->look = look;
            r->update();
        }
    }
};

Rectangle::Rectangle() : d(std::make_unique<Impl>()) {}
Rectangle::~Rectangle() = default;

Color Rectangle::FillColor() const
{
    RequireUIThread();
    return d->look.fill;
}

void Rectangle::SetFillColor(Color color)
{
    RequireUIThread();
    d->look.fill = color;
    d->show(widget());
}

Color Rectangle::TopLeftColor() const
{
    RequireUIThread();
    return d->look.topLeft;
}

void Rectangle::SetTopLeftColor(Color color)
{
    RequireUIThread();
    d->look.topLeft = color;
    d->show(widget());
}

Color Rectangle::BottomRightColor() const
{
    RequireUIThread();
    return d->look.bottomRight;
}

void Rectangle::SetBottomRightColor(Color color)
{
    RequireUIThread();
    d->look.bottomRight = color;
    d->show(widget());
}

std::int64_t Rectangle::BorderWidth() const
{
    RequireUIThread();
    return d->look.borderWidth;
}

void Rectangle::SetBorderWidth(std::int64_t width)
{
    RequireUIThread();
    d->look.borderWidth = width;
    d->show(widget());
}

QWidget* Rectangle::createWidget(QWidget* parent)
{
    auto* r = new RectangleWidget(parent);
    r->look = d->look;
    return r;
}

std::optional<PropertyType> Rectangle::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"FillColor", PropertyType::Color},
        {"TopLeftColor", PropertyType::Color},
        {"BottomRightColor", PropertyType::Color},
        {"BorderWidth", PropertyType::Integer},
    };
    if (auto t = lookUp(table, name))
        return t;
    return RectControl::propertyType(name);
}

void Rectangle::applyProperty(const std::string& name, const PropertyValue& v)
{
    if (name == "FillColor")
        SetFillColor(v.color());
    else if (name == "TopLeftColor")
        SetTopLeftColor(v.color());
    else if (name == "BottomRightColor")
        SetBottomRightColor(v.color());
    else if (name == "BorderWidth")
        SetBorderWidth(v.integer());
    else
        RectControl::applyProperty(name, v);
}

// --------------------------------------------------------------------- Canvas

struct Canvas::Impl {
    std::shared_ptr<Picture> backdrop;
    bool transparent = true, eraseBackground = true, doubleBuffer = false;
    bool acceptTabs = false, acceptFocus = false, useFocusRing = true;

    void show(QWidget* w) const
    {
        if (auto* c = static_cast<CanvasWidget*>(w)) {
            c->picture = backdrop;
            c->transparent = transparent;
            c->eraseBackground = eraseBackground;
            c->setFocusPolicy(acceptFocus ? Qt::StrongFocus : Qt::NoFocus);
            c->update();
        }
    }
};

Canvas::Canvas() : d(std::make_unique<Impl>()) {}
Canvas::~Canvas() = default;

std::shared_ptr<Picture> Canvas::Backdrop() const
{
    RequireUIThread();
    return d->backdrop;
}

void Canvas::SetBackdrop(const std::shared_ptr<Picture>& picture)
{
    RequireUIThread();
    d->backdrop = picture;
    d->show(widget());
}

QWidget* Canvas::createWidget(QWidget* parent)
{
    auto* c = new CanvasWidget(parent);
    d->show(c);
    return c;
}

std::optional<PropertyType> Canvas::propertyType(const std::string& name) const
{
    static const TypeTable table = {
        {"Transparent", PropertyType::Boolean},  {"EraseBackground", PropertyType::Boolean},
        {"DoubleBuffer", PropertyType::Boolean}, {"AcceptTabs", PropertyType::Boolean},
        {"AcceptFocus", PropertyType::Boolean},  {"UseFocusRing", PropertyType::Boolean},
    };
    if (auto t = lookUp(table, name))
        return t;
    return RectControl::propertyType(name);
}

void Canvas::applyProperty(const std::string& name, const PropertyValue& v)
{
    if (name == "Transparent")
        d->transparent = v.boolean();
    else if (name == "EraseBackground")
        d->eraseBackground = v.boolean();
    else if (name == "DoubleBuffer")
        d->doubleBuffer = v.boolean(); // Qt always paints through a back buffer
    else if (name == "AcceptTabs")
        d->acceptTabs = v.boolean();
    else if (name == "AcceptFocus")
        d->acceptFocus = v.boolean();
    else if (name == "UseFocusRing")
        d->useFocusRing = v.boolean();
    else {
        RectControl::applyProperty(name, v);
        return;
    }
    d->show(widget());
}

// ------------------------------------------------------------------ ImageWell

struct ImageWell::Impl {
    std::shared_ptr<Picture> image;
};

ImageWell::ImageWell() : d(std::make_unique<Impl>()) {}
ImageWell::~ImageWell() = default;

std::shared_ptr<Picture> ImageWell::Image() const
{
    RequireUIThread();
    return d->image;
}

void ImageWell::SetImage(const std::shared_ptr<Picture>& picture)
{
    RequireUIThread();
    d->image = picture;
    if (auto* w = static_cast<ImageWellWidget*>(widget())) {
        w->picture = picture;
        w->update();
    }
}

QWidget* ImageWell::createWidget(QWidget* parent)
{
    auto* w = new ImageWellWidget(parent);
    w->picture = d->image;
    return w;
}

std::optional<PropertyType> ImageWell::propertyType(const std::string& name) const
{
    return RectControl::propertyType(name);
}

void ImageWell::applyProperty(const std::string& name, const PropertyValue& v) { RectControl::applyProperty(name, v); }

// ---------------------------------------------------------------------------

bool IsContextualClick()
{
    RequireUIThread();
    return currentContextualClick().value_or(false);
}

} // namespace corvanta
