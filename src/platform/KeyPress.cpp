#include "platform/KeyPress.h"

namespace snapwright {

std::string KeyName(const KeyPress& key) {
    std::string name;
    switch (key.code) {
        case 0: return name;
        case kKeyTab: name = "Tab"; break;
        case kKeyReturn: name = "Enter"; break;
        case kKeyEscape: name = "Escape"; break;
        default:
            if ((key.code >= 'A' && key.code <= 'Z') || (key.code >= '0' && key.code <= '9')) {
                name = std::string(1, static_cast<char>(key.code));
            } else {
                name = "Key " + std::to_string(key.code);
            }
            break;
    }
    if (key.shift) name = "Shift+" + name;
    if (key.alt) name = "Alt+" + name;
    if (key.ctrl) name = "Ctrl+" + name;
    return name;
}

}  // namespace snapwright
