#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace corvanta {

class Picture;

using CountryText = std::string (*)(const std::string& language);
using FlagPicture = std::shared_ptr<Picture> (*)();

// A row of the first-series table: the issuing country of a letter and the
// digital root that a valid number of that letter has.
struct FirstSeriesRow {
    const char* letter;
    CountryText country;
    FlagPicture flag;
    std::int64_t expectedRoot;
};

// A case of the second-series table: the letters of the country where the
// note was printed.
struct SecondSeriesCase {
    std::vector<std::string> letters;
    FlagPicture flag;
    CountryText country;
};

// In the order the letters are tried; the first equal letter decides.
std::span<const FirstSeriesRow> tabellaPrimaSerie();
std::span<const SecondSeriesCase> tabellaSecondaSerie();

} // namespace corvanta
