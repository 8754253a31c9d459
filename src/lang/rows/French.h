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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Fenêtre avec défilement"},
    {ScrollingUnreadableMessage, "Snapwright n'a pas pu prendre la capture : aucune fenêtre n'est au premier plan, ou elle n'a pas pu être lue."},
    {ScrollingNoteHeading, "Défilement… Échap arrête"},
    {ScrollingNoteCount, "{pixels} pixels capturés"},
    {ScrollingDoesNotScrollMessage, "La fenêtre ne défile pas : l'image la montre telle qu'elle est."},
    {ScrollingHeightLimitMessage, "La hauteur maximale a été atteinte : l'image s'arrête à {pixels} pixels."},
    {ScrollingWindowLostMessage, "La fenêtre a été fermée ou déplacée pendant le défilement : l'image contient ce qui a été capturé jusque-là."},

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
});

}  // namespace snapwright::language_rows
