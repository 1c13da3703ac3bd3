// The command line itself: usage errors, help, version, options and standard output.
#include "cli_fixture.h"

namespace cli_test {
namespace {

TEST_F(Cli, UsageErrorsExitWithTwo) {
    const std::string file = write("NaviConfig.dll", two_record_config());
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"frobnicate", file},
        {"list"},
        {"get", file},
        {"set", file, "30"},
        {"export", file},
        {"restore"},
        {"restore", file, "extra"},
        {"diff"},
        {"diff", file, file, file},
        {"list", file, "extra"},
        {"--encoding", "latin1", "list", file},
        {"--encoding"},
        {"list", file, "--ini"},
        {"get", file, "30", "--ini", "x.ini"},
        {"set", "--json", file, "30", "x"},
        {"export", "--json", file, "out"},
        {"list", "--no-backup", file},
        {"diff", "--no-backup", file},
        {"--bogus", "list", file},
        {"set", file, "30", "-5"},  // an option, unless after "--"
    };
    for (const auto& args : cases) {
        SCOPED_TRACE(testing::PrintToString(args));
        const ProcessResult r = run(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err.rfind("tarvello-cli: ", 0), 0u) << r.err;
    }
    EXPECT_EQ(read("NaviConfig.dll"), two_record_config());
    EXPECT_FALSE(exists("NaviConfig.dll.bak"));
    EXPECT_FALSE(exists("out"));
}

TEST_F(Cli, AValueMayBeginWithADashAfterTheEndOfOptions) {
    const std::string file = write("NaviConfig.dll", two_record_config());
    ProcessResult r = run_gbk({"set", "--no-backup", "--", file, "30", "-5"});
    EXPECT_EQ(r.status, 0) << r.err;
    r = run_gbk({"get", file, "30"});
    EXPECT_EQ(r.out, "-5\n");
}

TEST_F(Cli, HelpNamesEveryCommandOptionAndExitStatus) {
    const ProcessResult r = run({"--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    for (const char* word : {"list FILE", "get FILE OFFSET", "set [--no-backup] FILE OFFSET VALUE", "export FILE OUT",
                             "restore FILE", "diff A [B]", "--ini PATH", "--json", "--encoding utf8|gbk", "--help",
                             "--version"}) {
        EXPECT_NE(r.out.find(word), std::string::npos) << word;
    }
}

TEST_F(Cli, VersionNamesTheProgram) {
    const ProcessResult r = run({"--version"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind("tarvello-cli ", 0), 0u);
}

#ifndef _WIN32
// A listing cut short by a full disk must not pass for a whole one.
TEST_F(Cli, OutputThatCannotBeWrittenIsAFailure) {
    const std::string a = write("a.dll", two_record_config());
    write("a.dll.bak", config_file('\xBF', {chain("AB"), chain("XY")}));
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {{"list", a}, 1},
        {{"get", a, "30"}, 1},
        {{"list", "--json", a}, 1},
        {{"diff", a}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.args));
        const ProcessResult r = run(c.args, {.stdout_path = "/dev/full"});
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err, u8(u8"提示:输出写入失败!") + "\n");
    }
}
#endif

}  // namespace
}  // namespace cli_test
