#pragma once
#include "lang/LanguageRow.h"

// Swedish, language 8.
namespace snapwright::language_rows {

inline constexpr LanguageRow kSwedish = Row("Svensk", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Avbryt"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Om Snapwright™"},
    {AboutCopyright, "Copyright © 2002 Snapwrights upphovsmän. Alla rättigheter förbehållna."},
    {AboutDisclaimer, "Detta program skyddas av tysk och internationell upphovsrättslagstiftning."},
    {UpdateButton, "&Uppdatera ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Skicka skärmbild till ..."},
    {AskApplicationFrame, "Välj program"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Skicka skärmbild till {program}"},
    {NotRunningQuestion, "{program} körs inte. Vill du starta det nu?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Alternativ"},
    {PrintFrame, "Skriv ut"},
    {DefaultPrinterOption, "skriv ut på standardskrivaren"},
    {ChoosePrinterOption, "visa val av skrivare"},
    {SaveFrame, "Spara"},
    {SaveToProgramFolderOption, "spara alltid i installationsmappen med standardfilnamn"},
    {AskForFileOption, "fråga alltid efter målmapp och filnamn"},
    {SendFrame, "Skicka till program"},
    {SendToOfficeOption, "skicka skärmbild till"},
    {AskAtSendOption, "fråga efter målprogram"},
    {PrintFormatFrame, "Utskriftsformat"},
    {HeaderFooterFrame, "Tidsstämpel och sidfot"},
    {PrintTimestampBox, "skriv ut tidsstämpel"},
    {PrintUserNameBox, "Användarnamn"},
    {PrintComputerNameBox, "Datornamn"},
    {PrintFooterBox, "skriv ut reklam i sidfoten"},
    {LanguageFrame, "Språk"},
    {SelectLanguageLabel, "välj språk"},
    {DefaultsButton, "Stan&dardinställningar"},
    {SaveButton, "&Spara"},
    {KeysButton, "&Tangenter…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Spara skärmbild som ..."},
    {FileFormatFrame, "välj filformat"},
    {ThumbnailBox, "skapa miniatyr"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Information"},
    {OptionsMenuItem, "Alternativ"},
    {CloseMenuItem, "Stäng menyn"},
    {ExitMenuItem, "Avsluta"},
    {ScreenMenuItem, "Skärm"},
    {WindowMenuItem, "Fönster i förgrunden"},
    {RegionMenuItem, "Område"},
    {EditorMenuItem, "Redigerare"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright körs redan: ikonen finns i meddelandefältet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vill du spara ändringarna i den här filen?"},
    {EditorQuitCaption, "Avsluta programmet"},
    {EditorDiscardQuestion, "Vill du verkligen förkasta den här filen?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Öppna fil"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Skriv ut skärmen"},
    {PrintWindowAction, "Skriv ut fönstret i förgrunden"},
    {SaveScreenAction, "Spara skärmen"},
    {SaveWindowAction, "Spara fönstret i förgrunden"},
    {SendScreenAction, "Skicka skärmen"},
    {SendWindowAction, "Skicka fönstret i förgrunden"},
    {RegionAction, "Dra ett område till redigeraren"},
    {KeysCaption, "Tangenter"},
    {KeysIntroLabel, "Klicka i ett fält och tryck på tangenterna. Tangenter som skriver eller flyttar i en text behöver Ctrl eller Alt. Avmarkera en ruta för att stänga av åtgärden."},
    {KeyDefaultsButton, "&Standard"},
    {KeyTakenMessage, "{key} används redan av ett annat program."},
    {KeysTakenMessage, "De här tangenterna används redan av andra program: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windows egen skärmbildsfunktion upptar Print Screen-tangenten (Inställningar › Hjälpmedel › Tangentbord › ”Använd Print Screen-tangenten för att öppna skärmbildsverktyget”)."},
    {RunsWithoutKeysMessage, "Snapwright körs ändå, och menyn för dess ikon i meddelandefältet tar också skärmbilder."},
    {WhereToChooseKeysMessage, "Andra tangenter väljer du i den menyn under {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Vill du stänga av Windows skärmbildsfunktion på Print Screen-tangenten för den här användaren nu?"},
    {ChooseAnotherKeyMessage, "Välj en annan tangent eller stäng av åtgärden."},
    {SharedKeyMessage, "{key} är vald två gånger: för ”{first}” och för ”{second}”. Välj en annan tangent för en av dem."},
    {WindowsCaptureNotSwitchedOff, "Windows skärmbildsfunktion på Print Screen-tangenten kunde inte stängas av. Stäng av den under Inställningar › Hjälpmedel › Tangentbord."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Fönster med rullning"},
    {ScrollingUnreadableMessage, "Snapwright kunde inte ta skärmbilden: inget fönster ligger i förgrunden, eller så kunde det inte läsas."},
    {ScrollingNoteHeading, "Rullar… Esc stoppar"},
    {ScrollingNoteCount, "{pixels} pixlar tagna"},
    {ScrollingDoesNotScrollMessage, "Fönstret kan inte rullas: bilden visar det som det är."},
    {ScrollingHeightLimitMessage, "Höjdgränsen nåddes: bilden slutar vid {pixels} pixlar."},
    {ScrollingWindowLostMessage, "Fönstret stängdes eller flyttades medan det rullades: bilden innehåller det som togs fram till dess."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright kunde inte öppna\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Filen är inte en bild i ett format som Snapwright kan läsa (BMP, JPEG, PNG, MNG, TIFF), eller så kan den inte läsas."},
    {DamagedPictureReason, "Bilden i filen kunde inte läsas; filen kan vara skadad."},
    {PictureWithoutSizeReason, "Filen anger ingen storlek för sin bild; filen kan vara skadad."},
    {PictureTooLargeReason, "Bilden är {size} pixlar. Snapwright öppnar bilder på upp till {limit} pixlar per sida."},
    {PictureNeedsTooMuchMemoryReason, "Bilden är {size} pixlar och behöver cirka {megabytes} MB minne för att öppnas, mer än Snapwright kan få nu."},
    {NoMemoryForPictureReason, "Det finns inte tillräckligt med minne för att visa en bild av den här storleken."},
    {UnsupportedPictureReason, "Snapwright kan inte visa den här typen av bild (dess färger är till exempel inte lagrade som heltal)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
