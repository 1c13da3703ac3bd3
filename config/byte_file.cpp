#include "config/byte_file.h"

#include <algorithm>
#include <utility>

namespace {
constexpr std::size_t kBufferSize = 64 * 1024;
}

ByteFile::~ByteFile() { close(); }

ByteFile::ByteFile(ByteFile&& other) noexcept { *this = std::move(other); }

ByteFile& ByteFile::operator=(ByteFile&& other) noexcept {
    if (this != &other) {
        close();
        handle_ = std::exchange(other.handle_, kNoHandle);
        length_ = std::exchange(other.length_, 0);
        position_ = std::exchange(other.position_, 0);
        buffer_start_ = std::exchange(other.buffer_start_, 0);
        buffer_ = std::move(other.buffer_);
        other.buffer_.clear();
    }
    return *this;
}

bool ByteFile::open_existing(const std::string& path) {
    close();
    handle_ = os_file::open_existing(path);
    if (!is_open()) return false;
    length_ = os_file::length(handle_);
    return true;
}

bool ByteFile::create_or_replace(const std::string& path) {
    close();
    handle_ = os_file::create_or_replace(path);
    return is_open();
}

void ByteFile::close() {
    if (is_open()) os_file::close(handle_);
    handle_ = kNoHandle;
    length_ = 0;
    position_ = 0;
    buffer_start_ = 0;
    buffer_.clear();
}

bool ByteFile::fill_buffer(std::int64_t offset) {
    buffer_start_ = offset;
    buffer_.clear();
    if (!is_open() || offset >= length_) return false;
    const auto want = static_cast<std::size_t>(std::min<std::int64_t>(kBufferSize, length_ - offset));
    buffer_.resize(want);
    const std::int64_t got = os_file::read_at(handle_, offset, buffer_.data(), want);
    buffer_.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return !buffer_.empty();
}

std::string ByteFile::read(std::size_t n) {
    std::string out;
    while (out.size() < n && position_ < length_) {
        const std::int64_t end = buffer_start_ + static_cast<std::int64_t>(buffer_.size());
        if (position_ < buffer_start_ || position_ >= end) {
            if (!fill_buffer(position_)) break;
            continue;
        }
        const auto at = static_cast<std::size_t>(position_ - buffer_start_);
        const std::size_t take = std::min(n - out.size(), buffer_.size() - at);
        out.append(buffer_, at, take);
        position_ += static_cast<std::int64_t>(take);
    }
    return out;
}

std::string ByteFile::read_text(std::size_t n) {
    std::string out;
    while (out.size() < n) {
        const std::string one = read(1);
        if (one.empty()) break;
        if (one[0] == '\0' || one[0] == '\x1A') {
            position_ -= 1;
            break;
        }
        out += one;
    }
    return out;
}

bool ByteFile::write(std::string_view bytes) {
    if (!is_open()) return false;
    const std::int64_t done = os_file::write_at(handle_, position_, bytes.data(), bytes.size());
    if (done <= 0) return bytes.empty();
    // Keep the buffer true to the disk where the write overlaps it.
    const std::int64_t end = buffer_start_ + static_cast<std::int64_t>(buffer_.size());
    for (std::int64_t i = 0; i < done; ++i) {
        const std::int64_t at = position_ + i;
        if (at >= buffer_start_ && at < end) buffer_[static_cast<std::size_t>(at - buffer_start_)] = bytes[static_cast<std::size_t>(i)];
    }
    position_ += done;
    length_ = std::max(length_, position_);
    return done == static_cast<std::int64_t>(bytes.size());
}
