#include "folderitem.h"

#include "handlers.h"
#include "private/qtconversions.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <mutex>

namespace corvanta {
namespace {
std::mutex& launcherMutex()
{
    static std::mutex m;
    return m;
}
std::function<bool(const std::string&)>& launcherOverride()
{
    static std::function<bool(const std::string&)> launcher;
    return launcher;
}
} // namespace

FolderItem::FolderItem(std::string path)
    : path_(path.empty() ? std::string() : toStdString(QDir::cleanPath(toQString(path))))
{
}

std::string FolderItem::NativePath() const { return path_; }

std::string FolderItem::Name() const { return toStdString(QFileInfo(toQString(path_)).fileName()); }

std::shared_ptr<FolderItem> FolderItem::Parent() const
{
    if (path_.empty())
        return nullptr;
    const QString absolute = QDir::cleanPath(QFileInfo(toQString(path_)).absoluteFilePath());
    if (QDir(absolute).isRoot())
        return nullptr;
    return std::make_shared<FolderItem>(toStdString(QFileInfo(absolute).path()));
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const
{
    if (path_.empty() || name.empty() || name == "." || name == "..")
        return nullptr;
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return nullptr;
    return std::make_shared<FolderItem>(toStdString(QDir(toQString(path_)).filePath(toQString(name))));
}

bool FolderItem::Exists() const { return !path_.empty() && QFileInfo::exists(toQString(path_)); }

bool FolderItem::Directory() const { return !path_.empty() && QFileInfo(toQString(path_)).isDir(); }

bool FolderItem::Launch(bool activate) const
{
    // The desktop decides whether the opened application comes to the front.
    (void)activate;
    std::function<bool(const std::string&)> launcher;
    {
        std::lock_guard lock(launcherMutex());
        launcher = launcherOverride();
    }
    if (launcher)
        return launcher(path_);
    RequireUIThread();
    if (path_.empty())
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(toQString(path_)));
}

void FolderItem::SetLauncherForTesting(std::function<bool(const std::string& path)> launcher)
{
    std::lock_guard lock(launcherMutex());
    launcherOverride() = std::move(launcher);
}

} // namespace corvanta
