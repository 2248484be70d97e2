#include "frameworktexts.h"

#include "system.h"

namespace corvanta {

const FrameworkText kDocumentNotOpened{"FolderItem.DocumentNotOpened", "The document \"%1\" could not be opened."};
const FrameworkText kDocumentNotOpenedFolder{"FolderItem.DocumentNotOpenedFolder",
                                             "No application could open it. The document is in this folder:\n%1"};

std::span<const FrameworkText> FrameworkTexts()
{
    static const FrameworkText texts[] = {kDocumentNotOpened, kDocumentNotOpenedFolder};
    return texts;
}

std::string Localized(const FrameworkText& text, const std::string& language)
{
    if (auto system = System())
        return system->GetLocalizedString(text.key, text.english, language);
    return text.english;
}

} // namespace corvanta
