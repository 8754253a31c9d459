#pragma once
#include "lang/LanguageRow.h"

// Czech, language 14.
namespace snapwright::language_rows {

inline constexpr LanguageRow kCzech = Row("Ceský *", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Storno"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "O programu Snapwright™"},
    {AboutCopyright, "Copyright © 2002 autoři programu Snapwright. Všechna práva vyhrazena."},
    {AboutDisclaimer, "Tento program je chráněn německým a mezinárodním autorským právem."},
    {UpdateButton, "&Aktualizovat ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Odeslat snímek obrazovky do ..."},
    {AskApplicationFrame, "Vyberte aplikaci"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Odeslat snímek obrazovky do {program}"},
    {NotRunningQuestion, "{program} není spuštěn. Spustit nyní?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Možnosti"},
    {PrintFrame, "Tisk"},
    {DefaultPrinterOption, "tisknout na výchozí tiskárnu"},
    {ChoosePrinterOption, "zobrazit výběr tiskárny"},
    {SaveFrame, "Uložení"},
    {SaveToProgramFolderOption, "vždy ukládat do instalační složky s výchozím názvem souboru"},
    {AskForFileOption, "vždy se ptát na cílovou složku a název souboru"},
    {SendFrame, "Odeslat do aplikace"},
    {SendToOfficeOption, "odeslat snímek obrazovky do"},
    {AskAtSendOption, "ptát se na cílový program"},
    {PrintFormatFrame, "Formát tisku"},
    {HeaderFooterFrame, "Časové razítko a zápatí"},
    {PrintTimestampBox, "tisknout časové razítko"},
    {PrintUserNameBox, "Uživatelské jméno"},
    {PrintComputerNameBox, "Název počítače"},
    {PrintFooterBox, "tisknout reklamu v zápatí"},
    {LanguageFrame, "Jazyk"},
    {SelectLanguageLabel, "vyberte jazyk"},
    {DefaultsButton, "&Výchozí nastavení"},
    {SaveButton, "&Uložit"},
    {KeysButton, "&Klávesy…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Uložit snímek obrazovky jako ..."},
    {FileFormatFrame, "vyberte formát souboru"},
    {ThumbnailBox, "vytvořit miniaturu"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Informace"},
    {OptionsMenuItem, "Možnosti"},
    {CloseMenuItem, "Zavřít nabídku"},
    {ExitMenuItem, "Konec"},
    {ScreenMenuItem, "Obrazovka"},
    {WindowMenuItem, "Okno v popředí"},
    {RegionMenuItem, "Oblast"},
    {EditorMenuItem, "Editor"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright už běží: jeho ikona je v oznamovací oblasti."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Uložit změny v tomto souboru?"},
    {EditorQuitCaption, "Ukončit program"},
    {EditorDiscardQuestion, "Opravdu zahodit tento soubor?"},
    {EditorNewFileCaption, "Nový soubor"},
    {EditorOpenFileCaption, "Otevřít soubor"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Vytisknout obrazovku"},
    {PrintWindowAction, "Vytisknout okno v popředí"},
    {SaveScreenAction, "Uložit obrazovku"},
    {SaveWindowAction, "Uložit okno v popředí"},
    {SendScreenAction, "Odeslat obrazovku"},
    {SendWindowAction, "Odeslat okno v popředí"},
    {RegionAction, "Vybrat oblast pro editor"},
    {KeysCaption, "Klávesy"},
    {KeysIntroLabel, "Klikněte do pole a stiskněte klávesy. Klávesy, které píší nebo se pohybují v textu, potřebují Ctrl nebo Alt. Zrušením zaškrtnutí políčka akci vypnete."},
    {KeyDefaultsButton, "&Výchozí"},
    {KeyTakenMessage, "{key} už používá jiný program."},
    {KeysTakenMessage, "Tyto klávesy už používají jiné programy: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Klávesu Print Screen obsadilo vlastní zachycení obrazovky Windows (Nastavení › Usnadnění přístupu › Klávesnice › „Použít klávesu Print Screen k otevření zachycení obrazovky“)."},
    {RunsWithoutKeysMessage, "Snapwright přesto běží a nabídka jeho ikony v oznamovací oblasti také pořizuje snímky obrazovky."},
    {WhereToChooseKeysMessage, "Jiné klávesy zvolíte v této nabídce v části {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Vypnout nyní pro tohoto uživatele zachycení obrazovky Windows na klávese Print Screen?"},
    {ChooseAnotherKeyMessage, "Zvolte jinou klávesu, nebo akci vypněte."},
    {SharedKeyMessage, "{key} je zvolena dvakrát: pro „{first}“ a pro „{second}“. Pro jednu z nich zvolte jinou klávesu."},
    {WindowsCaptureNotSwitchedOff, "Zachycení obrazovky Windows na klávese Print Screen se nepodařilo vypnout. Vypněte je v Nastavení › Usnadnění přístupu › Klávesnice."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright nemohl otevřít soubor\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Soubor není obrázek ve formátu, který Snapwright čte (BMP, JPEG, PNG, MNG, TIFF), nebo jej nelze přečíst."},
    {DamagedPictureReason, "Obrázek v souboru nelze přečíst; soubor je možná poškozen."},
    {PictureWithoutSizeReason, "Soubor neuvádí velikost svého obrázku; soubor je možná poškozen."},
    {PictureTooLargeReason, "Obrázek má {size} pixelů. Snapwright otevírá obrázky o velikosti nejvýše {limit} pixelů na stranu."},
    {PictureNeedsTooMuchMemoryReason, "Obrázek má {size} pixelů a k otevření potřebuje asi {megabytes} MB paměti, více, než může Snapwright nyní získat."},
    {NoMemoryForPictureReason, "Pro zobrazení obrázku této velikosti není dostatek paměti."},
    {UnsupportedPictureReason, "Snapwright nemůže zobrazit tento druh obrázku (jeho barvy například nejsou uloženy jako celá čísla)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright nemohl uložit snímek obrazovky jako\n{file}\n\n{reason}\n\nSnímek obrazovky je stále ve schránce."},
    {FolderFailedMessage, "Snapwright nemohl vytvořit složku pro snímek obrazovky:\n{folder}\n\n{reason}\n\nSnímek obrazovky je stále ve schránce."},
    {SaveRefusedMessage, "Snapwright nemůže uložit snímek obrazovky jako\n{file}\n\n{reason}\n\nZvolte prosím jiný název."},
    {ReplaceFileQuestion, "{file}\njiž existuje.\n\nChcete jej nahradit?"},
    {ReplaceFilesQuestion, "Tyto soubory již existují:\n{files}\n\nChcete je nahradit?"},
    {SaveDialogTitle, "Uložit snímek obrazovky"},
    {NoScreenshotToSaveMessage, "Není k dispozici žádný snímek obrazovky k uložení."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Cesta uvádí složku, ale žádný soubor."},
    {ForbiddenCharacterReason, "Název obsahuje znak, který Windows nepovoluje: „{character}“."},
    {NameTooLongReason, "Název je příliš dlouhý: má {length} znaků a Windows povoluje {limit}."},
    {PathTooLongReason, "Cesta je příliš dlouhá: má {length} znaků a Windows zde povoluje {limit}."},
    {DeviceNameReason, "Windows vyhrazuje název „{name}“ pro zařízení."},
    {DriveMissingReason, "Jednotka {drive} neexistuje."},
    {NetworkFolderMissingReason, "Síťová složka {folder} není dostupná."},
    {FolderOfThatNameReason, "Složka s tímto názvem již existuje."},
    {FileInTheWayReason, "{folder} je soubor, nikoli složka."},
    {FolderMissingReason, "Složka {folder} neexistuje."},
    {FolderTakesNoFilesReason, "Windows nedovoluje v umístění {folder} vytvářet nové soubory ani složky."},
    {BadNameReason, "Windows tento název pro soubor nepřijímá."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Snímek obrazovky nebylo možné převést na obrázek knihovny obrázků."},
    {NotEncodedReason, "Knihovna obrázků nemohla obrázek zakódovat."},
    {NoThumbnailReason, "Knihovna obrázků nemohla obrázek zmenšit na miniaturu."},
    {EmptyFileReason, "Soubor je po zápisu prázdný."},
    {NoMemoryToConvertReason, "Pro převod snímku obrazovky není dost paměti."},
    {PictureUnreadableReason, "Pixely snímku obrazovky nebylo možné přečíst."},
    {LibraryWriteFailedReason, "Knihovna obrázků nemohla soubor zapsat."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nPřepínače zobrazí příkaz snapwright.exe --help."},
    {UnknownOptionError, "Neznámý přepínač „{option}“."},
    {UnexpectedArgumentError, "Neočekávaný argument „{argument}“."},
    {OptionTwiceError, "„{option}“ je zadán dvakrát."},
    {OptionNeedsValueError, "„{option}“ vyžaduje hodnotu."},
    {OptionTakesNoValueError, "„{option}“ nepřijímá žádnou hodnotu."},
    {DelayValueError, "--delay přijímá sekundy od 0 do 3600, například 2 nebo 0.5, nikoli „{value}“."},
    {ToValueError, "--to přijímá clipboard, print, save, send nebo editor, nikoli „{value}“."},
    {FileNeedsPathError, "--file vyžaduje cestu."},
    {FormatValueError, "--format přijímá bmp, jpg, png, tif nebo mng, nikoli „{value}“."},
    {ThumbnailValueError, "--thumbnail přijímá procenta od 10 do 50, nikoli „{value}“."},
    {OneCaptureError, "Zadejte jen jeden druh snímku, nikoli {first} a {second}."},
    {NoCaptureError, "Zadejte, co se má sejmout: --screen, --window nebo --region."},
    {NeedsFileError, "{option} vyžaduje --file."},
    {FileWithSaveError, "--file nelze použít s --to save: dialog ukládání se na soubor zeptá sám."},
    {FormatMismatchError, "--format {format} neodpovídá souboru „{file}“."},
    {UnknownFormatError, "Formát souboru „{file}“ je neznámý: zadejte --format nebo příponu (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Soubor již existuje; --overwrite jej nahradí."},
    {ThumbnailExistsError, "Miniatura již existuje; --overwrite ji nahradí."},
    {CommandFailedMessage, "Snapwright nemohl provést příkaz: {reason}"},
    {ScreenUnreadableMessage, "Snapwright nemohl pořídit snímek obrazovky: obrazovku nebylo možné přečíst."},
    {NoWindowInFrontMessage, "Snapwright nemohl pořídit snímek obrazovky: v popředí není žádné okno, nebo je nebylo možné přečíst."},
    {NoRegionHereMessage, "Snapwright zde nemůže sejmout oblast."},
    {RegionInUseMessage, "Už se vybírá jedna oblast a Snapwright vybírá vždy jen jednu. Dokončete ji nebo ji zrušte (Esc) a pak příkaz zadejte znovu."},
    {ClipboardHeldMessage, "Snapwright nemohl vložit snímek obrazovky do schránky: drží ji jiný program."},
    {NotHandedOnMessage, "Snapwright nemohl snímek obrazovky předat dál."},
    {PageWaitsMessage, "Stránka čeká na svůj druhý snímek obrazovky."},
    {PageOfTwoAloneMessage, "Stránka obsahuje dva snímky obrazovky, a bez Snapwrightu spuštěného v oznamovací oblasti žádný druhý nepřijde: nic se nevytiskne. Nejprve spusťte Snapwright, nebo v jeho možnostech zvolte stránku s jedním snímkem."},
    {TrayProgramSilentMessage, "Snapwright běží v oznamovací oblasti, ale neodpovídá."},
    {TrayProgramEndedMessage, "Snapwright skončil dříve, než dokončil příkaz."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Snímek obrazovky v editoru Snapwright obsahuje neuložené změny."},
});

}  // namespace snapwright::language_rows
