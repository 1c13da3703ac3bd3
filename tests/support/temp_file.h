#pragma once
// Real files in a fresh temporary folder, removed with the fixture, and what tests do to
// them from outside the program: another handle's change, a file-size limit.
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvello-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        // Read-only files and folders inside are removed too: the tests run as root.
        std::filesystem::remove_all(dir_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& folder() const { return dir_; }
    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        return p;
    }

    // Every name in the folder, temporary files included.
    std::set<std::string> names() const {
        std::set<std::string> out;
        for (const auto& entry : std::filesystem::directory_iterator(dir_)) out.insert(entry.path().filename().string());
        return out;
    }

private:
    std::string dir_;
};

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Another program's change: bytes written at offset through a handle of its own.
inline void change_on_disk(const std::string& path, std::int64_t offset, const std::string& bytes) {
    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(offset);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline unsigned mode_of(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? static_cast<unsigned>(st.st_mode & 07777) : 0;
}

// While it lives, no file of this process grows beyond `bytes`: writes past it fail (EFBIG)
// instead of raising SIGXFSZ.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit low = saved_;
        low.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &low);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, old_handler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*old_handler_)(int) = nullptr;
};

// The working folder changed for a "./name" path, and restored.
class InFolder {
public:
    explicit InFolder(const std::string& folder) : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~InFolder() {
        std::error_code ec;
        std::filesystem::current_path(saved_, ec);
    }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path saved_;
};
