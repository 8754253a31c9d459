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
    {NotRunningCaption, "Ekran görüntüsünü gönder: {program}"},
    {NotRunningQuestion, "{program} çalışmıyor. Şimdi başlatılsın mı?"},

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
    {KeysButton, "&Tuşlar…"},

    // -- Save dialog (save/SaveAsControls.h) --
    {SaveAsCaption, "Ekran görüntüsünü farklı kaydet ..."},
    {FileFormatFrame, "dosya biçimi seçin"},
    {ThumbnailBox, "küçük resim oluştur"},

    // -- Tray menu (capture/TrayProgram.h) --
    {AboutMenuItem, "Bilgi"},
    {OptionsMenuItem, "Seçenekler"},
    {CloseMenuItem, "Menüyü kapat"},
    {ExitMenuItem, "Çıkış"},
    {ScreenMenuItem, "Ekran"},
    {WindowMenuItem, "Öndeki pencere"},
    {RegionMenuItem, "Bölge"},
    {EditorMenuItem, "Düzenleyici"},

    // -- Start window --
    {AlreadyRunningMessage, "Snapwright zaten çalışıyor: simgesi bildirim alanında."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Bu dosyadaki değişiklikler kaydedilsin mi?"},
    {EditorQuitCaption, "Programdan çık"},
    {EditorDiscardQuestion, "Bu dosya gerçekten atılsın mı?"},
    {EditorNewFileCaption, "Yeni dosya"},
    {EditorOpenFileCaption, "Dosya aç"},

    // -- Editor: marks --

    // -- Region overlay --

    // -- Keys (capture/KeysControls.h, capture/KeyMessages.h) --
    {PrintScreenAction, "Ekranı yazdır"},
    {PrintWindowAction, "Öndeki pencereyi yazdır"},
    {SaveScreenAction, "Ekranı kaydet"},
    {SaveWindowAction, "Öndeki pencereyi kaydet"},
    {SendScreenAction, "Ekranı gönder"},
    {SendWindowAction, "Öndeki pencereyi gönder"},
    {RegionAction, "Düzenleyici için bölge çiz"},
    {KeysCaption, "Tuşlar"},
    {KeysIntroLabel, "Bir alana tıklayın ve tuşlara basın. Yazan veya metinde hareket eden tuşlar Ctrl veya Alt ister. Bir eylemi kapatmak için kutusundaki işareti kaldırın."},
    {KeyDefaultsButton, "&Varsayılanlar"},
    {KeyTakenMessage, "{key} zaten başka bir program tarafından kullanılıyor."},
    {KeysTakenMessage, "Bu tuşlar zaten başka programlar tarafından kullanılıyor: {keys}."},
    {WindowsCaptureHoldsPrintScreen, "Windows’un kendi ekran yakalama özelliği Print Screen tuşunu tutuyor (Ayarlar › Erişilebilirlik › Klavye › “Ekran yakalamayı açmak için Print Screen tuşunu kullan”)."},
    {RunsWithoutKeysMessage, "Snapwright yine de çalışır ve bildirim alanındaki simgesinin menüsü de ekran görüntüsü alır."},
    {WhereToChooseKeysMessage, "Başka tuşları bu menüde {options} › {keys} altında seçebilirsiniz."},
    {SwitchOffWindowsCaptureQuestion, "Windows’un Print Screen tuşundaki ekran yakalama özelliği bu kullanıcı için şimdi kapatılsın mı?"},
    {ChooseAnotherKeyMessage, "Başka bir tuş seçin veya eylemi kapatın."},
    {SharedKeyMessage, "{key} iki kez seçildi: “{first}” ve “{second}” için. Bunlardan biri için başka bir tuş seçin."},
    {WindowsCaptureNotSwitchedOff, "Windows’un Print Screen tuşundaki ekran yakalama özelliği kapatılamadı. Ayarlar › Erişilebilirlik › Klavye altında kapatın."},

    // -- Scrolling capture (capture/ScrollCapture.h) --
    {ScrollingWindowMenuItem, "Kaydırmalı pencere"},
    {ScrollingUnreadableMessage, "Snapwright ekran görüntüsünü alamadı: önde hiçbir pencere yok ya da okunamadı."},
    {ScrollingNoteHeading, "Kaydırılıyor… Esc durdurur"},
    {ScrollingNoteCount, "{pixels} piksel alındı"},
    {ScrollingDoesNotScrollMessage, "Pencere kaydırılamıyor: resim onu olduğu gibi gösteriyor."},
    {ScrollingHeightLimitMessage, "Yükseklik sınırına ulaşıldı: resim {pixels} pikselde bitiyor."},
    {ScrollingWindowLostMessage, "Pencere kaydırılırken kapatıldı ya da taşındı: resim o ana kadar alınanları içeriyor."},

    // -- Opening a picture file (save/ImageLoad.h) --
    {OpenFailedMessage, "Snapwright şu dosyayı açamadı:\n{file}\n\n{reason}"},
    {NotAPictureFileReason, "Dosya, Snapwright'ın okuyabildiği bir biçimde (BMP, JPEG, PNG, MNG, TIFF) bir resim değil veya okunamıyor."},
    {DamagedPictureReason, "Dosyadaki resim okunamadı; dosya hasarlı olabilir."},
    {PictureWithoutSizeReason, "Dosya, resminin boyutunu belirtmiyor; dosya hasarlı olabilir."},
    {PictureTooLargeReason, "Resim {size} piksel. Snapwright, kenarı en çok {limit} piksel olan resimleri açar."},
    {PictureNeedsTooMuchMemoryReason, "Resim {size} piksel ve açılması için yaklaşık {megabytes} MB bellek gerekiyor; bu, Snapwright'ın şu anda alabileceğinden fazla."},
    {NoMemoryForPictureReason, "Bu boyutta bir resmi göstermek için yeterli bellek yok."},
    {UnsupportedPictureReason, "Snapwright bu tür bir resmi gösteremiyor (örneğin renkleri tam sayı olarak saklanmamış)."},

    // -- Saving, printing, sending, the command line --
});

}  // namespace snapwright::language_rows
