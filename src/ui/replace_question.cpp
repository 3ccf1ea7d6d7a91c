#include "ui/replace_question.h"

#include "record/file_io.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace nyra {

std::optional<QString> ReplaceQuestion(const QString& path) {
    const QFileInfo asked(path);
    if (!asked.exists() && !asked.isSymLink()) return std::nullopt;
    // The writer decides where the bytes go; the question follows it.
    const Result<std::string> target = SaveTarget(QFile::encodeName(path).toStdString());
    if (!target) return std::nullopt;
    if (!asked.isSymLink())
        return QFileDialog::tr("%1 already exists.\nDo you want to replace it?").arg(asked.fileName());
    const QFileInfo replaced(QFile::decodeName(QByteArray::fromStdString(*target)));
    return QCoreApplication::translate("nyra::ReplaceQuestion", "%1 is a link to %2. Replace %3?")
        .arg(asked.fileName(), QDir::toNativeSeparators(replaced.canonicalFilePath()), replaced.fileName());
}

}  // namespace nyra
