#include "folderitem.h"

#include "handlers.h"

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

QString qpath(const std::string& path) { return QString::fromStdString(path); }
} // namespace

FolderItem::FolderItem(std::string path)
    : path_(path.empty() ? std::string() : QDir::cleanPath(qpath(path)).toStdString())
{
}

std::string FolderItem::NativePath() const { return path_; }

std::string FolderItem::Name() const { return QFileInfo(qpath(path_)).fileName().toStdString(); }

std::shared_ptr<FolderItem> FolderItem::Parent() const
{
    if (path_.empty())
        return nullptr;
    const QString absolute = QDir::cleanPath(QFileInfo(qpath(path_)).absoluteFilePath());
    if (QDir(absolute).isRoot())
        return nullptr;
    return std::make_shared<FolderItem>(QFileInfo(absolute).path().toStdString());
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const
{
    if (path_.empty() || name.empty() || name == "." || name == "..")
        return nullptr;
    if (name.find_first_of(std::string("/\\\0", 3)) != std::string::npos)
        return nullptr;
    return std::make_shared<FolderItem>(QDir(qpath(path_)).filePath(qpath(name)).toStdString());
}

bool FolderItem::Exists() const { return !path_.empty() && QFileInfo::exists(qpath(path_)); }

bool FolderItem::Directory() const { return !path_.empty() && QFileInfo(qpath(path_)).isDir(); }

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
    return QDesktopServices::openUrl(QUrl::fromLocalFile(qpath(path_)));
}

void FolderItem::SetLauncherForTesting(std::function<bool(const std::string& path)> launcher)
{
    std::lock_guard lock(launcherMutex());
    launcherOverride() = std::move(launcher);
}

} // namespace corvanta
