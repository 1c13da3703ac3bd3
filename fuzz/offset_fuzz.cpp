// Enter in the offset box, whatever it holds and whatever the open file holds: the chain at
// the named offset is decoded into the value box, the list stays as it was, and the file is
// only read.
//
// Input: the shape bytes (flag 40: no file is open), the offset text, then the file's bytes.
#include <cstdint>

#include "config/messages.h"
#include "fuzz_support.h"

namespace {

// Where the scan starts: a text that is not hexadecimal (or nothing once normalised) reads
// offset 0, one too long for any offset lies past the end of every file.
std::int64_t scan_start(const std::string& text, std::int64_t length) {
    const std::int64_t offset = offset_named(text);
    if (offset >= 0) return offset;
    const std::string t = normalised_text(text);
    return !t.empty() && all_hex_digits(t) ? length : 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string offset_text = in.text();
    const std::string bytes = shaped_file(shape, in.rest());

    FuzzSession s(bytes);
    s.take_in();
    if (shape.flags & 0x40) s.session.file.close();
    const auto rows = s.window.rows;
    const int selected = s.window.selected;
    s.window.texts[Control::EditBox1] = "before";
    s.window.texts[Control::EditBox2] = offset_text;

    on_offset_box_key(s.context, kKeyEnter);

    FUZZ_CHECK(s.on_disk() == bytes);
    FUZZ_CHECK(s.window.rows == rows);
    FUZZ_CHECK(s.window.selected == selected);
    FUZZ_CHECK(s.window.texts[Control::EditBox2] == offset_text);
    if (!s.session.is_open()) {
        FUZZ_CHECK(s.window.hint() == msg::kNoFileOpen);
        FUZZ_CHECK(s.window.texts[Control::EditBox1] == "before");
    } else if (offset_text.empty()) {
        FUZZ_CHECK(s.window.hint() == msg::kEnterOffset);
        FUZZ_CHECK(s.window.texts[Control::EditBox1] == "before");
    } else {
        MemoryFile f{bytes};
        f.seek(scan_start(offset_text, static_cast<std::int64_t>(bytes.size())));
        FUZZ_CHECK(s.window.texts[Control::EditBox1] == up_to_zero(chain_at(f)));
        FUZZ_CHECK(s.window.hint() == msg::kEditThenEnter);
    }
    return 0;
}
