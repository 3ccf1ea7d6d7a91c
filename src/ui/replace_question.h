// What a save dialog asks before a save replaces a file.
#pragma once

#include <QString>

#include <optional>

namespace nyra {

// The question before a save to `path`, naming the file that the save will
// actually replace: for a link, "report.pdf is a link to
// /home/asha/thesis.pdf. Replace thesis.pdf?"; for a file, the file dialog's
// own question. Nothing when there is nothing to replace, or when the save
// will refuse the name anyway (a link to nothing, a link another user
// planted in a shared folder) and say why.
std::optional<QString> ReplaceQuestion(const QString& path);

}  // namespace nyra
