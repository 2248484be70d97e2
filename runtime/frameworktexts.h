#pragma once

#include <span>
#include <string>

namespace corvanta {

// A text the framework itself shows the user. It is looked up as the
// program's texts are, by key in the bundle's localization for the user's
// language, with an English default; its Italian entry lies in the same
// translation source.
struct FrameworkText {
    const char* key;
    const char* english;
};

// Told when the desktop cannot open a document: the first names it (%1),
// the second the folder that holds it (%1).
extern const FrameworkText kDocumentNotOpened;
extern const FrameworkText kDocumentNotOpenedFolder;

// Every one of them.
std::span<const FrameworkText> FrameworkTexts();

// The text in the localization of `language` ("" is the user's current
// language), or its English default.
std::string Localized(const FrameworkText& text, const std::string& language = {});

} // namespace corvanta
