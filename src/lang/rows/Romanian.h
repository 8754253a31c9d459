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
    {AboutWindowTitle, "Despre Snapwright"},
    {AboutVersionLabel, "Versiunea {version}"},
    {CreditsButton, "Mulțumiri..."},
    {CreditsCaption, "Mulțumiri"},
    {CreditsAuthors, "Snapwright™ de autorii Snapwright, 2002-2006"},
    {CreditsLibrary, "Fișierele imagine sunt citite și scrise cu biblioteca FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Traduceri:\r\nGreacă: traducătorul Snapwright pentru greacă, 2005\r\nCehă: traducătorul Snapwright pentru cehă, 2005\r\nSpaniolă: traducătorul Snapwright pentru spaniolă, 2006\r\nFranceză: traducătorul Snapwright pentru franceză, 2006\r\nGermană și engleză: autorii Snapwright, 2002-2006\r\nAlte limbi: autorii Snapwright, cu un instrument de traducere automată"},
    {CreditsThanks, "Mulțumiri site-urilor cppreference.com, winehq.org, learn.microsoft.com și MSDN Library,\r\nprecum și tuturor celorlalte site-uri despre programare."},

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
    {OptionsWindowTitle, "Opțiuni Snapwright"},
    {SendToEditorOption, "Editorul Snapwright™"},
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
    {StartOptionsHint, "Pentru a configura Snapwright™, faceți clic dreapta pe pictograma din bara de activități și alegeți „{item}”."},
    {ShowAtStartupBox, "Afișează acest ecran la pornire"},
    {AlreadyRunningMessage, "Snapwright rulează deja: pictograma sa este în zona de notificare."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Salvați modificările aduse acestui fișier?"},
    {EditorQuitCaption, "Ieșire din program"},
    {EditorDiscardQuestion, "Sigur renunțați la acest fișier?"},
    {EditorNewFileCaption, "Fișier nou"},
    {EditorOpenFileCaption, "Deschidere fișier"},
    {EditorNewButton, "Nou"},
    {EditorNewTip, "Nou: începeți cu o imagine goală"},
    {EditorRegionButton, "Regiune"},
    {EditorRegionTip, "Regiune: capturați o regiune a ecranului ca imagine nouă"},
    {EditorOpenButton, "Deschidere"},
    {EditorOpenTip, "Deschideți un fișier imagine"},
    {EditorSaveButton, "Salvare"},
    {EditorSaveTip, "Salvați imaginea"},
    {EditorPrintButton, "Imprimare"},
    {EditorPrintTip, "Imprimați imaginea"},
    {EditorCopyButton, "Copiere"},
    {EditorCopyTip, "Copiați imaginea în clipboard"},
    {EditorSendTip, "Trimiteți imaginea în {program}"},
    {EditorUndoButton, "Anulare"},
    {EditorUndoTip, "Anulați ultima modificare"},
    {EditorZoomButton, "Zoom"},
    {EditorZoomTip, "Zoom: trageți peste o regiune sau faceți clic pe două colțuri, apoi faceți clic unde va fi mărirea"},
    {EditorCropButton, "Decupare"},
    {EditorCropTip, "Decupare: faceți clic unde trebuie mutat cel mai apropiat colț al imaginii"},
    {EditorFrameButton, "Cadru"},
    {EditorFrameTip, "Cadru: trageți de la un colț la altul sau faceți clic pe două colțuri opuse"},
    {EditorEllipseButton, "Elipsă"},
    {EditorEllipseTip, "Elipsă: trageți de la un colț la altul sau faceți clic pe două colțuri opuse"},
    {EditorTextButton, "Text"},
    {EditorTextTip, "Text: faceți clic sau trageți o casetă și tastați; Enter îl inserează, Shift+Enter începe un rând, Esc îl elimină"},
    {EditorArrowButton, "Săgeată"},
    {EditorArrowTip, "Săgeată: trageți de la coadă la vârf"},
    {EditorHighlightButton, "Marcator"},
    {EditorHighlightTip, "Marcator: trageți peste ce trebuie evidențiat"},
    {EditorRedactButton, "Ascundere"},
    {EditorRedactTip, "Ascundere: trageți peste ce nu are voie nimeni să citească; țineți apăsat Shift când eliberați pentru umplere completă"},
    {EditorStrengthLabel, "Grosime:"},
    {EditorStrengthTip, "Grosimea liniei pentru cadre, elipse și săgeți; dimensiunea blocurilor la ascundere"},
    {EditorTextSizeLabel, "Dimensiune:"},
    {EditorTextSizeTip, "Înălțimea textului"},
    {EditorColourButton, "Culoare"},
    {EditorColourTip, "Culoarea cadrelor, elipselor, textului, săgeților și evidențierilor"},
    {EditorHelpButton, "Ajutor"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Deschidere fișier captură de ecran"},
    {EditorNothingToHandOnMessage, "Nu există nicio imagine în editor care să fie transmisă."},
    {EditorPageWaitsMessage, "Pagina cuprinde două capturi de ecran: această imagine este prima, iar pagina o așteaptă pe a doua.\r\n\r\nFaceți din nou clic pe Imprimare sau faceți o captură cu tasta Print Screen, iar pagina va fi imprimată."},
    {EditorCopyFailedMessage, "Snapwright nu a putut pune imaginea în clipboard."},
    {EditorNoMemoryMessage, "Snapwright nu a putut modifica imaginea: sistemul are prea puțină memorie liberă."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Regiune Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright nu a putut imprima captura de ecran: nu este instalată nicio imprimantă. Ultima captură de ecran se află încă în clipboard."},
    {PrintPrinterUnusableMessage, "Snapwright nu a putut imprima captura de ecran: imprimanta „{printer}” nu poate fi utilizată. Verificați dacă este instalată și pregătită sau alegeți altă imprimantă. Ultima captură de ecran se află încă în clipboard."},
    {PrintFailedMessage, "Snapwright nu a putut imprima captura de ecran la imprimanta „{printer}”. Ultima captură de ecran se află încă în clipboard."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright nu a putut trimite captura de ecran în {program}: {reason}\r\n\r\nCaptura de ecran se află în clipboard: o puteți lipi singur în {program}."},
    {SendClipboardFailedMessage, "Snapwright nu a putut pune imaginea în clipboard, deci nu o poate trimite în {program}."},
    {AutomationNotInstalledReason, "nu este instalat sau clasa sa de automatizare „{member}” nu este înregistrată"},
    {AutomationUnreachableReason, "instanța sa în execuție nu a putut fi accesată"},
    {AutomationNotStartedReason, "nu a putut fi pornit"},
    {AutomationUnknownMemberReason, "nu cunoaște „{member}”"},
    {AutomationBusyReason, "nu răspunde (poate este ocupat, de exemplu cu o casetă de dialog proprie)"},
    {AutomationClosedReason, "a fost închis sau nu mai răspunde"},
    {AutomationRefusedReason, "a refuzat „{member}” ({reason})"},
    {AutomationNoMemoryReason, "nu a existat suficientă memorie pentru apel"},
    {AutomationNoObjectReason, "nu a furnizat obiectul său „{member}”"},
    {AutomationNotScriptableReason, "clasa sa de automatizare „{member}” nu poate fi controlată după nume"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Fișierul de ajutor nu a fost găsit. Snapwright îl așteaptă aici:\n{file}"},
    {StartFailedMessage, "Snapwright nu a putut porni din cauza unei erori interne."},

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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Fereastră cu derulare"},
    {ScrollingUnreadableMessage, "Snapwright nu a putut face captura: nu există nicio fereastră în prim-plan sau nu a putut fi citită."},
    {ScrollingNoteHeading, "Derulare… Esc oprește"},
    {ScrollingNoteCount, "{pixels} pixeli capturați"},
    {ScrollingDoesNotScrollMessage, "Fereastra nu se derulează: imaginea o arată așa cum este."},
    {ScrollingHeightLimitMessage, "S-a atins limita de înălțime: imaginea se termină la {pixels} pixeli."},
    {ScrollingWindowLostMessage, "Fereastra a fost închisă sau mutată în timpul derulării: imaginea conține ce s-a capturat până atunci."},

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
});

}  // namespace snapwright::language_rows
