#include "private/shortcuttext.h"

#include "private/qtconversions.h"

#include <QStringList>

namespace corvanta {

// Qt's Ctrl is Command on macOS and its Meta is the Control key there, so
// "Ctrl" in a shortcut text means Meta.
QKeySequence KeySequenceOf(const std::string& shortcut)
{
    if (shortcut.empty())
        return {};
    QString text = toQString(shortcut);
    QStringList parts;
    QString key;
    // The last part is the key; a trailing "+" is the plus key itself.
    if (text.endsWith(QLatin1String("++"))) {
        key = QStringLiteral("+");
        text.chop(2);
        parts = text.split(QLatin1Char('+'), Qt::SkipEmptyParts);
    } else {
        parts = text.split(QLatin1Char('+'), Qt::SkipEmptyParts);
        if (parts.isEmpty())
            return {};
        key = parts.takeLast();
    }
    QStringList mapped;
    for (const QString& part : parts) {
        const QString p = part.trimmed().toLower();
        if (p == QLatin1String("cmd") || p == QLatin1String("command"))
            mapped << QStringLiteral("Ctrl");
        else if (p == QLatin1String("ctrl") || p == QLatin1String("control"))
            mapped << QStringLiteral("Meta");
        else if (p == QLatin1String("opt") || p == QLatin1String("option") || p == QLatin1String("alt"))
            mapped << QStringLiteral("Alt");
        else if (p == QLatin1String("shift"))
            mapped << QStringLiteral("Shift");
        else
            mapped << part.trimmed();
    }
    mapped << key.trimmed();
    return QKeySequence::fromString(mapped.join(QLatin1Char('+')), QKeySequence::PortableText);
}

} // namespace corvanta
