#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "ops/hints.h"
#include "opened_file.h"

namespace {

const std::string kCurrentFileGbk = "\xB5\xB1\xC7\xB0\xCE\xC4\xBC\xFE:";
const std::string kOpenFailedGbk =
    "\xCC\xE1\xCA\xBE:\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC,\xBF\xC9\xC4\xDC\xCE\xC4\xBC\xFE\xCE\xAA\xD6\xBB\xB6\xC1\xCA\xF4\xD0\xD4!";
const std::string kNotKldGbk = "\xCC\xE1\xCA\xBE:\xB2\xBB\xCA\xC7\xBF\xAD\xC1\xA2\xB5\xC2\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE!";

class TakeIn : public testing::Test {
protected:
    TakeIn() {
        h.view.set_text(ControlId::value_box, "previous value");
        h.view.set_text(ControlId::offset_box, "D0");
    }

    // What no taking-in may touch.
    void expect_edit_boxes_kept() {
        EXPECT_EQ(h.view.text(ControlId::value_box), "previous value");
        EXPECT_EQ(h.view.text(ControlId::offset_box), "D0");
    }

    TempDir dir;
    Harness h;
};

TEST(Hints, AreSpelledInGbk) {
    EXPECT_EQ(hint::kCurrentFile, kCurrentFileGbk);
    EXPECT_EQ(hint::kOpenFailed, kOpenFailedGbk);
    EXPECT_EQ(hint::kNotKld, kNotKldGbk);
}

struct Identification {
    const char* name;
    const char* file_name;
    std::string bytes;
    FileKind kind;  // none: rejected
    Edition edition;
    int port_digit;
    std::int64_t port_offset;
};

TEST_F(TakeIn, IdentifiesByContentNeverByName) {
    const std::string module_body = std::string("MZ\x90\0\x03", 5) + std::string(40, '\0');
    const Identification cases[] = {
        {"signature under a module's name", "navione.dll", numbered_config_file('\xBF', 2), FileKind::config, Edition::pnd, 0, -1},
        {"C-Car edition", "NaviOneSCH.dll", numbered_config_file('\xB4', 2), FileKind::config, Edition::car, 0, -1},
        {"the four signature bytes alone", "NaviConfig.dll", kSignature, FileKind::config, Edition::unknown, 0, -1},
        {"port text under a configuration's name", "NaviConfig.dll", module_body + "COM2:", FileKind::module, Edition::unknown, 2, 45},
        {"COM1: wins over an earlier COM2:", "navione.dll", module_body + "COM2:..COM1:..COM1:", FileKind::module, Edition::unknown, 1, 52},
        {"port text right at offset 5", "a.bin", "01234COM7:", FileKind::module, Edition::unknown, 7, 5},
        {"a port text in the header is not seen", "a.bin", "COM3:abcdef", FileKind::none, Edition::unknown, 0, -1},
        {"a port text from offset 4 is not seen", "a.bin", "0123COM7:xyz", FileKind::none, Edition::unknown, 0, -1},
        {"one signature byte off", "NaviConfig.dll", "\x1A\x67\x32\x02\xBF" + std::string(400, '0'), FileKind::none, Edition::unknown, 0, -1},
        {"empty file", "NaviConfig.dll", "", FileKind::none, Edition::unknown, 0, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        take_in_file(h.form, dir.write("earlier.dll", numbered_config_file('\xB4', 3)));
        h.view.rows = {{"30", "stale", ""}};
        const std::string path = dir.write(c.file_name, c.bytes);
        take_in_file(h.form, path);

        EXPECT_EQ(h.view.current_file, path);
        EXPECT_EQ(h.form.file.path, path);
        EXPECT_EQ(h.form.file.kind, c.kind);
        EXPECT_EQ(h.form.file.edition, c.edition);
        EXPECT_EQ(h.form.file.port.digit, c.port_digit);
        EXPECT_EQ(h.form.file.port.offset, c.port_offset);
        EXPECT_EQ(h.form.file.is_open(), c.kind != FileKind::none);
        EXPECT_EQ(h.view.hint(), c.kind != FileKind::none ? hint::kPickRecord : kNotKldGbk);
        if (c.kind == FileKind::none) {
            EXPECT_EQ(h.view.row_count(), 0);
        } else if (c.kind == FileKind::config) {
            EXPECT_GE(h.view.row_count(), 2);
        } else {
            EXPECT_EQ(h.view.column(1), (std::vector<std::string>{"COM" + std::to_string(c.port_digit) + ":"}));
        }
        expect_edit_boxes_kept();
    }
}

TEST_F(TakeIn, FailedOpenClosesTheFileAndEmptiesTheList) {
    const std::string config = dir.write("NaviConfig.dll", numbered_config_file('\xB4', 4));
    const std::string read_only = dir.write("readonly.dll", numbered_config_file('\xBF', 4));
    ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
    ASSERT_EQ(::mkdir(dir.path("folder.dll").c_str(), 0755), 0);
    const std::string two_dropped = config + "\r\n" + read_only + "\r\n";

    for (const std::string& received : {dir.path("missing.dll"), dir.path("folder.dll"), std::string(), two_dropped, read_only}) {
        SCOPED_TRACE(received);
        take_in_file(h.form, config);
        ASSERT_EQ(h.view.row_count(), 4);

        on_files_dropped(h.form, received);
        EXPECT_EQ(h.view.hint(), kOpenFailedGbk);
        EXPECT_EQ(h.view.current_file, received);
        EXPECT_EQ(h.form.file.path, received);
        EXPECT_FALSE(h.form.file.is_open());
        EXPECT_EQ(h.form.file.kind, FileKind::none);
        EXPECT_EQ(h.view.row_count(), 0);
        expect_edit_boxes_kept();
    }
}

// The writers list their file again with the form's own path, which the taking-in replaces.
TEST_F(TakeIn, TheFormsOwnPathReopensTheSameFile) {
    const std::string path = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 4));
    take_in_file(h.form, path);
    change_on_disk(path, 48 + 160, chain("changed"));

    take_in_file(h.form, h.form.file.path);
    EXPECT_EQ(h.form.file.path, path);
    EXPECT_TRUE(h.form.file.is_open());
    EXPECT_EQ(h.view.column(1), (std::vector<std::string>{"slot 0", "changed", "slot 2", "slot 3"}));

    change_on_disk(path, 48 + 320, chain("again"));
    list_again(h.form);
    EXPECT_EQ(h.form.file.path, path);
    EXPECT_EQ(h.view.column(1), (std::vector<std::string>{"slot 0", "changed", "again", "slot 3"}));
}

TEST_F(TakeIn, IconClickTakesThePickedFileAndACancelChangesNothing) {
    const std::string first = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 3));
    take_in_file(h.form, first);
    h.view.set_text(ControlId::hint_line, "hint before");

    h.view.open_answer = "";
    on_icon_click(h.form);
    EXPECT_EQ(h.view.open_asked, 1);
    EXPECT_EQ(h.form.file.path, first);
    EXPECT_TRUE(h.form.file.is_open());
    EXPECT_EQ(h.view.row_count(), 3);
    EXPECT_EQ(h.view.current_file, first);
    EXPECT_EQ(h.view.hint(), "hint before");

    h.view.open_answer = dir.write("NaviOneSCH.dll", numbered_config_file('\xB4', 5));
    on_icon_click(h.form);
    EXPECT_EQ(h.form.file.path, h.view.open_answer);
    EXPECT_EQ(h.view.current_file, h.view.open_answer);
    EXPECT_EQ(h.form.file.edition, Edition::car);
    EXPECT_EQ(h.view.row_count(), 5);
}

TEST_F(TakeIn, DropsAndIconClicksWaitForTheRunningListing) {
    const std::string first = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 3));
    take_in_file(h.form, first);
    h.form.busy = true;
    h.view.open_answer = dir.write("other.dll", numbered_config_file('\xB4', 5));
    on_files_dropped(h.form, h.view.open_answer);
    on_icon_click(h.form);
    EXPECT_EQ(h.view.open_asked, 0);
    EXPECT_EQ(h.form.file.path, first);
    EXPECT_EQ(h.view.row_count(), 3);
    EXPECT_EQ(h.view.current_file, first);
}

}  // namespace
