#pragma once
#include <vector>

#include "platform/Picture.h"

namespace snapwright {

// The capture slots and ShotCounter. The current screenshot is always the picture of slot
// ShotCounter. Shots collected for a page of several screenshots occupy slots 1..n in the order
// they were taken; a capture for saving or sending uses the one slot after them.
class CaptureSlots {
public:
    CaptureSlots();

    int ShotCounter() const { return m_shotCounter; }
    int SlotCount() const { return static_cast<int>(m_slots.size()); }
    // Number of print shots collected for the page that is being filled.
    int PageShots() const { return m_pageShots; }

    // Chooses the slot for a new capture and makes it current.
    void BeginCapture(bool forPrintPage, int numShots);
    void SetCurrentPicture(PicturePtr picture);
    // An edited or opened picture becomes the current screenshot, in the slot after the shots
    // that a page collects, which it leaves as they were taken.
    void HandBack(PicturePtr picture);

    PicturePtr Slot(int number) const;  // 1-based; null when the slot is empty or missing
    PicturePtr Current() const { return Slot(m_shotCounter); }

    // After a page: unloads slots 2 and up and sets ShotCounter back to 0.
    void DiscardPage();

private:
    std::vector<PicturePtr> m_slots;  // m_slots[0] is slot 1, which always exists
    int m_shotCounter = 0;
    int m_pageShots = 0;
};

}  // namespace snapwright
