// Form2: the preview window. It shows the picture of the finished sheet in a
// fixed white viewport (Picture2) with zoom steps, two scroll bars and
// drag-panning, and carries the save and back buttons. The numbers live in a
// ZoomScrollState; the window runs its operations from the event handlers,
// each under its error trap, and shows the result.
//
// The generation driver hands over the picture and the workbook path, then
// shows the window (through report::PreviewWindow):
//   form2.loadPicture(bitmapPath);   // loads the window (Form_Load) on first touch
//   form2.setExcelFile(workbookPath);
//   form2.showWindow();              // the first activation sets zoom 1.0 and the bars
//
// The controls and handlers keep the names of the system this program
// continues (Picture1, HScroll1, PushButton6_Click, Form_Activate, mExcelFile):
// they are how its error reports and its users' notes refer to them.
#pragma once

#include "preview/zoom_scroll_state.h"
#include "report/generation_windows.h"
#include "shell/window_pointer.h"

#include <QString>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <string>

class QFrame;
class QGroupBox;
class QImage;
class QMouseEvent;
class QPushButton;
class QScrollBar;

namespace automation {
class Registry;
}
namespace shell {
class MessageService;
class SaveFileDialog;
}

namespace preview {

class PictureBox;

// What the window needs from the program around it.
struct PreviewServices {
    shell::MessageService& messages;
    shell::SaveFileDialog& saveDialog;
    automation::Registry& automation;       // converts the workbook when it is saved as .xlsx
    QString programFolder;                  // holds HAND-M.CUR
    std::function<void()> showInputWindow;  // Back returns to the input window
    std::function<void()> endProgram;       // closing the preview ends the whole program at once
};

inline constexpr const char* kSaveDialogTitle = "Save File";
inline constexpr const char* kSaveDialogFilter = "Excel Files (*.xls)|*.xls|Excel Workbook (*.xlsx)|*.xlsx|";
inline constexpr const char* kOverwriteQuestionStart = "Are you sure you wish to overwrite ";
inline constexpr const char* kOverwriteQuestionEnd = " ?";
inline constexpr const char* kSavedMessage = "Done.";
inline constexpr const char* kOwnWorkbookRefusal =
    "This is the preview's own temporary workbook, which is deleted when the preview closes.\r\n"
    "Please choose another name or folder to save the results.";
// Save refuses a temporary workbook that was not written in full; the reason
// and the chosen name stand between the parts.
inline constexpr const char* kIncompleteWorkbookStart =
    "The results cannot be saved: the workbook made for this preview is not complete (";
inline constexpr const char* kIncompleteWorkbookMiddle = "). Nothing was written to ";
inline constexpr const char* kIncompleteWorkbookEnd =
    ".\r\nThe temporary folder may be full or limited in size. Make room there, then close Quorvane and "
    "create the template again.";
QString incompleteWorkbookMessage(const std::string& reason, const QString& destination);

class Form2 : public QWidget, public report::PreviewWindow {
    Q_OBJECT
public:
    explicit Form2(PreviewServices services);
    ~Form2() override;

    // Load: colours, caption, icon and the cursor image. Runs once, on the
    // first touch of the window (the picture, or showing it), or when called.
    void Form_Load();
    // Activation: only the first one after load sets up zoom 1.0, the repaint
    // and the scroll bars; later ones do nothing.
    void Form_Activate();

    // The snapshot. Picture1 shows it unscaled until the first activation.
    void setPicture(QImage snapshot);

    // What the generation driver hands over (the window loads on first touch).
    void loadPicture(const QString& bitmapPath) override;
    void setExcelFile(const QString& workbookPath) override { mExcelFile = workbookPath; }
    void showWindow() override { show(); }

    // The commands: save the temporary workbook under a name the user picks,
    // go back to the input window, and the window's closing.
    void PushButton6_Click();
    void PushButton8_Click();
    void Form_QueryUnload();
    void Form_Unload();

    // Puts a bar's value at percent per cent of its maximum. A negative
    // percentage, or one that would go beyond the maximum, leaves the bar as
    // it is. A value that changes raises the bar's change event.
    void SetHScrollbarByPercent(QScrollBar* HScrollbar, std::int16_t percent);
    void SetVScrollbarByPercent(QScrollBar* VScrollbar, std::int16_t percent);

    // The temporary workbook, set by the generation driver before the window
    // is shown; the save and back commands work on it.
    QString mExcelFile;
    // True from load until the end of the first activation.
    bool mFirstActivate = false;

    const ZoomScrollState& state() const { return m_state; }
    shell::WindowPointer& pointer() { return *m_pointer; }
    QString cursorFilePath() const;

    PictureBox* Picture1() const { return m_picture1; }
    QFrame* Picture2() const { return m_picture2; }
    PictureBox* Zoom_Ori() const { return m_zoomOri; }
    QScrollBar* HScroll1() const { return m_hScroll1; }
    QScrollBar* VScroll1() const { return m_vScroll1; }
    QGroupBox* Frame1() const { return m_frame1; }
    QPushButton* PushButton1() const { return m_pushButton1; }
    QPushButton* PushButton2() const { return m_pushButton2; }
    QPushButton* PushButton6() const { return m_pushButton6; }
    QPushButton* PushButton8() const { return m_pushButton8; }

protected:
    // Closing runs Form_QueryUnload, then Form_Unload.
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void buildScrollBars();
    void buildViewport();
    void buildButtons();
    void setTabOrder();
    void ensureLoaded();

    void PushButton1_Click();
    void PushButton2_Click();
    void HScroll1_Change(int value);
    void VScroll1_Change(int value);
    void Picture1_MouseDown(const QMouseEvent& event);
    void Picture1_MouseMove(const QMouseEvent& event);
    void Picture1_MouseUp();

    void RedrawImage();
    void InitScrollbars();
    void ChangeZoom(std::int32_t direction);
    void SetZoom(float value);

    // Shows the state's numbers: Picture1's place and size, and both bars.
    void showPicturePlace();
    void showScrollBars();
    // Paints Zoom_Ori's picture into Picture1, stretched to the zoomed size.
    void paintZoomed();

    PreviewServices m_services;
    ZoomScrollState m_state;
    bool m_loaded = false;
    shell::WindowPointer* m_pointer = nullptr;
    QFrame* m_picture2 = nullptr;
    QWidget* m_viewportInside = nullptr;  // Picture2's client area; clips Picture1
    PictureBox* m_picture1 = nullptr;
    PictureBox* m_zoomOri = nullptr;
    QScrollBar* m_hScroll1 = nullptr;
    QScrollBar* m_vScroll1 = nullptr;
    QGroupBox* m_frame1 = nullptr;
    QPushButton* m_pushButton1 = nullptr;
    QPushButton* m_pushButton2 = nullptr;
    QPushButton* m_pushButton6 = nullptr;
    QPushButton* m_pushButton8 = nullptr;
};

}  // namespace preview
