// FILE.bak: made before the first write, never replaced, and put back by restore.
#include "cli_fixture.h"
#include "ops/hints.h"

namespace cli_test {
namespace {

struct Write {
    const char* name;
    std::string before;
    std::vector<std::string> first;   // offset and value of the first set
    std::vector<std::string> second;  // and of the second
};

std::vector<Write> writes() {
    return {
        {"configuration file", two_record_config(), {"30", "first"}, {"D0", "second"}},
        {"module's rate, then its port", module_bytes(kRate9600), {"5D", "57600"}, {"40", "COM1:"}},
    };
}

std::vector<std::string> set_args(const std::vector<std::string>& options, const std::string& file,
                                  const std::vector<std::string>& offset_and_value) {
    std::vector<std::string> args{"set"};
    args.insert(args.end(), options.begin(), options.end());
    args.push_back(file);
    args.insert(args.end(), offset_and_value.begin(), offset_and_value.end());
    return args;
}

TEST_F(Cli, TheFirstSetKeepsTheFileAsItWasAndNoLaterSetReplacesIt) {
    for (const Write& w : writes()) {
        SCOPED_TRACE(w.name);
        fs::remove(dir_ / "f.dll.bak");
        const std::string file = write("f.dll", w.before);
        ProcessResult r = run_gbk(set_args({}, file, w.first));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(read("f.dll"), w.before);
        EXPECT_EQ(read("f.dll.bak"), w.before);
        const std::string after_first = read("f.dll");
        r = run_gbk(set_args({}, file, w.second));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(read("f.dll"), after_first);
        EXPECT_EQ(read("f.dll.bak"), w.before);
    }
}

TEST_F(Cli, NoBackupWritesWithoutMakingOne) {
    for (const Write& w : writes()) {
        SCOPED_TRACE(w.name);
        const std::string file = write("f.dll", w.before);
        const ProcessResult r = run_gbk(set_args({"--no-backup"}, file, w.first));
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_NE(read("f.dll"), w.before);
        EXPECT_FALSE(exists("f.dll.bak"));
    }
}

// Nothing is written without the backup the user was promised.
TEST_F(Cli, ABackupThatCannotBeMadeStopsTheWrite) {
    // 252 bytes is a valid name; with ".bak" it is longer than any file system takes.
    const std::string long_name = std::string(248, 'n') + ".dll";
    const struct {
        const char* name;
        std::string file;
        std::string backup;
        bool folder_in_its_place;
    } cases[] = {
        {"name too long for the backup", long_name, long_name + ".bak", false},
        {"a folder where the backup would be", "f.dll", "f.dll.bak", true},
    };
    for (const auto& c : cases) {
        for (const Write& w : writes()) {
            SCOPED_TRACE(std::string(c.name) + ", " + w.name);
            const std::string file = write(c.file, w.before);
            if (c.folder_in_its_place) fs::create_directory(dir_ / c.backup);
            const ProcessResult r = run_gbk(set_args({}, file, w.first));
            EXPECT_EQ(r.status, 1);
            EXPECT_EQ(r.err, hint::kBackupFailed + std::string("\n"));
            EXPECT_EQ(read(c.file), w.before);
            EXPECT_EQ(exists(c.backup), c.folder_in_its_place);
        }
    }
}

TEST_F(Cli, RestorePutsTheBackupBackAndKeepsIt) {
    const std::string before = two_record_config();
    const std::string file = write("f.dll", before);
    ASSERT_EQ(run_gbk({"set", file, "30", "changed"}).status, 0);
    const ProcessResult r = run_gbk({"restore", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read("f.dll"), before);
    EXPECT_EQ(read("f.dll.bak"), before);
}

TEST_F(Cli, RestoreRefusals) {
    const std::string before = two_record_config();
    const std::string backup = config_file('\xBF', {chain("XY"), chain("CD")});
    const struct {
        const char* name;
        bool has_backup;
        bool read_only;
        std::string err;
    } cases[] = {
        {"no backup", false, false, "\xCC\xE1\xCA\xBE:\xC3\xBB\xD3\xD0\xB1\xB8\xB7\xDD\xCE\xC4\xBC\xFE " + path("f.dll.bak") + "!\n"},
        {"file read-only", true, true, hint::kWriteFailed + std::string("\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove(dir_ / "f.dll");
        fs::remove(dir_ / "f.dll.bak");
        const std::string file = write("f.dll", before);
        if (c.has_backup) write("f.dll.bak", backup);
        if (c.read_only) make_read_only("f.dll");
        const ProcessResult r = run_gbk({"restore", file});
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(read("f.dll"), before);
        if (c.has_backup) {
            EXPECT_EQ(read("f.dll.bak"), backup);
        }
    }
}

}  // namespace
}  // namespace cli_test
