#pragma once
// The files the benchmarks work on, built here with an encoder of their own, in a fresh
// temporary folder removed with the object.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

class BenchFolder {
public:
    BenchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tarvello-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) != nullptr) dir_ = pattern;
    }
    ~BenchFolder() {
        std::error_code ec;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    std::string path(const std::string& name) const { return dir_ + "/" + name; }
    std::string write(const std::string& name, std::string_view bytes) const {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        return p;
    }

private:
    std::string dir_;
};

inline std::string read_bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A value's units after the seed 30: one per byte modulo 255, the last twice more.
inline std::string value_chain(std::string_view value) {
    char unit_text[3];
    int unit = 0x30;
    std::string out = "30";
    for (const unsigned char byte : value) {
        unit += byte;
        if (unit > 255) unit -= 255;
        std::snprintf(unit_text, sizeof unit_text, "%02X", unit);
        out += unit_text;
    }
    std::snprintf(unit_text, sizeof unit_text, "%02X", unit);
    return out + unit_text + unit_text;
}

inline const std::string kConfigHeader = std::string("\x1A\x67\x32\x01\xBF", 5) + std::string(43, '\x55');

// 191 slots, each holding a value of value_length bytes (77 fills a slot).
inline std::string full_config_file(int value_length) {
    std::string bytes = kConfigHeader;
    for (int slot = 0; slot <= 190; ++slot) {
        std::string value;
        for (int i = 0; i < value_length; ++i) value += static_cast<char>('A' + (slot + i) % 26);
        bytes += (value_chain(value) + std::string(160, '\0')).substr(0, 160);
    }
    return bytes;
}

// A configuration file of 4 MiB whose body is random two-digit units: one unbroken chain.
inline std::string four_mib_config_file() {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string bytes = kConfigHeader;
    std::mt19937 random(7);
    while (bytes.size() < 4u << 20) {
        const unsigned unit = random() & 0xFF;
        bytes += kDigits[unit >> 4];
        bytes += kDigits[unit & 15];
    }
    return bytes;
}
