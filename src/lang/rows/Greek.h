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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Το Snapwright δεν μπόρεσε να αποθηκεύσει το στιγμιότυπο ως\n{file}\n\n{reason}\n\nΤο στιγμιότυπο παραμένει στο Πρόχειρο."},
    {FolderFailedMessage, "Το Snapwright δεν μπόρεσε να δημιουργήσει τον φάκελο του στιγμιότυπου:\n{folder}\n\n{reason}\n\nΤο στιγμιότυπο παραμένει στο Πρόχειρο."},
    {SaveRefusedMessage, "Το Snapwright δεν μπορεί να αποθηκεύσει το στιγμιότυπο ως\n{file}\n\n{reason}\n\nΕπιλέξτε άλλο όνομα."},
    {ReplaceFileQuestion, "{file}\nυπάρχει ήδη.\n\nΘέλετε να αντικατασταθεί;"},
    {ReplaceFilesQuestion, "Αυτά τα αρχεία υπάρχουν ήδη:\n{files}\n\nΘέλετε να αντικατασταθούν;"},
    {SaveDialogTitle, "Αποθήκευση στιγμιότυπου"},
    {NoScreenshotToSaveMessage, "Δεν υπάρχει στιγμιότυπο για αποθήκευση."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Η διαδρομή ορίζει φάκελο αλλά όχι αρχείο."},
    {ForbiddenCharacterReason, "Το όνομα περιέχει χαρακτήρα που δεν επιτρέπουν τα Windows: «{character}»."},
    {NameTooLongReason, "Το όνομα είναι πολύ μεγάλο: έχει {length} χαρακτήρες, ενώ τα Windows επιτρέπουν {limit}."},
    {PathTooLongReason, "Η διαδρομή είναι πολύ μεγάλη: έχει {length} χαρακτήρες, ενώ τα Windows επιτρέπουν εδώ {limit}."},
    {DeviceNameReason, "Τα Windows δεσμεύουν το όνομα «{name}» για μια συσκευή."},
    {DriveMissingReason, "Η μονάδα {drive} δεν υπάρχει."},
    {NetworkFolderMissingReason, "Ο φάκελος δικτύου {folder} δεν είναι προσβάσιμος."},
    {FolderOfThatNameReason, "Υπάρχει ήδη φάκελος με αυτό το όνομα."},
    {FileInTheWayReason, "Το {folder} είναι αρχείο, όχι φάκελος."},
    {FolderMissingReason, "Ο φάκελος {folder} δεν υπάρχει."},
    {FolderTakesNoFilesReason, "Τα Windows δεν επιτρέπουν νέα αρχεία ή φακέλους στο {folder}."},
    {BadNameReason, "Τα Windows δεν δέχονται αυτό το όνομα αρχείου."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Δεν ήταν δυνατή η μετατροπή του στιγμιότυπου σε εικόνα της βιβλιοθήκης εικόνων."},
    {NotEncodedReason, "Η βιβλιοθήκη εικόνων δεν μπόρεσε να κωδικοποιήσει την εικόνα."},
    {NoThumbnailReason, "Η βιβλιοθήκη εικόνων δεν μπόρεσε να σμικρύνει την εικόνα σε μικρογραφία."},
    {EmptyFileReason, "Το αρχείο είναι κενό μετά την εγγραφή."},
    {NoMemoryToConvertReason, "Δεν υπάρχει αρκετή μνήμη για τη μετατροπή του στιγμιότυπου."},
    {PictureUnreadableReason, "Δεν ήταν δυνατή η ανάγνωση των pixel του στιγμιότυπου."},
    {LibraryWriteFailedReason, "Η βιβλιοθήκη εικόνων δεν μπόρεσε να γράψει το αρχείο."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nΓια τις παραμέτρους: snapwright.exe --help."},
    {UnknownOptionError, "Άγνωστη παράμετρος «{option}»."},
    {UnexpectedArgumentError, "Μη αναμενόμενο όρισμα «{argument}»."},
    {OptionTwiceError, "Το «{option}» δίνεται δύο φορές."},
    {OptionNeedsValueError, "Το «{option}» χρειάζεται τιμή."},
    {OptionTakesNoValueError, "Το «{option}» δεν δέχεται τιμή."},
    {DelayValueError, "Το --delay δέχεται δευτερόλεπτα από 0 έως 3600, π.χ. 2 ή 0.5, όχι «{value}»."},
    {ToValueError, "Το --to δέχεται clipboard, print, save, send ή editor, όχι «{value}»."},
    {FileNeedsPathError, "Το --file χρειάζεται διαδρομή."},
    {FormatValueError, "Το --format δέχεται bmp, jpg, png, tif ή mng, όχι «{value}»."},
    {ThumbnailValueError, "Το --thumbnail δέχεται ποσοστό από 10 έως 50, όχι «{value}»."},
    {OneCaptureError, "Δώστε μόνο ένα είδος λήψης, όχι {first} και {second}."},
    {NoCaptureError, "Δώστε είδος λήψης: --screen, --window ή --region."},
    {NeedsFileError, "Το {option} χρειάζεται --file."},
    {FileWithSaveError, "Το --file δεν ταιριάζει με το --to save: ο διάλογος αποθήκευσης ζητά μόνος του το αρχείο."},
    {FormatMismatchError, "Το --format {format} δεν ταιριάζει με το αρχείο «{file}»."},
    {UnknownFormatError, "Η μορφή του «{file}» είναι άγνωστη: δώστε --format ή επέκταση (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Το αρχείο υπάρχει ήδη. Το --overwrite το αντικαθιστά."},
    {ThumbnailExistsError, "Η μικρογραφία υπάρχει ήδη. Το --overwrite την αντικαθιστά."},
    {CommandFailedMessage, "Το Snapwright δεν μπόρεσε να εκτελέσει την εντολή: {reason}"},
    {ScreenUnreadableMessage, "Το Snapwright δεν μπόρεσε να λάβει στιγμιότυπο: η οθόνη δεν διαβάστηκε."},
    {NoWindowInFrontMessage, "Το Snapwright δεν μπόρεσε να λάβει στιγμιότυπο: δεν υπάρχει παράθυρο σε πρώτο πλάνο ή δεν διαβάστηκε."},
    {NoRegionHereMessage, "Το Snapwright δεν μπορεί να λάβει περιοχή εδώ."},
    {RegionInUseMessage, "Σχεδιάζεται ήδη μια περιοχή και το Snapwright σχεδιάζει μία κάθε φορά. Ολοκληρώστε ή ακυρώστε την (Esc) και δώστε ξανά την εντολή."},
    {ClipboardHeldMessage, "Το Snapwright δεν μπόρεσε να βάλει το στιγμιότυπο στο Πρόχειρο: το κρατά άλλο πρόγραμμα."},
    {NotHandedOnMessage, "Το Snapwright δεν μπόρεσε να προωθήσει το στιγμιότυπο."},
    {PageWaitsMessage, "Η σελίδα περιμένει το δεύτερο στιγμιότυπό της."},
    {PageOfTwoAloneMessage, "Η σελίδα παίρνει δύο στιγμιότυπα και χωρίς το Snapwright στην περιοχή ειδοποιήσεων δεν θα έρθει δεύτερο: δεν τυπώνεται τίποτα. Ξεκινήστε πρώτα το Snapwright ή επιλέξτε στις επιλογές σελίδα με ένα στιγμιότυπο."},
    {TrayProgramSilentMessage, "Το Snapwright εκτελείται στην περιοχή ειδοποιήσεων αλλά δεν αποκρίνεται."},
    {TrayProgramEndedMessage, "Το Snapwright τερματίστηκε πριν ολοκληρώσει την εντολή."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Το στιγμιότυπο στον επεξεργαστή του Snapwright έχει αλλαγές που δεν αποθηκεύτηκαν."},
});

}  // namespace snapwright::language_rows
