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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright non è riuscito a salvare la schermata come\n{file}\n\n{reason}\n\nLa schermata è ancora negli Appunti."},
    {FolderFailedMessage, "Snapwright non è riuscito a creare la cartella per la schermata:\n{folder}\n\n{reason}\n\nLa schermata è ancora negli Appunti."},
    {SaveRefusedMessage, "Snapwright non può salvare la schermata come\n{file}\n\n{reason}\n\nScegli un altro nome."},
    {ReplaceFileQuestion, "{file}\nesiste già.\n\nVuoi sostituirlo?"},
    {ReplaceFilesQuestion, "Questi file esistono già:\n{files}\n\nVuoi sostituirli?"},
    {SaveDialogTitle, "Salva schermata"},
    {NoScreenshotToSaveMessage, "Non c'è nessuna schermata da salvare."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Il percorso indica una cartella ma nessun file."},
    {ForbiddenCharacterReason, "Il nome contiene un carattere non consentito da Windows: “{character}”."},
    {NameTooLongReason, "Il nome è troppo lungo: ha {length} caratteri e Windows ne consente {limit}."},
    {PathTooLongReason, "Il percorso è troppo lungo: ha {length} caratteri e qui Windows ne consente {limit}."},
    {DeviceNameReason, "Windows riserva il nome “{name}” a un dispositivo."},
    {DriveMissingReason, "L'unità {drive} non esiste."},
    {NetworkFolderMissingReason, "La cartella di rete {folder} non è raggiungibile."},
    {FolderOfThatNameReason, "Esiste già una cartella con questo nome."},
    {FileInTheWayReason, "{folder} è un file, non una cartella."},
    {FolderMissingReason, "La cartella {folder} non esiste."},
    {FolderTakesNoFilesReason, "Windows non consente di creare nuovi file o cartelle in {folder}."},
    {BadNameReason, "Windows non accetta questo nome per un file."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Impossibile convertire la schermata in un'immagine della libreria di immagini."},
    {NotEncodedReason, "La libreria di immagini non è riuscita a codificare l'immagine."},
    {NoThumbnailReason, "La libreria di immagini non è riuscita a ridurre l'immagine a miniatura."},
    {EmptyFileReason, "Il file è vuoto dopo la scrittura."},
    {NoMemoryToConvertReason, "Memoria insufficiente per convertire la schermata."},
    {PictureUnreadableReason, "Impossibile leggere i pixel della schermata."},
    {LibraryWriteFailedReason, "La libreria di immagini non è riuscita a scrivere il file."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nEsegui snapwright.exe --help per vedere le opzioni."},
    {UnknownOptionError, "Opzione sconosciuta “{option}”."},
    {UnexpectedArgumentError, "Argomento inatteso “{argument}”."},
    {OptionTwiceError, "“{option}” è indicato due volte."},
    {OptionNeedsValueError, "“{option}” richiede un valore."},
    {OptionTakesNoValueError, "“{option}” non accetta valori."},
    {DelayValueError, "--delay accetta secondi da 0 a 3600, ad esempio 2 o 0.5, non “{value}”."},
    {ToValueError, "--to accetta clipboard, print, save, send o editor, non “{value}”."},
    {FileNeedsPathError, "--file richiede un percorso."},
    {FormatValueError, "--format accetta bmp, jpg, png, tif o mng, non “{value}”."},
    {ThumbnailValueError, "--thumbnail accetta una percentuale da 10 a 50, non “{value}”."},
    {OneCaptureError, "Indica una sola acquisizione, non {first} e {second}."},
    {NoCaptureError, "Indica un'acquisizione: --screen, --window o --region."},
    {NeedsFileError, "{option} richiede --file."},
    {FileWithSaveError, "--file non può andare con --to save: la finestra di salvataggio chiede il file da sé."},
    {FormatMismatchError, "--format {format} non corrisponde al file “{file}”."},
    {UnknownFormatError, "Il formato di “{file}” è sconosciuto: indica --format o un'estensione (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Il file esiste già; --overwrite lo sostituisce."},
    {ThumbnailExistsError, "La miniatura esiste già; --overwrite la sostituisce."},
    {CommandFailedMessage, "Snapwright non è riuscito a eseguire il comando: {reason}"},
    {ScreenUnreadableMessage, "Snapwright non è riuscito ad acquisire la schermata: impossibile leggere lo schermo."},
    {NoWindowInFrontMessage, "Snapwright non è riuscito ad acquisire la schermata: non c'è nessuna finestra in primo piano, o non è stato possibile leggerla."},
    {NoRegionHereMessage, "Snapwright non può acquisire un'area qui."},
    {RegionInUseMessage, "È già in corso il tracciamento di un'area, e Snapwright ne traccia una alla volta. Completala o annullala (Esc), poi ripeti il comando."},
    {ClipboardHeldMessage, "Snapwright non è riuscito a copiare la schermata negli Appunti: li sta usando un altro programma."},
    {NotHandedOnMessage, "Snapwright non è riuscito a inoltrare la schermata."},
    {PageWaitsMessage, "La pagina attende la sua seconda schermata."},
    {PageOfTwoAloneMessage, "La pagina contiene due schermate, e senza Snapwright nell'area di notifica non ne arriverà una seconda: non viene stampato nulla. Avvia prima Snapwright, oppure scegli nelle sue opzioni una pagina con una sola schermata."},
    {TrayProgramSilentMessage, "Snapwright è in esecuzione nell'area di notifica, ma non risponde."},
    {TrayProgramEndedMessage, "Snapwright è terminato prima di completare il comando."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "La schermata nell'editor di Snapwright contiene modifiche non salvate."},
});

}  // namespace snapwright::language_rows
