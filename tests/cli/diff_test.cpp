// diff A [B]: the records whose values differ, and the exit status of diff and cmp.
#include "cli_fixture.h"

namespace cli_test {
namespace {

TEST_F(Cli, DiffListsTheRecordsThatDiffer) {
    const std::string config = two_record_config();
    const std::string module = module_bytes(kRate9600);
    const struct {
        const char* name;
        std::string a;
        std::string b;
        int status;
        std::string out;
    } cases[] = {
        {"same configuration files", config, config, 0, ""},
        {"one value differs", config, config_file('\xBF', {chain("AB"), chain(kGbkChinese)}), 1,
         "D0\tCD\t" + kGbkChinese + "\n"},
        // Different unit chains can hold the same value: values are compared, not bytes.
        {"same values, other units", config, config_file('\xBF', {chain("AB", 0x41), chain("CD")}), 0, ""},
        {"a record only in A", config_file('\xBF', {chain("AB"), chain("CD"), chain("EF")}), config, 1, "170\tEF\t\n"},
        {"a record only in B", config, config_file('\xBF', {chain("AB"), chain("CD"), chain("")}), 1, "170\t\t\n"},
        {"same modules", module, module, 0, ""},
        {"the rate differs", module, module_bytes(kRate57600), 1, "5D\t9600\t57600\n"},
        {"the port differs", module, module_bytes(kRate9600, "COM1:"), 1, "40\tCOM3:\tCOM1:\n"},
        {"a rate only in A", module, module_bytes("\x01\x02\x03"), 1, "5D\t9600\t\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProcessResult r = run_gbk({"diff", write("a.dll", c.a), write("b.dll", c.b)});
        EXPECT_EQ(r.status, c.status) << r.err;
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, "");
    }
}

TEST_F(Cli, DiffComparesWithTheBackupByDefaultEvenWhenItIsReadOnly) {
    const std::string file = write("f.dll", two_record_config());
    ASSERT_EQ(run_gbk({"set", file, "30", "new"}).status, 0);
    make_read_only("f.dll.bak");
    const ProcessResult r = run_gbk({"diff", file});
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_EQ(r.out, "30\tnew\tAB\n");
}

TEST_F(Cli, DiffThatCannotCompareExitsWithTwo) {
    const std::string config = write("config.dll", two_record_config());
    const std::string module = write("navione.dll", module_bytes(kRate9600));
    write("other.bin", "plain text without any port");
    fs::create_directory(dir_ / "folder.dll");
    const std::vector<std::vector<std::string>> cases = {
        {"diff", config, module},
        {"diff", module, config},
        {"diff", config},  // no config.dll.bak
        {"diff", path("missing.dll"), config},
        {"diff", config, path("other.bin")},
        {"diff", path("folder.dll"), config},
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ProcessResult r = run_gbk(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err, "");
    }
}

}  // namespace
}  // namespace cli_test
