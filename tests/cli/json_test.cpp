// --json: one UTF-8 document, whatever the terminal's encoding, read back here by a parser.
#include <nlohmann/json.hpp>

#include "cli_fixture.h"

namespace cli_test {
namespace {

using Json = nlohmann::json;

Json parsed(const ProcessResult& r) {
    EXPECT_EQ(r.err, "");
    return Json::parse(r.out);
}

TEST_F(Cli, ListAsJson) {
    // 81 20 is no GBK text: the text cannot be exact, so the bytes come too.
    const std::string file = write("NaviConfig.dll", config_file('\xBF', {chain("AB"), chain(kGbkChinese), chain("\x81\x20")}));
    write("ziz_ivi.ini", "[C-PND]\r\n30=" + kGbkNote + "\r\n");
    const ProcessResult r = run_gbk({"list", file, "--json", "--ini", path("ziz_ivi.ini")});
    EXPECT_EQ(r.status, 0);
    const Json expected = {
        {"kind", "config"},
        {"edition", "C-PND"},
        {"records",
         {
             {{"address", "30"}, {"value", "AB"}, {"comment", u8(u8"注释")}},
             {{"address", "D0"}, {"value", u8(u8"中文")}, {"comment", ""}},
             {{"address", "170"}, {"value", u8(u8"\uFFFD ")}, {"value_hex", "8120"}, {"comment", ""}},
         }},
    };
    EXPECT_EQ(parsed(r), expected);
}

TEST_F(Cli, ModuleListAsJson) {
    const std::string file = write("navione.dll", module_bytes(kRate9600));
    const ProcessResult r = run_utf8({"list", "--json", file});
    EXPECT_EQ(r.status, 0);
    const Json expected = {
        {"kind", "module"},
        {"records", {{{"address", "40"}, {"value", "COM3:"}}, {{"address", "5D"}, {"value", "9600"}}}},
    };
    EXPECT_EQ(parsed(r), expected);
}

TEST_F(Cli, GetAsJson) {
    const std::string file = write("NaviConfig.dll", config_file('\xB4', {chain("AB"), chain(kGbkChinese)}));
    const ProcessResult r = run_gbk({"get", "--json", file, "d0"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(parsed(r), (Json{{"address", "D0"}, {"value", u8(u8"中文")}}));
}

TEST_F(Cli, DiffAsJson) {
    const std::string a = write("a.dll", config_file('\xBF', {chain("AB"), chain("CD"), chain("EF")}));
    write("a.dll.bak", config_file('\xBF', {chain("AB"), chain("\x81\x20")}));
    const ProcessResult r = run_utf8({"diff", a, "--json"});
    EXPECT_EQ(r.status, 1);
    const Json expected = {
        {"kind", "config"},
        {"a", a},
        {"b", a + ".bak"},
        {"differences",
         {
             {{"address", "D0"}, {"value_a", "CD"}, {"value_b", u8(u8"\uFFFD ")}, {"value_b_hex", "8120"}},
             {{"address", "170"}, {"value_a", "EF"}, {"value_b", nullptr}},
         }},
    };
    EXPECT_EQ(parsed(r), expected);
}

}  // namespace
}  // namespace cli_test
