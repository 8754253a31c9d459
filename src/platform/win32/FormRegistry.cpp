#include "platform/win32/FormRegistry.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace snapwright::win32 {

namespace {

struct LiveForm {
    HWND window;
    FormRegistry::MessageFilter filter;
};

std::vector<LiveForm>& LiveForms() {
    static std::vector<LiveForm> forms;
    return forms;
}

}  // namespace

void FormRegistry::Add(HWND window, MessageFilter filter) {
    Remove(window);
    LiveForms().push_back({window, std::move(filter)});
}

void FormRegistry::Remove(HWND window) {
    auto& forms = LiveForms();
    forms.erase(std::remove_if(forms.begin(), forms.end(), [window](const LiveForm& form) { return form.window == window; }),
                forms.end());
}

// The filter is copied before it runs: a key may close the form, which leaves the registry.
bool FormRegistry::PreTranslateMessage(MSG& message) {
    HWND root = message.hwnd ? ::GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!root) return false;
    const auto& forms = LiveForms();
    const auto found = std::find_if(forms.begin(), forms.end(), [root](const LiveForm& form) { return form.window == root; });
    if (found == forms.end()) return false;
    if (const MessageFilter filter = found->filter; filter && filter(message)) return true;
    return ::IsDialogMessageW(root, &message) != FALSE;
}

}  // namespace snapwright::win32
