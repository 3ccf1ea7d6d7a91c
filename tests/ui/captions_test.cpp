// Every caption and frame title the user reads on the windows, one row each,
// where no other test reads it already.
#include "links/web_links.h"
#include "ui_test_support.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QUrl>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace nyra::test {
namespace {

struct CaptionCase {
    const char* name;
    WindowIndex window;
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

class Captions : public WindowTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(Captions, ReadAsWritten) {
    const QWidget* window = Open(GetParam().window);
    std::string expected = GetParam().text;
    if (const auto at = expected.find("HOST"); at != std::string::npos)
        expected.replace(at, 4, QUrl(ProductPageUrl()).host().toStdString());
    EXPECT_EQ(CaptionOf(*window, GetParam().control), expected);
}

constexpr const char* kCoBrand =
    // clang-format off
    "Co-brand this software for your site.  Increase loyalty and traffic to your site. Put your site's name &  "
    "link here. See \"Help\" for details.    Click Here for more info on co-branding.";
// clang-format on
constexpr const char* kFullBrandOffer =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website.";
constexpr const char* kFullBrand =
    "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully "
    "branded for your website. Click here for more details.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Windows, Captions,
    ::testing::Values(
        CaptionCase{"MainProductName", kMainWindow, "lblProductName", "Nyra Moon Sign"},
        CaptionCase{"MainBirthFrame", kMainWindow, "fraBirth", "Birth Details"},
        CaptionCase{"MainName", kMainWindow, "lblName", "Name"},
        CaptionCase{"MainDateOfBirth", kMainWindow, "lblDateOfBirth", "Date of Birth"},
        CaptionCase{"MainTimeOfBirth", kMainWindow, "lblTimeOfBirth", "Time of Birth"},
        CaptionCase{"MainTimeFormat", kMainWindow, "lblTimeFormat", "HH:MM:SS"},
        CaptionCase{"MainPlaceFrame", kMainWindow, "fraPlace", "Place of Birth"},
        CaptionCase{"MainCity", kMainWindow, "lblCity", "City"},
        CaptionCase{"MainState", kMainWindow, "lblState", "State"},
        CaptionCase{"MainCountry", kMainWindow, "lblCountry", "Country"},
        CaptionCase{"MainLookup", kMainWindow, "cmdBrowser", "Click Here To Find Latitude && Longitude"},
        CaptionCase{"MainLatitudeFrame", kMainWindow, "fraLatitude", "Latitude"},
        CaptionCase{"MainNorth", kMainWindow, "optLat(0)", "North"},
        CaptionCase{"MainSouth", kMainWindow, "optLat(1)", "South"},
        CaptionCase{"MainLatitudeDegrees", kMainWindow, "lblLatDeg", "Deg"},
        CaptionCase{"MainLatitudeMinutes", kMainWindow, "lblLatMin", "Min"},
        CaptionCase{"MainLongitudeFrame", kMainWindow, "fraLongitude", "Longitude"},
        CaptionCase{"MainEast", kMainWindow, "optLong(0)", "East"},
        CaptionCase{"MainWest", kMainWindow, "optLong(1)", "West"},
        CaptionCase{"MainLongitudeDegrees", kMainWindow, "lblLonDeg", "Deg"},
        CaptionCase{"MainLongitudeMinutes", kMainWindow, "lblLonMin", "Min"},
        CaptionCase{"MainZoneFrame", kMainWindow, "fraZone", "Time Zone"},
        CaptionCase{"MainZoneHours", kMainWindow, "lblZoneHour", "Hour"},
        CaptionCase{"MainZoneMinutes", kMainWindow, "lblZoneMinute", "Min"},
        CaptionCase{"MainDst", kMainWindow, "chkDST", "DST"},
        CaptionCase{"MainZoneHelp", kMainWindow, "lblTZHelp", "TZ Help"},
        CaptionCase{"MainOpen", kMainWindow, "cmdOpen", "&Open Previously Saved Record"},
        CaptionCase{"MainCalculate", kMainWindow, "cmdRashi", "Find My Moon Sign"},
        CaptionCase{"MainCoBrand", kMainWindow, "lblCobrand", kCoBrand},
        CaptionCase{"MainFullBrand", kMainWindow, "lblFullBrand", kFullBrand},
        CaptionCase{"ResultSymbol", kResultWindow, "lblSymbol", "Symbol"},
        CaptionCase{"ResultInbornNature", kResultWindow, "lblInbornNature", "Inborn Nature"},
        CaptionCase{"ResultSignColor", kResultWindow, "lblSignColor", "Sign Color"},
        CaptionCase{"ResultTypeOfSign", kResultWindow, "lblTypeOfSign", "Type Of Sign"},
        CaptionCase{"ResultGender", kResultWindow, "lblGender", "Gender"},
        CaptionCase{"ResultSignCaste", kResultWindow, "lblSignCaste", "Sign Caste"},
        CaptionCase{"ResultSignPosition", kResultWindow, "lblSignPosition", "Sign Position"},
        CaptionCase{"ResultPartOfTheBody", kResultWindow, "lblPartOfTheBody", "Part Of The Body"},
        CaptionCase{"ResultLooks", kResultWindow, "lblLooks", "Looks"},
        CaptionCase{"ResultCareer", kResultWindow, "lblCareerAndFinance", "Career And Finance"},
        CaptionCase{"ResultCompatibleWith", kResultWindow, "lblCompatibleWith", "Compatible With"},
        CaptionCase{"ResultHealth", kResultWindow, "lblHealth", "Health"},
        CaptionCase{"ResultDiscussionFrame", kResultWindow, "fraDiscussion", "Discussion Board"},
        CaptionCase{"ResultDiscussion", kResultWindow, "Label61",
                    "Share your Moon sign and your questions with other readers on the Orrelin discussion board. "
                    "Click here to join in."},
        CaptionCase{"ResultCoBrand", kResultWindow, "Label1", kCoBrand},
        CaptionCase{"ResultFullBrand", kResultWindow, "lblFullBrand", kFullBrand},
        CaptionCase{"ResultAboutOffer", kResultWindow, "lblFullBrandOffer", kFullBrandOffer},
        CaptionCase{"ResultAboutMoreDetails", kResultWindow, "lblCoBrand", "Click here for more details."},
        CaptionCase{"ReportCoBrand", kReportWindow, "lblCobrand", kCoBrand},
        CaptionCase{"ReportDiscussion", kReportWindow, "Label3",
                    "Talk about your Moon sign with others: visit our discussion board now at HOST"},
        CaptionCase{"PickerQuit", kZonePicker, "cmdQuit", "&Quit"},
        CaptionCase{"PickerTitle", kZonePicker, "", "Nyra Moon Sign v2.10"},
        CaptionCase{"AboutOk", kAboutBox, "cmdOK", "OK"},
        CaptionCase{"AboutEphemerisCredit", kAboutBox, "lblEphemerisCredit",
                    "Precise Moon positions: Swiss Ephemeris, \u00A9 Astrodienst AG (astro.com/swisseph), "
                    "AGPL-3.0."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra::test
