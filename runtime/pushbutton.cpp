#include "controls.h"

#include "handlers.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textstyle.h"

#include <QPushButton>

namespace corvanta {

struct PushButton::Impl {
    std::string caption;
    bool isDefault = false, cancel = false;
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
    if (auto* b = static_cast<QPushButton*>(widget())) {
        b->setText(Impl::shown(caption));
        RefitText(b);
    }
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
    ApplyTextStyle(b, d->style);
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

std::optional<BoundProperty> PushButton::property(const std::string& name)
{
    static constexpr PropertyRow<PushButton> rows[] = {
        {"Caption", PropertyType::String, Through<&PushButton::SetCaption>},
        {"Default", PropertyType::Boolean, Through<&PushButton::SetDefault>},
        {"Cancel", PropertyType::Boolean, Through<&PushButton::SetCancel>},
        {"ButtonStyle", PropertyType::Integer, StoredWithoutEffect("every style is drawn as a push button")},
    };
    return BindRow(*this, rows, name);
}

TextStyle* PushButton::textStyle() { return &d->style; }

} // namespace corvanta
