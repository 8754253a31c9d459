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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright could not save the screenshot as\n{file}\n\n{reason}\n\nThe screenshot is still on the clipboard."},
    {FolderFailedMessage, "Snapwright could not make the folder for the screenshot:\n{folder}\n\n{reason}\n\nThe screenshot is still on the clipboard."},
    {SaveRefusedMessage, "Snapwright cannot save the screenshot as\n{file}\n\n{reason}\n\nPlease choose another name."},
    {ReplaceFileQuestion, "{file}\nalready exists.\n\nDo you want to replace it?"},
    {ReplaceFilesQuestion, "These files already exist:\n{files}\n\nDo you want to replace them?"},
    {SaveDialogTitle, "Save screenshot"},
    {NoScreenshotToSaveMessage, "There is no screenshot to save."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "The path names a folder but no file."},
    {ForbiddenCharacterReason, "The name holds a character that Windows does not allow: \"{character}\"."},
    {NameTooLongReason, "The name is too long: it has {length} characters, and Windows allows {limit}."},
    {PathTooLongReason, "The path is too long: it has {length} characters, and Windows allows {limit} here."},
    {DeviceNameReason, "Windows keeps the name \"{name}\" for a device."},
    {DriveMissingReason, "The drive {drive} does not exist."},
    {NetworkFolderMissingReason, "The network folder {folder} cannot be reached."},
    {FolderOfThatNameReason, "A folder of this name exists already."},
    {FileInTheWayReason, "{folder} is a file, not a folder."},
    {FolderMissingReason, "The folder {folder} does not exist."},
    {FolderTakesNoFilesReason, "Windows does not let new files or folders be made in {folder}."},
    {BadNameReason, "Windows does not take this name for a file."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "The screenshot could not be converted into an image of the image library."},
    {NotEncodedReason, "The image library could not encode the picture."},
    {NoThumbnailReason, "The image library could not scale the picture down to a thumbnail."},
    {EmptyFileReason, "The file is empty after writing."},
    {NoMemoryToConvertReason, "There is not enough memory to convert the screenshot."},
    {PictureUnreadableReason, "The pixels of the screenshot could not be read."},
    {LibraryWriteFailedReason, "The image library could not write the file."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nRun snapwright.exe --help to see the options."},
    {UnknownOptionError, "Unknown option \"{option}\"."},
    {UnexpectedArgumentError, "Unexpected argument \"{argument}\"."},
    {OptionTwiceError, "\"{option}\" is given twice."},
    {OptionNeedsValueError, "\"{option}\" needs a value."},
    {OptionTakesNoValueError, "\"{option}\" takes no value."},
    {DelayValueError, "--delay takes seconds from 0 to 3600, such as 2 or 0.5, not \"{value}\"."},
    {ToValueError, "--to takes clipboard, print, save, send or editor, not \"{value}\"."},
    {FileNeedsPathError, "--file needs a path."},
    {FormatValueError, "--format takes bmp, jpg, png, tif or mng, not \"{value}\"."},
    {ThumbnailValueError, "--thumbnail takes a percentage from 10 to 50, not \"{value}\"."},
    {OneCaptureError, "Give only one capture, not {first} and {second}."},
    {NoCaptureError, "Give a capture: --screen, --window or --region."},
    {NeedsFileError, "{option} needs --file."},
    {FileWithSaveError, "--file cannot go with --to save: the save dialog asks for the file itself."},
    {FormatMismatchError, "--format {format} does not match the file \"{file}\"."},
    {UnknownFormatError, "The format of \"{file}\" is unknown: give --format or an extension (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "The file exists already; --overwrite replaces it."},
    {ThumbnailExistsError, "The thumbnail exists already; --overwrite replaces it."},
    {CommandFailedMessage, "Snapwright could not carry out the command: {reason}"},
    {ScreenUnreadableMessage, "Snapwright could not take the screenshot: the screen could not be read."},
    {NoWindowInFrontMessage, "Snapwright could not take the screenshot: there is no window in front, or it could not be read."},
    {NoRegionHereMessage, "Snapwright cannot take a region here."},
    {RegionInUseMessage, "A region is being drawn already, and Snapwright draws one at a time. Finish or cancel that one (Escape), then give the command again."},
    {ClipboardHeldMessage, "Snapwright could not put the screenshot on the clipboard: another program holds it."},
    {NotHandedOnMessage, "Snapwright could not hand the screenshot on."},
    {PageWaitsMessage, "The page waits for its second screenshot."},
    {PageOfTwoAloneMessage, "The page takes two screenshots, and without Snapwright running in the tray no second one will come: nothing is printed. Start Snapwright first, or choose a page of one screenshot in its options."},
    {TrayProgramSilentMessage, "Snapwright runs in the tray but does not answer."},
    {TrayProgramEndedMessage, "Snapwright ended before it finished the command."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "The screenshot in the Snapwright editor has changes that are not saved."},
});

}  // namespace snapwright::language_rows
