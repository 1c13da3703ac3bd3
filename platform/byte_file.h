#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// Paths: everywhere above this folder a path is UTF-8 text. Each platform turns it into
// what its file API takes (the path itself on POSIX, UTF-16 for the W functions on Windows).

// An open file, read and written at absolute offsets. Nothing is cached: every read goes to
// the disk, so another program's change between two operations is always seen.
class ByteFile {
public:
    ByteFile() = default;
    ~ByteFile();
    ByteFile(const ByteFile&) = delete;
    ByteFile& operator=(const ByteFile&) = delete;
    ByteFile(ByteFile&& other) noexcept;
    ByteFile& operator=(ByteFile&& other) noexcept;

    // An existing regular file, for reading and writing, shared with other programs.
    // Fails for a read-only file, a folder, a missing path.
    bool open_existing(const std::string& path);
    // An existing regular file for reading only, read-only ones too: what is only compared
    // (a backup, a copy on a write-protected card) must not need write access.
    bool open_for_reading(const std::string& path);
    bool is_open() const { return handle_ != kNoHandle; }
    void close();

    // The length on disk now; -1 when it cannot be asked.
    std::int64_t length() const;

    enum class Read { ok, failed };
    // Up to n bytes from offset; fewer only at the end of the file. `failed` when the
    // system refused the read (a locked range, a device error), which is not an end.
    Read read_at(std::int64_t offset, std::size_t n, std::string& out) const;
    // The whole file as it is on disk now.
    Read read_all(std::string& out) const;
    // All of bytes at offset, or false.
    bool write_at(std::int64_t offset, std::string_view bytes);
    // Down to the device: nothing is called done before this succeeded.
    bool flush();

    static constexpr std::intptr_t kNoHandle = -1;

private:
    std::intptr_t handle_ = kNoHandle;
};

// Operating-system primitives, one implementation per platform (byte_file_posix.cpp,
// byte_file_win32.cpp).
namespace os_file {
std::intptr_t open_existing(const std::string& path);  // ByteFile::kNoHandle on failure
std::intptr_t open_for_reading(const std::string& path);
void close(std::intptr_t handle);
std::int64_t length(std::intptr_t handle);  // -1 on failure
// Counts done; -1 when the system refused before anything was done.
std::int64_t read_at(std::intptr_t handle, std::int64_t offset, char* data, std::size_t size);
std::int64_t write_at(std::intptr_t handle, std::int64_t offset, const char* data, std::size_t size);
bool flush(std::intptr_t handle);
bool exists(const std::string& path);
}  // namespace os_file

// True when anything of that name exists.
inline bool file_exists(const std::string& path) { return os_file::exists(path); }
