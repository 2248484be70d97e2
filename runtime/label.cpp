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

std::optional<BoundProperty> Label::property(const std::string& name)
{
    static constexpr PropertyRow<Label> rows[] = {
        {"DataField", PropertyType::String, kNotBoundToData},
        {"DataSource", PropertyType::String, kNotBoundToData},
        {"Transparent", PropertyType::Boolean, StoredWithoutEffect("a label never paints a background")},
        {"Selectable",
         PropertyType::Boolean,
         [](Label& c, const PropertyValue& v) {
             c.d->selectable = v.boolean();
             if (auto* l = static_cast<QLabel*>(c.widget()))
                 l->setTextInteractionFlags(c.d->selectable ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
         }},
        {"Multiline",
         PropertyType::Boolean,
         [](Label& c, const PropertyValue& v) {
             c.d->multiline = v.boolean();
             if (auto* l = static_cast<QLabel*>(c.widget())) {
                 c.d->applyAlignment(l);
                 RefitText(l);
             }
         }},
        {"TextColor", PropertyType::Color, Through<&Label::SetTextColor>},
        {"TextAlign", PropertyType::Integer, Through<&Label::SetTextAlign>},
        {"Text", PropertyType::String, Through<&Label::SetText>},
    };
    return BindRow(*this, rows, name);
}

TextStyle* Label::textStyle() { return &d->style; }

void Label::opened()
{
    if (Open)
        Open(std::static_pointer_cast<Label>(shared_from_this()));
}

} // namespace corvanta
