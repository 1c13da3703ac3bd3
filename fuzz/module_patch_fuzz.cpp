// Enter in the value box of a navigator module, with any selected row, offset and value, a
// few times in a row, between undos, redos, offset look-ups and another program's changes.
// The port row writes a text of at most five bytes, the rate row the three bytes of a known
// rate and never the E3 byte after them; either only at a hexadecimal offset from 5 on whose
// bytes all lie inside the file, flushed to the device. Anything else writes nothing.
//
// Input: the shape bytes (a port text is put in when the bytes hold none; flag 20: every
// step starts with an action byte, see StepAction), the number of steps less one (0 to 3),
// each step's action byte (with flag 20), pick byte (its low two bits: the selected row less
// one; bit 40: the value is a known rate text), offset text, value text and, when its action
// asks for one, the second writer's change; then the file's bytes.
#include <cstdint>
#include <utility>

#include "fuzz/fuzz_support.h"

namespace {

// The bytes the patch means to write, and the hint when it refuses before looking at the
// offset.
struct Meant {
    std::string bytes;
    const char* refusal = nullptr;
};

Meant meant_by(int row, const std::string& value) {
    if (row == 0) {
        if (value.size() > 5) return {"", hint::kPortTooLong};
        return {value, nullptr};
    }
    if (row == 1) {
        for (const KnownRate& rate : kKnownRates) {
            if (value == rate.text) return {std::string(rate.bytes), nullptr};
        }
        return {"", hint::kRateOnly};
    }
    return {};
}

struct Models {
    HistoryModel history;
    BackupModel backup;
};

void patch_step(FuzzCase& c, Models& m, const Step& step, Failure failure) {
    const int row = step.pick % 4 - 1;
    const std::string value = step.pick & 0x40 ? std::string(kKnownRates[step.value.size() % 5].text) : step.value;
    const std::string before = c.on_disk();
    const Rows rows = c.view.rows;
    const bool acts = c.form.file.is_open() && !step.offset.empty() && c.view.row_count() > 0;
    c.view.selected = row;
    c.view.set_text(ControlId::offset_box, step.offset);
    c.view.set_text(ControlId::value_box, value);
    c.view.set_text(ControlId::hint_line, "");
    c.view.outside_gbk[ControlId::value_box] = step.action & kOutsideGbk;

    on_value_box_key(c.form, BoxKey::enter);

    const std::string after = c.on_disk();
    FUZZ_CHECK(after.size() == before.size());
    const auto refused = [&](const char* hint) {
        check_nothing_written();
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(c.view.rows == rows);
        FUZZ_CHECK(c.view.selected == row);
        FUZZ_CHECK(c.view.hint() == hint);
        m.backup.check(c);
    };
    if (!acts) return refused("");
    if (step.action & kOutsideGbk) return refused(hint::kUnwritableText);
    const Meant meant = meant_by(row, value);
    if (meant.refusal) return refused(meant.refusal);
    const auto length = static_cast<std::int64_t>(before.size());
    const std::int64_t offset = offset_named(step.offset);
    const auto end = offset + static_cast<std::int64_t>(meant.bytes.size());
    const bool writes = !meant.bytes.empty();
    if (writes && (offset < 5 || end > length)) return refused(hint::kEnterOffset);

    std::string expected = before;
    if (writes) {
        m.backup.before_write(before);
        check_writes_within(offset, end);
        expected = replaced(before, offset, meant.bytes);
    } else {
        check_nothing_written();
    }
    m.backup.check(c);
    FUZZ_CHECK(after == (failure == Failure::writes && writes ? before : expected));
    // A failed write may have reached the disk all the same: it is in the history too.
    if (writes) m.history.record({offset, offset, slice(before, offset, meant.bytes.size()), meant.bytes});
    if (failure == Failure::none || !writes) {
        FUZZ_CHECK(!io_watch::unflushed());
        FUZZ_CHECK(c.view.hint() == hint::kDone);
    } else {
        FUZZ_CHECK(c.view.hint() == hint::kWriteFailed);
    }
    check_listed(c, after);
    FUZZ_CHECK(c.view.selected == -1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Shape shape = read_shape(in);
    std::vector<Step> steps(in.byte() % 4 + 1u);
    for (Step& step : steps) step = read_step(in, shape.flags & kFlag20, true);
    std::string body = in.rest();
    if (module_rows(body).digit == 0) shape.flags |= kWithPortText;
    const std::string bytes = shaped_file(shape, std::move(body));

    FuzzCase c(bytes);
    on_files_dropped(c.form, c.path);
    check_listed(c, bytes);
    Models m;
    for (const Step& step : steps) {
        if (step.second) apply_second_write(c.path, *step.second);
        const Failure failure = arm_failure(step.action);
        switch (step.action & 3) {
        case kEdit:
            // A body that begins with the signature is a configuration file: the write-back's case.
            if (c.form.file.kind == FileKind::config) return 0;
            patch_step(c, m, step, failure);
            break;
        case kUndo: undo_step(c, m.history, m.backup, true, failure); break;
        case kRedo: undo_step(c, m.history, m.backup, false, failure); break;
        case kNavigate: navigate_step(c, step.offset); break;
        }
    }
    return 0;
}
