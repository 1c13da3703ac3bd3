#pragma once
#include <windows.h>

#include "app/event_table.h"

// Lets the box see Enter past the dialog keys, and turns Enter, Up and Down into the
// box's key event before the box handles the key itself.
void subclass_edit_box(HWND box, Source source);
