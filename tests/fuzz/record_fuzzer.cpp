// Any bytes as a saved record file. What the reader refuses gets a message
// that names at most one line (by its column) and shows only printable
// UTF-8; what it accepts, written back and read again, is the same record
// and time window, and writing that record gives the same bytes.
#include "fuzz_check.h"

#include "engine/time_window_text.h"
#include "record/record_file.h"
#include "text/quoted_input.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace nyra {
namespace {

// The input as a file the reader opens by its name, kept in memory: one
// descriptor for the whole run, refilled for every input.
class MemoryFile {
public:
    MemoryFile() : fd_(::memfd_create("nyra-record-fuzz", MFD_CLOEXEC)) {
        NYRA_FUZZ_CHECK(fd_ >= 0, "memfd_create failed");
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }

    const std::string& Holding(std::string_view bytes) {
        NYRA_FUZZ_CHECK(::ftruncate(fd_, 0) == 0, "ftruncate failed");
        std::size_t done = 0;
        while (done < bytes.size()) {
            const ssize_t n = ::pwrite(fd_, bytes.data() + done, bytes.size() - done, static_cast<off_t>(done));
            NYRA_FUZZ_CHECK(n > 0, "pwrite failed");
            done += static_cast<std::size_t>(n);
        }
        return path_;
    }

private:
    int fd_;
    std::string path_;
};

Result<SavedRecord> Load(std::string_view bytes) {
    static MemoryFile file;
    return LoadSavedRecord(file.Holding(bytes));
}

// The record as the writer keeps it: the name without its control
// characters (two of them would scramble into CR and LF). The writer also
// cuts a name to kMaxRecordLineBytes, but the reader never returns a longer
// line, so a name that has been read is never cut.
SavedRecord StoredForm(SavedRecord record) {
    std::string name;
    for (const char c : record.birth.BirthName) {
        if (static_cast<unsigned char>(c) >= 0x20) name.push_back(c);
    }
    record.birth.BirthName = name;
    // A sixteenth line that was no time window is not written back: the
    // record is saved with the exact time it was read with.
    record.unreadLine.reset();
    return record;
}

std::string Describe(const SavedRecord& saved) {
    const BirthRecord& r = saved.birth;
    std::string text = "name " + QuoteInput(r.BirthName);
    for (const RecordField& field : kRecordLayout) {
        if (field.member != nullptr) text += " " + std::string(field.column) + "=" + std::to_string(r.*field.member);
    }
    return text + " ZoneIsEast=" + std::to_string(r.ZoneIsEast) + " window " + TimeWindowMinutesText(saved.timeKnown);
}

}  // namespace
}  // namespace nyra

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace nyra;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Result<SavedRecord> first = Load(bytes);

    if (!first) {
        const Problem& problem = first.problem();
        const std::string message = AtRecordLine(problem).Text();
        NYRA_FUZZ_CHECK(!problem.reason.empty(), "a refused file has no reason");
        NYRA_FUZZ_CHECK(problem.where.empty() || RecordFieldNamed(problem.where) != nullptr,
                        "no line is named " + QuoteInput(problem.where));
        NYRA_FUZZ_CHECK(EscapeInput(message) == message, "raw bytes in " + QuoteInput(message));
        return 0;
    }

    const SavedRecord& accepted = *first;
    NYRA_FUZZ_CHECK(accepted.birth.BirthName.size() <= kMaxRecordLineBytes, Describe(accepted));
    const std::string written = EncodeRecordFile(accepted.birth, accepted.timeKnown);
    const Result<SavedRecord> second = Load(written);
    NYRA_FUZZ_CHECK(second.ok(), "a written record is refused: " + AtRecordLine(second.problem()).Text() + "; " +
                                     Describe(accepted));
    NYRA_FUZZ_CHECK(*second == StoredForm(accepted), "read " + Describe(accepted) + "; read back " + Describe(*second));
    NYRA_FUZZ_CHECK(EncodeRecordFile(second->birth, second->timeKnown) == written,
                    "rewriting changes the bytes: " + Describe(accepted));
    return 0;
}
