#include "controls.h"

#include "handlers.h"
#include "private/editcommands.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textfield.h"
#include "private/textstyle.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QValidator>

#include <algorithm>
#include <optional>

namespace corvanta {

namespace {

// The mouse-down being handled, for IsContextualClick.
std::optional<bool>& currentContextualClick()
{
    static std::optional<bool> value;
    return value;
}

ContextualMenuShower& contextualMenuShower()
{
    static ContextualMenuShower shower = nullptr;
    return shower;
}

class ContextualClickScope {
public:
    explicit ContextualClickScope(bool contextual) : saved_(currentContextualClick())
    {
        currentContextualClick() = contextual;
    }
    ~ContextualClickScope() { currentContextualClick() = saved_; }
    ContextualClickScope(const ContextualClickScope&) = delete;
    ContextualClickScope& operator=(const ContextualClickScope&) = delete;

private:
    std::optional<bool> saved_;
};

// The field's MouseDown at a point in it; true when the program handled it.
bool raiseMouseDown(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y, bool contextual)
{
    if (!field || !field->MouseDown)
        return false;
    ContextualClickScope scope(contextual);
    return CallWithExceptionHandling([&] { return field->MouseDown(field, x, y); });
}

bool isContextual(const QMouseEvent* e)
{
    if (e->button() == Qt::RightButton)
        return true;
#ifdef Q_OS_MACOS
    // Qt reports the Control key as Meta on macOS.
    constexpr auto control = Qt::MetaModifier;
#else
    constexpr auto control = Qt::ControlModifier;
#endif
    return e->button() == Qt::LeftButton && (e->modifiers() & control);
}

// The text field's mask. "9" admits one decimal digit, "A" one ASCII letter
// of either case, kept as typed; any other mask character admits only itself.
//
// The mask is enforced with a validator rather than Qt's inputMask: under an
// input mask the field is always full of blank places, deleting leaves a hole
// in the middle, and text() closes the holes up, so what the user sees is not
// what the program reads. Here the text is always exactly what was typed,
// character i must fit mask place i, and the field holds at most as many
// characters as the mask has places. Typing, deleting and pasting edit the
// text as in any field; an edit whose result the mask does not admit is
// refused as a whole (a paste that is too long is cut to what fits).
bool admits(QChar place, QChar c)
{
    if (place == u'9')
        return c >= u'0' && c <= u'9';
    if (place == u'A')
        return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
    return c == place;
}

// The longest beginning of `text` that the mask admits.
QString admittedPrefix(const QString& text, const QString& mask)
{
    if (mask.isEmpty())
        return text;
    qsizetype n = 0;
    while (n < text.size() && n < mask.size() && admits(mask[n], text[n]))
        ++n;
    return text.left(n);
}

// Any white space: a number copied from a web page or a document often has
// no-break or narrow no-break spaces between its groups.
bool isBlank(QChar c) { return c.isSpace(); }

// Closes the field's Undo step, as Qt's own paste does before and after it
// inserts, so that Undo takes back the paste and not the edit around it.
// QLineEdit closes a step only when the cursor moves, or when it is cleared:
// an empty field has nowhere to move to, and clearing it changes nothing but
// the step.
void closeUndoStep(QLineEdit* e)
{
    if (e->text().isEmpty()) {
        e->clear();
        return;
    }
    const int cursor = e->cursorPosition();
    const int start = e->selectionStart();
    const int length = static_cast<int>(e->selectedText().size());
    e->setCursorPosition(cursor == 0 ? 1 : cursor - 1);
    if (start < 0)
        e->setCursorPosition(cursor);
    else if (cursor == start) // the caret at the selection's beginning, as Shift+Left leaves it
        e->setSelection(start + length, -length);
    else
        e->setSelection(start, length);
}

// A number is often copied with blanks between its groups or a line end
// after it, which its digit places would refuse: a paste into a masked field
// drops them. The rest goes in as Qt's own paste would put it (over
// the selection, cut to the field's length, refused whole when the mask does
// not admit the result). False when there is no blank to drop, so that Qt's
// own paste acts.
bool pasteWithoutBlanks(QLineEdit* e, const QString& text, const QString& mask)
{
    if (mask.isEmpty() || std::none_of(text.begin(), text.end(), isBlank))
        return false;
    QString kept = text;
    kept.removeIf(isBlank);
    if (kept.isEmpty() && !e->hasSelectedText())
        return true;
    closeUndoStep(e);
    e->insert(kept);
    closeUndoStep(e);
    return true;
}

class MaskValidator : public QValidator {
public:
    MaskValidator(QString mask, QObject* parent) : QValidator(parent), mask_(std::move(mask)) {}

    State validate(QString& input, int&) const override
    {
        if (input.size() > mask_.size())
            return Invalid;
        for (qsizetype i = 0; i < input.size(); ++i)
            if (!admits(mask_[i], input[i]))
                return Invalid;
        return input.size() == mask_.size() ? Acceptable : Intermediate;
    }

private:
    QString mask_;
};

// The line edit of a TextField: routes mouse-downs and the context menu to
// the control's events. Qt's own context menu is never shown; the program
// offers the Edit menu itself. The standard Edit keys act through the
// TextField's own methods; a key that a menu item answers never gets here.
class FieldWidget : public QLineEdit {
public:
    explicit FieldWidget(QWidget* parent) : QLineEdit(parent) {}
    std::weak_ptr<TextField> owner;

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        if (const auto command = StandardEditKey(*e)) {
            if (auto field = owner.lock())
                Perform(*field, *command);
            e->accept();
            return;
        }
        QLineEdit::keyPressEvent(e);
    }

    void mousePressEvent(QMouseEvent* e) override
    {
        suppressContextMenu_ = false;
        QPointer<FieldWidget> guard(this);
        bool handled = false;
        if (auto field = owner.lock(); field && field->MouseDown) {
            const bool contextual = isContextual(e);
            const QPoint pos = e->position().toPoint();
            handled = raiseMouseDown(field, pos.x(), pos.y(), contextual);
            if (handled && contextual)
                suppressContextMenu_ = true;
        }
        if (!guard)
            return;
        if (handled) {
            e->accept();
            return;
        }
        QLineEdit::mousePressEvent(e);
    }

    // A middle click pastes the selection clipboard (X11) under the rule of Paste.
    void mouseReleaseEvent(QMouseEvent* e) override
    {
        const QClipboard* clipboard = QGuiApplication::clipboard();
        auto field = owner.lock();
        if (field && e->button() == Qt::MiddleButton && clipboard->supportsSelection() && !isReadOnly()) {
            deselect();
            if (pasteWithoutBlanks(this, clipboard->text(QClipboard::Selection), toQString(field->Mask()))) {
                e->accept();
                return;
            }
        }
        QLineEdit::mouseReleaseEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        e->accept();
        // A contextual click that MouseDown has handled already gets no second menu.
        if (suppressContextMenu_ && e->reason() == QContextMenuEvent::Mouse) {
            suppressContextMenu_ = false;
            return;
        }
        auto field = owner.lock();
        const ContextualMenuShower show = contextualMenuShower();
        if (!field || !show)
            return;
        const QPoint pos = e->pos();
        show(field, pos.x(), pos.y(), e->reason() == QContextMenuEvent::Keyboard);
    }

private:
    bool suppressContextMenu_ = false;
};

} // namespace

struct TextField::Impl {
    std::string text; // until the widget exists
    std::string mask;
    std::int64_t limitText = 0;
    std::int64_t alignment = 0; // 0 default, 1 left, 2 centre, 3 right
    bool readOnly = false, password = false, border = true, useFocusRing = true;
    std::string cueText;
    Color backColor{0xFFFFFF}, textColor{0x000000};
    TextStyle style;

    int maxLength() const
    {
        std::int64_t limit = 32767; // QLineEdit's own limit
        if (!mask.empty())
            limit = std::min<std::int64_t>(limit, toQString(mask).size());
        if (limitText > 0)
            limit = std::min(limit, limitText);
        return static_cast<int>(limit);
    }

    void applyMask(QLineEdit* e) const
    {
        const QString qmask = toQString(mask);
        if (const QValidator* old = e->validator())
            const_cast<QValidator*>(old)->deleteLater();
        e->setValidator(qmask.isEmpty() ? nullptr : new MaskValidator(qmask, e));
        e->setMaxLength(maxLength());
        const QString kept = admittedPrefix(e->text(), qmask).left(maxLength());
        if (kept != e->text())
            e->setText(kept);
    }

    void applyAlignment(QLineEdit* e) const
    {
        Qt::Alignment h = Qt::AlignLeft;
        if (alignment == 2)
            h = Qt::AlignHCenter;
        else if (alignment == 3)
            h = Qt::AlignRight;
        e->setAlignment(h | Qt::AlignVCenter);
    }

    void showReadOnly(QLineEdit* e) const { e->setReadOnly(readOnly); }
    void showPassword(QLineEdit* e) const { e->setEchoMode(password ? QLineEdit::Password : QLineEdit::Normal); }
    void showBorder(QLineEdit* e) const
    {
        e->setFrame(border);
        RefitText(e);
    }
    void showCueText(QLineEdit* e) const { e->setPlaceholderText(toQString(cueText)); }
    void showBackColor(QLineEdit* e) const { setPaletteColor(e, QPalette::Base, backColor); }
    void showTextColor(QLineEdit* e) const { setPaletteColor(e, QPalette::Text, textColor); }
    void showFocusRing(QLineEdit* e) const { e->setAttribute(Qt::WA_MacShowFocusRect, useFocusRing); }

    void applyAll(QLineEdit* e) const
    {
        e->setText(admittedPrefix(toQString(text), toQString(mask)).left(maxLength()));
        applyMask(e);
        applyAlignment(e);
        showReadOnly(e);
        showPassword(e);
        showBorder(e);
        showCueText(e);
        showBackColor(e);
        showTextColor(e);
        showFocusRing(e);
        ApplyTextStyle(e, style);
    }

    // A record kept here and shown on the widget, once there is one.
    template <auto Field, void (Impl::*Show)(QLineEdit*) const>
    static constexpr auto set = &KeepAndShow<&TextField::d, Field, Show>;
};

TextField::TextField() : d(std::make_unique<Impl>()) {}
TextField::~TextField() = default;

std::string TextField::Text() const
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        return toStdString(e->text());
    return d->text;
}

// A text the mask does not admit is cut back to its admitted beginning, so
// the field never holds what a user could not have typed.
void TextField::SetText(const std::string& text)
{
    RequireUIThread();
    d->text = text;
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->setText(admittedPrefix(toQString(text), toQString(d->mask)).left(d->maxLength()));
}

std::string TextField::Mask() const
{
    RequireUIThread();
    return d->mask;
}

void TextField::SetMask(const std::string& mask)
{
    RequireUIThread();
    d->mask = mask;
    if (auto* e = static_cast<QLineEdit*>(widget()))
        d->applyMask(e);
}

// The Edit commands carry the rules for read-only fields: Cut copies, and
// Undo, Paste and Clear change nothing.
void TextField::Undo()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()); e && !e->isReadOnly())
        e->undo();
}

void TextField::Cut()
{
    RequireUIThread();
    auto* e = static_cast<QLineEdit*>(widget());
    if (!e)
        return;
    if (e->isReadOnly())
        e->copy();
    else
        e->cut();
}

void TextField::Copy()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->copy();
}

void TextField::Paste()
{
    RequireUIThread();
    auto* e = static_cast<QLineEdit*>(widget());
    if (!e || e->isReadOnly())
        return;
    if (!pasteWithoutBlanks(e, QGuiApplication::clipboard()->text(), toQString(d->mask)))
        e->paste();
}

// Clear removes the selection and nothing else.
void TextField::Clear()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()); e && !e->isReadOnly() && e->hasSelectedText())
        e->del();
}

void TextField::SelectAll()
{
    RequireUIThread();
    if (auto* e = static_cast<QLineEdit*>(widget()))
        e->selectAll();
}

QWidget* TextField::createWidget(QWidget* parent)
{
    auto* e = new FieldWidget(parent);
    e->owner = std::static_pointer_cast<TextField>(shared_from_this());
    d->applyAll(e);
    std::weak_ptr<TextField> weak = e->owner;
    QObject::connect(e, &QLineEdit::textChanged, e, [weak] {
        if (auto self = weak.lock())
            CallWithExceptionHandling([&] {
                if (self->TextChange)
                    self->TextChange(self);
            });
    });
    return e;
}

std::optional<BoundProperty> TextField::property(const std::string& name)
{
    static constexpr PropertyRow<TextField> rows[] = {
        {"DataField", PropertyType::String, kNotBoundToData},
        {"DataSource", PropertyType::String, kNotBoundToData},
        {"AutomaticallyCheckSpelling", PropertyType::Boolean, StoredWithoutEffect("fields are not spell-checked")},
        {"Alignment", PropertyType::Integer, Impl::set<&Impl::alignment, &Impl::applyAlignment>},
        {"AcceptTabs",
         PropertyType::Boolean,
         StoredWithoutEffect("a single-line field types no Tab: Tab moves on to the next control")},
        {"LimitText", PropertyType::Integer, Impl::set<&Impl::limitText, &Impl::applyMask>},
        {"ReadOnly", PropertyType::Boolean, Impl::set<&Impl::readOnly, &Impl::showReadOnly>},
        {"Mask", PropertyType::String, Through<&TextField::SetMask>},
        {"Text", PropertyType::String, Through<&TextField::SetText>},
        {"CueText", PropertyType::String, Impl::set<&Impl::cueText, &Impl::showCueText>},
        {"Format", PropertyType::String, StoredWithoutEffect("a field shows its text as it holds it")},
        {"BackColor", PropertyType::Color, Impl::set<&Impl::backColor, &Impl::showBackColor>},
        {"TextColor", PropertyType::Color, Impl::set<&Impl::textColor, &Impl::showTextColor>},
        {"UseFocusRing", PropertyType::Boolean, Impl::set<&Impl::useFocusRing, &Impl::showFocusRing>},
        {"Password", PropertyType::Boolean, Impl::set<&Impl::password, &Impl::showPassword>},
        {"Border", PropertyType::Boolean, Impl::set<&Impl::border, &Impl::showBorder>},
    };
    return BindRow(*this, rows, name);
}

TextStyle* TextField::textStyle() { return &d->style; }

std::shared_ptr<TextField> TextFieldOf(QWidget* widget)
{
    auto* field = dynamic_cast<FieldWidget*>(widget);
    return field ? field->owner.lock() : nullptr;
}

void SetContextualMenuShower(ContextualMenuShower shower) { contextualMenuShower() = shower; }

bool RaiseContextualMouseDown(const std::shared_ptr<TextField>& field, std::int64_t x, std::int64_t y)
{
    return raiseMouseDown(field, x, y, true);
}

bool IsContextualClick()
{
    RequireUIThread();
    return currentContextualClick().value_or(false);
}

} // namespace corvanta
