#include "numeric/ascii_case.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SameIgnoringAsciiCase, FoldsAsciiLettersOnly) {
    // 丄 is 81 41 and 乤 is 81 61: folding the trail byte would make them one character.
    const struct {
        std::string a;
        std::string b;
        bool same;
    } cases[] = {
        {"", "", true},
        {"c-pnd", "C-PND", true},
        {"3f0", "3F0", true},
        {"D0", "D0 ", false},
        {"D0", "D1", false},
        {"[", "{", false},   // 5B and 7B are no letters
        {"@", "`", false},
        {"\x81\x41", "\x81\x61", false},
        {"\x81\x41", "\x81\x41", true},
        {"\x81\x41x", "\x81\x41X", true},
        {"界面位置x", "界面位置X", true},
        {"\xC0\xE0", "\xC0\xC0", false},  // bytes above 7F are never folded
        {"a\x81", "A\x81", true},         // a lead byte cut off by the end
        {"a\x81", "A\x82", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(same_ignoring_ascii_case(c.a, c.b), c.same) << c.a << " / " << c.b;
        EXPECT_EQ(same_ignoring_ascii_case(c.b, c.a), c.same) << c.b << " / " << c.a;
    }
}

}  // namespace
