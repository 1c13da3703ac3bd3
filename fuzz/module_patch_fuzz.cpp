// Enter in the value box of a navigator module, with any selected row, offset and value, a
// few times in a row. The port row writes a text of at most five bytes, the rate row the
// three bytes of a known rate and never the E3 byte after them; either only at a
// hexadecimal offset from 5 on whose bytes all lie inside the file. Anything else writes
// nothing.
//
// Input: the shape bytes (a port text is put in when the bytes hold none), the number of
// patches less one (0 to 3), for each a pick byte (its low two bits: the selected row less
// one; flag 40: the value is a known rate text), the offset text and the value text; then
// the file's bytes.
#include <cstdint>
#include <utility>

#include "config/messages.h"
#include "fuzz_support.h"

namespace {

struct Patch {
    int row = -1;
    std::string offset;
    std::string value;
};

// The bytes the patch means to write, and the hint when it refuses before looking at the
// offset.
struct Meant {
    std::string bytes;
    const char* refusal = nullptr;
};

Meant meant_by(const Patch& patch) {
    if (patch.row == 0) {
        if (patch.value.size() > 5) return {"", msg::kPortTooLong};
        return {patch.value, nullptr};
    }
    if (patch.row == 1) {
        for (const KnownRate& rate : kKnownRates) {
            if (patch.value == rate.text) return {std::string(rate.bytes), nullptr};
        }
        return {"", msg::kRateOnly};
    }
    return {};
}

void patch_once(FuzzSession& s, const Patch& patch) {
    const std::string before = s.on_disk();
    const bool acts = s.session.is_open() && !patch.offset.empty() && s.window.row_count() > 0;
    s.window.selected = patch.row;
    s.window.texts[Control::EditBox2] = patch.offset;
    s.window.texts[Control::EditBox1] = patch.value;
    s.window.texts[Control::Label1] = "";

    on_value_box_key(s.context, kKeyEnter);

    const std::string after = s.on_disk();
    FUZZ_CHECK(after.size() == before.size());
    if (!acts) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(s.window.hint().empty());
        return;
    }
    const Meant meant = meant_by(patch);
    const auto length = static_cast<std::int64_t>(before.size());
    const std::int64_t offset = offset_named(patch.offset);
    const auto end = offset + static_cast<std::int64_t>(meant.bytes.size());
    const bool writes = meant.refusal == nullptr && !meant.bytes.empty() && offset >= 5 && end <= length;

    const Changed changed = changed_between(before, after);
    if (changed.first >= 0) {
        FUZZ_CHECK(writes);
        FUZZ_CHECK(changed.first >= offset && changed.last < end);
        FUZZ_CHECK(changed.first >= 5 && changed.last < length);
    }
    if (meant.refusal != nullptr) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(s.window.hint() == meant.refusal);
        return;
    }
    if (!meant.bytes.empty() && !writes) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(s.window.hint() == msg::kEnterOffset);
        return;
    }
    std::string expected = before;
    if (writes) expected.replace(static_cast<std::size_t>(offset), meant.bytes.size(), meant.bytes);
    FUZZ_CHECK(after == expected);
    FUZZ_CHECK(s.window.hint() == msg::kDone);
    const ModuleRows rows = module_rows(after);
    FUZZ_CHECK(s.session.is_open() == (rows.digit != 0));
    FUZZ_CHECK(s.window.rows == rows.rows);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Shape shape = read_shape(in);
    std::vector<Patch> patches(in.byte() % 4 + 1u);
    for (Patch& patch : patches) {
        const std::uint8_t pick = in.byte();
        patch.row = pick % 4 - 1;
        patch.offset = in.text();
        patch.value = in.text();
        if (pick & 0x40) patch.value = kKnownRates[patch.value.size() % std::size(kKnownRates)].text;
    }
    std::string body = in.rest();
    if (module_rows(body).digit == 0) shape.flags |= kWithPortText;
    const std::string bytes = shaped_file(shape, std::move(body));

    FuzzSession s(bytes);
    s.take_in();
    // A body that begins with the signature is a configuration file: the write-back's case.
    if (s.session.kind != kKindModule) return 0;
    for (const Patch& patch : patches) patch_once(s, patch);
    return 0;
}
