#pragma once
// A fresh program folder per test and the real MainForm opened in it, closed again
// through the program's own loop.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "app/control_table.h"
#include "app/message_loop.h"
#include "app/shell.h"
#include "platform/windows_text.h"

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

// A control's rectangle in its parent's client area.
inline RECT client_rect_of(HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

inline std::string file_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Bytes written at offset of the file by another program.
inline void write_elsewhere(const std::string& path, std::size_t offset, const std::string& bytes) {
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    file.seekp(static_cast<std::streamoff>(offset));
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline bool exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Texts as the program's files hold them: what the window shows, in GBK whatever the
// system code page, so the same expectations hold on every machine.
inline std::string gbk_of(const std::wstring& text) {
    std::string gbk;
    wide_to_gbk(text, gbk);
    return gbk;
}

inline std::string text_of(HWND window) {
    wchar_t text[4096] = {};
    GetWindowTextW(window, text, 4096);
    return gbk_of(text);
}

// The drop target and the picture need OLE on the thread, as WinMain sets it up.
class OleEnvironment : public testing::Environment {
public:
    void SetUp() override { OleInitialize(nullptr); }
    void TearDown() override { OleUninitialize(); }
};
inline testing::Environment* const ole_environment = testing::AddGlobalTestEnvironment(new OleEnvironment);

// A data object as a file manager offers it: CF_HDROP in an HGLOBAL of DROPFILES with
// ANSI paths, or only CF_TEXT when it carries text.
class DataObject final : public IDataObject {
public:
    static DataObject* files(const std::vector<std::string>& paths) {
        std::string list;
        for (const std::string& p : paths) list += p + '\0';
        list += '\0';
        auto* object = new DataObject(CF_HDROP);
        object->bytes_.resize(sizeof(DROPFILES));
        auto* header = reinterpret_cast<DROPFILES*>(object->bytes_.data());
        header->pFiles = sizeof(DROPFILES);
        header->fWide = FALSE;
        object->bytes_ += list;
        return object;
    }
    // The same with UTF-16 paths (fWide), as Windows' own shell offers them; paths in UTF-8.
    static DataObject* wide_files(const std::vector<std::string>& paths) {
        std::wstring list;
        for (const std::string& p : paths) list += utf8_to_wide(p) + L'\0';
        list += L'\0';
        auto* object = new DataObject(CF_HDROP);
        object->bytes_.resize(sizeof(DROPFILES));
        auto* header = reinterpret_cast<DROPFILES*>(object->bytes_.data());
        header->pFiles = sizeof(DROPFILES);
        header->fWide = TRUE;
        object->bytes_.append(reinterpret_cast<const char*>(list.data()), list.size() * sizeof(wchar_t));
        return object;
    }
    static DataObject* text(const std::string& text) {
        auto* object = new DataObject(CF_TEXT);
        object->bytes_ = text + '\0';
        return object;
    }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
        if (iid == IID_IUnknown || iid == IID_IDataObject) {
            *out = this;
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) delete this;
        return left;
    }
    HRESULT STDMETHODCALLTYPE GetData(FORMATETC* format, STGMEDIUM* medium) override {
        if (QueryGetData(format) != S_OK) return DV_E_FORMATETC;
        const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
        CopyMemory(GlobalLock(memory), bytes_.data(), bytes_.size());
        GlobalUnlock(memory);
        medium->tymed = TYMED_HGLOBAL;
        medium->hGlobal = memory;
        medium->pUnkForRelease = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* format) override {
        return format->cfFormat == format_ && (format->tymed & TYMED_HGLOBAL) ? S_OK : DV_E_FORMATETC;
    }
    HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC* out) override {
        out->ptd = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD, IEnumFORMATETC**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
    HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override { return OLE_E_ADVISENOTSUPPORTED; }

private:
    explicit DataObject(CLIPFORMAT format) : format_(format) {}
    ULONG references_ = 1;
    CLIPFORMAT format_;
    std::string bytes_;
};

// Runs an action when a message posted now is dispatched, so it happens inside whatever
// lets the queue run next: a listing's event pump, a dialog's modal loop.
class QueuedAction {
public:
    QueuedAction() {
        WNDCLASSA cls{};
        cls.lpfnWndProc = proc;
        cls.hInstance = GetModuleHandleA(nullptr);
        cls.lpszClassName = kClass;
        RegisterClassA(&cls);
        window_ = CreateWindowExA(0, kClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, cls.hInstance, nullptr);
    }
    ~QueuedAction() { DestroyWindow(window_); }
    QueuedAction(const QueuedAction&) = delete;
    QueuedAction& operator=(const QueuedAction&) = delete;

    void post(std::function<void()> action) {
        action_ = std::move(action);
        SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&action_));
        PostMessageA(window_, WM_APP, 0, 0);
    }

private:
    static constexpr const char* kClass = "Tarvello.TestAction";
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM w, LPARAM l) {
        if (message != WM_APP) return DefWindowProcA(window, message, w, l);
        auto* action = reinterpret_cast<std::function<void()>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (action && *action) (*action)();
        return 0;
    }

    HWND window_ = nullptr;
    std::function<void()> action_;
};

// The open and save dialogs, answered from a timer inside their own modal loop.
struct DialogAnswer {
    explicit DialogAnswer(std::string name = {}, QueuedAction* queue = nullptr, std::function<void()> action = {})
        : file_name(std::move(name)), after(queue), after_action(std::move(action)) {}

    std::string file_name;  // UTF-8, typed before OK; empty: the dialog is cancelled
    QueuedAction* after;    // queued once OK is pressed: it runs while the export decodes
    std::function<void()> after_action;
    std::string title;  // what the dialog showed
    int shown = 0;
};
inline DialogAnswer* answer = nullptr;

inline BOOL CALLBACK find_dialog(HWND window, LPARAM found) {
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    if (std::string(name) != "#32770" || !IsWindowVisible(window)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

inline void CALLBACK answer_dialog(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog || !answer) return;
    ++answer->shown;
    answer->title = text_of(dialog);
    if (answer->file_name.empty()) {
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        return;
    }
    constexpr int kFileNameCombo = 0x47C;  // cmb13
    constexpr int kFileNameEdit = 0x480;   // edt1
    const HWND name = GetDlgItem(dialog, kFileNameCombo) ? GetDlgItem(dialog, kFileNameCombo) : GetDlgItem(dialog, kFileNameEdit);
    SetWindowTextW(name, utf8_to_wide(answer->file_name).c_str());
    SendMessageA(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    if (answer->after) answer->after->post(answer->after_action);
}

// Answers every dialog shown while it lives.
class DialogWatch {
public:
    explicit DialogWatch(DialogAnswer& a) : timer_(SetTimer(nullptr, 0, 100, answer_dialog)) { answer = &a; }
    ~DialogWatch() {
        KillTimer(nullptr, timer_);
        answer = nullptr;
    }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

private:
    UINT_PTR timer_;
};

class ShellTest : public testing::Test {
protected:
    void TearDown() override {
        if (form_ && IsWindow(form_)) {
            SendMessageW(form_, WM_SYSCOMMAND, SC_CLOSE, 0);
            run_loop_until_quit();
        }
        // The open file goes with the shell, before a test's folders are removed.
        shell_.reset();
    }

    // Starts the program in the test's folder, with a ziz_ivi.ini of these bytes beside
    // it when they are given.
    HWND start(const std::string* ini = nullptr) {
        if (ini) folder_.write("ziz_ivi.ini", *ini);
        shell_ = open_main_form(folder_.path());
        form_ = shell_ ? shell_->window : nullptr;
        return form_;
    }
    // The program started from another folder (UTF-8).
    HWND start_in(const std::string& folder) {
        shell_ = open_main_form(folder);
        form_ = shell_ ? shell_->window : nullptr;
        return form_;
    }
    HWND start_with_ini(const std::string& ini) { return start(&ini); }

    Shell& shell() const { return *shell_; }
    HWND control(ControlId id) const { return shell().control(id); }
    HWND form() const { return form_; }
    std::string ini_path() const { return folder_.path("ziz_ivi.ini"); }

    void pump() { process_pending_messages(); }

    // A key with Ctrl (and Shift) held, as the control's key handling sees it: the thread's
    // keyboard state says the modifiers are down while the key arrives.
    void press_with_ctrl(HWND target, WPARAM key, bool shift = false) {
        BYTE state[256];
        GetKeyboardState(state);
        state[VK_CONTROL] = 0x80;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        SendMessageW(target, WM_KEYDOWN, key, 1);
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
        pump();
    }

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

    // Drags the files over the icon's registered target and lets them go.
    void drop_files(const std::vector<std::string>& paths, bool wide = false) {
        IDropTarget* target = shell().drop_target.get();
        auto* data = wide ? DataObject::wide_files(paths) : DataObject::files(paths);
        DWORD effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->DragEnter(data, MK_LBUTTON, {10, 10}, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->DragOver(MK_LBUTTON, {11, 11}, &effect);
        effect = DROPEFFECT_COPY | DROPEFFECT_LINK;
        target->Drop(data, 0, {11, 11}, &effect);
        data->Release();
    }
    void drop_file(const std::string& path) { drop_files({path}); }

    // What the live controls show.
    HWND list() const { return control(ControlId::record_list); }
    std::string hint() const { return text_of(control(ControlId::hint_line)); }
    std::string status_text() const {
        wchar_t text[4096] = {};
        SendMessageW(control(ControlId::status_bar), SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text));
        return gbk_of(text);
    }
    int row_count() const { return static_cast<int>(SendMessageA(list(), LVM_GETITEMCOUNT, 0, 0)); }
    std::string cell(int row, int column) const {
        wchar_t text[4096] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 4096;
        SendMessageW(list(), LVM_GETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        return gbk_of(text);
    }
    // Every row's cells from column 0 up to the given count.
    std::vector<std::vector<std::string>> rows(int columns = 2) const {
        std::vector<std::vector<std::string>> all;
        for (int row = 0; row < row_count(); ++row) {
            all.emplace_back();
            for (int column = 0; column < columns; ++column) all.back().push_back(cell(row, column));
        }
        return all;
    }
    int selected_row() const {
        return static_cast<int>(SendMessageA(list(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    }
    int column_count() const {
        const HWND header = reinterpret_cast<HWND>(SendMessageA(list(), LVM_GETHEADER, 0, 0));
        return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    }

    // A point in the middle of a row, in the list's client coordinates.
    POINT row_point(int row) const {
        RECT rect{};
        rect.left = LVIR_BOUNDS;
        SendMessageA(list(), LVM_GETITEMRECT, row, reinterpret_cast<LPARAM>(&rect));
        return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    }
    // A point in the list's empty area below its rows.
    POINT below_rows() const {
        RECT client{};
        GetClientRect(list(), &client);
        return {client.right / 2, client.bottom - 5};
    }
    // A mouse click as the mouse queues it, taken through the program's own message
    // processing, so the list raises its click notification itself.
    void click_list(POINT at, bool right = false) {
        const LPARAM where = MAKELPARAM(at.x, at.y);
        PostMessageA(list(), right ? WM_RBUTTONDOWN : WM_LBUTTONDOWN, right ? MK_RBUTTON : MK_LBUTTON, where);
        PostMessageA(list(), right ? WM_RBUTTONUP : WM_LBUTTONUP, 0, where);
        pump();
    }

    // Typing into an edit box: the focus, everything selected, then the characters as the
    // keyboard queues them to a Unicode window, one UTF-16 unit each. The text is GBK.
    void type(HWND box, const std::string& text) { type_wide(box, gbk_to_wide(text)); }
    void type_wide(HWND box, const std::wstring& text) {
        SetFocus(box);
        SendMessageW(box, EM_SETSEL, 0, -1);
        if (text.empty()) PostMessageW(box, WM_CHAR, VK_BACK, 1);
        for (const wchar_t unit : text) PostMessageW(box, WM_CHAR, unit, 1);
        pump();
    }

    TempFolder folder_;
    std::unique_ptr<Shell> shell_;
    HWND form_ = nullptr;
};
