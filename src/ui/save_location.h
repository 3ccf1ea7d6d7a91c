// Where the report window's Save and Export dialogs start: a file named for
// the person and the sign, in the folder the person last saved to.
#pragma once

#include <QString>

namespace nyra {

// "Asha - Kataka.moo" for `suffix` "moo". The name leaves out what a file
// name cannot hold (a slash, NUL and the other control characters) and the
// marks that would reorder how it reads; runs of blanks become one, a
// leading dot (which would hide the file) goes, and a long name is cut at a
// character's end. Without a usable name, the sign alone: "Kataka.moo".
QString ProposedFileName(const QString& person, const QString& sign, const QString& suffix);

// The folder of the last successful save or export, while it still exists
// and can be written; otherwise Documents, otherwise the home folder.
QString SaveFolder();
// Remembers the folder of `savedPath` for the next save (QSettings).
void RememberSaveFolder(const QString& savedPath);

}  // namespace nyra
