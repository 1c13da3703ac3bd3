// The navigator module's port and rate patched in the live window, and the export of a
// configuration file through the real save dialog.
#include "shell_fixture.h"

#include "tests/support/config_bytes.h"

namespace {

using Rows = std::vector<std::vector<std::string>>;

const std::string kDone = "提示:修改完成!";
const std::string kEditThenEnter = "提示:修改请在上面编辑框中输入新内容后按回车!";
const std::string kRateOnly =
    "\xCC\xE1\xCA\xBE:\xCB\xD9\xC2\xCA\xD6\xBB\xC4\xDC\xCA\xC7 4800 \xBB\xF2 9600 \xBB\xF2 19200 \xBB\xF2 38400 "
    "\xBB\xF2 57600 \xD6\xB5!";
const std::string kPortTooLong = "提示:端口文字最多5个字节(如 COM1:),未写入!";

// The port text COM3: at 20, the rate anchor at 40 and the MOV R0, #9600 after it at 48.
std::string module_bytes() {
    std::string out = std::string("MZ\x90\x00\x03", 5) + std::string(27, 'x') + "COM3:" + std::string(27, 'x');
    out += std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8) + std::string("\x96\x0D\xA0\xE3", 4);
    return out + std::string("\x00\x00\xA0\xE1\x1E\xFF\x2F\xE1", 8);
}

class ModuleTest : public ShellTest {
protected:
    HWND value_box() const { return control(ControlId::value_box); }
    HWND offset_box() const { return control(ControlId::offset_box); }
};

TEST_F(ModuleTest, ThePortAndTheRateAreListedAndPatchedInPlace) {
    struct Case {
        const char* name;
        int row;
        std::string typed;
        std::size_t at;        // where the bytes change
        std::string written;   // empty: nothing is written
        Rows listed;
        std::string hint;
    };
    const Case cases[] = {
        {"rate 57600", 1, "57600", 0x48, "\xE1\x0C\xA0", {{"20", "COM3:"}, {"48", "57600"}}, kDone},
        {"rate 4800", 1, "4800", 0x48, "\x4B\x0D\xA0", {{"20", "COM3:"}, {"48", "4800"}}, kDone},
        {"rate outside the table", 1, "1200", 0, "", {{"20", "COM3:"}, {"48", "4800"}}, kRateOnly},
        {"rate with a blank", 1, " 9600", 0, "", {{"20", "COM3:"}, {"48", "4800"}}, kRateOnly},
        {"rate with a leading zero", 1, "09600", 0, "", {{"20", "COM3:"}, {"48", "4800"}}, kRateOnly},
        {"port", 0, "COM2:", 0x20, "COM2:", {{"20", "COM2:"}, {"48", "4800"}}, kDone},
        {"port text too long", 0, "COM12:", 0, "", {{"20", "COM2:"}, {"48", "4800"}}, kPortTooLong},
    };
    start();
    const std::string path = folder_.write("navione.dll", module_bytes());
    drop_file(path);
    ASSERT_EQ(rows(), (Rows{{"20", "COM3:"}, {"48", "9600"}}));

    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string expected = file_bytes(path);
        if (!c.written.empty()) expected.replace(c.at, c.written.size(), c.written);
        const Rows before = rows();

        click_list(row_point(c.row));
        EXPECT_EQ(text_of(offset_box()), before[c.row][0]);
        EXPECT_EQ(text_of(value_box()), before[c.row][1]);
        EXPECT_EQ(hint(), kEditThenEnter);
        type(value_box(), c.typed);
        press(value_box(), VK_RETURN);

        EXPECT_EQ(file_bytes(path), expected);
        EXPECT_EQ(rows(), c.listed);
        EXPECT_EQ(hint(), c.hint);
    }
    EXPECT_EQ(file_bytes(path).substr(0x4B, 1), "\xE3") << "the MOV's condition byte is never written";
}

// Sixty slots padded with the units "00", so every unit of the body is two hexadecimal
// digits, and long enough for the export to let events run while it decodes.
std::string exported_config() {
    std::string out = kSignature + '\xBF' + std::string(43, '\x55');
    std::vector<std::string> chains = {chain("AB", 0x41), chain("\xD6\xD0\xCE\xC4", 0xF0), chain("x", 0xFE)};
    for (int slot = 3; slot < 60; ++slot) chains.push_back(chain("slot " + std::to_string(slot), slot));
    for (const std::string& c : chains) out += (c + std::string(160, '0')).substr(0, 160);
    return out;
}

// The body as one chain: every unit against the one before it, modulo 255.
std::string decoded_body(const std::string& file) {
    std::string out;
    for (std::size_t at = 48; at + 4 <= file.size(); at += 2) {
        const int unit = std::stoi(file.substr(at, 2), nullptr, 16);
        const int next = std::stoi(file.substr(at + 2, 2), nullptr, 16);
        out += static_cast<char>(next >= unit ? next - unit : next + 255 - unit);
    }
    return out;
}

using ExportTest = ShellTest;

TEST_F(ExportTest, ARightClickExportsTheDecodedBodyThroughTheSaveDialog) {
    start();
    const HWND bar = control(ControlId::progress_bar);

    // Nothing to export: an empty list, then a module's list.
    for (const bool with_module : {false, true}) {
        SCOPED_TRACE(with_module ? "module" : "empty list");
        if (with_module) drop_file(folder_.write("navione.dll", module_bytes()));
        DialogAnswer none;
        DialogWatch watch(none);
        click_list(row_point(0), true);
        EXPECT_EQ(none.shown, 0);
    }

    const std::string config = folder_.write("NaviConfig.dll", exported_config());
    const std::string other = folder_.write("other.dll", kSignature + '\xB4' + std::string(43, 'x') + chain("other"));
    drop_file(config);
    ASSERT_EQ(row_count(), 60);
    EXPECT_FALSE(IsWindowVisible(bar));
    SetWindowTextA(control(ControlId::value_box), "kept");
    SetWindowTextA(control(ControlId::offset_box), "D0");
    const std::string hint_before = hint();

    // A drop while the export runs is ignored: the export keeps reading its own file.
    QueuedAction during;
    bool busy = false;
    QueuedAction decoding;
    struct {
        bool shown = false;
        LRESULT range = 0, position = 0;
    } progress;
    DialogAnswer save(folder_.path("out"), &decoding, [&] {
                          progress.shown = IsWindowVisible(bar);
                          progress.range = SendMessageA(bar, PBM_GETRANGE, FALSE, 0);
                          progress.position = SendMessageA(bar, PBM_GETPOS, 0, 0);
                      });
    {
        DialogWatch watch(save);
        const POINT at = row_point(1);
        PostMessageA(list(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(at.x, at.y));
        PostMessageA(list(), WM_RBUTTONUP, 0, MAKELPARAM(at.x, at.y));
        during.post([&] {
            busy = shell().form.busy;
            drop_file(other);
        });
        pump();
    }
    EXPECT_EQ(save.shown, 1);
    EXPECT_EQ(save.title, "\xB1\xA3\xB4\xE6\xB1\xE0\xD2\xEB\xBA\xF3\xB5\xC4\xC4\xDA\xC8\xDD\xCE\xAATXT\xCE\xC4\xBC\xFE");
    EXPECT_TRUE(busy);
    EXPECT_EQ(shell().form.file.path, config);
    // Shown over the list while it decodes: the range is a quarter of the file's length,
    // the position half the passes made.
    EXPECT_TRUE(progress.shown);
    EXPECT_EQ(progress.range, 9648 / 4);
    EXPECT_EQ(progress.position, 4096 / 2);

    const std::string body = decoded_body(exported_config());
    ASSERT_EQ(body.size(), 4799u);
    EXPECT_EQ(body.substr(0, 4), std::string("AB\0\0", 4));
    const std::string output = file_bytes(folder_.path("out.txt"));
    EXPECT_EQ(output.substr(0, 4), std::string("\xBF\x12\0\0", 4));
    EXPECT_EQ(output.substr(4), body);
    EXPECT_FALSE(IsWindowVisible(bar));
    EXPECT_EQ(row_count(), 60);
    EXPECT_EQ(text_of(control(ControlId::value_box)), "kept") << "a right click never fills the boxes";
    EXPECT_EQ(text_of(control(ControlId::offset_box)), "D0");
    EXPECT_EQ(hint(), hint_before);

    // The same again under a name that already ends in .txt.
    DialogAnswer again(folder_.path("again.txt"));
    {
        DialogWatch watch(again);
        click_list(row_point(0), true);
    }
    EXPECT_EQ(again.shown, 1);
    EXPECT_EQ(file_bytes(folder_.path("again.txt.txt")), output);

    // A click on the icon shows the open dialog with its own settings.
    DialogAnswer open;
    {
        DialogWatch watch(open);
        PostMessageA(control(ControlId::icon), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        PostMessageA(control(ControlId::icon), WM_LBUTTONUP, 0, MAKELPARAM(20, 20));
        pump();
    }
    EXPECT_EQ(open.shown, 1);
    EXPECT_EQ(open.title, "选取 Naviconfig.dll 或 NaviOneSCH.dll");
    EXPECT_EQ(shell().form.file.path, config) << "a cancelled dialog takes nothing in";

    // A file picked there is taken in like a dropped one.
    DialogAnswer pick(other);
    {
        DialogWatch watch(pick);
        PostMessageA(control(ControlId::icon), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
        pump();
    }
    EXPECT_EQ(pick.shown, 1);
    EXPECT_EQ(status_text(), "当前文件:" + other);
    EXPECT_EQ(rows(), (Rows{{"30", "other"}, {"D0", ""}}));
}

}  // namespace
