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

// Every constant once, with its English default. The key is always
// "Localize." and the constant's own name.
#define CORVANTA_LOCALIZE_CONSTANTS(X)    \
    X(kArchivio, "File")                  \
    X(kChiudi, "Close")                   \
    X(kEsci, "Quit")                      \
    X(kCompos, "Edit")                    \
    X(kAnnulla, "Undo")                   \
    X(kTaglia, "Cut")                     \
    X(kCopia, "Copy")                     \
    X(kIncolla, "Paste")                  \
    X(kCancella, "Clear")                 \
    X(kSelTutto, "Select all")            \
    X(kFinestra, "Window")                \
    X(kPriSer, "First Series")            \
    X(kSecSer, "Second Series")           \
    X(kAiuto, "Help")                     \
    X(kCorvantaRead, "Corvanta Read Me!") \
    X(kInfo, "About Corvanta")            \
    X(kLett, "Code")                      \
    X(kNum, "Serial Number")              \
    X(kVerifica, "Test")                  \
    X(kLaBanc, "The banknote")            \
    X(kProvDa, "comes from")              \
    X(kStampIn, "printed in")             \
    X(kELaNum, "and the numbers")         \
    X(kValida, "is Valid")                \
    X(kNoValida, "is INVALID")            \
    X(kMal, "Malta")                      \
    X(kCip, "Cyprus")                     \
    X(kSlo, "Slovenia")                   \
    X(kFin, "Finland")                    \
    X(kPor, "Portugal")                   \
    X(kAus, "Austria")                    \
    X(kPae, "Netherlands")                \
    X(kLus, "Luxembourg")                 \
    X(kIta, "Italy")                      \
    X(kIrl, "Ireland")                    \
    X(kFra, "France")                     \
    X(kSpa, "Spain")                      \
    X(kGer, "Germany")                    \
    X(kGre, "Greece")                     \
    X(kBel, "Belgium")                    \
    X(kPol, "Poland")                     \
    X(kRegun, "United Kingdom")           \
    X(kInfoWin1, "Version")               \
    X(Language, "en")

#define CORVANTA_LOCALIZED(name, defaultText) \
    std::string name(const std::string& language) { return read("Localize." #name, defaultText, language); }
CORVANTA_LOCALIZE_CONSTANTS(CORVANTA_LOCALIZED)
#undef CORVANTA_LOCALIZED

std::span<const Constant> Constants()
{
#define CORVANTA_CONSTANT_ROW(name, defaultText) Constant{"Localize." #name, defaultText, &name},
    static const Constant rows[] = {CORVANTA_LOCALIZE_CONSTANTS(CORVANTA_CONSTANT_ROW)};
#undef CORVANTA_CONSTANT_ROW
    return rows;
}

#undef CORVANTA_LOCALIZE_CONSTANTS

} // namespace corvanta::Localize
