// The first-series window on a screen scaled twice: this binary sets
// QT_SCALE_FACTOR=2 before its QApplication starts, so the screens report
// device pixel ratio 2 and the window's backdrop and flag must come from the
// "@2x" files, drawn pixel for pixel.

#include "checkwindow_road.h"
#include "picture.h"
#include "ui_fixture.h"
#include "window1.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

using namespace corvanta;

namespace {

// Runs before main, and so before the QApplication reads it.
const bool kScaled = qputenv("QT_SCALE_FACTOR", "2");

QImage bundleImage(const char* name)
{
    return QImage(QStringLiteral(CORVANTA_TEST_RESOURCES_DIR "/") + QString::fromLatin1(name))
        .convertToFormat(QImage::Format_RGB32);
}

// How many pixels of `shot` in `area` differ from `file` at the same place.
int differingPixels(const QImage& shot, const QImage& file, const QRect& area)
{
    const QImage drawn = shot.convertToFormat(QImage::Format_RGB32);
    int differing = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            differing += drawn.pixel(x, y) != file.pixel(x, y);
    return differing;
}

TEST(ScaledScreen, TheLoaderSeesRatioTwo)
{
    ASSERT_TRUE(kScaled) << "could not set QT_SCALE_FACTOR";
    EXPECT_EQ(Picture::LoadingPixelRatio(), 2.0);
}

using ScaledFirstSeriesWindow = UiTest;

TEST_F(ScaledFirstSeriesWindow, ShowsTheBackdropAndFlagOfTheDoubleFiles)
{
    ASSERT_TRUE(kScaled) << "could not set QT_SCALE_FACTOR";
    auto window = Window1::implicitInstance();
    ASSERT_NE(window, nullptr);
    road::check(*window, "S", "20731846957"); // Italy

    const auto backdrop = window->Backdrop();
    ASSERT_NE(backdrop, nullptr);
    EXPECT_EQ(backdrop->image().devicePixelRatio(), 2.0);
    EXPECT_EQ(backdrop->Width(), 611);
    EXPECT_EQ(backdrop->Height(), 328);
    const QImage page = window->contentWidget()->grab().toImage();
    ASSERT_EQ(page.size(), QSize(1222, 656));
    // The foot of the note, where no control stands: the file's own pixels.
    EXPECT_EQ(differingPixels(page, bundleImage("eurob@2x.gif"), QRect(40, 560, 520, 60)), 0);

    const auto flag = window->Canvas1()->Backdrop();
    ASSERT_NE(flag, nullptr);
    EXPECT_EQ(flag->image().devicePixelRatio(), 2.0);
    EXPECT_EQ(flag->Width(), 20);
    EXPECT_EQ(flag->Height(), 13);
    const QImage shown = road::named(*window, "Canvas1")->grab().toImage();
    ASSERT_EQ(shown.size(), QSize(40, 26));
    EXPECT_EQ(differingPixels(shown, bundleImage("italia@2x.png"), QRect(0, 0, 40, 26)), 0);
}

} // namespace
