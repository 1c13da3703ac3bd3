#include <algorithm>
#include <string>

#include "app/controls.h"
#include "app/form_handlers.h"
#include "app/program.h"
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

void write_key(const std::string& file, const char* key, const std::string& value) {
    WritePrivateProfileStringA(kSection, key, value.c_str(), file.c_str());
}

void move_form(HWND form, int left, int top) {
    SetWindowPos(form, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT outer_rect(HWND form) {
    RECT rect{};
    GetWindowRect(form, &rect);
    return rect;
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
    if (GetMonitorInfoA(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST), &monitor)) {
        at.x += monitor.rcWork.left - monitor.rcMonitor.left;
        at.y += monitor.rcWork.top - monitor.rcMonitor.top;
    }
    return at;
}

}  // namespace

void load_settings(Program& p, const std::string& settings_path) {
    if (p.profile.read(settings_path, kSection, kTopmostKey) == "否") {
        set_topmost(p.form, false);
    } else {
        write_key(settings_path, kTopmostKey, "是");
    }
    const int left = coordinate(p.profile.read(settings_path, kSection, kLeftKey));
    move_form(p.form, left, outer_rect(p.form).top);
    const int top = coordinate(p.profile.read(settings_path, kSection, kTopKey));
    move_form(p.form, outer_rect(p.form).left, top);
}

void on_form_destroyed(Program& p) {
    if (!p.session.has_reference_file) return;
    const POINT at = normal_position(p.form);
    write_key(p.context.settings_path, kLeftKey, std::to_string(at.x));
    write_key(p.context.settings_path, kTopKey, std::to_string(at.y));
}
