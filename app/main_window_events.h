#pragma once
#include <string>

#include "app/form/control_id.h"

struct Shell;

// The main window's created event: the drop target, the comment column and the settings
// when ziz_ivi.ini exists, the rows' height.
void on_main_window_created(Shell& shell);

// The settings of the section "程序设置": always on top and the window position.
void load_settings(Shell& shell);
// The main window's being destroyed: its position, when ziz_ivi.ini existed at start-up.
void save_window_position(Shell& shell);

// An edit box taking the focus: the caret after its last character.
void put_caret_at_end(Shell& shell, ControlId box);
