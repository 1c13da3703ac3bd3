#pragma once
#include <string>

struct Program;

// MainForm's created event: the drop target, the comment column and the settings when
// ziz_ivi.ini exists, the rows' height.
void on_form_created(Program& program);

void on_value_box_focus(Program& program);
void on_offset_box_focus(Program& program);

// The settings of the section "程序设置": always on top and the window position.
void load_settings(Program& program, const std::string& settings_path);
void on_form_destroyed(Program& program);
