// The second-series rule as the window hands it letter and number. The check
// through the user's road is in checkwindows_test.cpp.

#include "ui_fixture.h"

#include "window2.h"

using namespace corvanta;

namespace {

using Window2Test = UiTest;

TEST_F(Window2Test, TheRuleGetsLetterAndNumberInOneText)
{
    auto w = Window2::implicitInstance();
    EXPECT_EQ(w->controlla3("XA0000000000"), 7);
    EXPECT_EQ(w->controlla3("DA0000000000"), 5);
    EXPECT_EQ(w->controlla3("D00000000000"), -12);
}

} // namespace
