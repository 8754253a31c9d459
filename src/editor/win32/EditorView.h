#pragma once
#include <windows.h>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "editor/Editor.h"
#include "editor/Preview.h"
#include "editor/win32/GdiPictureTools.h"
#include "platform/win32/UniqueHandle.h"

namespace snapwright::win32 {

class EditorTextField;

// The editor's view: it shows the picture from the scroll offset with the preview over it, moves
// the offset by its scroll bars and the wheel, and reports the mouse and the typed characters to
// the presenter. The text field, a child of it, sends its news through it.
class EditorView {
public:
    EditorView(HINSTANCE instance, EditorTextField& field) : m_instance(instance), m_field(field) {}
    EditorView(const EditorView&) = delete;
    EditorView& operator=(const EditorView&) = delete;

    // The class of the view's window, registered once; its windows are made with the view as their
    // creation parameter.
    const wchar_t* WindowClass() const;
    void SetPresenter(Editor* presenter) { m_presenter = presenter; }
    // The editor's window, whose items the view and its scroll bars are; null when it is gone.
    void Attach(HWND window) { m_window = window; }
    void Detach();

    void ShowPicture(PicturePtr picture, Point offset);
    // Parts of the picture changed since it was given (a mark drawn, moved or gone), at their place.
    void ChangePicture(const std::vector<PlacedPixels>& parts);
    void ShowPreview(const Preview& preview, const std::vector<Rect>& changed);
    PicturePtr CopyFromView(const Rect& region);
    bool ShiftHeld() const { return m_shiftHeld; }

    void SetScrollMaximum(ControlId bar, int maximum);
    int ScrollValue(ControlId bar) const;
    void SetScrollValue(ControlId bar, int value);
    // A scroll bar's message to the window; false when the bar is not one of the view's.
    bool OnScrollBar(HWND bar, int code);
    void OnWheel(int delta);

private:
    LRESULT OnMessage(HWND view, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HWND view);
    void ComposePicture(HDC dc, const RECT& area) const;
    // Areas of the view to paint again, in one call: each is a round trip to the window manager.
    void Invalidate(const std::vector<RECT>& areas) const;
    void ScrollBy(EditorControl bar, int steps);
    HWND Item(ControlId control) const;

    HINSTANCE m_instance;
    EditorTextField& m_field;
    Editor* m_presenter = nullptr;
    HWND m_window = nullptr;
    PicturePtr m_picture;
    // The view's picture with the changes painted into it since it was given, once there are any.
    std::unique_ptr<GdiWorkingPicture> m_canvas;
    Point m_offset;
    Preview m_preview;
    // A bitmap in the display's format as large as the view, with its memory context.
    struct Buffer {
        UniqueMemoryDc dc;
        UniqueHbitmap bitmap;
        std::optional<ScopedSelectObject> selected;
        Size size;
        bool Prepare(Size wanted);  // false when the system made none
        void Release();
    };
    Buffer m_shown;  // the picture as the view shows it
    bool m_shownCurrent = false;
    Buffer m_back;  // where the view is composed, to be copied to the screen at once
    bool m_shiftHeld = false;
    std::array<int, 2> m_scrollMaximum{};
};

}  // namespace snapwright::win32
