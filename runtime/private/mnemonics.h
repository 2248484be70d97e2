#pragma once

#include <QString>

#include <vector>

namespace corvanta {

// Keyboard mnemonics for the texts of one menu bar's titles, or of one menu's
// entries: each text's first letter when no earlier text took it (in any
// case), otherwise its next letter that is still free; -1 where every letter
// is taken, for an empty text, and everywhere on a platform that draws no
// mnemonics. The result holds one position in the text per text.
std::vector<int> MnemonicPositions(const std::vector<QString>& texts);

// The text as a menu shows it: a literal '&' doubled, and the mnemonic letter
// at `position` (if any) marked with '&'.
QString ShownMenuText(const QString& text, int position);

} // namespace corvanta
