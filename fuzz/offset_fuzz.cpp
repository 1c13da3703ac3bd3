// Enter in the offset box, whatever it holds and whatever the open file holds: the chain at
// the named offset, as the disk holds it at that moment, is decoded into the value box; the
// list stays as it was, and the file is only read. Another program may change the file
// between the listing and the Enter: the value shown is then the new one. A tiled file
// reaches past 64 KiB, so that a chain runs on beyond the first block a look-up reads.
//
// Input: the shape bytes (flag 20: a second writer changes the file after the listing;
// flag 40: no file is open), the offset text, the second writer's change (with flag 20),
// then the file's bytes.
#include <cstdint>

#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    const Shape shape = read_shape(in);
    const std::string offset_text = in.text();
    std::optional<SecondWrite> second;
    if (shape.flags & kFlag20) {
        const std::int64_t named = offset_named(offset_text);
        second = read_second_write(in, named >= 0 ? named : kBodyStart);
    }
    const std::string bytes = shaped_file(shape, in.rest(), Tiles::kPastSkippedUnits);

    FuzzCase c(bytes);
    if (shape.flags & kTiled) {
        open_without_listing(c);
    } else {
        on_files_dropped(c.form, c.path);
        check_listed(c, bytes);
    }
    if (shape.flags & kFlag40) c.form.file.file.close();
    if (second) apply_second_write(c.path, *second);
    io_watch::reset();

    navigate_step(c, offset_text);
    return 0;
}
