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
    {AboutWindowTitle, "About Snapwright"},
    {AboutVersionLabel, "Version {version}"},
    {CreditsButton, "Credits..."},
    {CreditsCaption, "Credits"},
    {CreditsAuthors, "Snapwright™ by the Snapwright authors, 2002-2006"},
    {CreditsLibrary, "Image files are read and written with the FreeImage library, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Translations:\r\nGreek: the Snapwright translator for Greek, 2005\r\nCzech: the Snapwright translator for Czech, 2005\r\nSpanish: the Snapwright translator for Spanish, 2006\r\nFrench: the Snapwright translator for French, 2006\r\nGerman and English: the Snapwright authors, 2002-2006\r\nOther languages: the Snapwright authors, with a machine-translation tool"},
    {CreditsThanks, "Many thanks to cppreference.com, winehq.org, learn.microsoft.com and the MSDN Library,\r\nand to all the other programming web sites."},

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
    {OptionsWindowTitle, "Options for Snapwright"},
    {SendToEditorOption, "Snapwright™ Editor"},
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
    {StartOptionsHint, "To configure Snapwright™, right-click the taskbar icon and select \"{item}\"."},
    {ShowAtStartupBox, "Show this screen at startup"},
    {AlreadyRunningMessage, "Snapwright is already running: its icon is in the notification area."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Save changes to this file?"},
    {EditorQuitCaption, "Quit program"},
    {EditorDiscardQuestion, "Really discard this file?"},
    {EditorNewFileCaption, "New file"},
    {EditorOpenFileCaption, "Open file"},
    {EditorNewButton, "New"},
    {EditorNewTip, "New: start with an empty picture"},
    {EditorRegionButton, "Region"},
    {EditorRegionTip, "Region: take a region of the screen as a new picture"},
    {EditorOpenButton, "Open"},
    {EditorOpenTip, "Open an image file"},
    {EditorSaveButton, "Save"},
    {EditorSaveTip, "Save the picture"},
    {EditorPrintButton, "Print"},
    {EditorPrintTip, "Print the picture"},
    {EditorCopyButton, "Copy"},
    {EditorCopyTip, "Copy the picture to the clipboard"},
    {EditorSendTip, "Send the picture to {program}"},
    {EditorUndoButton, "Undo"},
    {EditorUndoTip, "Undo the last change"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: drag over a region or click two corners, then click where its enlargement goes"},
    {EditorCropButton, "Crop"},
    {EditorCropTip, "Crop: click where the nearest corner of the picture should move to"},
    {EditorFrameButton, "Frame"},
    {EditorFrameTip, "Frame: drag from corner to corner, or click two opposite corners"},
    {EditorEllipseButton, "Ellipse"},
    {EditorEllipseTip, "Ellipse: drag from corner to corner, or click two opposite corners"},
    {EditorTextButton, "Text"},
    {EditorTextTip, "Text: click or drag a box and type; Enter puts it in, Shift+Enter starts a line, Escape drops it"},
    {EditorArrowButton, "Arrow"},
    {EditorArrowTip, "Arrow: drag from its tail to its head"},
    {EditorHighlightButton, "Highlight"},
    {EditorHighlightTip, "Highlighter: drag over what should stand out"},
    {EditorRedactButton, "Redact"},
    {EditorRedactTip, "Redact: drag over what nobody may read; hold Shift when letting go to fill it solid"},
    {EditorStrengthLabel, "Border:"},
    {EditorStrengthTip, "Line strength of frames, ellipses and arrows; block size of redactions"},
    {EditorTextSizeLabel, "Size:"},
    {EditorTextSizeTip, "Height of the text"},
    {EditorColourButton, "Colour"},
    {EditorColourTip, "Colour of frames, ellipses, text, arrows and highlights"},
    {EditorHelpButton, "Help"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Open Screenshot file"},
    {EditorNothingToHandOnMessage, "There is no picture in the editor to hand on."},
    {EditorPageWaitsMessage, "The page holds two screenshots: this picture is the first, and the page waits for the second.\r\n\r\nPress Print again, or take a screenshot with Print Screen, and the page is printed."},
    {EditorCopyFailedMessage, "Snapwright could not put the picture on the clipboard."},
    {EditorNoMemoryMessage, "Snapwright could not change the picture: the system has too little memory left."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright region"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright could not print the screenshot: no printer is installed. The last screenshot is still on the clipboard."},
    {PrintPrinterUnusableMessage, "Snapwright could not print the screenshot: the printer \"{printer}\" cannot be used. Check that it is installed and ready, or choose another printer. The last screenshot is still on the clipboard."},
    {PrintFailedMessage, "Snapwright could not print the screenshot on the printer \"{printer}\". The last screenshot is still on the clipboard."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright could not send the screenshot to {program}: {reason}\r\n\r\nThe screenshot is on the clipboard: you can paste it into {program} yourself."},
    {SendClipboardFailedMessage, "Snapwright could not put the picture on the clipboard, so it cannot send it to {program}."},
    {AutomationNotInstalledReason, "it is not installed, or its automation class \"{member}\" is not registered"},
    {AutomationUnreachableReason, "its running instance could not be reached"},
    {AutomationNotStartedReason, "it could not be started"},
    {AutomationUnknownMemberReason, "it does not know \"{member}\""},
    {AutomationBusyReason, "it does not answer (it may be busy, for example with a dialog of its own)"},
    {AutomationClosedReason, "it was closed or stopped answering"},
    {AutomationRefusedReason, "it refused \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "there was not enough memory for the call"},
    {AutomationNoObjectReason, "it did not provide its \"{member}\" object"},
    {AutomationNotScriptableReason, "its automation class \"{member}\" cannot be driven by name"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "The help file could not be found. Snapwright expects it here:\n{file}"},
    {StartFailedMessage, "Snapwright could not start because of an internal error."},

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
