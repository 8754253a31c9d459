#pragma once
#include "lang/LanguageRow.h"

// Norwegian, language 9.
namespace snapwright::language_rows {

inline constexpr LanguageRow kNorwegian = Row("Norsk", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Avbryt"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Om Snapwright™"},
    {AboutCopyright, "Copyright © 2002 Snapwright-forfatterne. Alle rettigheter forbeholdt."},
    {AboutDisclaimer, "Dette programmet er beskyttet av tysk og internasjonal lov om opphavsrett."},
    {UpdateButton, "O&ppdater ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Send skjermbilde til ..."},
    {AskApplicationFrame, "Velg program"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Send skjermbilde til {program}"},
    {NotRunningQuestion, "{program} kjører ikke. Vil du starte det nå?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Innstillinger"},
    {PrintFrame, "Skriv ut"},
    {DefaultPrinterOption, "skriv ut på standardskriveren"},
    {ChoosePrinterOption, "vis valg av skriver"},
    {SaveFrame, "Lagre"},
    {SaveToProgramFolderOption, "lagre alltid i installasjonsmappen med standard filnavn"},
    {AskForFileOption, "spør alltid om målmappe og filnavn"},
    {SendFrame, "Send til program"},
    {SendToOfficeOption, "send skjermbilde til"},
    {AskAtSendOption, "spør om målprogram"},
    {PrintFormatFrame, "Utskriftsformat"},
    {HeaderFooterFrame, "Tidsstempel og bunntekst"},
    {PrintTimestampBox, "skriv ut tidsstempel"},
    {PrintUserNameBox, "Brukernavn"},
    {PrintComputerNameBox, "Datamaskinnavn"},
    {PrintFooterBox, "skriv ut reklame i bunnteksten"},
    {LanguageFrame, "Språk"},
    {SelectLanguageLabel, "velg språk"},
    {DefaultsButton, "&Standardinnstillinger"},
    {SaveButton, "&Lagre"},
    {KeysButton, "&Taster…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Lagre skjermbilde som ..."},
    {FileFormatFrame, "velg filformat"},
    {ThumbnailBox, "lag miniatyrbilde"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informasjon"},
    {OptionsMenuItem, "Innstillinger"},
    {CloseMenuItem, "Lukk menyen"},
    {ExitMenuItem, "Avslutt"},
    {ScreenMenuItem, "Skjerm"},
    {WindowMenuItem, "Vindu i forgrunnen"},
    {RegionMenuItem, "Område"},
    {EditorMenuItem, "Redigeringsprogram"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright kjører allerede: ikonet er i systemstatusfeltet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vil du lagre endringene i denne filen?"},
    {EditorQuitCaption, "Avslutt programmet"},
    {EditorDiscardQuestion, "Vil du virkelig forkaste denne filen?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Åpne fil"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Skriv ut skjermen"},
    {PrintWindowAction, "Skriv ut vinduet i forgrunnen"},
    {SaveScreenAction, "Lagre skjermen"},
    {SaveWindowAction, "Lagre vinduet i forgrunnen"},
    {SendScreenAction, "Send skjermen"},
    {SendWindowAction, "Send vinduet i forgrunnen"},
    {RegionAction, "Dra et område til redigeringsprogrammet"},
    {KeysCaption, "Taster"},
    {KeysIntroLabel, "Klikk i et felt og trykk på tastene. Taster som skriver eller flytter i en tekst, trenger Ctrl eller Alt. Fjern merket i en boks for å slå av handlingen."},
    {KeyDefaultsButton, "&Standard"},
    {KeyTakenMessage, "{key} brukes allerede av et annet program."},
    {KeysTakenMessage, "Disse tastene brukes allerede av andre programmer: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windows’ eget skjermopptak holder Print Screen-tasten (Innstillinger › Tilgjengelighet › Tastatur › «Bruk Print Screen-tasten til å åpne skjermopptak»)."},
    {RunsWithoutKeysMessage, "Snapwright kjører likevel, og menyen til ikonet i systemstatusfeltet tar også skjermbilder."},
    {WhereToChooseKeysMessage, "Andre taster velger du i den menyen under {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Vil du slå av Windows’ skjermopptak på Print Screen-tasten for denne brukeren nå?"},
    {ChooseAnotherKeyMessage, "Velg en annen tast, eller slå av handlingen."},
    {SharedKeyMessage, "{key} er valgt to ganger: for «{first}» og for «{second}». Velg en annen tast for en av dem."},
    {WindowsCaptureNotSwitchedOff, "Windows’ skjermopptak på Print Screen-tasten kunne ikke slås av. Slå det av under Innstillinger › Tilgjengelighet › Tastatur."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Vindu med rulling"},
    {ScrollingUnreadableMessage, "Snapwright kunne ikke ta skjermbildet: det er ikke noe vindu i forgrunnen, eller det kunne ikke leses."},
    {ScrollingNoteHeading, "Ruller… Esc stanser"},
    {ScrollingNoteCount, "{pixels} piksler tatt"},
    {ScrollingDoesNotScrollMessage, "Vinduet kan ikke rulles: bildet viser det slik det er."},
    {ScrollingHeightLimitMessage, "Høydegrensen ble nådd: bildet slutter ved {pixels} piksler."},
    {ScrollingWindowLostMessage, "Vinduet ble lukket eller flyttet mens det ble rullet: bildet inneholder det som ble tatt frem til da."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright kunne ikke åpne\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Filen er ikke et bilde i et format Snapwright kan lese (BMP, JPEG, PNG, MNG, TIFF), eller den kan ikke leses."},
    {DamagedPictureReason, "Bildet i filen kunne ikke leses; filen kan være skadet."},
    {PictureWithoutSizeReason, "Filen oppgir ingen størrelse for bildet; filen kan være skadet."},
    {PictureTooLargeReason, "Bildet er {size} piksler. Snapwright åpner bilder på opptil {limit} piksler per side."},
    {PictureNeedsTooMuchMemoryReason, "Bildet er {size} piksler og trenger omtrent {megabytes} MB minne for å åpnes, mer enn Snapwright kan få nå."},
    {NoMemoryForPictureReason, "Det er ikke nok minne til å vise et bilde av denne størrelsen."},
    {UnsupportedPictureReason, "Snapwright kan ikke vise denne typen bilde (fargene er for eksempel ikke lagret som heltall)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
