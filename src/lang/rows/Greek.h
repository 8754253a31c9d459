#pragma once
#include "lang/LanguageRow.h"

// Greek, language 16, in Greek letters: the face "Arial" has them on every system (Wine serves it
// as Liberation Sans). The row keeps the larger size it has always had.
namespace snapwright::language_rows {

inline constexpr LanguageRow kGreek = Row("Greek **", "Arial", 11, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "Άκ&υρο"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Σχετικά με το Snapwright™"},
    {AboutCopyright, "© 2002 οι δημιουργοί του Snapwright. Με την επιφύλαξη παντός δικαιώματος."},
    {AboutDisclaimer, "Το πρόγραμμα αυτό προστατεύεται από τη γερμανική και τη διεθνή νομοθεσία περί πνευματικής ιδιοκτησίας."},
    {UpdateButton, "&Ενημέρωση;"},
    {AboutWindowTitle, "Σχετικά με το Snapwright"},
    {AboutVersionLabel, "Έκδοση {version}"},
    {CreditsButton, "Συντελεστές..."},
    {CreditsCaption, "Συντελεστές"},
    {CreditsAuthors, "Snapwright™ από τους δημιουργούς του Snapwright, 2002-2006"},
    {CreditsLibrary, "Τα αρχεία εικόνας διαβάζονται και γράφονται με τη βιβλιοθήκη FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Μεταφράσεις:\r\nΕλληνικά: ο μεταφραστής του Snapwright για τα ελληνικά, 2005\r\nΤσεχικά: ο μεταφραστής του Snapwright για τα τσεχικά, 2005\r\nΙσπανικά: ο μεταφραστής του Snapwright για τα ισπανικά, 2006\r\nΓαλλικά: ο μεταφραστής του Snapwright για τα γαλλικά, 2006\r\nΓερμανικά και αγγλικά: οι δημιουργοί του Snapwright, 2002-2006\r\nΆλλες γλώσσες: οι δημιουργοί του Snapwright, με εργαλείο αυτόματης μετάφρασης"},
    {CreditsThanks, "Ευχαριστούμε πολύ τα cppreference.com, winehq.org, learn.microsoft.com και τη MSDN Library,\r\nκαθώς και όλους τους άλλους ιστότοπους προγραμματισμού."},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Αποστολή στιγμιότυπου οθόνης σε ..."},
    {AskApplicationFrame, "Επιλέξτε εφαρμογή"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Αποστολή στιγμιότυπου οθόνης σε {program}"},
    {NotRunningQuestion, "{program} δεν εκτελείται. Να ξεκινήσει τώρα;"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Επιλογές"},
    {PrintFrame, "Εκτύπωση"},
    {DefaultPrinterOption, "εκτύπωση στον προεπιλεγμένο εκτυπωτή"},
    {ChoosePrinterOption, "εμφάνιση επιλογής εκτυπωτή"},
    {SaveFrame, "Αποθήκευση"},
    {SaveToProgramFolderOption, "πάντα αποθήκευση στον φάκελο εγκατάστασης με το προεπιλεγμένο όνομα αρχείου"},
    {AskForFileOption, "πάντα ερώτηση για φάκελο προορισμού και όνομα αρχείου"},
    {SendFrame, "Αποστολή σε εφαρμογή"},
    {SendToOfficeOption, "αποστολή στιγμιότυπου οθόνης σε"},
    {AskAtSendOption, "ερώτηση για το πρόγραμμα προορισμού"},
    {PrintFormatFrame, "Μορφή εκτύπωσης"},
    {HeaderFooterFrame, "Χρονική σήμανση και υποσέλιδο"},
    {PrintTimestampBox, "εκτύπωση χρονικής σήμανσης"},
    {PrintUserNameBox, "Όνομα χρήστη"},
    {PrintComputerNameBox, "Όνομα υπολογιστή"},
    {PrintFooterBox, "διαφήμιση στο υποσέλιδο"},
    {LanguageFrame, "Γλώσσα"},
    {SelectLanguageLabel, "επιλογή γλώσσας"},
    {DefaultsButton, "&Προεπιλογές"},
    {SaveButton, "&Αποθήκευση"},
    {OptionsWindowTitle, "Επιλογές του Snapwright"},
    {SendToEditorOption, "Επεξεργαστής Snapwright™"},
    {KeysButton, "Πλή&κτρα…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Αποθήκευση στιγμιότυπου οθόνης ως ..."},
    {FileFormatFrame, "επιλογή μορφής αρχείου"},
    {ThumbnailBox, "δημιουργία μικρογραφίας"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Πληροφορίες"},
    {OptionsMenuItem, "Επιλογές"},
    {CloseMenuItem, "Κλείσιμο μενού"},
    {ExitMenuItem, "Έξοδος"},
    {ScreenMenuItem, "Οθόνη"},
    {WindowMenuItem, "Παράθυρο σε πρώτο πλάνο"},
    {RegionMenuItem, "Περιοχή"},
    {EditorMenuItem, "Επεξεργαστής"},

    // -- Start window --
    {StartOptionsHint, "Για ρύθμιση του Snapwright™, κάντε δεξί κλικ στο εικονίδιο της γραμμής εργασιών και επιλέξτε «{item}»."},
    {ShowAtStartupBox, "Εμφάνιση κατά την εκκίνηση"},
    {AlreadyRunningMessage, "Το Snapwright εκτελείται ήδη: το εικονίδιό του βρίσκεται στην περιοχή ειδοποιήσεων."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Αποθήκευση αλλαγών σε αυτό το αρχείο;"},
    {EditorQuitCaption, "Έξοδος από το πρόγραμμα"},
    {EditorDiscardQuestion, "Να απορριφθεί πράγματι αυτό το αρχείο;"},
    {EditorNewFileCaption, "Νέο αρχείο"},
    {EditorOpenFileCaption, "Άνοιγμα αρχείου"},
    {EditorNewButton, "Δημιουργία"},
    {EditorNewTip, "Δημιουργία: έναρξη με κενή εικόνα"},
    {EditorRegionButton, "Περιοχή"},
    {EditorRegionTip, "Περιοχή: λήψη περιοχής της οθόνης ως νέα εικόνα"},
    {EditorOpenButton, "Άνοιγμα"},
    {EditorOpenTip, "Άνοιγμα αρχείου εικόνας"},
    {EditorSaveButton, "Αποθήκευση"},
    {EditorSaveTip, "Αποθήκευση της εικόνας"},
    {EditorPrintButton, "Εκτύπωση"},
    {EditorPrintTip, "Εκτύπωση της εικόνας"},
    {EditorCopyButton, "Αντιγραφή"},
    {EditorCopyTip, "Αντιγραφή της εικόνας στο Πρόχειρο"},
    {EditorSendTip, "Αποστολή της εικόνας στο {program}"},
    {EditorUndoButton, "Αναίρεση"},
    {EditorUndoTip, "Αναίρεση της τελευταίας αλλαγής"},
    {EditorZoomButton, "Ζουμ"},
    {EditorZoomTip, "Ζουμ: σύρετε πάνω σε περιοχή ή κάντε κλικ σε δύο γωνίες και μετά εκεί που θα μπει η μεγέθυνση"},
    {EditorCropButton, "Περικοπή"},
    {EditorCropTip, "Περικοπή: κάντε κλικ εκεί όπου θα μετακινηθεί η πλησιέστερη γωνία της εικόνας"},
    {EditorFrameButton, "Πλαίσιο"},
    {EditorFrameTip, "Πλαίσιο: σύρετε από γωνία σε γωνία ή κάντε κλικ σε δύο απέναντι γωνίες"},
    {EditorEllipseButton, "Έλλειψη"},
    {EditorEllipseTip, "Έλλειψη: σύρετε από γωνία σε γωνία ή κάντε κλικ σε δύο απέναντι γωνίες"},
    {EditorTextButton, "Κείμενο"},
    {EditorTextTip, "Κείμενο: κάντε κλικ ή σύρετε πλαίσιο και πληκτρολογήστε· Enter: εισαγωγή, Shift+Enter: νέα γραμμή, Esc: απόρριψη"},
    {EditorArrowButton, "Βέλος"},
    {EditorArrowTip, "Βέλος: σύρετε από την ουρά προς την αιχμή"},
    {EditorHighlightButton, "Μαρκαδόρος"},
    {EditorHighlightTip, "Μαρκαδόρος: σύρετε πάνω σε ό,τι πρέπει να ξεχωρίζει"},
    {EditorRedactButton, "Απόκρυψη"},
    {EditorRedactTip, "Απόκρυψη: σύρετε πάνω σε ό,τι δεν πρέπει να διαβαστεί· κρατήστε το Shift στο άφημα για πλήρες γέμισμα"},
    {EditorStrengthLabel, "Πάχος:"},
    {EditorStrengthTip, "Πάχος γραμμής πλαισίων, ελλείψεων και βελών· μέγεθος μπλοκ απόκρυψης"},
    {EditorTextSizeLabel, "Μέγεθος:"},
    {EditorTextSizeTip, "Ύψος του κειμένου"},
    {EditorColourButton, "Χρώμα"},
    {EditorColourTip, "Χρώμα πλαισίων, ελλείψεων, κειμένου, βελών και επισημάνσεων"},
    {EditorHelpButton, "Βοήθεια"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Άνοιγμα αρχείου στιγμιότυπου"},
    {EditorNothingToHandOnMessage, "Δεν υπάρχει εικόνα στον επεξεργαστή για να παραδοθεί."},
    {EditorPageWaitsMessage, "Η σελίδα δέχεται δύο στιγμιότυπα: αυτή η εικόνα είναι το πρώτο και η σελίδα περιμένει το δεύτερο.\r\n\r\nΠατήστε ξανά Εκτύπωση ή τραβήξτε στιγμιότυπο με το πλήκτρο Print Screen και η σελίδα θα εκτυπωθεί."},
    {EditorCopyFailedMessage, "Το Snapwright δεν μπόρεσε να βάλει την εικόνα στο Πρόχειρο."},
    {EditorNoMemoryMessage, "Το Snapwright δεν μπόρεσε να αλλάξει την εικόνα: το σύστημα έχει πολύ λίγη ελεύθερη μνήμη."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Περιοχή Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Το Snapwright δεν μπόρεσε να εκτυπώσει το στιγμιότυπο: δεν υπάρχει εγκατεστημένος εκτυπωτής. Το τελευταίο στιγμιότυπο είναι ακόμη στο Πρόχειρο."},
    {PrintPrinterUnusableMessage, "Το Snapwright δεν μπόρεσε να εκτυπώσει το στιγμιότυπο: ο εκτυπωτής «{printer}» δεν μπορεί να χρησιμοποιηθεί. Ελέγξτε ότι είναι εγκατεστημένος και έτοιμος ή επιλέξτε άλλον εκτυπωτή. Το τελευταίο στιγμιότυπο είναι ακόμη στο Πρόχειρο."},
    {PrintFailedMessage, "Το Snapwright δεν μπόρεσε να εκτυπώσει το στιγμιότυπο στον εκτυπωτή «{printer}». Το τελευταίο στιγμιότυπο είναι ακόμη στο Πρόχειρο."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Το Snapwright δεν μπόρεσε να στείλει το στιγμιότυπο στο {program}: {reason}\r\n\r\nΤο στιγμιότυπο είναι στο Πρόχειρο: μπορείτε να το επικολλήσετε μόνοι σας στο {program}."},
    {SendClipboardFailedMessage, "Το Snapwright δεν μπόρεσε να βάλει την εικόνα στο Πρόχειρο, οπότε δεν μπορεί να τη στείλει στο {program}."},
    {AutomationNotInstalledReason, "δεν είναι εγκατεστημένο ή η κλάση αυτοματοποίησης «{member}» δεν είναι καταχωρημένη"},
    {AutomationUnreachableReason, "δεν ήταν δυνατή η πρόσβαση στην εκτελούμενη παρουσία του"},
    {AutomationNotStartedReason, "δεν ήταν δυνατή η εκκίνησή του"},
    {AutomationUnknownMemberReason, "δεν γνωρίζει το «{member}»"},
    {AutomationBusyReason, "δεν αποκρίνεται (ίσως είναι απασχολημένο, π.χ. με δικό του παράθυρο διαλόγου)"},
    {AutomationClosedReason, "έκλεισε ή σταμάτησε να αποκρίνεται"},
    {AutomationRefusedReason, "απέρριψε το «{member}» ({reason})"},
    {AutomationNoMemoryReason, "δεν υπήρχε αρκετή μνήμη για την κλήση"},
    {AutomationNoObjectReason, "δεν παρείχε το αντικείμενό του «{member}»"},
    {AutomationNotScriptableReason, "η κλάση αυτοματοποίησης «{member}» δεν ελέγχεται με όνομα"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Δεν βρέθηκε το αρχείο βοήθειας. Το Snapwright το αναζητά εδώ:\n{file}"},
    {StartFailedMessage, "Το Snapwright δεν μπόρεσε να ξεκινήσει λόγω εσωτερικού σφάλματος."},

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Εκτύπωση οθόνης"},
    {PrintWindowAction, "Εκτύπωση παραθύρου σε πρώτο πλάνο"},
    {SaveScreenAction, "Αποθήκευση οθόνης"},
    {SaveWindowAction, "Αποθήκευση παραθύρου σε πρώτο πλάνο"},
    {SendScreenAction, "Αποστολή οθόνης"},
    {SendWindowAction, "Αποστολή παραθύρου σε πρώτο πλάνο"},
    {RegionAction, "Σχεδίαση περιοχής για τον επεξεργαστή"},
    {KeysCaption, "Πλήκτρα"},
    {KeysIntroLabel, "Κάντε κλικ σε ένα πεδίο και πατήστε τα πλήκτρα. Τα πλήκτρα που γράφουν ή μετακινούν σε κείμενο χρειάζονται Ctrl ή Alt. Καταργήστε την επιλογή ενός πλαισίου για να απενεργοποιήσετε την ενέργειά του."},
    {KeyDefaultsButton, "&Προεπιλογές"},
    {KeyTakenMessage, "Το {key} χρησιμοποιείται ήδη από άλλο πρόγραμμα."},
    {KeysTakenMessage, "Αυτά τα πλήκτρα χρησιμοποιούνται ήδη από άλλα προγράμματα: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Η λήψη οθόνης των Windows δεσμεύει το πλήκτρο Print Screen (Ρυθμίσεις › Προσβασιμότητα › Πληκτρολόγιο › «Χρήση του πλήκτρου Print Screen για άνοιγμα της λήψης οθόνης»)."},
    {RunsWithoutKeysMessage, "Το Snapwright λειτουργεί παρ’ όλα αυτά, και το μενού του εικονιδίου του στην περιοχή ειδοποιήσεων τραβά επίσης στιγμιότυπα οθόνης."},
    {WhereToChooseKeysMessage, "Άλλα πλήκτρα επιλέγονται σε αυτό το μενού, στο {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Να απενεργοποιηθεί τώρα για αυτόν τον χρήστη η λήψη οθόνης των Windows στο πλήκτρο Print Screen;"},
    {ChooseAnotherKeyMessage, "Επιλέξτε άλλο πλήκτρο ή απενεργοποιήστε την ενέργεια."},
    {SharedKeyMessage, "Το {key} έχει επιλεγεί δύο φορές: για «{first}» και για «{second}». Επιλέξτε άλλο πλήκτρο για ένα από αυτά."},
    {WindowsCaptureNotSwitchedOff, "Δεν ήταν δυνατή η απενεργοποίηση της λήψης οθόνης των Windows στο πλήκτρο Print Screen. Απενεργοποιήστε την στις Ρυθμίσεις › Προσβασιμότητα › Πληκτρολόγιο."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Παράθυρο με κύλιση"},
    {ScrollingUnreadableMessage, "Το Snapwright δεν μπόρεσε να τραβήξει το στιγμιότυπο: δεν υπάρχει παράθυρο στο προσκήνιο ή δεν ήταν δυνατή η ανάγνωσή του."},
    {ScrollingNoteHeading, "Κύλιση… Το Esc σταματά"},
    {ScrollingNoteCount, "{pixels} εικονοστοιχεία"},
    {ScrollingDoesNotScrollMessage, "Το παράθυρο δεν κυλίεται: η εικόνα το δείχνει όπως είναι."},
    {ScrollingHeightLimitMessage, "Το όριο ύψους συμπληρώθηκε: η εικόνα τελειώνει στα {pixels} εικονοστοιχεία."},
    {ScrollingWindowLostMessage, "Το παράθυρο έκλεισε ή μετακινήθηκε κατά την κύλιση: η εικόνα περιέχει ό,τι είχε ληφθεί ως τότε."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Το Snapwright δεν μπόρεσε να ανοίξει το αρχείο\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Το αρχείο δεν είναι εικόνα σε μορφή που διαβάζει το Snapwright (BMP, JPEG, PNG, MNG, TIFF) ή δεν μπορεί να διαβαστεί."},
    {DamagedPictureReason, "Δεν ήταν δυνατή η ανάγνωση της εικόνας του αρχείου. Το αρχείο μπορεί να είναι κατεστραμμένο."},
    {PictureWithoutSizeReason, "Το αρχείο δεν δίνει μέγεθος για την εικόνα του. Το αρχείο μπορεί να είναι κατεστραμμένο."},
    {PictureTooLargeReason, "Η εικόνα είναι {size} pixel. Το Snapwright ανοίγει εικόνες έως {limit} pixel ανά πλευρά."},
    {PictureNeedsTooMuchMemoryReason, "Η εικόνα είναι {size} pixel και χρειάζεται περίπου {megabytes} MB μνήμης για να ανοίξει, περισσότερη από όση μπορεί να πάρει τώρα το Snapwright."},
    {NoMemoryForPictureReason, "Δεν υπάρχει αρκετή μνήμη για την εμφάνιση εικόνας αυτού του μεγέθους."},
    {UnsupportedPictureReason, "Το Snapwright δεν μπορεί να εμφανίσει αυτό το είδος εικόνας (για παράδειγμα, τα χρώματά της δεν είναι αποθηκευμένα ως ακέραιοι αριθμοί)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
