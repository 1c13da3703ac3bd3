#include <windows.h>

#include <string>

#include "app/handles.h"
#include "app/shell.h"
#include "platform/windows_text.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const std::wstring program_dir = path.substr(0, path.rfind(L'\\'));
    SetCurrentDirectoryW(program_dir.c_str());
    const OleSession ole;
    if (!ole.started()) {
        MessageBoxW(nullptr, L"程序初始化失败!", L"提示", MB_OK | MB_TASKMODAL);
        return 0;
    }
    return run_program(wide_to_utf8(program_dir));
}
