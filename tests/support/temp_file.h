#pragma once
// Real files in a fresh temporary folder, removed with the fixture.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvello-XXXXXX").string();
        dir_ = ::mkdtemp(pattern.data());
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::remove_all(dir_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string path(const std::string& name) const { return dir_ + "/" + name; }

    std::string write(const std::string& name, const std::string& bytes) const {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        return p;
    }

private:
    std::string dir_;
};

inline std::string read_file(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
