// GLib before Qt: Qt's "signals" keyword macro would otherwise break a GDBus
// struct member of the same name that gio.h declares.
#include <geonames/geonames.h>

#include "atlas/atlas.h"
#include "atlas/text_fold.h"

#include <QHash>
#include <QLibrary>
#include <QPair>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <functional>
#include <string_view>
#include <vector>

namespace nyra {
namespace {

// Short names people write for a country that are neither its GeoNames name
// nor its code (GeoNames says "United Kingdom", "GB", "United States of
// America", "US").
struct CountryAlias {
    std::u16string_view folded;
    std::u16string_view codeKey;
};
constexpr auto kCountryAliases = std::to_array<CountryAlias>({
    {u"uk", u"gb"},
    {u"britain", u"gb"},
    {u"great britain", u"gb"},
    {u"usa", u"us"},
    {u"america", u"us"},
    {u"uae", u"ae"},
});
static_assert(kCountryAliases.size() == 6);

QString FromGeonames(const gchar* text) { return text ? QString::fromUtf8(text) : QString(); }

// A country as GeoNames names it, with its search keys.
struct Country {
    QString name;
    QString code;
    QString nameKey;
    QString codeKey;  // Folded like the rest, so "in" finds "IN".
};

// A first-level division of a country; the cities in it share one.
struct Region {
    QString state;
    QString stateKey;
    quint32 country = 0;
};

// One city; its texts live in the index's shared strings.
struct CityRow {
    quint32 keyStart = 0;  // Folded name, in keys.
    quint32 keyLength = 0;
    qint32 keyFirstBlank = -1;  // Most names are one word: they skip the later-word pass.
    quint32 nameStart = 0;      // Name as GeoNames writes it, in names.
    quint32 nameLength = 0;
    quint32 region = 0;
    quint32 zone = 0;
    quint32 population = 0;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
};
static_assert(sizeof(CityRow) == 48);

// The cities, largest first, with their search keys folded once, at load,
// so that a keystroke costs a scan of plain string comparisons and no
// folding. Compact: about 2 MB for 24,000 cities, where a Place and four
// keys apiece took ten times that. Countries and states, which thousands
// of cities share, are stored once.
struct CityIndex {
    std::vector<CityRow> rows;
    QString keys;
    QString names;
    std::vector<Region> regions;
    std::vector<Country> countries;
    QStringList zones;

    QStringView keyOf(const CityRow& row) const { return QStringView(keys).sliced(row.keyStart, row.keyLength); }

    Place placeOf(const CityRow& row) const {
        const Region& region = regions[row.region];
        const Country& country = countries[region.country];
        Place place;
        place.city = names.sliced(row.nameStart, row.nameLength);
        place.state = region.state;
        place.country = country.name;
        place.countryCode = country.code;
        place.timeZoneId = zones[row.zone];
        place.latitudeDeg = row.latitudeDeg;
        place.longitudeDeg = row.longitudeDeg;
        place.population = row.population;
        return place;
    }
};

// libgeonames brings GLib's GIO with it, and through that a dozen more
// libraries (gobject, gmodule, mount, selinux, blkid, ffi, ...). Linked to
// the program they would cost every start a megabyte of memory and some
// milliseconds, for a list that a user who types coordinates never opens;
// so the library is opened here, when the index is first built, and stays
// open. The header only lends the functions' types.
class GeonamesLibrary {
public:
    GeonamesLibrary() : library_(QStringLiteral("geonames"), 0) {
        loaded_ =
            library_.load() && Resolve("geonames_get_n_cities", getNCities) && Resolve("geonames_get_city", getCity) &&
            Resolve("geonames_city_free", free) && Resolve("geonames_city_get_name", name) &&
            Resolve("geonames_city_get_state", state) && Resolve("geonames_city_get_country", country) &&
            Resolve("geonames_city_get_country_code", countryCode) && Resolve("geonames_city_get_timezone", timezone) &&
            Resolve("geonames_city_get_latitude", latitude) && Resolve("geonames_city_get_longitude", longitude) &&
            Resolve("geonames_city_get_population", population);
        if (!loaded_) qWarning("The city list cannot be read: %s", qPrintable(library_.errorString()));
    }

    bool loaded() const { return loaded_; }

    decltype(&geonames_get_n_cities) getNCities = nullptr;
    decltype(&geonames_get_city) getCity = nullptr;
    decltype(&geonames_city_free) free = nullptr;
    decltype(&geonames_city_get_name) name = nullptr;
    decltype(&geonames_city_get_state) state = nullptr;
    decltype(&geonames_city_get_country) country = nullptr;
    decltype(&geonames_city_get_country_code) countryCode = nullptr;
    decltype(&geonames_city_get_timezone) timezone = nullptr;
    decltype(&geonames_city_get_latitude) latitude = nullptr;
    decltype(&geonames_city_get_longitude) longitude = nullptr;
    decltype(&geonames_city_get_population) population = nullptr;

private:
    template <class Function>
    bool Resolve(const char* symbol, Function& function) {
        function = reinterpret_cast<Function>(library_.resolve(symbol));
        return function != nullptr;
    }

    QLibrary library_;
    bool loaded_ = false;
};

// The number `known` gives `value`: the next free one, with `add` called
// to store the value, the first time it is seen.
template <class Key>
quint32 IndexOf(QHash<Key, quint32>& known, const Key& value, const std::function<void()>& add) {
    const auto found = known.constFind(value);
    if (found != known.constEnd()) return *found;
    const quint32 index = static_cast<quint32>(known.size());
    known.insert(value, index);
    add();
    return index;
}

CityIndex LoadCities() {
    CityIndex index;
    // Read once: the index keeps everything it needs.
    GeonamesLibrary geonames;
    if (!geonames.loaded()) return index;
    QHash<QString, quint32> zoneIndex;
    QHash<QPair<QString, QString>, quint32> countryIndex;
    QHash<QPair<QString, quint32>, quint32> regionIndex;

    const gint count = geonames.getNCities();
    index.rows.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames.getCity(i);
        if (!city) continue;
        // The strings belong to the city record: copy them before freeing it.
        const QString name = FromGeonames(geonames.name(city));
        const QString state = FromGeonames(geonames.state(city));
        const QString countryName = FromGeonames(geonames.country(city));
        const QString countryCode = FromGeonames(geonames.countryCode(city));
        const QString zone = FromGeonames(geonames.timezone(city));
        CityRow row;
        row.latitudeDeg = geonames.latitude(city);
        row.longitudeDeg = geonames.longitude(city);
        row.population = geonames.population(city);
        geonames.free(city);

        const QString key = FoldForSearch(name);
        if (key.isEmpty()) continue;
        row.keyStart = static_cast<quint32>(index.keys.size());
        row.keyLength = static_cast<quint32>(key.size());
        row.keyFirstBlank = static_cast<qint32>(key.indexOf(QLatin1Char(' ')));
        index.keys += key;
        row.nameStart = static_cast<quint32>(index.names.size());
        row.nameLength = static_cast<quint32>(name.size());
        index.names += name;
        row.zone = IndexOf(zoneIndex, zone, [&] { index.zones.append(zone); });
        const quint32 country = IndexOf(countryIndex, qMakePair(countryName, countryCode), [&] {
            index.countries.push_back(
                {countryName, countryCode, FoldForSearch(countryName), FoldForSearch(countryCode)});
        });
        row.region = IndexOf(regionIndex, qMakePair(state, country), [&] {
            index.regions.push_back({state, FoldForSearch(state), country});
        });
        index.rows.push_back(row);
    }
    // Stable, so cities of equal population keep GeoNames' order and every
    // run lists them the same way.
    std::stable_sort(index.rows.begin(), index.rows.end(),
                     [](const CityRow& a, const CityRow& b) { return a.population > b.population; });
    index.rows.shrink_to_fit();
    index.keys.squeeze();
    index.names.squeeze();
    return index;
}

// Built on first use and never changed afterwards; the language guarantees
// that concurrent first callers wait for one build.
const CityIndex& Cities() {
    static const CityIndex index = LoadCities();
    return index;
}

// Keys and typed text are folded alike, so a plain comparison of UTF-16
// units decides; most keys already differ in their first unit, which is
// checked before anything else in this, the search's innermost loop.
bool BeginsWith(QStringView key, QStringView folded) {
    const qsizetype n = folded.size();
    return key.size() >= n &&
           (n == 0 || (key[0] == folded[0] && std::equal(folded.begin() + 1, folded.end(), key.begin() + 1)));
}

// True when a word after the first one in key begins with folded (which is
// itself folded, so its words are separated by single blanks like the key's).
bool BeginsALaterWord(QStringView key, qsizetype firstBlank, QStringView folded) {
    for (qsizetype blank = firstBlank; blank >= 0; blank = key.indexOf(QLatin1Char(' '), blank + 1))
        if (BeginsWith(key.sliced(blank + 1), folded)) return true;
    return false;
}

bool BeginsAWord(QStringView key, QStringView folded) {
    return BeginsWith(key, folded) || BeginsALaterWord(key, key.indexOf(QLatin1Char(' ')), folded);
}

// A state or country text typed by the user, folded once per search.
class Qualifier {
public:
    explicit Qualifier(const QString& text) : folded_(FoldForSearch(text)), aliasCodeKey_(folded_) {
        for (const CountryAlias& alias : kCountryAliases)
            if (QStringView(folded_) == QStringView(alias.folded))
                aliasCodeKey_ = QString::fromUtf16(alias.codeKey.data(), static_cast<qsizetype>(alias.codeKey.size()));
    }

    bool isEmpty() const { return folded_.isEmpty(); }

    bool matchesState(const Region& region) const { return BeginsAWord(region.stateKey, folded_); }

    bool matchesCountry(const Country& country) const {
        return country.codeKey == aliasCodeKey_ || BeginsAWord(country.nameKey, folded_);
    }

private:
    QString folded_;
    QString aliasCodeKey_;  // The code the text stands for: itself, or an alias's code.
};

// Whether the cities of each region pass a search's qualifiers, worked out
// the first time a city of that region matches the typed name.
class RegionFilter {
public:
    RegionFilter(const CityIndex& index, std::function<bool(const Region&, const Country&)> passes)
        : index_(index), passes_(std::move(passes)), verdicts_(index.regions.size(), kUnknown) {}

    bool passes(const CityRow& row) {
        signed char& verdict = verdicts_[row.region];
        if (verdict == kUnknown) {
            const Region& region = index_.regions[row.region];
            verdict = passes_(region, index_.countries[region.country]) ? 1 : 0;
        }
        return verdict == 1;
    }

private:
    static constexpr signed char kUnknown = -1;
    const CityIndex& index_;
    std::function<bool(const Region&, const Country&)> passes_;
    std::vector<signed char> verdicts_;
};

int LettersAndDigits(QStringView folded) { return static_cast<int>(folded.size() - folded.count(QLatin1Char(' '))); }

}  // namespace

void LoadAtlas() { Cities(); }

QString Place::displayText() const {
    QStringList parts{city};
    if (!state.isEmpty()) parts.append(state);
    parts.append(country);
    return parts.join(QStringLiteral(", "));
}

QList<Place> MatchPlaces(const QString& cityText, const QString& stateText, const QString& countryText, int limit) {
    QList<Place> found;
    const QString folded = FoldForSearch(cityText);
    if (limit <= 0 || LettersAndDigits(folded) < 2) return found;
    const Qualifier state(stateText);
    const Qualifier country(countryText);
    const CityIndex& index = Cities();
    RegionFilter qualifies(index, [&](const Region& region, const Country& itsCountry) {
        return (state.isEmpty() || state.matchesState(region)) &&
               (country.isEmpty() || country.matchesCountry(itsCountry));
    });

    for (const CityRow& row : index.rows) {
        if (!BeginsWith(index.keyOf(row), folded) || !qualifies.passes(row)) continue;
        found.append(index.placeOf(row));
        if (found.size() == limit) return found;
    }
    for (const CityRow& row : index.rows) {
        if (row.keyFirstBlank < 0) continue;
        const QStringView key = index.keyOf(row);
        if (BeginsWith(key, folded) || !BeginsALaterWord(key, row.keyFirstBlank, folded) || !qualifies.passes(row))
            continue;
        found.append(index.placeOf(row));
        if (found.size() == limit) return found;
    }
    return found;
}

std::optional<Place> FindPlace(const QString& text) {
    const QStringList parts = text.split(QLatin1Char(','));
    const QString city = FoldForSearch(parts.value(0));
    if (city.isEmpty()) return std::nullopt;
    std::vector<Qualifier> qualifiers;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        Qualifier qualifier(parts[i]);
        if (!qualifier.isEmpty()) qualifiers.push_back(std::move(qualifier));
    }
    const CityIndex& index = Cities();
    RegionFilter qualifies(index, [&](const Region& region, const Country& country) {
        return std::all_of(qualifiers.begin(), qualifiers.end(),
                           [&](const Qualifier& q) { return q.matchesState(region) || q.matchesCountry(country); });
    });

    // The list runs largest first, so the first hit of each kind is the best.
    const CityRow* bestLonger = nullptr;
    for (const CityRow& row : index.rows) {
        const QStringView key = index.keyOf(row);
        if (!BeginsWith(key, city) || !qualifies.passes(row)) continue;
        if (key.size() == city.size()) return index.placeOf(row);
        if (!bestLonger) bestLonger = &row;
    }
    if (bestLonger) return index.placeOf(*bestLonger);
    return std::nullopt;
}

}  // namespace nyra
