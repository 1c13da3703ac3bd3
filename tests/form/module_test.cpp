#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

struct ListCase {
    const char* name;
    std::string mov;
    Rows rows;
};

class ModuleRows : public testing::TestWithParam<ListCase> {};

TEST_P(ModuleRows, PortRowAndTheRateWhenItsEncodingIsKnown) {
    OpenedFile f(module_bytes(GetParam().mov), "navione.dll");
    EXPECT_EQ(f.form.file.kind, FileKind::module);
    EXPECT_EQ(f.view.rows, GetParam().rows);
    EXPECT_EQ(f.view.hint(), hint::kPickRecord);
}

const std::vector<std::string> kPortRow{"64", "COM1:", ""};

INSTANTIATE_TEST_SUITE_P(
    Cases, ModuleRows,
    testing::Values(ListCase{"no_anchor", "", {kPortRow}},
                    ListCase{"unknown_rate", std::string("\x4B\x0E\xA0\xE3", 4), {kPortRow}},
                    ListCase{"rate_cut_by_a_zero_byte", std::string("\x4B\x00\xA0\xE3", 4), {kPortRow}},
                    ListCase{"r4800", std::string("\x4B\x0D\xA0\xE3", 4), {kPortRow, {"9E", "4800", ""}}},
                    ListCase{"r9600", kMov9600, {kPortRow, {"9E", "9600", ""}}},
                    ListCase{"r19200", std::string("\x4B\x0C\xA0\xE3", 4), {kPortRow, {"9E", "19200", ""}}},
                    ListCase{"r38400", std::string("\x96\x0C\xA0\xE3", 4), {kPortRow, {"9E", "38400", ""}}},
                    ListCase{"r57600", std::string("\xE1\x0C\xA0\xE3", 4), {kPortRow, {"9E", "57600", ""}}}),
    [](const auto& info) { return std::string(info.param.name); });

// STRB R7, [SP, #40] is common in ARM code; followed by anything but CMP R3, #0 it marks no
// MOV, even when the bytes 8 further on spell a known rate. Patching there would break the code.
TEST(ModuleRowsAnchor, TheStrbAloneMarksNoRate) {
    std::string module = module_bytes(kMov9600);
    module.replace(0x10, 11, "\x28\x70\xCD\xE5" "\x11\x11\x11\x11" "\x4B\x0D\xA0");
    OpenedFile f(module, "navione.dll");
    ASSERT_EQ(f.view.rows, (Rows{kPortRow, {"9E", "9600", ""}}));
    f.click(1);
    f.view.texts[ControlId::value_box] = "38400";
    f.enter();
    std::string expected = module;
    expected.replace(0x9E, 3, "\x96\x0C\xA0");
    EXPECT_EQ(f.on_disk(), expected);
}

struct PatchCase {
    const char* name;
    int selected;
    std::string offset_text;
    std::string value;
    std::size_t at;  // std::string::npos: nothing written
    std::string bytes;
    Rows rows;  // after the re-listing
};

class PatchModule : public testing::TestWithParam<PatchCase> {};

TEST_P(PatchModule, SelectedRowDecidesWhatTheOffsetBoxWhere) {
    const PatchCase& c = GetParam();
    OpenedFile f(module_bytes(kMov9600), "navione.dll");
    std::string expected = f.on_disk();
    if (c.at != std::string::npos) expected.replace(c.at, c.bytes.size(), c.bytes);
    f.view.current_file.clear();

    f.view.selected = c.selected;
    f.type(c.offset_text, c.value);
    f.enter();

    EXPECT_EQ(f.on_disk(), expected);
    EXPECT_EQ(f.view.rows, c.rows);
    EXPECT_EQ(f.view.current_file, f.path);
    EXPECT_EQ(f.view.hint(), hint::kDone);
}

const auto npos = std::string::npos;
const std::vector<std::string> kRate9600{"9E", "9600", ""};

INSTANTIATE_TEST_SUITE_P(
    Cases, PatchModule,
    testing::Values(
        // The fourth byte, E3, stays as it was.
        PatchCase{"rate", 1, "9E", "38400", 0x9E, "\x96\x0C\xA0", {kPortRow, {"9E", "38400", ""}}},
        PatchCase{"rate_elsewhere", 1, "20", "57600", 0x20, "\xE1\x0C\xA0", {kPortRow, kRate9600}},
        PatchCase{"rate_up_to_the_end", 1, "C5", "4800", 0xC5, "\x4B\x0D\xA0", {kPortRow, kRate9600}},
        PatchCase{"port", 0, "64", "COM2:", 0x64, "COM2:", {{"64", "COM2:", ""}, kRate9600}},
        // Only four bytes: the old colon stays.
        PatchCase{"port_without_colon", 0, "64", "COM2", 0x64, "COM2", {{"64", "COM2:", ""}, kRate9600}},
        // A lower port text elsewhere in the module is the one listed afterwards.
        PatchCase{"port_above_another", 0, "64", "COM9:", 0x64, "COM9:", {{"28", "COM3:", ""}, kRate9600}},
        PatchCase{"port_at_the_first_byte_searched", 0, "5", "COM2", 5, "COM2", {kPortRow, kRate9600}},
        PatchCase{"empty_port", 0, "64", "", npos, "", {kPortRow, kRate9600}},
        PatchCase{"no_row_selected", -1, "64", "COM2:", npos, "", {kPortRow, kRate9600}}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    int selected;
    std::string offset_text;
    std::string value;
    const char* hint;
};

class PatchModuleRefused : public testing::TestWithParam<RefusedCase> {};

TEST_P(PatchModuleRefused, WritesNothingAndKeepsTheList) {
    const RefusedCase& c = GetParam();
    OpenedFile f(module_bytes(kMov9600), "navione.dll");
    const std::string before = f.on_disk();
    f.view.current_file.clear();
    f.view.selected = c.selected;
    f.type(c.offset_text, c.value);
    f.enter();
    EXPECT_EQ(f.on_disk(), before);
    EXPECT_EQ(f.view.hint(), c.hint);
    EXPECT_EQ(f.view.current_file, "");
    EXPECT_EQ(f.view.row_count(), 2);
    EXPECT_EQ(f.dir.names(), std::set<std::string>{"navione.dll"});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PatchModuleRefused,
    testing::Values(RefusedCase{"leading_zero", 1, "9E", "038400", hint::kRateOnly},
                    RefusedCase{"leading_blank", 1, "9E", " 9600", hint::kRateOnly},
                    RefusedCase{"trailing_blank", 1, "9E", "9600 ", hint::kRateOnly},
                    RefusedCase{"unknown_rate", 1, "9E", "1200", hint::kRateOnly},
                    RefusedCase{"empty_rate", 1, "9E", "", hint::kRateOnly},
                    RefusedCase{"port_of_six_bytes", 0, "64", "COM12:", hint::kPortTooLong},
                    RefusedCase{"below_the_searched_bytes", 0, "4", "COM2:", hint::kEnterOffset},
                    RefusedCase{"not_hexadecimal", 0, "XYZ", "COM2:", hint::kEnterOffset},
                    RefusedCase{"at_the_end", 0, "C8", "C", hint::kEnterOffset},
                    RefusedCase{"rate_past_the_end", 1, "C6", "9600", hint::kEnterOffset},
                    RefusedCase{"port_past_the_end", 0, "C4", "COM2:", hint::kEnterOffset},
                    // Saturates to the largest offset; the end of the write must not wrap round.
                    RefusedCase{"past_int64", 0, "8000000000000000", "COM2:", hint::kEnterOffset},
                    RefusedCase{"rate_past_int64", 1, "FFFFFFFFFFFFFFFFFFFF", "9600", hint::kEnterOffset}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PatchModuleRefusedHint, RateHintSpelledInGbk) {
    EXPECT_EQ(std::string(hint::kRateOnly).substr(0, 16), "\xCC\xE1\xCA\xBE:\xCB\xD9\xC2\xCA\xD6\xBB\xC4\xDC\xCA\xC7 ");
}

TEST(PatchModulePreconditions, SilentWithoutOffsetOrFile) {
    OpenedFile f(module_bytes(kMov9600), "navione.dll");
    const std::string before = f.on_disk();
    f.view.texts[ControlId::hint_line] = "kept";
    f.view.selected = 1;
    f.type("", "38400");
    f.enter();
    f.type("9E", "38400");
    f.form.file.file.close();
    f.enter();
    EXPECT_EQ(f.view.hint(), "kept");
    EXPECT_EQ(f.on_disk(), before);
}

}  // namespace
