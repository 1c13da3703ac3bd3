#include "platform/profile_file.h"

#include <optional>
#include <string_view>

#include "numeric/ascii_case.h"
#include "platform/whole_file.h"

namespace {

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r\n") - first + 1);
}

// The ']' that closes a section header, stepping over two-byte characters: a GBK trail
// byte may be 5D (乚 is 81 5D) and must not end the name.
std::size_t closing_bracket(std::string_view header) {
    for (std::size_t i = 1; i < header.size(); ++i) {
        const auto byte = static_cast<unsigned char>(header[i]);
        if (byte >= 0x81 && byte <= 0xFE) {
            ++i;
        } else if (header[i] == ']') {
            return i;
        }
    }
    return std::string_view::npos;
}

// The name of a section header line, or nullopt for another line.
std::optional<std::string_view> section_name(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[') return std::nullopt;
    const auto close = closing_bracket(t);
    return trim(t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

}  // namespace

std::string ProfileFile::read(const std::string& file, const std::string& section, const std::string& key) {
    const std::string_view wanted_section = trim(section);
    const std::string_view wanted_key = trim(key);
    std::string bytes;
    if (wanted_section.empty() || wanted_key.empty() || !read_whole_file(file, bytes)) return {};
    bool in_section = false;
    std::string_view rest = bytes;
    while (!rest.empty()) {
        const auto end = rest.find('\n');
        const std::string_view t = trim(rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
        if (const auto name = section_name(t)) {
            in_section = same_ignoring_ascii_case(*name, wanted_section);
            continue;
        }
        const auto equals = t.find('=');
        if (!in_section || equals == std::string_view::npos || !same_ignoring_ascii_case(trim(t.substr(0, equals)), wanted_key)) continue;
        std::string_view value = trim(t.substr(equals + 1));
        if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
            value = value.substr(1, value.size() - 2);
        return std::string(value.substr(0, kProfileValueLimit));
    }
    return {};
}

namespace {

struct Line {
    std::size_t start;    // first byte
    std::size_t end;      // before the line end
    std::size_t next;     // after the line end
};

std::vector<Line> lines_of(std::string_view bytes) {
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t newline = bytes.find('\n', at);
        const std::size_t next = newline == std::string_view::npos ? bytes.size() : newline + 1;
        std::size_t end = newline == std::string_view::npos ? bytes.size() : newline;
        if (end > at && bytes[end - 1] == '\r') --end;
        lines.push_back({at, end, next});
        at = next;
    }
    return lines;
}


}  // namespace

std::string with_profile_value(std::string_view bytes, std::string_view section, std::string_view key,
                               std::string_view value) {
    std::string entry = std::string(key) + "=" + std::string(value);
    // New lines follow the file's own line ends.
    const std::string_view eol = bytes.find("\r\n") != std::string_view::npos || bytes.find('\n') == std::string_view::npos
                                     ? std::string_view("\r\n")
                                     : std::string_view("\n");
    const std::vector<Line> lines = lines_of(bytes);
    bool in_section = false;
    std::optional<std::size_t> insert_at;  // after the section's last non-blank line
    for (const Line& line : lines) {
        const std::string_view text = bytes.substr(line.start, line.end - line.start);
        if (const auto name = section_name(text)) {
            if (in_section) break;
            in_section = same_ignoring_ascii_case(*name, trim(section));
            if (in_section) insert_at = line.next;
            continue;
        }
        if (!in_section) continue;
        const auto equals = text.find('=');
        if (equals != std::string_view::npos && same_ignoring_ascii_case(trim(text.substr(0, equals)), trim(key))) {
            // The key keeps its own spelling, as the profile API keeps it.
            entry = std::string(trim(text.substr(0, equals))) + "=" + std::string(value);
            return std::string(bytes.substr(0, line.start)) + entry + std::string(bytes.substr(line.end));
        }
        if (!trim(text).empty()) insert_at = line.next;
    }
    std::string out(bytes);
    if (insert_at) {
        std::string added = entry + std::string(eol);
        // A section whose last line has no line end yet gets one before the new key.
        if (*insert_at == bytes.size() && !bytes.empty() && bytes.back() != '\n') added = std::string(eol) + added;
        return out.insert(*insert_at, added);
    }
    if (!out.empty() && out.back() != '\n') out += eol;
    return out + "[" + std::string(section) + "]" + std::string(eol) + entry + std::string(eol);
}

bool write_profile_values(const std::string& file, std::string_view section,
                          const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string bytes;
    read_whole_file(file, bytes);
    for (const auto& [key, value] : keys) bytes = with_profile_value(bytes, section, key, value);
    return replace_file(file, bytes) == ReplaceOutcome::done;
}
