#include "platform/win32/FormRegistry.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace snapwright::win32 {

namespace {

struct LiveForm {
    HWND window;
    FormRegistry::KeyHandler onKey;
};

std::vector<LiveForm>& LiveForms() {
    static std::vector<LiveForm> forms;
    return forms;
}

KeyPress KeyOf(WPARAM virtualKey) {
    return {static_cast<int>(virtualKey), ::GetKeyState(VK_CONTROL) < 0, ::GetKeyState(VK_SHIFT) < 0,
            ::GetKeyState(VK_MENU) < 0};
}

}  // namespace

void FormRegistry::Add(HWND window, KeyHandler onKey) {
    Remove(window);
    LiveForms().push_back({window, std::move(onKey)});
}

void FormRegistry::Remove(HWND window) {
    auto& forms = LiveForms();
    forms.erase(std::remove_if(forms.begin(), forms.end(), [window](const LiveForm& form) { return form.window == window; }),
                forms.end());
}

// The handler is copied before it runs: a key may close the form, which leaves the registry.
bool FormRegistry::PreTranslateMessage(MSG& message) {
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    const auto& forms = LiveForms();
    const auto found = std::find_if(forms.begin(), forms.end(), [root](const LiveForm& form) { return form.window == root; });
    if (found == forms.end()) return false;
    if (message.message == WM_KEYDOWN && found->onKey) {
        const KeyHandler onKey = found->onKey;
        if (onKey(KeyOf(message.wParam))) return true;
    }
    return ::IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace snapwright::win32
