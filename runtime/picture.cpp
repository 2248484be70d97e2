#include "picture.h"

#include "private/qtconversions.h"
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

#include <atomic>

namespace corvanta {
namespace {
std::string& resourcesOverride()
{
    static std::string path;
    return path;
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
    const QString path = QDir(toQString(ResourcesFolder())).filePath(toQString(fileName));
    if (!QFileInfo(path).isFile())
        return nullptr;

    ++openCount;
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage image = reader.read();
    if (image.isNull())
        return nullptr;
    return std::make_shared<Picture>(image);
}

std::int64_t Picture::OpenCount() { return openCount.load(); }

std::int64_t Picture::Width() const { return d->image.width(); }

std::int64_t Picture::Height() const { return d->image.height(); }

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
