// The program's five windows, each opened as the user meets it, for the
// tests that go over all of them: keyboard, screen readers, screens and
// themes.
#pragma once

#include "app/program_state.h"

#include <QWidget>

#include <gtest/gtest.h>

#include <array>
#include <ostream>

namespace nyra::window_test {

// What the calculate command leaves for a birth 72 minutes after the Moon
// entered Thula (30 Dec 1999, 22:49 at Greenwich), so that the result
// window shows its notice as well. Typed place names included.
void CalculateBirthNearAChange();

struct WindowKind {
    const char* name;     ///< The window's class: "frmMain".
    QWidget* (*open)();   ///< Made and shown; a dialog is not run modally.
};
void PrintTo(const WindowKind& kind, std::ostream* os);

// frmMain, frmResult (for the calculation on record), frmSave, frmAbout and
// frmTimeZone, the last three without a window under them.
const std::array<WindowKind, 5>& Windows();

// Keeps the program's records and the windows of one test to that test.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes `window` the active one, as the user's click would: shortcuts
    // and focus only work in the active window.
    static void Activate(QWidget* window);

private:
    ProgramState saved_;
};

} // namespace nyra::window_test
