#include "window_set.h"

#include "engine/ephemeris.h"
#include "report_test_support.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/frm_time_zone.h"

#include <QApplication>
#include <QTest>

namespace nyra::window_test {

void CalculateBirthNearAChange() {
    ProgramState& program = Program();
    program.birth = BirthRecord{};
    program.birth.BirthName = "Asha Rao";
    program.birth.BirthYear = 1999;
    program.birth.BirthMonth = 12;
    program.birth.BirthDay = 30;
    program.birth.BirthHour = 22;
    program.birth.BirthMinute = 49;
    program.birthPlace = "Greenwich, England, United Kingdom";
    program.chart = ComputeMoonChart(program.birth);
    program.description = report_test::Describe(program.chart.RashiName.c_str());
}

void PrintTo(const WindowKind& kind, std::ostream* os) { *os << kind.name; }

namespace {

template <class Window>
QWidget* Shown(Window* window) {
    window->show();
    return window;
}

} // namespace

const std::array<WindowKind, 5>& Windows() {
    static const std::array<WindowKind, 5> kinds{{
        {"frmMain", [] { return Shown(new frmMain); }},
        {"frmResult", [] { return Shown(new frmResult); }},
        {"frmSave", [] { return Shown(new frmSave); }},
        {"frmAbout", [] { return Shown(new frmAbout); }},
        {"frmTimeZone", [] { return Shown(new frmTimeZone); }},
    }};
    return kinds;
}

void WindowTest::SetUp() {
    saved_ = Program();
    CalculateBirthNearAChange();
}

void WindowTest::TearDown() {
    // Menus are top-level widgets too and go with their window: pick
    // first, delete after.
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w) || qobject_cast<frmSave*>(w) ||
            qobject_cast<frmAbout*>(w) || qobject_cast<frmTimeZone*>(w))
            windows.append(w);
    qDeleteAll(windows);
    Program() = saved_;
}

void WindowTest::Activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace nyra::window_test
