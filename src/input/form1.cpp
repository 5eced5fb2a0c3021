#include "input/form1.h"

#include "input/input_field.h"
#include "shell/app_icon.h"
#include "shell/app_title.h"
#include "shell/context_names.h"
#include "shell/error_report.h"
#include "shell/excel_check.h"
#include "shell/hand_cursor.h"
#include "shell/main_services.h"
#include "shell/message_service.h"
#include "shell/settings_store.h"
#include "shell/twips.h"
#include "shell/window_look.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QScreen>
#include <optional>
#include <stdexcept>

namespace input {
namespace {

constexpr int kClientWidth = 8040;
constexpr int kClientHeight = 6390;
constexpr double kWindowFontPoints = 9;
constexpr double kButtonFontPoints = 11.25;
constexpr int kCaptionGap = 4;  // pixels between a caption and its field

// Captions stand as designed. One whose text runs wider in this font than its
// designed width grows into the free space before its field, or, when that is
// too little (the right column), to the left, so that nothing is clipped.
QRect captionGeometry(const InputFieldInfo& info, int neededWidth) {
    QRect rect = shell::twipRect(info.label.left, info.label.top, info.label.width, kLabelHeight);
    if (neededWidth <= rect.width()) return rect;
    const int room = shell::twipsToPixels(info.left) - rect.left() - kCaptionGap;
    if (neededWidth <= room) rect.setWidth(neededWidth);
    else rect.setLeft(rect.right() + 1 - neededWidth);
    return rect;
}

}  // namespace

Form1::Form1(ShellServices services)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      m_services(std::move(services)),
      m_writeNotice(m_services.messages) {
    setObjectName(QStringLiteral("Form1"));
    setFixedSize(shell::twipsToPixels(kClientWidth), shell::twipsToPixels(kClientHeight));
    setFont(shell::arialBold(kWindowFontPoints));
    shell::paintWhite(*this);
    m_pointer = new shell::WindowPointer(*this);
    buildControls();
    setTabOrder();
}

Form1::~Form1() = default;

void Form1::buildControls() {
    for (const ButtonInfo& info : inputButtons()) {
        auto* button = new QPushButton(QLatin1String(info.caption), this);
        button->setObjectName(QLatin1String(info.name));
        button->setFont(shell::arialBold(kButtonFontPoints));
        button->setGeometry(shell::twipRect(info.left, info.top, info.width, info.height));
        m_pointer->watchButton(*button);
        m_buttons.insert(QLatin1String(info.name), button);
    }
    connect(button(QStringLiteral("PushButton1")), &QPushButton::clicked, this, &Form1::PushButton1_Click);
    connect(button(QStringLiteral("PushButton2")), &QPushButton::clicked, this, &Form1::PushButton2_Click);
    connect(button(QStringLiteral("PushButton22")), &QPushButton::clicked, this, &Form1::PushButton22_Click);
    for (const FrameInfo& info : inputFrames()) {
        auto* frame = new QGroupBox(QLatin1String(info.caption), this);
        frame->setObjectName(QStringLiteral("Frame%1").arg(info.number));
        frame->setGeometry(shell::twipRect(info.left, info.top, info.width, info.height));
        shell::paintWhite(*frame);
        m_pointer->watchBackground(*frame);
        m_frames.insert(info.number, frame);
    }
    for (const InputFieldInfo& info : inputFields()) {
        QGroupBox* frame = m_frames.value(info.frame);
        auto* field = new InputField(info, m_services.settings, m_writeNotice, frame);
        field->setGeometry(shell::twipRect(info.left, info.top, info.width, kFieldHeight));
        m_fields.push_back(field);
        if (info.label.index == 0) continue;
        auto* label = new QLabel(QLatin1String(info.label.caption), frame);
        label->setObjectName(QStringLiteral("Label1_%1").arg(info.label.index));
        label->setGeometry(captionGeometry(info, label->sizeHint().width()));
        m_labels.insert(info.label.index, label);
    }
}

void Form1::setTabOrder() {
    // The twelve number fields by tab index, then the start button, the name,
    // and the two data buttons; frames and captions never take the focus.
    std::vector<QWidget*> chain(m_fields.begin(), m_fields.end() - 1);
    chain.push_back(m_buttons.value(QStringLiteral("PushButton22")));
    chain.push_back(field(QStringLiteral("txtName")));
    chain.push_back(m_buttons.value(QStringLiteral("PushButton1")));
    chain.push_back(m_buttons.value(QStringLiteral("PushButton2")));
    for (size_t i = 0; i + 1 < chain.size(); ++i) QWidget::setTabOrder(chain[i], chain[i + 1]);
}

void Form1::Form_Load() {
    using namespace shell;
    ErrorTrap trap(QLatin1String(contexts::kForm1FormLoad), m_services.messages);
    trap.run(100, [&] { ApplySkin(*this, skinFilePath()); });
    trap.run(104, [&] { setWindowTitle(productName()); });
    trap.run(104, [&] { setWindowIcon(appIcon()); });
    trap.run(104, [&] { SetAppTitle(); });
    if (trap.test(106, [&] { return FileExists(cursorFilePath()); }))
        trap.run(108, [&] { m_pointer->setCustomImage(loadCursorFile(cursorFilePath())); });
    trap.run(110, [&] { keepUnreadableSettings(); });

    const QChar decimalPoint = QLocale().decimalPoint().at(0);
    int line = 128;
    for (const InputFieldInfo* info : fillOrder()) {
        trap.run(line, [&] {
            const QString text = m_services.settings.read(QLatin1String(info->key), defaultText(*info, decimalPoint));
            field(QLatin1String(info->name))->setText(text);
        });
        line += 2;
    }
    trap.run(154, [&] { mCreated = false; });
    trap.run(156, [&] { CheckExcelInstalled(m_services.automation, m_services.messages); });
}

// Before the fields are filled (and so written back): a settings file with
// lines the store cannot read is kept as it is, and the user hears once where.
void Form1::keepUnreadableSettings() {
    const std::optional<QString> copy = m_services.settings.setAsideUnreadableFile();
    if (!copy) return;
    shell::showMessage(m_services.messages,
                       QLatin1String(kUnreadableSettingsStart) + *copy + QLatin1String(kUnreadableSettingsEnd),
                       shell::MessageIcon::Warning);
}

void Form1::showAtStart() {
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    show();
    activateWindow();
    m_fields.front()->setFocus(Qt::ActiveWindowFocusReason);
}

void Form1::closeEvent(QCloseEvent* event) {
    event->accept();
    if (m_services.endProgram) m_services.endProgram();
}

InputField* Form1::field(const QString& name) const {
    for (InputField* f : m_fields)
        if (f->objectName() == name) return f;
    return nullptr;
}

QString Form1::fieldText(const QString& fieldName) const {
    const InputField* f = field(fieldName);
    if (!f) throw std::invalid_argument("There is no input field named " + fieldName.toStdString() + ".");
    return f->text();
}

QPushButton* Form1::button(const QString& name) const { return m_buttons.value(name); }
QGroupBox* Form1::frame(int number) const { return m_frames.value(number); }
QLabel* Form1::label(int index) const { return m_labels.value(index); }

QString Form1::skinFilePath() const { return m_services.programFolder + QStringLiteral("/x/o.cjs"); }
QString Form1::cursorFilePath() const {
    return m_services.programFolder + QLatin1Char('/') + QLatin1String(shell::kCursorFileName);
}

}  // namespace input
