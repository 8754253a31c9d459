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
    {AboutWindowTitle, "A Snapwright névjegye"},
    {AboutVersionLabel, "{version} verzió"},
    {CreditsButton, "Közreműködők..."},
    {CreditsCaption, "Közreműködők"},
    {CreditsAuthors, "Snapwright™ – a Snapwright szerzői, 2002-2006"},
    {CreditsLibrary, "A képfájlok olvasása és írása a FreeImage könyvtárral történik, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Fordítások:\r\nGörög: a Snapwright görög fordítója, 2005\r\nCseh: a Snapwright cseh fordítója, 2005\r\nSpanyol: a Snapwright spanyol fordítója, 2006\r\nFrancia: a Snapwright francia fordítója, 2006\r\nNémet és angol: a Snapwright szerzői, 2002-2006\r\nTovábbi nyelvek: a Snapwright szerzői, gépi fordítóeszközzel"},
    {CreditsThanks, "Köszönet a cppreference.com, a winehq.org, a learn.microsoft.com és az MSDN Library oldalainak,\r\nvalamint minden más programozási webhelynek."},

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
    {OptionsWindowTitle, "Snapwright beállításai"},
    {SendToEditorOption, "Snapwright™ szerkesztő"},
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
    {StartOptionsHint, "A Snapwright™ beállításához kattintson a jobb gombbal a tálcán lévő ikonra, és válassza a(z) „{item}” parancsot."},
    {ShowAtStartupBox, "Ez a képernyő jelenjen meg indításkor"},
    {AlreadyRunningMessage, "A Snapwright már fut: ikonja az értesítési területen van."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Menti a fájl módosításait?"},
    {EditorQuitCaption, "Kilépés a programból"},
    {EditorDiscardQuestion, "Biztosan elveti ezt a fájlt?"},
    {EditorNewFileCaption, "Új fájl"},
    {EditorOpenFileCaption, "Fájl megnyitása"},
    {EditorNewButton, "Új"},
    {EditorNewTip, "Új: kezdés üres képpel"},
    {EditorRegionButton, "Terület"},
    {EditorRegionTip, "Terület: a képernyő egy területe új képként"},
    {EditorOpenButton, "Megnyitás"},
    {EditorOpenTip, "Képfájl megnyitása"},
    {EditorSaveButton, "Mentés"},
    {EditorSaveTip, "A kép mentése"},
    {EditorPrintButton, "Nyomtatás"},
    {EditorPrintTip, "A kép nyomtatása"},
    {EditorCopyButton, "Másolás"},
    {EditorCopyTip, "A kép másolása a vágólapra"},
    {EditorSendTip, "A kép küldése ide: {program}"},
    {EditorUndoButton, "Visszavonás"},
    {EditorUndoTip, "Az utolsó módosítás visszavonása"},
    {EditorZoomButton, "Nagyítás"},
    {EditorZoomTip, "Nagyítás: húzza végig egy területen, vagy kattintson két sarokra, majd oda, ahová a nagyítás kerüljön"},
    {EditorCropButton, "Körülvágás"},
    {EditorCropTip, "Körülvágás: kattintson oda, ahová a kép legközelebbi sarkának kell kerülnie"},
    {EditorFrameButton, "Keret"},
    {EditorFrameTip, "Keret: húzza sarokból sarokba, vagy kattintson két szemközti sarokra"},
    {EditorEllipseButton, "Ellipszis"},
    {EditorEllipseTip, "Ellipszis: húzza sarokból sarokba, vagy kattintson két szemközti sarokra"},
    {EditorTextButton, "Szöveg"},
    {EditorTextTip, "Szöveg: kattintson vagy húzzon egy keretet, és gépeljen; az Enter beszúrja, a Shift+Enter új sort kezd, az Esc elveti"},
    {EditorArrowButton, "Nyíl"},
    {EditorArrowTip, "Nyíl: húzza a végétől a hegyéig"},
    {EditorHighlightButton, "Kiemelő"},
    {EditorHighlightTip, "Kiemelő: húzza végig azon, aminek ki kell tűnnie"},
    {EditorRedactButton, "Kitakarás"},
    {EditorRedactTip, "Kitakarás: húzza végig azon, amit senki sem olvashat; elengedéskor tartsa lenyomva a Shiftet a teljes kitöltéshez"},
    {EditorStrengthLabel, "Vastagság:"},
    {EditorStrengthTip, "Keretek, ellipszisek és nyilak vonalvastagsága; kitakarásnál a blokkméret"},
    {EditorTextSizeLabel, "Méret:"},
    {EditorTextSizeTip, "A szöveg magassága"},
    {EditorColourButton, "Szín"},
    {EditorColourTip, "Keretek, ellipszisek, szöveg, nyilak és kiemelések színe"},
    {EditorHelpButton, "Súgó"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Képernyőkép-fájl megnyitása"},
    {EditorNothingToHandOnMessage, "A szerkesztőben nincs továbbadható kép."},
    {EditorPageWaitsMessage, "Az oldalra két képernyőkép kerül: ez a kép az első, és az oldal a másodikra vár.\r\n\r\nKattintson ismét a Nyomtatás gombra, vagy készítsen képernyőképet a Print Screen billentyűvel, és az oldal kinyomtatódik."},
    {EditorCopyFailedMessage, "A Snapwright nem tudta a vágólapra helyezni a képet."},
    {EditorNoMemoryMessage, "A Snapwright nem tudta módosítani a képet: a rendszernek túl kevés szabad memóriája maradt."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-terület"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "A Snapwright nem tudta kinyomtatni a képernyőképet: nincs telepítve nyomtató. Az utolsó képernyőkép még a vágólapon van."},
    {PrintPrinterUnusableMessage, "A Snapwright nem tudta kinyomtatni a képernyőképet: a(z) „{printer}” nyomtató nem használható. Ellenőrizze, hogy telepítve van-e és üzemkész-e, vagy válasszon másik nyomtatót. Az utolsó képernyőkép még a vágólapon van."},
    {PrintFailedMessage, "A Snapwright nem tudta kinyomtatni a képernyőképet a(z) „{printer}” nyomtatón. Az utolsó képernyőkép még a vágólapon van."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "A Snapwright nem tudta elküldeni a képernyőképet a(z) {program} programba: {reason}\r\n\r\nA képernyőkép a vágólapon van: saját maga is beillesztheti a(z) {program} programba."},
    {SendClipboardFailedMessage, "A Snapwright nem tudta a vágólapra helyezni a képet, ezért nem tudja elküldeni a(z) {program} programba."},
    {AutomationNotInstalledReason, "nincs telepítve, vagy a(z) „{member}” automatizálási osztálya nincs regisztrálva"},
    {AutomationUnreachableReason, "a futó példánya nem érhető el"},
    {AutomationNotStartedReason, "nem sikerült elindítani"},
    {AutomationUnknownMemberReason, "nem ismeri ezt: „{member}”"},
    {AutomationBusyReason, "nem válaszol (lehet, hogy foglalt, például egy saját párbeszédpanellel)"},
    {AutomationClosedReason, "bezárták, vagy nem válaszol többé"},
    {AutomationRefusedReason, "elutasította ezt: „{member}” ({reason})"},
    {AutomationNoMemoryReason, "nem volt elég memória a híváshoz"},
    {AutomationNoObjectReason, "nem adta át a(z) „{member}” objektumát"},
    {AutomationNotScriptableReason, "a(z) „{member}” automatizálási osztálya név szerint nem vezérelhető"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "A súgófájl nem található. A Snapwright itt keresi:\n{file}"},
    {StartFailedMessage, "A Snapwright belső hiba miatt nem tudott elindulni."},

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
