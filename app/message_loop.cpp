#include "app/message_loop.h"

#include "app/program.h"

void process_message(MSG& message) {
    const HWND form = program().form;
    if (form && IsDialogMessageA(form, &message)) return;
    TranslateMessage(&message);
    DispatchMessageA(&message);
}

int run_message_loop() {
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) process_message(message);
    return static_cast<int>(message.wParam);
}

bool process_pending_messages() {
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        process_message(message);
    }
    return true;
}
