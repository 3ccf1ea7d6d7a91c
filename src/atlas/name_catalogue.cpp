#include "atlas/name_catalogue.h"

#include <QDir>
#include <QFile>
#include <QMutex>
#include <QMutexLocker>
#include <QSet>
#include <QStandardPaths>
#include <QtEndian>

#include <cstddef>

#include <map>
#include <optional>
#include <vector>

namespace nyra {
namespace {

const QString kCatalogueFile = QStringLiteral("LC_MESSAGES/geonames.mo");

// The format's magic number, as it reads in the byte order the file was
// written in.
constexpr quint32 kMagic = 0x950412de;
constexpr quint32 kSwappedMagic = 0xde120495;

class MoReader {
public:
    explicit MoReader(const QByteArray& data) : data_(data.begin(), data.end()) {
        const quint32 magic = Word(0);
        swapped_ = magic == kSwappedMagic;
        valid_ = data_.size() >= 20 && (magic == kMagic || swapped_);
    }

    bool valid() const { return valid_; }
    quint32 count() const { return Word(8); }

    // The n-th entry of the table at `tableOffset`, or null past the file.
    std::optional<QString> String(quint32 tableOffset, quint32 n) const {
        const std::size_t entry = std::size_t(tableOffset) + std::size_t(n) * 8;
        if (entry + 8 > data_.size()) return std::nullopt;
        const std::size_t length = Word(entry);
        const std::size_t offset = Word(entry + 4);
        if (offset + length > data_.size()) return std::nullopt;
        return QString::fromUtf8(reinterpret_cast<const char*>(data_.data() + offset),
                                 static_cast<qsizetype>(length));
    }

    quint32 Word(std::size_t at) const {
        if (at + 4 > data_.size()) return 0;
        const unsigned char* b = data_.data() + at;
        const quint32 word = quint32(b[0]) | quint32(b[1]) << 8 | quint32(b[2]) << 16 | quint32(b[3]) << 24;
        return swapped_ ? qbswap(word) : word;
    }

private:
    std::vector<unsigned char> data_;
    bool swapped_ = false;
    bool valid_ = false;
};

// The folder names a catalogue of `language` may have, most particular
// first; none for English.
QStringList FolderNames(const QLocale& language) {
    if (language.language() == QLocale::English || language.language() == QLocale::C) return {};
    return {language.name(), QLocale::languageToCode(language.language())};
}

std::optional<QString> CataloguePath(const QLocale& language) {
    for (const QString& folder : FolderNames(language)) {
        const QString path = QStandardPaths::locate(QStandardPaths::GenericDataLocation,
                                                    QStringLiteral("locale/") + folder + u'/' + kCatalogueFile);
        if (!path.isEmpty()) return path;
    }
    return std::nullopt;
}

}  // namespace

bool ForEachName(const QString& path, const std::function<void(const QString& key, const QString& name)>& take) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const MoReader mo(file.readAll());
    if (!mo.valid()) return false;
    const quint32 originals = mo.Word(12);
    const quint32 translations = mo.Word(16);
    for (quint32 i = 0; i < mo.count(); ++i) {
        const std::optional<QString> key = mo.String(originals, i);
        const std::optional<QString> text = mo.String(translations, i);
        if (!key || !text) break;
        if (!key->isEmpty() && !text->isEmpty()) take(*key, *text);
    }
    return true;
}

NameCatalogue ReadNameCatalogue(const QString& path) {
    NameCatalogue names;
    ForEachName(path, [&](const QString& key, const QString& name) { names.insert(key, name); });
    return names;
}

QList<QString> PlaceNameCataloguePaths() {
    QList<QString> paths;
    QSet<QString> languages;
    const QStringList roots = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, QStringLiteral("locale"),
                                                        QStandardPaths::LocateDirectory);
    for (const QString& root : roots) {
        const QDir folder(root);
        for (const QString& language : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
            const QString path = folder.filePath(language + u'/' + kCatalogueFile);
            if (languages.contains(language) || !QFile::exists(path)) continue;
            languages.insert(language);
            paths.append(path);
        }
    }
    return paths;
}

std::shared_ptr<const NameCatalogue> PlaceNamesIn(const QLocale& language) {
    const std::optional<QString> path = CataloguePath(language);
    if (!path) return nullptr;
    static QMutex mutex;
    static std::map<QString, std::shared_ptr<const NameCatalogue>> read;
    const QMutexLocker lock(&mutex);
    std::shared_ptr<const NameCatalogue>& names = read[*path];
    if (!names) names = std::make_shared<const NameCatalogue>(ReadNameCatalogue(*path));
    return names;
}

}  // namespace nyra
