#pragma once

#include <cstdint>
#include <memory>
#include <string>

class QImage;

namespace corvanta {

class Picture {
public:
    explicit Picture(const QImage& image);
    ~Picture();

    // The picture of an image file (PNG, GIF, JPEG) in the application's
    // Resources folder, or nil when the file is missing or unreadable.
    // A name that holds a path separator, or is "." or "..", gives nil.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& fileName);
    // How many times OpenFromApp has read a file; tests read it.
    static std::int64_t OpenCount();

    std::int64_t Width() const;
    std::int64_t Height() const;
    const QImage& image() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

// The application's Resources folder: <executable>/../../Resources in the
// bundle, unless a test has set another.
std::string ResourcesFolder();
void SetResourcesFolderForTesting(const std::string& path);

} // namespace corvanta
