#include "private/mnemonics.h"

#include <set>

namespace corvanta {

namespace {

// The platforms whose menus underline no letters (macOS) get no mnemonics.
constexpr bool kPlatformDrawsMnemonics =
#ifdef Q_OS_MACOS
    false;
#else
    true;
#endif

} // namespace

std::vector<int> MnemonicPositions(const std::vector<QString>& texts)
{
    std::vector<int> positions(texts.size(), -1);
    if (!kPlatformDrawsMnemonics)
        return positions;
    std::set<QString> taken;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const QString& text = texts[i];
        for (qsizetype at = 0; at < text.size(); ++at) {
            const QString letter = text.at(at).toCaseFolded();
            if (!text.at(at).isLetter() || taken.count(letter))
                continue;
            taken.insert(letter);
            positions[i] = static_cast<int>(at);
            break;
        }
    }
    return positions;
}

QString ShownMenuText(const QString& text, int position)
{
    QString shown;
    shown.reserve(text.size() + 2);
    for (qsizetype at = 0; at < text.size(); ++at) {
        if (at == position)
            shown += QLatin1Char('&');
        shown += text.at(at);
        if (text.at(at) == QLatin1Char('&'))
            shown += QLatin1Char('&');
    }
    return shown;
}

} // namespace corvanta
