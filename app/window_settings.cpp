#include <algorithm>
#include <string>

#include "app/controls.h"
#include "app/main_window_events.h"
#include "app/shell.h"
#include "numeric/text_to_number.h"

namespace {

constexpr const char* kSection = "程序设置";
constexpr const char* kTopmostKey = "是否总在最前面";
constexpr const char* kLeftKey = "界面位置X";
constexpr const char* kTopKey = "界面位置Y";
// Keeps a restored window within reach of the window manager's coordinates.
constexpr std::int64_t kCoordinateLimit = 32627;

// A value too large for 32 bits is clamped like any other, not cut to its low bits.
int coordinate(const std::string& text) {
    return static_cast<int>(std::clamp(whole_number(text), -kCoordinateLimit, kCoordinateLimit));
}

void move_form(HWND form, int left, int top) {
    SetWindowPos(form, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT outer_rect(HWND form) {
    RECT rect{};
    GetWindowRect(form, &rect);
    return rect;
}

// A position saved on a monitor that is no longer attached would leave the window where
// nobody can see it: it goes wholly inside the work area of the nearest monitor. A window
// that is even partly visible stays where it was put.
void keep_on_a_monitor(HWND form) {
    RECT rect = outer_rect(form);
    if (MonitorFromRect(&rect, MONITOR_DEFAULTTONULL)) return;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoW(MonitorFromRect(&rect, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& work = monitor.rcWork;
    const LONG width = rect.right - rect.left;
    const LONG height = rect.bottom - rect.top;
    const LONG left = std::max(work.left, std::min<LONG>(rect.left, work.right - width));
    const LONG top = std::max(work.top, std::min<LONG>(rect.top, work.bottom - height));
    move_form(form, left, top);
}

// Where the window stands when it is not minimised. A minimised window reports a
// placeholder far off the screen, so its last normal place is taken instead; that
// place is in work-area coordinates, which are shifted from the screen's by a taskbar
// at the top or left of the monitor.
POINT normal_position(HWND form) {
    if (!IsIconic(form)) {
        const RECT rect = outer_rect(form);
        return {rect.left, rect.top};
    }
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(form, &placement);
    POINT at{placement.rcNormalPosition.left, placement.rcNormalPosition.top};
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor)) {
        at.x += monitor.rcWork.left - monitor.rcMonitor.left;
        at.y += monitor.rcWork.top - monitor.rcMonitor.top;
    }
    return at;
}

}  // namespace

void load_settings(Shell& shell) {
    const std::string& file = shell.form.settings_path;
    if (shell.profile.read(file, kSection, kTopmostKey) == "否") {
        set_topmost(shell.window, false);
    } else {
        write_profile_values(file, kSection, {{kTopmostKey, "是"}});
    }
    const int left = coordinate(shell.profile.read(file, kSection, kLeftKey));
    move_form(shell.window, left, outer_rect(shell.window).top);
    const int top = coordinate(shell.profile.read(file, kSection, kTopKey));
    move_form(shell.window, outer_rect(shell.window).left, top);
    keep_on_a_monitor(shell.window);
}

void save_window_position(Shell& shell) {
    if (!shell.form.has_reference_file) return;
    const POINT at = normal_position(shell.window);
    write_profile_values(shell.form.settings_path, kSection,
                         {{kLeftKey, std::to_string(at.x)}, {kTopKey, std::to_string(at.y)}});
}
