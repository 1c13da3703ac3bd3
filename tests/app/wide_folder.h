#pragma once
// A temporary folder whose name has characters of no single code page, as a user's folder
// may have, reached through the W functions only. Paths are UTF-8, the core's form.
#include <windows.h>

#include <string>

#include "platform/whole_file.h"
#include "platform/windows_text.h"

class WideFolder {
public:
    WideFolder() {
        wchar_t base[MAX_PATH];
        GetTempPathW(MAX_PATH, base);
        path_ = std::wstring(base) + L"tarvello-\x03A9m\x00E9ga-\xD55C\xAE00-" + std::to_wstring(GetCurrentProcessId()) +
                L"-" + std::to_wstring(GetTickCount64()) + L"-" + std::to_wstring(++made_);
        CreateDirectoryW(path_.c_str(), nullptr);
    }
    ~WideFolder() {
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::wstring item = path_ + L"\\" + found.cFileName;
                SetFileAttributesW(item.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(item.c_str());
                RemoveDirectoryW(item.c_str());
            } while (FindNextFileW(search, &found));
            FindClose(search);
        }
        RemoveDirectoryW(path_.c_str());
    }
    WideFolder(const WideFolder&) = delete;
    WideFolder& operator=(const WideFolder&) = delete;

    std::string path(const std::string& name = {}) const { return wide_to_utf8(path_) + (name.empty() ? "" : "\\" + name); }
    std::string write(const std::string& name, const std::string& bytes) const {
        const HANDLE file = CreateFileW(utf8_to_wide(path(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
        CloseHandle(file);
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::string bytes;
        read_whole_file(path(name), bytes);
        return bytes;
    }
    int entries() const {
        int count = 0;
        WIN32_FIND_DATAW found;
        const HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return 0;
        do {
            if (std::wstring(found.cFileName) != L"." && std::wstring(found.cFileName) != L"..") ++count;
        } while (FindNextFileW(search, &found));
        FindClose(search);
        return count;
    }

    const std::wstring& wide() const { return path_; }

private:
    static inline int made_ = 0;
    std::wstring path_;
};
