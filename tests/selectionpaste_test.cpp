// A middle click into the first-series number field pastes the X11 selection
// under the rule of every other paste: blanks dropped first, what still does
// not fit the mask refused whole. Only a real X server has a selection
// clipboard, so this runs on the xcb platform under tests/x11/with_xvfb.sh.

#include "app_fixture.h"
#include "checkwindow_road.h"
#include "paste_cases.h"

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

    std::shared_ptr<Window1> w;
    QLineEdit* field = nullptr;
};

TEST_P(MiddleClickPaste, DropsBlanksAndRefusesWhatStillDoesNotFit)
{
    const PasteCase& c = GetParam();
    QTest::keyClicks(field, c.typed);
    ASSERT_EQ(field->text().toStdString(), c.typed);
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(kOnTheClipboard, QClipboard::Clipboard);
    clipboard->setText(QString::fromUtf8(c.pasted), QClipboard::Selection);
    ASSERT_EQ(clipboard->text(QClipboard::Selection).toStdString(), c.pasted);

    // Right of the typed digits: the press puts the caret at their end.
    const QPoint at(field->width() - 4, field->height() / 2);
    QTest::mouseClick(field, Qt::MiddleButton, {}, at);

    EXPECT_EQ(field->text().toStdString(), c.text);
    EXPECT_EQ(w->EditField1()->Text(), c.text);
    // Both copies are left as they were.
    EXPECT_EQ(clipboard->text(QClipboard::Selection).toStdString(), c.pasted);
    EXPECT_EQ(clipboard->text(QClipboard::Clipboard).toStdString(), kOnTheClipboard);
}

INSTANTIATE_TEST_SUITE_P(FirstSeries, MiddleClickPaste, ::testing::ValuesIn(kPasteCases), [](const auto& info) {
    return std::string(info.param.name);
});

} // namespace
