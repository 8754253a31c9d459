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
