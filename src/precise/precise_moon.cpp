#include "precise/precise_moon.h"

#include "engine/moon_detail.h"
#include "precise/library_session.h"

// The library's header defines macros with common names (OK, ERR, TRUE):
// it stays out of every header of ours.
#include <swephexp.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <mutex>

namespace nyra {
namespace {

struct AyanamsaRow {
    AyanamsaInfo info;
    int32 libraryMode;  // SE_SIDM_*
};

// The Hindi names as Hindi astrologers write them; "True" is स्पष्ट, the
// word for a true (not mean) longitude.
constexpr auto kAyanamsaRows = std::to_array<AyanamsaRow>({
    // clang-format off
    {{Ayanamsa::Lahiri,           "lahiri",        "Lahiri",            "लाहिड़ी"},              SE_SIDM_LAHIRI},
    {{Ayanamsa::Krishnamurti,     "kp",            "Krishnamurti (KP)", "कृष्णमूर्ति (केपी)"},    SE_SIDM_KRISHNAMURTI},
    {{Ayanamsa::Raman,            "raman",         "Raman",             "रमन"},                 SE_SIDM_RAMAN},
    {{Ayanamsa::TrueChitrapaksha, "true-chitra",   "True Chitrapaksha", "स्पष्ट चित्रपक्ष"},       SE_SIDM_TRUE_CITRA},
    {{Ayanamsa::FaganBradley,     "fagan-bradley", "Fagan/Bradley",     "फ़ेगन/ब्रैडली"},        SE_SIDM_FAGAN_BRADLEY},
    {{Ayanamsa::Yukteshwar,       "yukteshwar",    "Yukteshwar",        "युक्तेश्वर"},            SE_SIDM_YUKTESHWAR},
    // clang-format on
});
static_assert(kAyanamsaRows.size() == 6);

// Rows in the enum's order, so an ayanamsa is its own row number.
constexpr bool RowsFollowTheEnum() {
    for (std::size_t i = 0; i < kAyanamsaRows.size(); ++i)
        if (static_cast<std::size_t>(kAyanamsaRows[i].info.id) != i) return false;
    return true;
}
static_assert(RowsFollowTheEnum());
static_assert(kAyanamsaRows[0].info.id == kDefaultAyanamsa);

constexpr auto kAyanamsaInfos = [] {
    std::array<AyanamsaInfo, kAyanamsaRows.size()> infos{};
    for (std::size_t i = 0; i < infos.size(); ++i) infos[i] = kAyanamsaRows[i].info;
    return infos;
}();

const AyanamsaRow& RowOf(Ayanamsa ayanamsa) { return kAyanamsaRows[static_cast<std::size_t>(ayanamsa)]; }

// The library's default ephemeris (its own files) plus the daily motion;
// no other flag, so the position is the apparent geocentric one.
constexpr int32 kMoonFlags = SEFLG_SWIEPH | SEFLG_SPEED;

// What we ask of the library, guarded by one lock. Each change of folder
// gets a new number.
struct Library {
    std::mutex lock;
    std::string folder{kDefaultEphemerisFolder};
    unsigned folderNumber = 1;
};

Library& TheLibrary() {
    static Library library;
    return library;
}

// Debian builds the library with its state per thread (sweodef.h's TLS), so
// each thread has to be given the folder itself. Setting the path closes the
// library's open files, so it is done only when the folder has changed since
// this thread last set it, not on every call (the batch tool calls once a row).
thread_local unsigned folderNumberOfThisThread = 0;

// The same per-thread state holds the library's buffers and open ephemeris
// files, which nothing frees when a thread ends: a thread that used the
// library closes it on its way out (worker threads would otherwise leave a
// few kilobytes and their file handles behind each). A thread's objects end
// before the program's static ones, so the lock is still there.
struct CloseLibraryAtThreadEnd {
    bool used = false;
    ~CloseLibraryAtThreadEnd() {
        if (!used) return;
        const std::lock_guard guard(TheLibrary().lock);
        swe_close();
    }
};
thread_local CloseLibraryAtThreadEnd libraryOfThisThread;

void ApplyFolder(const Library& library) {
    libraryOfThisThread.used = true;
    if (folderNumberOfThisThread == library.folderNumber) return;
    swe_set_ephe_path(library.folder.c_str());
    folderNumberOfThisThread = library.folderNumber;
}

std::string Reason(const char* libraryText) {
    std::string text(libraryText);
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ' || text.back() == ';')) text.pop_back();
    if (text.empty()) text = "Swiss Ephemeris gave no reason";
    return text;
}

std::optional<EphemerisSource> SourceOf(int32 returnedFlags) {
    if (returnedFlags & SEFLG_MOSEPH) return EphemerisSource::Moshier;
    if (returnedFlags & SEFLG_SWIEPH) return EphemerisSource::SwissEphemeris;
    return std::nullopt;
}

// The library's file number for the Moon's file (semo_*.se1).
constexpr int kMoonFileNumber = 1;

// Whether the Moon just computed at `julianDayUt` came from the Moon's own
// file. Without that file the library computes the Moon from its Moshier
// theory yet still returns the files' flag (only its message says so), so
// the flag alone cannot tell; the Moon's file the library has open can. A
// file it looked for and did not find keeps its name but covers no days.
bool MoonFileInUse(double julianDayUt) {
    constexpr double kDeltaTMarginDays = 1;  // the file's days are dynamical time
    double startJulianDay = 0;
    double endJulianDay = 0;
    int sourceEphemeris = 0;
    const char* file = swe_get_current_file_data(kMoonFileNumber, &startJulianDay, &endJulianDay, &sourceEphemeris);
    return file != nullptr && startJulianDay < endJulianDay && julianDayUt > startJulianDay - kDeltaTMarginDays &&
           julianDayUt < endJulianDay + kDeltaTMarginDays;
}

bool WithinEphemerisYears(double julianDayUt) {
    return julianDayUt >= kEphemerisFirstJulianDayUt && julianDayUt < kEphemerisEndJulianDayUt;
}

}  // namespace

std::span<const AyanamsaInfo> Ayanamsas() { return kAyanamsaInfos; }

const AyanamsaInfo& InfoOf(Ayanamsa ayanamsa) { return RowOf(ayanamsa).info; }

std::optional<Ayanamsa> AyanamsaFromKey(std::string_view key) {
    for (const AyanamsaRow& row : kAyanamsaRows)
        if (row.info.key == key) return row.info.id;
    return std::nullopt;
}

std::string_view EphemerisName(EphemerisSource source, Language language) {
    static constexpr Bilingual<std::string_view> kMoshier{"Moshier ephemeris", "Moshier सिद्धान्त"};
    return source == EphemerisSource::Moshier ? kMoshier[language] : "Swiss Ephemeris";
}

std::string_view EphemerisNote(EphemerisSource source, Language language) {
    static constexpr Bilingual<std::string_view> kMoshier{
        "(Swiss Ephemeris, Moshier theory: ephemeris files not found)",
        "(Swiss Ephemeris, Moshier सिद्धान्त: उसकी फ़ाइलें नहीं मिलीं)"};
    return source == EphemerisSource::Moshier ? kMoshier[language] : "(Swiss Ephemeris)";
}

namespace precise {

std::string UniversalTimeText(double julianDayUt) {
    // A chart on the meridian with no zone: its clock is universal time.
    const EngineRecord universal;
    return "universal time " +
           FormatLongMinute(LocalTimeAt((julianDayUt - kJ2000JulianDate) / kDaysPerJulianCentury, universal));
}

Problem OutsideEphemerisYears(const std::string& what) {
    return {"", what + " " + std::string(kOutsideEphemerisYears)};
}

LibrarySession::LibrarySession(Ayanamsa ayanamsa) : lock_(TheLibrary().lock) {
    ApplyFolder(TheLibrary());
    swe_set_sid_mode(RowOf(ayanamsa).libraryMode, 0, 0);
}

Result<MoonPosition> LibrarySession::Moon(double julianDayUt, bool sidereal) {
    if (!std::isfinite(julianDayUt)) return Problem{"", "the instant is not a number"};
    if (!WithinEphemerisYears(julianDayUt)) return OutsideEphemerisYears(UniversalTimeText(julianDayUt));
    char message[AS_MAXCH] = "";
    double position[6] = {};
    const int32 flags =
        swe_calc_ut(julianDayUt, SE_MOON, kMoonFlags | (sidereal ? SEFLG_SIDEREAL : 0), position, message);
    ++use_.moonPositions;
    if (flags < 0) return Problem{"", Reason(message)};
    const std::optional<EphemerisSource> source = SourceOf(flags);
    if (!source) return Problem{"", "Swiss Ephemeris used neither its files nor its built-in ephemeris"};
    if (*source == EphemerisSource::Moshier || !MoonFileInUse(julianDayUt)) use_.usedMoshier = true;
    if (!std::isfinite(position[0]) || !std::isfinite(position[3]))
        return Problem{"", "Swiss Ephemeris returned no number"};
    return MoonPosition{position[0], position[3]};
}

Result<double> LibrarySession::TrueAyanamsa(double julianDayUt) {
    if (!WithinEphemerisYears(julianDayUt)) return OutsideEphemerisYears(UniversalTimeText(julianDayUt));
    // Only the ephemeris bit is passed: a sidereal call's returned flags
    // carry SEFLG_NONUT, which would give the mean ayanamsa (14″ off at J2000).
    char message[AS_MAXCH] = "";
    double ayanamsaDeg = 0;
    const int32 flags = swe_get_ayanamsa_ex_ut(julianDayUt, SEFLG_SWIEPH, &ayanamsaDeg, message);
    if (flags < 0) return Problem{"", Reason(message)};
    // True Chitrapaksha reads Spica's place, which needs the files as well.
    if (flags & SEFLG_MOSEPH) use_.usedMoshier = true;
    if (!std::isfinite(ayanamsaDeg)) return Problem{"", "Swiss Ephemeris returned no number"};
    return ayanamsaDeg;
}

Result<SunPosition> LibrarySession::Sun(double julianDayUt, bool sidereal) {
    if (!std::isfinite(julianDayUt)) return Problem{"", "the instant is not a number"};
    if (!WithinEphemerisYears(julianDayUt)) return OutsideEphemerisYears(UniversalTimeText(julianDayUt));
    char message[AS_MAXCH] = "";
    double position[6] = {};
    const int32 flags =
        swe_calc_ut(julianDayUt, SE_SUN, kMoonFlags | (sidereal ? SEFLG_SIDEREAL : 0), position, message);
    ++use_.sunPositions;
    if (flags < 0) return Problem{"", Reason(message)};
    const std::optional<EphemerisSource> source = SourceOf(flags);
    if (!source) return Problem{"", "Swiss Ephemeris used neither its files nor its built-in ephemeris"};
    if (*source == EphemerisSource::Moshier) use_.usedMoshier = true;
    if (!std::isfinite(position[0]) || !std::isfinite(position[3]))
        return Problem{"", "Swiss Ephemeris returned no number"};
    return SunPosition{position[0], position[3], position[2]};
}

}  // namespace precise

PreciseMoon PreciseMoonAt(double julianDayUt, Ayanamsa ayanamsa) {
    PreciseMoon moon;
    moon.ayanamsa = ayanamsa;
    if (!std::isfinite(julianDayUt)) {
        moon.error = "the birth instant is not a number";
        return moon;
    }
    precise::LibrarySession library(ayanamsa);
    const Result<precise::MoonPosition> tropical = library.Moon(julianDayUt, false);
    if (!tropical) {
        moon.error = tropical.problem().Text();
        return moon;
    }
    const Result<precise::MoonPosition> sidereal = library.Moon(julianDayUt, true);
    if (!sidereal) {
        moon.error = sidereal.problem().Text();
        return moon;
    }
    const Result<double> ayanamsaDeg = library.TrueAyanamsa(julianDayUt);
    if (!ayanamsaDeg) {
        moon.error = ayanamsaDeg.problem().Text();
        return moon;
    }
    moon.tropicalDeg = tropical->longitudeDeg;
    moon.siderealDeg = sidereal->longitudeDeg;
    moon.ayanamsaDeg = *ayanamsaDeg;
    moon.speedDegPerDay = sidereal->degPerDay;
    moon.ephemeris = library.use().source();
    return moon;
}

double ChartJulianDayUt(const EngineRecord& chart) { return chart.DayNumber - 0.5 + chart.UniversalHours / 24.0; }

int SignOfLongitude(double siderealDeg) { return std::clamp(static_cast<int>(std::floor(siderealDeg / 30.0)), 0, 11); }

std::string DegreesInSignText(double siderealDeg) {
    constexpr long long kSecondsPerSign = 30 * 3600;
    const double inSignDeg = siderealDeg - 30.0 * SignOfLongitude(siderealDeg);
    // Truncated, never rounded: 29° 59′ 59.7″ must not read as the next sign.
    const long long seconds =
        std::clamp(static_cast<long long>(std::floor(inSignDeg * 3600.0)), 0LL, kSecondsPerSign - 1);
    char text[48];
    std::snprintf(text, sizeof text, "%lld\u00B0 %02lld\u2032 %02lld\u2033", seconds / 3600, seconds / 60 % 60,
                  seconds % 60);
    return text;
}

void SetEphemerisFolder(std::string_view folder) {
    Library& library = TheLibrary();
    const std::lock_guard guard(library.lock);
    library.folder = std::string(folder);
    ++library.folderNumber;
}

}  // namespace nyra
