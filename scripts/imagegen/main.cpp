// Draws every picture that the application bundle carries: the seventeen
// flags of the result panel, the two check-window backdrops, the About picture
// and the application icon.
//
// Usage: corvanta-imagegen <images-dir> <icons-dir> <work-dir>
//
// Everything is drawn from code with fixed numbers (no randomness, text turned
// into outlines from the DejaVu files given by path), so two runs write the
// same bytes. Each picture but the icon is also drawn at twice its pixels,
// for screens of device pixel ratio 2, as "<name>@2x.<ext>". The first-series
// backdrop is written as <work-dir>/eurob.png and <work-dir>/eurob@2x.png; Qt
// has no GIF writer, scripts/make-images turns them into eurob.gif and
// eurob@2x.gif.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <map>
#include <numeric>
#include <numbers>
#include <utility>
#include <vector>

namespace {

constexpr int kFlagW = 20;
constexpr int kFlagH = 13;
constexpr double kPi = std::numbers::pi;

[[noreturn]] void fail(const QString& what)
{
    std::fprintf(stderr, "corvanta-imagegen: %s\n", qPrintable(what));
    std::exit(1);
}

void save(const QImage& img, const QString& path, const char* format, int quality = -1)
{
    if (!img.save(path, format, quality))
        fail(QStringLiteral("cannot write %1").arg(path));
}

// ---------------------------------------------------------------- flags ----

// Flags are drawn on whole pixels: at 20 x 13 every stripe edge must fall on
// a pixel edge, and the emblems are pixel art. At twice the size (`s` = 2)
// the stripes keep their edges on pixel edges, and the emblems and the
// saltires, which pixel art at 20 x 13 only hints at, are drawn anew in
// finer detail: the emblems as antialiased shapes in the coordinates of the
// 20 x 13 flag.

QImage blankFlag(QColor c, int s)
{
    QImage img(kFlagW * s, kFlagH * s, QImage::Format_RGB32);
    img.fill(c);
    return img;
}

void fillRect(QImage& img, int x, int y, int w, int h, QColor c)
{
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (xx >= 0 && yy >= 0 && xx < img.width() && yy < img.height())
                img.setPixelColor(xx, yy, c);
}

// A rectangle given in pixels of the 20 x 13 flag.
void fillBlock(QImage& img, int s, int x, int y, int w, int h, QColor c)
{
    fillRect(img, x * s, y * s, w * s, h * s, c);
}

using Bands = std::vector<std::pair<int, QColor>>;

// Stripes given as (size in pixels of the image, colour), top to bottom or
// hoist to fly; they must fill the image exactly.
QImage stripes(int s, const Bands& bands, bool acrossTheHeight)
{
    QImage img = blankFlag(Qt::white, s);
    int at = 0;
    for (const auto& [size, c] : bands) {
        if (acrossTheHeight)
            fillRect(img, 0, at, img.width(), size, c);
        else
            fillRect(img, at, 0, size, img.height(), c);
        at += size;
    }
    if (at != (acrossTheHeight ? img.height() : img.width()))
        fail(QStringLiteral("stripes do not add up"));
    return img;
}

// Stripes given as (size in pixels of the 20 x 13 flag, colour).
QImage scaledStripes(int s, Bands bands, bool acrossTheHeight)
{
    for (auto& band : bands)
        band.first *= s;
    return stripes(s, bands, acrossTheHeight);
}

QImage horizontal(int s, Bands bands) { return scaledStripes(s, bands, true); }

QImage vertical(int s, Bands bands) { return scaledStripes(s, bands, false); }

// Pixel art: one string per row, one character per pixel; characters missing
// from the palette (such as '.') leave the pixel as it is.
using Palette = std::map<char, QColor>;

void art(QImage& img, int x0, int y0, std::initializer_list<const char*> rows, const Palette& pal)
{
    int y = y0;
    for (const char* row : rows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            auto it = pal.find(row[x]);
            if (it != pal.end())
                img.setPixelColor(x0 + x, y, it->second);
        }
        ++y;
    }
}

// A painter on the flag in the coordinates of the 20 x 13 flag, for the
// emblems drawn at twice the size.
class Emblem : public QPainter {
public:
    Emblem(QImage& img, int s) : QPainter(&img)
    {
        setRenderHint(QPainter::Antialiasing);
        scale(s, s);
        setPen(Qt::NoPen);
    }
};

// A heater shield: straight sides down to its knee, then curving to a point.
QPainterPath shield(QRectF r)
{
    const double knee = r.top() + r.height() * 0.55;
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.topRight());
    path.lineTo(r.right(), knee);
    path.quadTo(r.right(), r.bottom(), r.center().x(), r.bottom());
    path.quadTo(r.left(), r.bottom(), r.left(), knee);
    path.closeSubpath();
    return path;
}

// A closed polygon through the corners, in order.
QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

const QColor kWhite(255, 255, 255);

QImage austria(int s)
{
    const QColor red(0xC8, 0x10, 0x2E);
    return horizontal(s, {{4, red}, {5, kWhite}, {4, red}});
}

QImage belgium(int s)
{
    return vertical(s, {{7, QColor(0x00, 0x00, 0x00)}, {6, QColor(0xFD, 0xDA, 0x24)}, {7, QColor(0xEF, 0x33, 0x40)}});
}

QImage cyprus(int s)
{
    const QColor copper(0xD5, 0x78, 0x00);
    const QColor olive(0x4E, 0x5B, 0x31);
    QImage img = blankFlag(kWhite, s);
    if (s == 1) {
        // The copper-coloured island with its north-eastern peninsula, and
        // the two olive branches below it.
        art(img,
            3,
            2,
            {
                "...........ooo",
                "......oooooo..",
                "..oooooooooo..",
                "ooooooooooo...",
                ".ooooooooo....",
                "...oooooo.....",
                "....ooo.......",
            },
            {{'o', copper}});
        art(img,
            5,
            9,
            {
                "g.g....g.g",
                ".ggg..ggg.",
                "...gggg...",
            },
            {{'g', olive}});
        return img;
    }
    Emblem p(img, s);
    QPainterPath island;
    island.moveTo(3.0, 6.2);
    island.cubicTo(4.2, 4.9, 6.2, 4.3, 8.6, 3.9);
    island.cubicTo(10.6, 3.6, 12.6, 3.3, 14.2, 2.8);
    island.lineTo(16.8, 1.9);
    island.lineTo(17.1, 2.5);
    island.cubicTo(15.8, 3.1, 15.0, 3.7, 14.6, 4.7);
    island.cubicTo(14.0, 6.0, 12.8, 7.0, 11.2, 7.8);
    island.cubicTo(10.0, 8.5, 8.8, 9.1, 7.9, 8.9);
    island.cubicTo(7.0, 8.0, 5.2, 7.0, 3.0, 6.2);
    p.fillPath(island, copper);
    // Two olive branches meeting below the island, three leaves a side.
    for (const double side : {-1.0, 1.0}) {
        QPainterPath twig;
        twig.moveTo(10 + side * 4.6, 9.4);
        twig.quadTo(10 + side * 3.0, 11.4, 10 + side * 0.3, 11.7);
        p.strokePath(twig, QPen(olive, 0.45, Qt::SolidLine, Qt::RoundCap));
        for (const double t : {0.2, 0.5, 0.8}) {
            const QPointF at = twig.pointAtPercent(t);
            p.save();
            p.translate(at);
            p.rotate(side * -35);
            p.setBrush(olive);
            p.drawEllipse(QPointF(0, -0.4), 0.7, 0.35);
            p.restore();
        }
    }
    return img;
}

QImage finland(int s)
{
    QImage img = blankFlag(kWhite, s);
    const QColor blue(0x00, 0x2F, 0x6C);
    fillBlock(img, s, 6, 0, 3, kFlagH, blue);
    fillBlock(img, s, 0, 5, kFlagW, 3, blue);
    return img;
}

QImage france(int s)
{
    return vertical(s, {{7, QColor(0x00, 0x26, 0x54)}, {6, kWhite}, {7, QColor(0xEF, 0x41, 0x35)}});
}

QImage germany(int s)
{
    return horizontal(s, {{4, QColor(0x00, 0x00, 0x00)}, {5, QColor(0xDD, 0x00, 0x00)}, {4, QColor(0xFF, 0xCE, 0x00)}});
}

QImage greece(int s)
{
    const QColor blue(0x0D, 0x5E, 0xAF);
    if (s == 1) {
        // Nine stripes cannot share 13 pixels evenly: the blue stripes that
        // border the canton's arms are one pixel, the others two, so the
        // canton is a 7 x 7 square split 3 + 1 + 3 by its cross.
        QImage img = horizontal(1,
                                {{2, blue},
                                 {1, kWhite},
                                 {1, blue},
                                 {1, kWhite},
                                 {2, blue},
                                 {1, kWhite},
                                 {2, blue},
                                 {1, kWhite},
                                 {2, blue}});
        fillRect(img, 0, 0, 7, 7, blue);
        fillRect(img, 3, 0, 1, 7, kWhite);
        fillRect(img, 0, 3, 7, 1, kWhite);
        return img;
    }
    // At 26 pixels every stripe is three pixels but the last, which is two:
    // the canton is five stripes square, its cross one stripe wide.
    QImage img = stripes(
        s,
        {{3, blue}, {3, kWhite}, {3, blue}, {3, kWhite}, {3, blue}, {3, kWhite}, {3, blue}, {3, kWhite}, {2, blue}},
        true);
    fillRect(img, 0, 0, 15, 15, blue);
    fillRect(img, 6, 0, 3, 15, kWhite);
    fillRect(img, 0, 6, 15, 3, kWhite);
    return img;
}

QImage ireland(int s)
{
    return vertical(s, {{7, QColor(0x16, 0x9B, 0x62)}, {6, kWhite}, {7, QColor(0xFF, 0x88, 0x3E)}});
}

QImage italy(int s) { return vertical(s, {{7, QColor(0x00, 0x92, 0x46)}, {6, kWhite}, {7, QColor(0xCE, 0x2B, 0x37)}}); }

QImage luxembourg(int s)
{
    return horizontal(s, {{4, QColor(0xEA, 0x14, 0x1D)}, {5, kWhite}, {4, QColor(0x00, 0xA1, 0xDE)}});
}

QImage malta(int s)
{
    const QColor red(0xCF, 0x14, 0x2B);
    const QColor grey(0xA8, 0xA8, 0xA8);
    QImage img = vertical(s, {{10, kWhite}, {10, red}});
    if (s == 1) {
        // The George Cross, grey with a darker rim, in the upper hoist.
        art(img,
            1,
            1,
            {
                "..g..",
                ".dgd.",
                "ggggg",
                ".dgd.",
                "..g..",
            },
            {{'g', grey}, {'d', red}});
        return img;
    }
    // The George Cross, grey edged in red, its arms widening to their ends.
    Emblem p(img, s);
    QPainterPath cross;
    const QPointF c(3.5, 3.5);
    for (int arm = 0; arm < 4; ++arm) {
        const QPainterPath one = polygon({{0, -0.45}, {2.3, -0.7}, {2.3, 0.7}, {0, 0.45}});
        cross = cross.united(QTransform().translate(c.x(), c.y()).rotate(90 * arm).map(one));
    }
    p.setPen(QPen(red, 0.2));
    p.setBrush(grey);
    p.drawPath(cross);
    return img;
}

QImage netherlands(int s)
{
    return horizontal(s, {{4, QColor(0xAE, 0x1C, 0x28)}, {5, kWhite}, {4, QColor(0x21, 0x46, 0x8B)}});
}

QImage poland(int s) { return horizontal(s, {{6, kWhite}, {7, QColor(0xDC, 0x14, 0x3C)}}); }

QImage portugal(int s)
{
    const QColor yellow(0xFF, 0xE0, 0x00);
    const QColor red(0xDA, 0x29, 0x1C);
    const QColor blue(0x00, 0x33, 0x99);
    QImage img = vertical(s, {{8, QColor(0x04, 0x6A, 0x38)}, {12, red}});
    if (s == 1) {
        // The armillary sphere on the border of the two fields, the shield
        // on it.
        art(img,
            5,
            3,
            {
                "..yyy..",
                ".yrrry.",
                "yyrwryy",
                "y.rbr.y",
                "yyrwryy",
                ".y.r.y.",
                "..yyy..",
            },
            {{'y', yellow}, {'r', red}, {'w', kWhite}, {'b', blue}});
        return img;
    }
    // The sphere's ring and its bands; on it the red shield bordering the
    // white one, and on that the five blue shields.
    Emblem p(img, s);
    const QPointF c(8.5, 6.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(yellow, 0.7));
    p.drawEllipse(c, 3.0, 3.0);
    p.setPen(QPen(yellow, 0.45));
    p.drawEllipse(c, 3.0, 1.0);
    p.drawLine(QPointF(c.x() - 2.6, c.y() - 1.5), QPointF(c.x() + 2.6, c.y() + 1.5));
    p.setPen(Qt::NoPen);
    p.fillPath(shield(QRectF(6.9, 4.0, 3.2, 5.2)), red);
    p.fillPath(shield(QRectF(7.45, 4.5, 2.1, 4.0)), kWhite);
    p.setBrush(blue);
    for (const QPointF d : {QPointF(0, -0.8), QPointF(0, 0), QPointF(0, 0.8), QPointF(-0.65, 0), QPointF(0.65, 0)})
        p.drawEllipse(c + QPointF(0, -0.1) + d, 0.28, 0.32);
    return img;
}

QImage slovenia(int s)
{
    const QColor red(0xED, 0x1C, 0x24);
    const QColor blue(0x00, 0x5D, 0xA4);
    const QColor gold(0xFF, 0xDD, 0x00);
    QImage img = horizontal(s, {{4, kWhite}, {5, blue}, {4, red}});
    if (s == 1) {
        // The shield across the white and blue stripes: the white mountain
        // under the gold stars, on blue, rimmed red.
        art(img,
            3,
            2,
            {
                "rrrrr",
                "ryByr",
                "rBwBr",
                "rwwwr",
                ".rBr.",
                "..r..",
            },
            {{'r', red}, {'B', blue}, {'w', kWhite}, {'y', gold}});
        return img;
    }
    // The same shield: the three peaks in white with the two waves below
    // them, the three stars above, and the red rim.
    Emblem p(img, s);
    const QPainterPath outline = shield(QRectF(3.2, 2.2, 4.6, 5.6));
    p.fillPath(outline, blue);
    p.save();
    p.setClipPath(outline);
    p.fillPath(polygon({{3.0, 6.4},
                        {4.4, 5.0},
                        {4.9, 5.4},
                        {5.5, 4.2},
                        {6.1, 5.4},
                        {6.6, 5.0},
                        {8.0, 6.4},
                        {8.0, 8.0},
                        {3.0, 8.0}}),
               kWhite);
    for (const double y : {6.3, 6.95}) {
        QPainterPath waves(QPointF(3.0, y));
        for (double x = 3.0; x < 8.0; x += 1.0)
            waves.cubicTo(x + 0.35, y - 0.3, x + 0.65, y + 0.3, x + 1.0, y);
        p.strokePath(waves, QPen(blue, 0.3));
    }
    p.restore();
    p.setBrush(gold);
    for (const QPointF star : {QPointF(4.6, 3.0), QPointF(6.4, 3.0), QPointF(5.5, 3.6)})
        p.drawEllipse(star, 0.42, 0.42);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(red, 0.45));
    p.drawPath(outline);
    return img;
}

QImage spain(int s)
{
    const QColor red(0xAA, 0x15, 0x1B);
    const QColor yellow(0xF1, 0xBF, 0x00);
    const QColor crown(0x9C, 0x5A, 0x00);
    const QColor pillar(0x9E, 0x9E, 0x9E);
    QImage img = horizontal(s, {{3, red}, {7, yellow}, {3, red}});
    if (s == 1) {
        // The arms in the hoist half of the yellow band: crown, quartered
        // shield and the two pillars beside it.
        art(img,
            4,
            3,
            {
                "..cc..",
                "prrwwp",
                "prrwwp",
                "pyrrrp",
                "..rr..",
            },
            {{'c', crown}, {'r', red}, {'w', kWhite}, {'y', yellow}, {'p', pillar}});
        return img;
    }
    // The same arms: the crown on the quartered shield (castle red, lion
    // white, the bars of Aragon, Navarre red), a pillar either side.
    Emblem p(img, s);
    p.fillPath(polygon({{5.9, 4.0}, {5.8, 3.2}, {6.4, 3.6}, {7.0, 3.0}, {7.6, 3.6}, {8.2, 3.2}, {8.1, 4.0}}), crown);
    const QPainterPath outline = shield(QRectF(5.3, 4.1, 3.4, 4.1));
    p.save();
    p.setClipPath(outline);
    p.fillRect(QRectF(5.3, 4.1, 1.7, 2.0), red);
    p.fillRect(QRectF(7.0, 4.1, 1.7, 2.0), kWhite);
    p.fillRect(QRectF(5.3, 6.1, 1.7, 2.1), yellow);
    for (const double x : {5.65, 6.35})
        p.fillRect(QRectF(x, 6.1, 0.35, 2.1), red);
    p.fillRect(QRectF(7.0, 6.1, 1.7, 2.1), red);
    p.restore();
    for (const double x : {4.0, 9.2}) {
        p.fillRect(QRectF(x + 0.15, 4.4, 0.5, 3.0), pillar);
        p.fillRect(QRectF(x, 4.1, 0.8, 0.35), pillar);
        p.fillRect(QRectF(x, 7.35, 0.8, 0.35), pillar);
    }
    return img;
}

QImage unitedKingdom(int s)
{
    const QColor blue(0x01, 0x21, 0x69);
    const QColor red(0xC8, 0x10, 0x2E);
    QImage img = blankFlag(blue, s);
    // The saltires are classified at each pixel's centre instead of being
    // antialiased: at this size blended edges turn the thin red arms pink.
    const double cx = kFlagW / 2.0, cy = kFlagH / 2.0;
    const double len = std::hypot(cx, cy);
    const double white = 1.2; // half the white saltire, across the arm, in pixels of the 20 x 13 flag
    const double redWidth = 1.0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const double px = (x + 0.5) / s - cx, py = (y + 0.5) / s - cy;
            // The arm of the quarter the pixel lies in, as a unit vector from
            // the centre to that corner.
            const double dx = (px < 0 ? -cx : cx) / len, dy = (py < 0 ? -cy : cy) / len;
            // Signed distance across the arm; positive is the side the red
            // is moved to, the same turning sense in every quarter, so that
            // the broad white lies uppermost at the hoist.
            const double across = px * dy - py * dx;
            if (std::abs(across) <= white)
                img.setPixelColor(x, y, across >= 0 && across < redWidth ? red : kWhite);
        }
    }
    // The cross of St George on its white border, on whole pixels.
    fillBlock(img, s, 8, 0, 4, kFlagH, kWhite);
    fillBlock(img, s, 0, 4, kFlagW, 5, kWhite);
    fillBlock(img, s, 9, 0, 2, kFlagH, red);
    fillBlock(img, s, 0, 5, kFlagW, 3, red);
    return img;
}

// ------------------------------------------------------------ drawing ----

struct Fonts {
    QString sans;
    QString sansBold;
    QString serifBold;
};

QString loadFont(const QString& file)
{
    const int id = QFontDatabase::addApplicationFont(file);
    if (id < 0)
        fail(QStringLiteral("cannot load font %1").arg(file));
    return QFontDatabase::applicationFontFamilies(id).value(0);
}

Fonts loadFonts()
{
    const QString dir = QStringLiteral("/usr/share/fonts/truetype/dejavu/");
    Fonts f;
    f.sans = loadFont(dir + QStringLiteral("DejaVuSans.ttf"));
    f.sansBold = loadFont(dir + QStringLiteral("DejaVuSans-Bold.ttf"));
    f.serifBold = loadFont(dir + QStringLiteral("DejaVuSerif-Bold.ttf"));
    return f;
}

// Text as outlines, so the result does not hang on hinting or on the font
// configuration of the machine. The path's baseline starts at the origin.
QPainterPath textPath(const QString& family, bool bold, double pixelSize, const QString& text, double spacing = 0)
{
    QFont font(family);
    font.setPixelSize(1000); // outlines at a large size, scaled down below
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    if (spacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing * 1000 / pixelSize);
    QPainterPath path;
    path.addText(0, 0, font, text);
    return QTransform::fromScale(pixelSize / 1000, pixelSize / 1000).map(path);
}

// The path moved so that its box is centred on x and its baseline lies on y.
QPainterPath centred(const QPainterPath& path, double x, double baseline)
{
    const QRectF box = path.boundingRect();
    return path.translated(x - box.center().x(), baseline);
}

// The path moved so that its box is centred on the point.
QPainterPath centredBox(const QPainterPath& path, QPointF c)
{
    const QRectF box = path.boundingRect();
    return path.translated(c - box.center());
}

QColor withAlpha(QColor c, int alpha)
{
    c.setAlpha(alpha);
    return c;
}

// A closed ring around c whose radius swings `amp` about `base`, `lobes`
// times round.
QPainterPath lobedRing(QPointF c, double base, double amp, int lobes, double phase)
{
    QPainterPath path;
    const int steps = 1440;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2 * kPi * i / steps;
        const double r = base + amp * std::sin(lobes * t + phase);
        const QPointF p(c.x() + r * std::cos(t), c.y() + r * std::sin(t));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// Hypotrochoid (the spirograph curve) of a wheel of radius r rolling inside
// a ring of radius R, pen at distance d; R and r whole numbers, so it closes.
QPainterPath hypotrochoid(QPointF c, int R, int r, double d, double scale, double rotation)
{
    const int turns = r / std::gcd(R, r);
    const int steps = 720 * turns;
    QPainterPath path;
    for (int i = 0; i <= steps; ++i) {
        const double t = 2 * kPi * turns * i / steps;
        const double x = (R - r) * std::cos(t) + d * std::cos((R - r) * t / r);
        const double y = (R - r) * std::sin(t) - d * std::sin((R - r) * t / r);
        const double xr = x * std::cos(rotation) - y * std::sin(rotation);
        const double yr = x * std::sin(rotation) + y * std::cos(rotation);
        const QPointF p(c.x() + xr * scale, c.y() + yr * scale);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

// An open wave from x0 to x1 about the line y.
QPainterPath wave(double x0, double x1, double y, double amp, double wavelength, double phase)
{
    QPainterPath path;
    const int steps = static_cast<int>((x1 - x0) * 2);
    for (int i = 0; i <= steps; ++i) {
        const double x = x0 + (x1 - x0) * i / steps;
        const QPointF p(x, y + amp * std::sin(2 * kPi * (x - x0) / wavelength + phase));
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    return path;
}

void strokePath(QPainter& p, const QPainterPath& path, QColor c, double width)
{
    p.strokePath(path, QPen(c, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

// A braided guilloche ribbon: two families of waves in opposite phase.
void ribbon(
    QPainter& p, double x0, double x1, double y, double amp, double wavelength, int strands, QColor c, double width)
{
    for (int i = 0; i < strands; ++i) {
        const double ph = 2 * kPi * i / strands * 0.5;
        strokePath(p, wave(x0, x1, y, amp, wavelength, ph), c, width);
        strokePath(p, wave(x0, x1, y, amp, wavelength, ph + kPi), c, width);
    }
}

// A guilloche rosette: a band of lobed rings round a ring of spirograph
// loops, and in the clear middle a euro sign.
void rosette(QPainter& p, const Fonts& fonts, QPointF c, double radius, QColor loops, QColor rings, QColor sign)
{
    QRadialGradient wash(c, radius * 1.05);
    wash.setColorAt(0, withAlpha(rings, 0));
    wash.setColorAt(0.55, withAlpha(rings, 40));
    wash.setColorAt(0.9, withAlpha(rings, 55));
    wash.setColorAt(1, withAlpha(rings, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(wash);
    p.drawEllipse(c, radius * 1.05, radius * 1.05);

    // Pen distance 22 on a 44 wheel in a 120 ring: loops between 54 and 98.
    const double scale = radius * 0.76 / 98;
    for (int i = 0; i < 10; ++i)
        strokePath(p, hypotrochoid(c, 120, 44, 22, scale, 2 * kPi * i / 10 / 30), loops, 0.55);
    for (int i = 0; i < 12; ++i)
        strokePath(p, lobedRing(c, radius * 0.88, radius * 0.08, 20, 2 * kPi * i / 12), rings, 0.65);
    strokePath(p, lobedRing(c, radius * 1.0, radius * 0.02, 80, 0), rings, 0.8);
    strokePath(p, lobedRing(c, radius * 0.79, radius * 0.012, 60, 0), rings, 0.6);

    const double hole = 54 * scale;
    p.setPen(QPen(rings, 0.8));
    p.setBrush(QColor(0xFB, 0xF9, 0xF2, 215));
    p.drawEllipse(c, hole - 2, hole - 2);
    const QPainterPath euro = centredBox(textPath(fonts.serifBold, true, hole * 1.25, QStringLiteral("\u20AC")), c);
    p.fillPath(euro, withAlpha(sign, 90));
    strokePath(p, euro, withAlpha(sign, 200), 0.7);
}

// A field of fine crossing waves, the tint of a note's paper.
void tint(QPainter& p, QRectF area, QColor c, double pitch)
{
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    for (double y = area.top() - 20; y < area.bottom() + 20; y += pitch) {
        strokePath(p, wave(area.left(), area.right(), y, 3.0, 90, y * 0.05), c, 0.5);
        strokePath(p, wave(area.left(), area.right(), y + pitch / 2, 3.0, 90, y * 0.05 + kPi), c, 0.5);
    }
    p.restore();
}

// The calm field behind a window's labels and controls: paper-white, with
// a fine double rule round it.
void cartouche(QPainter& p, QRectF r, QColor rule)
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFC, 0xFB, 0xF6));
    p.drawRoundedRect(r, 9, 9);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rule, 1.0));
    p.drawRoundedRect(r, 9, 9);
    p.setPen(QPen(withAlpha(rule, 120), 0.6));
    p.drawRoundedRect(r.adjusted(3, 3, -3, -3), 7, 7);
}

void noteFrame(QPainter& p, QRectF r, QColor rule)
{
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(rule, 1.2));
    p.drawRoundedRect(r, 12, 12);
    p.setPen(QPen(withAlpha(rule, 110), 0.6));
    p.drawRoundedRect(r.adjusted(4, 4, -4, -4), 9, 9);
}

// A line of microtext, as on the edges of a note.
void microtext(QPainter& p, const Fonts& fonts, double x0, double x1, double baseline, QColor c)
{
    QString text;
    while (text.size() < 400)
        text += QStringLiteral("CORVANTA \u00B7 EURO \u00B7 ");
    QPainterPath path = textPath(fonts.sansBold, true, 5.5, text);
    path.translate(x0, baseline);
    p.save();
    p.setClipRect(QRectF(x0, baseline - 8, x1 - x0, 12), Qt::IntersectClip);
    p.fillPath(path, c);
    p.restore();
}

// First-series backdrop: the controls stand in the upper right; the result
// panel, with its own fill, below them.
QImage firstSeriesBackdrop(const Fonts& fonts, int s)
{
    QImage img(611 * s, 328 * s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    QLinearGradient paper(0, 0, 611, 328);
    paper.setColorAt(0, QColor(0xF2, 0xEF, 0xE4));
    paper.setColorAt(1, QColor(0xEC, 0xF0, 0xEC));
    p.fillRect(QRect(0, 0, 611, 328), paper);

    const QColor teal(0x5E, 0x8C, 0x86);
    const QColor slate(0x6F, 0x84, 0xA8);
    const QColor ochre(0xC9, 0xA8, 0x62);

    tint(p, QRectF(0, 0, 611, 328), withAlpha(teal, 34), 7);

    // A wash of colour over the left half, where the rosette stands.
    QLinearGradient wash(0, 0, 330, 0);
    wash.setColorAt(0, withAlpha(teal, 46));
    wash.setColorAt(0.7, withAlpha(teal, 22));
    wash.setColorAt(1, withAlpha(teal, 0));
    p.fillRect(QRectF(0, 0, 330, 328), wash);

    rosette(p, fonts, QPointF(160, 154), 104, withAlpha(slate, 110), withAlpha(teal, 130), ochre.darker(130));

    // A band down the middle of the note, between the rosette and the controls.
    p.save();
    p.translate(284, 0);
    p.rotate(90);
    ribbon(p, 14, 262, 0, 6, 40, 5, withAlpha(ochre, 130), 0.55);
    p.setPen(QPen(withAlpha(ochre, 150), 0.7));
    p.drawLine(QPointF(14, -7.5), QPointF(262, -7.5));
    p.drawLine(QPointF(14, 7.5), QPointF(262, 7.5));
    p.restore();

    // Ribbons along the foot of the note, with microtext between them.
    ribbon(p, 18, 593, 290, 7, 64, 6, withAlpha(teal, 110), 0.6);
    ribbon(p, 18, 593, 290, 3, 32, 3, withAlpha(ochre, 120), 0.5);
    microtext(p, fonts, 22, 589, 307, withAlpha(slate, 150));
    microtext(p, fonts, 22, 589, 276, withAlpha(slate, 120));

    const QPainterPath word = textPath(fonts.serifBold, true, 20, QStringLiteral("EURO"), 9);
    p.fillPath(word.translated(26, 40), withAlpha(slate, 160));

    noteFrame(p, QRectF(6.5, 6.5, 598, 315), withAlpha(teal, 170));
    cartouche(p, QRectF(312.5, 6.5, 280, 115), withAlpha(teal, 160));
    return img;
}

// Second-series backdrop: controls in the upper right, the result panel in
// the lower left.
QImage secondSeriesBackdrop(const Fonts& fonts, int s)
{
    QImage img(445 * s, 248 * s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);

    QLinearGradient paper(0, 0, 445, 248);
    paper.setColorAt(0, QColor(0xEE, 0xF2, 0xF1));
    paper.setColorAt(1, QColor(0xF3, 0xEF, 0xE6));
    p.fillRect(QRect(0, 0, 445, 248), paper);

    const QColor blue(0x5A, 0x78, 0xA8);
    const QColor green(0x5C, 0x93, 0x7E);
    const QColor copper(0xC0, 0x8A, 0x5A);

    tint(p, QRectF(0, 0, 445, 248), withAlpha(blue, 30), 7);

    QLinearGradient wash(445, 248, 250, 80);
    wash.setColorAt(0, withAlpha(green, 50));
    wash.setColorAt(1, withAlpha(green, 0));
    p.fillRect(QRectF(0, 0, 445, 248), wash);

    rosette(p, fonts, QPointF(376, 174), 58, withAlpha(blue, 110), withAlpha(green, 130), copper.darker(130));

    ribbon(p, 14, 238, 64, 9, 56, 6, withAlpha(green, 110), 0.6);
    ribbon(p, 14, 238, 64, 4, 28, 3, withAlpha(copper, 120), 0.5);
    const QPainterPath word = textPath(fonts.serifBold, true, 22, QStringLiteral("EURO"), 9);
    p.fillPath(word.translated(30, 40), withAlpha(blue, 150));
    microtext(p, fonts, 16, 236, 92, withAlpha(blue, 130));

    noteFrame(p, QRectF(4.5, 3.5, 436, 241), withAlpha(green, 170));
    // The controls reach the right edge: the calm field runs off it.
    cartouche(p, QRectF(242.5, -20.5, 230, 124), withAlpha(green, 160));
    return img;
}

// ------------------------------------------------- About picture, icon ----

// A banknote in its own coordinates, centred on the origin, w x h.
void drawNote(QPainter& p, const Fonts& fonts, double w, double h, bool serial)
{
    const QRectF r(-w / 2, -h / 2, w, h);
    const QColor green(0x4F, 0x86, 0x76);
    const QColor blue(0x55, 0x70, 0xA6);
    const QColor ochre(0xB8, 0x92, 0x48);

    QLinearGradient paper(r.topLeft(), r.bottomRight());
    paper.setColorAt(0, QColor(0xEE, 0xF3, 0xE9));
    paper.setColorAt(1, QColor(0xDC, 0xE9, 0xE1));
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawRoundedRect(r, h * 0.07, h * 0.07);

    p.save();
    QPainterPath clip;
    clip.addRoundedRect(r, h * 0.07, h * 0.07);
    p.setClipPath(clip, Qt::IntersectClip);
    tint(p, r, withAlpha(green, 60), h * 0.07);
    ribbon(p, r.left(), r.right(), r.bottom() - h * 0.1, h * 0.035, h * 0.3, 4, withAlpha(green, 150), 0.5);
    p.restore();

    rosette(p,
            fonts,
            QPointF(r.left() + h * 0.5, 0),
            h * 0.36,
            withAlpha(blue, 120),
            withAlpha(green, 150),
            ochre.darker(140));

    const QPainterPath word = textPath(fonts.serifBold, true, h * 0.14, QStringLiteral("EURO"), h * 0.05);
    p.fillPath(word.translated(r.left() + h * 1.0, r.top() + h * 0.26), withAlpha(blue, 200));
    for (int i = 0; i < 3; ++i)
        strokePath(
            p,
            wave(r.left() + h * 1.0, r.right() - h * 0.12, r.top() + h * (0.4 + 0.08 * i), h * 0.02, h * 0.25, i * 1.3),
            withAlpha(ochre, 170),
            0.6);
    if (serial) {
        // A first-series number that passes its check.
        const QPainterPath number =
            textPath(fonts.sansBold, true, h * 0.105, QStringLiteral("S20731846957"), h * 0.008);
        const double right = r.right() - h * 0.12;
        p.fillPath(number.translated(right - number.boundingRect().right(), r.top() + h * 0.8),
                   QColor(0x3A, 0x2E, 0x2A));
    }

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(green, 200), 1.0));
    p.drawRoundedRect(r.adjusted(h * 0.04, h * 0.04, -h * 0.04, -h * 0.04), h * 0.05, h * 0.05);
    p.setPen(QPen(QColor(0x6E, 0x86, 0x7C), 1.0));
    p.drawRoundedRect(r, h * 0.07, h * 0.07);
}

// A magnifying glass over `lens` (radius `radius`), showing `scene` enlarged
// `zoom` times, its handle pointing along `angle` (degrees, clockwise from
// the right).
template <class Scene>
void magnifier(QPainter& p, QPointF lens, double radius, double zoom, double angle, Scene scene)
{
    const double a = angle * kPi / 180;
    const QPointF dir(std::cos(a), std::sin(a));
    const double rim = radius * 0.16;

    // Shadow of the glass and handle.
    p.setPen(QPen(QColor(0, 0, 0, 60), rim * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + dir * radius + QPointF(4, 5), lens + dir * (radius * 2.45) + QPointF(4, 5));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 50));
    p.drawEllipse(lens + QPointF(4, 5), radius + rim, radius + rim);

    // Handle: dark wood with a gilt ferrule.
    QLinearGradient wood(lens + dir * radius, lens + dir * (radius * 2.4));
    wood.setColorAt(0, QColor(0x5A, 0x3C, 0x28));
    wood.setColorAt(1, QColor(0x3A, 0x26, 0x1A));
    p.setPen(QPen(QBrush(wood), rim * 1.7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(lens + dir * (radius * 1.45), lens + dir * (radius * 2.4));
    p.setPen(QPen(QColor(0xC9, 0xA2, 0x4A), rim * 1.1, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(lens + dir * (radius + rim * 0.5), lens + dir * (radius * 1.5));

    // The enlarged view.
    p.save();
    QPainterPath glass;
    glass.addEllipse(lens, radius, radius);
    p.setClipPath(glass);
    p.translate(lens);
    p.scale(zoom, zoom);
    p.translate(-lens);
    scene(p);
    p.restore();

    // Glass tint and a highlight.
    QRadialGradient shine(lens - QPointF(radius * 0.35, radius * 0.4), radius * 1.2);
    shine.setColorAt(0, QColor(255, 255, 255, 70));
    shine.setColorAt(0.5, QColor(255, 255, 255, 10));
    shine.setColorAt(1, QColor(120, 170, 200, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(lens, radius, radius);

    // Gilt rim.
    QLinearGradient gilt(lens - QPointF(radius, radius), lens + QPointF(radius, radius));
    gilt.setColorAt(0, QColor(0xF1, 0xD7, 0x8C));
    gilt.setColorAt(0.5, QColor(0xC9, 0xA2, 0x4A));
    gilt.setColorAt(1, QColor(0x8A, 0x68, 0x26));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(gilt), rim));
    p.drawEllipse(lens, radius + rim / 2, radius + rim / 2);
    p.setPen(QPen(QColor(0x4A, 0x36, 0x14, 160), 1.0));
    p.drawEllipse(lens, radius + rim, radius + rim);
    p.drawEllipse(lens, radius, radius);
}

void deepBackground(QPainter& p, QRectF r)
{
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0, QColor(0x1C, 0x2F, 0x4E));
    sky.setColorAt(1, QColor(0x2A, 0x5A, 0x6C));
    p.fillRect(r, sky);
}

QImage aboutPicture(const Fonts& fonts, int s)
{
    QImage img(425 * s, 290 * s, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s, s);
    const QRect area(0, 0, 425, 290);
    deepBackground(p, area);
    tint(p, area, QColor(255, 255, 255, 14), 9);
    strokePath(p, lobedRing(QPointF(372, 232), 120, 8, 24, 0), QColor(255, 255, 255, 22), 0.8);
    strokePath(p, lobedRing(QPointF(372, 232), 104, 6, 18, 1), QColor(255, 255, 255, 18), 0.8);

    const QPainterPath title = centred(textPath(fonts.serifBold, true, 50, QStringLiteral("Corvanta")), 212.5, 64);
    p.fillPath(title.translated(2, 3), QColor(0, 0, 0, 90));
    QLinearGradient gold(0, 22, 0, 66);
    gold.setColorAt(0, QColor(0xFB, 0xF1, 0xD2));
    gold.setColorAt(1, QColor(0xE2, 0xC2, 0x78));
    p.fillPath(title, gold);
    const QPainterPath motto =
        centred(textPath(fonts.sans, false, 13, QStringLiteral("euro banknote serial numbers"), 1.2), 212.5, 88);
    p.fillPath(motto, QColor(0xC4, 0xD8, 0xDE));

    const QPointF noteCentre(180, 186);
    const double tilt = -7;
    auto scene = [&](QPainter& q) {
        q.save();
        q.translate(noteCentre);
        q.rotate(tilt);
        drawNote(q, fonts, 250, 130, true);
        q.restore();
    };
    // Note shadow, then the note.
    p.save();
    p.translate(noteCentre + QPointF(5, 6));
    p.rotate(tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(-125, -65, 250, 130), 9, 9);
    p.restore();
    scene(p);

    // The glass over the serial number.
    const QPointF lens = QTransform().translate(noteCentre.x(), noteCentre.y()).rotate(tilt).map(QPointF(64, 34));
    magnifier(p, lens, 42, 1.9, 35, scene);
    return img;
}

QImage appIcon(const Fonts& fonts)
{
    QImage img(256, 256, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath tile;
    tile.addRoundedRect(QRectF(8, 8, 240, 240), 44, 44);
    p.save();
    p.setClipPath(tile);
    deepBackground(p, QRectF(8, 8, 240, 240));
    tint(p, QRectF(8, 8, 240, 240), QColor(255, 255, 255, 16), 10);
    p.restore();

    const QPointF noteCentre(116, 108);
    const double tilt = -12;
    auto scene = [&](QPainter& q) {
        q.save();
        q.translate(noteCentre);
        q.rotate(tilt);
        drawNote(q, fonts, 180, 96, false);
        q.restore();
    };
    p.save();
    p.translate(noteCentre + QPointF(4, 6));
    p.rotate(tilt);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRoundedRect(QRectF(-90, -48, 180, 96), 7, 7);
    p.restore();
    scene(p);
    const QPointF lens = QTransform().translate(noteCentre.x(), noteCentre.y()).rotate(tilt).map(QPointF(-42, 0));
    magnifier(p, lens, 46, 1.7, 45, scene);
    return img;
}

// The file name of the picture drawn at `s` times its size: "austria.png",
// "austria@2x.png".
QString sized(const char* name, int s)
{
    QString file = QString::fromLatin1(name);
    if (s != 1)
        file.insert(file.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(s));
    return file;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4)
        fail(QStringLiteral("usage: corvanta-imagegen <images-dir> <icons-dir> <work-dir>"));
    const QDir images(QString::fromLocal8Bit(argv[1]));
    const QDir icons(QString::fromLocal8Bit(argv[2]));
    const QDir work(QString::fromLocal8Bit(argv[3]));
    const Fonts fonts = loadFonts();

    const std::pair<const char*, QImage (*)(int)> flags[] = {
        {"austria.png", austria},
        {"belgio.png", belgium},
        {"cipro.png", cyprus},
        {"finlandia.png", finland},
        {"francia.png", france},
        {"germania.png", germany},
        {"grecia.png", greece},
        {"irlanda.png", ireland},
        {"italia.png", italy},
        {"lussemburgo.png", luxembourg},
        {"malta.png", malta},
        {"paesi bassi.png", netherlands},
        {"polonia.png", poland},
        {"portogallo.png", portugal},
        {"regnounito.png", unitedKingdom},
        {"slovenia.png", slovenia},
        {"spagna.png", spain},
    };
    // Each picture at its own size and, for screens of device pixel ratio
    // 2, drawn again at twice the pixels under Qt's "@2x" name.
    for (const int s : {1, 2}) {
        for (const auto& [name, draw] : flags)
            save(draw(s), images.filePath(sized(name, s)), "PNG");
        save(firstSeriesBackdrop(fonts, s), work.filePath(sized("eurob.png", s)), "PNG");
        save(secondSeriesBackdrop(fonts, s), images.filePath(sized("eurob2.jpg", s)), "JPEG", 92);
        save(aboutPicture(fonts, s), images.filePath(sized("corvanta.jpg", s)), "JPEG", 92);
    }
    save(appIcon(fonts), icons.filePath(QStringLiteral("corvanta.png")), "PNG");
    return 0;
}
