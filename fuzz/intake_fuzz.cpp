// Any bytes taken in as a dropped file. A file with the signature is listed slot by slot as
// its bytes decode, one with a port text lists its port row and a known rate, anything
// else is rejected; the intake never changes a byte on disk.
//
// Input: the shape bytes (flag 40: the reference file exists and holds comments; flag 80:
// other handlers try to run while the listing lets events in), then the file's bytes.
#include <cstdint>

#include "config/messages.h"
#include "fuzz_support.h"

namespace {

constexpr const char* kCommentedAddresses[] = {"30", "D0", "170", "76F0"};

void put_comments(MemoryProfile& profile) {
    for (const char* address : kCommentedAddresses) {
        profile.put("C-PND", address, std::string("pnd ") + address);
        profile.put("C-Car", address, std::string("car ") + address);
    }
}

std::string expected_comment(std::string_view bytes, const std::string& address) {
    // The edition byte is the last of the header bytes read, at most five.
    const char edition = bytes.size() >= 5 ? bytes[4] : bytes.size() >= 4 ? bytes[3] : '\0';
    const char* prefix = edition == '\xBF' ? "pnd " : edition == '\xB4' ? "car " : nullptr;
    if (prefix == nullptr) return "";
    for (const char* a : kCommentedAddresses) {
        if (address == a) return prefix + address;
    }
    return "";
}

void check_config(FuzzSession& s, std::string_view bytes) {
    FUZZ_CHECK(s.session.kind == kKindConfig);
    FUZZ_CHECK(s.session.is_open());
    std::string header_hex;
    for (const char c : bytes.substr(0, 5)) header_hex += upper_hex(static_cast<unsigned char>(c), 2);
    FUZZ_CHECK(s.session.header_hex == header_hex);
    auto expected = config_rows(bytes);
    if (s.session.has_reference_file) {
        for (auto& row : expected) row[2] = expected_comment(bytes, row[0]);
    }
    FUZZ_CHECK(s.window.rows == expected);
    FUZZ_CHECK(s.window.hint() == msg::kPickRecord);
    FUZZ_CHECK(s.window.focused == Control::ListView1);
}

void check_module_or_rejected(FuzzSession& s, std::string_view bytes) {
    const ModuleRows expected = module_rows(bytes);
    if (expected.digit == 0) {
        FUZZ_CHECK(!s.session.is_open());
        FUZZ_CHECK(s.session.kind.empty());
        FUZZ_CHECK(s.window.rows.empty());
        FUZZ_CHECK(s.window.hint() == msg::kNotKld);
        return;
    }
    FUZZ_CHECK(s.session.kind == kKindModule);
    FUZZ_CHECK(s.session.is_open());
    FUZZ_CHECK(s.session.port_digit == std::to_string(expected.digit));
    FUZZ_CHECK(s.session.port_offset == expected.port);
    FUZZ_CHECK(s.window.rows == expected.rows);
    FUZZ_CHECK(s.window.hint() == msg::kPickRecord);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string bytes = shaped_file(shape, in.rest());

    FuzzSession s(bytes);
    if (shape.flags & 0x40) {
        s.session.has_reference_file = true;
        put_comments(s.profile);
    }
    if (shape.flags & 0x80) try_handlers_while_busy(s);
    s.take_in();

    FUZZ_CHECK(s.on_disk() == bytes);
    FUZZ_CHECK(!s.session.busy);
    FUZZ_CHECK(s.session.path == s.path);
    FUZZ_CHECK(s.window.texts[Control::StatusBar1] == msg::kCurrentFile + s.path);
    if (bytes.starts_with(kSignatureBytes)) {
        check_config(s, bytes);
    } else {
        check_module_or_rejected(s, bytes);
    }
    return 0;
}
