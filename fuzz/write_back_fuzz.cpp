// Enter in the value box of a configuration file, with any offset and value texts, a few
// times in a row, between undos, redos, offset look-ups and another program's changes. A
// write happens only at a hexadecimal offset past the header and before the end, on a
// whole seed, for a value that reads back as itself and a chain that stays inside the slot
// and the file; it changes exactly the units after the seed, reaches the device, and the
// slot then decodes to the value. Anything else writes nothing. FILE.bak holds the file as
// it was before the first write.
//
// Input: the shape bytes (the signature is always put in front; flag 20: every step starts
// with an action byte, see StepAction; flag 40: other handlers try to run while the
// re-listing lets events in; flag 80: the list is emptied first), the number of steps less
// one (0 to 3), each step's action byte (with flag 20), offset text, value text and, when
// its action asks for one, the second writer's change; then the file's bytes.
#include <cstdint>

#include "fuzz/fuzz_support.h"

namespace {

bool whole_seed_at(std::string_view bytes, std::int64_t offset) {
    if (offset < 0 || offset + 2 > static_cast<std::int64_t>(bytes.size())) return false;
    return bytes.substr(static_cast<std::size_t>(offset), 2).find_first_of(std::string_view("\0\x1A", 2)) ==
           std::string_view::npos;
}

struct Models {
    HistoryModel history;
    BackupModel backup;
};

void write_step(FuzzCase& c, Models& m, const Step& step, Failure failure) {
    const std::string before = c.on_disk();
    const Rows rows = c.view.rows;
    const int selected = c.view.selected;
    const bool acts = c.form.file.is_open() && c.form.file.kind == FileKind::config && !step.offset.empty() &&
                      c.view.row_count() > 0;
    c.view.set_text(ControlId::offset_box, step.offset);
    c.view.set_text(ControlId::value_box, step.value);
    c.view.set_text(ControlId::hint_line, "");
    c.view.outside_gbk[ControlId::value_box] = step.action & kOutsideGbk;

    on_value_box_key(c.form, BoxKey::enter);

    const std::string after = c.on_disk();
    FUZZ_CHECK(after.size() == before.size());
    FUZZ_CHECK(!c.form.busy);
    const auto refused = [&](const char* hint) {
        check_nothing_written();
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(c.view.rows == rows);
        FUZZ_CHECK(c.view.selected == selected);
        FUZZ_CHECK(c.view.hint() == hint);
        m.backup.check(c);
    };
    if (!acts) return refused("");
    if (step.action & kOutsideGbk) return refused(hint::kUnwritableText);

    const auto length = static_cast<std::int64_t>(before.size());
    const std::int64_t offset = offset_named(step.offset);
    if (offset < kBodyStart || offset >= length || !whole_seed_at(before, offset)) return refused(hint::kEnterOffset);
    const std::string seed = slice(before, offset, 2);
    if (!writable(seed, step.value)) return refused(hint::kUnwritableText);
    const std::string chain = chain_units(seed, step.value);
    const std::int64_t at = offset + 2;
    const std::int64_t chain_end = at + static_cast<std::int64_t>(chain.size());
    const std::int64_t slot_end = kBodyStart + ((offset - kBodyStart) / kSlotBytes + 1) * kSlotBytes;
    if (chain_end > slot_end || chain_end > length) return refused(hint::kValueTooLong);

    m.backup.before_write(before);
    m.backup.check(c);
    check_writes_within(at, chain_end);
    const Changed changed = changed_between(before, after);
    if (changed.first >= 0) FUZZ_CHECK(changed.first >= at && changed.last < chain_end);
    FUZZ_CHECK(after == (failure == Failure::writes ? before : replaced(before, at, chain)));
    // A failed write may have reached the disk all the same: it is in the history too.
    m.history.record({offset, at, slice(before, at, chain.size()), chain});
    if (failure == Failure::none) {
        FUZZ_CHECK(!io_watch::unflushed() && io_watch::flushes() > 0);
        FUZZ_CHECK(value_at(after, offset) == step.value);
        FUZZ_CHECK(c.view.hint() == hint::kDone);
    } else {
        FUZZ_CHECK(c.view.hint() == hint::kWriteFailed);
    }
    check_listed(c, after);
    FUZZ_CHECK(c.view.selected == row_named(c.view.rows, step.offset));
    FUZZ_CHECK(c.view.focused == ControlId::record_list);
    FUZZ_CHECK(c.view.text(ControlId::value_box) == step.value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    Shape shape = read_shape(in);
    shape.flags |= kWithSignature;
    std::vector<Step> steps(in.byte() % 4 + 1u);
    for (Step& step : steps) step = read_step(in, shape.flags & kFlag20, false);
    const std::string bytes = shaped_file(shape, in.rest());

    FuzzCase c(bytes);
    on_files_dropped(c.form, c.path);
    check_listed(c, bytes);
    if (shape.flags & kFlag40) try_handlers_while_busy(c);
    if (shape.flags & kFlag80) c.view.rows.clear();
    Models m;
    for (const Step& step : steps) {
        if (step.second) apply_second_write(c.path, *step.second);
        const Failure failure = arm_failure(step.action);
        switch (step.action & 3) {
        case kEdit:
            // Another program made it a module: the module target's case.
            if (c.form.file.kind == FileKind::module) return 0;
            write_step(c, m, step, failure);
            break;
        case kUndo: undo_step(c, m.history, m.backup, true, failure); break;
        case kRedo: undo_step(c, m.history, m.backup, false, failure); break;
        case kNavigate: navigate_step(c, step.offset); break;
        }
    }
    return 0;
}
