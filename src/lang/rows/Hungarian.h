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
    {NotRunningCaption, "Képernyőkép küldése ide:"},
    {NotRunningQuestion, "nem fut. Elindítja most?"},

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

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Képernyőkép mentése másként ..."},
    {FileFormatFrame, "fájlformátum kiválasztása"},
    {ThumbnailBox, "miniatűr létrehozása"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Információ"},
    {OptionsMenuItem, "Beállítások"},
    {CloseMenuItem, "Menü bezárása"},
    {ExitMenuItem, "Kilépés"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
