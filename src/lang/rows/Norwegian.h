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
    {AboutWindowTitle, "Om Snapwright"},
    {AboutVersionLabel, "Versjon {version}"},
    {CreditsButton, "Medvirkende..."},
    {CreditsCaption, "Medvirkende"},
    {CreditsAuthors, "Snapwright™ av Snapwright-forfatterne, 2002-2006"},
    {CreditsLibrary, "Bildefiler leses og skrives med biblioteket FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Oversettelser:\r\nGresk: Snapwrights oversetter til gresk, 2005\r\nTsjekkisk: Snapwrights oversetter til tsjekkisk, 2005\r\nSpansk: Snapwrights oversetter til spansk, 2006\r\nFransk: Snapwrights oversetter til fransk, 2006\r\nTysk og engelsk: Snapwright-forfatterne, 2002-2006\r\nAndre språk: Snapwright-forfatterne, med et verktøy for maskinoversettelse"},
    {CreditsThanks, "Mange takk til cppreference.com, winehq.org, learn.microsoft.com og MSDN Library\r\nog til alle de andre nettstedene om programmering."},

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
    {OptionsWindowTitle, "Innstillinger for Snapwright"},
    {SendToEditorOption, "Snapwright™-redigereren"},
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
    {StartOptionsHint, "Du konfigurerer Snapwright™ ved å høyreklikke på ikonet på oppgavelinjen og velge \"{item}\"."},
    {ShowAtStartupBox, "Vis dette skjermbildet ved oppstart"},
    {AlreadyRunningMessage, "Snapwright kjører allerede: ikonet er i systemstatusfeltet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vil du lagre endringene i denne filen?"},
    {EditorQuitCaption, "Avslutt programmet"},
    {EditorDiscardQuestion, "Vil du virkelig forkaste denne filen?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Åpne fil"},
    {EditorNewButton, "Ny"},
    {EditorNewTip, "Ny: start med et tomt bilde"},
    {EditorRegionButton, "Område"},
    {EditorRegionTip, "Område: ta et område av skjermen som nytt bilde"},
    {EditorOpenButton, "Åpne"},
    {EditorOpenTip, "Åpne en bildefil"},
    {EditorSaveButton, "Lagre"},
    {EditorSaveTip, "Lagre bildet"},
    {EditorPrintButton, "Skriv ut"},
    {EditorPrintTip, "Skriv ut bildet"},
    {EditorCopyButton, "Kopier"},
    {EditorCopyTip, "Kopier bildet til utklippstavlen"},
    {EditorSendTip, "Send bildet til {program}"},
    {EditorUndoButton, "Angre"},
    {EditorUndoTip, "Angre den siste endringen"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: dra over et område eller klikk på to hjørner, og klikk deretter der forstørrelsen skal plasseres"},
    {EditorCropButton, "Beskjær"},
    {EditorCropTip, "Beskjær: klikk der bildets nærmeste hjørne skal flyttes"},
    {EditorFrameButton, "Ramme"},
    {EditorFrameTip, "Ramme: dra fra hjørne til hjørne, eller klikk på to motsatte hjørner"},
    {EditorEllipseButton, "Ellipse"},
    {EditorEllipseTip, "Ellipse: dra fra hjørne til hjørne, eller klikk på to motsatte hjørner"},
    {EditorTextButton, "Tekst"},
    {EditorTextTip, "Tekst: klikk eller dra opp en boks og skriv; Enter setter den inn, Skift+Enter starter en ny linje, Esc forkaster den"},
    {EditorArrowButton, "Pil"},
    {EditorArrowTip, "Pil: dra fra halen til spissen"},
    {EditorHighlightButton, "Merkepenn"},
    {EditorHighlightTip, "Merkepenn: dra over det som skal fremheves"},
    {EditorRedactButton, "Sladd"},
    {EditorRedactTip, "Sladd: dra over det ingen får lese; hold Skift nede når du slipper, for å fylle det helt"},
    {EditorStrengthLabel, "Tykkelse:"},
    {EditorStrengthTip, "Linjetykkelse for rammer, ellipser og piler; blokkstørrelse ved sladding"},
    {EditorTextSizeLabel, "Størrelse:"},
    {EditorTextSizeTip, "Tekstens høyde"},
    {EditorColourButton, "Farge"},
    {EditorColourTip, "Farge på rammer, ellipser, tekst, piler og uthevinger"},
    {EditorHelpButton, "Hjelp"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Åpne skjermbildefil"},
    {EditorNothingToHandOnMessage, "Det er ikke noe bilde i redigereren å gi videre."},
    {EditorPageWaitsMessage, "Siden rommer to skjermbilder: Dette bildet er det første, og siden venter på det andre.\r\n\r\nKlikk på Skriv ut igjen, eller ta et skjermbilde med Print Screen-tasten, så skrives siden ut."},
    {EditorCopyFailedMessage, "Snapwright kunne ikke legge bildet på utklippstavlen."},
    {EditorNoMemoryMessage, "Snapwright kunne ikke endre bildet: Systemet har for lite minne igjen."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-område"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright kunne ikke skrive ut skjermbildet: Ingen skriver er installert. Det siste skjermbildet ligger fortsatt på utklippstavlen."},
    {PrintPrinterUnusableMessage, "Snapwright kunne ikke skrive ut skjermbildet: Skriveren \"{printer}\" kan ikke brukes. Kontroller at den er installert og klar, eller velg en annen skriver. Det siste skjermbildet ligger fortsatt på utklippstavlen."},
    {PrintFailedMessage, "Snapwright kunne ikke skrive ut skjermbildet på skriveren \"{printer}\". Det siste skjermbildet ligger fortsatt på utklippstavlen."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright kunne ikke sende skjermbildet til {program}: {reason}\r\n\r\nSkjermbildet ligger på utklippstavlen: Du kan lime det inn i {program} selv."},
    {SendClipboardFailedMessage, "Snapwright kunne ikke legge bildet på utklippstavlen og kan derfor ikke sende det til {program}."},
    {AutomationNotInstalledReason, "det er ikke installert, eller automatiseringsklassen \"{member}\" er ikke registrert"},
    {AutomationUnreachableReason, "den kjørende forekomsten kunne ikke nås"},
    {AutomationNotStartedReason, "det kunne ikke startes"},
    {AutomationUnknownMemberReason, "det kjenner ikke \"{member}\""},
    {AutomationBusyReason, "det svarer ikke (det kan være opptatt, for eksempel med en egen dialogboks)"},
    {AutomationClosedReason, "det ble lukket eller sluttet å svare"},
    {AutomationRefusedReason, "det avviste \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "det var ikke nok minne til kallet"},
    {AutomationNoObjectReason, "det leverte ikke objektet \"{member}\""},
    {AutomationNotScriptableReason, "automatiseringsklassen \"{member}\" kan ikke styres etter navn"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Finner ikke hjelpefilen. Snapwright forventer den her:\n{file}"},
    {StartFailedMessage, "Snapwright kunne ikke starte på grunn av en intern feil."},

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
