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

    // -- Scrolling capture --

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
    // Saving a screenshot (save/SaveAsDialog.h, save/ImageExport.h)
    {SaveFailedMessage, "Snapwright ekran görüntüsünü şu adla kaydedemedi:\n{file}\n\n{reason}\n\nEkran görüntüsü hâlâ Pano'da."},
    {FolderFailedMessage, "Snapwright ekran görüntüsü için klasörü oluşturamadı:\n{folder}\n\n{reason}\n\nEkran görüntüsü hâlâ Pano'da."},
    {SaveRefusedMessage, "Snapwright ekran görüntüsünü şu adla kaydedemez:\n{file}\n\n{reason}\n\nLütfen başka bir ad seçin."},
    {ReplaceFileQuestion, "{file}\nzaten var.\n\nDeğiştirmek istiyor musunuz?"},
    {ReplaceFilesQuestion, "Bu dosyalar zaten var:\n{files}\n\nBunları değiştirmek istiyor musunuz?"},
    {SaveDialogTitle, "Ekran görüntüsünü kaydet"},
    {NoScreenshotToSaveMessage, "Kaydedilecek ekran görüntüsü yok."},
    {SystemReason, "{reason}"},
    // why no file can be written at a path (save/PathReasons.h)
    {NoFileNameReason, "Yol bir klasörü belirtiyor ama dosyayı belirtmiyor."},
    {ForbiddenCharacterReason, "Ad, Windows'un izin vermediği bir karakter içeriyor: “{character}”."},
    {NameTooLongReason, "Ad çok uzun: {length} karakter içeriyor ve Windows {limit} karaktere izin veriyor."},
    {PathTooLongReason, "Yol çok uzun: {length} karakter içeriyor ve Windows burada {limit} karaktere izin veriyor."},
    {DeviceNameReason, "Windows “{name}” adını bir aygıt için ayırır."},
    {DriveMissingReason, "{drive} sürücüsü yok."},
    {NetworkFolderMissingReason, "{folder} ağ klasörüne ulaşılamıyor."},
    {FolderOfThatNameReason, "Bu adda bir klasör zaten var."},
    {FileInTheWayReason, "{folder} bir dosya, klasör değil."},
    {FolderMissingReason, "{folder} klasörü yok."},
    {FolderTakesNoFilesReason, "Windows, {folder} içinde yeni dosya veya klasör oluşturulmasına izin vermiyor."},
    {BadNameReason, "Windows bu adı bir dosya için kabul etmiyor."},
    // the image library's reasons (save/ImageExport.h)
    {NotConvertedReason, "Ekran görüntüsü, resim kitaplığının bir resmine dönüştürülemedi."},
    {NotEncodedReason, "Resim kitaplığı resmi kodlayamadı."},
    {NoThumbnailReason, "Resim kitaplığı resmi küçük resme küçültemedi."},
    {EmptyFileReason, "Dosya yazıldıktan sonra boş."},
    {NoMemoryToConvertReason, "Ekran görüntüsünü dönüştürmek için yeterli bellek yok."},
    {PictureUnreadableReason, "Ekran görüntüsünün pikselleri okunamadı."},
    {LibraryWriteFailedReason, "Resim kitaplığı dosyayı yazamadı."},
    // The command line (cli/): its messages; its options and its --help text stay English
    {BadArgumentsMessage, "{error}\nSeçenekleri görmek için snapwright.exe --help komutunu çalıştırın."},
    {UnknownOptionError, "Bilinmeyen seçenek “{option}”."},
    {UnexpectedArgumentError, "Beklenmeyen bağımsız değişken “{argument}”."},
    {OptionTwiceError, "“{option}” iki kez verilmiş."},
    {OptionNeedsValueError, "“{option}” bir değer gerektirir."},
    {OptionTakesNoValueError, "“{option}” değer almaz."},
    {DelayValueError, "--delay 0 ile 3600 arasında saniye alır, örneğin 2 veya 0.5; “{value}” değil."},
    {ToValueError, "--to clipboard, print, save, send veya editor alır; “{value}” değil."},
    {FileNeedsPathError, "--file bir yol gerektirir."},
    {FormatValueError, "--format bmp, jpg, png, tif veya mng alır; “{value}” değil."},
    {ThumbnailValueError, "--thumbnail 10 ile 50 arasında bir yüzde alır; “{value}” değil."},
    {OneCaptureError, "Yalnızca bir yakalama türü verin; {first} ve {second} birlikte olmaz."},
    {NoCaptureError, "Ne yakalanacağını verin: --screen, --window veya --region."},
    {NeedsFileError, "{option} için --file gerekir."},
    {FileWithSaveError, "--file, --to save ile birlikte kullanılamaz: kaydetme iletişim kutusu dosyayı kendisi sorar."},
    {FormatMismatchError, "--format {format}, “{file}” dosyasıyla uyuşmuyor."},
    {UnknownFormatError, "“{file}” dosyasının biçimi bilinmiyor: --format veya bir uzantı verin (.bmp, .jpg, .png, .tif, .mng)."},
    {FileExistsError, "Dosya zaten var; --overwrite onu değiştirir."},
    {ThumbnailExistsError, "Küçük resim zaten var; --overwrite onu değiştirir."},
    {CommandFailedMessage, "Snapwright komutu yürütemedi: {reason}"},
    {ScreenUnreadableMessage, "Snapwright ekran görüntüsünü alamadı: ekran okunamadı."},
    {NoWindowInFrontMessage, "Snapwright ekran görüntüsünü alamadı: önde bir pencere yok veya okunamadı."},
    {NoRegionHereMessage, "Snapwright burada bir bölge yakalayamaz."},
    {RegionInUseMessage, "Zaten bir bölge çiziliyor ve Snapwright aynı anda yalnızca birini çizer. Onu bitirin veya iptal edin (Esc), sonra komutu yeniden verin."},
    {ClipboardHeldMessage, "Snapwright ekran görüntüsünü Pano'ya koyamadı: başka bir program Pano'yu tutuyor."},
    {NotHandedOnMessage, "Snapwright ekran görüntüsünü iletemedi."},
    {PageWaitsMessage, "Sayfa ikinci ekran görüntüsünü bekliyor."},
    {PageOfTwoAloneMessage, "Sayfa iki ekran görüntüsü alır ve Snapwright bildirim alanında çalışmadan ikincisi gelmez: hiçbir şey yazdırılmaz. Önce Snapwright'ı başlatın veya seçeneklerinde tek ekran görüntülü bir sayfa seçin."},
    {TrayProgramSilentMessage, "Snapwright bildirim alanında çalışıyor ancak yanıt vermiyor."},
    {TrayProgramEndedMessage, "Snapwright, komutu bitirmeden kapandı."},
    // Ending the program (capture/TrayProgram.h)
    {UnsavedEditsBlockEndReason, "Snapwright düzenleyicisindeki ekran görüntüsünde kaydedilmemiş değişiklikler var."},
});

}  // namespace snapwright::language_rows
