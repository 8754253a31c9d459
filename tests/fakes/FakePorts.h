#pragma once
// In-memory ports for the host tests of the capture spine and the settings.
#include <algorithm>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Clipboard.h"
#include "platform/HotkeyService.h"
#include "platform/Screen.h"
#include "platform/ScreenCapture.h"
#include "platform/SettingsStore.h"
#include "platform/UserMessages.h"
#include "platform/WindowService.h"

namespace snapwright::fakes {

class FakeSettingsStore : public ISettingsStore {
public:
    std::string GetSetting(const std::string& app, const std::string& section, const std::string& key,
                           const std::string& defaultValue) const override {
        const auto it = values.find(Path(app, section, key));
        return it == values.end() ? defaultValue : it->second;
    }
    void SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        values[Path(app, section, key)] = value;
        writes.push_back(key);
    }
    static std::string Path(const std::string& app, const std::string& section, const std::string& key) {
        return app + "\\" + section + "\\" + key;
    }
    void Put(const std::string& key, const std::string& value) { values[Path("Snapwright", "Config", key)] = value; }
    std::optional<std::string> Get(const std::string& key) const {
        const auto it = values.find(Path("Snapwright", "Config", key));
        if (it == values.end()) return std::nullopt;
        return it->second;
    }

    std::map<std::string, std::string> values;
    std::vector<std::string> writes;
};

class FakeScreen : public IScreen {
public:
    std::vector<Monitor> Monitors() const override { return monitors; }
    Point PointerPosition() const override { return {}; }
    std::vector<Monitor> monitors{{{0, 0, 1024, 768}, {0, 0, 1024, 728}, true}};
};

// A picture that only knows its size and which grab made it.
class FakePicture : public Picture {
public:
    FakePicture(int w, int h, int serial) : w(w), h(h), serial(serial) {}
    int Width() const override { return w; }
    int Height() const override { return h; }
    int w, h, serial;
};

inline int SerialOf(const PicturePtr& picture) {
    const auto* fake = dynamic_cast<const FakePicture*>(picture.get());
    return fake ? fake->serial : 0;
}

class FakeWindowService : public IWindowService {
public:
    WindowRef ForegroundWindow() const override { return foreground; }
    std::optional<WindowEdges> WindowRectangle(WindowRef window) const override {
        const auto it = rectangles.find(window);
        if (it == rectangles.end()) return std::nullopt;
        return it->second;
    }
    // As under Wine: no composed frame, and no window maximised.
    std::optional<WindowEdges> ComposedFrame(WindowRef) const override { return std::nullopt; }
    bool IsMaximised(WindowRef) const override { return false; }
    void SetForegroundWindow(WindowRef window) override { foreground = window; }
    std::vector<TopLevelWindow> TopLevelWindowsTopFirst() const override { return topLevel; }

    WindowRef foreground = 0;
    std::map<WindowRef, WindowEdges> rectangles;
    std::vector<TopLevelWindow> topLevel;
};

class FakeScreenCapture : public IScreenCapture {
public:
    PicturePtr GrabScreenArea(const Rect& area, const std::vector<Rect>&) override {
        if (fail) return nullptr;
        return std::make_shared<FakePicture>(area.width, area.height, ++serial);
    }
    bool fail = false;
    int serial = 0;
};

class FakeClipboard : public IClipboard {
public:
    bool PutPicture(PicturePtr picture) override {
        held = std::move(picture);
        return !fail;
    }
    bool OfferPicture(PicturePtr picture) override { return PutPicture(std::move(picture)); }
    PicturePtr held;
    bool fail = false;
};

// Hotkeys of one window, beside other programs that hold keys (`taken`, as modifiers and virtual
// key). A key is refused while another program or another identifier of ours holds it.
class FakeHotkeyService : public IHotkeyService {
public:
    struct Keys {
        unsigned modifiers;
        unsigned virtualKey;
        friend bool operator==(const Keys&, const Keys&) = default;
    };

    std::uint16_t AddAtom(const std::string& name) override {
        const std::uint16_t atom = nextAtom++;
        atoms[atom] = name;
        return atom;
    }
    void DeleteAtom(std::uint16_t atom) override { atoms.erase(atom); }
    bool RegisterHotKey(int id, unsigned modifiers, unsigned virtualKey) override {
        const Keys keys{modifiers, virtualKey};
        ++registerCalls;
        if (std::find(taken.begin(), taken.end(), keys) != taken.end()) return false;
        for (const auto& [other, held] : registered) {
            if (held == keys) return false;
        }
        registered[id] = keys;
        return true;
    }
    void UnregisterHotKey(int id) override { registered.erase(id); }
    bool InstallHook() override { return hooked = hookWorks; }
    void RemoveHook() override { hooked = false; }
    bool PrintScreenOpensSystemCapture() const override { return systemCapture; }
    // As Windows' own capture, which lets go of Print Screen when it is switched off (at once, unless
    // `letsGoLater`).
    bool SwitchOffSystemCapture() override {
        ++switchOffs;
        if (switchOffFails) return false;
        systemCapture = false;
        if (!letsGoLater) std::erase(taken, Keys{0, 0x2C});
        return true;
    }
    void StartRetryTimer(unsigned milliseconds) override {
        timerMilliseconds = milliseconds;
        timerRunning = true;
    }
    void StopRetryTimer() override { timerRunning = false; }

    // The keys of ours that are held, by atom name.
    std::map<std::string, Keys> Held() const {
        std::map<std::string, Keys> held;
        for (const auto& [id, keys] : registered) held[atoms.at(static_cast<std::uint16_t>(id))] = keys;
        return held;
    }

    std::map<std::uint16_t, std::string> atoms;
    std::map<int, Keys> registered;
    int registerCalls = 0;  // tries to register, held or refused
    std::vector<Keys> taken;
    bool hooked = false;
    bool hookWorks = true;
    bool systemCapture = false;
    bool switchOffFails = false;
    bool letsGoLater = false;
    int switchOffs = 0;
    bool timerRunning = false;
    unsigned timerMilliseconds = 0;
    std::uint16_t nextAtom = 0xC001;
};

class FakeUserMessages : public IUserMessages {
public:
    void ShowError(const std::string& text) override { errors.push_back(text); }
    // Answers with `answer`, No unless a test says otherwise.
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }
    std::vector<std::string> errors;
    std::vector<std::string> questions;
    bool answer = false;
};

}  // namespace snapwright::fakes
