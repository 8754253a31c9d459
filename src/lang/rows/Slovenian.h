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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Okno s pomikanjem"},
    {ScrollingUnreadableMessage, "Snapwright ni mogel zajeti posnetka: v ospredju ni nobenega okna ali pa ga ni bilo mogoče prebrati."},
    {ScrollingNoteHeading, "Pomikanje… Esc ustavi"},
    {ScrollingNoteCount, "{pixels} slikovnih pik zajetih"},
    {ScrollingDoesNotScrollMessage, "Okno se ne pomika: slika ga kaže takšnega, kot je."},
    {ScrollingHeightLimitMessage, "Dosežena je največja višina: slika se konča pri {pixels} slikovnih pikah."},
    {ScrollingWindowLostMessage, "Okno je bilo med pomikanjem zaprto ali premaknjeno: slika vsebuje, kar je bilo zajeto do tedaj."},

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
});

}  // namespace snapwright::language_rows
