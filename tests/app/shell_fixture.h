#pragma once
// A fresh program folder per test and the real MainForm opened in it, closed again
// through the program's own loop.
#include <windows.h>
#include <ole2.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/control_table.h"
#include "app/message_loop.h"
#include "app/program.h"

// A folder under the Windows temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder() {
        static int count = 0;
        char base[MAX_PATH];
        GetTempPathA(MAX_PATH, base);
        path_ = std::string(base) + "tarvello-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++count);
        CreateDirectoryA(path_.c_str(), nullptr);
    }
    ~TempFolder() { remove_tree(path_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string path(const std::string& name) const { return path_ + "\\" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        return p;
    }

private:
    static void remove_tree(const std::string& folder) {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string name = found.cFileName;
                if (name == "." || name == "..") continue;
                const std::string item = folder + "\\" + name;
                SetFileAttributesA(item.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                    remove_tree(item);
                } else {
                    DeleteFileA(item.c_str());
                }
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(folder.c_str());
    }

    std::string path_;
};

inline std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

inline std::string text_of(HWND window) {
    char text[4096] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The drop target and the picture need OLE on the thread, as WinMain sets it up.
class OleEnvironment : public testing::Environment {
public:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};
inline testing::Environment* const ole_environment = testing::AddGlobalTestEnvironment(new OleEnvironment);

class ShellTest : public testing::Test {
protected:
    void TearDown() override {
        if (form_ && IsWindow(form_)) {
            SendMessageA(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
            run_loop_until_quit();
        }
    }

    // Starts the program in the test's folder, with a ziz_ivi.ini of these bytes beside
    // it when they are given.
    HWND start(const std::string* ini = nullptr) {
        if (ini) folder_.write("ziz_ivi.ini", *ini);
        form_ = open_main_form(folder_.path());
        return form_;
    }
    HWND start_with_ini(const std::string& ini) { return start(&ini); }

    HWND control(ControlId id) const { return program().control(id); }
    HWND form() const { return form_; }
    std::string ini_path() const { return folder_.path("ziz_ivi.ini"); }

    void pump() { process_pending_messages(); }

    // Posts a key press to a control the way the keyboard would queue it.
    void press(HWND target, WPARAM key) {
        PostMessageA(target, WM_KEYDOWN, key, 1);
        PostMessageA(target, WM_KEYUP, key, 0xC0000001);
        pump();
    }

    // The program's own loop, with a timer that ends it should the window never close.
    int run_loop_until_quit() {
        const UINT_PTR guard = SetTimer(nullptr, 0, 5000, [](HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(99); });
        const int code = run_message_loop();
        KillTimer(nullptr, guard);
        return code;
    }

    TempFolder folder_;
    HWND form_ = nullptr;
};
