#include "window2.h"

#include "exceptions.h"
#include "lettertables.h"
#include "localize.h"
#include "pictures.h"
#include "propertylists.h"
#include "rules.h"
#include "text.h"

namespace corvanta {

void Window2::Layout() { LayOut(_x_eurob2::eurob2(), checklists::SecondSeriesDesign()); }

void Window2::CreateControls0() { CreateCheckControls(checklists::SecondSeriesDesign(), &Localize::kStampIn); }

void Window2::Event_Open() { SetTitle(Title() + " (" + Localize::kSecSer() + ")"); }

void Window2::PushButton1_Action(const std::shared_ptr<PushButton>&)
{
    NotNil(StaticText4(), "StaticText4")->SetText(NotNil(PopupMenu1(), "PopupMenu1")->Text());
    NotNil(StaticText5(), "StaticText5")->SetText(Uppercase(NotNil(EditField1(), "EditField1")->Text()));

    // The first equal letter decides; a letter of no case leaves flag and country as they are.
    const std::string letter = NotNil(PopupMenu1(), "PopupMenu1")->Text();
    const SecondSeriesCase* printer = nullptr;
    for (const SecondSeriesCase& candidate : tabellaSecondaSerie()) {
        for (const std::string& caseLetter : candidate.letters) {
            if (!printer && StringCompare(letter, caseLetter) == 0)
                printer = &candidate;
        }
    }
    if (printer) {
        NotNil(Canvas1(), "Canvas1")->SetBackdrop(printer->flag());
        NotNil(StaticText7(), "StaticText7")->SetText(printer->country({}));
    }

    const std::int64_t sum =
        controlla3(NotNil(PopupMenu1(), "PopupMenu1")->Text() + Uppercase(NotNil(EditField1(), "EditField1")->Text()));
    ShowVerdict(sum == 7);
}

std::int64_t Window2::controlla3(const std::string& s) { return rules::secondSeriesSum(s); }

} // namespace corvanta
