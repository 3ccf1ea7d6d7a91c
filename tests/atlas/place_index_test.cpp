#include "atlas/atlas.h"
#include "atlas/text_fold.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QTimeZone>

#include <ostream>
#include <string>
#include <thread>
#include <vector>

namespace nyra {
namespace {

std::string Text(const Place& place) { return place.displayText().toStdString(); }

int IndexOf(const QList<Place>& places, const QString& displayText) {
    for (qsizetype i = 0; i < places.size(); ++i)
        if (places[i].displayText() == displayText) return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------------------

struct FoldCase {
    const char* name;
    const char* text;  // UTF-8.
    const char* key;
};

std::ostream& operator<<(std::ostream& out, const FoldCase& c) { return out << c.name; }

class Folding : public testing::TestWithParam<FoldCase> {};

TEST_P(Folding, GivesTheKeyAPersonWouldType) {
    EXPECT_EQ(FoldForSearch(QString::fromUtf8(GetParam().text)).toStdString(), GetParam().key);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, Folding,
    testing::Values(FoldCase{"Accents", "São Paulo", "sao paulo"},
                    FoldCase{"Capitals", "SÃO PAULO", "sao paulo"},
                    FoldCase{"AlreadyDecomposed", "Sa\xCC\x83o Paulo", "sao paulo"},  // a + U+0303
                    FoldCase{"LettersWithoutDecomposition", "Łódź", "lodz"},
                    FoldCase{"SharpS", "Straße", "strasse"},
                    FoldCase{"Ligature", "Ærøskøbing", "aeroskobing"},
                    FoldCase{"HyphenIsAWordBreak", "Saint-Étienne", "saint etienne"},
                    FoldCase{"PunctuationRunsCollapse", "  St. Petersburg  ", "st petersburg"},
                    FoldCase{"ApostropheDropped", "N'dalatando", "ndalatando"},
                    FoldCase{"TypographicApostropheDropped", "Cox\xE2\x80\x99s Bāzār", "coxs bazar"},
                    FoldCase{"ModifierLetterDropped", "Raʼs al Khaymah", "ras al khaymah"},
                    FoldCase{"Brackets", "Yangon (Rangoon)", "yangon rangoon"},
                    FoldCase{"Digits", "10th of Ramadan", "10th of ramadan"},
                    FoldCase{"OnlyPunctuation", " - . ", ""}),
    [](const testing::TestParamInfo<FoldCase>& info) { return std::string(info.param.name); });
// clang-format on

// ---------------------------------------------------------------------------

TEST(MatchPlaces, ChennaiNearTheTop) {
    const QList<Place> places = MatchPlaces(QStringLiteral("chen"), {}, {});
    const int at = IndexOf(places, QStringLiteral("Chennai, Tamil Nadu, India"));
    ASSERT_GE(at, 0);
    EXPECT_LT(at, 3);
    const Place& chennai = places[at];
    EXPECT_EQ(chennai.timeZoneId, QStringLiteral("Asia/Kolkata"));
    EXPECT_NEAR(chennai.latitudeDeg, 13.08, 0.05);
    EXPECT_NEAR(chennai.longitudeDeg, 80.28, 0.05);
    EXPECT_GT(chennai.population, 1000000u);
}

TEST(MatchPlaces, NamesStartingWithTheTextComeFirstEachLargestFirst) {
    const QList<Place> places = MatchPlaces(QStringLiteral("san"), {}, {}, 20);
    ASSERT_EQ(places.size(), 20);
    for (qsizetype i = 0; i < places.size(); ++i) {
        EXPECT_TRUE(FoldForSearch(places[i].city).startsWith(QStringLiteral("san"))) << Text(places[i]);
        if (i > 0) {
            EXPECT_GE(places[i - 1].population, places[i].population) << Text(places[i]);
        }
    }
}

TEST(MatchPlaces, LaterWordsFillUpAfterTheNameStarts) {
    // Few names begin with "paulo"; São Paulo has it as its second word.
    const QList<Place> places = MatchPlaces(QStringLiteral("paulo"), {}, {}, 50);
    const int saoPaulo = IndexOf(places, QStringLiteral("São Paulo, São Paulo, Brazil"));
    ASSERT_GE(saoPaulo, 0);
    bool inLaterWords = false;
    for (const Place& place : places) {
        const QString key = FoldForSearch(place.city);
        if (!key.startsWith(QStringLiteral("paulo"))) {
            inLaterWords = true;
            EXPECT_TRUE(key.contains(QStringLiteral(" paulo"))) << Text(place);
        } else {
            EXPECT_FALSE(inLaterWords) << Text(place) << " after a later-word match";
        }
    }
    EXPECT_TRUE(inLaterWords);
}

TEST(MatchPlaces, InsideAWordIsNoMatch) {
    // "aul" lies inside "Paulo" but begins no word of it.
    for (const Place& place : MatchPlaces(QStringLiteral("aul"), {}, {}, 100))
        EXPECT_NE(place.city, QStringLiteral("São Paulo"));
}

TEST(MatchPlaces, AccentsAndCaseAreIgnored) {
    for (const char* typed : {"sao paulo", "SAO PAULO", "São Paulo", "sao  paulo", "sao-paulo"}) {
        const QList<Place> places = MatchPlaces(QString::fromUtf8(typed), {}, {});
        ASSERT_FALSE(places.isEmpty()) << typed;
        EXPECT_EQ(Text(places.front()), "São Paulo, São Paulo, Brazil") << typed;
    }
    const QList<Place> zdunska = MatchPlaces(QStringLiteral("zdunska"), {}, {});
    ASSERT_FALSE(zdunska.isEmpty());
    EXPECT_EQ(zdunska.front().city, QStringLiteral("Zduńska Wola"));
}

TEST(MatchPlaces, FewerThanTwoLettersGiveNothing) {
    for (const char* typed : {"", "c", " c ", "c.", "-", "'c'"})
        EXPECT_TRUE(MatchPlaces(QString::fromUtf8(typed), {}, {}).isEmpty()) << '"' << typed << '"';
    EXPECT_FALSE(MatchPlaces(QStringLiteral("ch"), {}, {}).isEmpty());
}

TEST(MatchPlaces, LimitIsKept) {
    EXPECT_EQ(MatchPlaces(QStringLiteral("sa"), {}, {}, 5).size(), 5);
    EXPECT_EQ(MatchPlaces(QStringLiteral("sa"), {}, {}).size(), 20);
    EXPECT_TRUE(MatchPlaces(QStringLiteral("sa"), {}, {}, 0).isEmpty());
    EXPECT_TRUE(MatchPlaces(QStringLiteral("sa"), {}, {}, -1).isEmpty());
}

TEST(MatchPlaces, NothingMatchesGibberish) { EXPECT_TRUE(MatchPlaces(QStringLiteral("qxqzv"), {}, {}).isEmpty()); }

// A name in any script finds the place in any language, ranked as the
// same text would be in English, and its line is in one script.
struct ScriptCase {
    const char* typed;
    const char* language;
    const char* first;  // The first place offered, named in the language.
};

std::ostream& operator<<(std::ostream& out, const ScriptCase& c) { return out << c.typed << " in " << c.language; }

class AnyScript : public testing::TestWithParam<ScriptCase> {};

TEST_P(AnyScript, FirstOfferedPlace) {
    const QList<Place> places = MatchPlaces(QString::fromUtf8(GetParam().typed));
    ASSERT_FALSE(places.isEmpty());
    EXPECT_EQ(Text(NamedIn(places.front(), QLocale(QString::fromUtf8(GetParam().language)))), GetParam().first);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Atlas, AnyScript, testing::Values(
    ScriptCase{"Chennai",   "hi", "चेन्नई, तमिल नाडु, भारत"},
    ScriptCase{"Chenn",     "hi", "चेन्नई, तमिल नाडु, भारत"},
    ScriptCase{"चेन्नई",    "hi", "चेन्नई, तमिल नाडु, भारत"},
    ScriptCase{"चेन्नई",    "en", "Chennai, Tamil Nadu, India"},
    ScriptCase{"Ченнаи",    "en", "Chennai, Tamil Nadu, India"},
    ScriptCase{"Delhi",     "hi", "दिल्ली, दिल्ली, भारत"},
    ScriptCase{"New Delhi", "hi", "नई दिल्ली, दिल्ली, भारत"},
    ScriptCase{"delhi",     "en", "Delhi, National Capital Territory of Delhi, India"},
    ScriptCase{"Москва",    "hi", "Moscow, Moscow, Russia"},
    ScriptCase{"Auckland",  "hi", "Auckland, Auckland, New Zealand"},
    ScriptCase{"ऑक्लैण्ड",   "en", "Auckland, Auckland, New Zealand"},
    ScriptCase{"Chenn",     "en", "Chennai, Tamil Nadu, India"}));
// clang-format on

struct NarrowingCase {
    const char* name;
    const char* city;
    const char* state;
    const char* country;
    const char* first;         // Display text of the first match.
    const char* everyCountry;  // Every match lies in this country ("" = not checked).
};

std::ostream& operator<<(std::ostream& out, const NarrowingCase& c) { return out << c.name; }

class Narrowing : public testing::TestWithParam<NarrowingCase> {};

TEST_P(Narrowing, KeepsOnlyMatchingStatesAndCountries) {
    const NarrowingCase& c = GetParam();
    const QList<Place> places =
        MatchPlaces(QString::fromUtf8(c.city), QString::fromUtf8(c.state), QString::fromUtf8(c.country));
    ASSERT_FALSE(places.isEmpty());
    EXPECT_EQ(Text(places.front()), c.first);
    if (*c.everyCountry) {
        for (const Place& place : places) EXPECT_EQ(place.country.toStdString(), c.everyCountry) << Text(place);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, Narrowing,
    testing::Values(
        NarrowingCase{"NoNarrowing", "london", "", "", "London, England, United Kingdom", ""},
        NarrowingCase{"CountryName", "london", "", "Canada", "London, Ontario, Canada", "Canada"},
        NarrowingCase{"CountryPrefix", "london", "", "can", "London, Ontario, Canada", "Canada"},
        NarrowingCase{"CountryCode", "london", "", "CA", "London, Ontario, Canada", "Canada"},
        NarrowingCase{"CountryAlias", "lon", "", "UK", "London, England, United Kingdom", "United Kingdom"},
        NarrowingCase{"LaterWordOfCountry", "dubl", "", "states", "Dublin, California, United States of America",
                      "United States of America"},
        NarrowingCase{"State", "springfield", "illinois", "", "Springfield, Illinois, United States of America",
                      "United States of America"},
        // GeoNames writes "State of West Bengal"; people write "West Bengal".
        NarrowingCase{"LaterWordOfState", "kol", "west bengal", "", "Kolkata, State of West Bengal, India", "India"},
        NarrowingCase{"StateAndCountry", "madrid", "madrid", "spain", "Madrid, Madrid, Spain", "Spain"},
        NarrowingCase{"AccentedState", "zgierz", "lodz", "poland", "Zgierz, Łódź Voivodeship, Poland", "Poland"}),
    [](const testing::TestParamInfo<NarrowingCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(MatchPlaces, NarrowingToNothing) {
    EXPECT_TRUE(MatchPlaces(QStringLiteral("london"), {}, QStringLiteral("Narnia")).isEmpty());
    EXPECT_TRUE(MatchPlaces(QStringLiteral("london"), QStringLiteral("Bavaria"), {}).isEmpty());
}

TEST(MatchPlaces, EveryPlaceHasAKnownTimeZone) {
    // The zone boxes are filled from these ids; an id the system's database
    // does not know would leave them empty. Some are old names kept as links
    // ("Europe/Kiev"), which Qt opens but does not list as available.
    for (const char* typed : {"ch", "sa", "lo", "ma", "ka", "ba", "to", "ne", "za", "uz"})
        for (const Place& place : MatchPlaces(QString::fromLatin1(typed), {}, {}, 200))
            EXPECT_TRUE(QTimeZone(place.timeZoneId.toUtf8()).isValid()) << Text(place);
}

// ---------------------------------------------------------------------------

struct FindCase {
    const char* name;
    const char* text;
    const char* found;  // Display text, "" when nothing should be found.
};

std::ostream& operator<<(std::ostream& out, const FindCase& c) { return out << c.name; }

class FindingAPlace : public testing::TestWithParam<FindCase> {};

TEST_P(FindingAPlace, FromFreeText) {
    const FindCase& c = GetParam();
    const std::optional<Place> place = FindPlace(QString::fromUtf8(c.text));
    if (*c.found) {
        ASSERT_TRUE(place.has_value());
        EXPECT_EQ(Text(*place), c.found);
    } else {
        EXPECT_FALSE(place.has_value()) << Text(*place);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Atlas, FindingAPlace,
    testing::Values(
        FindCase{"MadridSpain", "Madrid, Spain", "Madrid, Madrid, Spain"},
        FindCase{"MadridColombia", "Madrid, Colombia", "Madrid, Cundinamarca, Colombia"},
        FindCase{"Pune", "Pune", "Pune, Maharashtra, India"},
        FindCase{"LondonUnitedKingdom", "London, United Kingdom", "London, England, United Kingdom"},
        FindCase{"LondonOntario", "London, Ontario", "London, Ontario, Canada"},
        FindCase{"LondonUk", "London, UK", "London, England, United Kingdom"},
        FindCase{"KolkataIndia", "Kolkata, India", "Kolkata, State of West Bengal, India"},
        FindCase{"Blanks", "  pune ,  maharashtra , india ", "Pune, Maharashtra, India"},
        FindCase{"Unaccented", "sao paulo, brazil", "São Paulo, São Paulo, Brazil"},
        FindCase{"CityPrefix", "New York", "New York, New York, United States of America"},
        // An exact name beats a larger city whose name merely begins with it.
        FindCase{"PortoNotPortoAlegre", "Porto", "Porto, Porto, Portugal"},
        FindCase{"KaraNotKarachi", "Kara", "Kara, Kara Region, Togo"},
        FindCase{"EmptyQualifierIgnored", "Pune,,", "Pune, Maharashtra, India"},
        FindCase{"UnknownCountry", "Madrid, Narnia", ""},
        FindCase{"UnknownCity", "Xyzzyville", ""},
        FindCase{"Empty", "", ""},
        FindCase{"CountryOnly", ", Spain", ""}),
    [](const testing::TestParamInfo<FindCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(PlaceText, LeavesOutAnEmptyState) {
    Place place;
    place.city = QStringLiteral("Singapore");
    place.country = QStringLiteral("Singapore");
    EXPECT_EQ(place.displayText(), QStringLiteral("Singapore, Singapore"));
    place.state = QStringLiteral("Central Singapore");
    EXPECT_EQ(place.displayText(), QStringLiteral("Singapore, Central Singapore, Singapore"));
}

// The atlas's zone ids and the zone resolution meet here: the places of the
// historical births give the zones those births were checked against.
TEST(PlaceZones, FoundPlacesCarryTheirZones) {
    const struct {
        const char* text;
        const char* zoneId;
    } rows[] = {
        {"Madrid, Spain", "Europe/Madrid"},
        {"Kolkata, India", "Asia/Kolkata"},
        {"London, United Kingdom", "Europe/London"},
        {"New York, USA", "America/New_York"},
        // clang-format off
        {"Kathmandu", "Asia/Kathmandu"},          {"Adelaide, Australia", "Australia/Adelaide"},
        {"Apia, Samoa", "Pacific/Apia"},          {"Dublin, Ireland", "Europe/Dublin"},
        // clang-format on
    };
    for (const auto& row : rows) {
        const std::optional<Place> place = FindPlace(QString::fromUtf8(row.text));
        ASSERT_TRUE(place.has_value()) << row.text;
        EXPECT_EQ(place->timeZoneId.toStdString(), row.zoneId) << row.text;
    }
}

// The window may search from a worker thread while another resolves zones:
// nothing shared may change under them.
TEST(Concurrency, SearchesFromManyThreadsAgree) {
    const QStringList typed{QStringLiteral("chen"), QStringLiteral("sao"), QStringLiteral("lon"),
                            QStringLiteral("paulo")};
    std::vector<QStringList> expected;
    for (const QString& text : typed) {
        QStringList texts;
        for (const Place& place : MatchPlaces(text, {}, {})) texts.append(place.displayText());
        expected.push_back(texts);
    }
    const QString expectedNote = ZoneNote(ResolveZone(QStringLiteral("Asia/Kolkata"), {1943, 5, 1}, 12, 0));

    std::vector<int> mismatches(4, 0);
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < 20; ++round) {
                for (qsizetype i = 0; i < typed.size(); ++i) {
                    QStringList texts;
                    for (const Place& place : MatchPlaces(typed[i], {}, {})) texts.append(place.displayText());
                    if (texts != expected[static_cast<std::size_t>(i)]) ++mismatches[static_cast<std::size_t>(t)];
                }
                if (ZoneNote(ResolveZone(QStringLiteral("Asia/Kolkata"), {1943, 5, 1}, 12, 0)) != expectedNote)
                    ++mismatches[static_cast<std::size_t>(t)];
            }
        });
    }
    for (std::thread& thread : threads) thread.join();
    for (int count : mismatches) EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace nyra
