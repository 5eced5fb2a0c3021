// Saving to disk: a save swaps the new file in whole, and a save that fails —
// a full disk midway, a folder that is not one — leaves the old file untouched
// and no temporary file behind. Reading a missing file names it.
#include "ole_test_support.h"

#include "spreadsheet/xls/ole/compound_file_reader.h"
#include "spreadsheet/xls/ole/ole_error.h"
#include "spreadsheet/xls/ole/safe_file_write.h"

#include <csignal>

#include <sys/resource.h>

using namespace ole_test;

namespace {

std::size_t entriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

}  // namespace

TEST(SafeFileWrite, a_save_swaps_the_whole_file_in_and_keeps_its_permissions) {
    ScratchFolder scratch;
    const std::filesystem::path target = scratch.path() / "book.xls";
    writeFileAtomically(target, pattern(1000, 1));
    std::filesystem::permissions(target, std::filesystem::perms(0640));
    std::ifstream openedBefore(target, std::ios::binary);
    writeFileAtomically(target, pattern(3000, 2));
    EXPECT_EQ(fileBytes(target), pattern(3000, 2));
    // Replaced, not rewritten in place: a reader that had the old file open still gets all of it.
    const std::vector<uint8_t> old{std::istreambuf_iterator<char>(openedBefore), std::istreambuf_iterator<char>()};
    EXPECT_EQ(old, pattern(1000, 1));
    EXPECT_EQ(std::filesystem::status(target).permissions(), std::filesystem::perms(0640));
    EXPECT_EQ(entriesIn(scratch.path()), 1u);
}

TEST(SafeFileWrite, a_disk_that_fills_midway_leaves_the_old_file_whole) {
    ScratchFolder scratch;
    const std::filesystem::path target = scratch.path() / "book.xls";
    writeBytes(target, pattern(1000, 1));
    // A file size limit makes write() fail with EFBIG as a full disk would fail with ENOSPC.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const OleError error = errorOf([&] { writeFileAtomically(target, pattern(64 * 1024, 2)); });
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_EQ(error.kind(), OleErrorKind::SaveFailed);
    EXPECT_EQ(std::string(error.what()), "cannot save \"" + target.string() + "\": cannot write: File too large");
    EXPECT_EQ(fileBytes(target), pattern(1000, 1));
    EXPECT_EQ(entriesIn(scratch.path()), 1u);
}

TEST(SafeFileWrite, a_folder_that_is_a_plain_file_is_reported_with_path_and_reason) {
    ScratchFolder scratch;
    writeBytes(scratch.path() / "plain", pattern(10, 1));
    const std::filesystem::path target = scratch.path() / "plain" / "book.xls";
    const OleError error = errorOf([&] { writeFileAtomically(target, pattern(100, 2)); });
    EXPECT_EQ(error.kind(), OleErrorKind::SaveFailed);
    EXPECT_EQ(std::string(error.what()),
              "cannot save \"" + target.string() + "\": cannot create a temporary file: Not a directory");
    EXPECT_EQ(fileBytes(scratch.path() / "plain"), pattern(10, 1));
}

TEST(FileRead, a_missing_file_is_reported_with_path_and_reason) {
    ScratchFolder scratch;
    const std::filesystem::path path = scratch.path() / "missing.xls";
    const OleError error = errorOf([&] { CompoundFileReader::fromFile(path); });
    EXPECT_EQ(error.kind(), OleErrorKind::ReadFailed);
    EXPECT_EQ(std::string(error.what()), "cannot read \"" + path.string() + "\": No such file or directory");
}
