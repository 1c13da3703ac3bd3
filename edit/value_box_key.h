#pragma once
#include "config/window.h"

// EditBox1's key-down: Down moves to the offset box, Enter writes (by the file's kind).
void on_value_box_key(Context& context, int key);

// Writes the value box's text as a chain at the offset box's offset, then re-lists.
void write_back_value(Context& context);
