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
    // the desktop's own mechanism (xdg-open on Linux). `activate` brings that
    // application to the front. Never waits for the opener: when the desktop
    // cannot open the document (no opener, or the opener fails), the user is
    // told in a message that names it, once the opener has answered. False
    // when no opener could be started at all.
    bool Launch(bool activate = true) const;
    // How many documents Launch has handed to an opener that has not answered
    // yet; tests wait for none.
    static int LaunchesInProgress();

    // Test seams: Launch hands the path to `launcher` instead of the desktop
    // (no opener runs, no message is shown, its result is Launch's); or runs
    // `opener`, a program's path, in place of the desktop's opener, with the
    // document's path as its one argument ("" is the desktop's own again).
    static void SetLauncherForTesting(std::function<bool(const std::string& path)> launcher);
    static void SetOpenerForTesting(std::string opener);

private:
    std::string path_;
};

} // namespace corvanta
