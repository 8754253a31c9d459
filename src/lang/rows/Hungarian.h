#pragma once
#include "lang/LanguageRow.h"

// Hungarian, language 12.
namespace snapwright::language_rows {

inline constexpr LanguageRow kHungarian = Row("Magyar *", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "Még&se"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "A Snapwright™ névjegye"},
    {AboutCopyright, "Copyright © 2002 a Snapwright szerzői. Minden jog fenntartva."},
    {AboutDisclaimer, "Ezt a programot a német és a nemzetközi szerzői jogi törvények védik."},
    {UpdateButton, "&Frissítés ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Képernyőkép küldése ..."},
    {AskApplicationFrame, "Válasszon alkalmazást"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Képernyőkép küldése ide: {program}"},
    {NotRunningQuestion, "{program} nem fut. Elindítja most?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Beállítások"},
    {PrintFrame, "Nyomtatás"},
    {DefaultPrinterOption, "nyomtatás az alapértelmezett nyomtatóra"},
    {ChoosePrinterOption, "nyomtatóválasztás megjelenítése"},
    {SaveFrame, "Mentés"},
    {SaveToProgramFolderOption, "mentés mindig a telepítési mappába, az alapértelmezett fájlnévvel"},
    {AskForFileOption, "a célmappa és a fájlnév megkérdezése minden alkalommal"},
    {SendFrame, "Küldés alkalmazásnak"},
    {SendToOfficeOption, "képernyőkép küldése ide:"},
    {AskAtSendOption, "a célprogram megkérdezése"},
    {PrintFormatFrame, "Nyomtatási formátum"},
    {HeaderFooterFrame, "Időbélyeg és lábléc"},
    {PrintTimestampBox, "időbélyeg nyomtatása"},
    {PrintUserNameBox, "Felhasználónév"},
    {PrintComputerNameBox, "Számítógépnév"},
    {PrintFooterBox, "reklám nyomtatása a láblécben"},
    {LanguageFrame, "Nyelv"},
    {SelectLanguageLabel, "nyelv kiválasztása"},
    {DefaultsButton, "&Alapértelmezés"},
    {SaveButton, "&Mentés"},
    {KeysButton, "&Billentyűk…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Képernyőkép mentése másként ..."},
    {FileFormatFrame, "fájlformátum kiválasztása"},
    {ThumbnailBox, "miniatűr létrehozása"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Információ"},
    {OptionsMenuItem, "Beállítások"},
    {CloseMenuItem, "Menü bezárása"},
    {ExitMenuItem, "Kilépés"},
    {ScreenMenuItem, "Képernyő"},
    {WindowMenuItem, "Előtérben lévő ablak"},
    {RegionMenuItem, "Terület"},
    {EditorMenuItem, "Szerkesztő"},

    // -- Start window --
    {AlreadyRunningMessage, "A Snapwright már fut: ikonja az értesítési területen van."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Menti a fájl módosításait?"},
    {EditorQuitCaption, "Kilépés a programból"},
    {EditorDiscardQuestion, "Biztosan elveti ezt a fájlt?"},
    {EditorNewFileCaption, "Új fájl"},
    {EditorOpenFileCaption, "Fájl megnyitása"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Képernyő nyomtatása"},
    {PrintWindowAction, "Előtérben lévő ablak nyomtatása"},
    {SaveScreenAction, "Képernyő mentése"},
    {SaveWindowAction, "Előtérben lévő ablak mentése"},
    {SendScreenAction, "Képernyő küldése"},
    {SendWindowAction, "Előtérben lévő ablak küldése"},
    {RegionAction, "Terület kijelölése a szerkesztőnek"},
    {KeysCaption, "Billentyűk"},
    {KeysIntroLabel, "Kattintson egy mezőbe, és nyomja le a billentyűket. Az írásra vagy a szövegben mozgásra szolgáló billentyűkhöz Ctrl vagy Alt kell. A jelölőnégyzet törlésével a művelet kikapcsol."},
    {KeyDefaultsButton, "&Alapértékek"},
    {KeyTakenMessage, "A(z) {key} billentyűt már egy másik program használja."},
    {KeysTakenMessage, "Ezeket a billentyűket már más programok használják: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "A Windows saját képernyőfelvétele foglalja a Print Screen billentyűt (Gépház › Akadálymentesség › Billentyűzet › „A Print Screen billentyű használata a képernyőfelvétel megnyitásához”)."},
    {RunsWithoutKeysMessage, "A Snapwright így is fut, és értesítési területen lévő ikonjának menüje is készít képernyőképeket."},
    {WhereToChooseKeysMessage, "Más billentyűket ebben a menüben a(z) {options} › {keys} alatt választhat."},
    {SwitchOffWindowsCaptureQuestion, "Kikapcsolja most ennél a felhasználónál a Windows képernyőfelvételét a Print Screen billentyűn?"},
    {ChooseAnotherKeyMessage, "Válasszon másik billentyűt, vagy kapcsolja ki a műveletet."},
    {SharedKeyMessage, "A(z) {key} kétszer van kiválasztva: a(z) „{first}” és a(z) „{second}” művelethez. Az egyikhez válasszon másik billentyűt."},
    {WindowsCaptureNotSwitchedOff, "A Windows képernyőfelvételét nem sikerült kikapcsolni a Print Screen billentyűn. Kapcsolja ki itt: Gépház › Akadálymentesség › Billentyűzet."},

    // -- Scrolling capture --

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "A Snapwright nem tudta megnyitni a következő fájlt:\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "A fájl nem a Snapwright által olvasható formátumú kép (BMP, JPEG, PNG, MNG, TIFF), vagy nem olvasható."},
    {DamagedPictureReason, "A fájlban lévő kép nem olvasható; lehet, hogy a fájl sérült."},
    {PictureWithoutSizeReason, "A fájl nem adja meg a képe méretét; lehet, hogy a fájl sérült."},
    {PictureTooLargeReason, "A kép mérete {size} képpont. A Snapwright legfeljebb {limit} képpont oldalhosszúságú képeket nyit meg."},
    {PictureNeedsTooMuchMemoryReason, "A kép mérete {size} képpont, és a megnyitásához körülbelül {megabytes} MB memória kell, több, mint amennyit a Snapwright most kaphat."},
    {NoMemoryForPictureReason, "Nincs elég memória egy ilyen méretű kép megjelenítéséhez."},
    {UnsupportedPictureReason, "A Snapwright nem tudja megjeleníteni ezt a fajta képet (például a színei nem egész számként vannak tárolva)."},

    // -- Saving, printing, sending, the command line --
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "A Snapwright nem tudta menteni a képernyőképet a következő néven:\n{file}\n\n{reason}\n\nA képernyőkép továbbra is a vágólapon van."},
    {FolderFailedMessage, "A Snapwright nem tudta létrehozni a képernyőkép mappáját:\n{folder}\n\n{reason}\n\nA képernyőkép továbbra is a vágólapon van."},
    {SaveRefusedMessage, "A Snapwright nem tudja menteni a képernyőképet a következő néven:\n{file}\n\n{reason}\n\nVálasszon másik nevet."},
    {ReplaceFileQuestion, "{file}\nmár létezik.\n\nLecseréli?"},
    {ReplaceFilesQuestion, "Ezek a fájlok már léteznek:\n{files}\n\nLecseréli őket?"},
    {SaveDialogTitle, "Képernyőkép mentése"},
    {NoScreenshotToSaveMessage, "Nincs menthető képernyőkép."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Az elérési út mappát nevez meg, de fájlt nem."},
    {ForbiddenCharacterReason, "A név olyan karaktert tartalmaz, amelyet a Windows nem enged meg: „{character}”."},
    {NameTooLongReason, "A név túl hosszú: {length} karakterből áll, a Windows pedig {limit} karaktert enged meg."},
    {PathTooLongReason, "Az elérési út túl hosszú: {length} karakterből áll, a Windows pedig itt {limit} karaktert enged meg."},
    {DeviceNameReason, "A Windows a(z) „{name}” nevet egy eszköznek tartja fenn."},
    {DriveMissingReason, "A(z) {drive} meghajtó nem létezik."},
    {NetworkFolderMissingReason, "A(z) {folder} hálózati mappa nem érhető el."},
    {FolderOfThatNameReason, "Már létezik ilyen nevű mappa."},
    {FileInTheWayReason, "A(z) {folder} fájl, nem mappa."},
    {FolderMissingReason, "A(z) {folder} mappa nem létezik."},
    {FolderTakesNoFilesReason, "A Windows nem engedi, hogy a(z) {folder} helyen új fájlok vagy mappák jöjjenek létre."},
    {BadNameReason, "A Windows nem fogadja el ezt a nevet fájlnévként."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "A képernyőképet nem sikerült a képkönyvtár képévé alakítani."},
    {NotEncodedReason, "A képkönyvtár nem tudta kódolni a képet."},
    {NoThumbnailReason, "A képkönyvtár nem tudta miniatűrré kicsinyíteni a képet."},
    {EmptyFileReason, "A fájl írás után üres."},
    {NoMemoryToConvertReason, "Nincs elég memória a képernyőkép átalakításához."},
    {PictureUnreadableReason, "A képernyőkép képpontjait nem sikerült beolvasni."},
    {LibraryWriteFailedReason, "A képkönyvtár nem tudta írni a fájlt."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nA kapcsolókat a snapwright.exe --help parancs mutatja meg."},
    {UnknownOptionError, "Ismeretlen kapcsoló: „{option}”."},
    {UnexpectedArgumentError, "Váratlan argumentum: „{argument}”."},
    {OptionTwiceError, "A(z) „{option}” kétszer van megadva."},
    {OptionNeedsValueError, "A(z) „{option}” értéket igényel."},
    {OptionTakesNoValueError, "A(z) „{option}” nem fogad értéket."},
    {DelayValueError, "A --delay 0 és 3600 közötti másodpercet fogad, például 2 vagy 0.5, nem ezt: „{value}”."},
    {ToValueError, "A --to ezeket fogadja: clipboard, print, save, send vagy editor, nem ezt: „{value}”."},
    {FileNeedsPathError, "A --file elérési utat igényel."},
    {FormatValueError, "A --format ezeket fogadja: bmp, jpg, png, tif vagy mng, nem ezt: „{value}”."},
    {ThumbnailValueError, "A --thumbnail 10 és 50 közötti százalékot fogad, nem ezt: „{value}”."},
    {OneCaptureError, "Csak egyféle felvételt adjon meg, ne ezt a kettőt: {first} és {second}."},
    {NoCaptureError, "Adja meg, mit rögzítsen: --screen, --window vagy --region."},
    {NeedsFileError, "A(z) {option} mellé --file is kell."},
    {FileWithSaveError, "A --file nem adható meg a --to save mellett: a mentési párbeszédpanel maga kérdezi meg a fájlt."},
    {FormatMismatchError, "A --format {format} nem illik a(z) „{file}” fájlhoz."},
    {UnknownFormatError, "A(z) „{file}” formátuma ismeretlen: adja meg a --format kapcsolót vagy egy kiterjesztést (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "A fájl már létezik; a --overwrite lecseréli."},
    {ThumbnailExistsError, "A miniatűr már létezik; a --overwrite lecseréli."},
    {CommandFailedMessage, "A Snapwright nem tudta végrehajtani a parancsot: {reason}"},
    {ScreenUnreadableMessage, "A Snapwright nem tudta elkészíteni a képernyőképet: a képernyőt nem sikerült beolvasni."},
    {NoWindowInFrontMessage, "A Snapwright nem tudta elkészíteni a képernyőképet: nincs ablak az előtérben, vagy nem sikerült beolvasni."},
    {NoRegionHereMessage, "A Snapwright itt nem tud területet rögzíteni."},
    {RegionInUseMessage, "Már folyik egy terület kijelölése, és a Snapwright egyszerre csak egyet jelöl ki. Fejezze be vagy szakítsa meg (Esc), majd adja ki újra a parancsot."},
    {ClipboardHeldMessage, "A Snapwright nem tudta a vágólapra tenni a képernyőképet: egy másik program foglalja."},
    {NotHandedOnMessage, "A Snapwright nem tudta továbbadni a képernyőképet."},
    {PageWaitsMessage, "Az oldal a második képernyőképére vár."},
    {PageOfTwoAloneMessage, "Az oldalra két képernyőkép kerül, és ha a Snapwright nem fut az értesítési területen, második nem érkezik: semmi sem kerül nyomtatásra. Először indítsa el a Snapwrightot, vagy a beállításaiban válasszon egy képernyőképes oldalt."},
    {TrayProgramSilentMessage, "A Snapwright fut az értesítési területen, de nem válaszol."},
    {TrayProgramEndedMessage, "A Snapwright befejeződött, mielőtt végrehajtotta volna a parancsot."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "A Snapwright szerkesztőjében lévő képernyőkép nem mentett módosításokat tartalmaz."},
});

}  // namespace snapwright::language_rows
