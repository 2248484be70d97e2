#include "bundlepictures.h"
#include "controls.h"
#include "picture.h"
#include "pictures.h"
#include "propertylist.h"
#include "ui_fixture.h"
#include "window.h"

#include <QByteArray>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

using namespace corvanta;

namespace {

using Accessor = std::shared_ptr<Picture> (*)();

struct AccessorCase {
    const char* name;
    Accessor accessor;
    const char* fileName;
};

const AccessorCase kAccessors[] = {
    {"austria", &_x_austria::austria, "austria.png"},
    {"belgio", &_x_belgio::belgio, "belgio.png"},
    {"cipro", &_x_cipro::cipro, "cipro.png"},
    {"finlandia", &_x_finlandia::finlandia, "finlandia.png"},
    {"francia", &_x_francia::francia, "francia.png"},
    {"germania", &_x_germania::germania, "germania.png"},
    {"grecia", &_x_grecia::grecia, "grecia.png"},
    {"irlanda", &_x_irlanda::irlanda, "irlanda.png"},
    {"italia", &_x_italia::italia, "italia.png"},
    {"lussemburgo", &_x_lussemburgo::lussemburgo, "lussemburgo.png"},
    {"malta", &_x_malta::malta, "malta.png"},
    {"paesibassi", &_x_paesibassi::paesibassi, "paesi bassi.png"},
    {"polonia", &_x_polonia::polonia, "polonia.png"},
    {"portogallo", &_x_portogallo::portogallo, "portogallo.png"},
    {"regnounito", &_x_regnounito::regnounito, "regnounito.png"},
    {"slovenia", &_x_slovenia::slovenia, "slovenia.png"},
    {"spagna", &_x_spagna::spagna, "spagna.png"},
    {"eurob", &_x_eurob::eurob, "eurob.gif"},
    {"eurob2", &_x_eurob2::eurob2, "eurob2.jpg"},
    {"corvanta", &_x_corvanta::corvanta, "corvanta.jpg"},
};

// The smallest GIF there is: one pixel. Qt reads GIF but does not write it.
QByteArray onePixelGif()
{
    return QByteArray::fromHex(
        "47494638396101000100800000000000ffffff21f90401000000002c00000000010001000002024401003b");
}

bool writeImage(const QString& path, int width, const QString& fileName)
{
    if (fileName.endsWith(QStringLiteral(".gif"))) {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(onePixelGif()) > 0;
    }
    QImage image(width, 3, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image.save(path, fileName.endsWith(QStringLiteral(".jpg")) ? "JPEG" : "PNG");
}

// Width of the stand-in image for the accessor at `index`: every file tells
// which one it is (the only GIF is one pixel wide, the others are wider).
int standInWidth(std::size_t index, const char* fileName)
{
    return QString::fromLatin1(fileName).endsWith(QStringLiteral(".gif")) ? 1 : static_cast<int>(index) + 2;
}

// A Resources folder holding a stand-in for each of the twenty images. The
// real accessors keep what they load until the process ends, so in this
// binary they only ever see this folder.
const QString& standInResources()
{
    static QTemporaryDir dir;
    static const bool filled = [] {
        for (std::size_t i = 0; i < std::size(kAccessors); ++i) {
            const QString name = QString::fromLatin1(kAccessors[i].fileName);
            if (!writeImage(QDir(dir.path()).filePath(name), standInWidth(i, kAccessors[i].fileName), name))
                return false;
        }
        return true;
    }();
    static const QString path = filled ? dir.path() : QString();
    return path;
}

class PicturesTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
        Picture::SetLoadingPixelRatioForTesting(0);
    }

    QString useTemporaryResources()
    {
        EXPECT_TRUE(temp_.isValid());
        const QString resources = QDir(temp_.path()).filePath(QStringLiteral("Resources"));
        QDir().mkpath(resources);
        SetResourcesFolderForTesting(resources.toStdString());
        return resources;
    }
    QString tempRoot() const { return temp_.path(); }

private:
    QTemporaryDir temp_;
};

class EveryAccessor : public PicturesTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(EveryAccessor, LoadsItsFileOnceAndHandsOutTheSameObject)
{
    const AccessorCase& c = kAccessors[GetParam()];
    ASSERT_FALSE(standInResources().isEmpty());
    SetResourcesFolderForTesting(standInResources().toStdString());

    const std::int64_t before = Picture::OpenCount();
    const auto first = c.accessor();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Width(), standInWidth(GetParam(), c.fileName)) << "read another file than " << c.fileName;
    EXPECT_EQ(Picture::OpenCount(), before + 1);

    const auto second = c.accessor();
    EXPECT_EQ(second.get(), first.get());
    EXPECT_EQ(Picture::OpenCount(), before + 1) << "the second call read the file again";

    // Held until exit: not even a Resources folder without the file changes it.
    useTemporaryResources();
    EXPECT_EQ(c.accessor().get(), first.get());
    EXPECT_EQ(Picture::OpenCount(), before + 1);
}

INSTANTIATE_TEST_SUITE_P(Pictures,
                         EveryAccessor,
                         ::testing::Range<std::size_t>(0, std::size(kAccessors)),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(kAccessors[info.param].name);
                         });

class BundleImage : public ::testing::TestWithParam<std::size_t> {
protected:
    void TearDown() override { Picture::SetLoadingPixelRatioForTesting(0); }
};

TEST_P(BundleImage, IsInTheBundleAndReadable)
{
    const char* fileName = kAccessors[GetParam()].fileName;
    SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    const auto picture = Picture::OpenFromApp(fileName);
    ASSERT_NE(picture, nullptr) << fileName << " in " << CORVANTA_TEST_RESOURCES_DIR;
    EXPECT_FALSE(picture->image().isNull());
    EXPECT_GT(picture->Width(), 0);
    EXPECT_GT(picture->Height(), 0);
}

// The build copies into the bundle only the pictures of its list; a file the
// program asks for that the list has lost would still lie, readable, in the
// folder of an older build.
TEST_P(BundleImage, IsOneTheBuildPutsInTheBundle)
{
    const std::string_view fileName = kAccessors[GetParam()].fileName;
    EXPECT_TRUE(std::any_of(std::begin(bundle::kPictures),
                            std::end(bundle::kPictures),
                            [&](const char* listed) { return fileName == listed; }))
        << fileName << " is not in the build's list of pictures";
}

// On a screen of ratio 2 each picture comes from its @2x file and keeps the
// size of its 1x file.
TEST_P(BundleImage, AtRatioTwoIsReadAtTwiceThePixelsAndTheSameSize)
{
    const char* fileName = kAccessors[GetParam()].fileName;
    SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    Picture::SetLoadingPixelRatioForTesting(1);
    const auto single = Picture::OpenFromApp(fileName);
    Picture::SetLoadingPixelRatioForTesting(2);
    const auto twice = Picture::OpenFromApp(fileName);
    ASSERT_NE(single, nullptr);
    ASSERT_NE(twice, nullptr);
    EXPECT_EQ(single->image().devicePixelRatio(), 1.0);
    EXPECT_EQ(twice->image().devicePixelRatio(), 2.0);
    EXPECT_EQ(twice->image().size(), single->image().size() * 2);
    EXPECT_EQ(twice->Width(), single->Width());
    EXPECT_EQ(twice->Height(), single->Height());
}

INSTANTIATE_TEST_SUITE_P(Pictures,
                         BundleImage,
                         ::testing::Range<std::size_t>(0, std::size(kAccessors)),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(kAccessors[info.param].name);
                         });

// An accessor of the tests' own, built exactly like the real ones, so a test
// can start it from scratch against a folder it controls.
template <int N>
std::shared_ptr<Picture> testAccessor(const char* fileName)
{
    static bool initialised = false;
    static std::shared_ptr<Picture> pic;
    return HoldPicture(initialised, pic, fileName);
}

TEST_F(PicturesTest, MissingFileGivesNilAndALaterCallLoadsIt)
{
    const QString resources = useTemporaryResources();
    const std::int64_t before = Picture::OpenCount();
    EXPECT_EQ(testAccessor<1>("flag.png"), nullptr);
    EXPECT_EQ(testAccessor<1>("flag.png"), nullptr);
    EXPECT_EQ(Picture::OpenCount(), before) << "there was no file to read";

    ASSERT_TRUE(writeImage(QDir(resources).filePath(QStringLiteral("flag.png")), 20, QStringLiteral("flag.png")));
    const auto loaded = testAccessor<1>("flag.png");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->Width(), 20);
    EXPECT_EQ(Picture::OpenCount(), before + 1);

    ASSERT_TRUE(QFile::remove(QDir(resources).filePath(QStringLiteral("flag.png"))));
    EXPECT_EQ(testAccessor<1>("flag.png").get(), loaded.get());
    EXPECT_EQ(Picture::OpenCount(), before + 1);
}

TEST_F(PicturesTest, UnreadableFileGivesNilAndIsTriedAgain)
{
    const QString resources = useTemporaryResources();
    const QString path = QDir(resources).filePath(QStringLiteral("eurob.gif"));
    QFile junk(path);
    ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
    junk.write("GIF89a but nothing after it");
    junk.close();

    const std::int64_t before = Picture::OpenCount();
    EXPECT_EQ(testAccessor<2>("eurob.gif"), nullptr);
    EXPECT_EQ(testAccessor<2>("eurob.gif"), nullptr);
    EXPECT_EQ(Picture::OpenCount(), before + 2) << "each call must try the file again";

    ASSERT_TRUE(QFile::remove(path));
    ASSERT_TRUE(writeImage(path, 1, QStringLiteral("eurob.gif")));
    const auto loaded = testAccessor<2>("eurob.gif");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(testAccessor<2>("eurob.gif").get(), loaded.get());
    EXPECT_EQ(Picture::OpenCount(), before + 3);
}

TEST_F(PicturesTest, FirstCallDropsWhatThePictureSlotHeld)
{
    const QString resources = useTemporaryResources();
    bool initialised = false;
    auto pic = std::make_shared<Picture>(QImage(5, 5, QImage::Format_RGB32));
    EXPECT_EQ(HoldPicture(initialised, pic, "absent.png"), nullptr);
    EXPECT_TRUE(initialised);
    EXPECT_EQ(pic, nullptr);

    ASSERT_TRUE(writeImage(QDir(resources).filePath(QStringLiteral("absent.png")), 7, QStringLiteral("absent.png")));
    const auto loaded = HoldPicture(initialised, pic, "absent.png");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(pic.get(), loaded.get());
    EXPECT_EQ(loaded->Width(), 7);
}

TEST_F(PicturesTest, ReadsPngGifAndJpeg)
{
    const QString resources = useTemporaryResources();
    for (const char* name : {"a.png", "b.gif", "c.jpg", "a name with blanks.png"}) {
        ASSERT_TRUE(writeImage(QDir(resources).filePath(QString::fromLatin1(name)), 9, QString::fromLatin1(name)));
        const auto picture = Picture::OpenFromApp(name);
        ASSERT_NE(picture, nullptr) << name;
        EXPECT_FALSE(picture->image().isNull()) << name;
    }
}

class NameOutsideTheFolder : public PicturesTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(NameOutsideTheFolder, GivesNilWithoutReading)
{
    const QString resources = useTemporaryResources();
    // Every name below would reach a readable image if it were simply joined
    // to the Resources folder.
    ASSERT_TRUE(writeImage(QDir(tempRoot()).filePath(QStringLiteral("austria.png")), 4, QStringLiteral("austria.png")));
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("sub")));
    ASSERT_TRUE(
        writeImage(QDir(resources).filePath(QStringLiteral("sub/austria.png")), 4, QStringLiteral("austria.png")));

    const std::int64_t before = Picture::OpenCount();
    EXPECT_EQ(Picture::OpenFromApp(GetParam()), nullptr);
    EXPECT_EQ(Picture::OpenCount(), before);
}

constexpr const char* kOutsideNames[] = {
    "",
    ".",
    "..",
    "../austria.png",
    "sub/austria.png",
    "sub\\austria.png",
    "./sub/austria.png",
    "/etc/hostname",
};

INSTANTIATE_TEST_SUITE_P(Pictures, NameOutsideTheFolder, ::testing::ValuesIn(kOutsideNames));

// ------------------------------------------------------ device pixel ratio ----

// A stand-in whose pixel size tells which file was read: the named file is
// 10 x 6, its "@2x" file 20 x 12.
const QSize kSingleSize(10, 6);

bool writeSized(const QString& path, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    return image.save(path, path.endsWith(QStringLiteral(".jpg")) ? "JPEG" : "PNG");
}

// "flag.png" -> "flag@2x.png"
QString doubleName(const char* fileName)
{
    QString name = QString::fromLatin1(fileName);
    return name.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
}

// What lies in the Resources folder under the "@2x" name.
enum class Double { Missing, Drawn, Undecodable, Folder };

struct RatioCase {
    const char* name;
    double ratio;  // the device pixel ratio the loader sees
    Double twice;  // what the "@2x" name holds
    int scaleRead; // 1: the named file was read, 2: the "@2x" one
    int filesRead; // files OpenFromApp read to get there
};

void PrintTo(const RatioCase& c, std::ostream* os) { *os << c.name; }

const RatioCase kRatios[] = {
    {"OneReadsTheNamedFileOnly", 1, Double::Drawn, 1, 1},                      // nothing changes at 1x
    {"TwoReadsTheDoubleFile", 2, Double::Drawn, 2, 1},                         // and only that one
    {"TwoWithoutADoubleFileFallsBack", 2, Double::Missing, 1, 1},              // the named file, as at 1x
    {"TwoWithAnUndecodableDoubleFileFallsBack", 2, Double::Undecodable, 1, 2}, // tried, then the named file
    {"TwoWithAFolderForTheDoubleFileFallsBack", 2, Double::Folder, 1, 1},      // a folder is not read
    {"OneAndAHalfReadsTheDoubleFile", 1.5, Double::Drawn, 2, 1},               // shrunk, not blown up
    {"ThreeReadsTheDoubleFile", 3, Double::Drawn, 2, 1},                       // the sharpest there is
};

class PixelRatio : public PicturesTest, public ::testing::WithParamInterface<RatioCase> {};

TEST_P(PixelRatio, ReadsTheFileThatFitsAtTheSizeOfTheNamedOne)
{
    const RatioCase& c = GetParam();
    const QDir resources(useTemporaryResources());
    Picture::SetLoadingPixelRatioForTesting(c.ratio);
    for (const char* name : {"flag.png", "paesi bassi.png", "eurob2.jpg"}) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(writeSized(resources.filePath(QString::fromLatin1(name)), kSingleSize));
        const QString twice = resources.filePath(doubleName(name));
        if (c.twice == Double::Drawn) {
            ASSERT_TRUE(writeSized(twice, kSingleSize * 2));
        } else if (c.twice == Double::Undecodable) {
            QFile junk(twice);
            ASSERT_TRUE(junk.open(QIODevice::WriteOnly));
            junk.write("not an image at all");
        } else if (c.twice == Double::Folder) {
            ASSERT_TRUE(QDir().mkpath(twice));
        }

        const std::int64_t before = Picture::OpenCount();
        const auto picture = Picture::OpenFromApp(name);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(Picture::OpenCount(), before + c.filesRead);
        EXPECT_EQ(picture->image().size(), kSingleSize * c.scaleRead) << "read another file";
        EXPECT_EQ(picture->image().devicePixelRatio(), c.scaleRead);
        EXPECT_EQ(picture->Width(), kSingleSize.width());
        EXPECT_EQ(picture->Height(), kSingleSize.height());
    }
}

INSTANTIATE_TEST_SUITE_P(Pictures,
                         PixelRatio,
                         ::testing::ValuesIn(kRatios),
                         [](const ::testing::TestParamInfo<RatioCase>& info) { return std::string(info.param.name); });

TEST_F(PicturesTest, AccessorAtRatioTwoReadsTheDoubleFileOnce)
{
    const QDir resources(useTemporaryResources());
    ASSERT_TRUE(writeSized(resources.filePath(QStringLiteral("flag.png")), kSingleSize));
    ASSERT_TRUE(writeSized(resources.filePath(doubleName("flag.png")), kSingleSize * 2));
    Picture::SetLoadingPixelRatioForTesting(2);

    const std::int64_t before = Picture::OpenCount();
    const auto first = testAccessor<3>("flag.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->image().devicePixelRatio(), 2.0);
    EXPECT_EQ(testAccessor<3>("flag.png").get(), first.get());
    EXPECT_EQ(Picture::OpenCount(), before + 1);
}

// A window of the tests' own, to show pictures in.
class PictureWindow : public Window {
public:
    const ClassRecord& classRecord() const override
    {
        static const ClassRecord record("PicturesTest.PictureWindow");
        return record;
    }

protected:
    void Layout() override
    {
        SetProperties(PropertyList({{"Width", 100}, {"Height", 80}, {"Resizeable", false}, {"Title", "Pictures"}}));
    }
};

class DrawnAtItsSize : public UiTest {
protected:
    void SetUp() override
    {
        window = std::make_shared<PictureWindow>();
        window->Constructor();
    }

    void TearDown() override
    {
        SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
        Picture::SetLoadingPixelRatioForTesting(0);
        UiTest::TearDown();
    }

    // A picture read at twice the pixels: 20 x 12 pixels, 10 x 6 in size.
    std::shared_ptr<Picture> doublePicture()
    {
        EXPECT_TRUE(temp.isValid());
        const QDir resources(temp.path());
        EXPECT_TRUE(writeSized(resources.filePath(QStringLiteral("flag.png")), kSingleSize));
        EXPECT_TRUE(writeSized(resources.filePath(doubleName("flag.png")), kSingleSize * 2));
        SetResourcesFolderForTesting(temp.path().toStdString());
        Picture::SetLoadingPixelRatioForTesting(2);
        auto picture = Picture::OpenFromApp("flag.png");
        EXPECT_NE(picture, nullptr);
        return picture;
    }

    static bool isPicture(const QImage& shot, int x, int y) { return shot.pixelColor(x, y) == QColor(Qt::darkCyan); }

    QTemporaryDir temp;
    std::shared_ptr<PictureWindow> window;
};

// On this 1x screen a window draws the picture over 10 x 6 pixels, not over
// the 20 x 12 it was read at.
TEST_F(DrawnAtItsSize, AsAWindowBackdrop)
{
    window->SetBackdrop(doublePicture());
    const QImage shot = window->contentWidget()->grab().toImage();
    EXPECT_TRUE(isPicture(shot, 0, 0));
    EXPECT_TRUE(isPicture(shot, 9, 5));
    EXPECT_FALSE(isPicture(shot, 10, 3));
    EXPECT_FALSE(isPicture(shot, 3, 6));
}

// The well centres the picture at its size: 10 x 6 in the middle of 30 x 30.
TEST_F(DrawnAtItsSize, InAnImageWell)
{
    window->CreateControl<ImageWell>("ImageWell1");
    auto well = window->Registered<ImageWell>("ImageWell1");
    well->SetProperties(PropertyList({{"Left", 0}, {"Top", 0}, {"Width", 30}, {"Height", 30}}));
    well->SetImage(doublePicture());
    const QImage shot = well->widget()->grab().toImage();
    EXPECT_TRUE(isPicture(shot, 10, 12));
    EXPECT_TRUE(isPicture(shot, 19, 17));
    EXPECT_FALSE(isPicture(shot, 9, 12));
    EXPECT_FALSE(isPicture(shot, 20, 17));
    EXPECT_FALSE(isPicture(shot, 15, 18));
}

TEST_F(PicturesTest, FolderNamedLikeAnImageGivesNil)
{
    const QString resources = useTemporaryResources();
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("folder.png")));
    const std::int64_t before = Picture::OpenCount();
    EXPECT_EQ(Picture::OpenFromApp("folder.png"), nullptr);
    EXPECT_EQ(Picture::OpenCount(), before);
}

} // namespace
