#pragma once

// The application as early start-up leaves it: the App registered, the shared
// menu bar as the application's bar, and the App's menu handlers; every text
// in the language the test asks for ("zz" has no localization: English).

#include "ui_fixture.h"

#include "app.h"
#include "application.h"
#include "startup.h"
#include "system.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

class AppUiTest : public UiTest {
protected:
    virtual std::string language() const { return "zz"; }

    void SetUp() override
    {
        corvanta::SystemClass::SetLanguageForTesting(language());
        corvanta::NewAppInstance();
        corvanta::ApplicationAddMenuHandlers();
        app = corvanta::App::implicitInstance();
        ASSERT_NE(app, nullptr);
    }

    void TearDown() override
    {
        // Unregistered first, so closing the last window asks for no quit.
        corvanta::RegisterAppObject(nullptr);
        UiTest::TearDown();
        corvanta::SystemClass::SetLanguageForTesting(std::nullopt);
    }

    std::shared_ptr<corvanta::App> app;
};
