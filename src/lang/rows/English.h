#pragma once
#include "lang/LanguageRow.h"

// English, language 0: the program's own words. Every other row has its texts and their
// placeholders, and an access key where it has one.
namespace snapwright::language_rows {

inline constexpr LanguageRow kEnglish = Row("English", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Cancel"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "About Snapwright™"},
    {AboutCopyright, "Copyright © 2002 the Snapwright authors. All rights reserved."},
    {AboutDisclaimer, "This program is protected by German and international copyright law."},
    {UpdateButton, "&Update ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Send Screenshot to ..."},
    {AskApplicationFrame, "Choose Application"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Send Screenshot to {program}"},
    {NotRunningQuestion, "{program} is not running. Start it now?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Options"},
    {PrintFrame, "Print"},
    {DefaultPrinterOption, "print to default printer"},
    {ChoosePrinterOption, "show printer selection"},
    {SaveFrame, "Save"},
    {SaveToProgramFolderOption, "always save to installation directory using default filename"},
    {AskForFileOption, "always ask for destination directory and filename"},
    {SendFrame, "Send to Application"},
    {SendToOfficeOption, "send screenshot to"},
    {AskAtSendOption, "ask for destination program"},
    {PrintFormatFrame, "Print format"},
    {HeaderFooterFrame, "Timestamp and Page Footer"},
    {PrintTimestampBox, "print timestamp"},
    {PrintUserNameBox, "Username"},
    {PrintComputerNameBox, "Computer name"},
    {PrintFooterBox, "print footer ad"},
    {LanguageFrame, "Language"},
    {SelectLanguageLabel, "choose language"},
    {DefaultsButton, "&Default Settings"},
    {SaveButton, "&Save"},
    {KeysButton, "&Keys…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Save Screenshot As ..."},
    {FileFormatFrame, "choose file format"},
    {ThumbnailBox, "create thumbnail"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Information"},
    {OptionsMenuItem, "Options"},
    {CloseMenuItem, "Leave Menu"},
    {ExitMenuItem, "Exit"},
    {ScreenMenuItem, "Screen"},
    {WindowMenuItem, "Window in front"},
    {RegionMenuItem, "Region"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright is already running: its icon is in the notification area."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Save changes to this file?"},
    {EditorQuitCaption, "Quit program"},
    {EditorDiscardQuestion, "Really discard this file?"},
    {EditorNewFileCaption, "New file"},
    {EditorOpenFileCaption, "Open file"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Print the screen"},
    {PrintWindowAction, "Print the window in front"},
    {SaveScreenAction, "Save the screen"},
    {SaveWindowAction, "Save the window in front"},
    {SendScreenAction, "Send the screen"},
    {SendWindowAction, "Send the window in front"},
    {RegionAction, "Draw a region for the editor"},
    {KeysCaption, "Keys"},
    {KeysIntroLabel, "Click a field and press the keys. Keys that type or move in a text need Ctrl or Alt. Clear a box to switch its action off."},
    {KeyDefaultsButton, "&Defaults"},
    {KeyTakenMessage, "{key} is already used by another program."},
    {KeysTakenMessage, "These keys are already used by other programs: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windows’ own screen capture holds the Print Screen key (Settings › Accessibility › Keyboard › “Use the Print screen key to open screen capture”)."},
    {RunsWithoutKeysMessage, "Snapwright runs all the same, and its tray icon’s menu takes screenshots too."},
    {WhereToChooseKeysMessage, "Other keys can be chosen in that menu under {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Switch Windows’ Print Screen capture off for this user now?"},
    {ChooseAnotherKeyMessage, "Choose another key, or switch the action off."},
    {SharedKeyMessage, "{key} is chosen twice: for “{first}” and for “{second}”. Choose another key for one of them."},
    {WindowsCaptureNotSwitchedOff, "Windows’ Print Screen capture could not be switched off. Switch it off in Settings › Accessibility › Keyboard."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Scrolling window"},
    {ScrollingUnreadableMessage, "Snapwright could not take the screenshot: there is no window in front, or it could not be read."},
    {ScrollingNoteHeading, "Scrolling… Esc stops"},
    {ScrollingNoteCount, "{pixels} pixels taken"},
    {ScrollingDoesNotScrollMessage, "The window does not scroll: the picture shows it as it is."},
    {ScrollingHeightLimitMessage, "The height limit was reached: the picture ends at {pixels} pixels."},
    {ScrollingWindowLostMessage, "The window closed or moved while it was being scrolled: the picture holds what was taken until then."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright could not open\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "The file is not a picture in a format Snapwright reads (BMP, JPEG, PNG, MNG, TIFF), or it cannot be read."},
    {DamagedPictureReason, "The picture in the file could not be read; the file may be damaged."},
    {PictureWithoutSizeReason, "The file gives its picture no size; the file may be damaged."},
    {PictureTooLargeReason, "The picture is {size} pixels. Snapwright opens pictures of up to {limit} pixels a side."},
    {PictureNeedsTooMuchMemoryReason, "The picture is {size} pixels and needs about {megabytes} MB of memory to open, more than Snapwright can get now."},
    {NoMemoryForPictureReason, "There is not enough memory to show a picture of this size."},
    {UnsupportedPictureReason, "Snapwright cannot show the kind of picture in the file (its colours are not stored as whole numbers, for example)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
