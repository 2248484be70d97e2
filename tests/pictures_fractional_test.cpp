// The check windows' backdrops on screens of a fractional device pixel ratio
// (1.25 and 1.5, common on laptops): the picture comes from its "@2x" file
// and is shrunk smoothly, so it looks like the file scaled down by an image
// program, not like every few pixels of it left out.
//
// Each window is painted as its screen would paint it, into an image of that
// ratio (what QWidget::grab does on such a screen).

#include "ui_fixture.h"

#include "picture.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <QImage>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>

using namespace corvanta;

namespace {

// The mean difference per colour channel (0 to 255) between the painted
// backdrop and the file shrunk smoothly, below which the two look the same.
// Smooth painting lies between 1 and 1.4 (the reference spreads the file over
// whole pixels, the painter over the exact fraction); leaving pixels out lies
// between 2.6 and 3.6 on the fine lines of these notes.
constexpr double kSmoothLimit = 2.0;

struct FractionalCase {
    const char* name;
    double ratio;
    std::shared_ptr<Window> (*open)();
    const char* doubleFile; // the backdrop's "@2x" file
};

void PrintTo(const FractionalCase& c, std::ostream* os) { *os << c.name; }

std::shared_ptr<Window> openFirstSeries() { return Window1::implicitInstance(); }
std::shared_ptr<Window> openSecondSeries() { return Window2::implicitInstance(); }

const FractionalCase kFractionalCases[] = {
    {"FirstSeriesAtOneAndAQuarter", 1.25, &openFirstSeries, "eurob@2x.gif"},
    {"FirstSeriesAtOneAndAHalf", 1.5, &openFirstSeries, "eurob@2x.gif"},
    {"SecondSeriesAtOneAndAQuarter", 1.25, &openSecondSeries, "eurob2@2x.jpg"},
    {"SecondSeriesAtOneAndAHalf", 1.5, &openSecondSeries, "eurob2@2x.jpg"},
};

class FractionalBackdrop : public UiTest, public ::testing::WithParamInterface<FractionalCase> {
protected:
    void SetUp() override { Picture::SetLoadingPixelRatioForTesting(GetParam().ratio); }

    void TearDown() override
    {
        UiTest::TearDown();
        Picture::SetLoadingPixelRatioForTesting(0);
    }
};

// The widget painted into an image of `ratio` device pixels per pixel.
QImage paintedAt(QWidget* widget, double ratio)
{
    QImage image(widget->size() * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::black);
    widget->render(&image);
    return image;
}

TEST_P(FractionalBackdrop, IsTheDoubleFileShrunkSmoothly)
{
    const FractionalCase& c = GetParam();
    const auto window = c.open();
    ASSERT_NE(window, nullptr);
    const auto backdrop = window->Backdrop();
    ASSERT_NE(backdrop, nullptr);
    ASSERT_EQ(backdrop->image().devicePixelRatio(), 2.0) << "the backdrop was not read from " << c.doubleFile;

    QWidget* content = window->contentWidget();
    const QImage painted = paintedAt(content, c.ratio);
    const QImage file(QStringLiteral(CORVANTA_TEST_RESOURCES_DIR "/") + QString::fromLatin1(c.doubleFile));
    ASSERT_FALSE(file.isNull()) << c.doubleFile;
    const QSize shrunkSize(std::lround(backdrop->Width() * c.ratio), std::lround(backdrop->Height() * c.ratio));
    const QImage reference =
        file.scaled(shrunkSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);

    // Only where the backdrop shows: not under a control (nor two pixels
    // around it, which its edge may tint), nor on the last row and column,
    // which the picture covers only in part.
    QRegion covered;
    for (QWidget* child : content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (!child->isVisibleTo(content))
            continue;
        const QRectF area(QPointF(child->geometry().topLeft()) * c.ratio, QSizeF(child->geometry().size()) * c.ratio);
        covered += area.toAlignedRect().adjusted(-2, -2, 2, 2);
    }
    const QRect shown = QRect(QPoint(0, 0), shrunkSize - QSize(1, 1)).intersected(painted.rect());
    const QRegion compared = QRegion(shown).subtracted(covered);

    double difference = 0;
    long pixels = 0;
    for (const QRect& area : compared) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb a = painted.pixel(x, y), b = reference.pixel(x, y);
                difference +=
                    std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
                ++pixels;
            }
        }
    }
    // Most of the note shows: the controls cover only a part of it.
    ASSERT_GT(pixels, static_cast<long>(shown.width()) * shown.height() / 2);
    const double mean = difference / (3.0 * static_cast<double>(pixels));
    EXPECT_LT(mean, kSmoothLimit) << "mean difference per channel from the file shrunk smoothly, over " << pixels
                                  << " pixels";
}

INSTANTIATE_TEST_SUITE_P(Screens,
                         FractionalBackdrop,
                         ::testing::ValuesIn(kFractionalCases),
                         [](const ::testing::TestParamInfo<FractionalCase>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
