#pragma once
#include <windows.h>

#include <string>

// The open and save dialogs. Each sets all its own settings every time it is shown, so the
// save dialog of the export never leaves its title or filter to the open dialog. The
// chosen path in UTF-8; empty when the user cancels.
std::string ask_file_to_open(HWND owner);
std::string ask_file_to_save(HWND owner);
