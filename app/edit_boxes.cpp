#include "app/edit_boxes.h"

#include <commctrl.h>

#include "app/shell.h"

namespace {

bool is_enter_key_down(LPARAM message) {
    const auto* msg = reinterpret_cast<const MSG*>(message);
    return msg && (msg->message == WM_KEYDOWN || msg->message == WM_SYSKEYDOWN) && msg->wParam == VK_RETURN;
}

// The keys the boxes act on, whatever Ctrl, Shift and Alt say.
bool box_key(WPARAM virtual_key, BoxKey& key) {
    switch (virtual_key) {
    case VK_RETURN: key = BoxKey::enter; return true;
    case VK_UP: key = BoxKey::up; return true;
    case VK_DOWN: key = BoxKey::down; return true;
    default: return false;
    }
}

LRESULT CALLBACK edit_box_proc(HWND box, UINT message, WPARAM w, LPARAM l, UINT_PTR id, DWORD_PTR source) {
    switch (message) {
    case WM_GETDLGCODE:
        // Without this the dialog keys would turn Enter into the form's IDOK.
        return DefSubclassProc(box, message, w, l) | (is_enter_key_down(l) ? DLGC_WANTALLKEYS : 0);
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        BoxKey key;
        Shell* shell = shell_of(box);
        if (shell && box_key(w, key)) raise_event(*shell, static_cast<Source>(source), Event::key, {key, {}});
        // The handler lets events run; Esc among them may have closed the window.
        if (!IsWindow(box)) return 0;
        break;
    }
    case WM_CHAR:
        // A single-line box has no use for a line break, and Windows would beep.
        if (w == '\r' || w == '\n') return 0;
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(box, edit_box_proc, id);
        break;
    default:
        break;
    }
    return DefSubclassProc(box, message, w, l);
}

}  // namespace

void subclass_edit_box(HWND box, Source source) {
    SetWindowSubclass(box, edit_box_proc, static_cast<UINT_PTR>(source), static_cast<DWORD_PTR>(source));
}
