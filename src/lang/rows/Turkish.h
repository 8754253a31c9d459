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
    {AboutWindowTitle, "Snapwright hakkında"},
    {AboutVersionLabel, "Sürüm {version}"},
    {CreditsButton, "Emeği Geçenler..."},
    {CreditsCaption, "Emeği Geçenler"},
    {CreditsAuthors, "Snapwright™, Snapwright yazarları, 2002-2006"},
    {CreditsLibrary, "Resim dosyaları FreeImage kitaplığıyla okunur ve yazılır, https://freeimage.sourceforge.io"},
    {CreditsTranslators, "Çeviriler:\r\nYunanca: Snapwright'ın Yunanca çevirmeni, 2005\r\nÇekçe: Snapwright'ın Çekçe çevirmeni, 2005\r\nİspanyolca: Snapwright'ın İspanyolca çevirmeni, 2006\r\nFransızca: Snapwright'ın Fransızca çevirmeni, 2006\r\nAlmanca ve İngilizce: Snapwright yazarları, 2002-2006\r\nDiğer diller: Snapwright yazarları, bir makine çevirisi aracıyla"},
    {CreditsThanks, "cppreference.com, winehq.org, learn.microsoft.com ve MSDN Library'ye\r\nve diğer tüm programlama web sitelerine çok teşekkürler."},

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
    {OptionsWindowTitle, "Snapwright Seçenekleri"},
    {SendToEditorOption, "Snapwright™ Düzenleyici"},
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
    {StartOptionsHint, "Snapwright™'ı yapılandırmak için görev çubuğundaki simgeye sağ tıklayın ve \"{item}\" seçeneğini belirleyin."},
    {ShowAtStartupBox, "Başlangıçta bu ekranı göster"},
    {AlreadyRunningMessage, "Snapwright zaten çalışıyor: simgesi bildirim alanında."},

    // -- Editor --
    {EditorSaveChangesQuestion, "Bu dosyadaki değişiklikler kaydedilsin mi?"},
    {EditorQuitCaption, "Programdan çık"},
    {EditorDiscardQuestion, "Bu dosya gerçekten atılsın mı?"},
    {EditorNewFileCaption, "Yeni dosya"},
    {EditorOpenFileCaption, "Dosya aç"},
    {EditorNewButton, "Yeni"},
    {EditorNewTip, "Yeni: boş bir resimle başla"},
    {EditorRegionButton, "Bölge"},
    {EditorRegionTip, "Bölge: ekranın bir bölgesini yeni resim olarak al"},
    {EditorOpenButton, "Aç"},
    {EditorOpenTip, "Bir resim dosyası aç"},
    {EditorSaveButton, "Kaydet"},
    {EditorSaveTip, "Resmi kaydet"},
    {EditorPrintButton, "Yazdır"},
    {EditorPrintTip, "Resmi yazdır"},
    {EditorCopyButton, "Kopyala"},
    {EditorCopyTip, "Resmi panoya kopyala"},
    {EditorSendTip, "Resmi {program} uygulamasına gönder"},
    {EditorUndoButton, "Geri al"},
    {EditorUndoTip, "Son değişikliği geri al"},
    {EditorZoomButton, "Yakınlaştır"},
    {EditorZoomTip, "Yakınlaştır: bir bölgenin üzerinde sürükleyin veya iki köşeye tıklayın, ardından büyütmenin konacağı yere tıklayın"},
    {EditorCropButton, "Kırp"},
    {EditorCropTip, "Kırp: resmin en yakın köşesinin taşınacağı yere tıklayın"},
    {EditorFrameButton, "Çerçeve"},
    {EditorFrameTip, "Çerçeve: köşeden köşeye sürükleyin veya iki karşı köşeye tıklayın"},
    {EditorEllipseButton, "Elips"},
    {EditorEllipseTip, "Elips: köşeden köşeye sürükleyin veya iki karşı köşeye tıklayın"},
    {EditorTextButton, "Metin"},
    {EditorTextTip, "Metin: tıklayın veya bir kutu sürükleyip yazın; Enter ekler, Üst Karakter+Enter yeni satır başlatır, Esc vazgeçer"},
    {EditorArrowButton, "Ok"},
    {EditorArrowTip, "Ok: kuyruğundan ucuna doğru sürükleyin"},
    {EditorHighlightButton, "Vurgulayıcı"},
    {EditorHighlightTip, "Vurgulayıcı: öne çıkması gereken yerin üzerinde sürükleyin"},
    {EditorRedactButton, "Karart"},
    {EditorRedactTip, "Karart: kimsenin okumaması gereken yerin üzerinde sürükleyin; tamamen doldurmak için bırakırken Üst Karakter'i basılı tutun"},
    {EditorStrengthLabel, "Kalınlık:"},
    {EditorStrengthTip, "Çerçeve, elips ve okların çizgi kalınlığı; karartmada blok boyutu"},
    {EditorTextSizeLabel, "Boyut:"},
    {EditorTextSizeTip, "Metnin yüksekliği"},
    {EditorColourButton, "Renk"},
    {EditorColourTip, "Çerçeve, elips, metin, ok ve vurguların rengi"},
    {EditorHelpButton, "Yardım"},
    {EditorCtrlKey, "Ctrl"},
    {EditorOpenDialogTitle, "Ekran görüntüsü dosyasını aç"},
    {EditorNothingToHandOnMessage, "Düzenleyicide aktarılacak bir resim yok."},
    {EditorPageWaitsMessage, "Sayfa iki ekran görüntüsü alır: bu resim birincisidir ve sayfa ikincisini bekliyor.\r\n\r\nYeniden Yazdır'a tıklayın veya Print Screen tuşuyla bir ekran görüntüsü alın; sayfa yazdırılır."},
    {EditorCopyFailedMessage, "Snapwright resmi panoya koyamadı."},
    {EditorNoMemoryMessage, "Snapwright resmi değiştiremedi: sistemde çok az bellek kaldı."},

    // -- Editor: marks --

    // -- Region overlay --
    {RegionOverlayCaption, "Snapwright bölgesi"},
    {RegionSizeLabel, "{width} × {height}"},
    {RegionPointerLabel, "{x}, {y}"},

    // -- Printing (print/Hardcopy.h) --
    {PrintNoPrinterMessage, "Snapwright ekran görüntüsünü yazdıramadı: yüklü yazıcı yok. Son ekran görüntüsü hâlâ panoda."},
    {PrintPrinterUnusableMessage, "Snapwright ekran görüntüsünü yazdıramadı: \"{printer}\" yazıcısı kullanılamıyor. Yüklü ve hazır olduğunu denetleyin veya başka bir yazıcı seçin. Son ekran görüntüsü hâlâ panoda."},
    {PrintFailedMessage, "Snapwright ekran görüntüsünü \"{printer}\" yazıcısında yazdıramadı. Son ekran görüntüsü hâlâ panoda."},

    // -- Sending to an office program (apps/OfficeSender.h) --
    {SendFailedMessage, "Snapwright ekran görüntüsünü {program} uygulamasına gönderemedi: {reason}\r\n\r\nEkran görüntüsü panoda: {program} uygulamasına kendiniz yapıştırabilirsiniz."},
    {SendClipboardFailedMessage, "Snapwright resmi panoya koyamadı, bu nedenle {program} uygulamasına gönderemiyor."},
    {AutomationNotInstalledReason, "yüklü değil veya \"{member}\" otomasyon sınıfı kayıtlı değil"},
    {AutomationUnreachableReason, "çalışan örneğine ulaşılamadı"},
    {AutomationNotStartedReason, "başlatılamadı"},
    {AutomationUnknownMemberReason, "\"{member}\" öğesini tanımıyor"},
    {AutomationBusyReason, "yanıt vermiyor (örneğin kendi iletişim kutusuyla meşgul olabilir)"},
    {AutomationClosedReason, "kapatıldı veya yanıt vermeyi bıraktı"},
    {AutomationRefusedReason, "\"{member}\" isteğini reddetti ({reason})"},
    {AutomationNoMemoryReason, "çağrı için yeterli bellek yoktu"},
    {AutomationNoObjectReason, "\"{member}\" nesnesini sağlamadı"},
    {AutomationNotScriptableReason, "\"{member}\" otomasyon sınıfı adla yönetilemiyor"},

    // -- The help file (ui/HelpFile.h) and the program's start --
    {HelpFileMissingMessage, "Yardım dosyası bulunamadı. Snapwright onu burada bekliyor:\n{file}"},
    {StartFailedMessage, "Snapwright bir iç hata nedeniyle başlatılamadı."},

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
