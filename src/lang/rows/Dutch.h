#pragma once
#include "lang/LanguageRow.h"

// Dutch, language 4.
namespace snapwright::language_rows {

inline constexpr LanguageRow kDutch = Row("Nederlands", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "A&nnuleren"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Over Snapwright™"},
    {AboutCopyright, "Copyright © 2002 de auteurs van Snapwright. Alle rechten voorbehouden."},
    {AboutDisclaimer, "Dit programma wordt beschermd door het Duitse en internationale auteursrecht."},
    {UpdateButton, "&Bijwerken ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Schermafbeelding verzenden naar ..."},
    {AskApplicationFrame, "Kies een toepassing"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Schermafbeelding verzenden naar {program}"},
    {NotRunningQuestion, "{program} is niet gestart. Nu starten?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Snapwright™ Opties"},
    {PrintFrame, "Afdrukken"},
    {DefaultPrinterOption, "afdrukken op de standaardprinter"},
    {ChoosePrinterOption, "printerkeuze tonen"},
    {SaveFrame, "Opslaan"},
    {SaveToProgramFolderOption, "altijd in de installatiemap opslaan met de standaardbestandsnaam"},
    {AskForFileOption, "altijd naar doelmap en bestandsnaam vragen"},
    {SendFrame, "Naar toepassing verzenden"},
    {SendToOfficeOption, "schermafbeelding verzenden naar"},
    {AskAtSendOption, "naar het doelprogramma vragen"},
    {PrintFormatFrame, "Afdrukformaat"},
    {HeaderFooterFrame, "Tijdstempel en voettekst"},
    {PrintTimestampBox, "tijdstempel afdrukken"},
    {PrintUserNameBox, "Gebruikersnaam"},
    {PrintComputerNameBox, "Computernaam"},
    {PrintFooterBox, "reclame in voettekst afdrukken"},
    {LanguageFrame, "Taal"},
    {SelectLanguageLabel, "taal kiezen"},
    {DefaultsButton, "&Standaardinstellingen"},
    {SaveButton, "&Opslaan"},
    {KeysButton, "&Toetsen…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Schermafbeelding opslaan als ..."},
    {FileFormatFrame, "bestandsformaat kiezen"},
    {ThumbnailBox, "miniatuur maken"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informatie"},
    {OptionsMenuItem, "Opties"},
    {CloseMenuItem, "Menu sluiten"},
    {ExitMenuItem, "Afsluiten"},
    {ScreenMenuItem, "Scherm"},
    {WindowMenuItem, "Venster op de voorgrond"},
    {RegionMenuItem, "Gebied"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright wordt al uitgevoerd: het pictogram staat in het systeemvak."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Wijzigingen in dit bestand opslaan?"},
    {EditorQuitCaption, "Programma afsluiten"},
    {EditorDiscardQuestion, "Dit bestand echt verwerpen?"},
    {EditorNewFileCaption, "Nieuw bestand"},
    {EditorOpenFileCaption, "Bestand openen"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Scherm afdrukken"},
    {PrintWindowAction, "Venster op de voorgrond afdrukken"},
    {SaveScreenAction, "Scherm opslaan"},
    {SaveWindowAction, "Venster op de voorgrond opslaan"},
    {SendScreenAction, "Scherm verzenden"},
    {SendWindowAction, "Venster op de voorgrond verzenden"},
    {RegionAction, "Gebied voor de editor trekken"},
    {KeysCaption, "Toetsen"},
    {KeysIntroLabel, "Klik in een veld en druk op de toetsen. Toetsen die typen of in een tekst bewegen, hebben Ctrl of Alt nodig. Schakel een vakje uit om de actie uit te zetten."},
    {KeyDefaultsButton, "&Standaard"},
    {KeyTakenMessage, "{key} wordt al door een ander programma gebruikt."},
    {KeysTakenMessage, "Deze toetsen worden al door andere programma’s gebruikt: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "De schermopname van Windows bezet de Print Screen-toets (Instellingen › Toegankelijkheid › Toetsenbord › ‘De Print Screen-toets gebruiken om schermopname te openen’)."},
    {RunsWithoutKeysMessage, "Snapwright werkt toch, en het menu van zijn pictogram in het systeemvak maakt ook schermafbeeldingen."},
    {WhereToChooseKeysMessage, "Andere toetsen kiest u in dat menu onder {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "De schermopname van Windows op de Print Screen-toets nu voor deze gebruiker uitschakelen?"},
    {ChooseAnotherKeyMessage, "Kies een andere toets of schakel de actie uit."},
    {SharedKeyMessage, "{key} is twee keer gekozen: voor ‘{first}’ en voor ‘{second}’. Kies voor een van beide een andere toets."},
    {WindowsCaptureNotSwitchedOff, "De schermopname van Windows op de Print Screen-toets kon niet worden uitgeschakeld. Schakel deze uit onder Instellingen › Toegankelijkheid › Toetsenbord."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright kan dit bestand niet openen:\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Het bestand is geen afbeelding in een indeling die Snapwright leest (BMP, JPEG, PNG, MNG, TIFF), of het kan niet worden gelezen."},
    {DamagedPictureReason, "De afbeelding in het bestand kan niet worden gelezen; het bestand is mogelijk beschadigd."},
    {PictureWithoutSizeReason, "Het bestand geeft geen grootte voor de afbeelding op; het bestand is mogelijk beschadigd."},
    {PictureTooLargeReason, "De afbeelding is {size} pixels. Snapwright opent afbeeldingen van maximaal {limit} pixels per zijde."},
    {PictureNeedsTooMuchMemoryReason, "De afbeelding is {size} pixels en heeft ongeveer {megabytes} MB geheugen nodig om te openen, meer dan Snapwright nu kan krijgen."},
    {NoMemoryForPictureReason, "Er is onvoldoende geheugen om een afbeelding van deze grootte weer te geven."},
    {UnsupportedPictureReason, "Snapwright kan dit soort afbeelding niet weergeven (de kleuren zijn bijvoorbeeld niet als gehele getallen opgeslagen)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright kon de schermafbeelding niet opslaan als\n{file}\n\n{reason}\n\nDe schermafbeelding staat nog op het klembord."},
    {FolderFailedMessage, "Snapwright kon de map voor de schermafbeelding niet maken:\n{folder}\n\n{reason}\n\nDe schermafbeelding staat nog op het klembord."},
    {SaveRefusedMessage, "Snapwright kan de schermafbeelding niet opslaan als\n{file}\n\n{reason}\n\nKies een andere naam."},
    {ReplaceFileQuestion, "{file}\nbestaat al.\n\nWilt u het bestand vervangen?"},
    {ReplaceFilesQuestion, "Deze bestanden bestaan al:\n{files}\n\nWilt u ze vervangen?"},
    {SaveDialogTitle, "Schermafbeelding opslaan"},
    {NoScreenshotToSaveMessage, "Er is geen schermafbeelding om op te slaan."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Het pad noemt een map, maar geen bestand."},
    {ForbiddenCharacterReason, "De naam bevat een teken dat Windows niet toestaat: ‘{character}’."},
    {NameTooLongReason, "De naam is te lang: hij heeft {length} tekens, en Windows staat er {limit} toe."},
    {PathTooLongReason, "Het pad is te lang: het heeft {length} tekens, en Windows staat er hier {limit} toe."},
    {DeviceNameReason, "Windows reserveert de naam ‘{name}’ voor een apparaat."},
    {DriveMissingReason, "Station {drive} bestaat niet."},
    {NetworkFolderMissingReason, "De netwerkmap {folder} is niet bereikbaar."},
    {FolderOfThatNameReason, "Er bestaat al een map met deze naam."},
    {FileInTheWayReason, "{folder} is een bestand, geen map."},
    {FolderMissingReason, "De map {folder} bestaat niet."},
    {FolderTakesNoFilesReason, "Windows staat niet toe dat in {folder} nieuwe bestanden of mappen worden gemaakt."},
    {BadNameReason, "Windows accepteert deze naam niet voor een bestand."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "De schermafbeelding kan niet worden omgezet in een afbeelding van de afbeeldingsbibliotheek."},
    {NotEncodedReason, "De afbeeldingsbibliotheek kan de afbeelding niet coderen."},
    {NoThumbnailReason, "De afbeeldingsbibliotheek kan de afbeelding niet verkleinen tot een miniatuur."},
    {EmptyFileReason, "Het bestand is leeg na het schrijven."},
    {NoMemoryToConvertReason, "Er is niet genoeg geheugen om de schermafbeelding om te zetten."},
    {PictureUnreadableReason, "De pixels van de schermafbeelding kunnen niet worden gelezen."},
    {LibraryWriteFailedReason, "De afbeeldingsbibliotheek kan het bestand niet schrijven."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nVoer snapwright.exe --help uit om de opties te zien."},
    {UnknownOptionError, "Onbekende optie ‘{option}’."},
    {UnexpectedArgumentError, "Onverwacht argument ‘{argument}’."},
    {OptionTwiceError, "‘{option}’ is twee keer opgegeven."},
    {OptionNeedsValueError, "‘{option}’ heeft een waarde nodig."},
    {OptionTakesNoValueError, "‘{option}’ neemt geen waarde."},
    {DelayValueError, "--delay neemt seconden van 0 tot 3600, zoals 2 of 0.5, niet ‘{value}’."},
    {ToValueError, "--to neemt clipboard, print, save, send of editor, niet ‘{value}’."},
    {FileNeedsPathError, "--file heeft een pad nodig."},
    {FormatValueError, "--format neemt bmp, jpg, png, tif of mng, niet ‘{value}’."},
    {ThumbnailValueError, "--thumbnail neemt een percentage van 10 tot 50, niet ‘{value}’."},
    {OneCaptureError, "Geef maar één opname, niet {first} en {second}."},
    {NoCaptureError, "Geef een opname: --screen, --window of --region."},
    {NeedsFileError, "{option} heeft --file nodig."},
    {FileWithSaveError, "--file kan niet samen met --to save: het dialoogvenster Opslaan vraagt zelf om het bestand."},
    {FormatMismatchError, "--format {format} past niet bij het bestand ‘{file}’."},
    {UnknownFormatError, "De indeling van ‘{file}’ is onbekend: geef --format of een extensie (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Het bestand bestaat al; --overwrite vervangt het."},
    {ThumbnailExistsError, "De miniatuur bestaat al; --overwrite vervangt die."},
    {CommandFailedMessage, "Snapwright kon de opdracht niet uitvoeren: {reason}"},
    {ScreenUnreadableMessage, "Snapwright kon de schermafbeelding niet maken: het scherm kan niet worden gelezen."},
    {NoWindowInFrontMessage, "Snapwright kon de schermafbeelding niet maken: er is geen venster op de voorgrond, of het kan niet worden gelezen."},
    {NoRegionHereMessage, "Snapwright kan hier geen gebied vastleggen."},
    {RegionInUseMessage, "Er wordt al een gebied getrokken, en Snapwright trekt er één tegelijk. Maak dat af of annuleer het (Esc) en geef de opdracht daarna opnieuw."},
    {ClipboardHeldMessage, "Snapwright kon de schermafbeelding niet op het klembord zetten: een ander programma houdt het bezet."},
    {NotHandedOnMessage, "Snapwright kon de schermafbeelding niet doorgeven."},
    {PageWaitsMessage, "De pagina wacht op haar tweede schermafbeelding."},
    {PageOfTwoAloneMessage, "De pagina bevat twee schermafbeeldingen, en zonder Snapwright in het systeemvak komt er geen tweede: er wordt niets afgedrukt. Start eerst Snapwright, of kies in de opties een pagina met één schermafbeelding."},
    {TrayProgramSilentMessage, "Snapwright wordt uitgevoerd in het systeemvak, maar reageert niet."},
    {TrayProgramEndedMessage, "Snapwright is afgesloten voordat de opdracht klaar was."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "De schermafbeelding in de Snapwright-editor heeft wijzigingen die niet zijn opgeslagen."},
});

}  // namespace snapwright::language_rows
