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
    {AboutWindowTitle, "Over Snapwright"},
    {AboutVersionLabel, "Versie {version}"},
    {CreditsButton, "Met dank aan..."},
    {CreditsCaption, "Met dank aan"},
    {CreditsAuthors, "Snapwright™ door de auteurs van Snapwright, 2002-2006"},
    {CreditsLibrary, "Afbeeldingsbestanden worden gelezen en geschreven met de bibliotheek FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Vertalingen:\r\nGrieks: de vertaler van Snapwright voor het Grieks, 2005\r\nTsjechisch: de vertaler van Snapwright voor het Tsjechisch, 2005\r\nSpaans: de vertaler van Snapwright voor het Spaans, 2006\r\nFrans: de vertaler van Snapwright voor het Frans, 2006\r\nDuits en Engels: de auteurs van Snapwright, 2002-2006\r\nAndere talen: de auteurs van Snapwright, met een programma voor automatische vertaling"},
    {CreditsThanks, "Veel dank aan cppreference.com, winehq.org, learn.microsoft.com en de MSDN Library,\r\nen aan alle andere websites over programmeren."},

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
    {OptionsWindowTitle, "Opties voor Snapwright"},
    {SendToEditorOption, "Snapwright™-editor"},
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
    {StartOptionsHint, "Klik met de rechtermuisknop op het pictogram op de taakbalk en kies \"{item}\" om Snapwright™ in te stellen."},
    {ShowAtStartupBox, "Dit scherm bij het opstarten weergeven"},
    {AlreadyRunningMessage, "Snapwright wordt al uitgevoerd: het pictogram staat in het systeemvak."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Wijzigingen in dit bestand opslaan?"},
    {EditorQuitCaption, "Programma afsluiten"},
    {EditorDiscardQuestion, "Dit bestand echt verwerpen?"},
    {EditorNewFileCaption, "Nieuw bestand"},
    {EditorOpenFileCaption, "Bestand openen"},
    {EditorNewButton, "Nieuw"},
    {EditorNewTip, "Nieuw: beginnen met een lege afbeelding"},
    {EditorRegionButton, "Gebied"},
    {EditorRegionTip, "Gebied: een gebied van het scherm vastleggen als nieuwe afbeelding"},
    {EditorOpenButton, "Openen"},
    {EditorOpenTip, "Een afbeeldingsbestand openen"},
    {EditorSaveButton, "Opslaan"},
    {EditorSaveTip, "De afbeelding opslaan"},
    {EditorPrintButton, "Afdrukken"},
    {EditorPrintTip, "De afbeelding afdrukken"},
    {EditorCopyButton, "Kopiëren"},
    {EditorCopyTip, "De afbeelding naar het klembord kopiëren"},
    {EditorSendTip, "De afbeelding naar {program} verzenden"},
    {EditorUndoButton, "Ongedaan maken"},
    {EditorUndoTip, "De laatste wijziging ongedaan maken"},
    {EditorZoomButton, "Zoomen"},
    {EditorZoomTip, "Zoomen: sleep over een gebied of klik op twee hoeken en klik dan waar de vergroting moet komen"},
    {EditorCropButton, "Bijsnijden"},
    {EditorCropTip, "Bijsnijden: klik waar de dichtstbijzijnde hoek van de afbeelding naartoe moet"},
    {EditorFrameButton, "Kader"},
    {EditorFrameTip, "Kader: sleep van hoek tot hoek of klik op twee tegenoverliggende hoeken"},
    {EditorEllipseButton, "Ellips"},
    {EditorEllipseTip, "Ellips: sleep van hoek tot hoek of klik op twee tegenoverliggende hoeken"},
    {EditorTextButton, "Tekst"},
    {EditorTextTip, "Tekst: klik of sleep een vak en typ; Enter voegt de tekst in, Shift+Enter begint een nieuwe regel, Esc verwijdert hem"},
    {EditorArrowButton, "Pijl"},
    {EditorArrowTip, "Pijl: sleep van de staart naar de punt"},
    {EditorHighlightButton, "Markeerstift"},
    {EditorHighlightTip, "Markeerstift: sleep over wat moet opvallen"},
    {EditorRedactButton, "Zwartlakken"},
    {EditorRedactTip, "Zwartlakken: sleep over wat niemand mag lezen; houd Shift ingedrukt bij het loslaten om het volledig te vullen"},
    {EditorStrengthLabel, "Dikte:"},
    {EditorStrengthTip, "Lijndikte van kaders, ellipsen en pijlen; blokgrootte bij zwartlakken"},
    {EditorTextSizeLabel, "Grootte:"},
    {EditorTextSizeTip, "Hoogte van de tekst"},
    {EditorColourButton, "Kleur"},
    {EditorColourTip, "Kleur van kaders, ellipsen, tekst, pijlen en markeringen"},
    {EditorHelpButton, "Help"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Schermafbeelding openen"},
    {EditorNothingToHandOnMessage, "Er staat geen afbeelding in de editor om door te geven."},
    {EditorPageWaitsMessage, "De pagina bevat twee schermafbeeldingen: deze afbeelding is de eerste en de pagina wacht op de tweede.\r\n\r\nKlik nogmaals op Afdrukken of maak een schermafbeelding met de toets Print Screen, en de pagina wordt afgedrukt."},
    {EditorCopyFailedMessage, "Snapwright kon de afbeelding niet op het klembord plaatsen."},
    {EditorNoMemoryMessage, "Snapwright kon de afbeelding niet wijzigen: het systeem heeft te weinig geheugen over."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-gebied"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright kon de schermafbeelding niet afdrukken: er is geen printer geïnstalleerd. De laatste schermafbeelding staat nog op het klembord."},
    {PrintPrinterUnusableMessage, "Snapwright kon de schermafbeelding niet afdrukken: de printer \"{printer}\" kan niet worden gebruikt. Controleer of deze is geïnstalleerd en gereed is, of kies een andere printer. De laatste schermafbeelding staat nog op het klembord."},
    {PrintFailedMessage, "Snapwright kon de schermafbeelding niet afdrukken op de printer \"{printer}\". De laatste schermafbeelding staat nog op het klembord."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright kon de schermafbeelding niet naar {program} verzenden: {reason}\r\n\r\nDe schermafbeelding staat op het klembord: u kunt deze zelf in {program} plakken."},
    {SendClipboardFailedMessage, "Snapwright kon de afbeelding niet op het klembord plaatsen en kan deze dus niet naar {program} verzenden."},
    {AutomationNotInstalledReason, "het is niet geïnstalleerd, of de automatiseringsklasse \"{member}\" is niet geregistreerd"},
    {AutomationUnreachableReason, "de actieve instantie kon niet worden bereikt"},
    {AutomationNotStartedReason, "het kon niet worden gestart"},
    {AutomationUnknownMemberReason, "het kent \"{member}\" niet"},
    {AutomationBusyReason, "het reageert niet (het is mogelijk bezet, bijvoorbeeld met een eigen dialoogvenster)"},
    {AutomationClosedReason, "het is gesloten of reageert niet meer"},
    {AutomationRefusedReason, "het heeft \"{member}\" geweigerd ({reason})"},
    {AutomationNoMemoryReason, "er was niet genoeg geheugen voor de aanroep"},
    {AutomationNoObjectReason, "het heeft het object \"{member}\" niet geleverd"},
    {AutomationNotScriptableReason, "de automatiseringsklasse \"{member}\" kan niet op naam worden aangestuurd"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Het Help-bestand is niet gevonden. Snapwright verwacht het hier:\n{file}"},
    {StartFailedMessage, "Snapwright kon niet starten door een interne fout."},

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
