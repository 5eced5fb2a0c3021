// The two windows as the workbook generation sees them. The windows implement
// these, so this folder never depends on them: the driver reads the input
// window's fields, sets its pointer, hands the picture and the workbook path
// to the preview window and swaps the two.
#pragma once

#include "report/input_fields_source.h"
#include "shell/mouse_pointer.h"

#include <QString>

namespace report {

class InputWindow : public InputFieldsSource {
public:
    virtual void setMousePointer(shell::MousePointer pointer) = 0;
    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
};

class PreviewWindow {
public:
    virtual ~PreviewWindow() = default;
    // Loads the picture in the bitmap file into the window (loading the
    // window first if need be). Throws std::runtime_error naming the file when
    // it holds no readable picture; the window keeps its earlier picture then.
    virtual void loadPicture(const QString& bitmapPath) = 0;
    // The temporary workbook that the window's save and back commands work on.
    virtual void setExcelFile(const QString& workbookPath) = 0;
    virtual void showWindow() = 0;
};

}  // namespace report
