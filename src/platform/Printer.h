#pragma once
#include <string>
#include <vector>

#include "platform/Picture.h"

namespace snapwright {

inline constexpr int kPortrait = 1;
inline constexpr int kLandscape = 2;

// The process-wide current printer and the document being composed on it. Positions and sizes
// are millimetres from the top-left corner of the printable area; the document begins with the
// first output and reaches the spooler with EndDoc.
class Printer {
public:
    virtual ~Printer() = default;

    // Which printer is current: empty when the system has none.
    virtual std::string DeviceName() = 0;
    // Device names of the installed printers, in the system's order.
    virtual std::vector<std::string> InstalledPrinters() const = 0;
    // Makes the printer current, with its own default settings.
    virtual void SelectPrinter(const std::string& deviceName) = 0;
    // Opens the printer through the spooler and closes it again at once.
    virtual bool CanOpenPrinter(const std::string& deviceName) const = 0;

    // Settings of the current printer, used from the next document on.
    virtual int Orientation() const = 0;  // kPortrait or kLandscape
    virtual void SetOrientation(int orientation) = 0;
    virtual void SetPaperSize(int paperSize) = 0;
    virtual void SetCopies(int copies) = 0;
    virtual void SetPrintQuality(int quality) = 0;
    virtual void SetColorMode(int colorMode) = 0;
    virtual void SetDuplex(int duplex) = 0;

    virtual void SetFontName(const std::string& face) = 0;
    double CurrentX() const { return m_currentX; }
    double CurrentY() const { return m_currentY; }
    void SetCurrentPosition(double x, double y);
    // Writes the text at the current position; CR LF inside it starts a new line, and afterwards
    // the position is at the start of the next line.
    void Print(const std::string& text);
    virtual void PaintPicture(const Picture& picture, double left, double top, double width, double height) = 0;
    // Hands the document to the spooler; nothing happens when nothing was output.
    void EndDoc();
    // Abandons the document: nothing of it is printed.
    void KillDoc();

protected:
    // One line of text with its top-left corner at (x, y), in the current font.
    virtual void DrawTextLine(double x, double y, const std::string& text) = 0;
    // Height of one line of text in the current font.
    virtual double LineHeight() = 0;
    virtual void FinishDocument() = 0;
    virtual void AbandonDocument() = 0;

private:
    double m_currentX = 0;
    double m_currentY = 0;
};

}  // namespace snapwright
