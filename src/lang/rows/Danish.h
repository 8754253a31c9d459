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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright kunne ikke gemme skærmbilledet som\n{file}\n\n{reason}\n\nSkærmbilledet ligger stadig i Udklipsholder."},
    {FolderFailedMessage, "Snapwright kunne ikke oprette mappen til skærmbilledet:\n{folder}\n\n{reason}\n\nSkærmbilledet ligger stadig i Udklipsholder."},
    {SaveRefusedMessage, "Snapwright kan ikke gemme skærmbilledet som\n{file}\n\n{reason}\n\nVælg et andet navn."},
    {ReplaceFileQuestion, "{file}\nfindes allerede.\n\nVil du erstatte den?"},
    {ReplaceFilesQuestion, "Disse filer findes allerede:\n{files}\n\nVil du erstatte dem?"},
    {SaveDialogTitle, "Gem skærmbillede"},
    {NoScreenshotToSaveMessage, "Der er intet skærmbillede at gemme."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Stien angiver en mappe, men ingen fil."},
    {ForbiddenCharacterReason, "Navnet indeholder et tegn, som Windows ikke tillader: »{character}«."},
    {NameTooLongReason, "Navnet er for langt: Det har {length} tegn, og Windows tillader {limit}."},
    {PathTooLongReason, "Stien er for lang: Den har {length} tegn, og Windows tillader her {limit}."},
    {DeviceNameReason, "Windows reserverer navnet »{name}« til en enhed."},
    {DriveMissingReason, "Drevet {drive} findes ikke."},
    {NetworkFolderMissingReason, "Netværksmappen {folder} kan ikke nås."},
    {FolderOfThatNameReason, "Der findes allerede en mappe med dette navn."},
    {FileInTheWayReason, "{folder} er en fil, ikke en mappe."},
    {FolderMissingReason, "Mappen {folder} findes ikke."},
    {FolderTakesNoFilesReason, "Windows tillader ikke, at der oprettes nye filer eller mapper i {folder}."},
    {BadNameReason, "Windows accepterer ikke dette navn til en fil."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Skærmbilledet kunne ikke konverteres til et billede i billedbiblioteket."},
    {NotEncodedReason, "Billedbiblioteket kunne ikke kode billedet."},
    {NoThumbnailReason, "Billedbiblioteket kunne ikke skalere billedet ned til en miniature."},
    {EmptyFileReason, "Filen er tom efter skrivningen."},
    {NoMemoryToConvertReason, "Der er ikke nok hukommelse til at konvertere skærmbilledet."},
    {PictureUnreadableReason, "Skærmbilledets pixel kunne ikke læses."},
    {LibraryWriteFailedReason, "Billedbiblioteket kunne ikke skrive filen."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nKør snapwright.exe --help for at se parametrene."},
    {UnknownOptionError, "Ukendt parameter »{option}«."},
    {UnexpectedArgumentError, "Uventet argument »{argument}«."},
    {OptionTwiceError, "»{option}« er angivet to gange."},
    {OptionNeedsValueError, "»{option}« kræver en værdi."},
    {OptionTakesNoValueError, "»{option}« tager ingen værdi."},
    {DelayValueError, "--delay tager sekunder fra 0 til 3600, f.eks. 2 eller 0.5, ikke »{value}«."},
    {ToValueError, "--to tager clipboard, print, save, send eller editor, ikke »{value}«."},
    {FileNeedsPathError, "--file kræver en sti."},
    {FormatValueError, "--format tager bmp, jpg, png, tif eller mng, ikke »{value}«."},
    {ThumbnailValueError, "--thumbnail tager en procentdel fra 10 til 50, ikke »{value}«."},
    {OneCaptureError, "Angiv kun én optagelse, ikke {first} og {second}."},
    {NoCaptureError, "Angiv en optagelse: --screen, --window eller --region."},
    {NeedsFileError, "{option} kræver --file."},
    {FileWithSaveError, "--file kan ikke bruges med --to save: Dialogboksen Gem spørger selv efter filen."},
    {FormatMismatchError, "--format {format} passer ikke til filen »{file}«."},
    {UnknownFormatError, "Formatet af »{file}« er ukendt: Angiv --format eller et filtypenavn (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Filen findes allerede; --overwrite erstatter den."},
    {ThumbnailExistsError, "Miniaturen findes allerede; --overwrite erstatter den."},
    {CommandFailedMessage, "Snapwright kunne ikke udføre kommandoen: {reason}"},
    {ScreenUnreadableMessage, "Snapwright kunne ikke tage skærmbilledet: Skærmen kunne ikke læses."},
    {NoWindowInFrontMessage, "Snapwright kunne ikke tage skærmbilledet: Der er intet vindue i forgrunden, eller det kunne ikke læses."},
    {NoRegionHereMessage, "Snapwright kan ikke tage et område her."},
    {RegionInUseMessage, "Der trækkes allerede et område, og Snapwright trækker ét ad gangen. Gør det færdigt, eller annuller det (Esc), og giv så kommandoen igen."},
    {ClipboardHeldMessage, "Snapwright kunne ikke lægge skærmbilledet i Udklipsholder: Et andet program holder den."},
    {NotHandedOnMessage, "Snapwright kunne ikke videregive skærmbilledet."},
    {PageWaitsMessage, "Siden venter på sit andet skærmbillede."},
    {PageOfTwoAloneMessage, "Siden rummer to skærmbilleder, og uden Snapwright i meddelelsesområdet kommer der intet andet: Der udskrives intet. Start Snapwright først, eller vælg en side med ét skærmbillede i indstillingerne."},
    {TrayProgramSilentMessage, "Snapwright kører i meddelelsesområdet, men svarer ikke."},
    {TrayProgramEndedMessage, "Snapwright blev afsluttet, før kommandoen var udført."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Skærmbilledet i Snapwright-editoren har ændringer, der ikke er gemt."},
});

}  // namespace snapwright::language_rows
