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
    {AboutWindowTitle, "O programu Snapwright"},
    {AboutVersionLabel, "Verze {version}"},
    {CreditsButton, "Autoři..."},
    {CreditsCaption, "Autoři"},
    {CreditsAuthors, "Snapwright™ od autorů aplikace Snapwright, 2002-2006"},
    {CreditsLibrary, "Soubory obrázků se čtou a zapisují pomocí knihovny FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Překlady:\r\nŘečtina: překladatel aplikace Snapwright do řečtiny, 2005\r\nČeština: překladatel aplikace Snapwright do češtiny, 2005\r\nŠpanělština: překladatel aplikace Snapwright do španělštiny, 2006\r\nFrancouzština: překladatel aplikace Snapwright do francouzštiny, 2006\r\nNěmčina a angličtina: autoři aplikace Snapwright, 2002-2006\r\nOstatní jazyky: autoři aplikace Snapwright pomocí nástroje pro strojový překlad"},
    {CreditsThanks, "Velké díky webům cppreference.com, winehq.org, learn.microsoft.com a MSDN Library\r\na všem ostatním webům o programování."},

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
    {OptionsWindowTitle, "Možnosti programu Snapwright"},
    {SendToEditorOption, "Editor Snapwright™"},
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
    {StartOptionsHint, "Chcete-li Snapwright™ nastavit, klikněte pravým tlačítkem myši na ikonu na hlavním panelu a vyberte „{item}“."},
    {ShowAtStartupBox, "Zobrazit tuto obrazovku při spuštění"},
    {AlreadyRunningMessage, "Snapwright už běží: jeho ikona je v oznamovací oblasti."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Uložit změny v tomto souboru?"},
    {EditorQuitCaption, "Ukončit program"},
    {EditorDiscardQuestion, "Opravdu zahodit tento soubor?"},
    {EditorNewFileCaption, "Nový soubor"},
    {EditorOpenFileCaption, "Otevřít soubor"},
    {EditorNewButton, "Nový"},
    {EditorNewTip, "Nový: začít s prázdným obrázkem"},
    {EditorRegionButton, "Oblast"},
    {EditorRegionTip, "Oblast: sejmout oblast obrazovky jako nový obrázek"},
    {EditorOpenButton, "Otevřít"},
    {EditorOpenTip, "Otevřít soubor obrázku"},
    {EditorSaveButton, "Uložit"},
    {EditorSaveTip, "Uložit obrázek"},
    {EditorPrintButton, "Tisk"},
    {EditorPrintTip, "Vytisknout obrázek"},
    {EditorCopyButton, "Kopírovat"},
    {EditorCopyTip, "Zkopírovat obrázek do schránky"},
    {EditorSendTip, "Odeslat obrázek do aplikace {program}"},
    {EditorUndoButton, "Zpět"},
    {EditorUndoTip, "Vrátit zpět poslední změnu"},
    {EditorZoomButton, "Lupa"},
    {EditorZoomTip, "Lupa: přetáhněte přes oblast nebo klikněte na dva rohy a pak klikněte, kam se má zvětšení umístit"},
    {EditorCropButton, "Oříznout"},
    {EditorCropTip, "Oříznout: klikněte tam, kam se má přesunout nejbližší roh obrázku"},
    {EditorFrameButton, "Rámeček"},
    {EditorFrameTip, "Rámeček: táhněte z rohu do rohu nebo klikněte na dva protilehlé rohy"},
    {EditorEllipseButton, "Elipsa"},
    {EditorEllipseTip, "Elipsa: táhněte z rohu do rohu nebo klikněte na dva protilehlé rohy"},
    {EditorTextButton, "Text"},
    {EditorTextTip, "Text: klikněte nebo táhněte rámeček a pište; Enter jej vloží, Shift+Enter začne nový řádek, Esc jej zahodí"},
    {EditorArrowButton, "Šipka"},
    {EditorArrowTip, "Šipka: táhněte od konce ke hrotu"},
    {EditorHighlightButton, "Zvýrazňovač"},
    {EditorHighlightTip, "Zvýrazňovač: táhněte přes to, co má vyniknout"},
    {EditorRedactButton, "Začernit"},
    {EditorRedactTip, "Začernit: táhněte přes to, co nikdo nesmí číst; při puštění podržte Shift a oblast se zcela vyplní"},
    {EditorStrengthLabel, "Tloušťka:"},
    {EditorStrengthTip, "Tloušťka čar rámečků, elips a šipek; velikost bloků při začernění"},
    {EditorTextSizeLabel, "Velikost:"},
    {EditorTextSizeTip, "Výška textu"},
    {EditorColourButton, "Barva"},
    {EditorColourTip, "Barva rámečků, elips, textu, šipek a zvýraznění"},
    {EditorHelpButton, "Nápověda"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Otevřít soubor snímku obrazovky"},
    {EditorNothingToHandOnMessage, "V editoru není žádný obrázek, který by šlo předat dál."},
    {EditorPageWaitsMessage, "Stránka obsahuje dva snímky obrazovky: tento obrázek je první a stránka čeká na druhý.\r\n\r\nZnovu klikněte na Tisk nebo pořiďte snímek klávesou Print Screen a stránka se vytiskne."},
    {EditorCopyFailedMessage, "Snapwright nemohl vložit obrázek do schránky."},
    {EditorNoMemoryMessage, "Snapwright nemohl obrázek změnit: systému zbývá příliš málo paměti."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Oblast Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright nemohl snímek obrazovky vytisknout: není nainstalována žádná tiskárna. Poslední snímek obrazovky je stále ve schránce."},
    {PrintPrinterUnusableMessage, "Snapwright nemohl snímek obrazovky vytisknout: tiskárnu „{printer}“ nelze použít. Zkontrolujte, zda je nainstalovaná a připravená, nebo vyberte jinou tiskárnu. Poslední snímek obrazovky je stále ve schránce."},
    {PrintFailedMessage, "Snapwright nemohl snímek obrazovky vytisknout na tiskárně „{printer}“. Poslední snímek obrazovky je stále ve schránce."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright nemohl odeslat snímek obrazovky do aplikace {program}: {reason}\r\n\r\nSnímek obrazovky je ve schránce: můžete jej do aplikace {program} vložit sami."},
    {SendClipboardFailedMessage, "Snapwright nemohl vložit obrázek do schránky, a proto jej nemůže odeslat do aplikace {program}."},
    {AutomationNotInstalledReason, "není nainstalována nebo její třída automatizace „{member}“ není registrována"},
    {AutomationUnreachableReason, "její spuštěnou instanci nebylo možné zastihnout"},
    {AutomationNotStartedReason, "nepodařilo se ji spustit"},
    {AutomationUnknownMemberReason, "nezná „{member}“"},
    {AutomationBusyReason, "neodpovídá (možná je zaneprázdněna, například vlastním dialogem)"},
    {AutomationClosedReason, "byla zavřena nebo přestala odpovídat"},
    {AutomationRefusedReason, "odmítla „{member}“ ({reason})"},
    {AutomationNoMemoryReason, "pro volání nebylo dost paměti"},
    {AutomationNoObjectReason, "neposkytla svůj objekt „{member}“"},
    {AutomationNotScriptableReason, "její třídu automatizace „{member}“ nelze řídit podle názvu"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Soubor nápovědy nebyl nalezen. Snapwright jej očekává zde:\n{file}"},
    {StartFailedMessage, "Snapwright se kvůli vnitřní chybě nemohl spustit."},

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
