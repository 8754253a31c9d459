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
    {KeysButton, "&Tasti…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Salva la schermata con nome ..."},
    {FileFormatFrame, "scegli il formato del file"},
    {ThumbnailBox, "crea miniatura"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informazioni"},
    {OptionsMenuItem, "Opzioni"},
    {CloseMenuItem, "Chiudi il menu"},
    {ExitMenuItem, "Esci"},
    {ScreenMenuItem, "Schermo"},
    {WindowMenuItem, "Finestra in primo piano"},
    {RegionMenuItem, "Area"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright è già in esecuzione: la sua icona è nell’area di notifica."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Salvare le modifiche a questo file?"},
    {EditorQuitCaption, "Esci dal programma"},
    {EditorDiscardQuestion, "Scartare davvero questo file?"},
    {EditorNewFileCaption, "Nuovo file"},
    {EditorOpenFileCaption, "Apri file"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Stampa lo schermo"},
    {PrintWindowAction, "Stampa la finestra in primo piano"},
    {SaveScreenAction, "Salva lo schermo"},
    {SaveWindowAction, "Salva la finestra in primo piano"},
    {SendScreenAction, "Invia lo schermo"},
    {SendWindowAction, "Invia la finestra in primo piano"},
    {RegionAction, "Traccia un’area per l’editor"},
    {KeysCaption, "Tasti"},
    {KeysIntroLabel, "Fai clic su un campo e premi i tasti. I tasti che scrivono o si muovono in un testo richiedono Ctrl o Alt. Togli il segno da una casella per disattivarne l’azione."},
    {KeyDefaultsButton, "&Predefiniti"},
    {KeyTakenMessage, "{key} è già usato da un altro programma."},
    {KeysTakenMessage, "Questi tasti sono già usati da altri programmi: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "L’acquisizione schermo di Windows occupa il tasto Stamp (Impostazioni › Accessibilità › Tastiera › “Usa il tasto Stamp per aprire l’acquisizione schermo”)."},
    {RunsWithoutKeysMessage, "Snapwright funziona comunque, e anche il menu della sua icona nell’area di notifica acquisisce schermate."},
    {WhereToChooseKeysMessage, "Altri tasti si scelgono in quel menu in {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Disattivare ora per questo utente l’acquisizione schermo di Windows sul tasto Stamp?"},
    {ChooseAnotherKeyMessage, "Scegli un altro tasto o disattiva l’azione."},
    {SharedKeyMessage, "{key} è scelto due volte: per “{first}” e per “{second}”. Scegli un altro tasto per una delle due."},
    {WindowsCaptureNotSwitchedOff, "Non è stato possibile disattivare l’acquisizione schermo di Windows sul tasto Stamp. Disattivala in Impostazioni › Accessibilità › Tastiera."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Finestra con scorrimento"},
    {ScrollingUnreadableMessage, "Snapwright non ha potuto acquisire la schermata: non c'è alcuna finestra in primo piano, oppure non è stato possibile leggerla."},
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
