#pragma once
// What the fuzz targets share: a check that stops the run when a property breaks, a reader
// that cuts an input into a file and the texts a user would type, real files in a private
// folder, and a model of the file format over bytes held in memory, written apart from the
// core, to hold the core's reads and writes against.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "config/intake_file.h"
#include "edit/export_decoded_content.h"
#include "edit/offset_box_key.h"
#include "edit/value_box_key.h"
#include "tests/support/memory_window.h"
#include "tests/support/temp_file.h"

#define FUZZ_CHECK(condition)                                                  \
    do {                                                                       \
        if (!(condition)) fuzz_property_broken(#condition, __FILE__, __LINE__); \
    } while (false)

[[noreturn]] inline void fuzz_property_broken(const char* what, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: property broken: %s\n", file, line, what);
    std::abort();
}

// Takes an input from its front. Past its end every byte is 0 and every text empty, so any
// input, however short, is a whole case.
class FuzzInput {
public:
    FuzzInput(const std::uint8_t* data, std::size_t size) : rest_(reinterpret_cast<const char*>(data), size) {}

    std::uint8_t byte() {
        if (rest_.empty()) return 0;
        const auto b = static_cast<std::uint8_t>(rest_.front());
        rest_.remove_prefix(1);
        return b;
    }
    // As many bytes as the byte before them says.
    std::string text() {
        const std::size_t wanted = byte();
        const std::size_t n = std::min(wanted, rest_.size());
        std::string t(rest_.substr(0, n));
        rest_.remove_prefix(n);
        return t;
    }
    std::string rest() {
        std::string t(rest_);
        rest_ = {};
        return t;
    }

private:
    std::string_view rest_;
};

inline constexpr std::string_view kSignatureBytes{"\x1A\x67\x32\x01", 4};
inline constexpr std::string_view kRateAnchorBytes{"\x28\x70\xCD\xE5\x00\x00\x53\xE3", 8};
inline constexpr std::int64_t kBodyStart = 48;
inline constexpr std::int64_t kSlotBytes = 160;

struct KnownRate {
    std::string_view text;
    std::string_view bytes;
};
inline constexpr KnownRate kKnownRates[] = {
    {"4800", "\x4B\x0D\xA0"}, {"9600", "\x96\x0D\xA0"}, {"19200", "\x4B\x0C\xA0"},
    {"38400", "\x96\x0C\xA0"}, {"57600", "\xE1\x0C\xA0"},
};

// Three bytes in front of a file's bytes force what blind mutation rarely builds: the
// signature, a port text, the rate anchor with a known rate, a file made long by repeating
// its bytes. Flags 40 and 80 are left to each target.
enum ShapeFlag : std::uint8_t { kWithSignature = 0x01, kWithPortText = 0x02, kWithRate = 0x04, kTiled = 0x08 };

struct Shape {
    std::uint8_t flags = 0;
    std::uint8_t choice = 0;  // the port digit, where the port text goes, which rate
    std::uint8_t size = 0;    // the length of a tiled file
};

inline Shape read_shape(FuzzInput& in) {
    Shape s;
    s.flags = in.byte();
    s.choice = in.byte();
    s.size = in.byte();
    return s;
}

// How long a tiled file gets. A listing scans each slot's chain to its end, and a chain may
// run on to the end of the file, so its cost grows with slots times length: the targets that
// list keep to a few dozen slots (the cap at slot 190 is the unit tests' and the seeds'
// case), and only the export, which decodes once, goes past the units at 9C70 and across
// the byte file's 64 KiB buffer.
enum class Tiles { kFewSlots, kPastSkippedUnits };

inline std::string shaped_file(const Shape& s, std::string body, Tiles tiles = Tiles::kFewSlots) {
    if (s.flags & kWithPortText) {
        const std::string port = std::string("COM") + static_cast<char>('1' + s.choice % 9) + ":";
        body.insert((s.choice * 7u) % (body.size() + 1), port);
    }
    if (s.flags & kWithRate) {
        body += kRateAnchorBytes;
        const std::size_t rate = s.choice / 9 % 6;
        if (rate < std::size(kKnownRates)) body += std::string(kKnownRates[rate].bytes) + "\xE3";
    }
    if (s.flags & kTiled) {
        const std::size_t length = tiles == Tiles::kFewSlots ? 0x1000u + s.size
                                   : (s.size & 0x80 ? 0x10000u : 0x9C60u) + (s.size & 0x7Fu);
        if (body.empty()) body = "0";
        while (body.size() < length) body += std::string(body, 0, length - body.size());
    }
    if (s.flags & kWithSignature) body.replace(0, std::min<std::size_t>(4, body.size()), kSignatureBytes);
    return body;
}

// One folder for the whole run, removed when the process ends normally.
inline const TempDir& fuzz_folder() {
    static const TempDir folder;
    return folder;
}

// A whole file in one read: the fuzzers read every file they check after every step.
inline std::string file_bytes(const std::string& path) {
    std::string bytes;
    if (std::FILE* f = std::fopen(path.c_str(), "rb")) {
        char chunk[65536];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
        std::fclose(f);
    }
    return bytes;
}

// The program's session on a real file of the fuzz folder.
struct FuzzSession : Harness {
    std::string path;

    explicit FuzzSession(const std::string& bytes) : path(fuzz_folder().write("navi.dll", bytes)) {}
    void take_in() { intake_file(context, path); }
    std::string on_disk() const { return file_bytes(path); }
};

// While a listing or an export lets window events run, every handler that would reopen,
// write or re-read the file is tried; each must find the session busy and do nothing.
inline void try_handlers_while_busy(FuzzSession& s) {
    s.window.on_events = [&s] {
        MemoryWindow& w = s.window;
        const auto texts = w.texts;
        const std::string save_answer = w.save_answer;
        const int save_asked = w.save_asked;
        const std::string path = s.session.path;
        w.texts[Control::EditBox2] = "30";
        w.texts[Control::EditBox1] = "busy";
        w.save_answer = s.path + ".reentered";
        w.open_answer = s.path;
        on_value_box_key(s.context, kKeyEnter);
        on_offset_box_key(s.context, kKeyEnter);
        export_decoded_content(s.context);
        on_files_dropped(s.context, s.path);
        on_icon_click(s.context);
        FUZZ_CHECK(s.session.busy);
        FUZZ_CHECK(w.texts[Control::EditBox1] == "busy");
        FUZZ_CHECK(w.save_asked == save_asked);
        FUZZ_CHECK(s.session.path == path);
        FUZZ_CHECK(!file_exists(s.path + ".reentered.txt"));
        w.texts = texts;
        w.save_answer = save_answer;
    };
}

// ---- The file format, modelled in memory ----

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

// The units a write-back puts after a seed: one per byte modulo 255, the last twice more.
// The seed is copied as it stands when the value is empty, so that it ends the chain
// whatever its bytes.
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

// The file's bytes read as the core reads the disk: a unit is at most two bytes and stops
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

// The bytes of the chain at the position, through the zero byte that ends it; a unit
// shorter than two bytes ends it as a zero byte. The position ends one unit back.
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

// The rows a configuration file lists: slots 0 and 1 at least, 190 at most, a next slot only
// while the last scan ended 160 bytes or more before the end of the file.
inline std::vector<std::vector<std::string>> config_rows(std::string_view bytes) {
    std::vector<std::vector<std::string>> rows;
    MemoryFile f{bytes};
    for (int slot = 0; slot <= 190; ++slot) {
        const std::int64_t offset = kBodyStart + kSlotBytes * slot;
        f.seek(offset);
        rows.push_back({upper_hex(static_cast<std::uint64_t>(offset)), up_to_zero(chain_at(f)), ""});
        if (slot >= 1 && f.position > static_cast<std::int64_t>(bytes.size()) - kSlotBytes) break;
    }
    return rows;
}

// The rows a navigator module lists: the lowest port text COMn: from offset 5 on, at its
// first occurrence, and the rate after the first rate anchor when its encoding is known.
// Empty when there is no port text: the file is rejected.
struct ModuleRows {
    int digit = 0;
    std::int64_t port = -1;
    std::vector<std::vector<std::string>> rows;
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
