#include <gtest/gtest.h>

#include <string>

#include "config/byte_file.h"
#include "config/find_in_file.h"
#include "config/find_port_text.h"
#include "tests/support/temp_file.h"

namespace {

constexpr std::int64_t kMiB = 1024 * 1024;

class ChunkedSearch : public testing::Test {
protected:
    // A 3 MiB file of zero bytes with text written at the given offsets.
    ByteFile& file_with(std::initializer_list<std::pair<std::int64_t, std::string>> texts) {
        std::string bytes(3 * kMiB, '\0');
        for (const auto& [at, text] : texts) bytes.replace(static_cast<std::size_t>(at), text.size(), text);
        EXPECT_TRUE(file.open_existing(dir.write("navione.dll", bytes)));
        return file;
    }

    TempDir dir;
    ByteFile file;
};

// The first chunk ends 1 MiB after the start of the search (0 or 5 here): a pattern that straddles
// that edge must be found whichever of its bytes fall on either side.
TEST_F(ChunkedSearch, FindsAPatternAcrossAChunkEdge) {
    for (std::int64_t at = kMiB - 6; at <= kMiB + 6; ++at) {
        SCOPED_TRACE(at);
        file_with({{at, "COM7:"}});
        EXPECT_EQ(find_in_file(file, 0, "COM7:"), at);
        EXPECT_EQ(find_in_file(file, 5, "COM7:"), at);
        const PortText port = find_port_text(file, 5);
        EXPECT_EQ(port.digit, 7);
        EXPECT_EQ(port.offset, at);
    }
}

TEST_F(ChunkedSearch, FindsTheFirstOccurrenceAtOrAfterTheStart) {
    file_with({{10, "anchor"}, {2 * kMiB + 3, "anchor"}, {3 * kMiB - 6, "anchor"}});
    EXPECT_EQ(find_in_file(file, 0, "anchor"), 10);
    EXPECT_EQ(find_in_file(file, 10, "anchor"), 10);
    EXPECT_EQ(find_in_file(file, 11, "anchor"), 2 * kMiB + 3);
    EXPECT_EQ(find_in_file(file, 2 * kMiB + 4, "anchor"), 3 * kMiB - 6);
    EXPECT_EQ(find_in_file(file, 3 * kMiB - 5, "anchor"), -1);
    EXPECT_EQ(find_in_file(file, 0, "absent"), -1);
    EXPECT_EQ(find_in_file(file, 4 * kMiB, "anchor"), -1);
    EXPECT_EQ(find_in_file(file, 0, ""), -1);
}

TEST_F(ChunkedSearch, PortIsTheLowestDigitAtItsFirstOccurrence) {
    file_with({{100, "COM3:"}, {200, "COM2:"}, {kMiB * 2, "COM2:"}, {kMiB * 2 + 50, "COM9:"}, {kMiB * 3 - 5, "COM1:"}});
    PortText port = find_port_text(file, 5);
    EXPECT_EQ(port.digit, 1);
    EXPECT_EQ(port.offset, 3 * kMiB - 5);

    file_with({{3, "COM1:"}, {40, "COM0:"}, {50, "COM4"}, {60, "COMA:"}, {70, "COM8;"}, {80, "COMCOM6:"}, {90, "com2:"}});
    port = find_port_text(file, 5);
    EXPECT_EQ(port.digit, 6);
    EXPECT_EQ(port.offset, 83);
    EXPECT_EQ(find_port_text(file, 84).digit, 0);
}

}  // namespace
