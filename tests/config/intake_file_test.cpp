#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>

#include "config/file_session.h"
#include "config/intake_file.h"
#include "config/messages.h"
#include "tests/support/config_bytes.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

namespace {

const std::string kCurrentFileGbk = "\xB5\xB1\xC7\xB0\xCE\xC4\xBC\xFE:";
const std::string kOpenFailedGbk =
    "\xCC\xE1\xCA\xBE:\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC,\xBF\xC9\xC4\xDC\xCE\xC4\xBC\xFE\xCE\xAA\xD6\xBB\xB6\xC1\xCA\xF4\xD0\xD4!";
const std::string kNotKldGbk = "\xCC\xE1\xCA\xBE:\xB2\xBB\xCA\xC7\xBF\xAD\xC1\xA2\xB5\xC2\xC5\xE4\xD6\xC3\xCE\xC4\xBC\xFE!";

class Intake : public testing::Test {
protected:
    Intake() {
        h.window.set_text(Control::EditBox1, "previous value");
        h.window.set_text(Control::EditBox2, "D0");
    }

    // What no intake may touch.
    void expect_edit_boxes_kept() {
        EXPECT_EQ(h.window.text(Control::EditBox1), "previous value");
        EXPECT_EQ(h.window.text(Control::EditBox2), "D0");
    }

    TempDir dir;
    Harness h;
};

struct Identification {
    const char* name;
    const char* file_name;
    std::string bytes;
    const char* kind;  // nullptr: rejected, the earlier kind stays
    std::string header_hex;
    std::string port_digit;
    std::int64_t port_offset;
};

TEST_F(Intake, IdentifiesByContentNeverByName) {
    const std::string module_body = std::string("MZ\x90\0\x03", 5) + std::string(40, '\0');
    const Identification cases[] = {
        {"signature under a module's name", "navione.dll", numbered_config_file('\xBF', 2), kKindConfig, "1A673201BF", "", -1},
        {"the four signature bytes alone", "NaviConfig.dll", kSignature, kKindConfig, "1A673201", "", -1},
        {"port text under a configuration's name", "NaviConfig.dll", module_body + "COM2:", kKindModule, "4D5A900003", "2", 45},
        {"COM1: wins over an earlier COM2:", "navione.dll", module_body + "COM2:..COM1:..COM1:", kKindModule, "4D5A900003", "1", 52},
        {"port text right at offset 5", "a.bin", "01234COM7:", kKindModule, "3031323334", "7", 5},
        {"a port text in the header is not seen", "a.bin", "COM3:abcdef", nullptr, "434F4D333A", "", -1},
        {"a port text from offset 4 is not seen", "a.bin", "0123COM7:xyz", nullptr, "3031323343", "", -1},
        {"one signature byte off", "NaviConfig.dll", "\x1A\x67\x32\x02\xBF" + std::string(400, '0'), nullptr, "1A673202BF", "", -1},
        {"empty file", "NaviConfig.dll", "", nullptr, "", "", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        h.session.kind = "earlier";
        h.window.rows = {{"30", "stale", ""}};
        const std::string path = dir.write(c.file_name, c.bytes);
        intake_file(h.context, path);

        EXPECT_EQ(h.window.text(Control::StatusBar1), kCurrentFileGbk + path);
        EXPECT_EQ(h.session.path, path);
        EXPECT_EQ(h.session.header_hex, c.header_hex);
        EXPECT_EQ(h.session.port_digit, c.port_digit);
        EXPECT_EQ(h.session.port_offset, c.port_offset);
        EXPECT_EQ(h.session.kind, c.kind ? c.kind : "earlier");
        EXPECT_EQ(h.session.is_open(), c.kind != nullptr);
        EXPECT_EQ(h.window.hint(), c.kind ? msg::kPickRecord : kNotKldGbk);
        if (c.kind == nullptr) {
            EXPECT_EQ(h.window.row_count(), 0);
        } else if (c.kind == kKindConfig) {
            EXPECT_GE(h.window.row_count(), 2);
        }
        expect_edit_boxes_kept();
    }
}

TEST_F(Intake, FailedOpenKeepsKindAndHeaderButClosesTheFile) {
    const std::string config = dir.write("NaviConfig.dll", numbered_config_file('\xB4', 4));
    const std::string read_only = dir.write("readonly.dll", numbered_config_file('\xBF', 4));
    ASSERT_EQ(::chmod(read_only.c_str(), 0444), 0);
    ASSERT_EQ(::mkdir(dir.path("folder.dll").c_str(), 0755), 0);
    const std::string two_dropped = config + "\r\n" + read_only + "\r\n";

    for (const std::string& received : {dir.path("missing.dll"), dir.path("folder.dll"), std::string(), two_dropped, read_only}) {
        SCOPED_TRACE(received);
        intake_file(h.context, config);
        ASSERT_EQ(h.window.row_count(), 4);

        on_files_dropped(h.context, received);
        EXPECT_EQ(h.window.hint(), kOpenFailedGbk);
        EXPECT_EQ(h.window.text(Control::StatusBar1), kCurrentFileGbk + received);
        EXPECT_EQ(h.session.path, received);
        EXPECT_FALSE(h.session.is_open());
        EXPECT_EQ(h.window.row_count(), 0);
        EXPECT_EQ(h.session.kind, kKindConfig);
        EXPECT_EQ(h.session.header_hex, "1A673201B4");
        expect_edit_boxes_kept();
    }
}

TEST_F(Intake, RejectionKeepsKindButTakesTheRejectedHeader) {
    intake_file(h.context, dir.write("NaviConfig.dll", numbered_config_file('\xBF', 4)));
    intake_file(h.context, dir.write("notes.txt", "plain text, no port"));
    EXPECT_EQ(h.window.hint(), kNotKldGbk);
    EXPECT_EQ(h.session.kind, kKindConfig);
    EXPECT_EQ(h.session.header_hex, "706C61696E");
    EXPECT_FALSE(h.session.is_open());
    EXPECT_EQ(h.window.row_count(), 0);
}

// The writers re-list their file by handing back the session's own path.
TEST_F(Intake, RelistingWithTheSessionsOwnPathReopensTheSameFile) {
    const std::string path = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 4));
    intake_file(h.context, path);
    h.session.file.seek(48 + 160);
    ASSERT_TRUE(h.session.file.write(chain("changed")));

    intake_file(h.context, h.session.path);
    EXPECT_EQ(h.session.path, path);
    EXPECT_TRUE(h.session.is_open());
    EXPECT_EQ(h.window.column(1), (std::vector<std::string>{"slot 0", "changed", "slot 2", "slot 3"}));
}

TEST_F(Intake, IconClickTakesThePickedFileAndACancelChangesNothing) {
    const std::string first = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 3));
    intake_file(h.context, first);
    h.window.set_text(Control::Label1, "hint before");

    h.window.open_answer = "";
    on_icon_click(h.context);
    EXPECT_EQ(h.session.path, first);
    EXPECT_TRUE(h.session.is_open());
    EXPECT_EQ(h.window.row_count(), 3);
    EXPECT_EQ(h.window.text(Control::StatusBar1), kCurrentFileGbk + first);
    EXPECT_EQ(h.window.hint(), "hint before");

    h.window.open_answer = dir.write("NaviOneSCH.dll", numbered_config_file('\xB4', 5));
    on_icon_click(h.context);
    EXPECT_EQ(h.session.path, h.window.open_answer);
    EXPECT_EQ(h.session.header_hex, "1A673201B4");
    EXPECT_EQ(h.window.row_count(), 5);
}

TEST_F(Intake, DropsAndIconClicksWaitForTheRunningListing) {
    const std::string first = dir.write("NaviConfig.dll", numbered_config_file('\xBF', 3));
    intake_file(h.context, first);
    h.session.busy = true;
    h.window.open_answer = dir.write("other.dll", numbered_config_file('\xB4', 5));
    on_files_dropped(h.context, h.window.open_answer);
    on_icon_click(h.context);
    EXPECT_EQ(h.session.path, first);
    EXPECT_EQ(h.window.row_count(), 3);
    EXPECT_EQ(h.window.text(Control::StatusBar1), kCurrentFileGbk + first);
}

}  // namespace
