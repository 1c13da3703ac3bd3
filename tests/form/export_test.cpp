#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <set>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

using Names = std::set<std::string>;

const std::string kHeaderBytes = config_bytes({});

std::string with_length(const std::string& decoded) {
    const auto n = static_cast<std::uint32_t>(decoded.size());
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                       static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)} +
           decoded;
}

std::string repeated(const std::string& unit, std::size_t count) {
    std::string out;
    for (std::size_t i = 0; i < count; ++i) out += unit;
    return out;
}

struct BodyCase {
    const char* name;
    std::string body;
    std::string decoded;
};

class ExportBody : public testing::TestWithParam<BodyCase> {};

TEST_P(ExportBody, LengthThenTheBytesOfOneUnbrokenChain) {
    OpenedFile f(kHeaderBytes + GetParam().body);
    EXPECT_EQ(f.export_as(), with_length(GetParam().decoded));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportBody,
    testing::Values(
        // Through a value's end units and on into what follows them.
        BodyCase{"through_end_units", "4182C4C4C4C5", std::string("\x41\x42\x00\x00\x01", 5)},
        BodyCase{"wraps_by_255", "F03F3F", std::string("\x4E\x00", 2)},
        BodyCase{"lower_case", "4a4A", std::string(1, '\0')},
        // The passes end where no whole unit follows; the bytes a stalled read would repeat
        // are not part of the export.
        BodyCase{"zero_byte_ends", std::string("4142\0" "4344", 9), "\x01"},
        BodyCase{"byte_1A_ends", "4142\x1A" "4344", "\x01"},
        BodyCase{"odd_byte_at_the_end", "41424", "\x01"},
        BodyCase{"one_unit", "41", ""}, BodyCase{"empty_body", "", ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportRightClick, ValueWrittenBackComesOutWithBothEndBytes) {
    OpenedFile f(config_bytes({chain_of(0x41, "HELLO"), chain_of(0x30, "next")}));
    f.type("30", "AB");
    f.enter();
    ASSERT_EQ(f.view.cell(0, 1), "AB");
    EXPECT_EQ(f.export_as().substr(4, 4), std::string("\x41\x42\x00\x00", 4));
}

// Slot 250 starts with two units that are not part of the chain: 9C6E is followed by 9C74.
TEST(ExportRightClick, UnitsAt9C70And9C72AreSkipped) {
    const std::size_t before_skip = (0x9C6E - 48) / 2;  // index of the unit at 9C6E
    for (const std::size_t length : {0x9C72, 0x9C74, 0x9C80}) {
        std::string body = repeated("10", (0x9C70 - 48) / 2) + "5566" + repeated("20", 6);
        body.resize(length - 48);
        std::string decoded(before_skip, '\0');
        if (length > 0x9C74) {
            decoded += '\x10';
            decoded += std::string((length - 0x9C74) / 2 - 1, '\0');
        }
        OpenedFile f(kHeaderBytes + body);
        const std::string out = f.export_as();
        // Compared by hand: a failing EXPECT_EQ would diff 40000 bytes character by character.
        const std::string expected = with_length(decoded);
        const auto differ = std::mismatch(out.begin(), out.end(), expected.begin(), expected.end());
        EXPECT_TRUE(out == expected) << std::hex << "length " << length << ": " << out.size() << " bytes instead of "
                                     << expected.size() << ", first difference at " << (differ.first - out.begin());
    }
}

TEST(ExportRightClick, LengthIsLittleEndian) {
    OpenedFile f(kHeaderBytes + repeated("10", 0x1235));
    const std::string out = f.export_as();
    EXPECT_EQ(out.substr(0, 4), std::string("\x34\x12\x00\x00", 4));
    EXPECT_EQ(out.size(), 4u + 0x1234);
}

TEST(ExportRightClick, TxtIsAlwaysAppendedAndAnOldFileReplaced) {
    OpenedFile f(kHeaderBytes + "4182C4C4C4");
    const std::string expected = with_length(std::string("\x41\x42\x00\x00", 4));
    f.dir.write("kld_dec.txt", std::string(100, 'x'));
    EXPECT_EQ(f.export_as(), expected);
    EXPECT_EQ(f.export_as(), expected);
    EXPECT_EQ(f.export_as("a.txt"), expected);
    EXPECT_EQ(f.dir.names(), (Names{"NaviConfig.dll", "kld_dec.txt", "a.txt.txt"}));
}

TEST(ExportRightClick, CancelledDialogDecodesAndWritesNothing) {
    OpenedFile f(kHeaderBytes + "4182C4C4C4");
    f.view.save_answer = "";
    on_record_list_right_click(f.form);
    EXPECT_EQ(f.view.save_asked, 1);
    EXPECT_FALSE(f.view.progress_shown);
    EXPECT_TRUE(f.view.progress.empty());
    EXPECT_EQ(f.dir.names(), Names{"NaviConfig.dll"});
    EXPECT_FALSE(f.form.busy);
}

TEST(ExportRightClick, OnlyForAListedConfigurationFileWhenIdle) {
    std::string module(100, '4');
    module.replace(50, 5, "COM1:");
    OpenedFile m(module, "navione.dll");
    m.export_as();
    EXPECT_EQ(m.view.save_asked, 0);

    OpenedFile empty(kHeaderBytes + "4182C4C4C4");
    empty.view.rows.clear();
    empty.export_as();
    EXPECT_EQ(empty.view.save_asked, 0);

    OpenedFile busy(kHeaderBytes + "4182C4C4C4");
    busy.form.busy = true;
    busy.export_as();
    EXPECT_EQ(busy.view.save_asked, 0);

    OpenedFile closed(kHeaderBytes + "4182C4C4C4");
    closed.form.file.file.close();
    closed.export_as();
    EXPECT_EQ(closed.view.save_asked, 0);
}

// The view scales (done, total) to its bar; total is about one pass per unit of the file.
TEST(ExportRightClick, ProgressCountsThePassesOfAboutOnePerUnit) {
    for (const std::size_t units : {std::size_t{40000}, std::size_t{100000}}) {
        OpenedFile f(kHeaderBytes + repeated("10", units));
        f.view.events_let_run = 0;
        f.export_as();
        const std::int64_t total = static_cast<std::int64_t>(48 + 2 * units) / 2;
        std::vector<std::pair<std::int64_t, std::int64_t>> expected{{0, total}};
        for (std::int64_t passes = 4096; passes < static_cast<std::int64_t>(units); passes += 4096)
            expected.emplace_back(passes, total);
        EXPECT_EQ(f.view.progress, expected) << units;
        EXPECT_EQ(f.view.events_let_run, static_cast<int>(expected.size() - 1));
        EXPECT_FALSE(f.view.progress_shown);
    }
}

// A failed export says so, and leaves the list and the boxes as they were.
TEST(ExportRightClick, FailureShowsTheHintAndChangesNothingElse) {
    const struct {
        const char* name;
        const char* answer;
        const char* hint;
    } cases[] = {
        {"a missing folder", "missing/kld_dec", hint::kExportFailed},
        {"a read-only target", "read_only", hint::kExportFailed},
        {"a folder of that name", "folder", hint::kExportFailed},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        OpenedFile f(four_and_a_bit());
        const std::string read_only = f.dir.write("read_only.txt", "old export");
        ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
        ASSERT_EQ(::mkdir(f.dir.path("folder.txt").c_str(), 0755), 0);
        f.click(1);
        const auto rows = f.view.rows;
        const Names names = f.dir.names();

        f.export_as(c.answer);
        EXPECT_EQ(f.view.hint(), c.hint);
        EXPECT_EQ(f.view.rows, rows);
        EXPECT_EQ(f.view.selected, 1);
        EXPECT_EQ(f.view.texts[ControlId::offset_box], "D0");
        EXPECT_EQ(f.view.texts[ControlId::value_box], "old");
        EXPECT_FALSE(f.view.progress_shown);
        EXPECT_FALSE(f.form.busy);
        EXPECT_EQ(f.dir.names(), names);
        EXPECT_EQ(read_file(read_only), "old export");
    }
    EXPECT_STREQ(hint::kExportFailed, "提示:导出文件写入失败!");
}

// kld_dec.txt itself is open: its export would replace it by its own decoding.
TEST(ExportRightClick, OntoTheOpenFileIsRefused) {
    OpenedFile f(four_and_a_bit(), "kld_dec.txt");
    const std::string before = f.on_disk();
    f.export_as("kld_dec");
    EXPECT_EQ(f.view.hint(), hint::kExportOntoItself);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.dir.names(), Names{"kld_dec.txt"});
    EXPECT_EQ(f.view.row_count(), 5);
}

// An export lets window events run; what they deliver must not write, re-read, take back
// a write or start a second export meanwhile, and the arrow keys still move the focus.
TEST(ExportRightClick, EventsDuringTheExportAreIgnored) {
    OpenedFile f(config_bytes({chain_of(0x41, "HELLO")}) + repeated("10", 20000));
    f.type("30", "HI");
    f.enter();
    ASSERT_EQ(f.view.hint(), hint::kDone);
    const std::string before = f.on_disk();
    int nested = 0;
    f.view.on_events = [&] {
        ++nested;
        f.type("30", "ZZ");
        f.enter();
        on_offset_box_key(f.form, BoxKey::enter);
        on_record_list_right_click(f.form);
        on_undo(f.form);
        on_redo(f.form);
        on_value_box_key(f.form, BoxKey::down);
    };
    f.view.texts[ControlId::hint_line] = "kept";
    f.view.focused = ControlId::record_list;
    f.export_as();
    ASSERT_GT(nested, 0);
    EXPECT_EQ(f.view.save_asked, 1);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.view.texts[ControlId::value_box], "ZZ");
    EXPECT_EQ(f.view.hint(), "kept");
    EXPECT_EQ(f.view.focused, ControlId::offset_box);
    EXPECT_FALSE(f.form.busy);
}

TEST(ListingInProgress, EnterRightClickAndUndoAreIgnored) {
    OpenedFile f(config_bytes({chain_of(0x41, "HELLO"), chain_of(0x30, "a"), chain_of(0x30, "b")}));
    f.type("30", "HI");
    f.enter();
    ASSERT_EQ(f.view.hint(), hint::kDone);
    const std::string before = f.on_disk();
    int nested = 0;
    f.view.on_events = [&] {
        ++nested;
        f.type("30", "ZZ");
        f.enter();
        on_offset_box_key(f.form, BoxKey::enter);
        f.view.save_answer = f.dir.path("kld_dec");
        on_record_list_right_click(f.form);
        on_undo(f.form);
    };
    list_again(f.form);
    ASSERT_GT(nested, 0);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.view.save_asked, 0);
    EXPECT_EQ(f.view.texts[ControlId::value_box], "ZZ");
    EXPECT_EQ(f.view.row_count(), 3);
    EXPECT_EQ(f.view.cell(0, 1), "HI");
}

}  // namespace
