#pragma once
// How a fuzz input becomes a case: a check that stops the run when a property breaks, a
// reader that cuts the input into numbers and texts, and the shapes that put into a file
// what blind mutation rarely builds.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                   \
    do {                                                                        \
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
        const std::size_t wanted = byte();  // before rest_ is measured: it takes a byte off
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

// The format's constants, written out here rather than taken from the code under test.
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

// Three bytes in front of a file's bytes force the signature, a port text, the rate anchor
// with a known rate, a file made long by repeating its bytes. Flags 20, 40 and 80 are each
// target's own.
enum ShapeFlag : std::uint8_t {
    kWithSignature = 0x01,
    kWithPortText = 0x02,
    kWithRate = 0x04,
    kTiled = 0x08,
    kFlag10 = 0x10,
    kFlag20 = 0x20,
    kFlag40 = 0x40,
    kFlag80 = 0x80,
};

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

// How long a tiled file gets. A listing decodes each slot's chain to its end, and a chain
// may run on to the end of the file, so its cost grows with slots times length: the targets
// that list keep to a few dozen slots, and only the export, which decodes once, goes past
// the units at 9C70 and past 64 KiB.
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
