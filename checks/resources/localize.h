#pragma once

#include <span>
#include <string>

// The localizable texts. Each reads the key "Localize.<name>" from the
// bundle's localization for `language` ("" = the user's current language),
// falling back to the English default; nothing is cached, so every read is a
// fresh lookup. Raises NilObjectException when there is no system object.
namespace corvanta::Localize {

// Menus (read when the shared menu bar is built).
std::string kArchivio(const std::string& language = {});
std::string kChiudi(const std::string& language = {});
std::string kEsci(const std::string& language = {});
std::string kCompos(const std::string& language = {});
std::string kAnnulla(const std::string& language = {});
std::string kTaglia(const std::string& language = {});
std::string kCopia(const std::string& language = {});
std::string kIncolla(const std::string& language = {});
std::string kCancella(const std::string& language = {});
std::string kSelTutto(const std::string& language = {});
std::string kFinestra(const std::string& language = {});
std::string kPriSer(const std::string& language = {});
std::string kSecSer(const std::string& language = {});
std::string kAiuto(const std::string& language = {});
std::string kCorvantaRead(const std::string& language = {});
std::string kInfo(const std::string& language = {});

// Check windows (read when their controls are created).
std::string kLett(const std::string& language = {});
std::string kNum(const std::string& language = {});
std::string kVerifica(const std::string& language = {});
std::string kLaBanc(const std::string& language = {});
std::string kProvDa(const std::string& language = {});
std::string kStampIn(const std::string& language = {});
std::string kELaNum(const std::string& language = {});

// Verdicts (read at every check).
std::string kValida(const std::string& language = {});
std::string kNoValida(const std::string& language = {});

// Country names (read at every check).
std::string kMal(const std::string& language = {});
std::string kCip(const std::string& language = {});
std::string kSlo(const std::string& language = {});
std::string kFin(const std::string& language = {});
std::string kPor(const std::string& language = {});
std::string kAus(const std::string& language = {});
std::string kPae(const std::string& language = {});
std::string kLus(const std::string& language = {});
std::string kIta(const std::string& language = {});
std::string kIrl(const std::string& language = {});
std::string kFra(const std::string& language = {});
std::string kSpa(const std::string& language = {});
std::string kGer(const std::string& language = {});
std::string kGre(const std::string& language = {});
std::string kBel(const std::string& language = {});
std::string kPol(const std::string& language = {});
std::string kRegun(const std::string& language = {});

// About window.
std::string kInfoWin1(const std::string& language = {});

// The language code of the active localization; "it" is the Italian one.
std::string Language(const std::string& language = {});

// One of the functions above with its key and English default.
struct Constant {
    const char* key;
    const char* english;
    std::string (*read)(const std::string& language);
};

// Every one of them, in the order they are declared here.
std::span<const Constant> Constants();

} // namespace corvanta::Localize
