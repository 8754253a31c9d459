#pragma once
#include "lang/LanguageRow.h"

// Slovenian, language 13.
namespace snapwright::language_rows {

inline constexpr LanguageRow kSlovenian = Row("Slovenski *", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "Pre&kliči"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "O programu Snapwright™"},
    {AboutCopyright, "Copyright © 2002 avtorji programa Snapwright. Vse pravice pridržane."},
    {AboutDisclaimer, "Ta program je zaščiten z nemško in mednarodno zakonodajo o avtorskih pravicah."},
    {UpdateButton, "&Posodobi ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Pošlji posnetek zaslona v ..."},
    {AskApplicationFrame, "Izberite aplikacijo"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Pošlji posnetek zaslona v {program}"},
    {NotRunningQuestion, "{program} ni zagnan. Ga želite zagnati zdaj?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Možnosti"},
    {PrintFrame, "Tiskanje"},
    {DefaultPrinterOption, "natisni na privzeti tiskalnik"},
    {ChoosePrinterOption, "prikaži izbiro tiskalnika"},
    {SaveFrame, "Shranjevanje"},
    {SaveToProgramFolderOption, "vedno shrani v namestitveno mapo s privzetim imenom datoteke"},
    {AskForFileOption, "vedno vprašaj za ciljno mapo in ime datoteke"},
    {SendFrame, "Pošlji v aplikacijo"},
    {SendToOfficeOption, "pošlji posnetek zaslona v"},
    {AskAtSendOption, "vprašaj za ciljni program"},
    {PrintFormatFrame, "Oblika tiskanja"},
    {HeaderFooterFrame, "Časovni žig in noga strani"},
    {PrintTimestampBox, "natisni časovni žig"},
    {PrintUserNameBox, "Uporabniško ime"},
    {PrintComputerNameBox, "Ime računalnika"},
    {PrintFooterBox, "natisni oglas v nogi strani"},
    {LanguageFrame, "Jezik"},
    {SelectLanguageLabel, "izberite jezik"},
    {DefaultsButton, "&Privzete nastavitve"},
    {SaveButton, "&Shrani"},
    {KeysButton, "&Tipke…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Shrani posnetek zaslona kot ..."},
    {FileFormatFrame, "izberite obliko datoteke"},
    {ThumbnailBox, "ustvari sličico"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informacije"},
    {OptionsMenuItem, "Možnosti"},
    {CloseMenuItem, "Zapri meni"},
    {ExitMenuItem, "Izhod"},
    {ScreenMenuItem, "Zaslon"},
    {WindowMenuItem, "Okno v ospredju"},
    {RegionMenuItem, "Območje"},
    {EditorMenuItem, "Urejevalnik"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright se že izvaja: njegova ikona je v obvestilnem področju."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Želite shraniti spremembe te datoteke?"},
    {EditorQuitCaption, "Izhod iz programa"},
    {EditorDiscardQuestion, "Res želite zavreči to datoteko?"},
    {EditorNewFileCaption, "Nova datoteka"},
    {EditorOpenFileCaption, "Odpri datoteko"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Natisni zaslon"},
    {PrintWindowAction, "Natisni okno v ospredju"},
    {SaveScreenAction, "Shrani zaslon"},
    {SaveWindowAction, "Shrani okno v ospredju"},
    {SendScreenAction, "Pošlji zaslon"},
    {SendWindowAction, "Pošlji okno v ospredju"},
    {RegionAction, "Označi območje za urejevalnik"},
    {KeysCaption, "Tipke"},
    {KeysIntroLabel, "Kliknite polje in pritisnite tipke. Tipke, ki pišejo ali premikajo po besedilu, potrebujejo Ctrl ali Alt. Počistite potrditveno polje, da izklopite njegovo dejanje."},
    {KeyDefaultsButton, "&Privzeto"},
    {KeyTakenMessage, "{key} že uporablja drug program."},
    {KeysTakenMessage, "Te tipke že uporabljajo drugi programi: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windowsov zajem zaslona zaseda tipko Print Screen (Nastavitve › Dostopnost › Tipkovnica › »Uporabi tipko Print Screen za odpiranje zajema zaslona«)."},
    {RunsWithoutKeysMessage, "Snapwright vseeno deluje, meni njegove ikone v obvestilnem področju pa tudi zajema posnetke zaslona."},
    {WhereToChooseKeysMessage, "Druge tipke izberete v tem meniju pod {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Želite zdaj za tega uporabnika izklopiti Windowsov zajem zaslona na tipki Print Screen?"},
    {ChooseAnotherKeyMessage, "Izberite drugo tipko ali izklopite dejanje."},
    {SharedKeyMessage, "{key} je izbrana dvakrat: za »{first}« in za »{second}«. Za eno od njiju izberite drugo tipko."},
    {WindowsCaptureNotSwitchedOff, "Windowsovega zajema zaslona na tipki Print Screen ni bilo mogoče izklopiti. Izklopite ga v Nastavitve › Dostopnost › Tipkovnica."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright ni mogel odpreti datoteke\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Datoteka ni slika v obliki, ki jo Snapwright bere (BMP, JPEG, PNG, MNG, TIFF), ali pa je ni mogoče prebrati."},
    {DamagedPictureReason, "Slike v datoteki ni bilo mogoče prebrati; datoteka je morda poškodovana."},
    {PictureWithoutSizeReason, "Datoteka ne navaja velikosti svoje slike; datoteka je morda poškodovana."},
    {PictureTooLargeReason, "Slika meri {size} slikovnih pik. Snapwright odpre slike z največ {limit} slikovnimi pikami na stranico."},
    {PictureNeedsTooMuchMemoryReason, "Slika meri {size} slikovnih pik in za odpiranje potrebuje približno {megabytes} MB pomnilnika, več, kot ga Snapwright zdaj lahko dobi."},
    {NoMemoryForPictureReason, "Za prikaz slike te velikosti ni dovolj pomnilnika."},
    {UnsupportedPictureReason, "Snapwright ne more prikazati te vrste slike (njene barve na primer niso shranjene kot cela števila)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright ni mogel shraniti posnetka zaslona kot\n{file}\n\n{reason}\n\nPosnetek zaslona je še vedno v odložišču."},
    {FolderFailedMessage, "Snapwright ni mogel ustvariti mape za posnetek zaslona:\n{folder}\n\n{reason}\n\nPosnetek zaslona je še vedno v odložišču."},
    {SaveRefusedMessage, "Snapwright ne more shraniti posnetka zaslona kot\n{file}\n\n{reason}\n\nIzberite drugo ime."},
    {ReplaceFileQuestion, "{file}\nže obstaja.\n\nAli jo želite zamenjati?"},
    {ReplaceFilesQuestion, "Te datoteke že obstajajo:\n{files}\n\nAli jih želite zamenjati?"},
    {SaveDialogTitle, "Shrani posnetek zaslona"},
    {NoScreenshotToSaveMessage, "Ni posnetka zaslona, ki bi ga lahko shranili."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Pot navaja mapo, ne pa datoteke."},
    {ForbiddenCharacterReason, "Ime vsebuje znak, ki ga Windows ne dovoli: »{character}«."},
    {NameTooLongReason, "Ime je predolgo: ima {length} znakov, Windows pa jih dovoli {limit}."},
    {PathTooLongReason, "Pot je predolga: ima {length} znakov, Windows pa jih tu dovoli {limit}."},
    {DeviceNameReason, "Windows ime »{name}« pridržuje za napravo."},
    {DriveMissingReason, "Pogon {drive} ne obstaja."},
    {NetworkFolderMissingReason, "Omrežna mapa {folder} ni dosegljiva."},
    {FolderOfThatNameReason, "Mapa s tem imenom že obstaja."},
    {FileInTheWayReason, "{folder} je datoteka, ne mapa."},
    {FolderMissingReason, "Mapa {folder} ne obstaja."},
    {FolderTakesNoFilesReason, "Windows v {folder} ne dovoli ustvarjanja novih datotek ali map."},
    {BadNameReason, "Windows tega imena za datoteko ne sprejme."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Posnetka zaslona ni bilo mogoče pretvoriti v sliko knjižnice slik."},
    {NotEncodedReason, "Knjižnica slik ni mogla kodirati slike."},
    {NoThumbnailReason, "Knjižnica slik ni mogla pomanjšati slike v sličico."},
    {EmptyFileReason, "Datoteka je po pisanju prazna."},
    {NoMemoryToConvertReason, "Za pretvorbo posnetka zaslona ni dovolj pomnilnika."},
    {PictureUnreadableReason, "Slikovnih pik posnetka zaslona ni bilo mogoče prebrati."},
    {LibraryWriteFailedReason, "Knjižnica slik ni mogla zapisati datoteke."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nStikala prikaže ukaz snapwright.exe --help."},
    {UnknownOptionError, "Neznano stikalo »{option}«."},
    {UnexpectedArgumentError, "Nepričakovan argument »{argument}«."},
    {OptionTwiceError, "»{option}« je naveden dvakrat."},
    {OptionNeedsValueError, "»{option}« potrebuje vrednost."},
    {OptionTakesNoValueError, "»{option}« ne sprejme vrednosti."},
    {DelayValueError, "--delay sprejme sekunde od 0 do 3600, na primer 2 ali 0.5, ne pa »{value}«."},
    {ToValueError, "--to sprejme clipboard, print, save, send ali editor, ne pa »{value}«."},
    {FileNeedsPathError, "--file potrebuje pot."},
    {FormatValueError, "--format sprejme bmp, jpg, png, tif ali mng, ne pa »{value}«."},
    {ThumbnailValueError, "--thumbnail sprejme odstotek od 10 do 50, ne pa »{value}«."},
    {OneCaptureError, "Navedite samo eno vrsto posnetka, ne {first} in {second}."},
    {NoCaptureError, "Navedite, kaj naj se zajame: --screen, --window ali --region."},
    {NeedsFileError, "{option} potrebuje --file."},
    {FileWithSaveError, "--file ne gre skupaj z --to save: pogovorno okno za shranjevanje samo vpraša za datoteko."},
    {FormatMismatchError, "--format {format} se ne ujema z datoteko »{file}«."},
    {UnknownFormatError, "Oblika datoteke »{file}« ni znana: navedite --format ali pripono (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Datoteka že obstaja; --overwrite jo zamenja."},
    {ThumbnailExistsError, "Sličica že obstaja; --overwrite jo zamenja."},
    {CommandFailedMessage, "Snapwright ni mogel izvesti ukaza: {reason}"},
    {ScreenUnreadableMessage, "Snapwright ni mogel zajeti posnetka zaslona: zaslona ni bilo mogoče prebrati."},
    {NoWindowInFrontMessage, "Snapwright ni mogel zajeti posnetka zaslona: v ospredju ni nobenega okna ali pa ga ni bilo mogoče prebrati."},
    {NoRegionHereMessage, "Snapwright tukaj ne more zajeti območja."},
    {RegionInUseMessage, "Eno območje se že označuje, Snapwright pa označuje po eno naenkrat. Dokončajte ga ali ga prekličite (Esc), nato znova podajte ukaz."},
    {ClipboardHeldMessage, "Snapwright ni mogel postaviti posnetka zaslona v odložišče: drug program ga zaseda."},
    {NotHandedOnMessage, "Snapwright ni mogel predati posnetka zaslona naprej."},
    {PageWaitsMessage, "Stran čaka na svoj drugi posnetek zaslona."},
    {PageOfTwoAloneMessage, "Stran vsebuje dva posnetka zaslona, brez Snapwrighta v obvestilnem področju pa drugega ne bo: nič se ne natisne. Najprej zaženite Snapwright ali v njegovih možnostih izberite stran z enim posnetkom."},
    {TrayProgramSilentMessage, "Snapwright se izvaja v obvestilnem področju, vendar se ne odziva."},
    {TrayProgramEndedMessage, "Snapwright se je končal, preden je dokončal ukaz."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Posnetek zaslona v urejevalniku Snapwright ima neshranjene spremembe."},
});

}  // namespace snapwright::language_rows
