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
    Count,  // not a text: the number of them
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

}  // namespace snapwright
