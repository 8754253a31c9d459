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
    {AboutWindowTitle, "Tietoja Snapwright-ohjelmasta"},
    {AboutVersionLabel, "Versio {version}"},
    {CreditsButton, "Tekijät..."},
    {CreditsCaption, "Tekijät"},
    {CreditsAuthors, "Snapwright™, Snapwrightin tekijät, 2002-2006"},
    {CreditsLibrary, "Kuvatiedostot luetaan ja kirjoitetaan FreeImage-kirjastolla, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Käännökset:\r\nKreikka: Snapwrightin kreikan kääntäjä, 2005\r\nTsekki: Snapwrightin tsekin kääntäjä, 2005\r\nEspanja: Snapwrightin espanjan kääntäjä, 2006\r\nRanska: Snapwrightin ranskan kääntäjä, 2006\r\nSaksa ja englanti: Snapwrightin tekijät, 2002-2006\r\nMuut kielet: Snapwrightin tekijät konekäännöstyökalun avulla"},
    {CreditsThanks, "Kiitos sivustoille cppreference.com, winehq.org ja learn.microsoft.com, MSDN Librarylle\r\nsekä kaikille muille ohjelmointisivustoille."},

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
    {OptionsWindowTitle, "Snapwrightin asetukset"},
    {SendToEditorOption, "Snapwright™-editori"},
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
    {StartOptionsHint, "Voit määrittää Snapwright™-asetukset napsauttamalla tehtäväpalkin kuvaketta hiiren kakkospainikkeella ja valitsemalla \"{item}\"."},
    {ShowAtStartupBox, "Näytä tämä näkymä käynnistettäessä"},
    {AlreadyRunningMessage, "Snapwright on jo käynnissä: sen kuvake on ilmaisinalueella."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Tallennetaanko tähän tiedostoon tehdyt muutokset?"},
    {EditorQuitCaption, "Lopeta ohjelma"},
    {EditorDiscardQuestion, "Hylätäänkö tämä tiedosto varmasti?"},
    {EditorNewFileCaption, "Uusi tiedosto"},
    {EditorOpenFileCaption, "Avaa tiedosto"},
    {EditorNewButton, "Uusi"},
    {EditorNewTip, "Uusi: aloita tyhjällä kuvalla"},
    {EditorRegionButton, "Alue"},
    {EditorRegionTip, "Alue: kaappaa näytön alue uudeksi kuvaksi"},
    {EditorOpenButton, "Avaa"},
    {EditorOpenTip, "Avaa kuvatiedosto"},
    {EditorSaveButton, "Tallenna"},
    {EditorSaveTip, "Tallenna kuva"},
    {EditorPrintButton, "Tulosta"},
    {EditorPrintTip, "Tulosta kuva"},
    {EditorCopyButton, "Kopioi"},
    {EditorCopyTip, "Kopioi kuva Leikepöydälle"},
    {EditorSendTip, "Lähetä kuva sovellukseen {program}"},
    {EditorUndoButton, "Kumoa"},
    {EditorUndoTip, "Kumoa viimeisin muutos"},
    {EditorZoomButton, "Zoomaa"},
    {EditorZoomTip, "Zoomaa: vedä alueen yli tai napsauta kahta kulmaa ja napsauta sitten, mihin suurennos sijoitetaan"},
    {EditorCropButton, "Rajaa"},
    {EditorCropTip, "Rajaa: napsauta kohtaa, johon kuvan lähin kulma siirretään"},
    {EditorFrameButton, "Kehys"},
    {EditorFrameTip, "Kehys: vedä kulmasta kulmaan tai napsauta kahta vastakkaista kulmaa"},
    {EditorEllipseButton, "Ellipsi"},
    {EditorEllipseTip, "Ellipsi: vedä kulmasta kulmaan tai napsauta kahta vastakkaista kulmaa"},
    {EditorTextButton, "Teksti"},
    {EditorTextTip, "Teksti: napsauta tai vedä ruutu ja kirjoita; Enter lisää tekstin, Vaihto+Enter aloittaa rivin, Esc hylkää sen"},
    {EditorArrowButton, "Nuoli"},
    {EditorArrowTip, "Nuoli: vedä hännästä kärkeen"},
    {EditorHighlightButton, "Korostuskynä"},
    {EditorHighlightTip, "Korostuskynä: vedä korostettavan kohdan yli"},
    {EditorRedactButton, "Peitä"},
    {EditorRedactTip, "Peitä: vedä sen yli, mitä kukaan ei saa lukea; pidä Vaihto painettuna vapauttaessasi, niin alue täytetään kokonaan"},
    {EditorStrengthLabel, "Paksuus:"},
    {EditorStrengthTip, "Kehysten, ellipsien ja nuolten viivan paksuus; peittämisen lohkokoko"},
    {EditorTextSizeLabel, "Koko:"},
    {EditorTextSizeTip, "Tekstin korkeus"},
    {EditorColourButton, "Väri"},
    {EditorColourTip, "Kehysten, ellipsien, tekstin, nuolten ja korostusten väri"},
    {EditorHelpButton, "Ohje"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Avaa kuvakaappaustiedosto"},
    {EditorNothingToHandOnMessage, "Editorissa ei ole kuvaa, jonka voisi välittää eteenpäin."},
    {EditorPageWaitsMessage, "Sivulle tulee kaksi kuvakaappausta: tämä kuva on ensimmäinen, ja sivu odottaa toista.\r\n\r\nNapsauta Tulosta uudelleen tai ota kuvakaappaus Print Screen -näppäimellä, niin sivu tulostetaan."},
    {EditorCopyFailedMessage, "Snapwright ei voinut siirtää kuvaa Leikepöydälle."},
    {EditorNoMemoryMessage, "Snapwright ei voinut muuttaa kuvaa: järjestelmällä on liian vähän muistia jäljellä."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright-alue"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright ei voinut tulostaa kuvakaappausta: tulostinta ei ole asennettu. Viimeisin kuvakaappaus on yhä Leikepöydällä."},
    {PrintPrinterUnusableMessage, "Snapwright ei voinut tulostaa kuvakaappausta: tulostinta \"{printer}\" ei voi käyttää. Tarkista, että se on asennettu ja valmiina, tai valitse toinen tulostin. Viimeisin kuvakaappaus on yhä Leikepöydällä."},
    {PrintFailedMessage, "Snapwright ei voinut tulostaa kuvakaappausta tulostimella \"{printer}\". Viimeisin kuvakaappaus on yhä Leikepöydällä."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright ei voinut lähettää kuvakaappausta sovellukseen {program}: {reason}\r\n\r\nKuvakaappaus on Leikepöydällä: voit liittää sen itse sovellukseen {program}."},
    {SendClipboardFailedMessage, "Snapwright ei voinut siirtää kuvaa Leikepöydälle, joten se ei voi lähettää sitä sovellukseen {program}."},
    {AutomationNotInstalledReason, "sitä ei ole asennettu, tai sen automaatioluokkaa \"{member}\" ei ole rekisteröity"},
    {AutomationUnreachableReason, "sen käynnissä olevaa esiintymää ei tavoitettu"},
    {AutomationNotStartedReason, "sitä ei voitu käynnistää"},
    {AutomationUnknownMemberReason, "se ei tunne kohdetta \"{member}\""},
    {AutomationBusyReason, "se ei vastaa (se voi olla varattu, esimerkiksi omalla valintaikkunallaan)"},
    {AutomationClosedReason, "se suljettiin tai se lakkasi vastaamasta"},
    {AutomationRefusedReason, "se hylkäsi kohteen \"{member}\" ({reason})"},
    {AutomationNoMemoryReason, "kutsulle ei ollut tarpeeksi muistia"},
    {AutomationNoObjectReason, "se ei antanut objektiaan \"{member}\""},
    {AutomationNotScriptableReason, "sen automaatioluokkaa \"{member}\" ei voi ohjata nimellä"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Ohjetiedostoa ei löytynyt. Snapwright odottaa sen olevan tässä:\n{file}"},
    {StartFailedMessage, "Snapwright ei käynnistynyt sisäisen virheen vuoksi."},

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
