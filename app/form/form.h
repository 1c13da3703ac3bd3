#pragma once
// The window's state and the handlers of its events. Handlers read the boxes, call one
// operation and turn its outcome into the hint, the focus and the re-listing.
#include <string>

#include "app/form/form_view.h"
#include "ops/open_file.h"
#include "ops/undo_history.h"
#include "platform/profile_file.h"

struct Form {
    Form(FormView& view, ProfileReader& profile, std::string settings_path = {})
        : view(view), profile(profile), settings_path(std::move(settings_path)) {}

    FormView& view;
    ProfileReader& profile;
    std::string settings_path;  // ziz_ivi.ini beside the program (UTF-8)
    // ziz_ivi.ini existed beside the program at start-up.
    bool has_reference_file = false;
    // A listing or an export is running and lets window events in; handlers that would
    // reopen, write or re-read the file ignore their event meanwhile.
    bool busy = false;
    NaviFile file;
    UndoHistory history;
    WriteOptions write_options;
};

// What the shell makes of a key in an edit box.
enum class BoxKey { enter, up, down };

// The one entry through which a file is opened, identified and listed.
void take_in_file(Form& form, const std::string& path);
// The same file again, after a write; the undo history stays.
void list_again(Form& form);

void on_files_dropped(Form& form, const std::string& paths);
void on_icon_click(Form& form);
void on_record_click(Form& form);
void on_value_box_key(Form& form, BoxKey key);
void on_offset_box_key(Form& form, BoxKey key);
void on_record_list_right_click(Form& form);
void on_undo(Form& form);
void on_redo(Form& form);
