// Any text, as UTF-8 or as raw UTF-16 (lone surrogates included), through
// the atlas's folding and its searches. A search key is its own key, in
// lower case, of letters and digits with single blanks between words; every
// city found has a name (in some language) a word of which begins with the
// typed text, and keeps to the state typed; a qualified search finds a part of what the unqualified one finds,
// in the same order: GeoNames' own names before those in other languages,
// in each names beginning with the text first, then names with a later word
// beginning with it, each group largest first.
#include "fuzz_check.h"

#include "atlas/atlas.h"
#include "atlas/text_fold.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <QChar>
#include <QString>

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

namespace nyra {
namespace {

constexpr int kMaxLimit = 40;

QString TextFrom(FuzzedDataProvider& input, bool utf16) {
    const std::string bytes = input.ConsumeRandomLengthString();
    if (!utf16) return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    return QString(reinterpret_cast<const QChar*>(bytes.data()), static_cast<qsizetype>(bytes.size() / 2));
}

std::string Shown(const QString& text) { return "\"" + text.toStdString() + "\""; }

void CheckKey(const QString& text, const QString& key) {
    const std::string where = Shown(text) + " -> " + Shown(key) + ": ";
    NYRA_FUZZ_CHECK(!key.startsWith(u' ') && !key.endsWith(u' ') && !key.contains(u"  "), where + "blanks");
    for (const char32_t c : key.toUcs4()) {
        NYRA_FUZZ_CHECK(c == U' ' || QChar::isLetterOrNumber(c), where + "U+" + QString::number(c, 16).toStdString());
        NYRA_FUZZ_CHECK(QChar::toCaseFolded(c) == c, where + "case of U+" + QString::number(c, 16).toStdString());
    }
    NYRA_FUZZ_CHECK(FoldForSearch(key) == key, where + "folds again to " + Shown(FoldForSearch(key)));
}

bool BeginsAWord(const QString& key, const QString& folded) {
    return key.startsWith(folded) || key.contains(u' ' + folded);
}

bool AnyBeginsAWord(const QStringList& keys, const QString& folded) {
    return std::any_of(keys.begin(), keys.end(), [&](const QString& key) { return BeginsAWord(key, folded); });
}

bool AnyBegins(const QStringList& keys, const QString& folded) {
    return std::any_of(keys.begin(), keys.end(), [&](const QString& key) { return key.startsWith(folded); });
}

// 0 for GeoNames' own name beginning with the text, 1 for a later word of
// it; 2 and 3 alike for a name in another language.
int GroupOf(const QStringList& cityKeys, const QString& folded) {
    const QStringList own = cityKeys.mid(0, 1);
    const QStringList others = cityKeys.mid(1);
    if (AnyBegins(own, folded)) return 0;
    if (AnyBeginsAWord(own, folded)) return 1;
    return AnyBegins(others, folded) ? 2 : 3;
}

// `part` in `whole`, in the same order.
bool IsSubsequence(const QList<Place>& part, const QList<Place>& whole) {
    qsizetype next = 0;
    for (const Place& place : part) {
        while (next < whole.size() &&
               !(whole[next].city == place.city && whole[next].state == place.state &&
                 whole[next].country == place.country && whole[next].latitudeDeg == place.latitudeDeg &&
                 whole[next].longitudeDeg == place.longitudeDeg))
            ++next;
        if (next == whole.size()) return false;
        ++next;
    }
    return true;
}

void CheckMatches(const QString& city, const QString& state, const QString& country, int limit) {
    const QString folded = FoldForSearch(city);
    const QString foldedState = FoldForSearch(state);
    const QList<Place> found = MatchPlaces(city, state, country, limit);
    const std::string where = Shown(city) + ", " + Shown(state) + ", " + Shown(country) + ": ";
    NYRA_FUZZ_CHECK(found.size() <= std::max(limit, 0), where + std::to_string(found.size()) + " found");
    if (folded.size() - folded.count(u' ') < 2) {
        NYRA_FUZZ_CHECK(found.isEmpty(), where + "found with fewer than two letters");
        return;
    }
    int lastGroup = 0;
    for (qsizetype i = 0; i < found.size(); ++i) {
        const Place& place = found[i];
        const PlaceKeys keys = SearchKeysOf(place);
        NYRA_FUZZ_CHECK(AnyBeginsAWord(keys.city, folded), where + "found " + Shown(place.displayText()));
        NYRA_FUZZ_CHECK(foldedState.isEmpty() || AnyBeginsAWord(keys.state, foldedState),
                        where + "found " + Shown(place.displayText()) + " in another state");
        const int group = GroupOf(keys.city, folded);
        NYRA_FUZZ_CHECK(group >= lastGroup, where + Shown(place.displayText()) + " out of order");
        if (i > 0 && group == lastGroup) {
            NYRA_FUZZ_CHECK(found[i - 1].population >= place.population,
                            where + Shown(place.displayText()) + " after a smaller city");
        }
        lastGroup = group;
    }
    if (!state.isEmpty() || !country.isEmpty()) {
        NYRA_FUZZ_CHECK(IsSubsequence(found, MatchPlaces(city, {}, {}, INT_MAX)),
                        where + "the qualified search finds what the plain one does not");
    }
}

void CheckFindPlace(const QString& text) {
    const std::optional<Place> place = FindPlace(text);
    const QString city = FoldForSearch(text.section(u',', 0, 0));
    if (city.isEmpty()) {
        NYRA_FUZZ_CHECK(!place, Shown(text) + " found " + Shown(place->displayText()));
        return;
    }
    if (place) {
        NYRA_FUZZ_CHECK(AnyBegins(SearchKeysOf(*place).city, city),
                        Shown(text) + " found " + Shown(place->displayText()));
    }
}

}  // namespace
}  // namespace nyra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nyra;
    FuzzedDataProvider input(data, size);
    const bool utf16 = input.ConsumeBool();
    const int limit = input.ConsumeIntegralInRange(-1, kMaxLimit);
    // A search scans every city a few times, a thousand times slower than
    // folding: inputs that only fold let the folding be explored widely.
    const bool search = input.ConsumeBool();
    const QString city = TextFrom(input, utf16);
    const QString state = TextFrom(input, utf16);
    const QString country = TextFrom(input, utf16);

    for (const QString& text : {city, state, country}) CheckKey(text, FoldForSearch(text));
    if (!search) return 0;
    CheckMatches(city, state, country, limit);
    CheckFindPlace(city + u',' + state + u',' + country);
    return 0;
}
