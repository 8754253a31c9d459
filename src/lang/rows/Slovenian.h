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
    {AboutWindowTitle, "O programu Snapwright"},
    {AboutVersionLabel, "Različica {version}"},
    {CreditsButton, "Zasluge..."},
    {CreditsCaption, "Zasluge"},
    {CreditsAuthors, "Snapwright™, avtorji programa Snapwright, 2002-2006"},
    {CreditsLibrary, "Slikovne datoteke se berejo in zapisujejo s knjižnico FreeImage, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Prevodi:\r\nGrščina: prevajalec programa Snapwright za grščino, 2005\r\nČeščina: prevajalec programa Snapwright za češčino, 2005\r\nŠpanščina: prevajalec programa Snapwright za španščino, 2006\r\nFrancoščina: prevajalec programa Snapwright za francoščino, 2006\r\nNemščina in angleščina: avtorji programa Snapwright, 2002-2006\r\nDrugi jeziki: avtorji programa Snapwright z orodjem za strojno prevajanje"},
    {CreditsThanks, "Najlepša hvala spletnim mestom cppreference.com, winehq.org, learn.microsoft.com in MSDN Library\r\nter vsem drugim spletnim mestom o programiranju."},

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
    {OptionsWindowTitle, "Možnosti programa Snapwright"},
    {SendToEditorOption, "Urejevalnik Snapwright™"},
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
    {StartOptionsHint, "Če želite nastaviti Snapwright™, z desno tipko miške kliknite ikono v opravilni vrstici in izberite »{item}«."},
    {ShowAtStartupBox, "Ob zagonu prikaži ta zaslon"},
    {AlreadyRunningMessage, "Snapwright se že izvaja: njegova ikona je v obvestilnem področju."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Želite shraniti spremembe te datoteke?"},
    {EditorQuitCaption, "Izhod iz programa"},
    {EditorDiscardQuestion, "Res želite zavreči to datoteko?"},
    {EditorNewFileCaption, "Nova datoteka"},
    {EditorOpenFileCaption, "Odpri datoteko"},
    {EditorNewButton, "Novo"},
    {EditorNewTip, "Novo: začni s prazno sliko"},
    {EditorRegionButton, "Območje"},
    {EditorRegionTip, "Območje: zajemi območje zaslona kot novo sliko"},
    {EditorOpenButton, "Odpri"},
    {EditorOpenTip, "Odpri slikovno datoteko"},
    {EditorSaveButton, "Shrani"},
    {EditorSaveTip, "Shrani sliko"},
    {EditorPrintButton, "Natisni"},
    {EditorPrintTip, "Natisni sliko"},
    {EditorCopyButton, "Kopiraj"},
    {EditorCopyTip, "Kopiraj sliko v odložišče"},
    {EditorSendTip, "Pošlji sliko v {program}"},
    {EditorUndoButton, "Razveljavi"},
    {EditorUndoTip, "Razveljavi zadnjo spremembo"},
    {EditorZoomButton, "Povečava"},
    {EditorZoomTip, "Povečava: povlecite čez območje ali kliknite dva kota, nato kliknite, kam naj gre povečava"},
    {EditorCropButton, "Obreži"},
    {EditorCropTip, "Obreži: kliknite, kamor naj se premakne najbližji kot slike"},
    {EditorFrameButton, "Okvir"},
    {EditorFrameTip, "Okvir: povlecite od kota do kota ali kliknite dva nasprotna kota"},
    {EditorEllipseButton, "Elipsa"},
    {EditorEllipseTip, "Elipsa: povlecite od kota do kota ali kliknite dva nasprotna kota"},
    {EditorTextButton, "Besedilo"},
    {EditorTextTip, "Besedilo: kliknite ali povlecite okvir in tipkajte; Enter ga vstavi, Shift+Enter začne novo vrstico, Esc ga zavrže"},
    {EditorArrowButton, "Puščica"},
    {EditorArrowTip, "Puščica: povlecite od repa do konice"},
    {EditorHighlightButton, "Označevalnik"},
    {EditorHighlightTip, "Označevalnik: povlecite čez tisto, kar naj izstopa"},
    {EditorRedactButton, "Zakrij"},
    {EditorRedactTip, "Zakrij: povlecite čez tisto, česar nihče ne sme prebrati; ob spustu držite Shift, da se območje povsem zapolni"},
    {EditorStrengthLabel, "Debelina:"},
    {EditorStrengthTip, "Debelina črte okvirjev, elips in puščic; velikost blokov pri zakrivanju"},
    {EditorTextSizeLabel, "Velikost:"},
    {EditorTextSizeTip, "Višina besedila"},
    {EditorColourButton, "Barva"},
    {EditorColourTip, "Barva okvirjev, elips, besedila, puščic in označb"},
    {EditorHelpButton, "Pomoč"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Odpri datoteko posnetka zaslona"},
    {EditorNothingToHandOnMessage, "V urejevalniku ni slike, ki bi jo lahko predali naprej."},
    {EditorPageWaitsMessage, "Stran vsebuje dva posnetka zaslona: ta slika je prvi, stran pa čaka na drugega.\r\n\r\nZnova kliknite Natisni ali naredite posnetek s tipko Print Screen in stran bo natisnjena."},
    {EditorCopyFailedMessage, "Snapwright slike ni mogel postaviti v odložišče."},
    {EditorNoMemoryMessage, "Snapwright slike ni mogel spremeniti: sistemu je ostalo premalo pomnilnika."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Območje Snapwright"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright posnetka zaslona ni mogel natisniti: nameščen ni noben tiskalnik. Zadnji posnetek zaslona je še vedno v odložišču."},
    {PrintPrinterUnusableMessage, "Snapwright posnetka zaslona ni mogel natisniti: tiskalnika »{printer}« ni mogoče uporabiti. Preverite, ali je nameščen in pripravljen, ali izberite drug tiskalnik. Zadnji posnetek zaslona je še vedno v odložišču."},
    {PrintFailedMessage, "Snapwright posnetka zaslona ni mogel natisniti v tiskalniku »{printer}«. Zadnji posnetek zaslona je še vedno v odložišču."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright posnetka zaslona ni mogel poslati v {program}: {reason}\r\n\r\nPosnetek zaslona je v odložišču: v {program} ga lahko prilepite sami."},
    {SendClipboardFailedMessage, "Snapwright slike ni mogel postaviti v odložišče, zato je ne more poslati v {program}."},
    {AutomationNotInstalledReason, "ni nameščen ali pa njegov razred za avtomatizacijo »{member}« ni registriran"},
    {AutomationUnreachableReason, "njegovega zagnanega primerka ni bilo mogoče doseči"},
    {AutomationNotStartedReason, "ni ga bilo mogoče zagnati"},
    {AutomationUnknownMemberReason, "ne pozna »{member}«"},
    {AutomationBusyReason, "se ne odziva (morda je zaseden, na primer z lastnim pogovornim oknom)"},
    {AutomationClosedReason, "zaprt je bil ali pa se ne odziva več"},
    {AutomationRefusedReason, "zavrnil je »{member}« ({reason})"},
    {AutomationNoMemoryReason, "za klic ni bilo dovolj pomnilnika"},
    {AutomationNoObjectReason, "ni zagotovil svojega predmeta »{member}«"},
    {AutomationNotScriptableReason, "njegovega razreda za avtomatizacijo »{member}« ni mogoče upravljati po imenu"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Datoteke s pomočjo ni bilo mogoče najti. Snapwright jo pričakuje tukaj:\n{file}"},
    {StartFailedMessage, "Snapwright se zaradi notranje napake ni mogel zagnati."},

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
