#pragma once
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

struct Program;

// DropTarget1 on PicBox1's window. False when OLE refuses the registration.
bool register_drop_target(Program& program);

// The files of a drop as one text: a single path as it is; several paths each followed
// by CR LF, the last one too.
std::string dropped_paths_text(HDROP drop);
