#include "format/module_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/byte_file.h"
#include "tests/support/temp_file.h"

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;
using Texts = std::vector<std::pair<std::int64_t, std::string>>;
// STRB R7, [SP, #40]; CMP R3, #0: eight bytes, two of them zero.
const std::string kAnchor("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8);

class ModuleScan : public testing::Test {
protected:
    // A 3 MiB module of zero bytes with texts written at the given offsets.
    const ByteFile& module_with(const Texts& texts) {
        std::string bytes(3 * kMiB, '\0');
        for (const auto& [at, text] : texts) bytes.replace(static_cast<std::size_t>(at), text.size(), text);
        EXPECT_TRUE(file.open_existing(dir.write("navione.dll", bytes)));
        return file;
    }
    PortText port_of(const ByteFile& f) {
        PortText port;
        EXPECT_EQ(find_port_text(f, port), Scan::ok);
        return port;
    }
    std::int64_t rate_offset_of(const ByteFile& f) {
        std::int64_t offset = -2;
        EXPECT_EQ(find_rate_offset(f, offset), Scan::ok);
        return offset;
    }

    TempDir dir;
    ByteFile file;
};

// The first chunk ends 1 MiB after offset 5: a text that straddles that edge must be found
// whichever of its bytes fall on either side.
TEST_F(ModuleScan, FindsPortAndAnchorAcrossAChunkEdge) {
    for (std::int64_t at = kMiB - 10; at <= kMiB + 10; ++at) {
        SCOPED_TRACE(at);
        const PortText port = port_of(module_with({{at, "COM7:"}}));
        EXPECT_EQ(port.digit, 7);
        EXPECT_EQ(port.offset, at);
        EXPECT_EQ(rate_offset_of(module_with({{at, kAnchor}})), at + kRateAfterAnchor);
    }
}

TEST_F(ModuleScan, PortIsTheLowestDigitAtItsFirstOccurrence) {
    const struct {
        const char* name;
        Texts texts;
        int digit;
        std::int64_t offset;
    } cases[] = {
        {"lower digits later, COM1: at the very end",
         {{100, "COM3:"}, {200, "COM2:"}, {kMiB * 2, "COM2:"}, {kMiB * 2 + 50, "COM9:"}, {kMiB * 3 - 5, "COM1:"}}, 1,
         3 * kMiB - 5},
        {"near misses and the header are not ports",
         {{3, "COM1:"}, {40, "COM0:"}, {50, "COM4"}, {60, "COMA:"}, {70, "COM8;"}, {80, "COMCOM6:"}, {90, "com2:"}}, 6,
         83},
        {"from offset 5 on", {{5, "COM8:"}}, 8, 5},
        {"none", {{0, "COM1:"}, {kMiB * 3 - 4, "COM1"}}, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PortText port = port_of(module_with(c.texts));
        EXPECT_EQ(port.digit, c.digit);
        EXPECT_EQ(port.offset, c.offset);
    }
}

TEST_F(ModuleScan, RateIsAfterTheFirstAnchorFromOffset5) {
    const struct {
        const char* name;
        Texts texts;
        std::int64_t offset;
    } cases[] = {
        {"first of several", {{10, kAnchor}, {2 * kMiB + 3, kAnchor}}, 10 + kRateAfterAnchor},
        {"at offset 5", {{5, kAnchor}}, 5 + kRateAfterAnchor},
        {"in the first five bytes it is not seen", {{0, kAnchor}}, -1},
        {"cut by the end", {{3 * kMiB - 7, kAnchor.substr(0, 7)}}, -1},
        {"right at the end", {{3 * kMiB - 8, kAnchor}}, 3 * kMiB},
        {"none", {}, -1},
        // The STRB alone is common in ARM code; only the two instructions together mark the MOV.
        {"STRB without the CMP", {{10, kAnchor.substr(0, 4) + "\x11\x11\x11\x11"}, {100, kAnchor}}, 100 + kRateAfterAnchor},
        {"the anchor less its last byte", {{10, kAnchor.substr(0, 7) + "\x11"}}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(rate_offset_of(module_with(c.texts)), c.offset);
    }
}

TEST(Rates, TextAndEncodingFindEachOther) {
    for (const Rate& rate : kRates) {
        ASSERT_EQ(rate_by_text(rate.text), &rate);
        ASSERT_EQ(rate_by_encoding(rate.encoding), &rate);
    }
    for (const char* text : {"", "9601", "09600", "9600 ", " 9600", "1200"}) EXPECT_EQ(rate_by_text(text), nullptr) << text;
    EXPECT_EQ(rate_by_encoding(std::string("\x4B\x0E\xA0", 3)), nullptr);
    EXPECT_EQ(rate_by_encoding(std::string("\x4B\x0D", 2)), nullptr);
}

}  // namespace
