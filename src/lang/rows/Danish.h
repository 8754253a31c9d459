#pragma once
#include "lang/LanguageRow.h"

// Danish, language 7.
namespace snapwright::language_rows {

inline constexpr LanguageRow kDanish = Row("Dansk", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "A&nnuller"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Om Snapwright™"},
    {AboutCopyright, "Copyright © 2002 Snapwright-forfatterne. Alle rettigheder forbeholdes."},
    {AboutDisclaimer, "Dette program er beskyttet af tysk og international lovgivning om ophavsret."},
    {UpdateButton, "O&pdater ?"},
    {AboutWindowTitle, "Om Snapwright"},
    {AboutVersionLabel, "Version {version}"},
    {CreditsButton, "Medvirkende..."},
    {CreditsCaption, "Medvirkende"},
    {CreditsAuthors, "Snapwright™ af Snapwright-forfatterne, 2002-2006"},
    {CreditsLibrary, "Billedfiler læses og skrives med biblioteket FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Oversættelser:\r\nGræsk: Snapwrights oversætter til græsk, 2005\r\nTjekkisk: Snapwrights oversætter til tjekkisk, 2005\r\nSpansk: Snapwrights oversætter til spansk, 2006\r\nFransk: Snapwrights oversætter til fransk, 2006\r\nTysk og engelsk: Snapwright-forfatterne, 2002-2006\r\nAndre sprog: Snapwright-forfatterne, med et værktøj til maskinoversættelse"},
    {CreditsThanks, "Mange tak til cppreference.com, winehq.org, learn.microsoft.com og MSDN Library\r\nsamt til alle de andre websteder om programmering."},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Send skærmbillede til ..."},
    {AskApplicationFrame, "Vælg program"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Send skærmbillede til {program}"},
    {NotRunningQuestion, "{program} kører ikke. Vil du starte det nu?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Indstillinger"},
    {PrintFrame, "Udskriv"},
    {DefaultPrinterOption, "udskriv på standardprinteren"},
    {ChoosePrinterOption, "vis valg af printer"},
    {SaveFrame, "Gem"},
    {SaveToProgramFolderOption, "gem altid i installationsmappen med standardfilnavn"},
    {AskForFileOption, "spørg altid om destinationsmappe og filnavn"},
    {SendFrame, "Send til program"},
    {SendToOfficeOption, "send skærmbillede til"},
    {AskAtSendOption, "spørg om destinationsprogram"},
    {PrintFormatFrame, "Udskriftsformat"},
    {HeaderFooterFrame, "Tidsstempel og sidefod"},
    {PrintTimestampBox, "udskriv tidsstempel"},
    {PrintUserNameBox, "Brugernavn"},
    {PrintComputerNameBox, "Computernavn"},
    {PrintFooterBox, "udskriv reklame i sidefoden"},
    {LanguageFrame, "Sprog"},
    {SelectLanguageLabel, "vælg sprog"},
    {DefaultsButton, "&Standardindstillinger"},
    {SaveButton, "&Gem"},
    {OptionsWindowTitle, "Indstillinger for Snapwright"},
    {SendToEditorOption, "Snapwright™-editor"},
    {KeysButton, "&Taster…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Gem skærmbillede som ..."},
    {FileFormatFrame, "vælg filformat"},
    {ThumbnailBox, "opret miniature"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Information"},
    {OptionsMenuItem, "Indstillinger"},
    {CloseMenuItem, "Luk menuen"},
    {ExitMenuItem, "Afslut"},
    {ScreenMenuItem, "Skærm"},
    {WindowMenuItem, "Vindue i forgrunden"},
    {RegionMenuItem, "Område"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {StartOptionsHint, "Du konfigurerer Snapwright™ ved at højreklikke på ikonet på proceslinjen og vælge \"{item}\"."},
    {ShowAtStartupBox, "Vis dette skærmbillede ved start"},
    {AlreadyRunningMessage, "Snapwright kører allerede: ikonet er i meddelelsesområdet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vil du gemme ændringerne i denne fil?"},
    {EditorQuitCaption, "Afslut programmet"},
    {EditorDiscardQuestion, "Vil du virkelig kassere denne fil?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Åbn fil"},
    {EditorNewButton, "Ny"},
    {EditorNewTip, "Ny: start med et tomt billede"},
    {EditorRegionButton, "Område"},
    {EditorRegionTip, "Område: tag et område af skærmen som nyt billede"},
    {EditorOpenButton, "Åbn"},
    {EditorOpenTip, "Åbn en billedfil"},
    {EditorSaveButton, "Gem"},
    {EditorSaveTip, "Gem billedet"},
    {EditorPrintButton, "Udskriv"},
    {EditorPrintTip, "Udskriv billedet"},
    {EditorCopyButton, "Kopiér"},
    {EditorCopyTip, "Kopiér billedet til Udklipsholder"},
    {EditorSendTip, "Send billedet til {program}"},
    {EditorUndoButton, "Fortryd"},
    {EditorUndoTip, "Fortryd den seneste ændring"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: træk hen over et område, eller klik på to hjørner, og klik derefter, hvor forstørrelsen skal placeres"},
    {EditorCropButton, "Beskær"},
    {EditorCropTip, "Beskær: klik, hvor billedets nærmeste hjørne skal flyttes hen"},
    {EditorFrameButton, "Ramme"},
    {EditorFrameTip, "Ramme: træk fra hjørne til hjørne, eller klik på to modsatte hjørner"},
    {EditorEllipseButton, "Ellipse"},
    {EditorEllipseTip, "Ellipse: træk fra hjørne til hjørne, eller klik på to modsatte hjørner"},
    {EditorTextButton, "Tekst"},
    {EditorTextTip, "Tekst: klik, eller træk et felt, og skriv; Enter indsætter den, Skift+Enter starter en ny linje, Esc kasserer den"},
    {EditorArrowButton, "Pil"},
    {EditorArrowTip, "Pil: træk fra halen til spidsen"},
    {EditorHighlightButton, "Overstregningspen"},
    {EditorHighlightTip, "Overstregningspen: træk hen over det, der skal fremhæves"},
    {EditorRedactButton, "Skjul"},
    {EditorRedactTip, "Skjul: træk hen over det, ingen må læse; hold Skift nede, når du slipper, for at udfylde det helt"},
    {EditorStrengthLabel, "Tykkelse:"},
    {EditorStrengthTip, "Stregtykkelse for rammer, ellipser og pile; blokstørrelse ved skjul"},
    {EditorTextSizeLabel, "Størrelse:"},
    {EditorTextSizeTip, "Tekstens højde"},
    {EditorColourButton, "Farve"},
    {EditorColourTip, "Farve på rammer, ellipser, tekst, pile og overstregninger"},
    {EditorHelpButton, "Hjælp"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Åbn skærmbilledfil"},
    {EditorNothingToHandOnMessage, "Der er intet billede i editoren at videregive."},
    {EditorPageWaitsMessage, "Siden rummer to skærmbilleder: Dette billede er det første, og siden venter på det andet.\r\n\r\nKlik på Udskriv igen, eller tag et skærmbillede med tasten Print Screen, så udskrives siden."},
    {EditorCopyFailedMessage, "Snapwright kunne ikke lægge billedet i Udklipsholder."},
    {EditorNoMemoryMessage, "Snapwright kunne ikke ændre billedet: Systemet har for lidt hukommelse tilbage."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-område"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright kunne ikke udskrive skærmbilledet: Der er ikke installeret nogen printer. Det seneste skærmbillede ligger stadig i Udklipsholder."},
    {PrintPrinterUnusableMessage, "Snapwright kunne ikke udskrive skærmbilledet: Printeren \"{printer}\" kan ikke bruges. Kontrollér, at den er installeret og klar, eller vælg en anden printer. Det seneste skærmbillede ligger stadig i Udklipsholder."},
    {PrintFailedMessage, "Snapwright kunne ikke udskrive skærmbilledet på printeren \"{printer}\". Det seneste skærmbillede ligger stadig i Udklipsholder."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright kunne ikke sende skærmbilledet til {program}: {reason}\r\n\r\nSkærmbilledet ligger i Udklipsholder: Du kan selv indsætte det i {program}."},
    {SendClipboardFailedMessage, "Snapwright kunne ikke lægge billedet i Udklipsholder og kan derfor ikke sende det til {program}."},
    {AutomationNotInstalledReason, "det er ikke installeret, eller dets automatiseringsklasse \"{member}\" er ikke registreret"},
    {AutomationUnreachableReason, "den kørende forekomst kunne ikke nås"},
    {AutomationNotStartedReason, "det kunne ikke startes"},
    {AutomationUnknownMemberReason, "det kender ikke \"{member}\""},
    {AutomationBusyReason, "det svarer ikke (det er måske optaget, f.eks. af en af sine egne dialogbokse)"},
    {AutomationClosedReason, "det blev lukket eller holdt op med at svare"},
    {AutomationRefusedReason, "det afviste \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "der var ikke nok hukommelse til kaldet"},
    {AutomationNoObjectReason, "det leverede ikke sit objekt \"{member}\""},
    {AutomationNotScriptableReason, "dets automatiseringsklasse \"{member}\" kan ikke styres via navn"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Hjælpefilen blev ikke fundet. Snapwright forventer den her:\n{file}"},
    {StartFailedMessage, "Snapwright kunne ikke starte på grund af en intern fejl."},

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Udskriv skærmen"},
    {PrintWindowAction, "Udskriv vinduet i forgrunden"},
    {SaveScreenAction, "Gem skærmen"},
    {SaveWindowAction, "Gem vinduet i forgrunden"},
    {SendScreenAction, "Send skærmen"},
    {SendWindowAction, "Send vinduet i forgrunden"},
    {RegionAction, "Træk et område til editoren"},
    {KeysCaption, "Taster"},
    {KeysIntroLabel, "Klik i et felt, og tryk på tasterne. Taster, der skriver eller flytter i en tekst, kræver Ctrl eller Alt. Fjern et flueben for at slå handlingen fra."},
    {KeyDefaultsButton, "&Standard"},
    {KeyTakenMessage, "{key} bruges allerede af et andet program."},
    {KeysTakenMessage, "Disse taster bruges allerede af andre programmer: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windows’ egen skærmoptagelse optager Print Screen-tasten (Indstillinger › Tilgængelighed › Tastatur › »Brug Print Screen-tasten til at åbne skærmoptagelse«)."},
    {RunsWithoutKeysMessage, "Snapwright kører alligevel, og menuen for dets ikon i meddelelsesområdet tager også skærmbilleder."},
    {WhereToChooseKeysMessage, "Andre taster vælges i den menu under {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Vil du slå Windows’ skærmoptagelse på Print Screen-tasten fra for denne bruger nu?"},
    {ChooseAnotherKeyMessage, "Vælg en anden tast, eller slå handlingen fra."},
    {SharedKeyMessage, "{key} er valgt to gange: til »{first}« og til »{second}«. Vælg en anden tast til den ene af dem."},
    {WindowsCaptureNotSwitchedOff, "Windows’ skærmoptagelse på Print Screen-tasten kunne ikke slås fra. Slå den fra under Indstillinger › Tilgængelighed › Tastatur."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Vindue med rulning"},
    {ScrollingUnreadableMessage, "Snapwright kunne ikke tage skærmbilledet: der er intet vindue i forgrunden, eller det kunne ikke læses."},
    {ScrollingNoteHeading, "Ruller… Esc stopper"},
    {ScrollingNoteCount, "{pixels} pixel optaget"},
    {ScrollingDoesNotScrollMessage, "Vinduet kan ikke rulle: billedet viser det, som det er."},
    {ScrollingHeightLimitMessage, "Højdegrænsen blev nået: billedet slutter ved {pixels} pixel."},
    {ScrollingWindowLostMessage, "Vinduet blev lukket eller flyttet under rulningen: billedet indeholder det, der var optaget indtil da."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright kunne ikke åbne\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Filen er ikke et billede i et format, som Snapwright kan læse (BMP, JPEG, PNG, MNG, TIFF), eller den kan ikke læses."},
    {DamagedPictureReason, "Billedet i filen kunne ikke læses; filen er muligvis beskadiget."},
    {PictureWithoutSizeReason, "Filen angiver ingen størrelse for sit billede; filen er muligvis beskadiget."},
    {PictureTooLargeReason, "Billedet er {size} pixel. Snapwright åbner billeder på op til {limit} pixel pr. side."},
    {PictureNeedsTooMuchMemoryReason, "Billedet er {size} pixel og kræver ca. {megabytes} MB hukommelse for at blive åbnet, mere end Snapwright kan få nu."},
    {NoMemoryForPictureReason, "Der er ikke nok hukommelse til at vise et billede af denne størrelse."},
    {UnsupportedPictureReason, "Snapwright kan ikke vise denne type billede (dets farver er for eksempel ikke gemt som heltal)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
