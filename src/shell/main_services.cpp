#include "shell/main_services.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>
#include <stdexcept>

namespace shell {
namespace {

constexpr const char* kPictureBoxProperty = "quorvanePictureBox";

void paintButtonFace(QWidget& widget) {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::Window, buttonFaceColor());
    widget.setPalette(palette);
    widget.setAutoFillBackground(true);
}

bool isPictureBox(const QWidget& widget) { return widget.property(kPictureBoxProperty).toBool(); }

// Colours the window and every child of the kinds the rule names.
void paintWindowAndChildren(QWidget& window, bool includePictureBoxes) {
    paintButtonFace(window);
    for (QWidget* child : window.findChildren<QWidget*>()) {
        const bool colourable = qobject_cast<QRadioButton*>(child) || qobject_cast<QCheckBox*>(child) ||
                                qobject_cast<QGroupBox*>(child) || qobject_cast<QLabel*>(child);
        if (isPictureBox(*child) ? includePictureBoxes : colourable) paintButtonFace(*child);
    }
}

}  // namespace

QColor buttonFaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }

void markAsPictureBox(QWidget& widget) { widget.setProperty(kPictureBoxProperty, true); }

void SetBackColor(QWidget& window) { paintWindowAndChildren(window, false); }

void ApplySkin(QWidget& window, const QString& skinFile) {
    if (!QFileInfo(skinFile).isFile()) return;  // no skin: the designed colours stay
    paintWindowAndChildren(window, true);
    QFile file(skinFile);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw std::runtime_error("The skin file " + skinFile.toStdString() + " cannot be read.");
    window.setStyleSheet(QString::fromUtf8(file.readAll()));
}

}  // namespace shell
