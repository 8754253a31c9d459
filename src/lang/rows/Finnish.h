#pragma once
#include "lang/LanguageRow.h"

// Finnish, language 10.
namespace snapwright::language_rows {

inline constexpr LanguageRow kFinnish = Row("Suomalainen", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "&Peruuta"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Tietoja Snapwright™-ohjelmasta"},
    {AboutCopyright, "Copyright © 2002 Snapwrightin tekijät. Kaikki oikeudet pidätetään."},
    {AboutDisclaimer, "Tätä ohjelmaa suojaavat Saksan ja kansainväliset tekijänoikeuslait."},
    {UpdateButton, "&Päivitä ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Lähetä kuvakaappaus sovellukseen ..."},
    {AskApplicationFrame, "Valitse sovellus"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Lähetä kuvakaappaus sovellukseen {program}"},
    {NotRunningQuestion, "{program} ei ole käynnissä. Käynnistetäänkö se nyt?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Asetukset"},
    {PrintFrame, "Tulostus"},
    {DefaultPrinterOption, "tulosta oletustulostimeen"},
    {ChoosePrinterOption, "näytä tulostimen valinta"},
    {SaveFrame, "Tallennus"},
    {SaveToProgramFolderOption, "tallenna aina asennuskansioon oletustiedostonimellä"},
    {AskForFileOption, "kysy aina kohdekansiota ja tiedostonimeä"},
    {SendFrame, "Lähetä sovellukseen"},
    {SendToOfficeOption, "lähetä kuvakaappaus sovellukseen"},
    {AskAtSendOption, "kysy kohdeohjelmaa"},
    {PrintFormatFrame, "Tulostusmuoto"},
    {HeaderFooterFrame, "Aikaleima ja alatunniste"},
    {PrintTimestampBox, "tulosta aikaleima"},
    {PrintUserNameBox, "Käyttäjänimi"},
    {PrintComputerNameBox, "Tietokoneen nimi"},
    {PrintFooterBox, "tulosta mainos alatunnisteeseen"},
    {LanguageFrame, "Kieli"},
    {SelectLanguageLabel, "valitse kieli"},
    {DefaultsButton, "&Oletusasetukset"},
    {SaveButton, "&Tallenna"},
    {KeysButton, "&Näppäimet…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Tallenna kuvakaappaus nimellä ..."},
    {FileFormatFrame, "valitse tiedostomuoto"},
    {ThumbnailBox, "luo pikkukuva"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Tietoja"},
    {OptionsMenuItem, "Asetukset"},
    {CloseMenuItem, "Sulje valikko"},
    {ExitMenuItem, "Lopeta"},
    {ScreenMenuItem, "Näyttö"},
    {WindowMenuItem, "Etualalla oleva ikkuna"},
    {RegionMenuItem, "Alue"},
    {EditorMenuItem, "Muokkain"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright on jo käynnissä: sen kuvake on ilmaisinalueella."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Tallennetaanko tähän tiedostoon tehdyt muutokset?"},
    {EditorQuitCaption, "Lopeta ohjelma"},
    {EditorDiscardQuestion, "Hylätäänkö tämä tiedosto varmasti?"},
    {EditorNewFileCaption, "Uusi tiedosto"},
    {EditorOpenFileCaption, "Avaa tiedosto"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Tulosta näyttö"},
    {PrintWindowAction, "Tulosta etualalla oleva ikkuna"},
    {SaveScreenAction, "Tallenna näyttö"},
    {SaveWindowAction, "Tallenna etualalla oleva ikkuna"},
    {SendScreenAction, "Lähetä näyttö"},
    {SendWindowAction, "Lähetä etualalla oleva ikkuna"},
    {RegionAction, "Rajaa alue muokkaimeen"},
    {KeysCaption, "Näppäimet"},
    {KeysIntroLabel, "Napsauta kenttää ja paina näppäimiä. Kirjoittavat tai tekstissä liikkuvat näppäimet tarvitsevat Ctrl- tai Alt-näppäimen. Poista valinta ruudusta, niin toiminto poistuu käytöstä."},
    {KeyDefaultsButton, "Ole&tukset"},
    {KeyTakenMessage, "{key} on jo toisen ohjelman käytössä."},
    {KeysTakenMessage, "Nämä näppäimet ovat jo muiden ohjelmien käytössä: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windowsin oma näyttökuvatoiminto varaa Print Screen -näppäimen (Asetukset › Helppokäyttöisyys › Näppäimistö › ”Avaa näyttökuvan ottaminen Print Screen -näppäimellä”)."},
    {RunsWithoutKeysMessage, "Snapwright toimii silti, ja sen ilmaisinalueen kuvakkeen valikko ottaa myös näyttökuvia."},
    {WhereToChooseKeysMessage, "Muut näppäimet valitaan siinä valikossa kohdasta {options} › {keys}."},
    {SwitchOffWindowsCaptureQuestion, "Poistetaanko Windowsin näyttökuvatoiminto Print Screen -näppäimestä nyt tältä käyttäjältä?"},
    {ChooseAnotherKeyMessage, "Valitse toinen näppäin tai poista toiminto käytöstä."},
    {SharedKeyMessage, "{key} on valittu kahdesti: kohteille ”{first}” ja ”{second}”. Valitse toiselle niistä eri näppäin."},
    {WindowsCaptureNotSwitchedOff, "Windowsin näyttökuvatoimintoa ei voitu poistaa Print Screen -näppäimestä. Poista se kohdassa Asetukset › Helppokäyttöisyys › Näppäimistö."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Vieritettävä ikkuna"},
    {ScrollingUnreadableMessage, "Snapwright ei voinut ottaa kuvakaappausta: etualalla ei ole ikkunaa, tai sitä ei voitu lukea."},
    {ScrollingNoteHeading, "Vieritetään… Esc pysäyttää"},
    {ScrollingNoteCount, "{pixels} pikseliä otettu"},
    {ScrollingDoesNotScrollMessage, "Ikkuna ei vieri: kuva näyttää sen sellaisenaan."},
    {ScrollingHeightLimitMessage, "Korkeusraja tuli vastaan: kuva päättyy {pixels} pikselin kohdalla."},
    {ScrollingWindowLostMessage, "Ikkuna suljettiin tai sitä siirrettiin vierityksen aikana: kuvassa on se, mikä siihen asti ehdittiin ottaa."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright ei voinut avata tiedostoa\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Tiedosto ei ole kuva muodossa, jota Snapwright lukee (BMP, JPEG, PNG, MNG, TIFF), tai sitä ei voi lukea."},
    {DamagedPictureReason, "Tiedoston kuvaa ei voitu lukea; tiedosto saattaa olla vahingoittunut."},
    {PictureWithoutSizeReason, "Tiedosto ei ilmoita kuvansa kokoa; tiedosto saattaa olla vahingoittunut."},
    {PictureTooLargeReason, "Kuvan koko on {size} kuvapistettä. Snapwright avaa kuvia, joiden sivu on enintään {limit} kuvapistettä."},
    {PictureNeedsTooMuchMemoryReason, "Kuvan koko on {size} kuvapistettä, ja sen avaaminen vaatii noin {megabytes} Mt muistia, enemmän kuin Snapwright voi nyt saada."},
    {NoMemoryForPictureReason, "Muisti ei riitä tämän kokoisen kuvan näyttämiseen."},
    {UnsupportedPictureReason, "Snapwright ei voi näyttää tämänlaista kuvaa (sen värejä ei esimerkiksi ole tallennettu kokonaislukuina)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
