// The Win32 halves of the platform layer: files by UTF-8 paths through the W functions,
// whole-file replacement, file identity, and the code page 936 conversions.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "platform/byte_file.h"
#include "platform/profile_file.h"
#include "platform/whole_file.h"
#include "platform/windows_text.h"
#include "wide_folder.h"

namespace {

TEST(Win32ByteFile, OpensOnlyWritableFilesByUnicodePath) {
    WideFolder folder;
    const std::string plain = folder.write("plain.bin", "0123456789");
    const std::string read_only = folder.write("ro.bin", "abc");
    SetFileAttributesW(utf8_to_wide(read_only).c_str(), FILE_ATTRIBUTE_READONLY);

    ByteFile file;
    EXPECT_FALSE(file.open_existing(read_only));
    EXPECT_FALSE(file.open_existing(folder.path()));
    EXPECT_FALSE(file.open_existing(folder.path("missing.bin")));
    EXPECT_FALSE(file.open_existing(""));

    ASSERT_TRUE(file.open_existing(plain));
    EXPECT_EQ(file.length(), 10);
    std::string got;
    EXPECT_EQ(file.read_at(8, 4, got), ByteFile::Read::ok);
    EXPECT_EQ(got, "89");
    EXPECT_TRUE(file.write_at(10, "AB"));
    EXPECT_TRUE(file.write_at(3, "x"));
    EXPECT_TRUE(file.flush());
    EXPECT_EQ(file.length(), 12);
    // Another handle's write is seen by the next read: nothing is cached.
    {
        const HANDLE other = CreateFileW(utf8_to_wide(plain).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                         nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(other, INVALID_HANDLE_VALUE);
        DWORD written = 0;
        WriteFile(other, "Q", 1, &written, nullptr);
        CloseHandle(other);
    }
    EXPECT_EQ(file.read_all(got), ByteFile::Read::ok);
    EXPECT_EQ(got, "Q12x456789AB");
    file.close();
    EXPECT_TRUE(file_exists(plain));
    EXPECT_TRUE(file_exists(folder.path()));
    EXPECT_FALSE(file_exists(folder.path("missing.bin")));
}

TEST(Win32WholeFile, ReplacesInOneStepAndRefusesReadOnlyTargets) {
    WideFolder folder;
    const std::string target = folder.write("out.txt", "old content");
    EXPECT_EQ(replace_file(target, "new"), ReplaceOutcome::done);
    EXPECT_EQ(folder.read("out.txt"), "new");
    EXPECT_EQ(replace_file(folder.path("fresh.txt"), "made"), ReplaceOutcome::done);
    EXPECT_EQ(folder.read("fresh.txt"), "made");

    const std::string read_only = folder.write("ro.txt", "keep");
    SetFileAttributesW(utf8_to_wide(read_only).c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(replace_file(read_only, "lost"), ReplaceOutcome::read_only);
    EXPECT_EQ(folder.read("ro.txt"), "keep");
    EXPECT_EQ(replace_file(folder.path("missing\\x.txt"), "x"), ReplaceOutcome::failed);

    EXPECT_EQ(create_file(target, "again"), CreateOutcome::exists);
    EXPECT_EQ(folder.read("out.txt"), "new");
    EXPECT_EQ(create_file(folder.path("backup.bak"), "first"), CreateOutcome::done);
    EXPECT_EQ(folder.read("backup.bak"), "first");
    EXPECT_EQ(folder.entries(), 4) << "no temporary file left behind";
}

TEST(Win32WholeFile, SameFileByIdentityWhateverTheSpelling) {
    WideFolder folder;
    const std::string file = folder.write("Config.dll", "x");
    const std::string other = folder.write("other.dll", "x");
    EXPECT_TRUE(same_file(file, file));
    EXPECT_TRUE(same_file(file, folder.path("CONFIG.DLL")));
    EXPECT_TRUE(same_file(file, folder.path(".\\Config.dll")));
    EXPECT_FALSE(same_file(file, other));
    EXPECT_FALSE(same_file(file, folder.path("missing.dll")));
}

TEST(Win32Text, Gbk936WhateverTheSystemCodePage) {
    EXPECT_EQ(gbk_to_wide("\xD6\xD0\xCE\xC4"), L"\x4E2D\x6587");  // 中文
    std::string gbk;
    EXPECT_TRUE(wide_to_gbk(L"\x4E2D\x6587", gbk));
    EXPECT_EQ(gbk, "\xD6\xD0\xCE\xC4");
    // No GBK form: refused, never replaced by a look-alike.
    EXPECT_FALSE(wide_to_gbk(L"\xD55C", gbk));               // 한
    EXPECT_FALSE(wide_to_gbk(L"\xD83D\xDE00", gbk));         // 😀
    EXPECT_EQ(wide_to_utf8(utf8_to_wide("\xCE\xA9m\xC3\xA9ga")), "\xCE\xA9m\xC3\xA9ga");
}

}  // namespace

namespace {

// ziz_ivi.ini as the Windows profile API reads and writes it under code page 936, the
// only code page under which it reads this GBK file right: our own reader and writer must
// agree with it there, and stay byte for byte the same under every other code page.
struct ProfileCase {
    const char* name;
    std::string bytes;
    std::string section, key;
    std::string written;  // the file after the key is set to 是 (CA C7)
    // The API rewrites the whole file (section headers, blanks, line ends); where it does,
    // ours changes the key's line alone.
    bool as_the_api;
};

const ProfileCase kProfileCases[] = {
    {"plain", "[C-PND]\r\n30=\xBF\xAA\xBB\xFA\r\n", "C-PND", "30", "[C-PND]\r\n30=\xCA\xC7\r\n", true},
    {"names in another case", "[c-pnd]\r\nAb=1\r\n", "C-PND", "aB", "[c-pnd]\r\nAb=\xCA\xC7\r\n", true},
    {"blanks around names and values", "  [ C-Car ]  \r\n  D0 =  \xD6\xD0\xCE\xC4  \r\n", "C-Car", "D0",
     "  [ C-Car ]  \r\nD0=\xCA\xC7\r\n", false},
    {"first of duplicate keys", "[S]\r\nk=first\r\nk=second\r\n", "S", "k", "[S]\r\nk=\xCA\xC7\r\nk=second\r\n", true},
    {"quoted value", "[S]\r\nk=\"quoted\"\r\n", "S", "k", "[S]\r\nk=\xCA\xC7\r\n", true},
    {"missing key", "[S]\r\nother=1\r\n", "S", "k", "[S]\r\nother=1\r\nk=\xCA\xC7\r\n", true},
    {"missing key before a blank line", "[S]\r\nother=1\r\n\r\n[T]\r\n", "S", "k",
     "[S]\r\nother=1\r\nk=\xCA\xC7\r\n\r\n[T]\r\n", false},
    {"missing section", "[T]\r\nk=1\r\n", "S", "k", "[T]\r\nk=1\r\n[S]\r\nk=\xCA\xC7\r\n", true},
    {"chinese section", "[\xB3\xCC\xD0\xF2\xC9\xE8\xD6\xC3]\r\n\xCA\xC7\xB7\xF1=\xB7\xF1\r\n",
     "\xB3\xCC\xD0\xF2\xC9\xE8\xD6\xC3", "\xCA\xC7\xB7\xF1",
     "[\xB3\xCC\xD0\xF2\xC9\xE8\xD6\xC3]\r\n\xCA\xC7\xB7\xF1=\xCA\xC7\r\n", true},
    {"comments and bytes that are no GBK stay", "; \x81\x20\r\n[S]\r\nk=v\r\n", "S", "k",
     "; \x81\x20\r\n[S]\r\nk=\xCA\xC7\r\n", false},
    {"LF line ends", "[S]\nk=v\n", "S", "k", "[S]\nk=\xCA\xC7\n", false},
    {"no line end at the end", "[S]\r\nk=v", "S", "k", "[S]\r\nk=\xCA\xC7", false},
};

std::string api_read(const std::string& file, const std::string& section, const std::string& key) {
    char value[10240] = {};
    const DWORD n = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, sizeof value, file.c_str());
    return std::string(value, n);
}

class ProfileAgainstTheApi : public testing::Test {
protected:
    void SetUp() override {
        if (GetACP() != kGbkCodePage) GTEST_SKIP() << "the profile API reads this file right only under code page 936";
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        file_ = std::string(base) + "tarvello-profile-" + std::to_string(GetCurrentProcessId()) + ".ini";
    }
    void TearDown() override { DeleteFileA(file_.c_str()); }
    void put(const std::string& bytes) {
        std::ofstream(file_, std::ios::binary | std::ios::trunc) << bytes;
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str());  // drops the API's cache
    }
    std::string bytes() const {
        std::ifstream in(file_, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    std::string file_;
};

TEST_F(ProfileAgainstTheApi, ReadsWhatTheApiReads) {
    ProfileFile ours;
    for (const ProfileCase& c : kProfileCases) {
        SCOPED_TRACE(c.name);
        put(c.bytes);
        EXPECT_EQ(ours.read(file_, c.section, c.key), api_read(file_, c.section, c.key));
    }
}

TEST_F(ProfileAgainstTheApi, WritesTheKeysLineAsTheApiDoesAndKeepsTheRest) {
    for (const ProfileCase& c : kProfileCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(with_profile_value(c.bytes, c.section, c.key, "\xCA\xC7"), c.written);
        if (!c.as_the_api) continue;
        put(c.bytes);
        WritePrivateProfileStringA(c.section.c_str(), c.key.c_str(), "\xCA\xC7", file_.c_str());
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, file_.c_str());
        EXPECT_EQ(bytes(), c.written) << "the API itself";
    }
}

}  // namespace
