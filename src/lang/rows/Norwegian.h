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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright kunne ikke lagre skjermbildet som\n{file}\n\n{reason}\n\nSkjermbildet ligger fortsatt på utklippstavlen."},
    {FolderFailedMessage, "Snapwright kunne ikke opprette mappen for skjermbildet:\n{folder}\n\n{reason}\n\nSkjermbildet ligger fortsatt på utklippstavlen."},
    {SaveRefusedMessage, "Snapwright kan ikke lagre skjermbildet som\n{file}\n\n{reason}\n\nVelg et annet navn."},
    {ReplaceFileQuestion, "{file}\nfinnes allerede.\n\nVil du erstatte den?"},
    {ReplaceFilesQuestion, "Disse filene finnes allerede:\n{files}\n\nVil du erstatte dem?"},
    {SaveDialogTitle, "Lagre skjermbilde"},
    {NoScreenshotToSaveMessage, "Det finnes ikke noe skjermbilde å lagre."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Banen angir en mappe, men ingen fil."},
    {ForbiddenCharacterReason, "Navnet inneholder et tegn som Windows ikke tillater: «{character}»."},
    {NameTooLongReason, "Navnet er for langt: Det har {length} tegn, og Windows tillater {limit}."},
    {PathTooLongReason, "Banen er for lang: Den har {length} tegn, og Windows tillater {limit} her."},
    {DeviceNameReason, "Windows reserverer navnet «{name}» for en enhet."},
    {DriveMissingReason, "Stasjonen {drive} finnes ikke."},
    {NetworkFolderMissingReason, "Nettverksmappen {folder} kan ikke nås."},
    {FolderOfThatNameReason, "Det finnes allerede en mappe med dette navnet."},
    {FileInTheWayReason, "{folder} er en fil, ikke en mappe."},
    {FolderMissingReason, "Mappen {folder} finnes ikke."},
    {FolderTakesNoFilesReason, "Windows tillater ikke at nye filer eller mapper opprettes i {folder}."},
    {BadNameReason, "Windows godtar ikke dette navnet på en fil."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Skjermbildet kunne ikke konverteres til et bilde i bildebiblioteket."},
    {NotEncodedReason, "Bildebiblioteket kunne ikke kode bildet."},
    {NoThumbnailReason, "Bildebiblioteket kunne ikke skalere ned bildet til et miniatyrbilde."},
    {EmptyFileReason, "Filen er tom etter skrivingen."},
    {NoMemoryToConvertReason, "Det er ikke nok minne til å konvertere skjermbildet."},
    {PictureUnreadableReason, "Pikslene i skjermbildet kunne ikke leses."},
    {LibraryWriteFailedReason, "Bildebiblioteket kunne ikke skrive filen."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nKjør snapwright.exe --help for å se alternativene."},
    {UnknownOptionError, "Ukjent alternativ «{option}»."},
    {UnexpectedArgumentError, "Uventet argument «{argument}»."},
    {OptionTwiceError, "«{option}» er angitt to ganger."},
    {OptionNeedsValueError, "«{option}» trenger en verdi."},
    {OptionTakesNoValueError, "«{option}» tar ingen verdi."},
    {DelayValueError, "--delay tar sekunder fra 0 til 3600, for eksempel 2 eller 0.5, ikke «{value}»."},
    {ToValueError, "--to tar clipboard, print, save, send eller editor, ikke «{value}»."},
    {FileNeedsPathError, "--file trenger en bane."},
    {FormatValueError, "--format tar bmp, jpg, png, tif eller mng, ikke «{value}»."},
    {ThumbnailValueError, "--thumbnail tar en prosent fra 10 til 50, ikke «{value}»."},
    {OneCaptureError, "Angi bare ett slags skjermbilde, ikke {first} og {second}."},
    {NoCaptureError, "Angi hva som skal tas: --screen, --window eller --region."},
    {NeedsFileError, "{option} trenger --file."},
    {FileWithSaveError, "--file kan ikke brukes med --to save: Dialogboksen Lagre spør selv etter filen."},
    {FormatMismatchError, "--format {format} passer ikke til filen «{file}»."},
    {UnknownFormatError, "Formatet til «{file}» er ukjent: Angi --format eller en filtype (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Filen finnes allerede; --overwrite erstatter den."},
    {ThumbnailExistsError, "Miniatyrbildet finnes allerede; --overwrite erstatter det."},
    {CommandFailedMessage, "Snapwright kunne ikke utføre kommandoen: {reason}"},
    {ScreenUnreadableMessage, "Snapwright kunne ikke ta skjermbildet: Skjermen kunne ikke leses."},
    {NoWindowInFrontMessage, "Snapwright kunne ikke ta skjermbildet: Det er ikke noe vindu i forgrunnen, eller det kunne ikke leses."},
    {NoRegionHereMessage, "Snapwright kan ikke ta et område her."},
    {RegionInUseMessage, "Et område blir allerede dratt, og Snapwright drar ett om gangen. Fullfør eller avbryt det (Esc), og gi deretter kommandoen på nytt."},
    {ClipboardHeldMessage, "Snapwright kunne ikke legge skjermbildet på utklippstavlen: Et annet program holder den."},
    {NotHandedOnMessage, "Snapwright kunne ikke gi skjermbildet videre."},
    {PageWaitsMessage, "Siden venter på sitt andre skjermbilde."},
    {PageOfTwoAloneMessage, "Siden har plass til to skjermbilder, og uten Snapwright i systemstatusfeltet kommer det ikke noe andre: Ingenting skrives ut. Start Snapwright først, eller velg en side med ett skjermbilde i innstillingene."},
    {TrayProgramSilentMessage, "Snapwright kjører i systemstatusfeltet, men svarer ikke."},
    {TrayProgramEndedMessage, "Snapwright ble avsluttet før kommandoen var ferdig."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Skjermbildet i Snapwright-redigeringsprogrammet har endringer som ikke er lagret."},
});

}  // namespace snapwright::language_rows
