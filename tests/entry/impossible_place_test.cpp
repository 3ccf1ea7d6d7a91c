// Values no place on Earth has: named under the zone and asked about once
// before calculating; everything a globe holds says nothing.
#include "entry/impossible_place.h"

#include "../support/places.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace nyra {
namespace {

// 28° 39' N, 77° 13' E, zone 5:30, with the boxes of a case over it.
BirthEntry EntryWith(const char* latD, const char* latM, const char* lonD, const char* lonM, const char* zoneH,
                     const char* zoneM) {
    BirthEntry entry;
    entry.name = QStringLiteral("Asha");
    entry.latDegrees = QString::fromUtf8(latD);
    entry.latMinutes = QString::fromUtf8(latM);
    entry.lonDegrees = QString::fromUtf8(lonD);
    entry.lonMinutes = QString::fromUtf8(lonM);
    entry.zoneHour = QString::fromUtf8(zoneH);
    entry.zoneMinute = QString::fromUtf8(zoneM);
    return entry;
}

struct ImpossibleCase {
    const char* name;
    BirthEntry entry;
    std::vector<std::pair<const char*, EntryBox>> said;  ///< Sentence and box, in screen order.
};

void PrintTo(const ImpossibleCase& c, std::ostream* os) { *os << c.name; }

class ImpossiblePlace : public ::testing::TestWithParam<ImpossibleCase> {};

TEST_P(ImpossiblePlace, NamesWhatIsImpossible) {
    const std::vector<ImpossibleValue> found = FindImpossiblePlace(GetParam().entry);
    ASSERT_EQ(found.size(), GetParam().said.size());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].sentence.toStdString(), GetParam().said[i].first);
        EXPECT_EQ(found[i].box, GetParam().said[i].second) << found[i].sentence.toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Places, ImpossiblePlace,
    ::testing::Values(
        ImpossibleCase{"Delhi", EntryWith("28", "39", "77", "13", "5", "30"), {}},
        ImpossibleCase{"ThePolesAndTheDateLine", EntryWith("90", "0", "180", "0", "14", "0"), {}},
        ImpossibleCase{"BlankOrNoNumberYet", EntryWith("95", "", "200", "x", "", "75"), {}},
        ImpossibleCase{"BeyondThePole",
                       EntryWith("95", "75", "77", "13", "5", "30"),
                       {{"Latitude 95\u00B0 75\u2032 is beyond the pole, and a degree has only 60 minutes.",
                         EntryBox::LatDegrees}}},
        ImpossibleCase{"JustPastThePole",
                       EntryWith("90", "1", "77", "13", "5", "30"),
                       {{"Latitude 90\u00B0 1\u2032 is beyond the pole.", EntryBox::LatDegrees}}},
        ImpossibleCase{"SouthPoleOfARecord",
                       EntryWith("-95", "0", "77", "13", "5", "30"),
                       {{"Latitude -95\u00B0 0\u2032 is beyond the pole.", EntryBox::LatDegrees}}},
        ImpossibleCase{"SixtyMinutesOfLatitude",
                       EntryWith("28", "60", "77", "13", "5", "30"),
                       {{"Latitude 28\u00B0 60\u2032: a degree has only 60 minutes.", EntryBox::LatMinutes}}},
        ImpossibleCase{"PastTheDateLine",
                       EntryWith("28", "39", "200", "0", "5", "30"),
                       {{"Longitude 200\u00B0 0\u2032 is past 180\u00B0, halfway round the globe.",
                         EntryBox::LonDegrees}}},
        ImpossibleCase{"ZoneBeyondEarths",
                       EntryWith("28", "39", "77", "13", "15", "0"),
                       {{"A time zone of 15:00 is beyond the 14 hours of any zone on Earth.", EntryBox::ZoneHour}}},
        ImpossibleCase{"ZoneAheadIsASizeToo",
                       EntryWith("28", "39", "77", "13", "-14", "-30"),
                       {{"A time zone of 14:30 is beyond the 14 hours of any zone on Earth.", EntryBox::ZoneHour}}},
        ImpossibleCase{"SeventyFiveMinutesOfZone",
                       EntryWith("28", "39", "77", "13", "5", "75"),
                       {{"A time zone of 5:75: an hour has only 60 minutes.", EntryBox::ZoneMinute}}},
        ImpossibleCase{"EveryOneInScreenOrder",
                       EntryWith("95", "0", "77", "75", "15", "0"),
                       {{"Latitude 95\u00B0 0\u2032 is beyond the pole.", EntryBox::LatDegrees},
                        {"Longitude 77\u00B0 75\u2032: a degree has only 60 minutes.", EntryBox::LonMinutes},
                        {"A time zone of 15:00 is beyond the 14 hours of any zone on Earth.", EntryBox::ZoneHour}}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---- The one question -------------------------------------------------------------

const QString kAt = QStringLiteral("36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E");
const QString kZone = QStringLiteral("UTC+12:00");

PlaceLink CityRetyped() {
    PlaceLink link;
    link.Pick(test::Auckland());
    link.EditNames(QStringLiteral("Pune"), QString(), QString());
    return link;
}

TEST(PlaceQuestion, AsksOnceAboutEverything) {
    const std::vector<ImpossibleValue> pole = FindImpossiblePlace(EntryWith("95", "0", "77", "13", "15", "0"));
    EXPECT_EQ(PlaceQuestion(pole, PlaceLink(), kAt, kZone).toStdString(),
              "Latitude 95\u00B0 0\u2032 is beyond the pole. A time zone of 15:00 is beyond the 14 hours of any zone "
              "on Earth. Calculate anyway?");
    EXPECT_EQ(PlaceQuestion(pole, CityRetyped(), kAt, kZone).toStdString(),
              "Latitude 95\u00B0 0\u2032 is beyond the pole. A time zone of 15:00 is beyond the 14 hours of any zone "
              "on Earth. The coordinates and time zone are those of Auckland, New Zealand, but the city now reads "
              "Pune. Calculate anyway?");
    // Without anything impossible, the place link's question as it was.
    EXPECT_EQ(PlaceQuestion({}, CityRetyped(), kAt, kZone), CityRetyped().MismatchQuestion(kAt, kZone));
    EXPECT_FALSE(CityRetyped().MismatchQuestion(kAt, kZone).isEmpty());
    EXPECT_TRUE(PlaceQuestion({}, PlaceLink(), kAt, kZone).isEmpty());
}

}  // namespace
}  // namespace nyra
