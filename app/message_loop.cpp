#include "app/message_loop.h"

void process_message(MSG& message) {
    // The dialog keys belong to the top-level window the message is for.
    const HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (top && IsDialogMessageW(top, &message)) return;
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

int run_message_loop() {
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) process_message(message);
    return static_cast<int>(message.wParam);
}

bool process_pending_messages() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        process_message(message);
    }
    return true;
}
