#include "app/event_table.h"

#include <array>

#include "app/main_window_events.h"
#include "app/shell.h"

namespace {

const std::array<EventBinding, 12> kEventTable{{
    {Source::main_window, Event::created, [](Shell& s, const EventArgs&) { on_main_window_created(s); }},
    {Source::main_window, Event::destroyed, [](Shell& s, const EventArgs&) { save_window_position(s); }},
    {Source::value_box, Event::got_focus, [](Shell& s, const EventArgs&) { put_caret_at_end(s, ControlId::value_box); }},
    {Source::value_box, Event::key, [](Shell& s, const EventArgs& a) { on_value_box_key(s.form, a.key); }},
    {Source::offset_box, Event::got_focus, [](Shell& s, const EventArgs&) { put_caret_at_end(s, ControlId::offset_box); }},
    {Source::offset_box, Event::key, [](Shell& s, const EventArgs& a) { on_offset_box_key(s.form, a.key); }},
    {Source::icon, Event::left_button_down, [](Shell& s, const EventArgs&) { on_icon_click(s.form); }},
    {Source::drop_target, Event::files_dropped, [](Shell& s, const EventArgs& a) { on_files_dropped(s.form, a.path); }},
    {Source::record_list, Event::click, [](Shell& s, const EventArgs&) { on_record_click(s.form); }},
    {Source::record_list, Event::right_click, [](Shell& s, const EventArgs&) { on_record_list_right_click(s.form); }},
    {Source::record_list, Event::undo, [](Shell& s, const EventArgs&) { on_undo(s.form); }},
    {Source::record_list, Event::redo, [](Shell& s, const EventArgs&) { on_redo(s.form); }},
}};

}  // namespace

void raise_event(Shell& shell, Source source, Event event, const EventArgs& args) {
    for (const EventBinding& binding : kEventTable) {
        if (binding.source == source && binding.event == event) {
            binding.handler(shell, args);
            return;
        }
    }
}
