#pragma once
#include <windows.h>

#include <string>

// CommonDlg1. Each dialog sets all its own settings every time it is shown, so the save
// dialog of the export never leaves its title or filter to the open dialog. An empty
// text when the user cancels.
std::string ask_file_to_open(HWND owner);
std::string ask_file_to_save(HWND owner);
