#pragma once
#include <string>
#include <vector>

#include "capture/HotkeyTable.h"

namespace snapwright {

// What the user is told when keys are taken by other programs.
struct TakenKeys {
    std::vector<KeyCombination> keys;  // in the table's order
    // Plain Print Screen is among them, held by Windows' own screen capture, and the program asks
    // whether to switch that off.
    bool askToSwitchOffWindowsCapture = false;
    // Plain Print Screen is among them and Windows' own screen capture holds it.
    bool windowsCaptureHoldsPrintScreen = false;
};

// Where the keys were found taken: at start, when the program runs on without them, or when the
// user confirmed the keys dialog, which stays open for another choice.
enum class KeysTakenWhen { AtStart, InKeysDialog };

std::string TakenKeysMessage(const TakenKeys& taken, KeysTakenWhen when, int language);
// Two rows of the keys dialog (indexes into the table) were given one key.
std::string SharedKeyMessage(KeyCombination keys, std::size_t firstRow, std::size_t secondRow, int language);
// Writing Windows' setting failed after the user agreed.
std::string WindowsCaptureNotSwitchedOffMessage(int language);
// A button's caption as a text names it: without its access key and the dots of a button that opens
// a dialog ("&Keys…" reads "Keys").
std::string ButtonNameInText(const std::string& caption);

}  // namespace snapwright
