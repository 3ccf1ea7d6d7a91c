#include "ui/save_location.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTextBoundaryFinder>

#include <sys/stat.h>
#include <unistd.h>

namespace nyra {
namespace {

const QString kFolderSetting = QStringLiteral("files/lastFolder");

// Enough for any name a person goes by, and far below the 255 bytes a
// file name may have with the sign and the suffix after it.
constexpr int kMaxNameCharacters = 40;
constexpr qsizetype kMaxNameBytes = 120;

// Embeddings, overrides and isolates: they make a name read in another
// order than it is stored ("Asha\u202Eoom.exe").
bool ReordersText(QChar c) {
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

QString Cleaned(const QString& text) {
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'/' || c.category() == QChar::Other_Control || ReordersText(c)) continue;
        kept += c;
    }
    kept = kept.simplified();
    while (kept.startsWith(u'.')) kept = kept.mid(1).trimmed();
    return kept;
}

// At most kMaxNameCharacters characters as a reader counts them (a letter
// with its marks is one) and kMaxNameBytes in UTF-8.
QString Shortened(const QString& name) {
    QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, name);
    qsizetype end = 0;
    int count = 0;
    for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
        if (++count > kMaxNameCharacters || name.left(next).toUtf8().size() > kMaxNameBytes) break;
        end = next;
    }
    return name.left(end).trimmed();
}

// A folder a save can go to: there, and writable. A folder without any
// write permission bit counts as read-only even for root, as the writer
// (record/file_io.h) refuses it.
bool IsWritableFolder(const QString& path) {
    if (path.isEmpty()) return false;
    const QByteArray name = QFile::encodeName(path);
    struct stat st {};
    return ::stat(name.constData(), &st) == 0 && S_ISDIR(st.st_mode) && (st.st_mode & 0222) != 0 &&
           ::access(name.constData(), W_OK | X_OK) == 0;
}

}  // namespace

QString ProposedFileName(const QString& person, const QString& sign, const QString& suffix) {
    const QString name = Shortened(Cleaned(person));
    const QString signName = Cleaned(sign);
    QString base = name.isEmpty() || signName.isEmpty() ? name + signName : name + QStringLiteral(" - ") + signName;
    if (base.isEmpty()) base = QCoreApplication::translate("nyra::SaveLocation", "Moon sign");
    return base + u'.' + suffix;
}

QString SaveFolder() {
    const QString remembered = QSettings().value(kFolderSetting).toString();
    if (IsWritableFolder(remembered)) return remembered;
    // Never a folder where the save must fail once the name is chosen.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (IsWritableFolder(documents)) return documents;
    return QDir::homePath();
}

void RememberSaveFolder(const QString& savedPath) {
    QSettings().setValue(kFolderSetting, QFileInfo(savedPath).absolutePath());
}

}  // namespace nyra
