#pragma once
#include <windows.h>

// The hint line's owner drawing: red text (255, 0, 0) over a white copy one pixel to the
// right and one down, single line, left-aligned, vertically centred, on the button face.
void paint_hint_label(const DRAWITEMSTRUCT& item, HFONT font);
