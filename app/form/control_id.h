#pragma once
#include <cstddef>

// The main window's controls, one each, in their order of creation, which is also their
// z-order (topmost first) and the order Tab walks. The shell's control table has one row
// per value, in this order.
enum class ControlId {
    progress_bar,
    status_bar,
    record_list,
    offset_suffix,  // "h" after the offset box
    offset_prefix,  // "0x" before it
    offset_box,
    hint_line,
    value_box,
    icon,
};
inline constexpr std::size_t kControlCount = static_cast<std::size_t>(ControlId::icon) + 1;

inline constexpr std::size_t index_of(ControlId id) { return static_cast<std::size_t>(id); }
