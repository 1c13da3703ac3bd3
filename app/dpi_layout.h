#pragma once
#include <windows.h>

struct Shell;

// The control table is the layout at 96 DPI. At another DPI every rectangle, the window's
// size, the fonts, the rows' height, the columns and the status bar's part are that layout
// scaled by DPI/96; at 96 DPI every pixel stays as the table says.
int scaled(int pixels, UINT dpi);

// Lays the window out for dpi: at creation, and again when it moves to a monitor of
// another DPI (suggested is then the rectangle Windows proposes; null keeps the place).
void apply_dpi(Shell& shell, UINT dpi, const RECT* suggested);

// The record list's columns for the reference file's presence, at the shell's DPI.
void size_list_columns(Shell& shell);
