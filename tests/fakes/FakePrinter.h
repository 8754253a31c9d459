#pragma once
// A printer that records every operation of a page, the print dialog and the names, for the host
// tests of the printing subsystem.
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "fakes/FakePorts.h"
#include "platform/PrintDialog.h"
#include "platform/Printer.h"
#include "platform/SystemNames.h"

namespace snapwright::fakes {

inline std::string Mm(double value) {
    char text[32];
    std::snprintf(text, sizeof(text), "%g", value);
    return text;
}

// Records operations as readable lines such as "text 0,15 Screenshot" or "picture #1 15,15 180x135".
class RecordingPrinter : public Printer {
public:
    std::string DeviceName() override { return current; }
    std::vector<std::string> InstalledPrinters() const override { return installed; }
    void SelectPrinter(const std::string& deviceName) override {
        current = deviceName;
        orientation = kPortrait;
        ops.push_back("select " + deviceName);
    }
    bool CanOpenPrinter(const std::string& deviceName) const override { return !deviceName.empty(); }

    int Orientation() const override { return orientation; }
    void SetOrientation(int value) override {
        orientation = value;
        ops.push_back("orientation " + std::to_string(value));
    }
    void SetPaperSize(int value) override { ops.push_back("paper size " + std::to_string(value)); }
    void SetCopies(int value) override { ops.push_back("copies " + std::to_string(value)); }
    void SetPrintQuality(int value) override { ops.push_back("quality " + std::to_string(value)); }
    void SetColorMode(int value) override { ops.push_back("colour " + std::to_string(value)); }
    void SetDuplex(int value) override { ops.push_back("duplex " + std::to_string(value)); }
    void SetFontName(const std::string& face) override { ops.push_back("font " + face); }
    void PaintPicture(const Picture& picture, double left, double top, double width, double height) override {
        const auto* fake = dynamic_cast<const FakePicture*>(&picture);
        ops.push_back("picture #" + std::to_string(fake ? fake->serial : 0) + " " + Mm(left) + "," + Mm(top) + " " +
               Mm(width) + "x" + Mm(height));
        if (failPictures) throw std::runtime_error("the printer ran out of memory");
    }

    // The operations since the last call, then forgotten.
    std::vector<std::string> TakeOps() { return std::exchange(ops, {}); }

    std::string current = "Office Laser";
    std::vector<std::string> installed{"Office Laser", "SnapwrightPDF"};
    int orientation = kPortrait;
    bool failPictures = false;

protected:
    void DrawTextLine(double x, double y, const std::string& text) override {
        ops.push_back("text " + Mm(x) + "," + Mm(y) + " " + text);
    }
    double LineHeight() override { return 5; }
    void FinishDocument() override { ops.push_back("end"); }
    void AbandonDocument() override { ops.push_back("kill"); }

private:
    std::vector<std::string> ops;
};

// Answers the print dialog as told.
class FakePrintDialogService : public IPrintDialogService {
public:
    PrintDialogResult ShowPrintDialog(const PrintDialogRequest&) override {
        if (whileOpen) std::exchange(whileOpen, nullptr)();  // what the user does meanwhile
        return answer;
    }
    DocumentPropertiesResult ExchangeDocumentProperties(const std::string&, WindowRef) override { return {}; }

    // A confirmed dialog whose settings block names the printer.
    static PrintDialogResult Confirmed(const std::string& blockName) {
        PrintDialogResult result;
        result.outcome = PrintDialogResult::Outcome::Confirmed;
        PrinterSettingsBlock block;
        block.deviceName = blockName;
        block.deviceName.resize(32, '\0');
        result.settings = block;
        return result;
    }

    PrintDialogResult answer;
    std::function<void()> whileOpen;
};

class FakeSystemNames : public ISystemNames {
public:
    std::string UserName() const override {
        ++queries;
        return user;
    }
    std::string ComputerName() const override {
        ++queries;
        return computer;
    }
    std::string user = "anna";
    std::string computer = "DESK-7";
    mutable int queries = 0;
};

}  // namespace snapwright::fakes
