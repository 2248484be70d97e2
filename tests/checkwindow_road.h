#pragma once

// Driving a check window the way a user does: pick the letter in the pop-up
// with the keyboard, type the number into the field, press Return; then read
// what the result panel shows on screen.

#include "controls.h"
#include "exceptions.h"
#include "window.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace road {

inline QComboBox* combo(const corvanta::Window& w) { return w.widget()->findChild<QComboBox*>("PopupMenu1"); }

inline QLineEdit* field(const corvanta::Window& w) { return w.widget()->findChild<QLineEdit*>("EditField1"); }

inline QPushButton* button(const corvanta::Window& w) { return w.widget()->findChild<QPushButton*>("PushButton1"); }

inline QWidget* named(const corvanta::Window& w, const char* name) { return w.widget()->findChild<QWidget*>(name); }

// The labels of the result panel, from its first line to its verdict.
inline constexpr const char* kPanelLabels[] = {
    "StaticText3",
    "StaticText4",
    "StaticText5",
    "StaticText6",
    "StaticText7",
    "StaticText8",
    "StaticText9",
};

// What a label shows on screen.
inline std::string shown(const corvanta::Window& w, const char* labelName)
{
    auto* label = w.widget()->findChild<QLabel*>(labelName);
    return label ? label->text().toStdString() : std::string("<no QLabel ") + labelName + ">";
}

inline bool onScreen(const corvanta::Window& w, const char* name)
{
    QWidget* widget = named(w, name);
    return widget && widget->isVisibleTo(w.widget());
}

// Moves the pop-up to the row of `letter` ("" for the blank row) with Home
// and the Down arrow, as the keyboard does.
inline void chooseRow(const corvanta::Window& w, const std::string& letter)
{
    QComboBox* box = combo(w);
    ASSERT_NE(box, nullptr);
    const int row = box->findText(QString::fromStdString(letter), Qt::MatchExactly);
    ASSERT_GE(row, 0) << "no row " << letter;
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        QTest::keyClick(box, Qt::Key_Down);
    ASSERT_EQ(box->currentIndex(), row);
}

// The window made active with the keyboard focus in its number field: the
// field, or nil when the window does not become active.
inline QLineEdit* focusNumber(const corvanta::Window& w)
{
    QLineEdit* edit = field(w);
    w.widget()->activateWindow();
    if (!edit || !QTest::qWaitForWindowActive(w.widget()))
        return nullptr;
    edit->setFocus();
    return edit;
}

inline void typeNumber(const corvanta::Window& w, const std::string& text)
{
    QLineEdit* edit = field(w);
    ASSERT_NE(edit, nullptr);
    edit->setFocus();
    QTest::keyClicks(edit, QString::fromStdString(text));
}

// Return in the field reaches the window, which presses its default button.
inline void pressReturn(const corvanta::Window& w)
{
    QTest::keyClick(field(w), Qt::Key_Return);
    QCoreApplication::processEvents();
}

inline void check(const corvanta::Window& w, const std::string& letter, const std::string& number)
{
    chooseRow(w, letter);
    typeNumber(w, number);
    pressReturn(w);
}

} // namespace road
