#pragma once
#include "lang/LanguageRow.h"

// Romanian, language 11.
namespace snapwright::language_rows {

inline constexpr LanguageRow kRomanian = Row("Român *", "Arial *", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Anulează"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Despre Snapwright™"},
    {AboutCopyright, "Copyright © 2002 autorii Snapwright. Toate drepturile rezervate."},
    {AboutDisclaimer, "Acest program este protejat de legislația germană și internațională privind drepturile de autor."},
    {UpdateButton, "&Actualizare ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Trimite captura de ecran către ..."},
    {AskApplicationFrame, "Alegeți aplicația"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Trimite captura de ecran către {program}"},
    {NotRunningQuestion, "{program} nu rulează. Îl porniți acum?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Opțiuni"},
    {PrintFrame, "Imprimare"},
    {DefaultPrinterOption, "imprimă la imprimanta implicită"},
    {ChoosePrinterOption, "afișează alegerea imprimantei"},
    {SaveFrame, "Salvare"},
    {SaveToProgramFolderOption, "salvează întotdeauna în directorul de instalare cu numele de fișier implicit"},
    {AskForFileOption, "întreabă întotdeauna directorul de destinație și numele fișierului"},
    {SendFrame, "Trimite către aplicație"},
    {SendToOfficeOption, "trimite captura de ecran către"},
    {AskAtSendOption, "întreabă programul de destinație"},
    {PrintFormatFrame, "Format de imprimare"},
    {HeaderFooterFrame, "Marcaj de timp și subsol"},
    {PrintTimestampBox, "imprimă marcajul de timp"},
    {PrintUserNameBox, "Nume de utilizator"},
    {PrintComputerNameBox, "Numele computerului"},
    {PrintFooterBox, "imprimă reclama în subsol"},
    {LanguageFrame, "Limbă"},
    {SelectLanguageLabel, "alegeți limba"},
    {DefaultsButton, "Setări &implicite"},
    {SaveButton, "&Salvează"},
    {KeysButton, "&Taste…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Salvează captura de ecran ca ..."},
    {FileFormatFrame, "alegeți formatul fișierului"},
    {ThumbnailBox, "creează miniatură"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informații"},
    {OptionsMenuItem, "Opțiuni"},
    {CloseMenuItem, "Închide meniul"},
    {ExitMenuItem, "Ieșire"},
    {ScreenMenuItem, "Ecran"},
    {WindowMenuItem, "Fereastra din prim-plan"},
    {RegionMenuItem, "Regiune"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright rulează deja: pictograma sa este în zona de notificare."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Salvați modificările aduse acestui fișier?"},
    {EditorQuitCaption, "Ieșire din program"},
    {EditorDiscardQuestion, "Sigur renunțați la acest fișier?"},
    {EditorNewFileCaption, "Fișier nou"},
    {EditorOpenFileCaption, "Deschidere fișier"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Imprimă ecranul"},
    {PrintWindowAction, "Imprimă fereastra din prim-plan"},
    {SaveScreenAction, "Salvează ecranul"},
    {SaveWindowAction, "Salvează fereastra din prim-plan"},
    {SendScreenAction, "Trimite ecranul"},
    {SendWindowAction, "Trimite fereastra din prim-plan"},
    {RegionAction, "Trasează o regiune pentru editor"},
    {KeysCaption, "Taste"},
    {KeysIntroLabel, "Faceți clic pe un câmp și apăsați tastele. Tastele care scriu sau mută într-un text au nevoie de Ctrl sau Alt. Debifați o casetă pentru a dezactiva acțiunea ei."},
    {KeyDefaultsButton, "&Implicite"},
    {KeyTakenMessage, "{key} este deja folosită de alt program."},
    {KeysTakenMessage, "Aceste taste sunt deja folosite de alte programe: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Captura de ecran a Windows ocupă tasta Print Screen (Setări › Accesibilitate › Tastatură › „Utilizați tasta Print Screen pentru a deschide captura de ecran”)."},
    {RunsWithoutKeysMessage, "Snapwright rulează totuși, iar meniul pictogramei sale din zona de notificare face și el capturi de ecran."},
    {WhereToChooseKeysMessage, "Alte taste se aleg în acel meniu, la {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Dezactivați acum pentru acest utilizator captura de ecran a Windows de pe tasta Print Screen?"},
    {ChooseAnotherKeyMessage, "Alegeți altă tastă sau dezactivați acțiunea."},
    {SharedKeyMessage, "{key} este aleasă de două ori: pentru „{first}” și pentru „{second}”. Alegeți altă tastă pentru una dintre ele."},
    {WindowsCaptureNotSwitchedOff, "Captura de ecran a Windows de pe tasta Print Screen nu a putut fi dezactivată. Dezactivați-o în Setări › Accesibilitate › Tastatură."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright nu a putut deschide\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Fișierul nu este o imagine într-un format pe care Snapwright îl citește (BMP, JPEG, PNG, MNG, TIFF) sau nu poate fi citit."},
    {DamagedPictureReason, "Imaginea din fișier nu a putut fi citită; este posibil ca fișierul să fie deteriorat."},
    {PictureWithoutSizeReason, "Fișierul nu indică dimensiunea imaginii; este posibil ca fișierul să fie deteriorat."},
    {PictureTooLargeReason, "Imaginea are {size} pixeli. Snapwright deschide imagini de până la {limit} pixeli pe latură."},
    {PictureNeedsTooMuchMemoryReason, "Imaginea are {size} pixeli și necesită aproximativ {megabytes} MB de memorie pentru a fi deschisă, mai mult decât poate obține Snapwright acum."},
    {NoMemoryForPictureReason, "Nu există suficientă memorie pentru a afișa o imagine de această dimensiune."},
    {UnsupportedPictureReason, "Snapwright nu poate afișa acest tip de imagine (de exemplu, culorile sale nu sunt stocate ca numere întregi)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright nu a putut salva captura de ecran ca\n{file}\n\n{reason}\n\nCaptura de ecran este în continuare în clipboard."},
    {FolderFailedMessage, "Snapwright nu a putut crea folderul pentru captura de ecran:\n{folder}\n\n{reason}\n\nCaptura de ecran este în continuare în clipboard."},
    {SaveRefusedMessage, "Snapwright nu poate salva captura de ecran ca\n{file}\n\n{reason}\n\nAlegeți alt nume."},
    {ReplaceFileQuestion, "{file}\nexistă deja.\n\nDoriți să-l înlocuiți?"},
    {ReplaceFilesQuestion, "Aceste fișiere există deja:\n{files}\n\nDoriți să le înlocuiți?"},
    {SaveDialogTitle, "Salvare captură de ecran"},
    {NoScreenshotToSaveMessage, "Nu există nicio captură de ecran de salvat."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Calea numește un folder, dar niciun fișier."},
    {ForbiddenCharacterReason, "Numele conține un caracter pe care Windows nu îl permite: „{character}”."},
    {NameTooLongReason, "Numele este prea lung: are {length} caractere, iar Windows permite {limit}."},
    {PathTooLongReason, "Calea este prea lungă: are {length} caractere, iar Windows permite aici {limit}."},
    {DeviceNameReason, "Windows rezervă numele „{name}” pentru un dispozitiv."},
    {DriveMissingReason, "Unitatea {drive} nu există."},
    {NetworkFolderMissingReason, "Folderul de rețea {folder} nu poate fi accesat."},
    {FolderOfThatNameReason, "Există deja un folder cu acest nume."},
    {FileInTheWayReason, "{folder} este un fișier, nu un folder."},
    {FolderMissingReason, "Folderul {folder} nu există."},
    {FolderTakesNoFilesReason, "Windows nu permite crearea de fișiere sau foldere noi în {folder}."},
    {BadNameReason, "Windows nu acceptă acest nume pentru un fișier."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Captura de ecran nu a putut fi convertită într-o imagine a bibliotecii de imagini."},
    {NotEncodedReason, "Biblioteca de imagini nu a putut codifica imaginea."},
    {NoThumbnailReason, "Biblioteca de imagini nu a putut micșora imaginea la o miniatură."},
    {EmptyFileReason, "Fișierul este gol după scriere."},
    {NoMemoryToConvertReason, "Nu există suficientă memorie pentru a converti captura de ecran."},
    {PictureUnreadableReason, "Pixelii capturii de ecran nu au putut fi citiți."},
    {LibraryWriteFailedReason, "Biblioteca de imagini nu a putut scrie fișierul."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nRulați snapwright.exe --help pentru a vedea opțiunile."},
    {UnknownOptionError, "Opțiune necunoscută „{option}”."},
    {UnexpectedArgumentError, "Argument neașteptat „{argument}”."},
    {OptionTwiceError, "„{option}” este dată de două ori."},
    {OptionNeedsValueError, "„{option}” necesită o valoare."},
    {OptionTakesNoValueError, "„{option}” nu acceptă nicio valoare."},
    {DelayValueError, "--delay acceptă secunde de la 0 la 3600, de exemplu 2 sau 0.5, nu „{value}”."},
    {ToValueError, "--to acceptă clipboard, print, save, send sau editor, nu „{value}”."},
    {FileNeedsPathError, "--file necesită o cale."},
    {FormatValueError, "--format acceptă bmp, jpg, png, tif sau mng, nu „{value}”."},
    {ThumbnailValueError, "--thumbnail acceptă un procent de la 10 la 50, nu „{value}”."},
    {OneCaptureError, "Indicați o singură captură, nu {first} și {second}."},
    {NoCaptureError, "Indicați o captură: --screen, --window sau --region."},
    {NeedsFileError, "{option} necesită --file."},
    {FileWithSaveError, "--file nu poate fi folosit cu --to save: caseta de dialog de salvare cere singură fișierul."},
    {FormatMismatchError, "--format {format} nu se potrivește cu fișierul „{file}”."},
    {UnknownFormatError, "Formatul fișierului „{file}” este necunoscut: indicați --format sau o extensie (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Fișierul există deja; --overwrite îl înlocuiește."},
    {ThumbnailExistsError, "Miniatura există deja; --overwrite o înlocuiește."},
    {CommandFailedMessage, "Snapwright nu a putut executa comanda: {reason}"},
    {ScreenUnreadableMessage, "Snapwright nu a putut face captura de ecran: ecranul nu a putut fi citit."},
    {NoWindowInFrontMessage, "Snapwright nu a putut face captura de ecran: nu există nicio fereastră în prim-plan sau aceasta nu a putut fi citită."},
    {NoRegionHereMessage, "Snapwright nu poate captura o regiune aici."},
    {RegionInUseMessage, "Se trasează deja o regiune, iar Snapwright trasează câte una. Terminați-o sau anulați-o (Esc), apoi dați din nou comanda."},
    {ClipboardHeldMessage, "Snapwright nu a putut pune captura de ecran în clipboard: îl ține ocupat alt program."},
    {NotHandedOnMessage, "Snapwright nu a putut transmite captura de ecran mai departe."},
    {PageWaitsMessage, "Pagina își așteaptă a doua captură de ecran."},
    {PageOfTwoAloneMessage, "Pagina cuprinde două capturi de ecran, iar fără Snapwright în zona de notificare nu va veni a doua: nu se imprimă nimic. Porniți mai întâi Snapwright sau alegeți în opțiunile sale o pagină cu o singură captură."},
    {TrayProgramSilentMessage, "Snapwright rulează în zona de notificare, dar nu răspunde."},
    {TrayProgramEndedMessage, "Snapwright s-a închis înainte de a termina comanda."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Captura de ecran din editorul Snapwright are modificări nesalvate."},
});

}  // namespace snapwright::language_rows
