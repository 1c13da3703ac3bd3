#include <memory>

#include "app/control_table.h"
#include "app/controls.h"
#include "app/dpi_layout.h"
#include "app/edit_boxes.h"
#include "app/event_table.h"
#include "app/hint_label.h"
#include "app/message_loop.h"
#include "app/picture_box.h"
#include "app/resource_ids.h"
#include "app/shell.h"

namespace {

constexpr DWORD kListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP;
constexpr int kProgressMaximum = 100;

void prepare_control(const ControlEntry& entry, HWND control) {
    switch (entry.id) {
    case ControlId::record_list:
        list_view::set_extended_style(control, kListStyle);
        for (std::size_t i = 0; i < kListColumns.size(); ++i) {
            list_view::insert_column(control, static_cast<int>(i), kListColumns[i].caption, kListColumns[i].width,
                                     kListColumns[i].format);
        }
        break;
    case ControlId::status_bar:
        status_bar::set_parts(control, {kStatusPartWidth});
        status_bar::set_text(control, 0, entry.caption);
        break;
    case ControlId::progress_bar:
        progress_bar::set_range(control, kProgressMaximum);
        progress_bar::set_position(control, 0);
        break;
    case ControlId::value_box:
    case ControlId::offset_box:
        edit_box::remove_length_limit(control);
        subclass_edit_box(control, entry.id == ControlId::value_box ? Source::value_box : Source::offset_box);
        break;
    default:
        break;
    }
}

void create_controls(Shell& shell, HINSTANCE instance) {
    for (const ControlEntry& entry : kControlTable) {
        const std::size_t i = index_of(entry.id);
        const DWORD style = entry.style | (entry.visible ? WS_VISIBLE : 0) | (entry.tab_stop ? WS_TABSTOP : 0);
        const HWND control = CreateWindowExW(entry.ex_style, entry.class_name, entry.caption, style, entry.left,
                                             entry.top, entry.width, entry.height, shell.window,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(control_identifier(entry.id))),
                                             instance, nullptr);
        shell.controls[i] = control;
        prepare_control(entry, control);
    }
    apply_dpi(shell, GetDpiForWindow(shell.window), nullptr);
}

void on_command(Shell& shell, WPARAM w, LPARAM l) {
    const auto sender = reinterpret_cast<HWND>(l);
    if (HIWORD(w) == EN_SETFOCUS && sender == shell.control(ControlId::value_box)) {
        raise_event(shell, Source::value_box, Event::got_focus);
    } else if (HIWORD(w) == EN_SETFOCUS && sender == shell.control(ControlId::offset_box)) {
        raise_event(shell, Source::offset_box, Event::got_focus);
    } else if (LOWORD(w) == IDCANCEL && !sender) {
        // Esc, from the dialog keys of the message loop: closes as the close button does.
        SendMessageW(shell.window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo. Only the record list takes them: in the
// edit boxes Ctrl+Z keeps its text-editing meaning and never touches the file.
void on_record_list_key(Shell& shell, WORD key) {
    if (!(GetKeyState(VK_CONTROL) & 0x8000)) return;
    const bool shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    if (key == 'Z' && !shift) raise_event(shell, Source::record_list, Event::undo);
    if (key == 'Y' || (key == 'Z' && shift)) raise_event(shell, Source::record_list, Event::redo);
}

void on_notify(Shell& shell, const NMHDR& header) {
    if (header.hwndFrom != shell.control(ControlId::record_list)) return;
    if (header.code == NM_CLICK) raise_event(shell, Source::record_list, Event::click);
    if (header.code == NM_RCLICK) raise_event(shell, Source::record_list, Event::right_click);
    if (header.code == LVN_KEYDOWN) on_record_list_key(shell, reinterpret_cast<const NMLVKEYDOWN&>(header).wVKey);
}

// Tab, from the dialog keys: the next control with a tab stop, which is the record list
// or the offset box. The caret of an edit box is placed by its focus handler.
void move_tab_focus(Shell& shell, WPARAM w, LPARAM l) {
    const HWND target = LOWORD(l) ? reinterpret_cast<HWND>(w) : GetNextDlgTabItem(shell.window, GetFocus(), w != 0);
    if (target) SetFocus(target);
}

void remember_focus(Shell& shell) {
    const HWND focus = GetFocus();
    if (focus && IsChild(shell.window, focus)) shell.last_focus = focus;
}

void restore_focus(Shell& shell) {
    SetFocus(shell.last_focus && IsWindow(shell.last_focus) ? shell.last_focus : shell.control(ControlId::record_list));
}

LRESULT CALLBACK form_proc(HWND window, UINT message, WPARAM w, LPARAM l) {
    if (message == WM_NCCREATE) {
        // The shell comes with the creation; its owner keeps it past the window's end.
        auto* shell = static_cast<Shell*>(reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams);
        shell->window = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(shell));
    }
    Shell* shell = reinterpret_cast<Shell*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!shell) return DefWindowProcW(window, message, w, l);
    switch (message) {
    case WM_COMMAND:
        on_command(*shell, w, l);
        return 0;
    case WM_NOTIFY:
        on_notify(*shell, *reinterpret_cast<const NMHDR*>(l));
        return 0;
    case WM_DRAWITEM:
        if (w == static_cast<WPARAM>(control_identifier(ControlId::hint_line))) {
            paint_hint_label(*reinterpret_cast<const DRAWITEMSTRUCT*>(l), shell->fonts[index_of(ControlId::hint_line)].get());
            return TRUE;
        }
        break;
    case WM_DPICHANGED:
        apply_dpi(*shell, HIWORD(w), reinterpret_cast<const RECT*>(l));
        return 0;
    case WM_NEXTDLGCTL:
        move_tab_focus(*shell, w, l);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) remember_focus(*shell);
        break;
    case WM_SETFOCUS:
        restore_focus(*shell);
        return 0;
    case WM_DESTROY:
        raise_event(*shell, Source::main_window, Event::destroyed);
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        shell->window = nullptr;
        return DefWindowProcW(window, message, w, l);
    default:
        break;
    }
    return DefWindowProcW(window, message, w, l);
}

void register_form_class(HINSTANCE instance) {
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExW(instance, kFormClass, &cls)) return;
    cls.lpfnWndProc = form_proc;
    cls.hInstance = instance;
    cls.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_TARVELLO));
    cls.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_TARVELLO), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kFormClass;
    RegisterClassExW(&cls);
}

}  // namespace

Shell* shell_of(HWND window) {
    const HWND top = window ? GetAncestor(window, GA_ROOT) : nullptr;
    wchar_t name[64] = {};
    if (!top || !GetClassNameW(top, name, 64) || std::wstring(name) != kFormClass) return nullptr;
    return reinterpret_cast<Shell*>(GetWindowLongPtrW(top, GWLP_USERDATA));
}

std::unique_ptr<Shell> open_main_form(const std::string& program_dir) {
    auto shell = std::make_unique<Shell>(program_dir);
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    register_form_class(instance);
    register_picture_class(instance);
    shell->picture.reset(load_program_picture(instance));

    // Centred at the size it will have: the layout scaled to the system's DPI.
    const int width = scaled(kFormWidth, GetDpiForSystem());
    const int height = scaled(kFormHeight, GetDpiForSystem());
    const int left = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    const HWND window = CreateWindowExW(WS_EX_TOPMOST, kFormClass, kFormCaption, kFormStyle, left, top, width, height,
                                        nullptr, nullptr, instance, shell.get());
    if (!window) return nullptr;
    create_controls(*shell, instance);
    raise_event(*shell, Source::main_window, Event::created);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    return shell;
}

int run_program(const std::string& program_dir) {
    const std::unique_ptr<Shell> shell = open_main_form(program_dir);
    if (!shell) return 0;
    return run_message_loop();
}
