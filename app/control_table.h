#pragma once
#include <windows.h>

#include <array>
#include <cstddef>

// MainForm's controls in their order of creation, which is also their z-order (topmost
// first) and the order Tab walks.
enum class ControlId { ProcessBar1, StatusBar1, ListView1, Label3, Label2, EditBox2, Label1, EditBox1, PicBox1 };
inline constexpr std::size_t kControlCount = 9;
using ControlHandles = std::array<HWND, kControlCount>;

inline std::size_t index_of(ControlId id) { return static_cast<std::size_t>(id); }

// Character height in pixels (0: the system's default GUI font), weight and character set.
struct FontChoice {
    int height;
    int weight;
    BYTE charset;
};

struct ControlEntry {
    ControlId id;
    const char* name;
    const char* class_name;
    DWORD style;
    DWORD ex_style;
    int left, top, width, height;  // relative to MainForm's client area
    const char* caption;
    FontChoice font;
    bool tab_stop;
    bool visible;
};

extern const std::array<ControlEntry, kControlCount> kControlTable;

struct ColumnEntry {
    const char* caption;
    int width;
    int format;
};

// ListView1's columns at creation.
extern const std::array<ColumnEntry, 2> kListColumns;

inline constexpr const char* kFormClass = "Tarvello.MainForm";
inline constexpr const char* kPictureClass = "Tarvello.PicBox";
inline constexpr const char* kFormCaption = "Tarvello build 2011/04/26";
inline constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
inline constexpr int kFormWidth = 600;
inline constexpr int kFormHeight = 435;
inline constexpr int kStatusPartWidth = 592;
inline constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
inline constexpr const char* kFontFace = "宋体";
