// Any bytes taken in as a dropped file. A file with the signature is listed slot by slot as
// its bytes decode, with the comments of its edition; one with a port text lists its port
// row and a known rate; anything else is rejected and closed; a read-only file is not
// opened. The intake never writes a byte.
//
// Input: the shape bytes (flag 20: the file is read-only; flag 40: the reference file
// exists and holds comments; flag 80: other handlers try to run while the listing lets
// events in), then the file's bytes.
#include <sys/stat.h>

#include <cstdint>

#include "fuzz/fuzz_support.h"

namespace {

constexpr const char* kCommentedAddresses[] = {"30", "D0", "170", "76F0"};

void put_comments(MemoryProfile& profile) {
    for (const char* address : kCommentedAddresses) {
        profile.put("C-PND", address, std::string("pnd ") + address);
        profile.put("c-car", address, std::string("car ") + address);
    }
}

// The edition byte is the fifth; a file of four bytes has none.
std::string expected_comment(std::string_view bytes, const std::string& address) {
    const char edition = bytes.size() >= 5 ? bytes[4] : '\0';
    const char* prefix = edition == '\xBF' ? "pnd " : edition == '\xB4' ? "car " : nullptr;
    if (prefix == nullptr) return "";
    for (const char* a : kCommentedAddresses) {
        if (address == a) return prefix + address;
    }
    return "";
}

void check_taken_in(FuzzCase& c, std::string_view bytes) {
    check_listed(c, bytes);
    const Listing expected = listing_of(bytes);
    switch (expected.kind) {
    case ModelKind::config: {
        const char edition = bytes.size() >= 5 ? bytes[4] : '\0';
        FUZZ_CHECK(c.form.file.edition == (edition == '\xBF'   ? Edition::pnd
                                           : edition == '\xB4' ? Edition::car
                                                               : Edition::unknown));
        FUZZ_CHECK(c.view.hint() == hint::kPickRecord);
        FUZZ_CHECK(c.view.focused == ControlId::record_list);
        break;
    }
    case ModelKind::module: FUZZ_CHECK(c.view.hint() == hint::kPickRecord); break;
    case ModelKind::rejected: FUZZ_CHECK(c.view.hint() == hint::kNotKld); break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string bytes = shaped_file(shape, in.rest());

    FuzzCase c(bytes);
    const bool read_only = shape.flags & kFlag20;
    if (read_only) FUZZ_CHECK(::chmod(c.path.c_str(), 0444) == 0);
    if (shape.flags & kFlag40) {
        c.form.has_reference_file = true;
        put_comments(c.profile);
    }
    if (shape.flags & kFlag80) try_handlers_while_busy(c);

    on_files_dropped(c.form, c.path);

    check_nothing_written();
    FUZZ_CHECK(c.on_disk() == bytes);
    FUZZ_CHECK(!c.form.busy);
    FUZZ_CHECK(c.form.file.path == c.path);
    FUZZ_CHECK(c.view.current_file == c.path);
    FUZZ_CHECK(c.folder.names() == std::set<std::string>{"navi.dll"});
    for (const std::string& file : c.profile.files_read) FUZZ_CHECK(file == c.form.settings_path);
    if (read_only) {
        FUZZ_CHECK(!c.form.file.is_open());
        FUZZ_CHECK(c.view.rows.empty());
        FUZZ_CHECK(c.view.hint() == hint::kOpenFailed);
        return 0;
    }
    check_taken_in(c, bytes);
    if (c.form.has_reference_file && c.form.file.kind == FileKind::config) {
        for (const auto& row : c.view.rows) FUZZ_CHECK(row[2] == expected_comment(bytes, row[0]));
    }
    return 0;
}
