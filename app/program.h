#pragma once
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>
#include <olectl.h>

#include <string>

#include "app/control_table.h"
#include "app/win32_window.h"
#include "config/file_session.h"

// The program-wide state: the open file's record, the window seam over the controls,
// the INI reader, the handlers' context, and what the window owns.
struct Program {
    explicit Program(std::string directory) : program_dir(std::move(directory)) {}
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    std::string program_dir;  // no trailing backslash
    FileSession session;
    HWND form = nullptr;
    ControlHandles controls{};
    Win32Window window{controls};
    Win32Profile profile;
    Context context{session, window, profile, {}};

    // Attached to ListView1 only to give its rows their height.
    HIMAGELIST row_image_list = nullptr;
    HFONT fonts[kControlCount]{};
    IPicture* picture = nullptr;
    IDropTarget* drop_target = nullptr;
    HWND last_focus = nullptr;  // the control to give the focus back to on reactivation

    HWND control(ControlId id) const { return controls[index_of(id)]; }
};

// The one program of this process; valid after open_main_form.
Program& program();

// Start-up without the message loop: the state, MainForm with its controls, the created
// handler, the window shown. Tests call it with a folder of their own.
HWND open_main_form(const std::string& program_dir);

// The whole run after the platform start-up of WinMain; returns the exit code.
int run_program(const std::string& program_dir);
