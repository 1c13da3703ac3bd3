#include "app/hint_label.h"

#include "app/controls.h"

void paint_hint_label(const DRAWITEMSTRUCT& item, HFONT font) {
    const HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring text = window_text(item.hwndItem);
    const HGDIOBJ old_font = SelectObject(dc, font);
    const int old_mode = SetBkMode(dc, TRANSPARENT);
    constexpr UINT kFormat = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    RECT shadow = item.rcItem;
    OffsetRect(&shadow, 1, 1);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &shadow, kFormat);
    RECT face = item.rcItem;
    SetTextColor(dc, RGB(255, 0, 0));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &face, kFormat);
    SetBkMode(dc, old_mode);
    SelectObject(dc, old_font);
}
