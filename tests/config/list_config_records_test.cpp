#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "config/file_session.h"
#include "config/intake_file.h"
#include "config/list_config_records.h"
#include "config/messages.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

class Listing : public testing::Test {
protected:
    // Lists the bytes as a configuration file, the way the intake hands one over.
    void list(const std::string& bytes) {
        ASSERT_TRUE(h.session.file.open_existing(dir.write("NaviConfig.dll", bytes)));
        h.session.file.seek(0);
        h.session.header_hex.clear();
        for (const unsigned char b : bytes.substr(0, 5)) h.session.header_hex += unit_text(b);
        h.session.kind = kKindConfig;
        list_config_records(h.context);
    }

    TempDir dir;
    Harness h;
};

TEST_F(Listing, FullFileListsSlotsZeroTo190WithTheirAddressesAndValues) {
    h.window.focused = Control::EditBox1;
    list(numbered_config_file('\xBF', 300));

    ASSERT_EQ(h.window.row_count(), 191);
    const auto addresses = h.window.column(0);
    EXPECT_EQ(addresses[0], "30");
    EXPECT_EQ(addresses[1], "D0");
    EXPECT_EQ(addresses[2], "170");
    EXPECT_EQ(addresses[190], "76F0");
    for (int i = 0; i < 191; ++i) EXPECT_EQ(h.window.cell(i, 1), "slot " + std::to_string(i));
    EXPECT_EQ(h.window.events_let_run, 190);
    EXPECT_EQ(h.window.hint(), "\xCC\xE1\xCA\xBE:\xC7\xEB\xD4\xDA\xCF\xC2\xC3\xE6\xC1\xD0\xB1\xED\xD6\xD0\xB5\xE3\xBB\xF7\xD1\xA1\xC8\xA1\xCA\xFD\xBE\xDD!");
    EXPECT_EQ(h.window.focused, Control::ListView1);
    EXPECT_FALSE(h.session.busy);
    EXPECT_TRUE(h.session.is_open());
}

// The next slot is listed while the scan of the one just listed ended no later than
// 160 bytes before the end of the file. Slot 1 below holds "A": its scan ends at 212.
TEST_F(Listing, StopsOnWhereTheLastScanEnded) {
    const std::string two_slots = config_file('\xBF', {chain("first"), chain("A")});
    const struct {
        std::size_t length;
        int rows;
    } cases[] = {
        {100, 2},   // ends inside slot 0: slot 1 is listed empty
        {371, 2},
        {372, 3},   // slot 2 starts past the end and is listed empty
        {48 + 160 * 3, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        h.window.rows.clear();
        h.window.events_let_run = 0;
        std::string bytes = two_slots;
        bytes.resize(c.length, '\0');
        list(bytes);
        ASSERT_EQ(h.window.row_count(), c.rows);
        EXPECT_EQ(h.window.cell(0, 1), "first");
        EXPECT_EQ(h.window.cell(1, 1), c.length > 100 ? "A" : "");
        for (int row = 2; row < c.rows; ++row) EXPECT_EQ(h.window.cell(row, 1), "");
        EXPECT_EQ(h.window.events_let_run, c.rows - 1);
    }
}

TEST_F(Listing, FileEndingInsideSlotZeroListsTwoRows) {
    list(kSignature + '\xBF' + std::string(43, '\0') + chain("value cut by the end of the file").substr(0, 20));
    EXPECT_EQ(h.window.column(0), (std::vector<std::string>{"30", "D0"}));
    EXPECT_EQ(h.window.column(1), (std::vector<std::string>{"value cut", ""}));
}

TEST_F(Listing, DecodesTheEncodingsEdges) {
    list(config_file('\xBF', {
                                 "4182C4C4C4",
                                 std::string("\0" "4182C4C4", 9),
                                 "F03F3F",
                                 "00FFFF",
                                 "4a8b8B8B",
                                 "4a4A4A",
                                 chain("\xD6\xD0\xCE\xC4", 0xFE),
                                 chain("A"),
                             }));
    ASSERT_EQ(h.window.row_count(), 8);
    EXPECT_EQ(h.window.column(1), (std::vector<std::string>{"AB", "", "N", "\xFF", "A", "", "\xD6\xD0\xCE\xC4", "A"}));
}

TEST_F(Listing, ChainLongerThanASlotRunsOnAndTheNextSlotStillStartsAtItsOwnOffset) {
    std::string value;
    for (int i = 0; i < 100; ++i) value += static_cast<char>('a' + i % 26);
    const std::string long_chain = chain(value);  // 206 bytes from offset 48, past 208
    std::string bytes = kSignature + '\xBF' + std::string(43, '\0') + long_chain;
    bytes.resize(48 + 160 * 2, '\0');
    bytes += (chain("third") + std::string(160, '\0')).substr(0, 160);
    list(bytes);

    ASSERT_EQ(h.window.row_count(), 3);
    EXPECT_EQ(h.window.cell(0, 1), value);
    // Slot 1 begins at unit 80 of slot 0's chain: that unit is its seed.
    EXPECT_EQ(h.window.cell(1, 1), value.substr(80));
    EXPECT_EQ(h.window.cell(2, 1), "third");
}

TEST_F(Listing, MalformedSlotsEndTheirScansAndTheListing) {
    list(config_file('\xBF', {
                                 std::string("41828\0" "C4C4", 10),
                                 "4182\x1A" "C4C4",
                                 "4182C4",
                                 "ZZZZ",
                                 std::string(160, '\x1A'),
                             }));
    EXPECT_EQ(h.window.column(1), (std::vector<std::string>{"A", "A", "AB", "", "", ""}));

    std::mt19937 random(426);
    std::string noise(48 + 160 * 200, ' ');
    for (auto& b : noise) b = "0123456789ABCDEF\0\x1A"[random() % 18];
    h.window.rows.clear();
    list(kSignature + noise.substr(4));
    EXPECT_GE(h.window.row_count(), 2);
    EXPECT_LE(h.window.row_count(), 191);
    EXPECT_FALSE(h.session.busy);
}

TEST_F(Listing, DropsAndIconClicksDuringTheListingAreIgnored) {
    const std::string other = dir.write("other.dll", numbered_config_file('\xB4', 5));
    const std::string listed = numbered_config_file('\xBF', 191);
    h.window.open_answer = other;
    int busy_seen = 0;
    h.window.on_events = [&] {
        busy_seen += h.session.busy;
        on_files_dropped(h.context, other);
        on_icon_click(h.context);
    };
    intake_file(h.context, dir.write("NaviConfig.dll", listed));

    EXPECT_EQ(busy_seen, 190);
    EXPECT_FALSE(h.session.busy);
    EXPECT_EQ(h.session.path, dir.path("NaviConfig.dll"));
    ASSERT_EQ(h.window.row_count(), 191);
    for (int i = 0; i < 191; ++i) EXPECT_EQ(h.window.cell(i, 1), "slot " + std::to_string(i));
    EXPECT_EQ(h.session.header_hex, "1A673201BF");

    // Once the listing is over, the same events are handled again.
    h.window.on_events = nullptr;
    on_files_dropped(h.context, other);
    EXPECT_EQ(h.session.path, other);
    EXPECT_EQ(h.window.row_count(), 5);
}

}  // namespace
