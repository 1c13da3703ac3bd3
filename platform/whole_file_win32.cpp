#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/whole_file.h"
#include "platform/windows_text.h"

namespace {

struct Handle {
    HANDLE h = INVALID_HANDLE_VALUE;
    explicit Handle(HANDLE handle) : h(handle) {}
    ~Handle() {
        if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return h != INVALID_HANDLE_VALUE; }
    bool close() {
        const bool closed = CloseHandle(h) != 0;
        h = INVALID_HANDLE_VALUE;
        return closed;
    }
};

bool write_all(HANDLE file, std::string_view bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (!WriteFile(file, bytes.data() + done, want, &put, nullptr) || put == 0) return false;
        done += put;
    }
    return true;
}

bool identity(const std::wstring& path, BY_HANDLE_FILE_INFORMATION& info) {
    // Zero access: asks the identity without opening the content, so locked files answer too.
    Handle file(CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    return file.ok() && GetFileInformationByHandle(file.h, &info);
}

// The bytes in a flushed temporary file beside target; its name, or an empty text when it
// could not be made whole.
std::wstring write_temporary(const std::wstring& target, std::string_view bytes) {
    static std::atomic<unsigned> counter{0};
    const std::wstring temporary =
        target + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) + L".tmp";
    Handle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return {};
    const bool written = write_all(file.h, bytes) && FlushFileBuffers(file.h);
    if (file.close() && written) return temporary;
    DeleteFileW(temporary.c_str());
    return {};
}

}  // namespace

ReplaceOutcome replace_file(const std::string& path, std::string_view bytes) {
    const std::wstring target = utf8_to_wide(path);
    if (target.empty()) return ReplaceOutcome::failed;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ReplaceOutcome::failed;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) return ReplaceOutcome::read_only;
    const std::wstring temporary = write_temporary(target, bytes);
    if (temporary.empty()) return ReplaceOutcome::failed;
    if (!MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return ReplaceOutcome::failed;
    }
    return ReplaceOutcome::done;
}

CreateOutcome create_file(const std::string& path, std::string_view bytes) {
    const std::wstring target = utf8_to_wide(path);
    if (target.empty()) return CreateOutcome::failed;
    const std::wstring temporary = write_temporary(target, bytes);
    if (temporary.empty()) return CreateOutcome::failed;
    // Without MOVEFILE_REPLACE_EXISTING the move refuses a name that exists.
    if (MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH)) return CreateOutcome::done;
    const DWORD error = GetLastError();
    DeleteFileW(temporary.c_str());
    return error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS ? CreateOutcome::exists : CreateOutcome::failed;
}

bool read_whole_file(const std::string& path, std::string& bytes) {
    bytes.clear();
    Handle file(CreateFileW(utf8_to_wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    char block[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.h, block, sizeof block, &got, nullptr)) return false;
        if (got == 0) return true;
        bytes.append(block, got);
    }
}

bool same_file(const std::string& a, const std::string& b) {
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    return identity(utf8_to_wide(a), ia) && identity(utf8_to_wide(b), ib) &&
           ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

PathKind path_kind(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(utf8_to_wide(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return PathKind::missing;
    return attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE) ? PathKind::other : PathKind::file;
}
