#include "../support/disk_faults.h"
#include "../support/file_bytes.h"
#include "record/record_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace nyra {
namespace {

namespace fs = std::filesystem;

using test::Listing;
using test::PermissionBits;
using test::ReadBytes;
using test::WriteBytes;

// A fresh folder per test, removed afterwards even when a test left it
// read-only.
class RecordFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "nyra-record-test-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override {
        std::error_code ignored;
        for (const auto& entry : fs::recursive_directory_iterator(folder_, ignored)) {
            if (entry.is_directory(ignored)) ::chmod(entry.path().c_str(), 0755);
        }
        ::chmod(folder_.c_str(), 0755);
        fs::remove_all(folder_, ignored);
    }
    fs::path folder_;
};

BirthRecord SouthEastDst() {
    // clang-format off
    return {.BirthName = "Zo\u00eb \u00d1\u00fa\u00f1ez \u674e\u5c0f\u9f8d", .BirthMonth = 11, .BirthDay = 30,
            .BirthYear = 1972, .BirthHour = 23, .BirthMinute = 59, .ZoneHours = 10, .ZoneMinutes = 0,
            .LonDegrees = 151, .LonMinutes = 12, .LatDegrees = 33, .LatMinutes = 52, .LonIsEast = kTrue,
            .LatIsSouth = kTrue, .DstOn = kTrue};
    // clang-format on
}

BirthRecord NorthWestNoDst() {
    // clang-format off
    return {.BirthName = "Ann O'Neil", .BirthMonth = 1, .BirthDay = 1, .BirthYear = 1901, .BirthHour = 0,
            .BirthMinute = 0, .ZoneHours = 5, .ZoneMinutes = 0, .LonDegrees = 74, .LonMinutes = 0, .LatDegrees = 40,
            .LatMinutes = 42, .LonIsEast = kFalse, .LatIsSouth = kFalse, .DstOn = kFalse};
    // clang-format on
}

BirthRecord ReadBack(const fs::path& path) {
    const Result<SavedRecord> loaded = LoadSavedRecord(path.string());
    EXPECT_TRUE(loaded.ok()) << loaded.problem().Text();
    return loaded ? loaded->birth : BirthRecord{};
}

// ------------------------------------------------------------------- saving

struct RoundTripCase {
    const char* name;
    BirthRecord (*record)();
};

class RecordRoundTrip : public RecordFolder, public ::testing::WithParamInterface<RoundTripCase> {};

TEST_P(RecordRoundTrip, ReproducesEveryField) {
    const fs::path path = folder_ / "person.moo";
    const BirthRecord record = GetParam().record();
    const Result<void> saved = WriteBirthRecord(path.string(), record);
    ASSERT_TRUE(saved.ok()) << saved.problem().reason;
    EXPECT_EQ(ReadBytes(path), EncodeRecordFile(record));
    EXPECT_EQ(ReadBack(path), record);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, RecordRoundTrip,
                         ::testing::Values(RoundTripCase{"SouthEastDst", SouthEastDst},
                                           RoundTripCase{"NorthWestNoDst", NorthWestNoDst}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RecordFolder, OverwritingReplacesTheWholeFile) {
    const fs::path path = folder_ / "person.moo";
    BirthRecord longer = SouthEastDst();
    longer.BirthName = std::string(500, 'x');
    ASSERT_TRUE(WriteBirthRecord(path.string(), longer).ok());
    const Result<void> saved = WriteBirthRecord(path.string(), NorthWestNoDst());
    ASSERT_TRUE(saved.ok()) << saved.problem().reason;
    EXPECT_EQ(ReadBytes(path), EncodeRecordFile(NorthWestNoDst()));
    EXPECT_EQ(Listing(folder_), std::set<std::string>{"person.moo"});
}

TEST_F(RecordFolder, RelativePathInTheCurrentFolder) {
    const fs::path before = fs::current_path();
    fs::current_path(folder_);
    const Result<void> saved = WriteBirthRecord("plain.moo", NorthWestNoDst());
    fs::current_path(before);
    ASSERT_TRUE(saved.ok()) << saved.problem().reason;
    EXPECT_EQ(ReadBack(folder_ / "plain.moo"), NorthWestNoDst());
}

TEST_F(RecordFolder, OverwriteKeepsThePermissionBits) {
    const fs::path path = folder_ / "person.moo";
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), 0640), 0);
    ASSERT_TRUE(WriteBirthRecord(path.string(), SouthEastDst()).ok());
    EXPECT_EQ(PermissionBits(path), 0640u);
}

TEST_F(RecordFolder, NewFileFollowsTheUmask) {
    const fs::path path = folder_ / "person.moo";
    const mode_t umask = ::umask(027);
    const Result<void> saved = WriteBirthRecord(path.string(), SouthEastDst());
    ::umask(umask);
    ASSERT_TRUE(saved.ok()) << saved.problem().reason;
    EXPECT_EQ(PermissionBits(path), 0640u);
}

TEST_F(RecordFolder, SavingThroughALinkUpdatesTheLinkedFile) {
    const fs::path real = folder_ / "real.moo";
    const fs::path link = folder_ / "link.moo";
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    ASSERT_TRUE(WriteBirthRecord(link.string(), SouthEastDst()).ok());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), EncodeRecordFile(SouthEastDst()));
}

// Every failed save leaves the folder as it was: the old file byte for byte
// and no temporary file behind.
struct FailedSaveCase {
    const char* name;
    const char* target;  ///< inside the test folder, which holds old.moo
    void (*prepare)(const fs::path& folder);
    const char* reason;
};

class FailedSave : public RecordFolder, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSave, LeavesTheFolderAsItWas) {
    const fs::path old = folder_ / "old.moo";
    const std::string oldBytes = EncodeRecordFile(NorthWestNoDst());
    WriteBytes(old, oldBytes);
    GetParam().prepare(folder_);
    const std::set<std::string> before = Listing(folder_);

    const Result<void> saved = WriteBirthRecord((folder_ / GetParam().target).string(), SouthEastDst());

    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.problem(), (Problem{"", GetParam().reason}));
    EXPECT_EQ(ReadBytes(old), oldBytes);
    EXPECT_EQ(Listing(folder_), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Record, FailedSave,
    ::testing::Values(
        FailedSaveCase{"MissingFolder", "missing/new.moo", [](const fs::path&) {},
                       "No such file or directory"},
        FailedSaveCase{"NewFileInReadOnlyFolder", "new.moo",
                       [](const fs::path& f) { ASSERT_EQ(::chmod(f.c_str(), 0555), 0); },
                       "The folder is read-only."},
        FailedSaveCase{"ReadOnlyFile", "old.moo",
                       [](const fs::path& f) { ASSERT_EQ(::chmod((f / "old.moo").c_str(), 0444), 0); },
                       "The file is read-only."},
        FailedSaveCase{"TargetIsAFolder", "x.moo", [](const fs::path& f) { fs::create_directory(f / "x.moo"); },
                       "Is a directory"},
        FailedSaveCase{"TargetIsAPipe", "pipe.moo",
                       [](const fs::path& f) { ASSERT_EQ(::mkfifo((f / "pipe.moo").c_str(), 0644), 0); },
                       "The file is not a regular file."},
        FailedSaveCase{"FolderIsAFile", "old.moo/new.moo", [](const fs::path&) {}, "Not a directory"},
        FailedSaveCase{"DanglingLink", "dangling.moo",
                       [](const fs::path& f) { fs::create_symlink(f / "nowhere" / "x.moo", f / "dangling.moo"); },
                       "No such file or directory"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RecordFolder, WriteErrorRemovesTheTemporaryFile) {
    // A file size limit makes the write itself fail once the temporary file
    // exists, as a full disk would.
    const fs::path old = folder_ / "old.moo";
    const std::string oldBytes = EncodeRecordFile(NorthWestNoDst());
    WriteBytes(old, oldBytes);
    const Result<void> saved = [&] {
        const test::FileSizeLimit tiny(8);
        EXPECT_TRUE(tiny.active());
        return WriteBirthRecord(old.string(), SouthEastDst());
    }();

    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.problem(), (Problem{"", "File too large"}));
    EXPECT_EQ(ReadBytes(old), oldBytes);
    EXPECT_EQ(Listing(folder_), std::set<std::string>{"old.moo"});
}

TEST(WriteBirthRecord, EmptyPathIsRefused) {
    const Result<void> saved = WriteBirthRecord("", SouthEastDst());
    ASSERT_FALSE(saved.ok());
    EXPECT_EQ(saved.problem(), (Problem{"", "No such file or directory"}));
}

// ------------------------------------------------------------------ reading

RecordLines Scrambled(const RecordLines& plain) {
    RecordLines stored;
    for (std::size_t i = 0; i < plain.size(); ++i) stored[i] = ScrambleRecordLine(plain[i]);
    return stored;
}

TEST_F(RecordFolder, EmptyFileReadsAsFifteenEmptyLines) {
    const fs::path path = folder_ / "empty.moo";
    WriteBytes(path, "");
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines, RecordLines{});
}

TEST_F(RecordFolder, BareLineFeedsAndAMissingLastLineEnd) {
    const RecordLines plain = RecordLinesFrom(SouthEastDst());
    const RecordLines stored = Scrambled(plain);
    std::string file;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        file += stored[i];
        if (i + 1 < stored.size()) file += i % 2 == 0 ? "\n" : "\r\n";
    }
    const fs::path path = folder_ / "unix.moo";
    WriteBytes(path, file);
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines, plain);
}

TEST_F(RecordFolder, ShortFileLeavesTheRestEmpty) {
    const fs::path path = folder_ / "short.moo";
    WriteBytes(path, ScrambleRecordLine("Ann") + "\r\n" + ScrambleRecordLine("7") + "\r\n");
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    RecordLines expected;
    expected[0] = "Ann";
    expected[1] = "7";
    EXPECT_EQ(read->lines, expected);
}

TEST_F(RecordFolder, LinesAfterTheSixteenthAreIgnored) {
    std::string file;
    RecordLines expected;
    for (int i = 1; i <= 20; ++i) {
        file += ScrambleRecordLine(std::to_string(i)) + "\r\n";
        if (i <= kTimeWindowLine) expected[static_cast<std::size_t>(i - 1)] = std::to_string(i);
    }
    const fs::path path = folder_ / "twenty.moo";
    WriteBytes(path, file);
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines, expected);
}

TEST_F(RecordFolder, BinaryFileIsReadAsFarAsItGoes) {
    std::string file;
    for (int code = 0; code <= 255; ++code) file.push_back(static_cast<char>(code));
    const fs::path path = folder_ / "binary.moo";
    WriteBytes(path, file);
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    // Line 1 is bytes 0..9 (the LF is 10), of which 0..6 fall below the
    // offset; line 2 is bytes 11..255, its CR (13) being no line end.
    RecordLines expected;
    expected[0] = std::string("\x00\x01\x02", 3);
    for (int code = 11; code <= 255; ++code) expected[1].push_back(static_cast<char>(code - kRecordOffset));
    EXPECT_EQ(read->lines, expected);
}

struct LongLineCase {
    const char* name;
    std::size_t bytes;
    std::size_t kept;
};

class LongLine : public RecordFolder, public ::testing::WithParamInterface<LongLineCase> {};

TEST_P(LongLine, IsCutAndTheFollowingLinesStillRead) {
    const RecordLines plain = RecordLinesFrom(NorthWestNoDst());
    RecordLines stored = Scrambled(plain);
    stored[0] = std::string(GetParam().bytes, 'H');  // 'A' scrambled
    std::string file;
    for (const std::string& line : stored) file += line + "\r\n";
    const fs::path path = folder_ / "long.moo";
    WriteBytes(path, file);

    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines[0], std::string(GetParam().kept, 'A'));
    for (std::size_t i = 1; i < plain.size(); ++i) EXPECT_EQ(read->lines[i], plain[i]) << "line " << i + 1;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, LongLine,
                         ::testing::Values(LongLineCase{"AtTheLimit", kMaxRecordLineBytes, kMaxRecordLineBytes},
                                           LongLineCase{"OneOver", kMaxRecordLineBytes + 1, kMaxRecordLineBytes},
                                           LongLineCase{"FarOver", 300'000, kMaxRecordLineBytes}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RecordFolder, ReadingStopsAtTheFileCap) {
    // One line larger than the cap, then a line that is never reached.
    const fs::path path = folder_ / "huge.moo";
    WriteBytes(path, std::string(kMaxRecordFileBytes + 10, 'H') + "\r\n" + ScrambleRecordLine("5") + "\r\n");
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines[0], std::string(kMaxRecordLineBytes, 'A'));
    EXPECT_EQ(read->lines[1], "");
}

struct DeviceCase {
    const char* name;
    const char* path;
};

class EndlessDevice : public ::testing::TestWithParam<DeviceCase> {};

TEST_P(EndlessDevice, ReturnsWithBoundedLines) {
    const Result<RecordFileLines> read = ReadRecordFileLines(GetParam().path);
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    for (const std::string& line : read->lines) EXPECT_LE(line.size(), kMaxRecordLineBytes);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Record, EndlessDevice,
                         ::testing::Values(DeviceCase{"Zero", "/dev/zero"}, DeviceCase{"Random", "/dev/urandom"}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ReadRecordFileLines, ZeroBytesAllFallBelowTheOffset) {
    const Result<RecordFileLines> read = ReadRecordFileLines("/dev/zero");
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines, RecordLines{});
}

TEST_F(RecordFolder, PipeWithoutWriterDoesNotHang) {
    const fs::path path = folder_ / "pipe.moo";
    ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
    const Result<RecordFileLines> read = ReadRecordFileLines(path.string());
    ASSERT_TRUE(read.ok()) << read.problem().reason;
    EXPECT_EQ(read->lines, RecordLines{});
}

// Whole files as the main window and the batch tool load them: what the
// file lacks is named with its line.
struct LoadCase {
    const char* name;
    const char* contents;  ///< Scrambled bytes, or "<folder>".
    const char* where;     ///< The line's column; "" for the file as a whole.
    const char* reason;
};
void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadRecord : public RecordFolder, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadRecord, NamesTheLineThatCannotBeUsed) {
    const fs::path path = folder_ / "x.moo";
    if (std::string(GetParam().contents) == "<folder>") {
        fs::create_directory(path);
    } else {
        WriteBytes(path, GetParam().contents);
    }
    const Result<SavedRecord> loaded = LoadSavedRecord(path.string());
    ASSERT_FALSE(loaded.ok());
    EXPECT_EQ(loaded.problem(), (Problem{GetParam().where, GetParam().reason}));
}

// "Ann" is stored as "Huu", "7" as ">".
// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Record, LoadRecord,
    ::testing::Values(LoadCase{"Empty", "", "", "the file is empty"},
                      LoadCase{"Folder", "<folder>", "", "Is a directory"},
                      LoadCase{"OnlyAName", "Huu", "BirthMonth", "missing, the file ends before this line"},
                      LoadCase{"EndsAfterTheMonth", "Huu\r\n>\r\n", "BirthDay",
                               "missing, the file ends before this line"},
                      LoadCase{"EmptyMonthLine", "Huu\r\n\r\n>\r\n", "BirthMonth", "missing value"},
                      LoadCase{"OnlyLineEnds", "\r\n\r\n", "BirthMonth", "missing value"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST_F(RecordFolder, LoadsWhatTheProgramWroteWithItsTimeWindow) {
    const fs::path path = folder_ / "person.moo";
    for (const TimeWindow window : {TimeWindow::Exact(), TimeWindow::PlusMinus(15), TimeWindow::WholeDay()}) {
        ASSERT_TRUE(WriteBirthRecord(path.string(), SouthEastDst(), window).ok());
        const Result<SavedRecord> loaded = LoadSavedRecord(path.string());
        ASSERT_TRUE(loaded.ok()) << loaded.problem().Text();
        EXPECT_EQ(*loaded, (SavedRecord{SouthEastDst(), window}));
    }
}

TEST_F(RecordFolder, FolderIsRefused) {
    fs::create_directory(folder_ / "x.moo");
    const Result<RecordFileLines> read = ReadRecordFileLines((folder_ / "x.moo").string());
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.problem().reason, "Is a directory");
}

TEST_F(RecordFolder, MissingFileIsRefused) {
    const Result<RecordFileLines> read = ReadRecordFileLines((folder_ / "absent.moo").string());
    ASSERT_FALSE(read.ok());
    EXPECT_EQ(read.problem().reason, "No such file or directory");
}

}  // namespace
}  // namespace nyra
