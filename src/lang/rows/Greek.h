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
    {AlreadyRunningMessage, "Το Snapwright εκτελείται ήδη: το εικονίδιό του βρίσκεται στην περιοχή ειδοποιήσεων."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Αποθήκευση αλλαγών σε αυτό το αρχείο;"},
    {EditorQuitCaption, "Έξοδος από το πρόγραμμα"},
    {EditorDiscardQuestion, "Να απορριφθεί πράγματι αυτό το αρχείο;"},
    {EditorNewFileCaption, "Νέο αρχείο"},
    {EditorOpenFileCaption, "Άνοιγμα αρχείου"},

    // -- Editor: marks --

    // -- Region overlay --

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
