#include "controls.h"

#include "handlers.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textstyle.h"

#include <QLabel>

namespace corvanta {

struct Label::Impl {
    std::string text;
    Color textColor{0x000000};
    std::int64_t align = 0;
    TextStyle style;
    bool selectable = false, multiline = false;

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
        applyAlignment(l);
        l->setTextInteractionFlags(selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
        ApplyTextStyle(l, style);
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
    if (auto* l = static_cast<QLabel*>(widget())) {
        l->setText(toQString(text));
        RefitText(l);
    }
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
    ApplyTextStyle(widget(), d->style);
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
        {"DataField", PropertyType::String},
        {"DataSource", PropertyType::String},
        {"Transparent", PropertyType::Boolean},
        {"Selectable", PropertyType::Boolean},
        {"Multiline", PropertyType::Boolean},
        {"TextColor", PropertyType::Color},
        {"TextAlign", PropertyType::Integer},
        {"Text", PropertyType::String},
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
        ApplyTextStyle(l, d->style);
    } else if (name == "Text") {
        SetText(v.text());
    } else if (name == "TextColor") {
        SetTextColor(v.color());
    } else if (name == "TextAlign") {
        SetTextAlign(v.integer());
    } else if (name == "Multiline") {
        d->multiline = v.boolean();
        if (l) {
            d->applyAlignment(l);
            RefitText(l);
        }
    } else if (name == "Selectable") {
        d->selectable = v.boolean();
        if (l)
            l->setTextInteractionFlags(d->selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
    } else {
        RectControl::applyProperty(name, v);
    }
}

void Label::opened()
{
    if (Open)
        Open(std::static_pointer_cast<Label>(shared_from_this()));
}

} // namespace corvanta
