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

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Ablak görgetéssel"},
    {ScrollingUnreadableMessage, "A Snapwright nem tudta elkészíteni a képernyőképet: nincs ablak az előtérben, vagy nem lehetett beolvasni."},
    {ScrollingNoteHeading, "Görgetés… az Esc leállítja"},
    {ScrollingNoteCount, "{pixels} képpont rögzítve"},
    {ScrollingDoesNotScrollMessage, "Az ablak nem görgethető: a kép úgy mutatja, ahogy van."},
    {ScrollingHeightLimitMessage, "Elérte a magassági korlátot: a kép {pixels} képpontnál véget ér."},
    {ScrollingWindowLostMessage, "Az ablakot görgetés közben bezárták vagy elmozdították: a kép az addig rögzítetteket tartalmazza."},

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
});

}  // namespace snapwright::language_rows
