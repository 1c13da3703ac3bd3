#pragma once
#include <windows.h>

#include <array>

#include "app/form/control_id.h"

// Character height in pixels (0: the system's default GUI font), weight and character set.
struct FontChoice {
    int height;
    int weight;
    BYTE charset;
};

// Everything the shell needs to make one control; one row per ControlId, in its order.
struct ControlEntry {
    ControlId id;
    const wchar_t* class_name;
    DWORD style;
    DWORD ex_style;
    int left, top, width, height;  // relative to the main window's client area
    const wchar_t* caption;
    FontChoice font;
    bool tab_stop;
    bool visible;
};

extern const std::array<ControlEntry, kControlCount> kControlTable;

struct ColumnEntry {
    const wchar_t* caption;
    int width;
    int format;
};

// The record list's columns at creation.
extern const std::array<ColumnEntry, 2> kListColumns;

inline constexpr const wchar_t* kFormClass = L"Tarvello.MainForm";
inline constexpr const wchar_t* kPictureClass = L"Tarvello.Icon";
inline constexpr const wchar_t* kFormCaption = L"Tarvello build 2011/04/26";
inline constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr int kFormWidth = 600;
inline constexpr int kFormHeight = 435;
inline constexpr int kStatusPartWidth = 592;
inline constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
inline constexpr const wchar_t* kFontFace = L"宋体";

// The dialog-control identifier of a control.
inline int control_identifier(ControlId id) { return kFirstControlId + static_cast<int>(index_of(id)); }
