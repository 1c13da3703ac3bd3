#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

using Column = std::vector<std::string>;

class Listing : public testing::Test {
protected:
    void list(const std::string& bytes) {
        h.view.events_let_run = 0;
        take_in_file(h.form, dir.write("NaviConfig.dll", bytes));
        ASSERT_EQ(h.form.file.kind, FileKind::config);
    }

    TempDir dir;
    Harness h;
};

TEST_F(Listing, FullFileListsSlotsZeroTo190WithTheirAddressesAndValues) {
    h.view.focused = ControlId::value_box;
    list(numbered_config_file('\xBF', 300));

    ASSERT_EQ(h.view.row_count(), 191);
    const auto addresses = h.view.column(0);
    EXPECT_EQ(addresses[0], "30");
    EXPECT_EQ(addresses[1], "D0");
    EXPECT_EQ(addresses[2], "170");
    EXPECT_EQ(addresses[190], "76F0");
    for (int i = 0; i < 191; ++i) EXPECT_EQ(h.view.cell(i, 1), "slot " + std::to_string(i));
    EXPECT_EQ(h.view.events_let_run, 190);
    EXPECT_EQ(h.view.hint(), "\xCC\xE1\xCA\xBE:\xC7\xEB\xD4\xDA\xCF\xC2\xC3\xE6\xC1\xD0\xB1\xED\xD6\xD0\xB5\xE3\xBB\xF7\xD1\xA1\xC8\xA1\xCA\xFD\xBE\xDD!");
    EXPECT_EQ(h.view.focused, ControlId::record_list);
    EXPECT_FALSE(h.form.busy);
    EXPECT_TRUE(h.form.file.is_open());
}

// The next slot is listed while the decode of the one just listed ended no later than
// 160 bytes before the end of the file. Slot 1 below holds "A": its decode ends at 212.
TEST_F(Listing, StopsOnWhereTheLastDecodeEnded) {
    const std::string two_slots = config_file('\xBF', {chain("first"), chain("A")});
    const struct {
        std::size_t length;
        int rows;
    } cases[] = {
        {100, 2},  // ends inside slot 0: slot 1 is listed empty
        {371, 2},
        {372, 3},  // slot 2 starts past the end and is listed empty
        {48 + 160 * 3, 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        std::string bytes = two_slots;
        bytes.resize(c.length, '\0');
        list(bytes);
        ASSERT_EQ(h.view.row_count(), c.rows);
        EXPECT_EQ(h.view.cell(0, 1), "first");
        EXPECT_EQ(h.view.cell(1, 1), c.length > 100 ? "A" : "");
        for (int row = 2; row < c.rows; ++row) EXPECT_EQ(h.view.cell(row, 1), "");
        EXPECT_EQ(h.view.events_let_run, c.rows - 1);
    }
}

TEST_F(Listing, FileEndingInsideSlotZeroListsTwoRows) {
    list(kSignature + '\xBF' + std::string(43, '\0') + chain("value cut by the end of the file").substr(0, 20));
    EXPECT_EQ(h.view.column(0), (Column{"30", "D0"}));
    EXPECT_EQ(h.view.column(1), (Column{"value cut", ""}));
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
    ASSERT_EQ(h.view.row_count(), 8);
    EXPECT_EQ(h.view.column(1), (Column{"AB", "", "N", "\xFF", "A", "", "\xD6\xD0\xCE\xC4", "A"}));
}

// Units are compared as they read: "4a" and "4A" are the same unit and end slot 1's value
// there. Were they taken for two, the decode would run on to the end of the file, and the
// listing would stop before slot 2.
TEST_F(Listing, ALowerCaseUnitAndItsUpperCaseTwinEndAValue) {
    std::string rising;  // units that never repeat: 10, 11, 12 ...
    for (int unit = 0x10; unit < 0x10 + 158; ++unit) rising += unit_text(unit);
    std::string bytes = config_file('\xBF', {chain("first"), "4a4A" + rising.substr(0, 156), rising.substr(156)});
    list(bytes);
    ASSERT_EQ(h.view.row_count(), 3);
    EXPECT_EQ(h.view.cell(1, 1), "");
    EXPECT_EQ(h.view.cell(2, 1), std::string(79, '\x01'));
}

TEST_F(Listing, ChainLongerThanASlotRunsOnAndTheNextSlotStillStartsAtItsOwnOffset) {
    std::string value;
    for (int i = 0; i < 100; ++i) value += static_cast<char>('a' + i % 26);
    const std::string long_chain = chain(value);  // 206 bytes from offset 48, past 208
    std::string bytes = kSignature + '\xBF' + std::string(43, '\0') + long_chain;
    bytes.resize(48 + 160 * 2, '\0');
    bytes += (chain("third") + std::string(160, '\0')).substr(0, 160);
    list(bytes);

    ASSERT_EQ(h.view.row_count(), 3);
    EXPECT_EQ(h.view.cell(0, 1), value);
    // Slot 1 begins at unit 80 of slot 0's chain: that unit is its seed.
    EXPECT_EQ(h.view.cell(1, 1), value.substr(80));
    EXPECT_EQ(h.view.cell(2, 1), "third");
}

TEST_F(Listing, MalformedSlotsEndTheirDecodesAndTheListing) {
    list(config_file('\xBF', {
                                 std::string("41828\0" "C4C4", 10),
                                 "4182\x1A" "C4C4",
                                 "4182C4",
                                 "ZZZZ",
                                 std::string(160, '\x1A'),
                             }));
    EXPECT_EQ(h.view.column(1), (Column{"A", "A", "AB", "", "", ""}));

    std::mt19937 random(426);
    std::string noise(48 + 160 * 200, ' ');
    for (auto& b : noise) b = "0123456789ABCDEF\0\x1A"[random() % 18];
    list(kSignature + noise.substr(4));
    EXPECT_GE(h.view.row_count(), 2);
    EXPECT_LE(h.view.row_count(), 191);
    EXPECT_FALSE(h.form.busy);
}

TEST_F(Listing, DropsAndIconClicksDuringTheListingAreIgnored) {
    const std::string other = dir.write("other.dll", numbered_config_file('\xB4', 5));
    const std::string listed = numbered_config_file('\xBF', 191);
    h.view.open_answer = other;
    int busy_seen = 0;
    h.view.on_events = [&] {
        busy_seen += h.form.busy;
        on_files_dropped(h.form, other);
        on_icon_click(h.form);
    };
    h.view.set_text(ControlId::hint_line, "");
    list(listed);

    EXPECT_EQ(busy_seen, 190);
    EXPECT_FALSE(h.form.busy);
    EXPECT_EQ(h.view.open_asked, 0);
    EXPECT_EQ(h.form.file.path, dir.path("NaviConfig.dll"));
    ASSERT_EQ(h.view.row_count(), 191);
    for (int i = 0; i < 191; ++i) EXPECT_EQ(h.view.cell(i, 1), "slot " + std::to_string(i));
    EXPECT_EQ(h.form.file.edition, Edition::pnd);
    EXPECT_EQ(h.view.hint(), hint::kPickRecord);

    // Once the listing is over, the same events are handled again.
    h.view.on_events = nullptr;
    on_files_dropped(h.form, other);
    EXPECT_EQ(h.form.file.path, other);
    EXPECT_EQ(h.view.row_count(), 5);
}

}  // namespace
