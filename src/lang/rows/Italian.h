#pragma once
#include "lang/LanguageRow.h"

// Italian, language 3.
namespace snapwright::language_rows {

inline constexpr LanguageRow kItalian = Row("Italiano", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "A&nnulla"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Informazioni su Snapwright™"},
    {AboutCopyright, "Copyright © 2002 gli autori di Snapwright. Tutti i diritti riservati."},
    {AboutDisclaimer, "Questo programma è protetto dalle leggi tedesche e internazionali sul diritto d'autore."},
    {UpdateButton, "&Aggiorna ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Invia la schermata a ..."},
    {AskApplicationFrame, "Scegli un'applicazione"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Invia la schermata a {program}"},
    {NotRunningQuestion, "{program} non è in esecuzione. Avviarlo ora?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Opzioni"},
    {PrintFrame, "Stampa"},
    {DefaultPrinterOption, "stampa sulla stampante predefinita"},
    {ChoosePrinterOption, "mostra la scelta della stampante"},
    {SaveFrame, "Salvataggio"},
    {SaveToProgramFolderOption, "salva sempre nella cartella di installazione con il nome file predefinito"},
    {AskForFileOption, "chiedi sempre la cartella di destinazione e il nome del file"},
    {SendFrame, "Invia a un'applicazione"},
    {SendToOfficeOption, "invia la schermata a"},
    {AskAtSendOption, "chiedi il programma di destinazione"},
    {PrintFormatFrame, "Formato di stampa"},
    {HeaderFooterFrame, "Marca temporale e piè di pagina"},
    {PrintTimestampBox, "stampa la marca temporale"},
    {PrintUserNameBox, "Nome utente"},
    {PrintComputerNameBox, "Nome del computer"},
    {PrintFooterBox, "stampa la pubblicità a piè di pagina"},
    {LanguageFrame, "Lingua"},
    {SelectLanguageLabel, "scegli la lingua"},
    {DefaultsButton, "&Impostazioni predefinite"},
    {SaveButton, "&Salva"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Salva la schermata con nome ..."},
    {FileFormatFrame, "scegli il formato del file"},
    {ThumbnailBox, "crea miniatura"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informazioni"},
    {OptionsMenuItem, "Opzioni"},
    {CloseMenuItem, "Chiudi il menu"},
    {ExitMenuItem, "Esci"},

    // -- Start window --

    // -- Editor --
    {EditorSaveChangesQuestion, "Salvare le modifiche a questo file?"},
    {EditorQuitCaption, "Esci dal programma"},
    {EditorDiscardQuestion, "Scartare davvero questo file?"},
    {EditorNewFileCaption, "Nuovo file"},
    {EditorOpenFileCaption, "Apri file"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingNoteHeading, "Scorrimento… Esc interrompe"},
    {ScrollingNoteCount, "{pixels} pixel acquisiti"},
    {ScrollingDoesNotScrollMessage, "La finestra non scorre: l'immagine la mostra così com'è."},
    {ScrollingHeightLimitMessage, "È stata raggiunta l'altezza massima: l'immagine termina a {pixels} pixel."},
    {ScrollingWindowLostMessage, "La finestra è stata chiusa o spostata durante lo scorrimento: l'immagine contiene ciò che era stato acquisito fino ad allora."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright non è riuscito ad aprire\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Il file non è un'immagine in un formato letto da Snapwright (BMP, JPEG, PNG, MNG, TIFF), oppure non può essere letto."},
    {DamagedPictureReason, "Impossibile leggere l'immagine nel file; il file potrebbe essere danneggiato."},
    {PictureWithoutSizeReason, "Il file non indica le dimensioni della sua immagine; il file potrebbe essere danneggiato."},
    {PictureTooLargeReason, "L'immagine è di {size} pixel. Snapwright apre immagini fino a {limit} pixel per lato."},
    {PictureNeedsTooMuchMemoryReason, "L'immagine è di {size} pixel e per essere aperta richiede circa {megabytes} MB di memoria, più di quanta Snapwright possa ottenerne ora."},
    {NoMemoryForPictureReason, "Memoria insufficiente per visualizzare un'immagine di queste dimensioni."},
    {UnsupportedPictureReason, "Snapwright non può visualizzare questo tipo di immagine (ad esempio, i suoi colori non sono memorizzati come numeri interi)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
