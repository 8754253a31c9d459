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
    {AboutWindowTitle, "Om Snapwright"},
    {AboutVersionLabel, "Version {version}"},
    {CreditsButton, "Medverkande..."},
    {CreditsCaption, "Medverkande"},
    {CreditsAuthors, "Snapwright™ av Snapwright-författarna, 2002-2006"},
    {CreditsLibrary, "Bildfiler läses och skrivs med biblioteket FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Översättningar:\r\nGrekiska: Snapwrights översättare till grekiska, 2005\r\nTjeckiska: Snapwrights översättare till tjeckiska, 2005\r\nSpanska: Snapwrights översättare till spanska, 2006\r\nFranska: Snapwrights översättare till franska, 2006\r\nTyska och engelska: Snapwright-författarna, 2002-2006\r\nÖvriga språk: Snapwright-författarna, med ett verktyg för maskinöversättning"},
    {CreditsThanks, "Stort tack till cppreference.com, winehq.org, learn.microsoft.com och MSDN Library\r\nsamt till alla andra webbplatser om programmering."},

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
    {OptionsWindowTitle, "Alternativ för Snapwright"},
    {SendToEditorOption, "Snapwright™-redigeraren"},
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
    {StartOptionsHint, "Om du vill konfigurera Snapwright™ högerklickar du på ikonen i aktivitetsfältet och väljer \"{item}\"."},
    {ShowAtStartupBox, "Visa den här skärmen vid start"},
    {AlreadyRunningMessage, "Snapwright körs redan: ikonen finns i meddelandefältet."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Vill du spara ändringarna i den här filen?"},
    {EditorQuitCaption, "Avsluta programmet"},
    {EditorDiscardQuestion, "Vill du verkligen förkasta den här filen?"},
    {EditorNewFileCaption, "Ny fil"},
    {EditorOpenFileCaption, "Öppna fil"},
    {EditorNewButton, "Ny"},
    {EditorNewTip, "Ny: börja med en tom bild"},
    {EditorRegionButton, "Område"},
    {EditorRegionTip, "Område: ta ett område av skärmen som en ny bild"},
    {EditorOpenButton, "Öppna"},
    {EditorOpenTip, "Öppna en bildfil"},
    {EditorSaveButton, "Spara"},
    {EditorSaveTip, "Spara bilden"},
    {EditorPrintButton, "Skriv ut"},
    {EditorPrintTip, "Skriv ut bilden"},
    {EditorCopyButton, "Kopiera"},
    {EditorCopyTip, "Kopiera bilden till Urklipp"},
    {EditorSendTip, "Skicka bilden till {program}"},
    {EditorUndoButton, "Ångra"},
    {EditorUndoTip, "Ångra den senaste ändringen"},
    {EditorZoomButton, "Zooma"},
    {EditorZoomTip, "Zooma: dra över ett område eller klicka på två hörn och klicka sedan där förstoringen ska placeras"},
    {EditorCropButton, "Beskär"},
    {EditorCropTip, "Beskär: klicka där bildens närmaste hörn ska flyttas"},
    {EditorFrameButton, "Ram"},
    {EditorFrameTip, "Ram: dra från hörn till hörn eller klicka på två motsatta hörn"},
    {EditorEllipseButton, "Ellips"},
    {EditorEllipseTip, "Ellips: dra från hörn till hörn eller klicka på två motsatta hörn"},
    {EditorTextButton, "Text"},
    {EditorTextTip, "Text: klicka eller dra upp en ruta och skriv; Retur infogar den, Skift+Retur börjar en ny rad, Esc tar bort den"},
    {EditorArrowButton, "Pil"},
    {EditorArrowTip, "Pil: dra från stjärten till spetsen"},
    {EditorHighlightButton, "Överstrykningspenna"},
    {EditorHighlightTip, "Överstrykningspenna: dra över det som ska framhävas"},
    {EditorRedactButton, "Maskera"},
    {EditorRedactTip, "Maskera: dra över det som ingen får läsa; håll ned Skift när du släpper för att fylla det helt"},
    {EditorStrengthLabel, "Tjocklek:"},
    {EditorStrengthTip, "Linjetjocklek för ramar, ellipser och pilar; blockstorlek vid maskering"},
    {EditorTextSizeLabel, "Storlek:"},
    {EditorTextSizeTip, "Textens höjd"},
    {EditorColourButton, "Färg"},
    {EditorColourTip, "Färg på ramar, ellipser, text, pilar och överstrykningar"},
    {EditorHelpButton, "Hjälp"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Öppna skärmbildsfil"},
    {EditorNothingToHandOnMessage, "Det finns ingen bild i redigeraren att lämna vidare."},
    {EditorPageWaitsMessage, "Sidan rymmer två skärmbilder: den här bilden är den första och sidan väntar på den andra.\r\n\r\nKlicka på Skriv ut igen eller ta en skärmbild med tangenten Print Screen, så skrivs sidan ut."},
    {EditorCopyFailedMessage, "Snapwright kunde inte lägga bilden i Urklipp."},
    {EditorNoMemoryMessage, "Snapwright kunde inte ändra bilden: systemet har för lite minne kvar."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-område"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright kunde inte skriva ut skärmbilden: ingen skrivare är installerad. Den senaste skärmbilden finns kvar i Urklipp."},
    {PrintPrinterUnusableMessage, "Snapwright kunde inte skriva ut skärmbilden: skrivaren \"{printer}\" kan inte användas. Kontrollera att den är installerad och redo, eller välj en annan skrivare. Den senaste skärmbilden finns kvar i Urklipp."},
    {PrintFailedMessage, "Snapwright kunde inte skriva ut skärmbilden på skrivaren \"{printer}\". Den senaste skärmbilden finns kvar i Urklipp."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright kunde inte skicka skärmbilden till {program}: {reason}\r\n\r\nSkärmbilden finns i Urklipp: du kan själv klistra in den i {program}."},
    {SendClipboardFailedMessage, "Snapwright kunde inte lägga bilden i Urklipp och kan därför inte skicka den till {program}."},
    {AutomationNotInstalledReason, "det är inte installerat, eller så är dess automatiseringsklass \"{member}\" inte registrerad"},
    {AutomationUnreachableReason, "den körande instansen kunde inte nås"},
    {AutomationNotStartedReason, "det kunde inte startas"},
    {AutomationUnknownMemberReason, "det känner inte till \"{member}\""},
    {AutomationBusyReason, "det svarar inte (det kan vara upptaget, till exempel av en egen dialogruta)"},
    {AutomationClosedReason, "det stängdes eller slutade svara"},
    {AutomationRefusedReason, "det avvisade \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "det fanns inte tillräckligt med minne för anropet"},
    {AutomationNoObjectReason, "det tillhandahöll inte sitt objekt \"{member}\""},
    {AutomationNotScriptableReason, "dess automatiseringsklass \"{member}\" kan inte styras via namn"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Hjälpfilen hittades inte. Snapwright förväntar sig den här:\n{file}"},
    {StartFailedMessage, "Snapwright kunde inte starta på grund av ett internt fel."},

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
