// Saving never costs the user the old file: real write failures (a small
// disk that fills up, a file size limit) and a writable file in a folder
// the user may not change.
#include "record/file_io.h"

#include "../support/disk_faults.h"
#include "../support/file_bytes.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <set>
#include <string>

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
        if (disk_) disk_.reset(); // unmounts and removes the mount point
        else fs::remove_all(folder_, ignored);
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
    static std::optional<std::string> Write(Fault fault, const fs::path& path, const std::string& contents) {
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
    const char* target; ///< in the folder that holds old.moo
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

    const auto error = Write(row.fault, folder_ / row.target, NewContents(kNewBytes));

    ASSERT_TRUE(error.has_value()) << "a failed write was reported as success";
    EXPECT_EQ(*error, row.reason);
    EXPECT_EQ(ReadBytes(Old()), oldContents);
    EXPECT_EQ(PermissionBits(Old()), row.oldMode);
    EXPECT_EQ(Listing(folder_), before);
}

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
    const auto error = Write(row.fault, Old(), contents);

    ASSERT_FALSE(error.has_value()) << *error;
    EXPECT_EQ(ReadBytes(Old()), contents);
    EXPECT_EQ(PermissionBits(Old()), 0640u);
    EXPECT_EQ(Listing(folder_), before);
}

INSTANTIATE_TEST_SUITE_P(FileIo, InPlace,
                         ::testing::Values(InPlaceCase{"Longer", Fault::None, 100, 5000},
                                           InPlaceCase{"Shorter", Fault::None, 5000, 100},
                                           InPlaceCase{"SameLength", Fault::None, 100, 100},
                                           InPlaceCase{"Empty", Fault::None, 100, 0},
                                           // Rewriting within the old length needs no new space.
                                           InPlaceCase{"ShorterOnAFullDisk", Fault::FullDisk, 5000, 100},
                                           InPlaceCase{"WithinTheSizeLimit", Fault::SizeLimit, 100, 900}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace nyra
