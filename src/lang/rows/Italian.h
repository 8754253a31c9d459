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
    {AboutWindowTitle, "Informazioni su Snapwright"},
    {AboutVersionLabel, "Versione {version}"},
    {CreditsButton, "Riconoscimenti..."},
    {CreditsCaption, "Riconoscimenti"},
    {CreditsAuthors, "Snapwright™ degli autori di Snapwright, 2002-2006"},
    {CreditsLibrary, "I file di immagine vengono letti e scritti con la libreria FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Traduzioni:\r\nGreco: il traduttore di Snapwright per il greco, 2005\r\nCeco: il traduttore di Snapwright per il ceco, 2005\r\nSpagnolo: il traduttore di Snapwright per lo spagnolo, 2006\r\nFrancese: il traduttore di Snapwright per il francese, 2006\r\nTedesco e inglese: gli autori di Snapwright, 2002-2006\r\nAltre lingue: gli autori di Snapwright, con uno strumento di traduzione automatica"},
    {CreditsThanks, "Grazie a cppreference.com, winehq.org, learn.microsoft.com e alla MSDN Library,\r\ne a tutti gli altri siti web di programmazione."},

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
    {OptionsWindowTitle, "Opzioni di Snapwright"},
    {SendToEditorOption, "Editor di Snapwright™"},
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
    {StartOptionsHint, "Per configurare Snapwright™, fare clic con il pulsante destro sull'icona della barra delle applicazioni e scegliere \"{item}\"."},
    {ShowAtStartupBox, "Mostra questa schermata all'avvio"},
    {AlreadyRunningMessage, "Snapwright è già in esecuzione: la sua icona è nell’area di notifica."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Salvare le modifiche a questo file?"},
    {EditorQuitCaption, "Esci dal programma"},
    {EditorDiscardQuestion, "Scartare davvero questo file?"},
    {EditorNewFileCaption, "Nuovo file"},
    {EditorOpenFileCaption, "Apri file"},
    {EditorNewButton, "Nuovo"},
    {EditorNewTip, "Nuovo: inizia con un'immagine vuota"},
    {EditorRegionButton, "Area"},
    {EditorRegionTip, "Area: acquisisci un'area dello schermo come nuova immagine"},
    {EditorOpenButton, "Apri"},
    {EditorOpenTip, "Apri un file di immagine"},
    {EditorSaveButton, "Salva"},
    {EditorSaveTip, "Salva l'immagine"},
    {EditorPrintButton, "Stampa"},
    {EditorPrintTip, "Stampa l'immagine"},
    {EditorCopyButton, "Copia"},
    {EditorCopyTip, "Copia l'immagine negli Appunti"},
    {EditorSendTip, "Invia l'immagine a {program}"},
    {EditorUndoButton, "Annulla"},
    {EditorUndoTip, "Annulla l'ultima modifica"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: trascina su un'area o fai clic su due angoli, poi fai clic dove va l'ingrandimento"},
    {EditorCropButton, "Ritaglia"},
    {EditorCropTip, "Ritaglia: fai clic dove deve spostarsi l'angolo più vicino dell'immagine"},
    {EditorFrameButton, "Cornice"},
    {EditorFrameTip, "Cornice: trascina da un angolo all'altro o fai clic su due angoli opposti"},
    {EditorEllipseButton, "Ellisse"},
    {EditorEllipseTip, "Ellisse: trascina da un angolo all'altro o fai clic su due angoli opposti"},
    {EditorTextButton, "Testo"},
    {EditorTextTip, "Testo: fai clic o trascina un riquadro e digita; Invio lo inserisce, Maiusc+Invio inizia una riga, Esc lo annulla"},
    {EditorArrowButton, "Freccia"},
    {EditorArrowTip, "Freccia: trascina dalla coda alla punta"},
    {EditorHighlightButton, "Evidenziatore"},
    {EditorHighlightTip, "Evidenziatore: trascina su ciò che deve risaltare"},
    {EditorRedactButton, "Oscura"},
    {EditorRedactTip, "Oscura: trascina su ciò che nessuno deve leggere; tieni premuto Maiusc nel rilasciare per riempirlo del tutto"},
    {EditorStrengthLabel, "Spessore:"},
    {EditorStrengthTip, "Spessore di cornici, ellissi e frecce; dimensione dei blocchi dell'oscuramento"},
    {EditorTextSizeLabel, "Dimensione:"},
    {EditorTextSizeTip, "Altezza del testo"},
    {EditorColourButton, "Colore"},
    {EditorColourTip, "Colore di cornici, ellissi, testo, frecce ed evidenziazioni"},
    {EditorHelpButton, "Guida"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Apri file di screenshot"},
    {EditorNothingToHandOnMessage, "Nell'editor non c'è alcuna immagine da passare."},
    {EditorPageWaitsMessage, "La pagina contiene due screenshot: questa immagine è il primo e la pagina attende il secondo.\r\n\r\nFai di nuovo clic su Stampa o acquisisci uno screenshot con il tasto Stamp, e la pagina verrà stampata."},
    {EditorCopyFailedMessage, "Snapwright non è riuscito a copiare l'immagine negli Appunti."},
    {EditorNoMemoryMessage, "Snapwright non è riuscito a modificare l'immagine: il sistema ha troppo poca memoria libera."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Area di Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright non è riuscito a stampare lo screenshot: non è installata alcuna stampante. L'ultimo screenshot è ancora negli Appunti."},
    {PrintPrinterUnusableMessage, "Snapwright non è riuscito a stampare lo screenshot: la stampante \"{printer}\" non può essere usata. Verifica che sia installata e pronta, oppure scegli un'altra stampante. L'ultimo screenshot è ancora negli Appunti."},
    {PrintFailedMessage, "Snapwright non è riuscito a stampare lo screenshot sulla stampante \"{printer}\". L'ultimo screenshot è ancora negli Appunti."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright non è riuscito a inviare lo screenshot a {program}: {reason}\r\n\r\nLo screenshot è negli Appunti: puoi incollarlo tu stesso in {program}."},
    {SendClipboardFailedMessage, "Snapwright non è riuscito a copiare l'immagine negli Appunti e quindi non può inviarla a {program}."},
    {AutomationNotInstalledReason, "non è installato, oppure la sua classe di automazione \"{member}\" non è registrata"},
    {AutomationUnreachableReason, "non è stato possibile raggiungere la sua istanza in esecuzione"},
    {AutomationNotStartedReason, "non è stato possibile avviarlo"},
    {AutomationUnknownMemberReason, "non conosce \"{member}\""},
    {AutomationBusyReason, "non risponde (potrebbe essere occupato, ad esempio con una propria finestra di dialogo)"},
    {AutomationClosedReason, "è stato chiuso o non risponde più"},
    {AutomationRefusedReason, "ha rifiutato \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "la memoria non era sufficiente per la chiamata"},
    {AutomationNoObjectReason, "non ha fornito il suo oggetto \"{member}\""},
    {AutomationNotScriptableReason, "la sua classe di automazione \"{member}\" non può essere pilotata per nome"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Impossibile trovare il file della guida. Snapwright lo cerca qui:\n{file}"},
    {StartFailedMessage, "Snapwright non è riuscito ad avviarsi a causa di un errore interno."},

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
