#include "platform/win32/GdiPrinter.h"

#include <cmath>
#include <stdexcept>

#include "platform/Diagnostics.h"
#include "platform/win32/GdiPicture.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Error.h"

namespace snapwright::win32 {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr wchar_t kDocumentName[] = L"Snapwright";
constexpr double kSmallestTextPoints = 6;
constexpr double kLargestTextPoints = 9;
constexpr double kFallbackTextPoints = 8;

// The driver's own settings for the printer; a bare block when the driver gives none, so that
// orientation and the other settings can still be set.
std::vector<std::byte> DriverDeviceMode(const std::wstring& deviceName) {
    std::vector<std::byte> mode;
    if (UniquePrinterHandle printer = OpenPrinterNoThrow(deviceName)) {
        std::wstring name = deviceName;
        const LONG size = ::DocumentPropertiesW(nullptr, printer.get(), name.data(), nullptr, nullptr, 0);
        if (size >= static_cast<LONG>(sizeof(DEVMODEW))) {
            mode.resize(static_cast<std::size_t>(size));
            if (::DocumentPropertiesW(nullptr, printer.get(), name.data(), reinterpret_cast<DEVMODEW*>(mode.data()),
                                      nullptr, DM_OUT_BUFFER) != IDOK) {
                mode.clear();
            }
        }
    }
    if (mode.empty()) {
        mode.resize(sizeof(DEVMODEW));
        auto* bare = reinterpret_cast<DEVMODEW*>(mode.data());
        bare->dmSpecVersion = DM_SPECVERSION;
        bare->dmSize = sizeof(DEVMODEW);
        deviceName.copy(bare->dmDeviceName, CCHDEVICENAME - 1);
    }
    return mode;
}

}  // namespace

GdiPrinter::GdiPrinter() {
    Load(DefaultPrinterName());
}

GdiPrinter::~GdiPrinter() {
    if (m_inDocument) AbandonDocument();
}

void GdiPrinter::Load(const std::wstring& deviceName) {
    m_device = deviceName;
    m_deviceMode = deviceName.empty() ? std::vector<std::byte>{} : DriverDeviceMode(deviceName);
}

DEVMODEW* GdiPrinter::Mode() {
    return m_deviceMode.empty() ? nullptr : reinterpret_cast<DEVMODEW*>(m_deviceMode.data());
}

const DEVMODEW* GdiPrinter::DeviceMode() const {
    return m_deviceMode.empty() ? nullptr : reinterpret_cast<const DEVMODEW*>(m_deviceMode.data());
}

std::string GdiPrinter::DeviceName() {
    // A tray program runs for weeks: until the user picks a printer, a print hotkey prints on
    // whatever the system's default printer is at that moment.
    if (!m_chosen && !m_inDocument) {
        const std::wstring systemDefault = DefaultPrinterName();
        if (systemDefault != m_device) Load(systemDefault);
    }
    return ToUtf8(m_device);
}

std::vector<std::string> GdiPrinter::InstalledPrinters() const {
    constexpr DWORD kWhich = PRINTER_ENUM_LOCAL | PRINTER_ENUM_CONNECTIONS;
    DWORD needed = 0;
    DWORD count = 0;
    ::EnumPrintersW(kWhich, nullptr, 4, nullptr, 0, &needed, &count);
    std::vector<std::string> names;
    if (needed == 0) return names;
    std::vector<std::byte> buffer(needed);
    if (!::EnumPrintersW(kWhich, nullptr, 4, reinterpret_cast<BYTE*>(buffer.data()), needed, &needed, &count)) {
        return names;
    }
    const auto* printers = reinterpret_cast<const PRINTER_INFO_4W*>(buffer.data());
    for (DWORD i = 0; i < count; ++i) {
        if (printers[i].pPrinterName) names.push_back(ToUtf8(printers[i].pPrinterName));
    }
    return names;
}

void GdiPrinter::SelectPrinter(const std::string& deviceName) {
    if (m_inDocument) AbandonDocument();
    Load(ToWide(deviceName));
    m_chosen = true;
}

bool GdiPrinter::CanOpenPrinter(const std::string& deviceName) const {
    return static_cast<bool>(OpenPrinterNoThrow(ToWide(deviceName)));
}

int GdiPrinter::Orientation() const {
    const DEVMODEW* mode = DeviceMode();
    if (mode && (mode->dmFields & DM_ORIENTATION) && mode->dmOrientation == DMORIENT_LANDSCAPE) return kLandscape;
    return kPortrait;
}

void GdiPrinter::SetOrientation(int orientation) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmOrientation = static_cast<short>(orientation == kLandscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT);
        mode->dmFields |= DM_ORIENTATION;
    }
}

void GdiPrinter::SetPaperSize(int paperSize) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmPaperSize = static_cast<short>(paperSize);
        mode->dmFields |= DM_PAPERSIZE;
    }
}

void GdiPrinter::SetCopies(int copies) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmCopies = static_cast<short>(copies);
        mode->dmFields |= DM_COPIES;
    }
}

void GdiPrinter::SetPrintQuality(int quality) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmPrintQuality = static_cast<short>(quality);
        mode->dmFields |= DM_PRINTQUALITY;
    }
}

void GdiPrinter::SetColorMode(int colorMode) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmColor = static_cast<short>(colorMode);
        mode->dmFields |= DM_COLOR;
    }
}

void GdiPrinter::SetDuplex(int duplex) {
    if (DEVMODEW* mode = Mode()) {
        mode->dmDuplex = static_cast<short>(duplex);
        mode->dmFields |= DM_DUPLEX;
    }
}

HDC GdiPrinter::Page() {
    if (m_inDocument) return m_dc.get();
    if (m_device.empty()) throw std::runtime_error("there is no printer");
    m_dc.reset(::CreateDCW(L"WINSPOOL", m_device.c_str(), nullptr, Mode()));
    if (!m_dc) throw Win32Error(::GetLastError(), "CreateDCW");
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = kDocumentName;
    if (::StartDocW(m_dc.get(), &document) <= 0) {
        const DWORD error = ::GetLastError();
        m_dc.reset();
        throw Win32Error(error, "StartDocW");
    }
    if (::StartPage(m_dc.get()) <= 0) {
        const DWORD error = ::GetLastError();
        ::AbortDoc(m_dc.get());
        m_dc.reset();
        throw Win32Error(error, "StartPage");
    }
    m_inDocument = true;
    // Millimetres are converted here rather than with a mapping mode, so that every position is
    // rounded once, to the printer's own dots.
    m_dotsPerMmX = ::GetDeviceCaps(m_dc.get(), LOGPIXELSX) / kMillimetresPerInch;
    m_dotsPerMmY = ::GetDeviceCaps(m_dc.get(), LOGPIXELSY) / kMillimetresPerInch;
    // The printer's default text size is that of the font a fresh printer context has, as long as
    // it suits the page: the header is the fourth line and must end above the shot 15 mm down,
    // which allows at most 9 points. Drivers that start with another size (Wine's PostScript
    // driver: 21 points, which would also run the header line off the paper) get 8 points.
    const double dotsPerPoint = m_dotsPerMmY * kMillimetresPerInch / 72.0;
    TEXTMETRICW metrics{};
    const double defaultPoints = ::GetTextMetricsW(m_dc.get(), &metrics)
                                     ? (metrics.tmHeight - metrics.tmInternalLeading) / dotsPerPoint
                                     : 0.0;
    const bool usualTextSize = defaultPoints >= kSmallestTextPoints && defaultPoints <= kLargestTextPoints;
    m_defaultEmHeight = static_cast<int>(std::lround((usualTextSize ? defaultPoints : kFallbackTextPoints) * dotsPerPoint));
    DebugOutput("printing on " + ToUtf8(m_device) + " at " + std::to_string(::GetDeviceCaps(m_dc.get(), LOGPIXELSY)) +
                " dots per inch, text " + std::to_string(m_defaultEmHeight) + " dots high");
    ::SetBkMode(m_dc.get(), TRANSPARENT);
    ::SetTextAlign(m_dc.get(), TA_LEFT | TA_TOP | TA_NOUPDATECP);
    ::SetTextColor(m_dc.get(), RGB(0, 0, 0));
    SelectTextFont();
    return m_dc.get();
}

void GdiPrinter::SelectTextFont() {
    if (!m_inDocument) return;
    if (m_previousFont) {
        ::SelectObject(m_dc.get(), m_previousFont);
        m_previousFont = nullptr;
    }
    m_font.reset();
    if (!m_fontName.empty()) {
        LOGFONTW font{};
        font.lfHeight = -m_defaultEmHeight;
        font.lfWeight = FW_NORMAL;
        font.lfCharSet = DEFAULT_CHARSET;
        font.lfOutPrecision = OUT_TT_PRECIS;
        font.lfQuality = DEFAULT_QUALITY;
        m_fontName.copy(font.lfFaceName, LF_FACESIZE - 1);
        m_font.reset(::CreateFontIndirectW(&font));
        if (m_font) m_previousFont = ::SelectObject(m_dc.get(), m_font.get());
    }
    TEXTMETRICW metrics{};
    m_lineHeight = ::GetTextMetricsW(m_dc.get(), &metrics) ? metrics.tmHeight + metrics.tmExternalLeading : 0;
}

void GdiPrinter::SetFontName(const std::string& face) {
    m_fontName = ToWide(face);
    SelectTextFont();
}

int GdiPrinter::DeviceX(double millimetres) const {
    return static_cast<int>(std::lround(millimetres * m_dotsPerMmX));
}

int GdiPrinter::DeviceY(double millimetres) const {
    return static_cast<int>(std::lround(millimetres * m_dotsPerMmY));
}

double GdiPrinter::LineHeight() {
    Page();
    return m_lineHeight / m_dotsPerMmY;
}

void GdiPrinter::DrawTextLine(double x, double y, const std::string& text) {
    const HDC dc = Page();
    const std::wstring wide = ToWide(text);
    if (!::ExtTextOutW(dc, DeviceX(x), DeviceY(y), 0, nullptr, wide.c_str(), static_cast<UINT>(wide.size()),
                       nullptr)) {
        throw Win32Error(::GetLastError(), "ExtTextOutW");
    }
}

void GdiPrinter::PaintPicture(const Picture& picture, double left, double top, double width, double height) {
    const GdiPicture* gdi = AsGdiPicture(&picture);
    if (!gdi || !gdi->Bitmap()) throw std::invalid_argument("the picture has no bitmap to print");
    const int pixelsWide = gdi->Width();
    const int pixelsHigh = gdi->Height();
    if (pixelsWide <= 0 || pixelsHigh <= 0) return;
    const HDC dc = Page();

    // The shot is a device-dependent bitmap of the screen: its colours are read through a screen
    // context (with the shot's palette, if any) into 24-bit bottom-up rows, which every printer
    // driver accepts.
    BITMAPINFO info{};
    info.bmiHeader = Rgb24Header(pixelsWide, pixelsHigh);
    std::vector<BYTE> bits(info.bmiHeader.biSizeImage);
    if (!ReadRgb24Rows(gdi->Bitmap(), gdi->Palette(), bits.data())) throw Win32Error(::GetLastError(), "GetDIBits");

    const int x = DeviceX(left);
    const int y = DeviceY(top);
    const int cx = DeviceX(left + width) - x;
    const int cy = DeviceY(top + height) - y;
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    const int lines = ::StretchDIBits(dc, x, y, cx, cy, 0, 0, pixelsWide, pixelsHigh, bits.data(), &info,
                                      DIB_RGB_COLORS, SRCCOPY);
    if (lines == 0 || lines == static_cast<int>(GDI_ERROR)) throw Win32Error(::GetLastError(), "StretchDIBits");
}

void GdiPrinter::FinishDocument() {
    if (!m_inDocument) return;
    const HDC dc = m_dc.get();
    if (::EndPage(dc) <= 0) {
        const DWORD error = ::GetLastError();
        ::AbortDoc(dc);
        CloseDocument();
        throw Win32Error(error, "EndPage");
    }
    const int ended = ::EndDoc(dc);
    const DWORD error = ::GetLastError();
    CloseDocument();
    if (ended <= 0) throw Win32Error(error, "EndDoc");
}

void GdiPrinter::AbandonDocument() {
    if (!m_inDocument) return;
    ::AbortDoc(m_dc.get());
    CloseDocument();
}

void GdiPrinter::CloseDocument() {
    if (m_previousFont) ::SelectObject(m_dc.get(), m_previousFont);
    m_previousFont = nullptr;
    m_font.reset();
    m_dc.reset();
    m_inDocument = false;
    m_lineHeight = 0;
}

}  // namespace snapwright::win32
