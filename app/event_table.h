#pragma once
#include <string>

struct Program;

// Who raises an event: the form, a control, or the drop target on PicBox1.
enum class Source { MainForm, EditBox1, EditBox2, PicBox1, DropTarget1, ListView1 };
enum class Event { Created, Destroyed, GotFocus, KeyDown, LeftButtonDown, FilesDropped, Click, RightClick };

struct EventArgs {
    int key = 0;       // KeyDown: the virtual-key code
    std::string text;  // FilesDropped: the dropped paths
};

using Handler = void (*)(Program&, const EventArgs&);

struct EventBinding {
    Source source;
    Event event;
    Handler handler;
};

// Runs the handler bound to the event; an event without one is ignored.
void raise_event(Program& program, Source source, Event event, const EventArgs& args = {});
