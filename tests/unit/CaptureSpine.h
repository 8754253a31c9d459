#pragma once
// The capture spine over in-memory ports, for the tests of the keys and the tray program.
#include "capture/CaptureEngine.h"
#include "capture/CaptureSlots.h"
#include "fakes/FakePorts.h"
#include "settings/Settings.h"

namespace snapwright {

struct CaptureSpine {
    fakes::FakeScreen screen;
    fakes::FakeWindowService windows;
    fakes::FakeScreenCapture capture;
    fakes::FakeClipboard clipboard;
    fakes::FakeHotkeyService service;
    fakes::FakeUserMessages messages;
    fakes::FakeSettingsStore store;
    Settings settings;
    CaptureSlots slots;
    CaptureEngine engine{screen, windows, capture, clipboard, slots};
};

}  // namespace snapwright
