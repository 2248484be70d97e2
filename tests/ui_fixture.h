#pragma once

#include "window.h"

#include <QCoreApplication>
#include <QEvent>
#include <gtest/gtest.h>

// Leaves no window behind: each test starts with an empty window list.
class UiTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        while (auto w = corvanta::Window::At(0))
            w->Close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
};
