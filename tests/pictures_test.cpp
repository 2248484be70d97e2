#include "picture.h"
#include "pictures.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>
#include <string>

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
    void TearDown() override { SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR); }

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

class BundleImage : public ::testing::TestWithParam<std::size_t> {};

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

TEST_F(PicturesTest, FolderNamedLikeAnImageGivesNil)
{
    const QString resources = useTemporaryResources();
    QDir().mkpath(QDir(resources).filePath(QStringLiteral("folder.png")));
    const std::int64_t before = Picture::OpenCount();
    EXPECT_EQ(Picture::OpenFromApp("folder.png"), nullptr);
    EXPECT_EQ(Picture::OpenCount(), before);
}

} // namespace
