#include "platform/win32/MessageLoop.h"

#include "platform/win32/FormRegistry.h"

namespace snapwright::win32 {

namespace {

void Handle(MSG& message) {
    if (FormRegistry::PreTranslateMessage(message)) return;
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
}

}  // namespace

int RunMessageLoop() {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) Handle(message);
    return static_cast<int>(message.wParam);
}

// Hotkeys and the messages of every other window still arrive meanwhile: the loop is the thread's.
bool RunModalLoop(const std::function<bool()>& finished) {
    MSG message{};
    while (!finished()) {
        if (::GetMessageW(&message, nullptr, 0, 0) <= 0) {
            ::PostQuitMessage(static_cast<int>(message.wParam));
            return false;
        }
        Handle(message);
    }
    return true;
}

void PumpMessagesFor(unsigned milliseconds) {
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    for (ULONGLONG now = ::GetTickCount64(); now < end; now = ::GetTickCount64()) {
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(message.wParam));
                return;
            }
            Handle(message);
        }
    }
}

}  // namespace snapwright::win32
