#include "app/event_table.h"

#include <array>

#include "app/form_handlers.h"
#include "app/program.h"
#include "config/intake_file.h"
#include "edit/export_decoded_content.h"
#include "edit/offset_box_key.h"
#include "edit/show_clicked_record.h"
#include "edit/value_box_key.h"

namespace {

const std::array<EventBinding, 10> kEventTable{{
    {Source::MainForm, Event::Created, [](Program& p, const EventArgs&) { on_form_created(p); }},
    {Source::MainForm, Event::Destroyed, [](Program& p, const EventArgs&) { on_form_destroyed(p); }},
    {Source::EditBox1, Event::GotFocus, [](Program& p, const EventArgs&) { on_value_box_focus(p); }},
    {Source::EditBox1, Event::KeyDown, [](Program& p, const EventArgs& a) { on_value_box_key(p.context, a.key); }},
    {Source::EditBox2, Event::GotFocus, [](Program& p, const EventArgs&) { on_offset_box_focus(p); }},
    {Source::EditBox2, Event::KeyDown, [](Program& p, const EventArgs& a) { on_offset_box_key(p.context, a.key); }},
    {Source::PicBox1, Event::LeftButtonDown, [](Program& p, const EventArgs&) { on_icon_click(p.context); }},
    {Source::DropTarget1, Event::FilesDropped, [](Program& p, const EventArgs& a) { on_files_dropped(p.context, a.text); }},
    {Source::ListView1, Event::Click, [](Program& p, const EventArgs&) { show_clicked_record(p.context); }},
    {Source::ListView1, Event::RightClick, [](Program& p, const EventArgs&) { export_decoded_content(p.context); }},
}};

}  // namespace

void raise_event(Program& program, Source source, Event event, const EventArgs& args) {
    for (const EventBinding& binding : kEventTable) {
        if (binding.source == source && binding.event == event) {
            binding.handler(program, args);
            return;
        }
    }
}
