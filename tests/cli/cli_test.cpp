// The command-line program run as a process on real files, as a script would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "config/file_session.h"
#include "config/intake_file.h"
#include "config/messages.h"
#include "edit/export_decoded_content.h"
#include "run_process.h"
#include "tests/support/memory_window.h"
#include "tests/support/config_bytes.h"

namespace fs = std::filesystem;

namespace {

std::string u8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

// GBK of the texts the tests type, spelled as bytes so the encoding itself is checked.
const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";            // 中文
const std::string kGbkDone = "\xCC\xE1\xCA\xBE:\xD0\xDE\xB8\xC4\xCD\xEA\xB3\xC9!";  // 提示:修改完成!

// A body of 100,000 units without a zero byte: the export decodes all of it as one chain.
std::string long_chain_file() {
    std::string out = config_file('\xBF', {});
    for (int i = 0; i < 100000; ++i) out += unit_text(i % 250 + 1);
    return out;
}

std::string without_cr(std::string s) {
    std::erase(s, '\r');
    return s;
}

std::string module_bytes(const std::string& rate_bytes) {
    std::string m(64, '\x11');
    m += "COM3:";
    m += std::string(16, '\x22');
    m += std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8) + rate_bytes + "\xE3";
    m += std::string(32, '\x33');
    return m;
}

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("tarvello-cli-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }

    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(path(name), std::ios::binary) << bytes;
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(path(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    ProcessResult run(std::vector<std::string> args) const {
        ProcessResult r = run_process(TARVELLO_CLI, args, dir_.string());
        r.out = without_cr(r.out);
        r.err = without_cr(r.err);
        return r;
    }
    // Arguments and output in GBK, the same on every platform.
    ProcessResult run_gbk(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--encoding", "gbk"});
        return run(args);
    }

    fs::path dir_;
};

TEST_F(Cli, ListsConfigurationRecordsWithTheirComments) {
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("AB"), chain(kGbkChinese, 0xF0)}));
    write("ziz_ivi.ini", "[C-PND]\r\nd0=\xD7\xA2\xCA\xCD\r\n30=first\r\n");
    const ProcessResult r = run_gbk({"list", file, "--ini", path("ziz_ivi.ini")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "30\tAB\tfirst\nD0\t" + kGbkChinese + "\t\xD7\xA2\xCA\xCD\n");
}

TEST_F(Cli, ListsTheModulesPortAndRate) {
    const std::string file = write("navione.dll", module_bytes("\x96\x0D\xA0"));
    const ProcessResult r = run_gbk({"list", file});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "40\tCOM3:\t\n5D\t9600\t\n");
}

TEST_F(Cli, SetWritesTheChainThatGetReadsBack) {
    const std::string file = write("NaviConfig.dll", config_file('\xB4', {chain("old value"), chain("x")}));
    ProcessResult r = run_gbk({"set", file, "30", kGbkChinese});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read("NaviConfig.dll").substr(48, 14), chain(kGbkChinese));
    r = run_gbk({"get", file, "30"});
    EXPECT_EQ(r.out, kGbkChinese + "\n");
}

TEST_F(Cli, Utf8TerminalTextIsConvertedAtTheBoundary) {
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("x"), chain("y")}));
#ifdef _WIN32
    // Windows hands the program its arguments as wide text whatever the console's code page.
    const std::string typed = kGbkChinese;
#else
    const std::string typed = u8(u8"中文");
#endif
    ProcessResult r = run({"--encoding", "utf8", "set", file, "d0", typed});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read("NaviConfig.dll").substr(48 + 160, 14), chain(kGbkChinese));
    r = run({"--encoding", "utf8", "get", file, "D0"});
    EXPECT_EQ(r.out, u8(u8"中文") + "\n");
    r = run({"--encoding", "utf8", "set", file, "2F", "x"});
    EXPECT_EQ(r.err, u8(u8"提示:请输入十六进制偏移地址!") + "\n");
}

TEST_F(Cli, SwitchesTheModulesBaudRate) {
    const std::string file = write("navione.dll", module_bytes("\x96\x0D\xA0"));
    const ProcessResult r = run_gbk({"set", file, "5d", "57600"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(read("navione.dll"), module_bytes("\xE1\x0C\xA0"));
}

TEST_F(Cli, RefusalsLeaveTheFileUnchanged) {
    const std::string config = config_file('\xBF', {chain("AB"), chain("CD")});
    const std::string module = module_bytes("\x96\x0D\xA0");
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<std::string> args;  // after "set" and the file
        std::string hint;
    };
    const Case cases[] = {
        {"offset in the header", config, {"2F", "x"}, msg::kEnterOffset},
        {"offset past the end", config, {"FFFF", "x"}, msg::kEnterOffset},
        {"value longer than its slot", config, {"30", std::string(78, 'v')}, msg::kValueTooLong},
        {"rate outside the table", module, {"5D", "1200"}, msg::kRateOnly},
        {"port text longer than five bytes", module, {"40", "COM12:"}, msg::kPortTooLong},
        {"module offset of no row", module, {"41", "COM1:"}, msg::kEnterOffset},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = write("f.dll", c.bytes);
        std::vector<std::string> args{"set", file};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const ProcessResult r = run_gbk(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, c.hint + "\n");
        EXPECT_EQ(read("f.dll"), c.bytes);
    }
}

TEST_F(Cli, RefusedFilesGiveTheWindowsHints) {
    write("other.bin", "plain text without any port");
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"list", path("missing.dll")}, "\xCC\xE1\xCA\xBE:\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC"},  // 提示:打开文件失败
        {{"get", path("other.bin"), "30"}, "\xCC\xE1\xCA\xBE:\xB2\xBB\xCA\xC7"},  // 提示:不是
        {{"export", path("other.bin"), path("out")}, "\xCC\xE1\xCA\xBE:\xB2\xBB\xCA\xC7"},
    };
    for (const auto& c : cases) {
        const ProcessResult r = run_gbk(c.args);
        EXPECT_EQ(r.status, 1) << c.args[0];
        EXPECT_EQ(r.err.rfind(c.err, 0), 0u) << r.err;
    }
}

TEST_F(Cli, ExportWritesExactlyTheNamedFile) {
    const std::string file = write("NaviConfig.dll", long_chain_file());
    const ProcessResult r = run_gbk({"export", file, path("kld_dec")});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_FALSE(fs::exists(path("kld_dec.txt")));
    const std::string out = read("kld_dec");
    // 99,999 pairs of neighbouring units, less the two units at 9C70 and 9C72.
    ASSERT_EQ(out.size(), 4u + 99997u);
    EXPECT_EQ(out.substr(0, 4), std::string("\x9D\x86\x01\x00", 4));
    EXPECT_EQ(out.substr(4, 3), "\x01\x01\x01");

    // The window's export of the same file, through its save dialog, holds the same bytes.
    Harness window;
    intake_file(window.context, file);
    window.window.save_answer = path("window");
    export_decoded_content(window.context);
    EXPECT_EQ(read("window.txt"), out);

    EXPECT_EQ(run_gbk({"export", file, path("no such folder/out")}).status, 1);
    EXPECT_FALSE(fs::exists(path("no such folder")));
}

TEST_F(Cli, UsageErrorsExitWithTwo) {
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("AB")}));
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", file},
        {"list"},
        {"get", file},
        {"set", file, "30"},
        {"export", file},
        {"list", file, "extra"},
        {"--encoding", "latin1", "list", file},
        {"--encoding"},
        {"get", file, "30", "--ini", "x.ini"},
        {"--bogus", "list", file},
    };
    for (const auto& args : cases) {
        const ProcessResult r = run(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args);
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("tarvello-cli"), std::string::npos);
    }
    EXPECT_EQ(read("NaviConfig.dll"), config_file('\xBF', {chain("AB")}));
}

TEST_F(Cli, HelpAndVersion) {
    ProcessResult r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("list FILE"), std::string::npos);
    r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("tarvello-cli ", 0), 0u);
}

}  // namespace
