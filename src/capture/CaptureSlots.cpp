#include "capture/CaptureSlots.h"

#include <algorithm>

namespace snapwright {

CaptureSlots::CaptureSlots() : m_slots(1) {}

void CaptureSlots::BeginCapture(bool forPrintPage, int numShots) {
    if (numShots <= 1) {
        m_shotCounter = 1;
        m_pageShots = forPrintPage ? 1 : 0;
    } else {
        // A page that was never printed (an error while printing) must not make the slots grow.
        if (forPrintPage && m_pageShots >= numShots) DiscardPage();
        // Print shots take the next slot of the page; saving and sending reuse the slot after
        // them, so they neither pile up nor end up on the printed page.
        m_shotCounter = m_pageShots + 1;
        if (forPrintPage) ++m_pageShots;
    }
    if (SlotCount() < m_shotCounter) m_slots.resize(static_cast<std::size_t>(m_shotCounter));
}

void CaptureSlots::SetCurrentPicture(PicturePtr picture) {
    if (m_shotCounter < 1) return;
    m_slots[static_cast<std::size_t>(m_shotCounter - 1)] = std::move(picture);
}

void CaptureSlots::HandBack(PicturePtr picture) {
    if (m_shotCounter <= m_pageShots) m_shotCounter = m_pageShots + 1;
    if (SlotCount() < m_shotCounter) m_slots.resize(static_cast<std::size_t>(m_shotCounter));
    SetCurrentPicture(std::move(picture));
}

PicturePtr CaptureSlots::Slot(int number) const {
    if (number < 1 || number > SlotCount()) return nullptr;
    return m_slots[static_cast<std::size_t>(number - 1)];
}

void CaptureSlots::DiscardPage() {
    m_slots.resize(1);
    m_shotCounter = 0;
    m_pageShots = 0;
}

}  // namespace snapwright
