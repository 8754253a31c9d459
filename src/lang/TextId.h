#pragma once
#include <cstddef>

namespace snapwright {

// The number of user-interface languages; the Language setting is an index below it.
inline constexpr int kLanguageCount = 17;

// The texts that every language has: every word a user reads, apart from the program's name, the
// editor's caption, file-format names and the command line's options and --help text.
//
// Adding a text:
//  1. A name here, in the group of the window or feature that shows it (a group of your own for a
//     new window or feature, before Count). Names say what the text is: KeysCaption, SaveFailedMessage.
//  2. One line {Name, "text"} in each of the 17 files in lang/rows/, in the same group there; the
//     order inside a file does not matter. The build fails while a file lacks the text, names it
//     twice, or leaves out or adds a placeholder that the English text has.
//  3. Where it is shown: a control's text goes in its window's list beside the control enum
//     (ControlTexts.h tells how; ApplyLanguage puts it on the window); any other text is made by
//     UserText(id, settings.Language, {{"file", path}}), or returned as a Message by code that has
//     no language at hand (UserText.h).
//
// Placeholders: a variable part is "{name}" inside the one text ("The picture is {size} pixels."),
// never pieces glued together, so that each language orders its own sentence. Every row has the
// placeholders of its English text. Numbers and sizes are filled in by the program as digits.
//
// Access keys: "&" before a letter marks a control's access key, "&&" is a literal ampersand. A
// text has at most one; a text has one in every language when its English text has one. Within one
// window (its list in ControlTexts, the tray menu's items) the access letters differ in every
// language, and each is a letter its language's keyboard types without a dead key. Messages and
// window captions carry none.
//
// Languages: each row writes its language's own letters (Czech "ř", Romanian "ș" with a comma
// below, Greek in Greek letters), the terms Windows itself uses in that language (Save, Print,
// Copy, Undo...), and no English sentence; a term that is the same in a language ("OK") is in the
// reviewed list of LanguageTableTest. The Greek row is written in Greek letters, in a face that has
// them on every system ("Arial"; Wine serves it as Liberation Sans), at the larger size (11) the
// row has always had: keep Greek texts short enough for the controls at that size.
enum class TextId {
    // -- Buttons that several windows share --
    OkButton,
    CancelButton,

    // -- About box (ui/AboutControls.h) --
    AboutCaption,
    AboutCopyright,
    AboutDisclaimer,
    UpdateButton,
    AboutWindowTitle,  // the window's own title, which the taskbar and Alt+Tab show
    AboutVersionLabel,
    CreditsButton,
    CreditsCaption,
    CreditsAuthors,  // the credits box's lines
    CreditsLibrary,
    CreditsTranslators,
    CreditsThanks,

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    AskApplicationCaption,
    AskApplicationFrame,

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    NotRunningCaption,
    NotRunningQuestion,

    // -- Options dialog (settings/OptionsControls.h) --
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
    DefaultsButton,
    SaveButton,
    OptionsWindowTitle,  // the window's own title, which the taskbar and Alt+Tab show
    SendToEditorOption,
    KeysButton,

    // -- Save dialog (save/SaveAsControls.h) --
    SaveAsCaption,
    FileFormatFrame,
    ThumbnailBox,

    // -- Tray menu (capture/TrayProgram.h) --
    AboutMenuItem,
    OptionsMenuItem,
    CloseMenuItem,
    ExitMenuItem,
    ScreenMenuItem,
    WindowMenuItem,
    RegionMenuItem,
    EditorMenuItem,

    // -- Start window --
    StartOptionsHint,  // {item}: the tray menu's options item
    ShowAtStartupBox,
    AlreadyRunningMessage,  // a second start of the tray program

    // -- Editor --
    EditorSaveChangesQuestion,
    EditorQuitCaption,
    EditorDiscardQuestion,
    EditorNewFileCaption,
    EditorOpenFileCaption,
    // the toolbar's buttons: their names, which screen readers and automation read, and their tooltips
    EditorNewButton,
    EditorNewTip,
    EditorRegionButton,
    EditorRegionTip,
    EditorOpenButton,
    EditorOpenTip,
    EditorSaveButton,
    EditorSaveTip,
    EditorPrintButton,
    EditorPrintTip,
    EditorCopyButton,
    EditorCopyTip,
    EditorSendTip,  // {program}: the office program's name
    EditorUndoButton,
    EditorUndoTip,
    EditorZoomButton,
    EditorZoomTip,
    EditorCropButton,
    EditorCropTip,
    EditorFrameButton,
    EditorFrameTip,
    EditorEllipseButton,
    EditorEllipseTip,
    EditorTextButton,
    EditorTextTip,
    EditorArrowButton,
    EditorArrowTip,
    EditorHighlightButton,
    EditorHighlightTip,
    EditorRedactButton,
    EditorRedactTip,
    EditorStepButton,
    EditorStepTip,
    // the strength and text-size lists, the colour and help buttons (editor/EditorControls.h)
    EditorStrengthLabel,
    EditorStrengthTip,
    EditorTextSizeLabel,
    EditorTextSizeTip,
    EditorColourButton,
    EditorColourTip,
    EditorHelpButton,  // its tooltip too
    EditorCtrlKey,  // the Ctrl key in the tooltips' shortcuts, as the language's keyboards label it
    // questions and notices
    EditorOpenDialogTitle,
    EditorNothingToHandOnMessage,
    EditorPageWaitsMessage,
    EditorCopyFailedMessage,
    EditorNoMemoryMessage,

    // -- Editor: marks --

    // -- Region overlay --
    RegionOverlayCaption,  // the window's name, which screen readers read
    RegionSizeLabel,
    RegionPointerLabel,

    // -- Printing (print/Hardcopy.h) --
    PrintNoPrinterMessage,
    PrintPrinterUnusableMessage,  // {printer}: the printer's name
    PrintFailedMessage,

    // -- Sending to an office program (apps/OfficeSender.h) --
    SendFailedMessage,  // {reason}: one of the reasons below, its sentence ended
    SendClipboardFailedMessage,
    // why the office program did not take the screenshot, after a colon; {member}: a name it is driven by
    AutomationNotInstalledReason,
    AutomationUnreachableReason,
    AutomationNotStartedReason,
    AutomationUnknownMemberReason,
    AutomationBusyReason,
    AutomationClosedReason,
    AutomationRefusedReason,  // {reason}: the system's or the program's own words
    AutomationNoMemoryReason,
    AutomationNoObjectReason,
    AutomationNotScriptableReason,

    // -- The help file (ui/HelpFile.h) and the program's start --
    HelpFileMissingMessage,
    StartFailedMessage,

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    PrintScreenAction,  // what each key does, as the keys dialog names its rows
    PrintWindowAction,
    SaveScreenAction,
    SaveWindowAction,
    SendScreenAction,
    SendWindowAction,
    RegionAction,
    KeysCaption,
    KeysWindowTitle,  // the window's own title, which the taskbar and Alt+Tab show
    KeysIntroLabel,
    KeyDefaultsButton,
    KeyTakenMessage,
    KeysTakenMessage,
    WindowsCaptureHoldsPrintScreen,
    RunsWithoutKeysMessage,
    WhereToChooseKeysMessage,  // {options}: the tray menu's item, {keys}: the options' button
    SwitchOffWindowsCaptureQuestion,
    ChooseAnotherKeyMessage,
    SharedKeyMessage,
    WindowsCaptureNotSwitchedOff,
    HotkeyHookFailedMessage,
    ShotUnreadableMessage,

    // -- Scrolling capture (capture/ScrollCapture.h) --
    ScrollingWindowMenuItem,  // in the tray menu (capture/TrayProgram.h)
    ScrollingUnreadableMessage,
    ScrollingNoteHeading,
    ScrollingNoteCount,
    ScrollingDoesNotScrollMessage,
    ScrollingHeightLimitMessage,
    ScrollingWindowLostMessage,
    ScrollingCoveredMessage,

    // -- Opening a picture file (save/ImageLoad.h) --
    OpenFailedMessage,
    NotAPictureFileReason,
    DamagedPictureReason,
    PictureWithoutSizeReason,
    PictureTooLargeReason,
    PictureNeedsTooMuchMemoryReason,
    NoMemoryForPictureReason,
    UnsupportedPictureReason,

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    SaveFailedMessage,      // {file}, {reason}: one of the reasons below
    FolderFailedMessage,    // {folder}, {reason}
    SaveRefusedMessage,     // {file}, {reason}: the save dialog stays open for another name
    ReplaceFileQuestion,    // {file}
    ReplaceFilesQuestion,   // {files}: one path a line
    SaveDialogTitle,        // of the system's file dialog that the save dialog's "..." opens
    NoScreenshotToSaveMessage,
    SystemReason,           // {reason}: the system's own words, as it gives them
    // why no file can be written at a path (save/PathReasons.h)
    NoFileNameReason,
    ForbiddenCharacterReason,    // {character}
    NameTooLongReason,           // {length}, {limit}: numbers of characters
    PathTooLongReason,           // {length}, {limit}
    DeviceNameReason,            // {name}
    DriveMissingReason,          // {drive}: "Q:"
    NetworkFolderMissingReason,  // {folder}: "\\server\share"
    FolderOfThatNameReason,
    FileInTheWayReason,          // {folder}
    FolderMissingReason,         // {folder}
    FolderTakesNoFilesReason,    // {folder}
    BadNameReason,
    // the image library's reasons (save/ImageExport.h)
    NotConvertedReason,
    NotEncodedReason,
    NoThumbnailReason,
    EmptyFileReason,
    NoMemoryToConvertReason,
    PictureUnreadableReason,
    LibraryWriteFailedReason,
    // The command line (cli/): its messages; its options and its --help text stay English
    BadArgumentsMessage,      // {error}: one of the errors below
    UnknownOptionError,       // {option}
    UnexpectedArgumentError,  // {argument}
    OptionTwiceError,         // {option}
    OptionNeedsValueError,    // {option}
    OptionTakesNoValueError,  // {option}
    DelayValueError,          // {value}
    ToValueError,             // {value}
    FileNeedsPathError,
    FormatValueError,         // {value}
    ThumbnailValueError,      // {value}
    OneCaptureError,          // {first}, {second}: two options
    NoCaptureError,
    NeedsFileError,           // {option}
    ScrollNeedsWindowOrRegionError,
    FileWithSaveError,
    FormatMismatchError,      // {format}, {file}
    UnknownFormatError,       // {file}
    FileExistsError,
    ThumbnailExistsError,
    CommandFailedMessage,     // {reason}
    ScreenUnreadableMessage,
    NoWindowInFrontMessage,
    NoRegionHereMessage,
    RegionInUseMessage,
    ClipboardHeldMessage,
    NotHandedOnMessage,
    PageWaitsMessage,
    PageOfTwoAloneMessage,
    TrayProgramSilentMessage,
    TrayProgramEndedMessage,
    // Key names as the user reads them (capture/KeyCombination.h); the settings keep them in English.
    // The Ctrl key is EditorCtrlKey.
    KeyNameAlt,
    KeyNameShift,
    KeyNameWin,
    KeyNamePrintScreen,
    KeyNamePause,
    KeyNameScrollLock,
    KeyNameInsert,
    KeyNameDelete,
    KeyNameHome,
    KeyNameEnd,
    KeyNamePageUp,
    KeyNamePageDown,
    KeyNameLeft,
    KeyNameUp,
    KeyNameRight,
    KeyNameDown,
    KeyNameSpace,
    KeyNameEnter,
    KeyNameBackspace,
    KeyNameTab,
    KeyNameNumPad,  // {digit}: a digit key of the number pad

    Count,  // not a text: the number of them
};

inline constexpr std::size_t kTextCount = static_cast<std::size_t>(TextId::Count);

}  // namespace snapwright
