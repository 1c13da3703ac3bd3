#pragma once
// The steps the editing targets share, each checked against the model: the undo and redo
// history, Enter in the offset box, a second writer between steps, and a write or flush made
// to fail.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "fuzz/memory_form.h"
#include "ops/hints.h"

// Input of a step when the case's steps carry an action byte: its low bits say what the
// step is, the others what happens around it.
enum StepAction : std::uint8_t {
    kEdit = 0,
    kUndo = 1,
    kRedo = 2,
    kNavigate = 3,
    kSecondWriter = 0x04,  // another handle changes the file before the step
    kOutsideGbk = 0x08,    // the typed value holds a character without a GBK form
    kFlushFails = 0x10,
    kWriteFails = 0x20,
};

struct Step {
    std::uint8_t action = kEdit;
    std::uint8_t pick = 0;  // the module target's row and rate choice
    std::string offset;
    std::string value;
    std::optional<SecondWrite> second;
};

enum class Failure { none, writes, flushes };

// Arms what the step's action makes fail; the io watch starts the step with a clean record.
inline Failure arm_failure(std::uint8_t action) {
    io_watch::reset();
    if (action & kWriteFails) {
        io_watch::fail_writes();
        return Failure::writes;
    }
    if (action & kFlushFails) {
        io_watch::fail_flushes();
        return Failure::flushes;
    }
    return Failure::none;
}

// Every byte the core wrote to the file lies in [from, to), and a write it calls done
// reached the device.
inline void check_writes_within(std::int64_t from, std::int64_t to) {
    for (const io_watch::Write& w : io_watch::writes()) FUZZ_CHECK(w.offset >= from && w.offset + w.size <= to);
}
inline void check_nothing_written() { FUZZ_CHECK(io_watch::writes().empty()); }

inline std::string slice(std::string_view bytes, std::int64_t at, std::size_t n) {
    if (at < 0 || at > static_cast<std::int64_t>(bytes.size())) return {};
    return std::string(bytes.substr(static_cast<std::size_t>(at), n));
}

inline std::string replaced(std::string bytes, std::int64_t at, const std::string& with) {
    bytes.replace(static_cast<std::size_t>(at), with.size(), with);
    return bytes;
}

// FILE.bak: made once, from the bytes before the first write, and never changed after.
struct BackupModel {
    std::optional<std::string> bytes;

    void before_write(const std::string& disk) {
        if (!bytes) bytes = disk;
    }
    void check(const FuzzCase& c) const {
        FUZZ_CHECK(exists(c.backup()) == bytes.has_value());
        if (bytes) FUZZ_CHECK(file_bytes(c.backup()) == *bytes);
    }
};

// The writes made in this window, as undo and redo should see them.
struct HistoryModel {
    struct Change {
        std::int64_t record;
        std::int64_t offset;
        std::string before;
        std::string after;
    };
    std::vector<Change> done;
    std::vector<Change> undone;

    void record(Change change) {
        done.push_back(std::move(change));
        undone.clear();
    }
};

// The record a step changed, shown as a click on its row would show it.
inline void check_record_shown(FuzzCase& c, std::int64_t record, const std::string& offset_box,
                               const std::string& value_box) {
    const int row = row_named(c.view.rows, upper_hex(static_cast<std::uint64_t>(record)));
    FUZZ_CHECK(c.view.selected == row);
    if (row >= 0) {
        FUZZ_CHECK(c.view.text(ControlId::offset_box) == c.view.rows[row][0]);
        FUZZ_CHECK(c.view.text(ControlId::value_box) == c.view.rows[row][1]);
    } else {
        FUZZ_CHECK(c.view.text(ControlId::offset_box) == offset_box);
        FUZZ_CHECK(c.view.text(ControlId::value_box) == value_box);
    }
}

// Undo or redo: the step's bytes go back only while the disk holds what the last step left.
inline void undo_step(FuzzCase& c, HistoryModel& history, const BackupModel& backup, bool back, Failure failure) {
    auto& from = back ? history.done : history.undone;
    auto& to = back ? history.undone : history.done;
    const std::string before = c.on_disk();
    const Rows rows = c.view.rows;
    const bool open = c.form.file.is_open();  // the re-listing after a step may close it
    const std::string offset_box = c.view.text(ControlId::offset_box);
    const std::string value_box = c.view.text(ControlId::value_box);
    c.view.set_text(ControlId::hint_line, "");

    back ? on_undo(c.form) : on_redo(c.form);

    const std::string after = c.on_disk();
    FUZZ_CHECK(!c.form.busy);
    FUZZ_CHECK(after.size() == before.size());
    backup.check(c);
    const auto untouched = [&](const char* hint) {
        check_nothing_written();
        FUZZ_CHECK(after == before);
        FUZZ_CHECK(c.view.rows == rows);
        FUZZ_CHECK(c.view.hint() == hint);
    };
    if (from.empty()) return untouched(back ? hint::kNothingToUndo : hint::kNothingToRedo);
    const HistoryModel::Change last = from.back();
    const std::string& expected = back ? last.after : last.before;
    const std::string& wanted = back ? last.before : last.after;
    if (!open) return untouched(hint::kWriteFailed);
    if (slice(before, last.offset, expected.size()) != expected) return untouched(hint::kChangedElsewhere);

    check_writes_within(last.offset, last.offset + static_cast<std::int64_t>(wanted.size()));
    if (failure != Failure::none) {
        FUZZ_CHECK(after == (failure == Failure::writes ? before : replaced(before, last.offset, wanted)));
        FUZZ_CHECK(c.view.rows == rows);
        FUZZ_CHECK(c.view.hint() == hint::kWriteFailed);
        return;
    }
    FUZZ_CHECK(after == replaced(before, last.offset, wanted));
    FUZZ_CHECK(!io_watch::unflushed());
    FUZZ_CHECK(c.view.hint() == (back ? hint::kUndone : hint::kRedone));
    check_listed(c, after);
    check_record_shown(c, last.record, offset_box, value_box);
    to.push_back(last);
    from.pop_back();
}

// Enter in the offset box: the chain at the typed offset as the disk holds it now, whatever
// the list showed; nothing is written.
inline void navigate_step(FuzzCase& c, const std::string& offset_text) {
    const std::string before = c.on_disk();
    const Rows rows = c.view.rows;
    const int selected = c.view.selected;
    const bool open = c.form.file.is_open();
    c.view.set_text(ControlId::offset_box, offset_text);
    c.view.set_text(ControlId::value_box, "before");
    c.view.set_text(ControlId::hint_line, "");

    on_offset_box_key(c.form, BoxKey::enter);

    check_nothing_written();
    FUZZ_CHECK(c.on_disk() == before);
    FUZZ_CHECK(c.view.rows == rows);
    FUZZ_CHECK(c.view.selected == selected);
    FUZZ_CHECK(c.view.text(ControlId::offset_box) == offset_text);
    if (c.form.busy) {
        FUZZ_CHECK(c.view.text(ControlId::value_box) == "before");
        FUZZ_CHECK(c.view.hint().empty());
    } else if (!open) {
        FUZZ_CHECK(c.view.hint() == hint::kNoFileOpen);
        FUZZ_CHECK(c.view.text(ControlId::value_box) == "before");
    } else if (offset_text.empty()) {
        FUZZ_CHECK(c.view.hint() == hint::kEnterOffset);
        FUZZ_CHECK(c.view.text(ControlId::value_box) == "before");
    } else {
        const std::int64_t at = scan_start(offset_text, static_cast<std::int64_t>(before.size()));
        FUZZ_CHECK(c.view.text(ControlId::value_box) == value_at(before, at));
        FUZZ_CHECK(c.view.hint() == hint::kEditThenEnter);
    }
}

// Reads a step: with action bytes, the action first; the offset and value texts; the
// second writer's change when the action asks for one, near the typed offset.
inline Step read_step(FuzzInput& in, bool with_action, bool with_pick) {
    Step step;
    if (with_action) step.action = in.byte();
    if (with_pick) step.pick = in.byte();
    step.offset = in.text();
    step.value = in.text();
    if (step.action & kSecondWriter) {
        const std::int64_t named = offset_named(step.offset);
        step.second = read_second_write(in, named >= 0 ? named : kBodyStart);
    }
    return step;
}
