// Every caption and frame title the user reads on the windows, one row each,
// where no other test reads it already.
#include "app/program_state.h"
#include "links/web_links.h"
#include "report_test_support.h"
#include "ui/frm_about.h"
#include "ui/frm_main.h"
#include "ui/frm_result.h"
#include "ui/frm_save.h"
#include "ui/frm_time_zone.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace nyra {
namespace {

enum class Window { Main, Result, Report, Picker, About };

struct CaptionCase {
    const char* name;
    Window window;
    const char* control;  ///< The object name; "" for the window's title.
    const char* text;     ///< HOST stands for the product site's host name.
};
void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

// What the user reads on a control: a label's text, a button's caption or a
// frame's title.
std::string CaptionOf(const QWidget& window, const char* control) {
    if (!*control) return window.windowTitle().toStdString();
    const QString name = QString::fromLatin1(control);
    if (const auto* label = window.findChild<QLabel*>(name)) return label->text().toStdString();
    if (const auto* button = window.findChild<QAbstractButton*>(name)) return button->text().toStdString();
    if (const auto* frame = window.findChild<QGroupBox*>(name)) return frame->title().toStdString();
    return std::string("<no control ") + control + ">";
}

class Captions : public ::testing::TestWithParam<CaptionCase> {
protected:
    void SetUp() override { savedState_ = Program(); }
    void TearDown() override { Program() = savedState_; }

    std::unique_ptr<QWidget> Open(Window kind) {
        Program().description = report_test::Describe("Mesha");
        switch (kind) {
        case Window::Main: return std::make_unique<frmMain>();
        case Window::Result: return std::make_unique<frmResult>();
        case Window::Report: return std::make_unique<frmSave>();
        case Window::Picker: return std::make_unique<frmTimeZone>();
        case Window::About: return std::make_unique<frmAbout>();
        }
        return nullptr;
    }

private:
    ProgramState savedState_;
};

TEST_P(Captions, ReadAsWritten) {
    const std::unique_ptr<QWidget> window = Open(GetParam().window);
    window->show();
    std::string expected = GetParam().text;
    if (const auto at = expected.find("HOST"); at != std::string::npos)
        expected.replace(at, 4, QUrl(ProductPageUrl()).host().toStdString());
    EXPECT_EQ(CaptionOf(*window, GetParam().control), expected);
}

constexpr const char* kCoBrand =
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
    "link here. See \"Help\" for details.    Click Here for more info on co-branding.";
constexpr const char* kFullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website.";
constexpr const char* kFullBrand =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.";

INSTANTIATE_TEST_SUITE_P(
    Windows, Captions,
    ::testing::Values(
        CaptionCase{"MainProductName", Window::Main, "lblProductName", "Nyra Moon Sign"},
        CaptionCase{"MainBirthFrame", Window::Main, "fraBirth", "Birth Details"},
        CaptionCase{"MainName", Window::Main, "lblName", "Name"},
        CaptionCase{"MainDateOfBirth", Window::Main, "lblDateOfBirth", "Date of Birth"},
        CaptionCase{"MainTimeOfBirth", Window::Main, "lblTimeOfBirth", "Time of Birth"},
        CaptionCase{"MainTimeFormat", Window::Main, "lblTimeFormat", "HH:MM:SS"},
        CaptionCase{"MainPlaceFrame", Window::Main, "fraPlace", "Place of Birth"},
        CaptionCase{"MainCity", Window::Main, "lblCity", "City"},
        CaptionCase{"MainState", Window::Main, "lblState", "State"},
        CaptionCase{"MainCountry", Window::Main, "lblCountry", "Country"},
        CaptionCase{"MainLookup", Window::Main, "cmdBrowser", "Click Here To Find Latitude && Longitude"},
        CaptionCase{"MainLatitudeFrame", Window::Main, "fraLatitude", "Latitude"},
        CaptionCase{"MainNorth", Window::Main, "optLat(0)", "North"},
        CaptionCase{"MainSouth", Window::Main, "optLat(1)", "South"},
        CaptionCase{"MainLatitudeDegrees", Window::Main, "lblLatDeg", "Deg"},
        CaptionCase{"MainLatitudeMinutes", Window::Main, "lblLatMin", "Min"},
        CaptionCase{"MainLongitudeFrame", Window::Main, "fraLongitude", "Longitude"},
        CaptionCase{"MainEast", Window::Main, "optLong(0)", "East"},
        CaptionCase{"MainWest", Window::Main, "optLong(1)", "West"},
        CaptionCase{"MainLongitudeDegrees", Window::Main, "lblLonDeg", "Deg"},
        CaptionCase{"MainLongitudeMinutes", Window::Main, "lblLonMin", "Min"},
        CaptionCase{"MainZoneFrame", Window::Main, "fraZone", "Time Zone"},
        CaptionCase{"MainZoneHours", Window::Main, "lblZoneHour", "Hour"},
        CaptionCase{"MainZoneMinutes", Window::Main, "lblZoneMinute", "Min"},
        CaptionCase{"MainDst", Window::Main, "chkDST", "DST"},
        CaptionCase{"MainZoneHelp", Window::Main, "lblTZHelp", "TZ Help"},
        CaptionCase{"MainOpen", Window::Main, "cmdOpen", "&Open Previously Saved Record"},
        CaptionCase{"MainCalculate", Window::Main, "cmdRashi", "Find My Moon Sign"},
        CaptionCase{"MainCoBrand", Window::Main, "lblCobrand", kCoBrand},
        CaptionCase{"MainFullBrand", Window::Main, "lblFullBrand", kFullBrand},
        CaptionCase{"ResultSymbol", Window::Result, "lblSymbol", "Symbol"},
        CaptionCase{"ResultInbornNature", Window::Result, "lblInbornNature", "Inborn Nature"},
        CaptionCase{"ResultSignColor", Window::Result, "lblSignColor", "Sign Color"},
        CaptionCase{"ResultTypeOfSign", Window::Result, "lblTypeOfSign", "Type Of Sign"},
        CaptionCase{"ResultGender", Window::Result, "lblGender", "Gender"},
        CaptionCase{"ResultSignCaste", Window::Result, "lblSignCaste", "Sign Caste"},
        CaptionCase{"ResultSignPosition", Window::Result, "lblSignPosition", "Sign Position"},
        CaptionCase{"ResultPartOfTheBody", Window::Result, "lblPartOfTheBody", "Part Of The Body"},
        CaptionCase{"ResultLooks", Window::Result, "lblLooks", "Looks"},
        CaptionCase{"ResultCareer", Window::Result, "lblCareerAndFinance", "Career And Finance"},
        CaptionCase{"ResultCompatibleWith", Window::Result, "lblCompatibleWith", "Compatible With"},
        CaptionCase{"ResultHealth", Window::Result, "lblHealth", "Health"},
        CaptionCase{"ResultDiscussionFrame", Window::Result, "fraDiscussion", "Discussion Board"},
        CaptionCase{"ResultDiscussion", Window::Result, "Label61",
                    "Share your Moon sign and your questions with other readers on the Orrelin discussion board. "
                    "Click here to join in."},
        CaptionCase{"ResultCoBrand", Window::Result, "Label1", kCoBrand},
        CaptionCase{"ResultFullBrand", Window::Result, "lblFullBrand", kFullBrand},
        CaptionCase{"ResultAboutOffer", Window::Result, "lblFullBrandOffer", kFullBrandOffer},
        CaptionCase{"ResultAboutMoreDetails", Window::Result, "lblCoBrand", "Click here for more details."},
        CaptionCase{"ReportCoBrand", Window::Report, "lblCobrand", kCoBrand},
        CaptionCase{"ReportDiscussion", Window::Report, "Label3",
                    "Talk about your Moon sign with others: visit our discussion board now at HOST"},
        CaptionCase{"PickerUseZone", Window::Picker, "cmdUseZone", "&Use Zone"},
        CaptionCase{"PickerQuit", Window::Picker, "cmdQuit", "&Quit"},
        CaptionCase{"PickerTitle", Window::Picker, "", "Nyra Moon Sign v2.10"},
        CaptionCase{"AboutOk", Window::About, "cmdOK", "OK"},
        CaptionCase{"AboutEphemerisCredit", Window::About, "lblEphemerisCredit",
                    "Precise Moon positions: Swiss Ephemeris, \u00A9 Astrodienst AG (astro.com/swisseph), "
                    "AGPL-3.0."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nyra
