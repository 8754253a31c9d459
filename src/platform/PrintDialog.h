#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "platform/Geometry.h"

namespace snapwright {

// The part of a printer settings block (device mode) that the program reads, from the device
// name to the dither type. The two name fields keep their fixed length, NULs included.
struct PrinterSettingsBlock {
    std::string deviceName;
    std::uint16_t driverVersion = 0;
    std::uint32_t fields = 0;
    std::int16_t orientation = 0;
    std::int16_t paperSize = 0;
    std::int16_t paperLength = 0;
    std::int16_t paperWidth = 0;
    std::int16_t scale = 0;
    std::int16_t copies = 0;
    std::int16_t defaultSource = 0;
    std::int16_t printQuality = 0;
    std::int16_t color = 0;
    std::int16_t duplex = 0;
    std::int16_t yResolution = 0;
    std::int16_t ttOption = 0;
    std::int16_t collate = 0;
    std::string formName;
    std::uint32_t icmMethod = 0;
    std::uint32_t icmIntent = 0;
    std::uint32_t mediaType = 0;
    std::uint32_t ditherType = 0;
};

struct PrintDialogRequest {
    WindowRef owner = 0;
    std::uint32_t flags = 0;
    std::int16_t fromPage = 0;
    std::int16_t toPage = 0;
    std::int16_t minPage = 0;
    std::int16_t maxPage = 0;
    std::int16_t copies = 0;
};

struct PrintDialogResult {
    enum class Outcome { Confirmed, Cancelled, Failed };
    Outcome outcome = Outcome::Cancelled;
    std::uint32_t errorCode = 0;  // the dialog's extended error code when it failed
    // The settings block the dialog returned; none when it returned none or it could not be read.
    std::optional<PrinterSettingsBlock> settings;
    // The chosen printer's device name in full, from the dialog's names block.
    std::optional<std::string> deviceName;
    std::int16_t fromPage = 0;
    std::int16_t toPage = 0;
    std::int16_t minPage = 0;
    std::int16_t maxPage = 0;
};

struct DocumentPropertiesResult {
    bool opened = false;          // the printer could be opened through the spooler
    std::uint32_t errorCode = 0;  // the system's error when it could not
    std::optional<PrinterSettingsBlock> settings;
};

// The platform's standard print dialog and the printer driver's document properties.
class IPrintDialogService {
public:
    virtual ~IPrintDialogService() = default;
    // Modal; with the flag that asks for the default printer it returns without showing anything.
    virtual PrintDialogResult ShowPrintDialog(const PrintDialogRequest& request) = 0;
    // The driver's settings block for the printer, exchanged without showing the driver's dialog.
    virtual DocumentPropertiesResult ExchangeDocumentProperties(const std::string& deviceName, WindowRef owner) = 0;
};

}  // namespace snapwright
