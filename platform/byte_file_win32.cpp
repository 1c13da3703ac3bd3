#include <windows.h>

#include <algorithm>

#include "platform/byte_file.h"
#include "platform/windows_text.h"

namespace {

constexpr DWORD kRefused = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;
constexpr std::size_t kLargestTransfer = 1u << 30;

HANDLE as_handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Windows refuses to open a read-only file for writing, but Wine running as root would
// not, so the attribute is checked here; a folder is no byte file either.
bool refused(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kRefused) != 0;
}

OVERLAPPED at_offset(std::int64_t offset) {
    OVERLAPPED where{};
    where.Offset = static_cast<DWORD>(offset & 0xFFFFFFFF);
    where.OffsetHigh = static_cast<DWORD>(offset >> 32);
    return where;
}

}  // namespace

namespace os_file {

std::intptr_t open_existing(const std::string& path) {
    const std::wstring wide = utf8_to_wide(path);
    if (wide.empty() || refused(wide)) return ByteFile::kNoHandle;
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? ByteFile::kNoHandle : reinterpret_cast<std::intptr_t>(file);
}

std::intptr_t open_for_reading(const std::string& path) {
    const std::wstring wide = utf8_to_wide(path);
    const DWORD attributes = wide.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return ByteFile::kNoHandle;
    const HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? ByteFile::kNoHandle : reinterpret_cast<std::intptr_t>(file);
}

void close(std::intptr_t handle) { CloseHandle(as_handle(handle)); }

std::int64_t length(std::intptr_t handle) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(as_handle(handle), &size) ? size.QuadPart : -1;
}

std::int64_t read_at(std::intptr_t handle, std::int64_t offset, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED where = at_offset(offset + static_cast<std::int64_t>(done));
        DWORD got = 0;
        const auto want = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
        if (!ReadFile(as_handle(handle), data + done, want, &got, &where)) {
            if (GetLastError() == ERROR_HANDLE_EOF) break;
            return -1;
        }
        if (got == 0) break;
        done += got;
    }
    return static_cast<std::int64_t>(done);
}

std::int64_t write_at(std::intptr_t handle, std::int64_t offset, const char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED where = at_offset(offset + static_cast<std::int64_t>(done));
        DWORD put = 0;
        const auto want = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
        if (!WriteFile(as_handle(handle), data + done, want, &put, &where) || put == 0) {
            return done ? static_cast<std::int64_t>(done) : -1;
        }
        done += put;
    }
    return static_cast<std::int64_t>(done);
}

bool flush(std::intptr_t handle) { return FlushFileBuffers(as_handle(handle)) != 0; }

bool exists(const std::string& path) {
    const std::wstring wide = utf8_to_wide(path);
    return !wide.empty() && GetFileAttributesW(wide.c_str()) != INVALID_FILE_ATTRIBUTES;
}

}  // namespace os_file
