#include "cli/ini_reader.h"

#include <fstream>

namespace {

std::string trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

bool same_name(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

}  // namespace

std::string IniReader::read(const std::string& file, const std::string& section, const std::string& key) {
    const std::string wanted_section = trim(section);
    const std::string wanted_key = trim(key);
    if (wanted_section.empty() || wanted_key.empty()) return {};
    std::ifstream in(file, std::ios::binary);
    std::string line;
    bool in_section = false;
    while (std::getline(in, line)) {
        const std::string t = trim(line);
        if (!t.empty() && t.front() == '[') {
            const auto close = t.find(']');
            in_section = same_name(trim(t.substr(1, close == std::string::npos ? std::string::npos : close - 1)), wanted_section);
            continue;
        }
        const auto equals = t.find('=');
        if (!in_section || equals == std::string::npos || !same_name(trim(t.substr(0, equals)), wanted_key)) continue;
        std::string value = trim(t.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return value.substr(0, 10239);
    }
    return {};
}
