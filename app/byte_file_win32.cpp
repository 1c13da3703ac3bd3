#include <windows.h>

#include <algorithm>

#include "config/byte_file.h"

namespace {

constexpr DWORD kRefused = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;
constexpr std::size_t kLargestTransfer = 1u << 30;

HANDLE as_handle(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Windows refuses to open a read-only file for writing, but Wine running as root would
// not, so the attribute is checked here; a folder is no byte file either.
bool refused(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & kRefused) != 0;
}

std::intptr_t open(const std::string& path, DWORD disposition) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    return file == INVALID_HANDLE_VALUE ? ByteFile::kNoHandle : reinterpret_cast<std::intptr_t>(file);
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
    if (path.empty() || refused(path)) return ByteFile::kNoHandle;
    return open(path, OPEN_EXISTING);
}

std::intptr_t create_or_replace(const std::string& path) {
    if (path.empty() || refused(path)) return ByteFile::kNoHandle;
    return open(path, CREATE_ALWAYS);
}

void close(std::intptr_t handle) { CloseHandle(as_handle(handle)); }

std::int64_t length(std::intptr_t handle) {
    LARGE_INTEGER size{};
    return GetFileSizeEx(as_handle(handle), &size) ? size.QuadPart : 0;
}

std::int64_t read_at(std::intptr_t handle, std::int64_t offset, char* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        OVERLAPPED where = at_offset(offset + static_cast<std::int64_t>(done));
        DWORD got = 0;
        const auto want = static_cast<DWORD>(std::min(size - done, kLargestTransfer));
        if (!ReadFile(as_handle(handle), data + done, want, &got, &where) || got == 0) break;
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

bool exists(const std::string& path) {
    return !path.empty() && GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool remove(const std::string& path) { return !path.empty() && DeleteFileA(path.c_str()) != 0; }

}  // namespace os_file
