#include <gtest/gtest.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <set>

#include "edit/export_decoded_content.h"
#include "edit/offset_box_key.h"
#include "edit/value_box_key.h"
#include "edit_files.h"

namespace {

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

std::set<std::string> names_in(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(dir.path("")).parent_path()))
        names.insert(entry.path().filename().string());
    return names;
}

// The export of f's file through a dialog answered with dir/kld_dec; the output's bytes.
std::string export_of(OpenFile& f) {
    f.window.save_answer = f.dir.path("kld_dec");
    export_decoded_content(f.context);
    return read_file(f.dir.path("kld_dec.txt"));
}

struct BodyCase {
    const char* name;
    std::string body;
    std::string decoded;
};

class ExportBody : public testing::TestWithParam<BodyCase> {};

TEST_P(ExportBody, LengthThenTheBytesOfOneUnbrokenChain) {
    OpenFile f(kHeaderBytes + GetParam().body);
    EXPECT_EQ(export_of(f), with_length(GetParam().decoded));
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

TEST(ExportDecodedContent, ValueWrittenBackComesOutWithBothEndBytes) {
    OpenFile f(config_bytes({chain_of(0x41, "HELLO"), chain_of(0x30, "next")}));
    f.type("30", "AB");
    on_value_box_key(f.context, kKeyEnter);
    ASSERT_EQ(f.window.cell(0, 1), "AB");
    EXPECT_EQ(export_of(f).substr(4, 4), std::string("\x41\x42\x00\x00", 4));
}

// Slot 250 starts with two units that are not part of the chain: 9C6E is followed by 9C74.
TEST(ExportDecodedContent, UnitsAt9C70And9C72AreSkipped) {
    const std::size_t before_skip = (0x9C6E - kHeader) / 2;  // index of the unit at 9C6E
    for (const std::size_t length : {0x9C72, 0x9C74, 0x9C80}) {
        std::string body = repeated("10", (0x9C70 - kHeader) / 2) + "5566" + repeated("20", 6);
        body.resize(length - kHeader);
        std::string decoded(before_skip, '\0');
        if (length > 0x9C74) {
            decoded += '\x10';
            decoded += std::string((length - 0x9C74) / 2 - 1, '\0');
        }
        OpenFile f(kHeaderBytes + body);
        const std::string out = export_of(f);
        // Compared by hand: a failing EXPECT_EQ would diff 40000 bytes character by character.
        const std::string expected = with_length(decoded);
        const auto differ = std::mismatch(out.begin(), out.end(), expected.begin(), expected.end());
        EXPECT_TRUE(out == expected) << std::hex << "length " << length << ": " << out.size() << " bytes instead of "
                                     << expected.size() << ", first difference at "
                                     << (differ.first - out.begin());
    }
}

TEST(ExportDecodedContent, LengthIsLittleEndian) {
    OpenFile f(kHeaderBytes + repeated("10", 0x1235));
    const std::string out = export_of(f);
    EXPECT_EQ(out.substr(0, 4), std::string("\x34\x12\x00\x00", 4));
    EXPECT_EQ(out.size(), 4u + 0x1234);
}

TEST(ExportDecodedContent, TxtIsAlwaysAppendedAndAnOldFileReplaced) {
    OpenFile f(kHeaderBytes + "4182C4C4C4");
    const std::string expected = with_length(std::string("\x41\x42\x00\x00", 4));
    f.dir.write("kld_dec.txt", std::string(100, 'x'));
    EXPECT_EQ(export_of(f), expected);
    EXPECT_EQ(export_of(f), expected);

    f.window.save_answer = f.dir.path("a.txt");
    export_decoded_content(f.context);
    EXPECT_EQ(read_file(f.dir.path("a.txt.txt")), expected);
    EXPECT_EQ(names_in(f.dir), (std::set<std::string>{"NaviConfig.dll", "kld_dec.txt", "a.txt.txt"}));
}

TEST(ExportDecodedContent, CancelledDialogDecodesAndWritesNothing) {
    OpenFile f(kHeaderBytes + "4182C4C4C4");
    f.window.save_answer = "";
    export_decoded_content(f.context);
    EXPECT_EQ(f.window.save_asked, 1);
    EXPECT_FALSE(f.window.progress_shown);
    EXPECT_TRUE(f.window.progress_positions.empty());
    EXPECT_EQ(names_in(f.dir), std::set<std::string>{"NaviConfig.dll"});
    EXPECT_FALSE(f.session.busy);
}

TEST(ExportDecodedContent, MissingFolderLeavesNoFileAndHidesTheProgress) {
    OpenFile f(kHeaderBytes + "4182C4C4C4");
    f.window.texts[Control::Label1] = "kept";
    f.window.save_answer = f.dir.path("missing/kld_dec");
    export_decoded_content(f.context);
    EXPECT_FALSE(std::filesystem::exists(f.dir.path("missing")));
    EXPECT_FALSE(f.window.progress_shown);
    EXPECT_EQ(f.window.hint(), "kept");
    EXPECT_FALSE(f.session.busy);
}

TEST(ExportDecodedContent, OnlyForAListedConfigurationFileWhenIdle) {
    std::string module(100, '4');
    module.replace(50, 5, "COM1:");
    OpenFile m(module, "navione.dll");
    m.window.save_answer = m.dir.path("kld_dec");
    export_decoded_content(m.context);
    EXPECT_EQ(m.window.save_asked, 0);

    OpenFile empty(kHeaderBytes + "4182C4C4C4");
    empty.window.rows.clear();
    empty.window.save_answer = empty.dir.path("kld_dec");
    export_decoded_content(empty.context);
    EXPECT_EQ(empty.window.save_asked, 0);

    OpenFile busy(kHeaderBytes + "4182C4C4C4");
    busy.session.busy = true;
    busy.window.save_answer = busy.dir.path("kld_dec");
    export_decoded_content(busy.context);
    EXPECT_EQ(busy.window.save_asked, 0);
}

TEST(ExportDecodedContent, ProgressFollowsThePassesWithinItsRange) {
    struct Case {
        std::size_t units;
        int range;
    };
    // 40000 units: range L/4; 100000 units: L/4 is above what the control holds.
    for (const Case& c : {Case{40000, (48 + 80000) / 4}, Case{100000, 32767}}) {
        OpenFile f(kHeaderBytes + repeated("10", c.units));
        export_of(f);
        EXPECT_EQ(f.window.progress_max, c.range);
        const auto& seen = f.window.progress_positions;
        ASSERT_GE(seen.size(), 2u);
        EXPECT_EQ(seen.front(), 0);
        for (std::size_t i = 1; i < seen.size(); ++i) {
            EXPECT_GT(seen[i], seen[i - 1]);
            EXPECT_LE(seen[i], c.range);
        }
        EXPECT_GE(seen.back(), static_cast<int>(std::min<std::size_t>(c.units / 2, 32767)) * 9 / 10);
        EXPECT_GT(f.window.events_let_run, 0);
        EXPECT_FALSE(f.window.progress_shown);
    }
}

TEST(WriteExportFile, FailedWriteLeavesNoPartialFile) {
    TempDir dir;
    const std::string path = dir.path("kld_dec.txt");
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit low = saved;
    low.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &low), 0);
    const bool written = write_export_file(path, std::string(5000, 'x'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, old_handler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// An export lets window events run; what they deliver must not write, re-read or start
// a second export meanwhile, and the arrow keys still move the focus.
TEST(ExportDecodedContent, EventsDuringTheExportAreIgnored) {
    OpenFile f(config_bytes({chain_of(0x41, "HELLO")}) + repeated("10", 20000));
    const std::string before = f.on_disk();
    int nested = 0;
    f.window.on_events = [&] {
        ++nested;
        f.type("30", "ZZ");
        on_value_box_key(f.context, kKeyEnter);
        on_offset_box_key(f.context, kKeyEnter);
        export_decoded_content(f.context);
        on_value_box_key(f.context, kKeyDown);
    };
    f.window.texts[Control::Label1] = "kept";
    f.window.focused = Control::ListView1;
    export_of(f);
    ASSERT_GT(nested, 0);
    EXPECT_EQ(f.window.save_asked, 1);
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.window.texts[Control::EditBox1], "ZZ");
    EXPECT_EQ(f.window.hint(), "kept");
    EXPECT_EQ(f.window.focused, Control::EditBox2);
    EXPECT_FALSE(f.session.busy);
}

TEST(ListingInProgress, EnterAndRightClickAreIgnored) {
    Harness h;
    TempDir dir;
    const std::string path = dir.write("NaviConfig.dll", config_bytes({chain_of(0x41, "HELLO"), chain_of(0x30, "a"),
                                                                       chain_of(0x30, "b")}));
    const std::string before = read_file(path);
    int nested = 0;
    h.window.on_events = [&] {
        ++nested;
        h.window.texts[Control::EditBox2] = "30";
        h.window.texts[Control::EditBox1] = "ZZ";
        on_value_box_key(h.context, kKeyEnter);
        on_offset_box_key(h.context, kKeyEnter);
        h.window.save_answer = dir.path("kld_dec");
        export_decoded_content(h.context);
    };
    intake_file(h.context, path);
    ASSERT_GT(nested, 0);
    EXPECT_EQ(read_file(path), before);
    EXPECT_EQ(h.window.save_asked, 0);
    EXPECT_EQ(h.window.texts[Control::EditBox1], "ZZ");
    EXPECT_EQ(h.window.row_count(), 3);
}

}  // namespace
