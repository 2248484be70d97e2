// A middle click into the first-series number field pastes the X11 selection
// under the rule of every other paste: blanks dropped first, what still does
// not fit the mask refused whole, nothing into a read-only field. Only a real X server has a selection
// clipboard, so this runs on the xcb platform under tests/x11/with_xvfb.sh.

#include "app_fixture.h"
#include "checkwindow_road.h"
#include "paste_cases.h"

#include "exceptions.h"
#include "propertylist.h"
#include "window1.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>

using namespace corvanta;

namespace {

// On the ordinary clipboard meanwhile: a number the mask admits, so a middle
// click that read it instead of the selection would show.
constexpr const char* kOnTheClipboard = "55555555555";

class MiddleClickPaste : public AppUiTest, public ::testing::WithParamInterface<PasteCase> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(QGuiApplication::clipboard()->supportsSelection())
            << "the " << QGuiApplication::platformName().toStdString()
            << " platform has no selection clipboard: this test needs the xcb platform on an X server "
               "(tests/x11/with_xvfb.sh starts Xvfb and sets QT_QPA_PLATFORM=xcb)";
        AppUiTest::SetUp();
        w = Window1::implicitInstance();
        ASSERT_NE(w, nullptr);
        field = road::field(*w);
        ASSERT_NE(field, nullptr);
        field->setFocus();
    }

    void TearDown() override
    {
        AppUiTest::TearDown();
        QApplication::clipboard()->clear(QClipboard::Clipboard);
        QApplication::clipboard()->clear(QClipboard::Selection);
    }

    // Types the case's digits, puts its text in the selection and middle
    // clicks right of the digits (the press puts the caret at their end).
    void typeAndMiddleClick(const PasteCase& c, bool readOnly)
    {
        QTest::keyClicks(field, c.typed);
        ASSERT_EQ(field->text().toStdString(), c.typed);
        if (readOnly)
            NotNil(w->EditField1())->SetProperties(PropertyList({{"ReadOnly", true}}));
        QClipboard* clipboard = QApplication::clipboard();
        clipboard->setText(kOnTheClipboard, QClipboard::Clipboard);
        clipboard->setText(QString::fromUtf8(c.pasted), QClipboard::Selection);
        ASSERT_EQ(clipboard->text(QClipboard::Selection).toStdString(), c.pasted);

        QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(field->width() - 4, field->height() / 2));

        // Both copies are left as they were.
        EXPECT_EQ(clipboard->text(QClipboard::Selection).toStdString(), c.pasted);
        EXPECT_EQ(clipboard->text(QClipboard::Clipboard).toStdString(), kOnTheClipboard);
    }

    std::shared_ptr<Window1> w;
    QLineEdit* field = nullptr;
};

TEST_P(MiddleClickPaste, DropsBlanksAndRefusesWhatStillDoesNotFit)
{
    const PasteCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(typeAndMiddleClick(c, false));
    EXPECT_EQ(field->text().toStdString(), c.text);
    EXPECT_EQ(w->EditField1()->Text(), c.text);
}

// A read-only field takes no paste, whatever the selection holds.
TEST_P(MiddleClickPaste, IntoAReadOnlyFieldPastesNothing)
{
    const PasteCase& c = GetParam();
    ASSERT_NO_FATAL_FAILURE(typeAndMiddleClick(c, true));
    EXPECT_EQ(field->text().toStdString(), c.typed);
    EXPECT_EQ(w->EditField1()->Text(), c.typed);
}

INSTANTIATE_TEST_SUITE_P(FirstSeries, MiddleClickPaste, ::testing::ValuesIn(kPasteCases), [](const auto& info) {
    return std::string(info.param.name);
});

} // namespace
