#include "entry/place_link.h"

#include "../support/places.h"

#include <gtest/gtest.h>

namespace nyra {
namespace {

using test::Auckland;

// What the boxes hold, as the main window words it.
const QString kAt = QStringLiteral("36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E");
const QString kZone = QStringLiteral("UTC+12:00");
const QString kBothStill = QStringLiteral("The coordinates and zone are still those of Auckland, New Zealand.");
const QString kAskBoth = QStringLiteral(
    "The coordinates and time zone are those of Auckland, New Zealand, but the city now reads Chennai. "
    "Calculate with the coordinates 36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E and the time zone UTC+12:00?");

TEST(PlaceLink, AnUntouchedPickIsTheAtlasPlaceAndFollowsTheZone) {
    PlaceLink link;
    link.Pick(Auckland());
    EXPECT_NE(link.ZoneToFollow(), nullptr);
    EXPECT_EQ(link.MismatchNote(), QString());
    EXPECT_EQ(link.MismatchQuestion(kAt, kZone), QString());
    const BirthPlace place = link.Current();
    EXPECT_EQ(place.Names(), "Auckland, Auckland, New Zealand");
    EXPECT_EQ(place.coordinatesFrom, PlaceSource::Atlas);
    EXPECT_EQ(place.zoneFrom, PlaceSource::Atlas);
    EXPECT_EQ(place.atlasPlace, "Auckland, New Zealand");
    EXPECT_EQ(place.timeZoneId, "Pacific/Auckland");
}

TEST(PlaceLink, ACityTypedOverThePickWarnsAndAsks) {
    PlaceLink link;
    link.Pick(Auckland());
    link.EditNames(QStringLiteral("Chennai"), QStringLiteral("Auckland"), QStringLiteral("New Zealand"));
    EXPECT_EQ(link.ZoneToFollow(), nullptr);
    EXPECT_EQ(link.MismatchNote(), kBothStill);
    EXPECT_EQ(link.MismatchQuestion(kAt, kZone), kAskBoth);
    const BirthPlace place = link.Current();
    EXPECT_EQ(place.Names(), "Chennai, Auckland, New Zealand");
    EXPECT_EQ(place.coordinatesFrom, PlaceSource::Atlas);
}

TEST(PlaceLink, NamesThatStillNameThePickClaimNothingElse) {
    struct Case {
        const char *city, *state, *country;
    };
    const Case cases[] = {
        {"auckland", "AUCKLAND", "new zealand"},  // case
        {"Auckland", "", ""},                     // left out
        {"Auckland", "", "NZ"},                   // by its code
        {"", "Auckland", "New Zealand"},          // city emptied: no other place claimed
    };
    for (const Case& c : cases) {
        PlaceLink link;
        link.Pick(Auckland());
        link.EditNames(QString::fromUtf8(c.city), QString::fromUtf8(c.state), QString::fromUtf8(c.country));
        EXPECT_EQ(link.MismatchNote(), QString()) << c.city << "|" << c.state << "|" << c.country;
        EXPECT_EQ(link.MismatchQuestion(kAt, kZone), QString()) << c.city << "|" << c.state << "|" << c.country;
    }
}

TEST(PlaceLink, SaysWhatIsStillThePicksAndWhichNameDiffers) {
    PlaceLink zoneTyped;
    zoneTyped.Pick(Auckland());
    zoneTyped.EditZone();
    zoneTyped.EditNames(QStringLiteral("Auckland"), QString(), QStringLiteral("India"));
    EXPECT_EQ(zoneTyped.MismatchNote(), QStringLiteral("The coordinates are still those of Auckland, New Zealand."));
    EXPECT_EQ(zoneTyped.MismatchQuestion(kAt, kZone),
              QStringLiteral("The coordinates are those of Auckland, New Zealand, but the country now reads India. "
                             "Calculate with the coordinates 36\u00B0 51\u2032 S, 174\u00B0 46\u2032 E?"));
    EXPECT_EQ(zoneTyped.Current().zoneFrom, PlaceSource::Typed);
    EXPECT_EQ(zoneTyped.Current().timeZoneId, "") << "the zone typed is not the atlas place's";

    PlaceLink coordinatesTyped;
    coordinatesTyped.Pick(Auckland());
    coordinatesTyped.EditCoordinates();
    coordinatesTyped.EditNames(QStringLiteral("Auckland"), QStringLiteral("Tamil Nadu"), QString());
    EXPECT_EQ(coordinatesTyped.MismatchNote(), QStringLiteral("The zone is still that of Auckland, New Zealand."));
    EXPECT_EQ(coordinatesTyped.MismatchQuestion(kAt, kZone),
              QStringLiteral("The time zone is that of Auckland, New Zealand, but the state now reads Tamil Nadu. "
                             "Calculate with the time zone UTC+12:00?"));
    EXPECT_EQ(coordinatesTyped.Current().coordinatesFrom, PlaceSource::Typed);
}

TEST(PlaceLink, CoordinatesAndZoneBothTypedLeaveNoPick) {
    PlaceLink link;
    link.Pick(Auckland());
    link.EditCoordinates();
    link.EditZone();
    link.EditNames(QStringLiteral("Chennai"), QString(), QString());
    EXPECT_EQ(link.Picked(), nullptr);
    EXPECT_EQ(link.MismatchQuestion(kAt, kZone), QString());
    const BirthPlace place = link.Current();
    EXPECT_EQ(place.coordinatesFrom, PlaceSource::Typed);
    EXPECT_EQ(place.zoneFrom, PlaceSource::Typed);
    EXPECT_EQ(place.atlasPlace, "");
}

TEST(PlaceLink, EditingTheZoneStopsFollowingButNamesThatMatchStayQuiet) {
    PlaceLink link;
    link.Pick(Auckland());
    link.EditZone();
    EXPECT_EQ(link.ZoneToFollow(), nullptr);
    EXPECT_EQ(link.MismatchNote(), QString());
}

TEST(PlaceLink, ARecordsPlaceHasNoNamesUntilSomeAreTyped) {
    PlaceLink link;
    link.Pick(Auckland());
    link.OpenRecord();
    BirthPlace place = link.Current();
    EXPECT_EQ(place.Names(), "");
    EXPECT_EQ(place.coordinatesFrom, PlaceSource::Record);
    EXPECT_EQ(place.zoneFrom, PlaceSource::Record);
    EXPECT_EQ(link.MismatchQuestion(kAt, kZone), QString());

    link.EditNames(QStringLiteral("Pune"), QString(), QString());
    place = link.Current();
    EXPECT_EQ(place.Names(), "Pune");
    EXPECT_EQ(place.coordinatesFrom, PlaceSource::Record);
    link.EditZone();
    EXPECT_EQ(link.Current().zoneFrom, PlaceSource::Typed);
}

}  // namespace
}  // namespace nyra
