#pragma once
#include "lang/LanguageRow.h"

// French, language 2.
namespace snapwright::language_rows {

inline constexpr LanguageRow kFrench = Row("Français", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "A&nnuler"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "À propos de Snapwright™"},
    {AboutCopyright, "Copyright © 2002 les auteurs de Snapwright. Tous droits réservés."},
    {AboutDisclaimer, "Ce programme est protégé par le droit d'auteur allemand et international."},
    {UpdateButton, "&Mise à jour ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Envoyer la capture d'écran à ..."},
    {AskApplicationFrame, "Choisissez une application"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Envoyer la capture d'écran à {program}"},
    {NotRunningQuestion, "{program} n'est pas lancé. Le démarrer maintenant ?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Options de Snapwright™"},
    {PrintFrame, "Impression"},
    {DefaultPrinterOption, "imprimer sur l'imprimante par défaut"},
    {ChoosePrinterOption, "afficher le choix de l'imprimante"},
    {SaveFrame, "Enregistrement"},
    {SaveToProgramFolderOption, "toujours enregistrer dans le dossier d'installation sous le nom par défaut"},
    {AskForFileOption, "toujours demander le dossier de destination et le nom du fichier"},
    {SendFrame, "Envoyer vers une application"},
    {SendToOfficeOption, "envoyer la capture d'écran à"},
    {AskAtSendOption, "demander le programme de destination"},
    {PrintFormatFrame, "Format d'impression"},
    {HeaderFooterFrame, "Horodatage et pied de page"},
    {PrintTimestampBox, "imprimer l'horodatage"},
    {PrintUserNameBox, "Nom d'utilisateur"},
    {PrintComputerNameBox, "Nom de l'ordinateur"},
    {PrintFooterBox, "imprimer la publicité en pied de page"},
    {LanguageFrame, "Langue"},
    {SelectLanguageLabel, "choisir la langue"},
    {DefaultsButton, "&Valeurs par défaut"},
    {SaveButton, "&Enregistrer"},
    {KeysButton, "&Touches…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Enregistrer la capture d'écran sous ..."},
    {FileFormatFrame, "choisir le format de fichier"},
    {ThumbnailBox, "créer une miniature"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informations"},
    {OptionsMenuItem, "Options"},
    {CloseMenuItem, "Fermer le menu"},
    {ExitMenuItem, "Quitter"},
    {ScreenMenuItem, "Écran"},
    {WindowMenuItem, "Fenêtre au premier plan"},
    {RegionMenuItem, "Zone"},
    {EditorMenuItem, "Éditeur"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright est déjà en cours d’exécution : son icône se trouve dans la zone de notification."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Enregistrer les modifications de ce fichier ?"},
    {EditorQuitCaption, "Quitter le programme"},
    {EditorDiscardQuestion, "Voulez-vous vraiment abandonner ce fichier ?"},
    {EditorNewFileCaption, "Nouveau fichier"},
    {EditorOpenFileCaption, "Ouvrir un fichier"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Imprimer l’écran"},
    {PrintWindowAction, "Imprimer la fenêtre au premier plan"},
    {SaveScreenAction, "Enregistrer l’écran"},
    {SaveWindowAction, "Enregistrer la fenêtre au premier plan"},
    {SendScreenAction, "Envoyer l’écran"},
    {SendWindowAction, "Envoyer la fenêtre au premier plan"},
    {RegionAction, "Tracer une zone pour l’éditeur"},
    {KeysCaption, "Touches"},
    {KeysIntroLabel, "Cliquez dans un champ et appuyez sur les touches. Les touches qui écrivent ou déplacent dans un texte demandent Ctrl ou Alt. Décochez une case pour désactiver son action."},
    {KeyDefaultsButton, "&Par défaut"},
    {KeyTakenMessage, "La combinaison {key} est déjà utilisée par un autre programme."},
    {KeysTakenMessage, "Ces touches sont déjà utilisées par d’autres programmes : {keys}."},
    {WindowsCaptureHoldsPrintScreen, "La capture d’écran de Windows occupe la touche Impr. écran (Paramètres › Accessibilité › Clavier › « Utiliser la touche Impr. écran pour ouvrir la capture d’écran »)."},
    {RunsWithoutKeysMessage, "Snapwright fonctionne quand même, et le menu de son icône de notification prend aussi des captures d’écran."},
    {WhereToChooseKeysMessage, "D’autres touches se choisissent dans ce menu sous {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Désactiver maintenant la capture d’écran de Windows sur la touche Impr. écran pour cet utilisateur ?"},
    {ChooseAnotherKeyMessage, "Choisissez une autre touche ou désactivez l’action."},
    {SharedKeyMessage, "La combinaison {key} est choisie deux fois : pour « {first} » et pour « {second} ». Choisissez une autre touche pour l’une des deux."},
    {WindowsCaptureNotSwitchedOff, "La capture d’écran de Windows sur la touche Impr. écran n’a pas pu être désactivée. Désactivez-la dans Paramètres › Accessibilité › Clavier."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright n'a pas pu ouvrir\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Le fichier n'est pas une image dans un format que Snapwright sait lire (BMP, JPEG, PNG, MNG, TIFF), ou il ne peut pas être lu."},
    {DamagedPictureReason, "L'image du fichier n'a pas pu être lue ; le fichier est peut-être endommagé."},
    {PictureWithoutSizeReason, "Le fichier n'indique aucune taille pour son image ; le fichier est peut-être endommagé."},
    {PictureTooLargeReason, "L'image mesure {size} pixels. Snapwright ouvre les images d'au plus {limit} pixels de côté."},
    {PictureNeedsTooMuchMemoryReason, "L'image mesure {size} pixels et demande environ {megabytes} Mo de mémoire pour être ouverte, plus que Snapwright ne peut en obtenir maintenant."},
    {NoMemoryForPictureReason, "La mémoire est insuffisante pour afficher une image de cette taille."},
    {UnsupportedPictureReason, "Snapwright ne peut pas afficher ce type d'image (ses couleurs ne sont pas enregistrées sous forme de nombres entiers, par exemple)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright n'a pas pu enregistrer la capture d'écran sous\n{file}\n\n{reason}\n\nLa capture d'écran est toujours dans le Presse-papiers."},
    {FolderFailedMessage, "Snapwright n'a pas pu créer le dossier de la capture d'écran :\n{folder}\n\n{reason}\n\nLa capture d'écran est toujours dans le Presse-papiers."},
    {SaveRefusedMessage, "Snapwright ne peut pas enregistrer la capture d'écran sous\n{file}\n\n{reason}\n\nVeuillez choisir un autre nom."},
    {ReplaceFileQuestion, "{file}\nexiste déjà.\n\nVoulez-vous le remplacer ?"},
    {ReplaceFilesQuestion, "Ces fichiers existent déjà :\n{files}\n\nVoulez-vous les remplacer ?"},
    {SaveDialogTitle, "Enregistrer la capture d'écran"},
    {NoScreenshotToSaveMessage, "Il n'y a aucune capture d'écran à enregistrer."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Le chemin désigne un dossier, mais aucun fichier."},
    {ForbiddenCharacterReason, "Le nom contient un caractère que Windows n'autorise pas : « {character} »."},
    {NameTooLongReason, "Le nom est trop long : il compte {length} caractères, et Windows en autorise {limit}."},
    {PathTooLongReason, "Le chemin est trop long : il compte {length} caractères, et Windows en autorise ici {limit}."},
    {DeviceNameReason, "Windows réserve le nom « {name} » à un périphérique."},
    {DriveMissingReason, "Le lecteur {drive} n'existe pas."},
    {NetworkFolderMissingReason, "Le dossier réseau {folder} est inaccessible."},
    {FolderOfThatNameReason, "Un dossier de ce nom existe déjà."},
    {FileInTheWayReason, "{folder} est un fichier, et non un dossier."},
    {FolderMissingReason, "Le dossier {folder} n'existe pas."},
    {FolderTakesNoFilesReason, "Windows ne permet pas de créer de fichiers ou de dossiers dans {folder}."},
    {BadNameReason, "Windows n'accepte pas ce nom pour un fichier."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "La capture d'écran n'a pas pu être convertie en image de la bibliothèque d'images."},
    {NotEncodedReason, "La bibliothèque d'images n'a pas pu encoder l'image."},
    {NoThumbnailReason, "La bibliothèque d'images n'a pas pu réduire l'image en miniature."},
    {EmptyFileReason, "Le fichier est vide après l'écriture."},
    {NoMemoryToConvertReason, "Il n'y a pas assez de mémoire pour convertir la capture d'écran."},
    {PictureUnreadableReason, "Les pixels de la capture d'écran n'ont pas pu être lus."},
    {LibraryWriteFailedReason, "La bibliothèque d'images n'a pas pu écrire le fichier."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nExécutez snapwright.exe --help pour voir les options."},
    {UnknownOptionError, "Option inconnue « {option} »."},
    {UnexpectedArgumentError, "Argument inattendu « {argument} »."},
    {OptionTwiceError, "« {option} » est indiqué deux fois."},
    {OptionNeedsValueError, "« {option} » demande une valeur."},
    {OptionTakesNoValueError, "« {option} » ne prend pas de valeur."},
    {DelayValueError, "--delay prend des secondes de 0 à 3600, par exemple 2 ou 0.5, et non « {value} »."},
    {ToValueError, "--to prend clipboard, print, save, send ou editor, et non « {value} »."},
    {FileNeedsPathError, "--file demande un chemin."},
    {FormatValueError, "--format prend bmp, jpg, png, tif ou mng, et non « {value} »."},
    {ThumbnailValueError, "--thumbnail prend un pourcentage de 10 à 50, et non « {value} »."},
    {OneCaptureError, "Indiquez une seule capture, et non {first} et {second}."},
    {NoCaptureError, "Indiquez une capture : --screen, --window ou --region."},
    {NeedsFileError, "{option} demande --file."},
    {FileWithSaveError, "--file ne va pas avec --to save : la boîte de dialogue d'enregistrement demande elle-même le fichier."},
    {FormatMismatchError, "--format {format} ne correspond pas au fichier « {file} »."},
    {UnknownFormatError, "Le format de « {file} » est inconnu : indiquez --format ou une extension (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Le fichier existe déjà ; --overwrite le remplace."},
    {ThumbnailExistsError, "La miniature existe déjà ; --overwrite la remplace."},
    {CommandFailedMessage, "Snapwright n'a pas pu exécuter la commande : {reason}"},
    {ScreenUnreadableMessage, "Snapwright n'a pas pu prendre la capture d'écran : l'écran n'a pas pu être lu."},
    {NoWindowInFrontMessage, "Snapwright n'a pas pu prendre la capture d'écran : aucune fenêtre n'est au premier plan, ou elle n'a pas pu être lue."},
    {NoRegionHereMessage, "Snapwright ne peut pas capturer de zone ici."},
    {RegionInUseMessage, "Une zone est déjà en cours de tracé, et Snapwright en trace une à la fois. Terminez-la ou annulez-la (Échap), puis relancez la commande."},
    {ClipboardHeldMessage, "Snapwright n'a pas pu placer la capture d'écran dans le Presse-papiers : un autre programme l'occupe."},
    {NotHandedOnMessage, "Snapwright n'a pas pu transmettre la capture d'écran."},
    {PageWaitsMessage, "La page attend sa deuxième capture d'écran."},
    {PageOfTwoAloneMessage, "La page comprend deux captures d'écran, et sans Snapwright dans la zone de notification, aucune deuxième ne viendra : rien n'est imprimé. Démarrez d'abord Snapwright, ou choisissez dans ses options une page d'une seule capture d'écran."},
    {TrayProgramSilentMessage, "Snapwright s'exécute dans la zone de notification, mais ne répond pas."},
    {TrayProgramEndedMessage, "Snapwright s'est arrêté avant d'avoir terminé la commande."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "La capture d'écran de l'éditeur Snapwright contient des modifications non enregistrées."},
});

}  // namespace snapwright::language_rows
