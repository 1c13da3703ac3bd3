#include "app/control_table.h"

#include <commctrl.h>

namespace {
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr FontChoice kGuiFont{0, FW_NORMAL, DEFAULT_CHARSET};
}  // namespace

const std::array<ControlEntry, kControlCount> kControlTable{{
    {ControlId::ProcessBar1, "ProcessBar1", PROGRESS_CLASSA, kChild | WS_BORDER, 0,
     30, 318, 520, 20, "", kGuiFont, false, false},
    // Docks itself along the bottom edge, as wide as the client area.
    {ControlId::StatusBar1, "StatusBar1", STATUSCLASSNAMEA, kChild | CCS_BOTTOM, 0,
     0, 418, 600, 20, "Build by Bexmoor", kGuiFont, false, true},
    {ControlId::ListView1, "ListView1", WC_LISTVIEWA,
     kChild | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0,
     0, 75, 594, 313, "", kGuiFont, true, true},
    {ControlId::Label3, "Label3", "Static", kChild | SS_LEFT | SS_NOPREFIX, 0,
     157, 47, 10, 22, "h", {16, FW_BOLD, DEFAULT_CHARSET}, false, true},
    {ControlId::Label2, "Label2", "Static", kChild | SS_LEFT | SS_NOPREFIX, 0,
     74, 47, 18, 22, "0x", {16, FW_BOLD, DEFAULT_CHARSET}, false, true},
    {ControlId::EditBox2, "EditBox2", "Edit", kChild | ES_CENTER | ES_AUTOHSCROLL, WS_EX_STATICEDGE,
     95, 43, 58, 24, "", {16, FW_NORMAL, DEFAULT_CHARSET}, true, true},
    // Painted by the form: red over a white copy one pixel right and down.
    {ControlId::Label1, "Label1", "Static", kChild | SS_OWNERDRAW, 0,
     180, 45, 410, 22, "提示:先将文件拖放到左侧图标上(NaviConfig.dll或NaviOneSCH.dll)!",
     {12, FW_NORMAL, DEFAULT_CHARSET}, false, true},
    {ControlId::EditBox1, "EditBox1", "Edit", kChild | ES_LEFT | ES_AUTOHSCROLL, WS_EX_STATICEDGE,
     74, 7, 512, 30, "", {19, FW_NORMAL, GB2312_CHARSET}, false, true},
    {ControlId::PicBox1, "PicBox1", kPictureClass, kChild, WS_EX_DLGMODALFRAME,
     5, 5, 60, 60, "", kGuiFont, false, true},
}};

// Windows always shows the first column left-aligned, whatever its format says.
const std::array<ColumnEntry, 2> kListColumns{{
    {"地址(16h)", 70, LVCFMT_LEFT},
    {"值", 503, LVCFMT_CENTER},
}};
