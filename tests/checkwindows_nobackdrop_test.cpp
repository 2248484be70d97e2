// Without their backdrop images the check windows are built all the same.
// The picture accessors hold a loaded picture for the rest of the run, so this
// lives in a binary of its own where no backdrop has been loaded before.

#include "ui_fixture.h"

#include "picture.h"
#include "pictures.h"
#include "window1.h"
#include "window2.h"

#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

using namespace corvanta;

namespace {

const char* const kControls[] = {"Rectangle1",
                                 "StaticText3",
                                 "StaticText6",
                                 "StaticText7",
                                 "StaticText8",
                                 "StaticText9",
                                 "StaticText5",
                                 "Canvas1",
                                 "StaticText4",
                                 "StaticText1",
                                 "StaticText2",
                                 "PopupMenu1",
                                 "EditField1",
                                 "PushButton1"};

class WithoutBackdrop : public UiTest {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(empty.isValid());
        SetResourcesFolderForTesting(QDir(empty.path()).absolutePath().toStdString());
    }
    void TearDown() override
    {
        UiTest::TearDown();
        SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    }
    QTemporaryDir empty;
};

TEST_F(WithoutBackdrop, EachCheckWindowHasAllItsControls)
{
    auto w1 = Window1::implicitInstance();
    auto w2 = Window2::implicitInstance();
    for (const std::shared_ptr<Window>& w : {std::shared_ptr<Window>(w1), std::shared_ptr<Window>(w2)}) {
        EXPECT_TRUE(w->IsOpen());
        EXPECT_EQ(w->Backdrop(), nullptr);
        for (const char* name : kControls)
            EXPECT_NE(w->ControlByName(name), nullptr) << w->classRecord().name() << " " << name;
    }
    EXPECT_EQ(w1->Title(), "Corvanta (First Series)");
    EXPECT_EQ(w2->Title(), "Corvanta (Second Series)");
    EXPECT_EQ(w1->contentWidget()->size(), QSize(611, 328));
    EXPECT_EQ(w2->contentWidget()->size(), QSize(445, 248));

    // Once the images are back, the next window gets its backdrop: a failed
    // load is tried again.
    w1->Close();
    SetResourcesFolderForTesting(CORVANTA_TEST_RESOURCES_DIR);
    auto again = Window1::implicitInstance();
    EXPECT_NE(again->Backdrop(), nullptr);
    EXPECT_EQ(again->Backdrop(), _x_eurob::eurob());
}

} // namespace
