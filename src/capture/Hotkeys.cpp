#include "capture/Hotkeys.h"

#include <utility>

#include "platform/Diagnostics.h"

namespace snapwright {

namespace {

// Where the keys can be freed, by who holds them.
std::string FreeingAdvice(bool systemCaptureOnPrintScreen) {
    if (systemCaptureOnPrintScreen) {
        return "Windows itself opens its screen capture on the Print Screen key. To switch this off, open "
               "Settings > Accessibility > Keyboard and turn off \"Use the Print screen key to open screen "
               "capture\". Then start Snapwright again.";
    }
    return "Programs that take screenshots themselves, such as cloud storage clients, often hold these "
           "keys. Switch off their screenshot keys or close them, then start Snapwright again.";
}

}  // namespace

std::string TakenHotkeysMessage(const std::vector<const HotkeyRow*>& taken, bool systemCaptureOnPrintScreen) {
    std::string keys;
    for (std::size_t i = 0; i < taken.size(); ++i) {
        if (i > 0) keys += (i + 1 == taken.size()) ? " and " : ", ";
        keys += taken[i]->keysText;
    }
    return "Snapwright cannot start: " + keys + (taken.size() == 1 ? " is" : " are") +
           " already used by another program.\r\n\r\n" + FreeingAdvice(systemCaptureOnPrintScreen);
}

// Windows' own screen capture takes the plain Print Screen key, without which the program does not
// start: this key is held by another program.
std::string TakenRegionHotkeyMessage() {
    return std::string(kRegionHotkey.keysText) +
           " is already used by another program. Snapwright runs without it: a region of the screen can be "
           "taken from the editor's Region button only.\r\n\r\n" +
           FreeingAdvice(false);
}

Hotkeys::Hotkeys(IHotkeyService& service, IUserMessages& messages, CaptureEngine& engine, CurrentShot& currentShot,
                 ShotDestinations& destinations)
    : m_service(service),
      m_messages(messages),
      m_engine(engine),
      m_currentShot(currentShot),
      m_destinations(destinations) {}

bool Hotkeys::RegisterHotkeys() {
    bool atomsMade = true;
    for (std::size_t i = 0; i < kHotkeyTable.size(); ++i) {
        m_ids[i] = m_service.AddAtom(kHotkeyTable[i].atomName);
        if (m_ids[i] == 0) atomsMade = false;
    }

    std::vector<const HotkeyRow*> taken;
    if (atomsMade) {
        // Every row is tried, so that the message names all the keys another program holds.
        for (std::size_t i = 0; i < kHotkeyTable.size(); ++i) {
            m_registered[i] = m_service.RegisterHotKey(m_ids[i], kHotkeyTable[i].modifiers, kVkSnapshot);
            if (!m_registered[i]) taken.push_back(&kHotkeyTable[i]);
        }
        if (taken.empty()) {
            m_hooked = m_service.InstallHook();
            if (m_hooked) {
                RegisterRegionHotkey();
                return true;
            }
        }
    }

    UnregisterHotkeys();
    if (!taken.empty()) {
        m_messages.ShowError(TakenHotkeysMessage(taken, m_service.PrintScreenOpensSystemCapture()));
    } else {
        m_messages.ShowError("Snapwright cannot start: the system refused to set up its Print Screen keys.");
    }
    return false;
}

void Hotkeys::RegisterRegionHotkey() {
    if (!m_takeRegion) return;
    m_regionId = m_service.AddAtom(kRegionHotkey.atomName);
    if (m_regionId != 0 && m_service.RegisterHotKey(m_regionId, kRegionHotkey.modifiers, kVkSnapshot)) return;
    if (m_regionId != 0) {
        m_service.DeleteAtom(m_regionId);
        m_regionId = 0;
        m_messages.ShowError(TakenRegionHotkeyMessage());
    } else {
        DebugOutput("The region key could not be set up: no atom for it.");
    }
}

void Hotkeys::UnregisterHotkeys() {
    if (m_regionId != 0) {
        m_service.UnregisterHotKey(m_regionId);
        m_service.DeleteAtom(m_regionId);
        m_regionId = 0;
    }
    for (std::size_t i = 0; i < kHotkeyTable.size(); ++i) {
        if (m_registered[i]) m_service.UnregisterHotKey(m_ids[i]);
        m_registered[i] = false;
    }
    if (m_hooked) m_service.RemoveHook();
    m_hooked = false;
    for (auto& id : m_ids) {
        if (id != 0) m_service.DeleteAtom(id);
        id = 0;
    }
}

const HotkeyRow* Hotkeys::RowForId(int id) const {
    for (std::size_t i = 0; i < kHotkeyTable.size(); ++i) {
        if (m_ids[i] != 0 && m_ids[i] == id) return &kHotkeyTable[i];
    }
    return nullptr;
}

// Every capture becomes the current screenshot and goes onto the clipboard, whatever its
// destination does with it.
void Hotkeys::HotkeyWindowProc(unsigned message, std::uintptr_t wParam) {
    if (message != kWmHotkey) return;
    const int id = static_cast<int>(wParam);
    if (m_regionId != 0 && id == m_regionId) {
        m_takeRegion();
        return;
    }
    const HotkeyRow* row = RowForId(id);
    if (!row) return;
    PicturePtr shot = CaptureForHotkey(id);
    if (!shot) {
        m_messages.ShowError("Snapwright could not take the screenshot: the screen or the window in front "
                             "could not be read.");
        return;
    }
    m_currentShot.Set(shot);
    if (!m_engine.CopyShotToClipboard()) DebugOutput("The screenshot could not be put on the clipboard.");
    m_destinations.Deliver(row->destination, std::move(shot));
}

PicturePtr Hotkeys::CaptureForHotkey(int id) {
    const HotkeyRow* row = RowForId(id);
    if (!row) return nullptr;
    return row->grab == GrabKind::WholeScreen ? m_engine.GrabScreenPicture() : m_engine.GrabActiveWindowPicture();
}

}  // namespace snapwright
