#pragma once
// The capture spine over in-memory ports, for the tests of the keys and the tray program.
#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "fakes/FakePorts.h"
#include "model/Settings.h"

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
    CurrentShot currentShot;
    CaptureEngine engine{screen, windows, capture, clipboard, currentShot};
};

}  // namespace snapwright
