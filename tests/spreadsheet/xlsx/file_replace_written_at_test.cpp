// Replacing a file through a writer that only takes a path: the target
// changes only when the writer succeeded, keeps its permissions, and nothing
// is left beside it whatever the writer did.
#include "files/file_replace.h"
#include "scratch_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <stdexcept>
#include <sys/stat.h>

namespace fs = std::filesystem;
using testing_support::ScratchFolder;

namespace {

std::string contentsOf(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

std::vector<std::string> entriesOf(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    return names;
}

mode_t permissionsOf(const fs::path& path) {
    struct stat s {};
    ::stat(path.c_str(), &s);
    return s.st_mode & 07777;
}

}  // namespace

TEST(ReplaceFileWrittenAt, the_writer_fills_a_fresh_hidden_file_beside_the_target_that_then_replaces_it) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "book.xlsx";
    put(target, "old");
    ::chmod(target.c_str(), 0640);
    fs::path seen;
    files::replaceFileWrittenAt(target, files::NewFileAccess::KeepExisting, [&](const fs::path& fresh) {
        seen = fresh;
        EXPECT_EQ(fresh.parent_path(), folder.path());
        EXPECT_TRUE(fresh.filename().string().starts_with(".book.xlsx."));
        EXPECT_TRUE(fs::is_regular_file(fresh));  // reserved before the writer runs
        EXPECT_EQ(contentsOf(target), "old");
        put(fresh, "new");
    });
    EXPECT_EQ(contentsOf(target), "new");
    EXPECT_EQ(permissionsOf(target), 0640u);
    EXPECT_FALSE(fs::exists(seen));
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"book.xlsx"});
}

TEST(ReplaceFileWrittenAt, a_failing_writer_leaves_the_old_file_and_no_fragment) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "book.xlsx";
    put(target, "old");
    EXPECT_THROW(files::replaceFileWrittenAt(target, files::NewFileAccess::KeepExisting,
                                             [&](const fs::path& fresh) {
                                                 put(fresh, "half");
                                                 throw std::runtime_error("the writer failed");
                                             }),
                 std::runtime_error);
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(entriesOf(folder.path()), std::vector<std::string>{"book.xlsx"});
}

TEST(ReplaceFileWrittenAt, a_link_put_in_place_of_the_fresh_file_is_never_renamed_over_the_target) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "book.xlsx";
    const fs::path elsewhere = folder.path() / "elsewhere";
    put(target, "old");
    put(elsewhere, "not ours");
    try {
        files::replaceFileWrittenAt(target, files::NewFileAccess::KeepExisting, [&](const fs::path& fresh) {
            fs::remove(fresh);
            fs::create_symlink(elsewhere, fresh);
        });
        ADD_FAILURE() << "the link was taken";
    } catch (const files::FileWriteError& e) {
        EXPECT_NE(std::string(e.what()).find("book.xlsx\": cannot open the written file again"), std::string::npos)
            << e.what();
    }
    EXPECT_EQ(contentsOf(target), "old");
    EXPECT_EQ(contentsOf(elsewhere), "not ours");
    EXPECT_EQ(entriesOf(folder.path()).size(), 2u);
}

TEST(ReplaceFileWrittenAt, owner_only_access_and_a_missing_folder) {
    ScratchFolder folder;
    const fs::path target = folder.path() / "private.xlsx";
    files::replaceFileWrittenAt(target, files::NewFileAccess::OwnerOnly, [](const fs::path& fresh) { put(fresh, "x"); });
    EXPECT_EQ(permissionsOf(target), 0600u);
    bool called = false;
    EXPECT_THROW(files::replaceFileWrittenAt(folder.path() / "missing" / "book.xlsx", files::NewFileAccess::KeepExisting,
                                             [&](const fs::path&) { called = true; }),
                 files::FileWriteError);
    EXPECT_FALSE(called);
}
