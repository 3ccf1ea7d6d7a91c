// GLib before Qt: Qt's "signals" keyword macro would otherwise break a GDBus
// struct member of the same name that gio.h declares.
#include <geonames/geonames.h>

#include "atlas/atlas.h"
#include "atlas/name_catalogue.h"
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
    QString code;  // GeoNames' code within the country ("25" for Tamil Nadu).
};

// A folded name in the index's keys.
struct Key {
    quint32 start = 0;
    quint32 length = 0;
    qint32 firstBlank = -1;  // Most names are one word: they skip the later-word pass.
};

// One city; its texts live in the index's shared strings.
struct CityRow {
    Key key;                // GeoNames' own name, folded.
    quint32 nameStart = 0;  // Name as GeoNames writes it, in names.
    quint32 nameLength = 0;
    quint32 region = 0;
    quint32 zone = 0;
    quint32 population = 0;
    quint32 geonameId = 0;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
};
static_assert(sizeof(CityRow) == 56);

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
    // (GeoNames number, row), by number: a place found again by its number.
    std::vector<std::pair<quint32, quint32>> rowsById;

    QStringView keyOf(const Key& key) const { return QStringView(keys).sliced(key.start, key.length); }

    // Whether `test` holds for GeoNames' own name of the row, folded, with
    // its first blank.
    template <class Test>
    bool ownKey(const CityRow& row, const Test& test) const {
        return test(keyOf(row.key), row.key.firstBlank);
    }
    std::size_t rowIndex(const CityRow& row) const { return static_cast<std::size_t>(&row - rows.data()); }

    const CityRow* rowWithId(quint32 geonameId) const {
        const auto found = std::lower_bound(rowsById.begin(), rowsById.end(), std::make_pair(geonameId, quint32(0)));
        return found != rowsById.end() && found->first == geonameId ? &rows[found->second] : nullptr;
    }

    Place placeOf(const CityRow& row) const {
        const Region& region = regions[row.region];
        const Country& country = countries[region.country];
        Place place;
        place.geonameId = row.geonameId;
        place.city = names.sliced(row.nameStart, row.nameLength);
        place.state = region.state;
        place.stateCode = region.code;
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
        // A city is a GVariant, as the header says; its own fields give
        // GeoNames' number and codes, and the names untranslated.
        if (loaded_) {
            Resolve("g_variant_get_type_string", typeString);
            Resolve("g_variant_get_child", child);
        }
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
    decltype(&g_variant_get_type_string) typeString = nullptr;
    decltype(&g_variant_get_child) child = nullptr;

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

// A city record's fields as the index keeps them.
struct CityFields {
    quint32 geonameId = 0;
    QString name;
    QString stateCode;
    QString state;
    QString country;
};

// libgeonames' accessors name a place in the process's locale, the
// desktop's, which need not be the language the program speaks; the
// record's own fields hold GeoNames' names, and the number and codes that
// the names in other languages go by. A record of another layout is read
// through the accessors, with no names in other languages.
CityFields ReadCityFields(const GeonamesLibrary& geonames, GeonamesCity* city) {
    CityFields fields;
    if (geonames.typeString && geonames.child && qstrcmp(geonames.typeString(city), "(sssssssudd)") == 0) {
        const auto field = [&](gsize i) {
            const gchar* text = nullptr;
            geonames.child(city, i, "&s", &text);
            return FromGeonames(text);
        };
        fields.geonameId = field(0).toUInt();
        fields.name = field(1);
        fields.stateCode = field(2);
        fields.state = field(3);
        fields.country = field(5);
        return fields;
    }
    fields.name = FromGeonames(geonames.name(city));
    fields.state = FromGeonames(geonames.state(city));
    fields.country = FromGeonames(geonames.country(city));
    return fields;
}

Key AppendKey(QString& keys, const QString& key) {
    Key appended{static_cast<quint32>(keys.size()), static_cast<quint32>(key.size()),
                 static_cast<qint32>(key.indexOf(QLatin1Char(' ')))};
    keys += key;
    return appended;
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
        const CityFields fields = ReadCityFields(geonames, city);
        const QString countryCode = FromGeonames(geonames.countryCode(city));
        const QString zone = FromGeonames(geonames.timezone(city));
        CityRow row;
        row.geonameId = fields.geonameId;
        row.latitudeDeg = geonames.latitude(city);
        row.longitudeDeg = geonames.longitude(city);
        row.population = geonames.population(city);
        geonames.free(city);

        const QString key = FoldForSearch(fields.name);
        if (key.isEmpty()) continue;
        row.key = AppendKey(index.keys, key);
        row.nameStart = static_cast<quint32>(index.names.size());
        row.nameLength = static_cast<quint32>(fields.name.size());
        index.names += fields.name;
        row.zone = IndexOf(zoneIndex, zone, [&] { index.zones.append(zone); });
        const quint32 country = IndexOf(countryIndex, qMakePair(fields.country, countryCode), [&] {
            index.countries.push_back(
                {fields.country, countryCode, FoldForSearch(fields.country), FoldForSearch(countryCode)});
        });
        row.region = IndexOf(regionIndex, qMakePair(fields.state, country), [&] {
            index.regions.push_back({fields.state, FoldForSearch(fields.state), country, fields.stateCode});
        });
        index.rows.push_back(row);
    }
    // Stable, so cities of equal population keep GeoNames' order and every
    // run lists them the same way.
    std::stable_sort(index.rows.begin(), index.rows.end(),
                     [](const CityRow& a, const CityRow& b) { return a.population > b.population; });
    for (std::size_t i = 0; i < index.rows.size(); ++i)
        if (index.rows[i].geonameId != 0) index.rowsById.emplace_back(index.rows[i].geonameId, static_cast<quint32>(i));
    std::sort(index.rowsById.begin(), index.rowsById.end());
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

// Whether a text has a letter of another script than Latin: only then
// can a name in such a script be what it means.
bool InOtherScript(QStringView text) {
    for (const char32_t c : text.toUcs4()) {
        const QChar::Script script = QChar::script(c);
        if (script != QChar::Script_Latin && script != QChar::Script_Common && script != QChar::Script_Inherited)
            return true;
    }
    return false;
}

// The names of the cities, states and countries in scripts other than
// Latin, from every installed language's GeoNames catalogue, folded: what
// finds "Ченнаи" or "Τσεννάι". Built apart from the index, when text in such
// a script is first searched for (or LoadPlaceNamesInOtherScripts asks),
// so that a search in Latin letters never waits for them nor costs more.
struct OtherScripts {
    QString keys;
    std::vector<Key> cityKeys;
    std::vector<quint32> cityStart;        // Row i's are cityStart[i] up to cityStart[i + 1].
    std::vector<QStringList> regionKeys;   // By region.
    std::vector<QStringList> countryKeys;  // By country.

    // Whether `test` holds for any of the row's names, as for ownKey.
    template <class Test>
    bool cityKey(std::size_t row, const Test& test) const {
        for (quint32 i = cityStart[row]; i < cityStart[row + 1]; ++i)
            if (test(QStringView(keys).sliced(cityKeys[i].start, cityKeys[i].length), cityKeys[i].firstBlank))
                return true;
        return false;
    }
};

void AddOtherKey(QStringList& keys, const QString& name) {
    const QString key = FoldForSearch(name);
    if (!key.isEmpty() && !keys.contains(key)) keys.append(key);
}

OtherScripts ReadOtherScripts(const CityIndex& index) {
    QHash<QString, quint32> countryByCode;
    for (std::size_t i = 0; i < index.countries.size(); ++i)
        countryByCode.insert(index.countries[i].code, static_cast<quint32>(i));
    QHash<QString, quint32> regionByCode;
    for (std::size_t i = 0; i < index.regions.size(); ++i) {
        const Region& region = index.regions[i];
        if (!region.code.isEmpty())
            regionByCode.insert(index.countries[region.country].code + u'.' + region.code, static_cast<quint32>(i));
    }
    OtherScripts others;
    others.regionKeys.resize(index.regions.size());
    others.countryKeys.resize(index.countries.size());
    std::vector<QStringList> cityKeys(index.rows.size());
    for (const QString& path : PlaceNameCataloguePaths()) {
        ForEachName(path, [&](const QString& code, const QString& name) {
            if (code.isEmpty() || !InOtherScript(name)) return;
            if (code.front().isDigit()) {
                if (const CityRow* row = index.rowWithId(code.toUInt()))
                    AddOtherKey(cityKeys[index.rowIndex(*row)], name);
            } else if (const auto country = countryByCode.constFind(code); country != countryByCode.cend()) {
                AddOtherKey(others.countryKeys[*country], name);
            } else if (const auto region = regionByCode.constFind(code); region != regionByCode.cend()) {
                AddOtherKey(others.regionKeys[*region], name);
            }
        });
    }
    for (const QStringList& keys : cityKeys) {
        others.cityStart.push_back(static_cast<quint32>(others.cityKeys.size()));
        for (const QString& key : keys) others.cityKeys.push_back(AppendKey(others.keys, key));
    }
    others.cityStart.push_back(static_cast<quint32>(others.cityKeys.size()));
    others.keys.squeeze();
    return others;
}

const OtherScripts& OtherScriptNames() {
    static const OtherScripts names = ReadOtherScripts(Cities());
    return names;
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
    explicit Qualifier(const QString& text)
        : folded_(FoldForSearch(text)),
          aliasCodeKey_(folded_),
          others_(InOtherScript(folded_) ? &OtherScriptNames() : nullptr) {
        for (const CountryAlias& alias : kCountryAliases)
            if (QStringView(folded_) == QStringView(alias.folded))
                aliasCodeKey_ = QString::fromUtf16(alias.codeKey.data(), static_cast<qsizetype>(alias.codeKey.size()));
    }

    bool isEmpty() const { return folded_.isEmpty(); }

    bool matchesState(const CityIndex& index, quint32 region) const {
        return BeginsAName(index.regions[region].stateKey, others_ ? &others_->regionKeys[region] : nullptr);
    }

    bool matchesCountry(const CityIndex& index, quint32 country) const {
        return index.countries[country].codeKey == aliasCodeKey_ ||
               BeginsAName(index.countries[country].nameKey, others_ ? &others_->countryKeys[country] : nullptr);
    }

private:
    bool BeginsAName(QStringView key, const QStringList* otherKeys) const {
        return BeginsAWord(key, folded_) ||
               (otherKeys && std::any_of(otherKeys->begin(), otherKeys->end(),
                                         [&](const QString& k) { return BeginsAWord(k, folded_); }));
    }

    QString folded_;
    QString aliasCodeKey_;  // The code the text stands for: itself, or an alias's code.
    const OtherScripts* others_;  // Only for text in such a script.
};

// Whether the cities of each region pass a search's qualifiers, worked out
// the first time a city of that region matches the typed name.
class RegionFilter {
public:
    RegionFilter(const CityIndex& index, std::function<bool(quint32 region, quint32 country)> passes)
        : index_(index), passes_(std::move(passes)), verdicts_(index.regions.size(), kUnknown) {}

    bool passes(const CityRow& row) {
        signed char& verdict = verdicts_[row.region];
        if (verdict == kUnknown) verdict = passes_(row.region, index_.regions[row.region].country) ? 1 : 0;
        return verdict == 1;
    }

private:
    static constexpr signed char kUnknown = -1;
    const CityIndex& index_;
    std::function<bool(quint32, quint32)> passes_;
    std::vector<signed char> verdicts_;
};

int LettersAndDigits(QStringView folded) { return static_cast<int>(folded.size() - folded.count(QLatin1Char(' '))); }

}  // namespace

void LoadAtlas() { Cities(); }

void LoadPlaceNamesInOtherScripts() { OtherScriptNames(); }

QString Place::displayText() const {
    QStringList parts{city};
    if (!state.isEmpty()) parts.append(state);
    parts.append(country);
    return parts.join(QStringLiteral(", "));
}

PlaceKeys SearchKeysOf(const Place& place) {
    const CityIndex& index = Cities();
    const CityRow* row = place.geonameId ? index.rowWithId(place.geonameId) : nullptr;
    if (!row) return {};
    PlaceKeys keys;
    const auto add = [&](QStringView key, qsizetype) {
        keys.city.append(key.toString());
        return false;
    };
    index.ownKey(*row, add);
    OtherScriptNames().cityKey(index.rowIndex(*row), add);
    keys.state = QStringList{index.regions[row->region].stateKey} + OtherScriptNames().regionKeys[row->region];
    return keys;
}

Place NamedIn(const Place& place, const QLocale& language) {
    const CityRow* row = place.geonameId ? Cities().rowWithId(place.geonameId) : nullptr;
    if (!row) return place;
    Place named = Cities().placeOf(*row);
    const std::shared_ptr<const NameCatalogue> names = PlaceNamesIn(language);
    if (!names) return named;
    const QString city = names->value(QString::number(place.geonameId));
    const QString country = names->value(named.countryCode);
    const QString state = named.state.isEmpty() ? QString() : names->value(named.countryCode + u'.' + named.stateCode);
    // All in the language or none: half of a line in one script and half in
    // another reads as two places.
    if (city.isEmpty() || country.isEmpty() || (!named.state.isEmpty() && state.isEmpty())) return named;
    named.city = city;
    named.state = state;
    named.country = country;
    return named;
}

QList<Place> MatchPlaces(const QString& cityText, const QString& stateText, const QString& countryText, int limit) {
    QList<Place> found;
    const QString folded = FoldForSearch(cityText);
    if (limit <= 0 || LettersAndDigits(folded) < 2) return found;
    const Qualifier state(stateText);
    const Qualifier country(countryText);
    const CityIndex& index = Cities();
    RegionFilter qualifies(index, [&](quint32 region, quint32 itsCountry) {
        return (state.isEmpty() || state.matchesState(index, region)) &&
               (country.isEmpty() || country.matchesCountry(index, itsCountry));
    });

    // The list's groups, in order: GeoNames' own names before the names in
    // other scripts (text in those finds by them, and ranks as Latin text
    // does); in each, names beginning with the text before those with a
    // later word that does. The rows are largest first, so each group is too.
    const OtherScripts* others = InOtherScript(folded) ? &OtherScriptNames() : nullptr;
    const auto begins = [&](QStringView key, qsizetype) { return BeginsWith(key, folded); };
    const auto laterWordBegins = [&](QStringView key, qsizetype firstBlank) {
        return firstBlank >= 0 && BeginsALaterWord(key, firstBlank, folded);
    };
    const auto groupOf = [&](const CityRow& row) {
        if (index.ownKey(row, begins)) return 0;
        if (index.ownKey(row, laterWordBegins)) return 1;
        if (!others) return -1;
        if (others->cityKey(index.rowIndex(row), begins)) return 2;
        if (others->cityKey(index.rowIndex(row), laterWordBegins)) return 3;
        return -1;
    };
    std::array<std::vector<const CityRow*>, 4> groups;
    const auto wanted = static_cast<std::size_t>(limit);
    for (const CityRow& row : index.rows) {
        const int group = groupOf(row);
        if (group < 0) continue;
        std::vector<const CityRow*>& rows = groups[static_cast<std::size_t>(group)];
        if (rows.size() == wanted || !qualifies.passes(row)) continue;
        rows.push_back(&row);
        if (group == 0 && rows.size() == wanted) break;
    }
    for (const std::vector<const CityRow*>& rows : groups)
        for (const CityRow* row : rows) {
            if (found.size() == limit) return found;
            found.append(index.placeOf(*row));
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
    RegionFilter qualifies(index, [&](quint32 region, quint32 country) {
        return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const Qualifier& q) {
            return q.matchesState(index, region) || q.matchesCountry(index, country);
        });
    });

    // The list runs largest first, so the first hit of each kind is the best.
    // GeoNames' own names first, then (where they name no city) the names in
    // other scripts.
    const OtherScripts* others = InOtherScript(city) ? &OtherScriptNames() : nullptr;
    const auto begins = [&](QStringView key, qsizetype) { return BeginsWith(key, city); };
    const auto same = [&](QStringView key, qsizetype) { return key == city; };
    std::array<const CityRow*, 4> best{};  // Own exact, own longer, other exact, other longer.
    for (const CityRow& row : index.rows) {
        const bool own = index.ownKey(row, begins);
        if (!own && !(others && others->cityKey(index.rowIndex(row), begins))) continue;
        if (!qualifies.passes(row)) continue;
        const std::size_t kind =
            own ? (index.ownKey(row, same) ? 0 : 1) : (others->cityKey(index.rowIndex(row), same) ? 2 : 3);
        if (kind == 0) return index.placeOf(row);
        if (!best[kind]) best[kind] = &row;
    }
    for (const CityRow* row : best)
        if (row) return index.placeOf(*row);
    return std::nullopt;
}

}  // namespace nyra
