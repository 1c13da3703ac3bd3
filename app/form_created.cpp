#include "app/controls.h"
#include "app/drop_target.h"
#include "app/form_handlers.h"
#include "app/program.h"
#include "config/byte_file.h"

namespace {

constexpr int kValueColumnWidthWithComments = 130;
constexpr int kCommentColumnWidth = 373;
constexpr int kRowHeight = 20;

[[noreturn]] void fail_start_up(Program& p) {
    set_topmost(p.form, false);
    MessageBoxA(nullptr, "程序初始化失败!", "提示", MB_OK | MB_TASKMODAL);
    ExitProcess(0);
}

std::string comment_caption(const std::string& compiler) {
    return compiler.empty() ? std::string("注释") : "注释 (" + compiler + ")";
}

}  // namespace

void on_form_created(Program& p) {
    if (!register_drop_target(p)) fail_start_up(p);

    const HWND list = p.control(ControlId::ListView1);
    p.context.settings_path = p.program_dir + "\\ziz_ivi.ini";
    if (file_exists(p.context.settings_path)) {
        p.session.has_reference_file = true;
        list_view::set_column_width(list, 1, kValueColumnWidthWithComments);
        const std::string compiler = p.profile.read(p.context.settings_path, "整理", "ID");
        list_view::insert_column(list, 2, comment_caption(compiler), kCommentColumnWidth, LVCFMT_LEFT);
        load_settings(p, p.context.settings_path);
    }

    // The list takes its row height from its small images: an empty list of 1 x 20
    // images makes every row 20 pixels high and shows no image.
    ImageList_Destroy(p.row_image_list);
    p.row_image_list = ImageList_Create(1, kRowHeight, ILC_COLOR32, 0, 0);
    list_view::set_small_images(list, p.row_image_list);
}

void on_value_box_focus(Program& p) { edit_box::put_caret_at_end(p.control(ControlId::EditBox1)); }

void on_offset_box_focus(Program& p) { edit_box::put_caret_at_end(p.control(ControlId::EditBox2)); }
