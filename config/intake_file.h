#pragma once
#include <string>

#include "config/window.h"

// The one entry through which a file is opened, identified and listed.
void intake_file(Context& context, const std::string& path);

// DropTarget1's files-dropped event: the dropped path or paths as one text.
void on_files_dropped(Context& context, const std::string& paths);

// A left press on PicBox1: the open dialog, then the intake of the picked file.
void on_icon_click(Context& context);
