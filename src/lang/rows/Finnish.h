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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright ei voinut tallentaa kuvakaappausta nimellä\n{file}\n\n{reason}\n\nKuvakaappaus on yhä leikepöydällä."},
    {FolderFailedMessage, "Snapwright ei voinut luoda kansiota kuvakaappaukselle:\n{folder}\n\n{reason}\n\nKuvakaappaus on yhä leikepöydällä."},
    {SaveRefusedMessage, "Snapwright ei voi tallentaa kuvakaappausta nimellä\n{file}\n\n{reason}\n\nValitse toinen nimi."},
    {ReplaceFileQuestion, "{file}\non jo olemassa.\n\nHaluatko korvata sen?"},
    {ReplaceFilesQuestion, "Nämä tiedostot ovat jo olemassa:\n{files}\n\nHaluatko korvata ne?"},
    {SaveDialogTitle, "Tallenna kuvakaappaus"},
    {NoScreenshotToSaveMessage, "Tallennettavaa kuvakaappausta ei ole."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Polku nimeää kansion mutta ei tiedostoa."},
    {ForbiddenCharacterReason, "Nimessä on merkki, jota Windows ei salli: ”{character}”."},
    {NameTooLongReason, "Nimi on liian pitkä: siinä on {length} merkkiä, ja Windows sallii {limit}."},
    {PathTooLongReason, "Polku on liian pitkä: siinä on {length} merkkiä, ja Windows sallii tässä {limit}."},
    {DeviceNameReason, "Windows on varannut nimen ”{name}” laitteelle."},
    {DriveMissingReason, "Asemaa {drive} ei ole."},
    {NetworkFolderMissingReason, "Verkkokansioon {folder} ei saada yhteyttä."},
    {FolderOfThatNameReason, "Tämänniminen kansio on jo olemassa."},
    {FileInTheWayReason, "{folder} on tiedosto, ei kansio."},
    {FolderMissingReason, "Kansiota {folder} ei ole."},
    {FolderTakesNoFilesReason, "Windows ei salli uusien tiedostojen tai kansioiden luomista kohteeseen {folder}."},
    {BadNameReason, "Windows ei hyväksy tätä nimeä tiedostolle."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Kuvakaappausta ei voitu muuntaa kuvakirjaston kuvaksi."},
    {NotEncodedReason, "Kuvakirjasto ei voinut koodata kuvaa."},
    {NoThumbnailReason, "Kuvakirjasto ei voinut pienentää kuvaa pikkukuvaksi."},
    {EmptyFileReason, "Tiedosto on kirjoittamisen jälkeen tyhjä."},
    {NoMemoryToConvertReason, "Muisti ei riitä kuvakaappauksen muuntamiseen."},
    {PictureUnreadableReason, "Kuvakaappauksen kuvapisteitä ei voitu lukea."},
    {LibraryWriteFailedReason, "Kuvakirjasto ei voinut kirjoittaa tiedostoa."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nKomento snapwright.exe --help näyttää valitsimet."},
    {UnknownOptionError, "Tuntematon valitsin ”{option}”."},
    {UnexpectedArgumentError, "Odottamaton argumentti ”{argument}”."},
    {OptionTwiceError, "”{option}” on annettu kahdesti."},
    {OptionNeedsValueError, "”{option}” tarvitsee arvon."},
    {OptionTakesNoValueError, "”{option}” ei ota arvoa."},
    {DelayValueError, "--delay ottaa sekunteja väliltä 0–3600, esimerkiksi 2 tai 0.5, ei ”{value}”."},
    {ToValueError, "--to ottaa arvon clipboard, print, save, send tai editor, ei ”{value}”."},
    {FileNeedsPathError, "--file tarvitsee polun."},
    {FormatValueError, "--format ottaa arvon bmp, jpg, png, tif tai mng, ei ”{value}”."},
    {ThumbnailValueError, "--thumbnail ottaa prosenttiluvun väliltä 10–50, ei ”{value}”."},
    {OneCaptureError, "Anna vain yksi kaappaus, ei {first} ja {second}."},
    {NoCaptureError, "Anna kaappaus: --screen, --window tai --region."},
    {NeedsFileError, "{option} tarvitsee valitsimen --file."},
    {FileWithSaveError, "--file ei käy yhdessä valitsimen --to save kanssa: tallennusikkuna kysyy tiedoston itse."},
    {FormatMismatchError, "--format {format} ei vastaa tiedostoa ”{file}”."},
    {UnknownFormatError, "Tiedoston ”{file}” muoto on tuntematon: anna --format tai tiedostotunniste (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Tiedosto on jo olemassa; --overwrite korvaa sen."},
    {ThumbnailExistsError, "Pikkukuva on jo olemassa; --overwrite korvaa sen."},
    {CommandFailedMessage, "Snapwright ei voinut suorittaa komentoa: {reason}"},
    {ScreenUnreadableMessage, "Snapwright ei voinut ottaa kuvakaappausta: näyttöä ei voitu lukea."},
    {NoWindowInFrontMessage, "Snapwright ei voinut ottaa kuvakaappausta: etualalla ei ole ikkunaa, tai sitä ei voitu lukea."},
    {NoRegionHereMessage, "Snapwright ei voi kaapata aluetta tässä."},
    {RegionInUseMessage, "Aluetta rajataan jo, ja Snapwright rajaa yhden kerrallaan. Viimeistele tai peruuta se (Esc) ja anna komento sitten uudelleen."},
    {ClipboardHeldMessage, "Snapwright ei voinut viedä kuvakaappausta leikepöydälle: toinen ohjelma pitää sitä varattuna."},
    {NotHandedOnMessage, "Snapwright ei voinut välittää kuvakaappausta eteenpäin."},
    {PageWaitsMessage, "Sivu odottaa toista kuvakaappaustaan."},
    {PageOfTwoAloneMessage, "Sivulle tulee kaksi kuvakaappausta, eikä toista tule ilman ilmaisinalueella käynnissä olevaa Snapwrightia: mitään ei tulosteta. Käynnistä ensin Snapwright tai valitse sen asetuksista yhden kuvakaappauksen sivu."},
    {TrayProgramSilentMessage, "Snapwright on käynnissä ilmaisinalueella, mutta se ei vastaa."},
    {TrayProgramEndedMessage, "Snapwright sulkeutui ennen kuin komento oli valmis."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Snapwrightin muokkaimen kuvakaappauksessa on tallentamattomia muutoksia."},
});

}  // namespace snapwright::language_rows
