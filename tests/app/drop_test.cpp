// Files dropped on the icon through the registered drop target, and the intake's
// failures through the real window and the Win32 file layer.
#include "shell_fixture.h"

#include <shlobj.h>

#include <vector>

#include "app/drop_target.h"

namespace {

const std::string kOpenFailed = "\xCC\xE1\xCA\xBE:\xB4\xF2\xBF\xAA\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC,\xBF\xC9\xC4\xDC\xCE\xC4\xBC\xFE\xCE\xAA\xD6\xBB\xB6\xC1\xCA\xF4\xD0\xD4!";
const std::string kNotKld = "提示:不是凯立德配置文件!";
const std::string kCurrentFile = "当前文件:";
const std::string kPickRecord = "提示:请在下面列表中点击选取数据!";

// A navigator module in miniature: a port text after the five header bytes.
const std::string kModule = std::string("MZ\x90\x00\x03", 5) + "....COM2:...." + std::string(16, '\0');

class DropTest : public ShellTest {
protected:
    // Drags the object over the icon and lets it go; the effects the target answered.
    std::pair<DWORD, DWORD> drop(DataObject* data) {
        IDropTarget* target = shell().drop_target.get();
        DWORD entered = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;
        DWORD dropped = entered;
        target->DragEnter(data, MK_LBUTTON, {10, 10}, &entered);
        DWORD over = dropped;
        target->DragOver(MK_LBUTTON, {11, 11}, &over);
        target->Drop(data, 0, {11, 11}, &dropped);
        data->Release();
        return {entered, dropped};
    }

    std::string status() { return status_text(); }
    std::string hint() { return text_of(control(ControlId::hint_line)); }
    int rows() { return static_cast<int>(SendMessageA(control(ControlId::record_list), LVM_GETITEMCOUNT, 0, 0)); }
};

TEST_F(DropTest, TheIconCarriesTheRegisteredTarget) {
    start();
    ASSERT_NE(shell().drop_target.get(), nullptr);
    EXPECT_EQ(RegisterDragDrop(control(ControlId::icon), shell().drop_target.get()), DRAGDROP_E_ALREADYREGISTERED);
}

TEST_F(DropTest, ADroppedFileReachesTheIntake) {
    start();
    const std::string module = folder_.write("navione.dll", kModule);
    const auto [entered, dropped] = drop(DataObject::files({module}));
    EXPECT_EQ(entered, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(dropped, static_cast<DWORD>(DROPEFFECT_COPY));
    EXPECT_EQ(status(), kCurrentFile + module);
    EXPECT_EQ(hint(), kPickRecord);
    EXPECT_GT(rows(), 0);
    EXPECT_TRUE(shell().form.file.is_open());

    // Open for reading and writing, yet shared: another program may still write it.
    const HANDLE other = CreateFileA(module.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                     nullptr, OPEN_EXISTING, 0, nullptr);
    EXPECT_NE(other, INVALID_HANDLE_VALUE);
    CloseHandle(other);
}

TEST_F(DropTest, SeveralFilesArriveAsOneTextAndFailToOpen) {
    start();
    const std::string first = folder_.write("a.dll", kModule);
    const std::string second = folder_.write("b.dll", kModule);
    drop(DataObject::files({first, second}));
    EXPECT_EQ(shell().form.file.path, first + "\r\n" + second + "\r\n");
    // A status bar shows control characters as blanks.
    EXPECT_EQ(status(), kCurrentFile + first + "  " + second + "  ");
    EXPECT_EQ(hint(), kOpenFailed);
    EXPECT_EQ(rows(), 0);
}

TEST_F(DropTest, TextIsRefused) {
    start();
    const std::string module = folder_.write("navione.dll", kModule);
    const auto [entered, dropped] = drop(DataObject::text(module));
    EXPECT_EQ(entered, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(dropped, static_cast<DWORD>(DROPEFFECT_NONE));
    EXPECT_EQ(status(), "Build by Bexmoor");
}

TEST_F(DropTest, FilesThatCannotBeTakenInSayWhy) {
    struct Case {
        const char* name;
        std::string (*prepare)(const TempFolder&);
        std::string hint;
    };
    const Case cases[] = {
        {"read-only",
         [](const TempFolder& f) {
             const std::string p = f.write("ro.dll", kModule);
             SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_READONLY);
             return p;
         },
         kOpenFailed},
        {"folder",
         [](const TempFolder& f) {
             CreateDirectoryA(f.path("dir.dll").c_str(), nullptr);
             return f.path("dir.dll");
         },
         kOpenFailed},
        {"missing", [](const TempFolder& f) { return f.path("none.dll"); }, kOpenFailed},
        {"locked", [](const TempFolder& f) { return f.write("locked.dll", kModule); }, kOpenFailed},
        {"empty", [](const TempFolder& f) { return f.write("empty.dll", ""); }, kNotKld},
        {"no port text", [](const TempFolder& f) { return f.write("other.dll", "COM3:just text, COM in the header"); },
         kNotKld},
    };
    start();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = c.prepare(folder_);
        HANDLE lock = INVALID_HANDLE_VALUE;
        if (std::string(c.name) == "locked") {
            lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(lock, INVALID_HANDLE_VALUE);
        }
        SetWindowTextA(control(ControlId::hint_line), "");
        drop(DataObject::files({path}));
        if (lock != INVALID_HANDLE_VALUE) CloseHandle(lock);
        EXPECT_EQ(status(), kCurrentFile + path);
        EXPECT_EQ(hint(), c.hint);
        EXPECT_EQ(rows(), 0);
        EXPECT_FALSE(shell().form.file.is_open());
    }
}

}  // namespace
