#include "private/textstyle.h"

#include "controls.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

#include <algorithm>
#include <cmath>

namespace corvanta {

namespace {

// Smaller text is no longer readable.
constexpr int kSmallestPixelSize = 9;
// The windows' fixed places were laid out for a system font of this size. A
// larger desktop font would only grow the short texts while their longer
// neighbours shrink to fit, so the texts of a window stay at one size.
constexpr int kLaidOutPixelSize = 13;

// Where a widget draws its text, and the texts that must fit there. A field's
// text changes with every key, so only its height is fitted.
struct TextPlace {
    QRect area;
    QStringList texts;
};

TextPlace placeOf(const QWidget* w)
{
    if (const auto* label = qobject_cast<const QLabel*>(w)) {
        // A wrapping label has room below; its width is not fitted.
        return {label->contentsRect(), label->wordWrap() ? QStringList() : QStringList(label->text())};
    }
    if (const auto* button = qobject_cast<const QPushButton*>(w)) {
        QStyleOptionButton option;
        option.initFrom(button);
        if (button->isDefault())
            option.features |= QStyleOptionButton::DefaultButton;
        if (button->autoDefault())
            option.features |= QStyleOptionButton::AutoDefaultButton;
        QString caption = button->text();
        caption.replace(QStringLiteral("&&"), QStringLiteral("&"));
        return {button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button), {caption}};
    }
    if (const auto* combo = qobject_cast<const QComboBox*>(w)) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        QStringList rows;
        for (int i = 0; i < combo->count(); ++i)
            rows << combo->itemText(i);
        // The style draws the chosen row a pixel in from each side.
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        return {field.adjusted(1, 0, -1, 0), rows};
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(w)) {
        QStyleOptionFrame option;
        option.initFrom(edit);
        option.lineWidth =
            edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
        QRect area = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
        // The field keeps a pixel above and below its text.
        area = area.marginsRemoved(edit->textMargins()).adjusted(0, 1, 0, -1);
        return {area, {}};
    }
    return {w->contentsRect(), {}};
}

bool fits(const QFont& font, const TextPlace& place)
{
    const QFontMetrics metrics(font);
    if (metrics.height() > place.area.height())
        return false;
    return std::all_of(place.texts.begin(), place.texts.end(), [&](const QString& text) {
        return metrics.horizontalAdvance(text) <= place.area.width();
    });
}

QFont fittedFont(const QWidget* w, const TextStyle& style)
{
    QFont font = QApplication::font(w);
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    const TextPlace place = placeOf(w);
    int pixels = std::clamp(QFontInfo(font).pixelSize(), kSmallestPixelSize, kLaidOutPixelSize);
    font.setPixelSize(pixels);
    while (pixels > kSmallestPixelSize && !fits(font, place))
        font.setPixelSize(--pixels);
    return font;
}

// Keeps its widget's font fitted. A child of the widget, found again among
// its children.
class TextFit : public QObject {
public:
    explicit TextFit(QWidget* widget) : QObject(widget), widget_(widget)
    {
        widget->installEventFilter(this);
        // Qt tells windows, not every control, that the desktop's font changed.
        if (QWidget* window = widget->window(); window != widget)
            window->installEventFilter(this);
    }

    static TextFit* of(QWidget* widget)
    {
        for (QObject* child : widget->children())
            if (auto* fit = dynamic_cast<TextFit*>(child))
                return fit;
        return nullptr;
    }

    void setStyle(const TextStyle& style)
    {
        style_ = style;
        refit();
    }

    void refit()
    {
        if (refitting_)
            return;
        refitting_ = true;
        widget_->setFont(style_.fitsItsPlace() ? fittedFont(widget_, style_) : style_.toQFont());
        refitting_ = false;
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override
    {
        if (!style_.fitsItsPlace())
            return false;
        const QEvent::Type type = e->type();
        if (type == QEvent::ApplicationFontChange
            || (watched == widget_ && (type == QEvent::Resize || type == QEvent::StyleChange)))
            refit();
        return false;
    }

private:
    QWidget* widget_;
    TextStyle style_;
    bool refitting_ = false;
};

} // namespace

QFont TextStyle::toQFont() const
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

bool TextStyle::fitsItsPlace() const { return size <= 0.0f && (font.empty() || font == "System"); }

void ApplyTextStyle(QWidget* widget, const TextStyle& style)
{
    if (!widget)
        return;
    TextFit* fit = TextFit::of(widget);
    if (!fit)
        fit = new TextFit(widget);
    fit->setStyle(style);
}

void RefitText(QWidget* widget)
{
    if (!widget)
        return;
    if (TextFit* fit = TextFit::of(widget))
        fit->refit();
}

std::optional<BoundProperty> TextStyle::property(const std::string& name, const RectControl& control)
{
    static constexpr PropertyRow<TextStyle> rows[] = {
        {"Underline", PropertyType::Boolean, Store<&TextStyle::underline>},
        {"Italic", PropertyType::Boolean, Store<&TextStyle::italic>},
        {"Bold", PropertyType::Boolean, Store<&TextStyle::bold>},
        {"TextUnit", PropertyType::Byte, Store<&TextStyle::unit>},
        {"TextSize", PropertyType::Single, Store<&TextStyle::size>},
        {"TextFont", PropertyType::String, Store<&TextStyle::font>},
    };
    auto font = BindRow(*this, rows, name);
    if (font)
        font->apply = [this, &control, keep = std::move(font->apply)](const PropertyValue& v) {
            keep(v);
            ApplyTextStyle(control.widget(), *this);
        };
    return font;
}

} // namespace corvanta
