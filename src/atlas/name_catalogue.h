// GeoNames' names of places in other languages: the message catalogues
// (LOCALEDIR/LANG/LC_MESSAGES/geonames.mo) that come with libgeonames. They
// are keyed by GeoNames' own numbers and codes: "1264527" for a city,
// "IN" for a country, "IN.25" for a first-level division. QtCore only.
#pragma once

#include <QHash>
#include <QList>
#include <QLocale>
#include <QString>

#include <functional>
#include <memory>

namespace nyra {

using NameCatalogue = QHash<QString, QString>;

/// The translations of a compiled GNU message catalogue (.mo), by their
/// untranslated text; the header entry and empty translations left out.
/// Empty for a file that cannot be read or is not such a catalogue.
NameCatalogue ReadNameCatalogue(const QString& path);

/// The same, one untranslated text and its translation at a time, without
/// keeping them. False when the file is no such catalogue.
bool ForEachName(const QString& path, const std::function<void(const QString& key, const QString& name)>& take);

/// Every installed language's catalogue file, one per language: the first
/// found along the data folders (XDG_DATA_DIRS).
QList<QString> PlaceNameCataloguePaths();

/// The catalogue of `language` ("hi_IN", else "hi"), read once and kept; null
/// for English, whose names are GeoNames' own, and for a language without
/// one. Any thread may call it.
std::shared_ptr<const NameCatalogue> PlaceNamesIn(const QLocale& language);

}  // namespace nyra
