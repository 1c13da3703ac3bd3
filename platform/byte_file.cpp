#include "platform/byte_file.h"

#include <algorithm>
#include <utility>

ByteFile::~ByteFile() { close(); }

ByteFile::ByteFile(ByteFile&& other) noexcept : handle_(std::exchange(other.handle_, kNoHandle)) {}

ByteFile& ByteFile::operator=(ByteFile&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

bool ByteFile::open_existing(const std::string& path) {
    close();
    handle_ = os_file::open_existing(path);
    return is_open();
}

bool ByteFile::open_for_reading(const std::string& path) {
    close();
    handle_ = os_file::open_for_reading(path);
    return is_open();
}

void ByteFile::close() {
    if (is_open()) os_file::close(handle_);
    handle_ = kNoHandle;
}

std::int64_t ByteFile::length() const { return is_open() ? os_file::length(handle_) : -1; }

ByteFile::Read ByteFile::read_at(std::int64_t offset, std::size_t n, std::string& out) const {
    out.clear();
    if (!is_open() || offset < 0) return Read::failed;
    // A chunked walk asks for a MiB of a file that may hold a hundred bytes.
    const std::int64_t size = length();
    if (size >= 0) n = static_cast<std::size_t>(std::clamp<std::int64_t>(size - offset, 0, static_cast<std::int64_t>(n)));
    out.resize(n);
    const std::int64_t got = os_file::read_at(handle_, offset, out.data(), n);
    if (got < 0) {
        out.clear();
        return Read::failed;
    }
    out.resize(static_cast<std::size_t>(got));
    return Read::ok;
}

ByteFile::Read ByteFile::read_all(std::string& out) const {
    const std::int64_t size = length();
    if (size < 0) return Read::failed;
    const Read read = read_at(0, static_cast<std::size_t>(size), out);
    // A file that shrank meanwhile is read as it is now; one that could not be read whole
    // for another reason is a failure, not a shorter file.
    if (read == Read::ok && static_cast<std::int64_t>(out.size()) < size && length() >= size) return Read::failed;
    return read;
}

bool ByteFile::write_at(std::int64_t offset, std::string_view bytes) {
    if (!is_open() || offset < 0) return false;
    if (bytes.empty()) return true;
    return os_file::write_at(handle_, offset, bytes.data(), bytes.size()) == static_cast<std::int64_t>(bytes.size());
}

bool ByteFile::flush() { return is_open() && os_file::flush(handle_); }
