#pragma once
#include "lang/LanguageRow.h"

// German, language 1.
namespace snapwright::language_rows {

inline constexpr LanguageRow kGerman = Row("Deutsch", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "A&bbrechen"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Über Snapwright™"},
    {AboutCopyright, "Copyright © 2002 die Snapwright-Autoren. Alle Rechte vorbehalten."},
    {AboutDisclaimer, "Dieses Programm ist durch das deutsche und internationale Urheberrecht geschützt."},
    {UpdateButton, "&Update ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Screenshot senden an ..."},
    {AskApplicationFrame, "Wählen Sie eine Anwendung aus"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Screenshot senden an {program}"},
    {NotRunningQuestion, "{program} ist nicht gestartet. Jetzt starten?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Snapwright™ Optionen"},
    {PrintFrame, "Drucken"},
    {DefaultPrinterOption, "auf Standarddrucker drucken"},
    {ChoosePrinterOption, "Druckerauswahl anzeigen"},
    {SaveFrame, "Speichern"},
    {SaveToProgramFolderOption, "immer ins Snapwright™-Verzeichnis mit Standardnamen speichern"},
    {AskForFileOption, "immer nach Zielverzeichnis und Dateinamen fragen"},
    {SendFrame, "An Anwendung senden"},
    {SendToOfficeOption, "Screenshot senden an"},
    {AskAtSendOption, "nach dem Zielprogramm fragen"},
    {PrintFormatFrame, "Druckformat"},
    {HeaderFooterFrame, "Zeitstempel und Fußzeile"},
    {PrintTimestampBox, "Zeitstempel drucken"},
    {PrintUserNameBox, "Benutzername"},
    {PrintComputerNameBox, "Computername"},
    {PrintFooterBox, "Fußzeile mit Werbung drucken"},
    {LanguageFrame, "Sprache"},
    {SelectLanguageLabel, "Sprache auswählen"},
    {DefaultsButton, "Stan&dardeinst."},
    {SaveButton, "&Speichern"},
    {KeysButton, "&Tasten…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Screenshot speichern unter ..."},
    {FileFormatFrame, "Wählen Sie ein Dateiformat"},
    {ThumbnailBox, "Miniaturansicht erstellen"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Info"},
    {OptionsMenuItem, "Optionen"},
    {CloseMenuItem, "Menü verlassen"},
    {ExitMenuItem, "Beenden"},
    {ScreenMenuItem, "Bildschirm"},
    {WindowMenuItem, "Fenster im Vordergrund"},
    {RegionMenuItem, "Bereich"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright läuft bereits: Sein Symbol ist im Infobereich der Taskleiste."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Änderungen an dieser Datei speichern?"},
    {EditorQuitCaption, "Programm beenden"},
    {EditorDiscardQuestion, "Diese Datei wirklich verwerfen?"},
    {EditorNewFileCaption, "Neue Datei"},
    {EditorOpenFileCaption, "Datei öffnen"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Bildschirm drucken"},
    {PrintWindowAction, "Fenster im Vordergrund drucken"},
    {SaveScreenAction, "Bildschirm speichern"},
    {SaveWindowAction, "Fenster im Vordergrund speichern"},
    {SendScreenAction, "Bildschirm senden"},
    {SendWindowAction, "Fenster im Vordergrund senden"},
    {RegionAction, "Bereich für den Editor aufziehen"},
    {KeysCaption, "Tasten"},
    {KeysIntroLabel, "Klicken Sie in ein Feld und drücken Sie die Tasten. Tasten, die schreiben oder im Text bewegen, brauchen Strg (Ctrl) oder Alt. Ein leeres Kästchen schaltet seine Aktion aus."},
    {KeyDefaultsButton, "&Standard"},
    {KeyTakenMessage, "{key} wird bereits von einem anderen Programm verwendet."},
    {KeysTakenMessage, "Diese Tasten werden bereits von anderen Programmen verwendet: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Die Bildschirmaufnahme von Windows belegt die Druck-Taste (Einstellungen › Barrierefreiheit › Tastatur › „Druck-Taste zum Öffnen der Bildschirmaufnahme verwenden“)."},
    {RunsWithoutKeysMessage, "Snapwright läuft trotzdem, und das Menü seines Symbols im Infobereich nimmt ebenfalls Screenshots auf."},
    {WhereToChooseKeysMessage, "Andere Tasten wählen Sie in diesem Menü unter {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Die Bildschirmaufnahme von Windows auf der Druck-Taste jetzt für diesen Benutzer ausschalten?"},
    {ChooseAnotherKeyMessage, "Wählen Sie eine andere Taste, oder schalten Sie die Aktion aus."},
    {SharedKeyMessage, "{key} ist zweimal gewählt: für „{first}“ und für „{second}“. Wählen Sie für eine davon eine andere Taste."},
    {WindowsCaptureNotSwitchedOff, "Die Bildschirmaufnahme von Windows auf der Druck-Taste konnte nicht ausgeschaltet werden. Schalten Sie sie unter Einstellungen › Barrierefreiheit › Tastatur aus."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright konnte\n{file}\nnicht öffnen.\n\n{reason}"},
    {NotAPictureFileReason, "Die Datei ist kein Bild in einem Format, das Snapwright liest (BMP, JPEG, PNG, MNG, TIFF), oder sie kann nicht gelesen werden."},
    {DamagedPictureReason, "Das Bild in der Datei konnte nicht gelesen werden; die Datei ist möglicherweise beschädigt."},
    {PictureWithoutSizeReason, "Die Datei gibt für ihr Bild keine Größe an; die Datei ist möglicherweise beschädigt."},
    {PictureTooLargeReason, "Das Bild ist {size} Pixel groß. Snapwright öffnet Bilder mit bis zu {limit} Pixeln je Seite."},
    {PictureNeedsTooMuchMemoryReason, "Das Bild ist {size} Pixel groß und braucht zum Öffnen etwa {megabytes} MB Arbeitsspeicher, mehr als Snapwright jetzt bekommen kann."},
    {NoMemoryForPictureReason, "Es ist nicht genug Arbeitsspeicher frei, um ein Bild dieser Größe anzuzeigen."},
    {UnsupportedPictureReason, "Snapwright kann diese Art von Bild nicht anzeigen (zum Beispiel, weil seine Farben nicht als ganze Zahlen gespeichert sind)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright konnte den Screenshot nicht speichern als\n{file}\n\n{reason}\n\nDer Screenshot ist weiterhin in der Zwischenablage."},
    {FolderFailedMessage, "Snapwright konnte den Ordner für den Screenshot nicht erstellen:\n{folder}\n\n{reason}\n\nDer Screenshot ist weiterhin in der Zwischenablage."},
    {SaveRefusedMessage, "Snapwright kann den Screenshot nicht speichern als\n{file}\n\n{reason}\n\nBitte wählen Sie einen anderen Namen."},
    {ReplaceFileQuestion, "{file}\nist bereits vorhanden.\n\nMöchten Sie die Datei ersetzen?"},
    {ReplaceFilesQuestion, "Diese Dateien sind bereits vorhanden:\n{files}\n\nMöchten Sie sie ersetzen?"},
    {SaveDialogTitle, "Screenshot speichern"},
    {NoScreenshotToSaveMessage, "Es gibt keinen Screenshot zum Speichern."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Der Pfad nennt einen Ordner, aber keine Datei."},
    {ForbiddenCharacterReason, "Der Name enthält ein Zeichen, das Windows nicht zulässt: „{character}“."},
    {NameTooLongReason, "Der Name ist zu lang: Er hat {length} Zeichen, Windows lässt {limit} zu."},
    {PathTooLongReason, "Der Pfad ist zu lang: Er hat {length} Zeichen, Windows lässt hier {limit} zu."},
    {DeviceNameReason, "Windows reserviert den Namen „{name}“ für ein Gerät."},
    {DriveMissingReason, "Das Laufwerk {drive} gibt es nicht."},
    {NetworkFolderMissingReason, "Der Netzwerkordner {folder} ist nicht erreichbar."},
    {FolderOfThatNameReason, "Es gibt bereits einen Ordner mit diesem Namen."},
    {FileInTheWayReason, "{folder} ist eine Datei, kein Ordner."},
    {FolderMissingReason, "Den Ordner {folder} gibt es nicht."},
    {FolderTakesNoFilesReason, "Windows lässt in {folder} keine neuen Dateien oder Ordner anlegen."},
    {BadNameReason, "Windows akzeptiert diesen Namen für eine Datei nicht."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Der Screenshot konnte nicht in ein Bild der Bildbibliothek umgewandelt werden."},
    {NotEncodedReason, "Die Bildbibliothek konnte das Bild nicht codieren."},
    {NoThumbnailReason, "Die Bildbibliothek konnte das Bild nicht zur Miniaturansicht verkleinern."},
    {EmptyFileReason, "Die Datei ist nach dem Schreiben leer."},
    {NoMemoryToConvertReason, "Es ist nicht genug Arbeitsspeicher frei, um den Screenshot umzuwandeln."},
    {PictureUnreadableReason, "Die Pixel des Screenshots konnten nicht gelesen werden."},
    {LibraryWriteFailedReason, "Die Bildbibliothek konnte die Datei nicht schreiben."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nMit snapwright.exe --help sehen Sie die Optionen."},
    {UnknownOptionError, "Unbekannte Option „{option}“."},
    {UnexpectedArgumentError, "Unerwartetes Argument „{argument}“."},
    {OptionTwiceError, "„{option}“ ist zweimal angegeben."},
    {OptionNeedsValueError, "„{option}“ braucht einen Wert."},
    {OptionTakesNoValueError, "„{option}“ nimmt keinen Wert."},
    {DelayValueError, "--delay nimmt Sekunden von 0 bis 3600, etwa 2 oder 0.5, nicht „{value}“."},
    {ToValueError, "--to nimmt clipboard, print, save, send oder editor, nicht „{value}“."},
    {FileNeedsPathError, "--file braucht einen Pfad."},
    {FormatValueError, "--format nimmt bmp, jpg, png, tif oder mng, nicht „{value}“."},
    {ThumbnailValueError, "--thumbnail nimmt einen Prozentwert von 10 bis 50, nicht „{value}“."},
    {OneCaptureError, "Geben Sie nur eine Aufnahme an, nicht {first} und {second}."},
    {NoCaptureError, "Geben Sie eine Aufnahme an: --screen, --window oder --region."},
    {NeedsFileError, "{option} braucht --file."},
    {FileWithSaveError, "--file geht nicht mit --to save: Der Speichern-Dialog fragt selbst nach der Datei."},
    {FormatMismatchError, "--format {format} passt nicht zur Datei „{file}“."},
    {UnknownFormatError, "Das Format von „{file}“ ist unbekannt: Geben Sie --format oder eine Endung an (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Die Datei ist bereits vorhanden; --overwrite ersetzt sie."},
    {ThumbnailExistsError, "Die Miniaturansicht ist bereits vorhanden; --overwrite ersetzt sie."},
    {CommandFailedMessage, "Snapwright konnte den Befehl nicht ausführen: {reason}"},
    {ScreenUnreadableMessage, "Snapwright konnte den Screenshot nicht aufnehmen: Der Bildschirm konnte nicht gelesen werden."},
    {NoWindowInFrontMessage, "Snapwright konnte den Screenshot nicht aufnehmen: Es ist kein Fenster im Vordergrund, oder es konnte nicht gelesen werden."},
    {NoRegionHereMessage, "Snapwright kann hier keinen Bereich aufnehmen."},
    {RegionInUseMessage, "Es wird bereits ein Bereich aufgezogen, und Snapwright nimmt einen nach dem anderen auf. Schließen Sie ihn ab oder brechen Sie ihn ab (Esc), und geben Sie den Befehl dann erneut."},
    {ClipboardHeldMessage, "Snapwright konnte den Screenshot nicht in die Zwischenablage legen: Ein anderes Programm hält sie belegt."},
    {NotHandedOnMessage, "Snapwright konnte den Screenshot nicht weitergeben."},
    {PageWaitsMessage, "Die Seite wartet auf ihren zweiten Screenshot."},
    {PageOfTwoAloneMessage, "Die Seite nimmt zwei Screenshots auf, und ohne Snapwright im Infobereich kommt kein zweiter: Es wird nichts gedruckt. Starten Sie zuerst Snapwright, oder wählen Sie in seinen Optionen eine Seite mit einem Screenshot."},
    {TrayProgramSilentMessage, "Snapwright läuft im Infobereich, antwortet aber nicht."},
    {TrayProgramEndedMessage, "Snapwright wurde beendet, bevor der Befehl ausgeführt war."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Der Screenshot im Snapwright-Editor hat ungespeicherte Änderungen."},
});

}  // namespace snapwright::language_rows
