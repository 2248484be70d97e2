#include "controls.h"

#include "handlers.h"
#include "private/propertytypes.h"
#include "private/qtconversions.h"
#include "private/textstyle.h"

#include <QComboBox>
#include <QSignalBlocker>

#include <vector>

namespace corvanta {

struct PopupMenu::Impl {
    std::vector<std::string> rows;
    // The row to select; kept while there are no rows yet, since the stored
    // lists set ListIndex before InitialValue.
    std::int64_t listIndex = -1;
    TextStyle style;

    bool inRange(std::int64_t i) const { return i >= 0 && i < static_cast<std::int64_t>(rows.size()); }

    void fill(QComboBox* c) const
    {
        c->clear();
        for (const auto& row : rows)
            c->addItem(toQString(row));
        c->setCurrentIndex(inRange(listIndex) ? static_cast<int>(listIndex) : -1);
    }
};

PopupMenu::PopupMenu() : d(std::make_unique<Impl>()) {}
PopupMenu::~PopupMenu() = default;

std::int64_t PopupMenu::ListIndex() const
{
    RequireUIThread();
    if (auto* c = static_cast<QComboBox*>(widget()))
        return c->currentIndex();
    return d->inRange(d->listIndex) ? d->listIndex : -1;
}

// An index outside the rows selects none.
void PopupMenu::SetListIndex(std::int64_t index)
{
    RequireUIThread();
    d->listIndex = index;
    if (auto* c = static_cast<QComboBox*>(widget()))
        c->setCurrentIndex(d->inRange(index) ? static_cast<int>(index) : -1);
}

std::string PopupMenu::Text() const
{
    RequireUIThread();
    const auto i = ListIndex();
    return d->inRange(i) ? d->rows[static_cast<std::size_t>(i)] : std::string();
}

std::int64_t PopupMenu::ListCount() const
{
    RequireUIThread();
    return static_cast<std::int64_t>(d->rows.size());
}

std::string PopupMenu::List(std::int64_t row) const
{
    RequireUIThread();
    return d->inRange(row) ? d->rows[static_cast<std::size_t>(row)] : std::string();
}

// The rows are the pieces between line ends (CR, LF or CR LF): a leading
// line end gives a blank first row. The empty text gives no rows.
void PopupMenu::SetInitialValue(const std::string& rows)
{
    RequireUIThread();
    std::vector<std::string> pieces;
    if (!rows.empty()) {
        std::string piece;
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const char c = rows[i];
            if (c == '\r' || c == '\n') {
                pieces.push_back(piece);
                piece.clear();
                if (c == '\r' && i + 1 < rows.size() && rows[i + 1] == '\n')
                    ++i;
            } else {
                piece.push_back(c);
            }
        }
        pieces.push_back(piece);
    }
    d->rows = std::move(pieces);
    auto* c = static_cast<QComboBox*>(widget());
    if (!c)
        return;
    const int before = c->currentIndex();
    {
        const QSignalBlocker blocker(c);
        d->fill(c);
    }
    RefitText(c);
    // One Change for the whole rebuild, and only when the selection moved.
    if (c->currentIndex() != before)
        Q_EMIT c->currentIndexChanged(c->currentIndex());
}

QWidget* PopupMenu::createWidget(QWidget* parent)
{
    auto* c = new QComboBox(parent);
    d->fill(c);
    ApplyTextStyle(c, d->style);
    std::weak_ptr<PopupMenu> weak = std::static_pointer_cast<PopupMenu>(shared_from_this());
    QObject::connect(c, &QComboBox::currentIndexChanged, c, [weak](int index) {
        auto self = weak.lock();
        if (!self)
            return;
        self->d->listIndex = index;
        CallWithExceptionHandling([&] {
            if (self->Change)
                self->Change(self);
        });
    });
    return c;
}

std::optional<BoundProperty> PopupMenu::property(const std::string& name)
{
    static constexpr PropertyRow<PopupMenu> rows[] = {
        {"DataField", PropertyType::String, kNotBoundToData},
        {"DataSource", PropertyType::String, kNotBoundToData},
        {"ListIndex", PropertyType::Integer, Through<&PopupMenu::SetListIndex>},
        {"InitialValue", PropertyType::String, Through<&PopupMenu::SetInitialValue>},
    };
    return BindRow(*this, rows, name);
}

TextStyle* PopupMenu::textStyle() { return &d->style; }

} // namespace corvanta
