#pragma once
#include <string>

#include "app/form/form.h"

struct Shell;

// Who raises an event: the main window, one of its controls, or the drop target on the icon.
enum class Source { main_window, value_box, offset_box, icon, drop_target, record_list };
enum class Event { created, destroyed, got_focus, key, left_button_down, files_dropped, click, right_click, undo, redo };

struct EventArgs {
    BoxKey key = BoxKey::enter;  // key
    std::string path;            // files_dropped: the dropped paths, UTF-8
};

using Handler = void (*)(Shell&, const EventArgs&);

struct EventBinding {
    Source source;
    Event event;
    Handler handler;
};

// Runs the handler bound to the event; an event without one is ignored.
void raise_event(Shell& shell, Source source, Event event, const EventArgs& args = {});
