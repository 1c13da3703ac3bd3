// Enter in the value box of a configuration file, with any offset and value texts, a few
// times in a row. A write happens only at a hexadecimal offset past the header and before
// the end, on a whole seed, for a chain that stays inside the slot and the file; it changes
// exactly the units after the seed. Anything else writes nothing.
//
// Input: the shape bytes (the signature is always put in front; flag 40: other handlers try
// to run while the re-listing lets events in; flag 80: the list is emptied first), the
// number of writes less one (0 to 3), each write's offset text and value text, then the
// file's bytes.
#include <cstdint>

#include "config/messages.h"
#include "fuzz_support.h"

namespace {

struct Typed {
    std::string offset;
    std::string value;
};

bool whole_seed_at(std::string_view bytes, std::int64_t offset) {
    if (offset < 0 || offset + 2 > static_cast<std::int64_t>(bytes.size())) return false;
    const auto at = static_cast<std::size_t>(offset);
    return bytes.substr(at, 2).find_first_of(std::string_view("\0\x1A", 2)) == std::string_view::npos;
}

std::string ascii_upper(std::string t) {
    for (char& c : t) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return t;
}

// The row selected again after the write: the first whose address is the typed text.
int row_named(const std::vector<std::vector<std::string>>& rows, const std::string& address) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (ascii_upper(rows[r][0]) == ascii_upper(address)) return static_cast<int>(r);
    }
    return -1;
}

void write_once(FuzzSession& s, const Typed& typed) {
    const std::string before = s.on_disk();
    const bool acts = s.session.is_open() && s.session.kind == kKindConfig && !typed.offset.empty() &&
                      s.window.row_count() > 0;
    s.window.texts[Control::EditBox2] = typed.offset;
    s.window.texts[Control::EditBox1] = typed.value;
    s.window.texts[Control::Label1] = "";

    on_value_box_key(s.context, kKeyEnter);

    const std::string after = s.on_disk();
    FUZZ_CHECK(after.size() == before.size());
    FUZZ_CHECK(!s.session.busy);
    if (!acts) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(s.window.hint().empty());
        return;
    }

    const auto length = static_cast<std::int64_t>(before.size());
    const std::int64_t offset = offset_named(typed.offset);
    const bool offset_ok = offset >= kBodyStart && offset < length && whole_seed_at(before, offset);
    const std::int64_t chain_end = offset + 2 + 2 * static_cast<std::int64_t>(typed.value.size()) + 4;
    const std::int64_t slot_end = kBodyStart + ((offset - kBodyStart) / kSlotBytes + 1) * kSlotBytes;
    const bool writes = offset_ok && chain_end <= slot_end && chain_end <= length;

    const Changed changed = changed_between(before, after);
    if (changed.first >= 0) {
        FUZZ_CHECK(writes);
        FUZZ_CHECK(changed.first >= offset + 2 && changed.last < chain_end);
        FUZZ_CHECK(changed.first >= kBodyStart && changed.last < slot_end && changed.last < length);
    }
    if (!writes) {
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(s.window.hint() == (offset_ok ? msg::kValueTooLong : msg::kEnterOffset));
        return;
    }
    std::string expected = before;
    const std::string seed = before.substr(static_cast<std::size_t>(offset), 2);
    expected.replace(static_cast<std::size_t>(offset) + 2, static_cast<std::size_t>(chain_end - offset - 2),
                     chain_units(seed, typed.value));
    FUZZ_CHECK(after == expected);
    FUZZ_CHECK(s.window.hint() == msg::kDone);
    FUZZ_CHECK(s.session.is_open());
    const auto rows = config_rows(after);
    FUZZ_CHECK(s.window.rows == rows);
    FUZZ_CHECK(s.window.selected == row_named(rows, typed.offset));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Shape shape = read_shape(in);
    shape.flags |= kWithSignature;
    std::vector<Typed> writes(in.byte() % 4 + 1u);
    for (Typed& typed : writes) {
        typed.offset = in.text();
        typed.value = in.text();
    }
    const std::string bytes = shaped_file(shape, in.rest());

    FuzzSession s(bytes);
    s.take_in();
    if (shape.flags & 0x40) try_handlers_while_busy(s);
    if (shape.flags & 0x80) s.window.rows.clear();
    for (const Typed& typed : writes) write_once(s, typed);
    return 0;
}
