#include "app/control_table.h"

#include <commctrl.h>

namespace {
constexpr DWORD kChild = WS_CHILD | WS_CLIPSIBLINGS;
constexpr FontChoice kGuiFont{0, FW_NORMAL, DEFAULT_CHARSET};
}  // namespace

const std::array<ControlEntry, kControlCount> kControlTable{{
    {ControlId::progress_bar, PROGRESS_CLASSW, kChild | WS_BORDER, 0, 30, 318, 520, 20, L"", kGuiFont, false, false},
    // Docks itself along the bottom edge, as wide as the client area.
    {ControlId::status_bar, STATUSCLASSNAMEW, kChild | CCS_BOTTOM, 0, 0, 418, 600, 20, L"Build by Bexmoor", kGuiFont,
     false, true},
    {ControlId::record_list, WC_LISTVIEWW, kChild | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0,
     75, 594, 313, L"", kGuiFont, true, true},
    {ControlId::offset_suffix, L"Static", kChild | SS_LEFT | SS_NOPREFIX, 0, 157, 47, 10, 22, L"h",
     {16, FW_BOLD, DEFAULT_CHARSET}, false, true},
    {ControlId::offset_prefix, L"Static", kChild | SS_LEFT | SS_NOPREFIX, 0, 74, 47, 18, 22, L"0x",
     {16, FW_BOLD, DEFAULT_CHARSET}, false, true},
    {ControlId::offset_box, L"Edit", kChild | ES_CENTER | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 95, 43, 58, 24, L"",
     {16, FW_NORMAL, DEFAULT_CHARSET}, true, true},
    // Painted by the form: red over a white copy one pixel right and down.
    {ControlId::hint_line, L"Static", kChild | SS_OWNERDRAW, 0, 180, 45, 410, 22,
     L"提示:先将文件拖放到左侧图标上(NaviConfig.dll或NaviOneSCH.dll)!", {12, FW_NORMAL, DEFAULT_CHARSET}, false, true},
    {ControlId::value_box, L"Edit", kChild | ES_LEFT | ES_AUTOHSCROLL, WS_EX_STATICEDGE, 74, 7, 512, 30, L"",
     {19, FW_NORMAL, GB2312_CHARSET}, false, true},
    {ControlId::icon, kPictureClass, kChild, WS_EX_DLGMODALFRAME, 5, 5, 60, 60, L"", kGuiFont, false, true},
}};

// Windows always shows the first column left-aligned, whatever its format says.
const std::array<ColumnEntry, 2> kListColumns{{
    {L"地址(16h)", 70, LVCFMT_LEFT},
    {L"值", 503, LVCFMT_CENTER},
}};
