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

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Αποθήκευση στιγμιότυπου οθόνης ως ..."},
    {FileFormatFrame, "επιλογή μορφής αρχείου"},
    {ThumbnailBox, "δημιουργία μικρογραφίας"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Πληροφορίες"},
    {OptionsMenuItem, "Επιλογές"},
    {CloseMenuItem, "Κλείσιμο μενού"},
    {ExitMenuItem, "Έξοδος"},

    // -- Start window --

    // -- Editor --
    {EditorSaveChangesQuestion, "Αποθήκευση αλλαγών σε αυτό το αρχείο;"},
    {EditorQuitCaption, "Έξοδος από το πρόγραμμα"},
    {EditorDiscardQuestion, "Να απορριφθεί πράγματι αυτό το αρχείο;"},
    {EditorNewFileCaption, "Νέο αρχείο"},
    {EditorOpenFileCaption, "Άνοιγμα αρχείου"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture (capture/ScrollCapture.h) --
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
