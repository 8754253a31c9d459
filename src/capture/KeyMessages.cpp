#include "capture/KeyMessages.h"

#include "lang/LanguageTable.h"
#include "lang/UserText.h"

namespace snapwright {

namespace {

constexpr const char* kParagraph = "\r\n\r\n";

std::string KeyList(const std::vector<KeyCombination>& keys, int language) {
    std::string list;
    for (const KeyCombination& key : keys) list += (list.empty() ? "" : ", ") + ShownKeyText(key, language);
    return list;
}

}  // namespace

std::string ButtonNameInText(const std::string& caption) {
    std::string text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size()) ++i;
        text.push_back(caption[i]);
    }
    for (const std::string_view dots : {"\u2026", "..."}) {
        if (text.ends_with(dots)) text.erase(text.size() - dots.size());
    }
    return text;
}

// One key and several are told apart by whole sentences, which every language words its own way.
std::string TakenKeysMessage(const TakenKeys& taken, KeysTakenWhen when, int language) {
    std::string text = taken.keys.size() == 1
                           ? UserText(TextId::KeyTakenMessage, language, {{"key", ShownKeyText(taken.keys.front(), language)}})
                           : UserText(TextId::KeysTakenMessage, language, {{"keys", KeyList(taken.keys, language)}});
    if (taken.windowsCaptureHoldsPrintScreen) {
        text += kParagraph + UserText(TextId::WindowsCaptureHoldsPrintScreen, language);
    }
    if (when == KeysTakenWhen::AtStart) {
        const LanguageTable& lang = Languages();
        text += kParagraph + UserText(TextId::RunsWithoutKeysMessage, language) + " " +
                UserText(TextId::WhereToChooseKeysMessage, language,
                         {{"options", lang.Text(TextId::OptionsMenuItem, language)},
                          {"keys", ButtonNameInText(lang.Text(TextId::KeysButton, language))}});
    }
    if (taken.askToSwitchOffWindowsCapture) {
        text += kParagraph + UserText(TextId::SwitchOffWindowsCaptureQuestion, language);
    } else if (when == KeysTakenWhen::InKeysDialog) {
        text += kParagraph + UserText(TextId::ChooseAnotherKeyMessage, language);
    }
    return text;
}

std::string SharedKeyMessage(KeyCombination keys, std::size_t firstRow, std::size_t secondRow, int language) {
    const LanguageTable& lang = Languages();
    return UserText(TextId::SharedKeyMessage, language,
                    {{"key", ShownKeyText(keys, language)},
                     {"first", lang.Text(kHotkeyTable.at(firstRow).action, language)},
                     {"second", lang.Text(kHotkeyTable.at(secondRow).action, language)}});
}

std::string WindowsCaptureNotSwitchedOffMessage(int language) {
    return UserText(TextId::WindowsCaptureNotSwitchedOff, language);
}

}  // namespace snapwright
