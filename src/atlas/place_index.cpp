// GLib before Qt: Qt's "signals" keyword macro would otherwise break a GDBus
// struct member of the same name that gio.h declares.
#include <geonames/geonames.h>

#include "atlas/atlas.h"
#include "atlas/text_fold.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

namespace nyra {
namespace {

// One city with its search keys folded once, at load, so that a keystroke
// costs a scan of plain string comparisons and no folding.
struct IndexedPlace {
    Place place;
    QString cityKey;
    qsizetype cityKeyFirstBlank = -1;  // Most names are one word: they skip the later-word pass.
    QString stateKey;
    QString countryKey;
    QString countryCodeKey;  // Folded like the rest, so "in" finds "IN".
};

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

std::vector<IndexedPlace> LoadCities() {
    std::vector<IndexedPlace> cities;
    const gint count = geonames_get_n_cities();
    cities.reserve(static_cast<std::size_t>(std::max(count, 0)));
    for (gint i = 0; i < count; ++i) {
        GeonamesCity* city = geonames_get_city(i);
        if (!city) continue;
        // The strings belong to the city record: copy them before freeing it.
        IndexedPlace entry;
        entry.place.city = FromGeonames(geonames_city_get_name(city));
        entry.place.state = FromGeonames(geonames_city_get_state(city));
        entry.place.country = FromGeonames(geonames_city_get_country(city));
        entry.place.countryCode = FromGeonames(geonames_city_get_country_code(city));
        entry.place.timeZoneId = FromGeonames(geonames_city_get_timezone(city));
        entry.place.latitudeDeg = geonames_city_get_latitude(city);
        entry.place.longitudeDeg = geonames_city_get_longitude(city);
        entry.place.population = geonames_city_get_population(city);
        geonames_city_free(city);

        entry.cityKey = FoldForSearch(entry.place.city);
        if (entry.cityKey.isEmpty()) continue;
        entry.cityKeyFirstBlank = entry.cityKey.indexOf(QLatin1Char(' '));
        entry.stateKey = FoldForSearch(entry.place.state);
        entry.countryKey = FoldForSearch(entry.place.country);
        entry.countryCodeKey = FoldForSearch(entry.place.countryCode);
        cities.push_back(std::move(entry));
    }
    // Stable, so cities of equal population keep GeoNames' order and every
    // run lists them the same way.
    std::stable_sort(cities.begin(), cities.end(), [](const IndexedPlace& a, const IndexedPlace& b) {
        return a.place.population > b.place.population;
    });
    return cities;
}

// Built on first use and never changed afterwards; the language guarantees
// that concurrent first callers wait for one build.
const std::vector<IndexedPlace>& Cities() {
    static const std::vector<IndexedPlace> cities = LoadCities();
    return cities;
}

// True when a word after the first one in key begins with folded (which is
// itself folded, so its words are separated by single blanks like the key's).
bool BeginsALaterWord(QStringView key, qsizetype firstBlank, QStringView folded) {
    for (qsizetype blank = firstBlank; blank >= 0; blank = key.indexOf(QLatin1Char(' '), blank + 1))
        if (key.sliced(blank + 1).startsWith(folded)) return true;
    return false;
}

bool BeginsAWord(QStringView key, QStringView folded) {
    return key.startsWith(folded) || BeginsALaterWord(key, key.indexOf(QLatin1Char(' ')), folded);
}

// A state or country text typed by the user, folded once per search.
class Qualifier {
public:
    explicit Qualifier(const QString& text) : folded_(FoldForSearch(text)), aliasCodeKey_(folded_) {
        for (const CountryAlias& alias : kCountryAliases)
            if (QStringView(folded_) == QStringView(alias.folded))
                aliasCodeKey_ = QString::fromUtf16(alias.codeKey.data(),
                                                   static_cast<qsizetype>(alias.codeKey.size()));
    }

    bool isEmpty() const { return folded_.isEmpty(); }

    bool matchesState(const IndexedPlace& entry) const { return BeginsAWord(entry.stateKey, folded_); }

    bool matchesCountry(const IndexedPlace& entry) const {
        return entry.countryCodeKey == aliasCodeKey_ || BeginsAWord(entry.countryKey, folded_);
    }

private:
    QString folded_;
    QString aliasCodeKey_;  // The code the text stands for: itself, or an alias's code.
};

int LettersAndDigits(QStringView folded) {
    return static_cast<int>(folded.size() - folded.count(QLatin1Char(' ')));
}

} // namespace

void LoadAtlas() { Cities(); }

QString Place::displayText() const {
    QStringList parts{city};
    if (!state.isEmpty()) parts.append(state);
    parts.append(country);
    return parts.join(QStringLiteral(", "));
}

QList<Place> MatchPlaces(const QString& cityText, const QString& stateText, const QString& countryText,
                         int limit) {
    QList<Place> found;
    const QString folded = FoldForSearch(cityText);
    if (limit <= 0 || LettersAndDigits(folded) < 2) return found;
    const Qualifier state(stateText);
    const Qualifier country(countryText);
    const auto qualifies = [&](const IndexedPlace& entry) {
        return (state.isEmpty() || state.matchesState(entry)) &&
               (country.isEmpty() || country.matchesCountry(entry));
    };

    const std::vector<IndexedPlace>& cities = Cities();
    for (const IndexedPlace& entry : cities) {
        if (!entry.cityKey.startsWith(folded) || !qualifies(entry)) continue;
        found.append(entry.place);
        if (found.size() == limit) return found;
    }
    for (const IndexedPlace& entry : cities) {
        if (entry.cityKeyFirstBlank < 0 || entry.cityKey.startsWith(folded) ||
            !BeginsALaterWord(entry.cityKey, entry.cityKeyFirstBlank, folded) || !qualifies(entry))
            continue;
        found.append(entry.place);
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
    const auto qualifies = [&](const IndexedPlace& entry) {
        return std::all_of(qualifiers.begin(), qualifiers.end(), [&](const Qualifier& q) {
            return q.matchesState(entry) || q.matchesCountry(entry);
        });
    };

    // The list runs largest first, so the first hit of each kind is the best.
    const IndexedPlace* bestLonger = nullptr;
    for (const IndexedPlace& entry : Cities()) {
        if (!entry.cityKey.startsWith(city) || !qualifies(entry)) continue;
        if (entry.cityKey.size() == city.size()) return entry.place;
        if (!bestLonger) bestLonger = &entry;
    }
    if (bestLonger) return bestLonger->place;
    return std::nullopt;
}

} // namespace nyra
