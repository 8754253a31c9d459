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
    {AboutWindowTitle, "Über Snapwright"},
    {AboutVersionLabel, "Version {version}"},
    {CreditsButton, "Mitwirkende..."},
    {CreditsCaption, "Mitwirkende"},
    {CreditsAuthors, "Snapwright™ von den Snapwright-Autoren, 2002-2006"},
    {CreditsLibrary, "Bilddateien werden mit der Bibliothek FreeImage gelesen und geschrieben, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Übersetzungen:\r\nGriechisch: der Snapwright-Übersetzer für Griechisch, 2005\r\nTschechisch: der Snapwright-Übersetzer für Tschechisch, 2005\r\nSpanisch: der Snapwright-Übersetzer für Spanisch, 2006\r\nFranzösisch: der Snapwright-Übersetzer für Französisch, 2006\r\nDeutsch und Englisch: die Snapwright-Autoren, 2002-2006\r\nAndere Sprachen: die Snapwright-Autoren, mit einem maschinellen Übersetzungsprogramm"},
    {CreditsThanks, "Vielen Dank an cppreference.com, winehq.org, learn.microsoft.com und die MSDN Library\r\nsowie an alle anderen Websites über das Programmieren."},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Screenshot senden an ..."},
    {AskApplicationFrame, "Anwendung auswählen"},

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
    {OptionsWindowTitle, "Optionen für Snapwright"},
    {SendToEditorOption, "Snapwright™-Editor"},
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
    {StartOptionsHint, "Um Snapwright™ einzurichten, klicken Sie mit der rechten Maustaste auf das Symbol in der Taskleiste und wählen „{item}“."},
    {ShowAtStartupBox, "Dieses Fenster beim Start anzeigen"},
    {AlreadyRunningMessage, "Snapwright läuft bereits: Sein Symbol ist im Infobereich der Taskleiste."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Änderungen an dieser Datei speichern?"},
    {EditorQuitCaption, "Programm beenden"},
    {EditorDiscardQuestion, "Diese Datei wirklich verwerfen?"},
    {EditorNewFileCaption, "Neue Datei"},
    {EditorOpenFileCaption, "Datei öffnen"},
    {EditorNewButton, "Neu"},
    {EditorNewTip, "Neu: mit einem leeren Bild beginnen"},
    {EditorRegionButton, "Bereich"},
    {EditorRegionTip, "Bereich: einen Bereich des Bildschirms als neues Bild aufnehmen"},
    {EditorOpenButton, "Öffnen"},
    {EditorOpenTip, "Bilddatei öffnen"},
    {EditorSaveButton, "Speichern"},
    {EditorSaveTip, "Bild speichern"},
    {EditorPrintButton, "Drucken"},
    {EditorPrintTip, "Bild drucken"},
    {EditorCopyButton, "Kopieren"},
    {EditorCopyTip, "Bild in die Zwischenablage kopieren"},
    {EditorSendTip, "Bild an {program} senden"},
    {EditorUndoButton, "Rückgängig"},
    {EditorUndoTip, "Letzte Änderung rückgängig machen"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: über einen Bereich ziehen oder zwei Ecken anklicken, dann dorthin klicken, wo die Vergrößerung hin soll"},
    {EditorCropButton, "Zuschneiden"},
    {EditorCropTip, "Zuschneiden: dorthin klicken, wohin die nächste Ecke des Bildes rücken soll"},
    {EditorFrameButton, "Rahmen"},
    {EditorFrameTip, "Rahmen: von Ecke zu Ecke ziehen oder zwei gegenüberliegende Ecken anklicken"},
    {EditorEllipseButton, "Ellipse"},
    {EditorEllipseTip, "Ellipse: von Ecke zu Ecke ziehen oder zwei gegenüberliegende Ecken anklicken"},
    {EditorTextButton, "Text"},
    {EditorTextTip, "Text: klicken oder ein Feld aufziehen und tippen; die Eingabetaste fügt ihn ein, Umschalt+Eingabe beginnt eine neue Zeile, Esc verwirft ihn"},
    {EditorArrowButton, "Pfeil"},
    {EditorArrowTip, "Pfeil: vom Ende zur Spitze ziehen"},
    {EditorHighlightButton, "Textmarker"},
    {EditorHighlightTip, "Textmarker: über das ziehen, was hervorstechen soll"},
    {EditorRedactButton, "Schwärzen"},
    {EditorRedactTip, "Schwärzen: über das ziehen, was niemand lesen darf; beim Loslassen die Umschalttaste halten, um es ganz zu füllen"},
    {EditorStrengthLabel, "Stärke:"},
    {EditorStrengthTip, "Linienstärke von Rahmen, Ellipsen und Pfeilen; Blockgröße beim Schwärzen"},
    {EditorTextSizeLabel, "Größe:"},
    {EditorTextSizeTip, "Höhe des Textes"},
    {EditorColourButton, "Farbe"},
    {EditorColourTip, "Farbe von Rahmen, Ellipsen, Text, Pfeilen und Markierungen"},
    {EditorHelpButton, "Hilfe"},
    {EditorCtrlKey, "Strg"},
    {EditorOpenDialogTitle, "Screenshot-Datei öffnen"},
    {EditorNothingToHandOnMessage, "Im Editor ist kein Bild, das weitergegeben werden kann."},
    {EditorPageWaitsMessage, "Die Seite nimmt zwei Screenshots auf: Dieses Bild ist der erste, und die Seite wartet auf den zweiten.\r\n\r\nKlicken Sie erneut auf „Drucken“ oder nehmen Sie mit der Druck-Taste einen Screenshot auf, dann wird die Seite gedruckt."},
    {EditorCopyFailedMessage, "Snapwright konnte das Bild nicht in die Zwischenablage kopieren."},
    {EditorNoMemoryMessage, "Snapwright konnte das Bild nicht ändern: Das System hat zu wenig freien Arbeitsspeicher."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-Bereich"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright konnte den Screenshot nicht drucken: Es ist kein Drucker installiert. Der letzte Screenshot ist noch in der Zwischenablage."},
    {PrintPrinterUnusableMessage, "Snapwright konnte den Screenshot nicht drucken: Der Drucker „{printer}“ kann nicht verwendet werden. Prüfen Sie, ob er installiert und bereit ist, oder wählen Sie einen anderen Drucker. Der letzte Screenshot ist noch in der Zwischenablage."},
    {PrintFailedMessage, "Snapwright konnte den Screenshot nicht auf dem Drucker „{printer}“ drucken. Der letzte Screenshot ist noch in der Zwischenablage."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright konnte den Screenshot nicht an {program} senden: {reason}\r\n\r\nDer Screenshot ist in der Zwischenablage: Sie können ihn selbst in {program} einfügen."},
    {SendClipboardFailedMessage, "Snapwright konnte das Bild nicht in die Zwischenablage kopieren und kann es daher nicht an {program} senden."},
    {AutomationNotInstalledReason, "es ist nicht installiert, oder seine Automatisierungsklasse „{member}“ ist nicht registriert"},
    {AutomationUnreachableReason, "seine laufende Instanz war nicht erreichbar"},
    {AutomationNotStartedReason, "es konnte nicht gestartet werden"},
    {AutomationUnknownMemberReason, "es kennt „{member}“ nicht"},
    {AutomationBusyReason, "es antwortet nicht (möglicherweise ist es beschäftigt, zum Beispiel mit einem eigenen Dialog)"},
    {AutomationClosedReason, "es wurde geschlossen oder antwortet nicht mehr"},
    {AutomationRefusedReason, "es hat „{member}“ abgelehnt ({reason})"},
    {AutomationNoMemoryReason, "für den Aufruf war nicht genug Arbeitsspeicher frei"},
    {AutomationNoObjectReason, "es hat sein Objekt „{member}“ nicht bereitgestellt"},
    {AutomationNotScriptableReason, "seine Automatisierungsklasse „{member}“ lässt sich nicht über Namen steuern"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Die Hilfedatei wurde nicht gefunden. Snapwright erwartet sie hier:\n{file}"},
    {StartFailedMessage, "Snapwright konnte wegen eines internen Fehlers nicht starten."},

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
