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
    {NotRunningCaption, "Schermafbeelding verzenden naar"},
    {NotRunningQuestion, "is niet gestart. Nu starten?"},

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

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Schermafbeelding opslaan als ..."},
    {FileFormatFrame, "bestandsformaat kiezen"},
    {ThumbnailBox, "miniatuur maken"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informatie"},
    {OptionsMenuItem, "Opties"},
    {CloseMenuItem, "Menu sluiten"},
    {ExitMenuItem, "Afsluiten"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
