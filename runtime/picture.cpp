#include "picture.h"

#include "private/qtconversions.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

#include <atomic>
#include <cmath>

namespace corvanta {
namespace {
std::string& resourcesOverride()
{
    static std::string path;
    return path;
}

double& ratioOverride()
{
    static double ratio = 0;
    return ratio;
}

std::atomic<std::int64_t> openCount{0};

// A plain file name inside the Resources folder; anything that could walk out
// of it is refused.
bool isPlainFileName(const std::string& name)
{
    if (name.empty() || name == "." || name == "..")
        return false;
    return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

// The largest "@Nx" variant worth looking for at this ratio: Qt's names go
// from @2x to @9x, and a ratio between two of them takes the larger.
int largestScale(double ratio)
{
    if (!(ratio > 1)) // also a ratio that is not a number
        return 1;
    return ratio >= 9 ? 9 : static_cast<int>(std::ceil(ratio));
}

// Qt's name for the variant drawn at `scale` times the pixels:
// "austria.png" -> "austria@2x.png".
QString variantName(const QString& fileName, int scale)
{
    if (scale == 1)
        return fileName;
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const qsizetype stem = dot < 0 ? fileName.size() : dot;
    return fileName.left(stem) + QStringLiteral("@%1x").arg(scale) + fileName.mid(stem);
}

// The image in a file, or a null image when there is no such file or it
// does not decode.
QImage readFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    ++openCount;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}
} // namespace

struct Picture::Impl {
    QImage image;
};

Picture::Picture(const QImage& image) : d(std::make_unique<Impl>()) { d->image = image; }

Picture::~Picture() = default;

std::shared_ptr<Picture> Picture::OpenFromApp(const std::string& fileName)
{
    if (!isPlainFileName(fileName))
        return nullptr;
    const QDir folder(toQString(ResourcesFolder()));
    const QString name = toQString(fileName);
    // The sharpest variant the screens can use first; one that is missing or
    // does not decode falls back to the next, down to the named file.
    for (int scale = largestScale(LoadingPixelRatio()); scale >= 1; --scale) {
        QImage image = readFile(folder.filePath(variantName(name, scale)));
        if (image.isNull())
            continue;
        image.setDevicePixelRatio(scale);
        return std::make_shared<Picture>(image);
    }
    return nullptr;
}

std::int64_t Picture::OpenCount() { return openCount.load(); }

double Picture::LoadingPixelRatio()
{
    if (ratioOverride() > 0)
        return ratioOverride();
    // The highest ratio among the screens: a window may be moved to any.
    if (const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return app->devicePixelRatio();
    return 1;
}

void Picture::SetLoadingPixelRatioForTesting(double ratio) { ratioOverride() = ratio; }

std::int64_t Picture::Width() const { return std::llround(d->image.deviceIndependentSize().width()); }

std::int64_t Picture::Height() const { return std::llround(d->image.deviceIndependentSize().height()); }

const QImage& Picture::image() const { return d->image; }

std::string ResourcesFolder()
{
    if (!resourcesOverride().empty())
        return resourcesOverride();
    // <bundle>/Contents/MacOS/<exe> -> <bundle>/Contents/Resources
    QDir dir(QCoreApplication::applicationDirPath());
    return toStdString(QDir::cleanPath(dir.filePath(QStringLiteral("../Resources"))));
}

void SetResourcesFolderForTesting(const std::string& path) { resourcesOverride() = path; }

} // namespace corvanta
