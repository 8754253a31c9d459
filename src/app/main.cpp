// Composition root: the one place that creates the adapters, the shared record and the windows.
#include <windows.h>
#include <commctrl.h>

#include <charconv>
#include <functional>
#include <memory>
#include <optional>

#include "apps/AskApplicationDialog.h"
#include "apps/OfficeSender.h"
#include "apps/StartApplicationDialog.h"
#include "apps/win32/AskApplicationWindow.h"
#include "apps/win32/StartApplicationWindow.h"
#include "capture/CaptureEngine.h"
#include "capture/CurrentShot.h"
#include "capture/Hotkeys.h"
#include "capture/KeysDialog.h"
#include "capture/RegionCapture.h"
#include "capture/ScrollCapture.h"
#include "capture/ShotDestinations.h"
#include "capture/TrayProgram.h"
#include "capture/win32/KeysWindow.h"
#include "capture/win32/MainWindow.h"
#include "capture/win32/MappedTallPicture.h"
#include "capture/win32/RegionOverlay.h"
#include "capture/win32/ScrollNoteWindow.h"
#include "capture/win32/ShownWindows.h"
#include "capture/win32/Win32ScrolledWindow.h"
#include "capture/win32/StartWindow.h"
#include "capture/win32/TrayPopupMenu.h"
#include "cli/CommandMessages.h"
#include "cli/CommandRunner.h"
#include "cli/win32/CommandLineStart.h"
#include "cli/win32/CommandReceiver.h"
#include "cli/win32/DelayedCalls.h"
#include "editor/Editor.h"
#include "editor/win32/EditorWindow.h"
#include "editor/win32/GdiPictureTools.h"
#include "editor/win32/GdiTextRasteriser.h"
#include "lang/UserText.h"
#include "platform/Diagnostics.h"
#include "platform/win32/ComAutomation.h"
#include "platform/win32/GdiCapture.h"
#include "platform/win32/GdiPrinter.h"
#include "platform/win32/MessageLoop.h"
#include "platform/win32/RegistrySettingsStore.h"
#include "platform/win32/UniqueHandle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32HotkeyService.h"
#include "platform/win32/Win32InformationBox.h"
#include "platform/win32/Win32PrintDialogService.h"
#include "platform/win32/Win32Screen.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32SystemNames.h"
#include "platform/win32/Win32TopLevelWindows.h"
#include "platform/win32/Win32TrayIcon.h"
#include "platform/win32/Win32UserMessages.h"
#include "platform/win32/WideText.h"
#include "print/Hardcopy.h"
#include "save/ImageExport.h"
#include "save/ImageLoad.h"
#include "save/PictureLimits.h"
#include "save/SaveAsDialog.h"
#include "save/win32/FileDialogs.h"
#include "save/win32/GdiBitmapFile.h"
#include "save/win32/PictureFileLoad.h"
#include "save/win32/SaveAsWindow.h"
#include "save/win32/Win32FreeImageCodec.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsManager.h"
#include "settings/win32/OptionsWindow.h"
#include "ui/AboutDialog.h"
#include "ui/HelpFile.h"
#include "ui/win32/AboutWindow.h"

namespace {

// The language the user chose, read without changing the store, for a start that failed perhaps
// before the settings were read; the table reads a value it has no row for as English.
int StoredLanguage() {
    try {
        const std::string text =
            snapwright::win32::RegistrySettingsStore().GetSetting(snapwright::kSettingsApp, snapwright::kSettingsSection, "Language", "0");
        int language = 0;
        std::from_chars(text.data(), text.data() + text.size(), language);
        return language;
    } catch (const std::exception&) {
        return 0;
    }
}

// The tray program runs once per user session: a second start would find the keys held by the
// first and offer the user a second icon. It says where the first one is and ends.
bool AnotherTrayProgramRuns(snapwright::win32::UniqueKernelHandle& token) {
    token.reset(::CreateMutexW(nullptr, FALSE, L"Local\\SnapwrightTrayProgram"));
    return token && ::GetLastError() == ERROR_ALREADY_EXISTS;
}

// `commandLine`: this start carries out one command and ends, beside the tray program or without it.
int RunSnapwright(HINSTANCE instance, snapwright::win32::CommandLineStart* commandLine) {
    using namespace snapwright;
    win32::RouteDiagnosticsToDebugger();
    // The dialogs use the common controls of version 6 (the manifest asks for them): the slider.
    INITCOMMONCONTROLSEX commonControls{sizeof(commonControls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&commonControls);
    // COM for the automation of the office programs, for the whole run of this thread.
    win32::ComApartment com;

    win32::RegistrySettingsStore store;
    Settings settings;
    SettingsManager settingsManager(store, settings);
    win32::UniqueKernelHandle trayProgramToken;
    if (!commandLine && AnotherTrayProgramRuns(trayProgramToken)) {
        settingsManager.LoadSettings();
        const std::string text = UserText(TextId::AlreadyRunningMessage, settings.Language);
        ::MessageBoxW(nullptr, win32::ToWide(text).c_str(), L"Snapwright", MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
        return 1;
    }

    HICON icon = ::LoadIconW(instance, MAKEINTRESOURCEW(1));
    win32::MainWindow mainWindow(instance);
    win32::StartWindow startWindow(instance, icon);
    win32::Win32TrayIcon trayIcon(mainWindow.Handle(), icon);

    win32::Win32Screen screen;
    win32::Win32WindowService windows;
    win32::GdiScreenCapture capture;
    // The codec outlives the clipboard, which encodes its PNG with it up to its own end.
    win32::Win32FreeImageCodec codec;
    win32::Win32Clipboard clipboard([&codec](const Picture& picture) { return EncodePng(codec, picture, 0); });
    win32::Win32UserMessages shownMessages;
    CommandMessages messages(shownMessages);
    CurrentShot currentShot;
    CaptureEngine engine(screen, windows, capture, clipboard, currentShot);
    win32::GdiPrinter printer;
    win32::Win32PrintDialogService printDialogs;
    win32::Win32Clock clock;
    win32::Win32SystemNames systemNames;
    Hardcopy hardcopy(settings, printer, printDialogs, clock, systemNames, messages);
    // The destinations of a screenshot, each taking the picture it works on, wired as they are made.
    ShotDestinations::Targets targets;
    targets.printHardcopy = [&hardcopy](PicturePtr shot) { return hardcopy.PrintHardcopy(std::move(shot)); };

    // The options dialog and the about box, opened from the tray menu. The first LoadSettings
    // creates the options dialog hidden, because it also sets that dialog's controls.
    win32::Win32Shell shell;
    win32::Win32FileSystem files;
    HelpFile help(shell, files, messages);
    win32::Win32InformationBox informationBox;
    win32::OptionsWindow optionsWindow(instance, icon);
    OptionsDialog options(optionsWindow.Form(), settingsManager, settings, help);
    optionsWindow.SetPresenter(&options);
    settingsManager.SetView(&options);
    win32::AboutWindow aboutWindow(instance, icon);
    AboutDialog about(aboutWindow.Form(), settings, shell, informationBox);
    aboutWindow.SetPresenter(&about);

    // The save dialog, opened by the save hotkeys for the current screenshot.
    win32::SaveAsWindow saveAsWindow(instance, icon);
    win32::GdiBitmapFile bitmapFiles(files);
    ImageExport imageExport(codec, bitmapFiles, files);
    win32::Win32FileDialogs saveDialogs([&saveAsWindow] { return saveAsWindow.Form().Handle(); });
    SaveAsDialog saveAs({saveAsWindow.Form(), saveAsWindow.Form(), settings, store, clock, saveDialogs, files, imageExport,
                      messages, [&saveAsWindow] { ::SetForegroundWindow(saveAsWindow.Form().Handle()); }});
    saveAsWindow.SetPresenter(&saveAs);
    targets.startSaveAs = [&saveAs](PicturePtr shot) { return saveAs.StartSaveAs(std::move(shot)); };

    // Sending to the office programs, and the two dialogs that belong to it.
    win32::ComAutomation automation;
    win32::Win32TopLevelWindows topLevelWindows;
    win32::StartApplicationWindow startApplicationWindow(instance, icon);
    StartApplicationDialog startApplication(startApplicationWindow.Form(), settings);
    startApplicationWindow.SetPresenter(&startApplication);
    OfficeSender sender({clipboard, automation, topLevelWindows, messages,
                         [&startApplication](const std::string& name) { return startApplication.Ask(name); },
                         [](int milliseconds) { ::Sleep(static_cast<DWORD>(milliseconds)); },
                         reinterpret_cast<WindowRef>(mainWindow.Handle()), [&settings] { return settings.Language; }});
    targets.sendTo = [&sender](OfficeProgram program, PicturePtr shot) { return sender.Send(program, std::move(shot)); };

    // The screenshot editor: modal from the send hotkeys, without a modal loop from the tray icon
    // and the application choice.
    win32::EditorWindow editorWindow(instance, icon);
    win32::GdiPictureTools pictureTools;
    win32::GdiTextRasteriser glyphs;
    win32::Win32FileDialogs editorDialogs([&editorWindow] { return editorWindow.Window(); });
    Editor editor({editorWindow.Form(), editorWindow, pictureTools, glyphs, topLevelWindows, settings, currentShot, messages,
                   editorDialogs, help, sender,
                   [&codec](const std::string& path) { return win32::LoadPictureWithBusyCursor(codec, path); },
                   [&saveAs](PicturePtr picture) { return saveAs.StartSaveAs(std::move(picture)); },
                   [&hardcopy](PicturePtr picture) { return hardcopy.PrintHardcopy(std::move(picture)); },
                   [&clipboard](PicturePtr picture) { return clipboard.PutPicture(std::move(picture)); }});
    editorWindow.SetPresenter(&editor);
    options.SetLanguageSavedHandler([&editor] { editor.OnLanguageChanged(); });
    targets.openEditor = [&editor] { editor.ShowModal(); };

    // A region of the screen, drawn on the frozen desktop: Ctrl+Shift+Print Screen opens the editor
    // on it, and the editor's Region button takes one as a new picture.
    win32::RegionOverlay regionOverlay(instance, [&settings] { return settings.Language; });
    RegionCapture regionCapture(screen, windows, engine, currentShot, messages, regionOverlay);

    // A window longer than its view, scrolled and stitched into one picture no taller than the
    // editor opens: from the tray menu, the command line, or with S in the region overlay.
    win32::ScrollNoteWindow scrollNote(instance);
    ScrollCapture scrollCapture({engine, currentShot, messages, screen, scrollNote, &win32::OpenScrolledWindow,
                                 &win32::NewTallPicture, settings, kMaxPictureSide});
    regionCapture.SetScrollCapture([&scrollCapture](WindowRef window) { return scrollCapture.Take(window); });
    // A region for the editor, which `show` opens on it; where a scrolled window ended early, the
    // user is told why once the editor shows it.
    const auto regionIntoEditor = [&regionCapture, &informationBox](bool afterHiding,
                                                                    const std::function<void(PicturePtr)>& show) {
        RegionRequest request;
        request.afterHiding = afterHiding;
        if (PicturePtr region = regionCapture.Take(request)) show(std::move(region));
        if (!request.note.empty()) informationBox.Show("Snapwright", request.note);
    };
    const auto showInEditor = [&editor](PicturePtr shot) { editor.ShowPicture(std::move(shot)); };
    editor.SetRegionCapture([&regionIntoEditor] {
        PicturePtr region;
        regionIntoEditor(true, [&region](PicturePtr taken) { region = std::move(taken); });
        return region;
    });

    win32::AskApplicationWindow askApplicationWindow(instance, icon);
    AskApplicationDialog askApplication({askApplicationWindow.Form(), settings, sender, [&editor] { editor.Show(); },
                                         [&askApplicationWindow] {
                                             ::SetForegroundWindow(askApplicationWindow.Form().Handle());
                                         }});
    askApplicationWindow.SetPresenter(&askApplication);
    targets.askApplication = [&askApplication](PicturePtr shot) { return askApplication.Show(std::move(shot)); };

    ShotDestinations destinations(settings, std::move(targets));
    Hotkeys* hotkeysForHook = nullptr;
    win32::Win32HotkeyService hotkeyService(mainWindow.Handle(), [&hotkeysForHook](UINT message, WPARAM wParam) {
        if (hotkeysForHook) hotkeysForHook->HotkeyWindowProc(message, wParam);
    });
    Hotkeys hotkeys(hotkeyService, messages, engine, currentShot, destinations, store, settings);
    hotkeysForHook = &hotkeys;
    hotkeys.SetRegionCapture([&regionIntoEditor, &showInEditor] { regionIntoEditor(false, showInEditor); });

    // The keys dialog, opened from the options dialog.
    win32::KeysWindow keysWindow(instance, icon);
    KeysDialog keys(keysWindow.Form(), hotkeys, messages, settings);
    keysWindow.SetPresenter(&keys);
    options.SetKeysAction([&keys] { keys.Show(); });

    // Commands from the command line, carried out as the hotkeys do.
    win32::DelayedCalls delayedCalls;
    CommandRunner commands({engine, currentShot, destinations, imageExport, files, messages, settings,
                            [&regionCapture](bool clickScrolls) {
                                if (regionCapture.Drawing()) return RegionTaken{nullptr, true};
                                RegionRequest request;
                                request.clickScrolls = clickScrolls;
                                PicturePtr region = regionCapture.Take(request);
                                return RegionTaken{std::move(region), false, std::move(request.note)};
                            },
                            [&editor, commandLine](PicturePtr shot) {
                                if (commandLine) {
                                    editor.ShowModal();
                                } else {
                                    editor.ShowPicture(std::move(shot));
                                }
                            },
                            [&delayedCalls](int milliseconds, std::function<void()> then) {
                                delayedCalls.After(milliseconds, std::move(then));
                            },
                            commandLine == nullptr,
                            [&scrollCapture, &windows] { return scrollCapture.Take(windows.ForegroundWindow()); }});
    if (commandLine) {
        // Not the tray program, which other starts hand their commands to.
        ::SetWindowTextW(mainWindow.Handle(), L"Snapwright command");
        settingsManager.LoadSettings();
        return commandLine->RunAlone(commands);
    }
    win32::CommandReceiver commandReceiver(mainWindow.Handle(), commands, settings);
    mainWindow.SetCopyDataHandler([&commandReceiver](const COPYDATASTRUCT& data) { return commandReceiver.Receive(data); });

    TrayProgram::Actions actions;
    actions.showOptions = [&options] { options.Show(); };
    actions.showAbout = [&about] { about.Show(); };
    actions.showEditor = [&editor] { editor.Show(); };
    actions.openInEditor = [&editor](PicturePtr shot) { editor.ShowPicture(std::move(shot)); };
    actions.takeRegion = [&regionIntoEditor, &showInEditor] { regionIntoEditor(true, showInEditor); };
    actions.scrollWindow = [&scrollCapture](WindowRef window) { return scrollCapture.Take(window); };
    actions.inform = [&informationBox](const std::string& text) { informationBox.Show("Snapwright", text); };
    actions.windowInFront = [] { return reinterpret_cast<WindowRef>(win32::WindowUserWorksIn()); };
    actions.waitForRepaint = [&regionOverlay] { regionOverlay.WaitForRepaint(); };
    actions.menuOwner = reinterpret_cast<WindowRef>(mainWindow.Handle());
    actions.cursorPosition = [] {
        POINT point{};
        ::GetCursorPos(&point);
        return Point{point.x, point.y};
    };
    actions.endProgram = [&mainWindow] { ::DestroyWindow(mainWindow.Handle()); };
    actions.mayEnd = [&editor] { return editor.MayEnd(); };
    actions.newPopupMenu = [] { return std::make_unique<win32::TrayPopupMenu>(); };
    TrayProgram trayProgram(startWindow.Form(), settingsManager, settings, hotkeys, trayIcon, std::move(actions));
    startWindow.SetPresenter(&trayProgram);
    mainWindow.SetTrayHandler([&trayProgram](int mouseMessage) { trayProgram.OnTrayIcon(mouseMessage); });
    mainWindow.SetTaskbarCreatedHandler([&trayProgram] { trayProgram.OnTaskbarCreated(); });
    mainWindow.SetUnloadHandler([&trayProgram] { trayProgram.OnUnload(); });

    if (!trayProgram.OnLoad()) return 1;
    DebugOutput("ready");
    // Windows shown without a loop of their own (the start window, the editor from the tray) get
    // their keys and keyboard navigation from it too.
    const int exitCode = win32::RunMessageLoop();
    DebugOutput("ending: the windows and the clipboard's picture are let go");
    return exitCode;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    std::optional<snapwright::win32::CommandLineStart> commandLine;
    try {
        if (const std::vector<std::string> arguments = snapwright::win32::ProgramArguments(); !arguments.empty()) {
            commandLine.emplace(arguments);
            if (const std::optional<int> exitCode = commandLine->FinishWithoutProgram()) return *exitCode;
        }
        return RunSnapwright(instance, commandLine ? &*commandLine : nullptr);
    } catch (const std::exception& error) {
        snapwright::DebugOutput(std::string("Snapwright stopped: ") + error.what());
        if (commandLine) return commandLine->Failed(error.what());
        const std::wstring text = snapwright::win32::ToWide(snapwright::UserText(snapwright::TextId::StartFailedMessage, StoredLanguage()));
        ::MessageBoxW(nullptr, text.c_str(), L"Snapwright", MB_OK | MB_ICONERROR);
        return 2;
    }
}
