#include <windows.h>
#include <ole2.h>

#include <string>

#include "app/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string path(MAX_PATH, '\0');
    DWORD length = 0;
    while ((length = GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    const std::string program_dir = path.substr(0, path.rfind('\\'));
    SetCurrentDirectoryA(program_dir.c_str());
    OleInitialize(nullptr);
    return run_program(program_dir);
}
