#include "platform/profile_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cctype>
#include <set>
#include <string>

#include "numeric/hex_helpers.h"
#include "tests/support/temp_file.h"

namespace {

struct ProfileCase {
    const char* name;
    std::string ini;
    std::string section;
    std::string key;
    std::string value;
};

// Names in GBK: 丄 is 81 41 and 乤 is 81 61, two characters whose trail bytes look like A
// and a; 乚 is 81 5D, a trail byte that looks like ']'.
const std::string kShang = "\x81\x41";
const std::string kLowerLooking = "\x81\x61";
const std::string kBracketTrail = "\x81\x5D";

const ProfileCase kCases[] = {
    {"plain", "[C-PND]\nD0=value\n", "C-PND", "D0", "value"},
    {"no end of line at the end", "[C-PND]\nD0=value", "C-PND", "D0", "value"},
    {"CR LF lines", "[C-PND]\r\nD0=value\r\n30=x\r\n", "C-PND", "D0", "value"},
    {"section and key in another case", "[c-pnd]\nd0=v\n", "C-PND", "D0", "v"},
    {"asked in another case", "[C-Car]\n3F0=v\n", "c-car", "3f0", "v"},
    {"the first of duplicate keys", "[S]\nk=1\nk=2\n", "S", "k", "1"},
    {"duplicate keys in other cases", "[S]\nK=1\nk=2\n", "S", "k", "1"},
    {"another section's key", "[A]\nk=1\n[B]\nj=2\n", "B", "k", ""},
    {"a key before any section", "k=1\n[S]\nj=2\n", "S", "k", ""},
    {"the key in the later section", "[A]\nj=1\n[S]\nk=2\n", "S", "k", "2"},
    {"blanks around names and values", "  [ S ]  \n\t k \t=  v v \t\n", "S", "k", "v v"},
    {"asked with blanks", "[S]\nk=v\n", " S ", " k ", "v"},
    {"a line without =", "[S]\nk\nk=v\n", "S", "k", "v"},
    {"= inside the value", "[S]\nk=a=b\n", "S", "k", "a=b"},
    {"empty value", "[S]\nk=\nk=later\n", "S", "k", ""},
    {"double quotes", "[S]\nk=\"quoted\"\n", "S", "k", "quoted"},
    {"single quotes", "[S]\nk='quoted'\n", "S", "k", "quoted"},
    {"blanks inside quotes stay", "[S]\nk=\"  v  \"\n", "S", "k", "  v  "},
    {"one pair only", "[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
    {"unbalanced quotes stay", "[S]\nk=\"v\n", "S", "k", "\"v"},
    {"mixed quotes stay", "[S]\nk=\"v'\n", "S", "k", "\"v'"},
    {"empty quotes", "[S]\nk=\"\"\n", "S", "k", ""},
    {"a lone quote", "[S]\nk=\"\n", "S", "k", "\""},
    {"no section asked", "[S]\nk=v\n", "", "k", ""},
    {"no key asked", "[S]\n=v\n", "S", "", ""},
    {"GBK names", "[程序设置]\n是否总在最前面=否\n", "程序设置", "是否总在最前面", "否"},
    {"GBK and ASCII in one name", "[程序设置]\n界面位置X=120\n", "程序设置", "界面位置x", "120"},
    {"a trail byte is no letter", "[" + kShang + "]\nk=v\n", kLowerLooking, "k", ""},
    {"a trail byte keeps its case", "[S]\n" + kShang + "=v\n", "S", kLowerLooking, ""},
    {"the same GBK name", "[" + kLowerLooking + "]\n" + kShang + "=v\n", kLowerLooking, kShang, "v"},
    {"a trail byte that looks like ]", "[" + kBracketTrail + "]\nk=v\n", kBracketTrail, "k", "v"},
    {"a trail byte like ] inside a name", "[A" + kBracketTrail + "B]\nk=v\n", "A" + kBracketTrail + "B", "k", "v"},
};

void PrintTo(const ProfileCase& c, std::ostream* out) { *out << c.name; }

class ProfileFileRead : public testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileFileRead, ReadsAsTheProfileApi) {
    const ProfileCase& c = GetParam();
    TempDir dir;
    ProfileFile profile;
    EXPECT_EQ(profile.read(dir.write("ziz_ivi.ini", c.ini), c.section, c.key), c.value)
        << bytes_to_hex(c.section) << " " << bytes_to_hex(c.key);
}

INSTANTIATE_TEST_SUITE_P(Cases, ProfileFileRead, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(ProfileFileRead, ValuesAreCutTo10239Bytes) {
    TempDir dir;
    ProfileFile profile;
    for (const std::size_t size : {std::size_t{10238}, std::size_t{10239}, std::size_t{10240}, std::size_t{50000}}) {
        const std::string value(size, 'v');
        const std::string ini = dir.write("ziz_ivi.ini", "[S]\nk=" + value + "\nnext=1\n");
        EXPECT_EQ(profile.read(ini, "S", "k"), value.substr(0, 10239)) << size;
        EXPECT_EQ(profile.read(ini, "S", "next"), "1") << size;
    }
}

struct SetCase {
    const char* name;
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

void PrintTo(const SetCase& c, std::ostream* out) { *out << c.name; }

// Every byte but the key's line stays as it was: comments, blank lines, other keys' spelling.
const SetCase kSetCases[] = {
    {"replaces the key's line, its line end kept", "[S]\r\nk=old\r\nj=1\r\n", "S", "k", "new",
     "[S]\r\nk=new\r\nj=1\r\n"},
    // The key keeps its own spelling, as the profile API keeps it.
    {"a key in another case", "[s]\nK = old  \nj=1\n", "S", "k", "new", "[s]\nK=new\nj=1\n"},
    {"only the first of duplicate keys", "[S]\nk=1\nk=2\n", "S", "k", "3", "[S]\nk=3\nk=2\n"},
    {"the key of the asked section only", "[A]\nk=a\n[S]\nk=s\n", "S", "k", "new", "[A]\nk=a\n[S]\nk=new\n"},
    {"a missing key after the section's last line", "[S]\nj=1\n\n[T]\nx=2\n", "S", "k", "v",
     "[S]\nj=1\nk=v\n\n[T]\nx=2\n"},
    {"a missing key in an empty section", "[S]\n[T]\n", "S", "k", "v", "[S]\nk=v\n[T]\n"},
    {"a missing key in a last section without line end", "[S]\nj=1", "S", "k", "v", "[S]\nj=1\nk=v\n"},
    {"a missing section at the end", "; note\r\n[T]\r\nx=2\r\n", "S", "k", "v",
     "; note\r\n[T]\r\nx=2\r\n[S]\r\nk=v\r\n"},
    {"a missing section after a last line without end", "[T]\nx=2", "S", "k", "v", "[T]\nx=2\n[S]\nk=v\n"},
    {"an empty file", "", "S", "k", "v", "[S]\r\nk=v\r\n"},
    {"GBK names", "[程序设置]\r\n是否总在最前面=是\r\n", "程序设置", "是否总在最前面", "否",
     "[程序设置]\r\n是否总在最前面=否\r\n"},
    {"a trail byte is no letter", "[S]\n" + kShang + "=1\n", "S", kLowerLooking, "2",
     "[S]\n" + kShang + "=1\n" + kLowerLooking + "=2\n"},
    {"a trail byte that looks like ]", "[" + kBracketTrail + "]\nk=1\n", kBracketTrail, "k", "2",
     "[" + kBracketTrail + "]\nk=2\n"},
};

class WithProfileValue : public testing::TestWithParam<SetCase> {};

TEST_P(WithProfileValue, ChangesTheKeysLineOnly) {
    const SetCase& c = GetParam();
    const std::string after = with_profile_value(c.before, c.section, c.key, c.value);
    EXPECT_EQ(after, c.after);
    // What was set reads back.
    TempDir dir;
    EXPECT_EQ(ProfileFile().read(dir.write("ziz_ivi.ini", after), c.section, c.key), c.value);
}

INSTANTIATE_TEST_SUITE_P(Cases, WithProfileValue, testing::ValuesIn(kSetCases), [](const auto& info) {
    std::string name;
    for (const char c : std::string(info.param.name)) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
});

TEST(WriteProfileValues, SetsEveryKeyInOneStep) {
    TempDir dir;
    const std::string ini = dir.write("ziz_ivi.ini", "[C-PND]\r\n30=comment\r\n[程序设置]\r\n界面位置X=1\r\n");
    ASSERT_EQ(::chmod(ini.c_str(), 0640), 0);
    EXPECT_TRUE(write_profile_values(ini, "程序设置", {{"界面位置X", "120"}, {"界面位置Y", "80"}}));
    EXPECT_EQ(read_file(ini), "[C-PND]\r\n30=comment\r\n[程序设置]\r\n界面位置X=120\r\n界面位置Y=80\r\n");
    EXPECT_EQ(mode_of(ini), 0640u);
    EXPECT_EQ(dir.names(), std::set<std::string>{"ziz_ivi.ini"});

    ASSERT_EQ(::chmod(ini.c_str(), 0444), 0);
    EXPECT_FALSE(write_profile_values(ini, "程序设置", {{"界面位置X", "0"}}));
    EXPECT_EQ(read_file(ini), "[C-PND]\r\n30=comment\r\n[程序设置]\r\n界面位置X=120\r\n界面位置Y=80\r\n");
}

TEST(ProfileFileRead, MissingFileOrFolderGivesNothing) {
    TempDir dir;
    ProfileFile profile;
    EXPECT_EQ(profile.read(dir.path("ziz_ivi.ini"), "S", "k"), "");
    EXPECT_EQ(profile.read(dir.folder(), "S", "k"), "");
}

}  // namespace
