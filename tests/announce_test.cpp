// The verdict's label raises Qt's name-changed accessibility event once for
// each change of its text, and none when a check gives the same text again.
// The event is Qt's own label's, raised only while accessibility is live, so
// this runs under with_atspi.sh. The test's update handler takes the events
// in place of Qt's AT-SPI bridge: what reaches the bus, and what a screen
// reader then says, is not checked here.

#include "app_fixture.h"
#include "checkwindow_road.h"

#include "window1.h"
#include "window2.h"

#include <QAccessible>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

using namespace corvanta;

namespace {

struct VerdictCase {
    const char* label;
    std::shared_ptr<Window> (*open)();
    const char* letter;
    const char* number;
    const char* otherLetter; // a check with the other verdict
    const char* otherNumber;
};

void PrintTo(const VerdictCase& c, std::ostream* os) { *os << c.label; }

std::shared_ptr<Window> firstSeries() { return Window1::implicitInstance(); }
std::shared_ptr<Window> secondSeries() { return Window2::implicitInstance(); }

const VerdictCase kVerdicts[] = {
    {"FirstSeries", &firstSeries, "S", "20731846950", "H", "00000000009"},
    {"SecondSeries", &secondSeries, "X", "A0000000000", "X", "A0000000001"},
};

std::vector<std::pair<QObject*, QAccessible::Event>>& events()
{
    static std::vector<std::pair<QObject*, QAccessible::Event>> list;
    return list;
}

void record(QAccessibleEvent* event) { events().push_back({event->object(), event->type()}); }

class VerdictAnnouncement : public AppUiTest, public ::testing::WithParamInterface<VerdictCase> {
protected:
    void SetUp() override
    {
        AppUiTest::SetUp();
        // The AT-SPI bridge comes up through the event loop.
        for (int i = 0; i < 200 && !QAccessible::isActive(); ++i)
            QTest::qWait(50);
        ASSERT_TRUE(QAccessible::isActive())
            << "accessibility is not live: this test needs the xcb platform, a D-Bus session with the AT-SPI bus and "
               "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 (tests/atspi/with_atspi.sh sets them up)";
        events().clear();
        previous = QAccessible::installUpdateHandler(&record);
    }

    void TearDown() override
    {
        QAccessible::installUpdateHandler(previous);
        AppUiTest::TearDown();
    }

    static std::size_t nameChanges(QObject* object)
    {
        std::size_t count = 0;
        for (const auto& [source, type] : events())
            count += source == object && type == QAccessible::NameChanged;
        return count;
    }

    // A new check: the letter, then the number typed over the old one.
    static void recheck(const Window& w, const std::string& letter, const std::string& number)
    {
        road::chooseRow(w, letter);
        QLineEdit* field = road::field(w);
        field->setFocus();
        QTest::keyClick(field, Qt::Key_End);
        while (!field->text().isEmpty())
            QTest::keyClick(field, Qt::Key_Backspace);
        road::typeNumber(w, number);
        road::pressReturn(w);
    }

    QAccessible::UpdateHandler previous = nullptr;
};

TEST_P(VerdictAnnouncement, RaisesANameChangeForEachChangeOfItsText)
{
    const VerdictCase& c = GetParam();
    auto w = c.open();
    ASSERT_NE(w, nullptr);
    QObject* verdict = road::named(*w, "StaticText9");
    ASSERT_NE(verdict, nullptr);

    road::check(*w, c.letter, c.number);
    const std::string first = road::shown(*w, "StaticText9");
    EXPECT_FALSE(first.empty());
    EXPECT_EQ(nameChanges(verdict), 1u);

    // The same verdict again says nothing new; the other one does.
    recheck(*w, c.letter, c.number);
    EXPECT_EQ(nameChanges(verdict), 1u);
    recheck(*w, c.otherLetter, c.otherNumber);
    EXPECT_NE(road::shown(*w, "StaticText9"), first);
    EXPECT_EQ(nameChanges(verdict), 2u);
}

INSTANTIATE_TEST_SUITE_P(CheckWindows, VerdictAnnouncement, ::testing::ValuesIn(kVerdicts), [](const auto& info) {
    return std::string(info.param.label);
});

} // namespace
