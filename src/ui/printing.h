// Printing the report, and what the printing system says about it. Qt
// reports neither a queue that refuses jobs nor a job the printing system
// turned down, so the program asks CUPS (the library Qt prints through)
// itself.
#pragma once

#include <QString>

#include <optional>

class QTextDocument;

namespace nyra {

// What became of a print request.
struct PrintOutcome {
    QString printer;                 ///< The printer used; empty when none is installed.
    std::optional<QString> refusal;  ///< Why the report did not reach it.
};

// Prints `document` as one job on the default printer, or on the first
// printer there is, without a dialog.
PrintOutcome PrintReport(const QTextDocument& document);

// Why the queue `printer` ("name" or "name/instance") refuses jobs now;
// nothing when it takes them or when CUPS does not know the queue.
std::optional<QString> PrintQueueRefusal(const QString& printer);

}  // namespace nyra
