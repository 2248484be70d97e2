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
    // On a screen of device pixel ratio 2 the file drawn at twice the
    // pixels, "austria@2x.png" for "austria.png", is read when it is there;
    // the picture keeps the size of the named file in device-independent
    // pixels either way.
    static std::shared_ptr<Picture> OpenFromApp(const std::string& fileName);
    // How many times OpenFromApp has read a file; tests read it.
    static std::int64_t OpenCount();
    // The device pixel ratio OpenFromApp loads for: the highest among the
    // screens, unless a test has set one (0 gives the screens' back).
    static double LoadingPixelRatio();
    static void SetLoadingPixelRatioForTesting(double ratio);

    // The size in device-independent pixels, whichever file was read.
    std::int64_t Width() const;
    std::int64_t Height() const;
    // The image as read, its device pixel ratio set to the file's.
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
