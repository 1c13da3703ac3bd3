#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

#include <memory>
#include <string>

#include "app/form/form.h"
#include "app/handles.h"
#include "app/win32_view.h"
#include "platform/profile_file.h"

// Everything the main window uses, reached from the window itself (GWLP_USERDATA): the
// handlers' form, the view over the controls, and the window's resources. It outlives the
// window: a listing or an export that lets events run may see the window closed under it
// and must still find its state when it returns.
struct Shell {
    explicit Shell(std::string directory) : program_dir(std::move(directory)) {}
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    std::string program_dir;  // UTF-8, no trailing separator
    HWND window = nullptr;
    ControlHandles controls{};
    Win32View view{controls};
    ProfileFile profile;
    Form form{view, profile};

    std::array<FontHandle, kControlCount> fonts;
    // Attached to the record list only to give its rows their height.
    ImageListHandle row_images;
    ComRef<IPicture> picture;
    ComRef<IDropTarget> drop_target;
    HWND last_focus = nullptr;  // the control to give the focus back to on reactivation
    UINT dpi = USER_DEFAULT_SCREEN_DPI;

    HWND control(ControlId id) const { return controls[index_of(id)]; }
};

// The shell of a main window (or of any of its controls); null for other windows.
Shell* shell_of(HWND window);

// Start-up without the message loop: the main window with its controls, the created
// handler, the window shown; null when the window cannot be made. The caller keeps the
// shell until the message loop has ended. Tests call it with a folder of their own.
std::unique_ptr<Shell> open_main_form(const std::string& program_dir);

// The whole run after the platform start-up of WinMain; returns the exit code.
int run_program(const std::string& program_dir);
