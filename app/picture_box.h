#pragma once
#include <windows.h>
#include <ole2.h>
#include <olectl.h>

// The icon's window class: the program's picture, the hand pointer, the icon click.
void register_picture_class(HINSTANCE instance);

// The JPEG carried as a resource of the program; null when the module has none.
IPicture* load_program_picture(HINSTANCE instance);

// The picture's size in pixels at the window's DPI: it grows with the layout.
SIZE picture_size(IPicture* picture, UINT dpi);

// Where the picture goes in a box: centred, shrunk proportionally only if it is larger.
RECT picture_place(SIZE picture, const RECT& box);
