#include "localize.h"

#include "exceptions.h"
#include "system.h"

namespace corvanta::Localize {
namespace {

std::string read(const char* key, const char* defaultText, const std::string& language)
{
    auto system = System();
    if (!system)
        RaiseNilObjectException("System");
    return system->GetLocalizedString(key, defaultText, language);
}

} // namespace

// The key is always "Localize." and the function's own name.
#define CORVANTA_LOCALIZED(name, defaultText) \
    std::string name(const std::string& language) { return read("Localize." #name, defaultText, language); }

CORVANTA_LOCALIZED(kArchivio, "File")
CORVANTA_LOCALIZED(kChiudi, "Close")
CORVANTA_LOCALIZED(kEsci, "Quit")
CORVANTA_LOCALIZED(kCompos, "Edit")
CORVANTA_LOCALIZED(kAnnulla, "Undo")
CORVANTA_LOCALIZED(kTaglia, "Cut")
CORVANTA_LOCALIZED(kCopia, "Copy")
CORVANTA_LOCALIZED(kIncolla, "Paste")
CORVANTA_LOCALIZED(kCancella, "Clear")
CORVANTA_LOCALIZED(kSelTutto, "Select all")
CORVANTA_LOCALIZED(kFinestra, "Window")
CORVANTA_LOCALIZED(kPriSer, "First Series")
CORVANTA_LOCALIZED(kSecSer, "Second Series")
CORVANTA_LOCALIZED(kAiuto, "Help")
CORVANTA_LOCALIZED(kCorvantaRead, "Corvanta Read Me!")
CORVANTA_LOCALIZED(kInfo, "About Corvanta")

CORVANTA_LOCALIZED(kLett, "Code")
CORVANTA_LOCALIZED(kNum, "Serial Number")
CORVANTA_LOCALIZED(kVerifica, "Test")
CORVANTA_LOCALIZED(kLaBanc, "The banknote")
CORVANTA_LOCALIZED(kProvDa, "comes from")
CORVANTA_LOCALIZED(kStampIn, "printed in")
CORVANTA_LOCALIZED(kELaNum, "and the numbers")

CORVANTA_LOCALIZED(kValida, "is Valid")
CORVANTA_LOCALIZED(kNoValida, "is INVALID")

CORVANTA_LOCALIZED(kMal, "Malta")
CORVANTA_LOCALIZED(kCip, "Cyprus")
CORVANTA_LOCALIZED(kSlo, "Slovenia")
CORVANTA_LOCALIZED(kFin, "Finland")
CORVANTA_LOCALIZED(kPor, "Portugal")
CORVANTA_LOCALIZED(kAus, "Austria")
CORVANTA_LOCALIZED(kPae, "Netherlands")
CORVANTA_LOCALIZED(kLus, "Luxembourg")
CORVANTA_LOCALIZED(kIta, "Italy")
CORVANTA_LOCALIZED(kIrl, "Ireland")
CORVANTA_LOCALIZED(kFra, "France")
CORVANTA_LOCALIZED(kSpa, "Spain")
CORVANTA_LOCALIZED(kGer, "Germany")
CORVANTA_LOCALIZED(kGre, "Greece")
CORVANTA_LOCALIZED(kBel, "Belgium")
CORVANTA_LOCALIZED(kPol, "Poland")
CORVANTA_LOCALIZED(kRegun, "United Kingdom")

CORVANTA_LOCALIZED(kInfoWin1, "Version")

CORVANTA_LOCALIZED(Language, "en")

#undef CORVANTA_LOCALIZED

} // namespace corvanta::Localize
