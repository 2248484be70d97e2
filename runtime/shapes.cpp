#include "controls.h"

#include "handlers.h"
#include "picture.h"
#include "private/frameworkwidget.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"

#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace corvanta {

// ------------------------------------------------------------------ Rectangle

namespace {

struct RectLook {
    Color fill{0xFFFFFF};
    Color topLeft{0x000000};
    Color bottomRight{0x000000};
    std::int64_t borderWidth = 1;
};

class RectangleWidget : public FrameworkWidget {
public:
    using FrameworkWidget::FrameworkWidget;
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

} // namespace

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

std::optional<BoundProperty> Rectangle::property(const std::string& name)
{
    static constexpr PropertyRow<Rectangle> rows[] = {
        {"FillColor", PropertyType::Color, Through<&Rectangle::SetFillColor>},
        {"TopLeftColor", PropertyType::Color, Through<&Rectangle::SetTopLeftColor>},
        {"BottomRightColor", PropertyType::Color, Through<&Rectangle::SetBottomRightColor>},
        {"BorderWidth", PropertyType::Integer, Through<&Rectangle::SetBorderWidth>},
    };
    return BindRow(*this, rows, name);
}

// --------------------------------------------------------------------- Canvas

namespace {

class CanvasWidget : public FrameworkWidget {
public:
    using FrameworkWidget::FrameworkWidget;
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

} // namespace

struct Canvas::Impl {
    std::shared_ptr<Picture> backdrop;
    bool transparent = true, eraseBackground = true, acceptFocus = false;

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

    // A record kept here and shown on the widget, once there is one.
    template <bool Impl::*Field>
    static constexpr auto set = &KeepAndShow<&Canvas::d, Field, &Impl::show>;
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

std::optional<BoundProperty> Canvas::property(const std::string& name)
{
    static constexpr PropertyRow<Canvas> rows[] = {
        {"Transparent", PropertyType::Boolean, Impl::set<&Impl::transparent>},
        {"EraseBackground", PropertyType::Boolean, Impl::set<&Impl::eraseBackground>},
        {"DoubleBuffer", PropertyType::Boolean, StoredWithoutEffect("Qt always paints through a back buffer")},
        {"AcceptTabs", PropertyType::Boolean, StoredWithoutEffect("Tab always moves on to the next control")},
        {"AcceptFocus", PropertyType::Boolean, Impl::set<&Impl::acceptFocus>},
        {"UseFocusRing", PropertyType::Boolean, StoredWithoutEffect("a canvas draws no focus ring of its own")},
    };
    return BindRow(*this, rows, name);
}

// ------------------------------------------------------------------ ImageWell

namespace {

// Shows its picture centred, shrunk to fit when it is larger than the well.
class ImageWellWidget : public FrameworkWidget {
public:
    using FrameworkWidget::FrameworkWidget;
    std::shared_ptr<Picture> picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (!picture || picture->image().isNull())
            return;
        const QImage& image = picture->image();
        // Device-independent pixels: a picture read at twice the pixels
        // takes the same room as its 1x file.
        QSize size = image.deviceIndependentSize().toSize();
        if (size.width() > width() || size.height() > height())
            size.scale(this->size(), Qt::KeepAspectRatio);
        const QRect target((width() - size.width()) / 2, (height() - size.height()) / 2, size.width(), size.height());
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(target, image);
    }
};

} // namespace

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

} // namespace corvanta
