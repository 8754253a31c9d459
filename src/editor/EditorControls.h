#pragma once

namespace snapwright {

// The controls of the screenshot editor. The toolbar buttons come in the order of the toolbar.
enum class EditorControl {
    View,
    HorizontalScroll,
    VerticalScroll,
    StrengthLabel,
    StrengthList,
    ColourButton,
    HelpButton,
    Notice,
    NewButton,
    OpenButton,
    SaveButton,
    PrintButton,
    WordButton,
    ExcelButton,
    PowerPointButton,
    ZoomButton,
    WriterButton,
    CalcButton,
    ImpressButton,
    CropButton,
    CopyButton,
    UndoButton,
    FrameButton,
    EllipseButton,
    TextButton,
    RegionButton,
};

}  // namespace snapwright
