// Any bytes taken in as a dropped file. A file with the signature is listed slot by slot as
// its bytes decode, with the comments of its edition; one with a port text lists its port
// row and a known rate; anything else is rejected and closed; a read-only file is not
// opened by the window, while the operations, asked to only read, list it all the same.
// The intake never writes a byte.
//
// Input: the shape bytes (flag 20: the file is read-only; flag 40: the reference file
// exists and holds comments; flag 80: other handlers try to run while the listing lets
// events in), then the file's bytes.
#include <sys/stat.h>

#include <cstdint>

#include "fuzz/fuzz_support.h"
#include "ops/list_records.h"

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

// The records the operations list for a file opened only to be read, as the model has them.
void check_read_only_listing(const std::string& path, std::string_view bytes) {
    const Listing expected = listing_of(bytes);
    NaviFile file;
    const OpenOutcome opened = open_file(path, file, Access::read_only);
    Rows rows;
    const auto add = [&rows](const Record& record) { rows.push_back({record.address, record.value, ""}); };
    switch (expected.kind) {
    case ModelKind::config:
        FUZZ_CHECK(opened == OpenOutcome::config);
        FUZZ_CHECK(list_config_records(file, [&](int, const Record& record) { add(record); }) == ListOutcome::listed);
        break;
    case ModelKind::module: {
        FUZZ_CHECK(opened == OpenOutcome::module);
        std::vector<Record> records;
        FUZZ_CHECK(list_module_records(file, records) == ListOutcome::listed);
        for (const Record& record : records) add(record);
        break;
    }
    case ModelKind::rejected: FUZZ_CHECK(opened == OpenOutcome::not_kld && !file.is_open()); break;
    }
    FUZZ_CHECK(rows == expected.rows);
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
        check_read_only_listing(c.path, bytes);
        FUZZ_CHECK(c.on_disk() == bytes);
        return 0;
    }
    check_taken_in(c, bytes);
    if (c.form.has_reference_file && c.form.file.kind == FileKind::config) {
        for (const auto& row : c.view.rows) FUZZ_CHECK(row[2] == expected_comment(bytes, row[0]));
    }
    return 0;
}
