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
    {AboutWindowTitle, "À propos de Snapwright"},
    {AboutVersionLabel, "Version {version}"},
    {CreditsButton, "Crédits..."},
    {CreditsCaption, "Crédits"},
    {CreditsAuthors, "Snapwright™ par les auteurs de Snapwright, 2002-2006"},
    {CreditsLibrary, "Les fichiers image sont lus et écrits avec la bibliothèque FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Traductions :\r\nGrec : le traducteur de Snapwright pour le grec, 2005\r\nTchèque : le traducteur de Snapwright pour le tchèque, 2005\r\nEspagnol : le traducteur de Snapwright pour l'espagnol, 2006\r\nFrançais : le traducteur de Snapwright pour le français, 2006\r\nAllemand et anglais : les auteurs de Snapwright, 2002-2006\r\nAutres langues : les auteurs de Snapwright, avec un outil de traduction automatique"},
    {CreditsThanks, "Merci à cppreference.com, winehq.org, learn.microsoft.com et à la MSDN Library,\r\nainsi qu'à tous les autres sites web de programmation."},

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
    {OptionsWindowTitle, "Options de Snapwright"},
    {SendToEditorOption, "Éditeur Snapwright™"},
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
    {StartOptionsHint, "Pour configurer Snapwright™, cliquez avec le bouton droit sur l'icône de la barre des tâches et choisissez « {item} »."},
    {ShowAtStartupBox, "Afficher cet écran au démarrage"},
    {AlreadyRunningMessage, "Snapwright est déjà en cours d’exécution : son icône se trouve dans la zone de notification."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Enregistrer les modifications de ce fichier ?"},
    {EditorQuitCaption, "Quitter le programme"},
    {EditorDiscardQuestion, "Voulez-vous vraiment abandonner ce fichier ?"},
    {EditorNewFileCaption, "Nouveau fichier"},
    {EditorOpenFileCaption, "Ouvrir un fichier"},
    {EditorNewButton, "Nouveau"},
    {EditorNewTip, "Nouveau : commencer avec une image vide"},
    {EditorRegionButton, "Zone"},
    {EditorRegionTip, "Zone : capturer une zone de l'écran comme nouvelle image"},
    {EditorOpenButton, "Ouvrir"},
    {EditorOpenTip, "Ouvrir un fichier image"},
    {EditorSaveButton, "Enregistrer"},
    {EditorSaveTip, "Enregistrer l'image"},
    {EditorPrintButton, "Imprimer"},
    {EditorPrintTip, "Imprimer l'image"},
    {EditorCopyButton, "Copier"},
    {EditorCopyTip, "Copier l'image dans le Presse-papiers"},
    {EditorSendTip, "Envoyer l'image à {program}"},
    {EditorUndoButton, "Annuler"},
    {EditorUndoTip, "Annuler la dernière modification"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom : faites glisser sur une zone ou cliquez sur deux coins, puis cliquez là où placer l'agrandissement"},
    {EditorCropButton, "Rogner"},
    {EditorCropTip, "Rogner : cliquez là où le coin le plus proche de l'image doit venir"},
    {EditorFrameButton, "Cadre"},
    {EditorFrameTip, "Cadre : faites glisser d'un coin à l'autre ou cliquez sur deux coins opposés"},
    {EditorEllipseButton, "Ellipse"},
    {EditorEllipseTip, "Ellipse : faites glisser d'un coin à l'autre ou cliquez sur deux coins opposés"},
    {EditorTextButton, "Texte"},
    {EditorTextTip, "Texte : cliquez ou tracez une zone et tapez ; Entrée l'insère, Maj+Entrée commence une ligne, Échap l'abandonne"},
    {EditorArrowButton, "Flèche"},
    {EditorArrowTip, "Flèche : faites glisser de la queue à la pointe"},
    {EditorHighlightButton, "Surligneur"},
    {EditorHighlightTip, "Surligneur : faites glisser sur ce qui doit ressortir"},
    {EditorRedactButton, "Masquer"},
    {EditorRedactTip, "Masquer : faites glisser sur ce que personne ne doit lire ; maintenez Maj en relâchant pour le remplir entièrement"},
    {EditorStrengthLabel, "Épaisseur :"},
    {EditorStrengthTip, "Épaisseur des cadres, ellipses et flèches ; taille des blocs du masquage"},
    {EditorTextSizeLabel, "Taille :"},
    {EditorTextSizeTip, "Hauteur du texte"},
    {EditorColourButton, "Couleur"},
    {EditorColourTip, "Couleur des cadres, ellipses, textes, flèches et surlignages"},
    {EditorHelpButton, "Aide"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Ouvrir un fichier de capture d'écran"},
    {EditorNothingToHandOnMessage, "L'éditeur ne contient aucune image à transmettre."},
    {EditorPageWaitsMessage, "La page contient deux captures d'écran : cette image est la première, et la page attend la seconde.\r\n\r\nCliquez de nouveau sur Imprimer ou faites une capture avec la touche Impr. écran, et la page sera imprimée."},
    {EditorCopyFailedMessage, "Snapwright n'a pas pu placer l'image dans le Presse-papiers."},
    {EditorNoMemoryMessage, "Snapwright n'a pas pu modifier l'image : le système n'a plus assez de mémoire."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Zone Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright n'a pas pu imprimer la capture d'écran : aucune imprimante n'est installée. La dernière capture d'écran est toujours dans le Presse-papiers."},
    {PrintPrinterUnusableMessage, "Snapwright n'a pas pu imprimer la capture d'écran : l'imprimante « {printer} » ne peut pas être utilisée. Vérifiez qu'elle est installée et prête, ou choisissez une autre imprimante. La dernière capture d'écran est toujours dans le Presse-papiers."},
    {PrintFailedMessage, "Snapwright n'a pas pu imprimer la capture d'écran sur l'imprimante « {printer} ». La dernière capture d'écran est toujours dans le Presse-papiers."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright n'a pas pu envoyer la capture d'écran à {program} : {reason}\r\n\r\nLa capture d'écran est dans le Presse-papiers : vous pouvez la coller vous-même dans {program}."},
    {SendClipboardFailedMessage, "Snapwright n'a pas pu placer l'image dans le Presse-papiers et ne peut donc pas l'envoyer à {program}."},
    {AutomationNotInstalledReason, "il n'est pas installé, ou sa classe d'automatisation « {member} » n'est pas inscrite"},
    {AutomationUnreachableReason, "son instance en cours d'exécution est injoignable"},
    {AutomationNotStartedReason, "il n'a pas pu être démarré"},
    {AutomationUnknownMemberReason, "il ne connaît pas « {member} »"},
    {AutomationBusyReason, "il ne répond pas (il est peut-être occupé, par exemple par l'une de ses boîtes de dialogue)"},
    {AutomationClosedReason, "il a été fermé ou ne répond plus"},
    {AutomationRefusedReason, "il a refusé « {member} » ({reason})"},
    {AutomationNoMemoryReason, "la mémoire était insuffisante pour l'appel"},
    {AutomationNoObjectReason, "il n'a pas fourni son objet « {member} »"},
    {AutomationNotScriptableReason, "sa classe d'automatisation « {member} » ne peut pas être pilotée par nom"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Le fichier d'aide est introuvable. Snapwright l'attend ici :\n{file}"},
    {StartFailedMessage, "Snapwright n'a pas pu démarrer en raison d'une erreur interne."},

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
