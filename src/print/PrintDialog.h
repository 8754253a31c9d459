#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/PrintDialog.h"
#include "platform/Printer.h"

namespace snapwright {

// The printer selection: the standard print dialog as properties. After ShowPrinter the printer the user
// confirmed is the current printer, with the dialog's orientation, paper size, copies, quality,
// colour and duplex mode applied, and the chosen settings are readable here.
class PrintDialog {
public:
    // DialogError: the error number and a description (empty for the dialog's own errors).
    using DialogErrorHandler = std::function<void(std::int32_t number, const std::string& description)>;

    PrintDialog(IPrintDialogService& dialogs, Printer& printer);

    void SetDialogErrorHandler(DialogErrorHandler handler) { m_onDialogError = std::move(handler); }

    std::string Version() const;
    std::string Copyright() const;

    std::int16_t FromPage() const { return m_fromPage; }
    void SetFromPage(std::int16_t page) { m_fromPage = page; }
    std::int16_t ToPage() const { return m_toPage; }
    void SetToPage(std::int16_t page) { m_toPage = page; }
    std::int16_t MinPage() const { return m_minPage; }
    void SetMinPage(std::int16_t page) { m_minPage = page; }
    std::int16_t MaxPage() const { return m_maxPage; }
    void SetMaxPage(std::int16_t page) { m_maxPage = page; }
    std::int16_t CopiesRequested() const { return m_copiesRequested; }
    void SetCopiesRequested(std::int16_t copies) { m_copiesRequested = copies; }

    // The whole document: no page range and no selection.
    bool AllPages() const;
    void SetAllPages(bool on);

    bool PageNumbers() const { return Flag(kPageNums); }
    void SetPageNumbers(bool on) { SetFlag(kPageNums, on); }
    bool Selection() const { return Flag(kSelection); }
    void SetSelection(bool on) { SetFlag(kSelection, on); }
    bool CollateCopies() const { return Flag(kCollate); }
    void SetCollateCopies(bool on) { SetFlag(kCollate, on); }
    bool DisablePrintToFile() const { return Flag(kDisablePrintToFile); }
    void SetDisablePrintToFile(bool on) { SetFlag(kDisablePrintToFile, on); }
    bool HidePrintToFile() const { return Flag(kHidePrintToFile); }
    void SetHidePrintToFile(bool on) { SetFlag(kHidePrintToFile, on); }
    bool NoPageNumbers() const { return Flag(kNoPageNums); }
    void SetNoPageNumbers(bool on) { SetFlag(kNoPageNums, on); }
    bool NoSelection() const { return Flag(kNoSelection); }
    void SetNoSelection(bool on) { SetFlag(kNoSelection, on); }
    bool NoWarning() const { return Flag(kNoWarning); }
    void SetNoWarning(bool on) { SetFlag(kNoWarning, on); }
    bool PrintSetup() const { return Flag(kPrintSetup); }
    void SetPrintSetup(bool on) { SetFlag(kPrintSetup, on); }
    bool PrintToFile() const { return Flag(kPrintToFile); }
    void SetPrintToFile(bool on) { SetFlag(kPrintToFile, on); }
    bool ReturnDc() const { return Flag(kReturnDC); }
    void SetReturnDc(bool on) { SetFlag(kReturnDC, on); }
    bool ReturnIc() const { return Flag(kReturnIC); }
    void SetReturnIc(bool on) { SetFlag(kReturnIC, on); }
    bool ReturnDefault() const { return Flag(kReturnDefault); }
    void SetReturnDefault(bool on) { SetFlag(kReturnDefault, on); }
    bool HelpButton() const { return Flag(kHelpButton); }
    void SetHelpButton(bool on) { SetFlag(kHelpButton, on); }
    bool UseDevModeCopies() const { return Flag(kUseDevModeCopies); }
    void SetUseDevModeCopies(bool on) { SetFlag(kUseDevModeCopies, on); }
    bool NoNetworkButton() const { return Flag(kNoNetworkButton); }
    void SetNoNetworkButton(bool on) { SetFlag(kNoNetworkButton, on); }

    bool Cancelled() const { return m_cancelled; }
    std::string DeviceName() const { return m_deviceName; }

    std::int16_t DriverVersion() const { return static_cast<std::int16_t>(m_settings.driverVersion); }
    std::uint32_t DitherType() const { return m_settings.ditherType; }
    bool DitherTypeValid() const { return Valid(kDmDitherType); }
    std::uint32_t MediaType() const { return m_settings.mediaType; }
    bool MediaTypeValid() const { return Valid(kDmMediaType); }
    std::uint32_t ICMIntent() const { return m_settings.icmIntent; }
    bool ICMIntentValid() const { return Valid(kDmIcmIntent); }
    std::uint32_t ICMMethod() const { return m_settings.icmMethod; }
    bool ICMMethodValid() const { return Valid(kDmIcmMethod); }
    std::string FormName() const { return m_settings.formName; }
    bool FormNameValid() const { return Valid(kDmFormName); }
    std::int16_t Collate() const { return m_settings.collate; }
    bool CollateValid() const { return Valid(kDmCollate); }
    std::int16_t TTOption() const { return m_settings.ttOption; }
    bool TTOptionValid() const { return Valid(kDmTTOption); }
    std::int16_t YResolution() const { return m_settings.yResolution; }
    bool YResolutionValid() const { return Valid(kDmYResolution); }
    std::int16_t Duplex() const { return m_settings.duplex; }
    bool DuplexValid() const { return Valid(kDmDuplex); }
    std::int16_t Color() const { return m_settings.color; }
    bool ColorValid() const { return Valid(kDmColor); }
    std::int16_t PrintQuality() const { return m_settings.printQuality; }
    bool PrintQualityValid() const { return Valid(kDmPrintQuality); }
    std::int16_t DefaultSource() const { return m_settings.defaultSource; }
    bool DefaultSourceValid() const { return Valid(kDmDefaultSource); }
    std::int16_t Copies() const { return m_settings.copies; }
    bool CopiesValid() const { return Valid(kDmCopies); }
    std::int16_t ScalePercent() const { return m_settings.scale; }
    bool ScalePercentValid() const { return Valid(kDmScale); }
    std::int16_t PaperWidth() const { return m_settings.paperWidth; }
    bool PaperWidthValid() const { return Valid(kDmPaperWidth); }
    std::int16_t PaperLength() const { return m_settings.paperLength; }
    bool PaperLengthValid() const { return Valid(kDmPaperLength); }
    std::int16_t PaperSize() const { return m_settings.paperSize; }
    bool PaperSizeValid() const { return Valid(kDmPaperSize); }
    std::int16_t Orientation() const { return m_settings.orientation; }
    bool OrientationValid() const { return Valid(kDmOrientation); }

    // Modal; the outcome is read from Cancelled, DeviceName and the settings properties.
    void ShowPrinter(WindowRef hwnd = 0);
    // The default printer's name, without showing a dialog; empty when there is none.
    std::string GetDefaultPrinterName(WindowRef hwnd = 0);
    // Exchanges the driver's document properties for the printer without showing them.
    void ChangeDocProperties(const std::string& deviceName, WindowRef hwnd = 0);
    // The text before its first NUL character, or all of it.
    static std::string TextBeforeNul(const std::string& text);

    // The print dialog's flag values, one slot each.
    enum FlagSlot {
        kSelection, kPageNums, kNoSelection, kNoPageNums, kCollate, kPrintToFile, kPrintSetup, kNoWarning,
        kReturnDC, kReturnIC, kReturnDefault, kHelpButton, kUseDevModeCopies, kDisablePrintToFile,
        kHidePrintToFile, kNoNetworkButton, kFlagSlotCount
    };
    static constexpr std::array<std::uint32_t, kFlagSlotCount> kFlagValues = {
        0x1, 0x2, 0x4, 0x8, 0x10, 0x20, 0x40, 0x80, 0x100, 0x200, 0x400, 0x800, 0x40000, 0x80000, 0x100000, 0x200000};

    // Field bits of the printer settings block.
    static constexpr std::uint32_t kDmOrientation = 0x1;
    static constexpr std::uint32_t kDmPaperSize = 0x2;
    static constexpr std::uint32_t kDmPaperLength = 0x4;
    static constexpr std::uint32_t kDmPaperWidth = 0x8;
    static constexpr std::uint32_t kDmScale = 0x10;
    static constexpr std::uint32_t kDmCopies = 0x100;
    static constexpr std::uint32_t kDmDefaultSource = 0x200;
    static constexpr std::uint32_t kDmPrintQuality = 0x400;
    static constexpr std::uint32_t kDmColor = 0x800;
    static constexpr std::uint32_t kDmDuplex = 0x1000;
    static constexpr std::uint32_t kDmYResolution = 0x2000;
    static constexpr std::uint32_t kDmTTOption = 0x4000;
    static constexpr std::uint32_t kDmCollate = 0x8000;
    static constexpr std::uint32_t kDmFormName = 0x10000;
    static constexpr std::uint32_t kDmIcmMethod = 0x800000;
    static constexpr std::uint32_t kDmIcmIntent = 0x1000000;
    static constexpr std::uint32_t kDmMediaType = 0x2000000;
    static constexpr std::uint32_t kDmDitherType = 0x4000000;

private:
    bool Flag(FlagSlot slot) const { return m_flagSlots[slot] != 0; }
    void SetFlag(FlagSlot slot, bool on) { m_flagSlots[slot] = on ? kFlagValues[slot] : 0; }
    bool Valid(std::uint32_t bit) const { return (m_fields & bit) != 0; }
    std::uint32_t DialogFlags() const;
    void TakeSettings(const PrinterSettingsBlock& block);
    void RaiseDialogError(std::uint32_t number, const std::string& description);

    IPrintDialogService& m_dialogs;
    Printer& m_printer;
    DialogErrorHandler m_onDialogError;

    std::array<std::uint32_t, kFlagSlotCount> m_flagSlots{};
    std::int16_t m_fromPage = 0;
    std::int16_t m_toPage = 0;
    std::int16_t m_minPage = 0;
    std::int16_t m_maxPage = 0;
    std::int16_t m_copiesRequested = 0;
    bool m_cancelled = false;
    std::uint32_t m_fields = 0;
    std::string m_deviceName;

    // The settings properties: each keeps its value until a dialog's block sets its field bit.
    PrinterSettingsBlock m_settings;
};

}  // namespace snapwright
