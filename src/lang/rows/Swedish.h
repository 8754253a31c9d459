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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright kunde inte spara skärmbilden som\n{file}\n\n{reason}\n\nSkärmbilden finns kvar i Urklipp."},
    {FolderFailedMessage, "Snapwright kunde inte skapa mappen för skärmbilden:\n{folder}\n\n{reason}\n\nSkärmbilden finns kvar i Urklipp."},
    {SaveRefusedMessage, "Snapwright kan inte spara skärmbilden som\n{file}\n\n{reason}\n\nVälj ett annat namn."},
    {ReplaceFileQuestion, "{file}\nfinns redan.\n\nVill du ersätta den?"},
    {ReplaceFilesQuestion, "De här filerna finns redan:\n{files}\n\nVill du ersätta dem?"},
    {SaveDialogTitle, "Spara skärmbild"},
    {NoScreenshotToSaveMessage, "Det finns ingen skärmbild att spara."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Sökvägen anger en mapp men ingen fil."},
    {ForbiddenCharacterReason, "Namnet innehåller ett tecken som Windows inte tillåter: ”{character}”."},
    {NameTooLongReason, "Namnet är för långt: det har {length} tecken, och Windows tillåter {limit}."},
    {PathTooLongReason, "Sökvägen är för lång: den har {length} tecken, och Windows tillåter här {limit}."},
    {DeviceNameReason, "Windows reserverar namnet ”{name}” för en enhet."},
    {DriveMissingReason, "Enheten {drive} finns inte."},
    {NetworkFolderMissingReason, "Det går inte att nå nätverksmappen {folder}."},
    {FolderOfThatNameReason, "Det finns redan en mapp med det här namnet."},
    {FileInTheWayReason, "{folder} är en fil, inte en mapp."},
    {FolderMissingReason, "Mappen {folder} finns inte."},
    {FolderTakesNoFilesReason, "Windows tillåter inte att nya filer eller mappar skapas i {folder}."},
    {BadNameReason, "Windows godtar inte det här namnet för en fil."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Skärmbilden kunde inte konverteras till en bild i bildbiblioteket."},
    {NotEncodedReason, "Bildbiblioteket kunde inte koda bilden."},
    {NoThumbnailReason, "Bildbiblioteket kunde inte skala ned bilden till en miniatyr."},
    {EmptyFileReason, "Filen är tom efter skrivningen."},
    {NoMemoryToConvertReason, "Det finns inte tillräckligt med minne för att konvertera skärmbilden."},
    {PictureUnreadableReason, "Skärmbildens pixlar kunde inte läsas."},
    {LibraryWriteFailedReason, "Bildbiblioteket kunde inte skriva filen."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nKör snapwright.exe --help för att se alternativen."},
    {UnknownOptionError, "Okänt alternativ ”{option}”."},
    {UnexpectedArgumentError, "Oväntat argument ”{argument}”."},
    {OptionTwiceError, "”{option}” anges två gånger."},
    {OptionNeedsValueError, "”{option}” behöver ett värde."},
    {OptionTakesNoValueError, "”{option}” tar inget värde."},
    {DelayValueError, "--delay tar sekunder från 0 till 3600, till exempel 2 eller 0.5, inte ”{value}”."},
    {ToValueError, "--to tar clipboard, print, save, send eller editor, inte ”{value}”."},
    {FileNeedsPathError, "--file behöver en sökväg."},
    {FormatValueError, "--format tar bmp, jpg, png, tif eller mng, inte ”{value}”."},
    {ThumbnailValueError, "--thumbnail tar en procentsats från 10 till 50, inte ”{value}”."},
    {OneCaptureError, "Ange bara en sorts skärmbild, inte {first} och {second}."},
    {NoCaptureError, "Ange vad som ska tas: --screen, --window eller --region."},
    {NeedsFileError, "{option} behöver --file."},
    {FileWithSaveError, "--file kan inte användas med --to save: dialogrutan Spara frågar själv efter filen."},
    {FormatMismatchError, "--format {format} passar inte till filen ”{file}”."},
    {UnknownFormatError, "Formatet för ”{file}” är okänt: ange --format eller ett filnamnstillägg (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Filen finns redan; --overwrite ersätter den."},
    {ThumbnailExistsError, "Miniatyren finns redan; --overwrite ersätter den."},
    {CommandFailedMessage, "Snapwright kunde inte utföra kommandot: {reason}"},
    {ScreenUnreadableMessage, "Snapwright kunde inte ta skärmbilden: skärmen kunde inte läsas."},
    {NoWindowInFrontMessage, "Snapwright kunde inte ta skärmbilden: det finns inget fönster i förgrunden, eller det kunde inte läsas."},
    {NoRegionHereMessage, "Snapwright kan inte ta ett område här."},
    {RegionInUseMessage, "Ett område dras redan, och Snapwright drar ett i taget. Slutför eller avbryt det (Esc) och ge sedan kommandot igen."},
    {ClipboardHeldMessage, "Snapwright kunde inte lägga skärmbilden i Urklipp: ett annat program håller det."},
    {NotHandedOnMessage, "Snapwright kunde inte lämna skärmbilden vidare."},
    {PageWaitsMessage, "Sidan väntar på sin andra skärmbild."},
    {PageOfTwoAloneMessage, "Sidan rymmer två skärmbilder, och utan Snapwright i meddelandefältet kommer ingen andra: inget skrivs ut. Starta Snapwright först, eller välj en sida med en skärmbild i alternativen."},
    {TrayProgramSilentMessage, "Snapwright körs i meddelandefältet men svarar inte."},
    {TrayProgramEndedMessage, "Snapwright avslutades innan kommandot var klart."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Skärmbilden i Snapwrights redigerare har ändringar som inte har sparats."},
});

}  // namespace snapwright::language_rows
