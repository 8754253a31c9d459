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
    {AlreadyRunningMessage, "Snapwright kører allerede: ikonet er i meddelelsesområdet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vil du gemme ændringerne i denne fil?"},
    {EditorQuitCaption, "Afslut programmet"},
    {EditorDiscardQuestion, "Vil du virkelig kassere denne fil?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Åbn fil"},

    // -- Editor: marks --

    // -- Region overlay --

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
