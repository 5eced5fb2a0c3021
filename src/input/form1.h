// Form1: the input window and the program's start-up window. It holds the
// thirteen fields, the three push buttons and the frames around them at their
// designed twip geometry, fills the fields from the settings store when it
// loads, and ends the program when it is closed.
//
// The controls and handlers keep the names of the system this program
// continues (txtRent, PushButton22_Click, Form_Load, mCreated): they are how
// its error reports and its users' notes refer to them.
#pragma once

#include "input/settings_write_notice.h"
#include "report/generation_windows.h"
#include "shell/window_pointer.h"

#include <QMap>
#include <QWidget>
#include <functional>
#include <vector>

class QGroupBox;
class QLabel;
class QPushButton;

namespace automation {
class Registry;
}
namespace shell {
class MessageService;
class SettingsStore;
}

namespace input {

class InputField;

// Told once at start-up when the settings file held lines that could not be
// read; the kept copy's path stands between the two parts.
inline constexpr const char* kUnreadableSettingsStart =
    "Some lines of your settings file could not be read. The file is kept unchanged as ";
inline constexpr const char* kUnreadableSettingsEnd =
    " and Quorvane goes on with the figures it could read; fields without a readable figure start with "
    "their usual values.";

// What the window needs from the program around it.
struct ShellServices {
    shell::SettingsStore& settings;
    shell::MessageService& messages;
    automation::Registry& automation;
    QString programFolder;               // holds x/o.cjs and HAND-M.CUR
    std::function<void()> endProgram;    // ends the whole program at once
    std::function<void()> generateReport0;  // one whole generation, ending with the preview shown
};

class Form1 final : public QWidget, public report::InputWindow {
    Q_OBJECT
public:
    explicit Form1(ShellServices services);
    ~Form1() override;

    // Start-up: skin, caption, icon, title, cursor image, the thirteen fields
    // from the store, mCreated, and the spreadsheet check (which may throw
    // shell::EndProgram before the window is ever shown).
    void Form_Load();

    // Shows the window with the focus on the first field in tab order.
    void showAtStart();

    InputField* field(const QString& name) const;
    // The workbook generation reads each field's current text through this.
    QString fieldText(const QString& fieldName) const override;
    // The generation sets the pointer and hides the window; Back shows it again.
    void setMousePointer(shell::MousePointer pointer) override { m_pointer->setPointer(pointer); }
    void showWindow() override;
    void hideWindow() override { hide(); }

    // The three commands: empty every field, fill in the sample, and start
    // the one generation of this run.
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton22_Click();
    // The program wires the generation after both windows exist.
    void setGenerateReport0(std::function<void()> generate) { m_services.generateReport0 = std::move(generate); }
    const std::vector<InputField*>& fields() const { return m_fields; }
    QPushButton* button(const QString& name) const;
    QGroupBox* frame(int number) const;
    QLabel* label(int index) const;  // Label1(index)

    shell::WindowPointer& pointer() { return *m_pointer; }
    QString skinFilePath() const;
    QString cursorFilePath() const;

    bool mCreated = false;

protected:
    // Form_Unload: closing the input window ends the program at once.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildControls();
    void setTabOrder();
    void keepUnreadableSettings();

    ShellServices m_services;
    SettingsWriteNotice m_writeNotice;
    shell::WindowPointer* m_pointer = nullptr;
    std::vector<InputField*> m_fields;  // in tab-index order
    QMap<QString, QPushButton*> m_buttons;
    QMap<int, QGroupBox*> m_frames;
    QMap<int, QLabel*> m_labels;
};

}  // namespace input
