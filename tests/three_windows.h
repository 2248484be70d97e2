#pragma once

// The three windows of the application, opened as the user opens them: the
// check windows from the Window menu's handlers, About from its item.

#include "app.h"
#include "exceptions.h"
#include "info.h"
#include "window.h"
#include "window1.h"
#include "window2.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace threewindows {

enum class Which { FirstSeries, SecondSeries, About };

inline const Which kAll[] = {Which::FirstSeries, Which::SecondSeries, Which::About};

inline std::string nameOf(Which which)
{
    switch (which) {
    case Which::FirstSeries: return "FirstSeries";
    case Which::SecondSeries: return "SecondSeries";
    case Which::About: return "About";
    }
    return "?";
}

inline void PrintTo(Which which, std::ostream* os) { *os << nameOf(which); }

inline std::shared_ptr<corvanta::Window> open(Which which, corvanta::App& app)
{
    switch (which) {
    case Which::FirstSeries: return corvanta::Window1::implicitInstance();
    case Which::SecondSeries: return corvanta::Window2::implicitInstance();
    case Which::About:
        EXPECT_TRUE(app.FileInfo_Action());
        return corvanta::CheckCast<corvanta::Info>(corvanta::Window::At(0));
    }
    return nullptr;
}

} // namespace threewindows
