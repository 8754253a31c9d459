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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Fenster mit Bildlauf"},
    {ScrollingUnreadableMessage, "Snapwright konnte den Screenshot nicht aufnehmen: Es ist kein Fenster im Vordergrund, oder es ließ sich nicht lesen."},
    {ScrollingNoteHeading, "Scrollen… Esc beendet"},
    {ScrollingNoteCount, "{pixels} Pixel aufgenommen"},
    {ScrollingDoesNotScrollMessage, "Das Fenster lässt sich nicht scrollen: Das Bild zeigt es, wie es ist."},
    {ScrollingHeightLimitMessage, "Die Höhengrenze wurde erreicht: Das Bild endet bei {pixels} Pixeln."},
    {ScrollingWindowLostMessage, "Das Fenster wurde beim Scrollen geschlossen oder verschoben: Das Bild enthält, was bis dahin aufgenommen war."},

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
});

}  // namespace snapwright::language_rows
