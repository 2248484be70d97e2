#include "checkwindow.h"

#include "window1.h"
#include "window2.h"

namespace corvanta::checkwindow {

void TickFrontSeries(const std::shared_ptr<MenuItem>& windowMenu)
{
    const auto& menu = NotNil(windowMenu, "WindowMenu");
    NotNil(menu->Item(0), "WindowMenu item 0")->SetChecked(IsA<Window1>(Window::At(0)));
    NotNil(menu->Item(1), "WindowMenu item 1")->SetChecked(IsA<Window2>(Window::At(0)));
}

} // namespace corvanta::checkwindow
