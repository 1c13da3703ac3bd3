// The export of any file: the body decodes as one chain that steps over the units at 9C70
// and 9C72 and ends at the first pass whose next unit is not whole; the output holds the
// decoded length and bytes; the source file is only read, and handlers that would reopen
// or write it while the export lets events in do nothing.
//
// Input: the shape bytes (flag 40: the save dialog is cancelled; flag 80: other handlers
// try to run while the export lets events in), then the file's bytes.
#include <cstdint>

#include "fuzz_support.h"

namespace {

std::string with_length(const std::string& decoded) {
    const auto n = static_cast<std::uint32_t>(decoded.size());
    return std::string{static_cast<char>(n & 0xFF), static_cast<char>((n >> 8) & 0xFF),
                       static_cast<char>((n >> 16) & 0xFF), static_cast<char>(n >> 24)} +
           decoded;
}

// decode_body on its own.
void check_decode_body(const std::string& path, const std::string& expected) {
    ByteFile file;
    FUZZ_CHECK(file.open_existing(path));
    std::int64_t last = 0;
    const std::string decoded = decode_body(file, [&last](std::int64_t passes) {
        FUZZ_CHECK(passes > last);
        last = passes;
    });
    FUZZ_CHECK(decoded == expected);
    FUZZ_CHECK(last <= static_cast<std::int64_t>(expected.size()));
}

// The session as the listing of a configuration file leaves it, without the listing: over
// the long files the export needs, listing costs slots times length and would crowd out the
// export's own runs.
void open_as_listed(FuzzSession& s, std::string_view bytes) {
    if (!bytes.starts_with(kSignatureBytes)) return;
    FUZZ_CHECK(s.session.file.open_existing(s.path));
    s.session.path = s.path;
    s.session.kind = kKindConfig;
    s.window.append_row("30", "");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string bytes = shaped_file(shape, in.rest(), Tiles::kPastSkippedUnits);
    const std::string expected = body_decoded(bytes);

    FuzzSession s(bytes);
    const std::string chosen = fuzz_folder().path("exported");
    os_file::remove(chosen + ".txt");
    if (shape.flags & kTiled) {
        open_as_listed(s, bytes);
    } else {
        s.take_in();
    }
    const bool exports = s.session.kind == kKindConfig && s.session.is_open();
    // Only a configuration file gets to the export; the decoding itself takes any file.
    if (!exports) check_decode_body(s.path, expected);
    s.window.save_answer = shape.flags & 0x40 ? "" : chosen;
    if (shape.flags & 0x80) try_handlers_while_busy(s);

    export_decoded_content(s.context);

    FUZZ_CHECK(s.on_disk() == bytes);
    FUZZ_CHECK(!s.session.busy);
    FUZZ_CHECK(!s.window.progress_shown);
    FUZZ_CHECK(s.window.save_asked == (exports ? 1 : 0));
    if (exports && !s.window.save_answer.empty()) {
        FUZZ_CHECK(file_bytes(chosen + ".txt") == with_length(expected));
        const int range = static_cast<int>(std::min<std::int64_t>(static_cast<std::int64_t>(bytes.size()) / 4, 32767));
        FUZZ_CHECK(s.window.progress_max == range);
        int shown = 0;
        for (const int p : s.window.progress_positions) {
            FUZZ_CHECK(p >= shown && p <= range);
            shown = p;
        }
    } else {
        FUZZ_CHECK(!file_exists(chosen + ".txt"));
    }

    // A folder that does not exist takes no export, and nothing is left behind.
    const std::string nowhere = fuzz_folder().path("missing/exported.txt");
    FUZZ_CHECK(!write_export_file(nowhere, expected));
    FUZZ_CHECK(!file_exists(nowhere));
    return 0;
}
