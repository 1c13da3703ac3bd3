// Listing, reading and writing records, and the refusals of each.
#include "cli_fixture.h"
#include "ops/hints.h"

namespace cli_test {
namespace {

TEST_F(Cli, ListsConfigurationRecordsWithTheirComments) {
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("AB"), chain(kGbkChinese, 0xF0)}));
    write("ziz_ivi.ini", "[C-PND]\r\nd0=" + kGbkNote + "\r\n30=first\r\n[C-Car]\r\n30=other edition\r\n");
    const ProcessResult r = run_gbk({"list", file, "--ini", path("ziz_ivi.ini")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "30\tAB\tfirst\nD0\t" + kGbkChinese + "\t" + kGbkNote + "\n");
}

TEST_F(Cli, ListsTheModulesPortAndRate) {
    const std::string file = write("navione.dll", module_bytes(kRate9600));
    const ProcessResult r = run_gbk({"list", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "40\tCOM3:\t\n5D\t9600\t\n");
}

TEST_F(Cli, SetWritesTheChainThatGetReadsBack) {
    const std::string file = write("NaviConfig.dll", config_file('\xB4', {chain("old value"), chain("x")}));
    ProcessResult r = run_gbk({"set", file, "30", kGbkChinese});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(read("NaviConfig.dll").substr(48, 14), chain(kGbkChinese));
    r = run_gbk({"get", file, "30"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, kGbkChinese + "\n");
}

TEST_F(Cli, Utf8TerminalTextIsConvertedAtTheBoundary) {
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("x"), chain("y")}));
    ProcessResult r = run_utf8({"set", file, "d0", u8(u8"中文")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read("NaviConfig.dll").substr(48 + 160, 14), chain(kGbkChinese));
    r = run_utf8({"get", file, "D0"});
    EXPECT_EQ(r.out, u8(u8"中文") + "\n");
    // Full-width digits are an offset too, as in the window's offset box.
    r = run_utf8({"get", file, u8(u8"Ｄ０")});
    EXPECT_EQ(r.out, u8(u8"中文") + "\n");
    r = run_utf8({"set", file, "2F", "x"});
    EXPECT_EQ(r.err, u8(u8"提示:请输入十六进制偏移地址!") + "\n");
}

// Paths reach the file system as typed, whatever their characters (on Windows through the
// wide command line): the file, the comments file and the export's target.
TEST_F(Cli, PathsKeepTheirCharacters) {
    const std::string file = write(u8(u8"导航配置.dll"), two_record_config());
    write(u8(u8"注释.ini"), "[C-PND]\r\n30=" + kGbkNote + "\r\n");
    ProcessResult r = run_utf8({"list", file, "--ini", path(u8(u8"注释.ini"))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "30\tAB\t" + u8(u8"注释") + "\nD0\tCD\t\n");
    r = run_utf8({"export", file, path(u8(u8"导出.txt"))});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(exists(u8(u8"导出.txt")));
}

TEST_F(Cli, WritesTheModulesPortAndRate) {
    const struct {
        const char* name;
        std::vector<std::string> args;  // after "set" and the file
        std::string after;
    } cases[] = {
        {"rate", {"5d", "57600"}, module_bytes(kRate57600)},
        {"port", {"40", "COM1:"}, module_bytes(kRate9600, "COM1:")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = write("navione.dll", module_bytes(kRate9600));
        std::vector<std::string> args{"set", "--no-backup", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult r = run_gbk(args);
        EXPECT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(read("navione.dll"), c.after);
    }
}

// Every refusal: the hint alone on standard error, nothing on standard output, the file as
// it was and no backup made for a write that did not happen.
TEST_F(Cli, RefusalsLeaveTheFileUnchanged) {
    const std::string config = two_record_config();  // ends at 170
    const std::string module = module_bytes(kRate9600);
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> args;
        std::string hint;  // in the arguments' encoding
        bool gbk = true;   // the arguments' encoding; UTF-8 when false
    };
    const std::string unwritable_utf8 = u8(u8"提示:内容含有无法写入的字符,未写入!");
    const Case cases[] = {
        {"get: not hexadecimal", config, {"get", "zz"}, hint::kEnterOffset},
        {"get: empty offset", config, {"get", ""}, hint::kEnterOffset},
        {"get: in the header", config, {"get", "2F"}, hint::kEnterOffset},
        {"get: at the end", config, {"get", "170"}, hint::kEnterOffset},
        {"get: after the end", config, {"get", "171"}, hint::kEnterOffset},
        {"get: far after the end", config, {"get", "FFFFFFFFFFFFFFFFFFFF"}, hint::kEnterOffset},
        {"set: empty offset", config, {"set", "", "x"}, hint::kEnterOffset},
        {"set: not hexadecimal", config, {"set", "zz", "x"}, hint::kEnterOffset},
        {"set: in the header", config, {"set", "2F", "x"}, hint::kEnterOffset},
        {"set: at the end", config, {"set", "170", "x"}, hint::kEnterOffset},
        {"set: value longer than its slot", config, {"set", "30", std::string(78, 'v')}, hint::kValueTooLong},
        {"set: a character without a GBK form", config, {"set", "30", u8(u8"a😀")}, unwritable_utf8, false},
        {"set: rate outside the table", module, {"set", "5D", "1200"}, hint::kRateOnly},
        {"set: port text longer than five bytes", module, {"set", "40", "COM12:"}, hint::kPortTooLong},
        {"set: module offset of no row", module, {"set", "41", "COM1:"}, hint::kEnterOffset},
        {"set: module, empty offset", module, {"set", "", "COM1:"}, hint::kEnterOffset},
        {"set: port without a GBK form", module, {"set", "40", u8(u8"😀")}, unwritable_utf8, false},
#ifndef _WIN32
        // Only a POSIX command line carries bytes; Windows hands over UTF-16 text.
        {"set: byte FF", config, {"set", "30", "A\xFF"}, hint::kUnwritableText},
        {"set: lead byte without its trail byte", config, {"set", "30", "\x81\x20"}, hint::kUnwritableText},
        {"set: GBK lead byte at the end", config, {"set", "30", "A\xD6"}, hint::kUnwritableText},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = write("f.dll", c.bytes);
        std::vector<std::string> args{c.args[0], file};
        args.insert(args.end(), c.args.begin() + 1, c.args.end());
        const ProcessResult r = c.gbk ? run_gbk(args) : run_utf8(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.hint + "\n");
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(read("f.dll"), c.bytes);
        EXPECT_FALSE(exists("f.dll.bak"));
    }
}

TEST_F(Cli, RefusedFilesGiveTheWindowsHints) {
    write("other.bin", "plain text without any port");
    write("navione.dll", module_bytes(kRate9600));
    write("read-only.dll", two_record_config());
    make_read_only("read-only.dll");
    fs::create_directory(dir_ / "folder.dll");
    const struct {
        std::vector<std::string> args;
        std::string hint;
    } cases[] = {
        {{"list", path("missing.dll")}, hint::kOpenFailed},
        {{"list", path("folder.dll")}, hint::kOpenFailed},
        {{"list", path("read-only.dll")}, hint::kOpenFailed},
        {{"get", path("other.bin"), "30"}, hint::kNotKld},
        {{"set", path("other.bin"), "30", "x"}, hint::kNotKld},
        {{"export", path("other.bin"), path("out")}, hint::kNotKld},
        {{"export", path("navione.dll"), path("out")}, hint::kNotKld},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ProcessResult r = run_gbk(c.args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.hint + "\n");
        EXPECT_EQ(r.out, "");
    }
    EXPECT_FALSE(exists("out"));
    EXPECT_EQ(read("other.bin"), "plain text without any port");
}

}  // namespace
}  // namespace cli_test
