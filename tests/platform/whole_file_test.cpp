#include "platform/whole_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <set>
#include <string>
#include <utility>

#include "tests/support/temp_file.h"

namespace {

using Names = std::set<std::string>;

TEST(ReplaceFile, PutsTheWholeContentUnderTheName) {
    TempDir dir;
    const struct {
        const char* name;
        std::string before;  // empty: no file yet
        std::string after;
    } cases[] = {
        {"new file", "", "content"},
        {"longer file made shorter", std::string(5000, 'x'), "short"},
        {"shorter file made longer", "ab", std::string(70000, 'y')},
        {"emptied", "old", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = dir.path("out.txt");
        ::unlink(path.c_str());
        if (!c.before.empty()) dir.write("out.txt", c.before);
        EXPECT_EQ(replace_file(path, c.after), ReplaceOutcome::done);
        EXPECT_TRUE(read_file(path) == c.after);
        EXPECT_EQ(dir.names(), Names{"out.txt"});
    }
}

TEST(ReplaceFile, KeepsTheModeOfTheFileItReplaces) {
    TempDir dir;
    for (const unsigned mode : {0600u, 0640u, 0755u, 0222u}) {
        const std::string path = dir.write("out.txt", "old");
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        EXPECT_EQ(replace_file(path, "new"), ReplaceOutcome::done);
        EXPECT_EQ(mode_of(path), mode) << std::oct << mode;
        EXPECT_EQ(read_file(path), "new");
    }
}

TEST(ReplaceFile, RefusesOrFailsAndLeavesEverythingAsItWas) {
    TempDir dir;
    const std::string read_only = dir.write("read_only.txt", "kept");
    ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
    ASSERT_EQ(::mkdir(dir.path("folder.txt").c_str(), 0755), 0);
    const Names before = dir.names();
    const struct {
        const char* name;
        std::string path;
        ReplaceOutcome outcome;
    } cases[] = {
        // The tests run as root, who could write it: the permission bits still refuse.
        {"read-only target", read_only, ReplaceOutcome::read_only},
        {"a folder of that name", dir.path("folder.txt"), ReplaceOutcome::failed},
        {"a missing folder", dir.path("missing/out.txt"), ReplaceOutcome::failed},
        {"no name", "", ReplaceOutcome::failed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(replace_file(c.path, "new content"), c.outcome);
        EXPECT_EQ(dir.names(), before);
    }
    EXPECT_EQ(read_file(read_only), "kept");
    EXPECT_EQ(mode_of(read_only), 0444u);
}

// The new content cannot be written whole (the file-size limit): the old target stays as
// it was, and no temporary file is left beside it.
TEST(ReplaceFile, FailedWriteKeepsTheOldTarget) {
    TempDir dir;
    const std::string path = dir.write("kld_dec.txt", std::string(100, 'o'));
    ReplaceOutcome outcome;
    {
        FileSizeLimit limit(1000);
        outcome = replace_file(path, std::string(5000, 'x'));
    }
    EXPECT_EQ(outcome, ReplaceOutcome::failed);
    EXPECT_EQ(read_file(path), std::string(100, 'o'));
    EXPECT_EQ(dir.names(), Names{"kld_dec.txt"});
}

TEST(CreateFile, NeverReplacesAFile) {
    TempDir dir;
    const std::string path = dir.path("NaviConfig.dll.bak");
    EXPECT_EQ(create_file(path, "first"), CreateOutcome::done);
    EXPECT_EQ(read_file(path), "first");
    EXPECT_EQ(create_file(path, "second"), CreateOutcome::exists);
    EXPECT_EQ(read_file(path), "first");
    ASSERT_EQ(::mkdir(dir.path("folder").c_str(), 0755), 0);
    EXPECT_EQ(create_file(dir.path("folder"), "x"), CreateOutcome::exists);
    ASSERT_EQ(::symlink(dir.path("nowhere").c_str(), dir.path("dangling").c_str()), 0);
    EXPECT_EQ(create_file(dir.path("dangling"), "x"), CreateOutcome::exists);
    EXPECT_EQ(create_file(dir.path("missing/x.bak"), "x"), CreateOutcome::failed);
    EXPECT_EQ(create_file("", "x"), CreateOutcome::failed);
    EXPECT_EQ(dir.names(), (Names{"NaviConfig.dll.bak", "folder", "dangling"}));
}

TEST(ReadWholeFile, ReadsRegularFilesOnly) {
    TempDir dir;
    std::string bytes = "stale";
    EXPECT_TRUE(read_whole_file(dir.write("f", std::string(200000, 'q')), bytes));
    EXPECT_EQ(bytes, std::string(200000, 'q'));
    EXPECT_TRUE(read_whole_file(dir.write("empty", ""), bytes));
    EXPECT_EQ(bytes, "");
    EXPECT_FALSE(read_whole_file(dir.path("missing"), bytes));
    EXPECT_FALSE(read_whole_file(dir.folder(), bytes));
}

TEST(PathKind, OnlyARegularFileIsAFile) {
    TempDir dir;
    const std::string file = dir.write("f.bak", "x");
    ASSERT_EQ(::mkdir(dir.path("folder.bak").c_str(), 0755), 0);
    ASSERT_EQ(::symlink(file.c_str(), dir.path("link.bak").c_str()), 0);
    ASSERT_EQ(::symlink(dir.path("nowhere").c_str(), dir.path("dangling.bak").c_str()), 0);
    ASSERT_EQ(::mkfifo(dir.path("fifo.bak").c_str(), 0644), 0);
    const std::pair<std::string, PathKind> cases[] = {
        {file, PathKind::file},
        {dir.path("link.bak"), PathKind::file},
        {dir.write("empty.bak", ""), PathKind::file},
        {dir.path("folder.bak"), PathKind::other},
        {dir.path("dangling.bak"), PathKind::other},
        {dir.path("fifo.bak"), PathKind::other},
        {dir.path("missing.bak"), PathKind::missing},
        {dir.path("missing/f.bak"), PathKind::missing},
        {"", PathKind::missing},
    };
    for (const auto& [path, kind] : cases) EXPECT_EQ(path_kind(path), kind) << path;
}

TEST(SameFile, ByIdentityWhateverTheName) {
    TempDir dir;
    const std::string file = dir.write("kld_dec.txt", "same");
    const std::string twin = dir.write("twin.txt", "same");
    ASSERT_EQ(::symlink(file.c_str(), dir.path("link.txt").c_str()), 0);
    ASSERT_EQ(::link(file.c_str(), dir.path("hard.txt").c_str()), 0);
    InFolder in(dir.folder());
    const struct {
        const char* name;
        std::string other;
        bool same;
    } cases[] = {
        {"the same path", file, true},
        {"./ before the name", "./kld_dec.txt", true},
        {"the bare name", "kld_dec.txt", true},
        {"a dot folder inside", dir.folder() + "/./kld_dec.txt", true},
        {"a symbolic link", dir.path("link.txt"), true},
        {"a hard link", dir.path("hard.txt"), true},
        {"another file of the same content", twin, false},
        {"the folder", dir.folder(), false},
        {"a missing file", dir.path("missing.txt"), false},
        {"no name", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(same_file(file, c.other), c.same);
        EXPECT_EQ(same_file(c.other, file), c.same);
    }
    EXPECT_FALSE(same_file(dir.path("missing.txt"), dir.path("missing.txt")));
}

}  // namespace
