#include "lettertables.h"

#include "localize.h"
#include "pictures.h"

namespace corvanta {

std::span<const FirstSeriesRow> tabellaPrimaSerie()
{
    // The expected root is 9 - (code of the letter mod 9) in every row.
    static const FirstSeriesRow rows[] = {
        {"F", &Localize::kMal, &_x_malta::malta, 2},
        {"G", &Localize::kCip, &_x_cipro::cipro, 1},
        {"H", &Localize::kSlo, &_x_slovenia::slovenia, 9},
        {"L", &Localize::kFin, &_x_finlandia::finlandia, 5},
        {"M", &Localize::kPor, &_x_portogallo::portogallo, 4},
        {"N", &Localize::kAus, &_x_austria::austria, 3},
        {"P", &Localize::kPae, &_x_paesibassi::paesibassi, 1},
        {"R", &Localize::kLus, &_x_lussemburgo::lussemburgo, 8},
        {"S", &Localize::kIta, &_x_italia::italia, 7},
        {"T", &Localize::kIrl, &_x_irlanda::irlanda, 6},
        {"U", &Localize::kFra, &_x_francia::francia, 5},
        {"V", &Localize::kSpa, &_x_spagna::spagna, 4},
        {"X", &Localize::kGer, &_x_germania::germania, 2},
        {"Y", &Localize::kGre, &_x_grecia::grecia, 1},
        {"Z", &Localize::kBel, &_x_belgio::belgio, 9},
    };
    return rows;
}

std::span<const SecondSeriesCase> tabellaSecondaSerie()
{
    static const SecondSeriesCase cases[] = {
        {{"D"}, &_x_polonia::polonia, &Localize::kPol},
        {{"H", "J"}, &_x_regnounito::regnounito, &Localize::kRegun},
        {{"M"}, &_x_portogallo::portogallo, &Localize::kPor},
        {{"N"}, &_x_austria::austria, &Localize::kAus},
        {{"P"}, &_x_paesibassi::paesibassi, &Localize::kPae},
        {{"S"}, &_x_italia::italia, &Localize::kIta},
        {{"T"}, &_x_irlanda::irlanda, &Localize::kIrl},
        {{"E", "U"}, &_x_francia::francia, &Localize::kFra},
        {{"V"}, &_x_spagna::spagna, &Localize::kSpa},
        {{"R", "W", "X"}, &_x_germania::germania, &Localize::kGer},
        {{"Y"}, &_x_grecia::grecia, &Localize::kGre},
        {{"Z"}, &_x_belgio::belgio, &Localize::kBel},
    };
    return cases;
}

} // namespace corvanta
