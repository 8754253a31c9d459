#include "print/PrintDialog.h"

namespace snapwright {

PrintDialog::PrintDialog(IPrintDialogService& dialogs, Printer& printer)
    : m_dialogs(dialogs), m_printer(printer) {}

std::string PrintDialog::Version() const {
    return "1.00 (14.01.2000)";
}

std::string PrintDialog::Copyright() const {
    return "PrintDialog, copyright \u00a9 the Snapwright authors";
}

bool PrintDialog::AllPages() const {
    // The dialog's value for the whole document is 0: it is the absence of the other two ranges.
    return m_flagSlots[kPageNums] == 0 && m_flagSlots[kSelection] == 0;
}

void PrintDialog::SetAllPages(bool on) {
    if (!on) return;
    m_flagSlots[kPageNums] = 0;
    m_flagSlots[kSelection] = 0;
}

std::uint32_t PrintDialog::DialogFlags() const {
    std::uint32_t flags = 0;
    for (const std::uint32_t slot : m_flagSlots) flags |= slot;
    return flags;
}

void PrintDialog::RaiseDialogError(std::uint32_t number, const std::string& description) {
    if (m_onDialogError) m_onDialogError(static_cast<std::int32_t>(number), description);
}

std::string PrintDialog::TextBeforeNul(const std::string& text) {
    const std::size_t nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

void PrintDialog::ShowPrinter(WindowRef hwnd) {
    m_cancelled = false;
    m_fields = 0;

    PrintDialogRequest request;
    request.owner = hwnd;
    request.flags = DialogFlags();
    request.fromPage = m_fromPage;
    request.toPage = m_toPage;
    request.minPage = m_minPage;
    request.maxPage = m_maxPage;
    request.copies = m_copiesRequested;
    const PrintDialogResult result = m_dialogs.ShowPrintDialog(request);

    if (result.outcome != PrintDialogResult::Outcome::Confirmed) {
        if (result.outcome == PrintDialogResult::Outcome::Failed && result.errorCode != 0) {
            RaiseDialogError(result.errorCode, "");
        } else {
            m_cancelled = true;
        }
        return;
    }
    if (!result.settings) return;
    const PrinterSettingsBlock& block = *result.settings;

    m_fields = block.fields;
    m_fromPage = result.fromPage;
    m_toPage = result.toPage;
    m_minPage = result.minPage;
    m_maxPage = result.maxPage;

    // The settings block holds at most 31 characters of the name, so a printer with a longer
    // name would never be found by it; the names block carries the full name.
    const std::string chosen = TextBeforeNul(result.deviceName ? *result.deviceName : block.deviceName);
    for (const std::string& installed : m_printer.InstalledPrinters()) {
        if (installed == chosen) {
            m_printer.SelectPrinter(installed);
            break;
        }
    }
    m_deviceName = m_printer.DeviceName();
    TakeSettings(block);
}

void PrintDialog::TakeSettings(const PrinterSettingsBlock& block) {
    if (Valid(kDmOrientation)) {
        m_settings.orientation = block.orientation;
        m_printer.SetOrientation(block.orientation);
    }
    if (Valid(kDmPaperSize)) {
        m_settings.paperSize = block.paperSize;
        m_printer.SetPaperSize(block.paperSize);
    }
    // Length and width as the page lies: swapped when the printer now prints across the paper.
    const bool portrait = m_printer.Orientation() == kPortrait;
    if (Valid(kDmPaperLength)) m_settings.paperLength = portrait ? block.paperLength : block.paperWidth;
    if (Valid(kDmPaperWidth)) m_settings.paperWidth = portrait ? block.paperWidth : block.paperLength;
    if (Valid(kDmScale)) m_settings.scale = block.scale;
    if (Valid(kDmCopies)) {
        // A driver may report no copies at all; the printer still prints one.
        if (block.copies >= 1) {
            m_settings.copies = block.copies;
            m_printer.SetCopies(block.copies);
        } else {
            m_printer.SetCopies(1);
        }
    } else {
        m_settings.copies = 1;
    }
    if (Valid(kDmDefaultSource)) m_settings.defaultSource = block.defaultSource;
    if (Valid(kDmPrintQuality)) {
        m_settings.printQuality = block.printQuality;
        m_printer.SetPrintQuality(block.printQuality);
    }
    if (Valid(kDmColor)) {
        m_settings.color = block.color;
        m_printer.SetColorMode(block.color);
    }
    if (Valid(kDmDuplex)) {
        m_settings.duplex = block.duplex;
        m_printer.SetDuplex(block.duplex);
    }
    if (Valid(kDmYResolution)) m_settings.yResolution = block.yResolution;
    if (Valid(kDmTTOption)) m_settings.ttOption = block.ttOption;
    if (Valid(kDmCollate)) m_settings.collate = block.collate;
    if (Valid(kDmFormName)) m_settings.formName = TextBeforeNul(block.formName);
    if (Valid(kDmMediaType)) m_settings.mediaType = block.mediaType;
    // These have a Valid companion like the others, so they carry the block's value too.
    if (Valid(kDmIcmMethod)) m_settings.icmMethod = block.icmMethod;
    if (Valid(kDmIcmIntent)) m_settings.icmIntent = block.icmIntent;
    if (Valid(kDmDitherType)) m_settings.ditherType = block.ditherType;
    m_settings.driverVersion = block.driverVersion;
}

std::string PrintDialog::GetDefaultPrinterName(WindowRef hwnd) {
    PrintDialogRequest request;
    request.owner = hwnd;
    request.flags = kFlagValues[kReturnDefault];
    const PrintDialogResult result = m_dialogs.ShowPrintDialog(request);
    switch (result.outcome) {
        case PrintDialogResult::Outcome::Confirmed:
            if (!result.settings) return {};
            return TextBeforeNul(result.deviceName ? *result.deviceName : result.settings->deviceName);
        case PrintDialogResult::Outcome::Failed:
            if (result.errorCode != 0) RaiseDialogError(result.errorCode, "");
            return {};
        case PrintDialogResult::Outcome::Cancelled:
            break;
    }
    return {};
}

void PrintDialog::ChangeDocProperties(const std::string& deviceName, WindowRef hwnd) {
    const DocumentPropertiesResult result = m_dialogs.ExchangeDocumentProperties(deviceName, hwnd);
    if (!result.opened) RaiseDialogError(result.errorCode, "ChangeDocProperties: the printer could not be opened");
}

}  // namespace snapwright
