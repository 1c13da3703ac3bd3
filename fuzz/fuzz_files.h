#pragma once
// Real files for the fuzz cases: a private folder per case, whole reads by the C library,
// and a second writer that changes a file through a handle of its own, as another program
// would while the window holds it open.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <string_view>

#include "fuzz/fuzz_input.h"

// A fresh folder, removed with the object.
class FuzzFolder {
public:
    FuzzFolder() {
        std::string pattern = (base() / "tarvello-fuzz-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr) fuzz_property_broken("mkdtemp", __FILE__, __LINE__);
        dir_ = pattern;
    }
    ~FuzzFolder() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    FuzzFolder(const FuzzFolder&) = delete;
    FuzzFolder& operator=(const FuzzFolder&) = delete;

    const std::string& dir() const { return dir_; }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    std::string write(const std::string& name, std::string_view bytes) const {
        const std::string p = path(name);
        std::FILE* f = std::fopen(p.c_str(), "wb");
        FUZZ_CHECK(f != nullptr);
        FUZZ_CHECK(std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size());
        FUZZ_CHECK(std::fclose(f) == 0);
        return p;
    }

    // The names in the folder: a write that left a temporary file behind shows here.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) out.insert(entry.path().filename().string());
        return out;
    }

private:
    // TMPDIR when set, else memory when the machine has a folder there: every case makes and
    // removes a folder and its files, and on a disk that alone costs most of a run.
    static std::filesystem::path base() {
        std::error_code ec;
        if (std::getenv("TMPDIR") == nullptr && std::filesystem::is_directory("/dev/shm", ec)) return "/dev/shm";
        return std::filesystem::temp_directory_path();
    }

    std::string dir_;
};

inline bool exists(const std::string& path) {
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0;
}

// A whole file in one read, through a handle of its own; the fuzzers read every file they
// check after every step.
inline std::string file_bytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[65536];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
        std::fclose(f);
    }
    return bytes;
}

// Another program's change: bytes put at `at` (never past the end, so the length stays),
// or, when cut, the file truncated to `at`.
struct SecondWrite {
    std::int64_t at = 0;
    std::string bytes;
    bool cut = false;
};

// Reads one: a where byte (its bit 0: near `near`, the offset the case works at, else at a
// multiple of 8 from its upper bits; bit 7: a truncation), a signed distance, the bytes.
inline SecondWrite read_second_write(FuzzInput& in, std::int64_t near) {
    const std::uint8_t where = in.byte();
    const auto distance = static_cast<std::int8_t>(in.byte());
    SecondWrite w;
    w.at = std::max<std::int64_t>((where & 1 ? near : (where & 0x7E) * 8) + distance, 0);
    w.cut = where & 0x80;
    w.bytes = in.text();
    return w;
}

// Through stdio, not the descriptors the core writes by, so that the io watch never counts it.
inline void apply_second_write(const std::string& path, const SecondWrite& w) {
    const auto length = static_cast<std::int64_t>(file_bytes(path).size());
    const std::int64_t at = std::min(w.at, length);
    if (w.cut) {
        FUZZ_CHECK(::truncate(path.c_str(), at) == 0);
        return;
    }
    const auto n = static_cast<std::size_t>(std::min<std::int64_t>(static_cast<std::int64_t>(w.bytes.size()), length - at));
    std::FILE* f = std::fopen(path.c_str(), "r+b");
    FUZZ_CHECK(f != nullptr);
    FUZZ_CHECK(std::fseek(f, static_cast<long>(at), SEEK_SET) == 0);
    FUZZ_CHECK(std::fwrite(w.bytes.data(), 1, n, f) == n);
    FUZZ_CHECK(std::fclose(f) == 0);
}
