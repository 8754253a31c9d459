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
    {NotRunningCaption, "Send Screenshot to"},
    {NotRunningQuestion, "is not running. Start it now?"},

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

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Save Screenshot As ..."},
    {FileFormatFrame, "choose file format"},
    {ThumbnailBox, "create thumbnail"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Information"},
    {OptionsMenuItem, "Options"},
    {CloseMenuItem, "Leave Menu"},
    {ExitMenuItem, "Exit"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
