#include "ops/backup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <set>
#include <string>

#include "ops/patch_module.h"
#include "ops/write_value.h"
#include "ops_file.h"

namespace {

using Names = std::set<std::string>;

TEST(Backup, MadeBeforeTheFirstWriteWithTheBytesBeforeIt) {
    OpsFile f(four_and_a_bit());
    const std::string original = f.on_disk();
    ASSERT_EQ(write_value(f.file, 0x30, "AB", WriteOptions{}), WriteOutcome::done);
    EXPECT_EQ(read_file(f.backup_path()), original);
    const std::string after_first = f.on_disk();
    ASSERT_NE(after_first, original);

    // Never replaced by a later write, nor by a later run on the same file.
    ASSERT_EQ(write_value(f.file, 0xD0, "N", WriteOptions{}), WriteOutcome::done);
    EXPECT_EQ(read_file(f.backup_path()), original);
    NaviFile again;
    ASSERT_EQ(open_file(f.path, again), OpenOutcome::config);
    ASSERT_EQ(write_value(again, 0x170, "Z", WriteOptions{}), WriteOutcome::done);
    EXPECT_EQ(read_file(f.backup_path()), original);
    EXPECT_EQ(f.dir.names(), (Names{"NaviConfig.dll", "NaviConfig.dll.bak"}));
}

TEST(Backup, AModulePatchMakesOneToo) {
    OpsFile f(module_bytes(), "navione.dll");
    const std::string original = f.on_disk();
    ASSERT_EQ(patch_rate(f.file, 0x9E, "38400", WriteOptions{}), PatchOutcome::done);
    ASSERT_EQ(patch_port(f.file, 0x64, "COM2:", WriteOptions{}), PatchOutcome::done);
    EXPECT_EQ(read_file(f.backup_path()), original);
}

TEST(Backup, NoneForARefusedWriteOrWhenNotWanted) {
    OpsFile f(four_and_a_bit());
    EXPECT_EQ(write_value(f.file, 0x2F, "AB", WriteOptions{}), WriteOutcome::bad_offset);
    EXPECT_EQ(write_value(f.file, 0x30, "A\xFF", WriteOptions{}), WriteOutcome::unwritable_text);
    EXPECT_EQ(write_value(f.file, 0x30, std::string(78, 'q'), WriteOptions{}), WriteOutcome::too_long);
    EXPECT_EQ(write_value(f.file, 0x30, "AB", WriteOptions{.backup = false}), WriteOutcome::done);
    EXPECT_EQ(f.dir.names(), Names{"NaviConfig.dll"});
}

// Without the backup the user was promised, nothing is written.
// What stands where FILE.bak would go.
enum class InTheWay { nothing, folder, link_to_nowhere };

TEST(Backup, WhenItCannotBeMadeNothingIsWritten) {
    const struct {
        const char* name;
        std::string file_name;
        InTheWay in_the_way;
    } cases[] = {
        // NAME_MAX is 255: the file's name fits, FILE.bak does not.
        {"FILE.bak too long a name", std::string(248, 'n') + ".dll", InTheWay::nothing},
        {"a folder named FILE.bak", "NaviConfig.dll", InTheWay::folder},
        {"a link to nowhere named FILE.bak", "NaviConfig.dll", InTheWay::link_to_nowhere},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpsFile f(four_and_a_bit(), c.file_name);
        ASSERT_EQ(f.opened, OpenOutcome::config);
        if (c.in_the_way == InTheWay::folder) {
            ASSERT_EQ(::mkdir(f.backup_path().c_str(), 0755), 0);
        } else if (c.in_the_way == InTheWay::link_to_nowhere) {
            ASSERT_EQ(::symlink(f.dir.path("nowhere").c_str(), f.backup_path().c_str()), 0);
        }
        const std::string before = f.on_disk();
        const Names names = f.dir.names();

        EXPECT_EQ(write_value(f.file, 0x30, "AB", WriteOptions{}), WriteOutcome::backup_failed);
        EXPECT_EQ(patch_port(f.file, 0x40, "COM2:", WriteOptions{}), PatchOutcome::backup_failed);
        EXPECT_EQ(f.on_disk(), before);
        EXPECT_EQ(f.dir.names(), names);
    }
}

TEST(RestoreBackup, PutsTheFileBackAsItWas) {
    OpsFile f(four_and_a_bit());
    const std::string original = f.on_disk();
    EXPECT_EQ(restore_backup(f.path), RestoreOutcome::no_backup);
    ASSERT_EQ(write_value(f.file, 0x30, "AB", WriteOptions{}), WriteOutcome::done);
    ASSERT_EQ(write_value(f.file, 0xD0, "N", WriteOptions{}), WriteOutcome::done);
    EXPECT_EQ(restore_backup(f.path), RestoreOutcome::done);
    EXPECT_EQ(f.on_disk(), original);
    EXPECT_EQ(read_file(f.backup_path()), original);
}

}  // namespace
