#include "app/controls.h"
#include "app/dpi_layout.h"
#include "app/drop_target.h"
#include "app/main_window_events.h"
#include "app/shell.h"
#include "platform/byte_file.h"
#include "platform/windows_text.h"

namespace {


[[noreturn]] void fail_start_up(Shell& shell) {
    set_topmost(shell.window, false);
    MessageBoxW(nullptr, L"程序初始化失败!", L"提示", MB_OK | MB_TASKMODAL);
    ExitProcess(0);
}

std::wstring comment_caption(const std::string& compiler) {
    return compiler.empty() ? std::wstring(L"注释") : L"注释 (" + gbk_to_wide(compiler) + L")";
}

}  // namespace

void on_main_window_created(Shell& shell) {
    if (!register_drop_target(shell)) fail_start_up(shell);

    const HWND list = shell.control(ControlId::record_list);
    shell.form.settings_path = shell.program_dir + "\\ziz_ivi.ini";
    if (file_exists(shell.form.settings_path)) {
        shell.form.has_reference_file = true;
        const std::string compiler = shell.profile.read(shell.form.settings_path, "整理", "ID");
        list_view::insert_column(list, 2, comment_caption(compiler), 0, LVCFMT_LEFT);
        size_list_columns(shell);
        load_settings(shell);
    }

    // The list takes its row height from its small images: an empty list of 1 x 20
    // images makes every row 20 pixels high and shows no image.
    shell.row_images.reset(ImageList_Create(1, scaled(20, shell.dpi), ILC_COLOR32, 0, 0));
    list_view::set_small_images(list, shell.row_images.get());
}

void put_caret_at_end(Shell& shell, ControlId box) { edit_box::put_caret_at_end(shell.control(box)); }
