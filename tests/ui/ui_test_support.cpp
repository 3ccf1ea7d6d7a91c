#include "ui_test_support.h"

#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/frm_time_zone.h"

#include <QApplication>
#include <QDesktopServices>
#include <QTest>
#include <QTextDocument>

#include <cmath>
#include <cstdlib>

namespace nyra::test {

void FakeDialogs::Message(QWidget*, const QString& text, MessageIcon icon) { messages.push_back({text, icon}); }

bool FakeDialogs::Ask(QWidget*, const QString& question) {
    questions.append(question);
    if (answers.empty()) return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

QString FakeDialogs::OpenPath(QWidget*) {
    ++openDialogs;
    return openPath;
}

QString FakeDialogs::SavePath(QWidget*, const SaveRequest& request) {
    saveRequests.push_back(request);
    return savePath;
}

PrintOutcome FakeDialogs::Print(const QTextDocument& document) {
    printed.append(document.toPlainText());
    return printOutcome;
}

QStringList FakeDialogs::MessageTexts() const {
    QStringList texts;
    for (const ShownMessage& message : messages) texts.append(message.text);
    return texts;
}

UrlRecorder::UrlRecorder() {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openUrl");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "openUrl");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void UrlRecorder::openUrl(const QUrl& url) { opened.append(url); }

BirthRecord Birth(const BirthAt& at, const char* name) {
    BirthRecord b;
    b.BirthName = name;
    b.BirthYear = static_cast<std::int16_t>(at.year);
    b.BirthMonth = static_cast<std::int16_t>(at.month);
    b.BirthDay = static_cast<std::int16_t>(at.day);
    b.BirthHour = static_cast<std::int16_t>(at.hour);
    b.BirthMinute = static_cast<std::int16_t>(at.minute);
    const double lon = std::abs(at.lonDeg);
    b.LonDegrees = static_cast<std::int16_t>(lon);
    b.LonMinutes = static_cast<std::int16_t>(std::lround((lon - std::floor(lon)) * 60));
    b.LonIsEast = at.lonDeg > 0 ? kTrue : kFalse;
    const int zone = std::abs(at.zoneMinutes);
    b.ZoneHours = static_cast<std::int16_t>(zone / 60);
    b.ZoneMinutes = static_cast<std::int16_t>(zone % 60);
    // A clock ahead of UTC west of Greenwich, or behind it to the east, is
    // only said by the zone's own sign.
    if (at.zoneMinutes > 0 && at.lonDeg <= 0) b.ZoneIsEast = kTrue;
    return b;
}

Calculation CalculationOf(const BirthRecord& birth, const TimeWindow& timeKnown, const BirthPlace& place) {
    return Calculate({birth, place, timeKnown, kDefaultAyanamsa});
}

Calculation NearAChange() {
    BirthPlace place;
    place.city = "Greenwich";
    place.state = "England";
    place.country = "United Kingdom";
    return CalculationOf(Birth({1999, 12, 30, 22, 49}), {}, place);
}

Calculation ShowingSign(const char* vedicName) {
    Calculation calculation = NearAChange();
    calculation.description = Describe(vedicName);
    return calculation;
}

SignDescription Describe(const char* vedicName) {
    const std::optional<SignDescription> description = DescribeMoonSign(vedicName);
    EXPECT_TRUE(description.has_value()) << vedicName;
    return description.value_or(SignDescription{});
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
        {"frmMain", [](Dialogs& d) { return Shown(new frmMain(d)); }},
        {"frmResult", [](Dialogs& d) { return Shown(new frmResult(NearAChange(), d)); }},
        {"frmSave",
         [](Dialogs& d) {
             auto* result = new frmResult(NearAChange(), d);
             auto* report = new frmSave(result->calculation(), d, result);
             report->setAttribute(Qt::WA_DeleteOnClose);
             return Shown(report);
         }},
        {"frmAbout", [](Dialogs&) { return Shown(new frmAbout); }},
        {"frmTimeZone", [](Dialogs&) { return Shown(new frmTimeZone(nullptr, nullptr)); }},
    }};
    return kinds;
}

void WindowTest::TearDown() {
    // Menus are top-level widgets too and go with their window: pick
    // first, delete after.
    // A dialog over a window goes with that window.
    QList<QWidget*> windows;
    for (QWidget* w : QApplication::topLevelWidgets())
        if ((qobject_cast<frmMain*>(w) || qobject_cast<frmResult*>(w) || qobject_cast<frmSave*>(w) ||
             qobject_cast<frmAbout*>(w) || qobject_cast<frmTimeZone*>(w)) &&
            !w->parentWidget())
            windows.append(w);
    qDeleteAll(windows);
}

void WindowTest::Activate(QWidget* window) {
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
}

} // namespace nyra::test
