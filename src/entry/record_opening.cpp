#include "entry/record_opening.h"

#include "entry/entry_validation.h"
#include "record/record_layout.h"
#include "text/blanks.h"
#include "text/number_text.h"
#include "text/quoted_input.h"

#include <QCoreApplication>

namespace nyra {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

bool IsNumberLine(const RecordField& field) {
    return field.kind == RecordLineKind::Number || field.kind == RecordLineKind::ZoneSize;
}

bool HoldsANumber(const RecordFileLines& file) {
    for (const RecordField& field : kRecordLayout) {
        if (IsNumberLine(field) && IsWholeNumberText(file.lines[static_cast<std::size_t>(RecordLineOf(field) - 1)]))
            return true;
    }
    return false;
}

// The reason, or the values the field's box takes where the line holds a
// whole number the record could not store.
std::string Reason(const Problem& problem, const RecordField* field, const RecordLines* lines) {
    if (!field || !lines || !field->member) return problem.reason;
    const std::optional<BoxValues> values = BoxValuesFor(field->member);
    const std::string& line = (*lines)[static_cast<std::size_t>(RecordLineOf(*field) - 1)];
    if (!values || !IsWholeNumberText(line)) return problem.reason;
    return QuoteInput(TrimBlanks(line)) + " is not a whole number " + FromTo(*values).toStdString();
}

}  // namespace

std::variant<SavedRecord, RecordRefusal> RecordFromFile(const Result<RecordFileLines>& read) {
    if (!read) return RecordRefusal{RecordProblemText(read.problem())};
    if (read->linesInFile == 0)
        return RecordRefusal{QCoreApplication::translate("nyra::RecordOpening", "the file is empty.")};
    if (!HoldsANumber(*read)) return RecordRefusal{QString(), true};
    Result<SavedRecord> record = SavedRecordFromLines(*read);
    if (!record) return RecordRefusal{RecordProblemText(record.problem(), &read->lines)};
    return std::move(record).value();
}

QString RecordProblemText(const Problem& problem, const RecordLines* lines) {
    const RecordField* field = RecordFieldNamed(problem.where);
    // The core quotes what it echoes as valid UTF-8.
    QString message = QString::fromStdString(Reason(problem, field, lines));
    if (field) {
        message = QCoreApplication::translate("nyra::RecordOpening", "Line %1 (%2): %3")
                      .arg(RecordLineOf(*field))
                      .arg(FromUtf8(field->description), message);
    }
    if (!message.endsWith(u'.')) message += u'.';
    return message;
}

}  // namespace nyra
