#pragma once
#include <cstddef>

namespace snapwright {

// The number of user-interface languages; the Language setting is an index below it.
inline constexpr int kLanguageCount = 17;

// The texts that every language has. A new text is a name here, a line in every row of
// LanguageTable.cpp (the build fails while a row lacks it) and a line in the list of the window
// that shows it.
enum class TextId {
    OkButton,
    CancelButton,
    SaveButton,
    DefaultsButton,
    UpdateButton,
    AboutCaption,
    AboutCopyright,
    AboutDisclaimer,
    AskApplicationCaption,
    AskApplicationFrame,
    NotRunningCaption,   // followed by a blank and the program's name
    NotRunningQuestion,  // follows the program's name and a blank
    OptionsCaption,
    PrintFrame,
    DefaultPrinterOption,
    ChoosePrinterOption,
    SaveFrame,
    SaveToProgramFolderOption,
    AskForFileOption,
    SendFrame,
    SendToOfficeOption,  // stands before the program's icon
    AskAtSendOption,
    PrintFormatFrame,
    HeaderFooterFrame,
    PrintTimestampBox,
    PrintUserNameBox,
    PrintComputerNameBox,
    PrintFooterBox,
    LanguageFrame,
    SelectLanguageLabel,
    SaveAsCaption,
    FileFormatFrame,
    ThumbnailBox,
    AboutMenuItem,
    OptionsMenuItem,
    CloseMenuItem,
    ExitMenuItem,
    ScreenMenuItem,
    WindowMenuItem,
    RegionMenuItem,
    EditorMenuItem,
    // What each system-wide key does, as the keys dialog names its rows.
    PrintScreenAction,
    PrintWindowAction,
    SaveScreenAction,
    SaveWindowAction,
    SendScreenAction,
    SendWindowAction,
    RegionAction,
    KeysCaption,
    KeysIntroLabel,
    KeysButton,         // in the options dialog
    KeyDefaultsButton,  // in the keys dialog
    // Messages; the names in braces are filled in: {key} a key's text, {keys} several, {options}
    // and {keys} in WhereToChooseKeysMessage the options menu item and the keys button,
    // {first} and {second} two actions.
    KeyTakenMessage,
    KeysTakenMessage,
    WindowsCaptureHoldsPrintScreen,
    RunsWithoutKeysMessage,
    WhereToChooseKeysMessage,
    SwitchOffWindowsCaptureQuestion,
    ChooseAnotherKeyMessage,
    SharedKeyMessage,
    WindowsCaptureNotSwitchedOff,
    AlreadyRunningMessage,
    Count,  // not a text: the number of them
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

}  // namespace snapwright
