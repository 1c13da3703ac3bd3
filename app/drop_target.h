#pragma once
#include <windows.h>
#include <ole2.h>
#include <shellapi.h>

#include <string>

struct Shell;

// The drop target on the icon's window. False when OLE refuses the registration.
bool register_drop_target(Shell& shell);

// The files of a drop as one UTF-8 text: a single path as it is; several paths each
// followed by CR LF, the last one too.
std::string dropped_paths_text(HDROP drop);
