#pragma once

// The situations a check window's Edit items are worked out in, whichever
// way the user reaches them: what the number field holds and has selected,
// what the clipboard holds, where the focus is, and which of Undo, Cut, Copy,
// Paste, Clear and Select all are enabled then.

#include "checkwindow_road.h"

#include "app.h"
#include "controls.h"
#include "exceptions.h"
#include "info.h"
#include "propertylist.h"
#include "window.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <vector>

inline const char* const kEditItems[] = {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"};

struct EnableCase {
    const char* name;
    std::function<void(QLineEdit* field, const corvanta::Window& w, const std::shared_ptr<corvanta::App>& app)> arrange;
    // Enabled: Undo, Cut, Copy, Paste, Clear, Select all.
    std::vector<bool> enabled;
    // The number field keeps the focus.
    bool fieldFocused = true;
    // The check window stays in front.
    bool checkWindowInFront = true;
};

inline void PrintTo(const EnableCase& c, std::ostream* os) { *os << c.name; }

inline std::shared_ptr<corvanta::TextField> numberField(const corvanta::Window& w)
{
    return corvanta::NotNil(w.ControlNamed<corvanta::TextField>("EditField1"), "EditField1");
}

// The start of a number the window's field admits: the second series' opens
// with a letter.
inline QString aNumberFor(const corvanta::Window& w)
{
    return numberField(w)->Mask().starts_with('A') ? QStringLiteral("X1234") : QStringLiteral("12345");
}

// The number typed and selected whole, and a digit on the clipboard: every
// command could act on the field.
inline void typedSelectedAndOnTheClipboard(QLineEdit* field, const corvanta::Window& w)
{
    QTest::keyClicks(field, aNumberFor(w));
    field->selectAll();
    QApplication::clipboard()->setText("9");
}

inline const EnableCase kEnableCases[] = {
    {"EmptyField", [](QLineEdit*, auto&, auto) {}, {false, false, false, false, false, false}},
    {"EmptyFieldAndTextOnTheClipboard",
     [](QLineEdit*, auto&, auto) { QApplication::clipboard()->setText("123"); },
     {false, false, false, true, false, false}},
    {"TypedNumberAndACaret",
     [](QLineEdit* f, auto& w, auto) {
         QTest::keyClicks(f, aNumberFor(w));
         QTest::keyClick(f, Qt::Key_Home);
     },
     {true, false, false, false, false, true}},
    {"TypedNumberPartlySelected",
     [](QLineEdit* f, auto& w, auto) {
         QTest::keyClicks(f, aNumberFor(w));
         f->setSelection(1, 2);
     },
     {true, true, true, false, true, true}},
    {"NumberSetByTheProgramHasNothingToUndo",
     [](QLineEdit*, auto& w, auto) { numberField(w)->SetText(aNumberFor(w).toStdString()); },
     {false, false, false, false, false, true}},
    {"ReadOnlyFieldWithASelection",
     [](QLineEdit* f, auto& w, auto) {
         typedSelectedAndOnTheClipboard(f, w);
         numberField(w)->SetProperties(corvanta::PropertyList({{"ReadOnly", true}}));
     },
     {false, true, true, false, false, true}},
    {"PasswordFieldWithASelection",
     [](QLineEdit* f, auto& w, auto) {
         numberField(w)->SetProperties(corvanta::PropertyList({{"Password", true}}));
         typedSelectedAndOnTheClipboard(f, w);
     },
     {true, true, false, true, true, true}},
    {"FocusInThePopUp",
     [](QLineEdit* f, auto& w, auto) {
         typedSelectedAndOnTheClipboard(f, w);
         road::combo(w)->setFocus();
     },
     {false, false, false, false, false, false},
     false},
    {"AboutWindowInFront",
     [](QLineEdit* f, auto& w, auto app) {
         typedSelectedAndOnTheClipboard(f, w);
         ASSERT_TRUE(app->FileInfo_Action());
         ASSERT_TRUE(QTest::qWaitForWindowActive(corvanta::Info::implicitInstance()->widget()));
     },
     {false, false, false, false, false, false},
     false,
     false},
};

// The situations that hold what `keep` asks for.
inline std::vector<EnableCase> enableCasesWhere(bool (*keep)(const EnableCase& c))
{
    std::vector<EnableCase> cases;
    for (const EnableCase& c : kEnableCases)
        if (keep(c))
            cases.push_back(c);
    return cases;
}
