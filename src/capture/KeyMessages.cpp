#include "capture/KeyMessages.h"

#include <initializer_list>
#include <utility>

#include "lang/LanguageTable.h"

namespace snapwright {

namespace {

constexpr const char* kParagraph = "\r\n\r\n";

// The language's text with its named places ("{key}") filled in.
std::string Filled(TextId id, int language, std::initializer_list<std::pair<std::string_view, std::string>> values) {
    std::string text = Languages().Text(id, language);
    for (const auto& [name, value] : values) {
        const std::string place = "{" + std::string(name) + "}";
        for (std::size_t at = text.find(place); at != std::string::npos; at = text.find(place, at + value.size())) {
            text.replace(at, place.size(), value);
        }
    }
    return text;
}

std::string KeyList(const std::vector<KeyCombination>& keys) {
    std::string list;
    for (const KeyCombination& key : keys) list += (list.empty() ? "" : ", ") + KeyText(key);
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
                           ? Filled(TextId::KeyTakenMessage, language, {{"key", KeyText(taken.keys.front())}})
                           : Filled(TextId::KeysTakenMessage, language, {{"keys", KeyList(taken.keys)}});
    if (taken.windowsCaptureHoldsPrintScreen) text += kParagraph + Filled(TextId::WindowsCaptureHoldsPrintScreen, language, {});
    if (when == KeysTakenWhen::AtStart) {
        const LanguageTable& lang = Languages();
        text += kParagraph + Filled(TextId::RunsWithoutKeysMessage, language, {}) + " " +
                Filled(TextId::WhereToChooseKeysMessage, language,
                       {{"options", lang.Text(TextId::OptionsMenuItem, language)},
                        {"keys", ButtonNameInText(lang.Text(TextId::KeysButton, language))}});
    }
    if (taken.askToSwitchOffWindowsCapture) {
        text += kParagraph + Filled(TextId::SwitchOffWindowsCaptureQuestion, language, {});
    } else if (when == KeysTakenWhen::InKeysDialog) {
        text += kParagraph + Filled(TextId::ChooseAnotherKeyMessage, language, {});
    }
    return text;
}

std::string SharedKeyMessage(KeyCombination keys, std::size_t firstRow, std::size_t secondRow, int language) {
    const LanguageTable& lang = Languages();
    return Filled(TextId::SharedKeyMessage, language,
                  {{"key", KeyText(keys)},
                   {"first", lang.Text(kHotkeyTable.at(firstRow).action, language)},
                   {"second", lang.Text(kHotkeyTable.at(secondRow).action, language)}});
}

std::string WindowsCaptureNotSwitchedOffMessage(int language) {
    return Filled(TextId::WindowsCaptureNotSwitchedOff, language, {});
}

}  // namespace snapwright
