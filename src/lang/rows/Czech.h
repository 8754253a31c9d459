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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Okno s posouváním"},
    {ScrollingUnreadableMessage, "Snapwright nemohl pořídit snímek obrazovky: v popředí není žádné okno, nebo je nebylo možné přečíst."},
    {ScrollingNoteHeading, "Posouvání… Esc zastaví"},
    {ScrollingNoteCount, "Zachyceno {pixels} pixelů"},
    {ScrollingDoesNotScrollMessage, "Okno se neposouvá: obrázek je ukazuje tak, jak je."},
    {ScrollingHeightLimitMessage, "Byla dosažena největší výška: obrázek končí na {pixels} pixelech."},
    {ScrollingWindowLostMessage, "Okno bylo během posouvání zavřeno nebo přesunuto: obrázek obsahuje, co bylo zachyceno do té doby."},

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
});

}  // namespace snapwright::language_rows
