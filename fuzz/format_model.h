#pragma once
// The file formats modelled over bytes in memory, written apart from the core (byte by
// byte, with the C library's number parsing), to hold the core's reads and writes against.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz/fuzz_input.h"

using Rows = std::vector<std::vector<std::string>>;  // address, value, comment

inline std::string upper_hex(std::uint64_t value, int min_digits = 1) {
    char out[24];
    std::snprintf(out, sizeof out, "%0*llX", min_digits, static_cast<unsigned long long>(value));
    return out;
}

// GBK full-width forms made ASCII, a lone lead byte at the very end dropped.
inline std::string half_width_text(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            continue;
        }
        if (i + 1 == text.size()) break;
        const auto trail = static_cast<unsigned char>(text[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            out += static_cast<char>(trail - 0x80);
        } else if (lead == 0xA1 && trail == 0xA1) {
            out += ' ';
        } else if (lead == 0xA1 && trail == 0xAB) {
            out += '~';
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            out += '*';
        } else {
            out += static_cast<char>(lead);
            out += static_cast<char>(trail);
        }
    }
    return out;
}

// Half-width, then ASCII letters upper case; a double-byte character is left whole.
inline std::string normalised_text(std::string_view text) {
    std::string out = half_width_text(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (static_cast<unsigned char>(out[i]) >= 0x80) {
            ++i;
        } else if (out[i] >= 'a' && out[i] <= 'z') {
            out[i] = static_cast<char>(out[i] - 'a' + 'A');
        }
    }
    return out;
}

inline bool all_hex_digits(std::string_view t) { return t.find_first_not_of("0123456789ABCDEF") == std::string_view::npos; }

// The offset a typed text names: hexadecimal digits of either width and case, no more
// significant digits than an offset of any file can have; -1 for anything else.
inline std::int64_t offset_named(std::string_view text) {
    const std::string t = normalised_text(text);
    if (t.empty() || !all_hex_digits(t)) return -1;
    const std::size_t first = t.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    if (t.size() - first > 15) return -1;
    return static_cast<std::int64_t>(std::stoull(t.substr(first), nullptr, 16));
}

// Where a chain is read for a typed offset: a text that is not hexadecimal (or nothing once
// normalised) reads offset 0, one too long for any offset lies past the end of every file.
inline std::int64_t scan_start(std::string_view text, std::int64_t length) {
    const std::int64_t offset = offset_named(text);
    if (offset >= 0) return offset;
    const std::string t = normalised_text(text);
    return !t.empty() && all_hex_digits(t) ? length : 0;
}

// The number a unit spells; 0 when it is not hexadecimal.
inline int unit_number(std::string_view unit) {
    const std::string t = normalised_text(unit);
    if (t.empty() || !all_hex_digits(t)) return 0;
    return static_cast<int>(std::stoul(t, nullptr, 16));
}

// The byte two neighbouring units stand for, modulo 255.
inline int unit_byte(std::string_view next, std::string_view prev) {
    const int d = unit_number(next) - unit_number(prev);
    return d < 0 ? d + 255 : d;
}

// The units a write puts after a seed: one per byte modulo 255, the last twice more. The
// seed is copied as it stands when the value is empty, so that it ends the chain whatever
// its bytes.
inline std::string chain_units(std::string_view seed, std::string_view value) {
    if (value.empty()) return std::string(seed) + std::string(seed);
    std::string out;
    int unit = unit_number(seed);
    for (const unsigned char b : value) {
        unit += b;
        if (unit > 255) unit -= 255;
        out += upper_hex(static_cast<std::uint64_t>(unit), 2);
    }
    const std::string last = upper_hex(static_cast<std::uint64_t>(unit), 2);
    return out + last + last;
}

// The file's bytes read as a unit reader sees them: a unit is at most two bytes and stops
// before a 00 or 1A byte, which stays unread.
struct MemoryFile {
    std::string_view bytes;
    std::int64_t position = 0;

    void seek(std::int64_t at) { position = at < 0 ? 0 : at; }
    std::string unit() {
        std::string u;
        while (u.size() < 2 && position < static_cast<std::int64_t>(bytes.size())) {
            const char c = bytes[static_cast<std::size_t>(position)];
            if (c == '\0' || c == '\x1A') break;
            u += c;
            ++position;
        }
        return u;
    }
};

// The bytes of the chain at the position, through the zero byte that ends it: two units
// that spell the same number the same way ("4a" and "4A" alike) end it, and a unit shorter
// than two bytes ends it as a zero byte. The position ends one unit back.
inline std::string chain_at(MemoryFile& f) {
    std::string decoded;
    for (;;) {
        const std::string unit = f.unit();
        const std::string next = f.unit();
        const bool whole = unit.size() == 2 && next.size() == 2;
        decoded += static_cast<char>(whole ? unit_byte(next, unit) : 0);
        f.seek(f.position - 2);
        if (!whole || normalised_text(unit) == normalised_text(next)) return decoded;
    }
}

inline std::string up_to_zero(const std::string& decoded) { return decoded.substr(0, decoded.find('\0')); }

inline std::string value_at(std::string_view bytes, std::int64_t offset) {
    MemoryFile f{bytes};
    f.seek(offset);
    return up_to_zero(chain_at(f));
}

// Whether value, written after seed, reads back as itself.
inline bool writable(std::string_view seed, std::string_view value) {
    const std::string image = std::string(seed) + chain_units(seed, value);
    return value_at(image, 0) == value;
}

// The rows a configuration file lists: slot 0 always, 190 at most, a next slot only while
// the last chain ended 160 bytes or more before the end of the file.
inline Rows config_rows(std::string_view bytes) {
    Rows rows;
    MemoryFile f{bytes};
    for (int slot = 0; slot <= 190; ++slot) {
        const std::int64_t offset = kBodyStart + kSlotBytes * slot;
        f.seek(offset);
        rows.push_back({upper_hex(static_cast<std::uint64_t>(offset)), up_to_zero(chain_at(f)), ""});
        if (slot >= 1 && f.position > static_cast<std::int64_t>(bytes.size()) - kSlotBytes) break;
    }
    return rows;
}

// What a navigator module lists: the lowest port text COMn: from offset 5 on, at its first
// occurrence, and the rate after the first rate anchor when its encoding is known. No port
// text: the file is rejected.
struct ModuleRows {
    int digit = 0;
    std::int64_t port = -1;
    Rows rows;
};
inline ModuleRows module_rows(std::string_view bytes) {
    ModuleRows m;
    for (int n = 1; n <= 9; ++n) {
        const std::size_t at = bytes.find("COM" + std::to_string(n) + ":", 5);
        if (at == std::string_view::npos) continue;
        m.digit = n;
        m.port = static_cast<std::int64_t>(at);
        m.rows.push_back({upper_hex(at), "COM" + std::to_string(n) + ":", ""});
        break;
    }
    if (m.digit == 0) return m;
    const std::size_t anchor = bytes.find(kRateAnchorBytes, 5);
    if (anchor == std::string_view::npos || anchor + 11 > bytes.size()) return m;
    for (const KnownRate& rate : kKnownRates) {
        if (bytes.substr(anchor + 8, 3) == rate.bytes) {
            m.rows.push_back({upper_hex(anchor + 8), std::string(rate.text), ""});
            break;
        }
    }
    return m;
}

// Any file as the program takes it in.
enum class ModelKind { config, module, rejected };
struct Listing {
    ModelKind kind = ModelKind::rejected;
    Rows rows;
    int port_digit = 0;
    std::int64_t port_offset = -1;
};
inline Listing listing_of(std::string_view bytes) {
    if (bytes.starts_with(kSignatureBytes)) return {ModelKind::config, config_rows(bytes)};
    ModuleRows m = module_rows(bytes);
    if (m.digit == 0) return {};
    return {ModelKind::module, std::move(m.rows), m.digit, m.port};
}

// The export's decoding: one chain from offset 48 that steps over the units at 9C70 and
// 9C72, up to the first pass whose next unit is not whole.
inline std::string body_decoded(std::string_view bytes) {
    MemoryFile f{bytes};
    auto unit = [&f] {
        std::string u = f.unit();
        if (f.position == 0x9C72) {
            f.seek(0x9C74);
            u = f.unit();
        }
        return u;
    };
    std::string decoded;
    f.seek(kBodyStart);
    for (;;) {
        const std::string first = unit();
        const std::string next = unit();
        if (next.size() < 2) return decoded;
        decoded += static_cast<char>(unit_byte(next, first));
        f.seek(f.position - 2);
    }
}

// An export file: the decoded length, four bytes little-endian, then the bytes.
inline std::string with_length(const std::string& decoded) {
    const auto n = static_cast<std::uint32_t>(decoded.size());
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                       static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)} +
           decoded;
}

// Where a and b first and last differ; {-1, -1} when they are equal.
struct Changed {
    std::int64_t first = -1;
    std::int64_t last = -1;
};
inline Changed changed_between(std::string_view a, std::string_view b) {
    Changed c;
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        if (a[i] == b[i]) continue;
        if (c.first < 0) c.first = static_cast<std::int64_t>(i);
        c.last = static_cast<std::int64_t>(i);
    }
    return c;
}

inline std::string ascii_upper(std::string t) {
    for (std::size_t i = 0; i < t.size(); ++i) {
        if (static_cast<unsigned char>(t[i]) >= 0x80) {
            ++i;  // a GBK trail byte stays as it is
        } else if (t[i] >= 'a' && t[i] <= 'z') {
            t[i] = static_cast<char>(t[i] - 'a' + 'A');
        }
    }
    return t;
}

// The first row whose address is the text, ASCII case aside; -1 when none is.
inline int row_named(const Rows& rows, const std::string& address) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (ascii_upper(rows[r][0]) == ascii_upper(address)) return static_cast<int>(r);
    }
    return -1;
}
