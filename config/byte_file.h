#pragma once
#include <cstdint>
#include <string>
#include <string_view>

// The one way the core reaches a file on disk: a buffered byte file with a current
// position. Scans read two bytes at a time, so reads are served from a buffer; writes
// go straight to disk. The operating-system side lives in byte_file_posix.cpp and,
// for Windows, in app/byte_file_win32.cpp.
class ByteFile {
public:
    ByteFile() = default;
    ~ByteFile();
    ByteFile(const ByteFile&) = delete;
    ByteFile& operator=(const ByteFile&) = delete;
    ByteFile(ByteFile&& other) noexcept;
    ByteFile& operator=(ByteFile&& other) noexcept;

    // An existing file, for reading and writing, shared with other programs.
    // Fails for a read-only file, a folder, a missing path.
    bool open_existing(const std::string& path);
    // A new empty file (an existing one is replaced), for writing.
    bool create_or_replace(const std::string& path);
    bool is_open() const { return handle_ != kNoHandle; }
    void close();

    std::int64_t length() const { return length_; }
    std::int64_t position() const { return position_; }
    void seek(std::int64_t offset) { position_ = offset < 0 ? 0 : offset; }

    // Up to n bytes from the position; fewer at the end of the file.
    std::string read(std::size_t n);
    // Up to n bytes, stopping before a 00 or 1A byte, which is not consumed.
    std::string read_text(std::size_t n);
    // Writes at the position and moves past the bytes written.
    bool write(std::string_view bytes);

    static constexpr std::intptr_t kNoHandle = -1;

private:
    bool fill_buffer(std::int64_t offset);

    std::intptr_t handle_ = kNoHandle;
    std::int64_t length_ = 0;
    std::int64_t position_ = 0;
    std::int64_t buffer_start_ = 0;
    std::string buffer_;
};

// Operating-system primitives behind ByteFile, one implementation per platform.
namespace os_file {
std::intptr_t open_existing(const std::string& path);  // ByteFile::kNoHandle on failure
std::intptr_t create_or_replace(const std::string& path);
void close(std::intptr_t handle);
std::int64_t length(std::intptr_t handle);
// Reads or writes at an absolute offset; returns the count done, -1 on failure.
std::int64_t read_at(std::intptr_t handle, std::int64_t offset, char* data, std::size_t size);
std::int64_t write_at(std::intptr_t handle, std::int64_t offset, const char* data, std::size_t size);
bool exists(const std::string& path);
// Deletes a file; false when it could not be deleted.
bool remove(const std::string& path);
}  // namespace os_file

// True when anything of that name exists.
inline bool file_exists(const std::string& path) { return os_file::exists(path); }
