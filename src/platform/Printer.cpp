#include "platform/Printer.h"

#include <string_view>

namespace snapwright {

void Printer::SetCurrentPosition(double x, double y) {
    m_currentX = x;
    m_currentY = y;
}

void Printer::Print(const std::string& text) {
    // Only the pair CR LF breaks a line; each line after the first starts at the left edge.
    static constexpr std::string_view kLineBreak = "\r\n";
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(kLineBreak, start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty()) DrawTextLine(m_currentX, m_currentY, line);
        m_currentX = 0;
        m_currentY += LineHeight();
        if (end == std::string::npos) break;
        start = end + kLineBreak.size();
    }
}

void Printer::EndDoc() {
    FinishDocument();
    m_currentX = 0;
    m_currentY = 0;
}

void Printer::KillDoc() {
    AbandonDocument();
    m_currentX = 0;
    m_currentY = 0;
}

}  // namespace snapwright
