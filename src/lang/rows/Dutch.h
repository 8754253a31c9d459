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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Venster met scrollen"},
    {ScrollingUnreadableMessage, "Snapwright kon de schermafbeelding niet maken: er staat geen venster op de voorgrond, of het kon niet worden gelezen."},
    {ScrollingNoteHeading, "Scrollen… Esc stopt"},
    {ScrollingNoteCount, "{pixels} pixels vastgelegd"},
    {ScrollingDoesNotScrollMessage, "Het venster scrolt niet: de afbeelding toont het zoals het is."},
    {ScrollingHeightLimitMessage, "De maximale hoogte is bereikt: de afbeelding eindigt bij {pixels} pixels."},
    {ScrollingWindowLostMessage, "Het venster is tijdens het scrollen gesloten of verplaatst: de afbeelding bevat wat tot dan toe was vastgelegd."},

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
});

}  // namespace snapwright::language_rows
