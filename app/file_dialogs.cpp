#include "app/file_dialogs.h"

#include <commdlg.h>

#include "platform/windows_text.h"

namespace {

constexpr DWORD kPathBufferSize = 32768;

// Pairs of shown text and pattern, each ended by a zero, the list by a second one.
const wchar_t kOpenFilter[] = L"NaviConfig.dll\0NaviConfig.dll\0NaviOneSCH.dll\0navionesch.dll\0全部文件\0*\0";

OPENFILENAMEW dialog_settings(HWND owner, std::wstring& path, const wchar_t* title) {
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize;
    dialog.lpstrTitle = title;
    return dialog;
}

std::string chosen(std::wstring& path, BOOL confirmed) {
    if (!confirmed) return {};
    path.resize(path.find(L'\0'));
    return wide_to_utf8(path);
}

}  // namespace

std::string ask_file_to_open(HWND owner) {
    std::wstring path(kPathBufferSize, L'\0');
    OPENFILENAMEW dialog = dialog_settings(owner, path, L"选取 Naviconfig.dll 或 NaviOneSCH.dll");
    dialog.lpstrFilter = kOpenFilter;
    dialog.nFilterIndex = 1;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return chosen(path, GetOpenFileNameW(&dialog));
}

std::string ask_file_to_save(HWND owner) {
    std::wstring path(kPathBufferSize, L'\0');
    path.replace(0, 7, L"kld_dec");
    OPENFILENAMEW dialog = dialog_settings(owner, path, L"保存编译后的内容为TXT文件");
    // No overwrite prompt: the export appends ".txt" to the chosen name, so the dialog
    // would ask about a file that is not the one written.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return chosen(path, GetSaveFileNameW(&dialog));
}
