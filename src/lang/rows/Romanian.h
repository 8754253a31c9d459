#pragma once
#include "lang/LanguageRow.h"

// Romanian, language 11.
namespace snapwright::language_rows {

inline constexpr LanguageRow kRomanian = Row("Român *", "Arial *", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Anulează"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Despre Snapwright™"},
    {AboutCopyright, "Copyright © 2002 autorii Snapwright. Toate drepturile rezervate."},
    {AboutDisclaimer, "Acest program este protejat de legislația germană și internațională privind drepturile de autor."},
    {UpdateButton, "&Actualizare ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Trimite captura de ecran către ..."},
    {AskApplicationFrame, "Alegeți aplicația"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Trimite captura de ecran către"},
    {NotRunningQuestion, "nu rulează. Îl porniți acum?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Opțiuni"},
    {PrintFrame, "Imprimare"},
    {DefaultPrinterOption, "imprimă la imprimanta implicită"},
    {ChoosePrinterOption, "afișează alegerea imprimantei"},
    {SaveFrame, "Salvare"},
    {SaveToProgramFolderOption, "salvează întotdeauna în directorul de instalare cu numele de fișier implicit"},
    {AskForFileOption, "întreabă întotdeauna directorul de destinație și numele fișierului"},
    {SendFrame, "Trimite către aplicație"},
    {SendToOfficeOption, "trimite captura de ecran către"},
    {AskAtSendOption, "întreabă programul de destinație"},
    {PrintFormatFrame, "Format de imprimare"},
    {HeaderFooterFrame, "Marcaj de timp și subsol"},
    {PrintTimestampBox, "imprimă marcajul de timp"},
    {PrintUserNameBox, "Nume de utilizator"},
    {PrintComputerNameBox, "Numele computerului"},
    {PrintFooterBox, "imprimă reclama în subsol"},
    {LanguageFrame, "Limbă"},
    {SelectLanguageLabel, "alegeți limba"},
    {DefaultsButton, "Setări &implicite"},
    {SaveButton, "&Salvează"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Salvează captura de ecran ca ..."},
    {FileFormatFrame, "alegeți formatul fișierului"},
    {ThumbnailBox, "creează miniatură"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informații"},
    {OptionsMenuItem, "Opțiuni"},
    {CloseMenuItem, "Închide meniul"},
    {ExitMenuItem, "Ieșire"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
