#pragma once
#include "lang/LanguageRow.h"

// Turkish, language 15.
namespace snapwright::language_rows {

inline constexpr LanguageRow kTurkish = Row("Türkçe *", "Arial", 8, {
    // -- Buttons that several windows share --
    {OkButton, "&OK"},
    {CancelButton, "İ&ptal"},

    // -- About box (ui/AboutControls.h) --
    {AboutCaption, "Snapwright™ hakkında"},
    {AboutCopyright, "Telif hakkı © 2002 Snapwright yazarları. Tüm hakları saklıdır."},
    {AboutDisclaimer, "Bu program Alman ve uluslararası telif hakkı yasalarıyla korunmaktadır."},
    {UpdateButton, "&Güncelle ?"},

    // -- Dialog that asks where a screenshot goes (apps/AskApplicationControls.h) --
    {AskApplicationCaption, "Ekran görüntüsünü gönder ..."},
    {AskApplicationFrame, "Uygulama seçin"},

    // -- Question whether an office program is started (apps/StartApplicationControls.h) --
    {NotRunningCaption, "Ekran görüntüsünü gönder:"},
    {NotRunningQuestion, "çalışmıyor. Şimdi başlatılsın mı?"},

    // -- Options dialog (settings/OptionsControls.h) --
    {OptionsCaption, "Seçenekler"},
    {PrintFrame, "Yazdır"},
    {DefaultPrinterOption, "varsayılan yazıcıya yazdır"},
    {ChoosePrinterOption, "yazıcı seçimini göster"},
    {SaveFrame, "Kaydet"},
    {SaveToProgramFolderOption, "her zaman kurulum klasörüne varsayılan dosya adıyla kaydet"},
    {AskForFileOption, "her zaman hedef klasörü ve dosya adını sor"},
    {SendFrame, "Uygulamaya gönder"},
    {SendToOfficeOption, "ekran görüntüsünü gönder:"},
    {AskAtSendOption, "hedef programı sor"},
    {PrintFormatFrame, "Yazdırma biçimi"},
    {HeaderFooterFrame, "Zaman damgası ve altbilgi"},
    {PrintTimestampBox, "zaman damgasını yazdır"},
    {PrintUserNameBox, "Kullanıcı adı"},
    {PrintComputerNameBox, "Bilgisayar adı"},
    {PrintFooterBox, "altbilgide reklamı yazdır"},
    {LanguageFrame, "Dil"},
    {SelectLanguageLabel, "dil seçin"},
    {DefaultsButton, "&Varsayılan ayarlar"},
    {SaveButton, "&Kaydet"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Ekran görüntüsünü farklı kaydet ..."},
    {FileFormatFrame, "dosya biçimi seçin"},
    {ThumbnailBox, "küçük resim oluştur"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Bilgi"},
    {OptionsMenuItem, "Seçenekler"},
    {CloseMenuItem, "Menüyü kapat"},
    {ExitMenuItem, "Çıkış"},

    // -- Start window --

    // -- Editor --

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys --

    // -- Scrolling capture --

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
