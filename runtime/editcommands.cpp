#include "private/editcommands.h"

#include "controls.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>

namespace corvanta {

bool CanPerform(const TextField& field, EditCommand command)
{
    const auto* e = static_cast<const QLineEdit*>(field.widget());
    if (!e)
        return false;
    const bool writable = !e->isReadOnly();
    const bool selection = e->hasSelectedText();
    // A password is never copied.
    const bool copyable = e->echoMode() == QLineEdit::Normal;
    switch (command) {
    case EditCommand::Undo: return writable && e->isUndoAvailable();
    case EditCommand::Cut: return selection && (writable || copyable);
    case EditCommand::Copy: return selection && copyable;
    case EditCommand::Paste: return writable && !QApplication::clipboard()->text().isEmpty();
    case EditCommand::Clear: return writable && selection;
    case EditCommand::SelectAll: return !e->text().isEmpty();
    }
    return false;
}

void Perform(TextField& field, EditCommand command)
{
    switch (command) {
    case EditCommand::Undo: field.Undo(); break;
    case EditCommand::Cut: field.Cut(); break;
    case EditCommand::Copy: field.Copy(); break;
    case EditCommand::Paste: field.Paste(); break;
    case EditCommand::Clear: field.Clear(); break;
    case EditCommand::SelectAll: field.SelectAll(); break;
    }
}

std::optional<EditCommand> StandardEditKey(const QKeyEvent& key)
{
    if (key.matches(QKeySequence::Undo))
        return EditCommand::Undo;
    if (key.matches(QKeySequence::Cut))
        return EditCommand::Cut;
    if (key.matches(QKeySequence::Copy))
        return EditCommand::Copy;
    if (key.matches(QKeySequence::Paste))
        return EditCommand::Paste;
    if (key.matches(QKeySequence::SelectAll))
        return EditCommand::SelectAll;
    return std::nullopt;
}

} // namespace corvanta
