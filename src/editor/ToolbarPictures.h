#pragma once
// The pictures of the editor's toolbar, each named once, here: the toolbar's table takes them by
// these names, and the resource script (editor/win32/EditorWindow.rc) makes a bitmap of each from
// its file, so that a button whose picture is missing does not compile. src/app/res/make_pictures.py
// draws every file of this list. Plain preprocessor lines above the C++ part: windres reads them too.
#define SNAPWRIGHT_TOOLBAR_PICTURES(PICTURE)             \
    PICTURE(New, 5050, "res/tool-new.bmp")               \
    PICTURE(Region, 5051, "res/tool-region.bmp")         \
    PICTURE(Open, 5052, "res/tool-open.bmp")             \
    PICTURE(Save, 5053, "res/tool-save.bmp")             \
    PICTURE(Print, 5054, "res/tool-print.bmp")           \
    PICTURE(Copy, 5055, "res/tool-copy.bmp")             \
    PICTURE(Word, 5056, "res/tool-word.bmp")             \
    PICTURE(Excel, 5057, "res/tool-excel.bmp")           \
    PICTURE(PowerPoint, 5058, "res/tool-powerpoint.bmp") \
    PICTURE(Writer, 5059, "res/tool-writer.bmp")         \
    PICTURE(Calc, 5060, "res/tool-calc.bmp")             \
    PICTURE(Impress, 5061, "res/tool-impress.bmp")       \
    PICTURE(Undo, 5062, "res/tool-undo.bmp")             \
    PICTURE(Zoom, 5063, "res/tool-zoom.bmp")             \
    PICTURE(Crop, 5064, "res/tool-crop.bmp")             \
    PICTURE(Frame, 5065, "res/tool-frame.bmp")           \
    PICTURE(Ellipse, 5066, "res/tool-ellipse.bmp")       \
    PICTURE(Text, 5067, "res/tool-text.bmp")             \
    PICTURE(Arrow, 5068, "res/tool-arrow.bmp")           \
    PICTURE(Highlight, 5069, "res/tool-highlight.bmp")   \
    PICTURE(Redact, 5070, "res/tool-redact.bmp")         \
    PICTURE(Help, 5071, "res/tool-help.bmp")

#ifndef RC_INVOKED
namespace snapwright {

// A toolbar picture by its resource id.
enum class ToolbarPicture : int {
#define SNAPWRIGHT_TOOLBAR_PICTURE_ID(name, id, file) name = id,
    SNAPWRIGHT_TOOLBAR_PICTURES(SNAPWRIGHT_TOOLBAR_PICTURE_ID)
#undef SNAPWRIGHT_TOOLBAR_PICTURE_ID
};

}  // namespace snapwright
#endif
