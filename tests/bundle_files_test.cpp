// The files that the build places in the bundle's Resources folder: every
// picture decodes at the size its place on screen measures, and again at
// twice the pixels under its "@2x" name, the read-me
// documents are there under both localized names, and the Italian table
// covers every key.
//
// The pictures are those of the build's own list, which it copies afresh: a
// picture dropped from that list is not looked for here (the install test,
// with a list of its own, misses it), so whatever an older build left in the
// folder makes no difference.

#include "bundlepictures.h"

#include <QByteArray>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QSet>
#include <QString>
#include <QTranslator>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

QString resource(const QString& name) { return QStringLiteral(CORVANTA_TEST_RESOURCES_DIR "/") + name; }

// gtest names may hold only letters, digits and underscores.
std::string caseName(const char* text)
{
    std::string name;
    for (const char* c = text; *c != '\0'; ++c)
        name += ((*c >= 'a' && *c <= 'z') || (*c >= 'A' && *c <= 'Z') || (*c >= '0' && *c <= '9')) ? *c : '_';
    return name;
}

// ---------------------------------------------------------------- images ----

// The mean difference per colour channel (0 to 255) below which a 2x file
// seen from afar still shows the 1x picture. The 2x flags redraw their
// emblems, and Greece its stripes evenly (which 13 pixels cannot), so it lies
// at about 24; the stripes and backdrops lie below 8, and a flag in the place
// of another differs by 35 (Austria and the Netherlands) or far more.
constexpr double kSamePictureLimit = 30;

struct ImageCase {
    const char* file;
    const char* format; // what the content must be, matching the extension
    int width;
    int height;
};

void PrintTo(const ImageCase& c, std::ostream* os) { *os << c.file; }

// "austria.png" -> "austria@2x.png"
QString doubleName(const char* file)
{
    QString name = QString::fromUtf8(file);
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

class BundleImage : public ::testing::TestWithParam<ImageCase> {
protected:
    QImage load() { return load(QString::fromUtf8(GetParam().file)); }

    QImage load(const QString& file)
    {
        const ImageCase& c = GetParam();
        const QString path = resource(file);
        if (!QFile::exists(path)) {
            ADD_FAILURE() << "missing " << path.toStdString();
            return {};
        }
        QImageReader reader(path);
        reader.setDecideFormatFromContent(true);
        EXPECT_EQ(reader.format(), QByteArray(c.format)) << "content does not match the extension";
        QImage img = reader.read();
        EXPECT_FALSE(img.isNull()) << reader.errorString().toStdString();
        return img;
    }
};

TEST_P(BundleImage, DecodesAtTheSizeOfItsPlace)
{
    const QImage img = load();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.size(), QSize(GetParam().width, GetParam().height));
}

// The file for screens of device pixel ratio 2: the same format, exactly
// twice the pixels each way, and the same picture (shrunk back, it differs
// from the 1x file only in detail, not in what it shows).
TEST_P(BundleImage, HasADoubleFileOfTwiceThePixels)
{
    const QImage single = load();
    const QImage twice = load(doubleName(GetParam().file));
    ASSERT_FALSE(single.isNull());
    ASSERT_FALSE(twice.isNull());
    EXPECT_EQ(twice.size(), single.size() * 2);

    // Both seen from afar, at a quarter of the 1x size: where a stripe edge
    // falls to the pixel does not count, which colour lies where does.
    const QSize afar = (single.size() / 4).expandedTo(QSize(1, 1));
    const auto seenFromAfar = [&](const QImage& img) {
        return img.scaled(afar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation).convertToFormat(QImage::Format_RGB32);
    };
    const QImage base = seenFromAfar(single);
    const QImage shrunk = seenFromAfar(twice);
    double difference = 0;
    for (int y = 0; y < base.height(); ++y) {
        for (int x = 0; x < base.width(); ++x) {
            const QRgb a = base.pixel(x, y), b = shrunk.pixel(x, y);
            difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
        }
    }
    EXPECT_LT(difference / (3.0 * base.width() * base.height()), kSamePictureLimit)
        << "mean difference per channel between the 1x file and the 2x one, both shrunk";
}

// A picture of one flat colour is a drawing that went wrong; and a flag with
// see-through pixels would let the panel's yellow show through.
void expectOpaqueAndNotBlank(const QImage& image)
{
    const QImage img = image.convertToFormat(QImage::Format_ARGB32);
    ASSERT_FALSE(img.isNull());
    QSet<QRgb> colours;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb px = img.pixel(x, y);
            ASSERT_EQ(qAlpha(px), 255) << "at " << x << "," << y;
            colours.insert(px);
        }
    }
    EXPECT_GE(colours.size(), 2);
}

TEST_P(BundleImage, IsOpaqueAndNotBlank) { expectOpaqueAndNotBlank(load()); }

TEST_P(BundleImage, DoubleFileIsOpaqueAndNotBlank) { expectOpaqueAndNotBlank(load(doubleName(GetParam().file))); }

// The two check windows' backdrops and the About window's picture, each at
// the size of its place; every other picture of the bundle is a flag, shown
// at the size of the result panel's canvas.
constexpr ImageCase kOwnPlaces[] = {
    {"eurob.gif", "gif", 611, 328},
    {"eurob2.jpg", "jpeg", 445, 248},
    {"corvanta.jpg", "jpeg", 425, 290},
};
constexpr QSize kFlagSize(20, 13);

// What a file's content must be, told by its extension.
const char* formatOf(std::string_view file)
{
    const std::string_view extension = file.substr(file.rfind('.') + 1);
    if (extension == "jpg")
        return "jpeg";
    return extension == "gif" ? "gif" : "png";
}

// The bundle's pictures with a place of their own, or the flags.
std::vector<ImageCase> bundleImages(bool ownPlace)
{
    std::vector<ImageCase> cases;
    for (const char* file : corvanta::bundle::kPictures) {
        const auto own = std::find_if(std::begin(kOwnPlaces), std::end(kOwnPlaces), [&](const ImageCase& c) {
            return std::string_view(c.file) == file;
        });
        if (ownPlace && own != std::end(kOwnPlaces))
            cases.push_back(*own);
        else if (!ownPlace && own == std::end(kOwnPlaces))
            cases.push_back({file, formatOf(file), kFlagSize.width(), kFlagSize.height()});
    }
    return cases;
}

// A place above for a picture the bundle no longer carries would check nothing.
TEST(BundlePictures, EveryOwnPlaceIsAPictureOfTheBundle)
{
    for (const ImageCase& c : kOwnPlaces)
        EXPECT_NE(std::find_if(std::begin(corvanta::bundle::kPictures),
                               std::end(corvanta::bundle::kPictures),
                               [&](const char* file) { return std::string_view(file) == c.file; }),
                  std::end(corvanta::bundle::kPictures))
            << c.file;
}

std::string imageName(const ::testing::TestParamInfo<ImageCase>& info) { return caseName(info.param.file); }

INSTANTIATE_TEST_SUITE_P(Flags, BundleImage, ::testing::ValuesIn(bundleImages(false)), imageName);
INSTANTIATE_TEST_SUITE_P(Pictures, BundleImage, ::testing::ValuesIn(bundleImages(true)), imageName);

// The header labels are drawn in black straight on the backdrop.
struct LabelCase {
    const char* backdrop;
    QRect label;
};

void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.backdrop << " at " << c.label.x() << "," << c.label.y(); }

class BackdropBehindLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(BackdropBehindLabel, IsPaleEnoughForBlackText)
{
    const LabelCase& c = GetParam();
    const QImage img(resource(QString::fromUtf8(c.backdrop)));
    ASSERT_FALSE(img.isNull());
    ASSERT_TRUE(img.rect().contains(c.label));
    int darkest = 255;
    for (int y = c.label.top(); y <= c.label.bottom(); ++y)
        for (int x = c.label.left(); x <= c.label.right(); ++x)
            darkest = std::min(darkest, qGray(img.pixel(x, y)));
    EXPECT_GE(darkest, 200);
}

constexpr LabelCase kHeaderLabels[] = {
    {"eurob.gif", QRect(328, 14, 63, 20)},
    {"eurob.gif", QRect(395, 14, 127, 20)},
    {"eurob2.jpg", QRect(252, 6, 63, 20)},
    {"eurob2.jpg", QRect(317, 6, 127, 20)},
};

INSTANTIATE_TEST_SUITE_P(Headers, BackdropBehindLabel, ::testing::ValuesIn(kHeaderLabels));

// --------------------------------------------------------------- read-me ----

class ReadMe : public ::testing::TestWithParam<const char*> {};

TEST_P(ReadMe, IsAnRtfDocument)
{
    QFile file(resource(QString::fromUtf8(GetParam())));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("{\\rtf1"));

    // Plain 7-bit RTF, its groups closed exactly at the end: a truncated or
    // mis-encoded file would open as garbage.
    int depth = 0;
    qsizetype closedAt = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char c = text[i];
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "non-ASCII byte at " << i;
        if (c == '\\') {
            ++i; // an escaped brace or backslash, or the start of a control word
            continue;
        }
        if (c == '{')
            ++depth;
        if (c == '}' && --depth == 0 && closedAt < 0)
            closedAt = i;
        ASSERT_GE(depth, 0) << "unbalanced '}' at " << i;
    }
    EXPECT_EQ(depth, 0);
    EXPECT_EQ(text.mid(closedAt + 1).trimmed(), QByteArray());
}

INSTANTIATE_TEST_SUITE_P(Resources,
                         ReadMe,
                         ::testing::Values("Corvanta Read Me!.rtf", "Corvanta Leggimi!.rtf"),
                         [](const ::testing::TestParamInfo<const char*>& info) { return caseName(info.param); });

// ---------------------------------------------------------- translations ----

class ItalianTable : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString path = resource(QStringLiteral("translations/corvanta_it.qm"));
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        ASSERT_TRUE(translator.load(path));
    }
    QString tr(const char* key) const { return translator.translate(nullptr, key); }
    QTranslator translator;
};

TEST_F(ItalianTable, NamesItsLanguageAndTranslatesTheVerdict)
{
    EXPECT_EQ(tr("Localize.Language"), QStringLiteral("it"));
    EXPECT_FALSE(tr("Localize.kValida").isEmpty());
    EXPECT_FALSE(tr("Localize.kNoValida").isEmpty());
    EXPECT_NE(tr("Localize.kValida"), tr("Localize.kNoValida"));
}

// The Help item's text names the read-me document, so the translated name
// must be a file in the bundle.
TEST_F(ItalianTable, ReadMeItemNamesAFileOfTheBundle)
{
    const QString name = tr("Localize.kCorvantaRead");
    ASSERT_FALSE(name.isEmpty());
    EXPECT_TRUE(QFile::exists(resource(name + QStringLiteral(".rtf")))) << name.toStdString();
}

TEST_F(ItalianTable, TranslatesEveryKey)
{
    static const char* const keys[] = {
        "Localize.kArchivio", "Localize.kChiudi",  "Localize.kEsci",     "Localize.kCompos",   "Localize.kAnnulla",
        "Localize.kTaglia",   "Localize.kCopia",   "Localize.kIncolla",  "Localize.kCancella", "Localize.kSelTutto",
        "Localize.kFinestra", "Localize.kPriSer",  "Localize.kSecSer",   "Localize.kAiuto",    "Localize.kCorvantaRead",
        "Localize.kInfo",     "Localize.kLett",    "Localize.kNum",      "Localize.kVerifica", "Localize.kLaBanc",
        "Localize.kProvDa",   "Localize.kStampIn", "Localize.kELaNum",   "Localize.kValida",   "Localize.kNoValida",
        "Localize.kMal",      "Localize.kCip",     "Localize.kSlo",      "Localize.kFin",      "Localize.kPor",
        "Localize.kAus",      "Localize.kPae",     "Localize.kLus",      "Localize.kIta",      "Localize.kIrl",
        "Localize.kFra",      "Localize.kSpa",     "Localize.kGer",      "Localize.kGre",      "Localize.kBel",
        "Localize.kPol",      "Localize.kRegun",   "Localize.kInfoWin1", "Localize.Language",
    };
    for (const char* key : keys)
        EXPECT_FALSE(tr(key).isEmpty()) << key;
}

} // namespace
