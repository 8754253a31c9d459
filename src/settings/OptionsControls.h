#pragma once

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
};

}  // namespace snapwright
