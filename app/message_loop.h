#pragma once
#include <windows.h>

// What every message taken from the queue goes through, in the main loop and whenever a
// handler lets pending events run: the dialog keys (Tab, Esc, Enter) first, then dispatch.
void process_message(MSG& message);

// Runs until WM_QUIT; returns its exit code.
int run_message_loop();

// Processes what is queued now. A WM_QUIT met here is put back for the main loop;
// returns false when that happened.
bool process_pending_messages();
