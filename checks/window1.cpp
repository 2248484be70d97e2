#include "window1.h"

#include "exceptions.h"
#include "lettertables.h"
#include "localize.h"
#include "pictures.h"
#include "propertylists.h"
#include "rules.h"
#include "text.h"

namespace corvanta {

void Window1::Layout() { LayOut(_x_eurob::eurob(), checklists::FirstSeriesDesign()); }

void Window1::CreateControls0() { CreateCheckControls(checklists::FirstSeriesDesign(), &Localize::kProvDa); }

void Window1::Event_Open() { SetTitle(Title() + " (" + Localize::kPriSer() + ")"); }

void Window1::PushButton1_Action(const std::shared_ptr<PushButton>&)
{
    NotNil(StaticText4(), "StaticText4")->SetText(NotNil(PopupMenu1(), "PopupMenu1")->Text());
    NotNil(StaticText5(), "StaticText5")->SetText(NotNil(EditField1(), "EditField1")->Text());

    std::int64_t expectedRoot = 0;
    const std::string letter = NotNil(PopupMenu1(), "PopupMenu1")->Text();
    for (const FirstSeriesRow& row : tabellaPrimaSerie()) {
        if (StringCompare(letter, row.letter) == 0) {
            NotNil(Canvas1(), "Canvas1")->SetBackdrop(row.flag());
            NotNil(StaticText7(), "StaticText7")->SetText(row.country({}));
            expectedRoot = row.expectedRoot;
            break;
        }
    }

    // The check digit is tested only once the digital root is right.
    bool valid = false;
    if (controlla(NotNil(EditField1(), "EditField1")->Text()) == expectedRoot)
        valid = controlla2(NotNil(EditField1(), "EditField1")->Text());

    ShowVerdict(valid);
}

std::int64_t Window1::controlla(const std::string& s) { return rules::digitalRoot(s); }

bool Window1::controlla2(const std::string& s)
{
    return rules::firstSeriesCheckDigit(NotNil(PopupMenu1(), "PopupMenu1")->Text(), s);
}

} // namespace corvanta
