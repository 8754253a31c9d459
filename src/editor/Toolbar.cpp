#include "editor/Toolbar.h"

namespace snapwright {

std::string ToolbarButton::Name(int language) const {
    return name == kNoText ? ownName : UserText(name, language);
}

// Keyboards label Ctrl in their language ("Strg" on German ones); the letters and the other keys
// of the editor's shortcuts read alike everywhere.
std::string ToolbarButton::Tooltip(int language) const {
    const std::string text = UserText(tip, language);
    if (!key.code) return text;
    KeyPress rest = key;
    rest.ctrl = false;
    const std::string shortcut = (key.ctrl ? UserText(TextId::EditorCtrlKey, language) + "+" : "") + KeyName(rest);
    return text + " (" + shortcut + ")";
}

}  // namespace snapwright
