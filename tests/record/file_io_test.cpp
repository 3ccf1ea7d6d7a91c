// Saving never costs the user the old file: real write failures (a small
// disk that fills up, a file size limit), a failure planted in each call of
// the writer, and a writable file in a folder the user may not change. A
// link another user planted in a shared folder is not followed, and the
// temporary files of a killed save go with the next save.
#include "record/file_io.h"

#include "../support/disk_faults.h"
#include "../support/file_bytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <list>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace nyra {
namespace {

namespace fs = std::filesystem;

// A 64 KB disk holds the old file, the filler and nothing more.
constexpr std::size_t kSmallDiskBytes = 64 * 1024;
// Above every old file, below every new contents that must fail.
constexpr rlim_t kFileSizeLimitBytes = 1024;
constexpr std::size_t kOldBytes = 100;
constexpr std::size_t kNewBytes = 20'000;

using test::Listing;
using test::PermissionBits;
using test::ReadBytes;
using test::WriteBytes;

// The old and the new contents differ in every byte.
std::string OldContents(std::size_t size) { return std::string(size, '0'); }
std::string NewContents(std::size_t size) {
    std::string bytes;
    for (std::size_t i = 0; i < size; ++i) bytes.push_back(static_cast<char>('a' + i % 26));
    return bytes;
}

enum class Fault { None, FullDisk, SizeLimit };

// The folder of one test, holding "old.moo": a fresh folder, or the root of
// a small disk of its own when the test fills the disk.
class FileIo : public ::testing::Test {
protected:
    void TearDown() override {
        if (folder_.empty()) return;
        ::chmod(folder_.c_str(), 0755);
        std::error_code ignored;
        for (const auto& entry : fs::directory_iterator(folder_, ignored)) fs::remove_all(entry.path(), ignored);
        if (disk_)
            disk_.reset();  // unmounts and removes the mount point
        else
            fs::remove_all(folder_, ignored);
    }

    // Empty when the folder is ready, else why the test must be skipped.
    std::optional<std::string> MakeFolder(Fault fault, const std::string& oldContents, mode_t oldMode) {
        if (fault == Fault::FullDisk) {
            disk_ = std::make_unique<test::SmallDisk>(kSmallDiskBytes);
            if (!disk_->mounted()) return disk_->reason();
            folder_ = disk_->path();
        } else {
            std::string pattern = (fs::temp_directory_path() / "nyra-file-io-test-XXXXXX").string();
            EXPECT_NE(::mkdtemp(pattern.data()), nullptr);
            folder_ = pattern;
        }
        WriteBytes(Old(), oldContents);
        EXPECT_EQ(::chmod(Old().c_str(), oldMode), 0);
        if (fault == Fault::FullDisk) {
            EXPECT_TRUE(disk_->Fill(0));
        }
        return std::nullopt;
    }

    fs::path Old() const { return folder_ / "old.moo"; }

    // WriteFileAtomically under the fault, which ends with the call.
    static Result<void> Write(Fault fault, const fs::path& path, const std::string& contents) {
        if (fault != Fault::SizeLimit) return WriteFileAtomically(path.string(), contents);
        const test::FileSizeLimit limit(kFileSizeLimitBytes);
        EXPECT_TRUE(limit.active());
        return WriteFileAtomically(path.string(), contents);
    }

    std::unique_ptr<test::SmallDisk> disk_;
    fs::path folder_;
};

struct FailedWriteCase {
    const char* name;
    Fault fault;
    const char* target;  ///< in the folder that holds old.moo
    bool readOnlyFolder;
    mode_t oldMode;
    const char* reason;
};

void PrintTo(const FailedWriteCase& row, std::ostream* os) { *os << row.name; }

class FailedWrite : public FileIo, public ::testing::WithParamInterface<FailedWriteCase> {};

// The old file byte for byte, its permissions, and no file added or left
// behind; the reason is the system's own.
TEST_P(FailedWrite, KeepsTheOldFileAndSaysWhy) {
    const FailedWriteCase& row = GetParam();
    const std::string oldContents = OldContents(kOldBytes);
    if (const auto skip = MakeFolder(row.fault, oldContents, row.oldMode)) GTEST_SKIP() << *skip;
    if (row.readOnlyFolder) {
        ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    }
    const std::set<std::string> before = Listing(folder_);

    const fs::path target = folder_ / row.target;
    const Result<void> written = Write(row.fault, target, NewContents(kNewBytes));

    ASSERT_FALSE(written.ok()) << "a failed write was reported as success";
    EXPECT_EQ(written.problem(), (Problem{target.string(), row.reason}));
    EXPECT_EQ(ReadBytes(Old()), oldContents);
    EXPECT_EQ(PermissionBits(Old()), row.oldMode);
    EXPECT_EQ(Listing(folder_), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FileIo, FailedWrite,
    ::testing::Values(
        FailedWriteCase{"FullDiskOverOld", Fault::FullDisk, "old.moo", false, 0644, "No space left on device"},
        FailedWriteCase{"FullDiskNewFile", Fault::FullDisk, "new.moo", false, 0644, "No space left on device"},
        FailedWriteCase{"FullDiskInReadOnlyFolder", Fault::FullDisk, "old.moo", true, 0644,
                        "No space left on device"},
        FailedWriteCase{"SizeLimitOverOld", Fault::SizeLimit, "old.moo", false, 0644, "File too large"},
        FailedWriteCase{"SizeLimitNewFile", Fault::SizeLimit, "new.moo", false, 0644, "File too large"},
        FailedWriteCase{"SizeLimitInReadOnlyFolder", Fault::SizeLimit, "old.moo", true, 0644, "File too large"},
        FailedWriteCase{"ReadOnlyFileInReadOnlyFolder", Fault::None, "old.moo", true, 0444,
                        "The file is read-only."},
        FailedWriteCase{"NewFileInReadOnlyFolder", Fault::None, "new.moo", true, 0644,
                        "The folder is read-only."}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct InPlaceCase {
    const char* name;
    Fault fault;
    std::size_t oldBytes;
    std::size_t newBytes;
};

void PrintTo(const InPlaceCase& row, std::ostream* os) { *os << row.name; }

class InPlace : public FileIo, public ::testing::WithParamInterface<InPlaceCase> {};

// A writable file in a read-only folder is updated where it lies, keeping
// its permissions, with no temporary file beside it.
TEST_P(InPlace, ReplacesTheWholeFile) {
    const InPlaceCase& row = GetParam();
    if (const auto skip = MakeFolder(row.fault, OldContents(row.oldBytes), 0640)) GTEST_SKIP() << *skip;
    ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    const std::set<std::string> before = Listing(folder_);

    const std::string contents = NewContents(row.newBytes);
    const Result<void> written = Write(row.fault, Old(), contents);

    ASSERT_TRUE(written.ok()) << written.problem().Text();
    EXPECT_EQ(ReadBytes(Old()), contents);
    EXPECT_EQ(PermissionBits(Old()), 0640u);
    EXPECT_EQ(Listing(folder_), before);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(FileIo, InPlace,
                         ::testing::Values(InPlaceCase{"Longer", Fault::None, 100, 5000},
                                           InPlaceCase{"Shorter", Fault::None, 5000, 100},
                                           InPlaceCase{"SameLength", Fault::None, 100, 100},
                                           InPlaceCase{"Empty", Fault::None, 100, 0},
                                           // Rewriting within the old length needs no new space.
                                           InPlaceCase{"ShorterOnAFullDisk", Fault::FullDisk, 5000, 100},
                                           InPlaceCase{"WithinTheSizeLimit", Fault::SizeLimit, 100, 900}),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ------------------------------------------------------------ planted faults

constexpr const char* kIoError = "Input/output error";
constexpr const char* kNotPutBack =
    "Input/output error. The old contents could not be put back (Input/output error), so the file may be damaged.";

enum class Afterwards { OldFile, NewFile, Damaged };

struct PlantedFaultCase {
    const char* name;
    bool readOnlyFolder;  ///< The file is then rewritten in place.
    std::size_t oldBytes;
    std::size_t newBytes;
    std::vector<test::PlantedFault> faults;
    const char* reason;  ///< Null: saved all the same.
    Afterwards afterwards;
};

void PrintTo(const PlantedFaultCase& row, std::ostream* os) { *os << row.name; }

class PlantedFault : public FileIo, public ::testing::WithParamInterface<PlantedFaultCase> {};

// Each call of the writer that can fail is checked: its failure is reported,
// and the old file stays (or, once the new one is in place, the report says
// what is not certain). No temporary file is left behind. An interrupted
// write is no failure: the save goes through.
TEST_P(PlantedFault, IsReportedAndKeepsTheOldFile) {
    const PlantedFaultCase& row = GetParam();
    const std::string oldContents = OldContents(row.oldBytes);
    const std::string newContents = NewContents(row.newBytes);
    ASSERT_FALSE(MakeFolder(Fault::None, oldContents, 0644).has_value());
    if (row.readOnlyFolder) {
        ASSERT_EQ(::chmod(folder_.c_str(), 0555), 0);
    }
    const std::set<std::string> before = Listing(folder_);
    test::FaultyDisk disk(row.faults);

    const Result<void> written = WriteFileAtomically(Old().string(), newContents, disk);

    ASSERT_TRUE(disk.Met()) << "the planted fault was never reached";
    if (row.reason == nullptr) {
        EXPECT_TRUE(written.ok()) << written.problem().Text();
    } else {
        ASSERT_FALSE(written.ok()) << "a failed write was reported as success";
        EXPECT_EQ(written.problem(), (Problem{Old().string(), row.reason}));
    }
    if (row.afterwards == Afterwards::OldFile) {
        EXPECT_EQ(ReadBytes(Old()), oldContents);
    } else if (row.afterwards == Afterwards::NewFile) {
        EXPECT_EQ(ReadBytes(Old()), newContents);
    }
    EXPECT_EQ(Listing(folder_), before);
}

using test::WriterCall;

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FileIo, PlantedFault,
    ::testing::Values(
        PlantedFaultCase{"Write", false, 100, 20'000, {{WriterCall::Write}}, kIoError, Afterwards::OldFile},
        PlantedFaultCase{"SyncFile", false, 100, 20'000, {{WriterCall::SyncFile}}, kIoError, Afterwards::OldFile},
        PlantedFaultCase{"Close", false, 100, 20'000, {{WriterCall::Close}}, kIoError, Afterwards::OldFile},
        PlantedFaultCase{"Rename", false, 100, 20'000, {{WriterCall::Rename}}, kIoError, Afterwards::OldFile},
        // A write that a signal interrupted is tried again.
        PlantedFaultCase{"InterruptedWrite", false, 100, 20'000, {{WriterCall::Write, 1, EINTR}}, nullptr,
                         Afterwards::NewFile},
        PlantedFaultCase{"InPlaceInterruptedWrite", true, 100, 5000, {{WriterCall::WriteAt, 2, EINTR}}, nullptr,
                         Afterwards::NewFile},
        PlantedFaultCase{"SyncFolder", false, 100, 20'000, {{WriterCall::SyncFolder}},
                         "The file was written, but its folder could not be flushed to disk: Input/output error",
                         Afterwards::NewFile},
        // In place, longer: tail written (WriteAt 1) and flushed (SyncFile 1),
        // head written (WriteAt 2) and flushed (SyncFile 2), closed. Shorter:
        // head written, cut (Truncate 1), flushed. Putting back: the old head
        // (the next WriteAt), the old length (the next Truncate), a flush.
        PlantedFaultCase{"InPlaceTail", true, 100, 5000, {{WriterCall::WriteAt, 1}}, kIoError,
                         Afterwards::OldFile},
        PlantedFaultCase{"InPlaceTailSync", true, 100, 5000, {{WriterCall::SyncFile, 1}}, kIoError,
                         Afterwards::OldFile},
        PlantedFaultCase{"InPlaceHead", true, 100, 5000, {{WriterCall::WriteAt, 2}}, kIoError,
                         Afterwards::OldFile},
        PlantedFaultCase{"InPlaceSync", true, 100, 5000, {{WriterCall::SyncFile, 2}}, kIoError,
                         Afterwards::OldFile},
        PlantedFaultCase{"InPlaceCut", true, 5000, 100, {{WriterCall::Truncate, 1}}, kIoError,
                         Afterwards::OldFile},
        PlantedFaultCase{"InPlaceClose", true, 100, 5000, {{WriterCall::Close, 1}}, kIoError,
                         Afterwards::NewFile},
        PlantedFaultCase{"PuttingBackTheHead", true, 100, 5000,
                         {{WriterCall::WriteAt, 2}, {WriterCall::WriteAt, 3}}, kNotPutBack, Afterwards::Damaged},
        PlantedFaultCase{"PuttingBackTheLength", true, 100, 5000,
                         {{WriterCall::WriteAt, 2}, {WriterCall::Truncate, 1}}, kNotPutBack, Afterwards::Damaged},
        PlantedFaultCase{"FlushingWhatWasPutBack", true, 100, 5000,
                         {{WriterCall::WriteAt, 2}, {WriterCall::SyncFile, 2}}, kNotPutBack, Afterwards::Damaged}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ------------------------------------------------------ links in shared folders

// Another user, as on Debian: nobody.
constexpr uid_t kOtherUser = 65534;

struct SharedLinkCase {
    const char* name;
    mode_t sharedMode;  ///< Of the folder holding the link.
    uid_t sharedOwner;
    uid_t linkOwner;
    bool throughOwnLink;  ///< The user saves to a link of their own, which leads to the other one.
    bool followed;
};

void PrintTo(const SharedLinkCase& row, std::ostream* os) { *os << row.name; }

class SharedLink : public FileIo, public ::testing::WithParamInterface<SharedLinkCase> {};

// The user's file "thesis.pdf"; in a shared folder, "report.pdf" links to
// it. Tests run as root here, so the user and root are the same.
TEST_P(SharedLink, IsFollowedOnlyWhereTheKernelWouldFollowIt) {
    const SharedLinkCase& row = GetParam();
    ASSERT_FALSE(MakeFolder(Fault::None, OldContents(kOldBytes), 0644).has_value());
    const fs::path thesis = folder_ / "thesis.pdf";
    const fs::path shared = folder_ / "shared";
    const fs::path link = shared / "report.pdf";
    WriteBytes(thesis, OldContents(kOldBytes));
    ASSERT_EQ(::mkdir(shared.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(shared.c_str(), row.sharedMode), 0);
    ASSERT_EQ(::chown(shared.c_str(), row.sharedOwner, row.sharedOwner), 0);
    fs::create_symlink(thesis, link);
    if (::lchown(link.c_str(), row.linkOwner, row.linkOwner) != 0)
        GTEST_SKIP() << "cannot give the link to another user: " << std::strerror(errno);
    const fs::path saved = row.throughOwnLink ? folder_ / "mine.pdf" : link;
    if (row.throughOwnLink) fs::create_symlink(link, saved);

    const Result<std::string> target = SaveTarget(saved.string());
    const Result<void> written = WriteFileAtomically(saved.string(), NewContents(kNewBytes));

    EXPECT_TRUE(fs::is_symlink(link));
    if (row.followed) {
        ASSERT_TRUE(target.ok()) << target.problem().Text();
        EXPECT_EQ(*target, thesis.string());
        ASSERT_TRUE(written.ok()) << written.problem().Text();
        EXPECT_EQ(ReadBytes(thesis), NewContents(kNewBytes));
    } else {
        const Problem refusal{saved.string(), link.string() + " is a link to " + thesis.string() +
                                                  " that another user made in a shared folder, so it is not followed."};
        EXPECT_EQ(target.ok() ? Problem{} : target.problem(), refusal);
        EXPECT_EQ(written.ok() ? Problem{} : written.problem(), refusal);
        EXPECT_EQ(ReadBytes(thesis), OldContents(kOldBytes));
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    FileIo, SharedLink,
    ::testing::Values(SharedLinkCase{"PlantedInAStickyFolder", 01777, 0, kOtherUser, false, false},
                      SharedLinkCase{"PlantedBehindTheUsersOwnLink", 01777, 0, kOtherUser, true, false},
                      SharedLinkCase{"TheUsersOwnInAStickyFolder", 01777, 0, 0, false, true},
                      SharedLinkCase{"TheFolderOwners", 01777, kOtherUser, kOtherUser, false, true},
                      SharedLinkCase{"AnotherUsersInAFolderWithoutStickyBit", 0777, 0, kOtherUser, false, true},
                      SharedLinkCase{"AnotherUsersInAGroupFolder", 01775, 0, kOtherUser, false, true}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// ---------------------------------------------------- temporaries left behind

// Writes on, but never gets past flushing the temporary file: a save that
// the test kills while it writes.
class StallingDisk : public FileCalls {
public:
    int SyncFile(int) override {
        for (;;) ::pause();
    }
};

// A process id that has just ended (and is very unlikely to be reused
// within the test).
pid_t EndedProcess() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

TEST_F(FileIo, TheNextSaveRemovesWhatAKilledSaveLeftBehind) {
    ASSERT_FALSE(MakeFolder(Fault::None, OldContents(kOldBytes), 0644).has_value());
    const pid_t saver = ::fork();
    ASSERT_GE(saver, 0);
    if (saver == 0) {
        StallingDisk stalling;
        [[maybe_unused]] const Result<void> never =
            WriteFileAtomically(Old().string(), NewContents(kNewBytes), stalling);
        ::_exit(1);
    }
    const std::string prefix = TemporaryFilePrefix(saver);
    const auto leftover = [&]() -> std::string {
        for (const std::string& name : Listing(folder_))
            if (name.starts_with(prefix)) return name;
        return {};
    };
    const auto leftoverBytes = [&]() -> std::uintmax_t {
        std::error_code missing;
        return leftover().empty() ? 0 : fs::file_size(folder_ / leftover(), missing);
    };
    // Until the temporary file holds everything written before the flush.
    for (int waited = 0; waited < 60'000 && leftoverBytes() != kNewBytes; waited += 10) ::usleep(10'000);
    ::kill(saver, SIGKILL);
    int status = 0;
    ASSERT_EQ(::waitpid(saver, &status, 0), saver);
    ASSERT_FALSE(leftover().empty()) << "the killed save's temporary file is not named after its process";
    ASSERT_EQ(ReadBytes(folder_ / leftover()).size(), kNewBytes);

    const Result<void> written = WriteFileAtomically((folder_ / "new.moo").string(), NewContents(kOldBytes));

    ASSERT_TRUE(written.ok()) << written.problem().Text();
    EXPECT_EQ(Listing(folder_), (std::set<std::string>{"new.moo", "old.moo"}));
    EXPECT_EQ(ReadBytes(Old()), OldContents(kOldBytes));
}

// Everything in the folder that is not certainly a leftover of this
// machine's ended saves stays as it is.
TEST_F(FileIo, NothingButLeftoversIsRemoved) {
    ASSERT_FALSE(MakeFolder(Fault::None, OldContents(kOldBytes), 0644).has_value());
    const pid_t endedPid = EndedProcess();
    const std::string endedId = std::to_string(endedPid);
    const std::string ended = TemporaryFilePrefix(endedPid);                      // ".nyra-save-HOST-PID-"
    const std::string host = ended.substr(0, ended.size() - endedId.size() - 1);  // ".nyra-save-HOST-"
    const auto plant = [&](const std::string& name) { WriteBytes(folder_ / name, "partial"); };
    // A save under way holds its file's lock, whatever process id its name
    // carries; one in a sandbox of its own has ids this process cannot see.
    std::list<FileDescriptor> held;
    const auto plantHeld = [&](const std::string& name) {
        plant(name);
        held.emplace_back(::open((folder_ / name).c_str(), O_RDONLY | O_CLOEXEC));
        ASSERT_EQ(::flock(held.back().get(), LOCK_EX | LOCK_NB), 0);
    };
    plant(ended + "a1B2c3");
    plantHeld(TemporaryFilePrefix(1) + "a1B2c3");           // a live process
    plantHeld(TemporaryFilePrefix(::getpid()) + "a1B2c3");  // a save of this process under way
    plantHeld(ended + "sndbx1");                            // a live save in another PID namespace
    plant(ended + "a1B2c");
    plant(ended + "a1B2c3.bak");
    plant(ended + "a1-2c3");
    plant(".nyra-save-a1B2c3");                                     // owner unknown
    plant(".nyra-save-x" + host.substr(11) + endedId + "-a1B2c3");  // another machine's, in a shared folder
    plant(host + "0" + endedId + "-a1B2c3");
    plant(ended + "other1");
    ASSERT_EQ(::chown((folder_ / (ended + "other1")).c_str(), kOtherUser, kOtherUser), 0);
    fs::create_symlink(folder_ / "old.moo", folder_ / (ended + "link12"));
    fs::create_directory(folder_ / (ended + "fold12"));
    std::set<std::string> expected = Listing(folder_);
    expected.erase(ended + "a1B2c3");
    expected.insert("new.moo");

    const Result<void> written = WriteFileAtomically((folder_ / "new.moo").string(), NewContents(kOldBytes));

    ASSERT_TRUE(written.ok()) << written.problem().Text();
    EXPECT_EQ(Listing(folder_), expected);
    EXPECT_EQ(ReadBytes(Old()), OldContents(kOldBytes));
}

}  // namespace
}  // namespace nyra
