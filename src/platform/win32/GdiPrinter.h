#pragma once
#include <windows.h>

#include <cstddef>
#include <vector>

#include "platform/Printer.h"
#include "platform/win32/PrinterHandles.h"

namespace snapwright::win32 {

// The current printer as a GDI printer device context. Until the user picks a printer, the
// current printer is the system's default printer, followed when the default changes. The
// document (StartDoc, StartPage) begins with the first output and ends with EndDoc.
class GdiPrinter : public Printer {
public:
    GdiPrinter();
    ~GdiPrinter() override;
    GdiPrinter(const GdiPrinter&) = delete;
    GdiPrinter& operator=(const GdiPrinter&) = delete;

    std::string DeviceName() override;
    std::vector<std::string> InstalledPrinters() const override;
    void SelectPrinter(const std::string& deviceName) override;
    bool CanOpenPrinter(const std::string& deviceName) const override;

    int Orientation() const override;
    void SetOrientation(int orientation) override;
    void SetPaperSize(int paperSize) override;
    void SetCopies(int copies) override;
    void SetPrintQuality(int quality) override;
    void SetColorMode(int colorMode) override;
    void SetDuplex(int duplex) override;

    void SetFontName(const std::string& face) override;
    void PaintPicture(const Picture& picture, double left, double top, double width, double height) override;

    // The settings the next document is made with.
    const DEVMODEW* DeviceMode() const;

protected:
    void DrawTextLine(double x, double y, const std::string& text) override;
    double LineHeight() override;
    void FinishDocument() override;
    void AbandonDocument() override;

private:
    void Load(const std::wstring& deviceName);
    DEVMODEW* Mode();
    HDC Page();
    void SelectTextFont();
    void CloseDocument();
    int DeviceX(double millimetres) const;
    int DeviceY(double millimetres) const;

    std::wstring m_device;
    bool m_chosen = false;
    std::vector<std::byte> m_deviceMode;

    UniqueCreatedDc m_dc;
    bool m_inDocument = false;
    double m_dotsPerMmX = 0;
    double m_dotsPerMmY = 0;
    int m_defaultEmHeight = 0;
    std::wstring m_fontName;
    UniqueHfont m_font;
    HGDIOBJ m_previousFont = nullptr;
    int m_lineHeight = 0;
};

}  // namespace snapwright::win32
