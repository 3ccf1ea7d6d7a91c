#include "precise/precise_moon.h"

#include "ephemeris_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <latch>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace nyra {
namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr double kArcSecondDeg = 1.0 / 3600.0;

// Published values, and how close the library must come to them.
//
// Meeus, Astronomical Algorithms (2nd ed., 1998), example 47.a: the Moon on
// 1992 April 12 at 0h dynamical time, apparent longitude 133.167265°
// (133° 10′ 02″). The example's own series is good to about 10″; the
// library is far better, so a thousandth of a degree (3.6″) is ample.
constexpr double kMeeusJulianDayTt = 2448724.5;
constexpr double kMeeusApparentLongitudeDeg = 133.167265;
constexpr double kPublishedLunarToleranceDeg = 0.001;
// ΔT early in 1992 (US Naval Observatory: 58.31 s at 1992.0, 59.12 s at
// 1993.0). Without it the Moon is off by 0.009°: the check would fail if the
// instant were passed on as dynamical time.
constexpr double kDeltaT1992Seconds = 58.5;

// Report of the Calendar Reform Committee (Government of India, 1955): the
// ayanamsa adopted for the Indian national ephemeris is 23° 15′ 00″ on 1956
// March 21 at 0h ephemeris time. The committee gives whole arc seconds.
// ΔT (about 31 s then) moves the ayanamsa by far less than that, so the
// ephemeris-time Julian day serves as universal time.
constexpr double kLahiriEpochJulianDay = 2435553.5;
constexpr double kLahiriAtEpochDeg = 23.0 + 15.0 / 60.0;
constexpr double kPublishedAyanamsaToleranceDeg = kArcSecondDeg;

// Sidereal = tropical - ayanamsa holds to rounding.
constexpr double kIdentityToleranceDeg = 1e-9;

double Wrapped(double deg) {
    double d = std::fmod(deg, 360.0);
    if (d > 180.0) d -= 360.0;
    if (d <= -180.0) d += 360.0;
    return d;
}

using PreciseMoonTest = test::InstalledEphemerisAfterEachTest;
using test::EmptyFolder;

// --- Published reference values, on the files and on the fallback ----------

struct SourceCase {
    const char* name;
    bool emptyFolder;
    EphemerisSource expected;
    std::string_view missingFile = {};  ///< The installed files but this one.
};

void PrintTo(const SourceCase& c, std::ostream* os) { *os << c.name; }

class PublishedLunarPosition : public PreciseMoonTest, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(PublishedLunarPosition, MatchesTheWorkedExampleAndNamesItsEphemeris) {
    EmptyFolder empty;
    if (GetParam().emptyFolder) {
        ASSERT_FALSE(empty.path().empty());
        if (!GetParam().missingFile.empty()) empty.LinkInstalledFilesBut(GetParam().missingFile);
        SetEphemerisFolder(empty.path());
    }
    const double julianDayUt = kMeeusJulianDayTt - kDeltaT1992Seconds / kSecondsPerDay;
    const PreciseMoon moon = PreciseMoonAt(julianDayUt);
    ASSERT_TRUE(moon.ok()) << moon.error;
    EXPECT_NEAR(moon.tropicalDeg, kMeeusApparentLongitudeDeg, kPublishedLunarToleranceDeg);
    EXPECT_EQ(moon.ephemeris, GetParam().expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Ephemerides, PublishedLunarPosition,
    ::testing::Values(SourceCase{"InstalledFiles", false, EphemerisSource::SwissEphemeris},
                      SourceCase{"MoshierWithoutFiles", true, EphemerisSource::Moshier},
                      SourceCase{"MoshierWithoutTheMoonsFile", true, EphemerisSource::Moshier, "semo_18.se1"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(PreciseMoonTest, FilesAreReadAgainOnceTheFolderIsRestored) {
    EmptyFolder empty;
    SetEphemerisFolder(empty.path());
    ASSERT_EQ(PreciseMoonAt(2451545.0).ephemeris, EphemerisSource::Moshier);
    SetEphemerisFolder(kDefaultEphemerisFolder);
    EXPECT_EQ(PreciseMoonAt(2451545.0).ephemeris, EphemerisSource::SwissEphemeris);
}

TEST_F(PreciseMoonTest, LahiriAtTheCommitteesEpoch) {
    const PreciseMoon moon = PreciseMoonAt(kLahiriEpochJulianDay, Ayanamsa::Lahiri);
    ASSERT_TRUE(moon.ok()) << moon.error;
    EXPECT_NEAR(moon.ayanamsaDeg, kLahiriAtEpochDeg, kPublishedAyanamsaToleranceDeg);
}

// --- Each ayanamsa -----------------------------------------------------------

// Each school's ayanamsa at J2000 less Lahiri's, in arc minutes, as the
// library's modes give them: KP a little less, Fagan/Bradley almost a degree
// more, Raman and Yukteshwar nearly a degree and a half less, 4′ apart. A
// row pointing at a neighbour's mode is caught.
struct SchoolCase {
    const char* name;
    Ayanamsa ayanamsa;
    double minutesFromLahiri;
};

void PrintTo(const SchoolCase& c, std::ostream* os) { *os << c.name; }

constexpr double kSchoolToleranceMinutes = 0.5;
constexpr double kJ2000 = 2451545.0;

class EachAyanamsa : public PreciseMoonTest, public ::testing::WithParamInterface<SchoolCase> {};

TEST_P(EachAyanamsa, SiderealIsTropicalLessItsOwnAyanamsa) {
    const PreciseMoon lahiri = PreciseMoonAt(kJ2000, Ayanamsa::Lahiri);
    const PreciseMoon moon = PreciseMoonAt(kJ2000, GetParam().ayanamsa);
    ASSERT_TRUE(moon.ok()) << moon.error;
    EXPECT_EQ(moon.ayanamsa, GetParam().ayanamsa);
    EXPECT_NEAR(Wrapped(moon.tropicalDeg - moon.ayanamsaDeg - moon.siderealDeg), 0.0, kIdentityToleranceDeg);
    EXPECT_EQ(moon.tropicalDeg, lahiri.tropicalDeg);  // the school moves only the zero point
    EXPECT_NEAR((moon.ayanamsaDeg - lahiri.ayanamsaDeg) * 60.0, GetParam().minutesFromLahiri, kSchoolToleranceMinutes);
    EXPECT_GE(moon.siderealDeg, 0.0);
    EXPECT_LT(moon.siderealDeg, 360.0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Schools, EachAyanamsa,
                         ::testing::Values(SchoolCase{"Lahiri", Ayanamsa::Lahiri, 0.0},
                                           SchoolCase{"Krishnamurti", Ayanamsa::Krishnamurti, -5.81},
                                           SchoolCase{"Raman", Ayanamsa::Raman, -86.78},
                                           SchoolCase{"TrueChitrapaksha", Ayanamsa::TrueChitrapaksha, -1.02},
                                           SchoolCase{"FaganBradley", Ayanamsa::FaganBradley, 52.99},
                                           SchoolCase{"Yukteshwar", Ayanamsa::Yukteshwar, -82.70}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(AyanamsaKeys, EveryKeyLeadsBackToItsAyanamsa) {
    std::set<std::string_view> keys, names;
    for (const AyanamsaInfo& info : Ayanamsas()) {
        EXPECT_EQ(AyanamsaFromKey(info.key), info.id) << info.key;
        EXPECT_EQ(InfoOf(info.id).key, info.key);
        EXPECT_TRUE(keys.insert(info.key).second) << info.key;
        EXPECT_TRUE(names.insert(info.displayName).second) << info.displayName;
    }
    EXPECT_EQ(AyanamsaFromKey("kp"), Ayanamsa::Krishnamurti);
    EXPECT_EQ(AyanamsaFromKey("true-chitra"), Ayanamsa::TrueChitrapaksha);
    EXPECT_EQ(AyanamsaFromKey("fagan-bradley"), Ayanamsa::FaganBradley);
    for (const char* unknown : {"", "Lahiri", "lahiri ", "chitra", "kp\n"})
        EXPECT_FALSE(AyanamsaFromKey(unknown).has_value()) << unknown;
}

// --- The chart's own instant ---------------------------------------------------

struct ChartCase {
    const char* name;
    BirthRecord birth;
    double julianDayUt;
};

void PrintTo(const ChartCase& c, std::ostream* os) { *os << c.name; }

BirthRecord Birth(int year, int month, int day, int hour, int minute, int lonDeg, bool east, int zoneH, int zoneM) {
    BirthRecord b;
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    b.LonDegrees = static_cast<std::int16_t>(lonDeg);
    b.LonIsEast = east ? kTrue : kFalse;
    b.ZoneHours = static_cast<std::int16_t>(zoneH);
    b.ZoneMinutes = static_cast<std::int16_t>(zoneM);
    return b;
}

// The engine's series is off by up to 0.047° against the library over
// 1901-2050 (measured on 100,000 random births).
constexpr double kEngineAgreementDeg = 0.05;
constexpr double kInstantToleranceDays = 1e-9;

class ChartInstant : public PreciseMoonTest, public ::testing::WithParamInterface<ChartCase> {};

TEST_P(ChartInstant, IsTheEnginesUniversalTimeAndFindsTheEnginesMoon) {
    const EngineRecord chart = ComputeMoonChart(GetParam().birth);
    EXPECT_NEAR(ChartJulianDayUt(chart), GetParam().julianDayUt, kInstantToleranceDays);
    const PreciseMoon moon = PreciseMoonAt(ChartJulianDayUt(chart), Ayanamsa::Lahiri);
    ASSERT_TRUE(moon.ok()) << moon.error;
    EXPECT_NEAR(Wrapped(moon.siderealDeg - chart.MoonLongitude), 0.0, kEngineAgreementDeg);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Births, ChartInstant,
    ::testing::Values(ChartCase{"J2000NoonAtGreenwich", Birth(2000, 1, 1, 12, 0, 0, false, 0, 0), 2451545.0},
                      // 00:00 at 77° 13′ E, zone 5 h 30 min: 18:30 UT the day before.
                      ChartCase{"Delhi1947", Birth(1947, 8, 15, 0, 0, 77, true, 5, 30), 2432412.5 - 5.5 / 24.0},
                      // West of Greenwich the clock is behind: 21:45 + 5 h = 02:45 UT next day.
                      ChartCase{"NewYork1969", Birth(1969, 7, 20, 21, 45, 74, false, 5, 0),
                                2440423.5 + 2.75 / 24.0},
                      ChartCase{"FirstDayOf1901", Birth(1901, 1, 1, 6, 0, 0, false, 0, 0), 2415385.75},
                      ChartCase{"LastDayOf2050", Birth(2050, 12, 31, 23, 59, 0, false, 0, 0),
                                2470171.5 + (23.0 + 59.0 / 60.0) / 24.0}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Motion ---------------------------------------------------------------------

TEST_F(PreciseMoonTest, DailySpeedIsTheMotionBetweenNeighbouringHours) {
    constexpr double kHourDays = 1.0 / 24.0;
    constexpr double kSpeedToleranceDegPerDay = 0.01;
    for (double julianDay : {2415385.5, 2440423.6, 2451545.0, 2470171.9}) {
        const PreciseMoon before = PreciseMoonAt(julianDay - kHourDays);
        const PreciseMoon now = PreciseMoonAt(julianDay);
        const PreciseMoon after = PreciseMoonAt(julianDay + kHourDays);
        ASSERT_TRUE(now.ok()) << now.error;
        const double differenced = Wrapped(after.siderealDeg - before.siderealDeg) / (2.0 * kHourDays);
        EXPECT_NEAR(now.speedDegPerDay, differenced, kSpeedToleranceDegPerDay) << julianDay;
        EXPECT_GT(now.speedDegPerDay, 11.5) << julianDay;
        EXPECT_LT(now.speedDegPerDay, 15.5) << julianDay;
    }
}

// --- Failures -------------------------------------------------------------------

TEST_F(PreciseMoonTest, AnInstantBeyondEveryEphemerisIsAnErrorNotANumber) {
    // Year 9000: past the files (1800-2399) and past the fallback's range.
    const PreciseMoon far = PreciseMoonAt(5000000.0);
    EXPECT_FALSE(far.ok());
    EXPECT_FALSE(far.error.empty());
    const PreciseMoon nan = PreciseMoonAt(std::nan(""));
    EXPECT_FALSE(nan.ok());
    // The failure leaves nothing behind for the next caller.
    const PreciseMoon next = PreciseMoonAt(kJ2000);
    ASSERT_TRUE(next.ok()) << next.error;
    EXPECT_EQ(next.ephemeris, EphemerisSource::SwissEphemeris);
}

// --- The files' years ------------------------------------------------------------

// Just inside the years the files cover, the files answer; just outside, the
// instant is refused with that reason, never taken for missing files (the
// library alone would quietly answer from Moshier there).
struct EdgeCase {
    const char* name;
    double julianDayUt;
    const char* refusal;  ///< The whole error, or "" when the files answer.
};

void PrintTo(const EdgeCase& c, std::ostream* os) { *os << c.name; }

constexpr double kMinuteDays = 1.0 / 1440.0;

class FilesYears : public PreciseMoonTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(FilesYears, AnswerFromTheFilesOrRefuseWithTheRange) {
    const PreciseMoon moon = PreciseMoonAt(GetParam().julianDayUt);
    if (*GetParam().refusal) {
        EXPECT_EQ(moon.error, GetParam().refusal);
    } else {
        ASSERT_TRUE(moon.ok()) << moon.error;
        EXPECT_EQ(moon.ephemeris, EphemerisSource::SwissEphemeris);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Edges, FilesYears,
    ::testing::Values(
        EdgeCase{"FirstInstant", kEphemerisFirstJulianDayUt, ""},
        EdgeCase{"AMinuteBefore", kEphemerisFirstJulianDayUt - kMinuteDays,
                 "universal time 31 Dec 1799 at 23:59 is outside the ephemeris files' years 1800\u20132399"},
        EdgeCase{"LastMinute", kEphemerisEndJulianDayUt - kMinuteDays, ""},
        EdgeCase{"TheEnd", kEphemerisEndJulianDayUt,
                 "universal time 1 Jan 2400 at 00:00 is outside the ephemeris files' years 1800\u20132399"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// --- Several threads -------------------------------------------------------------

// Debian builds the library with its state per thread, so a folder set while
// serving one thread is unknown to the next: every thread must be told.
TEST_F(PreciseMoonTest, TheFolderHoldsInEveryThread) {
    ASSERT_EQ(PreciseMoonAt(kJ2000).ephemeris, EphemerisSource::SwissEphemeris);
    EmptyFolder empty;
    SetEphemerisFolder(empty.path());
    ASSERT_EQ(PreciseMoonAt(kJ2000).ephemeris, EphemerisSource::Moshier);
    std::optional<EphemerisSource> seenByAnotherThread;
    std::thread([&] { seenByAnotherThread = PreciseMoonAt(kJ2000).ephemeris; }).join();
    EXPECT_EQ(seenByAnotherThread, EphemerisSource::Moshier);

    SetEphemerisFolder(kDefaultEphemerisFolder);
    std::thread([&] { seenByAnotherThread = PreciseMoonAt(kJ2000).ephemeris; }).join();
    EXPECT_EQ(seenByAnotherThread, EphemerisSource::SwissEphemeris);
}

// Calls from several threads at once, each with its own ayanamsa, get what
// a lone caller gets. (The lock is what keeps this true where the library is
// built without per-thread state.)
TEST_F(PreciseMoonTest, ConcurrentCallersEachGetTheirOwnAyanamsa) {
    constexpr int kCallsPerThread = 150;
    const std::vector<Ayanamsa> schools{Ayanamsa::Lahiri, Ayanamsa::Raman, Ayanamsa::FaganBradley,
                                        Ayanamsa::Krishnamurti};
    const auto instant = [](int i) { return kJ2000 + 0.37 * i; };
    std::vector<std::vector<double>> expected(schools.size()), got(schools.size());
    for (std::size_t s = 0; s < schools.size(); ++s)
        for (int i = 0; i < kCallsPerThread; ++i)
            expected[s].push_back(PreciseMoonAt(instant(i), schools[s]).siderealDeg);

    // All threads start at once, so their calls overlap from the first.
    std::latch start(static_cast<std::ptrdiff_t>(schools.size()));
    std::vector<std::thread> threads;
    for (std::size_t s = 0; s < schools.size(); ++s) {
        threads.emplace_back([&, s] {
            start.arrive_and_wait();
            for (int i = 0; i < kCallsPerThread; ++i)
                got[s].push_back(PreciseMoonAt(instant(i), schools[s]).siderealDeg);
        });
    }
    for (std::thread& t : threads) t.join();
    for (std::size_t s = 0; s < schools.size(); ++s) EXPECT_EQ(got[s], expected[s]) << InfoOf(schools[s]).key;
}

// --- Texts ----------------------------------------------------------------------

struct TextCase {
    const char* name;
    double siderealDeg;
    int sign;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

class PositionText : public ::testing::TestWithParam<TextCase> {};

TEST_P(PositionText, TruncatedWithinItsSign) {
    EXPECT_EQ(SignOfLongitude(GetParam().siderealDeg), GetParam().sign);
    EXPECT_EQ(DegreesInSignText(GetParam().siderealDeg), GetParam().text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Longitudes, PositionText,
    ::testing::Values(TextCase{"StartOfMesha", 0.0, 0, "0\u00B0 00\u2032 00\u2033"},
                      TextCase{"EarlyThula", 180.0 + 38.0 / 60.0 + 1.7 / 3600.0, 6, "0\u00B0 38\u2032 01\u2033"},
                      TextCase{"LateKanya", 179.0 + 59.0 / 60.0 + 40.6 / 3600.0, 5, "29\u00B0 59\u2032 40\u2033"},
                      TextCase{"LastInstantOfMesha", 30.0 - 1e-12, 0, "29\u00B0 59\u2032 59\u2033"},
                      TextCase{"BoundaryBelongsToTheNextSign", 30.0, 1, "0\u00B0 00\u2032 00\u2033"},
                      TextCase{"MidSimha", 135.5, 4, "15\u00B0 30\u2032 00\u2033"},
                      TextCase{"EndOfMeena", 360.0 - 1e-9, 11, "29\u00B0 59\u2032 59\u2033"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace nyra
