#include <memory>

#include "app/controls.h"
#include "app/edit_boxes.h"
#include "app/event_table.h"
#include "app/hint_label.h"
#include "app/message_loop.h"
#include "app/picture_box.h"
#include "app/program.h"
#include "app/resource_ids.h"

namespace {

std::unique_ptr<Program> current;

constexpr DWORD kListStyle = LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES | LVS_EX_HEADERDRAGDROP;
constexpr int kProgressMaximum = 100;

HFONT make_font(const FontChoice& font) {
    if (font.height == 0) return nullptr;
    // A negative height asks for the character height rather than the cell height.
    return CreateFontA(-font.height, 0, 0, 0, font.weight, FALSE, FALSE, FALSE, font.charset, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, kFontFace);
}

void prepare_control(const ControlEntry& entry, HWND control) {
    switch (entry.id) {
    case ControlId::ListView1:
        list_view::set_extended_style(control, kListStyle);
        for (std::size_t i = 0; i < kListColumns.size(); ++i) {
            list_view::insert_column(control, static_cast<int>(i), kListColumns[i].caption, kListColumns[i].width,
                                     kListColumns[i].format);
        }
        break;
    case ControlId::StatusBar1:
        status_bar::set_parts(control, {kStatusPartWidth});
        status_bar::set_text(control, 0, entry.caption);
        break;
    case ControlId::ProcessBar1:
        progress_bar::set_range(control, kProgressMaximum);
        progress_bar::set_position(control, 0);
        break;
    case ControlId::EditBox1:
    case ControlId::EditBox2:
        edit_box::remove_length_limit(control);
        subclass_edit_box(control, entry.id == ControlId::EditBox1 ? Source::EditBox1 : Source::EditBox2);
        break;
    default:
        break;
    }
}

void create_controls(Program& p, HINSTANCE instance) {
    for (std::size_t i = 0; i < kControlTable.size(); ++i) {
        const ControlEntry& entry = kControlTable[i];
        const DWORD style = entry.style | (entry.visible ? WS_VISIBLE : 0) | (entry.tab_stop ? WS_TABSTOP : 0);
        const HWND control = CreateWindowExA(entry.ex_style, entry.class_name, entry.caption, style, entry.left, entry.top,
                                             entry.width, entry.height, p.form,
                                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + i)), instance,
                                             nullptr);
        p.controls[i] = control;
        p.fonts[i] = make_font(entry.font);
        const HGDIOBJ font = p.fonts[i] ? static_cast<HGDIOBJ>(p.fonts[i]) : GetStockObject(DEFAULT_GUI_FONT);
        SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        prepare_control(entry, control);
    }
}

void on_command(Program& p, WPARAM w, LPARAM l) {
    const auto sender = reinterpret_cast<HWND>(l);
    if (HIWORD(w) == EN_SETFOCUS && sender == p.control(ControlId::EditBox1)) {
        raise_event(p, Source::EditBox1, Event::GotFocus);
    } else if (HIWORD(w) == EN_SETFOCUS && sender == p.control(ControlId::EditBox2)) {
        raise_event(p, Source::EditBox2, Event::GotFocus);
    } else if (LOWORD(w) == IDCANCEL && !sender) {
        // Esc, from the dialog keys of the message loop: closes as the close button does.
        SendMessageA(p.form, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void on_notify(Program& p, const NMHDR& header) {
    if (header.hwndFrom != p.control(ControlId::ListView1)) return;
    if (header.code == NM_CLICK) raise_event(p, Source::ListView1, Event::Click);
    if (header.code == NM_RCLICK) raise_event(p, Source::ListView1, Event::RightClick);
}

// Tab, from the dialog keys: the next control with a tab stop, which is ListView1 or
// EditBox2. The caret of an edit box is placed by its focus handler, not selected all.
void move_tab_focus(Program& p, WPARAM w, LPARAM l) {
    const HWND target = LOWORD(l) ? reinterpret_cast<HWND>(w) : GetNextDlgTabItem(p.form, GetFocus(), w != 0);
    if (target) SetFocus(target);
}

void remember_focus(Program& p) {
    const HWND focus = GetFocus();
    if (focus && IsChild(p.form, focus)) p.last_focus = focus;
}

void restore_focus(Program& p) {
    SetFocus(p.last_focus && IsWindow(p.last_focus) ? p.last_focus : p.control(ControlId::ListView1));
}

void on_destroy(Program& p) {
    raise_event(p, Source::MainForm, Event::Destroyed);
    PostQuitMessage(0);
}

LRESULT CALLBACK form_proc(HWND form, UINT message, WPARAM w, LPARAM l) {
    Program& p = program();
    switch (message) {
    case WM_COMMAND:
        on_command(p, w, l);
        return 0;
    case WM_NOTIFY:
        on_notify(p, *reinterpret_cast<const NMHDR*>(l));
        return 0;
    case WM_DRAWITEM:
        if (w == kFirstControlId + index_of(ControlId::Label1)) {
            paint_hint_label(*reinterpret_cast<const DRAWITEMSTRUCT*>(l), p.fonts[index_of(ControlId::Label1)]);
            return TRUE;
        }
        break;
    case WM_NEXTDLGCTL:
        move_tab_focus(p, w, l);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(w) == WA_INACTIVE) remember_focus(p);
        break;
    case WM_SETFOCUS:
        restore_focus(p);
        return 0;
    case WM_DESTROY:
        on_destroy(p);
        return 0;
    case WM_NCDESTROY:
        p.form = nullptr;
        break;
    default:
        break;
    }
    return DefWindowProcA(form, message, w, l);
}

void register_form_class(HINSTANCE instance) {
    WNDCLASSEXA cls{};
    cls.cbSize = sizeof cls;
    if (GetClassInfoExA(instance, kFormClass, &cls)) return;
    cls.lpfnWndProc = form_proc;
    cls.hInstance = instance;
    cls.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_TARVELLO));
    cls.hIconSm = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TARVELLO), IMAGE_ICON,
                                                GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0));
    cls.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kFormClass;
    RegisterClassExA(&cls);
}

}  // namespace

Program::~Program() {
    for (HFONT font : fonts) {
        if (font) DeleteObject(font);
    }
    if (picture) picture->Release();
    if (drop_target) drop_target->Release();
}

Program& program() { return *current; }

HWND open_main_form(const std::string& program_dir) {
    current = std::make_unique<Program>(program_dir);
    Program& p = *current;
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES | ICC_PROGRESS_CLASS};
    InitCommonControlsEx(&classes);
    register_form_class(instance);
    register_picture_class(instance);
    p.picture = load_program_picture(instance);

    const int left = (GetSystemMetrics(SM_CXSCREEN) - kFormWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kFormHeight) / 2;
    p.form = CreateWindowExA(WS_EX_TOPMOST, kFormClass, kFormCaption, kFormStyle, left, top, kFormWidth, kFormHeight,
                             nullptr, nullptr, instance, nullptr);
    if (!p.form) return nullptr;
    create_controls(p, instance);
    raise_event(p, Source::MainForm, Event::Created);
    ShowWindow(p.form, SW_SHOW);
    UpdateWindow(p.form);
    return p.form;
}

int run_program(const std::string& program_dir) {
    if (!open_main_form(program_dir)) return 0;
    return run_message_loop();
}
