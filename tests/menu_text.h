#pragma once

#include <QAction>
#include <QString>

// The text a drawn menu title or entry shows, without its mnemonic mark:
// "F&inestra" shows "Finestra", "Shut && lock" shows "Shut & lock".
inline QString shownText(const QAction* action)
{
    const QString text = action->text();
    QString shown;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        shown += text.at(i);
    }
    return shown;
}
