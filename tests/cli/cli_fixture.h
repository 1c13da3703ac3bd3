#pragma once
// The command-line program run as a process on real files, as a script would run it.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "run_process.h"
#include "tests/support/config_bytes.h"

namespace cli_test {

namespace fs = std::filesystem;

inline std::string u8(const char8_t* text) { return reinterpret_cast<const char*>(text); }

inline fs::path from_utf8(const std::string& text) { return fs::path(std::u8string(text.begin(), text.end())); }

inline std::string to_utf8(const fs::path& path) {
    const std::u8string text = path.u8string();
    return {text.begin(), text.end()};
}

// GBK of the texts the tests type, spelled as bytes so the encoding itself is checked.
inline const std::string kGbkChinese = "\xD6\xD0\xCE\xC4";  // 中文
inline const std::string kGbkNote = "\xD7\xA2\xCA\xCD";     // 注释

inline std::string without_cr(std::string s) {
    std::erase(s, '\r');
    return s;
}

// A module: "COM3:" at 40, and after the rate anchor the three bytes of a rate at 5D.
inline std::string module_bytes(const std::string& rate_bytes, const std::string& port = "COM3:") {
    std::string m(64, '\x11');
    m += port;
    m += std::string(16, '\x22');
    m += std::string("\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8) + rate_bytes + "\xE3";
    m += std::string(32, '\x33');
    return m;
}
inline const std::string kRate9600 = "\x96\x0D\xA0";
inline const std::string kRate57600 = "\xE1\x0C\xA0";

// Two records: 30 "AB" and D0 "CD"; the file ends at 170.
inline std::string two_record_config() { return config_file('\xBF', {chain("AB"), chain("CD")}); }

class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("tarvello-cli-" + std::to_string(rd()));
        fs::create_directories(dir_);
    }
    void TearDown() override {
        // Read-only files would stay behind on Windows.
        std::error_code ec;
        for (const auto& entry : fs::recursive_directory_iterator(dir_, ec))
            fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }

    // Names and paths are UTF-8, the program's path form on every platform.
    std::string path(const std::string& name) const { return to_utf8(dir_ / from_utf8(name)); }
    std::string write(const std::string& name, const std::string& bytes) const {
        std::ofstream(dir_ / from_utf8(name), std::ios::binary | std::ios::trunc) << bytes;
        return path(name);
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dir_ / from_utf8(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    bool exists(const std::string& name) const {
        std::error_code ec;
        return fs::exists(dir_ / from_utf8(name), ec);
    }
    void make_read_only(const std::string& name) const {
        fs::permissions(dir_ / from_utf8(name), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }

    // UTF-8 arguments, output as the default encoding leaves it unless told.
    ProcessResult run(const std::vector<std::string>& args, const ProcessOptions& options = {}) const {
        ProcessResult r = run_process(TARVELLO_CLI, args, to_utf8(dir_), options);
        r.out = without_cr(r.out);
        r.err = without_cr(r.err);
        return r;
    }
    ProcessResult run_utf8(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--encoding", "utf8"});
        return run(args);
    }
    // Arguments and output in GBK, the same on every platform.
    ProcessResult run_gbk(std::vector<std::string> args) const {
        args.insert(args.begin(), {"--encoding", "gbk"});
        return run(args, {.text = ArgumentText::gbk});
    }

    fs::path dir_;
};

}  // namespace cli_test
