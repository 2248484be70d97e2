#pragma once

#include <functional>
#include <memory>
#include <string>

namespace corvanta {

// A file or folder by path.
class FolderItem {
public:
    explicit FolderItem(std::string path);

    std::string NativePath() const;
    std::string Name() const;
    // The enclosing folder, or nil at the root.
    std::shared_ptr<FolderItem> Parent() const;
    // The item of that name in this folder. A name that holds a path
    // separator, or is empty, "." or "..", gives nil: it would leave the folder.
    std::shared_ptr<FolderItem> Child(const std::string& name) const;
    bool Exists() const;
    bool Directory() const;
    // Opens the document in the user's default application for it, through
    // the desktop's own mechanism. `activate` brings that application to the front.
    bool Launch(bool activate = true) const;

    // Test seam: Launch hands the path to this function instead of the desktop.
    static void SetLauncherForTesting(std::function<bool(const std::string& path)> launcher);

private:
    std::string path_;
};

} // namespace corvanta
