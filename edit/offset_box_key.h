#pragma once
#include "config/window.h"

// EditBox2's key-down: Up moves to the value box, Enter decodes at the typed offset.
void on_offset_box_key(Context& context, int key);

void go_to_offset(Context& context);
