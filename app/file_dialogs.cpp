#include "app/file_dialogs.h"

#include <commdlg.h>

namespace {

constexpr DWORD kPathBufferSize = 32768;

// Pairs of shown text and pattern, each ended by a zero byte, the list by a second one.
const char kOpenFilter[] = "NaviConfig.dll\0NaviConfig.dll\0NaviOneSCH.dll\0navionesch.dll\0全部文件\0*\0";

OPENFILENAMEA dialog_settings(HWND owner, std::string& path, const char* title) {
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFile = path.data();
    dialog.nMaxFile = kPathBufferSize;
    dialog.lpstrTitle = title;
    return dialog;
}

std::string chosen(std::string& path, BOOL confirmed) {
    if (!confirmed) return {};
    path.resize(path.find('\0'));
    return path;
}

}  // namespace

std::string ask_file_to_open(HWND owner) {
    std::string path(kPathBufferSize, '\0');
    OPENFILENAMEA dialog = dialog_settings(owner, path, "选取 Naviconfig.dll 或 NaviOneSCH.dll");
    dialog.lpstrFilter = kOpenFilter;
    dialog.nFilterIndex = 1;
    dialog.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return chosen(path, GetOpenFileNameA(&dialog));
}

std::string ask_file_to_save(HWND owner) {
    std::string path(kPathBufferSize, '\0');
    path.replace(0, 7, "kld_dec");
    OPENFILENAMEA dialog = dialog_settings(owner, path, "保存编译后的内容为TXT文件");
    // No overwrite prompt: the export appends ".txt" to the chosen name, so the dialog
    // would ask about a file that is not the one written.
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    return chosen(path, GetSaveFileNameA(&dialog));
}
