#pragma once
#include "lang/ControlTexts.h"

namespace snapwright {

// The controls of the options dialog (OptionsDialog), frame by frame.
enum class OptionsControl {
    CaptionLabel,
    // frame "Print"
    PrintFrame,
    DefaultPrinter,
    ChoosePrinter,
    // frame "Save"
    SaveFrame,
    SaveToProgramFolder,
    AskForFile,
    // frame "Send To Application"
    SendFrame,
    SendToWordProcessor,
    SendToSpreadsheet,
    SendToPresentation,
    AskAtSend,
    SendToEditor,
    OfficeSuiteList,
    WordIcon,
    ExcelIcon,
    PowerPointIcon,
    WriterIcon,
    CalcIcon,
    ImpressIcon,
    // frame "Print format"
    PrintFormatFrame,
    PortraitOneShot,
    PortraitOneShotPicture,
    PortraitTwoShots,
    PortraitTwoShotsPicture,
    LandscapeOneShot,
    LandscapeOneShotPicture,
    // frame "Timestamp and Page Footer"
    HeaderFooterFrame,
    TimestampBox,
    UserNameBox,
    ComputerNameBox,
    FooterBox,
    // frame "Language of UI"
    LanguageFrame,
    LanguageLabel,
    LanguageList,
    // footer
    HelpButton,
    KeysButton,
    DefaultsButton,
    CancelButton,
    SaveButton,
    Count,  // not a control: the number of them
};

// The language text of each control (ControlTexts.h).
inline constexpr ControlText kOptionsTexts[] = {
    {OptionsControl::CaptionLabel, TextId::OptionsCaption},
    {OptionsControl::PrintFrame, TextId::PrintFrame},
    {OptionsControl::DefaultPrinter, TextId::DefaultPrinterOption},
    {OptionsControl::ChoosePrinter, TextId::ChoosePrinterOption},
    {OptionsControl::SaveFrame, TextId::SaveFrame},
    {OptionsControl::SaveToProgramFolder, TextId::SaveToProgramFolderOption},
    {OptionsControl::AskForFile, TextId::AskForFileOption},
    {OptionsControl::SendFrame, TextId::SendFrame},
    {OptionsControl::SendToWordProcessor, TextId::SendToOfficeOption},  // the program's icon beside it
    {OptionsControl::SendToSpreadsheet, TextId::SendToOfficeOption},  // the program's icon beside it
    {OptionsControl::SendToPresentation, TextId::SendToOfficeOption},  // the program's icon beside it
    {OptionsControl::AskAtSend, TextId::AskAtSendOption},
    {OptionsControl::SendToEditor, TextId::SendToEditorOption},
    {OptionsControl::OfficeSuiteList, kNoText},  // the suites' names
    {OptionsControl::WordIcon, kNoText},  // a picture
    {OptionsControl::ExcelIcon, kNoText},  // a picture
    {OptionsControl::PowerPointIcon, kNoText},  // a picture
    {OptionsControl::WriterIcon, kNoText},  // a picture
    {OptionsControl::CalcIcon, kNoText},  // a picture
    {OptionsControl::ImpressIcon, kNoText},  // a picture
    {OptionsControl::PrintFormatFrame, TextId::PrintFormatFrame},
    {OptionsControl::PortraitOneShot, kNoText},  // an option button without text below its picture
    {OptionsControl::PortraitOneShotPicture, kNoText},  // a picture
    {OptionsControl::PortraitTwoShots, kNoText},  // an option button without text below its picture
    {OptionsControl::PortraitTwoShotsPicture, kNoText},  // a picture
    {OptionsControl::LandscapeOneShot, kNoText},  // an option button without text below its picture
    {OptionsControl::LandscapeOneShotPicture, kNoText},  // a picture
    {OptionsControl::HeaderFooterFrame, TextId::HeaderFooterFrame},
    {OptionsControl::TimestampBox, TextId::PrintTimestampBox},
    {OptionsControl::UserNameBox, TextId::PrintUserNameBox},
    {OptionsControl::ComputerNameBox, TextId::PrintComputerNameBox},
    {OptionsControl::FooterBox, TextId::PrintFooterBox},
    {OptionsControl::LanguageFrame, TextId::LanguageFrame},
    {OptionsControl::LanguageLabel, TextId::SelectLanguageLabel},
    {OptionsControl::LanguageList, kNoText},  // each language's own name
    {OptionsControl::HelpButton, kNoText},  // "?" in every language
    {OptionsControl::KeysButton, TextId::KeysButton},
    {OptionsControl::DefaultsButton, TextId::DefaultsButton},
    {OptionsControl::CancelButton, TextId::CancelButton},
    {OptionsControl::SaveButton, TextId::SaveButton},
};
static_assert(ListsEveryControl<OptionsControl, kOptionsTexts>());

}  // namespace snapwright
